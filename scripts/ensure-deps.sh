#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing and apt-get exists.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "missing packages (${missing[*]}) and no apt-get to install them" >&2
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "installing: ${missing[*]}"
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
