#include "posa/finestre/Udisegnoposa.h"

#include "data/Uformato.h"
#include "pianta/finestre/Uvistapianta.h"
#include "posa/Udxfposa.h"

#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace {
QPen Penna(const QColor& colore, double pixel, Qt::PenStyle stile = Qt::SolidLine)
{
    QPen p(colore, pixel, stile, Qt::RoundCap, Qt::RoundJoin);
    p.setCosmetic(true);
    return p;
}

double DistanzaDaSpezzata(const QPolygonF& s, QPointF q)
{
    double migliore = 1e300;
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        const QPointF a = s[i], d = s[i + 1] - a;
        const double l2 = QPointF::dotProduct(d, d);
        const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(q - a, d) / l2, 0.0, 1.0) : 0;
        const QPointF v = q - (a + t * d);
        migliore = std::min(migliore, std::hypot(v.x(), v.y()));
    }
    return migliore;
}
} // namespace

TDisegnoPosa::TDisegnoPosa(QWidget* parent)
    : QWidget(parent)
    , m_vista(new TVistaPianta(this))
{
    setObjectName(QStringLiteral("DisegnoPosa"));
    m_vista->setAccessibleName(tr("Disegno della posa"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(m_vista);
    m_vista->DisegnaInCache = [this](QPainter& p, const QRectF& visibile) { disegna(p, visibile); };
    m_vista->DisegnaSopra = [this](QPainter& p) { disegnaEvidenza(p); };
    m_vista->Premuto = [this](QPointF metri, QMouseEvent* e) {
        if (e->button() == Qt::RightButton) {
            menu(e->position(), metri);
            return;
        }
        if (e->button() != Qt::LeftButton)
            return;
        if (e->modifiers() & Qt::ControlModifier) {
            if (m_evidenza >= 0)
                Q_EMIT ingressoScelto(m_evidenza, metri);
            return;
        }
        const int c = CircuitoIn(e->position());
        Evidenzia(c);
        if (c >= 0)
            Q_EMIT circuitoScelto(c);
    };
}

void TDisegnoPosa::Mostra(const TPiano& piano, const TPosaPiano& posa)
{
    const bool altroPiano = piano.piano != m_piano.piano;
    m_piano = piano;
    m_posa = posa;
    m_limiti.clear();
    for (const TCircuitoPiano& c : m_posa.circuiti)
        m_limiti << (c.Posato() ? c.posa.ansa.tubo.boundingRect()
                                      .united(c.posa.collegamento.mandata.boundingRect())
                                      .united(c.posa.collegamento.ritorno.boundingRect())
                                : QRectF());
    if (m_evidenza >= m_posa.circuiti.size())
        m_evidenza = -1;
    double risoluzione = 1;
    const QImage immagine = ImmagineSfondo(m_piano.sfondo, &risoluzione);
    m_vista->ImpostaSfondo(m_piano.sfondo, immagine, risoluzione);
    m_vista->Ridisegna();
    if (altroPiano)
        Adatta();
}

void TDisegnoPosa::menu(QPointF schermo, QPointF metri)
{
    if (m_evidenza < 0)
        return;
    QMenu m(this);
    const QString nome = m_posa.circuiti[m_evidenza].nome;
    QAction* qui = m.addAction(tr("Ingresso di \"%1\" qui").arg(nome));
    QAction* automatico = m.addAction(tr("Ingresso automatico"));
    QAction* scelta = m.exec(m_vista->mapToGlobal(schermo.toPoint()));
    if (scelta == qui)
        Q_EMIT ingressoScelto(m_evidenza, metri);
    else if (scelta == automatico)
        Q_EMIT ingressoAutomatico(m_evidenza);
}

void TDisegnoPosa::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Adatta();
}

void TDisegnoPosa::Adatta()
{
    QRectF r;
    for (const TContornoLocale& l : m_piano.locali)
        r = r.isNull() ? l.contorno.boundingRect() : r.united(l.contorno.boundingRect());
    for (const QPointF& c : m_piano.collettori)
        r = r.isNull() ? QRectF(c, QSizeF(0.1, 0.1)) : r.united(QRectF(c, QSizeF(0.1, 0.1)));
    if (r.isNull() && m_piano.sfondo.tipo == TSfondo::TTipo::Disegno)
        r = m_piano.sfondo.disegno.Limiti();
    m_vista->Adatta(r);
}

void TDisegnoPosa::Evidenzia(int circuito)
{
    m_evidenza = circuito >= 0 && circuito < m_posa.circuiti.size() ? circuito : -1;
    m_vista->update();
}

int TDisegnoPosa::CircuitoIn(QPointF schermo) const
{
    const QPointF q = m_vista->VersoPianta(schermo);
    const double tolleranza = 6 / m_vista->Zoom();
    int scelto = -1;
    double migliore = tolleranza;
    for (int i = 0; i < m_posa.circuiti.size(); ++i) {
        const TCircuitoPiano& c = m_posa.circuiti[i];
        if (!c.Posato() || !m_limiti[i].adjusted(-tolleranza, -tolleranza, tolleranza, tolleranza).contains(q))
            continue;
        for (const QPolygonF* s : {&c.posa.ansa.tubo, &c.posa.collegamento.mandata, &c.posa.collegamento.ritorno})
            if (const double d = DistanzaDaSpezzata(*s, q); d <= migliore) {
                migliore = d;
                scelto = i;
            }
    }
    return scelto;
}

void TDisegnoPosa::disegna(QPainter& p, const QRectF& visibile) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QPolygonF& z : m_piano.zoneSenzaTubi) {
        p.setPen(Penna(QColor(120, 120, 120), 1));
        QBrush tratteggio(QColor(150, 150, 150), Qt::BDiagPattern);
        tratteggio.setTransform(p.transform().inverted());
        p.setBrush(tratteggio);
        p.drawPolygon(z);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(Qt::black, 2));
    for (const TContornoLocale& l : m_piano.locali)
        p.drawPolygon(l.contorno);
    for (int i = 0; i < m_posa.circuiti.size(); ++i) {
        const TCircuitoPiano& c = m_posa.circuiti[i];
        if (!c.Posato() || !m_limiti[i].intersects(visibile))
            continue;
        const QColor colore = ColoriPosa::Rgb(c.colore);
        p.setPen(Penna(colore.lighter(140), 1));
        p.drawPolyline(c.posa.collegamento.mandata);
        p.drawPolyline(c.posa.collegamento.ritorno);
        p.setPen(Penna(colore, 1));
        p.drawPolyline(c.posa.ansa.tubo);
    }
    // I collettori e i loro nomi, dritti sullo schermo.
    const QTransform t = p.transform();
    p.resetTransform();
    int k = 0;
    for (auto c = m_piano.collettori.cbegin(); c != m_piano.collettori.cend(); ++c, ++k) {
        const QPointF q = t.map(c.value());
        p.setPen(Penna(Qt::black, 1));
        p.setBrush(ColoriPosa::Rgb(k));
        p.drawRect(QRectF(q - QPointF(12, 4), QSizeF(24, 8)));
        p.setPen(Qt::black);
        p.drawText(q + QPointF(-12, -7), c.key());
    }
    p.restore();
}

void TDisegnoPosa::disegnaEvidenza(QPainter& p) const
{
    if (m_evidenza < 0)
        return;
    const TCircuitoPiano& c = m_posa.circuiti[m_evidenza];
    if (!c.Posato())
        return;
    const QTransform t = m_vista->Trasformazione();
    p.setPen(Penna(QColor(255, 200, 0, 170), 7));
    p.drawPolyline(t.map(c.posa.ansa.tubo));
    p.setPen(Penna(ColoriPosa::Rgb(c.colore), 2.5));
    p.drawPolyline(t.map(c.posa.ansa.tubo));
    p.drawPolyline(t.map(c.posa.collegamento.mandata));
    p.drawPolyline(t.map(c.posa.collegamento.ritorno));
    // Ingresso (mandata) pieno e uscita (ritorno) vuota, dove il circuito lascia i collegamenti.
    p.setBrush(ColoriPosa::Rgb(c.colore));
    p.drawEllipse(t.map(c.posa.ansa.tubo.first()), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(t.map(c.posa.ansa.tubo.last()), 5, 5);
    const QPointF q = t.map(c.posa.parte.esterno.boundingRect().center());
    const QString testo = c.nome + QStringLiteral(" · %1 m").arg(NumeroSchermo(c.Totale(), 1));
    const QRectF fondo = QFontMetricsF(p.font()).boundingRect(testo).translated(q).adjusted(-4, -2, 4, 2);
    p.setPen(Penna(ColoriPosa::Rgb(c.colore), 1));
    p.setBrush(Qt::white);
    p.drawRect(fondo);
    p.setPen(Qt::black);
    p.drawText(q, testo);
}
