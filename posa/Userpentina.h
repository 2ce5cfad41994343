#pragma once
// Serpentina bifilare: mandata e ritorno affiancati percorrono insieme passate parallele alla
// direzione lunga della parte, a due passi l'una dall'altra, e si uniscono in fondo.
#include "posa/Ucircuito.h"

class TSerpentina
{
    Q_DECLARE_TR_FUNCTIONS(TSerpentina)
public:
    TCircuitoPosato Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    QPolygonF Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
};
