#!/usr/bin/env bash
# The pages `show --html` and `tree --html` write, checked as a person meets them: valid HTML5
# by the validator (any warning fails), then loaded in headless Chromium, whose rendered
# document must hold what the page is for (one row per guess and the game's result; every code
# found once), and print to PDF.
# Usage: page_checks.sh LAB_BINARY
set -euo pipefail
lab=$1

for tool in tidy chromium; do
  if ! command -v "$tool" >/dev/null; then
    # On CI the project's install step provides both; a missing one there is a failure.
    if [ "${CI:-}" = true ]; then echo "$tool not installed (tools/install-deps)" >&2; exit 1; fi
    echo "$tool not installed: skipped"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

browse() {
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" "$@" 2>/dev/null
}

# A game won at once, a typical one, a long one, and the game of a second.
games=("--code 1122 --seed 3" "--code 7876 --seed 7" "--code 7876 --seed 31" "0")
for game in "${games[@]}"; do
  page="$work/page.html"
  # shellcheck disable=SC2086
  view=$("$lab" show $game --html "$page")
  guesses=$(sed -n 's/^found in \([0-9]*\) guess.*/\1/p' <<<"$view")
  [ -n "$guesses" ] || { echo "show $game: no result line" >&2; exit 1; }

  if ! report=$(tidy -q -e "$page" 2>&1) || [ -n "$report" ]; then
    echo "show $game: the validator objects:" >&2
    echo "$report" >&2
    exit 1
  fi

  rm -rf "$work/profile"
  dom=$(browse --dump-dom "file://$page")
  rows=$(grep -o '<tr class="attempt">' <<<"$dom" | wc -l)
  if [ "$rows" != "$guesses" ]; then
    echo "show $game: the browser shows $rows attempt rows for $guesses guesses" >&2
    exit 1
  fi
  grep -qF "found in $guesses guess" <<<"$dom" ||
    { echo "show $game: the browser does not show the result" >&2; exit 1; }

  rm -rf "$work/profile" "$work/page.pdf"
  browse --print-to-pdf="$work/page.pdf" "file://$page" >/dev/null
  [ -s "$work/page.pdf" ] || { echo "show $game: the page did not print" >&2; exit 1; }
  echo "show $game: valid, $rows rows in the browser, prints"
done

# The pages of `tree --html`: valid, every code of the board found once in the browser's
# document, and printable.
trees=("optimal --board 3x3" "entropy --board 4x5 --no-repeats")
codes=(27 120)
for i in "${!trees[@]}"; do
  tree=${trees[$i]}
  page="$work/tree.html"
  # shellcheck disable=SC2086
  "$lab" tree $tree --html "$page" >/dev/null

  if ! report=$(tidy -q -e "$page" 2>&1) || [ -n "$report" ]; then
    echo "tree $tree: the validator objects:" >&2
    echo "$report" >&2
    exit 1
  fi

  rm -rf "$work/profile"
  dom=$(browse --dump-dom "file://$page")
  found=$(grep -o 'class="found"' <<<"$dom" | wc -l)
  if [ "$found" != "${codes[$i]}" ]; then
    echo "tree $tree: the browser shows $found codes found of ${codes[$i]}" >&2
    exit 1
  fi

  rm -rf "$work/profile" "$work/tree.pdf"
  browse --print-to-pdf="$work/tree.pdf" "file://$page" >/dev/null
  [ -s "$work/tree.pdf" ] || { echo "tree $tree: the page did not print" >&2; exit 1; }
  echo "tree $tree: valid, $found codes found in the browser, prints"
done
