#!/usr/bin/env bash
# The layers of the sources, checked from their includes: no file includes a folder above its
# own, or beside it in the lab. The engine's silent games may inline the solver's scoring rule
# (solver/score.hpp); nothing else crosses between the two libraries, and neither knows the lab.
# Usage: layers.sh SRC_DIR
set -u
src=$1
engine="game scoring engine knowledge trace"

# The folders (and single headers) that files of each folder may include, besides their own,
# left in REPLY.
allowed_for() {
  case $1 in
    game|scoring|engine|knowledge|trace) REPLY="$engine solver/score.hpp" ;;
    solver) REPLY="" ;;
    lab/text) REPLY="$engine solver" ;;
    lab/cli|lab/report) REPLY="$engine solver lab/text" ;;
    lab/batch) REPLY="$engine solver lab/text lab/report" ;;
    lab/sessions|lab/show) REPLY="$engine solver lab/text" ;;
    lab/commands) REPLY="$engine solver lab/text lab/cli lab/report lab/batch lab/sessions lab/show" ;;
    lab) REPLY="lab/commands lab/cli lab/text" ;;  # the lab's main
    .) REPLY="game" ;;                             # the game's main
    *) REPLY="" ;;
  esac
}

# The folder of a path as dirname gives it, without a process per include.
folder_of() {
  if [[ $1 == */* ]]; then REPLY=${1%/*}; else REPLY=.; fi
}

# One pass over every source: lines of "file:included", read without a process per file.
failures=0
while IFS=: read -r file included; do
  relative=${file#"$src"/}
  folder_of "$relative"
  folder=$REPLY
  folder_of "$included"
  [[ $REPLY == "$folder" ]] && continue
  allowed_for "$folder"
  ok=false
  for permitted in $REPLY; do
    if [[ $included == "$permitted" || $included == "$permitted"/* ]]; then ok=true; break; fi
  done
  if ! $ok; then
    echo "FAIL: $relative includes $included, which $folder may not" >&2
    failures=$((failures + 1))
  fi
done < <(find "$src" \( -name '*.cpp' -o -name '*.hpp' \) -print0 | sort -z |
  xargs -0 sed -n 's/^#include "\([^"]*\)".*/\1/; T; F; p' | paste -d: - -)
[[ $failures -eq 0 ]] || { echo "FAIL: $failures includes point up or across a layer" >&2; exit 1; }
echo "PASS: every include points down a layer"
