// Tempo di pittura del disegno della posa nella finestra "Posa dei circuiti": 200 locali su 4
// piani posati (bench_posa), un piano mostrato con tutti i suoi tubi e collegamenti, spostato e
// ingrandito come con il mouse. Obiettivo: meno di 16 ms per fotogramma.
// Uso: bench_disegnoposa [fotogrammi]   (200 per difetto; piattaforma offscreen senza schermo)
#include "bench/Ufotogrammi.h"
#include "bench/Uposadiprova.h"
#include "posa/finestre/Udisegnoposa.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int fotogrammi = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
    TPianta pianta;
    QList<TLocaleDimensionato> locali;
    PosaDiProva::Pianta(pianta, locali);
    const QList<TPosaPiano> piani = TPosaPianta::Posa(pianta, locali, TOpzioniPosa {});
    double peggiore = 0;
    for (const TPosaPiano& p : piani) {
        TDisegnoPosa disegno;
        disegno.resize(1000, 700);
        disegno.Mostra(*pianta.Piano(p.piano), p);
        disegno.show();
        Fotogrammi::Attendi(disegno.Vista(), 0);
        int posati = 0;
        qsizetype vertici = 0;
        for (const TCircuitoPiano& c : p.circuiti)
            if (c.Posato()) {
                ++posati;
                vertici += c.posa.ansa.tubo.size() + c.posa.collegamento.mandata.size()
                    + c.posa.collegamento.ritorno.size();
            }
        std::printf("piano %s, %d circuiti posati, %lld vertici\n", qPrintable(p.piano), posati, qlonglong(vertici));
        std::fflush(stdout);
        peggiore = std::max(peggiore, Fotogrammi::Misura(disegno.Vista(), fotogrammi, "con la posa"));
    }
    return peggiore < 16 ? 0 : 2;
}
