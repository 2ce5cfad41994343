#include "controlli/Uopzioni.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QStringList& voci, QWidget* parent)
    : QGroupBox(parent)
    , m_gruppo(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < voci.size(); ++i) {
        auto* voce = new QRadioButton(voci[i], this);
        m_gruppo->addButton(voce, i);
        m_voci.append(voce);
        layout->addWidget(voce);
    }
    connect(m_gruppo, &QButtonGroup::idToggled, this, &TRadioGroup::acceso);
}

void TRadioGroup::SetItemIndex(int indice)
{
    if (indice < -1 || indice >= m_voci.size() || indice == m_indice)
        return;
    if (indice >= 0) {
        m_voci[indice]->setChecked(true);
        return;
    }
    // Un gruppo esclusivo non lascia spegnere la voce accesa.
    m_gruppo->setExclusive(false);
    m_voci[m_indice]->setChecked(false);
    m_gruppo->setExclusive(true);
    m_indice = -1;
}

void TRadioGroup::acceso(int indice, bool acceso)
{
    if (!acceso || indice == m_indice)
        return;
    m_indice = indice;
    Q_EMIT Click();
}
