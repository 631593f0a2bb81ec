# Sourced by the Windows scripts: makes sure Qt 6.4.2 base and GoogleTest built for MinGW-w64 are
# in the cache folder, and sets QT_PREFIX and GTEST_PREFIX to them.
#   Qt comes from the ready build in ../shared/toolchains beside the project when it is there and
#   its hash matches, otherwise it is built here from Debian's source package (about an hour).
windows_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$windows_scripts/paths.sh"
project=$(cd "$windows_scripts/../.." && pwd)
ready=$(dirname "$project")/shared/toolchains

fail() {
    echo "vertox windows build: $*" >&2
    exit 1
}

qt_ready_unpack() {
    local sums
    sums=$(cd "$ready" && sha256sum -c SHA256SUMS 2>/dev/null) || return 1
    echo "Unpacking the ready Qt for MinGW from $ready ($sums)"
    mkdir -p "$cache"
    rm -rf "$QT_PREFIX.part"
    mkdir "$QT_PREFIX.part"
    tar -xJf "$ready/qt6.4.2-mingw64.tar.xz" -C "$QT_PREFIX.part" --strip-components=1
    mv "$QT_PREFIX.part" "$QT_PREFIX"
}

if [ ! -f "$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    if [ -f "$ready/qt6.4.2-mingw64.tar.xz" ] && qt_ready_unpack; then
        :
    else
        mkdir -p "$cache"
        log=$cache/buildqt.log
        echo "No ready Qt for MinGW in $ready: building it from Debian's source (about an hour)," \
            "its log in $log"
        "$windows_scripts/buildqt" "$QT_PREFIX" >"$log" 2>&1 ||
            fail "no Qt for MinGW: none ready in $ready, and building it from Debian's source failed (its log: $log)"
    fi
fi

if [ ! -f "$GTEST_PREFIX/lib/cmake/GTest/GTestConfig.cmake" ]; then
    [ -d /usr/src/googletest ] || fail "no GoogleTest source in /usr/src/googletest"
    echo "Building GoogleTest for MinGW"
    rm -rf "$cache/googletest-build"
    cmake -G Ninja -S /usr/src/googletest -B "$cache/googletest-build" \
        -DCMAKE_TOOLCHAIN_FILE="$windows_scripts/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX.part" >/dev/null
    cmake --build "$cache/googletest-build" >/dev/null
    cmake --install "$cache/googletest-build" >/dev/null
    rm -rf "$cache/googletest-build"
    mv "$GTEST_PREFIX.part" "$GTEST_PREFIX"
fi
