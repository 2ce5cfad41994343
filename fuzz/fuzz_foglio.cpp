// Lettore delle cartelle di lavoro (.xlsx, .xltx): il pacchetto, i fogli, le stringhe condivise,
// gli stili e le immagini, come li leggono i test e l'importazione dei locali.
#include "documents/foglio/Ufoglio.h"
#include "fuzz/Ufuzz.h"

#include <algorithm>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PreparaAmbienteFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* byte, size_t n)
{
    TFoglio f;
    try {
        f.ApriDati(QByteArray(reinterpret_cast<const char*>(byte), qsizetype(n)), QStringLiteral("fuzz.xlsx"));
        for (int i = 1; i <= std::min(f.NumeroFogli(), 8); ++i) {
            f.NomeFoglio(i);
            f.Foglio(i);
            // Un foglio può dichiarare un milione di righe: se ne legge un angolo.
            const int righe = std::min(f.UltimaRiga(), 40), colonne = std::min(f.UltimaColonna(), 12);
            for (int r = 1; r <= righe; ++r)
                for (int c = 1; c <= colonne; ++c) {
                    const QString cella = TFoglio::Indirizzo(c, r);
                    if (f.Esiste(cella)) {
                        f.Testo(cella);
                        f.Numero(cella);
                        f.FormulaCella(cella);
                        f.FormatoNumero(cella);
                        f.Grassetto(cella);
                        f.Sfondo(cella);
                    }
                }
            f.Unioni();
            f.Immagini();
            f.AreaStampa();
        }
    } catch (const TErroreFoglio&) {
        // Un file che non è una cartella di lavoro valida: il messaggio che vedrebbe l'utente.
    }
    return 0;
}
