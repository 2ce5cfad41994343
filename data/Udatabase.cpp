#include "data/Udatabase.h"

#include "data/Ucatalogo.h"
#include "data/Uerrori.h"
#include "data/Ufilenormale.h"
#include "data/Uscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace {
std::atomic<int> contatoreConnessioni {0};

QString leggiRisorsa(const QString& nome)
{
    QFile f(nome);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

TDati::TDati(QObject* parent)
    : QObject(parent)
{
    Q_INIT_RESOURCE(data);
    setObjectName(QStringLiteral("Dati"));
    m_nomeConnessione = QStringLiteral("Dati%1").arg(contatoreConnessioni++);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nomeConnessione);

    Catalogo = nuova(QStringLiteral("Catalogo"), QStringLiteral("CATALOGO"), {}, true);
    Isolante = nuova(QStringLiteral("Isolante"), QStringLiteral("ISOLANTE"), {}, true);
    RivestimentoF = nuova(QStringLiteral("RivestimentoF"), QStringLiteral("RIVESTIMENTOF"), {}, true);
    Strutture = nuova(QStringLiteral("Strutture"), QStringLiteral("STRUTTURE"), {}, true);
    Solette = nuova(QStringLiteral("Solette"), QStringLiteral("SOLETTE"), {}, true);
    Tubo = nuova(QStringLiteral("Tubo"), QStringLiteral("DESCRTUBO"), {}, true);
    Collettori = nuova(QStringLiteral("Collettori"), QStringLiteral("DESCRCOLL"), {}, true);
    TERMAMB = nuova(QStringLiteral("TERMAMB"), QStringLiteral("TERMAMB"), {}, true);
    REGAMB = nuova(QStringLiteral("REGAMB"), QStringLiteral("REGAMB"), {}, true);
    COLLCALD = nuova(QStringLiteral("COLLCALD"), QStringLiteral("COLLCALDAIA"), {}, true);
    ATTUATORI = nuova(QStringLiteral("ATTUATORI"), QStringLiteral("ATTUATORI"), {}, true);
    REGELETTRO = nuova(QStringLiteral("REGELETTRO"), QStringLiteral("DESCRREGOL"), {}, true);

    AuxInfo = nuova(QStringLiteral("AuxInfo"), QStringLiteral("AuxInfo"));
    AuxDGenerali = nuova(QStringLiteral("AuxDGenerali"), QStringLiteral("AuxDGenerali"));
    AuxLocali = nuova(QStringLiteral("AuxLocali"), QStringLiteral("AuxLocali"), QStringLiteral("ID"));
    AuxCollettori = nuova(QStringLiteral("AuxCollettori"), QStringLiteral("AuxCollettori"));
    AuxPrev = nuova(QStringLiteral("AuxPrev"), QStringLiteral("AuxPrev"));
    AuxCompAgg = nuova(QStringLiteral("AuxCompAgg"), QStringLiteral("AuxCompAgg"));
    AuxCircuiti = nuova(QStringLiteral("AuxCircuiti"), QStringLiteral("AuxCircuiti"));
    AuxRotoli = nuova(QStringLiteral("AuxRotoli"), QStringLiteral("AuxRotoli"));
    AuxRegol = nuova(QStringLiteral("AuxRegol"), QStringLiteral("AuxRegol"));

    // Campi derivati: mostrano la descrizione del catalogo per la chiave memorizzata.
    AuxLocali->AggiungiRicerca(0, QStringLiteral("TipoRiv"), QStringLiteral("Rivestimento"), RivestimentoF,
                               QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE"));
    AuxCollettori->AggiungiRicerca(0, QStringLiteral("TipoColl"), QStringLiteral("Descrizione"), Collettori,
                                   QStringLiteral("RIF"), QStringLiteral("DESCRIZIONE"));

    Query1 = new TQuery(m_db, this);
    Query1->setObjectName(QStringLiteral("Query1"));
    QCompAgg = new TQuery(m_db, this);
    QCompAgg->setObjectName(QStringLiteral("QCompAgg"));
    Query2 = new TQuery(m_db, this);
    Query2->setObjectName(QStringLiteral("Query2"));

    InstallaRegole();
    DGeneraliModificati = false;
    LocaliModificati = false;
    // Ogni riga scritta o cancellata in una tabella del progetto è una modifica da salvare;
    // AuxPrev no: i documenti la ricostruiscono ogni volta e il file non la contiene.
    for (TTabella* t : {AuxInfo, AuxDGenerali, AuxLocali, AuxCollettori, AuxCompAgg, AuxCircuiti, AuxRotoli, AuxRegol})
        connect(t, &TTabella::registrata, this, [this] { ProgettoModificato = true; });
}

TDati::~TDati()
{
    ChiudiTutto();
    Disconnetti();
    // I dataset tengono copie della connessione: vanno distrutti prima di rimuoverla.
    qDeleteAll(findChildren<TDataSet*>());
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_nomeConnessione);
}

TTabella* TDati::nuova(const QString& oggetto, const QString& fisica, const QString& ordine, bool catalogo)
{
    auto* t = new TTabella(m_db, fisica, ordine, this);
    t->setObjectName(oggetto);
    t->ImpostaSolaLettura(catalogo);
    return t;
}

QString TDati::PercorsoCatalogo()
{
    const QString env = qEnvironmentVariable("TVLITA");
    if (!env.isEmpty())
        return env;
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(dir).filePath(QStringLiteral("tvlita.db"));
}

bool TDati::Connetti()
{
    if (m_db.isOpen())
        return true;
    m_errore.clear();
    const QString catalogo = PercorsoCatalogo();
    if (const TFileNormale file = EsaminaFile(catalogo); !file.Ok()) {
        m_errore = file.tipo == TFileNormale::NonEsiste
            ? tr("Catalogo \"TVLITA\" non trovato: %1").arg(QDir::toNativeSeparators(catalogo))
            : tr("Catalogo \"TVLITA\": \"%1\" %2").arg(QDir::toNativeSeparators(catalogo), file.motivo);
        return false;
    }
    // Il database principale è in memoria e privato: vi stanno le tabelle di lavoro, così due
    // copie del programma non possono mai toccare l'una il progetto dell'altra.
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    if (!m_db.open()) {
        m_errore = TestoErroreDatabase(m_db.lastError());
        return false;
    }
    QSqlQuery att(m_db);
    att.prepare(QStringLiteral("ATTACH DATABASE ? AS catalogo"));
    att.addBindValue(QUrl::fromLocalFile(QFileInfo(catalogo).absoluteFilePath()).toString()
                     + QStringLiteral("?mode=ro"));
    if (!att.exec()) {
        m_errore = tr("Il catalogo non si può leggere: %1.").arg(TestoErroreDatabase(att.lastError()));
        m_db.close();
        return false;
    }
    if (!EseguiScriptSql(m_db, leggiRisorsa(QStringLiteral(":/data/lavoro.sql")), &m_errore)) {
        m_db.close();
        return false;
    }
    return true;
}

QString TDati::ProblemaCatalogo()
{
    const QFileInfo file(PercorsoCatalogo());
    const TFileNormale tipo = EsaminaFile(file.filePath());
    QString motivo;
    if (tipo.tipo == TFileNormale::NonEsiste)
        motivo = tr("Il file non esiste.");
    else if (!tipo.Ok())
        motivo = tr("Il percorso %1.").arg(tipo.motivo);
    else if (file.size() == 0)
        motivo = tr("Il file è vuoto.");
    else {
        TDati prova;
        if (!prova.ApriTutto())
            motivo = prova.UltimoErrore();
    }
    if (motivo.isEmpty())
        return {};
    return tr("Impossibile aprire il catalogo \"TVLITA\":\n%1\n\n%2\n\nPer usare un altro catalogo "
              "impostare la variabile d'ambiente TVLITA con il suo percorso, per esempio:\n"
              "TVLITA=/percorso/tvlita.db termovela")
        .arg(QDir::toNativeSeparators(file.absoluteFilePath()), motivo);
}

void TDati::Disconnetti()
{
    ChiudiTutto();
    if (m_db.isOpen())
        m_db.close();
}

bool TDati::Connesso() const
{
    return m_db.isOpen();
}

QVector<TTabella*> TDati::Tabelle() const
{
    return {Catalogo,  Isolante,     RivestimentoF, Strutture,     Solette, Tubo,       Collettori,
            AuxInfo,   AuxDGenerali, AuxLocali,     AuxCollettori, AuxPrev, AuxCompAgg, AuxCircuiti,
            AuxRotoli, AuxRegol,     REGAMB,        COLLCALD,      TERMAMB, REGELETTRO, ATTUATORI};
}

QVector<TTabella*> TDati::TabelleMultiRecord() const
{
    return {AuxLocali, AuxCollettori, AuxPrev, AuxCompAgg, AuxCircuiti, AuxRotoli};
}

bool TDati::ApriTutto()
{
    ChiudiTutto();
    if (!Connetti())
        return false;
    // Ogni tabella e colonna che il programma legge, prima di aprirne una.
    if (const TVerificaCatalogo v = VerificaCatalogo(m_db); !v.Ok()) {
        m_errore = v.Testo();
        m_db.close();
        return false;
    }
    const auto multi = TabelleMultiRecord();
    for (TTabella* t : Tabelle()) {
        if (!t->Open()) {
            m_errore = tr("Il catalogo non si può leggere: tabella %1, %2.")
                           .arg(t->NomeTabella(), TestoErroreDatabase(t->UltimoErroreSql()));
            return false;
        }
        if (multi.contains(t))
            t->Svuota();
    }
    // Le tabelle a record singolo restano sul loro record.
    for (TTabella* t : {AuxInfo, AuxDGenerali, AuxRegol})
        t->First();
    return true;
}

void TDati::ChiudiTutto()
{
    for (TTabella* t : Tabelle())
        if (t->Active()) {
            t->Cancel();
            t->Close();
        }
    for (TQuery* q : {Query1, QCompAgg, Query2})
        q->Close();
}

bool TDati::Cerca(const QString& tabella, const QString& colonna, const QVariant& valore)
{
    // Nomi di tabella e colonna vengono dal codice, mai dall'utente; il valore è un parametro.
    Query1->Close();
    Query1->SetSQL(QStringLiteral("SELECT * FROM \"%1\" WHERE \"%2\"=?").arg(tabella, colonna), {valore});
    return Query1->Open() && !Query1->IsEmpty();
}
