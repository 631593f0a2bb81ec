#!/bin/sh
# Starts VERTOX in the player's own game folder: the program opens its files by bare name in
# the working folder, and the installed folder is not writable. The shipped files are copied
# there on the first start; files the player already has (results, settings) are kept.
set -eu
shared=$(cd "$(dirname "$(readlink -f "$0")")/@VERTOX_SHARE_FROM_BIN@" && pwd)
game="${XDG_DATA_HOME:-$HOME/.local/share}/vertox"
data_files="@VERTOX_DATA_FILES_WORDS@"
first_start=false
[ -d "$game" ] || first_start=true
mkdir -p "$game"
for file in "$shared"/*; do
    name=$(basename "$file")
    case "$name" in
    vertox | *.so) continue ;; # the program and its sound module run from here
    esac
    case " $data_files " in
    *" $name "*)
        # Fresh results only for a new folder: a file lost later is the game's to report.
        $first_start || continue ;;
    esac
    [ -e "$game/$name" ] || cp "$file" "$game/$name"
done
cd "$game"
exec "$shared/vertox" "$@"
