#!/usr/bin/env bash
# Builds the Debian package of Corvex Novlet: a Release build of the program
# and novlet-tool (no tests), laid out as Debian lays out games (programs in
# /usr/games, data in /usr/share), made into corvex-novlet_<version>_<arch>.deb
# in the top folder by cpack. The package's dependencies come from the
# binaries (dpkg-shlibdeps), and Debian's hardening flags are built in.
#   bash scripts/package.sh [BUILD FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/deb}

# The flags every Debian package is built with (stack protector, fortified
# functions, read-only relocations, bind now); CMake reads no CPPFLAGS. The
# Release type sets the optimisation, and no debug information is made only
# to be stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags=" $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) "
cxx_flags=${cxx_flags// -g / }
linker_flags=$(dpkg-buildflags --get LDFLAGS)

# The test libraries are hidden from CMake, as on a packager's machine.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNOVLET_WERROR=ON -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" \
  -DNOVLET_DEBIAN_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

(cd "$build" && cpack -G DEB >/dev/null)
package=$(cd "$build" && ls corvex-novlet_*.deb)
mv -f "$build/$package" .
echo "package.sh: $package"
