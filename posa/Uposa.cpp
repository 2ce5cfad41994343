#include "posa/Uposa.h"

#include "pianta/Ugeos.h"
#include "posa/Uripartizione.h"
#include "posa/Userpentina.h"
#include "posa/Uspirale.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
double DistanzaDaBordo(const QPolygonF& anello, QPointF q)
{
    double migliore = 1e300;
    for (qsizetype i = 0; i < anello.size(); ++i) {
        const QPointF a = anello[i], d = anello[(i + 1) % anello.size()] - a;
        const double l2 = QPointF::dotProduct(d, d);
        const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(q - a, d) / l2, 0.0, 1.0) : 0;
        const QPointF v = q - (a + t * d);
        migliore = std::min(migliore, std::hypot(v.x(), v.y()));
    }
    return migliore;
}

// 0 dentro la forma, altrimenti la distanza dal suo bordo più vicino (esterno o foro).
double DistanzaDaForma(const TForma& f, QPointF q)
{
    const auto dentro = [&](const QPolygonF& a) { return a.containsPoint(q, Qt::OddEvenFill); };
    if (dentro(f.esterno) && std::none_of(f.fori.cbegin(), f.fori.cend(), dentro))
        return 0;
    double d = DistanzaDaBordo(f.esterno, q);
    for (const QPolygonF& foro : f.fori)
        d = std::min(d, DistanzaDaBordo(foro, q));
    return d;
}
} // namespace

QPointF TPosa::Verso(const TLocalePosa& locale, const TCircuitoLocale& c, QPointF collettore, const QString& nomeZona,
                     TPosaLocale& r) const
{
    const auto scelto = locale.ingressi.constFind({c.marginale, c.numero});
    if (scelto == locale.ingressi.cend())
        return collettore;
    // Scelto a mano: vale finché il punto sta nella parte del circuito o vicino al suo bordo.
    if (DistanzaDaForma(c.parte, *scelto) <= MargineIngresso)
        return *scelto;
    r.avvisi << tr("Circuito %1 della %2: l'ingresso scelto è lontano dalla sua parte, si usa quello automatico.")
                    .arg(c.numero)
                    .arg(nomeZona);
    return collettore;
}

void TPosa::PosaZona(const TForma& zona, int n, double passo, bool marginale, const TLocalePosa& locale,
                     const TParametriPosa& base, QPointF collettore, const geos_tvl::TPreparata& unione,
                     TPosaLocale& r) const
{
    if (n <= 0)
        return;
    const QString nomeZona = marginale ? tr("zona marginale") : tr("zona principale");
    if (passo <= 0) {
        for (int k = 1; k <= n; ++k)
            r.nonPosati << tr("Circuito %1 della %2: passo non calcolato.").arg(k).arg(nomeZona);
        return;
    }
    TParametriPosa p = base;
    p.passo = passo;
    const TRipartizione rip = TRipartitore().Ripartisci(zona, n);
    r.avvisi += rip.avvisi;
    for (int k = 0; k < n; ++k) {
        TCircuitoLocale c;
        c.marginale = marginale;
        c.numero = k + 1;
        if (k < rip.parti.size())
            c.parte = rip.parti[k];
        if (c.parte.esterno.size() < 3) {
            c.ansa.motivo = tr("Nessuna area di posa per questo circuito.");
        } else {
            const QPointF verso = Verso(locale, c, collettore, nomeZona, r);
            const bool spirale = locale.schema == TSchemaPosa::Spirale;
            c.ansa = spirale ? TSpirale().Posa(c.parte, p, verso) : TSerpentina().Posa(c.parte, p, verso);
            // Una parte che lo schema scelto non copre si prova con l'altro, dicendolo.
            if (!c.Posato()) {
                TCircuitoPosato altro
                    = spirale ? TSerpentina().Posa(c.parte, p, verso) : TSpirale().Posa(c.parte, p, verso);
                if (altro.Posato()) {
                    r.avvisi << tr("Circuito %1 della %2: posato a %3 (%4)")
                                    .arg(k + 1)
                                    .arg(nomeZona, spirale ? tr("serpentina") : tr("spirale"), c.ansa.motivo);
                    c.ansa = altro;
                }
            } else if (!c.ansa.ripiego.isEmpty()) {
                r.avvisi << tr("Circuito %1 della %2: %3").arg(k + 1).arg(nomeZona, c.ansa.ripiego);
            }
        }
        if (c.Posato())
            c.collegamento
                = TCollegamenti().Collega(collettore, c.ansa.tubo.first(), c.ansa.tubo.last(), unione, passo);
        else
            r.nonPosati << tr("Circuito %1 della %2: %3").arg(k + 1).arg(nomeZona, c.ansa.motivo);
        r.circuiti << c;
    }
}

TPosaLocale TPosa::PosaLocale(const TLocalePosa& locale, const TParametriPosa& base, QPointF collettore,
                              const TForme& locali) const
{
    const geos_tvl::TPreparata unione(geos_tvl::UnioneDi(locali));
    return PosaLocale(locale, base, collettore, unione);
}

TPosaLocale TPosa::PosaLocale(const TLocalePosa& locale, const TParametriPosa& base, QPointF collettore,
                              const geos_tvl::TPreparata& unione) const
{
    TPosaLocale r;
    r.ID = locale.ID;
    auto utile = geos_tvl::PoligonoValido(locale.areaUtile);
    TForma principale = locale.areaUtile, marginale;
    if (locale.zonaMarginale.esterno.size() >= 3 && locale.NAm > 0) {
        auto fascia = geos_tvl::PoligonoValido(locale.zonaMarginale);
        // Le due zone si dividono l'area utile: ciascuna posa il suo pezzo più grande.
        auto sagomaDi = [&](const geos_tvl::TGeom& g) {
            const TForme pezzi = geos_tvl::Forme(g.get());
            TForma m;
            for (const TForma& s : pezzi)
                if (TGeometria::Area(s) > TGeometria::Area(m))
                    m = s;
            return m;
        };
        principale = sagomaDi(geos_tvl::Differenza(utile.get(), fascia.get()));
        marginale = sagomaDi(geos_tvl::Intersezione(utile.get(), fascia.get()));
    }
    PosaZona(principale, locale.NAs, locale.PassoAs, false, locale, base, collettore, unione, r);
    PosaZona(marginale, locale.NAm, locale.PassoAm, true, locale, base, collettore, unione, r);
    if (!geos_tvl::Vuota(unione.Geometria()) && !unione.Copre(collettore))
        r.avvisi << tr("Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali.");
    return r;
}
