#pragma once
// Quattro piani di prova per le misure della posa: 50 locali per piano (rettangoli, L, pareti
// oblique) con 1-3 circuiti, zona marginale lungo i muri esterni della prima fila, un mobile ogni
// quattro locali, spirale e serpentina a metà, due collettori per piano.
#include "pianta/Upianta.h"
#include "posa/Uposapiano.h"

namespace PosaDiProva {
inline QPolygonF Locale(int i, QPointF o)
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

inline void Piano(int n, TPianta& pianta, QList<TLocaleDimensionato>& locali)
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
} // namespace PosaDiProva

namespace PosaDiProva {
inline void Pianta(TPianta& pianta, QList<TLocaleDimensionato>& locali)
{
    for (int n = 0; n < 4; ++n)
        Piano(n, pianta, locali);
}
} // namespace PosaDiProva
