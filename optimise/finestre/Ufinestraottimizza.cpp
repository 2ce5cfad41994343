#include "optimise/finestre/Ufinestraottimizza.h"

#include "controlli/Udialoghi.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "optimise/Uminimo.h"
#include "progetto/Ustato.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

const char* const MsgErroreCalcolo = QT_TRANSLATE_NOOP("TOttimizza",
                                                       "Errore durante l'ottimizzazione dei circuiti!\n\n"
                                                       "Il risultato non è stato registrato.");

// Campi e intestazioni della lista di taglio.
const QStringList CampiCircuiti
    = {QStringLiteral("L_Rotolo"),       QStringLiteral("Scarto"), QStringLiteral("L_Circuito"),
       QStringLiteral("Descr_Circuito"), QStringLiteral("Coll"),   QStringLiteral("Piano")};
const char* const TitoliCircuiti[] = {QT_TRANSLATE_NOOP("TOttimizza", "Rotolo [m]"),
                                      QT_TRANSLATE_NOOP("TOttimizza", "Scarto [m]"),
                                      QT_TRANSLATE_NOOP("TOttimizza", "Lung. Circuito [m]"),
                                      QT_TRANSLATE_NOOP("TOttimizza", "Descr. Circuito"),
                                      QT_TRANSLATE_NOOP("TOttimizza", " Collettore Associato"),
                                      QT_TRANSLATE_NOOP("TOttimizza", "Piano")};

// Clessidra per la durata di un blocco, o fra Inizia e Fine di un'operazione.
class TClessidra
{
public:
    explicit TClessidra(bool subito = true)
    {
        if (subito)
            Attiva(true);
    }
    ~TClessidra() { Attiva(false); }
    void Attiva(bool si)
    {
        if (si == m_attiva)
            return;
        m_attiva = si;
        if (si)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_attiva = false;
};

// Le viste di un dataset non si ridisegnano finché il blocco è in corso.
class TSospensione
{
public:
    explicit TSospensione(TDataSet* ds)
        : m_ds(ds)
    {
        m_ds->DisableControls();
    }
    ~TSospensione() { m_ds->EnableControls(); }

private:
    TDataSet* m_ds;
};

// Avanzamento del taglio sulla barra della finestra. La clessidra copre il solo taglio: gli
// avvisi dei controlli, che lo precedono, compaiono con il cursore normale. Fra una matassa e
// l'altra la finestra si ridisegna, ma clic e tasti aspettano la fine: "&Esci" non può chiudere
// la finestra a metà calcolo.
class TAvanzamentoBarra : public TProgresso
{
public:
    explicit TAvanzamentoBarra(QProgressBar* barra)
        : m_barra(barra)
        , m_clessidra(false)
    { }
    void Inizia(const QString&, int massimo) override
    {
        m_barra->setRange(0, std::max(massimo, 1));
        m_barra->setValue(0);
        m_clessidra.Attiva(true);
    }
    void Passo() override { m_barra->setValue(m_barra->value() + 1); }
    void Respira() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    void Fine() override { m_clessidra.Attiva(false); }

private:
    QProgressBar* m_barra;
    TClessidra m_clessidra;
};

QLineEdit* casellaDisabilitata(const QString& nome, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nome);
    e->setEnabled(false);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QPushButton* pulsante(const QString& nome, const QString& testo, QStyle::StandardPixmap icona, QWidget* parent)
{
    auto* b = new QPushButton(parent->style()->standardIcon(icona), testo, parent);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    b->setMinimumWidth(96);
    return b;
}

} // namespace

// ---------------------------------------------------------------- TOttimizza

TOttimizza::TOttimizza(TStatoProgetto& stato, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_stato(stato)
{
    setObjectName(QStringLiteral("Ottimizza"));
    setWindowTitle(TMessaggi::Titolo);

    Panel1 = new QLabel(tr("OTTIMIZZAZIONE CIRCUITI"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    QFont titolo = Panel1->font();
    titolo.setBold(true);
    titolo.setPointSizeF(titolo.pointSizeF() * 1.5);
    Panel1->setFont(titolo);
    Panel1->setStyleSheet(QStringLiteral("color: #d00000;"));
    Panel1->setMinimumHeight(QFontMetrics(titolo).height() * 2);

    Label1 = new QLabel(tr("N° Circuiti:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = casellaDisabilitata(QStringLiteral("Edit1"), this);
    Edit1->setFixedWidth(QFontMetrics(Edit1->font()).horizontalAdvance(QStringLiteral("00000")) + 16);
    Label1->setBuddy(Edit1);

    AnelliG = new TGrigliaFissa(2, this);
    AnelliG->setObjectName(QStringLiteral("AnelliG"));
    AnelliG->setFixedWidth(QFontMetrics(AnelliG->font()).horizontalAdvance(tr("Circuito")) * 2
                           + AnelliG->verticalScrollBar()->sizeHint().width());

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    QStringList titoli;
    for (const char* t : TitoliCircuiti)
        titoli << tr(t);
    m_modello = new TModelloSolaLettura(m_stato.Dati().AuxCircuiti, CampiCircuiti, titoli, this);
    DBGrid1->setModel(m_modello);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    DBGrid1->horizontalHeader()->setMinimumSectionSize(40);
    connect(m_modello, &QAbstractItemModel::modelReset, this, &TOttimizza::seguiCursore);

    GroupBox2 = new QGroupBox(tr("Matasse Disponibili [m]:"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    // Le lunghezze sono numeri brevi: il gruppo resta largo quanto il suo titolo.
    GroupBox2->setMaximumWidth(GroupBox2->fontMetrics().horizontalAdvance(GroupBox2->title()) + 32);
    Matasse = new QListWidget(GroupBox2);
    Matasse->setObjectName(QStringLiteral("Matasse"));
    Matasse->setMaximumHeight(Matasse->fontMetrics().lineSpacing() * 6 + 2 * Matasse->frameWidth());
    auto* lm = new QVBoxLayout(GroupBox2);
    lm->addWidget(Matasse);
    lm->addStretch();

    RadioGroup1 = new QGroupBox(tr("Opzioni:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_opzioni = new QButtonGroup(this);
    auto* lo = new QVBoxLayout(RadioGroup1);
    const QStringList voci = {tr("Totale"), tr("Per Piano")};
    for (int i = 0; i < voci.size(); ++i) {
        auto* r = new QRadioButton(voci[i], RadioGroup1);
        r->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        m_opzioni->addButton(r, i);
        lo->addWidget(r);
    }
    lo->addStretch();

    GroupBox3 = new QGroupBox(tr("Scarto Min. matassa"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    CSpinEdit1 = new TSpinFrecce(GroupBox3);
    CSpinEdit1->setObjectName(QStringLiteral("CSpinEdit1"));
    CSpinEdit1->setRange(0, 20);
    CSpinEdit1->setAlignment(Qt::AlignRight);
    Label6 = new QLabel(QStringLiteral("[m]"), GroupBox3);
    Label6->setObjectName(QStringLiteral("Label6"));
    auto* ls = new QHBoxLayout(GroupBox3);
    ls->addWidget(CSpinEdit1);
    ls->addWidget(Label6);
    ls->addStretch();

    GroupBox1 = new QGroupBox(tr("Statistica:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GrigliaStatistica = new QGridLayout(GroupBox1);
    GrigliaStatistica->setObjectName(QStringLiteral("GrigliaStatistica"));
    const QStringList nomi = {tr("Totale [m]:"), tr("Utilizzato [m]:"), tr("Avanzo [m]:"), tr("Avanzo Perc. [%]:")};
    QLineEdit** caselle[] = {&Edit2, &Edit3, &Edit4, &Edit5};
    for (int i = 0; i < 4; ++i) {
        *caselle[i] = casellaDisabilitata(QStringLiteral("Edit%1").arg(i + 2), GroupBox1);
        auto* l = new QLabel(nomi[i], GroupBox1);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        l->setBuddy(*caselle[i]);
        GrigliaStatistica->addWidget(l, i, 0);
        GrigliaStatistica->addWidget(*caselle[i], i, 1);
    }
    EditLimite = casellaDisabilitata(QStringLiteral("EditLimite"), GroupBox1);
    LabelLimite = new QLabel(NomeLimiteInferiore() + u':', GroupBox1);
    LabelLimite->setObjectName(QStringLiteral("LabelLimite"));
    LabelLimite->setBuddy(EditLimite);
    GrigliaStatistica->addWidget(LabelLimite, 4, 0);
    GrigliaStatistica->addWidget(EditLimite, 4, 1);
    LabelLimite->setVisible(false);
    EditLimite->setVisible(false);
    GrigliaStatistica->setRowStretch(5, 1);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);

    BitBtn3 = pulsante(QStringLiteral("BitBtn3"), tr("&Calcola"), QStyle::SP_MediaPlay, this);
    BitBtn1 = pulsante(QStringLiteral("BitBtn1"), tr("&Esci"), QStyle::SP_DialogCloseButton, this);
    BitBtn2 = pulsante(QStringLiteral("BitBtn2"), tr("Ca&ncella"), QStyle::SP_TrashIcon, this);
    BitBtn4 = pulsante(QStringLiteral("BitBtn4"), tr("&Stampa"), QStyle::SP_FileIcon, this);
    BitBtn2->hide();
    BitBtn4->hide();
    connect(BitBtn3, &QPushButton::clicked, this, &TOttimizza::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TOttimizza::BitBtn1Click);

    // Disposizione: intestazione; circuiti e lista di taglio; barra; scelte, statistica, pulsanti.
    auto* principale = new QVBoxLayout(this);
    principale->addWidget(Panel1);

    auto* numero = new QHBoxLayout;
    numero->addWidget(Label1);
    numero->addWidget(Edit1);
    numero->addStretch();
    principale->addLayout(numero);

    auto* griglie = new QHBoxLayout;
    griglie->addWidget(AnelliG);
    griglie->addWidget(DBGrid1, 1);
    principale->addLayout(griglie, 1);
    principale->addWidget(ProgressBar1);

    auto* scelte = new QHBoxLayout;
    scelte->addWidget(GroupBox2);
    auto* colonna = new QVBoxLayout;
    RigaOpzioni = new QHBoxLayout;
    RigaOpzioni->setObjectName(QStringLiteral("RigaOpzioni"));
    RigaOpzioni->addWidget(RadioGroup1);
    // Accanto alle opzioni c'è posto per una casella di spunta con un testo di due parole.
    const int casella = style()->pixelMetric(QStyle::PM_IndicatorWidth)
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + fontMetrics().horizontalAdvance(tr("Minimo acquisto"))
        + 16;
    CheckMinimo = new QCheckBox(tr("Minimo acquisto"), this);
    CheckMinimo->setObjectName(QStringLiteral("CheckMinimo"));
    CheckMinimo->setMinimumWidth(casella);
    CheckMinimo->setToolTip(tr("Sceglie le matasse e i tagli che comprano meno tubo in tutto"));
    RigaOpzioni->addWidget(CheckMinimo, 1);
    colonna->addLayout(RigaOpzioni);
    colonna->addWidget(GroupBox3);
    scelte->addLayout(colonna, 1);
    scelte->addWidget(GroupBox1);
    auto* comandi = new QVBoxLayout;
    comandi->addWidget(BitBtn3);
    comandi->addWidget(BitBtn1);
    comandi->addWidget(BitBtn2);
    comandi->addWidget(BitBtn4);
    comandi->addStretch();
    scelte->addLayout(comandi);
    principale->addLayout(scelte);

    FormCreate();
    const QSize minimo = minimumSizeHint();
    setFixedSize(std::max(792, minimo.width()), std::max(554, minimo.height()));
}

TOttimizza::~TOttimizza() = default;

bool TOttimizza::Esegui(TStatoProgetto& stato, QWidget* parent)
{
    if (!ControllaAssegnazioneOtt(stato.Assegnazione))
        return false;
    TOttimizza finestra(stato, parent);
    TDialoghi::istanza().Esegui(finestra);
    return true;
}

int TOttimizza::OpzioneScelta() const
{
    return std::max(0, m_opzioni->checkedId());
}

void TOttimizza::ImpostaOpzione(int indice)
{
    if (QAbstractButton* b = m_opzioni->button(indice))
        b->setChecked(true);
}

QVector<int> TOttimizza::MatasseSpuntate() const
{
    QVector<int> l;
    for (int i = 0; i < Matasse->count(); ++i)
        if (Matasse->item(i)->checkState() == Qt::Checked)
            l.append(Matasse->item(i)->text().trimmed().toInt());
    return l;
}

void TOttimizza::FormCreate()
{
    const QStringList testate = {tr("Circuito"), QStringLiteral("      [m]")};
    for (int r = 0; r < testate.size(); ++r) {
        auto* it = new QTableWidgetItem(testate[r]);
        it->setFlags(Qt::ItemIsEnabled);
        QFont f = it->font();
        f.setBold(true);
        it->setFont(f);
        AnelliG->setItem(r, 0, it);
    }
}

void TOttimizza::showEvent(QShowEvent* e)
{
    // Ogni apertura riparte da FormShow; un ritorno della finestra dall'icona no.
    if (!e->spontaneous()) {
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
        FormShow();
    }
    QDialog::showEvent(e);
}

void TOttimizza::svuotaStatistica()
{
    for (QLineEdit* e : {Edit2, Edit3, Edit4, Edit5, EditLimite})
        e->clear();
    LabelLimite->setVisible(false);
    EditLimite->setVisible(false);
}

void TOttimizza::mostraLimite(const QString& limite)
{
    EditLimite->setText(limite);
    LabelLimite->setVisible(!limite.isEmpty());
    EditLimite->setVisible(!limite.isEmpty());
}

void TOttimizza::mostraColonne()
{
    for (int c = 3; c < CampiCircuiti.size(); ++c)
        DBGrid1->setColumnHidden(c, false);
}

void TOttimizza::seguiCursore()
{
    const int riga = m_modello->RigaCorrente();
    if (riga >= 0 && riga < m_modello->rowCount())
        DBGrid1->selectRow(riga);
}

void TOttimizza::FormShow()
{
    AnelliG->ImpostaRigheDati(0);
    AnelliG->scrollToTop();
    Edit1->clear();
    svuotaStatistica();
    CSpinEdit1->setValue(0);
    ProgressBar1->setValue(ProgressBar1->minimum());
    BitBtn2->hide();
    BitBtn4->hide();
    RadioGroup1->setEnabled(true);
    mostraColonne();
    CalcoloInCorso = false;
    AnelliG->setEditTriggers(QAbstractItemView::NoEditTriggers);

    TClessidra clessidra;
    m_circuiti = CircuitiOttimizzazione(m_stato.Assegnazione);
    NumCircuiti = int(m_circuiti.size());
    AnelliG->ImpostaRigheDati(NumCircuiti);
    for (int i = 0; i < NumCircuiti; ++i) {
        auto* it = new QTableWidgetItem(QString::number(m_circuiti[i].LCircuito));
        it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        AnelliG->setItem(AnelliG->RigheFisse() + i, 0, it);
    }
    Edit1->setText(QString::number(NumCircuiti));

    TDati& dati = m_stato.Dati();
    const QString tubo = dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString();
    LeggiArticoliRotolo(dati, tubo, m_articoli);

    Matasse->clear();
    auto aggiungi = [this](int lunghezza, bool spuntata) {
        auto* it = new QListWidgetItem(QString::number(lunghezza), Matasse);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        it->setCheckState(spuntata ? Qt::Checked : Qt::Unchecked);
    };
    if (m_stato.OttimizzazioneEseguita) {
        for (const RigaRotolo& r : LeggiAuxRotoli(dati))
            aggiungi(r.Rotolo, r.Incluso);
        dati.AuxCircuiti->First();
        seguiCursore();
        QLineEdit* caselle[] = {Edit2, Edit3, Edit4, Edit5};
        for (int i = 0; i < 4; ++i)
            caselle[i]->setText(m_stato.StatOttimizzazione.value(i));
        ImpostaOpzione(m_stato.OpzioneOttimizzazione != 0 ? 1 : 0);
        CSpinEdit1->setValue(m_stato.ScartoMinMatassa);
        // Un "Minimo acquisto" (anche di un progetto riaperto) torna con la spunta e il suo limite.
        const TMinimoAcquisto& minimo = m_stato.MinimoAcquisto;
        CheckMinimo->setChecked(minimo.Usato);
        if (minimo.Usato)
            mostraLimite(TestoLimiteInferiore(minimo.LimiteInferiore));
    } else {
        for (const ArticoloRotolo& a : m_articoli)
            aggiungi(a.Conf, true);
        ScriviAuxCircuiti(dati, {});
        ImpostaOpzione(0);
    }
}

void TOttimizza::BitBtn3Click()
{
    if (CalcoloInCorso)
        return;
    CalcoloInCorso = true;

    TDati& dati = m_stato.Dati();
    TImpostazioniOtt imp;
    imp.Matasse = MatasseSpuntate();
    imp.ScartoMin = CSpinEdit1->value();
    imp.Opzione = OpzioneScelta() == 1 ? TOpzioneOtt::PerPiano : TOpzioneOtt::Totale;
    // La statistica di prima non descrive più nulla: AuxCircuiti si svuota in ogni caso.
    svuotaStatistica();
    ProgressBar1->setValue(ProgressBar1->minimum());

    TCalcoloOtt calcolo;
    QString limite;
    bool interrotto = false;
    {
        TSospensione sospensione(dati.AuxCircuiti);
        TAvanzamentoBarra avanzamento(ProgressBar1);
        try {
            if (CheckMinimo->isChecked()) {
                const TCalcoloMinimo minimo
                    = OttimizzaMinimo(m_stato, dati, imp, m_articoli, LimiteTempoMinimo, avanzamento);
                calcolo = minimo.Calcolo;
                if (calcolo.Esito == TEsitoOtt::Eseguita)
                    limite = minimo.Minimo.TestoLimite();
            } else {
                calcolo = OttimizzaMatasse(m_stato, dati, imp, m_articoli, avanzamento);
            }
        } catch (const std::exception&) {
            interrotto = true;
        }
    }

    if (interrotto || calcolo.Esito == TEsitoOtt::Errore) {
        m_stato.OttimizzazioneEseguita = false;
        ImpostaOpzione(0);
        ProgressBar1->setValue(ProgressBar1->minimum());
        TMessaggi::Errore(tr(MsgErroreCalcolo));
    } else if (calcolo.Esito == TEsitoOtt::Eseguita) {
        QLineEdit* caselle[] = {Edit2, Edit3, Edit4, Edit5};
        for (int i = 0; i < 4; ++i)
            caselle[i]->setText(calcolo.Risultato.Statistica.value(i));
        mostraLimite(limite);
        dati.AuxCircuiti->First();
        seguiCursore();
    } else if (calcolo.Esito == TEsitoOtt::Bloccata) {
        ProgressBar1->setValue(ProgressBar1->minimum());
    }
    CalcoloInCorso = false;
}

void TOttimizza::BitBtn1Click()
{
    if (CalcoloInCorso)
        return;
    m_circuiti.clear();
    m_articoli.clear();
    accept();
}

void TOttimizza::closeEvent(QCloseEvent* e)
{
    if (CalcoloInCorso) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TOttimizza::reject()
{
    if (!CalcoloInCorso)
        QDialog::reject();
}
