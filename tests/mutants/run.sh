#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how strong the test suite is: puts each fault of the lists into a
# scratch copy of the tree, one at a time, builds it, runs the suite and says
# whether some test failed (caught) or all passed (missed). The lists are
# mutants.txt, written beside the tests, and second_reader.txt, written by
# someone who had not seen them.
#
#   tests/mutants/run.sh [first [count]]     e.g. tests/mutants/run.sh 1 20
# ZELVANE_MUTANT_LIST names one list; ZELVANE_MUTANT_SKIP, a CTest regular
# expression, leaves slow tests out; ZELVANE_MUTANT_FIRST, another, names quick
# tests to try first, so that the slow ones run only for faults they miss.
# ZELVANE_MUTANT_BUILD_TYPE=None, with LDFLAGS=-fuse-ld=lld, builds and links
# faster; ZELVANE_MUTANT_PATIENCE_MS shortens the tests' waits, which a fault
# that hangs takes whole. Two runs on disjoint ranges, each with its own
# ZELVANE_MUTANT_DIR, share the machine's cores well.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
scratch=${ZELVANE_MUTANT_DIR:-/tmp/zelvane-mutants}
lists=(${ZELVANE_MUTANT_LIST:-"$here"/tests/mutants/mutants.txt "$here"/tests/mutants/second_reader.txt})
first=${1:-1}
count=${2:-100000}

rev=$(git -C "$here" rev-parse HEAD)
# ZELVANE_MUTANT_REUSE keeps the scratch tree and build an earlier run left for this commit.
if [ -z "${ZELVANE_MUTANT_REUSE:-}" ] || [ "$(cat "$scratch/rev" 2>/dev/null)" != "$rev" ]; then
    rm -rf "$scratch/tree" "$scratch/build" "$scratch/rev" && mkdir -p "$scratch/tree"
    git -C "$here" archive "$rev" | tar -x -C "$scratch/tree"
    cmake -S "$scratch/tree" -B "$scratch/build" \
        -DCMAKE_BUILD_TYPE="${ZELVANE_MUTANT_BUILD_TYPE:-RelWithDebInfo}" \
        -DZELVANE_TEST_PATIENCE_MS="${ZELVANE_MUTANT_PATIENCE_MS:-240000}" >/dev/null
    cmake --build "$scratch/build" -j "$(nproc)" >/dev/null || { echo "the unchanged tree does not build"; exit 1; }
    echo "$rev" >"$scratch/rev"
fi

# run_tests INCLUDE EXCLUDE: the tests matching the one and not the other.
run_tests() {
    cd "$scratch/build" && ctest -j "$((2 * $(nproc)))" --timeout 300 --stop-on-failure \
        --output-on-failure -R "$1" -E "$2" 2>&1
}

skip=${ZELVANE_MUTANT_SKIP:-^$}
caught=0 missed=0 skipped=0 n=0
while IFS=$'\t' read -r file text replacement; do
    [[ -z "$file" || "$file" == \#* ]] && continue
    n=$((n + 1))
    (( n < first || n >= first + count )) && continue
    target="$scratch/tree/$file"
    if ! MUTANT_TEXT="$text" MUTANT_NEW="$replacement" python3 - "$target" 2>/dev/null <<'PY'
import os, sys
path = sys.argv[1]
source = open(path, encoding="utf-8").read()
old, new = os.environ["MUTANT_TEXT"], os.environ["MUTANT_NEW"]
if old not in source:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(source.replace(old, new, 1))
PY
    then
        echo "SKIP   $n $file: text not found"; skipped=$((skipped + 1)); continue
    fi
    if ! cmake --build "$scratch/build" -j "$(nproc)" >/dev/null 2>&1; then
        verdict="caught (does not build)"
    elif failed=$(run_tests "${ZELVANE_MUTANT_FIRST:-.}" "$skip") &&
        { [ -z "${ZELVANE_MUTANT_FIRST:-}" ] || failed=$(run_tests . "$ZELVANE_MUTANT_FIRST|$skip"); }; then
        verdict="MISSED"
    else
        # Which tests and test functions caught it, for seeing what each is worth.
        verdict="caught by $(grep -oE 'Test +#[0-9]+: [A-Za-z0-9_]+ \.+[A-Za-z ]*\*\*\*' <<<"$failed" | awk '{print $3}' | paste -sd,)"
        verdict+=" ($(grep -oE 'FAIL!  : Tst_[A-Za-z_]+::[A-Za-z_]+' <<<"$failed" | sed 's/.*:://' | sort -u | paste -sd,))"
    fi
    [[ "$verdict" == MISSED ]] && missed=$((missed + 1)) || caught=$((caught + 1))
    echo "$verdict  $n $file: $text -> $replacement"
    git -C "$here" show "$rev:$file" > "$target"
done < <(cat "${lists[@]}")
echo "caught $caught of $((caught + missed)) faults ($skipped not applicable)"
