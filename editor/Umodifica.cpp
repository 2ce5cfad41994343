#include "editor/Umodifica.h"

#include "comandi/Uannullamenti.h"
#include "data/Udatabase.h"
#include "data/Utabella.h"
#include "editor/Udef.h"
#include "editor/Upaginacollettori.h"
#include "pianta/finestre/Uapripianta.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

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
    Modifica1 = barra->addMenu(tr("&Modifica"));
    Modifica1->setObjectName(QStringLiteral("Modifica1"));
    Modifica1->menuAction()->setObjectName(QStringLiteral("Modifica1"));
    Annulla1 = Modifica1->addAction(tr("Annulla"));
    Annulla1->setObjectName(QStringLiteral("Annulla1"));
    Annulla1->setShortcut(QKeySequence::Undo);
    Ripeti1 = Modifica1->addAction(tr("Ripeti"));
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
    Annulla1->setText(indietro ? tr("Annulla %1").arg(pila->undoText()) : tr("Annulla"));
    Ripeti1->setText(avanti ? tr("Ripeti %1").arg(pila->redoText()) : tr("Ripeti"));
}

void TMenuModifica::annulla(bool indietro)
{
    if (!m_annullamenti || !m_progetto)
        return;
    const bool fatto = indietro ? m_annullamenti->Annulla() : m_annullamenti->Ripeti();
    // Un locale che le regole non registrano resta in vista, in modifica, con il loro messaggio.
    if (!fatto)
        m_progetto->MostraLocaliInSospeso();
}
