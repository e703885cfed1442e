#!/usr/bin/env bash
# A person's view of `solve`: the answers are typed into a terminal under tmux, one at a time
# once the prompt shows, and the screen is read back as they see it.
# Usage: tmux_session.sh LAB_BINARY
set -euo pipefail
lab=$1
command -v tmux >/dev/null || { echo "tmux not installed: skipped"; exit 77; }

work=$(mktemp -d)
socket="$work/socket"
trap 'tmux -S "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
t() { tmux -S "$socket" "$@"; }

# The shell shows the exit status on the screen, and stays, so that the screen can be read.
t new-session -d -s lab -x 100 -y 60 "'$lab' solve --seed 1; echo \"exit status \$?\"; sleep 600"

screen() { t capture-pane -p -t lab -S -100; }
# Waits until the screen shows $1 (a fixed string), for at most 20 s.
await() {
  for _ in $(seq 200); do
    if screen | grep -qF -- "$1"; then return 0; fi
    sleep 0.1
  done
  echo "the screen never showed: $1" >&2
  screen >&2
  exit 1
}
type_line() { t send-keys -t lab -l -- "$1"; t send-keys -t lab Enter; }

# Seed 1 against the code 7876: the truthful answers, with one bad answer typed on the way.
answers=("0 0" "0 0" "1 0" "0 2" "1 2" "1 2" "2 0" "2 1" "1 2" "0 3" "2 0" "4 0")
await "guess 1: 1 1 2 2"
for i in "${!answers[@]}"; do
  await "guess $((i + 1)): "
  if [ "$i" = 4 ]; then
    type_line "3 1"
    await "3 exact and 1 colour-only cannot be"
  fi
  type_line "${answers[$i]}"
done
await "solved in 12 guesses"
await "exit status "
shown=$(screen)
grep -qxF "exit status 0" <<<"$shown" || { echo "solve did not exit with status 0" >&2; exit 1; }
# Each answer shows once, after its prompt, as the terminal echoed it: the program adds no echo
# of its own on a terminal.
grep -qxF "score (exact colour-only)? 0 2" <<<"$shown" || { echo "no echoed answer" >&2; exit 1; }
if grep -qxF "0 2" <<<"$shown"; then echo "an answer was echoed twice" >&2; exit 1; fi
grep -qxF "guess 12: 7 8 7 6" <<<"$shown" || { echo "no twelfth guess" >&2; exit 1; }
echo "tmux session: solved in 12 guesses, screen as expected"
