#include "posa/finestre/Ufinestraposa.h"
#include "posa/finestre/Udisegnoposa.h"

#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "progetto/Uposaprogetto.h"
#include "progetto/Ustato.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString Metri(double v)
{
    return NumeroSchermo(v, 1);
}

QTableWidgetItem* Cella(const QString& testo, bool numero)
{
    auto* c = new QTableWidgetItem(testo);
    c->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (numero)
        c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}
} // namespace

TFinestraPosa::TFinestraPosa(TStatoProgetto& stato, QWidget* parent)
    : QDialog(parent)
    , m_stato(stato)
{
    setObjectName(QStringLiteral("FinestraPosa"));
    setWindowTitle(tr("Posa dei circuiti"));
    resize(1280, 640);
    ComboSchema = new QComboBox(this);
    ComboSchema->setObjectName(QStringLiteral("ComboSchema"));
    ComboSchema->addItems({tr("Spirale bifilare"), tr("Serpentina")});
    ComboSchema->setCurrentIndex(stato.Posa.Schema == TSchemaPosa::Serpentina ? 1 : 0);
    CheckLunghezze = new QCheckBox(tr("Lunghezze dal disegno"), this);
    CheckLunghezze->setObjectName(QStringLiteral("CheckLunghezze"));
    CheckLunghezze->setToolTip(tr("Collettori, perdite di carico, matasse, distinta, etichette e rapporto usano il "
                                  "totale misurato di ogni circuito posato invece della lunghezza dimensionata"));
    CheckLunghezze->setChecked(stato.Posa.LunghezzeDalDisegno);
    Tabella = new QTableWidget(this);
    Tabella->setObjectName(QStringLiteral("TabellaPosa"));
    Tabella->setColumnCount(Dimensionata + 1);
    Tabella->setHorizontalHeaderLabels({tr("Circuito"), tr("Locale"), tr("Piano"), tr("Collettore"), tr("Schema"),
                                        tr("Passo [cm]"), tr("Anello [m]"), tr("Collegamenti [m]"), tr("Totale [m]"),
                                        tr("Dimensionata [m]")});
    Tabella->horizontalHeader()->setSectionResizeMode(Circuito, QHeaderView::Stretch);
    Tabella->verticalHeader()->hide();
    Tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    LabelNote = new QLabel(this);
    LabelNote->setObjectName(QStringLiteral("LabelNote"));
    LabelNote->setWordWrap(true);

    auto* sopra = new QHBoxLayout;
    sopra->addWidget(new QLabel(tr("Schema del progetto:"), this));
    sopra->addWidget(ComboSchema);
    sopra->addSpacing(24);
    sopra->addWidget(CheckLunghezze);
    sopra->addStretch();
    TabPiani = new QTabBar(this);
    TabPiani->setObjectName(QStringLiteral("TabPiani"));
    Disegno = new TDisegnoPosa(this);
    auto* destra = new QWidget(this);
    auto* ld = new QVBoxLayout(destra);
    ld->setContentsMargins(0, 0, 0, 0);
    ld->addWidget(TabPiani);
    ld->addWidget(Disegno, 1);
    auto* divisore = new QSplitter(this);
    divisore->addWidget(Tabella);
    divisore->addWidget(destra);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 1);
    auto* l = new QVBoxLayout(this);
    l->addLayout(sopra);
    l->addWidget(divisore, 1);
    l->addWidget(LabelNote);

    connect(ComboSchema, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_stato.Posa.Schema = i == 1 ? TSchemaPosa::Serpentina : TSchemaPosa::Spirale;
        modificato();
    });
    connect(CheckLunghezze, &QCheckBox::toggled, this, [this](bool si) {
        m_stato.Posa.LunghezzeDalDisegno = si;
        modificato();
    });
    connect(Tabella, &QTableWidget::cellDoubleClicked, this, [this](int riga, int colonna) {
        if (colonna == Schema)
            cambiaSchemaLocale(riga);
    });
    connect(TabPiani, &QTabBar::currentChanged, this, &TFinestraPosa::mostraPiano);
    connect(Tabella, &QTableWidget::itemSelectionChanged, this, &TFinestraPosa::rigaScelta);
    connect(Disegno, &TDisegnoPosa::circuitoScelto, this, &TFinestraPosa::circuitoScelto);
    const auto riga = [this](int circuito) {
        return int(m_circuitoRiga.indexOf(std::pair {TabPiani->currentIndex(), circuito}));
    };
    connect(Disegno, &TDisegnoPosa::ingressoScelto, this,
            [this, riga](int circuito, QPointF punto) { ImpostaIngresso(riga(circuito), punto); });
    connect(Disegno, &TDisegnoPosa::ingressoAutomatico, this,
            [this, riga](int circuito) { ImpostaIngresso(riga(circuito), std::nullopt); });
    Aggiorna();
}

void TFinestraPosa::mostraPiano(int indice)
{
    if (indice < 0 || indice >= m_posa.size())
        return;
    const TPiano* piano = m_stato.Pianta.Piano(m_posa[indice].piano);
    Disegno->Mostra(piano ? *piano : TPiano {}, m_posa[indice]);
    rigaScelta();
}

void TFinestraPosa::rigaScelta()
{
    const int riga = Tabella->currentRow();
    if (riga < 0 || riga >= m_circuitoRiga.size() || !Tabella->item(riga, 0)->isSelected()) {
        Disegno->Evidenzia(-1);
        return;
    }
    const auto [piano, circuito] = m_circuitoRiga[riga];
    if (piano != TabPiani->currentIndex()) {
        TabPiani->setCurrentIndex(piano); // ridisegna il piano e torna qui
        return;
    }
    Disegno->Evidenzia(circuito);
}

void TFinestraPosa::circuitoScelto(int circuito)
{
    const int riga = int(m_circuitoRiga.indexOf(std::pair {TabPiani->currentIndex(), circuito}));
    if (riga >= 0)
        Tabella->selectRow(riga);
}

void TFinestraPosa::ImpostaIngresso(int riga, std::optional<QPointF> punto)
{
    if (riga < 0 || riga >= m_circuitoRiga.size())
        return;
    const auto [piano, circuito] = m_circuitoRiga[riga];
    const TCircuitoPiano& c = m_posa[piano].circuiti[circuito];
    const QString chiave = TImpostazioniPosa::ChiaveIngresso(c.ID, c.zona == u'm', c.numero);
    if (punto)
        m_stato.Posa.Ingressi.insert(chiave, *punto);
    else if (!m_stato.Posa.Ingressi.remove(chiave))
        return;
    modificato();
}

void TFinestraPosa::modificato()
{
    // Le lunghezze cambiano: il prossimo ricalcolo rifà i locali e le liste dei collettori.
    m_stato.Dati().ProgettoModificato = true;
    m_stato.Dati().LocaliModificati = true;
    Aggiorna();
}

void TFinestraPosa::cambiaSchemaLocale(int riga)
{
    if (riga < 0 || riga >= m_idRiga.size())
        return;
    const int id = m_idRiga[riga];
    const bool spirale = Tabella->item(riga, Schema)->data(Qt::UserRole).toInt() == int(TSchemaPosa::Spirale);
    const TSchemaPosa nuovo = spirale ? TSchemaPosa::Serpentina : TSchemaPosa::Spirale;
    if (nuovo == m_stato.Posa.Schema)
        m_stato.Posa.SchemiLocali.remove(id);
    else
        m_stato.Posa.SchemiLocali.insert(id, nuovo);
    modificato();
}

void TFinestraPosa::Aggiorna()
{
    // Le lunghezze dimensionate, anche quando il progetto usa già quelle misurate.
    QVector<TLocaleCalc> dimensionati = m_stato.RisultatiLocali;
    m_stato.PavRad.CalcolaLocali(dimensionati);
    std::swap(dimensionati, m_stato.RisultatiLocali);
    m_posa = PosaProgetto(m_stato);
    std::swap(dimensionati, m_stato.RisultatiLocali);
    const QList<TPosaPiano>& piani = m_posa;

    const double massima = m_stato.Dati().AuxDGenerali->FieldByName(QStringLiteral("LUNGMAX")).AsFloat();
    const int rigaScelta = Tabella->currentRow();
    const QSignalBlocker fermo(Tabella);
    Tabella->setRowCount(0);
    m_idRiga.clear();
    m_circuitoRiga.clear();
    QStringList note, avvisi;
    int oltre = 0;
    for (int n = 0; n < piani.size(); ++n) {
        const TPosaPiano& p = piani[n];
        note << p.nonPosati;
        avvisi << p.avvisi;
        for (int k = 0; k < p.circuiti.size(); ++k) {
            const TCircuitoPiano& c = p.circuiti[k];
            if (!c.Posato())
                continue;
            const int r = Tabella->rowCount();
            Tabella->insertRow(r);
            m_idRiga << c.ID;
            m_circuitoRiga << std::pair {n, k};
            Tabella->setItem(r, Circuito, Cella(c.nome, false));
            Tabella->setItem(r, Locale, Cella(QString::number(c.ID), true));
            Tabella->setItem(r, Piano, Cella(p.piano, false));
            Tabella->setItem(r, Collettore, Cella(c.collettore, false));
            auto* schema = Cella(c.schema == TSchemaPosa::Spirale ? tr("spirale") : tr("serpentina"), false);
            schema->setData(Qt::UserRole, int(c.schema));
            schema->setToolTip(tr("Doppio clic: cambia lo schema di questo locale"));
            Tabella->setItem(r, Schema, schema);
            Tabella->setItem(r, Passo, Cella(NumeroSchermo(c.passo * 100, 1), true));
            Tabella->setItem(r, Anello, Cella(Metri(c.Anello()), true));
            Tabella->setItem(r, Collegamenti, Cella(Metri(c.Collegamenti()), true));
            auto* totale = Cella(Metri(c.Totale()), true);
            if (massima > 0 && c.Totale() > massima) {
                totale->setForeground(Qt::red);
                totale->setToolTip(tr("Oltre la lunghezza massima dei circuiti (%1 m)").arg(massima));
                ++oltre;
            }
            Tabella->setItem(r, Totale, totale);
            Tabella->setItem(r, Dimensionata, Cella(NumeroSchermo(c.lunghezzaDimensionata, 0), true));
        }
    }
    QString testo = tr("%n circuiti posati", nullptr, Tabella->rowCount());
    if (oltre > 0)
        testo += tr("; %n oltre la lunghezza massima", nullptr, oltre);
    if (!note.isEmpty())
        testo += u'\n' + tr("Non posati: ") + note.join(QStringLiteral("; "));
    if (!avvisi.isEmpty())
        testo += u'\n' + tr("Avvisi: ") + avvisi.join(QStringLiteral("; "));
    LabelNote->setText(testo);
    aggiornaPiani(rigaScelta);
}

void TFinestraPosa::aggiornaPiani(int riga)
{
    const int prima = TabPiani->currentIndex();
    {
        const QSignalBlocker fermo(TabPiani);
        while (TabPiani->count() > 0)
            TabPiani->removeTab(0);
        for (const TPosaPiano& p : m_posa)
            TabPiani->addTab(tr("Piano %1").arg(p.piano));
        TabPiani->setCurrentIndex(std::clamp(prima, 0, int(m_posa.size()) - 1));
    }
    // Le linguette aggiunte a finestra nascosta non rifanno da sole la misura della barra.
    TabPiani->updateGeometry();
    mostraPiano(TabPiani->currentIndex());
    if (riga >= 0 && riga < Tabella->rowCount())
        Tabella->selectRow(riga);
}
