# Qt for Windows, cross-built once per machine and Qt version from Debian's source package of the
# installed Qt, and kept in the cache folder outside the checkout. Sourced, not run.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
source "$(dirname "${BASH_SOURCE[0]}")/qt-source.sh"

# Raise this when the options below change: a Qt built by an older recipe is then built again.
rotorix_qt_windows_recipe=1

# qt_windows_prefix: prints the prefix of the installed Qt for Windows, building it the first time
# (about a quarter of an hour on two cores). Later calls return at once.
qt_windows_prefix() {
    local version prefix
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev) || return
    prefix=$rotorix_qt_cache/qt-$version-mingw-w64
    if [[ $(cat "$prefix/.rotorix-recipe" 2>/dev/null) != "$rotorix_qt_windows_recipe" ]]; then
        mkdir -p "$rotorix_qt_cache" || return
        # Two builds starting at once (two checkouts, two CI jobs) must not build Qt twice at once.
        (
            flock 9 || exit
            [[ $(cat "$prefix/.rotorix-recipe" 2>/dev/null) == "$rotorix_qt_windows_recipe" ]] ||
                _qt_windows_build "$version" "$prefix" >&2
        ) 9>"$rotorix_qt_cache/qt-windows.lock" || return
    fi
    echo "$prefix"
}

_qt_windows_build() {
    local version=$1 prefix=$2 source_tree work toolchain
    ensure_packages "${rotorix_windows_packages[@]}" || return
    source_tree=$(qt_source_tree) || return
    toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../cmake" && pwd)/mingw-w64.cmake
    work=$rotorix_qt_cache/build/qt-$version-mingw-w64
    echo "Building Qt $version for Windows into $prefix (once per machine; about 15 minutes on two cores)"
    rm -rf "$work" "$prefix" && mkdir -p "$work" || return
    # A copy of its own, so the fixes below leave the shared unpacked source as released.
    cp -a "$source_tree" "$work/src" || return
    # The one security fix of Debian's package in what we ship (text layout, Qt Gui); the others
    # are in modules left out, the rest of its patches fit Debian's own Linux build only.
    patch -d "$work/src" -p1 --forward --quiet <"$work/src/debian/patches/cve-2023-32763.diff" || return

    # Shared and release, Core, Gui and Widgets with what the program uses; the image and text
    # libraries from Qt's own copies, as Windows has none of them. Qt's tools (moc, rcc, uic) are
    # this machine's, of the same version.
    local started=$SECONDS
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_common_options[@]}" \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF || return
    echo "Qt for Windows configured in $((SECONDS - started)) s"
    started=$SECONDS
    cmake --build "$work/build" --parallel 2 || return
    echo "Qt for Windows built in $((SECONDS - started)) s"
    cmake --install "$work/build" || return
    echo "$rotorix_qt_windows_recipe" >"$prefix/.rotorix-recipe" || return
    # Nothing rebuilds from the build folder (a new Qt version starts afresh), so it goes.
    rm -rf "$work"
}
