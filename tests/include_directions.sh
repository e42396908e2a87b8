#!/usr/bin/env bash
# Reads the #include lines of the program's code and fails on each one that goes against the
# layers (platform → pictures, quiz → ui → check; the artwork beside them). A folder includes
# its own files by bare name and the layers below it as "folder/File.h"; never a path with "..",
# never the tests', benchmarks' or fuzzers' helpers, and quiz/ never the toolkit.
# Usage: tests/include_directions.sh [repository root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A below=(
  [platform]=""
  [pictures]="platform"
  [quiz]="platform"
  [assets]=""
  [ui]="quiz pictures assets platform"
  [check]="ui quiz pictures platform"
  [tools]=""
)
ours="platform pictures quiz assets ui check tools tests bench fuzz"

wrong=0
report() { # place why
  echo "$1: $2"
  wrong=1
}

# Prints the problem with one included name, if any.
problem() { # folder name
  local folder=$1 name=$2 top=${2%%/*}
  if [[ $name == *..* ]]; then
    echo "a path with .. hides which layer it reaches"
  elif [[ $name != */* ]]; then
    [[ -e $folder/$name ]] || echo "$folder/ has no $name"
  elif [[ " $ours " == *" $top "* && $top != "$folder" && " ${below[$folder]} " != *" $top "* ]]; then
    local allowed=${below[$folder]:-nothing of ours}
    echo "$folder/ may include from ${allowed// /, } only, not from $top/"
  fi
}

for folder in "${!below[@]}"; do
  while IFS=: read -r file number line; do
    place=$file:$number
    [[ $line =~ \#[[:space:]]*include[[:space:]]*([<\"])([^>\"]+) ]] || continue
    quote=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
    if [[ $quote == '"' || $name == */* ]]; then
      why=$(problem "$folder" "$name")
      [[ -z $why ]] || report "$place" "$why"
    fi
    if [[ $folder == quiz && $quote == '<' && $name == Q* ]]; then
      report "$place" "quiz/ knows no Qt ($name)"
    fi
  done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include' "$folder"/*.h "$folder"/*.cpp 2>/dev/null || true)
done

[[ $wrong -eq 0 ]] && echo "every #include follows the layers"
exit "$wrong"
