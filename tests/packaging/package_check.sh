#!/usr/bin/env bash
# Builds the Debian package and checks what Debian and its users check: no
# lintian error or warning, every file in its place and no uninstall script,
# no maintainer script that could write into a home folder, and, unpacked
# into a throw-away root, a menu entry that starts the packaged program, no
# run path into the build tree, a program that finds its data and prints a
# booklet without a display, and manual pages that man renders cleanly.
set -euo pipefail
cd "$(dirname "$0")/../.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package_check.sh: $*" >&2; exit 1; }

bash scripts/package.sh
package=corvex-novlet_1.0.5_$(dpkg --print-architecture).deb
[[ -f $package ]] || fail "scripts/package.sh made no $package"

# Informational tags are shown and pass. Its own notes (one against running
# as root, as CI does) go to standard error, shown only when it fails.
lintian --fail-on error,warning "$package" 2>"$work/lintian.log" ||
  fail "lintian reports errors or warnings on $package $(cat "$work/lintian.log")"

# The paths only, as dpkg lists them (spaces in names kept).
contents=$(dpkg-deb --contents "$package" | sed -E 's/^([^ ]+ +){5}\.//')
share=/usr/share/corvex-novlet
expected=(
  /usr/games/corvex-novlet /usr/games/novlet-tool
  "$share/Novlet.lng" "$share/help/index.html" "$share/corvex-novlet.png" "$share/installed-by-package"
  "$share/Display Sets/Gems/00.ico" "$share/Display Sets/Shapes/00.ico"
  /usr/share/applications/com.corvexsoftware.novlet.desktop
  /usr/share/metainfo/com.corvexsoftware.novlet.metainfo.xml
  /usr/share/man/man6/corvex-novlet.6.gz /usr/share/man/man6/novlet-tool.6.gz
  /usr/share/doc/corvex-novlet/copyright /usr/share/doc/corvex-novlet/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/corvex-novlet.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
! grep -q "uninstall" <<<"$contents" || fail "the package holds an uninstall script: the package manager removes it"
! grep -qv "^/usr/" <<<"$contents" || fail "the package puts files outside /usr: $(grep -v '^/usr/' <<<"$contents")"
scripts=$(dpkg-deb --ctrl-tarfile "$package" | tar -t | grep -vxE '\./|\./(control|md5sums)' || true)
[[ -z $scripts ]] || fail "the package runs scripts at install time: $scripts"

root=$work/root
dpkg-deb -x "$package" "$root"
grep -qxF 'Exec="/usr/games/corvex-novlet"' "$root/usr/share/applications/com.corvexsoftware.novlet.desktop" ||
  fail "the menu entry does not start /usr/games/corvex-novlet"
for program in corvex-novlet novlet-tool; do
  paths=$(readelf -d "$root/usr/games/$program" | grep -E "RPATH|RUNPATH" || true)
  [[ -z $paths ]] || fail "$program carries run paths: $paths"
done

# No display at all; the user's folders are the throw-away root's.
export HOME=$work/home XDG_DATA_HOME= NOVLET_HOME=
unset DISPLAY WAYLAND_DISPLAY
"$root/usr/games/corvex-novlet" --booklet "$work/x.pdf" --shape 2x2 --level rookie --count 1 ||
  fail "the packaged program printed no booklet"
[[ $(head -c 4 "$work/x.pdf") == %PDF ]] || fail "the packaged program's booklet is no PDF"
"$root/usr/games/novlet-tool" generate --shape 2x2 --level rookie --seed 1 >/dev/null ||
  fail "the packaged novlet-tool does not run"
# Finding the package's note in /usr/share proves the program finds its data
# from /usr/games; it removes nothing and says so.
set +e
said=$("$root/usr/games/corvex-novlet" uninstall 2>&1)
status=$?
set -e
[[ $status -eq 1 && $said == *"installed by the package manager"*"sudo apt remove corvex-novlet"* ]] ||
  fail "uninstall on the packaged program said ($status): $said"
[[ -x $root/usr/games/corvex-novlet ]] || fail "uninstall removed the packaged program"

for page in corvex-novlet novlet-tool; do
  file=$root/usr/share/man/man6/$page.6.gz
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man warns about $page(6): $warnings"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" 2>/dev/null | grep -q "^NAME" || fail "man shows no $page(6)"
done
echo "package_check.sh: $package ($(du -k "$package" | cut -f1) KiB) passes lintian and starts from a throw-away root"
