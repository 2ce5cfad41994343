#include "editor/Umostraccoll.h"

#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "data/Umessaggi.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const MsgTipologia = QT_TRANSLATE_NOOP(
    "TMostraCColl", "Il tipo di collettore scelto non è compatibile per questa tipologia di impianto.");
const char* const MsgDatiGenerali = QT_TRANSLATE_NOOP(
    "TMostraCColl", "Il tipo di collettore scelto non è compatibile con la scelta fatta in dati generali.");

// Numeri interi senza decimali, gli altri con quelli che servono, col separatore del sistema.
QString testoNumero(const QVariant& v)
{
    if (v.isNull())
        return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return v.toString();
    return d == double(qint64(d)) ? InteroSchermo(qint64(d)) : NumeroSchermoBreve(d);
}

QLabel* cella(QWidget* genitore, const QString& nome, int larghezza, Qt::Alignment allineamento)
{
    auto* l = new QLabel(genitore);
    l->setObjectName(nome);
    l->setAlignment(allineamento | Qt::AlignVCenter);
    if (larghezza > 0)
        l->setFixedWidth(larghezza);
    return l;
}
} // namespace

// ---------------------------------------------------------------- TDBCtrlGrid

TDBCtrlGrid::TDBCtrlGrid(TTabella* tabella, TTabella* tipi, QWidget* parent)
    : QScrollArea(parent)
    , m_tabella(tabella)
    , m_tipi(tipi)
{
    setObjectName(QStringLiteral("DBCtrlGrid1"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    m_contenuto = new QWidget;
    auto* l = new QVBoxLayout(m_contenuto);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addStretch(1);
    setWidget(m_contenuto);
    setFixedHeight(RigheVisibili * AltezzaRiga + 2 * frameWidth());
    verticalScrollBar()->setSingleStep(AltezzaRiga);

    if (m_tabella) {
        connect(m_tabella, &TDataSet::datiCambiati, this, &TDBCtrlGrid::Aggiorna);
        connect(m_tabella, &TDataSet::statoCambiato, this, &TDBCtrlGrid::Aggiorna);
        connect(m_tabella, &TDataSet::campoCambiato, this, &TDBCtrlGrid::Aggiorna);
    }
    Aggiorna();
}

QComboBox* TDBCtrlGrid::ElencoTipi(int riga) const
{
    QWidget* p = Pannello(riga);
    return p ? p->findChild<QComboBox*>(QStringLiteral("DBLookupComboBox1")) : nullptr;
}

void TDBCtrlGrid::AbilitaElenchi(bool abilitati)
{
    m_elenchiAbilitati = abilitati;
    for (int r = 0; r < Righe(); ++r)
        ElencoTipi(r)->setEnabled(abilitati);
}

QWidget* TDBCtrlGrid::nuovoPannello()
{
    auto* p = new QFrame(m_contenuto);
    p->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    p->setFixedHeight(AltezzaRiga);
    p->setAutoFillBackground(true);
    p->installEventFilter(this);
    auto* l = new QHBoxLayout(p);
    l->setContentsMargins(6, 2, 6, 2);
    l->addWidget(cella(p, QStringLiteral("DBText1"), LarghezzaNome, Qt::AlignLeft));
    l->addWidget(cella(p, QStringLiteral("DBText2"), LarghezzaNumero, Qt::AlignRight));
    l->addWidget(cella(p, QStringLiteral("DBText3"), LarghezzaPortata, Qt::AlignRight));
    l->addWidget(cella(p, QStringLiteral("DBText4"), LarghezzaPerdita, Qt::AlignRight));
    l->addSpacing(16);

    auto* elenco = new QComboBox(p);
    elenco->setObjectName(QStringLiteral("DBLookupComboBox1"));
    elenco->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    elenco->setMinimumContentsLength(16);
    int larghezza = 0;
    if (m_tipi) {
        const int d = m_tipi->IndiceCampo(QStringLiteral("DESCRIZIONE"));
        const int k = m_tipi->IndiceCampo(QStringLiteral("RIF"));
        for (int r = 0; r < m_tipi->RecordCount(); ++r) {
            const QString descrizione = m_tipi->ValoreRiga(r, d).toString();
            elenco->addItem(descrizione, m_tipi->ValoreRiga(r, k).toString());
            larghezza = qMax(larghezza, elenco->fontMetrics().horizontalAdvance(descrizione));
        }
    }
    // L'elenco aperto mostra le descrizioni intere.
    elenco->view()->setMinimumWidth(larghezza + 40);
    elenco->setEnabled(m_elenchiAbilitati);
    elenco->installEventFilter(this);
    connect(elenco, &QComboBox::activated, this, [this, p, elenco](int i) {
        const int riga = int(m_pannelli.indexOf(p));
        if (riga >= 0 && i >= 0)
            Q_EMIT sceltaTipo(riga, elenco->itemData(i).toString());
    });
    l->addWidget(elenco, 1);
    return p;
}

QString TDBCtrlGrid::testo(int riga, const QString& campo) const
{
    const int i = m_tabella->IndiceCampo(campo);
    // La riga corrente in modifica mostra il valore non ancora registrato.
    const QVariant v = riga == m_tabella->RecNo() ? m_tabella->valoreCorrente(i) : m_tabella->ValoreRiga(riga, i);
    return campo == QLatin1String("Nome") || campo == QLatin1String("Descrizione") ? v.toString() : testoNumero(v);
}

void TDBCtrlGrid::Aggiorna()
{
    if (m_inAggiornamento)
        return;
    m_inAggiornamento = true;
    const int n = m_tabella && m_tabella->Active() ? m_tabella->RecordCount() : 0;
    auto* l = static_cast<QVBoxLayout*>(m_contenuto->layout());
    while (m_pannelli.size() > n)
        delete m_pannelli.takeLast();
    while (m_pannelli.size() < n) {
        QWidget* p = nuovoPannello();
        l->insertWidget(int(m_pannelli.size()), p);
        m_pannelli.append(p);
    }
    const int corrente = n > 0 ? m_tabella->RecNo() : -1;
    for (int r = 0; r < n; ++r) {
        QWidget* p = m_pannelli[r];
        p->findChild<QLabel*>(QStringLiteral("DBText1"))->setText(testo(r, QStringLiteral("Nome")));
        p->findChild<QLabel*>(QStringLiteral("DBText2"))->setText(testo(r, QStringLiteral("N_Circuiti")));
        p->findChild<QLabel*>(QStringLiteral("DBText3"))->setText(testo(r, QStringLiteral("Portata")));
        p->findChild<QLabel*>(QStringLiteral("DBText4"))->setText(testo(r, QStringLiteral("dP")));
        QComboBox* elenco = ElencoTipi(r);
        const QSignalBlocker blocco(elenco);
        elenco->setCurrentIndex(elenco->findData(testo(r, QStringLiteral("Descrizione"))));
        // Il pannello della riga corrente si distingue come nella griglia di controlli.
        QPalette pal = palette();
        pal.setColor(QPalette::Window,
                     r == corrente ? pal.color(QPalette::Highlight).lighter(175) : pal.color(QPalette::Base));
        p->setPalette(pal);
    }
    m_inAggiornamento = false;
}

bool TDBCtrlGrid::eventFilter(QObject* o, QEvent* e)
{
    // Un clic su un pannello (o sul suo elenco) ne fa la riga corrente.
    if (e->type() == QEvent::MouseButtonPress && m_tabella) {
        QWidget* w = qobject_cast<QWidget*>(o);
        while (w && !m_pannelli.contains(w))
            w = w->parentWidget();
        const int riga = int(m_pannelli.indexOf(w));
        if (riga >= 0 && riga != m_tabella->RecNo())
            m_tabella->VaiA(riga);
    }
    return QScrollArea::eventFilter(o, e);
}

// ---------------------------------------------------------------- TMostraCColl

TMostraCColl::TMostraCColl(TDati& dati, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , m_dati(dati)
{
    setObjectName(QStringLiteral("MostraCColl"));
    setWindowTitle(TMessaggi::Titolo);
    setModal(true);

    auto* titolo = new QLabel(tr("SCELTA COLLETTORI"), this);
    titolo->setObjectName(QStringLiteral("Panel1"));
    titolo->setAlignment(Qt::AlignCenter);
    titolo->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QFont f = titolo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    titolo->setFont(f);
    titolo->setMinimumHeight(44);

    // Intestazioni sopra le colonne della griglia, alla stessa larghezza.
    auto* intestazioni = new QHBoxLayout;
    intestazioni->setContentsMargins(6 + 1, 0, 6 + 1, 0);
    QFont grassetto = font();
    grassetto.setBold(true);
    auto intestazione = [&](const QString& nome, const QString& testo, int larghezza, Qt::Alignment a) {
        QLabel* l = cella(this, nome, larghezza, a);
        l->setText(testo);
        l->setFont(grassetto);
        l->setAlignment(a | Qt::AlignBottom);
        intestazioni->addWidget(l, 0, Qt::AlignBottom);
        return l;
    };
    intestazione(QStringLiteral("Label1"), tr("Nome\nCollettore"), TDBCtrlGrid::LarghezzaNome, Qt::AlignLeft);
    intestazione(QStringLiteral("Label2"), tr("Numero\nAnelli"), TDBCtrlGrid::LarghezzaNumero, Qt::AlignRight);
    intestazione(QStringLiteral("Label3"), tr("Portata\n[l/h]"), TDBCtrlGrid::LarghezzaPortata, Qt::AlignRight);
    intestazione(QStringLiteral("Label4"), tr("Perdite di\ncarico\n[mmH2O]"), TDBCtrlGrid::LarghezzaPerdita,
                 Qt::AlignRight);
    intestazioni->addSpacing(16);
    Label9 = intestazione(QStringLiteral("Label9"), tr("SCELTA TIPO DI COLLETTORE"), 0, Qt::AlignLeft);
    Label9->setStyleSheet(QStringLiteral("color: #b00000;"));
    // Il lampeggio nasconde il testo: il posto resta occupato e le colonne non si spostano.
    QSizePolicy sp = Label9->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    Label9->setSizePolicy(sp);
    intestazioni->setStretch(intestazioni->count() - 1, 1);
    // Spazio della barra di scorrimento della griglia.
    intestazioni->addSpacing(style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    DBCtrlGrid1 = new TDBCtrlGrid(dati.AuxCollettori, dati.Collettori, this);
    connect(DBCtrlGrid1, &TDBCtrlGrid::sceltaTipo, this, &TMostraCColl::DBLookupComboBox1CloseUp);

    BitBtn1 = new QPushButton(tr("&Salva Impostazioni"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(tr("&Annulla"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(tr("&Esci"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(140);
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TMostraCColl::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TMostraCColl::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(600);
    connect(Timer1, &QTimer::timeout, this, &TMostraCColl::Timer1Timer);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(BitBtn1);
    pulsanti->addWidget(BitBtn2);
    pulsanti->addSpacing(24);
    pulsanti->addWidget(BitBtn3);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 16, 16, 16);
    l->addWidget(titolo);
    l->addSpacing(12);
    l->addLayout(intestazioni);
    l->addWidget(DBCtrlGrid1);
    l->addStretch(1);
    l->addLayout(pulsanti);
    setFixedSize(792, 566);
}

void TMostraCColl::ImpostaProgetto(TStatoProgetto* stato)
{
    m_stato = stato;
}

void TMostraCColl::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
        FormShow();
    }
}

void TMostraCColl::hideEvent(QHideEvent* e)
{
    if (!e->spontaneous())
        FormClose();
    QDialog::hideEvent(e);
}

void TMostraCColl::FormShow()
{
    Timer1->start();
    Label9->setVisible(true);
    DBCtrlGrid1->Aggiorna();
    if (!m_stato)
        return;
    if (m_stato->ModoRegolazione == 1)
        DBCtrlGrid1->AbilitaElenchi(true);
    else if (m_stato->ModoRegolazione == 0)
        DBCtrlGrid1->AbilitaElenchi(false);
}

void TMostraCColl::FormClose()
{
    Timer1->stop();
}

void TMostraCColl::Timer1Timer()
{
    Label9->setVisible(!Label9->isVisible());
}

void TMostraCColl::BitBtn1Click()
{
    if (m_stato) {
        m_stato->CollettoriConfermati = true;
        m_stato->Dati().ProgettoModificato = true;
    }
}

void TMostraCColl::BitBtn2Click()
{
    if (m_stato) {
        m_stato->Dati().ProgettoModificato |= m_stato->CollettoriConfermati;
        m_stato->CollettoriConfermati = false;
    }
}

void TMostraCColl::DBLookupComboBox1CloseUp(int riga, const QString& rif)
{
    TTabella* t = m_dati.AuxCollettori;
    if (!t->VaiA(riga))
        return;
    t->Edit();
    if (!t->FieldByName(QStringLiteral("Descrizione")).Imposta(rif)) {
        t->Cancel();
        return;
    }
    if (!m_stato)
        return;
    if (m_stato->ModoRegolazione == 1) {
        const QString generale = m_dati.AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString().left(5);
        const QString scelto = rif.left(5);
        QString messaggio;
        if (rif.left(4) == QLatin1String("V221"))
            messaggio = tr(MsgTipologia);
        else if ((generale == QLatin1String("V220L")) != (scelto == QLatin1String("V220L")))
            messaggio = tr(MsgDatiGenerali);
        if (!messaggio.isEmpty()) {
            // Il collettore resta del tipo che aveva.
            TMessaggi::Avviso(messaggio);
            t->Cancel();
            return;
        }
    }
    // Il primo spostamento registra il tipo scelto; poi ogni collettore con il tipo della sua riga.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    RicalcolaPerditeCollettori(m_dati, m_stato->Assegnazione);
    QGuiApplication::restoreOverrideCursor();
    QCoreApplication::processEvents();
}
