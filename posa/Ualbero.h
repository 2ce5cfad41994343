#pragma once
// Serpentina ad albero, per le parti che una serpentina sola non riempie (intorno a un foro, in una
// forma a T o a U): passate parallele a due passi l'una dall'altra, ciascun tratto dentro la parte
// collegato a uno della passata accanto da un piolo perpendicolare, scelti come albero ricoprente.
// Senza anelli, la fascia intorno all'albero non ha buchi: il suo contorno è un solo tubo che
// parte dall'ingresso, entra in ogni ramo e ne torna, e si chiude accanto all'ingresso.
#include "posa/Ucircuito.h"

class TAlbero
{
public:
    // Il tubo dell'asse più lungo fra le due direzioni provate che rispetta passo e raggio; non
    // posato se nessuno supera la lunghezza data (il tubo che già c'è: non si fa un tubo che non
    // servirà).
    TCircuitoPosato Posa(const TForma& parte, const TParametriPosa& p, QPointF verso, double oltre = 0) const;
    // L'asse per la direzione u: il giro dell'albero dall'ingresso, i rami laterali percorsi in
    // andata e ritorno (vuoto se la parte è troppo stretta). In rami, la lunghezza dell'albero.
    QPolygonF Asse(const TForma& parte, const TParametriPosa& p, QPointF verso, QPointF u,
                   double* rami = nullptr) const;
};
