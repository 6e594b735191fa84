#!/usr/bin/env bash
# Installs what the tests need (only the missing Debian packages), builds the
# program, the tests and the benchmarks, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DHORONAMI_BENCH=ON >/dev/null
cmake --build build-test -j2
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
