// Tempo delle etichette dei circuiti di un progetto di 999 locali (3 circuiti nella zona occupata
// e 2 in quella marginale ciascuno, modo "Con Area Marginale"): dall'apertura del modello al file
// salvato. Obiettivo: meno di 0,5 s. Si lancia da build/bin (vi trova catalogo e modelli).
#include "data/Udatabase.h"
#include "documents/Uetichette.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TDati dati;
    if (!dati.Connetti() || !dati.ApriTutto()) {
        std::fprintf(stderr, "bench_etichette: catalogo non aperto (%s)\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TStatoProgetto stato(dati);
    for (int i = 1; i <= 999; ++i) {
        TLocaleCalc l;
        l.ID = i;
        l.NAs = 3;
        l.LAs = 60.0f + float(i % 40);
        l.PassoAs = 0.1f + 0.05f * float(i % 3);
        l.NAm = 2;
        l.LAm = 30.0f + float(i % 20);
        l.PassoAm = 0.075f;
        stato.RisultatiLocali.append(l);
    }
    stato.NumLocali = 999;
    stato.ModoTMandata = 1;

    QTemporaryDir cartella;
    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    double migliore = 1e9, totale = 0;
    for (int k = 0; k < prove; ++k) {
        const auto inizio = std::chrono::steady_clock::now();
        const QString file
            = CreaEtichette(stato, {.destinazione = cartella.filePath(QStringLiteral("etichette%1.xlsx").arg(k))});
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
        if (file.isEmpty())
            return 1;
        migliore = std::min(migliore, s);
        totale += s;
    }
    std::printf("etichette di 999 locali (4995 circuiti): migliore %.3f s, media %.3f s su %d prove "
                "(obiettivo < 0,5 s)\n",
                migliore, totale / prove, prove);
    return 0;
}
