#!/usr/bin/env bash
# Prepara, compila ed esegue tutti i test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/prepara.sh --test
ctest --test-dir build --output-on-failure -j2
