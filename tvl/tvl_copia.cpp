// tvl copia: legge un progetto e lo scrive in un altro file, come "Apri" seguito da "Salva con
// Nome...". Un file scritto dal programma torna identico byte per byte.
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"
#include "tvl/Utvl.h"
#include "data/Udatabase.h"

int ComandoCopia(const QStringList& argomenti)
{
    if (argomenti.size() != 2 || argomenti[0].startsWith(u'-') || argomenti[1].startsWith(u'-')) {
        std::fputs("uso: tvl copia ORIGINE.tvl DESTINAZIONE.tvl\n", stderr);
        return 2;
    }
    const auto aperto = ApriProgetto(QStringLiteral("copia"), argomenti[0]);
    // I messaggi di errore di scrittura arrivano su stderr dal punto dei messaggi.
    if (!aperto || !ScriviProgetto(aperto->stato, argomenti[1]))
        return 1;
    return 0;
}
