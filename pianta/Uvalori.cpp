#include "Uvalori.h"
#include "Ugeometria.h"

#include <QMap>
#include <cmath>
#include <limits>

namespace {

struct TSomma
{
    double area = 0, utile = 0, marginale = 0;
    int distanza = -1; // -1: nessun collettore sul piano
    bool scartato = false;
};

double Centesimi(double v)
{
    return std::round(v * 100) / 100;
}

// Distanza dal contorno al collettore del locale, o al più vicino del piano; -1 se il piano non ne ha.
int Distanza(const TPiano& piano, const QPolygonF& contorno, const QString& assegnato)
{
    if (const auto c = piano.collettori.constFind(assegnato); !assegnato.isEmpty() && c != piano.collettori.cend())
        return TGeometria::DistanzaManhattan(*c, contorno);
    int minima = -1;
    for (const QPointF& p : piano.collettori) {
        const int d = TGeometria::DistanzaManhattan(p, contorno);
        if (minima < 0 || d < minima)
            minima = d;
    }
    return minima;
}

} // namespace

TValoriPianta TValoriLocali::Calcola(const TPianta& pianta, const QHash<int, QString>& collettoreDi,
                                     double larghezzaMarginale)
{
    TValoriPianta esito;
    QMap<int, TSomma> somme; // in ordine di ID
    for (const TPiano& piano : pianta.piani)
        for (int i = 0; i < piano.locali.size(); ++i) {
            const TContornoLocale& l = piano.locali[i];
            if (l.idLocale <= 0)
                continue;
            TSomma& s = somme[l.idLocale];
            if (s.scartato)
                continue;
            QString motivo;
            const TForme utile = TGeometria::AreaUtile(l.contorno, piano.zoneSenzaTubi, &motivo);
            if (utile.isEmpty()) {
                s.scartato = true;
                esito.problemi << tr("Locale %1: %2").arg(l.idLocale).arg(motivo);
                continue;
            }
            s.area += TGeometria::Area(l.contorno);
            s.utile += TGeometria::Area(utile);
            s.marginale += TGeometria::Area(
                TGeometria::StrisciaMarginale(l.contorno, piano.LatiEsterni(i), utile, larghezzaMarginale));
            // Un locale in più pezzi è lontano quanto il suo pezzo più vicino.
            if (const int d = Distanza(piano, l.contorno, collettoreDi.value(l.idLocale)); d >= 0)
                s.distanza = s.distanza < 0 ? d : std::min(s.distanza, d);
        }
    for (auto s = somme.cbegin(); s != somme.cend(); ++s) {
        if (s->scartato)
            continue;
        const int id = s.key();
        esito.aggiornamenti << TAggiornamento {id, QStringLiteral("Area"), Centesimi(s->area)}
                            << TAggiornamento {id, QStringLiteral("AreaUtile"), Centesimi(s->utile)}
                            << TAggiornamento {id, QStringLiteral("AreaMarginale"), Centesimi(s->marginale)};
        if (s->distanza > DistanzaMassima)
            esito.problemi << tr("Locale %1: il collettore dista %2 m, oltre i %3 m ammessi.")
                                  .arg(id)
                                  .arg(s->distanza)
                                  .arg(DistanzaMassima);
        else if (s->distanza >= 0)
            esito.aggiornamenti << TAggiornamento {id, QStringLiteral("DistColl"), s->distanza};
    }
    return esito;
}
