#include "posa/Ualbero.h"

#include "pianta/Ugeos.h"
#include "posa/Uripartizione.h"
#include "posa/Uspirale.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <memory>
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

// I tratti della retta di ordinata w dentro il campo, come intervalli di ascissa: dove la retta
// attraversa i lati degli anelli (un capo sopra la retta e l'altro no: un vertice sulla retta
// conta una volta), a coppie.
QList<std::pair<double, double>> Intervalli(const TForme& campo, QPointF u, QPointF v, double w)
{
    QList<double> tagli;
    auto anello = [&](const QPolygonF& r) {
        for (qsizetype i = 0, n = r.size(); i < n; ++i) {
            const QPointF p = r[i], q = r[(i + 1) % n];
            const double wp = QPointF::dotProduct(p, v), wq = QPointF::dotProduct(q, v);
            if ((wp > w) != (wq > w)) {
                const double tp = QPointF::dotProduct(p, u), tq = QPointF::dotProduct(q, u);
                tagli << tp + (tq - tp) * (w - wp) / (wq - wp);
            }
        }
    };
    for (const TForma& f : campo) {
        anello(f.esterno);
        for (const QPolygonF& foro : f.fori)
            anello(foro);
    }
    std::sort(tagli.begin(), tagli.end());
    QList<std::pair<double, double>> r;
    for (qsizetype i = 0; i + 1 < tagli.size(); i += 2)
        if (tagli[i + 1] - tagli[i] >= 1e-3)
            r.append({tagli[i], tagli[i + 1]});
    return r;
}

using TIntervalli = QList<std::pair<double, double>>;

// Le parti comuni di due elenchi ordinati di intervalli disgiunti.
TIntervalli Comuni(const TIntervalli& x, const TIntervalli& y)
{
    TIntervalli r;
    for (qsizetype i = 0, j = 0; i < x.size() && j < y.size();) {
        const double da = std::max(x[i].first, y[j].first), a = std::min(x[i].second, y[j].second);
        if (a - da >= 1e-3)
            r.append({da, a});
        (x[i].second < y[j].second ? i : j)++;
    }
    return r;
}

// Le passate dove il tubo ci sta tutto: l'asse nel campo e i due tubi ai lati, fino a mezzo passo
// oltre il capo (il tubo gira lì con uno spigolo vivo), dentro il bordo ridotto della distanza.
// Contro un lato obliquo la passata si accorcia.
TIntervalli Passata(const TForme& campo, const TForme& limite, QPointF u, QPointF v, double w, double s)
{
    TIntervalli r = Intervalli(campo, u, v, w);
    for (double lato : {-s / 2, s / 2}) {
        TIntervalli tubo = Intervalli(limite, u, v, w + lato);
        for (auto& [da, a] : tubo)
            da += s / 2, a -= s / 2;
        r = Comuni(r, tubo);
    }
    return r;
}

// Il giro dell'albero: ogni tratto da dove lo si raggiunge fino ai due capi e ritorno, salendo
// nei figli lungo la strada. La fascia di un percorso che torna su sé stesso è quella dell'albero.
class TGiro
{
public:
    TGiro(const QList<TTratto>& tratti, const QList<double>& w, QPointF u, QPointF v, double s)
        : tratti(tratti)
        , w(w)
        , u(u)
        , v(v)
        , mezzo(s / 2)
    { }
    QPolygonF punti;
    QPointF P(int n, double t) const { return u * t + v * w[tratti[n].riga]; }
    void Aggiungi(QPointF q)
    {
        if (punti.isEmpty() || QLineF(punti.last(), q).length() > 1e-9)
            punti << q;
    }
    // Senza ritorno (il ramo che chiude il giro) si finisce al capo dove un piolo porta avanti, e
    // di lì nel figlio, anch'esso senza ritorno: dove l'albero è una catena il giro è una
    // serpentina, senza tratti ripercorsi.
    void Visita(int n, double e, bool torna)
    {
        const TTratto& tr = tratti[n];
        QList<TRamo> prima, dopo;
        for (const TRamo& r : tr.figli)
            (r.t < e ? prima : dopo) << r;
        std::sort(prima.begin(), prima.end(), [](const TRamo& x, const TRamo& y) { return x.t > y.t; });
        std::sort(dopo.begin(), dopo.end(), [](const TRamo& x, const TRamo& y) { return x.t < y.t; });
        auto alCapo = [](const QList<TRamo>& l, double t) { return !l.isEmpty() && std::abs(l.last().t - t) < 1e-9; };
        const bool fineA = alCapo(dopo, tr.a) || (!alCapo(prima, tr.da) && tr.a - e >= e - tr.da);
        if (!fineA) {
            std::swap(prima, dopo); // si va prima verso a, si finisce verso da
        }
        const double capo1 = fineA ? tr.da : tr.a, capo2 = fineA ? tr.a : tr.da;
        const double oltre1 = Punta(tr, e, capo1, fineA ? -1 : 1), oltre2 = Punta(tr, e, capo2, fineA ? 1 : -1);
        std::optional<TRamo> coda;
        if (!torna && alCapo(dopo, capo2))
            coda = dopo.takeLast();
        for (const TRamo& r : prima)
            Sali(n, r);
        Aggiungi(P(n, std::abs(capo1 - e) < 1e-9 ? capo1 : oltre1));
        for (const TRamo& r : dopo)
            Sali(n, r);
        Aggiungi(P(n, torna && !coda ? oltre2 : capo2));
        if (coda) {
            Aggiungi(P(coda->nodo, coda->t));
            Visita(coda->nodo, coda->t, false);
        } else if (torna)
            Aggiungi(P(n, e));
    }

private:
    // Dove il giro torna indietro, l'estremità piatta sta mezzo passo oltre il capo: il tubo arriva
    // fin dove arrivano i suoi lati (le passate sono accorciate per questo). Con un piolo a meno di
    // un passo dal capo, in linea con il lato del piolo: un gradino più corto di un passo
    // piegherebbe il tubo più stretto del raggio.
    double Punta(const TTratto& tr, double e, double capo, double verso) const
    {
        double vicino = std::abs(e - capo);
        for (const TRamo& r : tr.figli)
            vicino = std::min(vicino, std::abs(r.t - capo));
        return vicino < 2 * mezzo ? capo + verso * (mezzo - vicino) : capo + verso * mezzo;
    }
    void Sali(int n, const TRamo& r)
    {
        Aggiungi(P(n, r.t));
        Aggiungi(P(r.nodo, r.t));
        Visita(r.nodo, r.t, true);
        Aggiungi(P(n, r.t));
    }
    const QList<TTratto>& tratti;
    const QList<double>& w;
    QPointF u, v;
    double mezzo;
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
    // Molti pioli da provare contro lo stesso campo: geometria preparata.
    const std::unique_ptr<const GEOSPreparedGeometry, void (*)(const GEOSPreparedGeometry*)> preparato(
        GEOSPrepare_r(geos_tvl::Contesto(), largo.get()),
        [](const GEOSPreparedGeometry* g) { GEOSPreparedGeom_destroy_r(geos_tvl::Contesto(), g); });
    const QPointF v(-u.y(), u.x());
    double wMin = 1e300, wMax = -1e300;
    const TForme pezzi = geos_tvl::Forme(campo.get());
    for (const TForma& pezzo : pezzi)
        for (const QPointF& q : pezzo.esterno)
            wMin = std::min(wMin, QPointF::dotProduct(q, v)), wMax = std::max(wMax, QPointF::dotProduct(q, v));
    // Passate a due passi, centrate nella larghezza: l'avanzo si divide fra i due lati.
    const double eps = 1e-5;
    const int righe = std::min(int(std::floor((wMax - wMin) / (2 * s) + 1e-9)) + 1, 2 * p.maxAnelli);
    const double w0 = wMin + std::max(eps, (wMax - wMin - 2 * s * (righe - 1)) / 2);
    QList<double> w;
    QList<TTratto> tratti;
    for (int k = 0; k < righe; ++k) {
        w << std::min(w0 + 2 * s * k, wMax - eps);
        for (const auto& [da, a] : Passata(pezzi, limite, u, v, w.last(), s))
            tratti.append(TTratto {k, da, a, {}});
    }
    if (tratti.isEmpty())
        return {};
    // Radice: il tratto con il capo più vicino al punto verso.
    int radice = 0;
    double ingresso = 0, dMin = 1e300;
    TGiro giro(tratti, w, u, v, s);
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
            if (GEOSPreparedCovers_r(geos_tvl::Contesto(), preparato.get(),
                                     geos_tvl::Linea(QPolygonF {giro.P(i, t), giro.P(j, t)}).get())
                == 1)
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
    giro.Visita(radice, ingresso, false);
    const QPolygonF& a = giro.punti;
    return a.size() >= 3 ? a : QPolygonF {};
}

TCircuitoPosato TAlbero::Posa(const TForma& parte, const TParametriPosa& p, QPointF verso, double oltre) const
{
    const QPointF u = TRipartitore().DirezionePrincipale(parte);
    // Il tubo gira intorno ai rami: circa due volte la loro lunghezza. Si fa il tubo solo per gli
    // assi che promettono di superare quello che già c'è, dal più promettente.
    QList<std::pair<double, QPolygonF>> assi;
    for (QPointF d : {u, QPointF(-u.y(), u.x())}) {
        double rami = 0;
        if (QPolygonF a = Asse(parte, p, verso, d, &rami); !a.isEmpty() && 2 * rami > oltre)
            assi.append({rami, a});
    }
    std::stable_sort(assi.begin(), assi.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
    for (const auto& [rami, a] : assi) {
        TCircuitoPosato c = TTracciatore().TuboDaAsse(a, parte, p);
        if (c.lunghezza > oltre && TuboRegolare(c, p))
            return c;
    }
    return {};
}
