#!/bin/sh
# Installs the dependencies, builds Brumelle and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRUMELLE_BENCH=OFF
cmake --build build/release -j"$(nproc)" --target brumelle
exec build/release/src/app/brumelle
