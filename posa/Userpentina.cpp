#include "posa/Userpentina.h"

#include "data/Uformato.h"
#include "pianta/Ugeos.h"
#include "posa/Ualbero.h"
#include "posa/Uripartizione.h"

#include <QLineF>
#include <QLocale>

#include <algorithm>

namespace {
struct TPassata
{
    double da = 0, a = 0; // ascisse lungo la direzione principale
    double w = 0; // ordinata della passata
};
} // namespace

QPolygonF TSerpentina::AsseCon(const TForma& parte, const TParametriPosa& p, QPointF verso, QPointF u,
                               int partenza) const
{
    const double s = p.passo, c = p.Distanza();
    auto g = geos_tvl::PoligonoValido(parte);
    auto campo = geos_tvl::Buffer(g.get(), -(c + s / 2));
    const TForme limite = geos_tvl::Forme(geos_tvl::Buffer(g.get(), -c).get());
    if (limite.isEmpty() || GEOSisEmpty_r(geos_tvl::Contesto(), campo.get()))
        return {};
    const QPointF v(-u.y(), u.x());
    double tMin = 1e300, tMax = -1e300, wMin = 1e300, wMax = -1e300;
    for (const TForma& pezzo : geos_tvl::Forme(campo.get()))
        for (const QPointF& q : pezzo.esterno) {
            tMin = std::min(tMin, QPointF::dotProduct(q, u)), tMax = std::max(tMax, QPointF::dotProduct(q, u));
            wMin = std::min(wMin, QPointF::dotProduct(q, v)), wMax = std::max(wMax, QPointF::dotProduct(q, v));
        }
    // Si parte dal lato (in larghezza) più vicino al punto verso.
    // partenza 0: dal lato più vicino a verso; 1, 2, 3: gli altri tre angoli.
    const bool dalBasso = (QPointF::dotProduct(verso, v) <= (wMin + wMax) / 2) != bool(partenza & 1);
    const bool versoDestra = (QPointF::dotProduct(verso, u) <= (tMin + tMax) / 2) != bool(partenza & 2);
    auto punto = [&](double t, double w) { return u * t + v * w; };
    QList<TPassata> passate;
    const double eps = 1e-5;
    for (int k = 0; k < 2 * p.maxAnelli; ++k) {
        if (2 * s * k > wMax - wMin + 1e-9)
            break;
        // L'ultima passata può stare sul bordo del campo: la si tiene appena dentro.
        const double w
            = dalBasso ? std::min(wMin + eps + 2 * s * k, wMax - eps) : std::max(wMax - eps - 2 * s * k, wMin + eps);
        auto retta = geos_tvl::Linea(QPolygonF {punto(tMin - 1, w), punto(tMax + 1, w)});
        auto tagli = geos_tvl::Intersezione(campo.get(), retta.get());
        // Tra i tratti della retta dentro il campo, quello più sovrapposto alla passata prima.
        TPassata migliore;
        double punteggio = -1e300;
        for (int i = 0, n = GEOSGetNumGeometries_r(geos_tvl::Contesto(), tagli.get()); i < n; ++i) {
            const GEOSGeometry* t = GEOSGetGeometryN_r(geos_tvl::Contesto(), tagli.get(), i);
            if (GEOSGeomTypeId_r(geos_tvl::Contesto(), t) != GEOS_LINESTRING)
                continue;
            double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
            const GEOSCoordSequence* sq = GEOSGeom_getCoordSeq_r(geos_tvl::Contesto(), t);
            unsigned np = 0;
            GEOSCoordSeq_getSize_r(geos_tvl::Contesto(), sq, &np);
            if (np < 2)
                continue;
            GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, 0, &x0, &y0);
            GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, np - 1, &x1, &y1);
            double a = QPointF::dotProduct(QPointF(x0, y0), u), b = QPointF::dotProduct(QPointF(x1, y1), u);
            if (a > b)
                std::swap(a, b);
            const double sovrapp
                = passate.isEmpty() ? b - a : std::min(b, passate.last().a) - std::max(a, passate.last().da);
            if (sovrapp > punteggio)
                punteggio = sovrapp, migliore = TPassata {a, b, w};
        }
        if (punteggio <= 0 || migliore.a - migliore.da < s)
            break;
        passate << migliore;
    }
    if (passate.isEmpty())
        return {};
    QPolygonF asse;
    for (int k = 0; k < passate.size(); ++k) {
        const TPassata& ps = passate[k];
        const bool avanti = (k % 2 == 0) == versoDestra;
        QPointF p0 = punto(avanti ? ps.da : ps.a, ps.w), p1 = punto(avanti ? ps.a : ps.da, ps.w);
        if (k > 0) {
            // Il collegamento alla passata nuova deve stare nel campo, se no ci si ferma.
            auto ponte = geos_tvl::Linea(QPolygonF {asse.last(), p0});
            if (!geos_tvl::Copre(geos_tvl::Buffer(campo.get(), 1e-6).get(), ponte.get()))
                break;
        } else {
            const QPolygonF bordo = Anelli::Antiorario(limite.first().esterno);
            asse << Anelli::PiuVicino(bordo, p0);
            if (QLineF(asse.first(), p0).length() < 1e-9)
                asse.removeFirst();
        }
        asse << p0 << p1;
    }
    return asse.size() >= 3 ? asse : QPolygonF {};
}

QList<QPolygonF> TSerpentina::Candidati(const TForma& parte, const TParametriPosa& p, QPointF verso, bool tutti) const
{
    // Le passate lungo la direzione principale si spezzano dove una rientranza le taglia: si
    // provano anche la direzione perpendicolare, quelle del lato più lungo e i quattro angoli
    // di partenza, e vince l'asse più lungo (copre di più); a pari lunghezza, il primo trovato
    // (ingresso dal lato del collettore, direzione principale).
    const QPointF u = TRipartitore().DirezionePrincipale(parte);
    // Di solito basta la prima prova: le passate coprono già quasi tutta la parte.
    const QPolygonF primo = AsseCon(parte, p, verso, u, 0);
    if (!tutti && LunghezzaPolilinea(primo) * 2 * p.passo >= 0.9 * TGeometria::Area(parte))
        return {primo};
    QList<QPointF> direzioni {u, QPointF(-u.y(), u.x())};
    const QPolygonF& e = parte.esterno;
    QLineF lato;
    for (qsizetype i = 0; i < e.size(); ++i)
        if (QLineF l(e[i], e[(i + 1) % e.size()]); l.length() > lato.length())
            lato = l;
    if (lato.length() > 0) {
        const QPointF d = (lato.p2() - lato.p1()) / lato.length();
        for (QPointF w : {d, QPointF(-d.y(), d.x())})
            if (std::none_of(direzioni.begin(), direzioni.end(),
                             [&](QPointF x) { return std::abs(x.x() * w.y() - x.y() * w.x()) < 1e-6; }))
                direzioni << w;
    }
    QList<std::pair<double, QPolygonF>> assi;
    for (QPointF d : direzioni)
        for (int partenza = 0; partenza < 4; ++partenza) {
            const QPolygonF a = AsseCon(parte, p, verso, d, partenza);
            if (!a.isEmpty())
                assi.append({LunghezzaPolilinea(a), a});
        }
    std::stable_sort(assi.begin(), assi.end(), [](const auto& a, const auto& b) { return a.first > b.first + 1e-6; });
    QList<QPolygonF> r;
    for (const auto& a : assi)
        r << a.second;
    return r;
}

QPolygonF TSerpentina::Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    return Candidati(parte, p, verso, false).value(0);
}

TCircuitoPosato TSerpentina::Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    TCircuitoPosato c = PosaSemplice(parte, p, verso);
    // Un foro o una rientranza fermano le passate prima della fine della parte: l'albero di
    // passate ci gira intorno e la riempie (se copre davvero di più: tempo limitato).
    if (!c.Posato() || c.lunghezza * p.passo < 0.86 * TGeometria::Area(parte))
        if (TCircuitoPosato a = TAlbero().Posa(parte, p, verso, 1.03 * c.lunghezza); a.Posato())
            return a;
    return c;
}

TCircuitoPosato TSerpentina::PosaSemplice(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    QList<QPolygonF> assi = Candidati(parte, p, verso, false);
    if (assi.size() == 1) {
        TCircuitoPosato c = TTracciatore().TuboDaAsse(assi.first(), parte, p);
        if (c.Posato())
            return c;
        assi = Candidati(parte, p, verso, true);
    }
    if (assi.isEmpty()) {
        TCircuitoPosato c;
        c.motivo
            = tr("La parte è troppo stretta per un circuito al passo di %1 cm.").arg(NumeroSchermo(p.passo * 100, 1));
        return c;
    }
    // Il tubo del migliore; se non sta nella parte, dei successivi (al più tre prove: tempo limitato).
    TCircuitoPosato c;
    for (int i = 0; i < std::min<int>(3, int(assi.size())); ++i) {
        c = TTracciatore().TuboDaAsse(assi[i], parte, p);
        if (c.Posato())
            break;
    }
    return c;
}
