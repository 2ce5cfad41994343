// Lettore degli elenchi di locali da importare (.csv in ogni codifica e separatore, primo foglio di
// un .xlsx: un contenuto che comincia con "PK" è un pacchetto zip), poi l'importazione con tutte le
// regole dei locali. Un'importazione riuscita si svuota, perché la prossima parta da zero.
#include "progetto/Uelenco.h"
#include "progetto/Ulocalifile.h"
#include "fuzz/Ufuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparaAmbienteFuzz();
    DatiFuzz("fuzz_elenco");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* byte, size_t n)
{
    const QByteArray contenuto(reinterpret_cast<const char*>(byte), qsizetype(n));
    const bool xlsx = contenuto.startsWith("PK");
    TElenco elenco;
    QString errore;
    if (!LeggiElencoDa(contenuto, xlsx, QStringLiteral("fuzz"), elenco, errore))
        return 0;
    for (const TRigaElenco& r : elenco.righe)
        for (const QString& c : r.celle)
            LeggiNumeroElenco(c);
    QString messaggio;
    if (ImportaLocaliDa(DatiFuzz("fuzz_elenco"), elenco, QStringLiteral("fuzz.csv"), messaggio))
        DatiFuzz("fuzz_elenco").AuxLocali->Svuota();
    return 0;
}
