#pragma once
// Letture dei numeri come atol/atof del C, indipendenti dalla localizzazione: le usano il file
// di progetto e le etichette dei circuiti.
#include <QByteArray>

long long LeggiAtol(const QByteArray& testo); // atol: spazi, segno, cifre; 0 senza cifre
double LeggiAtof(const QByteArray& testo); // atof: 0 quando non c'è un numero
