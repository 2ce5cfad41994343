#include "editor/Upaginacliente.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TPaginaCliente::TPaginaCliente(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet1"))
{
    TTabella* info = Dati().AuxInfo;
    auto crea = [&](const char* nome, const char* campo, int lunghezza) {
        auto* e = new TDBEdit(info, QString::fromLatin1(campo), this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setMaxLength(lunghezza);
        return e;
    };
    DBEdit1 = crea("DBEdit1", "PROGETTO", 50);
    DBEdit2 = crea("DBEdit2", "COMMITTENTE", 50);
    DBEdit3 = crea("DBEdit3", "PROGETTISTA", 50);
    DBEdit4 = crea("DBEdit4", "RIF", 50);
    DBEdit5 = crea("DBEdit5", "DATA", 50);
    DBEdit5->setMaximumWidth(180);
    DBMemo1 = new TDBMemo(info, QStringLiteral("Commento"), this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->ImpostaLunghezzaMassima(250);
    DBMemo1->setTabChangesFocus(true);
    DBNavigator1 = new TDBNavigator(info, this);
    DBNavigator1->ConfermaAnnullamento(true);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->MostraSolo({TDBNavigator::nbPost, TDBNavigator::nbCancel});

    auto* gruppo = new QGroupBox(tr("Cliente e progetto"), this);
    auto* modulo = new QFormLayout(gruppo);
    modulo->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    modulo->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    modulo->setHorizontalSpacing(12);
    modulo->setVerticalSpacing(8);
    modulo->addRow(tr("Progetto:"), DBEdit1);
    modulo->addRow(tr("Committente:"), DBEdit2);
    modulo->addRow(tr("Progettista:"), DBEdit3);
    modulo->addRow(tr("Riferimento:"), DBEdit4);
    modulo->addRow(tr("Data:"), DBEdit5);
    auto* etichettaNote = new QLabel(tr("Note:"), gruppo);
    etichettaNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    modulo->addRow(etichettaNote, DBMemo1);
    for (int r = 0; r < modulo->rowCount(); ++r)
        if (auto* l = qobject_cast<QLabel*>(modulo->itemAt(r, QFormLayout::LabelRole)->widget()))
            l->setBuddy(modulo->itemAt(r, QFormLayout::FieldRole)->widget());

    auto* barra = new QHBoxLayout;
    barra->addStretch();
    barra->addWidget(DBNavigator1);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 14, 16, 12);
    l->addWidget(gruppo, 1);
    l->addLayout(barra);
    LimitaLarghezza(900);
}
