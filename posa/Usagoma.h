#pragma once
// Tipi geometrici di scambio della posa: metri, double. Un contorno è un QPolygonF (anello
// esterno senza punto di chiusura ripetuto); una sagoma con fori ha il suo contorno e i fori.
// Equivalente privato dei tipi delle piante, da sostituire quando quelle saranno unite.
#include <QList>
#include <QPolygonF>

struct TSagoma
{
    QPolygonF esterno;
    QList<QPolygonF> fori;
};

// Lunghezza di una polilinea aperta.
double LunghezzaPolilinea(const QPolygonF& linea);
