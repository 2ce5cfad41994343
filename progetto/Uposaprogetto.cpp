#include "progetto/Uposaprogetto.h"

#include "posa/Ulunghezze.h"
#include "progetto/Ustato.h"

namespace {
// Il collettore di ogni circuito assegnato: l'etichetta dà locale e zona, il nome il numero.
void Collettori(const TStatoProgetto& stato, QList<TLocaleDimensionato>& r)
{
    for (const TCollettoreAlbero& c : stato.Assegnazione.Collettori())
        for (const QString& e : c.circuiti) {
            const int i = PosizioneEtichetta(e) - 1;
            if (i < 0 || i >= r.size())
                continue;
            auto& lista = ZonaEtichetta(e) == u'm' ? r[i].circuitiAm : r[i].circuitiAs;
            const QString nome = TestoCircuitoEtichetta(e).trimmed();
            for (TRiferimentoCircuito& rc : lista)
                if (rc.nome.left(40).trimmed() == nome && rc.collettore.isEmpty()) {
                    rc.collettore = c.Nome();
                    break;
                }
        }
}
} // namespace

QList<TLocaleDimensionato> Dimensionati(const TStatoProgetto& stato)
{
    QList<TLocaleDimensionato> r;
    for (const TLocaleCalc& l : stato.RisultatiLocali) {
        TLocaleDimensionato d;
        d.ID = l.ID;
        d.piano = l.Piano;
        d.descrizione = l.Descrizione;
        d.NAs = l.NAs, d.PassoAs = l.PassoAs, d.LAs = l.LAs, d.portataAs = l.QAs;
        d.NAm = l.NAm, d.PassoAm = l.PassoAm, d.LAm = l.LAm, d.portataAm = l.QAm;
        for (int k = 1; k <= l.NAs; ++k)
            d.circuitiAs << TRiferimentoCircuito {NomeCircuito(l.Descrizione, k, false), {}};
        for (int k = 1; k <= l.NAm; ++k)
            d.circuitiAm << TRiferimentoCircuito {NomeCircuito(l.Descrizione, k, true), {}};
        if (const auto it = stato.Posa.SchemiLocali.constFind(l.ID); it != stato.Posa.SchemiLocali.cend())
            d.schema = *it;
        for (const bool marginale : {false, true})
            for (int k = 1; k <= (marginale ? l.NAm : l.NAs); ++k)
                if (const auto it
                    = stato.Posa.Ingressi.constFind(TImpostazioniPosa::ChiaveIngresso(l.ID, marginale, k));
                    it != stato.Posa.Ingressi.cend())
                    d.ingressi.insert({marginale, k}, *it);
        r << d;
    }
    Collettori(stato, r);
    return r;
}

TOpzioniPosa OpzioniPosa(const TStatoProgetto& stato)
{
    TOpzioniPosa opzioni;
    opzioni.schema = stato.Posa.Schema;
    opzioni.conMarginale = stato.ModoTMandata == 1;
    return opzioni;
}

QList<TPosaPiano> PosaProgetto(const TStatoProgetto& stato)
{
    return TPosaPianta::Posa(stato.Pianta, Dimensionati(stato), OpzioniPosa(stato));
}

QList<int> ApplicaLunghezzeDalDisegno(TStatoProgetto& stato)
{
    if (!stato.Posa.LunghezzeDalDisegno || stato.Pianta.Vuota())
        return {};
    return ApplicaLunghezzeMisurate(stato.RisultatiLocali, LunghezzeMisurate(PosaProgetto(stato)));
}
