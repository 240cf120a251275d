#!/usr/bin/env bash
# Line and branch coverage of the core by its tests and the scenario stories, summed up by gcovr.
# Run by hand (CI does not): tools/coverage.sh; the per-file table lands in build/coverage/coverage.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset coverage
cmake --build --preset coverage -j2
find build/coverage -name '*.gcda' -delete
ctest --preset coverage -j2
gcovr --root . --object-directory build/coverage --filter 'src/' --exclude-unreachable-branches \
    --txt build/coverage/coverage.txt --print-summary
