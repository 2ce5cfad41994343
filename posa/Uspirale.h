#pragma once
// Spirale bifilare (controcorrente): mandata e ritorno affiancati, la mandata entra su un giro e il
// ritorno esce sul giro accanto, uniti al centro. L'asse è una spirale a passo doppio costruita
// sugli anelli di rientro della parte, chiusa al centro da una spina dritta quando ci sta; il tubo
// è il contorno della fascia intorno all'asse.
#include "posa/Ucircuito.h"

// Il tubo rispetta il passo con sé stesso e il raggio di curvatura (o mezzo passo dove torna
// indietro fra due vicini).
bool TuboRegolare(const TCircuitoPosato& ci, const TParametriPosa& p);

class TSpirale
{
    Q_DECLARE_TR_FUNCTIONS(TSpirale)
public:
    // Ingresso e uscita affiancati sul bordo della parte più vicino al punto verso.
    TCircuitoPosato Posa(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    // Solo l'asse (vuoto se la parte è troppo stretta).
    QPolygonF Asse(const TForma& parte, const TParametriPosa& p, QPointF verso) const;

private:
    TCircuitoPosato PosaGiri(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    QList<QPolygonF> Giri(const TForma& parte, const TParametriPosa& p, QPointF verso) const;
    double InizioVerso(const QList<QPolygonF>& giri, double s, QPointF verso) const;
    QPolygonF AsseDa(const QList<QPolygonF>& giri, double inizio, const TForma& parte, const TParametriPosa& p) const;
    TCircuitoPosato SpinaDentro(const TForma& parte, const TParametriPosa& p, QPointF verso,
                                const QList<QPolygonF>& giri) const;
    TCircuitoPosato SpinaDa(const QList<QPolygonF>& giri, double fine, const QPolygonF& spina, const TForma& parte,
                            const TParametriPosa& p) const;
    QPolygonF Coda(const TForma& parte, const TParametriPosa& p, const QPolygonF& asse) const;
};
