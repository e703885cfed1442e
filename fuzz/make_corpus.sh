#!/usr/bin/env bash
# Writes the seed corpus of game_fuzzer into fuzz/corpus/. Byte 0 is the mode (bit 0 traced,
# bit 1 four-byte draws, bits 2-5 sink size 32 << n), bytes 1-4 the hidden code, then draws.
set -euo pipefail
dir="$(cd "$(dirname "$0")" && pwd)/corpus"
mkdir -p "$dir"

seed() { printf '%b' "$2" >"$dir/$1"; }

seed silent-1111        '\x00\x00\x00\x00\x00'
seed silent-8888        '\x00\x07\x07\x07\x07'
seed silent-1234-zeros  '\x00\x00\x01\x02\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
seed silent-7788-ramp   '\x00\x06\x06\x07\x07\x00\x00\x01\x00\x02\x00\x03\x00\x04\x00\x05\x00\x06\x00\x07\x00'
seed silent-1357-probe  '\x00\x00\x02\x04\x06\x01\x00\x02\x00\x05\x00\x06\x00\x07\x00\x03\x00\x04\x00'
seed silent-2468-high   '\x00\x01\x03\x05\x07\xff\xff\xfe\xff\xfd\xff\xfc\xff\xfb\xff\xfa\xff'
seed wide-int-max       '\x02\x04\x03\x02\x01\xff\xff\xff\xff\xff\xff\xff\x7f\xfe\xff\xff\xff\x07\x00\x00\x80'
seed wide-6655          '\x02\x05\x05\x04\x04\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00'
seed traced-32k-1234    '\x29\x00\x01\x02\x03'
seed traced-32-byte     '\x01\x03\x03\x03\x03'
seed traced-1k-5566     '\x15\x04\x04\x05\x05\x00\x00\x01\x00\x02\x00'
seed traced-wide-1m     '\x3f\x07\x00\x07\x00\xff\xff\xff\x7f\x00\x00\x00\x00'
# A trace of exactly 4096 bytes into a 4096-byte sink.
seed traced-4k-exact-fill '\x1d  Bravo, vous avez gagne en \x00'

# The seed corpus of solve_fuzzer, in fuzz/solve_corpus/. Byte 0 is the mode (bit 0: text
# lines; bits 1-3: engine, worst, size, parts, random), bytes 1-4 the seed, bytes 5-8 the code truthful answers are for, then the lines.
dir="$(cd "$(dirname "$0")" && pwd)/solve_corpus"
mkdir -p "$dir"
# Seed 1, code 7876: truthful answers all the way to the code.
seed truthful-7876 '\x00\x01\x00\x00\x00\x06\x07\x06\x05\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20'
# Five pegs in three openings, then undo, then the truth.
seed contradiction-undo '\x00\x01\x00\x00\x00\x06\x07\x06\x05\x0a\x0a\x05\x40\x40\x40\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20\x20'
# Impossible answers, help and junk between truthful ones, and a guess session's guesses.
seed bad-answers '\x00\x00\x00\x00\x00\x00\x01\x02\x03\x10\x20\x50\x61\x20\x18\x23\x55\x20\x2d\x20\x41\x20\x20\x51'
seed text-lines '\x01\x01\x00\x00\x00\x00\x00\x00\x00 0 0\n0,0\n12\n1 0\nundo\nabc\n3 1\n-1 2\n4 0\n'
seed text-guess '\x01\xff\xff\xff\xff\x00\x00\x00\x00 8724\n1 1 2 2\nhelp\n99\nquit\n'
# The worst strategy: the truth, a contradiction and undo, the truth; random as text lines.
seed strategy-worst-undo '\x02\x01\x00\x00\x00\x06\x07\x06\x05\x20\x00\x00\x40\x40\x20\x20\x20\x20\x20\x20'
seed strategy-random-text '\x09\x07\x00\x00\x00\x00\x00\x00\x00 0 2\n1 1\nundo\n0 0\n0 0\n4 0\n'

# The seed corpus of tree_file_fuzzer, in fuzz/tree_corpus/: trees that tree --json writes,
# and crafted files that solve --tree must refuse in one line.
dir="$(cd "$(dirname "$0")" && pwd)/tree_corpus"
mkdir -p "$dir"
head='{"command":"tree","strategy":"worst","board":"2x2","repeats":true,"codes":4,"tree":'
node='{"guess":"11","children":[{"answer":{"exact":0,"colourOnly":0},"guess":"22","children":[{"answer":{"exact":2,"colourOnly":0},"solved":"22"}]},{"answer":{"exact":1,"colourOnly":0},"guess":"12","children":[{"answer":{"exact":0,"colourOnly":2},"guess":"21","children":[{"answer":{"exact":2,"colourOnly":0},"solved":"21"}]},{"answer":{"exact":2,"colourOnly":0},"solved":"12"}]},{"answer":{"exact":2,"colourOnly":0},"solved":"11"}]}'
tree() { printf '%s' "$2" >"$dir/$1"; }
tree worst-2x2 "$head$node}"
tree keys-sorted '{"board":"2x2","codes":4,"command":"tree","repeats":true,"strategy":"worst","tree":{"children":[{"answer":{"colourOnly":0,"exact":0},"children":[{"answer":{"colourOnly":0,"exact":2},"solved":"22"}],"guess":"22"},{"answer":{"colourOnly":0,"exact":1},"children":[{"answer":{"colourOnly":2,"exact":0},"children":[{"answer":{"colourOnly":0,"exact":2},"solved":"21"}],"guess":"21"},{"answer":{"colourOnly":0,"exact":2},"solved":"12"}],"guess":"12"},{"answer":{"colourOnly":0,"exact":2},"solved":"11"}],"guess":"11"}}'
tree optimal-2x3-no-repeats '{"command":"tree","strategy":"optimal","board":"2x3","repeats":false,"codes":6,"tree":{"guess":"12","children":[{"answer":{"exact":0,"colourOnly":1},"guess":"23","children":[{"answer":{"exact":0,"colourOnly":1},"guess":"31","children":[{"answer":{"exact":2,"colourOnly":0},"solved":"31"}]},{"answer":{"exact":2,"colourOnly":0},"solved":"23"}]},{"answer":{"exact":0,"colourOnly":2},"guess":"21","children":[{"answer":{"exact":2,"colourOnly":0},"solved":"21"}]},{"answer":{"exact":1,"colourOnly":0},"guess":"13","children":[{"answer":{"exact":0,"colourOnly":1},"guess":"32","children":[{"answer":{"exact":2,"colourOnly":0},"solved":"32"}]},{"answer":{"exact":2,"colourOnly":0},"solved":"13"}]},{"answer":{"exact":2,"colourOnly":0},"solved":"12"}]}}'
tree strategy-escape "${head/\"worst\"/\"\\u001b[31mred\\nfake line\"}$node}"
tree strategy-engine "${head/\"worst\"/\"engine\"}$node}"
tree strategy-missing "${head/\"strategy\":\"worst\",/}$node}"
tree count-wraps "$head${node/\"exact\":0,/\"exact\":4294967296,}}"
tree count-half "$head${node/\"exact\":0,/\"exact\":0.5,}}"
tree count-huge "$head${node/\"exact\":0,/\"exact\":1e300,}}"
tree count-23-digits "$head${node/\"exact\":0,/\"exact\":12345678901234567890123,}}"
tree guess-nul "$head${node/\"guess\":\"11\"/\"guess\":\"1\\u0000\"}}"
tree solved-elsewhere "$head${node/\"solved\":\"11\"/\"solved\":\"22\"}}"
tree key-twice "${head/\"board\":\"2x2\"/\"board\":\"2x2\",\"board\":\"2x2\"}$node}"
tree board-leading-zero "${head/\"2x2\"/\"2x02\"}$node}"
tree board-after-tree '{"command":"tree","strategy":"worst","tree":{},"board":"2x2","repeats":true}'
printf '%s}\0' "$head$node" >"$dir/trailing-nul"
printf '%s}{}' "$head$node" >"$dir/trailing-object"
