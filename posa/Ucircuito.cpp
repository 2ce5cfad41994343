#include "posa/Ucircuito.h"

#include "pianta/Ugeos.h"

#include <QLineF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <unordered_map>

double LunghezzaPolilinea(const QPolygonF& linea)
{
    double l = 0;
    for (qsizetype i = 1; i < linea.size(); ++i)
        l += QLineF(linea[i - 1], linea[i]).length();
    return l;
}

double TParametriPosa::Distanza() const
{
    return distanza >= 0 ? distanza : std::max(passo / 2, 0.05);
}

namespace Anelli {
double Perimetro(const QPolygonF& a)
{
    double l = 0;
    for (qsizetype i = 0, n = a.size(); i < n; ++i)
        l += QLineF(a[i], a[(i + 1) % n]).length();
    return l;
}

namespace {
// Proiezione di p sul segmento ab: parametro in [0, 1].
double Parametro(QPointF a, QPointF b, QPointF p)
{
    const QPointF d = b - a;
    const double l2 = QPointF::dotProduct(d, d);
    return l2 <= 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / l2, 0.0, 1.0);
}
} // namespace

double Proietta(const QPolygonF& a, QPointF p)
{
    double migliore = 1e300, ascissa = 0, s = 0;
    for (qsizetype i = 0, n = a.size(); i < n; ++i) {
        const QPointF u = a[i], v = a[(i + 1) % n];
        const double t = Parametro(u, v, p);
        const QPointF q = u + (v - u) * t;
        const double d = QLineF(p, q).length();
        const double l = QLineF(u, v).length();
        if (d < migliore)
            migliore = d, ascissa = s + t * l;
        s += l;
    }
    return ascissa;
}

QPointF PiuVicino(const QPolygonF& a, QPointF p)
{
    return Punto(a, Proietta(a, p));
}

QPointF Punto(const QPolygonF& a, double s)
{
    const double per = Perimetro(a);
    if (per <= 0)
        return a.value(0);
    s = std::fmod(s, per);
    if (s < 0)
        s += per;
    for (qsizetype i = 0, n = a.size(); i < n; ++i) {
        const QPointF u = a[i], v = a[(i + 1) % n];
        const double l = QLineF(u, v).length();
        if (s <= l)
            return l > 0 ? u + (v - u) * (s / l) : u;
        s -= l;
    }
    return a.first();
}

QPolygonF Arco(const QPolygonF& a, double s0, double l)
{
    const double per = Perimetro(a);
    QPolygonF r;
    if (per <= 0)
        return r;
    s0 = std::fmod(s0, per);
    if (s0 < 0)
        s0 += per;
    r << Punto(a, s0);
    // Vertici con ascissa in (s0, s0 + l), contando due giri.
    double s = 0;
    const qsizetype n = a.size();
    for (int giro = 0; giro < 2; ++giro)
        for (qsizetype i = 0; i < n; ++i) {
            const double li = QLineF(a[i], a[(i + 1) % n]).length();
            s += li;
            if (s > s0 + 1e-9 && s < s0 + l - 1e-9)
                r << a[(i + 1) % n];
        }
    r << Punto(a, s0 + l);
    return r;
}

QPolygonF Antiorario(QPolygonF a)
{
    double area = 0;
    for (qsizetype i = 0, n = a.size(); i < n; ++i)
        area += a[i].x() * a[(i + 1) % n].y() - a[(i + 1) % n].x() * a[i].y();
    if (area < 0)
        std::reverse(a.begin(), a.end());
    return a;
}
} // namespace Anelli

QPolygonF TTracciatore::Raccorda(const QPolygonF& linea, double raggio)
{
    if (linea.size() < 3 || raggio <= 0)
        return linea;
    const qsizetype n = linea.size();
    QList<double> lato(n - 1); // lato[i]: da linea[i] a linea[i + 1]
    for (qsizetype i = 0; i + 1 < n; ++i)
        lato[i] = QLineF(linea[i], linea[i + 1]).length();
    // Tangente della mezza svolta di ogni vertice (0 agli estremi e dove non si gira).
    QList<double> mezza(n, 0.0);
    for (qsizetype i = 1; i + 1 < n; ++i) {
        if (lato[i - 1] < 1e-9 || lato[i] < 1e-9)
            continue;
        const double svolta = std::acos(
            std::clamp(QPointF::dotProduct(linea[i] - linea[i - 1], linea[i + 1] - linea[i]) / (lato[i - 1] * lato[i]),
                       -1.0, 1.0));
        if (svolta >= 1e-3 && svolta <= std::numbers::pi - 1e-3)
            mezza[i] = std::tan(svolta / 2);
    }
    // Un lato fra due curve si divide in proporzione a quanto ciascuna ne chiede: due curve
    // vicine (il tubo che torna indietro fra due vicini) hanno così lo stesso raggio, il più
    // largo che ci sta, e i raccordi non si sovrappongono.
    auto quota = [&](qsizetype i, qsizetype j) {
        const double somma = mezza[i] + mezza[j];
        return somma > 0 ? mezza[i] / somma : 0.5;
    };
    QPolygonF r;
    r.reserve(4 * n);
    r << linea.first();
    for (qsizetype i = 1; i + 1 < n; ++i) {
        const QPointF a = linea[i - 1], b = linea[i], c = linea[i + 1];
        const double l1 = lato[i - 1], l2 = lato[i];
        if (mezza[i] <= 0) {
            r << b;
            continue;
        }
        const QPointF d1 = (b - a) / l1, d2 = (c - b) / l2;
        const double svolta = 2 * std::atan(mezza[i]);
        const double tanMezza = mezza[i];
        const double tangente = std::min({raggio * tanMezza, l1 * quota(i, i - 1), l2 * quota(i, i + 1)});
        const QPointF p1 = b - d1 * tangente;
        // Arco tangente: centro sulla bisettrice interna.
        const double rr = tangente / tanMezza;
        const double croce = d1.x() * d2.y() - d1.y() * d2.x();
        const QPointF normale = croce > 0 ? QPointF(-d1.y(), d1.x()) : QPointF(d1.y(), -d1.x());
        const QPointF centro = p1 + normale * rr;
        const double a0 = std::atan2(p1.y() - centro.y(), p1.x() - centro.x());
        const int passi = std::max(2, int(std::ceil(svolta / (std::numbers::pi / 12))));
        for (int k = 0; k <= passi; ++k) {
            const double ang = a0 + (croce > 0 ? 1 : -1) * svolta * k / passi;
            r << centro + QPointF(std::cos(ang), std::sin(ang)) * rr;
        }
    }
    r << linea.last();
    // Due raccordi che si toccano lasciano punti doppi: un tubo non ha tratti di lunghezza nulla.
    QPolygonF pulita;
    pulita.reserve(r.size());
    for (const QPointF& q : r)
        if (pulita.isEmpty() || QLineF(pulita.last(), q).length() > 1e-7)
            pulita << q;
    return pulita;
}

namespace {
// Il segmento pq tocca il rettangolo r (coordinate locali)? Ritaglio per parametri.
bool Tocca(QPointF p, QPointF q, const QRectF& r)
{
    double t0 = 0, t1 = 1;
    const QPointF v = q - p;
    const double limiti[4][2] = {
        {-v.x(), p.x() - r.left()}, {v.x(), r.right() - p.x()}, {-v.y(), p.y() - r.top()}, {v.y(), r.bottom() - p.y()}};
    for (const auto& [den, num] : limiti) {
        if (den == 0) {
            if (num < 0)
                return false;
        } else if (const double t = num / den; den < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    return t0 <= t1;
}

// L'anello della fascia tonda senza il mezzo cerchio dietro il primo punto o dell'asse (d la sua
// direzione): restano i due capi a mezzo passo da o, che diventano vicini. Lo stesso anello della
// differenza con il rettangolo dietro (locale: x lungo d, y a sinistra), senza costruirla; vuoto
// quando l'anello passa altrove vicino al rettangolo: allora decide la differenza.
std::optional<QPolygonF> SenzaCapoIniziale(const QPolygonF& anello, QPointF o, QPointF d, double mezzo,
                                           const QRectF& dietro)
{
    constexpr double eps = 1e-9;
    const qsizetype n = anello.size();
    const QRectF largo = dietro.adjusted(-eps, -eps, eps, eps), stretto = dietro.adjusted(eps, eps, -eps, -eps);
    QList<QPointF> locali(n);
    QList<char> stato(n); // 'f' fuori, 'd' dentro il rettangolo, 'c' un capo
    int capi = 0, dentro = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF v = anello[i] - o;
        const QPointF l(QPointF::dotProduct(v, d), d.x() * v.y() - d.y() * v.x());
        locali[i] = l;
        if (std::abs(l.x()) < eps && std::abs(std::abs(l.y()) - mezzo) < eps)
            stato[i] = 'c', ++capi;
        else if (stretto.contains(l))
            stato[i] = 'd', ++dentro;
        else if (!largo.contains(l))
            stato[i] = 'f';
        else
            return std::nullopt;
    }
    if (capi != 2 || dentro == 0)
        return std::nullopt;
    // I vertici dentro in un solo tratto fra i due capi; gli altri lati lontani dal rettangolo.
    QPolygonF r;
    int cambi = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype j = (i + 1) % n;
        const char a = stato[i], b = stato[j];
        if ((a == 'd') != (b == 'd')) {
            ++cambi;
            if ((a == 'd' ? b : a) != 'c')
                return std::nullopt;
        } else if (a != 'd' && b != 'd') {
            // Dal capo si va avanti lungo il lato della fascia, o lungo il taglio allontanandosi. Nel
            // secondo caso la differenza lascia sul lato lo spigolo del rettangolo, che cade esattamente
            // sulla retta (e si toglie come gli altri vertici in mezzo a un lato) solo con d lungo un asse.
            const bool capo = a == 'c' || b == 'c';
            const QPointF c = a == 'c' ? locali[i] : locali[j], e = a == 'c' ? locali[j] : locali[i];
            const bool lungoIlTaglio
                = (d.x() == 0 || d.y() == 0) && std::abs(e.x()) < eps && e.y() * c.y() > 0 && std::abs(e.y()) > mezzo;
            if (capo ? e.x() <= eps && !lungoIlTaglio : Tocca(locali[i], locali[j], largo))
                return std::nullopt;
        }
        if (a != 'd')
            r << anello[i];
    }
    if (cambi != 2)
        return std::nullopt;
    return r;
}

void Accoda(std::string& chiave, const QPolygonF& punti)
{
    const qsizetype n = punti.size();
    chiave.append(reinterpret_cast<const char*>(&n), sizeof n);
    chiave.append(reinterpret_cast<const char*>(punti.constData()), n * sizeof(QPointF));
}

void Accoda(std::string& chiave, double x)
{
    chiave.append(reinterpret_cast<const char*>(&x), sizeof x);
}

void Accoda(std::string& chiave, const TForma& f)
{
    Accoda(chiave, f.esterno);
    for (const QPolygonF& foro : f.fori)
        Accoda(chiave, foro);
}
} // namespace

TCircuitoPosato TTracciatore::TuboDaAsse(const QPolygonF& asse, const TForma& parte, const TParametriPosa& p) const
{
    std::string chiave;
    Accoda(chiave, asse);
    Accoda(chiave, parte);
    Accoda(chiave, p.passo);
    Accoda(chiave, p.Distanza());
    Accoda(chiave, p.Raggio());
    thread_local std::unordered_map<std::string, TCircuitoPosato> fatti;
    if (auto i = fatti.find(chiave); i != fatti.end())
        return i->second;
    TCircuitoPosato c = Traccia(asse, parte, p);
    // Solo i tubi posati: il motivo di uno non posato si traduce nella lingua di quel momento.
    if (!c.Posato())
        return c;
    if (fatti.size() >= 128)
        fatti.clear();
    fatti.emplace(std::move(chiave), c);
    return c;
}

bool TTracciatore::Dentro(const QPolygonF& tubo, const TForma& parte, double distanza)
{
    // La stessa parte si verifica con molti tubi: il suo rientro si prepara una volta.
    geos_tvl::Contesto(); // prima: il contesto va distrutto dopo l'area preparata
    thread_local std::string chiave;
    thread_local std::unique_ptr<geos_tvl::TPreparata> dentro;
    std::string questa;
    Accoda(questa, parte);
    Accoda(questa, distanza);
    if (!dentro || questa != chiave) {
        dentro = std::make_unique<geos_tvl::TPreparata>(
            geos_tvl::Rientro(geos_tvl::PoligonoValido(parte).get(), distanza - 0.001));
        chiave = std::move(questa);
    }
    return dentro->Copre(geos_tvl::Linea(tubo).get());
}

TCircuitoPosato TTracciatore::Traccia(const QPolygonF& asse, const TForma& parte, const TParametriPosa& p) const
{
    TCircuitoPosato c;
    c.asse = asse;
    if (asse.size() < 2 || QLineF(asse[0], asse[1]).length() < 1e-9) {
        c.motivo = tr("Il percorso del circuito è degenere.");
        return c;
    }
    const double s = p.passo;
    // Estremità tonda in fondo (il tubo torna indietro su un semicerchio di mezzo passo anche dove
    // l'asse finisce in curva), piatta all'inizio: lì si apre il tubo.
    const QPointF d = (asse[1] - asse[0]) / QLineF(asse[0], asse[1]).length();
    // Semicerchio fitto: raccordato, il poligono ha il raggio del suo apotema.
    auto tonda = geos_tvl::TGeom(GEOSBufferWithStyle_r(geos_tvl::Contesto(), geos_tvl::Linea(asse).get(), s / 2, 16,
                                                       GEOSBUF_CAP_ROUND, GEOSBUF_JOIN_MITRE, 4.0));
    const QRectF dietro(QPointF(-(s / 2 + 0.002), -(s / 2 + 0.002)), QPointF(0, s / 2 + 0.002));
    TForme pezzi = geos_tvl::Forme(tonda.get());
    std::optional<QPolygonF> piatta;
    if (pezzi.size() == 1 && pezzi.first().fori.isEmpty())
        piatta = SenzaCapoIniziale(pezzi.first().esterno, asse[0], d, s / 2, dietro);
    if (!piatta) {
        auto taglio = geos_tvl::Rettangolo(asse[0] + d * dietro.center().x(), d, dietro.width(), dietro.height());
        pezzi = geos_tvl::Forme(geos_tvl::Differenza(tonda.get(), taglio.get()).get());
        if (pezzi.size() != 1 || !pezzi.first().fori.isEmpty()) {
            c.motivo = tr("Il percorso del circuito si avvicina troppo a sé stesso.");
            return c;
        }
    }
    QPolygonF bordo = piatta ? *piatta : pezzi.first().esterno;
    // L'estremità piatta iniziale: i due vertici a mezzo passo dal primo punto dell'asse.
    const QPointF nrm(-d.y(), d.x());
    const QPointF capoA = asse[0] + nrm * (s / 2), capoB = asse[0] - nrm * (s / 2);
    // Un capo può cadere in mezzo a un lato del contorno (estremità allineata al tratto dopo).
    auto inserisci = [&](QPointF q) {
        for (qsizetype i = 0, n = bordo.size(); i < n; ++i) {
            const QPointF u = bordo[i], v = bordo[(i + 1) % n];
            // A più di un millimetro dal riquadro del lato (sotto il chilometro) nessuna prova scatta.
            const QRectF riquadro = QRectF(u, v).normalized();
            if (riquadro.width() + riquadro.height() < 1000 && !riquadro.adjusted(-1e-3, -1e-3, 1e-3, 1e-3).contains(q))
                continue;
            if (QLineF(u, q).length() < 1e-7 || QLineF(v, q).length() < 1e-7)
                return;
            const double l = QLineF(u, v).length();
            if (l > 0 && std::abs(QLineF(u, q).length() + QLineF(q, v).length() - l) < 1e-9) {
                bordo.insert(i + 1, q);
                return;
            }
        }
    };
    // Vertici in mezzo a un lato dritto (GEOS ne lascia) separerebbero i due capi.
    for (qsizetype i = 0; bordo.size() > 3 && i < bordo.size();) {
        const qsizetype n = bordo.size();
        const QPointF a = bordo[(i + n - 1) % n], b = bordo[i], cc = bordo[(i + 1) % n];
        const QPointF u = b - a, v = cc - b;
        if (std::abs(u.x() * v.y() - u.y() * v.x()) < 1e-12 && QPointF::dotProduct(u, v) >= 0)
            bordo.remove(i);
        else
            ++i;
    }
    inserisci(capoA);
    inserisci(capoB);
    auto vicino = [&](QPointF q) {
        qsizetype m = 0;
        for (qsizetype i = 1; i < bordo.size(); ++i)
            if (QLineF(bordo[i], q).length() < QLineF(bordo[m], q).length())
                m = i;
        return m;
    };
    const qsizetype ia = vicino(capoA), ib = vicino(capoB);
    const qsizetype n = bordo.size();
    if (QLineF(bordo[ia], capoA).length() > 1e-6 || QLineF(bordo[ib], capoB).length() > 1e-6
        || ((ia + 1) % n != ib && (ib + 1) % n != ia)) {
        c.motivo = tr("Il percorso del circuito si avvicina troppo a sé stesso.");
        return c;
    }
    // Da un capo all'altro senza il lato dell'estremità: mandata da un lato, ritorno dall'altro.
    QPolygonF tubo;
    const bool avanti = (ib + 1) % n == ia; // da ia si va avanti senza passare per ib subito
    for (qsizetype k = 0, i = ia; k < n; ++k) {
        tubo << bordo[i];
        i = avanti ? (i + 1) % n : (i - 1 + n) % n;
    }
    tubo = Raccorda(tubo, p.Raggio());
    // Verifica indipendente: il tubo sta nella parte ridotta della distanza (tolleranza 1 mm).
    if (!Dentro(tubo, parte, p.Distanza())) {
        c.motivo = tr("Il circuito uscirebbe dall'area di posa.");
        return c;
    }
    c.tubo = tubo;
    c.lunghezza = LunghezzaPolilinea(tubo);
    return c;
}
