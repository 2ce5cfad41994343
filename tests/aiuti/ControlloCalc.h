#pragma once
// Controllo indipendente dei documenti prodotti: LibreOffice Calc (soffice) li apre e li converte.
// Un file che Calc non sa leggere, o una formula che non calcola, si vede nelle celle convertite.
#include <QList>
#include <QString>
#include <QStringList>

class TControlloCalc
{
public:
    // Percorso di soffice, vuoto se non installato.
    static QString Soffice();

    // Converte ogni foglio del file in CSV (celle come le mostra Calc, formule calcolate).
    // Restituisce false con il motivo in errore; fogli[i] sono le righe del foglio i+1.
    static bool Converti(const QString& file, QList<QList<QStringList>>& fogli, QString& errore);
    // Converte in PDF nella cartella indicata; restituisce il percorso del PDF o vuoto.
    static QString Pdf(const QString& file, const QString& cartella, QString& errore);

    // Cella "B7" di un foglio convertito (vuota se fuori dai dati).
    static QString Cella(const QList<QStringList>& foglio, const QString& indirizzo);
};

// Converte il file e carica i fogli nella variabile; il test fallisce se Calc manca o non ci riesce.
#define CONVERTI_CON_CALC(file, fogli)                                                                                 \
    do {                                                                                                               \
        QVERIFY2(!TControlloCalc::Soffice().isEmpty(),                                                                 \
                 "soffice non trovato: il controllo dei documenti richiede libreoffice-calc");                         \
        QString errore_;                                                                                               \
        QVERIFY2(TControlloCalc::Converti((file), (fogli), errore_), qPrintable(errore_));                             \
    } while (0)
