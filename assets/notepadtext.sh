#!/bin/sh
# Copies a UTF-8 text for Windows' Notepad: byte order mark first, CRLF line ends.
set -e
{ printf '\357\273\277'; sed 's/\r$//; s/$/\r/' "$1"; } >"$2.tmp"
mv "$2.tmp" "$2"
