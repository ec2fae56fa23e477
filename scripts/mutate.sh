#!/usr/bin/env bash
# Measures how sharp the core tests are: makes each listed small change ("mutation") to the
# sources of a scratch copy of the working tree, rebuilds the core tests and runs them. A mutation
# no test notices ("SURVIVED") marks behaviour the tests do not pin down. A developer tool; slow.
#
#   scripts/mutate.sh [mutations-file]        (default: scripts/mutations.txt)
#
# One mutation a line, fields separated by tabs; blank lines and lines starting with # are skipped:
#   path <TAB> search text <TAB> replacement text <TAB> description
# The path is relative to the repository root. The search text is literal and must occur exactly
# once in that file. In both texts \n stands for a line break, \t for a tab and \\ for a backslash
# (so a C++ "\r\n" is written "\\r\\n"). The replacement may be empty.
#
# Environment: KEEP=1 keeps the scratch folder (builds and logs); JOBS sets the build's
# parallelism (default 2); TEST_TIMEOUT the seconds one test run may take (default 300).
# Exit status: 0 when no mutation survived, 1 when one did, 2 when the measurement could not start.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
list="${1:-scripts/mutations.txt}"
[[ "$list" != /* && ! -f "$list" ]] && list="$repo/$list"
[[ -f "$list" ]] || { echo "mutate.sh: no mutation list at $list" >&2; exit 2; }
list="$(cd "$(dirname "$list")" && pwd)/$(basename "$list")"
jobs="${JOBS:-2}"
test_timeout="${TEST_TIMEOUT:-300}"
for tool in git cmake ninja python3 tar timeout; do
  command -v "$tool" >/dev/null || { echo "mutate.sh: $tool is needed" >&2; exit 2; }
done

scratch="$(mktemp -d "${TMPDIR:-/tmp}/vrk-mutate.XXXXXX")"
cleanup() {
  if [[ "${KEEP:-0}" == 1 ]]; then
    echo "mutate.sh: scratch folder kept at $scratch" >&2
  else
    rm -rf "$scratch"
  fi
}
trap cleanup EXIT
tree="$scratch/tree"          # built and mutated
pristine="$scratch/pristine"  # the files as they were, to undo each mutation
logs="$scratch/logs"
mkdir -p "$tree" "$pristine" "$logs"

# The working tree as it is, uncommitted changes included (tracked files deleted locally are not).
(
  cd "$repo"
  git ls-files -co --exclude-standard -z |
    while IFS= read -r -d '' file; do
      if [[ -e "$file" || -L "$file" ]]; then printf '%s\0' "$file"; fi
    done |
    tar --null -T - -cf -
) >"$scratch/tree.tar"
tar -xf "$scratch/tree.tar" -C "$tree"
tar -xf "$scratch/tree.tar" -C "$pristine"
rm "$scratch/tree.tar"

# Applies the mutation of line $MUT_LINE inside the tree: prints the file's path, or an error
# (exit 1) for a malformed line or a search text not found exactly once.
apply_mutation() {
  MUT_TREE="$tree" python3 - <<'EOF'
import os, re, sys
fields = os.environ["MUT_LINE"].split("\t")
if len(fields) != 4:
    sys.exit(f"{len(fields)} fields instead of 4 (path, search, replacement, description)")
path, search, replacement, _ = fields
def unescape(text):
    escapes = {"\\": "\\", "n": "\n", "t": "\t"}
    return re.sub(r"\\([\\nt])", lambda m: escapes[m.group(1)], text).encode("utf-8")
search, replacement = unescape(search), unescape(replacement)
target = os.path.join(os.environ["MUT_TREE"], path)
if not os.path.isfile(target):
    sys.exit(f"{path}: no such file")
with open(target, "rb") as f:
    text = f.read()
found = text.count(search) if search else 0
if found != 1:
    sys.exit(f"{path}: the search text occurs {found} times, not once")
if search == replacement:
    sys.exit(f"{path}: the replacement is the search text")
with open(target, "wb") as f:
    f.write(text.replace(search, replacement))
print(path)
EOF
}

# The names of the tests that failed, from a test run's output ("" when none is named).
failed_tests() {
  sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\).*/\1/p' "$1" | sort -u | head -3 | paste -sd ' ' -
}

build() { cmake --build "$tree/build" --target vrk_core_tests -j "$jobs" </dev/null >"$1" 2>&1; }
run_tests() {
  timeout "$test_timeout" "$tree/build/tests/vrk_core_tests" --gtest_brief=1 </dev/null >"$1" 2>&1
}

echo "mutate.sh: building the unmutated core tests in $tree/build" >&2
# Warnings about code a mutation leaves unused are not errors here: the behaviour is what counts.
cmake -S "$tree" -B "$tree/build" -G Ninja -DVRK_CORE_ONLY=ON -DVRK_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS=-Wno-error=unused-variable -Wno-error=unused-but-set-variable -Wno-error=unused-parameter -Wno-error=unused-function" \
  >"$logs/configure.log" 2>&1 || { echo "mutate.sh: configuring failed, see $logs/configure.log" >&2; KEEP=1; exit 2; }
if ! build "$logs/unmutated-build.log"; then
  echo "mutate.sh: the unmutated tree does not build, see $logs/unmutated-build.log" >&2
  KEEP=1
  exit 2
fi
if ! run_tests "$logs/unmutated-tests.log"; then
  echo "mutate.sh: the unmutated tests fail ($(failed_tests "$logs/unmutated-tests.log")), see $logs/unmutated-tests.log" >&2
  KEEP=1
  exit 2
fi

caught=0 survived=0 uncompiled=0 unusable=0 number=0
results=()
total="$(grep -cvE '^[[:space:]]*(#|$)' "$list" || true)"
while IFS= read -r -u 3 line || [[ -n "$line" ]]; do
  line="${line%$'\r'}"
  [[ "$line" =~ ^[[:space:]]*(#|$) ]] && continue
  number=$((number + 1))
  description="${line##*$'\t'}"
  log="$logs/$number"
  if ! path="$(MUT_LINE="$line" apply_mutation 2>"$log.error")"; then
    unusable=$((unusable + 1))
    results+=("error         $description: $(tail -n 1 "$log.error")")
    echo "[$number/$total] error: $(tail -n 1 "$log.error")" >&2
    continue
  fi
  if ! build "$log.build.log"; then
    verdict="not compiled"
    uncompiled=$((uncompiled + 1))
  elif run_tests "$log.tests.log"; then
    verdict="SURVIVED"
    survived=$((survived + 1))
  else
    verdict="caught"
    caught=$((caught + 1))
    by="$(failed_tests "$log.tests.log")"
    [[ -z "$by" ]] && by="crash or timeout"
    description="$description  [$by]"
  fi
  results+=("$(printf '%-13s %s: %s' "$verdict" "$path" "$description")")
  echo "[$number/$total] $verdict: $path: ${line##*$'\t'}" >&2
  # Written anew rather than copied with its old time, so the next build compiles it again.
  cat "$pristine/$path" >"$tree/$path"
done 3<"$list"

echo
printf '%s\n' "${results[@]}"
scored=$((caught + survived))
score="n/a"
[[ $scored -gt 0 ]] && score="$((caught * 100 / scored))%"
summary="mutations: $caught caught, $survived survived, $uncompiled not compiled ($score)"
[[ $unusable -gt 0 ]] && summary="$summary; $unusable lines could not be applied"
echo "$summary"
[[ $survived -eq 0 ]]
