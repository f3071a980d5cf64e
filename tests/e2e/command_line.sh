#!/bin/bash
# The real program's own options end at once without a clock: --help and
# --version print on standard output and write no file; a wrong option
# gives the usage on standard error and status 2.
set -u
bin=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*"; exit 1; }

# run <expected status> <options…>: standard output in $out, standard error in $err.
run() {
  local expected=$1; shift
  timeout 10 "$bin" "$@" > "$scratch/out" 2> "$scratch/err"
  local status=$?
  out=$(cat "$scratch/out"); err=$(cat "$scratch/err")
  [ $status -eq "$expected" ] || fail "chimewise $* ended with $status, not $expected: $err"
}

run 0 --help
grep -q -- '--export-events <FILE.ics>' <<< "$out" || fail "--help did not print the usage: $out"
run 0 --version
[ "$out" = "chimewise $(sed -n 's/^project(Chimewise VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] ||
  fail "--version printed '$out'"
[ -z "$(find "$HOME" "$XDG_RUNTIME_DIR" -mindepth 1 -print -quit)" ] ||
  fail "--help or --version wrote $(find "$HOME" "$XDG_RUNTIME_DIR" -mindepth 1)"
echo "--help and --version printed and wrote nothing"

for wrong in --frobnicate "--say" "--english" "stray"; do
  run 2 $wrong
  [ -z "$out" ] || fail "chimewise $wrong printed on standard output: $out"
  grep -q '^Usage: ' <<< "$err" || fail "chimewise $wrong gave no usage: $err"
done
echo "wrong options gave the usage on standard error and status 2"
