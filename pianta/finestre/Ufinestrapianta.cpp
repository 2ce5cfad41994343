#include "Ufinestrapianta.h"
#include "Uvistapianta.h"

#include "controlli/Udialoghi.h"
#include "data/Umessaggi.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <set>

namespace {
const QString ChiaveGeometria = QStringLiteral("Pianta/Geometria");
const QString ChiaveStato = QStringLiteral("Pianta/Stato");
} // namespace

// Un passo annullabile: la pianta prima e dopo (le copie condividono i dati, costano poco).
class TComandoPianta : public QUndoCommand
{
public:
    TComandoPianta(TFinestraPianta* f, TPianta prima, TPianta dopo, const QString& testo)
        : QUndoCommand(testo)
        , m_f(f)
        , m_prima(std::move(prima))
        , m_dopo(std::move(dopo))
    { }
    void undo() override { m_f->applica(m_prima); }
    void redo() override { m_f->applica(m_dopo); }

private:
    TFinestraPianta* m_f;
    TPianta m_prima, m_dopo;
};

TFinestraPianta::TFinestraPianta(const TPianta& pianta, const QList<TLocalePianta>& locali,
                                 const QStringList& collettori, QWidget* parent)
    : QMainWindow(parent)
    , m_pianta(pianta)
    , m_locali(locali)
    , m_collettori(collettori)
{
    setObjectName(QStringLiteral("FinestraPianta"));
    setWindowTitle(tr("Pianta"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_annulla = new QUndoStack(this);
    m_annulla->setUndoLimit(100);

    auto* centro = new QWidget(this);
    auto* l = new QVBoxLayout(centro);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    m_tabPiani = new QTabBar(centro);
    m_tabPiani->setObjectName(QStringLiteral("TabPiani"));
    m_tabPiani->setExpanding(false);
    m_vista = new TVistaPianta(centro);
    l->addWidget(m_tabPiani);
    l->addWidget(m_vista, 1);
    setCentralWidget(centro);
    m_misure = new QLabel(this);
    m_misure->setObjectName(QStringLiteral("Misure"));
    statusBar()->addPermanentWidget(m_misure);

    m_vista->DisegnaSopra = [this](QPainter& p) { disegnaSopra(p); };
    m_vista->Premuto = [this](QPointF m, QMouseEvent* e) { premuto(m, e); };
    m_vista->Mosso = [this](QPointF m, QMouseEvent* e) { mosso(m, e); };
    m_vista->Rilasciato = [this](QPointF m, QMouseEvent* e) { rilasciato(m, e); };
    m_vista->Tasto = [this](QKeyEvent* e) { return tasto(e); };

    creaComandi();
    creaLivelli();
    connect(m_tabPiani, &QTabBar::currentChanged, this, [this](int i) {
        if (!m_aggiornando && i >= 0 && i < m_piani.size())
            MostraPiano(m_piani[i]);
    });

    // Attraverso il punto unico dei dialoghi: i test che lo installano rispondono anche qui.
    ScegliFile = [this](const QString& titolo, const QString& filtro) {
        TSceltaFile scelta;
        scelta.nome = QStringLiteral("ApriSfondo");
        scelta.titolo = titolo;
        scelta.filtro = filtro;
        return TDialoghi::istanza().ScegliFile(this, scelta);
    };
    // Anche le domande passano dal punto unico dei dialoghi.
    ChiediNumero = [this](const QString& titolo, const QString& etichetta, double& valore) {
        QInputDialog d(this);
        d.setWindowTitle(titolo);
        d.setLabelText(etichetta);
        d.setInputMode(QInputDialog::DoubleInput);
        d.setDoubleRange(0.001, 1e6);
        d.setDoubleDecimals(3);
        d.setDoubleValue(valore);
        if (TDialoghi::istanza().Esegui(d) != QDialog::Accepted)
            return false;
        valore = d.doubleValue();
        return true;
    };
    ChiediScelta = [this](const QString& titolo, const QString& etichetta, const QStringList& voci) {
        QInputDialog d(this);
        d.setWindowTitle(titolo);
        d.setLabelText(etichetta);
        d.setComboBoxItems(voci);
        d.setComboBoxEditable(false);
        return TDialoghi::istanza().Esegui(d) == QDialog::Accepted ? int(voci.indexOf(d.textValue())) : -1;
    };
    ChiediTesto = [this](const QString& titolo, const QString& etichetta) {
        QInputDialog d(this);
        d.setWindowTitle(titolo);
        d.setLabelText(etichetta);
        return TDialoghi::istanza().Esegui(d) == QDialog::Accepted ? d.textValue().trimmed() : QString();
    };

    aggiornaPiani();
    MostraPiano(m_piani.value(0));
    resize(1100, 750);
    QSettings impostazioni;
    restoreGeometry(impostazioni.value(ChiaveGeometria).toByteArray());
    restoreState(impostazioni.value(ChiaveStato).toByteArray());
}

TFinestraPianta::~TFinestraPianta() = default;

void TFinestraPianta::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Prima di comparire la vista non ha ancora la sua misura: si adatta quando ce l'ha.
    if (!e->spontaneous())
        QTimer::singleShot(0, this, &TFinestraPianta::AdattaAlFoglio);
}

void TFinestraPianta::closeEvent(QCloseEvent* e)
{
    QSettings impostazioni;
    impostazioni.setValue(ChiaveGeometria, saveGeometry());
    impostazioni.setValue(ChiaveStato, saveState());
    QMainWindow::closeEvent(e);
}

void TFinestraPianta::creaComandi()
{
    auto* barra = addToolBar(tr("Pianta"));
    barra->setObjectName(QStringLiteral("BarraPianta"));
    auto* importa = barra->addAction(tr("Importa sfondo..."));
    importa->setObjectName(QStringLiteral("ImportaSfondo"));
    importa->setToolTip(tr("Disegno DXF, pagina PDF o immagine PNG/JPEG come sfondo del piano"));
    connect(importa, &QAction::triggered, this, [this] {
        const QString percorso
            = ScegliFile ? ScegliFile(tr("Importa sfondo"), tr("Piante (*.dxf *.pdf *.png *.jpg *.jpeg)")) : QString();
        if (!percorso.isEmpty())
            ImportaSfondo(percorso);
    });
    auto* nuovoPiano = barra->addAction(tr("Nuovo piano..."));
    nuovoPiano->setObjectName(QStringLiteral("NuovoPiano"));
    connect(nuovoPiano, &QAction::triggered, this, [this] {
        const QString nome = ChiediTesto ? ChiediTesto(tr("Nuovo piano"), tr("Nome del piano:")) : QString();
        if (nome.isEmpty())
            return;
        if (!m_piani.contains(nome)) {
            m_piani << nome;
            aggiornaPiani();
        }
        MostraPiano(nome);
    });
    barra->addSeparator();

    m_strumenti = new QActionGroup(this);
    const std::pair<TStrumento, QString> strumenti[] = {
        {TStrumento::Seleziona, tr("Seleziona")},
        {TStrumento::Locale, tr("Locale")},
        {TStrumento::DalDisegno, tr("Dal disegno")},
        {TStrumento::ZonaSenzaTubi, tr("Zona senza tubi")},
        {TStrumento::MuroEsterno, tr("Muro esterno")},
        {TStrumento::Collettore, tr("Collettore")},
        {TStrumento::Scala, tr("Scala")},
    };
    const QString suggerimenti[] = {
        tr("Sposta gli angoli, Canc elimina il contorno, la zona o il collettore scelto"),
        tr("Clic sugli angoli; Invio o clic sul primo angolo chiude, Backspace toglie l'ultimo, Esc annulla"),
        tr("Clic dentro una polilinea chiusa o una regione chiusa dalle linee del disegno"),
        tr("Arredi fissi, piatti doccia, mobili della cucina: clic sugli angoli come per i locali"),
        tr("Clic su un lato di un locale: lo segna (o lo toglie) come muro esterno"),
        tr("Clic dove sta il collettore scelto"),
        tr("Clic su due punti di cui si conosce la distanza reale"),
    };
    int i = 0;
    for (const auto& [s, testo] : strumenti) {
        auto* a = barra->addAction(testo);
        a->setCheckable(true);
        a->setData(int(s));
        a->setToolTip(suggerimenti[i++]);
        a->setObjectName(QStringLiteral("Strumento%1").arg(int(s)));
        a->setChecked(s == m_strumento);
        m_strumenti->addAction(a);
    }
    connect(m_strumenti, &QActionGroup::triggered, this,
            [this](QAction* a) { ImpostaStrumento(TStrumento(a->data().toInt())); });
    barra->addSeparator();

    m_comboLocale = new QComboBox(barra);
    m_comboLocale->setObjectName(QStringLiteral("ComboLocale"));
    m_comboLocale->setToolTip(tr("Locale del prossimo contorno"));
    m_comboLocale->setMinimumContentsLength(18);
    barra->addWidget(new QLabel(tr(" Locale: "), barra));
    barra->addWidget(m_comboLocale);
    m_comboCollettore = new QComboBox(barra);
    m_comboCollettore->setObjectName(QStringLiteral("ComboCollettore"));
    m_comboCollettore->addItems(m_collettori);
    barra->addWidget(new QLabel(tr(" Collettore: "), barra));
    barra->addWidget(m_comboCollettore);
    m_griglia = new QDoubleSpinBox(barra);
    m_griglia->setObjectName(QStringLiteral("PassoGriglia"));
    m_griglia->setRange(0, 10);
    m_griglia->setDecimals(2);
    m_griglia->setSingleStep(0.05);
    m_griglia->setSuffix(tr(" m"));
    m_griglia->setSpecialValueText(tr("nessuna"));
    m_griglia->setValue(m_passoGriglia);
    m_griglia->setToolTip(tr("Passo della griglia di aggancio"));
    barra->addWidget(new QLabel(tr(" Griglia: "), barra));
    barra->addWidget(m_griglia);
    connect(m_griglia, &QDoubleSpinBox::valueChanged, this, [this](double v) { m_passoGriglia = v; });
    auto* angoli = barra->addAction(tr("45°"));
    angoli->setObjectName(QStringLiteral("AgganciaAngoli"));
    angoli->setCheckable(true);
    angoli->setChecked(m_agganciaAngoli);
    angoli->setToolTip(tr("Lati a 0, 45 e 90 gradi"));
    connect(angoli, &QAction::toggled, this, [this](bool si) { m_agganciaAngoli = si; });

    auto* vista = addToolBar(tr("Vista"));
    vista->setObjectName(QStringLiteral("BarraVista"));
    auto* adatta = vista->addAction(tr("Adatta"));
    adatta->setObjectName(QStringLiteral("Adatta"));
    adatta->setShortcut(QKeySequence(Qt::Key_F));
    adatta->setToolTip(tr("Mostra tutto il foglio (F)"));
    connect(adatta, &QAction::triggered, this, &TFinestraPianta::AdattaAlFoglio);
    auto* indietro = m_annulla->createUndoAction(this, tr("Annulla"));
    indietro->setShortcut(QKeySequence::Undo);
    auto* avanti = m_annulla->createRedoAction(this, tr("Ripeti"));
    avanti->setShortcut(QKeySequence::Redo);
    vista->addAction(indietro);
    vista->addAction(avanti);
}

void TFinestraPianta::creaLivelli()
{
    auto* dock = new QDockWidget(tr("Livelli"), this);
    dock->setObjectName(QStringLiteral("DockLivelli"));
    m_livelli = new QListWidget(dock);
    m_livelli->setObjectName(QStringLiteral("Livelli"));
    dock->setWidget(m_livelli);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    connect(m_livelli, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const TPiano* pp = piano();
        const int i = m_livelli->row(item);
        if (m_aggiornando || !pp || i < 0 || i >= pp->sfondo.disegno.livelli.size())
            return;
        TPianta copia = m_pianta;
        pianoCopia(copia).sfondo.disegno.livelli[i].visibile = item->checkState() == Qt::Checked;
        cambia(copia, item->checkState() == Qt::Checked ? tr("Mostra livello") : tr("Nascondi livello"));
    });
}

TValoriPianta TFinestraPianta::Valori() const
{
    return TValoriLocali::Calcola(m_pianta, CollettoreDi, LarghezzaMarginale);
}

void TFinestraPianta::ImpostaLocali(const QList<TLocalePianta>& locali)
{
    m_locali = locali;
    aggiornaPiani();
    aggiornaLocali();
    m_vista->update();
}

void TFinestraPianta::ImpostaCollettori(const QStringList& collettori)
{
    m_collettori = collettori;
    m_comboCollettore->clear();
    m_comboCollettore->addItems(collettori);
}

void TFinestraPianta::aggiornaPiani()
{
    std::set<QString> nomi(m_piani.begin(), m_piani.end());
    for (const TLocalePianta& l : m_locali)
        nomi.insert(l.piano);
    for (const TPiano& p : m_pianta.piani)
        nomi.insert(p.piano);
    if (nomi.empty())
        nomi.insert(QString());
    m_piani = QStringList(nomi.begin(), nomi.end());
    m_aggiornando = true;
    while (m_tabPiani->count() > 0)
        m_tabPiani->removeTab(0);
    for (const QString& p : m_piani)
        m_tabPiani->addTab(p.isEmpty() ? tr("(senza piano)") : tr("Piano %1").arg(p));
    m_tabPiani->setCurrentIndex(std::max(0, int(m_piani.indexOf(m_piano))));
    m_aggiornando = false;
}

void TFinestraPianta::aggiornaLocali()
{
    const int scelto = m_comboLocale->currentData().toInt();
    m_comboLocale->clear();
    for (const TLocalePianta& l : m_locali)
        if (l.piano == m_piano)
            m_comboLocale->addItem(QStringLiteral("%1 %2").arg(l.id).arg(l.descrizione).trimmed(), l.id);
    if (NuovoLocale)
        m_comboLocale->addItem(tr("Nuovo locale..."), -1);
    const int i = m_comboLocale->findData(scelto);
    m_comboLocale->setCurrentIndex(i >= 0 ? i : 0);
}

void TFinestraPianta::aggiornaLivelli()
{
    m_aggiornando = true;
    m_livelli->clear();
    if (const TPiano* pp = piano())
        for (const TLivello& l : pp->sfondo.disegno.livelli) {
            auto* item = new QListWidgetItem(l.nome, m_livelli);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(l.visibile ? Qt::Checked : Qt::Unchecked);
        }
    m_aggiornando = false;
}

void TFinestraPianta::aggiornaSfondo()
{
    const TPiano* pp = piano();
    const TSfondo sfondo = pp ? pp->sfondo : TSfondo {};
    if (m_mostrato && m_pianoMostrato == m_piano && sfondo == m_sfondoMostrato)
        return;
    const bool stessoDisegno
        = m_mostrato && m_pianoMostrato == m_piano && sfondo.disegno.spezzate == m_sfondoMostrato.disegno.spezzate;
    m_mostrato = true;
    m_pianoMostrato = m_piano;
    m_sfondoMostrato = sfondo;
    m_segmenti = sfondo.disegno.Segmenti();
    m_regioni.clear();
    m_regioniPronte = false;
    double risoluzione = 1;
    const QImage immagine = immagineSfondo(sfondo, &risoluzione);
    if (stessoDisegno)
        m_vista->SfondoCambiato(sfondo, immagine, risoluzione);
    else
        m_vista->ImpostaSfondo(sfondo, immagine, risoluzione);
    aggiornaLivelli();
}

void TFinestraPianta::MostraPiano(const QString& piano)
{
    annullaDisegno();
    m_selTipo = 0;
    m_piano = piano;
    if (!m_piani.contains(piano)) {
        m_piani << piano;
        aggiornaPiani();
    }
    m_aggiornando = true;
    m_tabPiani->setCurrentIndex(int(m_piani.indexOf(piano)));
    m_aggiornando = false;
    aggiornaLocali();
    aggiornaSfondo();
    AdattaAlFoglio();
}

void TFinestraPianta::ImpostaStrumento(TStrumento s)
{
    annullaDisegno();
    m_strumento = s;
    for (QAction* a : m_strumenti->actions())
        a->setChecked(a->data().toInt() == int(s));
    m_vista->setCursor(s == TStrumento::Seleziona ? Qt::ArrowCursor : Qt::CrossCursor);
    statusBar()->showMessage(m_strumenti->actions().value(int(s))->toolTip());
    m_vista->update();
}

void TFinestraPianta::ImpostaLocale(int id)
{
    m_comboLocale->setCurrentIndex(std::max(0, m_comboLocale->findData(id)));
}

void TFinestraPianta::ImpostaCollettore(const QString& nome)
{
    m_comboCollettore->setCurrentIndex(std::max(0, m_comboCollettore->findText(nome)));
}

void TFinestraPianta::ImpostaPassoGriglia(double metri)
{
    m_griglia->setValue(metri);
}

void TFinestraPianta::ImpostaAgganciaAngoli(bool si)
{
    if (auto* a = findChild<QAction*>(QStringLiteral("AgganciaAngoli")))
        a->setChecked(si);
}

void TFinestraPianta::AdattaAlFoglio()
{
    QRectF limiti;
    if (const TPiano* pp = piano()) {
        limiti = pp->sfondo.disegno.Limiti();
        if (pp->sfondo.tipo == TSfondo::TTipo::Immagine || pp->sfondo.tipo == TSfondo::TTipo::Pdf) {
            double risoluzione = 1;
            const QImage im = immagineSfondo(pp->sfondo, &risoluzione);
            const QRectF r(0, 0, im.width() / risoluzione, im.height() / risoluzione);
            limiti |= pp->sfondo.Trasformazione().mapRect(r);
        }
        for (const TContornoLocale& c : pp->locali)
            limiti |= c.contorno.boundingRect();
        for (const QPolygonF& z : pp->zoneSenzaTubi)
            limiti |= z.boundingRect();
        for (const QPointF& c : pp->collettori)
            limiti |= QRectF(c, QSizeF(0.01, 0.01));
    }
    if (limiti.isNull())
        limiti = QRectF(0, 0, 10, 10);
    m_vista->Adatta(limiti);
}

void TFinestraPianta::cambia(const TPianta& nuova, const QString& testo)
{
    if (nuova == m_pianta)
        return;
    m_annulla->push(new TComandoPianta(this, m_pianta, nuova, testo));
}

void TFinestraPianta::applica(const TPianta& pianta)
{
    m_pianta = pianta;
    m_selTipo = 0;
    m_vertice = -1;
    aggiornaPiani();
    aggiornaSfondo();
    m_vista->update();
    Q_EMIT PiantaModificata(m_pianta, Valori());
}
