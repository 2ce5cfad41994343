#!/usr/bin/env python3
"""Controlla che ogni #include "cartella/..." rispetti la tabella dei livelli del README.

Uso: controlla-include.py [radice del sorgente]. Esce con 1 e l'elenco delle righe fuori posto.
"""
import pathlib
import re
import sys

SENZA_FINESTRE = {"data", "calc", "en1264", "pianta", "posa", "progetto", "comandi", "optimise", "documents"}
FINESTRE = "finestre"


def livello(percorso: pathlib.PurePosixPath) -> str:
    """'finestre' per <cap>/finestre/..., altrimenti la cartella di primo livello."""
    parti = percorso.parts
    if len(parti) > 2 and parti[1] == FINESTRE:
        return FINESTRE
    return parti[0] if len(parti) > 1 else ""


def ammesso(da: pathlib.PurePosixPath, verso: pathlib.PurePosixPath) -> bool:
    sorgente, destino = livello(da), livello(verso)
    if sorgente in SENZA_FINESTRE:
        return destino not in {"controlli", "editor", "app", FINESTRE}
    if sorgente == "controlli":
        return destino not in {"editor", "app", FINESTRE}
    if sorgente in {FINESTRE, "editor"}:
        return destino != "app"
    if sorgente in {"cli", "tvl"}:
        return destino in SENZA_FINESTRE or destino in {"cli", "tvl"}
    return True  # app/, tests/, tools/, bench/, fuzz/ possono includere tutto


def main() -> int:
    radice = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
    errori = []
    for file in sorted(radice.rglob("*")):
        if file.suffix not in {".h", ".cpp"} or not file.is_file():
            continue
        relativo = pathlib.PurePosixPath(file.relative_to(radice).as_posix())
        if relativo.parts[0].startswith("build"):
            continue
        for numero, riga in enumerate(file.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            m = include.match(riga)
            if not m or "/" not in m.group(1):
                continue
            verso = pathlib.PurePosixPath(m.group(1))
            if not ammesso(relativo, verso):
                errori.append(f"{relativo}:{numero}: {livello(relativo)} non può includere {verso}")
    for e in errori:
        print(e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
