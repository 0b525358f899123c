#!/usr/bin/env bash
# Installs what building and testing Taskvane needs on Debian 12, skipping what is there.
set -euo pipefail
packages=(cmake ninja-build g++ clang qt6-base-dev libpugixml-dev libexpat1-dev libzip-dev
          zlib1g-dev libjpeg-dev libgtest-dev python3-openpyxl fonts-noto-cjk pkg-config
          libgsf-1-dev qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
