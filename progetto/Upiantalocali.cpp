#include "progetto/Upiantalocali.h"

#include "data/Udatabase.h"
#include "progetto/Ustato.h"

QHash<int, QString> CollettoriDeiLocali(const TStatoProgetto& stato)
{
    QHash<int, QString> di;
    const QVector<TLocaleCalc>& locali = stato.RisultatiLocali;
    for (const TCollettoreAlbero& c : stato.Assegnazione.Collettori())
        for (const QString& e : c.circuiti) {
            const int i = PosizioneEtichetta(e) - 1;
            if (i >= 0 && i < locali.size())
                di.insert(locali[i].ID, c.Nome());
        }
    return di;
}

int ScriviValoriPianta(TTabella& locali, const QList<TAggiornamento>& aggiornamenti, QStringList* rifiutati)
{
    if (locali.State() != TStato::Consultazione && !locali.Post())
        return 0;
    const int riga = locali.RecNo();
    int scritti = 0;
    for (const TAggiornamento& a : aggiornamenti) {
        if (!locali.Locate(QStringLiteral("ID"), a.idLocale))
            continue;
        locali.Edit();
        if (locali.FieldByName(a.campo).Imposta(a.valore) && locali.Post()) {
            ++scritti;
        } else {
            locali.Cancel();
            if (rifiutati)
                *rifiutati << QStringLiteral("%1 %2").arg(a.idLocale).arg(a.campo);
        }
    }
    locali.VaiA(riga);
    return scritti;
}
