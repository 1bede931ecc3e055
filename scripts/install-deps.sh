#!/usr/bin/env bash
# Installs, on a fresh Debian machine, what building and testing MIRVAL needs.
# Packages already present are left alone, so a second run costs nothing.
# usage: install-deps.sh [LIST...]   (package lists; default: scripts/deps/*.txt)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev googletest
)
# What the tests of each subsystem need besides (real readers of our files, the
# desktop toolkit...), one package list per file.
here=$(dirname "$0")
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=("$here"/deps/*.txt)
for list in "${lists[@]}"; do
  [ -f "$list" ] || continue
  while read -r line; do
    line=${line%%#*}
    for p in $line; do packages+=("$p"); done
  done <"$list"
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
