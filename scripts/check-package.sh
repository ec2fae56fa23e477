#!/usr/bin/env bash
# Builds the Debian package (Release, warnings as errors) and checks it as a distribution would:
# both programs run from the unpacked package, the desktop entry, the AppStream metainfo and the
# manual pages validate, and lintian finds no error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh lintian desktop-file-utils appstream man-db
scripts/package.sh -DVRK_WERROR=ON
deb="$(ls build-package/vrk_*.deb)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bin="$root/usr/bin"
share="$root/usr/share"

echo "-- programs"
# Whole outputs are read before they are searched: grep -q stops reading at its first match, and
# the program still writing would end by SIGPIPE, failing the pipeline.
help="$("$bin/vrk-batch" help)"
grep -q '^actions (do):' <<<"$help"
"$bin/vrk" --version | grep -qx "vrk $(sed -n 's/^project(vrk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
# The desktop program starts offscreen (first run: the opening window) and keeps running until
# it is stopped; a crash or a refusal to start ends it sooner.
status=0
QT_QPA_PLATFORM=offscreen VRK_SETTINGS_FILE="$root/settings.ini" timeout 5 "$bin/vrk" || status=$?
[ "$status" -eq 124 ] || { echo "vrk ended with status $status instead of running" >&2; exit 1; }

echo "-- desktop entry, metainfo, icons"
desktop-file-validate "$share/applications/org.vrk.vrk.desktop"
appstreamcli validate --no-net "$share/metainfo/org.vrk.vrk.metainfo.xml"
for size in 16 32 48 64 128 256; do test -s "$share/icons/hicolor/${size}x${size}/apps/org.vrk.vrk.png"; done
test -s "$share/icons/hicolor/scalable/apps/org.vrk.vrk.svg"

echo "-- manual pages"
for page in vrk vrk-batch; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || { echo "$page.1: $warnings" >&2; exit 1; }
  shown="$(LC_ALL=C.UTF-8 man -l "$share/man/man1/$page.1.gz")"
  [ -n "$shown" ]
done

echo "-- lintian"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
echo "package checked: $deb"
