#!/usr/bin/env bash
# The package built as the README says (a Release build of its own, then
# cpack) passes lintian with every tag shown, pedantic ones too: nothing is
# reported but what the package's one override explains.
#
#   lintian-clean.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
source=$1
build=$2
mkdir -p "$build"
log=$build/build.log

# run COMMAND...: runs a build step, showing its output only when it fails.
run() {
    "$@" >"$log" 2>&1 || { cat "$log"; echo "failed: $*"; exit 1; }
}
run cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DHORONAMI_BENCH=OFF
run cmake --build "$build" -j2
rm -f "$build"/horonami_*.deb
(cd "$build" && run cpack -G DEB)
package=$(ls "$build"/horonami_*.deb)

# Any tag fails, and so does lintian failing to run. As root, lintian warns
# about that on standard error.
status=0
tags=$(lintian -I --pedantic --fail-on error,warning,info,pedantic "$package" 2>"$build/lintian.err") || status=$?
if [ "$status" -ne 0 ] || [ -n "$tags" ]; then
    echo "lintian -I --pedantic $(basename "$package") (status $status):"
    echo "$tags"
    grep -v 'root privileges' "$build/lintian.err" || true
    exit 1
fi
