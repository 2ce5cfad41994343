#include "posa/Uspirale.h"

#include "pianta/Ugeos.h"

#include <QLineF>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
constexpr double Corda = 0.001; // m

// Pezzo di rientro più vicino al punto dato (il rientro di una forma concava può dividersi).
QPolygonF AnelloVicino(const TForme& pezzi, QPointF p)
{
    double migliore = 1e300;
    QPolygonF r;
    for (const TForma& s : pezzi) {
        const double d = QLineF(Anelli::PiuVicino(s.esterno, p), p).length();
        if (d < migliore)
            migliore = d, r = s.esterno;
    }
    return Anelli::Antiorario(r);
}
} // namespace

QPolygonF TSpirale::Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    const double s = p.passo, c = p.Distanza();
    const double salto = 2 * s; // varco di ogni giro: il collegamento al giro dopo ci passa a un passo dai vicini
    auto g = geos_tvl::PoligonoValido(parte);
    const TForme limite = geos_tvl::Forme(geos_tvl::Rientro(g.get(), c + Corda).get());
    if (limite.isEmpty())
        return {};
    // Giri a due passi l'uno dall'altro; un giro i cui lati opposti distano meno di due passi
    // (il rientro di un altro passo è vuoto) farebbe toccare la fascia con sé stessa.
    QList<QPolygonF> giri;
    QPointF riferimento = verso;
    for (int k = 0; k < p.maxAnelli; ++k) {
        // Un millimetro in più: gli archi attorno agli spigoli rientranti sono spezzate, le cui
        // corde passano un poco più vicine all'angolo dell'arco vero.
        const double rientro = c + Corda + s / 2 + k * 2 * s;
        const TForme pezzi = geos_tvl::Forme(geos_tvl::Rientro(g.get(), rientro).get());
        if (pezzi.isEmpty()
            || GEOSisEmpty_r(geos_tvl::Contesto(), geos_tvl::Rientro(g.get(), rientro + s * 1.05).get()))
            break;
        const QPolygonF anello = AnelloVicino(pezzi, riferimento);
        if (Anelli::Perimetro(anello) < salto + 4 * s)
            break;
        giri << anello;
        riferimento = Anelli::PiuVicino(anello, riferimento);
    }
    if (giri.isEmpty())
        return {};
    // L'ingresso è sul lato del primo giro più vicino a verso, spostato in avanti sul lato
    // perché la scala dei collegamenti (un varco indietro per giro) resti sullo stesso lato.
    const QPolygonF& primo = giri.first();
    double inizio = Anelli::Proietta(primo, verso);
    {
        // Mai su uno spigolo: a meno di un passo dalla fine del lato si passa al lato dopo.
        QList<double> fini;
        double sv = 0;
        for (qsizetype i = 0, n = primo.size(); i < n; ++i)
            fini << (sv += QLineF(primo[i], primo[(i + 1) % n]).length());
        const double per = sv;
        for (int giro = 0; giro < 2; ++giro) {
            inizio = std::fmod(inizio, per);
            qsizetype i = 0;
            while (i + 1 < fini.size() && inizio >= fini[i])
                ++i;
            const double fine = fini[i], lato = fine - (i > 0 ? fini[i - 1] : 0);
            if (fine - inizio < 2 * s && giro == 0) {
                inizio = fine + std::min(2 * s, lato / 2);
                continue;
            }
            const double voluto = inizio + giri.size() * 2 * salto;
            inizio = std::max(inizio, std::min(voluto, fine - 2 * s));
            break;
        }
    }
    QPolygonF asse;
    const QPointF p0 = Anelli::Punto(primo, inizio);
    asse << Anelli::PiuVicino(Anelli::Antiorario(AnelloVicino(limite, p0)), p0);
    for (int k = 0; k < giri.size(); ++k) {
        const QPolygonF& anello = giri[k];
        if (k > 0) {
            inizio = Anelli::Proietta(anello, asse.last());
            // Il collegamento deve scendere di due passi, non saltare altrove.
            if (QLineF(asse.last(), Anelli::Punto(anello, inizio)).length() > 2 * s * 1.2)
                break;
        }
        QPolygonF arco = Anelli::Arco(anello, inizio, Anelli::Perimetro(anello) - salto);
        if (QLineF(asse.last(), arco.first()).length() < 1e-9)
            arco.removeFirst();
        asse += arco;
    }
    return asse.size() >= 3 ? asse : QPolygonF {};
}

QPolygonF TSpirale::Coda(const TForma& parte, const TParametriPosa& p, const QPolygonF& asse) const
{
    // Il centro lasciato dall'ultimo giro (più stretto di due passi) si copre con un tratto
    // lungo il suo asse lungo: ogni punto del centro dista almeno due passi dall'ultimo giro.
    const double s = p.passo, c = p.Distanza();
    auto g = geos_tvl::PoligonoValido(parte);
    int giri = 0;
    for (; giri < p.maxAnelli; ++giri)
        if (GEOSisEmpty_r(geos_tvl::Contesto(), geos_tvl::Rientro(g.get(), c + s / 2 + giri * 2 * s).get()))
            break;
    TForme centro;
    for (int k = giri; k >= 1 && centro.isEmpty(); --k)
        centro = geos_tvl::Forme(geos_tvl::Rientro(g.get(), c + s / 2 + k * 2 * s).get());
    if (centro.isEmpty() || asse.isEmpty())
        return {};
    const QPolygonF regione = AnelloVicino(centro, asse.last());
    auto geom = geos_tvl::PoligonoValido(TForma {regione, {}});
    auto rett = geos_tvl::Forme(geos_tvl::TGeom(GEOSMinimumRotatedRectangle_r(geos_tvl::Contesto(), geom.get())).get());
    if (rett.isEmpty() || rett.first().esterno.size() < 4)
        return {};
    const QPolygonF& r = rett.first().esterno;
    QLineF a(r[0], r[1]), b(r[1], r[2]);
    const bool lungoA = a.length() >= b.length();
    const QLineF lato = lungoA ? a : b, corto = lungoA ? b : a;
    const QPointF meta = (corto.p1() + corto.p2()) / 2 - corto.p1();
    QPolygonF spina {lato.p1() + meta, lato.p2() + meta};
    auto pezzi = geos_tvl::Intersezione(geom.get(), geos_tvl::Linea(spina).get());
    QPolygonF migliore;
    for (int i = 0, n = GEOSGetNumGeometries_r(geos_tvl::Contesto(), pezzi.get()); i < n; ++i) {
        const GEOSGeometry* t = GEOSGetGeometryN_r(geos_tvl::Contesto(), pezzi.get(), i);
        if (GEOSGeomTypeId_r(geos_tvl::Contesto(), t) != GEOS_LINESTRING)
            continue;
        const GEOSCoordSequence* sq = GEOSGeom_getCoordSeq_r(geos_tvl::Contesto(), t);
        unsigned np = 0;
        GEOSCoordSeq_getSize_r(geos_tvl::Contesto(), sq, &np);
        if (np < 2)
            continue;
        double x0, y0, x1, y1;
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, 0, &x0, &y0);
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, np - 1, &x1, &y1);
        const QPolygonF seg {QPointF(x0, y0), QPointF(x1, y1)};
        if (migliore.isEmpty() || LunghezzaPolilinea(seg) > LunghezzaPolilinea(migliore))
            migliore = seg;
    }
    if (migliore.isEmpty() || LunghezzaPolilinea(migliore) < s)
        return {};
    if (QLineF(asse.last(), migliore.last()).length() < QLineF(asse.last(), migliore.first()).length())
        std::reverse(migliore.begin(), migliore.end());
    return migliore;
}

TCircuitoPosato TSpirale::Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    const QPolygonF asse = Asse(parte, p, verso);
    if (asse.isEmpty()) {
        TCircuitoPosato c;
        c.motivo = tr("La parte è troppo stretta per un circuito al passo di %1 cm.")
                       .arg(QLocale().toString(p.passo * 100, 'f', 1));
        return c;
    }
    // Con la coda al centro se il tubo che ne nasce è valido, altrimenti senza.
    const QPolygonF coda = Coda(parte, p, asse);
    if (!coda.isEmpty()) {
        TCircuitoPosato conCoda = TTracciatore().TuboDaAsse(asse + coda, parte, p);
        if (conCoda.Posato())
            return conCoda;
    }
    return TTracciatore().TuboDaAsse(asse, parte, p);
}
