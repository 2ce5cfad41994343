#pragma once
// Ponte interno verso l'API C di GEOS: contesto per thread, puntatori che si liberano da soli,
// conversioni da e verso i tipi della pianta e le poche operazioni che servono alla pianta e
// alla posa dei circuiti. Non fa parte dell'interfaccia per le finestre.
#include "Ugeometria.h"

#include <geos_c.h>
#include <memory>
#include <optional>

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

// Poligono reso valido (un contorno disegnato a mano può intrecciarsi); vuoto sotto tre vertici.
TGeom PoligonoValido(const TForma& forma);
// Rettangolo di centro c, lato lungo lungo il versore asse.
TGeom Rettangolo(QPointF centro, QPointF asse, double lungo, double largo);
// Buffer a spigoli vivi; piatto = estremità piatte per le linee.
TGeom Buffer(const GEOSGeometry* g, double d, bool piatto = false);
// Rientro di d verso l'interno, a distanza esatta: gli spigoli convessi restano vivi, attorno agli
// spigoli rientranti il bordo gira ad arco (un tubo non può passare più vicino di d all'angolo).
TGeom Rientro(const GEOSGeometry* g, double d);
TGeom Intersezione(const GEOSGeometry* a, const GEOSGeometry* b);
TGeom Differenza(const GEOSGeometry* a, const GEOSGeometry* b);
TGeom UnioneDi(const TForme& forme);
TGeom Unita(const GEOSGeometry* g); // i pezzi di g fusi in uno (unione unaria)
double Area(const GEOSGeometry* g);
double Lunghezza(const GEOSGeometry* g);
bool Copre(const GEOSGeometry* a, const GEOSGeometry* b);
// Un'area preparata una volta per molte domande (indice dei lati costruito una volta): l'unione
// dei locali di un piano per i collegamenti, il rientro di una parte per i suoi tubi.
class TPreparata
{
public:
    explicit TPreparata(TGeom g);
    ~TPreparata();
    TPreparata(const TPreparata&) = delete;
    TPreparata& operator=(const TPreparata&) = delete;
    const GEOSGeometry* Geometria() const { return geometria.get(); }
    bool Copre(const GEOSGeometry* b) const;
    bool Copre(QPointF p) const;
    // Lunghezza della polilinea fuori dall'area (il bordo conta dentro): quella della differenza,
    // senza costruirla.
    double LunghezzaFuori(const QPolygonF& linea) const;

private:
    TGeom geometria;
    const GEOSPreparedGeometry* preparata = nullptr;
    mutable std::optional<QList<QLineF>> lati; // alla prima lunghezza
};
bool Vuota(const GEOSGeometry* g); // anche nulla
// Gli spezzoni (LINESTRING) di una geometria lineare, come coppie di estremi.
QList<QLineF> Spezzoni(const GEOSGeometry* g);

} // namespace geos_tvl
