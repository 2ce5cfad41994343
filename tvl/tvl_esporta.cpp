// tvl esporta: scrive i locali di un progetto in un foglio di calcolo (.csv o .xlsx) con le colonne
// e i titoli della griglia dei locali; il file si reimporta con tvl importa.
#include "progetto/Ulocalifile.h"
#include "tvl/Utvl.h"

int ComandoEsporta(const QStringList& argomenti)
{
    if (argomenti.size() != 2 || argomenti[0].startsWith(u'-') || argomenti[1].startsWith(u'-')) {
        std::fputs("uso: tvl esporta PROGETTO.tvl LOCALI.csv|LOCALI.xlsx\n", stderr);
        return 2;
    }
    const auto aperto = ApriProgetto(QStringLiteral("esporta"), argomenti[0]);
    if (!aperto)
        return 1;
    QString messaggio;
    if (!EsportaLocali(aperto->dati, argomenti[1], messaggio, &aperto->stato.En1264))
        return ErroreComando(QStringLiteral("esporta"), messaggio);
    Stampa(messaggio + u'\n');
    return 0;
}
