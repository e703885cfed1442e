#!/usr/bin/env bash
# Pins the lab's reports, traces, pages, sessions and messages byte for byte: each run of
# golden/runs.txt is played with the lab binary and compared with its recorded output
# (standard output, then standard error, then the exit status). Only timing figures may
# differ. With --record, writes the recorded outputs instead (review the diff before
# committing them).
# Usage: golden_runs.sh LAB_BINARY [--record]
set -u
lab=$(realpath "$1") mode=${2:-check}
here=$(cd "$(dirname "$0")" && pwd)
golden="$here/golden"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Timing figures, in the text and JSON reports and in the HTML pages' nothing.
normalise() {
  sed -E -e 's/^speed .*/speed (timing)/' \
    -e 's/"elapsedSeconds":[0-9.e+-]+,"gamesPerSecond":([0-9]+|null)/"elapsedSeconds":0,"gamesPerSecond":0/'
}

runs=0 failures=0
while IFS=$'\t' read -r name command; do
  [[ -z $name || $name == \#* ]] && continue
  runs=$((runs + 1))
  (cd "$work" && LAB="$lab" NO_COLOR= TERM=dumb bash -c "$command" >"$work/out" 2>"$work/err" </dev/null)
  status=$?
  { normalise <"$work/out"; echo "--- standard error"; cat "$work/err"; echo "--- exit status $status"; } \
    >"$work/$name.actual"
  if [[ $mode == --record ]]; then
    cp "$work/$name.actual" "$golden/$name.out"
  elif ! cmp -s "$golden/$name.out" "$work/$name.actual"; then
    echo "FAIL: $name: $command" >&2
    diff -u "$golden/$name.out" "$work/$name.actual" | head -40 >&2
    failures=$((failures + 1))
  fi
done <"$golden/runs.txt"
[[ $runs -gt 0 ]] || { echo "FAIL: no runs in $golden/runs.txt" >&2; exit 1; }
[[ $failures -eq 0 ]] || { echo "FAIL: $failures of $runs runs differ from their recorded output" >&2; exit 1; }
echo "PASS: $runs runs as recorded"
