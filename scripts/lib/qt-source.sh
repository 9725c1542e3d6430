# Qt's source for the builds this machine has no Qt for (Windows, the browser): Debian's own source
# package of the Qt it builds against, fetched through a sources list of our own so the machine's
# apt set-up is left as it is. Sourced, not run.
# shellcheck shell=bash

# The folder where Qt builds for other systems are kept: outside the checkout, so that every clone on
# this machine reuses them.
rotorix_qt_cache=${ROTORIX_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rotorix}

# What every build of Qt here leaves out, and takes from Qt's own copies of its libraries rather than
# the system's; its tools (moc, rcc, uic) are this machine's Qt's, of the same version.
qt_common_options=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF)

# qt_source_tree: prints the folder holding the unpacked qtbase source of the installed
# qt6-base-dev's version, fetching and unpacking it the first time.
qt_source_tree() {
    local version dir apt_dir
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev) || return
    dir=$rotorix_qt_cache/source/qt6-base-$version
    if [[ ! -f $dir/.unpacked ]]; then
        apt_dir=$rotorix_qt_cache/source/apt
        mkdir -p "$apt_dir/lists/partial"
        # The source entry is made from the machine's own entry for the main component of its release.
        apt-cache policy | awk -v release="$(. /etc/os-release && echo "$VERSION_CODENAME")" \
            '$3 == release "/main" { print "deb-src", $2, release, "main"; exit }' >"$apt_dir/sources.list"
        [[ -s $apt_dir/sources.list ]] || { echo "no Debian package source for main is known to apt" >&2; return 1; }
        local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
            -o Dir::State::Lists="$apt_dir/lists")
        apt-get "${apt_options[@]}" update >&2 || return
        rm -rf "$dir" && mkdir -p "$dir.download" || return
        (cd "$dir.download" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$version" >&2) || return
        # Upstream's tree as released: Debian's patches fit its own Linux build, not these.
        dpkg-source --skip-patches --no-copy -x "$dir.download"/qt6-base_*.dsc "$dir" >&2 || return
        rm -rf "$dir.download"
        touch "$dir/.unpacked"
    fi
    echo "$dir"
}
