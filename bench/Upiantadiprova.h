#pragma once
// Pianta DXF di prova per le misure: una griglia di stanze da 4 × 5 m (in mm) con muri a doppia
// linea, porte, tavoli con sedie in blocchi annidati e ruotati, scritte e testi a più righe.
#include "tests/aiuti/ScriviDxf.h"

#include <QString>

#include <cmath>

namespace PiantaDiProva {
// Passo della griglia delle stanze (m) e misura interna di una stanza (m).
constexpr double PassoX = 4.3, PassoY = 5.3, Larghezza = 4.0, Profondita = 5.0;

inline void Blocchi(TScriviDxf& d)
{
    d.Sezione("BLOCKS");
    // Porta da 80 cm: anta e arco di apertura.
    d.Blocco("PORTA").Linea({0, 0}, {0, 800});
    d.g(0, "ARC").g(8, "0").g(10, 0.0).g(20, 0.0).g(40, 800.0).g(50, 0.0).g(51, 90.0);
    d.FineBlocco();
    // Sedia: seduta con angoli arrotondati.
    d.Blocco("SEDIA", {225, 225}).g(0, "LWPOLYLINE").g(8, "0").g(90, 4).g(70, 1);
    for (QPointF p : {QPointF(0, 0), QPointF(450, 0), QPointF(450, 450), QPointF(0, 450)})
        d.g(10, p.x()).g(20, p.y()).g(42, 0.1);
    d.FineBlocco();
    // Tavolo con quattro sedie ruotate attorno.
    d.Blocco("TAVOLO").g(0, "CIRCLE").g(8, "ARREDI").g(10, 0.0).g(20, 0.0).g(40, 600.0);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        d.Inserisci("SEDIA", {900 * std::cos(a), 900 * std::sin(a)}, 1, 1, i * 90.0);
    }
    d.FineBlocco().FineSezione();
}

inline void Stanza(TScriviDxf& d, int r, int c)
{
    const double x = c * 4300.0, y = r * 5300.0, w = 4000, h = 5000, s = 300;
    // Muri a doppia linea: filo interno e filo esterno.
    for (double o : {0.0, s}) {
        const QPointF a(x - o, y - o), b(x + w + o, y - o), cc(x + w + o, y + h + o), dd(x - o, y + h + o);
        d.Linea(a, b, "MURI").Linea(b, cc, "MURI").Linea(cc, dd, "MURI").Linea(dd, a, "MURI");
    }
    d.Inserisci("PORTA", {x + 500, y}, 1, (r + c) % 2 ? -1 : 1, 0, "PORTE");
    d.Inserisci("TAVOLO", {x + w / 2, y + h / 2}, 1, 1, (r * 7 + c * 3) % 90, "ARREDI");
    d.g(0, "TEXT").g(8, "SCRITTE").g(10, x + 300).g(20, y + h - 500).g(40, 200.0);
    d.g(1, QStringLiteral("Locale %1.%2").arg(r).arg(c)).g(50, 0.0);
    d.g(0, "MTEXT").g(8, "SCRITTE").g(10, x + 300).g(20, y + h - 900).g(40, 150.0);
    d.g(1, QStringLiteral("{\\fArial|b0;S = %1 m²}\\P h = 2,70 m").arg(w * h / 1e6));
}

inline QByteArray Dxf(int righe, int colonne)
{
    TScriviDxf d;
    d.Inizio(4).Sezione("TABLES").g(0, "TABLE").g(2, "LAYER");
    for (const char* l : {"0", "MURI", "PORTE", "ARREDI", "SCRITTE"})
        d.Livello(l);
    d.g(0, "ENDTAB").FineSezione();
    Blocchi(d);
    d.Sezione("ENTITIES");
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c)
            Stanza(d, r, c);
    d.FineSezione().Fine();
    return d.testo;
}
} // namespace PiantaDiProva
