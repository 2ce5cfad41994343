#include "Ugeometria.h"
#include "Ugeos.h"
#include "data/Uformato.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace geos_tvl;

namespace {

// Sotto questa distanza (m) due vertici sono lo stesso punto; sotto questa area (m²) non c'è area.
constexpr double EpsPunto = 1e-6;
constexpr double EpsArea = 1e-6;

bool Coincidenti(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) <= EpsPunto && std::abs(a.y() - b.y()) <= EpsPunto;
}

// Tutti i vertici sulla retta dei primi due (a meno di EpsPunto).
bool Allineati(const QPolygonF& c)
{
    const QPointF d = c[1] - c[0];
    const double l = std::hypot(d.x(), d.y());
    return std::all_of(c.begin(), c.end(), [&](QPointF p) {
        const QPointF q = p - c[0];
        return std::abs(d.x() * q.y() - d.y() * q.x()) / l <= EpsPunto;
    });
}

// Distanza euclidea dal punto al segmento.
double DistanzaSegmento(QPointF p, const QLineF& s)
{
    const QPointF d = s.p2() - s.p1();
    const double l2 = QPointF::dotProduct(d, d);
    double t = l2 > 0 ? QPointF::dotProduct(p - s.p1(), d) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = s.p1() + t * d - p;
    return std::hypot(q.x(), q.y());
}

// Distanza a tratti orizzontali e verticali dal punto al segmento: |dx|+|dy| è convessa e lineare
// a tratti lungo il segmento, quindi il minimo sta agli estremi o dove dx o dy si annulla.
double ManhattanSegmento(QPointF p, QPointF a, QPointF b)
{
    auto l1 = [&](double t) {
        const QPointF q = a + t * (b - a);
        return std::abs(q.x() - p.x()) + std::abs(q.y() - p.y());
    };
    double m = std::min(l1(0), l1(1));
    if (a.x() != b.x()) {
        const double t = (p.x() - a.x()) / (b.x() - a.x());
        if (t > 0 && t < 1)
            m = std::min(m, l1(t));
    }
    if (a.y() != b.y()) {
        const double t = (p.y() - a.y()) / (b.y() - a.y());
        if (t > 0 && t < 1)
            m = std::min(m, l1(t));
    }
    return m;
}

// Catene di lati consecutivi scelti, come spezzate nell'ordine del contorno. Se sono scelti
// tutti i lati, la catena fa il giro e ripete il primo lato perché anche l'ultimo spigolo
// abbia il suo raccordo.
QList<QPolygonF> Catene(const QPolygonF& c, const QList<int>& lati)
{
    const int n = int(c.size());
    QList<bool> scelto(n, false);
    for (int i : lati)
        if (i >= 0 && i < n)
            scelto[i] = true;
    QList<QPolygonF> catene;
    if (!scelto.contains(false)) {
        QPolygonF giro = c;
        giro << c[0] << c[1];
        catene << giro;
        return catene;
    }
    for (int s = 0; s < n; ++s) {
        if (!scelto[s] || scelto[(s + n - 1) % n])
            continue;
        QPolygonF catena {c[s]};
        for (int i = s; scelto[i % n] && catena.size() <= n; ++i)
            catena << c[(i + 1) % n];
        catene << catena;
    }
    return catene;
}

} // namespace

double TGeometria::AreaConSegno(const QPolygonF& c)
{
    double doppia = 0;
    const qsizetype n = c.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF& a = c[i];
        const QPointF& b = c[(i + 1) % n];
        doppia += a.x() * b.y() - b.x() * a.y();
    }
    return doppia / 2;
}

double TGeometria::Area(const QPolygonF& c)
{
    return std::abs(AreaConSegno(c));
}

double TGeometria::Area(const TForma& forma)
{
    double a = Area(forma.esterno);
    for (const QPolygonF& foro : forma.fori)
        a -= Area(foro);
    return a;
}

double TGeometria::Area(const TForme& forme)
{
    double a = 0;
    for (const TForma& f : forme)
        a += Area(f);
    return a;
}

QPolygonF TGeometria::Pulisci(const QPolygonF& c)
{
    QPolygonF p;
    for (const QPointF& q : c)
        if (p.isEmpty() || !Coincidenti(p.last(), q))
            p << q;
    while (p.size() > 1 && Coincidenti(p.first(), p.last()))
        p.removeLast();
    return p;
}

QString TGeometria::Difetto(const QPolygonF& c)
{
    if (c.size() < 3)
        return tr("Il contorno deve avere almeno tre vertici.");
    for (const QPointF& p : c)
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return tr("Il contorno ha coordinate non valide.");
    for (qsizetype i = 0; i < c.size(); ++i)
        if (Coincidenti(c[i], c[(i + 1) % c.size()]))
            return tr("Il contorno ha due vertici consecutivi coincidenti (vertice %1).").arg(i + 1);
    if (Allineati(c))
        return tr("Il contorno ha area nulla.");
    TGeom poligono = Poligono(Forma(c));
    char* motivo = nullptr;
    GEOSGeometry* dove = nullptr;
    const char valido = GEOSisValidDetail_r(Contesto(), poligono.get(), 0, &motivo, &dove);
    GEOSFree_r(Contesto(), motivo);
    if (valido == 1)
        return Area(c) < EpsArea ? tr("Il contorno ha area nulla.") : QString();
    QString testo = tr("Il contorno si interseca con se stesso.");
    double x = 0, y = 0;
    if (dove && GEOSGeomGetX_r(Contesto(), dove, &x) && GEOSGeomGetY_r(Contesto(), dove, &y))
        testo = tr("Il contorno si interseca con se stesso vicino al punto (%1; %2).")
                    .arg(NumeroSchermo(x, 2))
                    .arg(NumeroSchermo(y, 2));
    if (dove)
        GEOSGeom_destroy_r(Contesto(), dove);
    return testo;
}

TForme TGeometria::Unione(const TForme& forme)
{
    TGeom m = MultiPoligono(forme);
    return Forme(Unita(m.get()).get());
}

TForme TGeometria::Differenza(const TForme& a, const TForme& b)
{
    TGeom ga = MultiPoligono(Unione(a)), gb = MultiPoligono(Unione(b));
    TGeom d(GEOSDifference_r(Contesto(), ga.get(), gb.get()));
    return Forme(d.get());
}

TForme TGeometria::Intersezione(const TForme& a, const TForme& b)
{
    TGeom ga = MultiPoligono(Unione(a)), gb = MultiPoligono(Unione(b));
    TGeom i(GEOSIntersection_r(Contesto(), ga.get(), gb.get()));
    return Forme(i.get());
}

TForme TGeometria::AreaUtile(const QPolygonF& contorno, const QList<QPolygonF>& zone, QString* motivo)
{
    auto rifiuta = [&](const QString& testo) {
        if (motivo)
            *motivo = testo;
        return TForme {};
    };
    if (const QString d = Difetto(contorno); !d.isEmpty())
        return rifiuta(tr("Il contorno del locale non è valido: %1").arg(d));
    TForme togliere;
    for (qsizetype i = 0; i < zone.size(); ++i) {
        if (const QString d = Difetto(zone[i]); !d.isEmpty())
            return rifiuta(tr("La zona senza tubi n. %1 non è valida: %2").arg(i + 1).arg(d));
        togliere << Forma(zone[i]);
    }
    const TForme utile = Differenza({Forma(contorno)}, togliere);
    if (Area(utile) < EpsArea)
        return rifiuta(tr("Le zone senza tubi coprono tutto il locale."));
    if (motivo)
        motivo->clear();
    return utile;
}

TForme TGeometria::StrisciaMarginale(const QPolygonF& contorno, const QList<int>& lati, const TForme& utile,
                                     double larghezza)
{
    if (larghezza <= 0 || lati.isEmpty() || utile.isEmpty() || !Difetto(contorno).isEmpty())
        return {};
    GEOSContextHandle_t c = Contesto();
    // Il buffer da un lato solo va a sinistra con distanza positiva: l'interno sta a sinistra
    // se il contorno gira in senso antiorario, a destra altrimenti.
    const double verso = AreaConSegno(contorno) > 0 ? 1 : -1;
    GEOSBufferParams* par = GEOSBufferParams_create_r(c);
    GEOSBufferParams_setSingleSided_r(c, par, 1);
    GEOSBufferParams_setJoinStyle_r(c, par, GEOSBUF_JOIN_MITRE);
    GEOSBufferParams_setMitreLimit_r(c, par, 10);
    TGeom locale = Poligono(Forma(contorno));
    TForme striscia;
    for (const QPolygonF& catena : Catene(contorno, lati)) {
        TGeom linea = Linea(catena);
        TGeom fascia(GEOSBufferWithParams_r(c, linea.get(), par, verso * larghezza));
        TGeom dentro(GEOSIntersection_r(c, fascia.get(), locale.get()));
        // Solo i pezzi attaccati al muro: la fascia può attraversare una parte stretta del
        // locale e ricomparire in un'altra ala, che non è lungo quel muro.
        for (const TForma& pezzo : Forme(dentro.get())) {
            TGeom g = Poligono(pezzo);
            double d = 1;
            if (GEOSDistance_r(c, g.get(), linea.get(), &d) && d < EpsPunto)
                striscia << pezzo;
        }
    }
    GEOSBufferParams_destroy_r(c, par);
    if (striscia.isEmpty())
        return {};
    return Intersezione(striscia, utile);
}

int TGeometria::DistanzaManhattan(QPointF punto, const QPolygonF& contorno)
{
    if (contorno.size() < 2 || contorno.containsPoint(punto, Qt::OddEvenFill))
        return 0;
    double m = std::numeric_limits<double>::infinity();
    for (qsizetype i = 0; i < contorno.size(); ++i)
        m = std::min(m, ManhattanSegmento(punto, contorno[i], contorno[(i + 1) % contorno.size()]));
    // Il millimetro di rumore delle coordinate non deve far salire di un metro intero.
    return int(std::ceil(m - 1e-6));
}

TForme TGeometria::Poligonizza(const QList<QLineF>& segmenti)
{
    if (segmenti.isEmpty())
        return {};
    GEOSContextHandle_t c = Contesto();
    TGeom linee = MultiLinea(segmenti);
    // Il passo di un decimo di millimetro chiude gli estremi quasi coincidenti e spezza le
    // linee negli incroci.
    TGeom nodi(GEOSGeom_setPrecision_r(c, linee.get(), 1e-4, 0));
    if (!nodi)
        return {};
    TGeom unite(GEOSUnaryUnion_r(c, nodi.get()));
    if (!unite)
        return {};
    const GEOSGeometry* ingresso[] = {unite.get()};
    TGeom regioni(GEOSPolygonize_r(c, ingresso, 1));
    return Forme(regioni.get());
}

int TGeometria::RegioneContenente(const TForme& regioni, QPointF punto)
{
    int migliore = -1;
    double areaMigliore = std::numeric_limits<double>::infinity();
    for (int i = 0; i < regioni.size(); ++i) {
        const TForma& r = regioni[i];
        if (!r.esterno.containsPoint(punto, Qt::OddEvenFill))
            continue;
        if (std::any_of(r.fori.begin(), r.fori.end(),
                        [&](const QPolygonF& f) { return f.containsPoint(punto, Qt::OddEvenFill); }))
            continue;
        if (const double a = Area(r); a < areaMigliore) {
            areaMigliore = a;
            migliore = i;
        }
    }
    return migliore;
}

std::optional<QPointF> TGeometria::AgganciaEstremo(QPointF p, const QList<QLineF>& segmenti, double tolleranza)
{
    std::optional<QPointF> migliore;
    double dMigliore = tolleranza;
    for (const QLineF& s : segmenti)
        for (QPointF e : {s.p1(), s.p2()})
            if (const double d = QLineF(p, e).length(); d <= dMigliore) {
                dMigliore = d;
                migliore = e;
            }
    return migliore;
}

std::optional<QPointF> TGeometria::AgganciaIntersezione(QPointF p, const QList<QLineF>& segmenti, double tolleranza)
{
    // Solo i segmenti che passano vicino al cursore: le coppie restano poche anche su piante grandi.
    QList<QLineF> vicini;
    for (const QLineF& s : segmenti)
        if (DistanzaSegmento(p, s) <= tolleranza)
            vicini << s;
    std::optional<QPointF> migliore;
    double dMigliore = tolleranza;
    for (qsizetype i = 0; i < vicini.size(); ++i)
        for (qsizetype j = i + 1; j < vicini.size(); ++j) {
            QPointF x;
            if (vicini[i].intersects(vicini[j], &x) != QLineF::BoundedIntersection)
                continue;
            if (const double d = QLineF(p, x).length(); d <= dMigliore) {
                dMigliore = d;
                migliore = x;
            }
        }
    return migliore;
}

QPointF TGeometria::AgganciaAngolo(QPointF origine, QPointF p)
{
    const QPointF d = p - origine;
    const double passo = M_PI / 4;
    const double angolo = std::round(std::atan2(d.y(), d.x()) / passo) * passo;
    const QPointF dir(std::cos(angolo), std::sin(angolo));
    const double l = QPointF::dotProduct(d, dir);
    // Le direzioni esatte (0, 90°) non devono lasciare residui come 6e-17.
    auto netto = [](double v) { return std::abs(v) < 1e-12 ? 0.0 : v; };
    return origine + QPointF(netto(dir.x()), netto(dir.y())) * l;
}

QPointF TGeometria::AgganciaGriglia(QPointF p, double passo)
{
    if (passo <= 0)
        return p;
    return {std::round(p.x() / passo) * passo, std::round(p.y() / passo) * passo};
}

TAggancio TGeometria::Aggancia(QPointF p, const QList<QLineF>& segmenti, double tolleranza, double passoGriglia)
{
    if (auto e = AgganciaEstremo(p, segmenti, tolleranza))
        return {*e, TTipoAggancio::Estremo};
    if (auto x = AgganciaIntersezione(p, segmenti, tolleranza))
        return {*x, TTipoAggancio::Intersezione};
    if (passoGriglia > 0)
        return {AgganciaGriglia(p, passoGriglia), TTipoAggancio::Griglia};
    return {p, TTipoAggancio::Nessuno};
}
