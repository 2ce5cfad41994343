#include "editor/Upaginacatalogo.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "editor/Udef.h"
#include "progetto/Ustato.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString CampoQuantita = QStringLiteral("Quantità");
const QString SqlTutto = QStringLiteral("Select * from CATALOGO ORDER BY DESCRIZIONE");
const QString SqlLettera
    = QStringLiteral("Select * from CATALOGO where DESCRIZIONE LIKE ? ESCAPE '\\' ORDER BY DESCRIZIONE");
const QString SqlRicerca = QStringLiteral(
    "Select * from CATALOGO where DESCRIZIONE LIKE ? ESCAPE '\\' AND CODICE LIKE ? ESCAPE '\\' ORDER BY DESCRIZIONE");
const char* const MsgElimina = QT_TRANSLATE_NOOP("TPaginaCatalogo", "Eliminare il prodotto aggiuntivo selezionato?");

// Prodotti aggiuntivi: si modifica solo la quantità, su fondo arancio chiaro.
class TModelloProdotti : public TModelloTabella
{
public:
    using TModelloTabella::TModelloTabella;
    static constexpr int ColonnaQuantita = 3;

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = TModelloTabella::flags(index);
        return index.column() == ColonnaQuantita ? f : f & ~Qt::ItemIsEditable;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::BackgroundRole && index.column() == ColonnaQuantita)
            return QColor(255, 224, 130);
        return TModelloTabella::data(index, role);
    }
};

// Elenco delle quantità da 1 a 10; si può anche scrivere un altro valore.
class TDelegatoQuantita : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* c = new QComboBox(parent);
        c->setObjectName(QStringLiteral("ElencoQuantita"));
        c->setEditable(true);
        for (int i = 1; i <= 10; ++i)
            c->addItem(QString::number(i));
        return c;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::DisplayRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }
};

QTableView* griglia(QWidget* parent, const char* nome, TModelloTabella* modello)
{
    auto* g = new QTableView(parent);
    g->setObjectName(QString::fromLatin1(nome));
    g->setModel(modello);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setAlternatingRowColors(true);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->verticalHeader()->hide();
    // Lo spazio in più va alla descrizione, la colonna che ne ha bisogno; le altre restano come sono.
    auto descrizioneLarga = [g] { g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch); };
    descrizioneLarga();
    QObject::connect(modello, &QAbstractItemModel::modelReset, g, descrizioneLarga);
    // La riga scelta nella griglia diventa il record corrente (registrando quello lasciato).
    QObject::connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, g,
                     [modello](const QModelIndex& attuale) {
                         if (attuale.isValid())
                             modello->SelezionaRiga(attuale.row());
                     });
    return g;
}

struct TClessidra
{
    TClessidra() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TClessidra() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

TPaginaCatalogo::TPaginaCatalogo(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet7"))
{
    crea();
}

void TPaginaCatalogo::crea()
{
    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->setChildrenCollapsible(false);
    divisore->addWidget(creaRicerca());
    divisore->addWidget(creaProdotti());
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(divisore);
}

QWidget* TPaginaCatalogo::creaRicerca()
{
    auto* w = new QWidget(this);
    TabControl1 = new QTabBar(w);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setUsesScrollButtons(true);
    TabControl1->setDrawBase(false);
    // Le 24 linguette stanno tutte nella larghezza della finestra.
    TabControl1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 7px; border: 1px solid #b4b4b4; border-bottom: none; margin-right: -1px;"
        " background: #e6e6e6; } QTabBar::tab:selected { background: white; }"));
    TabControl1->addTab(tr("TUTTI"));
    for (const char* t : {"A", "B", "C", "D", "E", "F", "G", "H", "J", "I", "L", "M",
                          "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "Z"})
        TabControl1->addTab(QString::fromLatin1(t));
    TabControl1->setCurrentIndex(0);

    Edit7 = new QLineEdit(w);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit8 = new QLineEdit(w);
    Edit8->setObjectName(QStringLiteral("Edit8"));
    Edit8->setMaximumWidth(160);
    BitBtn1 = new QPushButton(tr("&Cerca"), w);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn5 = new QPushButton(tr("&Inserisci"), w);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));

    m_modelloCatalogo = new TModelloTabella(Dati().QCompAgg, {"DESCRIZIONE", "MISURA", "CODICE"},
                                            {tr("DESCRIZIONE"), tr("MISURA"), tr("CODICE")}, this);
    DBGrid2 = griglia(w, "DBGrid2", m_modelloCatalogo);
    DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid2->setColumnWidth(0, 480);
    DBGrid2->setColumnWidth(1, 160);
    DBGrid2->setColumnWidth(2, 80);

    auto* ricerca = new QHBoxLayout;
    auto* etDescrizione = new QLabel(tr("Descrizione:"), w);
    etDescrizione->setBuddy(Edit7);
    auto* etCodice = new QLabel(tr("Codice:"), w);
    etCodice->setBuddy(Edit8);
    ricerca->addWidget(etDescrizione);
    ricerca->addWidget(Edit7, 2);
    ricerca->addWidget(etCodice);
    ricerca->addWidget(Edit8, 1);
    ricerca->addWidget(BitBtn1);
    ricerca->addStretch();
    ricerca->addWidget(BitBtn5);

    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    l->addWidget(TabControl1);
    l->addLayout(ricerca);
    l->addWidget(DBGrid2, 1);

    connect(TabControl1, &QTabBar::currentChanged, this, &TPaginaCatalogo::TabControl1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TPaginaCatalogo::BitBtn1Click);
    connect(Edit7, &QLineEdit::returnPressed, this, &TPaginaCatalogo::BitBtn1Click);
    connect(Edit8, &QLineEdit::returnPressed, this, &TPaginaCatalogo::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TPaginaCatalogo::BitBtn5Click);
    connect(DBGrid2, &QTableView::doubleClicked, this, &TPaginaCatalogo::BitBtn5Click);
    return w;
}

QWidget* TPaginaCatalogo::creaProdotti()
{
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Label28 = new QLabel(tr("PRODOTTI AGGIUNTIVI"), Panel4);
    Label28->setObjectName(QStringLiteral("Label28"));
    QFont f = Label28->font();
    f.setBold(true);
    Label28->setFont(f);

    TTabella* p = Dati().AuxCompAgg;
    m_modelloProdotti = new TModelloProdotti(p, {"Descrizione", "Articolo", "Cod_Esteso", CampoQuantita},
                                             {tr("DESCRIZIONE"), tr("MISURA"), tr("CODICE"), tr("QUANTITA'")}, this);
    DBGrid3 = griglia(Panel4, "DBGrid3", m_modelloProdotti);
    DBGrid3->setItemDelegateForColumn(TModelloProdotti::ColonnaQuantita, new TDelegatoQuantita(DBGrid3));
    DBGrid3->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    DBGrid3->setColumnWidth(0, 390);
    DBGrid3->setColumnWidth(1, 150);
    DBGrid3->setColumnWidth(2, 100);
    DBGrid3->setColumnWidth(3, 70);

    DBNavigator4 = new TDBNavigator(p, Panel4);
    DBNavigator4->setObjectName(QStringLiteral("DBNavigator4"));
    for (auto b : {TDBNavigator::nbInsert, TDBNavigator::nbEdit, TDBNavigator::nbRefresh})
        DBNavigator4->Pulsante(b)->hide();
    // L'eliminazione chiede conferma.
    QToolButton* elimina = DBNavigator4->Pulsante(TDBNavigator::nbDelete);
    disconnect(elimina, &QToolButton::clicked, DBNavigator4, nullptr);
    connect(elimina, &QToolButton::clicked, this, &TPaginaCatalogo::eliminaRiga);

    auto* testa = new QHBoxLayout;
    testa->addWidget(Label28);
    testa->addStretch();
    testa->addWidget(DBNavigator4);
    auto* l = new QVBoxLayout(Panel4);
    l->setContentsMargins(0, 4, 0, 0);
    l->setSpacing(4);
    l->addLayout(testa);
    l->addWidget(DBGrid3, 1);
    return Panel4;
}

void TPaginaCatalogo::Entra()
{
    Edit7->clear();
    Edit8->clear();
}

void TPaginaCatalogo::Reimposta()
{
    Entra();
    interroga(SqlTutto, {});
}

void TPaginaCatalogo::interroga(const QString& sql, const QVariantList& modelli)
{
    TClessidra clessidra;
    TQuery* q = Dati().QCompAgg;
    q->DisableControls();
    q->Close();
    q->Open(sql, modelli);
    q->EnableControls();
}

void TPaginaCatalogo::TabControl1Change()
{
    Edit7->clear();
    Edit8->clear();
    // La prima linguetta ("TUTTI", tradotta) vuol dire ogni lettera.
    QString lettera = TabControl1->tabText(TabControl1->currentIndex());
    if (TabControl1->currentIndex() == 0)
        lettera.clear();
    interroga(SqlLettera, {TQuery::ModelloLike(lettera) + u'%'});
}

void TPaginaCatalogo::BitBtn1Click()
{
    // I testi scritti si cercano alla lettera: apici, % e _ non sono sintassi.
    interroga(SqlRicerca, {TQuery::ModelloLike(Edit7->text()) + u'%', TQuery::ModelloLike(Edit8->text()) + u'%'});
}

void TPaginaCatalogo::BitBtn5Click()
{
    TQuery* q = Dati().QCompAgg;
    const QModelIndex scelta = DBGrid2->currentIndex();
    if (!q->Active() || q->IsEmpty() || (scelta.isValid() && !q->VaiA(scelta.row())))
        return;
    const QString descrizione = q->FieldByName(QStringLiteral("DESCRIZIONE")).AsString();
    if (descrizione.isEmpty())
        return;
    TTabella* p = Dati().AuxCompAgg;
    if (p->State() != TStato::Consultazione && !p->Post())
        return;
    int id = 0;
    if (!p->IsEmpty()) {
        p->Last();
        id = p->FieldByName(QStringLiteral("ID")).AsInteger() + 1;
    }
    const QString misura = q->FieldByName(QStringLiteral("MISURA")).AsString();
    p->Append();
    p->FieldByName(QStringLiteral("ID")).Imposta(id);
    p->FieldByName(QStringLiteral("Descrizione")).Imposta(descrizione);
    p->FieldByName(QStringLiteral("Articolo")).Imposta(misura.isEmpty() ? QStringLiteral("-") : misura);
    p->FieldByName(QStringLiteral("Cod_Esteso")).Imposta(q->FieldByName(QStringLiteral("CODICE")).AsString());
    p->FieldByName(QStringLiteral("Unit_Mis")).Imposta(QStringLiteral("nr"));
    p->FieldByName(CampoQuantita).Imposta(1.0);
    // Un articolo senza prezzo entra con prezzo 0: la riga resta visibile e il totale non cambia.
    p->FieldByName(QStringLiteral("Prezzo_Unit")).Imposta(q->FieldByName(QStringLiteral("EURO")).AsFloat());
    p->Post();
}

void TPaginaCatalogo::eliminaRiga()
{
    TTabella* p = Dati().AuxCompAgg;
    if (p->IsEmpty() || !TMessaggi::Domanda(tr(MsgElimina)))
        return;
    p->Delete();
    DBNavigator4->Aggiorna();
}
