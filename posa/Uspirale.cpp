#include "posa/Uspirale.h"

#include "posa/Ugeos.h"

#include <QLineF>
#include <QLocale>

namespace {
// Pezzo di rientro più vicino al punto dato (il rientro di una forma concava può dividersi).
QPolygonF AnelloVicino(const QList<TSagoma>& pezzi, QPointF p)
{
    double migliore = 1e300;
    QPolygonF r;
    for (const TSagoma& s : pezzi) {
        const double d = QLineF(Anelli::PiuVicino(s.esterno, p), p).length();
        if (d < migliore)
            migliore = d, r = s.esterno;
    }
    return Anelli::Antiorario(r);
}
} // namespace

QPolygonF TSpirale::Asse(const TSagoma& parte, const TParametriPosa& p, QPointF verso) const
{
    const double s = p.passo, c = p.Distanza();
    const double salto = 2 * s; // varco di ogni giro: il collegamento al giro dopo ci passa a un passo dai vicini
    auto g = m_geos.Poligono(parte);
    const QList<TSagoma> limite = m_geos.Sagome(m_geos.Buffer(g.get(), -c).get());
    if (limite.isEmpty())
        return {};
    QPolygonF asse;
    QPointF riferimento = verso;
    for (int k = 0; k < p.maxAnelli; ++k) {
        const double rientro = c + s / 2 + k * 2 * s;
        const QList<TSagoma> pezzi = m_geos.Sagome(m_geos.Buffer(g.get(), -rientro).get());
        if (pezzi.isEmpty())
            break;
        const QPolygonF anello = AnelloVicino(pezzi, riferimento);
        const double per = Anelli::Perimetro(anello);
        // Un giro più corto del varco più un'estremità non ha posto per girare.
        if (per < salto + 2 * s)
            break;
        const double inizio = Anelli::Proietta(anello, riferimento);
        const QPointF primo = Anelli::Punto(anello, inizio);
        if (k == 0) {
            // Tratto d'ingresso dal bordo ridotto della distanza fino al primo giro.
            const QPolygonF bordo = AnelloVicino(limite, primo);
            asse << Anelli::PiuVicino(bordo, primo);
        } else if (QLineF(asse.last(), primo).length() > 2 * s * 1.5) {
            // Il giro interno è altrove (forma divisa): ci si ferma qui.
            break;
        }
        QPolygonF arco = Anelli::Arco(anello, inizio, per - salto);
        if (!asse.isEmpty() && QLineF(asse.last(), arco.first()).length() < 1e-9)
            arco.removeFirst();
        asse += arco;
        riferimento = asse.last();
    }
    if (asse.size() < 3)
        return {};
    return asse;
}

TCircuitoPosato TSpirale::Posa(const TSagoma& parte, const TParametriPosa& p, QPointF verso) const
{
    const QPolygonF asse = Asse(parte, p, verso);
    if (asse.isEmpty()) {
        TCircuitoPosato c;
        c.motivo = tr("La parte è troppo stretta per un circuito al passo di %1 cm.")
                       .arg(QLocale().toString(p.passo * 100, 'f', 1));
        return c;
    }
    return TTracciatore(m_geos).TuboDaAsse(asse, parte, p);
}
