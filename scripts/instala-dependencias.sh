#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Quick and quiet when everything is already there.
set -euo pipefail
pacotes=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils firebird3.0-server
  googletest libgtest-dev
  poppler-utils xvfb fonts-dejavu-core
)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0
echo "Instalando: ${faltam[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
# firebird3.0-server asks a question without this; its failure to start a
# service at install time is harmless.
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${faltam[@]}" >/dev/null || {
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq -f >/dev/null
  for p in "${faltam[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || { echo "Falhou a instalação de $p" >&2; exit 1; }; done
}
