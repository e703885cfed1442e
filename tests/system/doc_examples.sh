#!/usr/bin/env bash
# Runs every example of the README and of the documentation pages, so that they cannot drift
# from the programs. In each ```console block, a line "$ COMMAND" runs in bash with BIN_DIR first
# on PATH, standard input empty, in a scratch directory; it must print exactly the lines that
# follow it up to the next "$ " line or the end of the block, standard error included, as a
# terminal shows them. Only the measured speed of a report may differ: a line "speed ..." just
# has to be there. A command whose example shows no error message must exit with status 0.
# A failure names the file and line of its example.
# Then every relative link of the pages, [text](path) or [text](path#anchor), must point to a
# file that exists, and an anchor to a heading of that file.
# Usage: doc_examples.sh BIN_DIR PAGE.md...
set -u
bin=$1
shift
[[ $# -gt 0 ]] || { echo "usage: doc_examples.sh BIN_DIR PAGE.md..." >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One numbered set of files per example: NNN.command, NNN.expected and NNN.where (FILE:LINE).
awk -v dir="$work" '
  FNR == 1 { inside = 0; file = "" }
  /^```console$/ { inside = 1; next }
  /^```/ && inside { inside = 0; file = ""; next }
  inside && /^\$ / { n++; file = sprintf("%s/%03d", dir, n); print substr($0, 3) > (file ".command");
                     print FILENAME ":" FNR > (file ".where"); printf "" > (file ".expected");
                     close(file ".command"); close(file ".where"); close(file ".expected"); next }
  inside && file != "" { print >> (file ".expected"); close(file ".expected") }
' "$@"

examples=0 failures=0
mkdir -p "$work/scratch"
# Timing figures vary; a last line without its newline is shown with one, as before a prompt.
normalise() { awk '{ sub(/^speed .*/, "speed (timing)"); print }'; }
for command_file in "$work"/*.command; do
  [[ -e $command_file ]] || break
  examples=$((examples + 1))
  example=${command_file%.command}
  command=$(cat "$command_file")
  where=$(cat "$example.where")
  (cd "$work/scratch" && PATH="$bin:$PATH" timeout 60 bash -o pipefail -c "$command" \
     </dev/null >"$example.actual" 2>&1)
  status=$?
  if ! diff -u <(normalise <"$example.expected") <(normalise <"$example.actual") >"$example.diff"; then
    echo "FAIL: $where: \$ $command" >&2
    cat "$example.diff" >&2
    failures=$((failures + 1))
  elif [[ $status -ne 0 ]] && ! grep -q '^codebreaker-lab: ' "$example.expected"; then
    echo "FAIL: $where: \$ $command exited with status $status" >&2
    failures=$((failures + 1))
  fi
done

# The anchor GitHub gives a heading: lower case, punctuation dropped, spaces to hyphens.
anchors() {
  awk '/^```/ { inside = !inside; next }
       !inside && /^#+ / { sub(/^#+ /, ""); $0 = tolower($0); gsub(/[^a-z0-9 _-]/, "");
                          gsub(/ /, "-"); print }' "$1"
}
links=0
for page in "$@"; do
  # Relative links outside code: the target of every "](...)" not starting with a scheme.
  while IFS=: read -r line target; do
    links=$((links + 1))
    path=${target%%#*} anchor=
    [[ $target == *#* ]] && anchor=${target#*#}
    if [[ -z $path ]]; then
      file=$page
    else
      file=$(dirname "$page")/$path
    fi
    if [[ ! -e $file ]]; then
      echo "FAIL: $page:$line: the link ($target) points to no file" >&2
      failures=$((failures + 1))
    elif [[ -n $anchor && $file == *.md ]] && ! anchors "$file" | grep -qxF -- "$anchor"; then
      echo "FAIL: $page:$line: the link ($target) points to no heading of $file" >&2
      failures=$((failures + 1))
    fi
  done < <(awk '/^```/ { inside = !inside; next }
                !inside { line = $0; gsub(/`[^`]*`/, "", line)
                          while (match(line, /\]\([^)]*\)/)) {
                            target = substr(line, RSTART + 2, RLENGTH - 3)
                            if (target !~ /^[a-z]+:/) print FNR ":" target
                            line = substr(line, RSTART + RLENGTH) } }' "$page")
done

[[ $examples -gt 0 ]] || { echo "FAIL: no examples found in $*" >&2; exit 1; }
[[ $failures -eq 0 ]] ||
  { echo "FAIL: $failures failures among $examples examples and $links links" >&2; exit 1; }
echo "PASS: $examples examples and $links links in $# pages"
