#pragma once
// Le due consegne della distinta dei materiali: il preventivo semplice, con i prezzi, l'importo di
// ogni voce e il totale, e i prodotti aggiuntivi in coda; il capitolato, con il testo di
// capitolato e l'immagine di ogni articolo, con o senza prezzi (ConPrezzi del progetto).
#include "documents/foglio/Udocumento.h"

#include <QString>

class TStatoProgetto;

// Avviso dei comandi "Preventivo Semplice" e "Capitolato" quando i collettori non sono
// confermati: il documento si fa lo stesso, senza collettori e regolazione.
inline const QString MsgCollettoriPreventivo
    = QStringLiteral("I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.\n\nIl "
                     "preventivo non conterrà la lista relativa ai collettori e alla regolazione.");

// "Capitolato" senza prezzi (0), "Capitolatop" con i prezzi (1).
QString ModelloCapitolato(int conPrezzi);

// Costruiscono la distinta in AuxPrev, poi il documento, e lo salvano; restituiscono il file
// creato, vuoto se non riuscito (messaggio già mostrato; la distinta resta in AuxPrev).
// Della richiesta valgono destinazione, progresso e nomeFile.
QString CreaPreventivo(TStatoProgetto& stato, TRichiestaDocumento richiesta = {});
QString CreaCapitolato(TStatoProgetto& stato, TRichiestaDocumento richiesta = {});
