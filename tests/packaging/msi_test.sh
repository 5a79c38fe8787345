#!/usr/bin/env bash
# Installs the MSI under Wine the way an administrator would (msiexec /qn), runs the installed
# program, checks the Start-menu shortcut, the PATH entry and the uninstall entry; upgrades to a
# newer version made here from the same programs, refuses the older one, installs the newer
# one again as a repair; uninstalls and checks that nothing of it is left.
#   msi_test.sh MSI VERSION PREFIX STAGE
# PREFIX is a Wine prefix of the test's own, so the other tests' prefix never holds an install;
# it is made on the first run and kept, and made again when a failed run left anything behind.
set -euo pipefail
msi=$1
version=$2
export WINEPREFIX=$3
stage=$4
source=$(cd "$(dirname "$0")/../.." && pwd)
wine=$source/scripts/windows/wine
make_msi=$source/packaging/windows/make-msi
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

# The install folder ends the system PATH, for a command prompt opened after the install.
environment='HKLM\System\CurrentControlSet\Control\Session Manager\Environment'
path_entry() { "$wine" reg query "$environment" /v PATH 2>/dev/null | tr -d '\r' | grep -ciF 'C:\Program Files\ZLX Client Diagnostics' || true; }
[ "$(path_entry)" -eq 1 ] || fail "the install folder is not on the PATH once: $(path_entry)"
# One uninstall entry per product, with the publisher and the folder the programs went to.
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
code() { python3 "$make_msi" "$stage" unused.msi --version "$1" --publisher - --print-product-code; }
key() { echo "$uninstall\\$(code "$1")"; }
installed() { "$wine" reg query "$(key "$1")" >/dev/null 2>&1; }
entry() { "$wine" reg query "$(key "$1")" 2>/dev/null | tr -d '\r' || true; }
installed "$version" || fail "no uninstall entry for $version"
entry "$version" | grep -q 'Publisher.*Norvane' || fail "the uninstall entry's publisher: $(entry "$version")"
entry "$version" | grep InstallLocation | grep -qiF 'C:\Program Files\ZLX Client Diagnostics' ||
  fail "the uninstall entry has no install location: $(entry "$version")"

# A newer version replaces this one: one entry, the newer one.
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((${patch:-0} + 1))
work=$(mktemp -d)
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
python3 "$make_msi" "$stage" "$work/newer.msi" --version "$newer" --publisher Norvane \
  --file-version "$version" >/dev/null
"$wine" msiexec /i "$work/newer.msi" /qn || fail "the upgrade to $newer ended with status $?"
installed "$newer" || fail "no uninstall entry for $newer after the upgrade"
! installed "$version" || fail "$version is still installed beside $newer"
[ -f "$folder/zlxdiag.exe" ] || fail "the upgrade left no zlxdiag.exe"
# The older version is refused while the newer one is installed.
if "$wine" msiexec /i "$msi" /qn; then fail "the older $version installed over $newer"; fi
installed "$newer" && ! installed "$version" || fail "the refused downgrade changed the install"
# The same version again repairs it (every file put back): no second entry.
rm -f "$folder/zlxdiag.com"
"$wine" msiexec /i "$work/newer.msi" REINSTALL=ALL REINSTALLMODE=amus /qn ||
  fail "the repair of $newer ended with status $?"
[ -f "$folder/zlxdiag.com" ] || fail "the repair did not put zlxdiag.com back"
"$wine" msiexec /i "$work/newer.msi" /qn || true
installed "$newer" && [ "$(path_entry)" -eq 1 ] || fail "installing $newer again added to it"

"$wine" msiexec /x "$work/newer.msi" /qn || fail "msiexec /x ended with status $?"
! installed "$newer" || fail "the uninstall entry of $newer is left behind"
[ "$(path_entry)" -eq 0 ] || fail "the install folder is left on the PATH"
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
[ -z "$(shortcuts)" ] || fail "the shortcut is left behind"
[ -z "$(icons)" ] || fail "the icon is left behind"
/usr/lib/wine/wineserver -k
trap 'rm -rf "$work"' EXIT
# The server writes the registry out as it ends: nothing of the product stays there.
! grep -lF 'ZLX Client Diagnostics' "$WINEPREFIX"/*.reg || fail "left in the registry (above)"
echo "msi_test: $(basename "$msi") installs, runs, upgrades to $newer, refuses a downgrade, repairs and uninstalls cleanly"
