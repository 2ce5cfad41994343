#!/usr/bin/env python3
"""Semi fatti a mano per fuzz/corpus/progetto: un progetto completo (locali, albero, collettori
confermati, ottimizzazione, circuiti, matasse, prodotti aggiuntivi) nel formato corrente e nel
precedente, e qualche file al limite. Uso: python3 fuzz/semi.py (dalla radice del repository)."""
import os

def rec(s, n=50):
    s = s[:n]
    return s + b"\0" * (n - len(s)) + b"\r"

def progetto(corrente=True, locali=b"2\n", nodi=b"3\n", prodotti=b"1\n"):
    i = lambda v: rec(b"%d\n" % v)
    r = lambda v: rec(b"%.5f\n" % v)
    t = rec
    f = t(b"Ver1002-17042002FSE4") if corrente else b""
    f += t(b"Casa Rossi") + t(b"Citt\xe0 Alta") + t(b"Ing. Bo") + t(b"R1") + t(b"1/1/2002") + rec(b"Note", 256)
    f += t(b"MAS1") + r(1.2) + i(50) + t(b"CER") + r(1.3) + i(10) + t(b"Ceramica")
    f += t(b"SOL1") + r(1.0) + i(20) + t(b"PEX20") + r(0.22) + i(2) + r(20) + t(b"ISO50")
    f += i(50) + i(5) + i(100) + i(10) + t(b"V220HJ") + t(locali)
    for k in (1, 2):
        f += t(b"Ceramica") + i(k) + t(b"Cucina" if k == 1 else b"Studio") + t(b"PT") + i(20) + r(10.0 * k)
        if corrente:
            f += r(10.0 * k - 1)
        f += r(0 if k == 1 else 2.5) + r(900 * k) + t(b"Ceramica") + r(1.3) + i(12) + i(4 + k)
    f += t(b" 45.3\n") + i(2) + i(1)
    f += t(b"T1") + i(2) + t(b"A1") + i(3) + t(b"CC1") + t(b"-") + t(b"REG1") + i(1) + i(1) + i(1)
    f += t(nodi) + i(0) + rec(b"=>Nord", 200) + i(1) + rec(b"=>  Cucina - 1", 200) + i(1) + rec(b"=>  Studio - 1", 200)
    f += i(1) + rec(b"=>  Studio - 2", 200)
    f += i(1) + t(b"") + i(0) + t(b"Nord") + t(b"V220HJ") + i(2) + r(250) + r(1235)
    f += i(1) + t(b"200") + t(b"190") + t(b"10") + t(b"5%") + i(1)
    if corrente:
        f += i(7)
    f += i(2) + i(1) + i(200) + i(10) + i(90) + t(b"Cucina - 1") + t(b"Nord") + t(b"PT")
    f += i(2) + i(0) + i(0) + i(100) + t(b"Studio - 1") + t(b"Nord") + t(b"PT")
    f += i(1) + i(0) + t(b"PEX20-200") + i(200) + i(1) + i(1)
    f += t(prodotti) + i(1) + t(b"Raccordo") + t(b"16") + t(b"RAC") + t(b"pz") + r(4) + r(2.5)
    return f

semi = {
    "completo.tvl": progetto(),
    "completo-precedente.tvl": progetto(corrente=False),
    "locali-enormi.tvl": progetto(locali=b"2147483647\n"),
    "nodi-negativi.tvl": progetto(nodi=b"-5\n"),
    "prodotti-enormi-precedente.tvl": progetto(corrente=False, prodotti=b"2147483647\n"),
    "troncato.tvl": progetto()[:3000],
    "solo-versione.tvl": rec(b"Ver1002-17042002FSE4"),
    "vuoto.tvl": b"",
}
cartella = os.path.join(os.path.dirname(__file__), "corpus", "progetto")
os.makedirs(cartella, exist_ok=True)
for nome, byte in semi.items():
    with open(os.path.join(cartella, nome), "wb") as f:
        f.write(byte)
