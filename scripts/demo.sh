#!/usr/bin/env bash
# Installs what is needed, builds, prepares the demo pharmacy (embedded
# databases under demo/torvenia, TORVENIA.INI beside the program) and starts
# the program on it. Set TORVENIA_DIR to use another folder; DEMO_SEM_JANELA=1
# prepares everything without starting the window.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/instala-dependencias.sh"
"$raiz/scripts/compila.sh"
export TORVENIA_DIR="${TORVENIA_DIR:-$raiz/demo/torvenia}"
"$raiz/scripts/prepara-demo.sh" "$TORVENIA_DIR" "$raiz/build"
[ "${DEMO_SEM_JANELA:-0}" = "1" ] && exit 0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$raiz/build/receituario"
fi
exec "$raiz/build/receituario"
