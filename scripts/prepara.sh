#!/usr/bin/env bash
# Prepara la macchina e compila TERMOVELA: installa i pacchetti Debian mancanti (con sudo se non
# si è root), configura e compila in build/. Uso: scripts/prepara.sh [--test]
set -euo pipefail
cd "$(dirname "$0")/.."

pacchetti=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libquazip1-qt6-dev libpugixml-dev coinor-libcbc-dev fonts-dejavu-core fonts-liberation ccache
    qt6-translations-l10n)
if [[ "${1:-}" == "--test" ]]; then
    # Il controllo indipendente dei documenti prodotti li converte con LibreOffice; poppler legge i PDF.
    pacchetti+=(libreoffice-calc poppler-utils)
fi

mancanti=()
for p in "${pacchetti[@]}"; do
    stato=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$stato" == "install ok installed" ]] || mancanti+=("$p")
done
if ((${#mancanti[@]})); then
    echo "Installo: ${mancanti[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${mancanti[@]}"
fi

# ccache riusa le compilazioni già fatte (anche di altre cartelle di build).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build
