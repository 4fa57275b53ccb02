#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kolvira.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec build/bin/kolvira
