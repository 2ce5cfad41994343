#!/usr/bin/env bash
# Prepara, compila e avvia TERMOVELA sul catalogo incorporato.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/prepara.sh
# La cartella del programma è anche la cartella di avvio: vi stanno modelli, immagini e sfondo.
cd build/bin
exec ./termovela "$@"
