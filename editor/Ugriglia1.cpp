#include "editor/Ugriglia1.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QResizeEvent>
#include <QScrollBar>

#include <cmath>

namespace {
// Lampadina 16 × 16: bulbo colorato con riflesso, attacco grigio.
QPixmap Lampada(const QColor& colore)
{
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient luce(QPointF(6.2, 4.2), 6.5);
    luce.setColorAt(0, colore.lighter(190));
    luce.setColorAt(0.45, colore);
    luce.setColorAt(1, colore.darker(160));
    p.setPen(QPen(colore.darker(220), 0.8));
    p.setBrush(luce);
    p.drawEllipse(QPointF(8, 6.5), 5.6, 5.6);
    p.setPen(QPen(QColor(70, 70, 70), 0.8));
    p.setBrush(QColor(175, 175, 175));
    p.drawRoundedRect(QRectF(5.3, 11.2, 5.4, 4.1), 1, 1);
    p.drawLine(QPointF(5.5, 13.2), QPointF(10.5, 13.2));
    return px;
}

QPixmap Freccia()
{
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath f;
    f.moveTo(1.5, 6);
    f.lineTo(8, 6);
    f.lineTo(8, 2.5);
    f.lineTo(14.5, 8);
    f.lineTo(8, 13.5);
    f.lineTo(8, 10);
    f.lineTo(1.5, 10);
    f.closeSubpath();
    p.setPen(QPen(QColor(120, 0, 0), 0.8));
    p.setBrush(QColor(220, 20, 20));
    p.drawPath(f);
    return px;
}

// "Times New Roman" della griglia: normale per i valori, grassetto per le righe fisse.
const QFont& Carattere(bool grassetto)
{
    static const QFont normale = [] {
        QFont f(QStringLiteral("Times New Roman"));
        f.setStyleHint(QFont::Serif);
        f.setPointSize(8);
        return f;
    }();
    static const QFont nero = [] {
        QFont f = normale;
        f.setBold(true);
        return f;
    }();
    return grassetto ? nero : normale;
}

const QFontMetrics& Metriche(bool grassetto)
{
    static const QFontMetrics normale(Carattere(false)), nero(Carattere(true));
    return grassetto ? nero : normale;
}
} // namespace

const QVector<QPixmap>& ImageList2()
{
    static const QVector<QPixmap> immagini = {Freccia(), Lampada(QColor(30, 170, 40)), Lampada(QColor(215, 25, 25))};
    return immagini;
}

QColor ColoreMarca(int marca)
{
    switch (marca) {
    case MarcaRossa:
        return QColor(255, 0, 0);
    case MarcaArancio:
        return QColor(255, 128, 64);
    case MarcaBlu:
        return QColor(0, 0, 255);
    default:
        return QColor(0, 0, 0);
    }
}

double Contrasto(const QColor& a, const QColor& b)
{
    auto luminanza = [](const QColor& c) {
        auto lineare = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void Griglia1DrawCell(QPainter& p, const QRect& r, int colonna, int riga, const TCellaGriglia& cella, bool fuoco,
                      const QPalette& tavolozza)
{
    const bool fissa = riga < 2;
    if (fissa) {
        p.fillRect(r, tavolozza.color(QPalette::Button));
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        const bool marginale = colonna >= TPavRad::NumColonneAttive && colonna < TPavRad::NumColonneMarginali;
        p.fillRect(r, marginale ? QColor::fromRgb(ColoreZonaMarginale) : QColor(Qt::white));
        if (cella.Immagine >= 0 && cella.Immagine < ImageList2().size())
            p.drawPixmap(r.x() + r.width() - 20, r.top() + 5, ImageList2()[cella.Immagine]);
    }
    // L'ID del locale in grassetto: fa da intestazione della riga. Sul fondo arancio della zona
    // marginale un testo colorato non si leggerebbe: il valore marcato è bianco e in grassetto.
    const bool marcaMarginale = !fissa && colonna >= TPavRad::NumColonneAttive && colonna < TPavRad::NumColonneMarginali
        && cella.Marca != MarcaNormale;
    const bool grassetto = fissa || colonna == 0 || marcaMarginale;
    p.setFont(Carattere(grassetto));
    p.setPen(marcaMarginale ? QColor::fromRgb(ColoreMarcaMarginale) : ColoreMarca(cella.Marca));
    // Testo dall'alto a sinistra, senza ritaglio: la cella a destra, disegnata dopo, copre
    // con il suo fondo un numero che sborda (un layout per cella costerebbe troppo al cursore).
    const QFontMetrics& fm = Metriche(grassetto);
    const QPoint punto(r.left() + 2, r.top() + (fissa ? 4 : 8) + fm.ascent());
    p.drawText(punto, cella.Testo);
    if (fuoco) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

// ---------------------------------------------------------------- TModelloGriglia1

TModelloGriglia1::TModelloGriglia1(const QVector<TLocaleCalc>& locali, QObject* parent)
    : QAbstractTableModel(parent)
    , m_locali(locali)
{ }

int TModelloGriglia1::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_righe - 2;
}

int TModelloGriglia1::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_colonne + (m_aggiuntiva.cella ? 1 : 0);
}

TCellaGriglia TModelloGriglia1::Cella(int colonna, int riga) const
{
    if (ColonnaAggiuntiva(colonna))
        return m_aggiuntiva.cella(riga);
    return TPavRad::TestoCella(colonna, riga, m_locali, m_locale);
}

QString TModelloGriglia1::Descrizione(int riga) const
{
    return riga >= 2 && riga - 2 < m_locali.size() ? m_locali[riga - 2].Descrizione : QString();
}

void TModelloGriglia1::ImpostaColonnaAggiuntiva(TColonnaAggiuntiva colonna)
{
    beginResetModel();
    m_aggiuntiva = std::move(colonna);
    endResetModel();
}

int TModelloGriglia1::Larghezza(int colonna) const
{
    if (ColonnaAggiuntiva(colonna))
        return m_aggiuntiva.larghezza;
    return colonna >= 0 && colonna < TPavRad::NumColonneMarginali ? TGriglia1::LarghezzeColonne[colonna] : 0;
}

QVariant TModelloGriglia1::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Cella(index.column(), index.row() + 2).Testo;
    case RuoloImmagine:
        return int(Cella(index.column(), index.row() + 2).Immagine);
    case RuoloMarca:
        return int(Cella(index.column(), index.row() + 2).Marca);
    case Qt::ToolTipRole:
        if (ColonnaAggiuntiva(index.column()) && m_aggiuntiva.suggerimento)
            return m_aggiuntiva.suggerimento(index.row() + 2);
        // Il numero del locale da solo non dice quale stanza sia.
        if (index.column() == 0)
            return Descrizione(index.row() + 2);
        return {};
    default:
        return {};
    }
}

QVariant TModelloGriglia1::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return Cella(section, 0).Testo + u'\n' + Cella(section, 1).Testo;
}

void TModelloGriglia1::ImpostaRighe(int righe)
{
    righe = std::max(2, righe);
    if (righe > m_righe) {
        beginInsertRows({}, m_righe - 2, righe - 3);
        m_righe = righe;
        endInsertRows();
    } else if (righe < m_righe) {
        beginRemoveRows({}, righe - 2, m_righe - 3);
        m_righe = righe;
        endRemoveRows();
    }
}

void TModelloGriglia1::ImpostaColonne(int colonne)
{
    colonne = std::clamp(colonne, 1, int(TPavRad::NumColonneMarginali));
    if (colonne > m_colonne) {
        beginInsertColumns({}, m_colonne, colonne - 1);
        m_colonne = colonne;
        endInsertColumns();
    } else if (colonne < m_colonne) {
        beginRemoveColumns({}, colonne, m_colonne - 1);
        m_colonne = colonne;
        endRemoveColumns();
    }
}

void TModelloGriglia1::Aggiorna()
{
    if (m_righe > 2)
        Q_EMIT dataChanged(index(0, 0), index(m_righe - 3, columnCount() - 1));
}

// ---------------------------------------------------------------- TIntestazioneGriglia1

TIntestazioneGriglia1::TIntestazioneGriglia1(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
}

QSize TIntestazioneGriglia1::sizeHint() const
{
    return {QHeaderView::sizeHint().width(), 2 * (TGriglia1::AltezzaRiga + 1)};
}

void TIntestazioneGriglia1::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    const auto* m = qobject_cast<const TModelloGriglia1*>(model());
    if (!m)
        return;
    // Come le celle: una linea della griglia a destra e sotto ciascuna delle due righe.
    p->fillRect(rect, palette().color(QPalette::Mid));
    const int h = TGriglia1::AltezzaRiga;
    // La colonna ferma, allargata, ha la descrizione accanto al numero.
    const int numero = m->Larghezza(0) + 1;
    const bool descrizione = logicalIndex == 0 && rect.width() > numero;
    for (int riga = 0; riga < 2; ++riga) {
        const QRect r(rect.left(), rect.top() + riga * (h + 1), (descrizione ? numero : rect.width()) - 1, h);
        Griglia1DrawCell(*p, r, m->ColonnaDisegno(logicalIndex), riga, m->Cella(logicalIndex, riga), false, palette());
        if (descrizione) {
            TCellaGriglia cella;
            cella.Testo = riga == 0 ? QCoreApplication::translate("TGriglia1", "Descrizione") : QString();
            Griglia1DrawCell(*p, QRect(r.right() + 2, r.top(), rect.width() - numero - 1, h), 1, riga, cella, false,
                             palette());
        }
    }
}

// ---------------------------------------------------------------- TDisegnoGriglia1

void TDisegnoGriglia1::paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& index) const
{
    const auto* m = static_cast<const TModelloGriglia1*>(index.model());
    const int riga = index.row() + 2;
    const int numero = m->Larghezza(0);
    QRect r = opzioni.rect;
    if (index.column() == 0 && r.width() > numero) {
        // Colonna ferma allargata: numero, linea della griglia, descrizione del locale.
        const QRect resto(r.left() + numero + 1, r.top(), r.width() - numero - 1, r.height());
        r.setWidth(numero);
        p->fillRect(QRect(r.right() + 1, r.top(), 1, r.height()), opzioni.palette.color(QPalette::Mid));
        TCellaGriglia cella;
        cella.Testo = Metriche(false).elidedText(m->Descrizione(riga), Qt::ElideRight, resto.width() - 4);
        Griglia1DrawCell(*p, resto, 1, riga, cella, false, opzioni.palette);
    }
    Griglia1DrawCell(*p, r, m->ColonnaDisegno(index.column()), riga, m->Cella(index.column(), riga),
                     opzioni.state.testFlag(QStyle::State_HasFocus), opzioni.palette);
}

QSize TDisegnoGriglia1::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* m = static_cast<const TModelloGriglia1*>(index.model());
    return {m->Larghezza(index.column()), TGriglia1::AltezzaRiga};
}

// ---------------------------------------------------------------- TGriglia1

TGriglia1::TGriglia1(const QVector<TLocaleCalc>& locali, QWidget* parent)
    : QTableView(parent)
    , m_modello(new TModelloGriglia1(locali, this))
{
    setObjectName(QStringLiteral("Griglia1"));
    setHorizontalHeader(new TIntestazioneGriglia1(this));
    setItemDelegate(new TDisegnoGriglia1(this));
    setModel(m_modello);
    verticalHeader()->hide();
    // Righe e colonne a misura fissa: con centinaia di locali non si misura nulla.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(AltezzaRiga + 1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    creaColonnaFissa();
    larghezze();

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& corrente) {
        if (!m_struttura && corrente.isValid())
            Q_EMIT SelectCell(corrente.column(), corrente.row() + 2);
    });
}

void TGriglia1::larghezze()
{
    // La sezione comprende la linea della griglia, la cella ha la larghezza indicata.
    for (int c = 0; c < m_modello->columnCount(); ++c)
        horizontalHeader()->resizeSection(c, m_modello->Larghezza(c) + 1);
    colonneFisse();
}

void TGriglia1::creaColonnaFissa()
{
    // Una seconda vista sullo stesso modello e sulla stessa selezione, sopra la prima colonna:
    // scorre in verticale con la griglia, mai in orizzontale.
    m_fissa = new QTableView(this);
    m_fissa->setObjectName(QStringLiteral("ColonnaFissa"));
    m_fissa->setHorizontalHeader(new TIntestazioneGriglia1(m_fissa));
    m_fissa->setItemDelegate(itemDelegate());
    m_fissa->setModel(m_modello);
    m_fissa->setSelectionModel(selectionModel());
    m_fissa->setFocusPolicy(Qt::NoFocus);
    m_fissa->setFrameShape(QFrame::NoFrame);
    m_fissa->verticalHeader()->hide();
    m_fissa->verticalHeader()->setMinimumSectionSize(1);
    m_fissa->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_fissa->verticalHeader()->setDefaultSectionSize(AltezzaRiga + 1);
    m_fissa->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fissa->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fissa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fissa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fissa->setVerticalScrollMode(ScrollPerPixel);
    m_fissa->setWordWrap(false);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_fissa);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_fissa->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_fissa->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    // Le colonne aggiunte (zona marginale, "EN 1264") o un modello azzerato non entrano nella vista fissa.
    connect(m_modello, &QAbstractItemModel::columnsInserted, this, &TGriglia1::colonneFisse);
    connect(m_modello, &QAbstractItemModel::modelReset, this, &TGriglia1::colonneFisse);
    colonneFisse();
    m_fissa->show();
}

void TGriglia1::colonneFisse()
{
    for (int c = 0; c < m_modello->columnCount(); ++c)
        m_fissa->setColumnHidden(c, c != 0);
    posizionaColonnaFissa();
}

void TGriglia1::posizionaColonnaFissa()
{
    if (!m_fissa)
        return;
    // Con lo spazio per tutte le colonne e la descrizione, la colonna ferma mostra anche la
    // descrizione del locale: l'intestazione verticale (nascosta sotto) le fa posto.
    const int scorrimento = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    const bool descrizione
        = width() - 2 * frameWidth() - scorrimento >= horizontalHeader()->length() + LarghezzaDescrizione;
    if (descrizione == verticalHeader()->isHidden()) {
        verticalHeader()->setFixedWidth(LarghezzaDescrizione);
        verticalHeader()->setVisible(descrizione);
        updateGeometries(); // margini della vista e di nuovo qui, con l'intestazione al suo posto
        return;
    }
    const int f = frameWidth();
    const int larghezza = horizontalHeader()->sectionSize(0) + (descrizione ? LarghezzaDescrizione : 0);
    m_fissa->setGeometry(f, f, larghezza, viewport()->height() + horizontalHeader()->height());
    m_fissa->horizontalHeader()->resizeSection(0, larghezza);
    m_fissa->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
}

void TGriglia1::resizeEvent(QResizeEvent* e)
{
    QTableView::resizeEvent(e);
    posizionaColonnaFissa();
}

void TGriglia1::updateGeometries()
{
    QTableView::updateGeometries();
    posizionaColonnaFissa();
}

QModelIndex TGriglia1::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori)
{
    // A sinistra, una cella nascosta sotto la colonna fissa torna in vista.
    const QModelIndex i = QTableView::moveCursor(azione, modificatori);
    if (azione == MoveLeft && i.column() > 0) {
        const int x = visualRect(i).left(), fissa = columnWidth(0);
        if (x < fissa)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x - fissa);
    }
    return i;
}

void TGriglia1::scrollTo(const QModelIndex& index, ScrollHint suggerimento)
{
    // La prima colonna è sempre in vista: per lei si scorre solo in verticale, senza riportare
    // a sinistra tutta la griglia.
    const int orizzontale = horizontalScrollBar()->value();
    QTableView::scrollTo(index, suggerimento);
    if (index.column() == 0)
        horizontalScrollBar()->setValue(orizzontale);
}

int TGriglia1::ColWidth(int colonna) const
{
    return horizontalHeader()->sectionSize(colonna) - 1;
}

void TGriglia1::SetRowCount(int righe)
{
    // Righe tolte o aggiunte dal codice: la cella corrente che si sposta non è una scelta.
    m_struttura = true;
    m_modello->ImpostaRighe(righe);
    m_struttura = false;
}

void TGriglia1::SetColCount(int colonne)
{
    m_struttura = true;
    m_modello->ImpostaColonne(colonne);
    m_struttura = false;
    larghezze();
}

QRect TGriglia1::RettangoloCella(int colonna, int riga) const
{
    if (riga >= 2)
        return visualRect(m_modello->index(riga - 2, colonna));
    auto* h = horizontalHeader();
    return {h->sectionViewportPosition(colonna), riga * (AltezzaRiga + 1), h->sectionSize(colonna), AltezzaRiga};
}
