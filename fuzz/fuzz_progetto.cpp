// Lettore dei file di progetto (.tvl, .nv): LeggiProgettoDa su un buffer, nel formato corrente o
// nel precedente (lo decide il primo record). Un file letto si riscrive: la scrittura ricalcola
// il progetto e ricostruisce i collettori, cioè porta i valori letti nel calcolo.
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"
#include "fuzz/Ufuzz.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparaAmbienteFuzz();
    DatiFuzz("fuzz_progetto");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* byte, size_t n)
{
    QByteArray contenuto(reinterpret_cast<const char*>(byte), qsizetype(n));
    QBuffer ingresso(&contenuto);
    ingresso.open(QIODevice::ReadOnly);
    TStatoProgetto stato(DatiFuzz("fuzz_progetto"));
    if (LeggiProgettoDa(stato, ingresso)) {
        QBuffer uscita;
        uscita.open(QIODevice::WriteOnly);
        ScriviProgettoSu(stato, uscita);
    }
    return 0;
}
