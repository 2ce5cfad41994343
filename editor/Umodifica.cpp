#include "editor/Umodifica.h"

#include "comandi/Uannullamenti.h"
#include "data/Udatabase.h"
#include "data/Utabella.h"
#include "editor/Udef.h"
#include "editor/Upaginacollettori.h"
#include "pianta/finestre/Uapripianta.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

TAnnullamenti& AnnullamentiDelProgetto(TProgetto& progetto)
{
    TStatoProgetto& stato = progetto.Stato();
    if (TAnnullamenti* a = TAnnullamenti::Di(stato))
        return *a;
    auto* a = new TAnnullamenti(stato);
    QPointer<TProgetto> p(&progetto);
    a->PrimaDelPasso = [p] {
        if (p)
            p->ConfermaCelleAperte();
    };
    a->DopoIlPasso = [p] {
        if (!p)
            return;
        TStatoProgetto& s = p->Stato();
        // Le pagine che mostrano i risultati si ridisegnano come dopo un ricalcolo; i dettagli
        // del collettore scelto e il nome proposto ripartono da capo, come dopo una lettura.
        Q_EMIT s.ricalcolato();
        Q_EMIT s.collettoriRicostruiti();
        p->TabSheet5->SvuotaNomeCollettore();
        p->AbilitaRegolazione(s.ModoRegolazione == 1);
        // La finestra della pianta ha la sua pila: se mostra un'altra pianta si richiude e si
        // riapre da quella del progetto.
        if (TApriPianta* a = p->Pianta(); a && a->Finestra() && !(a->Finestra()->Pianta() == s.Pianta))
            a->Finestra()->deleteLater();
    };
    return *a;
}

TMenuModifica::TMenuModifica(QMenuBar* barra, QWidget* finestra)
    : QObject(finestra)
{
    // "&Modifica" è già il pulsante della pagina dei collettori (Alt+M).
    Modifica1 = barra->addMenu(tr("Mo&difica"));
    Modifica1->setObjectName(QStringLiteral("Modifica1"));
    Modifica1->menuAction()->setObjectName(QStringLiteral("Modifica1"));
    Annulla1 = Modifica1->addAction(tr("&Annulla"));
    Annulla1->setObjectName(QStringLiteral("Annulla1"));
    Annulla1->setShortcut(QKeySequence::Undo);
    Ripeti1 = Modifica1->addAction(tr("&Ripeti"));
    Ripeti1->setObjectName(QStringLiteral("Ripeti1"));
    Ripeti1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Annulla1, &QAction::triggered, this, [this] { annulla(true); });
    connect(Ripeti1, &QAction::triggered, this, [this] { annulla(false); });
    aggiorna();
}

void TMenuModifica::Collega(TProgetto* progetto)
{
    if (m_annullamenti)
        disconnect(m_annullamenti, nullptr, this, nullptr);
    m_progetto = progetto;
    m_annullamenti = progetto ? &AnnullamentiDelProgetto(*progetto) : nullptr;
    if (m_annullamenti) {
        m_annullamenti->Azzera();
        connect(m_annullamenti, &TAnnullamenti::cambiato, this, &TMenuModifica::aggiorna);
        connect(m_annullamenti, &QObject::destroyed, this, &TMenuModifica::aggiorna, Qt::QueuedConnection);
    }
    aggiorna();
}

TAnnullamenti* TMenuModifica::Annullamenti() const
{
    return m_annullamenti;
}

void TMenuModifica::Salvato()
{
    if (m_annullamenti)
        m_annullamenti->SegnaSalvato();
}

void TMenuModifica::aggiorna()
{
    QUndoStack* pila = m_annullamenti ? &m_annullamenti->Pila() : nullptr;
    const bool indietro = pila && pila->canUndo();
    const bool avanti = pila && pila->canRedo();
    Annulla1->setEnabled(indietro);
    Ripeti1->setEnabled(avanti);
    Annulla1->setText(indietro ? tr("&Annulla %1").arg(pila->undoText()) : tr("&Annulla"));
    Ripeti1->setText(avanti ? tr("&Ripeti %1").arg(pila->redoText()) : tr("&Ripeti"));
}

void TMenuModifica::annulla(bool indietro)
{
    if (!m_annullamenti || !m_progetto)
        return;
    m_progetto->ConfermaCelleAperte();
    bool inSospeso = false;
    for (TTabella* t : TabelleFotografate(m_progetto->Dati()))
        inSospeso |= (t->State() == TStato::Modifica || t->State() == TStato::Inserimento) && t->CampiCambiati() > 0;
    const bool fatto = indietro ? m_annullamenti->Annulla() : m_annullamenti->Ripeti();
    // Un locale che le regole non registrano resta in vista, in modifica, con il loro messaggio.
    if (!fatto) {
        m_progetto->MostraLocaliInSospeso();
        return;
    }
    // La riga non confermata non sparisce in silenzio: la barra di stato dice dov'è finita.
    auto* finestra = qobject_cast<QMainWindow*>(parent());
    if (inSospeso && finestra)
        finestra->statusBar()->showMessage(
            indietro ? tr("La riga in modifica è stata confermata e poi annullata: \"Ripeti\" la rimette.")
                     : tr("La riga in modifica è stata confermata prima di ripetere."),
            8000);
}
