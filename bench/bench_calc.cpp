// Tempo di un ricalcolo completo di 999 locali con zone marginali, come a ogni movimento del
// cursore della temperatura di mandata. Uso: bench_calc [ripetizioni]
#include "calc/Ucalc.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

int main(int argc, char** argv)
{
    const int ripetizioni = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    TDatiGenerali d;
    d.SPESS_MASS = 45;
    d.LAMBDA_MASS = 1.2f;
    d.SPESS_SOL = 20;
    d.LAMBDA_SOL = 1.0f;
    d.SPESS_TUBO = 2;
    d.LAMBDA_TUBO = 0.35f;
    d.DEST_TUBO = 17;
    d.INTERASSE = 50; // la serie più lunga: 8 passi
    d.TEMPVS = 15;
    d.LUNGMAX = 100;
    d.DELTAT_MAX = 5;

    // Locali vari e deterministici: carichi da 20 a 140 W/m², rivestimenti diversi, metà con
    // zona marginale; una parte non è mai coperta, così la ricerca scorre tutta la serie.
    std::vector<TLocaleCalc> locali(999);
    unsigned seme = 12345;
    auto caso = [&seme](int n) {
        seme = seme * 1103515245u + 12345u;
        return int((seme >> 16) % unsigned(n));
    };
    for (int k = 0; k < int(locali.size()); ++k) {
        TLocaleCalc& l = locali[k];
        l.ID = k + 1;
        l.TAmbiente = 18 + caso(7);
        l.Area = 5 + caso(60);
        l.AreaUtile = l.Area * (0.8f + 0.02f * caso(11));
        l.AreaMarginale = k % 2 ? l.AreaUtile * 0.05f * caso(6) : 0;
        l.CTermico = l.AreaUtile * (20 + caso(121));
        l.Lambda_Riv = 0.1f * (1 + caso(15));
        l.Spessore = 8 + caso(15);
        l.DistColl = caso(30);
    }

    TPavRad p;
    p.CaricaDatiGenerali(d);
    p.ImpostaAreaMarginaleAttiva(true);

    // Riscaldamento, poi il cursore percorre 30.0…60.0 °C avanti e indietro.
    p.ImpostaTempMandata(40);
    p.CalcolaLocali(locali);
    // Il tempo di parete soffre degli altri processi: si riportano anche il tempo di CPU e il
    // migliore di blocchi da 50 ricalcoli.
    double controllo = 0;
    double migliore = 1e30;
    const int blocco = 50;
    const std::clock_t cpuInizio = std::clock();
    const auto inizio = std::chrono::steady_clock::now();
    for (int r = 0; r < ripetizioni;) {
        const auto inizioBlocco = std::chrono::steady_clock::now();
        const int fineBlocco = std::min(ripetizioni, r + blocco);
        const int quanti = fineBlocco - r;
        for (; r < fineBlocco; ++r) {
            const int passo = r % 600;
            p.ImpostaTempMandata(0.1f * float(300 + (passo < 300 ? passo : 600 - passo)));
            p.CalcolaLocali(locali);
            controllo += locali[r % locali.size()].PotAs;
        }
        const double us
            = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inizioBlocco).count()
            / quanti;
        migliore = std::min(migliore, us);
    }
    const auto fine = std::chrono::steady_clock::now();
    const double cpu = double(std::clock() - cpuInizio) / CLOCKS_PER_SEC * 1e6 / ripetizioni;
    const double parete = std::chrono::duration<double, std::micro>(fine - inizio).count() / ripetizioni;

    std::printf("CalcolaLocali, %zu locali con zone marginali, %d ricalcoli:\n", locali.size(), ripetizioni);
    std::printf("  %.1f us per ricalcolo completo (migliore blocco), %.1f us di media, %.1f us di CPU\n", migliore,
                parete, cpu);
    std::printf("controllo %.0f\n", controllo);
    return 0;
}
