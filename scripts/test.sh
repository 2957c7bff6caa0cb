#!/bin/sh
# Installs the dependencies, then builds and runs the whole test suite three
# ways: the core alone without Qt, everything with warnings as errors, and
# everything under AddressSanitizer and UndefinedBehaviorSanitizer; then
# builds the package, checks it with lintian and gives each fuzz target a
# short run.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc)

echo "== core without Qt"
cmake -S . -B build/core -DBRUMELLE_WITH_QT=OFF -DBRUMELLE_BENCH=OFF -DBRUMELLE_WERROR=ON >/dev/null
cmake --build build/core -j"$jobs"
ctest --test-dir build/core --output-on-failure

echo "== everything"
cmake -S . -B build/all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRUMELLE_WERROR=ON >/dev/null
cmake --build build/all -j"$jobs"
ctest --test-dir build/all --output-on-failure

echo "== sanitizers"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBRUMELLE_SANITIZE=ON -DBRUMELLE_BENCH=OFF -DBRUMELLE_WERROR=ON >/dev/null
cmake --build build/asan -j"$jobs"
LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0" \
  ctest --test-dir build/asan --output-on-failure

echo "== package"
# Reuses the "everything" build, so only the install, strip and archive run here.
(cd build/all && rm -f brumelle_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/all/brumelle_*.deb)
dpkg-deb -I "$deb"
dpkg-deb -c "$deb" | grep ' ./usr/bin/brumelle$'
# Debian's own checks, default profile: any error or warning fails the run.
lintian --fail-on error,warning "$deb"

echo "== fuzz"
# 20 s per target under ASan and UBSan (libFuzzer, clang; about 3 min with the build).
sh scripts/fuzz.sh 20
