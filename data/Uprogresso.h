#pragma once
// Avanzamento delle operazioni lunghe: il nucleo lo riporta attraverso questa interfaccia;
// il programma la realizza con la finestra TCaricamento, la riga di comando e i test no.
#include <QString>

class TProgresso
{
public:
    virtual ~TProgresso() = default;
    virtual void Inizia(const QString& titolo, int massimo) { }
    virtual void Passo() { }
    virtual void Fine() { }
    // Lascia scorrere i messaggi in attesa (ridisegno) nelle operazioni lunghe.
    virtual void Respira() { }

    static TProgresso& nullo();
};
