# Installs the Debian packages Rotorix needs, so scripts/run and scripts/test work on a fresh Debian 12.
# Sourced, not run.
# shellcheck shell=bash disable=SC2034  # the package lists are read by the sourcing scripts

rotorix_build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation2 fonts-dejavu-core)
rotorix_e2e_packages=(xvfb xauth xdotool xclip x11-utils imagemagick cups cups-client cups-bsd util-linux
    e2fsprogs python3 python3-pytest black libxfixes3 python3-pyatspi at-spi2-core dbus-daemon)
# The .deb (cpack with dpkg-shlibdeps), the validators of the desktop entry and the metadata, and
# lintian, which checks the package against Debian's policy.
rotorix_package_packages=(dpkg-dev desktop-file-utils appstream lintian)
# libFuzzer and the sanitizers' runtimes come with Debian's clang.
rotorix_fuzz_packages=(clang libclang-rt-14-dev pkgconf)
# Qt for Windows, the program, its installer and zip (scripts/lib/qt-windows.sh, preset windows).
rotorix_windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
    dpkg-dev patch nsis icoutils)
# Running the Windows program and its installer (wine64 runs 64-bit programs only) on a virtual
# display; Wine takes its locale from a generated Unix locale (localedef, from locales).
rotorix_wine_packages=(wine wine64 xvfb xauth xdotool x11-utils xclip locales)
# The browser build checked in a real browser, headless, driven through WebDriver.
rotorix_browser_packages=(chromium chromium-driver python3-selenium)
# Only bench/run needs these; the tests never time anything.
rotorix_bench_packages=(hyperfine valgrind jq xvfb xauth dbus-daemon)

# ensure_packages PACKAGE...: installs the ones dpkg does not list as installed, nothing else.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        [[ $(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) == installed ]] ||
            missing+=("$package")
    done
    ((${#missing[@]} > 0)) || return 0

    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}
