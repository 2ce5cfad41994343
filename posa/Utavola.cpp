#include "posa/Utavola.h"

#include "posa/Udxfposa.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {
// Misure della tavola in millimetri.
constexpr double Margine = 10;
constexpr double Colonna = 118; // colonna a destra: legenda e cartiglio
constexpr double Riga = 4.6; // riga della legenda
constexpr double Cartiglio = 62;

QRectF Limiti(const TPiano& piano, const TPosaPiano& posa)
{
    QRectF r;
    auto unisci = [&](const QRectF& b) { r = r.isNull() ? b : r.united(b); };
    for (const TContornoLocale& l : piano.locali)
        unisci(l.contorno.boundingRect());
    for (const QPointF& p : piano.collettori)
        unisci(QRectF(p - QPointF(0.4, 0.4), QSizeF(0.8, 0.8)));
    for (const TCircuitoPiano& c : posa.circuiti)
        if (c.Posato())
            unisci(c.posa.collegamento.mandata.boundingRect());
    if (r.isNull() && piano.sfondo.tipo == TSfondo::TTipo::Disegno)
        r = piano.sfondo.disegno.Limiti();
    return r.adjusted(-0.5, -0.5, 0.5, 0.5);
}

class TDisegnatore
{
public:
    TDisegnatore(QPainter& p, const QRectF& spazio, const QRectF& limiti, int scala)
        : m_p(p)
    {
        // Metri del piano -> millimetri della carta, y verso l'alto, piano al centro dello spazio.
        const double k = 1000.0 / scala;
        const QPointF centro = spazio.center(), mezzo = limiti.center();
        m_t = QTransform(k, 0, 0, -k, centro.x() - k * mezzo.x(), centro.y() + k * mezzo.y());
    }
    QPointF operator()(QPointF q) const { return m_t.map(q); }
    QPolygonF operator()(const QPolygonF& q) const { return m_t.map(q); }

    void Linea(const QPolygonF& q, const QColor& c, double spessore, bool chiusa = false,
               Qt::PenStyle stile = Qt::SolidLine)
    {
        QPen pen(c, spessore, stile, Qt::RoundCap, Qt::RoundJoin);
        m_p.setPen(pen);
        m_p.setBrush(Qt::NoBrush);
        chiusa ? m_p.drawPolygon(m_t.map(q)) : m_p.drawPolyline(m_t.map(q));
    }

private:
    QPainter& m_p;
    QTransform m_t;
};

// Carattere con le maiuscole alte altezzaMm, nel sistema in millimetri del pittore.
QFont Carattere(const QPainter& p, double altezzaMm, bool grassetto = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(altezzaMm / 0.72 * 72.0 / p.device()->logicalDpiY());
    f.setBold(grassetto);
    return f;
}

void Testo(QPainter& p, QPointF in, double altezzaMm, const QString& t, const QColor& c = Qt::black,
           bool grassetto = false)
{
    p.setFont(Carattere(p, altezzaMm, grassetto));
    p.setPen(c);
    p.drawText(in, t);
}

void Pianta(QPainter& p, TDisegnatore& d, const TPiano& piano, const TPosaPiano& posa, int scala)
{
    if (piano.sfondo.tipo == TSfondo::TTipo::Disegno) {
        const TDisegno& s = piano.sfondo.disegno;
        for (const TSpezzata& sp : s.spezzate)
            if (sp.livello < 0 || sp.livello >= s.livelli.size() || s.livelli[sp.livello].visibile)
                d.Linea(sp.punti, QColor(170, 170, 170), 0.13, sp.chiusa);
    }
    for (const QPolygonF& z : piano.zoneSenzaTubi) {
        p.setPen(QPen(QColor(120, 120, 120), 0.18));
        p.setBrush(QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
        p.drawPolygon(d(z));
    }
    for (const TContornoLocale& l : piano.locali)
        d.Linea(l.contorno, Qt::black, 0.35, true);
    const double testo = std::clamp(120.0 / scala * 1.5, 1.6, 2.6);
    for (const TCircuitoPiano& c : posa.circuiti) {
        if (!c.Posato())
            continue;
        const QColor colore = ColoriPosa::Rgb(c.colore);
        d.Linea(c.posa.collegamento.mandata, colore, 0.18, false, Qt::DashLine);
        d.Linea(c.posa.collegamento.ritorno, colore, 0.18, false, Qt::DashLine);
        d.Linea(c.posa.ansa.tubo, colore, 0.25);
    }
    // Le scritte dopo i tubi, su un fondo bianco perché si leggano.
    for (const TCircuitoPiano& c : posa.circuiti) {
        if (!c.Posato())
            continue;
        QStringList t = TDxfPosa::Testi(c);
        const QRectF parte = d(c.posa.parte.esterno).boundingRect();
        const QFontMetricsF m(Carattere(p, testo, true), p.device());
        double larga = std::max(m.horizontalAdvance(t[0]), m.horizontalAdvance(t[1]));
        // Nella parte ci sta il nome con passo e lunghezza, o almeno il riferimento della legenda.
        if (larga + 2 > parte.width()) {
            t = QStringList {TTavola::Riferimento(c), QString()};
            larga = m.horizontalAdvance(t[0]);
        }
        const QPointF q(parte.center().x() - larga / 2, parte.center().y());
        const QRectF fondo(q.x() - 1, q.y() - testo * 1.35, larga + 2, testo * (t[1].isEmpty() ? 1.8 : 3.1));
        p.setPen(QPen(ColoriPosa::Rgb(c.colore), 0.15));
        p.setBrush(Qt::white);
        p.drawRect(fondo);
        Testo(p, q, testo, t[0], ColoriPosa::Rgb(c.colore), true);
        Testo(p, q + QPointF(0, testo * 1.3), testo * 0.85, t[1], Qt::black);
    }
    int i = 0;
    for (auto c = piano.collettori.cbegin(); c != piano.collettori.cend(); ++c, ++i) {
        const QPointF q = d(c.value());
        const double w = 600.0 / scala, h = 120.0 / scala;
        p.setPen(QPen(Qt::black, 0.3));
        p.setBrush(ColoriPosa::Rgb(i));
        p.drawRect(QRectF(q.x() - w / 2, q.y() - h / 2, w, h));
        // Il nome su un fondo bianco: i collegamenti partono da qui e lo barrerebbero.
        const QPointF base = q + QPointF(-w / 2, -h / 2 - 1);
        const QFontMetricsF m(Carattere(p, 2.6, true), p.device());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(base.x() - 0.5, base.y() - 2.6 * 1.2, m.horizontalAdvance(c.key()) + 1, 2.6 * 1.5));
        Testo(p, base, 2.6, c.key(), Qt::black, true);
    }
}

// Legenda: una riga per circuito, più fitte se non stanno nell'altezza data; quelle che non
// stanno nemmeno al carattere più piccolo si contano in fondo. Restituisce l'altezza usata.
double Legenda(QPainter& p, QPointF o, double larga, double alta, const TPosaPiano& posa)
{
    const QLocale it(QLocale::Italian, QLocale::Italy);
    const auto posati
        = std::count_if(posa.circuiti.begin(), posa.circuiti.end(), [](const TCircuitoPiano& c) { return c.Posato(); });
    const double riga = std::clamp((alta - 24) / double(posati + 1), 2.6, Riga);
    const double testo = std::min(2.2, riga * 0.48);
    const int righe = int((alta - 24) / riga);
    Testo(p, o + QPointF(0, 4), 3.2, TTavola::tr("Legenda dei circuiti"), Qt::black, true);
    const double x[] = {0, 7, 45, 70, 82, 95};
    const QString titoli[] = {QString(),
                              TTavola::tr("Rif. - Circuito"),
                              TTavola::tr("Collettore"),
                              TTavola::tr("Passo"),
                              TTavola::tr("Lungh."),
                              TTavola::tr("Portata")};
    double y = o.y() + 9;
    for (int k = 1; k < 6; ++k)
        Testo(p, QPointF(o.x() + x[k], y), 2.2, titoli[k], Qt::black, true);
    Testo(p, QPointF(o.x() + x[3], y + 2.6), 1.8, TTavola::tr("cm"));
    Testo(p, QPointF(o.x() + x[4], y + 2.6), 1.8, TTavola::tr("m"));
    Testo(p, QPointF(o.x() + x[5], y + 2.6), 1.8, TTavola::tr("l/h"));
    y += 3.5;
    p.setPen(QPen(Qt::black, 0.2));
    p.drawLine(QPointF(o.x(), y), QPointF(o.x() + larga, y));
    double totale = 0;
    int scritte = 0;
    const QFontMetricsF m(Carattere(p, testo), p.device());
    for (const TCircuitoPiano& c : posa.circuiti) {
        if (!c.Posato())
            continue;
        totale += c.Totale();
        if (++scritte > righe)
            continue;
        y += riga;
        p.setPen(QPen(ColoriPosa::Rgb(c.colore), 0.8));
        p.drawLine(QPointF(o.x() + 0.5, y - testo / 2), QPointF(o.x() + 5.5, y - testo / 2));
        Testo(p, QPointF(o.x() + x[1], y), testo,
              m.elidedText(TTavola::Riferimento(c) + QStringLiteral("  ") + c.nome, Qt::ElideRight, x[2] - x[1] - 1));
        Testo(p, QPointF(o.x() + x[2], y), testo, c.collettore);
        Testo(p, QPointF(o.x() + x[3], y), testo, it.toString(c.passo * 100, 'f', 0));
        Testo(p, QPointF(o.x() + x[4], y), testo, it.toString(c.Totale(), 'f', 1));
        Testo(p, QPointF(o.x() + x[5], y), testo, c.portata > 0 ? it.toString(c.portata, 'f', 1) : QStringLiteral("-"));
    }
    if (scritte > righe) {
        y += riga;
        Testo(p, QPointF(o.x() + x[1], y), testo, TTavola::tr("... e altri %1 circuiti").arg(scritte - righe));
    }
    y += 2;
    p.setPen(QPen(Qt::black, 0.2));
    p.drawLine(QPointF(o.x(), y), QPointF(o.x() + larga, y));
    y += Riga;
    Testo(p, QPointF(o.x() + x[1], y), 2.2, TTavola::tr("Totale tubo del piano"), Qt::black, true);
    Testo(p, QPointF(o.x() + x[4], y), 2.2, it.toString(totale, 'f', 1), Qt::black, true);
    return y - o.y();
}

void ScalaGrafica(QPainter& p, QPointF o, int scala)
{
    // Tratti di 1 m fino a 5 m (10 m alle scale piccole).
    const int metri = scala > 100 ? 10 : 5;
    const double passo = 1000.0 / scala * (metri / 5.0);
    for (int k = 0; k < 5; ++k) {
        p.setPen(QPen(Qt::black, 0.2));
        p.setBrush(k % 2 ? Qt::white : Qt::black);
        p.drawRect(QRectF(o.x() + k * passo, o.y(), passo, 1.5));
    }
    for (int k = 0; k <= 5; ++k)
        Testo(p, QPointF(o.x() + k * passo - 0.7, o.y() + 4.5), 2, QString::number(k * metri / 5));
    Testo(p, QPointF(o.x() + 5 * passo + 4, o.y() + 4.5), 2, QStringLiteral("m"));
}

void Casella(QPainter& p, const QRectF& r, const QString& etichetta, const QString& valore, double altezza = 3)
{
    p.setPen(QPen(Qt::black, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    Testo(p, r.topLeft() + QPointF(1.2, 2.6), 1.8, etichetta, QColor(80, 80, 80));
    Testo(p, r.topLeft() + QPointF(1.2, r.height() - 2), altezza, valore, Qt::black, true);
}

void CartiglioTavola(QPainter& p, const QRectF& r, const TDatiTavola& d, const QString& piano, int scala)
{
    const double h = r.height() / 5;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 0.5));
    p.drawRect(r);
    Casella(p, QRectF(r.left(), r.top(), r.width(), h), TTavola::tr("Tavola"), TTavola::tr("Tavola impianto"), 4.5);
    Casella(p, QRectF(r.left(), r.top() + h, r.width(), h), TTavola::tr("Progetto"), d.progetto);
    Casella(p, QRectF(r.left(), r.top() + 2 * h, r.width() / 2, h), TTavola::tr("Cliente"), d.cliente);
    Casella(p, QRectF(r.center().x(), r.top() + 2 * h, r.width() / 2, h), TTavola::tr("Progettista"), d.progettista);
    Casella(p, QRectF(r.left(), r.top() + 3 * h, r.width() / 2, h), TTavola::tr("Piano"), piano);
    Casella(p, QRectF(r.center().x(), r.top() + 3 * h, r.width() / 2, h), TTavola::tr("Scala"),
            QStringLiteral("1:%1").arg(scala));
    Casella(p, QRectF(r.left(), r.top() + 4 * h, r.width() / 2, h), TTavola::tr("Data"), d.data);
    // Il foglio fra quelli dei piani, con il formato a cui stampare.
    Casella(p, QRectF(r.center().x(), r.top() + 4 * h, r.width() / 2, h), TTavola::tr("Foglio"),
            QStringLiteral("%1/%2 (%3)").arg(d.foglio).arg(d.fogli).arg(QPageSize::name(d.formato)));
}
} // namespace

QString TTavola::Riferimento(const TCircuitoPiano& c)
{
    return QStringLiteral("%1.%2%3").arg(c.ID).arg(c.numero).arg(c.zona == u'm' ? QStringLiteral("m") : QString());
}

int TTavola::ScalaPerSpazio(QSizeF pianoM, QSizeF spazioMm, int chiesta)
{
    for (int s : {chiesta, 100, 200, 500, 1000}) {
        if (s < chiesta)
            continue;
        if (pianoM.width() * 1000 / s <= spazioMm.width() && pianoM.height() * 1000 / s <= spazioMm.height())
            return s;
    }
    return 0;
}

TEsitoTavola TTavola::Scrivi(const QString& percorso, const TPiano& piano, const TPosaPiano& posa,
                             const TDatiTavola& dati)
{
    TEsitoTavola r;
    QPdfWriter pdf(percorso);
    pdf.setPageSize(QPageSize(dati.formato));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(1200);
    pdf.setTitle(tr("Tavola impianto - %1").arg(posa.piano));
    pdf.setCreator(QStringLiteral("TERMOVELA"));
    const QSizeF foglio = QPageSize(dati.formato).size(QPageSize::Millimeter).transposed();
    const QRectF cornice(Margine, Margine, foglio.width() - 2 * Margine, foglio.height() - 2 * Margine);
    const QRectF spazio(cornice.left() + 4, cornice.top() + 4, cornice.width() - Colonna - 12, cornice.height() - 16);
    const QRectF limiti = Limiti(piano, posa);
    r.scala = ScalaPerSpazio(limiti.size(), spazio.size(), dati.scala);
    if (r.scala == 0) {
        r.errore = tr("Il piano %1 non entra nel foglio nemmeno alla scala 1:1000.").arg(posa.piano);
        return r;
    }
    if (r.scala != dati.scala)
        r.avvisi << tr("Il piano %1 non entra nel foglio alla scala 1:%2: disegnato alla scala 1:%3.")
                        .arg(posa.piano)
                        .arg(dati.scala)
                        .arg(r.scala);
    QPainter p;
    if (!p.begin(&pdf)) {
        r.errore = tr("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(percorso));
        return r;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pdf.resolution() / 25.4, pdf.resolution() / 25.4); // da qui in millimetri
    p.setPen(QPen(Qt::black, 0.5));
    p.drawRect(cornice);
    p.save();
    p.setClipRect(spazio);
    TDisegnatore d(p, spazio, limiti, r.scala);
    Pianta(p, d, piano, posa, r.scala);
    p.restore();
    const double xc = cornice.right() - Colonna;
    p.setPen(QPen(Qt::black, 0.35));
    p.drawLine(QPointF(xc, cornice.top()), QPointF(xc, cornice.bottom()));
    Legenda(p, QPointF(xc + 4, cornice.top() + 4), Colonna - 8, cornice.height() - Cartiglio - 8, posa);
    ScalaGrafica(p, QPointF(spazio.left() + 2, cornice.bottom() - 9), r.scala);
    CartiglioTavola(p, QRectF(xc, cornice.bottom() - Cartiglio, Colonna, Cartiglio), dati, posa.piano, r.scala);
    if (!p.end()) {
        r.errore = tr("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(percorso));
        return r;
    }
    r.ok = true;
    return r;
}
