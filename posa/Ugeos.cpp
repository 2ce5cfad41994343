#include "posa/Ugeos.h"

#include <QLineF>

#include <cmath>

double LunghezzaPolilinea(const QPolygonF& linea)
{
    double l = 0;
    for (qsizetype i = 1; i < linea.size(); ++i)
        l += QLineF(linea[i - 1], linea[i]).length();
    return l;
}

double AreaAnello(const QPolygonF& p)
{
    double a = 0;
    for (qsizetype i = 0, n = p.size(); i < n; ++i) {
        const QPointF& u = p[i];
        const QPointF& v = p[(i + 1) % n];
        a += u.x() * v.y() - v.x() * u.y();
    }
    return std::abs(a) / 2;
}

double AreaSagoma(const TSagoma& s)
{
    double a = AreaAnello(s.esterno);
    for (const QPolygonF& f : s.fori)
        a -= AreaAnello(f);
    return a;
}

TGeos::TGeos()
    : m_h(GEOS_init_r())
{ }

TGeos::~TGeos()
{
    GEOS_finish_r(m_h);
}

namespace {
// Sequenza chiusa (o aperta) di coordinate da un QPolygonF.
GEOSCoordSequence* Sequenza(GEOSContextHandle_t h, const QPolygonF& p, bool chiudi)
{
    bool giaChiuso = p.size() > 1 && p.first() == p.last();
    const unsigned n = unsigned(p.size()) + ((chiudi && !giaChiuso) ? 1 : 0);
    GEOSCoordSequence* s = GEOSCoordSeq_create_r(h, n, 2);
    for (unsigned i = 0; i < n; ++i) {
        const QPointF& q = p[i % p.size()];
        GEOSCoordSeq_setXY_r(h, s, i, q.x(), q.y());
    }
    return s;
}

QPolygonF DaSequenza(GEOSContextHandle_t h, const GEOSGeometry* g, bool togliChiusura)
{
    const GEOSCoordSequence* s = GEOSGeom_getCoordSeq_r(h, g);
    unsigned n = 0;
    GEOSCoordSeq_getSize_r(h, s, &n);
    QPolygonF p;
    p.reserve(n);
    for (unsigned i = 0; i < n; ++i) {
        double x = 0, y = 0;
        GEOSCoordSeq_getXY_r(h, s, i, &x, &y);
        p << QPointF(x, y);
    }
    if (togliChiusura && p.size() > 1 && p.first() == p.last())
        p.removeLast();
    return p;
}
} // namespace

TGeos::TGeom TGeos::Anello(const QPolygonF& contorno) const
{
    return Poligono(TSagoma {contorno, {}});
}

TGeos::TGeom TGeos::Poligono(const TSagoma& s) const
{
    if (s.esterno.size() < 3)
        return Prendi(GEOSGeom_createEmptyPolygon_r(m_h));
    GEOSGeometry* esterno = GEOSGeom_createLinearRing_r(m_h, Sequenza(m_h, s.esterno, true));
    QList<GEOSGeometry*> fori;
    for (const QPolygonF& f : s.fori)
        if (f.size() >= 3)
            fori << GEOSGeom_createLinearRing_r(m_h, Sequenza(m_h, f, true));
    GEOSGeometry* p = GEOSGeom_createPolygon_r(m_h, esterno, fori.data(), unsigned(fori.size()));
    // Un contorno disegnato a mano può intrecciarsi: lo si rende valido invece di fallire dopo.
    if (p && !GEOSisValid_r(m_h, p)) {
        GEOSGeometry* v = GEOSMakeValid_r(m_h, p);
        GEOSGeom_destroy_r(m_h, p);
        p = v;
    }
    return Prendi(p);
}

TGeos::TGeom TGeos::Linea(const QPolygonF& linea) const
{
    return Prendi(GEOSGeom_createLineString_r(m_h, Sequenza(m_h, linea, false)));
}

TGeos::TGeom TGeos::Rettangolo(QPointF c, QPointF u, double lungo, double largo) const
{
    const QPointF v(-u.y(), u.x());
    const QPointF a = u * (lungo / 2), b = v * (largo / 2);
    return Anello(QPolygonF {c - a - b, c + a - b, c + a + b, c - a + b});
}

QList<TSagoma> TGeos::Sagome(const GEOSGeometry* g) const
{
    QList<TSagoma> r;
    if (!g || GEOSisEmpty_r(m_h, g))
        return r;
    const int tipo = GEOSGeomTypeId_r(m_h, g);
    if (tipo == GEOS_POLYGON) {
        TSagoma s;
        s.esterno = DaSequenza(m_h, GEOSGetExteriorRing_r(m_h, g), true);
        for (int i = 0, n = GEOSGetNumInteriorRings_r(m_h, g); i < n; ++i)
            s.fori << DaSequenza(m_h, GEOSGetInteriorRingN_r(m_h, g, i), true);
        if (s.esterno.size() >= 3)
            r << s;
    } else if (tipo == GEOS_MULTIPOLYGON || tipo == GEOS_GEOMETRYCOLLECTION) {
        for (int i = 0, n = GEOSGetNumGeometries_r(m_h, g); i < n; ++i)
            r << Sagome(GEOSGetGeometryN_r(m_h, g, i));
    }
    return r;
}

TGeos::TGeom TGeos::Buffer(const GEOSGeometry* g, double d, bool piatto) const
{
    return Prendi(
        GEOSBufferWithStyle_r(m_h, g, d, 8, piatto ? GEOSBUF_CAP_FLAT : GEOSBUF_CAP_ROUND, GEOSBUF_JOIN_MITRE, 4.0));
}

TGeos::TGeom TGeos::Intersezione(const GEOSGeometry* a, const GEOSGeometry* b) const
{
    return Prendi(GEOSIntersection_r(m_h, a, b));
}

TGeos::TGeom TGeos::Differenza(const GEOSGeometry* a, const GEOSGeometry* b) const
{
    return Prendi(GEOSDifference_r(m_h, a, b));
}

double TGeos::Area(const GEOSGeometry* g) const
{
    double a = 0;
    if (g)
        GEOSArea_r(m_h, g, &a);
    return a;
}

bool TGeos::Copre(const GEOSGeometry* a, const GEOSGeometry* b) const
{
    return GEOSCovers_r(m_h, a, b) == 1;
}
