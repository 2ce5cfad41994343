#include "posa/Uripartizione.h"

#include "data/Uformato.h"
#include "pianta/Ugeos.h"

#include <QLineF>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
// Larghezza sotto la quale una striscia dell'area è uno sfrido (errore di disegno).
constexpr double Sfrido = 0.025;
// Larghezza del taglio che apre un foro verso il bordo.
constexpr double Taglio = 0.001;
constexpr int IterazioniBisezione = 48;

int PezzoPiuGrande(const TForme& pezzi)
{
    int m = 0;
    for (int i = 1; i < pezzi.size(); ++i)
        if (TGeometria::Area(pezzi[i]) > TGeometria::Area(pezzi[m]))
            m = i;
    return m;
}
} // namespace

QPointF TRipartitore::DirezionePrincipale(const TForma& s) const
{
    auto g = geos_tvl::PoligonoValido(TForma {s.esterno, {}});
    auto r = geos_tvl::TGeom(GEOSMinimumRotatedRectangle_r(geos_tvl::Contesto(), g.get()));
    const TForme rr = geos_tvl::Forme(r.get());
    if (rr.isEmpty() || rr.first().esterno.size() < 3)
        return QPointF(1, 0);
    const QPolygonF& p = rr.first().esterno;
    QLineF a(p[0], p[1]), b(p[1], p[2]);
    QLineF lato = a.length() >= b.length() ? a : b;
    if (lato.length() <= 0)
        return QPointF(1, 0);
    QPointF u = (lato.p2() - lato.p1()) / lato.length();
    // Verso canonico, così due chiamate sullo stesso locale danno lo stesso ordine delle parti.
    if (u.x() < -1e-9 || (std::abs(u.x()) <= 1e-9 && u.y() < 0))
        u = -u;
    return u;
}

TForma TRipartitore::Pulisci(const TForma& areaUtile, QStringList& avvisi) const
{
    auto g = geos_tvl::PoligonoValido(areaUtile);
    // Apertura morfologica: toglie le strisce più sottili di Sfrido senza toccare il resto.
    auto aperta = geos_tvl::Buffer(geos_tvl::Buffer(g.get(), -Sfrido / 2).get(), Sfrido / 2);
    TForme pezzi = geos_tvl::Forme(aperta.get());
    const double areaTotale = geos_tvl::Area(g.get());
    if (pezzi.isEmpty())
        return {};
    const int m = PezzoPiuGrande(pezzi);
    TForma s = pezzi[m];
    const double areaPezzo = TGeometria::Area(s);
    if (pezzi.size() > 1)
        avvisi << tr("L'area utile è divisa in %1 pezzi dalle zone senza tubo: si posa il più grande "
                     "(%2 m² di %3 m²).")
                      .arg(pezzi.size())
                      .arg(NumeroSchermo(areaPezzo, 2), NumeroSchermo(areaTotale, 2));
    else if (areaTotale - areaPezzo > 0.01)
        avvisi << tr("Tolti %1 m² di strisce più strette di %2 cm.")
                      .arg(NumeroSchermo(areaTotale - areaPezzo, 2))
                      .arg(NumeroSchermo(Sfrido * 100, 1));
    return s;
}

TForma TRipartitore::ApriFori(const TForma& s) const
{
    if (s.fori.isEmpty())
        return s;
    // Ogni foro si collega al contorno con un taglio sottile lungo il percorso più breve.
    auto poligono = geos_tvl::PoligonoValido(s);
    auto esterno = geos_tvl::Linea(s.esterno + QPolygonF {s.esterno.first()});
    for (const QPolygonF& foro : s.fori) {
        auto anello = geos_tvl::Linea(foro + QPolygonF {foro.first()});
        GEOSCoordSequence* np = GEOSNearestPoints_r(geos_tvl::Contesto(), anello.get(), esterno.get());
        if (!np)
            continue;
        double x0, y0, x1, y1;
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), np, 0, &x0, &y0);
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), np, 1, &x1, &y1);
        GEOSCoordSeq_destroy_r(geos_tvl::Contesto(), np);
        QPointF a(x0, y0), b(x1, y1);
        QLineF l(a, b);
        if (l.length() < 1e-9)
            continue;
        const QPointF u = (b - a) / l.length();
        // Il taglio sporge un poco da entrambe le parti per aprire davvero il foro.
        auto taglio = geos_tvl::Rettangolo((a + b) / 2, u, l.length() + 4 * Taglio, Taglio);
        poligono = geos_tvl::Differenza(poligono.get(), taglio.get());
    }
    TForme aperti = geos_tvl::Forme(poligono.get());
    return aperti.isEmpty() ? TForma {} : aperti[PezzoPiuGrande(aperti)];
}

TRipartizione TRipartitore::Ripartisci(const TForma& areaUtile, int n) const
{
    TRipartizione r;
    const TForma s = Pulisci(areaUtile, r.avvisi);
    if (s.esterno.size() < 3 || n < 1)
        return r;
    if (n == 1) {
        r.parti << ApriFori(s);
        return r;
    }
    const QPointF u = DirezionePrincipale(s);
    const QPointF v(-u.y(), u.x());
    double tMin = 1e300, tMax = -1e300, wMin = 1e300, wMax = -1e300;
    for (const QPointF& p : s.esterno) {
        const double t = QPointF::dotProduct(p, u), w = QPointF::dotProduct(p, v);
        tMin = std::min(tMin, t), tMax = std::max(tMax, t);
        wMin = std::min(wMin, w), wMax = std::max(wMax, w);
    }
    const double margine = 1.0;
    const double largo = wMax - wMin + 2 * margine;
    const double wMezzo = (wMin + wMax) / 2;
    // Semipiano {t <= taglio} come rettangolo che copre tutto il locale in larghezza.
    auto semipiano = [&](double taglio) {
        const double t0 = tMin - margine;
        const QPointF c = u * ((t0 + taglio) / 2) + v * wMezzo;
        return geos_tvl::Rettangolo(c, u, taglio - t0, largo);
    };
    auto resto = geos_tvl::PoligonoValido(s);
    double inizio = tMin;
    for (int k = 0; k < n; ++k) {
        geos_tvl::TGeom parte;
        if (k == n - 1) {
            parte = std::move(resto);
        } else {
            const double obiettivo = geos_tvl::Area(resto.get()) / (n - k);
            double lo = inizio, hi = tMax;
            for (int i = 0; i < IterazioniBisezione && hi - lo > 1e-6; ++i) {
                const double mezzo = (lo + hi) / 2;
                auto prova = geos_tvl::Intersezione(resto.get(), semipiano(mezzo).get());
                (geos_tvl::Area(prova.get()) < obiettivo ? lo : hi) = mezzo;
            }
            auto taglio = semipiano((lo + hi) / 2);
            parte = geos_tvl::Intersezione(resto.get(), taglio.get());
            resto = geos_tvl::Differenza(resto.get(), taglio.get());
            inizio = (lo + hi) / 2;
        }
        TForme pezzi = geos_tvl::Forme(parte.get());
        if (pezzi.isEmpty()) {
            r.parti << TForma {};
            continue;
        }
        const int m = PezzoPiuGrande(pezzi);
        const double tutta = geos_tvl::Area(parte.get());
        if (pezzi.size() > 1 && tutta - TGeometria::Area(pezzi[m]) > 0.01)
            r.avvisi << tr("La parte %1 è divisa in %2 pezzi: il circuito copre il più grande (%3 m² di %4 m²).")
                            .arg(k + 1)
                            .arg(pezzi.size())
                            .arg(NumeroSchermo(TGeometria::Area(pezzi[m]), 2), NumeroSchermo(tutta, 2));
        r.parti << ApriFori(pezzi[m]);
    }
    return r;
}
