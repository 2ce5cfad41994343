#include "editor/Udef.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "editor/Upaginacatalogo.h"
#include "editor/Upaginacliente.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginadatigenerali.h"
#include "editor/Upaginalocali.h"
#include "editor/Upaginamandata.h"
#include "editor/Upaginaregolazione.h"
#include "en1264/finestre/Upaginaraffrescamento.h"
#include "pianta/finestre/Uapripianta.h"
#include "posa/finestre/Ufinestraposa.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

// ---------------------------------------------------------------- TPaginaProgetto

TPaginaProgetto::TPaginaProgetto(TProgetto& progetto, const QString& nome)
    : m_progetto(progetto)
{
    setObjectName(nome);
}

bool TPaginaProgetto::Attiva() const
{
    return m_progetto.PageControl1 && m_progetto.PageControl1->currentWidget() == this;
}

TStatoProgetto& TPaginaProgetto::Stato() const
{
    return m_progetto.Stato();
}

TDati& TPaginaProgetto::Dati() const
{
    return m_progetto.Dati();
}

QString TPaginaProgetto::SceltaRipristinata()
{
    return tr("\n\nÈ stata ripristinata la scelta precedente; le altre modifiche della pagina restano da "
              "confermare.");
}

void TPaginaProgetto::LimitaLarghezza(int massimo)
{
    m_larghezzaMassima = massimo;
}

void TPaginaProgetto::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (m_larghezzaMassima <= 0 || !layout())
        return;
    QMargins m = layout()->contentsMargins();
    if (m_margineDestro < 0)
        m_margineDestro = m.right();
    m.setRight(m_margineDestro + qMax(0, width() - m_larghezzaMassima));
    layout()->setContentsMargins(m);
}

// ---------------------------------------------------------------- TPageControl

TPageControl::TPageControl(QWidget* parent)
    : QTabWidget(parent)
{
    tabBar()->installEventFilter(this);
    // Scorciatoie della finestra di progetto, valide dentro qualunque pagina: passano dalla stessa
    // domanda dei clic sulle linguette (QTabWidget da solo cambierebbe pagina senza chiedere).
    const struct
    {
        QKeyCombination tasto;
        int passo;
    } tasti[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& t : tasti) {
        auto* s = new QShortcut(QKeySequence(t.tasto), this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, [this, passo = t.passo] { Scorri(passo); });
    }
}

void TPageControl::Scorri(int passo)
{
    const int n = count();
    for (int i = 1; i < n; ++i) {
        const int indice = ((currentIndex() + passo * i) % n + n) % n;
        if (!isTabEnabled(indice))
            continue;
        if (!PuoCambiare || PuoCambiare())
            setCurrentIndex(indice);
        return;
    }
}

bool TPageControl::eventFilter(QObject* o, QEvent* e)
{
    if (o == tabBar() && PuoCambiare) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            if (!PuoCambiare())
                return true;
            break;
        default:
            break;
        }
    }
    return QTabWidget::eventFilter(o, e);
}

// ---------------------------------------------------------------- TProgetto

TProgetto::TProgetto(TDati& dati, QWidget* parent)
    : TProgetto(std::make_unique<TStatoProgetto>(dati), parent)
{ }

TProgetto::TProgetto(std::unique_ptr<TStatoProgetto> stato, QWidget* parent)
    : QWidget(parent)
    , m_stato(std::move(stato))
{
    crea();
}

TProgetto::~TProgetto()
{
    m_stato->Clessidra = nullptr;
    Dati().PaginaLocaliVisibile = nullptr;
    // Pagine, viste e modelli leggono lo stato: vanno distrutti prima di lui. Lasciati al distruttore
    // di QWidget, la chiusura della finestra li ridisegnerebbe con lo stato già liberato.
    while (!children().isEmpty())
        delete children().constFirst();
}

TDati& TProgetto::Dati() const
{
    return m_stato->Dati();
}

void TProgetto::ApriPianta()
{
    if (!m_pianta)
        m_pianta = new TApriPianta(Stato(), this);
    m_pianta->Apri();
}

void TProgetto::ApriPosa()
{
    // La posa parte dai circuiti dimensionati di ora: prima il ricalcolo, come per i documenti.
    if (!Stato().RicalcolaProgetto()) {
        MostraLocaliInSospeso();
        return;
    }
    auto* f = findChild<TFinestraPosa*>();
    if (!f) {
        f = new TFinestraPosa(Stato(), this);
        f->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        f->Aggiorna();
    }
    f->show();
    f->raise();
}

void TProgetto::crea()
{
    setObjectName(QStringLiteral("Progetto"));
    setWindowTitle(tr("Progetto"));
    m_stato->Clessidra = [](bool occupato) {
        if (occupato)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };

    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new TPaginaCliente(*this);
    TabSheet2 = new TPaginaDatiGenerali(*this);
    TabSheet3 = new TPaginaLocali(*this);
    TabSheet4 = new TPaginaMandata(*this);
    TabSheetRaffrescamento = new TPaginaRaffrescamento(*this);
    TabSheet5 = new TPaginaCollettori(*this);
    TabSheet6 = new TPaginaRegolazione(*this);
    TabSheet7 = new TPaginaCatalogo(*this);
    TabSheet5->ApriOttimizzazione = [this] {
        if (FinestraOttimizzazione)
            FinestraOttimizzazione(Stato(), TabSheet5);
    };
    PageControl1->addTab(TabSheet1, tr("Informazioni Cliente"));
    PageControl1->addTab(TabSheet2, tr("Dati Generali Impianto"));
    PageControl1->addTab(TabSheet3, tr("Locali"));
    PageControl1->addTab(TabSheet4, tr("T Mandata Progetto"));
    PageControl1->addTab(TabSheetRaffrescamento, tr("Raffrescamento"));
    PageControl1->addTab(TabSheet5, tr("Collettori"));
    PageControl1->addTab(TabSheet6, tr("Regolazione"));
    PageControl1->addTab(TabSheet7, tr("Catalogo"));
    PageControl1->setCurrentIndex(0);
    PageControl1->PuoCambiare = [this] { return PageControl1Changing(); };
    // Le regole delle aree valgono solo mentre si lavora sulla pagina dei locali.
    Dati().PaginaLocaliVisibile = [this] { return PageControl1->currentWidget() == TabSheet3; };
    connect(PageControl1, &QTabWidget::currentChanged, this, &TProgetto::PageControl1Change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
}

bool TProgetto::PageControl1Changing()
{
    // Un locale nuovo non ancora confermato o annullato tiene la pagina "Locali"; uno in modifica
    // si registra, e se le regole lo rifiutano (con il loro messaggio) la pagina resta quella.
    ConfermaCelleAperte();
    TTabella* locali = Dati().AuxLocali;
    if (locali->State() == TStato::Inserimento)
        return false;
    return locali->State() != TStato::Modifica || locali->Post();
}

void TProgetto::ConfermaCelleAperte()
{
    // Linguette, menu, pulsanti e scorciatoie non tolgono il fuoco alla cella aperta.
    if (isAncestorOf(QApplication::focusWidget()))
        ConfermaControlloAttivo();
    for (TDBGrid* g : findChildren<TDBGrid*>())
        g->ConfermaCella();
}

void TProgetto::MostraLocaliInSospeso()
{
    // Il progettista torna sulla riga da correggere o annullare (Esc), ancora in modifica.
    TTabella* locali = Dati().AuxLocali;
    if (locali->State() != TStato::Modifica && locali->State() != TStato::Inserimento)
        return;
    PageControl1->setCurrentWidget(TabSheet3);
    TabSheet3->DBGrid1->setFocus(Qt::OtherFocusReason);
}

void TProgetto::PageControl1Change()
{
    if (auto* pagina = qobject_cast<TPaginaProgetto*>(PageControl1->currentWidget()))
        pagina->Entra();
}

void TProgetto::AbilitaRegolazione(bool abilitati)
{
    TabSheet6->AbilitaControlli(abilitati);
}

void TProgetto::AggiungiAgganci(TAgganciLettura& agganci)
{
    agganci.ApplicaModoRegolazione = [this](int modo) { AbilitaRegolazione(modo == 1); };
    agganci.DopoRicalcolo = [this] { TabSheet5->SvuotaNomeCollettore(); };
    agganci.DopoAlbero = [this] { TabSheet5->EspandiTutto(); };
    agganci.ReimpostaCatalogo = [this] { TabSheet7->Reimposta(); };
}
