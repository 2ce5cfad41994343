#include "editor/Udefcoll.h"

#include "data/Umessaggi.h"
#include "progetto/Ucollettori.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TDefColl::TDefColl(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DefColl"));
    setWindowTitle(TMessaggi::Titolo);
    setModal(true);

    auto* etichetta = new QLabel(tr("Nome COLLETTORE"), this);
    etichetta->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(MaxNomeCollettore);
    etichetta->setBuddy(Edit1);

    auto* pulsanti = new QDialogButtonBox(this);
    BitBtn1 = pulsanti->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = pulsanti->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TDefColl::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &TDefColl::reject);

    auto* l = new QVBoxLayout(this);
    l->addWidget(etichetta);
    l->addWidget(Edit1);
    l->addSpacing(8);
    l->addWidget(pulsanti);
    // Largo quanto serve a tredici caratteri larghi e ai due pulsanti.
    Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance(QString(MaxNomeCollettore + 2, u'W')));
    setFixedSize(sizeHint());
}

QString TDefColl::Nome() const
{
    return Edit1->text();
}

void TDefColl::Svuota()
{
    Edit1->clear();
}

void TDefColl::accept()
{
    if (Edit1->text().isEmpty()) {
        Edit1->setFocus();
        return;
    }
    QDialog::accept();
}

void TDefColl::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    Edit1->setFocus();
    Edit1->selectAll();
}
