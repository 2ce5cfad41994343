#!/usr/bin/env bash
# Fuzzing lungo, a mano o di notte: ogni bersaglio per FUZZ_SECONDI secondi (600) con i
# sanitizzatori, come scripts/sanitizzatori.sh --solo-fuzz (che in CI resta a 60 s). Il bersaglio
# elenco riceve in più i semi grandi, generati qui e mai conservati nel repository: un elenco di un
# milione di righe con solo l'ultima sbagliata, una riga di 20 MB e una bomba zip che si
# decomprime in 1 GB. Prima del fuzzing ciascuno si esegue una volta per intero, con gli stessi
# limiti di tempo (10 s) e di memoria (2 GB): i semi poi si troncano alla lunghezza massima.
# Uso: scripts/fuzz-lungo.sh [secondi]
set -euo pipefail
cd "$(dirname "$0")/.."
export FUZZ_SECONDI=${1:-${FUZZ_SECONDI:-600}}
semi=$(mktemp -d)
trap 'rm -rf "$semi"' EXIT

python3 - "$semi" <<'PY'
import os, sys, zipfile
cartella = sys.argv[1]
intestazione = "N°;Descrizione;Piano;Area [mq];AreaUtile [mq];CTermico [W];DColl [m]\n".encode()
with open(os.path.join(cartella, "milione.csv"), "wb") as f:
    f.write(intestazione)
    for i in range(1, 1_000_000):
        f.write(b"%d;Locale %d;P1;12,5;12;800;4\n" % (i, i))
    f.write(b"1000000;Locale;P1;12,5;12;800000000;4\n")
with open(os.path.join(cartella, "riga-enorme.csv"), "wb") as f:
    f.write(intestazione + b'1;"' + b"x" * (20 << 20) + b'";PT;10;10;100;1\n')
with zipfile.ZipFile(os.path.join(cartella, "bomba-1gb.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("[Content_Types].xml", b"<Types/>")
    with z.open("xl/worksheets/sheet1.xml", "w", force_zip64=True) as parte:
        blocco = b" " * (1 << 20)
        for _ in range(1024):
            parte.write(blocco)
PY
ls -l "$semi"
export FUZZ_SEMI_ELENCO=$semi
exec bash scripts/sanitizzatori.sh --solo-fuzz
