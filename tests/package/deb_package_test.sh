#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, checks its metadata and files,
# unpacks it into a temporary root and starts the installed binary in a private X server.
set -euo pipefail
build=$1
source "$(dirname "$0")/../lib/xsession.sh"

cpack --config "$build/CPackConfig.cmake" -B "$xsession_dir/package" >/dev/null
deb=$(ls "$xsession_dir"/package/zorvanta_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-noto-cjk qt6-qpa-plugins libqt6widgets6 libqt6printsupport6; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

root="$xsession_dir/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.zorvanta.Zorvanta.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.zorvanta.Zorvanta.metainfo.xml"
for icon in scalable/apps/org.zorvanta.Zorvanta.svg 256x256/apps/org.zorvanta.Zorvanta.png; do
  [ -s "$root/usr/share/icons/hicolor/$icon" ] || fail "missing icon $icon"
done

start_xserver
start_program "$root/usr/bin/zorvanta"
key_in_window Escape
wait_for_exit 10
echo "the installed program started and ended with exit code 0"
