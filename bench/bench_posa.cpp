// Posa automatica di 200 locali (rettangoli, L, pareti oblique) su 4 piani, 1-3 circuiti
// ciascuno più la zona marginale lungo i muri esterni della prima fila, spirale e serpentina a
// metà, con il DXF di ogni piano scritto: tempo totale e metri di tubo. Obiettivo: meno di 1 s.
#include "bench/Uposadiprova.h"
#include "posa/Udxfposa.h"
#include "posa/Ulunghezze.h"
#include "posa/Uposapiano.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

int main()
{
    TPianta pianta;
    QList<TLocaleDimensionato> locali;
    PosaDiProva::Pianta(pianta, locali);
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
