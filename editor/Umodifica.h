#pragma once
// Menu "Modifica" della finestra principale: "Annulla" e "Ripeti" sulla pila del progetto aperto,
// con il nome del passo nella voce; disabilitate quando non c'è nulla da annullare o ripetere.
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;
class TAnnullamenti;
class TProgetto;

class TMenuModifica : public QObject
{
    Q_OBJECT
public:
    // Aggiunge il menu in coda alla barra.
    TMenuModifica(QMenuBar* barra, QWidget* finestra);

    // Il progetto appena letto (pila vuota) o nessuno (nullptr).
    void Collega(TProgetto* progetto);
    // Dopo un salvataggio riuscito.
    void Salvato();
    TAnnullamenti* Annullamenti() const;

    QMenu* Modifica1;
    QAction* Annulla1;
    QAction* Ripeti1;

private:
    void aggiorna();
    void annulla(bool indietro);

    QPointer<TProgetto> m_progetto;
    QPointer<TAnnullamenti> m_annullamenti;
};

// Collega la pila del progetto alle sue pagine: prima di un passo le celle aperte si scrivono nel
// record, dopo le pagine mostrano lo stato rimesso. La crea se manca.
TAnnullamenti& AnnullamentiDelProgetto(TProgetto& progetto);
