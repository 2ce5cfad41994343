// tvl importa: aggiunge a un progetto i locali di un foglio di calcolo (.csv o .xlsx), con le regole
// della griglia dei locali, e salva il progetto. Se una riga è rifiutata non si aggiunge nulla.
#include "progetto/Ufile.h"
#include "progetto/Ulocalifile.h"
#include "tvl/Utvl.h"

int ComandoImporta(const QStringList& argomenti)
{
    QStringList file;
    QString uscita;
    bool valido = true;
    for (int i = 0; i < argomenti.size(); ++i) {
        if (argomenti[i] == QLatin1String("-o") && i + 1 < argomenti.size())
            uscita = argomenti[++i];
        else if (argomenti[i].startsWith(u'-'))
            valido = false;
        else
            file << argomenti[i];
    }
    if (!valido || file.size() != 2) {
        std::fputs("uso: tvl importa PROGETTO.tvl LOCALI.csv|LOCALI.xlsx [-o NUOVO.tvl]\n\n"
                   "Aggiunge i locali del foglio ai locali del progetto e salva il progetto (in NUOVO.tvl con -o).\n"
                   "La prima riga del foglio porta i titoli delle colonne della griglia dei locali.\n",
                   stderr);
        return 2;
    }
    const auto aperto = ApriProgetto(QStringLiteral("importa"), file[0]);
    if (!aperto)
        return 1;
    QString messaggio;
    if (!ImportaLocali(aperto->dati, file[1], messaggio, nullptr, &aperto->stato.En1264))
        return ErroreComando(QStringLiteral("importa"), messaggio);
    const QString destinazione = uscita.isEmpty() ? file[0] : uscita;
    // Gli errori di scrittura arrivano su stderr dal punto dei messaggi.
    if (!ScriviProgetto(aperto->stato, destinazione))
        return 1;
    Stampa(messaggio + QStringLiteral("\nSalvato in %1\n").arg(destinazione));
    return 0;
}
