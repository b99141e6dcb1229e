#!/usr/bin/env bash
# Developer's tool: installs the built program into a scratch application folder with an invented
# season and starts it on a virtual screen under openbox, to be typed into with xdotool.
#   tools/proberen.sh <display-number> <map>        e.g. tools/proberen.sh 21 /tmp/ic-proef
# Afterwards: DISPLAY=:21 xdotool ...; DISPLAY=:21 import -window root shot.png
# Needs: xvfb openbox xdotool imagemagick (apt-get install), and a build with tests (build/bin/proefseizoen).
set -euo pipefail
cd "$(dirname "$0")/.."
nr="$1"; map="$2"
export DISPLAY=":$nr"
if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    sleep 1
    openbox >/dev/null 2>&1 &
    sleep 1
fi
nieuw=0
[ -f "$map/QJ-Deel7.mdb" ] || nieuw=1
cmake --install build --prefix "$map" >/dev/null
if [ "$nieuw" = 1 ]; then
    build/bin/proefseizoen "$map"
    mkdir -p "$map/wissel"
    sqlite3 "$map/QJ-Deel7.mdb" "UPDATE Opties SET Item='$map/wissel/' WHERE Soort='Pad Opslaan'"
fi
"$map/interclub" >"$map/uitvoer.log" 2>&1 &
echo "gestart op $DISPLAY (pid $!), map $map"
