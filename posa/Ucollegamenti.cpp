#include "posa/Ucollegamenti.h"

#include "pianta/Ugeos.h"
#include "posa/Ucircuito.h"

#include <QLineF>

#include <cmath>

QPolygonF TCollegamenti::Parallela(const QPolygonF& linea, double d)
{
    QPolygonF r;
    const qsizetype n = linea.size();
    auto normale = [&](qsizetype i) {
        const QLineF l(linea[i], linea[i + 1]);
        const double len = l.length();
        return len > 0 ? QPointF(-(l.dy()) / len, l.dx() / len) : QPointF(0, 0);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF n1 = i > 0 ? normale(i - 1) : normale(0);
        const QPointF n2 = i + 1 < n ? normale(i) : normale(n - 2);
        const double k = 1 + QPointF::dotProduct(n1, n2);
        r << linea[i] + (k > 1e-6 ? (n1 + n2) / k : n1) * d;
    }
    return r;
}

namespace {
QPolygonF SenzaDoppi(const QPolygonF& p)
{
    QPolygonF r;
    for (const QPointF& q : p)
        if (r.isEmpty() || QLineF(r.last(), q).length() > 1e-9)
            r << q;
    // Tre punti allineati: il centrale non è uno spigolo.
    for (qsizetype i = 1; i + 1 < r.size();) {
        const QPointF a = r[i] - r[i - 1], b = r[i + 1] - r[i];
        if (std::abs(a.x() * b.y() - a.y() * b.x()) < 1e-12 && QPointF::dotProduct(a, b) > 0)
            r.remove(i);
        else
            ++i;
    }
    return r;
}
} // namespace

TCollegamento TCollegamenti::Collega(QPointF collettore, QPointF ingresso, QPointF uscita, const TForme& locali,
                                     double passo) const
{
    const geos_tvl::TPreparata unione(geos_tvl::UnioneDi(locali));
    return Collega(collettore, ingresso, uscita, unione, passo);
}

TCollegamento TCollegamenti::Collega(QPointF collettore, QPointF ingresso, QPointF uscita,
                                     const geos_tvl::TPreparata& unione, double passo) const
{
    const QPointF arrivo = (ingresso + uscita) / 2;
    const QPointF a = collettore, b = arrivo;
    const QPointF mx((a.x() + b.x()) / 2, 0), my(0, (a.y() + b.y()) / 2);
    // Percorsi a L e a Z: tutti della stessa lunghezza, conta quanto escono dai locali.
    const QList<QPolygonF> candidati {
        {a, QPointF(b.x(), a.y()), b},
        {a, QPointF(a.x(), b.y()), b},
        {a, QPointF(mx.x(), a.y()), QPointF(mx.x(), b.y()), b},
        {a, QPointF(a.x(), my.y()), QPointF(b.x(), my.y()), b},
    };
    QPolygonF migliore;
    double fuori = 1e300;
    for (const QPolygonF& c : candidati) {
        const QPolygonF p = SenzaDoppi(c);
        if (p.size() < 2)
            continue;
        double f = LunghezzaPolilinea(p);
        if (!geos_tvl::Vuota(unione.Geometria()))
            f = unione.LunghezzaFuori(p);
        if (f < fuori - 1e-9)
            fuori = f, migliore = p;
    }
    TCollegamento r;
    if (migliore.size() < 2)
        return r;
    r.fuoriLocali = fuori;
    // Mandata e ritorno a mezzo passo per parte dell'asse; l'ultimo tratto va all'estremo giusto.
    QPolygonF lato1 = Parallela(migliore, passo / 2), lato2 = Parallela(migliore, -passo / 2);
    if (QLineF(lato1.last(), ingresso).length() + QLineF(lato2.last(), uscita).length()
        > QLineF(lato1.last(), uscita).length() + QLineF(lato2.last(), ingresso).length())
        std::swap(lato1, lato2);
    r.mandata = SenzaDoppi(lato1 << ingresso);
    std::reverse(lato2.begin(), lato2.end());
    lato2.prepend(uscita);
    r.ritorno = SenzaDoppi(lato2);
    r.lunghezza = LunghezzaPolilinea(r.mandata) + LunghezzaPolilinea(r.ritorno);
    return r;
}
