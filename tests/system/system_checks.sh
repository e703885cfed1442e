#!/usr/bin/env bash
# Runs the codebreaker binary the way a user does and checks its exit status and output.
# Usage: system_checks.sh CHECK BINARY [VALGRIND]
# Exit status: 0 passed, 1 failed, 77 skipped (the machine lacks what the check needs).
set -u

check=$1
bin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL ($check): $*" >&2
  exit 1
}

# The caller's environment may already ignore SIGPIPE, which would hide a binary that forgot to
# ignore it itself; every run starts with the default action.
run() {
  timeout 20 env --default-signal=PIPE "$bin" "$@"
}

# Exactly one newline-terminated line on stderr, naming the cause.
expect_one_error_line() {
  local err=$1 cause=$2
  local lines
  lines=$(wc -l <"$err")
  [[ $lines -eq 1 && -z $(tail -c 1 "$err") ]] ||
    fail "expected one line on stderr, got $lines: $(cat "$err")"
  grep -q -- "$cause" "$err" || fail "stderr does not name '$cause': $(cat "$err")"
}

# A whole game: the start of the first attempt, and the win line as the very last bytes.
expect_game() {
  local out=$1
  [[ $(head -c 19 "$out") == $'0000\nTentative 1   ' ]] ||
    fail "the trace does not start a game: $(head -c 40 "$out" | od -c | head -3)"
  [[ -n $(tail -c 1 "$out") ]] || fail "the trace ends with a newline"
  local last win='  Bravo, vous avez gagne en [1-9][0-9]* coups$'
  last=$(tail -n 1 "$out")
  [[ $last =~ $win ]] || fail "the last line is not the win line: $last"
}

expect_status() {
  local got=$1 want=$2 what=$3
  case $got in
    "$want") ;;
    124) fail "$what: still running after 20 s" ;;
    141) fail "$what: killed by SIGPIPE" ;;
    *) fail "$what: exit status $got, expected $want" ;;
  esac
}

case $check in
  full_device)
    [[ -w /dev/full ]] || { echo "no writable /dev/full on this machine"; exit 77; }
    run >/dev/full 2>"$work/err"
    expect_status $? 1 "writing to /dev/full"
    expect_one_error_line "$work/err" "No space left on device"
    ;;

  closed_pipe)
    # A pipe whose only reader is closed before the program starts, so that its first write
    # fails whatever the scheduling: the FIFO is opened read-write (which does not block), then
    # for writing, and the read-write end is closed again.
    mkfifo "$work/fifo" || fail "mkfifo"
    exec 3<>"$work/fifo"
    exec 4>"$work/fifo"
    exec 3<&-
    run >&4 2>"$work/err"
    status=$?
    exec 4>&-
    expect_status $status 1 "writing to a pipe without reader"
    expect_one_error_line "$work/err" "Broken pipe"
    ;;

  head_pipe)
    # head leaves after 10 bytes. A trace that fits in the pipe's buffer may be written in full
    # before then, so both a clean exit and the reported write failure are right; a hang or a
    # death by signal is not.
    run 2>"$work/err" | head -c 10 >"$work/head"
    statuses=("${PIPESTATUS[@]}")
    [[ $(cat "$work/head") == $'0000\nTenta' ]] ||
      fail "head got: $(od -c "$work/head" | head -2)"
    [[ ${statuses[1]} -eq 0 ]] || fail "head exited with ${statuses[1]}"
    if [[ ${statuses[0]} -eq 1 ]]; then
      expect_one_error_line "$work/err" "Broken pipe"
    else
      expect_status "${statuses[0]}" 0 "writing into head"
      [[ ! -s $work/err ]] || fail "stderr after a clean exit: $(cat "$work/err")"
    fi
    ;;

  arguments_and_stdin)
    run a b --x </dev/null >"$work/out1" 2>"$work/err1"
    expect_status $? 0 "with arguments and stdin from /dev/null"
    expect_game "$work/out1"
    [[ ! -s $work/err1 ]] || fail "stderr: $(cat "$work/err1")"

    run a b --x <&- >"$work/out2" 2>"$work/err2"
    expect_status $? 0 "with arguments and stdin closed"
    expect_game "$work/out2"
    [[ ! -s $work/err2 ]] || fail "stderr: $(cat "$work/err2")"
    ;;

  memcheck)
    valgrind=${3:?memcheck needs the valgrind path}
    "$valgrind" -q --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
      "$bin" >/dev/null 2>"$work/err"
    status=$?
    [[ $status -eq 0 ]] || fail "valgrind exit status $status: $(cat "$work/err")"
    ;;

  *)
    fail "unknown check"
    ;;
esac
echo "PASS ($check)"
