#!/usr/bin/env bash
# Runs every example of the README, so that the README cannot drift from the programs. In each
# ```console block, a line "$ COMMAND" runs in bash with BIN_DIR first on PATH, standard input
# empty, in a scratch directory; it must print exactly the lines that follow it up to the next
# "$ " line or the end of the block, standard error included, as a terminal shows them. Only
# the measured speed of a report may differ: a line "speed ..." just has to be there. A
# command whose example shows no error message must exit with status 0.
# Usage: readme_examples.sh README BIN_DIR
set -u
readme=$1 bin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One numbered pair of files per example: NNN.command and NNN.expected.
awk -v dir="$work" '
  /^```console$/ { inside = 1; next }
  /^```/ && inside { inside = 0; next }
  inside && /^\$ / { n++; file = sprintf("%s/%03d", dir, n); print substr($0, 3) > (file ".command");
                     printf "" > (file ".expected"); next }
  inside && n { print >> (file ".expected") }
' "$readme"

examples=0 failures=0
mkdir -p "$work/scratch"
# Timing figures vary; a last line without its newline is shown with one, as before a prompt.
normalise() { awk '{ sub(/^speed .*/, "speed (timing)"); print }'; }
for command_file in "$work"/*.command; do
  [[ -e $command_file ]] || break
  examples=$((examples + 1))
  example=${command_file%.command}
  command=$(cat "$command_file")
  (cd "$work/scratch" && PATH="$bin:$PATH" timeout 60 bash -o pipefail -c "$command" \
     </dev/null >"$example.actual" 2>&1)
  status=$?
  if ! diff -u <(normalise <"$example.expected") <(normalise <"$example.actual") >"$example.diff"; then
    echo "FAIL: \$ $command" >&2
    cat "$example.diff" >&2
    failures=$((failures + 1))
  elif [[ $status -ne 0 ]] && ! grep -q '^codebreaker-lab: ' "$example.expected"; then
    echo "FAIL: \$ $command exited with status $status" >&2
    failures=$((failures + 1))
  fi
done
[[ $examples -gt 0 ]] || { echo "FAIL: no examples found in $readme" >&2; exit 1; }
[[ $failures -eq 0 ]] || { echo "FAIL: $failures of $examples README examples" >&2; exit 1; }
echo "PASS: $examples README examples"
