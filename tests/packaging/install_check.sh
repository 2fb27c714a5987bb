#!/usr/bin/env bash
# Builds and installs Corvex Novlet the way a packager or a user does, and
# checks what a packager checks: a Release build with only Qt and ICU at hand
# and no warning, a menu entry that starts the installed program wherever it
# was installed, valid desktop and AppStream files, and an uninstaller that
# takes back every file.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/package
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_check.sh: $*" >&2; exit 1; }

# The test libraries (Qt's own among them) are hidden from CMake, as on a
# machine with only Qt's and ICU's runtime parts; --fresh makes each run see
# the defaults of a first configure. Warnings are errors here so that the
# Release flags (-O3) are held to the same standard.
cmake --fresh -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNOVLET_WERROR=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

entry_of() { echo "$1/share/applications/com.corvexsoftware.novlet.desktop"; }
# A warning fails too. The AppStream check of the whole tree also matches the
# metainfo with its menu entry; --no-net, as the screenshots are not fetched.
validate() {
  local report
  report=$(desktop-file-validate "$(entry_of "$1")" 2>&1) && [[ -z $report ]] ||
    fail "the desktop entry under $1 is not valid: $report"
  report=$(appstreamcli validate-tree --no-net "$1" 2>&1) || fail "the AppStream metainfo under $1 is not valid: $report"
}

# A package: staged under DESTDIR (with pattern characters in its name, as a
# versioned package folder has), for the configured prefix.
stage="$work/corvex-novlet-1.0.5+ds/debian/tmp"
DESTDIR=$stage cmake --install "$build" >/dev/null
validate "$stage/usr/local"
grep -qxF 'Exec="/usr/local/bin/corvex-novlet"' "$(entry_of "$stage/usr/local")" ||
  fail "the packaged menu entry does not start /usr/local/bin/corvex-novlet"
! grep -qF "$stage" "$stage/usr/local/bin/corvex-novlet-uninstall" ||
  fail "the packaged uninstaller names the staging folder"

# One user, with another prefix than the configured one and characters that
# the menu entry's Exec must quote.
prefix="$work/Mary Ann's 100%\$/.local"
cmake --install "$build" --prefix "$prefix" >/dev/null
validate "$prefix"
grep -qxF "Exec=\"$work/Mary Ann's 100%%\\\\\$/.local/bin/corvex-novlet\"" "$(entry_of "$prefix")" ||
  fail "the menu entry does not start the program installed in $prefix"
"$prefix/bin/corvex-novlet-uninstall"
left=$(find "$prefix" -type f)
[[ -z $left ]] || fail "the uninstaller left: $left"
echo "install_check.sh: packaged and one-user installs pass"
