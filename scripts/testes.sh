#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instala-dependencias.sh"
"$raiz/scripts/compila.sh"
cd "$raiz/build"
ctest --output-on-failure -j1
