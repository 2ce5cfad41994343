#pragma once
// "Tutti i documenti": ogni documento di un progetto in una volta, nella stessa cartella, sotto
// una sola finestra di avanzamento e, se richiesto, con le copie PDF fatte da un solo avvio di
// LibreOffice. Nessun documento si apre: si consegna la cartella.
#include <QString>
#include <QStringList>

class TStatoProgetto;
class TProgresso;

struct TEsitoTutti
{
    QString cartella; // dove sono finiti
    QStringList documenti; // i file .xlsx creati, nell'ordine
    QStringList pdf; // le copie PDF create
    QStringList mancanti; // i documenti non fatti, con il motivo
    QString erroriPdf; // perché qualche PDF manca
};

// Relazione tecnica, preventivo, capitolato senza e con prezzi, etichette e, a ottimizzazione
// eseguita, la tabella dell'ottimizzazione. cartella vuota = la cartella del progetto sotto la
// cartella dei documenti. Il chiamante ha aggiornato il progetto come per un documento solo.
TEsitoTutti CreaTuttiIDocumenti(TStatoProgetto& stato, const QString& cartella, bool conPdf,
                                TProgresso* progresso = nullptr);
