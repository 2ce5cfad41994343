#pragma once
// Involucro minimo sull'API C rientrante di GEOS: un contesto per oggetto (non condiviso fra
// thread), geometrie con proprietà unica, conversioni da e verso TSagoma.
#include "posa/Usagoma.h"

#include <geos_c.h>

#include <memory>

class TGeos
{
public:
    TGeos();
    ~TGeos();
    TGeos(const TGeos&) = delete;
    TGeos& operator=(const TGeos&) = delete;

    struct TCancella
    {
        GEOSContextHandle_t h = nullptr;
        void operator()(GEOSGeometry* g) const
        {
            if (g)
                GEOSGeom_destroy_r(h, g);
        }
    };
    using TGeom = std::unique_ptr<GEOSGeometry, TCancella>;

    GEOSContextHandle_t h() const { return m_h; }
    TGeom Prendi(GEOSGeometry* g) const { return TGeom(g, TCancella {m_h}); }

    TGeom Poligono(const TSagoma& s) const;
    TGeom Anello(const QPolygonF& contorno) const; // poligono senza fori
    TGeom Linea(const QPolygonF& linea) const;
    TGeom Rettangolo(QPointF centro, QPointF asse, double lungo, double largo) const;

    // Poligoni di una geometria (poligono, multipoligono, collezione), i vuoti esclusi.
    QList<TSagoma> Sagome(const GEOSGeometry* g) const;
    // Buffer a spigoli vivi (mitre); piatto = estremità piatte per le linee.
    TGeom Buffer(const GEOSGeometry* g, double d, bool piatto = false) const;
    TGeom Intersezione(const GEOSGeometry* a, const GEOSGeometry* b) const;
    TGeom Differenza(const GEOSGeometry* a, const GEOSGeometry* b) const;
    double Area(const GEOSGeometry* g) const;
    bool Copre(const GEOSGeometry* a, const GEOSGeometry* b) const;

private:
    GEOSContextHandle_t m_h;
};

// Area di una sagoma (contorno meno fori), con la formula di Gauss.
double AreaSagoma(const TSagoma& s);
double AreaAnello(const QPolygonF& p);
