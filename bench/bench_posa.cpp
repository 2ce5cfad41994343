// Posa automatica di 200 locali (rettangoli, L, pareti oblique) su 4 piani, 1-3 circuiti
// ciascuno più la zona marginale lungo i muri esterni della prima fila, spirale e serpentina a
// metà, con il DXF di ogni piano scritto: tempo totale e metri di tubo. Obiettivo: meno di 1 s.
#include "posa/Udxfposa.h"
#include "posa/Ulunghezze.h"
#include "posa/Uposapiano.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {
QPolygonF Locale(int i, QPointF o)
{
    const double a = 3 + (i % 5) * 0.7, b = 2.5 + (i % 3) * 0.8;
    switch (i % 3) {
    case 0:
        return {o, o + QPointF(a, 0), o + QPointF(a, b), o + QPointF(0, b)};
    case 1:
        return {o,
                o + QPointF(a, 0),
                o + QPointF(a, b / 2),
                o + QPointF(a / 2, b / 2),
                o + QPointF(a / 2, b),
                o + QPointF(0, b)};
    default:
        return {o, o + QPointF(a, 0), o + QPointF(a, b * 0.6), o + QPointF(a * 0.6, b), o + QPointF(0, b)};
    }
}

void Piano(int n, TPianta& pianta, QList<TLocaleDimensionato>& locali)
{
    TPiano& p = pianta.PianoOCrea(QStringLiteral("P%1").arg(n));
    p.collettori.insert(QStringLiteral("C%1A").arg(n), QPointF(16, 13.75));
    p.collettori.insert(QStringLiteral("C%1B").arg(n), QPointF(48, 13.75));
    for (int i = 0; i < 50; ++i) {
        const int id = n * 50 + i + 1;
        const QPointF o((i % 10) * 6.5, (i / 10) * 5.5);
        p.locali << TContornoLocale {id, Locale(id, o)};
        if (i < 10)
            p.muriEsterni << TMuroEsterno {i, 0};
        if (i % 4 == 0) // un mobile in un angolo
            p.zoneSenzaTubi << QPolygonF {o + QPointF(0.2, 0.2), o + QPointF(1.0, 0.2), o + QPointF(1.0, 0.8),
                                          o + QPointF(0.2, 0.8)};
        TLocaleDimensionato d;
        d.ID = id;
        d.piano = p.piano;
        d.descrizione = QStringLiteral("Locale %1").arg(id);
        d.NAs = 1 + i % 3;
        d.PassoAs = 0.1 + 0.05 * (i % 3);
        d.NAm = i < 10 ? 1 : 0;
        d.PassoAm = 0.1;
        if (i % 2)
            d.schema = TSchemaPosa::Serpentina;
        locali << d;
    }
}
} // namespace

int main()
{
    TPianta pianta;
    QList<TLocaleDimensionato> locali;
    for (int n = 0; n < 4; ++n)
        Piano(n, pianta, locali);
    QTemporaryDir cartella;
    QElapsedTimer t;
    t.start();
    const std::clock_t cpu0 = std::clock();
    const QList<TPosaPiano> piani = TPosaPianta::Posa(pianta, locali, TOpzioniPosa {});
    const double msPosa = t.nsecsElapsed() / 1e6;
    for (const TPosaPiano& p : piani)
        TDxfPosa::Scrivi(cartella.filePath(p.piano + ".dxf"), *pianta.Piano(p.piano), p);
    const double ms = t.nsecsElapsed() / 1e6;
    const double msCpu = double(std::clock() - cpu0) * 1000 / CLOCKS_PER_SEC;
    int posati = 0, nonPosati = 0;
    double tubo = 0, collegamenti = 0;
    QMap<QString, int> motivi;
    for (const TPosaPiano& p : piani)
        for (const TCircuitoPiano& c : p.circuiti) {
            if (c.Posato()) {
                ++posati, tubo += c.Anello(), collegamenti += c.Collegamenti();
            } else {
                ++nonPosati, ++motivi[c.posa.ansa.motivo];
            }
        }
    std::printf("200 locali su 4 piani, posa e DXF: %.0f ms di orologio (posa %.0f ms), %.0f ms di CPU "
                "(obiettivo < 1000 ms)\n",
                ms, msPosa, msCpu);
    std::printf("circuiti posati %d, non posati %d; tubo nei locali %.0f m, collegamenti %.0f m; misure %d\n", posati,
                nonPosati, tubo, collegamenti, int(LunghezzeMisurate(piani).size()));
    for (auto i = motivi.cbegin(); i != motivi.cend(); ++i)
        std::printf("  non posati %3d: %s\n", i.value(), qPrintable(i.key()));
    return 0;
}
