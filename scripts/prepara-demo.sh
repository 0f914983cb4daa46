#!/usr/bin/env bash
# prepara-demo.sh RAIZ PASTA_DO_PROGRAMA: fresh demo databases, the report
# project and the login-free settings for the demo pharmacy.
set -euo pipefail
fonte="$(cd "$(dirname "$0")/.." && pwd)"
destino="$1"
programa="$2"
rm -rf "$destino"
mkdir -p "$destino/rpt"
"$programa/db/criabancos" "$destino" 01 02 03
if [ -x "$programa/db/geradados" ]; then
  "$programa/db/geradados" --raiz "$destino" --formulas "${DEMO_FORMULAS:-400}" --semente 2026
fi
[ -f "$fonte/rpt/rptTombario.rav" ] && cp "$fonte/rpt/rptTombario.rav" "$destino/rpt/"
cp "$fonte/scripts/TORVENIA.INI.demo" "$programa/TORVENIA.INI"
