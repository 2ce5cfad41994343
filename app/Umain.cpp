#include "app/Umain.h"

#include "app/Ustampa.h"

#include "app/Ucronologia.h"
#include "app/Uinfo.h"
#include "comandi/Uannullamenti.h"
#include "comandi/Ufotografia.h"
#include "controlli/Ucaricamento.h"
#include "controlli/Ucontrolli.h"
#include "controlli/Udialoghi.h"
#include "data/Udatabase.h"
#include "data/Ufilenormale.h"
#include "data/Ulingua.h"
#include "data/Umessaggi.h"
#include "editor/Udef.h"
#include "editor/Umodifica.h"
#include "editor/Upaginacliente.h"
#include "optimise/finestre/Ufinestraottimizza.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <tuple>

namespace {

const char* const MsgFileMancante
    = QT_TRANSLATE_NOOP("TTERMOVELA",
                        "Non è possibile aprire il file.\n\nVerificare che il file esista o che "
                        "non sia stato spostato in un altra cartella.");
const char* const MsgAltroProgetto = QT_TRANSLATE_NOOP(
    "TTERMOVELA", "Non è possibile aprire un altro progetto!\n\nChiudere prima il progetto in corso.");
const char* const FiltroTvl = QT_TRANSLATE_NOOP("TTERMOVELA", "TVL Files (*.tvl)");
const QString ChiaveGeometria = QStringLiteral("FinestraPrincipale/Geometria");

// La scelta "Lingua": ogni lingua col proprio nome.
void CreaMenuLingua(QMenu* menu, const std::function<void(const QString&)>& scegli)
{
    QMenu* lingua = menu->addMenu(QCoreApplication::translate("TTERMOVELA", "&Lingua"));
    lingua->setObjectName(QStringLiteral("Lingua1"));
    lingua->menuAction()->setObjectName(QStringLiteral("Lingua1"));
    auto* gruppo = new QActionGroup(lingua);
    for (const auto& [codice, nome, testo] :
         {std::tuple {"it", "LinguaItaliano", "&Italiano"}, std::tuple {"en", "LinguaInglese", "&English"}}) {
        QAction* a = lingua->addAction(QString::fromUtf8(testo));
        a->setObjectName(QLatin1String(nome));
        a->setCheckable(true);
        a->setChecked(TLingua::Corrente() == QLatin1String(codice));
        gruppo->addAction(a);
        const QString scelta = QLatin1String(codice);
        QObject::connect(a, &QAction::triggered, lingua, [scelta, scegli, gruppo] {
            scegli(scelta);
            // Un cambio fermato lascia spuntata la lingua che l'interfaccia mostra.
            for (QAction* v : gruppo->actions())
                v->setChecked(v->objectName()
                              == (TLingua::Installata() == QLatin1String("en") ? QLatin1String("LinguaInglese")
                                                                               : QLatin1String("LinguaItaliano")));
        });
    }
}

} // namespace

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

QSize TAreaSfondo::sizeHint() const
{
    return DimensioneIniziale;
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
    TProgetto::FinestraOttimizzazione
        = [](TStatoProgetto& stato, QWidget* parent) { TOttimizza::Esegui(stato, parent); };

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

    // Finestra ridimensionabile e massimizzabile: alla prima apertura l'area è di 792 × 554,
    // poi torna com'era all'ultima chiusura (anche massimizzata).
    RipristinaGeometria();

    m_info = new TInfo(this);
    FormCreate();
    // Misura iniziale con barra dei menu e barra di stato già composte (prima sarebbero stimate).
    if (!m_geometriaRipristinata) {
        ensurePolished();
        for (QWidget* w : findChildren<QWidget*>())
            w->ensurePolished();
        layout()->activate();
        resize(sizeHint());
    }
}

TTERMOVELA::~TTERMOVELA()
{
    // La cronologia salva il suo file prima che il database si chiuda.
    m_cronologia.reset();
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
    File1 = barra->addMenu(tr("&Progetto"));
    File1->setObjectName(QStringLiteral("File1"));
    Nuovo1 = File1->addMenu(tr("&Nuovo"));
    Nuovo1->setObjectName(QStringLiteral("Nuovo1"));
    Nuovo1->menuAction()->setObjectName(QStringLiteral("Nuovo1"));
    Standard11 = Nuovo1->addMenu(tr("Regolazione V22&0HJ"));
    Standard11->setObjectName(QStringLiteral("Standard11"));
    SoloRiscaldamento1 = voce(Standard11, QStringLiteral("SoloRiscaldamento1"), tr("&V220HJ"));
    RegolazionePUNTOFISSO1 = voce(Nuovo1, QStringLiteral("RegolazionePUNTOFISSO1"), tr("Regolazione \"&PUNTO FISSO\""));
    RegolazioneV221V1 = voce(Nuovo1, QStringLiteral("RegolazioneV221V1"), tr("Regolazione V22&1V-9"));
    RegolazioneV2251 = voce(Nuovo1, QStringLiteral("RegolazioneV2251"), tr("Regolazione V22&5"));
    Apri1 = voce(File1, QStringLiteral("Apri1"), tr("&Apri"));
    Salva1 = voce(File1, QStringLiteral("Salva1"), tr("&Salva"));
    SalvaconNome1 = voce(File1, QStringLiteral("SalvaconNome1"), tr("Salva con N&ome..."));
    Pianta1 = voce(File1, QStringLiteral("Pianta1"), tr("&Pianta..."));
    N1 = File1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Chiudi1 = voce(File1, QStringLiteral("Chiudi1"), tr("&Chiudi"));
    CreaMenuLingua(File1, [this](const QString& lingua) { CambiaLingua(lingua); });
    Esci1 = voce(File1, QStringLiteral("Esci1"), tr("&Esci"));

    m_modifica = new TMenuModifica(barra, this);

    Stampe = barra->addMenu(tr("&Stampa"));
    Stampe->setObjectName(QStringLiteral("Stampe"));
    Stampe->menuAction()->setObjectName(QStringLiteral("Stampe"));
    RapportoTecnico1 = voce(Stampe, QStringLiteral("RapportoTecnico1"), tr("&Rapporto Tecnico"));
    PreventivoSemplice1 = voce(Stampe, QStringLiteral("PreventivoSemplice1"), tr("&Preventivo Semplice"));
    PreventivoCompleto1 = voce(Stampe, QStringLiteral("PreventivoCompleto1"), tr("&Capitolato"));
    OttimizzCircuiti1 = voce(Stampe, QStringLiteral("OttimizzCircuiti1"), tr("&Ottimizz. Circuiti"));
    Etichette1 = voce(Stampe, QStringLiteral("Etichette1"), tr("&Etichette"));
    TavolaImpianto1 = voce(Stampe, QStringLiteral("TavolaImpianto1"), tr("Tavola &Impianto"));

    Informazioni1 = barra->addAction(tr("In&formazioni"));
    Informazioni1->setObjectName(QStringLiteral("Informazioni1"));
    // Il manuale è nella finestra "Informazioni"; F1 lo apre da ovunque nella finestra.
    Manuale1 = new QAction(tr("Manuale"), this);
    Manuale1->setObjectName(QStringLiteral("Manuale1"));
    Manuale1->setShortcut(QKeySequence::HelpContents);
    addAction(Manuale1);
    connect(Manuale1, &QAction::triggered, this, [] { TInfo::ApriManuale(); });

    Apri1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Salva1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SalvaconNome1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Chiudi1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    Esci1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(File1->menuAction(), &QAction::triggered, this, &TTERMOVELA::File1Click);
    connect(SoloRiscaldamento1, &QAction::triggered, this, &TTERMOVELA::SoloRiscaldamento1Click);
    connect(RegolazionePUNTOFISSO1, &QAction::triggered, this, &TTERMOVELA::SoloRiscaldamento1Click);
    connect(RegolazioneV221V1, &QAction::triggered, this, &TTERMOVELA::RegolazioneV221V1Click);
    connect(RegolazioneV2251, &QAction::triggered, this, &TTERMOVELA::RegolazioneV2251Click);
    connect(Apri1, &QAction::triggered, this, &TTERMOVELA::Apri1Click);
    connect(Salva1, &QAction::triggered, this, &TTERMOVELA::Salva1Click);
    connect(SalvaconNome1, &QAction::triggered, this, &TTERMOVELA::SalvaconNome1Click);
    connect(Chiudi1, &QAction::triggered, this, &TTERMOVELA::Chiudi1Click);
    connect(Esci1, &QAction::triggered, this, &TTERMOVELA::Esci1Click);
    connect(Informazioni1, &QAction::triggered, this, &TTERMOVELA::Informazioni1Click);
    connect(Pianta1, &QAction::triggered, this, [this] {
        if (TProgetto* p = FinestraProgetto())
            p->ApriPianta();
    });
}

void TTERMOVELA::FormCreate()
{
    // Comandi del menu "Stampa", con la finestra di avanzamento e la voce della copia PDF.
    m_stampa = new TComandiStampa(Occupato, this);
    m_stampa->Progetto = [this] { return FinestraProgetto(); };
    m_stampa->NuovoProgresso = [this] { return std::unique_ptr<TProgresso>(new TCaricamento(this)); };
    m_stampa->AggiungiAlMenu(Stampe);
    m_stampa->ApriCartella
        = [](const QString& cartella) { return QDesktopServices::openUrl(QUrl::fromLocalFile(cartella)); };
    // Dove sono finiti i documenti: nella barra di stato, con il pulsante che apre la cartella.
    auto* apriCartella = new QPushButton(tr("Apri ca&rtella"), StatusBar1);
    apriCartella->setObjectName(QStringLiteral("ApriCartellaDocumenti"));
    apriCartella->setFlat(true);
    apriCartella->hide();
    StatusBar1->addPermanentWidget(apriCartella);
    connect(m_stampa, &TComandiStampa::DocumentiCreati, this,
            [this, apriCartella](const QString& testo, const QString& cartella) {
                StatusBar1->showMessage(testo);
                apriCartella->setToolTip(QDir::toNativeSeparators(cartella));
                apriCartella->show();
            });
    connect(apriCartella, &QPushButton::clicked, this, [this, apriCartella] {
        const QString cartella = apriCartella->toolTip();
        if (!m_stampa->ApriCartella(QDir::fromNativeSeparators(cartella)))
            TMessaggi::Avviso(tr("Non è stato possibile aprire la cartella \"%1\".").arg(cartella));
    });
    connect(RapportoTecnico1, &QAction::triggered, m_stampa, &TComandiStampa::RapportoTecnico1Click);
    connect(PreventivoSemplice1, &QAction::triggered, m_stampa, &TComandiStampa::PreventivoSemplice1Click);
    connect(PreventivoCompleto1, &QAction::triggered, m_stampa, &TComandiStampa::PreventivoCompleto1Click);
    connect(OttimizzCircuiti1, &QAction::triggered, m_stampa, &TComandiStampa::OttimizzCircuiti1Click);
    connect(Etichette1, &QAction::triggered, m_stampa, &TComandiStampa::Etichette1Click);
    connect(TavolaImpianto1, &QAction::triggered, m_stampa, &TComandiStampa::TavolaImpianto1Click);

    m_cronologia = std::make_unique<TFileHistory>(
        10, QDir(DirIniziale).filePath(QStringLiteral("History")), File1, N1,
        [](QObject* proprietario, const QString& percorso) {
            static_cast<TTERMOVELA*>(proprietario)->ApriDaPercorso(percorso);
        },
        this);
    TitoloBase = windowTitle();
    setWindowTitle(TitoloBase);
    Salva1->setEnabled(false);
    SalvaconNome1->setEnabled(false);
    Chiudi1->setEnabled(false);
    Pianta1->setEnabled(false);
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
        TMessaggi::Errore(tr("Impossibile aprire il catalogo.\n\n") + m_dati->UltimoErrore());
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
}

QWidget* TTERMOVELA::Progetto() const
{
    const auto finestre = m_area->subWindowList();
    return finestre.isEmpty() ? nullptr : finestre.first()->widget();
}

TProgetto* TTERMOVELA::FinestraProgetto() const
{
    return qobject_cast<TProgetto*>(Progetto());
}

bool TTERMOVELA::ProgettoModificato() const
{
    if (!Progetto() || !m_dati)
        return false;
    if (m_dati->ProgettoModificato)
        return true;
    // Una riga scritta a metà (non ancora registrata) si perderebbe anche lei.
    for (TTabella* t :
         m_dati->TabelleMultiRecord() + QVector<TTabella*> {m_dati->AuxInfo, m_dati->AuxDGenerali, m_dati->AuxRegol})
        if (t->State() == TStato::Modifica || t->State() == TStato::Inserimento)
            return true;
    return false;
}

void TTERMOVELA::closeEvent(QCloseEvent* e)
{
    // "Esci" e la chiusura della finestra chiedono la stessa cosa, solo se c'è qualcosa da perdere
    // (anche solo il testo di una cella ancora aperta).
    if (TProgetto* p = FinestraProgetto())
        p->ConfermaCelleAperte();
    if (ProgettoModificato()
        && !TMessaggi::Domanda(tr("Sei sicuro di volere abbandonare il progetto in corso?\n\n"
                                  "Eventuali modifiche non salvate andranno perse."))) {
        e->ignore();
        return;
    }
    ChiudiProgetto();
    SalvaGeometria();
    e->accept();
}

void TTERMOVELA::SalvaGeometria() const
{
    QSettings().setValue(ChiaveGeometria, saveGeometry());
}

void TTERMOVELA::RipristinaGeometria()
{
    // Una geometria illeggibile (o fuori da ogni schermo, che Qt riporta dentro) lascia quella iniziale.
    const QByteArray geometria = QSettings().value(ChiaveGeometria).toByteArray();
    m_geometriaRipristinata = !geometria.isEmpty() && restoreGeometry(geometria);
}

void TTERMOVELA::menuProgetto(bool aperto)
{
    Nuovo1->menuAction()->setEnabled(!aperto);
    Apri1->setEnabled(!aperto);
    Salva1->setEnabled(aperto);
    SalvaconNome1->setEnabled(aperto);
    Chiudi1->setEnabled(aperto);
    Pianta1->setEnabled(aperto);
}

// ---------------------------------------------------------------- comandi dei progetti

void TTERMOVELA::SoloRiscaldamento1Click()
{
    // Una sola funzione per due voci: il modello dipende da chi l'ha chiamata.
    const bool puntoFisso = sender() == RegolazionePUNTOFISSO1;
    nuovoProgetto(puntoFisso ? QStringLiteral("nuovopf.nv") : QStringLiteral("nuovosr.nv"));
}

void TTERMOVELA::RegolazioneV221V1Click()
{
    nuovoProgetto(QStringLiteral("nuovov221v.nv"));
}

void TTERMOVELA::RegolazioneV2251Click()
{
    nuovoProgetto(QStringLiteral("nuovov225.nv"));
}

void TTERMOVELA::nuovoProgetto(const QString& modello)
{
    if (Progetto()) {
        // Con un progetto aperto le voci sono disabilitate; se ci si arriva lo stesso, non si tocca nulla.
        TMessaggi::Avviso(tr(MsgAltroProgetto));
        return;
    }
    const QString percorso = QDir(DirIniziale).filePath(modello);
    if (!QFileInfo(percorso).isFile()) {
        TMessaggi::Avviso(tr(MsgFileMancante));
        return;
    }
    TitoloBase = QStringLiteral("TERMOVELA");
    m_cronologia->ImpostaCorrente(QString());
    setWindowTitle(TitoloBase + tr(" : [Senza Titolo]"));
    NomeFile.clear();
    LeggiProgetto(percorso);
}

void TTERMOVELA::Apri1Click()
{
    const QString percorso = TDialoghi::istanza().ScegliFile(
        this, {.salva = false, .nome = QStringLiteral("OpenDialog1"), .titolo = tr("Apri"), .filtro = tr(FiltroTvl)});
    if (!percorso.isEmpty())
        ApriDaPercorso(percorso);
}

void TTERMOVELA::ApriDaPercorso(const QString& percorso)
{
    if (Progetto()) {
        TMessaggi::Avviso(tr(MsgAltroProgetto));
        return;
    }
    // Solo un file normale: di una cartella, una pipe o un dispositivo il messaggio dice che cos'è.
    if (const TFileNormale file = EsaminaFile(percorso); !file.Ok()) {
        TMessaggi::Avviso(file.tipo == TFileNormale::NonEsiste
                              ? tr(MsgFileMancante)
                              : tr("Non è possibile aprire il file.\n\n\"%1\" %2.")
                                    .arg(QDir::toNativeSeparators(percorso), file.motivo));
        return;
    }
    RicordaCartellaProgetti(percorso);
    m_cronologia->ImpostaCorrente(percorso);
    setWindowTitle(QStringLiteral("TERMOVELA : ") + percorso);
    NomeFile = percorso;
    LeggiProgetto(percorso);
}

void TTERMOVELA::LeggiProgetto(const QString& percorso)
{
    Occupato = true;
    auto stato = std::make_unique<TStatoProgetto>(*m_dati);
    TStatoProgetto& s = *stato;
    s.Clessidra = [](bool occupato) {
        if (occupato)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    std::unique_ptr<TCaricamento> caricamento;
    TAgganciLettura agganci;
    agganci.CreaFinestra = [&] {
        if (Progetto())
            return false;
        // La finestra adotta lo stato in cui la lettura sta già scrivendo.
        auto* progetto = new TProgetto(std::move(stato));
        progetto->AggiungiAgganci(agganci);
        QMdiSubWindow* figlia = m_area->addSubWindow(progetto, Qt::SubWindow | Qt::FramelessWindowHint);
        figlia->setAttribute(Qt::WA_DeleteOnClose);
        // Il titolo resta quello della finestra principale, senza " - [Progetto]".
        figlia->setWindowTitle(QString());
        figlia->showMaximized();
        progetto->PageControl1->setCurrentIndex(0);
        caricamento = std::make_unique<TCaricamento>(this);
        agganci.Progresso = caricamento.get();
        menuProgetto(true);
        return true;
    };
    agganci.Fine = [&](bool riuscita) {
        if (!riuscita) {
            menuProgetto(false);
            setWindowTitle(QStringLiteral("TERMOVELA"));
            repaint();
        }
        Stampe->menuAction()->setEnabled(riuscita);
        // Si comincia a scrivere dal nome del progetto, senza cercarlo con il mouse.
        if (TProgetto* p = riuscita ? FinestraProgetto() : nullptr)
            p->TabSheet1->DBEdit1->setFocus(Qt::OtherFocusReason);
        Occupato = false;
    };
    const bool letto = ::LeggiProgetto(s, percorso, agganci);
    // Appena aperto il progetto è uguale al suo file.
    m_dati->ProgettoModificato = false;
    if (!letto) {
        // Un file che non si apre non entra nella cronologia.
        m_cronologia->ScartaCorrente();
        // Una finestra rimasta aperta su un progetto letto a metà non si potrebbe più chiudere
        // (il menu è quello di nessun progetto): si chiude qui. Nessun progetto, nessun nome.
        if (FinestraProgetto() && !stato)
            ChiudiProgetto();
        NomeFile.clear();
    }
    // Un progetto appena letto non ha nulla da annullare.
    m_modifica->Collega(FinestraProgetto());
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TTERMOVELA::VerificaModifiche()
{
    if (!m_dati)
        return false;
    if (TProgetto* p = FinestraProgetto())
        p->ConfermaCelleAperte();
    if (ControllaModifichePendenti(*m_dati))
        return true;
    if (TProgetto* p = FinestraProgetto())
        p->MostraLocaliInSospeso();
    return false;
}

void TTERMOVELA::Salva1Click()
{
    if (!FinestraProgetto() || !VerificaModifiche())
        return;
    if (!NomeFile.isEmpty())
        scrivi(NomeFile);
    else
        salvaConNome();
}

void TTERMOVELA::SalvaconNome1Click()
{
    if (!FinestraProgetto() || !VerificaModifiche())
        return;
    salvaConNome();
}

void TTERMOVELA::salvaConNome()
{
    TProgetto* progetto = FinestraProgetto();
    const QString proposto = progetto->TabSheet1->DBEdit1->text().toUpper();
    const QString percorso = TDialoghi::istanza().ScegliFile(this,
                                                             {.salva = true,
                                                              .nome = QStringLiteral("SaveDialog1"),
                                                              .titolo = tr("Salva con Nome"),
                                                              .filtro = tr(FiltroTvl),
                                                              .cartella = CartellaProgetti(NomeFile),
                                                              .proposto = proposto,
                                                              .estensione = QStringLiteral("tvl")});
    if (percorso.isEmpty())
        return;
    RicordaCartellaProgetti(percorso);
    m_cronologia->ImpostaCorrente(percorso);
    setWindowTitle(TitoloBase + QStringLiteral(" : ") + percorso);
    scrivi(percorso);
    NomeFile = percorso;
}

void TTERMOVELA::scrivi(const QString& percorso)
{
    TCaricamento caricamento(this);
    if (ScriviProgetto(FinestraProgetto()->Stato(), percorso, &caricamento)) {
        m_dati->ProgettoModificato = false;
        m_modifica->Salvato();
    }
}

void TTERMOVELA::Chiudi1Click()
{
    if (!Progetto())
        return;
    if (TProgetto* p = FinestraProgetto())
        p->ConfermaCelleAperte();
    if (!ProgettoModificato()
        || TMessaggi::Domanda(tr("Sei sicuro di volere chiudere il progetto aperto?\n\n"
                                 "Eventuali modifiche non salvate andranno perse.")))
        ChiudiProgetto();
}

void TTERMOVELA::ChiudiProgetto()
{
    if (!Progetto())
        return;
    // Le modifiche in sospeso si perdono con il progetto: nessuna tabella resta in modifica.
    for (TTabella* t : m_dati->Tabelle())
        if (t->Active())
            t->Cancel();
    const auto figlie = m_area->subWindowList();
    for (QMdiSubWindow* f : figlie)
        delete f;
    setWindowTitle(QStringLiteral("TERMOVELA"));
    NomeFile.clear();
    m_cronologia->ImpostaCorrente(QString());
    menuProgetto(false);
    Stampe->menuAction()->setEnabled(false);
    Occupato = false;
}

void TTERMOVELA::Esci1Click()
{
    // Come chiudere la finestra: con modifiche non salvate si chiede prima.
    close();
}

// ---------------------------------------------------------------- lingua

void TTERMOVELA::CambiaLingua(const QString& lingua)
{
    if (lingua == TLingua::Installata()) {
        TLingua::Salva(lingua);
        return;
    }
    TRipresa r;
    if (TProgetto* p = FinestraProgetto()) {
        if (!VerificaModifiche())
            return;
        // Lo stato prima della scrittura, che rifà le liste dei collettori come salvando: la nuova
        // finestra riprende il progetto esattamente com'era.
        r.fotografia = std::make_shared<TFotografia>(TFotografia::Prendi(p->Stato()));
        // Quel che la conferma delle righe ha appena registrato è l'ultimo passo.
        if (TAnnullamenti* a = TAnnullamenti::Di(p->Stato())) {
            a->Concludi();
            r.storia = std::make_shared<TStoriaAnnullamenti>(a->Storia());
        }
        // Il progetto passa alla nuova finestra scritto com'è, modifiche non salvate comprese.
        r.cartella = std::make_shared<QTemporaryDir>();
        r.file = r.cartella->filePath(QStringLiteral("progetto.tvl"));
        if (!r.cartella->isValid() || !ScriviProgetto(p->Stato(), r.file)) {
            TMessaggi::Errore(tr("Non è stato possibile cambiare la lingua: il progetto aperto non si può "
                                 "conservare per la nuova finestra."));
            return;
        }
        r.nomeFile = NomeFile;
        r.titolo = windowTitle();
        r.titoloBase = TitoloBase;
        r.modificato = ProgettoModificato();
        r.pagina = p->PageControl1->currentIndex();
    }
    TLingua::Salva(lingua);
    TLingua::ImpostaPerEsecuzione(lingua);
    m_ripresa = std::move(r);
    ChiudiProgetto();
    SalvaGeometria();
    QCoreApplication::exit(RifaiInAltraLingua);
}

void TTERMOVELA::Riprendi(const TRipresa& r)
{
    if (r.file.isEmpty())
        return;
    LeggiProgetto(r.file);
    TProgetto* p = FinestraProgetto();
    if (!p)
        return;
    // La pagina prima della fotografia: quel che entrarvi ricalcola non cambia lo stato ripreso.
    p->PageControl1->setCurrentIndex(r.pagina);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    r.fotografia->Ripristina(p->Stato());
    NomeFile = r.nomeFile;
    TitoloBase = r.titoloBase;
    m_cronologia->ImpostaCorrente(r.nomeFile);
    setWindowTitle(r.nomeFile.isEmpty() ? TitoloBase + tr(" : [Senza Titolo]") : r.titolo);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Annulla e Ripeti riprendono i loro passi; il progetto resta diverso dal file se lo era.
    m_dati->ProgettoModificato = r.modificato;
    if (TAnnullamenti* a = TAnnullamenti::Di(p->Stato())) {
        if (r.storia)
            a->RiprendiStoria(*r.storia);
        else
            a->Azzera(!r.modificato);
    }
}

void TTERMOVELA::Informazioni1Click()
{
    m_info->exec();
}
