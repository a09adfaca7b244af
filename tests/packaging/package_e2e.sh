#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack into a temporary folder and
# checks what it holds and what it depends on.
# usage: package_e2e.sh BUILD-FOLDER
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; fail "cpack"; }
debs=("$out"/daylark_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no daylark_*.deb: $(ls "$out")"
deb=${debs[0]}
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/daylark ./usr/bin/qvfsch ./usr/bin/qvftool \
    ./usr/share/applications/daylark.desktop ./usr/share/applications/qvfsch.desktop \
    ./usr/share/mime/packages/daylark.xml \
    ./usr/share/metainfo/org.daylark.daylark.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/daylark.png \
    ./usr/share/icons/hicolor/256x256/apps/daylark.png \
    ./usr/share/icons/hicolor/48x48/apps/qvfsch.png \
    ./usr/share/icons/hicolor/48x48/mimetypes/application-x-vemora-calendar.png; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

[ "$(dpkg-deb -f "$deb" Package)" = daylark ] || fail "package name $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
# libical only once the programs link it.
wanted=(libqt6widgets6 libqt6printsupport6 fonts-liberation qt6-qpa-plugins)
ldd "$build/shell/daylark" "$build/tools/qvftool" | grep -q libical && wanted+=(libical3)
for dependency in "${wanted[@]}"; do
  grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
echo "Depends: $depends"
