// Lettore del file "History" della cronologia dei progetti: ogni voce è una riga non vuota, senza
// fine riga dentro, e riscritta si rilegge uguale.
#include "progetto/Ucronologia.h"
#include "fuzz/Ufuzz.h"

#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir* cartella = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparaAmbienteFuzz();
    cartella = new QTemporaryDir;
    return cartella->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* byte, size_t n)
{
    const QStringList voci = TCronologia::VociDa(QByteArray(reinterpret_cast<const char*>(byte), qsizetype(n)));
    for (const QString& v : voci)
        if (v.isEmpty() || v.contains(u'\n') || v.contains(u'\r'))
            std::abort();
    // Il giro completo passa dal file, come fra un'esecuzione e l'altra del programma.
    const QString file = cartella->filePath(QStringLiteral("History"));
    QStringList riletti;
    if (!TCronologia::Scrivi(file, voci) || !TCronologia::Leggi(file, riletti))
        std::abort();
    // La code page non ha cinque byte (81, 8D, 8F, 90, 9D): letti, diventano il carattere di
    // controllo dello stesso codice e si riscrivono uguali.
    if (riletti != voci)
        std::abort();
    return 0;
}
