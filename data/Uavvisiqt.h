#pragma once
// Gli avvisi che Qt scrive sul terminale in condizioni che il programma prevede e tratta da sé
// (un archivio danneggiato fa chiedere a QBuffer posizioni fuori dai dati, una riga di catalogo
// illeggibile fa leggere un valore fuori posizione): l'utente ne vede già il messaggio italiano,
// il testo inglese sul terminale confonde soltanto. Gli altri avvisi passano com'erano.
#include <QString>
#include <QtGlobal>

// Installa il filtro davanti al gestore dei messaggi in uso (una volta, all'avvio).
void FiltraAvvisiQt();

// L'avviso è uno di quelli previsti.
bool AvvisoQtPrevisto(QtMsgType tipo, const QString& testo);
