#pragma once
// Le cause degli errori del sistema e del database dette in italiano: un messaggio all'utente
// nomina la causa (spazio su disco esaurito, permesso negato, file in uso, catalogo danneggiato),
// mai il testo inglese della libreria né il suo "Unknown error".
#include <QString>

class QFileDevice;
class QSqlError;

// La causa di un codice errno, senza maiuscola iniziale né punto: "spazio su disco esaurito".
QString TestoErroreSistema(int codice);

// La causa di un'operazione fallita su un file aperto o da aprire: codice è errno letto subito
// dopo il fallimento (0 se non noto). Senza codice decidono lo spazio libero del disco del file e
// il tipo d'errore del dispositivo (Qt, dopo una scrittura a metà, non conserva la causa).
QString MotivoErroreFile(const QFileDevice& f, int codice);

// La causa di un errore di SQLite ("il file è danneggiato", "il file è in uso da un altro programma").
QString TestoErroreDatabase(const QSqlError& e);
