// Lettore dei file di progetto (.tvl, .nv): LeggiProgettoDa su un buffer, nel formato corrente o
// nel precedente (lo decide il primo record). Un file letto si riscrive: la scrittura ricalcola
// il progetto e ricostruisce i collettori, cioè porta i valori letti nel calcolo.
#include "app/Ufile.h"
#include "data/Udatabase.h"
#include "editor/Ustato.h"
#include "fuzz/Ufuzz.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

namespace {
TDati* dati = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparaAmbienteFuzz();
    // Il catalogo è quello dell'alias TVLITA, o tvlita.db accanto all'eseguibile.
    dati = new TDati;
    if (!dati->ApriTutto()) {
        std::fprintf(stderr, "fuzz_progetto: %s\n", qPrintable(dati->UltimoErrore()));
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* byte, size_t n)
{
    QByteArray contenuto(reinterpret_cast<const char*>(byte), qsizetype(n));
    QBuffer ingresso(&contenuto);
    ingresso.open(QIODevice::ReadOnly);
    TStatoProgetto stato(*dati);
    if (LeggiProgettoDa(stato, ingresso)) {
        QBuffer uscita;
        uscita.open(QIODevice::WriteOnly);
        ScriviProgettoSu(stato, uscita);
    }
    return 0;
}
