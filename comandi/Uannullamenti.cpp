#include "comandi/Uannullamenti.h"

#include "data/Udatabase.h"
#include "data/Utabella.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QUndoCommand>

namespace {

// Un passo: lo stato prima e dopo un'azione dell'utente.
class TPasso : public QUndoCommand
{
public:
    TPasso(TFotografia prima, TFotografia dopo, const QString& nome, std::function<void(const TFotografia&)> ripristina)
        : QUndoCommand(nome)
        , Prima(std::move(prima))
        , Dopo(std::move(dopo))
        , m_ripristina(std::move(ripristina))
    { }

    void undo() override { m_ripristina(Prima); }
    void redo() override
    {
        // Alla prima volta (l'inserimento nella pila) lo stato è già quello di dopo.
        if (m_fatto)
            m_ripristina(Dopo);
        m_fatto = true;
    }

    TFotografia Prima;
    TFotografia Dopo;

private:
    std::function<void(const TFotografia&)> m_ripristina;
    bool m_fatto = false;
};

TPasso* passo(const QUndoStack& pila, int indice)
{
    return static_cast<TPasso*>(const_cast<QUndoCommand*>(pila.command(indice)));
}

bool eventoUtente(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::Drop:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

TAnnullamenti::TAnnullamenti(TStatoProgetto& stato)
    : QObject(&stato)
    , m_stato(stato)
{
    setObjectName(QStringLiteral("Annullamenti"));
    // Ogni passo tiene due fotografie (le tabelle che non cambiano sono condivise).
    m_pila.setUndoLimit(100);
    connect(&m_pila, &QUndoStack::indexChanged, this, &TAnnullamenti::cambiato);
    connect(&m_pila, &QUndoStack::cleanChanged, this, &TAnnullamenti::cambiato);
    connect(&stato, &TStatoProgetto::aggiornamentoInterno, this, &TAnnullamenti::interno);
    // Fine di un ricalcolo o di una ricostruzione: da qui ricomincia quel che fa l'utente.
    auto fineInterno = [this] {
        if (m_aperta && !m_ripristino)
            m_ultima = TFotografia::Prendi(m_stato, &m_ultima);
    };
    connect(&stato, &TStatoProgetto::ricalcolato, this, fineInterno);
    connect(&stato, &TStatoProgetto::collettoriRicostruiti, this, fineInterno);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

TAnnullamenti::~TAnnullamenti()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

TAnnullamenti* TAnnullamenti::Di(const TStatoProgetto& stato)
{
    return stato.findChild<TAnnullamenti*>(QString(), Qt::FindDirectChildrenOnly);
}

void TAnnullamenti::Azzera(bool salvato)
{
    m_aperta = false;
    m_pila.clear();
    if (salvato)
        m_pila.setClean();
    else
        m_pila.resetClean();
    Q_EMIT cambiato();
}

TStoriaAnnullamenti TAnnullamenti::Storia() const
{
    TStoriaAnnullamenti s;
    for (int i = 0; i < m_pila.count(); ++i)
        s.passi << TStoriaAnnullamenti::TVoce {passo(m_pila, i)->Prima, passo(m_pila, i)->Dopo};
    s.indice = m_pila.index();
    s.salvato = m_pila.cleanIndex();
    return s;
}

void TAnnullamenti::RiprendiStoria(const TStoriaAnnullamenti& s)
{
    Azzera(s.salvato == 0);
    // Messi e riportati all'indice senza rimettere nulla: lo stato è già quello.
    m_fusione = true;
    for (qsizetype i = 0; i < s.passi.size(); ++i) {
        const TStoriaAnnullamenti::TVoce& v = s.passi[i];
        metti(v.prima, v.dopo, TFotografia::NomePasso(v.prima, v.dopo));
        if (i + 1 == s.salvato)
            m_pila.setClean();
    }
    while (m_pila.index() > s.indice)
        m_pila.undo();
    m_fusione = false;
    Q_EMIT cambiato();
}

void TAnnullamenti::SegnaSalvato()
{
    m_pila.setClean();
    Q_EMIT cambiato();
}

bool TAnnullamenti::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (eventoUtente(evento->type()))
        apri();
    return QObject::eventFilter(oggetto, evento);
}

void TAnnullamenti::apri()
{
    if (m_aperta || m_ripristino)
        return;
    m_aperta = true;
    m_cambiato = false;
    m_prima = TFotografia::Prendi(m_stato, &m_ultima);
    m_ultima = m_prima;
    m_livello = QThread::currentThread()->loopLevel();
    QTimer::singleShot(0, this, &TAnnullamenti::chiudiQuandoServito);
}

void TAnnullamenti::chiudiQuandoServito()
{
    if (!m_aperta)
        return;
    // Dentro un dialogo o un messaggio l'azione non è finita: si riprova dopo.
    if (QThread::currentThread()->loopLevel() > m_livello) {
        QTimer::singleShot(50, this, &TAnnullamenti::chiudiQuandoServito);
        return;
    }
    Concludi();
}

void TAnnullamenti::Inizia(const QString& nome)
{
    apri();
    if (!nome.isEmpty() && m_nome.isEmpty())
        m_nome = nome;
}

void TAnnullamenti::segmento(const TFotografia& ora)
{
    if (!ora.StessiDati(m_ultima))
        m_cambiato = true;
}

void TAnnullamenti::interno()
{
    if (m_ripristino)
        return;
    if (!m_aperta) {
        // Un ricalcolo fuori da ogni azione (un timer): solo conseguenze, nessun passo.
        apri();
        return;
    }
    TFotografia ora = TFotografia::Prendi(m_stato, &m_ultima);
    segmento(ora);
    m_ultima = std::move(ora);
}

void TAnnullamenti::Concludi()
{
    if (!m_aperta)
        return;
    m_aperta = false;
    TFotografia dopo = TFotografia::Prendi(m_stato, &m_ultima);
    segmento(dopo);
    // Il nome guarda tutto il passo: le regole mettono prima le cause (locali, dati generali) delle
    // conseguenze che i ricalcoli aggiungono (liste dei collettori, conferma tolta).
    const QString nome = m_nome.isEmpty() ? TFotografia::NomePasso(m_prima, dopo) : m_nome;
    m_nome.clear();
    // Riferimento della prossima fotografia: le tabelle che non cambiano restano condivise.
    m_ultima = dopo;
    // La pagina "Collettori" ha detto l'avviso: non torna annullando o ripetendo.
    if (m_prima.AvvisoInSospeso() && !dopo.AvvisoInSospeso())
        for (int i = 0; i < m_pila.count(); ++i) {
            passo(m_pila, i)->Prima.DimenticaAvviso();
            passo(m_pila, i)->Dopo.DimenticaAvviso();
        }
    if (m_cambiato) {
        spingi(std::move(m_prima), std::move(dopo), nome);
    } else if (!(dopo == m_prima)) {
        aggiorna(dopo);
    }
}

void TAnnullamenti::spingi(TFotografia prima, TFotografia dopo, const QString& nome)
{
    // Chi riporta i circuiti di un collettore nella lista e poi lo elimina ha fatto una cosa sola:
    // annullandola, il collettore torna con i suoi circuiti.
    const int k = TFotografia::CollettoreEliminato(prima, dopo);
    int n = 0;
    while (k >= 0 && n < m_pila.index()) {
        const TPasso* p = passo(m_pila, m_pila.index() - 1 - n);
        if (TFotografia::CollettoreSvuotato(p->Prima, p->Dopo) != k)
            break;
        ++n;
    }
    if (n > 0) {
        prima = passo(m_pila, m_pila.index() - n)->Prima;
        // Tolti dalla cima senza rimettere nulla: lo stato è già quello di dopo.
        m_fusione = true;
        for (int i = 0; i < n; ++i)
            m_pila.undo();
        m_fusione = false;
    }
    metti(std::move(prima), std::move(dopo), nome);
}

void TAnnullamenti::metti(TFotografia prima, TFotografia dopo, const QString& nome)
{
    m_pila.push(new TPasso(std::move(prima), std::move(dopo), nome, [this](const TFotografia& f) {
        if (!m_fusione)
            f.Ripristina(m_stato);
    }));
}

void TAnnullamenti::aggiorna(const TFotografia& ora)
{
    // Lo stato attuale è il "dopo" del passo appena fatto e il "prima" di quello da ripetere.
    const int i = m_pila.index();
    if (i > 0)
        passo(m_pila, i - 1)->Dopo = ora;
    if (i < m_pila.count())
        passo(m_pila, i)->Prima = ora;
}

bool TAnnullamenti::confermaRecordAperti()
{
    for (TTabella* t : TabelleFotografate(m_stato.Dati())) {
        if (t->State() == TStato::Inserimento && t->CampiCambiati() == 0) {
            // Una riga nuova ancora vuota non ha nulla da perdere.
            t->Cancel();
            continue;
        }
        if ((t->State() == TStato::Modifica || t->State() == TStato::Inserimento) && !t->Post())
            return false;
    }
    return true;
}

bool TAnnullamenti::Annulla()
{
    if (m_ripristino)
        return false;
    if (PrimaDelPasso)
        PrimaDelPasso();
    apri();
    if (!confermaRecordAperti()) {
        Concludi();
        return false;
    }
    // Quel che è stato appena confermato diventa il passo che si annulla.
    Concludi();
    if (!m_pila.canUndo())
        return false;
    ripristina(true);
    return true;
}

bool TAnnullamenti::Ripeti()
{
    if (m_ripristino)
        return false;
    if (PrimaDelPasso)
        PrimaDelPasso();
    apri();
    if (!confermaRecordAperti()) {
        Concludi();
        return false;
    }
    Concludi();
    if (!m_pila.canRedo())
        return false;
    ripristina(false);
    return true;
}

void TAnnullamenti::ripristina(bool indietro)
{
    m_ripristino = true;
    if (indietro)
        m_pila.undo();
    else
        m_pila.redo();
    if (DopoIlPasso)
        DopoIlPasso();
    m_ripristino = false;
    // Quel che le pagine ricalcolano mostrando lo stato rimesso ne fa parte.
    aggiorna(TFotografia::Prendi(m_stato));
    m_stato.Dati().ProgettoModificato = !m_pila.isClean();
    Q_EMIT cambiato();
}
