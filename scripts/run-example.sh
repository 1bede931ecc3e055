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
survey=$(ls *.orv *.vrk *.eef 2>/dev/null | head -n 1)
profiles=()
for p in *.prr; do [ -f "$p" ] && profiles+=(--profile "$p"); done
"$root/build/mirval" "$survey" "${profiles[@]}"
echo
echo "Arquivos escritos em $out:"
ls "$out"
