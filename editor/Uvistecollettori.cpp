#include "editor/Uvistecollettori.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

// ---------------------------------------------------------------- immagini

namespace {
QPixmap disegnaCollettore()
{
    QPixmap pm(AltezzaImmagine, AltezzaImmagine);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Barra del collettore con quattro attacchi.
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(212, 160, 60));
    p.drawRoundedRect(QRectF(1.5, 3.5, 13, 4), 1.5, 1.5);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(2.5 + i * 3.3, 7.5, 1.6, 5));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(1.5, 12.5, 13, 2));
    return pm;
}

QPixmap disegnaCircuito()
{
    QPixmap pm(AltezzaImmagine, AltezzaImmagine);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Serpentina del tubo.
    QPainterPath tubo;
    tubo.moveTo(2, 14);
    tubo.lineTo(2, 3);
    tubo.arcTo(QRectF(2, 1, 4, 4), 180, -180);
    tubo.lineTo(6, 12);
    tubo.arcTo(QRectF(6, 10, 4, 4), 180, 180);
    tubo.lineTo(10, 3);
    tubo.arcTo(QRectF(10, 1, 4, 4), 180, -180);
    tubo.lineTo(14, 14);
    p.setPen(QPen(QColor(200, 50, 40), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tubo);
    return pm;
}
} // namespace

QPixmap ImmagineCollettori(int indice)
{
    static const QPixmap immagini[2] = {disegnaCollettore(), disegnaCircuito()};
    return immagini[indice == 0 ? 0 : 1];
}

QString TestoVisibileEtichetta(const QString& etichetta)
{
    // "=>" e due spazi, poi i 40 caratteri del nome: il resto non si mostra mai.
    QString t = etichetta.left(44);
    while (t.endsWith(u' '))
        t.chop(1);
    return t;
}

// ---------------------------------------------------------------- lista

TModelloListaCircuiti::TModelloListaCircuiti(TAssegnazione& a, QObject* parent)
    : QAbstractListModel(parent)
    , m_a(&a)
{
    connect(&a, &TAssegnazione::cambiato, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int TModelloListaCircuiti::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_a ? 0 : int(m_a->Lista().size());
}

QVariant TModelloListaCircuiti::data(const QModelIndex& index, int role) const
{
    if (!m_a || !index.isValid() || index.row() >= m_a->Lista().size())
        return {};
    const QString& e = m_a->Lista()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return TestoVisibileEtichetta(e);
    case RuoloEtichetta:
        return e;
    case Qt::DecorationRole:
        return ImmagineCollettori(1);
    default:
        return {};
    }
}

Qt::ItemFlags TModelloListaCircuiti::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

// ---------------------------------------------------------------- albero

// internalId 0 per i collettori, collettore + 1 per i circuiti.
TModelloAlberoCollettori::TModelloAlberoCollettori(TAssegnazione& a, QObject* parent)
    : QAbstractItemModel(parent)
    , m_a(&a)
{
    connect(&a, &TAssegnazione::cambiato, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

QModelIndex TModelloAlberoCollettori::index(int row, int column, const QModelIndex& parent) const
{
    if (!m_a || column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < m_a->NumeroCollettori() ? createIndex(row, 0, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || parent.row() >= m_a->NumeroCollettori())
        return {};
    const int c = parent.row();
    return row < m_a->Collettori()[c].circuiti.size() ? createIndex(row, 0, quintptr(c + 1)) : QModelIndex();
}

QModelIndex TModelloAlberoCollettori::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId()) - 1, 0, quintptr(0));
}

int TModelloAlberoCollettori::rowCount(const QModelIndex& parent) const
{
    if (!m_a)
        return 0;
    if (!parent.isValid())
        return m_a->NumeroCollettori();
    if (parent.internalId() != 0 || parent.row() >= m_a->NumeroCollettori())
        return 0;
    return int(m_a->Collettori()[parent.row()].circuiti.size());
}

int TModelloAlberoCollettori::columnCount(const QModelIndex&) const
{
    return 1;
}

TNodo TModelloAlberoCollettori::Nodo(const QModelIndex& i) const
{
    if (!i.isValid() || i.model() != this)
        return {};
    if (i.internalId() == 0)
        return {i.row(), -1};
    return {int(i.internalId()) - 1, i.row()};
}

QModelIndex TModelloAlberoCollettori::Indice(TNodo n) const
{
    if (!n.EValido())
        return {};
    const QModelIndex c = index(n.collettore, 0);
    return n.ECircuito() ? index(n.circuito, 0, c) : c;
}

QVariant TModelloAlberoCollettori::data(const QModelIndex& index, int role) const
{
    const TNodo n = Nodo(index);
    if (!m_a || !n.EValido())
        return {};
    const QString testo = m_a->TestoNodo(n);
    switch (role) {
    case Qt::DisplayRole:
        return n.ECircuito() ? TestoVisibileEtichetta(testo) : testo;
    case RuoloEtichetta:
        return testo;
    case Qt::DecorationRole:
        if (!n.ECircuito() && nonValido(n.collettore))
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(AltezzaImmagine);
        return ImmagineCollettori(n.ECircuito() ? 1 : 0);
    case Qt::ForegroundRole:
        // Un collettore da sistemare (due piani, più di 12 circuiti) si vede nell'albero.
        if (!n.ECircuito() && nonValido(n.collettore))
            return QBrush(QColor(200, 0, 0));
        return {};
    case RuoloNonValido:
        return !n.ECircuito() && nonValido(n.collettore);
    default:
        return {};
    }
}

bool TModelloAlberoCollettori::nonValido(int collettore) const
{
    return !m_a->ProblemaCollettore(collettore).isEmpty();
}

Qt::ItemFlags TModelloAlberoCollettori::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() != 0)
        f |= Qt::ItemNeverHasChildren;
    return f;
}

// ---------------------------------------------------------------- disegno della lista

void TDisegnoListaCircuiti::paint(QPainter* p, const QStyleOptionViewItem& opzioni, const QModelIndex& index) const
{
    QStyleOptionViewItem o = opzioni;
    initStyleOption(&o, index);
    const QWidget* w = o.widget;
    QStyle* stile = w ? w->style() : QApplication::style();
    // Sfondo e selezione come le altre viste, poi immagine e testo al loro posto.
    o.text.clear();
    o.icon = QIcon();
    o.features &= ~QStyleOptionViewItem::HasDecoration;
    stile->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

    const QRect r = opzioni.rect;
    p->drawPixmap(r.left() + 2, r.top() + 2, ImmagineCollettori(1));
    const QRect testo = r.adjusted(2 + AltezzaImmagine + 4, 0, -2, 0);
    const bool selezionata = opzioni.state & QStyle::State_Selected;
    p->save();
    p->setPen(opzioni.palette.color(selezionata ? QPalette::HighlightedText : QPalette::Text));
    p->setFont(opzioni.font);
    p->drawText(testo, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    p->restore();
}

QSize TDisegnoListaCircuiti::sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& index) const
{
    const QString t = index.data(Qt::DisplayRole).toString();
    const int larghezza = 2 + AltezzaImmagine + 4 + opzioni.fontMetrics.horizontalAdvance(t) + 4;
    return {larghezza, AltezzaImmagine + 4};
}
