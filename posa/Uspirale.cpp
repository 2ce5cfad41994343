#include "posa/Uspirale.h"

#include "data/Uformato.h"
#include "pianta/Ugeos.h"
#include "posa/Ualbero.h"

#include <QLineF>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <unordered_map>

namespace {
constexpr double Corda = 0.001; // m

// Pezzo di rientro più vicino al punto dato (il rientro di una forma concava può dividersi).
QPolygonF AnelloVicino(const TForme& pezzi, QPointF p)
{
    double migliore = 1e300;
    QPolygonF r;
    for (const TForma& s : pezzi) {
        const double d = QLineF(Anelli::PiuVicino(s.esterno, p), p).length();
        if (d < migliore)
            migliore = d, r = s.esterno;
    }
    return Anelli::Antiorario(r);
}

// I punti dove il tubo piega più stretto del raggio dato (cerchio per tre vertici consecutivi).
QPolygonF CurveStrette(const QPolygonF& t, double raggio, bool tutti)
{
    QPolygonF r;
    for (qsizetype i = 1; i + 1 < t.size(); ++i) {
        const QPointF a = t[i - 1], b = t[i], c = t[i + 1];
        const double doppiaArea = std::abs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y()));
        if (doppiaArea > 1e-12
            && QLineF(a, b).length() * QLineF(b, c).length() * QLineF(c, a).length() / (2 * doppiaArea) < raggio)
            r << b;
        if (!r.isEmpty() && !tutti)
            break;
    }
    return r;
}

// I vertici dove l'anello (antiorario) gira verso l'interno per più di un angolo retto entro la
// distanza data: lì la mandata all'interno della curva non avrebbe posto per piegare (anche quando
// lo spigolo acuto è diviso in due da un lato corto).
QPolygonF SpigoliAcuti(const QPolygonF& a, double entro)
{
    const qsizetype n = a.size();
    QList<double> svolta(n), lato(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF u = a[i] - a[(i + n - 1) % n], v = a[(i + 1) % n] - a[i];
        svolta[i] = std::atan2(u.x() * v.y() - u.y() * v.x(), QPointF::dotProduct(u, v));
        lato[i] = std::hypot(v.x(), v.y()); // dal vertice i al seguente
    }
    // Ogni punto una volta: le finestre di lati si sovrappongono, e un disco ripetuto attorno allo
    // stesso punto si pagherebbe nel rientro senza cambiarlo.
    QPolygonF r;
    std::set<std::pair<double, double>> visti;
    for (qsizetype i = 0; i < n; ++i) {
        double somma = svolta[i], l = lato[i];
        qsizetype k = 1;
        for (; k < n && l < entro; l += lato[(i + k) % n], ++k)
            somma += svolta[(i + k) % n];
        if (somma > 1.6) // poco più di 90°
            for (qsizetype j = 0; j < k; ++j)
                if (const QPointF q = a[(i + j) % n]; visti.insert({q.x(), q.y()}).second)
                    r << q;
    }
    return r;
}

// Il rientro aperto (spigoli convessi ad arco di raggio tondo) entro tre raggi dai punti dati, il
// rientro esatto altrove.
TForme ApertoAttorno(const GEOSGeometry* g, double rientro, double tondo, const QPolygonF& punti)
{
    GEOSContextHandle_t h = geos_tvl::Contesto();
    std::vector<GEOSGeometry*> p;
    for (const QPointF& q : punti)
        p.push_back(GEOSGeom_createPointFromXY_r(h, q.x(), q.y()));
    geos_tvl::TGeom insieme(GEOSGeom_createCollection_r(h, GEOS_MULTIPOINT, p.data(), unsigned(p.size())));
    auto dischi = geos_tvl::Rientro(insieme.get(), -5 * tondo);
    auto aperto = geos_tvl::Rientro(geos_tvl::Rientro(g, rientro + tondo).get(), -tondo);
    auto fuori = geos_tvl::Differenza(geos_tvl::Rientro(g, rientro).get(), dischi.get());
    return geos_tvl::Forme(geos_tvl::TGeom(GEOSUnion_r(h, aperto.get(), fuori.get())).get());
}

// Lato lungo di un rettangolo (r0 r1 r2 r3) e il vettore che da quel lato porta al lato opposto.
QLineF LatoLungo(const QPolygonF& r)
{
    return QLineF(r[0], r[1]).length() >= QLineF(r[1], r[2]).length() ? QLineF(r[0], r[1]) : QLineF(r[1], r[2]);
}

QPointF Attraverso(const QPolygonF& r)
{
    return QLineF(r[0], r[1]).length() >= QLineF(r[1], r[2]).length() ? r[2] - r[1] : r[0] - r[1];
}

double DistanzaPuntoTratto(QPointF p, QPointF u, QPointF v)
{
    const QPointF w = v - u;
    const double l2 = QPointF::dotProduct(w, w);
    const double t = l2 <= 0 ? 0 : std::clamp(QPointF::dotProduct(p - u, w) / l2, 0.0, 1.0);
    const QPointF d = p - (u + w * t);
    return std::sqrt(QPointF::dotProduct(d, d));
}

// Vero se due tratti del tubo lontani lungo il tubo più di due passi e mezzo (i vicini sono la stessa
// curva o il capo) passano a meno di un passo: la fascia intorno all'asse non lo vede quando la
// spirale gira attorno a uno spigolo con la scala dei collegamenti.
// La polilinea senza i vertici che se ne discostano meno di tolleranza (le curve raccordate hanno
// molti vertici fitti: confrontarli tutti costerebbe più della posa).
QPolygonF Semplificata(const QPolygonF& t, double tolleranza)
{
    if (t.size() < 3)
        return t;
    QPolygonF r {t.first()};
    qsizetype a = 0;
    for (qsizetype b = 2; b < t.size(); ++b) {
        for (qsizetype k = a + 1; k < b; ++k)
            if (DistanzaPuntoTratto(t[k], t[a], t[b]) > tolleranza) {
                a = b - 1;
                r << t[a];
                break;
            }
    }
    r << t.last();
    return r;
}

// I vertici fitti dove due archi del rientro s'incontrano fanno piccole esse che il tubo non
// potrebbe raccordare: via quelli che si discostano meno della tolleranza.
QPolygonF SemplificaAnello(const QPolygonF& a, double tolleranza)
{
    if (a.size() < 4)
        return a;
    QPolygonF r = Semplificata(a + QPolygonF {a.first()}, tolleranza);
    r.removeLast();
    return r.size() >= 3 ? r : a;
}

// I punti di tratti del tubo lontani lungo il tubo che passano a meno di un passo.
QPolygonF TroppoVicini(const QPolygonF& tubo, double passo, bool tutti)
{
    QPolygonF r;
    const QPolygonF t = Semplificata(tubo, 0.0005);
    QList<double> ascissa {0};
    for (qsizetype i = 1; i < t.size(); ++i)
        ascissa << ascissa.last() + QLineF(t[i - 1], t[i]).length();
    const double minimo = passo - 0.005, cella = std::max(3 * passo, 0.1);
    // Griglia di celle di tre passi: si confrontano solo i tratti con celle vicine.
    std::unordered_map<qint64, QList<qsizetype>> griglia;
    griglia.reserve(t.size());
    auto chiave = [](qint64 x, qint64 y) { return (x << 32) ^ (y & 0xffffffff); };
    std::vector<qsizetype> visto(t.size(), -1); // un confronto per coppia, anche se divide più celle
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        const QPointF a = t[i], b = t[i + 1];
        const qint64 x0 = qint64(std::floor((std::min(a.x(), b.x()) - minimo) / cella));
        const qint64 x1 = qint64(std::floor((std::max(a.x(), b.x()) + minimo) / cella));
        const qint64 y0 = qint64(std::floor((std::min(a.y(), b.y()) - minimo) / cella));
        const qint64 y1 = qint64(std::floor((std::max(a.y(), b.y()) + minimo) / cella));
        for (qint64 x = x0; x <= x1; ++x)
            for (qint64 y = y0; y <= y1; ++y) {
                QList<qsizetype>& qui = griglia[chiave(x, y)];
                for (qsizetype j : qui) {
                    if (visto[j] == i || ascissa[i] - ascissa[j + 1] < 2.5 * passo)
                        continue;
                    visto[j] = i;
                    // Riquadri più lontani del minimo: nessuna delle quattro distanze è sotto.
                    const QPointF c = t[j], e = t[j + 1];
                    const double fuoriX = std::max(std::min(c.x(), e.x()) - std::max(a.x(), b.x()),
                                                   std::min(a.x(), b.x()) - std::max(c.x(), e.x()));
                    const double fuoriY = std::max(std::min(c.y(), e.y()) - std::max(a.y(), b.y()),
                                                   std::min(a.y(), b.y()) - std::max(c.y(), e.y()));
                    if (std::max(fuoriX, fuoriY) > minimo + 1e-9)
                        continue;
                    const double da = DistanzaPuntoTratto(a, t[j], t[j + 1]),
                                 db = DistanzaPuntoTratto(b, t[j], t[j + 1]);
                    const double dj = DistanzaPuntoTratto(t[j], a, b), dk = DistanzaPuntoTratto(t[j + 1], a, b);
                    if (std::min({da, db, dj, dk}) >= minimo)
                        continue;
                    // Si annotano il capo più vicino all'altro tratto e quel tratto: dicono dove sta il difetto.
                    if (std::min(da, db) <= std::min(dj, dk))
                        r << (da <= db ? a : b) << t[j];
                    else
                        r << (dj <= dk ? t[j] : t[j + 1]) << a;
                    if (!tutti)
                        return r;
                }
                qui << i;
            }
    }
    return r;
}

// Il raggio più stretto ammesso: cinque diametri, o mezzo passo dove il tubo torna indietro fra due
// vicini; meno il millimetro di Corda con cui i giri e la spina si scostano dalle loro distanze.
double RaggioAmmesso(const TParametriPosa& p)
{
    return std::min(p.Raggio(), p.passo / 2) - 0.8 * Corda;
}

// Un tubo che rispetta il passo con sé stesso e il raggio di curvatura (o mezzo passo dove
// torna indietro fra due vicini, più largo non ci sta).
bool Verifica(const TCircuitoPosato& ci, const TParametriPosa& p)
{
    return ci.Posato() && TroppoVicini(ci.tubo, p.passo, false).isEmpty()
        && CurveStrette(ci.tubo, RaggioAmmesso(p), false).isEmpty();
}

// La posa chiede più volte dello stesso tubo: gli ultimi esiti si ricordano.
bool Regolare(const TCircuitoPosato& ci, const TParametriPosa& p)
{
    struct TEsito
    {
        QPolygonF tubo;
        double passo, raggio;
        bool regolare;
    };
    thread_local QList<TEsito> esiti;
    const double raggio = RaggioAmmesso(p);
    for (const TEsito& e : esiti)
        if (e.passo == p.passo && e.raggio == raggio && e.tubo.size() == ci.tubo.size()
            && (ci.tubo.isEmpty()
                || std::memcmp(e.tubo.constData(), ci.tubo.constData(), ci.tubo.size() * sizeof(QPointF)) == 0))
            return e.regolare;
    const bool r = Verifica(ci, p);
    if (esiti.size() >= 16)
        esiti.removeFirst();
    esiti << TEsito {ci.tubo, p.passo, raggio, r};
    return r;
}

} // namespace

bool TuboRegolare(const TCircuitoPosato& ci, const TParametriPosa& p)
{
    return Regolare(ci, p);
}

namespace {
// Ascissa sull'asse (aperto) del punto più vicino a q.
double AscissaSu(const QPolygonF& asse, QPointF q)
{
    double migliore = 1e300, ascissa = 0, s = 0;
    for (qsizetype i = 0; i + 1 < asse.size(); ++i) {
        const QPointF u = asse[i], w = asse[i + 1] - u;
        const double l2 = QPointF::dotProduct(w, w), l = std::sqrt(l2);
        const double t = l2 <= 0 ? 0 : std::clamp(QPointF::dotProduct(q - u, w) / l2, 0.0, 1.0);
        if (const double d = QLineF(q, u + w * t).length(); d < migliore)
            migliore = d, ascissa = s + t * l;
        s += l;
    }
    return ascissa;
}

// L'asse fino all'ascissa data.
QPolygonF Troncato(const QPolygonF& asse, double fino)
{
    QPolygonF r {asse.value(0)};
    double s = 0;
    for (qsizetype i = 1; i < asse.size(); ++i) {
        const double l = QLineF(asse[i - 1], asse[i]).length();
        if (s + l >= fino) {
            if (fino - s > 1e-6)
                r << asse[i - 1] + (asse[i] - asse[i - 1]) * ((fino - s) / l);
            return r;
        }
        r << asse[i];
        s += l;
    }
    return r;
}

// Una spirale che diventa irregolare verso il centro (giri piccoli e storti) si ferma prima:
// l'asse si accorcia fino a due passi prima del primo difetto, al più tre volte.
TCircuitoPosato Fermata(QPolygonF asse, const TForma& parte, const TParametriPosa& p)
{
    for (int prova = 0; prova < 3 && LunghezzaPolilinea(asse) > 4 * p.passo; ++prova) {
        const TCircuitoPosato ci = TTracciatore().TuboDaAsse(asse, parte, p);
        if (!ci.Posato())
            return {};
        // Di due tratti troppo vicini sbaglia il secondo lungo l'asse, che entra dove c'è già il primo.
        const QPolygonF vicini = TroppoVicini(ci.tubo, p.passo, true);
        const QPolygonF curve = CurveStrette(ci.tubo, RaggioAmmesso(p), true);
        if (vicini.isEmpty() && curve.isEmpty())
            return ci;
        double primo = 1e300;
        for (qsizetype i = 0; i + 1 < vicini.size(); i += 2)
            primo = std::min(primo, std::max(AscissaSu(asse, vicini[i]), AscissaSu(asse, vicini[i + 1])));
        for (const QPointF& q : curve)
            primo = std::min(primo, AscissaSu(asse, q));
        asse = Troncato(asse, primo - 2 * p.passo);
    }
    return {};
}
} // namespace

QList<QPolygonF> TSpirale::Giri(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    const double s = p.passo, c = p.Distanza();
    const double salto = 2 * s;
    auto g = geos_tvl::PoligonoValido(parte);
    // Giri a due passi l'uno dall'altro; un giro i cui lati opposti distano meno di due passi
    // (il rientro di un altro passo è vuoto) farebbe toccare la fascia con sé stessa.
    // Dove il giro ha uno spigolo acuto (un arco attorno a uno spigolo rientrante che incontra un
    // lato dritto) lo si "apre": gli spigoli convessi girano ad arco di raggio tondo, così la mandata
    // all'interno della curva resta più larga di mezzo passo. Con tondo < 2 passi il giro dentro
    // resta a due passi da quello fuori.
    const double tondo = 1.05 * s;
    QList<QPolygonF> giri;
    QPointF riferimento = verso;
    for (int k = 0; k < p.maxAnelli; ++k) {
        // Un millimetro in più: gli archi attorno agli spigoli rientranti sono spezzate, le cui
        // corde passano un poco più vicine all'angolo dell'arco vero.
        const double rientro = c + Corda + s / 2 + k * 2 * s;
        auto nucleo = geos_tvl::Rientro(g.get(), rientro + tondo);
        if (GEOSisEmpty_r(geos_tvl::Contesto(), nucleo.get()))
            break;
        const TForme pezzi = geos_tvl::Forme(geos_tvl::Rientro(g.get(), rientro).get());
        if (pezzi.isEmpty())
            break;
        QPolygonF anello = AnelloVicino(pezzi, riferimento);
        if (const QPolygonF acuti = SpigoliAcuti(anello, tondo); !acuti.isEmpty()) {
            // Aperto solo attorno agli spigoli acuti: altrove gli spigoli retti restano vivi e la
            // scala dei collegamenti scende sempre di due passi.
            anello = AnelloVicino(ApertoAttorno(g.get(), rientro, tondo, acuti), riferimento);
        }
        // Il primo giro ha solo il millimetro di Corda verso i muri; quelli dentro hanno due passi.
        anello = SemplificaAnello(anello, k == 0 ? Corda / 2 : 1.5 * Corda);
        if (Anelli::Perimetro(anello) < salto + 4 * s)
            break;
        giri << anello;
        riferimento = Anelli::PiuVicino(anello, riferimento);
    }
    return giri;
}

double TSpirale::InizioVerso(const QList<QPolygonF>& giri, double s, QPointF verso) const
{
    // L'ingresso è sul lato del primo giro più vicino a verso, spostato in avanti sul lato
    // perché la scala dei collegamenti (un varco indietro per giro) resti sullo stesso lato.
    const double salto = 2 * s;
    const QPolygonF& primo = giri.first();
    double inizio = Anelli::Proietta(primo, verso);
    // Mai su uno spigolo: a meno di un passo dalla fine del lato si passa al lato dopo.
    QList<double> fini;
    double sv = 0;
    for (qsizetype i = 0, n = primo.size(); i < n; ++i)
        fini << (sv += QLineF(primo[i], primo[(i + 1) % n]).length());
    const double per = sv;
    for (int giro = 0; giro < 2; ++giro) {
        inizio = std::fmod(inizio, per);
        qsizetype i = 0;
        while (i + 1 < fini.size() && inizio >= fini[i])
            ++i;
        const double fine = fini[i], lato = fine - (i > 0 ? fini[i - 1] : 0);
        if (fine - inizio < 2 * s && giro == 0) {
            inizio = fine + std::min(2 * s, lato / 2);
            continue;
        }
        const double voluto = inizio + giri.size() * 2 * salto;
        return std::max(inizio, std::min(voluto, fine - 2 * s));
    }
    return inizio;
}

QPolygonF TSpirale::AsseDa(const QList<QPolygonF>& giri, double inizio, const TForma& parte,
                           const TParametriPosa& p) const
{
    const double s = p.passo, salto = 2 * s;
    auto g = geos_tvl::PoligonoValido(parte);
    const TForme limite = geos_tvl::Forme(geos_tvl::Rientro(g.get(), p.Distanza() + Corda).get());
    if (limite.isEmpty())
        return {};
    QPolygonF asse;
    const QPointF p0 = Anelli::Punto(giri.first(), inizio);
    asse << Anelli::PiuVicino(Anelli::Antiorario(AnelloVicino(limite, p0)), p0);
    for (int k = 0; k < giri.size(); ++k) {
        const QPolygonF& anello = giri[k];
        if (k > 0) {
            inizio = Anelli::Proietta(anello, asse.last());
            // Il collegamento deve scendere di due passi, non saltare altrove.
            if (QLineF(asse.last(), Anelli::Punto(anello, inizio)).length() > 2 * s * 1.2)
                break;
        }
        QPolygonF arco = Anelli::Arco(anello, inizio, Anelli::Perimetro(anello) - salto);
        if (QLineF(asse.last(), arco.first()).length() < 1e-9)
            arco.removeFirst();
        asse += arco;
    }
    return asse.size() >= 3 ? asse : QPolygonF {};
}

QPolygonF TSpirale::Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    const QList<QPolygonF> giri = Giri(parte, p, verso);
    if (giri.isEmpty())
        return {};
    return AsseDa(giri, InizioVerso(giri, p.passo, verso), parte, p);
}

TCircuitoPosato TSpirale::SpinaDentro(const TForma& parte, const TParametriPosa& p, QPointF verso,
                                      const QList<QPolygonF>& giri) const
{
    // Il centro rimasto dentro l'ultimo giro (a due passi da esso) si copre con una spina dritta
    // lungo la sua direzione lunga. Perché la spina prosegua dritta dalla fine dell'ultimo giro,
    // la spirale si costruisce a ritroso: fine dell'ultimo giro davanti a un capo della spina,
    // ogni giro comincia un varco più avanti di dove finisce e finisce davanti all'inizio del
    // giro dentro di lui.
    if (giri.isEmpty())
        return {};
    const double s = p.passo, salto = 2 * s;
    const double ultimo = p.Distanza() + Corda + s / 2 + (giri.size() - 1) * 2 * s;
    auto g = geos_tvl::PoligonoValido(parte);
    const TForme centro = geos_tvl::Forme(geos_tvl::Rientro(g.get(), ultimo + salto - 2 * Corda).get());
    if (centro.isEmpty())
        return {};
    const QPolygonF regione = AnelloVicino(centro, giri.last().first());
    auto geom = geos_tvl::PoligonoValido(TForma {regione, {}});
    auto rett = geos_tvl::Forme(geos_tvl::TGeom(GEOSMinimumRotatedRectangle_r(geos_tvl::Contesto(), geom.get())).get());
    if (rett.isEmpty() || rett.first().esterno.size() < 4)
        return {};
    const QPolygonF& r = rett.first().esterno;
    const QLineF lato = LatoLungo(r);
    const QPointF largo = Attraverso(r);
    auto tuttoIlCentro = geos_tvl::MultiPoligono(centro);
    const double scoperto = 0.04 * TGeometria::Area(parte);
    // Spina al centro del rettangolo, poi spostata verso i suoi lati lunghi; mai una spina che
    // lascia scoperta una parte del centro (centro a L, in più pezzi).
    const QPointF unita = largo / std::max(1e-12, std::hypot(largo.x(), largo.y()));
    const QPolygonF& fondo = giri.last();
    for (double f : {0.5, 0.3, 0.7, 0.1, 0.9}) {
        QPointF capoA = lato.p1() + largo * f, capoB = lato.p2() + largo * f;
        if (QLineF(capoB, verso).length() < QLineF(capoA, verso).length())
            std::swap(capoA, capoB);
        auto coperto = geos_tvl::Buffer(geos_tvl::Linea(QPolygonF {capoA, capoB}).get(), s);
        if (geos_tvl::Area(geos_tvl::Differenza(tuttoIlCentro.get(), coperto.get()).get()) > scoperto)
            continue;
        // L'ultimo giro finisce davanti al capo della spina (la spina prosegue dritta) o di
        // fianco (un gomito: nei corridoi il capo è più vicino ai lati lunghi).
        for (QPointF davanti : {capoA, capoA + unita * salto, capoA - unita * salto}) {
            const double fine = Anelli::Proietta(fondo, davanti);
            const QPointF e = Anelli::Punto(fondo, fine);
            if (std::abs(QLineF(e, capoA).length() - salto) > 0.05 * salto)
                continue;
            TCircuitoPosato ci = SpinaDa(giri, fine, QPolygonF {capoA, capoB}, parte, p);
            if (Regolare(ci, p))
                return ci;
        }
    }
    return {};
}

TCircuitoPosato TSpirale::SpinaDa(const QList<QPolygonF>& giri, double fine, const QPolygonF& spina,
                                  const TForma& parte, const TParametriPosa& p) const
{
    // A ritroso fino al primo giro: ogni collegamento scende dritto di due passi, mai attorno a
    // uno spigolo.
    const double salto = 2 * p.passo;
    const QPolygonF& fondo = giri.last();
    const QPointF e = Anelli::Punto(fondo, fine);
    for (qsizetype k = giri.size() - 1; k > 0; --k) {
        const QPointF inizioK = Anelli::Punto(giri[k], fine + salto);
        fine = Anelli::Proietta(giri[k - 1], inizioK);
        if (QLineF(inizioK, Anelli::Punto(giri[k - 1], fine)).length() >= salto * 1.05)
            return {};
    }
    QPolygonF asse = AsseDa(giri, fine + salto, parte, p);
    if (asse.isEmpty() || QLineF(asse.last(), e).length() > 1e-6)
        return {};
    return TTracciatore().TuboDaAsse(asse + spina, parte, p);
}

QPolygonF TSpirale::Coda(const TForma& parte, const TParametriPosa& p, const QPolygonF& asse) const
{
    // Il centro lasciato dall'ultimo giro (più stretto di due passi) si copre con un tratto
    // lungo il suo asse lungo: ogni punto del centro dista almeno due passi dall'ultimo giro.
    const double s = p.passo, c = p.Distanza();
    auto g = geos_tvl::PoligonoValido(parte);
    int giri = 0;
    for (; giri < p.maxAnelli; ++giri)
        if (GEOSisEmpty_r(geos_tvl::Contesto(), geos_tvl::Rientro(g.get(), c + s / 2 + giri * 2 * s).get()))
            break;
    TForme centro;
    for (int k = giri; k >= 1 && centro.isEmpty(); --k)
        centro = geos_tvl::Forme(geos_tvl::Rientro(g.get(), c + s / 2 + k * 2 * s).get());
    if (centro.isEmpty() || asse.isEmpty())
        return {};
    const QPolygonF regione = AnelloVicino(centro, asse.last());
    auto geom = geos_tvl::PoligonoValido(TForma {regione, {}});
    auto rett = geos_tvl::Forme(geos_tvl::TGeom(GEOSMinimumRotatedRectangle_r(geos_tvl::Contesto(), geom.get())).get());
    if (rett.isEmpty() || rett.first().esterno.size() < 4)
        return {};
    const QPolygonF& r = rett.first().esterno;
    const QLineF lato = LatoLungo(r);
    const QPointF meta = Attraverso(r) / 2;
    QPolygonF spina {lato.p1() + meta, lato.p2() + meta};
    auto pezzi = geos_tvl::Intersezione(geom.get(), geos_tvl::Linea(spina).get());
    QPolygonF migliore;
    for (int i = 0, n = GEOSGetNumGeometries_r(geos_tvl::Contesto(), pezzi.get()); i < n; ++i) {
        const GEOSGeometry* t = GEOSGetGeometryN_r(geos_tvl::Contesto(), pezzi.get(), i);
        if (GEOSGeomTypeId_r(geos_tvl::Contesto(), t) != GEOS_LINESTRING)
            continue;
        const GEOSCoordSequence* sq = GEOSGeom_getCoordSeq_r(geos_tvl::Contesto(), t);
        unsigned np = 0;
        GEOSCoordSeq_getSize_r(geos_tvl::Contesto(), sq, &np);
        if (np < 2)
            continue;
        double x0, y0, x1, y1;
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, 0, &x0, &y0);
        GEOSCoordSeq_getXY_r(geos_tvl::Contesto(), sq, np - 1, &x1, &y1);
        const QPolygonF seg {QPointF(x0, y0), QPointF(x1, y1)};
        if (migliore.isEmpty() || LunghezzaPolilinea(seg) > LunghezzaPolilinea(migliore))
            migliore = seg;
    }
    if (migliore.isEmpty() || LunghezzaPolilinea(migliore) < s)
        return {};
    if (QLineF(asse.last(), migliore.last()).length() < QLineF(asse.last(), migliore.first()).length())
        std::reverse(migliore.begin(), migliore.end());
    return migliore;
}

TCircuitoPosato TSpirale::Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    TCircuitoPosato c = PosaGiri(parte, p, verso);
    // Dove i giri lasciano vuota troppa parte (una forma a L o a T, un foro) le passate la riempiono
    // meglio, se di un buon tratto: il circuito resta uno solo, dall'ingresso e ritorno.
    if (c.Posato() && c.lunghezza * p.passo <= 0.85 * TGeometria::Area(parte))
        if (TCircuitoPosato a = TAlbero().Posa(parte, p, verso, 1.05 * c.lunghezza); a.Posato()) {
            const double copertura = c.lunghezza * p.passo / TGeometria::Area(parte);
            a.ripiego = tr("posato a serpentina (la spirale copriva solo il %1% della parte)")
                            .arg(QLocale().toString(100 * copertura, 'f', 0));
            return a;
        }
    return c;
}

TCircuitoPosato TSpirale::PosaGiri(const TForma& parte, const TParametriPosa& p, QPointF verso) const
{
    QList<QPolygonF> giri = Giri(parte, p, verso);
    const QPolygonF asse = giri.isEmpty() ? QPolygonF {} : AsseDa(giri, InizioVerso(giri, p.passo, verso), parte, p);
    if (asse.isEmpty()) {
        TCircuitoPosato c;
        c.motivo
            = tr("La parte è troppo stretta per un circuito al passo di %1 cm.").arg(NumeroSchermo(p.passo * 100, 1));
        return c;
    }
    // Fra le spirali regolari (spina al centro dentro l'ultimo o il penultimo giro, oppure coda al
    // centro della spirale che parte verso il collettore) la più lunga, cioè quella che copre di
    // più. I giri più interni sono i più piccoli e storti: se nessuna spirale è regolare si
    // rinuncia a uno (tempo limitato).
    TCircuitoPosato conSpina = SpinaDentro(parte, p, verso, giri);
    if (conSpina.Posato())
        return conSpina; // già regolare, e nessun'altra copre di più
    TCircuitoPosato senzaCoda;
    for (int tolti = 0; tolti < 2 && tolti < giri.size(); ++tolti) {
        const QList<QPolygonF> questi = giri.mid(0, giri.size() - tolti);
        const double inizio = InizioVerso(questi, p.passo, verso);
        const QPolygonF a = tolti == 0 ? asse : AsseDa(questi, inizio, parte, p);
        if (a.isEmpty())
            break;
        QList<TCircuitoPosato> prove;
        if (questi.size() > 1)
            prove << SpinaDentro(parte, p, verso, questi.mid(0, questi.size() - 1));
        if (const QPolygonF coda = Coda(parte, p, a); !coda.isEmpty())
            prove << TTracciatore().TuboDaAsse(a + coda, parte, p);
        prove << TTracciatore().TuboDaAsse(a, parte, p);
        if (tolti == 0) {
            senzaCoda = prove.last();
            // La scala dei collegamenti che cade in una curva dei giri interni, o la fine
            // dell'ultimo giro che gira uno spigolo verso il suo inizio: si sposta l'ingresso lungo
            // il primo giro e si ferma la spirale prima del difetto.
            QList<QPolygonF> assi {a};
            for (double spostamento : {-3.0, 3.0})
                if (const QPolygonF b = AsseDa(questi, inizio + spostamento * p.passo, parte, p); !b.isEmpty())
                    assi << b;
            // Fermata troppo presto copre poco: meglio l'altro schema.
            for (const QPolygonF& b : assi) {
                if (Regolare(prove.last(), p) && prove.last().lunghezza > 0.9 * senzaCoda.lunghezza)
                    break;
                if (TCircuitoPosato f = Fermata(b, parte, p); f.lunghezza > 0.75 * senzaCoda.lunghezza)
                    prove << f;
            }
        }
        const TCircuitoPosato* migliore = nullptr;
        for (const TCircuitoPosato& ci : prove)
            if (Regolare(ci, p) && (!migliore || ci.lunghezza > migliore->lunghezza))
                migliore = &ci;
        if (migliore)
            return *migliore;
    }
    // Mai un tubo che piega troppo stretto o si avvicina a sé stesso: chi posa ripiega sull'altro schema.
    TCircuitoPosato no;
    no.asse = asse;
    no.motivo = senzaCoda.Posato()
        ? QCoreApplication::translate("TPosa",
                                      "La spirale piegherebbe più stretta del raggio minimo o si "
                                      "avvicinerebbe a sé stessa più del passo.")
        : senzaCoda.motivo;
    return no;
}
