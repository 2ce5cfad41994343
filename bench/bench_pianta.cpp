// Tempo dell'importazione di una pianta DXF di circa 5 MB: muri a doppia linea, porte, arredi
// in blocchi annidati e ruotati, tavoli con angoli arrotondati, scritte. Obiettivo: meno di 1 s
// dalla lettura del file al disegno in metri. Misura anche le regioni chiuse dei muri.
// Uso: bench_pianta [righe colonne] (griglia di stanze, 70 × 70 per difetto).
#include "bench/Upiantadiprova.h"
#include "pianta/Udxf.h"
#include "pianta/Ugeometria.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double Secondi(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int righe = argc > 2 ? std::max(1, atoi(argv[1])) : 70;
    const int colonne = argc > 2 ? std::max(1, atoi(argv[2])) : 70;

    const QByteArray testo = PiantaDiProva::Dxf(righe, colonne);

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("pianta.dxf"));
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(testo) != testo.size()) {
        std::fprintf(stderr, "bench_pianta: file di prova non scritto\n");
        return 1;
    }
    f.close();
    std::printf("DXF di prova: %d × %d stanze, %.2f MB\n", righe, colonne, testo.size() / 1048576.0);

    double migliore = 1e9;
    TEsitoDxf esito;
    for (int prova = 1; prova <= 3; ++prova) {
        const auto t0 = std::chrono::steady_clock::now();
        esito = TImportaDxf::Leggi(percorso);
        const double t = Secondi(t0);
        migliore = std::min(migliore, t);
        std::printf("importazione %d: %.3f s\n", prova, t);
        if (!esito.ok) {
            std::fprintf(stderr, "bench_pianta: importazione rifiutata: %s\n", qPrintable(esito.errore));
            return 1;
        }
    }
    std::printf("entità nel file %d; nel disegno %lld spezzate, %lld testi (unità: %s)\n", esito.elementiLetti,
                qlonglong(esito.disegno.spezzate.size()), qlonglong(esito.disegno.testi.size()),
                qPrintable(TDisegno::Nome(esito.disegno.unita)));
    std::printf("importazione, la migliore di 3: %.3f s (obiettivo: meno di 1 s)\n", migliore);

    // Le regioni chiuse dei soli muri, come per scegliere una stanza con un clic.
    TDisegno muri = esito.disegno;
    for (TLivello& l : muri.livelli)
        l.visibile = l.nome == QLatin1String("MURI");
    const QList<QLineF> segmenti = muri.Segmenti();
    const auto t0 = std::chrono::steady_clock::now();
    const TForme regioni = TGeometria::Poligonizza(segmenti);
    std::printf("regioni chiuse da %lld segmenti di muro: %lld in %.3f s\n", qlonglong(segmenti.size()),
                qlonglong(regioni.size()), Secondi(t0));
    return migliore < 1 ? 0 : 2;
}
