#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Tallyard and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTALLYARD_BENCHMARKS=OFF \
  -DTALLYARD_DESIGNER_PLUGIN=OFF -DTALLYARD_TOOLS=OFF
cmake --build build/release --target tallyard
exec build/release/bin/tallyard "$@"
