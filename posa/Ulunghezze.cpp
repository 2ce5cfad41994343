#include "posa/Ulunghezze.h"

#include <cmath>

QList<TLunghezzaMisurata> LunghezzeMisurate(const QList<TPosaPiano>& piani)
{
    QList<TLunghezzaMisurata> r;
    for (const TPosaPiano& p : piani)
        for (const TCircuitoPiano& c : p.circuiti)
            if (c.Posato())
                r << TLunghezzaMisurata {c.ID, c.zona, c.numero, c.Anello(), c.Collegamenti()};
    return r;
}

namespace {
// Totale del circuito più lungo della zona, 0 se uno dei suoi n circuiti non è misurato.
double PiuLungo(const QList<TLunghezzaMisurata>& misure, int id, QChar zona, int n)
{
    QList<bool> visto(n, false);
    double massimo = 0;
    for (const TLunghezzaMisurata& m : misure)
        if (m.ID == id && m.zona == zona && m.numero >= 1 && m.numero <= n) {
            visto[m.numero - 1] = true;
            massimo = std::max(massimo, m.Totale());
        }
    return visto.contains(false) ? 0 : massimo;
}

bool Sostituisci(float& lunghezza, float& perdita, double misurata)
{
    if (misurata <= 0)
        return false;
    const float nuova = float(std::ceil(misurata - 1e-9));
    if (nuova == lunghezza)
        return false;
    if (lunghezza > 0)
        perdita = float(double(perdita) * nuova / lunghezza);
    lunghezza = nuova;
    return true;
}
} // namespace

QList<int> ApplicaLunghezzeMisurate(QVector<TLocaleCalc>& locali, const QList<TLunghezzaMisurata>& misure)
{
    QList<int> cambiati;
    for (TLocaleCalc& l : locali) {
        bool cambiato = false;
        if (l.NAs > 0)
            cambiato |= Sostituisci(l.LAs, l.DpAs, PiuLungo(misure, l.ID, QChar('s'), l.NAs));
        if (l.NAm > 0)
            cambiato |= Sostituisci(l.LAm, l.DpAm, PiuLungo(misure, l.ID, QChar('m'), l.NAm));
        if (cambiato)
            cambiati << l.ID;
    }
    return cambiati;
}
