# Sourced: where the Windows build keeps what it builds once, outside the source tree.
cache=${VERTOX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vertox-qt-mingw}
QT_PREFIX=$cache/qt6.4.2-mingw64
GTEST_PREFIX=$cache/googletest
MINGW_RUNTIME=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

# A Linux path as Wine's Z: drive sees it.
windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}
