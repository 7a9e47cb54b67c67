#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed program finds its
# data, puts its menu entry where desktops look, and works in the user's own folders.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/fotovia bin/fotovia-cli share/applications/fotovia.desktop \
         share/icons/hicolor/scalable/apps/fotovia.svg share/fotovia/tips.txt share/fotovia/help.html \
         share/fotovia/swf/fotovia-player.js "share/fotovia/background sounds/butteryLoop1.mp3" \
         "share/fotovia/mouseover sounds/default.mp3"; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
grep -q '^Exec=fotovia$' "$prefix/share/applications/fotovia.desktop"
export XDG_DATA_HOME="$prefix/home"
"$prefix/bin/fotovia-cli" new "$prefix/out.xml"
[ -f "$prefix/fotovia-player.js" ] || { echo "installed player not copied"; exit 1; }
grep -q 'bkmp3="butteryloop1.mp3"' "$prefix/out.xml" || { echo "default sound not found by the installed program"; exit 1; }
[ ! -e "$prefix/share/fotovia/temp" ] || { echo "working folder made inside the shared data folder"; exit 1; }
echo "install test passed"
