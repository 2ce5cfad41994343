// Quello che la finestra "Pianta" dipinge sopra lo sfondo: locali con nome e area al centro, zone
// senza tubi, muri esterni, collettori, il contorno in disegno con le misure e l'aggancio.
#include "Ufinestrapianta.h"
#include "Uvistapianta.h"
#include "data/Uformato.h"

#include "pianta/Ugeometria.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// Baricentro dell'area (il centro del rettangolo se il contorno è degenere).
QPointF Baricentro(const QPolygonF& c)
{
    double a = 0, x = 0, y = 0;
    for (qsizetype i = 0; i < c.size(); ++i) {
        const QPointF p = c[i], q = c[(i + 1) % c.size()];
        const double k = p.x() * q.y() - q.x() * p.y();
        a += k;
        x += (p.x() + q.x()) * k;
        y += (p.y() + q.y()) * k;
    }
    if (std::abs(a) < 1e-12)
        return c.boundingRect().center();
    return {x / (3 * a), y / (3 * a)};
}

QPen Penna(const QColor& colore, double larghezza, Qt::PenStyle stile = Qt::SolidLine)
{
    QPen p(colore, larghezza, stile);
    p.setCosmetic(true);
    return p;
}

void Etichetta(QPainter& p, QPointF centro, const QString& testo, const QColor& colore)
{
    const QRectF r = p.fontMetrics().boundingRect(QRect(), Qt::AlignCenter, testo);
    const QRectF box = r.translated(centro - r.center()).adjusted(-3, -1, 3, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(colore);
    p.drawText(box, Qt::AlignCenter, testo);
}
} // namespace

void TFinestraPianta::disegnaSopra(QPainter& p)
{
    const TPiano* pp = piano();
    const QTransform t = m_vista->Trasformazione();
    p.save();
    if (pp) {
        p.setTransform(t);
        for (qsizetype i = 0; i < pp->locali.size(); ++i) {
            const bool scelto = m_selTipo == 1 && m_selIndice == i;
            const QPolygonF& c = scelto && m_vertice >= 0 ? m_trascinato : pp->locali[i].contorno;
            p.setBrush(scelto ? QColor(80, 140, 230, 70) : QColor(250, 160, 60, 60));
            p.setPen(Penna(scelto ? QColor(30, 90, 200) : QColor(200, 100, 20), 2));
            p.drawPolygon(c);
        }
        p.setBrush(QBrush(QColor(110, 110, 110), Qt::BDiagPattern));
        for (qsizetype i = 0; i < pp->zoneSenzaTubi.size(); ++i) {
            const bool scelta = m_selTipo == 2 && m_selIndice == i;
            p.setPen(Penna(scelta ? QColor(30, 90, 200) : QColor(90, 90, 90), scelta ? 2 : 1.5));
            p.drawPolygon(scelta && m_vertice >= 0 ? m_trascinato : pp->zoneSenzaTubi[i]);
        }
        p.setPen(Penna(QColor(200, 30, 30), 5));
        for (const TMuroEsterno& m : pp->muriEsterni) {
            const QPolygonF c = pp->locali.value(m.contorno).contorno;
            if (m.lato >= 0 && m.lato < c.size())
                p.drawLine(c[m.lato], c[(m.lato + 1) % c.size()]);
        }
        p.resetTransform();
        // Nomi e aree al centro dei locali.
        for (const TContornoLocale& c : pp->locali) {
            QString nome = QString::number(c.idLocale);
            for (const TLocalePianta& l : m_locali)
                if (l.id == c.idLocale && !l.descrizione.isEmpty())
                    nome += QLatin1Char(' ') + l.descrizione;
            Etichetta(p, t.map(Baricentro(c.contorno)),
                      tr("%1\n%2 m²").arg(nome).arg(NumeroSchermo(TGeometria::Area(c.contorno), 2)),
                      QColor(120, 50, 0));
        }
        for (auto it = pp->collettori.begin(); it != pp->collettori.end(); ++it) {
            const QPointF s = t.map(it.value());
            const bool scelto = m_selTipo == 3 && m_selCollettore == it.key();
            p.setPen(Penna(Qt::white, 2));
            p.setBrush(scelto ? QColor(30, 90, 200) : QColor(20, 130, 60));
            p.drawEllipse(s, 7, 7);
            Etichetta(p, s + QPointF(0, -18), it.key(), QColor(20, 100, 40));
        }
    }
    p.resetTransform();
    // Il contorno in disegno, con l'elastico fino al cursore.
    if (!m_punti.isEmpty()) {
        QPolygonF schermo = t.map(m_punti);
        const QPointF cursore = t.map(m_cursore);
        p.setPen(Penna(QColor(30, 90, 200), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(schermo);
        p.setPen(Penna(QColor(30, 90, 200), 1.5, Qt::DashLine));
        p.drawLine(schermo.last(), cursore);
        p.setPen(Penna(QColor(30, 90, 200), 1));
        p.setBrush(Qt::white);
        for (const QPointF& s : schermo)
            p.drawRect(QRectF(s - QPointF(3, 3), QSizeF(6, 6)));
        const double lato = QLineF(m_punti.last(), m_cursore).length();
        Etichetta(p, (schermo.last() + cursore) / 2 + QPointF(0, -12), tr("%1 m").arg(NumeroSchermo(lato, 2)),
                  QColor(30, 90, 200));
    }
    // Segno dell'aggancio sotto il cursore.
    if (m_cursoreDentro && m_strumento != TStrumento::Seleziona) {
        const QPointF c = t.map(m_cursore);
        p.setBrush(Qt::NoBrush);
        p.setPen(Penna(QColor(220, 0, 160), 1.5));
        switch (m_tipoAggancio) {
        case int(TTipoAggancio::Estremo):
            p.drawRect(QRectF(c - QPointF(5, 5), QSizeF(10, 10)));
            break;
        case int(TTipoAggancio::Intersezione):
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
            break;
        default:
            p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
            p.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));
        }
    }
    p.restore();
}
