#include "posa/Ualbero.h"

#include "pianta/Ugeos.h"
#include "posa/Uripartizione.h"
#include "posa/Uspirale.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <optional>
#include <queue>

namespace {
struct TRamo
{
    int nodo = 0; // il tratto figlio
    double t = 0; // ascissa del piolo
};

struct TTratto
{
    int riga = 0;
    double da = 0, a = 0; // ascisse lungo la direzione delle passate
    QList<TRamo> figli;
};

// I tratti della retta di ordinata w dentro il campo, come intervalli di ascissa.
QList<std::pair<double, double>> Intervalli(const GEOSGeometry* campo, QPointF u, QPointF v, double w, double tMin,
                                            double tMax)
{
    auto retta = geos_tvl::Linea(QPolygonF {u * (tMin - 1) + v * w, u * (tMax + 1) + v * w});
    auto tagli = geos_tvl::Intersezione(campo, retta.get());
    QList<std::pair<double, double>> grezzi, r;
    for (const QLineF& l : geos_tvl::Spezzoni(tagli.get())) {
        const double a = QPointF::dotProduct(l.p1(), u), b = QPointF::dotProduct(l.p2(), u);
        grezzi.append({std::min(a, b), std::max(a, b)});
    }
    std::sort(grezzi.begin(), grezzi.end());
    // GEOS può spezzare un tratto dritto dove la retta tocca un vertice: si riuniscono.
    for (const auto& g : grezzi)
        if (!r.isEmpty() && g.first <= r.last().second + 1e-9)
            r.last().second = std::max(r.last().second, g.second);
        else
            r.append(g);
    r.removeIf([](const auto& x) { return x.second - x.first < 1e-3; });
    return r;
}

// Il giro dell'albero: ogni tratto da dove lo si raggiunge fino ai due capi e ritorno, salendo
// nei figli lungo la strada. La fascia di un percorso che torna su sé stesso è quella dell'albero.
class TGiro
{
public:
    TGiro(const QList<TTratto>& tratti, const QList<double>& w, QPointF u, QPointF v)
        : tratti(tratti)
        , w(w)
        , u(u)
        , v(v)
    { }
    QPolygonF punti;
    QPointF P(int n, double t) const { return u * t + v * w[tratti[n].riga]; }
    void Aggiungi(QPointF q)
    {
        if (punti.isEmpty() || QLineF(punti.last(), q).length() > 1e-9)
            punti << q;
    }
    void Visita(int n, double e)
    {
        const TTratto& tr = tratti[n];
        QList<TRamo> prima, dopo;
        for (const TRamo& r : tr.figli)
            (r.t < e ? prima : dopo) << r;
        std::sort(prima.begin(), prima.end(), [](const TRamo& x, const TRamo& y) { return x.t > y.t; });
        std::sort(dopo.begin(), dopo.end(), [](const TRamo& x, const TRamo& y) { return x.t < y.t; });
        for (const TRamo& r : prima)
            Sali(n, r);
        Aggiungi(P(n, tr.da));
        for (const TRamo& r : dopo)
            Sali(n, r);
        Aggiungi(P(n, tr.a));
        Aggiungi(P(n, e));
    }

private:
    void Sali(int n, const TRamo& r)
    {
        Aggiungi(P(n, r.t));
        Aggiungi(P(r.nodo, r.t));
        Visita(r.nodo, r.t);
        Aggiungi(P(n, r.t));
    }
    const QList<TTratto>& tratti;
    const QList<double>& w;
    QPointF u, v;
};
} // namespace

QPolygonF TAlbero::Asse(const TForma& parte, const TParametriPosa& p, QPointF verso, QPointF u, double* rami) const
{
    const double s = p.passo, c = p.Distanza();
    auto g = geos_tvl::PoligonoValido(parte);
    auto campo = geos_tvl::Buffer(g.get(), -(c + s / 2));
    const TForme limite = geos_tvl::Forme(geos_tvl::Buffer(g.get(), -c).get());
    if (limite.isEmpty() || geos_tvl::Vuota(campo.get()))
        return {};
    auto largo = geos_tvl::Buffer(campo.get(), 1e-6);
    const QPointF v(-u.y(), u.x());
    double tMin = 1e300, tMax = -1e300, wMin = 1e300, wMax = -1e300;
    for (const TForma& pezzo : geos_tvl::Forme(campo.get()))
        for (const QPointF& q : pezzo.esterno) {
            tMin = std::min(tMin, QPointF::dotProduct(q, u)), tMax = std::max(tMax, QPointF::dotProduct(q, u));
            wMin = std::min(wMin, QPointF::dotProduct(q, v)), wMax = std::max(wMax, QPointF::dotProduct(q, v));
        }
    // Passate a due passi, centrate nella larghezza: l'avanzo si divide fra i due lati.
    const double eps = 1e-5;
    const int righe = std::min(int(std::floor((wMax - wMin) / (2 * s) + 1e-9)) + 1, 2 * p.maxAnelli);
    const double w0 = wMin + std::max(eps, (wMax - wMin - 2 * s * (righe - 1)) / 2);
    QList<double> w;
    QList<TTratto> tratti;
    for (int k = 0; k < righe; ++k) {
        w << std::min(w0 + 2 * s * k, wMax - eps);
        for (const auto& [da, a] : Intervalli(campo.get(), u, v, w.last(), tMin, tMax))
            tratti.append(TTratto {k, da, a, {}});
    }
    if (tratti.isEmpty())
        return {};
    // Radice: il tratto con il capo più vicino al punto verso.
    int radice = 0;
    double ingresso = 0, dMin = 1e300;
    TGiro giro(tratti, w, u, v);
    for (int n = 0; n < tratti.size(); ++n)
        for (double t : {tratti[n].da, tratti[n].a})
            if (const double d = QLineF(giro.P(n, t), verso).length(); d < dMin)
                dMin = d, radice = n, ingresso = t;
    const bool dalCapoDa = ingresso == tratti[radice].da;
    const int rigaRadice = tratti[radice].riga;
    // Il piolo fra due tratti di passate accanto, dove sta nel campo; di preferenza al capo lontano
    // dall'ingresso, alternato passata per passata: dove la parte è semplice viene una serpentina.
    auto piolo = [&](int i, int j) -> std::optional<double> {
        const double o0 = std::max(tratti[i].da, tratti[j].da), o1 = std::min(tratti[i].a, tratti[j].a);
        if (o1 < o0)
            return std::nullopt;
        const int r = std::min(tratti[i].riga, tratti[j].riga);
        const int dd = r >= rigaRadice ? r - rigaRadice : rigaRadice - 1 - r;
        const bool capoA = (dd % 2 == 0) == dalCapoDa;
        for (double t : {capoA ? o1 : o0, capoA ? o0 : o1, (o0 + o1) / 2})
            if (geos_tvl::Copre(largo.get(), geos_tvl::Linea(QPolygonF {giro.P(i, t), giro.P(j, t)}).get()))
                return t;
        return std::nullopt;
    };
    // Albero ricoprente in ampiezza dalla radice: nessun anello, quindi la fascia non ha buchi.
    QList<bool> preso(tratti.size(), false);
    std::queue<int> coda;
    coda.push(radice);
    preso[radice] = true;
    while (!coda.empty()) {
        const int i = coda.front();
        coda.pop();
        for (int j = 0; j < tratti.size(); ++j)
            if (!preso[j] && std::abs(tratti[j].riga - tratti[i].riga) == 1)
                if (const auto t = piolo(i, j)) {
                    preso[j] = true;
                    tratti[i].figli.append({j, *t});
                    coda.push(j);
                }
    }
    if (rami) {
        *rami = 0;
        for (int n = 0; n < tratti.size(); ++n)
            if (preso[n])
                *rami += tratti[n].a - tratti[n].da + 2 * s * tratti[n].figli.size();
    }
    // Un tratto sulla retta che entra dal bordo ridotto della distanza, verso il collettore.
    const QPointF p0 = giro.P(radice, ingresso);
    giro.Aggiungi(Anelli::PiuVicino(Anelli::Antiorario(limite.first().esterno), p0));
    giro.Aggiungi(p0);
    giro.Visita(radice, ingresso);
    // Il ritorno finale alla radice non aggiunge fascia: il giro si ferma all'ultimo capo nuovo.
    QPolygonF& a = giro.punti;
    while (a.size() > 3) {
        const qsizetype n = a.size();
        bool ripete = false;
        for (qsizetype k = 0; k + 1 < n - 1 && !ripete; ++k)
            ripete = QLineF(a[k], a[n - 1]).length() < 1e-9 && QLineF(a[k + 1], a[n - 2]).length() < 1e-9;
        if (!ripete)
            break;
        a.removeLast();
    }
    return a.size() >= 3 ? a : QPolygonF {};
}

TCircuitoPosato TAlbero::Posa(const TForma& parte, const TParametriPosa& p, QPointF verso, double oltre) const
{
    const QPointF u = TRipartitore().DirezionePrincipale(parte);
    const double area = TGeometria::Area(parte);
    TCircuitoPosato migliore;
    for (QPointF d : {u, QPointF(-u.y(), u.x())}) {
        // La seconda direzione serve solo se la prima lascia vuota parte dell'area.
        if (migliore.lunghezza * p.passo >= 0.9 * area)
            break;
        double rami = 0;
        const QPolygonF a = Asse(parte, p, verso, d, &rami);
        // Il tubo gira intorno ai rami: circa due volte la loro lunghezza.
        if (a.isEmpty() || 2 * rami < std::max(oltre, migliore.lunghezza) * 1.01)
            continue;
        const TCircuitoPosato c = TTracciatore().TuboDaAsse(a, parte, p);
        if (c.lunghezza > std::max(oltre, migliore.lunghezza) && TuboRegolare(c, p))
            migliore = c;
    }
    return migliore;
}
