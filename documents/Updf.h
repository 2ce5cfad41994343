#pragma once
// Copia PDF di un documento: LibreOffice senza finestre converte la cartella di lavoro salvata
// in un .pdf accanto a essa, con un profilo privato (non disturba un LibreOffice già aperto).
#include <QString>

class TProgresso;

// Percorso di soffice (la variabile TVL_SOFFICE lo può indicare); vuoto se non è installato.
QString PercorsoSoffice();

struct TEsitoPdf
{
    bool riuscito = false;
    QString pdf; // il file creato
    QString errore; // perché non è stato creato
};

// Converte il file (.xlsx) in PDF nella stessa cartella, entro il tempo dato. Durante l'attesa
// il progresso lascia scorrere i messaggi, così la finestra si ridisegna.
TEsitoPdf CreaPdf(const QString& documento, TProgresso* progresso = nullptr, int limiteMs = 120000);
