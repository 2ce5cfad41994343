#pragma once
// Spirale bifilare (controcorrente): mandata e ritorno affiancati, la mandata entra su un giro e il
// ritorno esce sul giro accanto, uniti al centro. L'asse è una spirale a passo doppio costruita
// sugli anelli di rientro della parte; il tubo è il contorno della fascia intorno all'asse.
#include "posa/Ucircuito.h"

class TSpirale
{
    Q_DECLARE_TR_FUNCTIONS(TSpirale)
public:
    // Ingresso e uscita affiancati sul bordo della parte più vicino al punto verso.
    TCircuitoPosato Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    // Solo l'asse (vuoto se la parte è troppo stretta).
    QPolygonF Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const;

private:
    QPolygonF Coda(const TForma& parte, const TParametriPosa& p, const QPolygonF& asse) const;
};
