#!/bin/sh
# Starts VERTOX in the player's own game folder, $XDG_DATA_HOME/vertox or ~/.local/share/vertox:
# the program opens its files by bare name in the working folder, and the installed folder is
# not writable.
#   vertox [arguments of the program]
# The installed game files (pictures, sounds, help texts) are copied there whenever they differ
# from the player's, so a new version brings its own. The player's files (results, settings and
# what the game makes as it runs) come fresh only into a new folder and are never touched once
# there; files this version does not know stay as they are. A folder that cannot be made or
# written is no reason to write elsewhere: the game then runs where it may not write and says
# that its results will not be kept.
set -eu
here=$(dirname "$(readlink -f "$0")")
shared=$(cd "$here/@VERTOX_GAME_FROM_LAUNCHER@" && pwd)
program=$(cd "$here/@VERTOX_PROGRAM_FROM_LAUNCHER@" && pwd)/vertox
players_files=" @VERTOX_RESULT_FILES_WORDS@ @VERTOX_WORK_FILES_WORDS@ "
work_endings="@VERTOX_WORK_ENDINGS_WORDS@"

# A relative XDG_DATA_HOME is to be ignored; without a home there is no folder of the player's.
case ${XDG_DATA_HOME:-} in
/*) game=$XDG_DATA_HOME/vertox ;;
*) game=${HOME:+$HOME/.local/share/vertox} ;;
esac

players_file() {
    case "$players_files" in *" $1 "*) return 0 ;; esac
    for ending in $work_endings; do
        case "$1" in *"$ending") return 0 ;; esac
    done
    return 1
}

# Replaced whole through a temporary file, so a start never finds half a picture.
copy_in() {
    cp "$1" "$2.tmp" && mv -f "$2.tmp" "$2" || rm -f "$2.tmp"
}

new_folder=false
if [ -n "$game" ] && [ ! -d "$game" ] && mkdir -p "$game" 2>/dev/null; then
    new_folder=true
fi
if [ -n "$game" ] && [ -d "$game" ] && [ -w "$game" ]; then
    for file in "$shared"/*; do
        name=${file##*/}
        if ! players_file "$name"; then
            cmp -s "$file" "$game/$name" || copy_in "$file" "$game/$name"
        elif $new_folder && [ ! -e "$game/$name" ]; then
            copy_in "$file" "$game/$name"
        fi
    done
fi
# The installed folder holds the fresh files too: the game plays there and cannot keep results.
# One that this user may write (root's, or an installation of the player's own) must not take
# them in place of the fresh files.
if ! { [ -n "$game" ] && cd "$game" 2>/dev/null; }; then
    if [ -w "$shared" ]; then
        echo "ВЕРТОКС: не удается создать папку ${game:-игры} для результатов; игра не запущена," \
            "чтобы не записать их в папку установки $shared." >&2
        exit 1
    fi
    cd "$shared"
fi
exec "$program" "$@"
