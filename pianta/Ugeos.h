#pragma once
// Ponte interno verso l'API C di GEOS: contesto per thread, puntatori che si liberano da soli,
// conversioni da e verso i tipi della pianta. Non fa parte dell'interfaccia pubblica.
#include "Ugeometria.h"

#include <geos_c.h>
#include <memory>

namespace geos_tvl {

// Contesto GEOS del thread corrente (creato alla prima richiesta, mai condiviso tra thread).
GEOSContextHandle_t Contesto();

struct TLibera
{
    void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(Contesto(), g); }
};
using TGeom = std::unique_ptr<GEOSGeometry, TLibera>;

TGeom Anello(const QPolygonF& contorno);
TGeom Poligono(const TForma& forma);
TGeom MultiPoligono(const TForme& forme);
TGeom Linea(const QPolygonF& punti);
TGeom MultiLinea(const QList<QLineF>& segmenti);
// Poligoni e multipoligoni (anche dentro collezioni) in forme; il resto si scarta.
TForme Forme(const GEOSGeometry* g);
QPolygonF Punti(const GEOSGeometry* anello); // senza il punto di chiusura

} // namespace geos_tvl
