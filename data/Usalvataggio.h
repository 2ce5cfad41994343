#pragma once
// Conclusione di ogni scrittura di un file dell'utente (progetti, documenti) attraverso un
// QSaveFile. Qt tiene in un buffer le scritture piccole: un disco pieno si scopre solo quando il
// buffer si svuota, e QSaveFile::commit() rinominerebbe comunque il temporaneo vuoto sopra il
// vecchio file. Qui ogni errore del dispositivo ferma la sostituzione.
class QSaveFile;
class QString;

// Svuota il buffer, controlla l'errore del dispositivo, forza i dati su disco e solo allora
// sostituisce il file. In caso di errore il temporaneo viene rimosso, il vecchio file resta
// com'era, il risultato è false e motivo (se dato) riceve la descrizione dell'errore.
bool ConcludiSalvataggio(QSaveFile& f, QString* motivo = nullptr);
