#!/usr/bin/env bash
# Reads the #include "…" lines of the program's sources and fails when a
# lower layer includes a higher one. Layers, lowest first:
#   0  src/core/data (data library), src/calc/Infix (the evaluator)
#   1  src/widgets (reusable components that know no subsystem)
#   2  src/core/app (start-up, context, commands, shared dialogs)
#   3  the subsystems: src/shell (the main window), src/records,
#      src/calc/dialog, src/graphs, …
#   4  app/ (the composition root)
# A subsystem includes no other subsystem, the deciding code of a subsystem
# (its logic folders) includes none of its windows, and no two folders
# include each other, however indirectly.
# Usage: scripts/check_layers.sh [project root [logic folders file]]
# The logic folders (the deciding code, which may include only the data
# library, the evaluator and each other) are the ones the build declares
# with rozvahon_logic_library(); the configure step writes them, one a line,
# to build/logic-folders.txt.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
list="${2:-$root/build/logic-folders.txt}"
if [ ! -r "$list" ]; then
  echo "check_layers.sh: no list of logic folders at $list; run the CMake configure step first." >&2
  exit 2
fi
list="$(cd "$(dirname "$list")" && pwd)/$(basename "$list")"
cd "$root"
logic_folders=()
while IFS= read -r folder; do
  [ -n "$folder" ] && logic_folders+=("$folder")
done <"$list"

layer_of() {
  case "$1" in
    src/core/data/*|src/calc/Infix.*) echo 0 ;;
    src/widgets/*) echo 1 ;;
    src/core/app/*|src/core/*) echo 2 ;;
    src/*) echo 3 ;;
    app/*) echo 4 ;;
    *) echo -1 ;;
  esac
}

# The subsystem a layer-3 file belongs to: the folder below src/.
subsystem_of() {
  local rest="${1#src/}"
  echo "${rest%%/*}"
}

is_logic() {
  local folder
  for folder in ${logic_folders[@]+"${logic_folders[@]}"}; do
    [[ "$1" == "$folder"/* ]] && return 0
  done
  return 1
}

failures=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r -d '' file; do
  file="${file#./}"
  from=$(layer_of "$file")
  [ "$from" -ge 0 ] || continue
  while IFS= read -r line; do
    target="${line#*\"}"
    target="${target%%\"*}"
    # Includes are written from src/; a file beside the includer is fine.
    if [ -e "src/$target" ]; then
      path="src/$target"
    else
      continue
    fi
    [ "$(dirname "$file")" = "$(dirname "$path")" ] || echo "$(dirname "$file") $(dirname "$path")" >>"$edges"
    to=$(layer_of "$path")
    why=""
    if [ "$to" -gt "$from" ]; then
      why="a lower layer ($from) includes a higher one ($to)"
    elif [ "$from" -eq 3 ] && [ "$to" -eq 3 ] && [ "$(subsystem_of "$file")" != "$(subsystem_of "$path")" ]; then
      why="one subsystem includes another"
    elif is_logic "$file" && [ "$to" -ge 1 ] && ! is_logic "$path"; then
      why="deciding code includes a window or widget"
    fi
    if [ -n "$why" ]; then
      echo "$file: #include \"$target\": $why"
      failures=$((failures + 1))
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' "$file" || true)
done < <(find $(ls -d src app 2>/dev/null) -type f \( -name '*.cpp' -o -name '*.h' \) -print0)

# Folders that include each other: tsort reports the loop.
if loops=$(sort -u "$edges" | tsort 2>&1 >/dev/null) && [ -z "$loops" ]; then
  :
else
  echo "folders include each other:"
  echo "$loops" | grep -v 'input contains a loop' | sed 's/^tsort: /  /'
  failures=$((failures + 1))
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) break the layers." >&2
  exit 1
fi
echo "layers: every include keeps to its layer"
