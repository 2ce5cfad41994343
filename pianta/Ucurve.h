#pragma once
// Approssimazione di archi, tratti curvi delle polilinee, ellissi e spline con spezzate.
#include <QList>
#include <QPolygonF>

namespace curve {

// Passo angolare massimo delle approssimazioni (gradi): l'errore di corda resta sotto lo 0.4 % del raggio.
constexpr double PassoGradi = 10;

// Arco di centro c e raggio r da a0 per un'ampiezza (radianti, positiva in senso antiorario);
// comprende i due estremi.
QPolygonF Arco(QPointF c, double r, double a0, double ampiezza);
// Punti da a a b (a escluso, b compreso) lungo il tratto con quel "bulge" (tangente di un
// quarto dell'angolo al centro, positivo in senso antiorario); bulge 0 dà solo b.
QPolygonF TrattoBulge(QPointF a, QPointF b, double bulge);
// Ellisse di centro c, semiasse maggiore m (vettore), semiasse minore lungo n (versore
// perpendicolare) lungo rapporto·|m|, tra i parametri t0 e t1 (radianti).
QPolygonF Ellisse(QPointF c, QPointF m, QPointF n, double rapporto, double t0, double t1);
// B-spline (razionale se i pesi sono dati) campionata; con nodi incoerenti restituisce il
// poligono di controllo.
QPolygonF Spline(int grado, const QList<double>& nodi, const QPolygonF& controllo, const QList<double>& pesi);

} // namespace curve
