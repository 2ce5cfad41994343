#include "controlli/Ucontrolli.h"

#include "data/Uformato.h"
#include "data/Umessaggi.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTextCursor>

#include <QToolButton>
#include <algorithm>

QString TestoValore(const QVariant& v, const QLocale& locale)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        // Nelle celle e nelle caselle i numeri non hanno il separatore delle migliaia.
        return LocaleSchermo(locale).toString(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    case QMetaType::Bool:
        return v.toBool() ? QCoreApplication::translate("TModelloTabella", "Sì")
                          : QCoreApplication::translate("TModelloTabella", "No");
    default:
        return v.toString();
    }
}

QVariant ValoreDaTesto(const QString& testo, TTipoCampo tipo, const QLocale& locale)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    switch (tipo) {
    case TTipoCampo::Reale: {
        const double d = locale.toDouble(t, &ok);
        if (ok)
            return d;
        // Si accettano sia la virgola sia il punto, qualunque sia la lingua del sistema.
        const double c = QLocale::c().toDouble(QString(t).replace(u',', u'.'), &ok);
        return ok ? QVariant(c) : QVariant(testo);
    }
    case TTipoCampo::Small:
    case TTipoCampo::Intero:
    case TTipoCampo::AutoInc: {
        const int n = locale.toInt(t, &ok);
        return ok ? QVariant(n) : QVariant(testo);
    }
    default:
        return testo;
    }
}

// ---------------------------------------------------------------- TModelloTabella

TModelloTabella::TModelloTabella(TDataSet* ds, const QStringList& campi, const QStringList& intestazioni,
                                 QObject* parent)
    : QAbstractTableModel(parent)
    , m_ds(ds)
    , m_campi(campi)
    , m_intestazioni(intestazioni)
{
    for (const QString& c : campi)
        m_indici << ds->IndiceCampo(c);
    m_cifre.fill(0, campi.size());
    m_locale = LocaleSchermo();
    m_righeMostrate = rowCount();
    connect(ds, &TDataSet::datiCambiati, this, &TModelloTabella::ricarica);
    connect(ds, &TDataSet::statoCambiato, this, &TModelloTabella::ricarica);
    connect(ds, &TDataSet::campoCambiato, this, [this](int campo) {
        const int col = int(m_indici.indexOf(campo));
        const int riga = RigaCorrente();
        if (col >= 0 && riga >= 0 && riga < rowCount())
            Q_EMIT dataChanged(index(riga, col), index(riga, col));
    });
}

void TModelloTabella::ricarica()
{
    // Il dataset può aver cambiato schema (riapertura): si ricalcolano le colonne.
    QVector<int> indici;
    for (const QString& c : m_campi)
        indici << m_ds->IndiceCampo(c);
    // Un cursore che si sposta o un valore cambiato non azzerano il modello: la vista tiene
    // selezione, scorrimento, cella e il clic in corso (un doppio clic resta un doppio clic).
    const int righe = rowCount();
    if (indici == m_indici && righe == m_righeMostrate) {
        if (righe > 0 && !m_campi.isEmpty())
            Q_EMIT dataChanged(index(0, 0), index(righe - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_indici = indici;
    m_righeMostrate = righe;
    endResetModel();
}

void TModelloTabella::ImpostaCifre(const QString& campo, int cifre)
{
    const int col = int(m_campi.indexOf(campo));
    if (col >= 0)
        m_cifre[col] = cifre;
}

bool TModelloTabella::rigaInserita(int riga) const
{
    return m_ds->State() == TStato::Inserimento && riga == m_ds->RecordCount();
}

int TModelloTabella::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_ds->Active())
        return 0;
    return m_ds->RecordCount() + (m_ds->State() == TStato::Inserimento ? 1 : 0);
}

int TModelloTabella::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_campi.size() + m_aggiuntive.size());
}

void TModelloTabella::AggiungiColonna(TColonnaAggiuntiva colonna)
{
    const int c = columnCount();
    beginInsertColumns({}, c, c);
    m_aggiuntive.append(std::move(colonna));
    endInsertColumns();
}

QVariant TModelloTabella::ValoreCampo(int riga, const QString& campo) const
{
    const int i = m_ds->IndiceCampo(campo);
    if (i < 0 || riga < 0 || riga >= rowCount())
        return {};
    const bool corrente = rigaInserita(riga) || (m_ds->State() == TStato::Modifica && riga == m_ds->RecNo());
    return corrente ? m_ds->valoreCorrente(i) : m_ds->ValoreRiga(riga, i);
}

int TModelloTabella::RigaCorrente() const
{
    return m_ds->State() == TStato::Inserimento ? m_ds->RecordCount() : m_ds->RecNo();
}

QVariant TModelloTabella::valore(int riga, int colonna) const
{
    const int campo = m_indici.value(colonna, -1);
    if (campo < 0)
        return {};
    const bool corrente = rigaInserita(riga) || (m_ds->State() == TStato::Modifica && riga == m_ds->RecNo());
    return corrente ? m_ds->valoreCorrente(campo) : m_ds->ValoreRiga(riga, campo);
}

QVariant TModelloTabella::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (index.column() >= m_campi.size()) {
        const auto& c = m_aggiuntive[index.column() - m_campi.size()];
        return c.leggi ? c.leggi(index.row(), role) : QVariant();
    }
    const QVariant v = valore(index.row(), index.column());
    if (role == Qt::DisplayRole) {
        const int cifre = m_cifre.value(index.column());
        if (cifre > 0 && !v.isNull() && (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float))
            return m_locale.toString(v.toDouble(), 'g', cifre);
        return TestoValore(v, m_locale);
    }
    if (role == Qt::EditRole)
        return v;
    if (role == Qt::ToolTipRole && SuggerimentoCella) {
        const QString t = SuggerimentoCella(index.row(), m_campi.value(index.column()));
        return t.isEmpty() ? QVariant() : QVariant(t);
    }
    if (role == Qt::TextAlignmentRole) {
        const int campo = m_indici.value(index.column(), -1);
        if (campo >= 0 && m_ds->DefCampo(campo).numerico())
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant TModelloTabella::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Vertical)
        return section + 1;
    if (section >= m_campi.size() && section < columnCount())
        return m_aggiuntive[section - m_campi.size()].titolo;
    if (section < 0 || section >= m_campi.size())
        return {};
    return section < m_intestazioni.size() ? m_intestazioni[section] : m_campi[section];
}

Qt::ItemFlags TModelloTabella::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() >= m_campi.size())
        return f | m_aggiuntive[index.column() - m_campi.size()].flag;
    auto* t = qobject_cast<TTabella*>(m_ds);
    const int campo = m_indici.value(index.column(), -1);
    if (t && !t->SolaLettura() && campo >= 0 && m_ds->DefCampo(campo).tipo != TTipoCampo::AutoInc)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TModelloTabella::SelezionaRiga(int riga)
{
    if (rigaInserita(riga) || riga == RigaCorrente())
        return true;
    return m_ds->VaiA(riga);
}

bool TModelloTabella::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (index.isValid() && index.column() >= m_campi.size() && index.column() < columnCount()) {
        const auto& c = m_aggiuntive[index.column() - m_campi.size()];
        if (!c.scrivi || !c.scrivi(index.row(), value, role))
            return false;
        Q_EMIT dataChanged(index, index);
        return true;
    }
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !SelezionaRiga(index.row()))
        return false;
    const int campo = m_indici[index.column()];
    QVariant v = value;
    if (v.typeId() == QMetaType::QString) {
        const TDefCampo& def = m_ds->DefCampo(campo);
        v = ValoreDaTesto(v.toString(), def.tipo, m_locale);
        // Il messaggio dice la colonna che l'utente vede, non il nome del campo nel database.
        if (def.numerico() && v.typeId() == QMetaType::QString) {
            const QString titolo = headerData(index.column(), Qt::Horizontal).toString().simplified();
            TMessaggi::Errore(tr("'%1' non è un numero valido per %2.").arg(v.toString().trimmed(), titolo));
            return false;
        }
    }
    return m_ds->impostaCampo(campo, v);
}

// ---------------------------------------------------------------- TDBEdit

TDBEdit::TDBEdit(TDataSet* ds, const QString& campo, QWidget* parent)
    : QLineEdit(parent)
    , m_ds(ds)
    , m_campo(campo)
{
    connect(ds, &TDataSet::datiCambiati, this, &TDBEdit::Aggiorna);
    connect(ds, &TDataSet::statoCambiato, this, &TDBEdit::Aggiorna);
    connect(ds, &TDataSet::campoCambiato, this, [this](int i) {
        if (m_ds && i == m_ds->IndiceCampo(m_campo))
            Aggiorna();
    });
    connect(this, &QLineEdit::editingFinished, this, &TDBEdit::Conferma);
    // Come si comincia a scrivere il record passa in modifica: chi salva vede la modifica in corso.
    connect(this, &QLineEdit::textEdited, this, [this] {
        auto* t = qobject_cast<TTabella*>(m_ds.data());
        if (t && t->State() == TStato::Consultazione && !t->SolaLettura()) {
            const QScopedValueRollback g(m_scrivendo, true);
            t->Edit();
        }
    });
    if (auto* t = qobject_cast<TTabella*>(ds); t && t->SolaLettura())
        setReadOnly(true);
    Aggiorna();
}

void TDBEdit::Aggiorna()
{
    if (m_scrivendo)
        return;
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    const QString t = i >= 0 ? TestoValore(m_ds->valoreCorrente(i)) : QString();
    if (t != text())
        setText(t);
}

void TDBEdit::Conferma()
{
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    if (i < 0 || isReadOnly() || !isModified())
        return;
    setModified(false);
    // Un valore rifiutato (con il suo messaggio) lascia il campo com'era.
    if (!m_ds->impostaCampo(i, ValoreDaTesto(text(), m_ds->DefCampo(i).tipo)))
        Aggiorna();
}

// ---------------------------------------------------------------- TDBMemo

TDBMemo::TDBMemo(TDataSet* ds, const QString& campo, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_ds(ds)
    , m_campo(campo)
{
    connect(ds, &TDataSet::datiCambiati, this, &TDBMemo::Aggiorna);
    connect(ds, &TDataSet::statoCambiato, this, &TDBMemo::Aggiorna);
    Aggiorna();
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!document()->isModified())
            return;
        tagliaEccesso();
        auto* t = qobject_cast<TTabella*>(m_ds.data());
        if (t && t->State() == TStato::Consultazione && !t->SolaLettura()) {
            const QScopedValueRollback g(m_scrivendo, true);
            t->Edit();
        }
    });
}

void TDBMemo::tagliaEccesso()
{
    if (m_massimo <= 0 || toPlainText().size() <= m_massimo)
        return;
    // Il testo in eccesso (scritto o incollato) non entra: si toglie dalla fine.
    const QSignalBlocker b(this);
    QTextCursor c = textCursor();
    const int pos = c.position();
    c.movePosition(QTextCursor::Start);
    c.setPosition(m_massimo, QTextCursor::MoveAnchor);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    c.setPosition(qMin(pos, m_massimo));
    setTextCursor(c);
    document()->setModified(true);
}

void TDBMemo::Aggiorna()
{
    if (m_scrivendo)
        return;
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    const QString t = i >= 0 ? m_ds->valoreCorrente(i).toString() : QString();
    if (t != toPlainText())
        setPlainText(t);
}

void TDBMemo::focusOutEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusOutEvent(e);
    Conferma();
}

void TDBMemo::Conferma()
{
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    if (i >= 0 && !isReadOnly() && document()->isModified()) {
        document()->setModified(false);
        if (!m_ds->impostaCampo(i, toPlainText()))
            Aggiorna();
    }
}

// ---------------------------------------------------------------- TDBLookupComboBox

TDBLookupComboBox::TDBLookupComboBox(TDataSet* ds, const QString& campo, TDataSet* elenco, const QString& campoChiave,
                                     const QString& campoMostrato, QWidget* parent)
    : QComboBox(parent)
    , m_ds(ds)
    , m_campo(campo)
    , m_elenco(elenco)
    , m_campoChiave(campoChiave)
    , m_campoMostrato(campoMostrato)
{
    setEditable(false);
    connect(ds, &TDataSet::datiCambiati, this, &TDBLookupComboBox::Aggiorna);
    connect(ds, &TDataSet::statoCambiato, this, &TDBLookupComboBox::Aggiorna);
    connect(ds, &TDataSet::campoCambiato, this, &TDBLookupComboBox::Aggiorna);
    connect(elenco, &TDataSet::datiCambiati, this, &TDBLookupComboBox::riempi);
    connect(this, &QComboBox::activated, this, &TDBLookupComboBox::scelta);
    riempi();
}

void TDBLookupComboBox::riempi()
{
    m_riempimento = true;
    clear();
    if (m_elenco && m_elenco->Active()) {
        const int k = m_elenco->IndiceCampo(m_campoChiave);
        const int d = m_elenco->IndiceCampo(m_campoMostrato);
        for (int r = 0; r < m_elenco->RecordCount() && k >= 0 && d >= 0; ++r)
            addItem(m_elenco->ValoreRiga(r, d).toString(), m_elenco->ValoreRiga(r, k));
    }
    m_riempimento = false;
    // L'elenco aperto mostra le descrizioni intere anche quando la casella è più stretta.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    Aggiorna();
}

void TDBLookupComboBox::Aggiorna()
{
    if (m_riempimento)
        return;
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    const QVariant chiave = i >= 0 ? m_ds->valoreCorrente(i) : QVariant();
    setCurrentIndex(chiave.isNull() ? -1 : findData(chiave.toString(), Qt::UserRole, Qt::MatchFixedString));
    setToolTip(currentText());
}

QString TDBLookupComboBox::Chiave() const
{
    return currentIndex() >= 0 ? currentData().toString() : QString();
}

void TDBLookupComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionComboBox o;
    initStyleOption(&o);
    p.drawComplexControl(QStyle::CC_ComboBox, o);
    const QRect testo = style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, this);
    o.currentText = o.fontMetrics.elidedText(o.currentText, Qt::ElideRight, testo.width());
    p.drawControl(QStyle::CE_ComboBoxLabel, o);
}

void TDBLookupComboBox::scelta(int indice)
{
    const int i = m_ds ? m_ds->IndiceCampo(m_campo) : -1;
    if (i >= 0 && indice >= 0 && !m_ds->impostaCampo(i, itemData(indice)))
        Aggiorna();
    Q_EMIT CloseUp();
}

// ---------------------------------------------------------------- TDBNavigator

bool TDBNavigator::annullamentoConfermato() const
{
    if (!m_chiediAnnulla)
        return true;
    // Anche il testo ancora aperto nella casella col fuoco è un cambiamento che si perde.
    int n = m_tabella->CampiCambiati();
    if (auto* e = qobject_cast<TDBEdit*>(QApplication::focusWidget()); e && e->isModified())
        ++n;
    return n <= 1 || TMessaggi::Domanda(tr("Sono cambiati %1 campi: annullare tutte le modifiche?").arg(n));
}

TDBNavigator::TDBNavigator(TTabella* t, QWidget* parent)
    : QWidget(parent)
    , m_tabella(t)
{
    struct Voce
    {
        TPulsante p;
        QStyle::StandardPixmap icona;
        const char* testo;
        const char* suggerimento;
    };
    const Voce voci[] = {
        {nbFirst, QStyle::SP_MediaSkipBackward, "", QT_TR_NOOP("Primo")},
        {nbPrior, QStyle::SP_MediaSeekBackward, "", QT_TR_NOOP("Precedente")},
        {nbNext, QStyle::SP_MediaSeekForward, "", QT_TR_NOOP("Successivo")},
        {nbLast, QStyle::SP_MediaSkipForward, "", QT_TR_NOOP("Ultimo")},
        {nbInsert, QStyle::SP_CustomBase, "+", QT_TR_NOOP("Inserisci")},
        {nbDelete, QStyle::SP_CustomBase, "\u2212", QT_TR_NOOP("Elimina")},
        {nbEdit, QStyle::SP_CustomBase, "\u25b2", QT_TR_NOOP("Modifica")},
        {nbPost, QStyle::SP_DialogApplyButton, "", QT_TR_NOOP("Conferma")},
        {nbCancel, QStyle::SP_DialogCancelButton, "X", QT_TR_NOOP("Annulla")},
        {nbRefresh, QStyle::SP_BrowserReload, "", QT_TR_NOOP("Aggiorna")},
    };
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    for (const Voce& v : voci) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(QMetaEnum::fromType<TPulsante>().valueToKey(v.p)));
        if (v.icona != QStyle::SP_CustomBase)
            b->setIcon(style()->standardIcon(v.icona));
        else
            b->setText(QString::fromUtf8(v.testo));
        b->setToolTip(tr(v.suggerimento));
        b->setFixedSize(26, 24);
        b->setAutoRaise(false);
        connect(b, &QToolButton::clicked, this, [this, p = v.p] { premi(p); });
        l->addWidget(b);
        m_pulsanti << b;
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(t, &TDataSet::datiCambiati, this, &TDBNavigator::Aggiorna);
    connect(t, &TDataSet::statoCambiato, this, &TDBNavigator::Aggiorna);
    Aggiorna();
}

void TDBNavigator::Aggiorna()
{
    if (!m_tabella)
        return;
    const bool attiva = m_tabella->Active() && !m_tabella->SolaLettura();
    const bool modifica = m_tabella->State() == TStato::Modifica || m_tabella->State() == TStato::Inserimento;
    const bool vuota = m_tabella->IsEmpty();
    const int pos = m_tabella->RecNo();
    const int n = m_tabella->RecordCount();
    m_pulsanti[nbFirst]->setEnabled(!modifica && pos > 0);
    m_pulsanti[nbPrior]->setEnabled(!modifica && pos > 0);
    m_pulsanti[nbNext]->setEnabled(!modifica && pos < n - 1);
    m_pulsanti[nbLast]->setEnabled(!modifica && pos < n - 1);
    m_pulsanti[nbInsert]->setEnabled(attiva && !modifica);
    m_pulsanti[nbDelete]->setEnabled(attiva && !vuota);
    m_pulsanti[nbEdit]->setEnabled(attiva && !modifica && !vuota);
    m_pulsanti[nbPost]->setEnabled(modifica);
    m_pulsanti[nbCancel]->setEnabled(modifica);
    m_pulsanti[nbRefresh]->setEnabled(m_tabella->Active() && !modifica);
}

void TDBNavigator::premi(TPulsante p)
{
    if (!m_tabella)
        return;
    switch (p) {
    case nbFirst:
        m_tabella->First();
        break;
    case nbPrior:
        m_tabella->Prior();
        break;
    case nbNext:
        m_tabella->Next();
        break;
    case nbLast:
        m_tabella->Last();
        break;
    case nbInsert:
        m_tabella->Insert();
        break;
    case nbDelete:
        if (m_tabella->State() == TStato::Inserimento || m_domandaElimina.isEmpty()
            || TMessaggi::Domanda(m_domandaElimina))
            m_tabella->Delete();
        break;
    case nbEdit:
        m_tabella->Edit();
        break;
    case nbPost:
        ConfermaControlloAttivo();
        m_tabella->Post();
        break;
    case nbCancel:
        if (annullamentoConfermato())
            m_tabella->Cancel();
        break;
    case nbRefresh:
        m_tabella->Refresh();
        break;
    }
    Aggiorna();
    Q_EMIT Click(p);
}

void TDBNavigator::MostraSolo(std::initializer_list<TPulsante> pulsanti)
{
    for (int p = 0; p < m_pulsanti.size(); ++p)
        m_pulsanti[p]->setVisible(std::find(pulsanti.begin(), pulsanti.end(), TPulsante(p)) != pulsanti.end());
}

void TDBNavigator::Suggerimento(TPulsante p, const QString& testo)
{
    m_pulsanti[p]->setToolTip(testo);
}

void ConfermaControlloAttivo()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* e = qobject_cast<TDBEdit*>(w))
        e->Conferma();
    else if (auto* m = qobject_cast<TDBMemo*>(w))
        m->Conferma();
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* g = qobject_cast<TDBGrid*>(p)) {
            g->ConfermaCella();
            break;
        }
}

// ---------------------------------------------------------------- TDBGrid

TDBGrid::TDBGrid(TTabella* t, const QStringList& campi, const QStringList& titoli, QWidget* parent)
    : QTableView(parent)
    , m_tabella(t)
    , m_modello(new TModelloTabella(t, campi, titoli, this))
{
    setModel(m_modello);
    setItemDelegate(new TDelegatoGriglia(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    // Undici colonne in una finestra di 792 punti: titoli un poco più piccoli del testo.
    QFont piccolo = horizontalHeader()->font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.85);
    horizontalHeader()->setFont(piccolo);
    horizontalHeader()->setSectionsMovable(false);
    // Dopo ogni ricaricamento la cella corrente torna sul record corrente del dataset.
    connect(m_modello, &QAbstractItemModel::modelReset, this, &TDBGrid::allinea);
    connect(t, &TDataSet::datiCambiati, this, &TDBGrid::allinea, Qt::QueuedConnection);
    connect(t, &TDataSet::statoCambiato, this, &TDBGrid::allinea, Qt::QueuedConnection);
    allinea();
}

void TDBGrid::ListaScelta(const QString& campo, TDataSet* elenco, const QString& campoElenco)
{
    const int col = int(m_modello->Campi().indexOf(campo));
    if (col >= 0)
        static_cast<TDelegatoGriglia*>(itemDelegate())->ListaScelta(col, elenco, campoElenco);
}

void TDBGrid::AdattaColonne(const QStringList& elastiche)
{
    m_elastiche.clear();
    for (const QString& c : elastiche)
        m_elastiche << int(m_modello->Campi().indexOf(c));
    const QFontMetrics fm(horizontalHeader()->font());
    for (int c = 0; c < m_modello->columnCount(); ++c) {
        const QString titolo = m_modello->headerData(c, Qt::Horizontal).toString();
        setColumnWidth(c, fm.horizontalAdvance(titolo) + 6);
    }
    resizeEvent(nullptr);
}

void TDBGrid::resizeEvent(QResizeEvent* e)
{
    if (e)
        QTableView::resizeEvent(e);
    if (m_elastiche.isEmpty())
        return;
    // Lo spazio libero va alle colonne elastiche, che non scendono sotto la loro larghezza di base.
    int fisse = 0;
    const QFontMetrics fm(horizontalHeader()->font());
    for (int c = 0; c < m_modello->columnCount(); ++c)
        if (!m_elastiche.contains(c))
            fisse += columnWidth(c);
    const int libero = viewport()->width() - fisse;
    const int ciascuna = libero / int(m_elastiche.size());
    for (int c : m_elastiche) {
        const int minima = fm.horizontalAdvance(m_modello->headerData(c, Qt::Horizontal).toString()) + 6;
        setColumnWidth(c, qMax(minima, ciascuna));
    }
}

void TDBGrid::paintEvent(QPaintEvent* e)
{
    QTableView::paintEvent(e);
    if (m_modello->rowCount() > 0 || m_testoVuota.isEmpty())
        return;
    QPainter p(viewport());
    p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    p.drawText(viewport()->rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, m_testoVuota);
}

void TDBGrid::ConfermaCella()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TDBGrid::allinea()
{
    const QScopedValueRollback g(m_allineando, true);
    const int riga = m_modello->RigaCorrente();
    if (riga < 0 || riga >= m_modello->rowCount())
        return;
    const int col = qMax(currentIndex().column(), 0);
    const QModelIndex i = m_modello->index(riga, col);
    if (i != currentIndex() && state() != QAbstractItemView::EditingState) {
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        scrollTo(i);
    }
}

void TDBGrid::currentChanged(const QModelIndex& attuale, const QModelIndex& precedente)
{
    QTableView::currentChanged(attuale, precedente);
    if (m_allineando || !attuale.isValid() || attuale.row() == m_modello->RigaCorrente())
        return;
    // Lasciare la riga registra il record in modifica; se è rifiutato si resta dove si era.
    m_modello->SelezionaRiga(attuale.row());
    allinea();
}

bool TDBGrid::ultimaCella() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && i.row() == m_modello->rowCount() - 1 && i.column() == m_modello->columnCount() - 1;
}

bool TDBGrid::primaCella() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && i.row() == 0 && i.column() == 0;
}

bool TDBGrid::confermaRiga(bool nuova)
{
    if (m_tabella->SolaLettura())
        return true;
    if (m_tabella->State() != TStato::Consultazione && !m_tabella->Post())
        return false;
    if (nuova) {
        m_tabella->Append();
        const QModelIndex prima = m_modello->index(m_modello->RigaCorrente(), 0);
        if (prima.isValid())
            selectionModel()->setCurrentIndex(prima, QItemSelectionModel::ClearAndSelect);
    }
    return true;
}

QModelIndex TDBGrid::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori)
{
    // Tab sull'ultima cella dell'ultima riga (Shift+Tab sulla prima della prima) non fa il giro
    // della griglia, dove il testo scritto dopo cambierebbe un altro locale.
    if ((azione == MoveNext && ultimaCella()) || (azione == MovePrevious && primaCella())) {
        tabAlBordo(azione == MoveNext);
        return {};
    }
    return QTableView::moveCursor(azione, modificatori);
}

bool TDBGrid::focusNextPrevChild(bool avanti)
{
    // Stesso Tab ai bordi quando nessuna cella è aperta (anche sulle colonne aggiunte dopo i campi).
    if (tabKeyNavigation() && state() != QAbstractItemView::EditingState && (avanti ? ultimaCella() : primaCella())) {
        tabAlBordo(avanti);
        return true;
    }
    return QTableView::focusNextPrevChild(avanti);
}

void TDBGrid::tabAlBordo(bool avanti)
{
    // Una riga nuova in cui non si è scritto nulla non è un locale: si lascia cadere e si esce.
    if (m_tabella->State() == TStato::Inserimento && m_tabella->CampiCambiati() == 0) {
        m_tabella->Cancel();
        esci(avanti);
        return;
    }
    if (m_tabella->SolaLettura()) {
        esci(avanti);
        return;
    }
    // In avanti la riga si conferma e se ne apre una nuova, come con la freccia in giù; indietro
    // si esce dopo averla registrata. Una riga rifiutata resta in modifica con il messaggio.
    if (avanti)
        confermaRiga(true);
    else if (confermaRiga(false))
        esci(false);
}

void TDBGrid::esci(bool avanti)
{
    // Il controllo successivo (o precedente) della finestra, senza passare per le celle.
    QWidget::focusNextPrevChild(avanti);
}

void TDBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento)
{
    QTableView::closeEditor(editor, suggerimento);
    // Invio sull'ultima cella dell'ultima riga conferma la riga e resta lì; le colonne aggiunte
    // dopo i campi valgono come l'ultimo campo.
    const QModelIndex i = currentIndex();
    if (suggerimento == QAbstractItemDelegate::SubmitModelCache && i.isValid() && i.row() == m_modello->rowCount() - 1
        && i.column() >= m_modello->Campi().size() - 1)
        confermaRiga(false);
}

void TDBGrid::keyPressEvent(QKeyEvent* e)
{
    if (state() != QAbstractItemView::EditingState) {
        const bool ultima = currentIndex().row() == m_modello->rowCount() - 1 || m_modello->rowCount() == 0;
        const bool vuotaScrivendo = m_modello->rowCount() == 0 && !e->text().isEmpty() && e->text().at(0).isPrint();
        if (vuotaScrivendo && !m_tabella->SolaLettura()) {
            // Su una tabella vuota si comincia a scrivere e nasce la prima riga.
            m_tabella->Append();
            QTableView::keyPressEvent(e);
            return;
        }
        if (((e->key() == Qt::Key_Down && ultima) || e->key() == Qt::Key_Insert) && !m_tabella->SolaLettura()) {
            // Scendere oltre l'ultima riga aggiunge un record in coda, dopo aver registrato quello
            // in modifica o in inserimento (se è rifiutato si resta lì).
            if (m_tabella->State() != TStato::Consultazione && !m_tabella->Post())
                return;
            m_tabella->Append();
            return;
        }
        if (e->key() == Qt::Key_Escape
            && (m_tabella->State() == TStato::Inserimento || m_tabella->State() == TStato::Modifica)) {
            m_tabella->Cancel();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

// ---------------------------------------------------------------- TDelegatoGriglia

void TDelegatoGriglia::ListaScelta(int colonna, TDataSet* elenco, const QString& campo)
{
    m_liste.insert(colonna, {elenco, campo});
}

QWidget* TDelegatoGriglia::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const auto it = m_liste.constFind(index.column());
    if (it != m_liste.constEnd() && it->elenco) {
        auto* c = new QComboBox(parent);
        c->setFrame(false);
        const int campo = it->elenco->IndiceCampo(it->campo);
        for (int r = 0; r < it->elenco->RecordCount() && campo >= 0; ++r)
            c->addItem(it->elenco->ValoreRiga(r, campo).toString());
        // La scelta dall'elenco si scrive subito, come nelle liste di scelta delle griglie classiche.
        connect(c, &QComboBox::activated, this, [this, c] {
            Q_EMIT const_cast<TDelegatoGriglia*>(this)->commitData(c);
            Q_EMIT const_cast<TDelegatoGriglia*>(this)->closeEditor(c);
        });
        return c;
    }
    auto* e = new QLineEdit(parent);
    e->setFrame(false);
    if (index.data(Qt::TextAlignmentRole).isValid())
        e->setAlignment(Qt::AlignRight);
    return e;
}

void TDelegatoGriglia::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* c = qobject_cast<QComboBox*>(editor)) {
        c->setCurrentIndex(c->findText(index.data(Qt::DisplayRole).toString()));
        return;
    }
    if (auto* e = qobject_cast<QLineEdit*>(editor))
        e->setText(TestoValore(index.data(Qt::EditRole)));
}

void TDelegatoGriglia::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QString testo;
    if (auto* c = qobject_cast<QComboBox*>(editor))
        testo = c->currentText();
    else if (auto* e = qobject_cast<QLineEdit*>(editor))
        testo = e->text();
    // Un testo non cambiato non mette il record in modifica.
    if (testo == TestoValore(index.data(Qt::EditRole)))
        return;
    model->setData(index, testo);
}
