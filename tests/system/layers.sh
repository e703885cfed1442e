#!/usr/bin/env bash
# The layers of the sources, checked from their includes: no file includes a folder above its
# own, or beside it in the lab. The engine's silent games may inline the solver's scoring rule
# (solver/score.hpp); nothing else crosses between the two libraries, and neither knows the lab.
# Usage: layers.sh SRC_DIR
set -u
src=$1
engine="game scoring engine knowledge trace"

# The folders (and single headers) that files of each folder may include, besides their own.
allowed_for() {
  case $1 in
    game|scoring|engine|knowledge|trace) echo "$engine solver/score.hpp" ;;
    solver) echo "" ;;
    lab/text) echo "$engine solver" ;;
    lab/cli|lab/report) echo "$engine solver lab/text" ;;
    lab/batch) echo "$engine solver lab/text lab/report" ;;
    lab/sessions|lab/show) echo "$engine solver lab/text" ;;
    lab/commands) echo "$engine solver lab/text lab/cli lab/report lab/batch lab/sessions lab/show" ;;
    lab) echo "lab/commands lab/cli lab/text" ;;  # the lab's main
    .) echo "game" ;;                               # the game's main
    *) echo "" ;;
  esac
}

failures=0
while IFS= read -r file; do
  relative=${file#"$src"/}
  folder=$(dirname "$relative")
  allowed=$(allowed_for "$folder")
  while IFS= read -r included; do
    [[ $(dirname "$included") == "$folder" ]] && continue
    ok=false
    for permitted in $allowed; do
      if [[ $included == "$permitted" || $included == "$permitted"/* ]]; then ok=true; break; fi
    done
    if ! $ok; then
      echo "FAIL: $relative includes $included, which $folder may not" >&2
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.hpp' | sort)
[[ $failures -eq 0 ]] || { echo "FAIL: $failures includes point up or across a layer" >&2; exit 1; }
echo "PASS: every include points down a layer"
