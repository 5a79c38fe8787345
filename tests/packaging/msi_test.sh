#!/usr/bin/env bash
# Installs the MSI under Wine the way an administrator would (msiexec /qn), runs the installed
# program, checks the Start-menu shortcut, uninstalls and checks that nothing of it is left.
#   msi_test.sh MSI VERSION PREFIX
# PREFIX is a Wine prefix of the test's own, so the other tests' prefix never holds an install;
# it is made on the first run and kept, and made again when a failed run left anything behind.
set -euo pipefail
msi=$1
version=$2
export WINEPREFIX=$3
wine=$(dirname "$0")/../../scripts/windows/wine
# No menu entries on the host for the shortcut, and no offer to install Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
folder="$WINEPREFIX/drive_c/Program Files/ZLX Client Diagnostics"
# A per-machine install puts the shortcut in the all-users Start menu; Wine 8 puts it in the
# user's. Either is accepted, not both.
shortcuts() {
  ls -d "$WINEPREFIX"/drive_c/{ProgramData,users/*/AppData/Roaming}/Microsoft/Windows/Start\ Menu/Programs/ZLX\ Client\ Diagnostics.lnk 2>/dev/null || true
}
fail() { echo "msi_test: $*" >&2; exit 1; }

if [ ! -f "$WINEPREFIX/system.reg" ] || [ -e "$folder" ] || [ -n "$(shortcuts)" ] ||
  grep -qF 'ZLX Client Diagnostics' "$WINEPREFIX"/*.reg; then
  rm -rf "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
# One server for the whole test, and Wine's own services started with no output, as in the rest
# of the Windows stage (scripts/test-windows says why).
/usr/lib/wine/wineserver -p || [ $? -eq 2 ]
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
"$wine" wineboot </dev/null >/dev/null 2>&1

"$wine" msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
# Both programs are installed, and each says the version of the build.
for program in zlxdiag.exe zlxdiag.com; do
  [ -f "$folder/$program" ] || fail "$program is not installed"
  said=$("$wine" "C:\\Program Files\\ZLX Client Diagnostics\\$program" --version) ||
    fail "the installed $program --version ended with status $?"
  [ "$said" = "zlxdiag $version" ] || fail "the installed $program --version said '$said'"
done
shortcut=$(shortcuts)
[ "$(wc -l <<<"$shortcut")" -eq 1 ] && [ -n "$shortcut" ] || fail "Start-menu shortcuts: '$shortcut'"
# A .lnk holds its target's path in UTF-16.
tr -d '\0' <"$shortcut" | grep -qF 'ZLX Client Diagnostics\zlxdiag.exe' ||
  fail "the shortcut does not start the installed zlxdiag.exe"
# Windows Installer keeps the icon of the shortcut and of the uninstall entry in its own folder.
icons() { ls "$WINEPREFIX"/drive_c/windows/Installer/*/zlxdiag.ico 2>/dev/null || true; }
[ -n "$(icons)" ] && cmp -s "$(icons)" "$(dirname "$0")/../../packaging/windows/zlxdiag.ico" ||
  fail "the program's icon is not installed: '$(icons)'"

"$wine" msiexec /x "$msi" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
[ -z "$(shortcuts)" ] || fail "the shortcut is left behind"
[ -z "$(icons)" ] || fail "the icon is left behind"
/usr/lib/wine/wineserver -k
trap - EXIT
# The server writes the registry out as it ends: nothing of the product stays there.
! grep -lF 'ZLX Client Diagnostics' "$WINEPREFIX"/*.reg || fail "left in the registry (above)"
echo "msi_test: $(basename "$msi") installs, runs and uninstalls cleanly"
