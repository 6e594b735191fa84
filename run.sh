#!/usr/bin/env bash
# Installs what Horonami needs (only the missing Debian packages), builds it
# and starts it. Arguments are passed to the program (a text file to load).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DHORONAMI_BENCH=OFF >/dev/null
cmake --build build --target horonami -j2
exec build/src/horonami "$@"
