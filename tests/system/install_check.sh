#!/usr/bin/env bash
# Installs the build into PREFIX as the README's install step does, checks that the manual
# pages and the bash completion came with it, and runs both installed programs: the game must
# play a whole game, the lab must report the project's version and replay a second exactly as
# the game binary of the build prints it.
# Usage: install_check.sh CMAKE BUILD_DIR PREFIX VERSION BUILT_LAB
set -u
cmake=$1 build=$2 prefix=$3 version=$4 built_lab=$5

fail() {
  echo "FAIL (install): $*" >&2
  exit 1
}

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for program in codebreaker codebreaker-lab; do
  [[ -x $prefix/bin/$program ]] || fail "$program is not installed in $prefix/bin"
done
for page in man6/codebreaker.6 man1/codebreaker-lab.1; do
  cmp -s <(gzip -dc "$prefix/share/man/$page.gz") "$(dirname "$0")/../../man/${page#*/}" ||
    fail "the manual page $page is not installed in $prefix/share/man"
done
cmp -s "$prefix/share/bash-completion/completions/codebreaker-lab" \
       "$(dirname "$0")/../../completions/codebreaker-lab" ||
  fail "the bash completion is not installed in $prefix/share/bash-completion/completions"

out=$(timeout 20 "$prefix/bin/codebreaker") || fail "the installed codebreaker failed"
[[ $out == 0000$'\n'Tentative\ 1* && $out =~ Bravo,\ vous\ avez\ gagne\ en\ [0-9]+\ coups$ ]] ||
  fail "the installed codebreaker did not play a game"

got=$("$prefix/bin/codebreaker-lab" --version) || fail "codebreaker-lab --version failed"
[[ $got == "codebreaker-lab $version" ]] || fail "--version printed '$got'"
cmp -s <("$prefix/bin/codebreaker-lab" replay 1765243045) \
       <("$built_lab" replay 1765243045) ||
  fail "the installed codebreaker-lab replays another game than the build's"
echo "PASS (install)"
