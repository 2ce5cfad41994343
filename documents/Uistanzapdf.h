#pragma once
// LibreOffice tenuto pronto per le copie PDF: avviarlo costa secondi, convertire un documento con
// un LibreOffice già partito una frazione. L'istanza parte in sottofondo (senza fermare chi la
// chiede), con un profilo suo in una cartella temporanea e un canale con nome; uno script Python
// (python3-uno) le chiede i PDF. È figlia del programma: si chiude con esso, anche se il programma
// muore (Linux). Se manca, è occupata o muore, CreaPdf torna all'avvio apposta.
#include <QString>
#include <QStringList>

class TProgresso;

namespace TIstanzaPdf {

// Fa partire l'istanza se non c'è (o se è morta); non attende. Senza LibreOffice o senza Python con
// il modulo uno non fa nulla. Vale per il thread principale: da altri thread le funzioni qui non
// fanno nulla e CreaPdf usa l'avvio apposta.
void Avvia();
// Chiude l'istanza, se c'è, e attende che sia finita.
void Ferma();
// Rilancia l'istanza morta, se il programma ne aveva una (dopo aver ripiegato sull'avvio apposta).
void Riprendi();
// Il processo di LibreOffice dell'istanza (0 se non c'è).
qint64 Processo();
// Attende che l'istanza risponda, fino a ms millisecondi (prove e misure).
bool AttendiPronta(int ms);

// Converte i file in PDF dello stesso nome nella cartella uscita. false se l'istanza non c'è, è
// occupata, muore o non ha finito nel tempo: i PDF mancanti vanno fatti in un altro modo.
bool Converti(const QStringList& sorgenti, const QString& uscita, TProgresso* progresso, int limiteMs);

} // namespace TIstanzaPdf
