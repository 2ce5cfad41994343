#pragma once
// Il punto unico da cui passano le finestre modali e le scelte dei file. Il programma usa
// l'implementazione vera (exec(), QFileDialog); i test ne installano una che risponde da sola,
// senza ciclo modale, come per i messaggi (data/Umessaggi.h).
#include <QString>

class QDialog;
class QWidget;

// Una scelta di file: da aprire (salva false) o in cui scrivere.
struct TSceltaFile
{
    bool salva = false;
    QString nome; // objectName della finestra ("OpenDialog1", "SaveDialog1"...)
    QString titolo;
    QString filtro;
    QString cartella; // vuota: la cartella corrente
    QString proposto; // nome proposto al salvataggio
    QString estensione; // aggiunta al nome scelto senza estensione
};

// Dove aprire la finestra dei progetti: la cartella del progetto corrente se c'è, altrimenti
// l'ultima usata (ricordata fra le sessioni), altrimenti i documenti dell'utente.
QString CartellaProgetti(const QString& progettoCorrente);
// Ricorda la cartella di un progetto appena aperto o salvato.
void RicordaCartellaProgetti(const QString& percorso);

class TDialoghi
{
public:
    virtual ~TDialoghi() = default;
    // Mostra il dialogo modale; restituisce il suo risultato (QDialog::Accepted o Rejected).
    virtual int Esegui(QDialog& dialogo);
    // Il file scelto; vuoto se l'utente annulla.
    virtual QString ScegliFile(QWidget* padre, const TSceltaFile& scelta);

    static TDialoghi& istanza();
    // Installa un'implementazione (nullptr rimette le finestre vere); non ne prende la proprietà.
    static void installa(TDialoghi* d);
};
