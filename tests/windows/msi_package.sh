#!/usr/bin/env bash
# The Windows Installer package as an administrator's deployment meets it, under Wine in a
# prefix of its own on a virtual X screen with openbox. Its tables first (msiinfo): for every
# user of the computer, the fixed upgrade code, a product code of its own for each version, the
# upgrade that replaces older versions and the refusal of newer ones; its files are the program
# folder's. Then `msiexec /i … /qn` installs it; the entry among the installed programs is read
# back field by field; the program, started in the folder its Start-menu entry starts in, plays a
# round. A package of a higher version (made here from the same folder) upgrades it in place and
# leaves one entry; the first package over it is refused; `msiexec /x {ProductCode} /qn` takes
# away every file of ours and leaves a photograph a teacher added.
# Usage: tests/windows/msi_package.sh Zorvenka-<version>.msi PROGRAM-FOLDER
set -euo pipefail
shopt -s inherit_errexit
msi=$(realpath "$1")
stage=$(realpath "$2")
version=$(basename "$msi" .msi)
version=${version#Zorvenka-}
root=$(cd "$(dirname "$0")/../.." && pwd)
upgrade_code='{6F1D9A52-4C2B-4E0E-9D47-3A8F0C5E2B71}'

source "$root/tests/e2e/quiz.sh"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A package of the next patch version, from the same program folder.
IFS=. read -r major minor patch <<<"$version"
newer_version=$major.$minor.$((patch + 1))
newer=$work/Zorvenka-$newer_version.msi
"$root/scripts/windows-msi" "$stage" "$newer_version" "$newer"

echo "-- the package's tables"
table() { # package table: its rows, without the two header lines
  msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4
}
property() { # package name
  table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'
}
[[ $(property "$msi" ALLUSERS) == 1 ]] || fail "the package is not for every user of the computer"
[[ $(property "$msi" ProductVersion) == "$version" ]] || fail "the package's version is not $version"
[[ $(property "$msi" UpgradeCode) == "$upgrade_code" ]] || fail "the upgrade code has changed"
[[ $(property "$newer" UpgradeCode) == "$upgrade_code" ]] || fail "the newer package has another upgrade code"
product_code=$(property "$msi" ProductCode)
newer_product_code=$(property "$newer" ProductCode)
[[ $product_code != "$newer_product_code" ]] || fail "two versions share the product code $product_code"
for name in ProductName Manufacturer ARPPRODUCTICON ARPNOMODIFY ARPNOREPAIR; do
  echo "$name=$(property "$msi" "$name")"
done
# Older versions found are removed (attribute 1: their features carried over), a newer one only
# detected, for the launch condition that refuses it.
upgrades=$(table "$msi" Upgrade)
echo "$upgrades"
expected_upgrades=$(printf '%s\t\t%s\t\t1\t\tWIX_UPGRADE_DETECTED\n%s\t%s\t\t\t2\t\tWIX_DOWNGRADE_DETECTED' \
  "$upgrade_code" "$version" "$upgrade_code" "$version")
[[ $upgrades == "$expected_upgrades" ]] || fail "the Upgrade table is not the major upgrade's"
table "$msi" LaunchCondition | grep -qF 'NOT WIX_DOWNGRADE_DETECTED	A newer version of Zorvenka is already installed.' ||
  fail "no launch condition refuses a newer version"
# Every file of the program folder, and nothing else.
msiextract -C "$work/extracted" "$msi" >/dev/null
diff -r "$stage" "$work/extracted/Zorvenka" || fail "the package's files are not the program folder's"

start_display
source "$root/tests/windows/wine-environment.sh"
make_wine_prefix "$work/wine"
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Zorvenka
cp "$msi" "$newer" "$drive_c/"
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Wine writes its registry files and caches as it goes, and keeps a copy of each package it
# installs under windows\Installer; every other file counts.
prefix_files() {
  (cd "$WINEPREFIX" && find . -type f ! -name '*.reg' ! -path './drive_c/users/*/Temp/*' \
    ! -path './drive_c/windows/Installer/*' ! -name '*.msi' | sort)
}
before_install=$(prefix_files)
msiexec() { # arguments...: the exit status of msiexec, which `wine` hands back (its low byte)
  local status=0
  wine msiexec "$@" || status=$?
  wineserver --wait
  return "$status"
}
entries() { # the keys of the entries among the installed programs named Zorvenka
  wine reg query "$uninstall_keys" /s | tr -d '\r' |
    awk '/^HKEY_/ { key = $0 } $0 == "    DisplayName    REG_SZ    Zorvenka" { print key }'
}

echo "-- msiexec /i /qn"
msiexec /i "C:\\$(basename "$msi")" /qn || fail "msiexec /i failed with status $?"
[[ -f $installed/zorvenka.exe && -f $installed/zorvenka-check.exe && -f $installed/obr/0/0.jpg ]] ||
  fail "the program was not installed under Program Files"
entry=$(wine reg query "$uninstall_keys\\$product_code" | tr -d '\r')
for field in "DisplayName    REG_SZ    Zorvenka" "DisplayVersion    REG_SZ    $version" \
  "Publisher    REG_SZ    The Zorvenka developers" 'InstallLocation    REG_SZ    C:\Program Files\Zorvenka\' \
  "UninstallString    REG_EXPAND_SZ    MsiExec.exe /X$product_code" "NoModify    REG_DWORD    0x1" \
  "NoRepair    REG_DWORD    0x1"; do
  grep -qxF "    $field" <<<"$entry" || fail "the installed programs' entry lacks: $field"
done
# The icon of an installed package's entry is the one it publishes with the product.
wine reg query 'HKLM\Software\Classes\Installer\Products' /s | tr -d '\r' |
  grep -qxF "    ProductIcon    REG_SZ    C:\\windows\\Installer\\$product_code\\zorvenka.ico" ||
  fail "no icon published for the entry"
[[ $(entries | wc -l) == 1 ]] || fail "not one entry among the installed programs: $(entries)"
# Wine 8 makes the Start menu's folder the user's even for a package for every user (Windows
# makes it the one all users share); the entry starts in the installation folder either way.
shortcut=$(find "$drive_c" -path '*/Start Menu/Programs/Zorvenka.lnk' | head -n 1)
[[ -n $shortcut ]] || fail "no Start-menu entry"
strings -el "$shortcut" | grep -qxF 'C:\Program Files\Zorvenka\' ||
  strings -el "$shortcut" | grep -qxF 'C:\Program Files\Zorvenka' ||
  fail "the Start-menu entry does not start in the installation folder"

echo "-- started in that folder, a round played"
(cd "$installed" && exec wine zorvenka.exe) &
pid=$!
no_step() { :; }
play_tour_round no_step
result=$(wait_for_window "Start page")
press "$result" Tab Return # Konec
expect_exit_zero "$pid"

echo "-- upgraded in place by version $newer_version"
mkdir -p "$installed/obr/moje"
echo "a teacher's own" >"$installed/obr/moje/louka.jpg"
msiexec /i "C:\\$(basename "$newer")" /qn || fail "the upgrade failed with status $?"
[[ $(entries) == "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$newer_product_code" ]] ||
  fail "after the upgrade the installed programs list: $(entries)"
wine reg query "$uninstall_keys\\$newer_product_code" /v DisplayVersion | tr -d '\r' | grep -qF "$newer_version" ||
  fail "the entry does not show version $newer_version"
[[ -f $installed/zorvenka.exe && -f $installed/obr/0/0.jpg ]] || fail "the upgrade left the program folder incomplete"

echo "-- the older package over the newer: refused"
status=0
msiexec /i "C:\\$(basename "$msi")" /qn || status=$?
# 1603, a fatal error, as its low byte: the status of a Unix process.
[[ $status == $((1603 % 256)) ]] || fail "installing the older version over the newer ended with status $status, not 1603"
[[ $(entries) == *"$newer_product_code" && $(entries | wc -l) == 1 ]] || fail "the refused install changed the entries: $(entries)"

echo "-- msiexec /x {ProductCode} /qn"
msiexec /x "$newer_product_code" /qn || fail "msiexec /x failed with status $?"
[[ -z $(entries) ]] || fail "the entry is still there after removal"
[[ $(find "$installed" -type f) == "$installed/obr/moje/louka.jpg" ]] ||
  fail "removal left files of ours, or took the teacher's: $(find "$installed" -type f)"
rm -r "$installed"
left=$(comm -13 <(echo "$before_install") <(prefix_files))
[[ -z $left ]] || fail "files left behind: $left"
echo "Windows Installer package under Wine: passed"
