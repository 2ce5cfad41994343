#pragma once
// Registratore dei messaggi per i test: ogni messaggio mostrato viene conservato; le domande
// ricevono le risposte preparate dal test. Un messaggio non consumato o una domanda senza
// risposta preparata fanno fallire il test in Controlla() (da chiamare in cleanup()).
#include "data/Umessaggi.h"

#include <QList>
#include <QStringList>
#include <QVector>

class TRegistroMessaggi : public TMessaggi
{
public:
    TRegistroMessaggi();
    ~TRegistroMessaggi() override;

    bool mostra(const TMessaggio& m) override;

    // Prepara la risposta alla prossima domanda.
    void Rispondi(bool ok) { m_risposte << ok; }
    // Toglie e restituisce il messaggio più vecchio (testo vuoto se non ce ne sono).
    TMessaggio Prendi();
    // Testi di tutti i messaggi registrati e non ancora presi, che vengono consumati.
    QStringList PrendiTutti();
    int Quanti() const { return int(m_messaggi.size()); }
    // Fallisce il test se restano messaggi o risposte non usate; azzera il registro.
    bool Controlla();

private:
    QVector<TMessaggio> m_messaggi;
    QList<bool> m_risposte;
    QStringList m_domandeSenzaRisposta;
};

// Verifica che il prossimo messaggio abbia esattamente quel testo e quell'icona.
#define VERIFICA_MESSAGGIO(registro, testoAtteso, iconaAttesa)                                                         \
    do {                                                                                                               \
        const TMessaggio m_ = (registro).Prendi();                                                                     \
        QCOMPARE(m_.testo, QString(testoAtteso));                                                                      \
        QCOMPARE(int(m_.icona), int(iconaAttesa));                                                                     \
    } while (0)
