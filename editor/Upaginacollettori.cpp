#include "editor/Upaginacollettori.h"

#include "controlli/Udialoghi.h"
#include "data/Uformato.h"
#include "progetto/Uassegnaauto.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "editor/Udef.h"
#include "editor/Udefcoll.h"
#include "editor/Umostraccoll.h"
#include "editor/Uvistecollettori.h"
#include "optimise/Ucalcolo.h"
#include "progetto/Ustato.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
// Distanza che il puntatore deve percorrere, in orizzontale o in verticale, prima che il
// trascinamento cominci.
constexpr int SogliaTrascinamento = 5;
// Fascia ai bordi dell'albero in cui il trascinamento fa scorrere la vista.
constexpr int BordoScorrimento = 16;

QLabel* etichetta(const QString& testo, QWidget* genitore)
{
    auto* l = new QLabel(testo, genitore);
    l->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return l;
}

QPushButton* pulsante(const QString& nome, const QString& testo, QWidget* genitore)
{
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TPaginaCollettori::TPaginaCollettori(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet5"))
{
    crea();
    // Una proposta in un clic: un'assegnazione come le altre, da ritoccare e confermare con "Tipo".
    ImpostaAssegnaAutomaticamente([this] { AssegnaAutomaticamente(Stato()); });
}

TPaginaCollettori::~TPaginaCollettori()
{
    fineTrascinamento();
}

TAssegnazione& TPaginaCollettori::assegnazione() const
{
    return Stato().Assegnazione;
}

void TPaginaCollettori::crea()
{
    TAssegnazione& a = assegnazione();
    m_albero = new TModelloAlberoCollettori(a, this);
    m_lista = new TModelloListaCircuiti(a, this);

    TreeView1 = new QTreeView(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setModel(m_albero);
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setIconSize({AltezzaImmagine, AltezzaImmagine});
    TreeView1->setUniformRowHeights(true);
    TreeView1->viewport()->installEventFilter(this);
    TreeView1->installEventFilter(this);
    m_timerScorrimento = new QTimer(this);
    m_timerScorrimento->setInterval(60);
    connect(m_timerScorrimento, &QTimer::timeout, this, [this] {
        QScrollBar* sb = TreeView1->verticalScrollBar();
        sb->setValue(sb->value() + m_scorrimento * sb->singleStep());
    });

    ListBox2 = new QListView(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setModel(m_lista);
    m_disegno = new TDisegnoListaCircuiti(ListBox2);
    ListBox2->setItemDelegate(m_disegno);
    ListBox2->setUniformItemSizes(true);
    ListBox2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox2->viewport()->installEventFilter(this);
    ListBox2->installEventFilter(this);

    // Lo stato della vista sopravvive all'azzeramento dei modelli: nessun tremolio, nessun
    // collettore che si richiude da solo.
    connect(m_albero, &QAbstractItemModel::modelAboutToBeReset, this, &TPaginaCollettori::primaDelCambio);
    connect(m_albero, &QAbstractItemModel::modelReset, this, &TPaginaCollettori::dopoIlCambio);
    connect(m_lista, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_scorriLista = ListBox2->verticalScrollBar()->value(); });
    connect(m_lista, &QAbstractItemModel::modelReset, this, [this] {
        ListBox2->doItemsLayout();
        ListBox2->verticalScrollBar()->setValue(m_scorriLista);
    });
    auto segna = [this](const QModelIndex& i, bool aperto) {
        if (!m_ripristino && i.isValid() && !i.parent().isValid() && i.row() < m_espansi.size())
            m_espansi[i.row()] = aperto;
    };
    connect(TreeView1, &QTreeView::expanded, this, [segna](const QModelIndex& i) { segna(i, true); });
    connect(TreeView1, &QTreeView::collapsed, this, [segna](const QModelIndex& i) { segna(i, false); });
    connect(&Stato(), &TStatoProgetto::collettoriRicostruiti, this, &TPaginaCollettori::svuotaDettagli);

    SpeedButton1 = pulsante(QStringLiteral("SpeedButton1"), tr("&Nuovo"), this);
    SpeedButton5 = pulsante(QStringLiteral("SpeedButton5"), tr("&Modifica"), this);
    SpeedButton2 = pulsante(QStringLiteral("SpeedButton2"), tr("&Elimina"), this);
    SpeedButton3 = pulsante(QStringLiteral("SpeedButton3"), QStringLiteral("<<"), this);
    SpeedButton4 = pulsante(QStringLiteral("SpeedButton4"), QStringLiteral(">>"), this);
    BitBtn4 = pulsante(QStringLiteral("BitBtn4"), tr("&Tipo"), this);
    BitBtnAssegna = pulsante(QStringLiteral("BitBtnAssegna"), tr("&Assegna automaticamente"), this);
    Button1 = pulsante(QStringLiteral("Button1"), tr("&Ottimizzazione Circuiti"), this);
    connect(SpeedButton1, &QPushButton::clicked, this, &TPaginaCollettori::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TPaginaCollettori::SpeedButton2Click);
    connect(SpeedButton5, &QPushButton::clicked, this, &TPaginaCollettori::SpeedButton5Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TPaginaCollettori::SpeedButton3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TPaginaCollettori::SpeedButton4Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TPaginaCollettori::BitBtn4Click);
    connect(Button1, &QPushButton::clicked, this, &TPaginaCollettori::Button1Click);
    connect(BitBtnAssegna, &QPushButton::clicked, this, [this] {
        if (m_assegna)
            m_assegna();
    });
    // Il posto del pulsante resta anche finché non c'è chi assegna.
    QSizePolicy sp = BitBtnAssegna->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    BitBtnAssegna->setSizePolicy(sp);
    BitBtnAssegna->hide();

    Label18 = new QLabel(this);
    Label18->setObjectName(QStringLiteral("Label18"));
    Label18->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label18->setMinimumWidth(Label18->fontMetrics().horizontalAdvance(QString(MaxNomeCollettore + 3, u'W')));
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit4 = new QLineEdit(this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    for (QLineEdit* e : {Edit3, Edit4}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000,0")) + 16);
    }
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setHeaderLabels(
        {tr("ID"), tr("Piano"), tr("Descrizione"), tr("L [m]"), tr("P [cm]"), tr("Q [l/h]"), tr("dP [mmH2O]")});
    QHeaderView* h = ListView1->header();
    h->setStretchLastSection(false);
    for (int c = 0; c < ListView1->columnCount(); ++c)
        h->setSectionResizeMode(c, c == 2 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);

    // ---- disposizione: albero, pulsanti, lista; sotto i dati del collettore e le azioni.
    auto* gruppoCollettori = new QGroupBox(tr("Collettori"), this);
    auto* lc = new QVBoxLayout(gruppoCollettori);
    lc->addWidget(SpeedButton1);
    lc->addWidget(SpeedButton5);
    lc->addWidget(SpeedButton2);
    auto* gruppoCircuiti = new QGroupBox(tr("Circuiti"), this);
    auto* lk = new QVBoxLayout(gruppoCircuiti);
    auto* sposta = new QLabel(tr("SPOSTA"), gruppoCircuiti);
    sposta->setAlignment(Qt::AlignCenter);
    lk->addWidget(sposta);
    lk->addWidget(SpeedButton3);
    lk->addWidget(SpeedButton4);
    auto* colonnaPulsanti = new QVBoxLayout;
    colonnaPulsanti->addWidget(gruppoCollettori);
    colonnaPulsanti->addWidget(gruppoCircuiti);
    colonnaPulsanti->addStretch(1);
    gruppoCollettori->setFixedWidth(120);
    gruppoCircuiti->setFixedWidth(120);

    auto* colonnaAlbero = new QVBoxLayout;
    colonnaAlbero->addWidget(new QLabel(tr("Collettori e circuiti collegati:"), this));
    colonnaAlbero->addWidget(TreeView1, 1);
    auto* colonnaLista = new QVBoxLayout;
    colonnaLista->addWidget(new QLabel(tr("Circuiti da collegare:"), this));
    colonnaLista->addWidget(ListBox2, 1);
    auto* sopra = new QHBoxLayout;
    sopra->addLayout(colonnaAlbero, 1);
    sopra->addLayout(colonnaPulsanti);
    sopra->addLayout(colonnaLista, 1);

    auto* dati = new QHBoxLayout;
    dati->addWidget(etichetta(tr("Nome Collettore"), this));
    dati->addWidget(Label18, 1);
    dati->addSpacing(12);
    dati->addWidget(etichetta(tr("T Mandata [°C]"), this));
    dati->addWidget(Edit3);
    dati->addSpacing(12);
    dati->addWidget(etichetta(tr("N° Circuiti"), this));
    dati->addWidget(Edit4);

    auto* azioni = new QHBoxLayout;
    azioni->addWidget(BitBtn4);
    azioni->addWidget(BitBtnAssegna);
    azioni->addStretch(1);
    azioni->addWidget(Button1);
    BitBtn4->setMinimumWidth(110);

    auto* l = new QVBoxLayout(this);
    l->addLayout(sopra, 3);
    l->addLayout(dati);
    l->addWidget(new QLabel(tr("Circuiti:"), this));
    l->addWidget(ListView1, 2);
    l->addLayout(azioni);

    dopoIlCambio();
}

void TPaginaCollettori::ImpostaAssegnaAutomaticamente(std::function<void()> assegna)
{
    m_assegna = std::move(assegna);
    BitBtnAssegna->setVisible(bool(m_assegna));
}

TDefColl* TPaginaCollettori::DefColl()
{
    if (!m_defColl)
        m_defColl = new TDefColl(this);
    return m_defColl;
}

TMostraCColl* TPaginaCollettori::MostraCColl()
{
    if (!m_mostra)
        m_mostra = new TMostraCColl(Dati(), this);
    m_mostra->ImpostaProgetto(&Stato());
    return m_mostra;
}

int TPaginaCollettori::esegui(QDialog& d)
{
    return TDialoghi::istanza().Esegui(d);
}

void TPaginaCollettori::Entra()
{
    svuotaDettagli();
    Stato().RicalcolaProgetto();
    Stato().RicostruisciCollettori();
    // Quel che un cambiamento dei locali o dei dati ha tolto al lavoro sui collettori, una volta.
    const TAvvisoCollettori avviso = Stato().PrendiAvvisoCollettori();
    if (!avviso.Vuoto())
        TMessaggi::Avviso(TestoAvvisoCollettori(avviso));
}

QString TPaginaCollettori::TestoAvvisoCollettori(const TAvvisoCollettori& a)
{
    QStringList parti;
    if (a.nuovi == 1)
        parti << tr("1 circuito nuovo da collegare");
    else if (a.nuovi > 1)
        parti << tr("%1 circuiti nuovi da collegare").arg(a.nuovi);
    if (a.tolti == 1)
        parti << tr("1 circuito collegato non esiste più ed è stato tolto dal suo collettore");
    else if (a.tolti > 1)
        parti << tr("%1 circuiti collegati non esistono più e sono stati tolti dai collettori").arg(a.tolti);
    if (a.nonValidi == 1)
        parti << tr("1 collettore, segnato nell'albero, ha circuiti di piani diversi o più di 12 circuiti e va "
                    "corretto");
    else if (a.nonValidi > 1)
        parti << tr("%1 collettori, segnati nell'albero, hanno circuiti di piani diversi o più di 12 circuiti e "
                    "vanno corretti")
                     .arg(a.nonValidi);
    if (a.conferma)
        parti << tr("la conferma dei collettori è da ripetere");
    if (a.ottimizzazione)
        parti << tr("l'ottimizzazione dei circuiti è da ripetere");
    return parti.join(QStringLiteral("; "));
}

void TPaginaCollettori::SvuotaNomeCollettore()
{
    if (m_defColl)
        m_defColl->Svuota();
}

// ---------------------------------------------------------------- selezione e stato della vista

TNodo TPaginaCollettori::NodoSelezionato() const
{
    const QModelIndexList s = TreeView1->selectionModel()->selectedIndexes();
    return s.isEmpty() ? TNodo() : m_albero->Nodo(s.first());
}

int TPaginaCollettori::RigaSelezionata() const
{
    const QModelIndexList s = ListBox2->selectionModel()->selectedIndexes();
    return s.isEmpty() ? -1 : s.first().row();
}

void TPaginaCollettori::selezionaNodo(TNodo n)
{
    const QModelIndex i = m_albero->Indice(n);
    if (i.isValid()) {
        TreeView1->setCurrentIndex(i);
        TreeView1->scrollTo(i);
    } else {
        TreeView1->selectionModel()->clear();
    }
}

void TPaginaCollettori::selezionaRiga(int riga)
{
    const QModelIndex i = m_lista->index(riga, 0);
    if (i.isValid()) {
        ListBox2->setCurrentIndex(i);
        ListBox2->scrollTo(i);
    } else {
        ListBox2->selectionModel()->clear();
    }
}

void TPaginaCollettori::espandi(int collettore)
{
    if (collettore < 0 || collettore >= m_espansi.size())
        return;
    m_espansi[collettore] = true;
    TreeView1->expand(m_albero->index(collettore, 0));
}

void TPaginaCollettori::EspandiTutto()
{
    // Anche lo stato ricordato, così un azzeramento successivo del modello non richiude nulla.
    m_espansi.fill(true, assegnazione().NumeroCollettori());
    TreeView1->expandAll();
}

void TPaginaCollettori::primaDelCambio()
{
    m_scorriAlbero = TreeView1->verticalScrollBar()->value();
}

void TPaginaCollettori::dopoIlCambio()
{
    const int n = assegnazione().NumeroCollettori();
    // Un collettore che torna annullandone l'eliminazione si mostra aperto, con i suoi circuiti.
    m_espansi.resize(n, true);
    m_ripristino = true;
    for (int i = 0; i < n; ++i)
        if (m_espansi[i])
            TreeView1->expand(m_albero->index(i, 0));
    m_ripristino = false;
    TreeView1->doItemsLayout();
    TreeView1->verticalScrollBar()->setValue(m_scorriAlbero);
    aggiornaDettagli();
}

// ---------------------------------------------------------------- dati del collettore

void TPaginaCollettori::svuotaDettagli()
{
    m_dettaglio = -1;
    Label18->clear();
    Edit3->clear();
    Edit4->clear();
    ListView1->clear();
}

void TPaginaCollettori::mostraDettagli(int collettore)
{
    const TAssegnazione& a = assegnazione();
    const TCollettoreAlbero& c = a.Collettori()[collettore];
    const QLocale l = LocaleSchermo();
    m_dettaglio = collettore;
    Edit3->setText(l.toString(double(Stato().TMandataSalvata), 'f', 1));
    Edit4->setText(l.toString(int(c.circuiti.size())));
    Label18->setText(c.Nome()); // il "=>" è solo il segno del nodo nell'albero
    ListView1->clear();
    QList<QTreeWidgetItem*> righe;
    for (const QString& e : c.circuiti) {
        const TValoriCircuito v = a.ValoriCircuito(e);
        auto* r = new QTreeWidgetItem;
        if (v.locale) {
            r->setText(0, l.toString(v.locale->ID));
            r->setText(1, v.locale->Piano);
        }
        r->setText(2, TestoCircuitoEtichetta(e).trimmed());
        if (v.valido) {
            r->setText(3, l.toString(qint64(std::ceil(double(v.lunghezza)))));
            r->setText(4, l.toString(double(v.passo) * 100.0, 'f', 1));
            r->setText(5, l.toString(double(v.portata), 'f', 0));
            r->setText(6, l.toString(double(v.perdita), 'f', 0));
        }
        for (int k : {0, 3, 4, 5, 6})
            r->setTextAlignment(k, Qt::AlignRight | Qt::AlignVCenter);
        righe.append(r);
    }
    ListView1->addTopLevelItems(righe);
}

void TPaginaCollettori::aggiornaDettagli()
{
    // I dati mostrati seguono il collettore anche quando l'assegnazione cambia.
    if (m_dettaglio < 0)
        return;
    if (m_dettaglio < assegnazione().NumeroCollettori() && !assegnazione().Collettori()[m_dettaglio].circuiti.isEmpty())
        mostraDettagli(m_dettaglio);
    else
        svuotaDettagli();
}

void TPaginaCollettori::TreeView1MouseUp()
{
    const TNodo n = NodoSelezionato();
    if (n.EValido() && !n.ECircuito() && !assegnazione().Collettori()[n.collettore].circuiti.isEmpty())
        mostraDettagli(n.collettore);
    TreeView1->viewport()->update();
}

// ---------------------------------------------------------------- pulsanti

void TPaginaCollettori::SpeedButton1Click()
{
    TDefColl* d = DefColl();
    if (esegui(*d) != QDialog::Accepted)
        return;
    if (assegnazione().Nuovo(d->Nome()))
        selezionaNodo({assegnazione().NumeroCollettori() - 1, -1});
}

void TPaginaCollettori::SpeedButton5Click()
{
    const TNodo n = NodoSelezionato();
    if (!n.EValido() || n.ECircuito())
        return;
    TDefColl* d = DefColl();
    if (esegui(*d) != QDialog::Accepted)
        return;
    if (assegnazione().Rinomina(n.collettore, d->Nome()))
        selezionaNodo(n);
}

void TPaginaCollettori::SpeedButton2Click()
{
    const TNodo n = NodoSelezionato();
    if (!n.EValido() || n.ECircuito() || !assegnazione().Collettori()[n.collettore].circuiti.isEmpty())
        return;
    // Lo stato della vista segue gli indici che scorrono prima che il modello si azzeri.
    m_espansi.remove(n.collettore);
    if (m_dettaglio == n.collettore)
        svuotaDettagli();
    else if (m_dettaglio > n.collettore)
        --m_dettaglio;
    assegnazione().Elimina(n.collettore);
}

void TPaginaCollettori::SpeedButton3Click()
{
    const TNodo selezionato = NodoSelezionato();
    TAssegnazione& a = assegnazione();
    const int c = selezionato.EValido() ? selezionato.collettore : a.NumeroCollettori() - 1;
    if (!a.Collega(RigaSelezionata(), selezionato))
        return;
    espandi(c);
    // Il circuito va in coda: il nodo selezionato resta lo stesso.
    selezionaNodo(selezionato);
}

void TPaginaCollettori::SpeedButton4Click()
{
    const TNodo n = NodoSelezionato();
    if (!assegnazione().Restituisci(n))
        return;
    selezionaRiga(0);
    selezionaNodo(n);
}

void TPaginaCollettori::BitBtn4Click()
{
    if (!ApreVistaCollegamenti(Stato().Tipo()))
        return;
    esegui(*MostraCColl());
}

void TPaginaCollettori::Button1Click()
{
    if (ControllaAssegnazioneOtt(assegnazione()) && ApriOttimizzazione)
        ApriOttimizzazione();
}

// ---------------------------------------------------------------- trascinamento

bool TPaginaCollettori::eventFilter(QObject* o, QEvent* e)
{
    if (o == TreeView1->viewport() || o == ListBox2->viewport())
        return mouseTrascinamento(o, e);
    // Esc interrompe un trascinamento in corso.
    if ((o == TreeView1 || o == ListBox2) && m_trascina && e->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        fineTrascinamento();
        return true;
    }
    return TPaginaProgetto::eventFilter(o, e);
}

bool TPaginaCollettori::mouseTrascinamento(QObject* o, QEvent* e)
{
    const bool sullAlbero = o == TreeView1->viewport();
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        fineTrascinamento();
        if (me->button() != Qt::LeftButton)
            return false;
        QAbstractItemView* v = sullAlbero ? static_cast<QAbstractItemView*>(TreeView1) : ListBox2;
        if (v->indexAt(me->position().toPoint()).isValid()) {
            m_origine = sullAlbero ? TOrigine::Albero : TOrigine::Lista;
            m_inizio = me->globalPosition().toPoint();
        }
        return false; // la vista seleziona la riga premuta
    }
    case QEvent::MouseMove: {
        if (m_origine == TOrigine::Nessuna)
            return false;
        auto* me = static_cast<QMouseEvent*>(e);
        const QPoint g = me->globalPosition().toPoint();
        if (!m_trascina) {
            const QPoint d = g - m_inizio;
            if (qAbs(d.x()) < SogliaTrascinamento && qAbs(d.y()) < SogliaTrascinamento)
                return true;
            m_trascina = true;
            QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
        }
        // Fermo vicino ai bordi dell'albero, la vista scorre per raggiungere i collettori nascosti.
        const QPoint p = TreeView1->viewport()->mapFromGlobal(g);
        m_scorrimento = 0;
        if (TreeView1->viewport()->rect().contains(p)) {
            if (p.y() < BordoScorrimento)
                m_scorrimento = -1;
            else if (p.y() > TreeView1->viewport()->height() - BordoScorrimento)
                m_scorrimento = 1;
        }
        if (m_scorrimento != 0 && !m_timerScorrimento->isActive())
            m_timerScorrimento->start();
        else if (m_scorrimento == 0)
            m_timerScorrimento->stop();
        QGuiApplication::changeOverrideCursor(rilascioPossibile(g) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
        return true; // niente selezione trascinata dalla vista
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton)
            return false;
        if (m_trascina) {
            rilascia(me->globalPosition().toPoint());
            return true;
        }
        m_origine = TOrigine::Nessuna;
        if (sullAlbero)
            TreeView1MouseUp();
        return false;
    }
    default:
        return false;
    }
}

bool TPaginaCollettori::bersaglio(const QPoint& globale, bool& sullaLista, TNodo& nodo) const
{
    sullaLista = false;
    nodo = {};
    const QPoint pa = TreeView1->viewport()->mapFromGlobal(globale);
    if (TreeView1->viewport()->rect().contains(pa)) {
        nodo = m_albero->Nodo(TreeView1->indexAt(pa));
        return true;
    }
    const QPoint pl = ListBox2->viewport()->mapFromGlobal(globale);
    if (ListBox2->viewport()->rect().contains(pl)) {
        sullaLista = true;
        return true;
    }
    return false;
}

bool TPaginaCollettori::rilascioPossibile(const QPoint& globale) const
{
    bool sullaLista = false;
    TNodo nodo;
    if (!bersaglio(globale, sullaLista, nodo))
        return false;
    if (m_origine == TOrigine::Lista)
        return !sullaLista && nodo.EValido();
    // Un nodo dell'albero cade sulla lista ovunque, sull'albero solo sui circuiti.
    return sullaLista || nodo.ECircuito();
}

void TPaginaCollettori::rilascia(const QPoint& globale)
{
    const TOrigine origine = m_origine;
    fineTrascinamento();
    bool sullaLista = false;
    TNodo nodo;
    if (!bersaglio(globale, sullaLista, nodo))
        return;
    TAssegnazione& a = assegnazione();
    const TNodo selezionato = NodoSelezionato();
    if (origine == TOrigine::Lista) {
        if (sullaLista || !nodo.EValido())
            return;
        if (a.TrascinaDallaLista(RigaSelezionata(), nodo)) {
            espandi(nodo.collettore);
            selezionaNodo(selezionato);
        }
    } else if (sullaLista) {
        if (a.TrascinaNellaLista(selezionato))
            selezionaRiga(int(a.Lista().size()) - 1);
    } else if (nodo.ECircuito()) {
        if (a.TrascinaNellAlbero(selezionato, nodo)) {
            espandi(nodo.collettore);
            selezionaNodo({nodo.collettore, int(a.Collettori()[nodo.collettore].circuiti.size()) - 1});
        }
    }
}

void TPaginaCollettori::fineTrascinamento()
{
    if (m_trascina)
        QGuiApplication::restoreOverrideCursor();
    if (m_timerScorrimento)
        m_timerScorrimento->stop();
    m_trascina = false;
    m_origine = TOrigine::Nessuna;
}
