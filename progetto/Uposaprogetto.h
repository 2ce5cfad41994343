#pragma once
// La posa dei circuiti del progetto sulla sua pianta, con i circuiti della pagina dei collettori
// (nome e collettore), e le lunghezze misurate al posto di quelle dimensionate quando il progetto
// lo chiede. La usano il ricalcolo del progetto, la tavola impianto e la riga di comando.
#include "posa/Uposapiano.h"

class TStatoProgetto;

// I risultati dei locali con i loro circuiti, schema del locale compreso.
QList<TLocaleDimensionato> Dimensionati(const TStatoProgetto& stato);
TOpzioniPosa OpzioniPosa(const TStatoProgetto& stato);
// Ogni piano dei locali sulla pianta del progetto.
QList<TPosaPiano> PosaProgetto(const TStatoProgetto& stato);
// Con "Lunghezze dal disegno" e una pianta: le lunghezze dei circuiti posati sostituiscono quelle
// dimensionate nei risultati dei locali. Restituisce gli ID dei locali cambiati.
QList<int> ApplicaLunghezzeDalDisegno(TStatoProgetto& stato);
