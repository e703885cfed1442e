#!/usr/bin/env bash
# Installs the build into PREFIX as the README's install step does, checks that the manual
# pages and the bash completion came with it, and runs both installed programs
# (installed_programs.sh).
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

"$(dirname "$0")/installed_programs.sh" "$prefix/bin/codebreaker" "$prefix/bin/codebreaker-lab" \
  "$built_lab" "$version" >/dev/null || exit 1
echo "PASS (install)"
