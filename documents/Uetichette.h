#pragma once
// Due documenti brevi per l'installatore: le etichette dei circuiti (modello "tabcirc") e la
// tabella dell'ottimizzazione dei circuiti (modello "Ottimizza"). Leggono soltanto.
#include "documents/foglio/Udocumento.h"

class TStatoProgetto;

// Etichette: per ogni locale, un blocco di tre righe per circuito (colonne A-C per la zona
// occupata, E-G per quella marginale, solo nel modo "Con Area Marginale"). Restituisce il file
// creato, vuoto se non riuscito (messaggio già mostrato). Della richiesta valgono destinazione,
// progresso e nomeFile.
QString CreaEtichette(TStatoProgetto& stato, TRichiestaDocumento richiesta = {});

// Tabella dell'ottimizzazione: AuxCircuiti dalla riga 12, con una linea sopra il primo circuito
// di ogni rotolo e sotto l'ultimo. Il chiamante l'avvia solo a ottimizzazione eseguita.
QString CreaTabellaOttimizzazione(TStatoProgetto& stato, TRichiestaDocumento richiesta = {});

// Descrizione del tubo dei dati generali, come la mostra il suo elenco (DESCRTUBO).
QString DescrizioneTubo(TStatoProgetto& stato);
