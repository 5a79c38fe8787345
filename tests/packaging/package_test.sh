#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a temporary root and runs the
# program from there.  Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d "${TMPDIR:-/tmp}/zlxdiag-package.XXXXXX")
trap 'rm -rf "$root"' EXIT
(cd "$build" && cpack -G DEB -B "$root/out" >"$root/cpack.log" 2>&1) || {
  cat "$root/cpack.log" >&2
  exit 1
}
deb=$(ls "$root"/out/zlxdiag_*.deb)
dpkg-deb -x "$deb" "$root/tree"
fail() { echo "package_test: $*" >&2; exit 1; }
[ "$("$root/tree/usr/bin/zlxdiag" --version)" = "zlxdiag 1.0" ] || fail "--version from the package"
script=$(dirname "$0")/../scriptmode/cases/about.script
QT_QPA_PLATFORM=offscreen "$root/tree/usr/bin/zlxdiag" --script "$script" >/dev/null ||
  fail "the installed program cannot start its window program"
entry=$root/tree/usr/share/applications/zlxdiag.desktop
[ -f "$entry" ] || fail "no desktop entry"
# The menu starts the window program itself, at its installed path.
exec_line=$(grep '^Exec=' "$entry")
[ "$exec_line" = "Exec=/usr/libexec/zlxdiag/zlxdiag-window" ] || fail "desktop entry: $exec_line"
[ -x "$root/tree${exec_line#Exec=}" ] || fail "the desktop entry's program is not in the package"
[ -f "$root/tree/usr/share/icons/hicolor/scalable/apps/zlxdiag.svg" ] || fail "no icon"
[ -f "$root/tree/usr/share/doc/zlxdiag/copyright" ] || fail "no copyright file"
page=$(zcat "$root/tree/usr/share/man/man1/zlxdiag.1.gz") || fail "no manual page"
# Every long option of the help is in the manual page.
for option in $("$root/tree/usr/bin/zlxdiag" --help | grep -oE '^  --[a-z]+' | sort -u); do
  [[ $page == *"\\-\\-${option#--}"* ]] || fail "the manual page lacks $option"
done
# The sections the help has no room for, and a date.
for section in ENVIRONMENT FILES "SEE ALSO" ZLXDIAG_INSTANCE_DIR; do
  [[ $page == *"$section"* ]] || fail "the manual page lacks $section"
done
[[ $page =~ \.TH\ ZLXDIAG\ 1\ \"[0-9]{4}-[0-9]{2}-[0-9]{2}\" ]] || fail "the manual page has no date"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6; do
  [[ $depends == *$library* ]] || fail "Depends lacks $library: $depends"
done
echo "package_test: $(basename "$deb") installs and runs; Depends: $depends"
