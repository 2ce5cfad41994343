#!/usr/bin/env bash
# Prepara la macchina e compila TERMOVELA: installa i pacchetti Debian mancanti (con sudo se non
# si è root), configura e compila in build/. Uso: scripts/prepara.sh [--test] [--sanitizzatori]
# [--solo-pacchetti]; --sanitizzatori aggiunge clang e libFuzzer (per scripts/sanitizzatori.sh),
# --solo-pacchetti non compila.
set -euo pipefail
cd "$(dirname "$0")/.."

pacchetti=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libquazip1-qt6-dev libpugixml-dev coinor-libcbc-dev fonts-dejavu-core fonts-liberation ccache
    qt6-translations-l10n libdxflib-dev libgeos-dev qt6-pdf-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools)
compila=1
for opzione in "$@"; do
    case "$opzione" in
    # Il controllo indipendente dei documenti prodotti li converte con LibreOffice; poppler legge i PDF.
    # python3-uno: le copie PDF passano dal LibreOffice tenuto pronto (facoltativi anche per il programma).
    # Xvfb per guardare la finestra vera senza schermo; pyatspi per trovarne i controlli per ruolo e nome.
    --test) pacchetti+=(libreoffice-calc python3-uno poppler-utils xvfb xauth python3-pyatspi) ;;
    # Sanitizzatori e fuzzing: clang con le sue librerie di runtime (libFuzzer) e il simbolizzatore.
    --sanitizzatori) pacchetti+=(libreoffice-calc clang libclang-rt-dev llvm) ;;
    --solo-pacchetti) compila=0 ;;
    esac
done

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

((compila)) || exit 0
# ccache riusa le compilazioni già fatte (anche di altre cartelle di build).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build
