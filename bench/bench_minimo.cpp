// "Minimo acquisto" su progetti di 200 circuiti da 40 a 120 m, matasse 120/240/600 m, scarto
// minimo 5 m, "Totale" e "Per Piano" (tre piani): per ogni progetto i metri comprati con
// l'ottimizzazione normale e con il minimo acquisto, il limite inferiore, la distanza e il tempo.
// Uso: bench_minimo [PROGETTI] [LIMITE_S] [MATASSE, per esempio 100,120,200,240,300,500,600]
#include "optimise/Uminimo.h"

#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

namespace {
QVector<int> Matasse = {120, 240, 600};
const int Scarto = 5;

QVector<CircuitoOtt> progetto(int n, quint32 seme)
{
    QRandomGenerator g(seme);
    QVector<CircuitoOtt> v;
    for (int i = 0; i < n; ++i) {
        const int l = 40 + int(g.bounded(81));
        v.append({QStringLiteral(" Locale %1 - 1").arg(i), l, QStringLiteral("C%1").arg(i / 12),
                  QStringLiteral("P%1").arg(i * 3 / n)});
    }
    return v;
}
} // namespace

int main(int argc, char** argv)
{
    const int progetti = argc > 1 ? std::atoi(argv[1]) : 10;
    const double limite = argc > 2 ? std::atof(argv[2]) : LimiteTempoMinimo;
    if (argc > 3) {
        Matasse.clear();
        for (const QByteArray& m : QByteArray(argv[3]).split(','))
            Matasse << m.toInt();
    }
    QStringList nomi;
    for (int m : Matasse)
        nomi << QString::number(m);
    std::printf("200 circuiti (40-120 m), matasse %s m, scarto minimo %d m, limite di tempo %.1f s\n",
                qPrintable(nomi.join(u'/')), Scarto, limite);
    std::printf("%-6s %-10s %9s %9s %9s %9s %9s %8s\n", "seme", "opzione", "normale", "minimo", "limite", "distanza",
                "risparmio", "tempo");
    long long totNormale = 0, totMinimo = 0, totLimite = 0;
    double peggiore = 0, tempoMax = 0;
    for (int seme = 1; seme <= progetti; ++seme) {
        const QVector<CircuitoOtt> circuiti = progetto(200, quint32(seme));
        for (const auto opzione : {TOpzioneOtt::Totale, TOpzioneOtt::PerPiano}) {
            const TRisultatoMinimo r = MinimoAcquisto(circuiti, Matasse, Scarto, opzione, limite);
            const int minimo = r.Risultato.TotaleMatasse;
            std::printf("%-6d %-10s %9d %9d %9d %8.2f%% %9d %7.2fs%s\n", seme,
                        opzione == TOpzioneOtt::Totale ? "Totale" : "Per Piano", r.TotaleNormale, minimo,
                        r.LimiteInferiore, r.Distanza(), r.TotaleNormale - minimo, r.Secondi,
                        r.TempoScaduto ? "  (tempo scaduto)" : "");
            totNormale += r.TotaleNormale;
            totMinimo += minimo;
            totLimite += r.LimiteInferiore;
            peggiore = std::max(peggiore, r.Distanza());
            tempoMax = std::max(tempoMax, r.Secondi);
        }
    }
    std::printf("\nin tutto: normale %lld m, minimo acquisto %lld m (%lld m risparmiati, %.2f%%), limite %lld m\n",
                totNormale, totMinimo, totNormale - totMinimo,
                totNormale > 0 ? double(totNormale - totMinimo) / double(totNormale) * 100.0 : 0.0, totLimite);
    std::printf("distanza peggiore dal limite %.2f%%, tempo peggiore %.2f s\n", peggiore, tempoMax);
    return 0;
}
