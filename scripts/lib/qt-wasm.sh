# Qt for WebAssembly, built once per machine and Qt version from Debian's source package of the
# installed Qt with Debian's emscripten, into the cache folder beside Qt's source. Sourced, not run.
# shellcheck shell=bash

# shellcheck source=deps.sh
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
# shellcheck source=qt-source.sh
source "$(dirname "${BASH_SOURCE[0]}")/qt-source.sh"

rotorix_wasm_packages=(emscripten node-acorn qt6-base-dev qt6-base-dev-tools cmake ninja-build
    fonts-liberation2)

# rotorix_wasm_env: exports what building with Debian's emscripten needs, for Qt and for the program.
rotorix_wasm_env() {
    # Emscripten's JavaScript optimizer loads Debian's acorn; a node from elsewhere on the path
    # does not look in Debian's module folder unless told.
    case ":${NODE_PATH-}:" in
        *:/usr/share/nodejs:*) ;;
        *) export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH} ;;
    esac
    EMSDK=$(emsdk_folder) && export EMSDK
}

# emsdk_folder: prints a folder laid out as Qt's build expects an emsdk checkout to be, made of links
# to Debian's emscripten (Qt reads the emscripten it builds with from $EMSDK).
emsdk_folder() {
    local version dir root entry
    version=$(dpkg-query -W -f='${Version}' emscripten) || return
    dir=$rotorix_qt_cache/emsdk-$version
    root=$dir/upstream/emscripten
    if [[ ! -f $dir/.emscripten ]]; then
        rm -rf "$dir" && mkdir -p "$root" || return
        for entry in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
            ln -s "$entry" "$root/" || return
        done
        # Debian keeps the commands' scripts as emcc.py and friends; Qt runs them without the suffix.
        ln -s /usr/bin/emcc "$root/emcc" && ln -s /usr/bin/em++ "$root/em++" || return
        echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$dir/.emscripten"
    fi
    echo "$dir"
}

# qt_wasm_prefix: makes sure Qt for WebAssembly is built and installed and prints its prefix. The first
# call builds it (about 1,000 steps); later calls find the stamp and return at once. Call
# rotorix_wasm_env first in the shell that then builds the program, as this runs in a subshell.
qt_wasm_prefix() {
    local version prefix
    ensure_packages "${rotorix_wasm_packages[@]}" >&2 || return
    rotorix_wasm_env || return
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev) || return
    prefix=$rotorix_qt_cache/qt-$version-wasm
    if [[ ! -f $prefix/.built ]]; then
        mkdir -p "$rotorix_qt_cache" || return
        # One build at a time on a machine: a second caller waits and then finds the stamp.
        (flock 9 && [[ -f $prefix/.built ]] || build_qt_wasm "$version" "$prefix") \
            9>"$rotorix_qt_cache/qt-wasm.lock" || return
    fi
    echo "$prefix"
}

# build_qt_wasm VERSION PREFIX: configures, builds and installs qtbase for WebAssembly, then stamps it.
build_qt_wasm() {
    local version=$1 prefix=$2 source build
    source=$(qt_source_tree) || return
    build=$rotorix_qt_cache/build/qt-$version-wasm
    echo "Building Qt $version for WebAssembly into $prefix (once per machine)" >&2
    rm -rf "$build" "$prefix" && mkdir -p "$build" || return
    # Only what a widgets window needs: the browser platform draws through WebGL, so OpenGL stays.
    # Threads are off so that the page needs no cross-origin isolation headers from its server.
    (cd "$build" && cmake -G Ninja -Wno-dev "$source" \
        -DCMAKE_TOOLCHAIN_FILE="$EMSDK/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake" \
        -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DFEATURE_thread=OFF "${qt_common_options[@]}" \
        && cmake --build . --parallel 2 && cmake --install .) >&2 || return
    touch "$prefix/.built" && rm -rf "$build"
}
