// Posa automatica di 200 locali (rettangoli, L, pareti oblique) su 4 piani, 2-3 circuiti ciascuno,
// spirale e serpentina a metà: tempo totale e metri di tubo. Obiettivo: meno di 1 s in tutto.
#include "pianta/Ugeos.h"
#include "posa/Uposa.h"

#include <QElapsedTimer>
#include <QMap>

#include <ctime>

#include <cstdio>

namespace {
TForma Locale(int i, QPointF o)
{
    const double a = 3 + (i % 5) * 0.7, b = 2.5 + (i % 3) * 0.8;
    QPolygonF p;
    switch (i % 3) {
    case 0:
        p = {o, o + QPointF(a, 0), o + QPointF(a, b), o + QPointF(0, b)};
        break;
    case 1:
        p = {o,
             o + QPointF(a, 0),
             o + QPointF(a, b / 2),
             o + QPointF(a / 2, b / 2),
             o + QPointF(a / 2, b),
             o + QPointF(0, b)};
        break;
    default:
        p = {o, o + QPointF(a, 0), o + QPointF(a, b * 0.6), o + QPointF(a * 0.6, b), o + QPointF(0, b)};
        break;
    }
    return TForma {p, {}};
}
} // namespace

int main()
{
    TPosa posa;
    int posati = 0, nonPosati = 0;
    double tubo = 0, collegamenti = 0;
    QMap<QString, int> motivi;
    QElapsedTimer t;
    t.start();
    const std::clock_t cpu0 = std::clock();
    for (int piano = 0; piano < 4; ++piano) {
        TForme locali;
        for (int i = 0; i < 50; ++i)
            locali << Locale(piano * 50 + i, QPointF((i % 10) * 6.5, (i / 10) * 5.5));
        for (int i = 0; i < 50; ++i) {
            TLocalePosa l;
            l.ID = piano * 50 + i;
            l.areaUtile = locali[i];
            l.NAs = 1 + i % 3;
            l.PassoAs = 0.1 + 0.05 * (i % 3);
            l.schema = i % 2 ? TSchemaPosa::Serpentina : TSchemaPosa::Spirale;
            // Collettore al centro del piano.
            const TPosaLocale r = posa.PosaLocale(l, TParametriPosa {}, QPointF(32, 13.75), locali);
            for (const TCircuitoLocale& c : r.circuiti) {
                if (c.Posato()) {
                    ++posati;
                    tubo += c.ansa.lunghezza;
                    collegamenti += c.collegamento.lunghezza;
                } else {
                    ++nonPosati;
                    ++motivi[c.ansa.motivo];
                }
            }
        }
    }
    const double ms = t.nsecsElapsed() / 1e6;
    const double msCpu = double(std::clock() - cpu0) * 1000 / CLOCKS_PER_SEC;
    std::printf("200 locali su 4 piani: %.0f ms di orologio, %.0f ms di CPU (obiettivo < 1000 ms)\n", ms, msCpu);
    std::printf("circuiti posati %d, non posati %d; tubo nei locali %.0f m, collegamenti %.0f m\n", posati, nonPosati,
                tubo, collegamenti);
    for (auto i = motivi.cbegin(); i != motivi.cend(); ++i)
        std::printf("  non posati %3d: %s\n", i.value(), qPrintable(i.key()));
    return 0;
}
