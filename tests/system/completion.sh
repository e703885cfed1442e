#!/usr/bin/env bash
# Drives the bash completion of codebreaker-lab as bash does on a Tab: COMP_WORDS and
# COMP_CWORD set for a line typed so far, the completion function called, COMPREPLY read.
# Checks the answers to a few typed lines, then holds every list to the lab's own --help: the
# commands, each command's options, and the strategies, so that an option added without its
# completion fails here.
# Usage: completion.sh COMPLETION LAB
set -u
export LC_ALL=C
completion=$1 lab=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL (completion): $*" >&2
  failures=$((failures + 1))
}

# shellcheck source-path=SCRIPTDIR source=lab_help.sh
source "$(dirname "$0")/lab_help.sh"
# shellcheck source=/dev/null
source "$completion" || { echo "FAIL (completion): cannot source $completion" >&2; exit 1; }
[[ $(complete -p codebreaker-lab 2>&1) == "complete -F _codebreaker_lab codebreaker-lab" ]] ||
  fail "codebreaker-lab is not bound to _codebreaker_lab: $(complete -p codebreaker-lab 2>&1)"

# The answers, sorted, to a line typed up to its last word ("" when a space was typed last).
answers() {
  COMP_WORDS=(codebreaker-lab "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _codebreaker_lab
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//'
}
# expect "ANSWERS" WORD...: the line codebreaker-lab WORD... gets exactly ANSWERS.
expect() {
  local wanted=$1 got
  shift
  got=$(answers "$@")
  [[ $got == "$wanted" ]] || fail "codebreaker-lab $* <Tab>: got '$got', expected '$wanted'"
}
sorted() { tr ' ' '\n' | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//'; }

# Typed lines and their answers.
expect "show solve stats sweep" s
expect "--help --version" --
expect "--strategy" solve --st
expect "4x10 4x6 4x7 4x8" compare --board 4
expect "4x10 4x6 4x7 4x8 5x5 5x8 6x9" guess --board ""
expect "4x10 4x6 4x7 4x8 5x5 5x8" solve --board ""
expect "4x10 4x6 4x7 4x8 5x5" tree optimal --board ""
expect "4x10 4x6 4x7 4x8 5x5" solve --strategy optimal --board ""
expect "4x10 4x6 4x7 4x8 5x5 5x8" tree --no-repeats optimal --board ""
expect "4x10 4x6 4x7 4x8 5x5 5x8 6x9" compare --no-repeats --board ""
expect "always auto" show --color a
expect "" play 7876 --seed ""
expect "" replay ""
expect "entropy" tree e
expect "entropy optimal parts size worst" tree --board 4x6 ""
expect "--help --html" tree optimal --board 4x6 --h
expect "--code --color --help --html --seed" show 1765243045 ""
# File names after --html and --tree, in the folder the line is typed in.
mkdir "$work/gamma" && touch "$work/game.html" "$work/tree.json"
cd "$work" || exit 1
expect "game.html gamma" show --html ga
expect "tree.json" solve --tree t
cd - >/dev/null || exit 1

# The boards offered are the ones the lab takes: each probe stops at a bad value given after
# the board, or first at a board that has too many codes.
for probe in "compare --jobs 0" "tree optimal --time-limit x" "tree worst --no-repeats --time-limit x" \
  "solve --strategy optimal --no-repeats --time-limit x" "guess --seed x"; do
  read -r -a words <<<"$probe"
  offered=" $(answers "${words[@]}" --board "") "
  for board in 4x6 4x7 4x8 4x10 5x5 5x8 6x9; do
    said=$("$lab" "${words[@]}" --board "$board" 2>&1)
    taken=yes shown=yes
    [[ $said == *" codes; "* ]] && taken=no
    [[ $offered == *" $board "* ]] || shown=no
    [[ $taken == "$shown" ]] || fail "$probe --board $board: offered: $shown; the lab says: $said"
  done
done

# Every list against --help.
help=$("$lab" --help) || fail "$lab --help failed"
commands=$(help_commands <<<"$help")
expect "$(sorted <<<"$commands")" ""
expect "$(help_options <<<"$help" | sorted)" -
for command in $commands; do
  expect "$("$lab" "$command" --help | help_options | sorted)" "$command" -
done
expect "$("$lab" solve --help | help_names '--strategy NAME' | sorted)" solve --strategy ""
expect "$("$lab" tree --help | help_names STRATEGY | sorted)" tree ""

[[ $failures -eq 0 ]] || { echo "FAIL (completion): $failures problems" >&2; exit 1; }
echo "PASS (completion): typed lines answered; commands, options and strategies match --help"
