#pragma once
// Dalla pianta del progetto ai locali: il collettore che alimenta ogni locale (per la distanza)
// e la scrittura dei valori misurati in AuxLocali attraverso le regole dei locali. La usano la
// finestra "Pianta" e "tvl pianta".
#include "pianta/Uvalori.h"

#include <QHash>
#include <QList>

class TStatoProgetto;
class TTabella;

// ID del locale -> nome del collettore dei suoi circuiti, dall'assegnazione del progetto.
QHash<int, QString> CollettoriDeiLocali(const TStatoProgetto& stato);

// Scrive gli aggiornamenti nei locali, nell'ordine dato (Area prima: le regole azzerano gli
// altri valori), ognuno registrato o annullato da solo; il locale corrente resta quello di prima.
// Restituisce quanti valori sono stati registrati; `rifiutati` riceve "ID campo" dei rifiutati.
int ScriviValoriPianta(TTabella& locali, const QList<TAggiornamento>& aggiornamenti, QStringList* rifiutati = nullptr);
