#!/usr/bin/env bash
# Builds the program and takes the pictures of docs/screenshots/ afresh
# (tools/screenshots.py); the session's logs stay in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec /usr/bin/python3 -B tools/screenshots.py screenshots "$PWD/build/bin/kolvira" \
    "$PWD/build/bin/kolvira.db" "$PWD/build/screenshots" "$PWD/docs/screenshots"
