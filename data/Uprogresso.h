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
    // L'utente ha chiesto di fermare l'operazione (solo dove l'operazione lo permette e sa
    // lasciare tutto com'era).
    virtual bool Annullato() const { return false; }

    static TProgresso& nullo();
};
