#include "Ugeos.h"

#include <QLineF>

#include <algorithm>
#include <cstdarg>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

namespace geos_tvl {
namespace {

// GEOS segnala gli errori con un messaggio e un risultato nullo; il messaggio non serve
// all'utente (i contorni sono già stati controllati), basta che non finisca su stderr.
void IgnoraMessaggio(const char*, void*) { }

struct TContesto
{
    GEOSContextHandle_t h = GEOS_init_r();
    TContesto()
    {
        GEOSContext_setErrorMessageHandler_r(h, IgnoraMessaggio, nullptr);
        GEOSContext_setNoticeMessageHandler_r(h, IgnoraMessaggio, nullptr);
    }
    ~TContesto() { GEOS_finish_r(h); }
};

GEOSCoordSequence* Sequenza(const QPolygonF& punti, bool chiudi)
{
    std::vector<double> xy;
    xy.reserve(2 * (punti.size() + 1));
    for (const QPointF& p : punti) {
        xy.push_back(p.x());
        xy.push_back(p.y());
    }
    if (chiudi && !punti.isEmpty()) {
        xy.push_back(punti.first().x());
        xy.push_back(punti.first().y());
    }
    return GEOSCoordSeq_copyFromBuffer_r(Contesto(), xy.data(), xy.size() / 2, 0, 0);
}

void AggiungiForme(const GEOSGeometry* g, TForme& forme)
{
    GEOSContextHandle_t c = Contesto();
    const int tipo = GEOSGeomTypeId_r(c, g);
    if (tipo == GEOS_POLYGON) {
        if (GEOSisEmpty_r(c, g))
            return;
        TForma f;
        f.esterno = Punti(GEOSGetExteriorRing_r(c, g));
        const int n = GEOSGetNumInteriorRings_r(c, g);
        for (int i = 0; i < n; ++i)
            f.fori.append(Punti(GEOSGetInteriorRingN_r(c, g, i)));
        forme.append(f);
    } else if (tipo == GEOS_MULTIPOLYGON || tipo == GEOS_GEOMETRYCOLLECTION) {
        const int n = GEOSGetNumGeometries_r(c, g);
        for (int i = 0; i < n; ++i)
            AggiungiForme(GEOSGetGeometryN_r(c, g, i), forme);
    }
}

TGeom Collezione(int tipo, std::vector<GEOSGeometry*>& parti)
{
    return TGeom(GEOSGeom_createCollection_r(Contesto(), tipo, parti.data(), unsigned(parti.size())));
}

// Memoria delle operazioni costose: la posa di una parte chiede più volte gli stessi rientri,
// tagli e coperture (ogni prova di spirale o di serpentina riparte dalla stessa parte). La chiave
// sono i byte esatti degli operandi, quindi il risultato ricordato è quello che si ricalcolerebbe.
struct TMemoria
{
    static constexpr size_t MaxVoci = 512; // poi si ricomincia: basta a una parte e alle sue prove
    GEOSContextHandle_t h = Contesto(); // prima: il contesto va distrutto dopo la memoria
    std::unordered_map<std::string, TGeom> geometrie;
    std::unordered_map<std::string, bool> risposte;
    std::string chiave; // la chiave che si cerca, riusata: niente allocazioni a ogni domanda
};

TMemoria& Memoria()
{
    thread_local TMemoria m;
    return m;
}

void Accoda(std::string& chiave, const void* dati, size_t n)
{
    chiave.append(static_cast<const char*>(dati), n);
}

void Accoda(std::string& chiave, const GEOSCoordSequence* seq)
{
    GEOSContextHandle_t h = Contesto();
    unsigned n = 0;
    GEOSCoordSeq_getSize_r(h, seq, &n);
    Accoda(chiave, &n, sizeof n);
    const size_t prima = chiave.size();
    chiave.resize(prima + 2 * sizeof(double) * n);
    if (n > 0)
        GEOSCoordSeq_copyToBuffer_r(h, seq, reinterpret_cast<double*>(chiave.data() + prima), 0, 0);
}

// Tipo, struttura e coordinate esatte della geometria.
void Accoda(std::string& chiave, const GEOSGeometry* g)
{
    GEOSContextHandle_t h = Contesto();
    if (!g) {
        chiave += '0';
        return;
    }
    const int tipo = GEOSGeomTypeId_r(h, g);
    chiave += char('A' + tipo);
    if (GEOSisEmpty_r(h, g)) {
        chiave += 'E';
        return;
    }
    switch (tipo) {
    case GEOS_POINT:
    case GEOS_LINESTRING:
    case GEOS_LINEARRING:
        Accoda(chiave, GEOSGeom_getCoordSeq_r(h, g));
        return;
    case GEOS_POLYGON: {
        const int fori = GEOSGetNumInteriorRings_r(h, g);
        Accoda(chiave, &fori, sizeof fori);
        Accoda(chiave, GEOSGetExteriorRing_r(h, g));
        for (int i = 0; i < fori; ++i)
            Accoda(chiave, GEOSGetInteriorRingN_r(h, g, i));
        return;
    }
    default: {
        const int n = GEOSGetNumGeometries_r(h, g);
        Accoda(chiave, &n, sizeof n);
        for (int i = 0; i < n; ++i)
            Accoda(chiave, GEOSGetGeometryN_r(h, g, i));
    }
    }
}

// La chiave nella memoria del thread: vale fino alla prossima chiave.
const std::string& Chiave(char operazione, double d, const GEOSGeometry* a, const GEOSGeometry* b = nullptr)
{
    std::string& k = Memoria().chiave;
    k.assign(1, operazione);
    Accoda(k, &d, sizeof d);
    Accoda(k, a);
    Accoda(k, b);
    return k;
}

TGeom Copia(const GEOSGeometry* g)
{
    return TGeom(g ? GEOSGeom_clone_r(Contesto(), g) : nullptr);
}

template<class F> TGeom Ricordata(const std::string& cercata, F calcola)
{
    auto& voci = Memoria().geometrie;
    if (auto i = voci.find(cercata); i != voci.end())
        return Copia(i->second.get());
    std::string chiave = cercata; // calcola può chiedere altre chiavi
    TGeom r = calcola();
    if (voci.size() >= TMemoria::MaxVoci)
        voci.clear();
    voci.emplace(std::move(chiave), Copia(r.get()));
    return r;
}

} // namespace

GEOSContextHandle_t Contesto()
{
    thread_local TContesto contesto;
    return contesto.h;
}

TGeom Anello(const QPolygonF& contorno)
{
    return TGeom(GEOSGeom_createLinearRing_r(Contesto(), Sequenza(contorno, true)));
}

TGeom Poligono(const TForma& forma)
{
    GEOSContextHandle_t c = Contesto();
    GEOSGeometry* esterno = GEOSGeom_createLinearRing_r(c, Sequenza(forma.esterno, true));
    std::vector<GEOSGeometry*> fori;
    for (const QPolygonF& foro : forma.fori)
        fori.push_back(GEOSGeom_createLinearRing_r(c, Sequenza(foro, true)));
    return TGeom(GEOSGeom_createPolygon_r(c, esterno, fori.data(), unsigned(fori.size())));
}

TGeom MultiPoligono(const TForme& forme)
{
    std::vector<GEOSGeometry*> parti;
    for (const TForma& f : forme)
        parti.push_back(Poligono(f).release());
    return Collezione(GEOS_MULTIPOLYGON, parti);
}

TGeom Linea(const QPolygonF& punti)
{
    return TGeom(GEOSGeom_createLineString_r(Contesto(), Sequenza(punti, false)));
}

TGeom MultiLinea(const QList<QLineF>& segmenti)
{
    std::vector<GEOSGeometry*> parti;
    parti.reserve(segmenti.size());
    for (const QLineF& s : segmenti)
        parti.push_back(Linea(QPolygonF({s.p1(), s.p2()})).release());
    return Collezione(GEOS_MULTILINESTRING, parti);
}

TForme Forme(const GEOSGeometry* g)
{
    TForme forme;
    if (g)
        AggiungiForme(g, forme);
    return forme;
}

QPolygonF Punti(const GEOSGeometry* anello)
{
    GEOSContextHandle_t c = Contesto();
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(c, anello);
    unsigned n = 0;
    if (!seq || !GEOSCoordSeq_getSize_r(c, seq, &n) || n == 0)
        return {};
    std::vector<double> xy(2 * n);
    GEOSCoordSeq_copyToBuffer_r(c, seq, xy.data(), 0, 0);
    QPolygonF punti;
    punti.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        punti.append(QPointF(xy[2 * i], xy[2 * i + 1]));
    if (punti.size() > 1 && punti.first() == punti.last())
        punti.removeLast();
    return punti;
}

TGeom PoligonoValido(const TForma& forma)
{
    GEOSContextHandle_t c = Contesto();
    if (forma.esterno.size() < 3)
        return TGeom(GEOSGeom_createEmptyPolygon_r(c));
    TForma f {forma.esterno, {}};
    for (const QPolygonF& foro : forma.fori)
        if (foro.size() >= 3)
            f.fori.append(foro);
    std::string chiave(1, 'v');
    for (const QPolygonF& anello : QList<QPolygonF> {f.esterno} + f.fori) {
        const qsizetype n = anello.size();
        Accoda(chiave, &n, sizeof n);
        Accoda(chiave, anello.constData(), n * sizeof(QPointF));
    }
    return Ricordata(std::move(chiave), [&] {
        TGeom p = Poligono(f);
        if (p && GEOSisValid_r(c, p.get()) != 1)
            p = TGeom(GEOSMakeValid_r(c, p.get()));
        return p ? std::move(p) : TGeom(GEOSGeom_createEmptyPolygon_r(c));
    });
}

TGeom Rettangolo(QPointF centro, QPointF asse, double lungo, double largo)
{
    const QPointF v(-asse.y(), asse.x());
    const QPointF a = asse * (lungo / 2), b = v * (largo / 2);
    return Poligono(TForma {QPolygonF {centro - a - b, centro + a - b, centro + a + b, centro - a + b}, {}});
}

TGeom Buffer(const GEOSGeometry* g, double d, bool piatto)
{
    return Ricordata(Chiave(piatto ? 'p' : 'b', d, g), [&] {
        return TGeom(GEOSBufferWithStyle_r(Contesto(), g, d, 8, piatto ? GEOSBUF_CAP_FLAT : GEOSBUF_CAP_ROUND,
                                           GEOSBUF_JOIN_MITRE, 4.0));
    });
}

TGeom Rientro(const GEOSGeometry* g, double d)
{
    return Ricordata(Chiave('r', d, g), [&] {
        return TGeom(GEOSBufferWithStyle_r(Contesto(), g, -d, 8, GEOSBUF_CAP_ROUND, GEOSBUF_JOIN_ROUND, 4.0));
    });
}

namespace {
double Croce(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// Ascisse (0..1 lungo ab) dove ab incontra il lato uv, anche per un tratto: dove può cambiare
// l'essere dentro o fuori. Un'ascissa in più non sbaglia nulla, una in meno sì: tolleranze larghe.
void Incontri(QPointF a, QPointF b, QPointF u, QPointF v, std::vector<double>& t)
{
    constexpr double tolleranza = 1e-9;
    const QPointF r = b - a, q = v - u, w = u - a;
    const double d = Croce(r, q);
    if (d != 0) {
        const double ta = Croce(w, q) / d, tu = Croce(w, r) / d;
        if (ta > -tolleranza && ta < 1 + tolleranza && tu > -tolleranza && tu < 1 + tolleranza)
            t.push_back(std::clamp(ta, 0.0, 1.0));
        return;
    }
    const double r2 = QPointF::dotProduct(r, r);
    if (Croce(w, r) != 0 || r2 <= 0)
        return;
    for (QPointF e : {u, v})
        if (const double te = QPointF::dotProduct(e - a, r) / r2; te > 0 && te < 1)
            t.push_back(te);
}

struct TAreaPreparata
{
    std::string impronta;
    std::unique_ptr<TPreparata> area;
};

// Le ultime aree preparate per Copre (il campo di una serpentina, l'unione dei locali...).
const TPreparata& Preparata(const GEOSGeometry* area, std::string impronta)
{
    Contesto(); // prima: il contesto va distrutto dopo le aree preparate
    thread_local std::list<TAreaPreparata> ultime; // la più recente davanti
    for (auto i = ultime.begin(); i != ultime.end(); ++i)
        if (i->impronta == impronta) {
            ultime.splice(ultime.begin(), ultime, i);
            return *ultime.front().area;
        }
    ultime.push_front(TAreaPreparata {std::move(impronta), std::make_unique<TPreparata>(Copia(area))});
    if (ultime.size() > 4)
        ultime.pop_back();
    return *ultime.front().area;
}

// Le ascisse ordinate (0 e 1 compresi) dove il segmento ab può entrare o uscire dall'area dei lati.
std::vector<double> Ascisse(const QList<QLineF>& lati, QPointF a, QPointF b)
{
    std::vector<double> t {0.0, 1.0};
    for (const QLineF& l : lati)
        Incontri(a, b, l.p1(), l.p2(), t);
    std::sort(t.begin(), t.end());
    return t;
}

} // namespace

TGeom Intersezione(const GEOSGeometry* a, const GEOSGeometry* b)
{
    return Ricordata(Chiave('i', 0, a, b), [&] { return TGeom(GEOSIntersection_r(Contesto(), a, b)); });
}

TGeom Differenza(const GEOSGeometry* a, const GEOSGeometry* b)
{
    return Ricordata(Chiave('d', 0, a, b), [&] { return TGeom(GEOSDifference_r(Contesto(), a, b)); });
}

TGeom UnioneDi(const TForme& forme)
{
    std::vector<GEOSGeometry*> parti;
    for (const TForma& f : forme)
        parti.push_back(PoligonoValido(f).release());
    TGeom insieme = Collezione(GEOS_GEOMETRYCOLLECTION, parti);
    return Unita(insieme.get());
}

TGeom Unita(const GEOSGeometry* g)
{
    return Ricordata(Chiave('u', 0, g), [&] { return TGeom(GEOSUnaryUnion_r(Contesto(), g)); });
}

double Area(const GEOSGeometry* g)
{
    double a = 0;
    if (g)
        GEOSArea_r(Contesto(), g, &a);
    return a;
}

double Lunghezza(const GEOSGeometry* g)
{
    double l = 0;
    if (g)
        GEOSLength_r(Contesto(), g, &l);
    return l;
}

bool Copre(const GEOSGeometry* a, const GEOSGeometry* b)
{
    if (!a || !b)
        return false;
    auto& risposte = Memoria().risposte;
    std::string& cercata = Memoria().chiave;
    cercata.clear();
    Accoda(cercata, a);
    const size_t area = cercata.size();
    Accoda(cercata, b);
    if (auto i = risposte.find(cercata); i != risposte.end())
        return i->second;
    std::string chiave = cercata;
    // La stessa area si chiede con molte linee: preparata una volta.
    const bool r = Preparata(a, chiave.substr(0, area)).Copre(b);
    if (risposte.size() >= TMemoria::MaxVoci)
        risposte.clear();
    risposte.emplace(std::move(chiave), r);
    return r;
}

TPreparata::TPreparata(TGeom g)
    : geometria(std::move(g))
    , preparata(geometria ? GEOSPrepare_r(Contesto(), geometria.get()) : nullptr)
{ }

TPreparata::~TPreparata()
{
    if (preparata)
        GEOSPreparedGeom_destroy_r(Contesto(), preparata);
}

bool TPreparata::Copre(const GEOSGeometry* b) const
{
    return preparata && b && GEOSPreparedCovers_r(Contesto(), preparata, b) == 1;
}

bool TPreparata::Copre(QPointF p) const
{
    TGeom punto(GEOSGeom_createPointFromXY_r(Contesto(), p.x(), p.y()));
    return Copre(punto.get());
}

double TPreparata::LunghezzaFuori(const QPolygonF& linea) const
{
    if (!lati) {
        lati.emplace();
        for (const TForma& f : Forme(geometria.get()))
            for (const QPolygonF& anello : QList<QPolygonF> {f.esterno} + f.fori)
                for (qsizetype i = 0, n = anello.size(); i < n; ++i)
                    *lati << QLineF(anello[i], anello[(i + 1) % n]);
    }
    double fuori = 0;
    for (qsizetype i = 1; i < linea.size(); ++i) {
        const QPointF a = linea[i - 1], b = linea[i];
        const std::vector<double> t = Ascisse(*lati, a, b);
        const double lunghezza = QLineF(a, b).length();
        for (size_t k = 1; k < t.size(); ++k)
            if (t[k] > t[k - 1] && !Copre(a + (b - a) * ((t[k - 1] + t[k]) / 2)))
                fuori += (t[k] - t[k - 1]) * lunghezza;
    }
    return fuori;
}

bool Vuota(const GEOSGeometry* g)
{
    return !g || GEOSisEmpty_r(Contesto(), g) == 1;
}

QList<QLineF> Spezzoni(const GEOSGeometry* g)
{
    QList<QLineF> r;
    if (Vuota(g))
        return r;
    GEOSContextHandle_t c = Contesto();
    const int tipo = GEOSGeomTypeId_r(c, g);
    if (tipo == GEOS_LINESTRING) {
        const QPolygonF p = Punti(g);
        if (p.size() >= 2)
            r.append(QLineF(p.first(), p.last()));
    } else if (tipo == GEOS_MULTILINESTRING || tipo == GEOS_GEOMETRYCOLLECTION) {
        for (int i = 0, n = GEOSGetNumGeometries_r(c, g); i < n; ++i)
            r += Spezzoni(GEOSGetGeometryN_r(c, g, i));
    }
    return r;
}

} // namespace geos_tvl
