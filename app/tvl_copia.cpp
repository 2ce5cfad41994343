// tvl copia: legge un progetto e lo scrive in un altro file, come "Apri" seguito da "Salva con
// Nome...". Un file scritto dal programma torna identico byte per byte.
#include "app/Ufile.h"
#include "app/Ustato.h"
#include "app/Utvl.h"
#include "data/Udatabase.h"

#include <QFileInfo>

int ComandoCopia(const QStringList& argomenti)
{
    if (argomenti.size() != 2 || argomenti[0].startsWith(u'-') || argomenti[1].startsWith(u'-')) {
        std::fputs("uso: tvl copia ORIGINE.tvl DESTINAZIONE.tvl\n", stderr);
        return 2;
    }
    if (!QFileInfo(argomenti[0]).isFile()) {
        std::fprintf(stderr, "tvl copia: %s non esiste\n", qPrintable(argomenti[0]));
        return 1;
    }
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "tvl copia: %s\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TStatoProgetto stato(dati);
    // I messaggi di errore di lettura e scrittura arrivano su stderr dal punto dei messaggi.
    if (!LeggiProgetto(stato, argomenti[0]) || !ScriviProgetto(stato, argomenti[1]))
        return 1;
    return 0;
}
