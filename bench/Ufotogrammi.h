#pragma once
// Misura dei fotogrammi di una vista della pianta: spostamenti e ingrandimenti come con il mouse,
// ogni fotogramma dipinto subito; il tempo è quello del fotogramma intero (cambio di vista, cache
// rifatta se serve, pittura). Ogni 20 fotogrammi la rotella si ferma e la vista torna nitida.
#include "pianta/finestre/Uvistapianta.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Fotogrammi {
// Fino al primo fotogramma dipinto dopo `prima`.
inline void Attendi(TVistaPianta* vista, int prima)
{
    while (vista->Fotogrammi() == prima)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

inline double Percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

// Stampa mediana, 95 % e massimo; restituisce il massimo (ms).
inline double Misura(TVistaPianta* vista, int fotogrammi, const char* cosa)
{
    std::vector<double> tempi;
    const QPointF centro(vista->width() / 2.0, vista->height() / 2.0);
    for (int i = 0; i < fotogrammi; ++i) {
        QElapsedTimer t;
        t.start();
        switch (i % 4) {
        case 0:
        case 1:
            vista->Sposta(QPointF(23, -11));
            break;
        case 2:
            vista->ZoomAttorno(centro, 1.1);
            break;
        default:
            vista->ZoomAttorno(centro, 1 / 1.08);
            break;
        }
        if (i % 20 == 19)
            vista->RendiNitido();
        const int prima = vista->Fotogrammi();
        vista->repaint();
        if (vista->Fotogrammi() == prima)
            Attendi(vista, prima);
        tempi.push_back(t.nsecsElapsed() / 1e6);
    }
    const double massimo = *std::max_element(tempi.begin(), tempi.end());
    std::printf("%d fotogrammi %s: mediana %.2f ms, 95%% %.2f ms, massimo %.2f ms (obiettivo: meno di 16 ms)\n",
                fotogrammi, cosa, Percentile(tempi, 0.5), Percentile(tempi, 0.95), massimo);
    return massimo;
}
} // namespace Fotogrammi
