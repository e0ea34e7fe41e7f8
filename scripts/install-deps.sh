#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zorvanta need, and any
# further packages named as arguments. As root it installs what is missing with apt-get;
# otherwise it names the missing packages and the command that installs them, and fails.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick openbox wmctrl
  fonts-noto-cjk poppler-utils
  desktop-file-utils appstream dpkg-dev procps
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Zorvanta needs these Debian packages, which are not installed:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
