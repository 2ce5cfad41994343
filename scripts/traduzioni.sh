#!/usr/bin/env bash
# Aggiorna dai sorgenti i file di traduzione di un'area (traduzioni/<area>_it.ts e _en.ts): i testi
# nuovi entrano da tradurre, quelli spariti escono. Uso: scripts/traduzioni.sh AREA CARTELLA...
# (es. scripts/traduzioni.sh finestre app editor controlli). Poi si traduce con Qt Linguist.
# lupdate scende nelle sottocartelle: dove un'area ne esclude alcune si passano i file. Il nucleo
# (cartelle senza finestre, documenti tranne quelli di altre aree) si aggiorna con:
#   scripts/traduzioni.sh nucleo data progetto calc $(find en1264 pianta posa optimise documents \
#     -name finestre -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print \
#     | grep -Ev '^(documents/U(rapporto|preventivo|pdf|tutti)|en1264/Urelazione)\.' | sort)
set -euo pipefail
cd "$(dirname "$0")/.."
(($# >= 2)) || { echo "uso: $0 AREA CARTELLA..." >&2; exit 2; }
area=$1
shift
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for lingua in it en; do
    "$lupdate" -silent -no-obsolete -locations none -source-language it -target-language "$lingua" -I . \
        "$@" -ts "traduzioni/${area}_${lingua}.ts"
done
