#pragma once
// Lunghezze misurate sul disegno dei circuiti e loro uso al posto di quelle dimensionate.
// Con l'opzione "Lunghezze dal disegno" chi ricalcola il progetto chiama ApplicaLunghezzeMisurate
// sui risultati dei locali subito dopo il calcolo: collettori, perdite di carico, ottimizzazione
// delle matasse, distinta, etichette e rapporto leggono poi LAs/LAm come sempre. Senza posa o
// con l'opzione spenta non si chiama nulla e ogni risultato resta quello dimensionato.
#include "calc/Ucalc.h"
#include "posa/Uposapiano.h"

#include <QVector>

struct TLunghezzaMisurata
{
    int ID = 0; // del locale
    QChar zona; // 's' o 'm'
    int numero = 0; // 1.. nella zona
    double anello = 0; // m, tubo nel locale
    double collegamenti = 0; // m, mandata + ritorno fino al collettore
    double Totale() const { return anello + collegamenti; }
};

// I circuiti posati dei piani, in ordine.
QList<TLunghezzaMisurata> LunghezzeMisurate(const QList<TPosaPiano>& piani);

// Per ogni zona di un locale con tutti i suoi circuiti posati: la lunghezza di un circuito diventa
// il totale misurato del circuito più lungo (in metri interi per eccesso, come quella dimensionata:
// è quello che governa matassa e perdita di carico) e la perdita di carico segue in proporzione
// (a portata data cresce linearmente con la lunghezza). Le zone posate in parte restano dimensionate.
// Restituisce gli ID dei locali cambiati.
QList<int> ApplicaLunghezzeMisurate(QVector<TLocaleCalc>& locali, const QList<TLunghezzaMisurata>& misure);
