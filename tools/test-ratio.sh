#!/usr/bin/env bash
# Prints how large the tests are against the rest of the code: lines that are
# neither blank nor only a comment, of the C++, shell, Python and CMake files
# git tracks. Exits 1 above the limit (35 % unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
limit=${1:-35}

code_files() { git ls-files | grep -E '\.(cpp|h|sh|py|cmake)$|(^|/)CMakeLists\.txt$|^\.ci/run$'; }
count_lines() { xargs -d '\n' cat | grep -cvE '^\s*($|//|#( |!|$))' || true; }

tests=$(code_files | grep '^tests/' | count_lines)
code=$(code_files | grep -v '^tests/' | count_lines)
percent=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.1f", 100 * t / c }')
echo "test lines: $tests, other code lines: $code, tests: $percent % of the code (limit $limit %)"
awk -v p="$percent" -v l="$limit" 'BEGIN { exit !(p <= l) }'
