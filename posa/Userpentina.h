#pragma once
// Serpentina bifilare: mandata e ritorno affiancati percorrono insieme passate parallele alla
// direzione lunga della parte, a due passi l'una dall'altra, e si uniscono in fondo.
#include "posa/Ucircuito.h"

class TSerpentina
{
    Q_DECLARE_TR_FUNCTIONS(TSerpentina)
public:
    TCircuitoPosato Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    // L'asse più lungo tra le direzioni e gli angoli di partenza provati (vuoto se non ce n'è).
    QPolygonF Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const;

private:
    TCircuitoPosato PosaSemplice(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    // Gli assi possibili, dal più lungo; senza tutti, il solo primo se copre già la parte.
    QList<QPolygonF> Candidati(const TForma& parte, const TParametriPosa& p, QPointF verso, bool tutti) const;
    QPolygonF AsseCon(const TForma& parte, const TParametriPosa& p, QPointF verso, QPointF u, int partenza) const;
};
