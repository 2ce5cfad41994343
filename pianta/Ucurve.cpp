#include "Ucurve.h"

#include <algorithm>
#include <cmath>

namespace curve {

namespace {
int Passi(double ampiezza)
{
    const double passo = PassoGradi * M_PI / 180;
    return std::clamp(int(std::ceil(std::abs(ampiezza) / passo - 1e-9)), 1, 36);
}
} // namespace

QPolygonF Arco(QPointF c, double r, double a0, double ampiezza)
{
    const int n = Passi(ampiezza);
    QPolygonF p;
    p.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + ampiezza * i / n;
        p << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return p;
}

QPolygonF TrattoBulge(QPointF a, QPointF b, double bulge)
{
    const QPointF corda = b - a;
    const double d = std::hypot(corda.x(), corda.y());
    if (std::abs(bulge) < 1e-9 || d == 0 || !std::isfinite(bulge))
        return {b};
    const double angolo = 4 * std::atan(bulge);
    // Il centro sta sulla perpendicolare alla corda, a sinistra per un arco antiorario minore di mezzo giro.
    const QPointF sinistra(-corda.y() / d, corda.x() / d);
    const QPointF c = (a + b) / 2 + sinistra * (d / 2 / std::tan(angolo / 2));
    const QPointF ra = a - c;
    QPolygonF p = Arco(c, std::hypot(ra.x(), ra.y()), std::atan2(ra.y(), ra.x()), angolo);
    p.removeFirst();
    p.last() = b; // l'estremo esatto, senza errori di arrotondamento
    return p;
}

QPolygonF Ellisse(QPointF c, QPointF m, QPointF n, double rapporto, double t0, double t1)
{
    if (!std::isfinite(t0) || !std::isfinite(t1))
        return {};
    // Ridotti a un giro (un giro intero resta intero): con parametri enormi il ciclo non finirebbe.
    const bool intera = t1 - t0 >= 2 * M_PI - 1e-9;
    t0 = std::fmod(t0, 2 * M_PI);
    t1 = intera ? t0 + 2 * M_PI : std::fmod(t1, 2 * M_PI);
    while (t1 <= t0)
        t1 += 2 * M_PI;
    if (t1 - t0 > 2 * M_PI + 1e-9)
        t1 = t0 + 2 * M_PI;
    const QPointF minore = n * (rapporto * std::hypot(m.x(), m.y()));
    const int passi = Passi(t1 - t0);
    QPolygonF p;
    p.reserve(passi + 1);
    for (int i = 0; i <= passi; ++i) {
        const double t = t0 + (t1 - t0) * i / passi;
        p << c + m * std::cos(t) + minore * std::sin(t);
    }
    return p;
}

QPolygonF Spline(int grado, const QList<double>& nodi, const QPolygonF& controllo, const QList<double>& pesi)
{
    const qsizetype nc = controllo.size();
    const bool coerente = grado >= 1 && grado <= 11 && nc > grado && nodi.size() == nc + grado + 1
        && std::is_sorted(nodi.begin(), nodi.end()) && nodi[grado] < nodi[nc];
    if (!coerente)
        return controllo;
    const bool razionale = pesi.size() == nc && std::all_of(pesi.begin(), pesi.end(), [](double w) { return w > 0; });
    const double u0 = nodi[grado], u1 = nodi[nc];
    const int campioni = int(std::clamp<qsizetype>(8 * nc, 8, 2000));
    QPolygonF p;
    p.reserve(campioni + 1);
    QList<double> x(grado + 1), y(grado + 1), w(grado + 1);
    for (int i = 0; i <= campioni; ++i) {
        const double u = u0 + (u1 - u0) * i / campioni;
        // Intervallo dei nodi che contiene u (l'ultimo chiuso a destra).
        qsizetype k = grado;
        while (k < nc - 1 && u >= nodi[k + 1])
            ++k;
        // Algoritmo di de Boor in coordinate omogenee.
        for (int j = 0; j <= grado; ++j) {
            const qsizetype idx = k - grado + j;
            const double peso = razionale ? pesi[idx] : 1;
            x[j] = controllo[idx].x() * peso;
            y[j] = controllo[idx].y() * peso;
            w[j] = peso;
        }
        for (int r = 1; r <= grado; ++r)
            for (int j = grado; j >= r; --j) {
                const qsizetype idx = k - grado + j;
                const double den = nodi[idx + grado - r + 1] - nodi[idx];
                const double a = den > 0 ? (u - nodi[idx]) / den : 0;
                x[j] = (1 - a) * x[j - 1] + a * x[j];
                y[j] = (1 - a) * y[j - 1] + a * y[j];
                w[j] = (1 - a) * w[j - 1] + a * w[j];
            }
        p << QPointF(x[grado] / w[grado], y[grado] / w[grado]);
    }
    return p;
}

} // namespace curve
