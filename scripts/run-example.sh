#!/usr/bin/env bash
# Builds MIRVAL and processes the bundled example survey in batch mode, with its
# profile file; the results land in example-output/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)" --target mirval

out="$root/example-output"
rm -rf "$out"
mkdir -p "$out"
cp "$root"/examples/* "$out"/
cd "$out"
shopt -s nullglob
surveys=(*.orv *.vrk *.eef)
survey=${surveys[0]}
profiles=()
for p in *.prr; do profiles+=(--profile "$p"); done
"$root/build/mirval" "$survey" "${profiles[@]}"
echo
echo "Arquivos escritos em $out:"
ls "$out"
