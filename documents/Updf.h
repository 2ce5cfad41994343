#pragma once
// Copia PDF dei documenti: LibreOffice senza finestre converte le cartelle di lavoro salvate in
// .pdf accanto a esse, con un profilo proprio del programma (non disturba un LibreOffice già
// aperto). Più documenti si convertono con un solo avvio di LibreOffice. Se il programma tiene
// LibreOffice pronto in sottofondo (Uistanzapdf.h) la conversione passa da lì, senza avvio; ciò che
// lì non riesce si fa con l'avvio apposta.
#include <QString>
#include <QStringList>
#include <QVector>

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
// Lo stesso per più documenti in un solo avvio di LibreOffice: un esito per documento, nell'ordine.
QVector<TEsitoPdf> CreaPdf(const QStringList& documenti, TProgresso* progresso = nullptr, int limiteMs = 300000);
