#!/usr/bin/env bash
# Lints both manual pages, and holds the lab's page to the lab's own --help: every command
# has an entry, each command's SYNOPSIS line lists every option and positional word that
# command's --help lists, every option and strategy has an entry of its own, and the pages
# carry the project's version. An option added to the lab without its manual entry fails
# here.
# Usage: manual_pages.sh MAN_DIR LAB VERSION
set -u
man_dir=$1 lab=$2 version=$3
# shellcheck source-path=SCRIPTDIR source=lab_help.sh
source "$(dirname "$0")/lab_help.sh"

failures=0
fail() {
  echo "FAIL (manual): $*" >&2
  failures=$((failures + 1))
}

linter=(mandoc -T lint)
command -v mandoc >/dev/null || linter=(groff -man -ww -z)
for page in "$man_dir/codebreaker.6" "$man_dir/codebreaker-lab.1"; do
  if ! out=$("${linter[@]}" "$page" 2>&1) || [[ -n $out ]]; then
    fail "${linter[*]} $page: $out"
  fi
  grep -q "^\.TH .* \"codebreaker $version\"" "$page" ||
    fail "$page does not name codebreaker $version in its .TH line"
done

# The page's source with \- read as -, as the words of --help are written.
page=$(sed 's/\\-/-/g' "$man_dir/codebreaker-lab.1")
# The line after each .TP: an entry's tag.
tags=$(awk 'tp { print; tp = 0 } /^\.TP/ { tp = 1 }' <<<"$page")
# The SYNOPSIS block of COMMAND (the .SY block whose first word is .B COMMAND), or of the
# lab alone when COMMAND is empty.
synopsis() {
  awk -v command="$1" '
    /^\.SY / { block = ""; first = ""; inside = 1; next }
    inside && first == "" { first = $0 }
    inside && /^\.YS/ { inside = 0
                        if ((command == "" && first !~ /^\.B /) || first == ".B " command) print block }
    inside { block = block $0 "\n" }
  ' <<<"$page"
}
# The long options a help text lists in its first column, --help aside.
options_of() { help_options | grep -vx -- --help; }
has_word() { grep -qE -- "(^|[^a-z-])$1([^a-z-]|\$)"; }

help=$("$lab" --help) || fail "$lab --help failed"
commands=$(help_commands <<<"$help")
[[ -n $commands ]] || fail "no commands found in $lab --help"

for option in --help $(options_of <<<"$help"); do
  synopsis "" | has_word "$option" || fail "the lab's SYNOPSIS line lacks $option"
  has_word "$option" <<<"$tags" || fail "$option has no entry"
done

for command in $commands; do
  grep -qx "\.B $command" <<<"$tags" || fail "command $command has no entry"
  block=$(synopsis "$command")
  [[ -n $block ]] || { fail "command $command has no SYNOPSIS line"; continue; }
  command_help=$("$lab" "$command" --help) || fail "$lab $command --help failed"
  for option in $(options_of <<<"$command_help"); do
    has_word "$option" <<<"$block" || fail "the SYNOPSIS line of $command lacks $option"
    has_word "$option" <<<"$tags" || fail "$option ($command) has no entry"
  done
  positionals=$(awk '/^Positionals:/ { inside = 1; next } !NF { inside = 0 } inside { print $1 }' \
                  <<<"$command_help")
  for positional in $positionals; do
    grep -qE "^\.(I|RI \[) $positional( \]|\$)" <<<"$block" ||
      fail "the SYNOPSIS line of $command lacks $positional"
  done
done

# Every strategy that solve --strategy takes, as its --help names them.
strategies=$("$lab" solve --help | help_names '--strategy NAME')
[[ -n $strategies ]] || fail "no strategies found in $lab solve --help"
for strategy in $strategies; do
  grep -qx "\.B $strategy" <<<"$tags" || fail "strategy $strategy has no entry"
done

[[ $failures -eq 0 ]] || { echo "FAIL (manual): $failures problems" >&2; exit 1; }
echo "PASS (manual): both pages lint clean; $(wc -w <<<"$commands") commands, their options" \
     "and strategies documented"
