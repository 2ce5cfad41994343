#pragma once
// "Tavola Impianto" del menu "Stampa": per ogni piano della pianta la posa dei circuiti del
// progetto in un PDF (A3 orizzontale, 1:50 o la prima scala in cui il piano entra), nella
// cartella del progetto con gli altri documenti. È già un PDF: la copia PDF non la riguarda.
#include "documents/foglio/Udocumento.h"
#include "posa/Utavola.h"

class TDati;
class TStatoProgetto;

// Il primo file scritto; vuoto (con il messaggio già dato) se non c'è nulla da disegnare o la
// scrittura fallisce.
QString CreaTavolaImpianto(TStatoProgetto& stato, TRichiestaDocumento richiesta);
// Tutti i file dell'ultima chiamata riuscita, uno per piano.
QStringList UltimeTavole();
// Progetto, cliente e progettista dalle informazioni del cliente, la data di oggi con l'anno intero.
TDatiTavola DatiTavolaProgetto(TDati& dati);
