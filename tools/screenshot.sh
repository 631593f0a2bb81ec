#!/usr/bin/env bash
# Takes the picture of the main window that software centres show: starts the built game on
# fresh data files in a temporary game folder under a virtual X server, opens the rating page and
# saves the window as PNG.
# Usage: tools/screenshot.sh [build folder] [picture]   (defaults: build, assets/screenshot-main.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
picture=$(realpath -m "${2:-$root/assets/screenshot-main.png}")
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
# Only what ships: results of games played in the build's folder stay out of the picture.
cp "$build"/vertox/vertox "$build"/vertox/*.so "$build"/vertox/vertoxwn.dat "$build"/vertox/*.wav \
   "$build"/vertox/*.txt "$build"/pristine/vertoxwn.* "$game"/

cd "$game"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    ./vertox & game=$!
    trap "kill $game 2>/dev/null" EXIT
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "ВЕРТОКС" | head -n 1)
    sleep 1
    # No window manager runs here: the window is given the focus directly.
    xdotool windowfocus --sync "$window" key ctrl+Tab ctrl+Tab
    sleep 1
    import -window "$window" "$1"
' screenshot "$picture"
echo "Saved $picture"
