#include "app/Ustart.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

// Le risorse di una libreria statica vanno registrate a mano.
void InizializzaRisorseApp()
{
    Q_INIT_RESOURCE(app);
}

TStart::TStart(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    InizializzaRisorseApp();
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(tr("Apertura in corso..."));
    auto* immagine = new QLabel(this);
    immagine->setObjectName(QStringLiteral("Image1"));
    immagine->setFixedSize(140, 150);
    immagine->setPixmap(QPixmap(QStringLiteral(":/app/avvio.png")).scaled(140, 150, Qt::KeepAspectRatio,
        Qt::SmoothTransformation));
    immagine->setAlignment(Qt::AlignCenter);
    auto* testo = new QLabel(tr("Apertura in corso..."), this);
    testo->setAlignment(Qt::AlignCenter);
    auto* l = new QVBoxLayout(this);
    l->addWidget(immagine, 0, Qt::AlignCenter);
    l->addWidget(testo);
    setStyleSheet(QStringLiteral("TStart { background: white; border: 1px solid #8a3b12; }"));
    adjustSize();
}

void TStart::MostraSubito()
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents();
}
