#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's machine would meet it:
# unpacked, its trktool runs; lintian finds no error in the package and
# appstreamcli none in its AppStream data. Exit 77 (skipped) when the tools
# are missing.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
for tool in dpkg-deb lintian appstreamcli cpack; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/deps installs it)"
    exit 77
  fi
done

fail() { echo "FAIL: $*"; exit 1; }

deb="$("$root/scripts/package" | tail -n 1)" || fail "scripts/package failed"
deb="$root/$deb"
[ -f "$deb" ] || fail "no package at $deb"
version="$(grep -m1 -oP 'project\(TarvelTrackDesigner VERSION \K[0-9.]+' "$root/CMakeLists.txt")"
[ "$(basename "$deb")" = "tarvel-track-designer_${version}_amd64.deb" ] ||
  fail "unexpected name $(basename "$deb")"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp" || fail "dpkg-deb -x"

# What a desktop installs from it.
for f in usr/bin/tarvel-td usr/bin/trktool \
         usr/share/applications/org.tarvel.TrackDesigner.desktop \
         usr/share/mime/packages/org.tarvel.TrackDesigner.xml \
         usr/share/icons/hicolor/scalable/apps/org.tarvel.TrackDesigner.svg \
         usr/share/metainfo/org.tarvel.TrackDesigner.metainfo.xml \
         usr/share/man/man1/tarvel-td.1.gz usr/share/man/man1/trktool.1.gz \
         usr/share/doc/tarvel-track-designer/copyright \
         usr/share/doc/tarvel-track-designer/changelog.gz \
         usr/share/tarvel-track-designer/tracks/demo.trk \
         usr/share/tarvel-track-designer/screenshots/demo.png; do
  [ -e "$tmp/$f" ] || fail "missing $f"
done

out="$("$tmp/usr/bin/trktool" --version)" || fail "unpacked trktool --version failed"
echo "$out" | grep -q "$version" || fail "trktool --version says '$out'"
out="$("$tmp/usr/bin/tarvel-td" --version)" || fail "unpacked tarvel-td --version failed"
echo "$out" | grep -q "$version" || fail "tarvel-td --version says '$out'"
"$tmp/usr/bin/trktool" check "$tmp/usr/share/tarvel-track-designer/tracks/demo.trk" >/dev/null ||
  fail "the shipped demo track does not pass its check"

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6svg6 qt6-qpa-plugins; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = "graphics" ] || fail "section is not graphics"

# Errors fail the test; warnings are shown for the reader.
lint="$(lintian --tag-display-limit 0 "$deb" 2>&1)"
echo "$lint"
if echo "$lint" | grep -q '^E: '; then fail "lintian reports errors"; fi

meta="$(appstreamcli validate --no-net --explain \
  "$tmp/usr/share/metainfo/org.tarvel.TrackDesigner.metainfo.xml" 2>&1)"
echo "$meta"
if echo "$meta" | grep -q '^E: '; then fail "appstreamcli reports errors"; fi
echo "package checks passed: $(basename "$deb")"
