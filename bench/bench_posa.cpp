// Posa automatica di 200 locali (rettangoli, L, pareti oblique) su 4 piani, 1-3 circuiti
// ciascuno più la zona marginale lungo i muri esterni della prima fila, spirale e serpentina a
// metà, con il DXF di ogni piano scritto: tempo totale e metri di tubo. Obiettivo: meno di 1 s.
#include "bench/Uposadiprova.h"
#include "posa/Udxfposa.h"
#include "posa/Ulunghezze.h"
#include "posa/Uposapiano.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {
void ScriviPunti(std::FILE* f, const char* nome, const QPolygonF& p)
{
    std::fprintf(f, "  %s %d:", nome, int(p.size()));
    for (const QPointF& q : p)
        std::fprintf(f, " %.6f,%.6f", q.x(), q.y());
    std::fprintf(f, "\n");
}

// Ogni circuito con vertici e misure: per confrontare i risultati prima e dopo un cambiamento.
void Elenca(const char* file, const QList<TPosaPiano>& piani)
{
    std::FILE* f = std::fopen(file, "w");
    if (!f)
        return;
    for (const TPosaPiano& p : piani)
        for (const TCircuitoPiano& c : p.circuiti) {
            std::fprintf(f, "%s %d %c%d %s anello %.6f collegamenti %.6f fuori %.6f motivo '%s'\n", qPrintable(p.piano),
                         c.ID, c.zona.toLatin1(), c.numero, qPrintable(c.collettore), c.Anello(), c.Collegamenti(),
                         c.posa.collegamento.fuoriLocali, qPrintable(c.posa.ansa.motivo));
            ScriviPunti(f, "tubo", c.posa.ansa.tubo);
            ScriviPunti(f, "asse", c.posa.ansa.asse);
            ScriviPunti(f, "mandata", c.posa.collegamento.mandata);
            ScriviPunti(f, "ritorno", c.posa.collegamento.ritorno);
        }
    std::fclose(f);
}
} // namespace

// Con un argomento: il file dove elencare ogni circuito posato; con due, anche la cartella dei DXF.
int main(int argc, char** argv)
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
        TDxfPosa::Scrivi((argc > 2 ? QDir(argv[2]) : QDir(cartella.path())).filePath(p.piano + ".dxf"),
                         *pianta.Piano(p.piano), p);
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
    if (argc > 1)
        Elenca(argv[1], piani);
    return 0;
}
