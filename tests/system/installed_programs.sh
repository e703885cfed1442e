#!/usr/bin/env bash
# Runs both programs as installed (by cmake --install or by the Debian package): the game must
# play a whole game, the lab must report the project's version and replay a second exactly as
# the lab of the build replays it.
# Usage: installed_programs.sh GAME LAB BUILT_LAB VERSION
set -u
game=$1 lab=$2 built_lab=$3 version=$4

fail() {
  echo "FAIL (installed programs): $*" >&2
  exit 1
}

out=$(timeout 20 "$game") || fail "the installed $game failed"
[[ $out == 0000$'\n'Tentative\ 1* && $out =~ Bravo,\ vous\ avez\ gagne\ en\ [0-9]+\ coups$ ]] ||
  fail "the installed $game did not play a whole game"

got=$("$lab" --version) || fail "$lab --version failed"
[[ $got == "codebreaker-lab $version" ]] || fail "$lab --version printed '$got'"
cmp -s <("$lab" replay 1765243045) <("$built_lab" replay 1765243045) ||
  fail "the installed $lab replays another game than the build's"
echo "PASS (installed programs): $game plays, $lab is version $version and replays as built"
