#pragma once
// Il punto unico da cui passano tutti i messaggi all'utente.
// Il programma installa l'implementazione con QMessageBox; i test installano un registratore;
// senza installazione (riga di comando) i messaggi vanno su stderr.
#include <QString>

enum class TIcona { Esclamazione, Stop, Domanda };

struct TMessaggio
{
    QString testo;
    TIcona icona = TIcona::Esclamazione;
    QString titolo; // sempre "Orvanti S.p.A." tranne la finestra "Error" della cronologia
    bool conAnnulla = false; // OK/Annulla invece del solo OK
};

class TMessaggi
{
public:
    static inline const QString Titolo = QStringLiteral("Orvanti S.p.A.");

    virtual ~TMessaggi() = default;
    // Mostra il messaggio; restituisce true quando l'utente ha scelto OK.
    virtual bool mostra(const TMessaggio& m) = 0;

    static TMessaggi& istanza();
    // Installa un'implementazione (nullptr rimette quella di riga di comando); non ne prende la proprietà.
    static void installa(TMessaggi* m);

    // Avviso o informazione: punto esclamativo, OK.
    static void Avviso(const QString& testo);
    // Errore di validazione: icona di stop, OK.
    static void Errore(const QString& testo);
    // Domanda: punto interrogativo, OK/Annulla; vero solo con OK.
    static bool Domanda(const QString& testo);
    // Errori di salvataggio e caricamento: punto interrogativo con il solo OK.
    static void AvvisoDomanda(const QString& testo);
    // Finestra di sistema con titolo proprio e icona di stop (cronologia).
    static void ErroreTitolo(const QString& testo, const QString& titolo);
};

// Implementazione per la riga di comando: scrive su stderr e risponde "Annulla" alle domande.
class TMessaggiConsole : public TMessaggi
{
public:
    bool mostra(const TMessaggio& m) override;
};
