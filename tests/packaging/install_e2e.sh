#!/usr/bin/env bash
# Installs the build into a temporary prefix the way a user does (cmake --install), checks
# the files a Linux desktop looks for, and runs the installed programs from there: qvftool
# shows a calendar without Qt Widgets loaded, daylark opens a calendar on a virtual display
# and ends. What daylark writes into the user's data folder at start must name the same
# files as the installed ones.
# usage: install_e2e.sh BUILD-FOLDER SOURCE-FOLDER
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix share=$scratch/prefix/share
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/daylark bin/qvfsch bin/qvftool \
    share/applications/daylark.desktop share/applications/qvfsch.desktop \
    share/mime/packages/daylark.xml \
    share/metainfo/org.daylark.daylark.metainfo.xml share/metainfo/org.daylark.qvfsch.metainfo.xml; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/daylark apps/qvfsch mimetypes/application-x-vemora-calendar; do
    png=$share/icons/hicolor/${size}x${size}/$icon.png
    [ "$(head -c 8 "$png" 2>/dev/null | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
      fail "no PNG icon at ${png#"$prefix"/}"
  done
done
echo "installed: the programs, desktop entries, MIME type, metainfo and icons"

# The desktop's own tools accept the files.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share"/applications/*.desktop || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$share"/metainfo/*.xml)"
fi
if command -v update-mime-database >/dev/null; then
  XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
  grep -q ':application/x-vemora-calendar:\*\.qvf' "$share/mime/globs2" ||
    fail "update-mime-database did not register *.qvf"
fi

# qvftool runs from the prefix and links no widgets.
"$prefix/bin/qvftool" show "$source/tests/data/handwritten.qvf" >"$scratch/show.txt"
diff -u "$source/tests/data/handwritten.show.txt" "$scratch/show.txt" || fail "qvftool show"
libraries=$(ldd "$prefix/bin/qvftool")
grep -q libQt6Core <<<"$libraries" || fail "ldd shows no Qt libraries: $libraries"
! grep -q libQt6Widgets <<<"$libraries" || fail "the installed qvftool links Qt Widgets"
echo "installed qvftool shows the calendar and links no Qt Widgets"

# daylark runs from the prefix; the per-user association it writes names the installed files.
DAYLARK_E2E_DATA_HOME="$scratch/data" bash "$source/tests/app/open_calendar_e2e.sh" \
  "$prefix/bin/daylark" "$source/tests/data/handwritten.qvf" "Our Family 2027"
written=$(cd "$scratch/data" && find mime/packages applications icons -type f \
  \( -name '*.xml' -o -name '*.desktop' -o -name '*.png' \) | sort)
[ -n "$written" ] || fail "daylark wrote no file association"
for file in $written; do
  [ -e "$share/$file" ] || fail "daylark writes $file, which the installation does not have"
done
echo "the per-user association names the installed files: $(echo $written)"
