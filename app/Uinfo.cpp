#include "app/Uinfo.h"

#include "app/Ustart.h"
#include "data/Umessaggi.h"
#include "documents/foglio/Udocumento.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace {
TInfo::TApertura& Apertura()
{
    static TInfo::TApertura apertura
        = [](const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };
    return apertura;
}
} // namespace

QString TInfo::PercorsoManuale()
{
    return QDir(TDocumenti::DirIniziale()).filePath(QStringLiteral("manuale.pdf"));
}

void TInfo::ImpostaApertura(TApertura apertura)
{
    Apertura() = std::move(apertura);
}

bool TInfo::ApriManuale()
{
    const QString file = PercorsoManuale();
    if (!QFileInfo(file).isFile()) {
        TMessaggi::Avviso(
            tr("Il manuale \"%1\" non è presente nella cartella del programma.").arg(QDir::toNativeSeparators(file)));
        return false;
    }
    if (!Apertura()(file)) {
        TMessaggi::Avviso(tr("Non è stato possibile aprire il manuale \"%1\": serve un programma per i file "
                             "PDF.")
                              .arg(QDir::toNativeSeparators(file)));
        return false;
    }
    return true;
}

TInfo::TInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    InizializzaRisorseApp();
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(tr("Info"));
    QFont f(QStringLiteral("Tahoma"));
    f.setBold(true);
    setFont(f);

    auto* immagine = new QLabel(this);
    immagine->setObjectName(QStringLiteral("Image1"));
    immagine->setPixmap(
        QPixmap(QStringLiteral(":/app/avvio.png")).scaled(110, 118, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* prodotto = new QLabel(QStringLiteral("TERMOVELATOOL"), this);
    prodotto->setObjectName(QStringLiteral("Label1"));
    QFont grande = f;
    grande.setPointSize(f.pointSize() + 8);
    prodotto->setFont(grande);
    prodotto->setStyleSheet(QStringLiteral("color: #8a3b12;"));
    auto* anno = new QLabel(QStringLiteral("2022"), this);
    anno->setObjectName(QStringLiteral("Label2"));
    auto* produttore = new QLabel(QStringLiteral("Orvanti S.p.A.\n"
                                                 "Via delle Caldaie 18 - 25030 Castel Mella (BS)\n"
                                                 "Tel. 030 2589 400 - Fax 030 2589 401\n"
                                                 "assistenza.tecnica@orvanti.it"),
                                  this);
    produttore->setObjectName(QStringLiteral("Label3"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(tr("\n"
                           "Per informazioni consultare il file denominato \"manuale.pdf\" presente \n"
                           "nella directory di installazione del programma.\n"
                           "\n"
                           "Per visualizzare questo file occorre avere installato Acrobat Reader.\n"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm(Memo1->font());
    Memo1->setFixedSize(fm.horizontalAdvance(tr("Per visualizzare questo file occorre avere installato "
                                                "Acrobat Reader."))
                            + 40,
                        fm.lineSpacing() * 6 + 16);

    auto* esci = new QPushButton(tr("   &Esci"), this);
    esci->setObjectName(QStringLiteral("BitBtn1"));
    esci->setDefault(true);
    connect(esci, &QPushButton::clicked, this, &QDialog::accept);

    Manuale = new QPushButton(tr("Manuale"), this);
    Manuale->setObjectName(QStringLiteral("Manuale"));
    connect(Manuale, &QPushButton::clicked, this, [] { ApriManuale(); });

    auto* g = new QGridLayout(this);
    g->addWidget(immagine, 0, 0, 3, 1);
    g->addWidget(prodotto, 0, 1);
    g->addWidget(anno, 1, 1);
    g->addWidget(produttore, 2, 1);
    g->addWidget(Memo1, 3, 0, 1, 2);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Manuale);
    pulsanti->addWidget(esci);
    pulsanti->addStretch();
    g->addLayout(pulsanti, 4, 0, 1, 2);
    g->setSizeConstraint(QLayout::SetFixedSize);
}
