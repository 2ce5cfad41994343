#include "app/Umain.h"

#include "app/Uinfo.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

// ---------------------------------------------------------------- TAreaSfondo

TAreaSfondo::TAreaSfondo(QWidget* parent)
    : QMdiArea(parent)
{
    // Come un'area MDI classica: scorre quando una finestra figlia esce dai bordi.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TAreaSfondo::ImpostaSfondo(const QPixmap& p)
{
    m_sfondo = p;
    viewport()->update();
}

void TAreaSfondo::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QRect r = viewport()->rect();
    if (!m_sfondo.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, m_sfondo);
        return;
    }
    // Senza immagine resta un fondo sobrio: lo sfondo è solo decorazione.
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xf4, 0xe9, 0xdf));
    g.setColorAt(1, QColor(0xd9, 0xb8, 0x9c));
    p.fillRect(r, g);
}

void TAreaSfondo::scrollContentsBy(int dx, int dy)
{
    QMdiArea::scrollContentsBy(dx, dy);
    viewport()->update();
}

// ---------------------------------------------------------------- TTERMOVELA

TTERMOVELA::TTERMOVELA(TDati* dati, QWidget* parent)
    : QMainWindow(parent)
    , m_dati(dati)
{
    setObjectName(QStringLiteral("TERMOVELA"));
    setWindowTitle(QStringLiteral("TERMOVELATOOL"));
    DirIniziale = QDir::currentPath();

    m_area = new TAreaSfondo(this);
    m_area->setObjectName(QStringLiteral("ClientArea"));
    m_area->ImpostaSfondo(QPixmap(QDir(DirIniziale).filePath(QStringLiteral("tvlbg"))));
    setCentralWidget(m_area);

    creaMenu();
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    auto* p1 = new QLabel(StatusBar1);
    p1->setFixedWidth(700);
    auto* p2 = new QLabel(StatusBar1);
    p2->setFixedWidth(50);
    StatusBar1->addWidget(p1);
    StatusBar1->addWidget(p2);
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    // Bordo fisso con menu di sistema e solo il pulsante di riduzione a icona.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_area->setFixedSize(792, 554);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_info = new TInfo(this);
    FormCreate();
}

TTERMOVELA::~TTERMOVELA()
{
    if (m_dati)
        m_dati->Disconnetti();
}

QAction* TTERMOVELA::voce(QMenu* menu, const QString& nome, const QString& testo)
{
    QAction* a = menu->addAction(testo);
    a->setObjectName(nome);
    return a;
}

void TTERMOVELA::creaMenu()
{
    QMenuBar* barra = menuBar();
    barra->setObjectName(QStringLiteral("MainMenu"));
    File1 = barra->addMenu(QStringLiteral("Progetto"));
    File1->setObjectName(QStringLiteral("File1"));
    Nuovo1 = File1->addMenu(QStringLiteral("Nuovo"));
    Nuovo1->setObjectName(QStringLiteral("Nuovo1"));
    Nuovo1->menuAction()->setObjectName(QStringLiteral("Nuovo1"));
    Standard11 = Nuovo1->addMenu(QStringLiteral("Regolazione V220HJ"));
    Standard11->setObjectName(QStringLiteral("Standard11"));
    SoloRiscaldamento1 = voce(Standard11, QStringLiteral("SoloRiscaldamento1"), QStringLiteral("V220HJ"));
    RegolazionePUNTOFISSO1
        = voce(Nuovo1, QStringLiteral("RegolazionePUNTOFISSO1"), QStringLiteral("Regolazione \"PUNTO FISSO\""));
    RegolazioneV221V1 = voce(Nuovo1, QStringLiteral("RegolazioneV221V1"), QStringLiteral("Regolazione V221V-9"));
    RegolazioneV2251 = voce(Nuovo1, QStringLiteral("RegolazioneV2251"), QStringLiteral("Regolazione V225"));
    Apri1 = voce(File1, QStringLiteral("Apri1"), QStringLiteral("Apri"));
    Salva1 = voce(File1, QStringLiteral("Salva1"), QStringLiteral("Salva"));
    SalvaconNome1 = voce(File1, QStringLiteral("SalvaconNome1"), QStringLiteral("Salva con Nome..."));
    N1 = File1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Chiudi1 = voce(File1, QStringLiteral("Chiudi1"), QStringLiteral("Chiudi"));
    Esci1 = voce(File1, QStringLiteral("Esci1"), QStringLiteral("Esci"));

    Stampe = barra->addMenu(QStringLiteral("Stampa"));
    Stampe->setObjectName(QStringLiteral("Stampe"));
    Stampe->menuAction()->setObjectName(QStringLiteral("Stampe"));
    RapportoTecnico1 = voce(Stampe, QStringLiteral("RapportoTecnico1"), QStringLiteral("&Rapporto Tecnico"));
    PreventivoSemplice1 = voce(Stampe, QStringLiteral("PreventivoSemplice1"), QStringLiteral("&Preventivo Semplice"));
    PreventivoCompleto1 = voce(Stampe, QStringLiteral("PreventivoCompleto1"), QStringLiteral("&Capitolato"));
    OttimizzCircuiti1 = voce(Stampe, QStringLiteral("OttimizzCircuiti1"), QStringLiteral("&Ottimizz. Circuiti"));
    Etichette1 = voce(Stampe, QStringLiteral("Etichette1"), QStringLiteral("&Etichette"));

    Informazioni1 = barra->addAction(QStringLiteral("Informazioni"));
    Informazioni1->setObjectName(QStringLiteral("Informazioni1"));

    connect(Esci1, &QAction::triggered, this, &TTERMOVELA::Esci1Click);
    connect(Informazioni1, &QAction::triggered, this, &TTERMOVELA::Informazioni1Click);
}

void TTERMOVELA::FormCreate()
{
    TitoloBase = windowTitle();
    setWindowTitle(TitoloBase);
    Salva1->setEnabled(false);
    SalvaconNome1->setEnabled(false);
    Chiudi1->setEnabled(false);
    // Senza progetto i documenti non hanno di che partire: il menu si abilita alla lettura di un progetto.
    Stampe->menuAction()->setEnabled(false);
    Occupato = false;
}

void TTERMOVELA::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_mostrata) {
        m_mostrata = true;
        FormShow();
    }
}

void TTERMOVELA::FormShow()
{
    m_dati->Disconnetti();
    if (!m_dati->ApriTutto()) {
        m_avvioRiuscito = false;
        TMessaggi::Errore(QStringLiteral("Impossibile aprire il catalogo.\n\n") + m_dati->UltimoErrore());
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
}

QWidget* TTERMOVELA::Progetto() const
{
    const auto finestre = m_area->subWindowList();
    return finestre.isEmpty() ? nullptr : finestre.first()->widget();
}

void TTERMOVELA::closeEvent(QCloseEvent* e)
{
    if (!m_esciSubito && Progetto()
        && !TMessaggi::Domanda(QStringLiteral("Sei sicuro di volere abbandonare il progetto in corso?\n\n"
                                              "Eventuali modifiche non salvate andranno perse."))) {
        e->ignore();
        return;
    }
    m_area->closeAllSubWindows();
    e->accept();
}

void TTERMOVELA::Esci1Click()
{
    // Esce subito, senza domande, anche con un progetto aperto.
    m_esciSubito = true;
    close();
}

void TTERMOVELA::Informazioni1Click()
{
    m_info->exec();
}
