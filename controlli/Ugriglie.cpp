#include "controlli/Ugriglie.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

// ---------------------------------------------------------------- TModelloSolaLettura

Qt::ItemFlags TModelloSolaLettura::flags(const QModelIndex& index) const
{
    return TModelloTabella::flags(index) & ~Qt::ItemIsEditable;
}

// ---------------------------------------------------------------- TGrigliaFissa

TGrigliaFissa::TGrigliaFissa(int righeFisse, QWidget* parent)
    : QTableWidget(righeFisse, 1, parent)
    , m_numFisse(righeFisse)
    , m_fisse(new QTableView(this))
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Le righe fisse sono una seconda vista sullo stesso modello, sopra l'area che scorre.
    m_fisse->setModel(model());
    m_fisse->setObjectName(QStringLiteral("RigheFisse"));
    m_fisse->horizontalHeader()->hide();
    m_fisse->verticalHeader()->hide();
    m_fisse->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_fisse->setFocusPolicy(Qt::NoFocus);
    m_fisse->setSelectionMode(QAbstractItemView::NoSelection);
    m_fisse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fisse->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fisse->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fisse->setFrameShape(QFrame::NoFrame);
    m_fisse->setBackgroundRole(QPalette::Button);
    m_fisse->viewport()->setBackgroundRole(QPalette::Button);
    nascondiFisse();
}

void TGrigliaFissa::nascondiFisse()
{
    for (int r = 0; r < m_numFisse && r < rowCount(); ++r)
        setRowHidden(r, true);
    updateGeometries();
}

void TGrigliaFissa::ImpostaRigheDati(int righe)
{
    // Le intestazioni restano; le celle delle righe tolte spariscono con loro.
    setRowCount(m_numFisse);
    setRowCount(m_numFisse + righe);
    nascondiFisse();
}

void TGrigliaFissa::updateGeometries()
{
    int altezza = 0;
    for (int r = 0; r < m_numFisse; ++r)
        altezza += m_fisse->rowHeight(r);
    if (viewportMargins().top() != altezza)
        setViewportMargins(0, altezza, 0, 0);
    QTableWidget::updateGeometries();
    if (m_fisse) {
        const QRect vp = viewport()->geometry();
        m_fisse->setGeometry(vp.left(), vp.top() - altezza, vp.width(), altezza);
        // Una sola colonna, larga quanto l'area visibile in entrambe le viste.
        setColumnWidth(0, vp.width());
        m_fisse->setColumnWidth(0, vp.width());
    }
}

// ---------------------------------------------------------------- TSpinFrecce

TSpinFrecce::TSpinFrecce(QWidget* parent)
    : QSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}
