#include "documents/finestre/Uopzcap.h"

#include "data/Umessaggi.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

TOpzCap::TOpzCap(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OpzCap"));
    setWindowTitle(TMessaggi::Titolo);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    RadioGroup1 = new QGroupBox(tr("Opzioni di Stampa:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Voce0 = new QRadioButton(tr("Senza Prezzi"), RadioGroup1);
    Voce1 = new QRadioButton(tr("Con Prezzi"), RadioGroup1);
    m_gruppo = new QButtonGroup(this);
    m_gruppo->addButton(Voce0, 0);
    m_gruppo->addButton(Voce1, 1);
    auto* voci = new QVBoxLayout(RadioGroup1);
    voci->addWidget(Voce0);
    voci->addWidget(Voce1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Annulla"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(BitBtn1);
    pulsanti->addWidget(BitBtn2);
    auto* l = new QVBoxLayout(this);
    l->addWidget(RadioGroup1);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
    Voce0->setChecked(true);
}

int TOpzCap::ItemIndex() const
{
    return m_gruppo->checkedId();
}

void TOpzCap::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TOpzCap::FormShow()
{
    Voce0->setChecked(true);
    BitBtn1->setFocus();
}
