#include "posa/Uposa.h"

#include "posa/Ugeos.h"
#include "posa/Uripartizione.h"
#include "posa/Userpentina.h"
#include "posa/Uspirale.h"

#include <QLocale>

void TPosa::PosaZona(const TSagoma& zona, int n, double passo, bool marginale, const TLocalePosa& locale,
                     const TParametriPosa& base, QPointF collettore, const GEOSGeometry* unione, TPosaLocale& r) const
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
    const TRipartizione rip = TRipartitore(m_geos).Ripartisci(zona, n);
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
            const bool spirale = locale.schema == TSchemaPosa::Spirale;
            c.ansa = spirale ? TSpirale(m_geos).Posa(c.parte, p, collettore)
                             : TSerpentina(m_geos).Posa(c.parte, p, collettore);
            // Una parte che lo schema scelto non copre si prova con l'altro, dicendolo.
            if (!c.Posato()) {
                TCircuitoPosato altro = spirale ? TSerpentina(m_geos).Posa(c.parte, p, collettore)
                                                : TSpirale(m_geos).Posa(c.parte, p, collettore);
                if (altro.Posato()) {
                    r.avvisi << tr("Circuito %1 della %2: posato a %3 (%4)")
                                    .arg(k + 1)
                                    .arg(nomeZona, spirale ? tr("serpentina") : tr("spirale"), c.ansa.motivo);
                    c.ansa = altro;
                }
            }
        }
        if (c.Posato())
            c.collegamento
                = TCollegamenti(m_geos).Collega(collettore, c.ansa.tubo.first(), c.ansa.tubo.last(), unione, passo);
        else
            r.nonPosati << tr("Circuito %1 della %2: %3").arg(k + 1).arg(nomeZona, c.ansa.motivo);
        r.circuiti << c;
    }
}

TPosaLocale TPosa::PosaLocale(const TLocalePosa& locale, const TParametriPosa& base, QPointF collettore,
                              const QList<TSagoma>& locali) const
{
    TPosaLocale r;
    r.ID = locale.ID;
    auto utile = m_geos.Poligono(locale.areaUtile);
    TSagoma principale = locale.areaUtile, marginale;
    if (locale.zonaMarginale.esterno.size() >= 3 && locale.NAm > 0) {
        auto fascia = m_geos.Poligono(locale.zonaMarginale);
        // Le due zone si dividono l'area utile: ciascuna posa il suo pezzo più grande.
        auto sagomaDi = [&](const TGeos::TGeom& g) {
            const QList<TSagoma> pezzi = m_geos.Sagome(g.get());
            TSagoma m;
            for (const TSagoma& s : pezzi)
                if (AreaSagoma(s) > AreaSagoma(m))
                    m = s;
            return m;
        };
        principale = sagomaDi(m_geos.Differenza(utile.get(), fascia.get()));
        marginale = sagomaDi(m_geos.Intersezione(utile.get(), fascia.get()));
    }
    auto unione = m_geos.Prendi(TCollegamenti(m_geos).Unione(locali));
    PosaZona(principale, locale.NAs, locale.PassoAs, false, locale, base, collettore, unione.get(), r);
    PosaZona(marginale, locale.NAm, locale.PassoAm, true, locale, base, collettore, unione.get(), r);
    auto punto = m_geos.Prendi(GEOSGeom_createPointFromXY_r(m_geos.h(), collettore.x(), collettore.y()));
    const bool dentro = unione && m_geos.Copre(unione.get(), punto.get());
    if (!locali.isEmpty() && !dentro)
        r.avvisi << tr("Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali.");
    return r;
}
