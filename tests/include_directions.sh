#!/usr/bin/env bash
# Reads the #include lines of the program's code, in every folder and subfolder, and fails on
# each one that goes against the layers (platform → pictures, quiz → ui → check; the artwork
# beside them; inside ui/, the framework and the widgets below what screen readers are told of
# them, and all three below the two windows). A folder includes its own files by bare name or
# as "folder/File.h", the folders below it as "folder/File.h"; never a path with "..", never
# the tests', benchmarks' or fuzzers' helpers.
# quiz/ and platform/ never include the toolkit. A folder without a rule here is an error, so
# a new one is placed in the layers when it is made.
# Usage: tests/include_directions.sh [repository root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A below=(
  [platform]=""
  [platform/posix]="platform"
  [platform/windows]="platform"
  [pictures]="platform"
  [quiz]="platform"
  [assets]=""
  [ui/framework]="platform"
  [ui/widgets]=""
  [ui/accessibility]="ui/framework ui/widgets pictures"
  [ui]="ui/accessibility ui/framework ui/widgets quiz pictures assets platform"
  [check]="ui ui/framework quiz pictures platform"
  [tools]=""
)
program="platform pictures quiz assets ui check tools"
ours="$program tests bench fuzz"
withoutQt="platform platform/posix platform/windows quiz"

wrong=0
report() { # place why
  echo "$1: $2"
  wrong=1
}

# Prints the problem with one included name, if any.
problem() { # folder name
  local folder=$1 name=$2 top=${2%%/*} from=${2%/*}
  if [[ $name == *..* ]]; then
    echo "a path with .. hides which layer it reaches"
  elif [[ $name != */* ]]; then
    [[ -e $folder/$name ]] || echo "$folder/ has no $name"
  elif [[ " $ours " == *" $top "* && $from != "$folder" && " ${below[$folder]} " != *" $from "* ]]; then
    local allowed=${below[$folder]// /, }
    echo "$folder/ may include from ${allowed:-none of our folders} only, not from $from/"
  fi
}

# Every folder of the program's code that holds a header or a source file.
folders() {
  find $program -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%h\n' | sort -u
}

while read -r folder; do
  if [[ ! -v below[$folder] ]]; then
    report "$folder/" "no rule says which layers it may include"
    continue
  fi
  while IFS=: read -r file number line; do
    place=$file:$number
    [[ $line =~ \#[[:space:]]*include[[:space:]]*([<\"])([^>\"]+) ]] || continue
    quote=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
    if [[ $quote == '"' || $name == */* ]]; then
      why=$(problem "$folder" "$name")
      [[ -z $why ]] || report "$place" "$why"
    fi
    if [[ " $withoutQt " == *" $folder "* && $quote == '<' && $name == Q* ]]; then
      report "$place" "$folder/ knows no Qt ($name)"
    fi
  done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include' "$folder"/*.h "$folder"/*.cpp 2>/dev/null || true)
done < <(folders)

[[ $wrong -eq 0 ]] && echo "every #include follows the layers"
exit "$wrong"
