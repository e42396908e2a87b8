#!/usr/bin/env bash
# The Windows program's folder as `cmake --install` lays it out (scripts/windows does, into
# <build>/zorvenka) must be complete: every DLL
# that its programs, DLLs and plugins import lies in the folder or is part of Windows (Wine's
# system folder holds a stand-in for each of those), and zorvenka-check.exe, started in the
# folder with nothing on Wine's DLL path, checks the photographs beside it.
# Usage: tests/windows/deployment.sh <Windows build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
folder=$build/zorvenka
[[ -f $folder/zorvenka.exe ]] ||
  { echo "no program folder in $folder: lay it out first (cmake --install $build --prefix $folder)"; exit 1; }
source "$(dirname "$0")/wine-environment.sh"
use_wine_prefix "$build/wine"
system=$WINEPREFIX/drive_c/windows/system32

present() { # folder dll
  [[ -n $(find "$1" -maxdepth 1 -iname "$2" -print -quit) ]]
}

# Windows maps its API sets (api-ms-win-*.dll, ext-ms-*.dll) onto its own DLLs; they are no files.
api_set() { [[ ${1,,} == api-ms-win-* || ${1,,} == ext-ms-* ]]; }

missing=0
while IFS= read -r binary; do
  while IFS= read -r dll; do
    api_set "$dll" || present "$(dirname "$binary")" "$dll" || present "$folder" "$dll" || present "$system" "$dll" \
      && continue
    echo "${binary#"$folder"/} imports $dll, which is neither in the folder nor part of Windows"
    missing=1
  done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
[[ $missing -eq 0 ]] || exit 1

cd "$folder"
unset WINEPATH QT_PLUGIN_PATH
# Through a file: Wine services this run may start inherit its output and hold a pipe open
# until the Wine server ends.
report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
wine zorvenka-check.exe >"$report" 2>&1 </dev/null || status=$?
output=$(tr -d '\r' <"$report")
[[ $status -eq 0 ]] || { echo "$output"; echo "zorvenka-check.exe failed"; exit 1; }
lines=$(grep -c '^obr\\[02]\\[0-9]*\.jpg' <<<"$output" || true)
[[ $lines -eq 22 ]] || { echo "$output"; echo "expected a line for each of the 22 photographs"; exit 1; }
echo "the folder is complete; zorvenka-check.exe checked its 22 photographs"
