#!/usr/bin/env bash
# Start-up of the game next to a bare Qt main window (bench/barewindow.cpp, on the same Qt) and
# GNOME Tali, in one run under a real X server (Xvfb), starting them in turn: the time from
# starting the program to its main window being mapped, as the X server reports it, median of
# several starts each, and the resident memory once the window is up.
#   bench/startup.sh [build folder] [starts]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
starts=${2:-7}
title="ВЕРТОКС для Windows"

# --- what the measurement needs -----------------------------------------------------------------
scripts/deps.sh x11-utils tali libx11-dev
tali=$(command -v tali || echo /usr/games/tali)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vertox barewindow >/dev/null
bare=$(realpath "$build/bench/barewindow")

# A game folder of its own with valid data files, so no start-up box stands in the way: files of
# zero bytes in the right sizes pass their checks (an empty club, rating, records and slots).
work=$(mktemp -d)
cp -r "$build"/vertox/. "$work"/
for file in clb:540 ray:10168 rec:3596 sav:10648; do
    head -c "${file#*:}" /dev/zero >"$work/vertoxwn.${file%%:*}"
done

# --- the X server -------------------------------------------------------------------------------
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.05
done

# Waits on the X server's own map events, so the watching adds no load to the measured start.
mapwait="$work/mapwait"
gcc -O2 -o "$mapwait" bench/mapwait.c -lX11

# One start: prints "milliseconds rss_kB".
measure() {
    local folder=$1 name=$2 min_width=$3 program=$4 result ms pid rss
    result=$(cd "$folder" && "$mapwait" "$name" "$min_width" "$program")
    ms=${result% *}
    pid=${result#* }
    sleep 1
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    echo "$ms $rss"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unmeasured start of each first, so both find their libraries in the page cache.
measure "$work" "$title" 700 ./vertox >/dev/null
measure /tmp "Bare window" 1 "$bare" >/dev/null
measure /tmp Tali 300 "$tali" >/dev/null

ours=() bares=() theirs=()
for i in $(seq "$starts"); do
    ours+=("$(measure "$work" "$title" 700 ./vertox)")
    bares+=("$(measure /tmp "Bare window" 1 "$bare")")
    theirs+=("$(measure /tmp Tali 300 "$tali")")
    echo "start $i: vertox ${ours[-1]%% *} ms, bare window ${bares[-1]%% *} ms, tali ${theirs[-1]%% *} ms"
done

ours_ms=$(printf '%s\n' "${ours[@]}" | cut -d' ' -f1 | median)
bare_ms=$(printf '%s\n' "${bares[@]}" | cut -d' ' -f1 | median)
theirs_ms=$(printf '%s\n' "${theirs[@]}" | cut -d' ' -f1 | median)
ours_rss=$(printf '%s\n' "${ours[@]}" | cut -d' ' -f2 | median)
bare_rss=$(printf '%s\n' "${bares[@]}" | cut -d' ' -f2 | median)
theirs_rss=$(printf '%s\n' "${theirs[@]}" | cut -d' ' -f2 | median)

echo
printf '%-12s %12s %12s\n' "" "start (ms)" "RSS (MB)"
row() { awk -v n="$1" -v t="$2" -v r="$3" 'BEGIN { printf "%-12s %12.1f %12.1f\n", n, t, r / 1024 }'; }
row vertox "$ours_ms" "$ours_rss"
row "bare window" "$bare_ms" "$bare_rss"
row tali "$theirs_ms" "$theirs_rss"
awk -v a="$ours_ms" -v b="$theirs_ms" -v w="$bare_ms" -v r="$ours_rss" 'BEGIN {
    bare = a / w
    tali = a / b
    printf "ratio vertox/bare window: %.2f (target at most 1.30)\n", bare
    printf "ratio vertox/tali: %.2f (target at most 0.50)\n", tali
    printf "vertox memory: %.1f MB (target at most 60 MB)\n", r / 1024
    exit (bare <= 1.3 && tali <= 0.5 && r <= 60 * 1024) ? 0 : 1
}'
