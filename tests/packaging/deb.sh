#!/usr/bin/env bash
# Builds the Debian package from the build folder, installs it with apt, starts /usr/bin/rotorix on
# a private X server, checks its window, and removes the package again, also when a step fails.
# Needs root (or sudo without a password); a machine that already has a rotorix package installed
# is left alone.   Usage: deb.sh BUILD_DIR SCREENSHOT_DIR
set -euo pipefail
build=$1 shots=$2
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

as_root=()
if ((EUID != 0)); then
    sudo -n true 2>/dev/null || { echo "SKIP: installing a package needs root or sudo"; exit 77; }
    as_root=(sudo -n)
fi
if dpkg-query -W -f='${db:Status-Status}' rotorix 2>/dev/null | grep -qx installed; then
    echo "SKIP: a rotorix package is already installed here; not replacing it"
    exit 77
fi

cpack --config "$build/CPackConfig.cmake" -B "$e2e_tmp/deb" >"$e2e_tmp/cpack.log" 2>&1 ||
    { cat "$e2e_tmp/cpack.log" >&2; e2e_fail "cpack could not build the package"; }
deb=$(echo "$e2e_tmp"/deb/rotorix_"$ROTORIX_VERSION"_*.deb)
[[ -f $deb ]] || e2e_fail "no rotorix_${ROTORIX_VERSION}_*.deb was built"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *fonts-liberation2* ]] ||
    e2e_fail "Depends lacks the Qt libraries or the font: $depends"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/rotorix ./usr/share/applications/com.quillfen.rotorix.desktop \
    ./usr/share/metainfo/com.quillfen.rotorix.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/com.quillfen.rotorix.png \
    ./usr/share/icons/hicolor/scalable/apps/com.quillfen.rotorix.svg; do
    grep -q " $file\$" <<<"$contents" || e2e_fail "the package lacks $file"
done

remove_package() { "${as_root[@]}" dpkg --purge rotorix >/dev/null 2>&1 || true; }
trap 'remove_package; e2e_cleanup' EXIT
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$deb" >"$e2e_tmp/apt.log" 2>&1 ||
    { cat "$e2e_tmp/apt.log" >&2; e2e_fail "apt-get could not install $deb"; }
[[ $(dpkg-query -W -f='${Version}' rotorix) == "$ROTORIX_VERSION" ]] || e2e_fail "installed version is not $ROTORIX_VERSION"

e2e_begin /usr/bin/rotorix "$shots"
cp "$e2e_tmp/opened.png" "$shots/installed.png"
e2e_end
remove_package
dpkg-query -W rotorix >/dev/null 2>&1 && e2e_fail "rotorix is still installed after removal" || true
echo "installed, started and removed $(basename "$deb")"
