// Percorsi che non sono file e dischi che cedono, visti dall'utente: il messaggio dice che cos'è il
// percorso e la causa dell'errore in italiano, nessun comando si blocca su una pipe; una distinta
// a cui il catalogo non dà una riga lo dice ed esce con 3.
#include "aiuti/DiscoPieno.h"
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"
#include "data/Ufilenormale.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
const QString MsgCaricamento
    = QStringLiteral("Errore durante il caricamento!\n\nIl file di programma potrebbe essere stato cancellato!");

struct TEsito
{
    int codice = -1; // -1: non finito entro il tempo o caduto
    QString uscita, errori;
};

// tvl con argomenti e ambiente dati; preparazione (limite dei file, utente) prima dell'avvio.
TEsito Tvl(const QStringList& argomenti, const QString& catalogo = {},
           const std::function<void(QProcess&)>& preparazione = {})
{
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (!catalogo.isEmpty())
        ambiente.insert(QStringLiteral("TVLITA"), catalogo);
    p.setProcessEnvironment(ambiente);
    if (preparazione)
        preparazione(p);
    p.start(QDir::current().filePath(QStringLiteral("tvl")), argomenti);
    TEsito e;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return e;
    }
    e.uscita = QString::fromUtf8(p.readAllStandardOutput());
    e.errori = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() == QProcess::NormalExit)
        e.codice = p.exitCode();
    return e;
}
} // namespace

class TstErrori : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;
    QString progetto; // un progetto vero sul catalogo installato, con i collettori confermati
    QString tipoCollettore;
    int attacchi = 0;

    // Il progetto completo di tests/dati: il primo collettore, V220HJ, ha tre circuiti.
    void creaProgetto()
    {
        tipoCollettore = QStringLiteral("V220HJ");
        attacchi = 3;
        progetto = cartella.filePath(QStringLiteral("progetto.tvl"));
        QVERIFY(QFile::copy(QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath("tests/dati/completo.tvl"), progetto));
        // Leggibile anche da chi non è il proprietario (la prova del permesso negato).
        QFile::setPermissions(cartella.path(), QFile::permissions(cartella.path()) | QFileDevice::ExeOther);
        QFile::setPermissions(progetto,
                              QFile::permissions(progetto) | QFileDevice::ReadOther | QFileDevice::WriteOwner);
    }

    // Una copia del catalogo installato con delle righe tolte.
    QString catalogoSenza(const QString& nome, const QStringList& istruzioni)
    {
        const QString file = cartella.filePath(nome + QStringLiteral(".db"));
        QFile::remove(file);
        if (!QFile::copy(qEnvironmentVariable("TVLITA"), file))
            return {};
        bool ok = true;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(file);
            ok = db.open();
            for (const QString& sql : istruzioni)
                ok = ok && QSqlQuery(db).exec(sql);
            db.close();
        }
        QSqlDatabase::removeDatabase(nome);
        return ok ? file : QString();
    }

    QString primoValore(const QString& sql, const QVariantList& parametri)
    {
        const QString nome = QStringLiteral("lettura");
        QString valore;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(qEnvironmentVariable("TVLITA"));
            if (db.open()) {
                QSqlQuery q(db);
                q.prepare(sql);
                for (const QVariant& p : parametri)
                    q.addBindValue(p);
                if (q.exec() && q.next())
                    valore = q.value(0).toString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(nome);
        return valore;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        creaProgetto();
    }

    void cleanup() { QVERIFY(registro.Controlla()); }

    // Una cartella, una pipe, un dispositivo, un collegamento circolare o interrotto: tvl dice che
    // cos'è, subito; la lettura di un progetto non si apre nemmeno (una pipe la bloccherebbe).
    void percorsiCheNonSonoFile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("cartella") << "cartella" << int(TFileNormale::Cartella) << "è una cartella";
        QTest::newRow("pipe") << "pipe" << int(TFileNormale::Speciale) << "non è un file normale (è una pipe)";
        QTest::newRow("/dev/zero") << "/dev/zero" << int(TFileNormale::Speciale)
                                   << "non è un file normale (è un dispositivo)";
        QTest::newRow("collegamento circolare")
            << "ciclo" << int(TFileNormale::Collegamento) << "è un collegamento simbolico circolare";
        QTest::newRow("collegamento interrotto") << "interrotto" << int(TFileNormale::Collegamento)
                                                 << "è un collegamento simbolico a un file che non esiste";
        QTest::newRow("mancante") << "mancante" << int(TFileNormale::NonEsiste) << "non esiste";
        QTest::newRow("file normale") << "normale" << int(TFileNormale::Normale) << "";
    }
    void percorsiCheNonSonoFile()
    {
        QFETCH(QString, caso);
        QFETCH(int, tipo);
        QFETCH(QString, motivo);
        QTemporaryDir d;
        QString p = d.filePath(QStringLiteral("progetto.tvl"));
        if (caso == "cartella")
            QVERIFY(QDir().mkpath(p));
        else if (caso == "pipe")
            QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {p}), 0);
        else if (caso == "/dev/zero")
            p = caso;
        else if (caso == "ciclo")
            QVERIFY(QFile::link(p, p + ".altro") && QFile::link(p + ".altro", p));
        else if (caso == "interrotto")
            QVERIFY(QFile::link(d.filePath(QStringLiteral("spostato.tvl")), p));
        else if (caso == "normale")
            QVERIFY(QFile::copy(progetto, p));

        const TFileNormale esame = EsaminaFile(p);
        QCOMPARE(int(esame.tipo), tipo);
        QCOMPARE(esame.motivo, motivo);
        if (caso == "normale")
            return;

        const QString atteso = caso == "mancante" ? QStringLiteral("il file \"%1\" non esiste").arg(p)
                                                  : QStringLiteral("\"%1\" %2").arg(p, motivo);
        for (const char* comando : {"info", "calcola", "distinta"}) {
            const TEsito e = Tvl({QLatin1String(comando), p});
            QCOMPARE(e.codice, 1);
            QCOMPARE(e.errori, QStringLiteral("tvl %1: %2\n").arg(QLatin1String(comando), atteso));
        }
        TDati dati;
        QVERIFY(dati.ApriTutto());
        TStatoProgetto stato(dati);
        QVERIFY(!LeggiProgetto(stato, p));
        VERIFICA_MESSAGGIO(registro, MsgCaricamento, TIcona::Domanda);
    }

    // Esportazione e documenti su un disco che cede: il messaggio nomina la causa in italiano,
    // nessun testo inglese di sistema ("Unknown error", "Permission denied") arriva all'utente.
    void erroriDiScrittura_data()
    {
        QTest::addColumn<QStringList>("comando"); // %1 = file da scrivere
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("causa");
        const QList<QPair<QString, QString>> guasti = {
            {"tmpfs pieno", "spazio su disco esaurito"},
            {"tmpfs con 2 KiB liberi", "spazio su disco esaurito"},
            {"file oltre il limite", "il file supera la dimensione massima consentita"},
            {"tmpfs in sola lettura", "il disco è in sola lettura"},
            {"cartella senza permesso di scrittura", "permesso negato"},
        };
        for (const auto& [guasto, causa] : guasti) {
            // I locali in .csv sono poche centinaia di byte: 2 KiB liberi bastano.
            if (!guasto.contains("2 KiB"))
                QTest::addRow("esporta .csv, %s", qPrintable(guasto))
                    << QStringList {"esporta", "PROGETTO", "%1"} << "locali.csv" << guasto << causa;
            QTest::addRow("esporta .xlsx, %s", qPrintable(guasto))
                << QStringList {"esporta", "PROGETTO", "%1"} << "locali.xlsx" << guasto << causa;
            QTest::addRow("documento, %s", qPrintable(guasto))
                << QStringList {"documento", "rapporto", "PROGETTO", "-o", "%1", "--non-aprire"} << "rapporto.xlsx"
                << guasto << causa;
        }
    }
    void erroriDiScrittura()
    {
        QFETCH(QStringList, comando);
        QFETCH(QString, nome);
        QFETCH(QString, guasto);
        QFETCH(QString, causa);
        TDiscoPiccolo disco;
        QTemporaryDir altra;
        const bool suTmpfs = guasto.startsWith("tmpfs");
        if (suTmpfs && !disco.Montato())
            QSKIP("mount -t tmpfs non è permesso su questa macchina");
        const QString file = suTmpfs ? disco.Percorso(nome) : altra.filePath(nome);
        std::function<void(QProcess&)> preparazione;
        if (guasto == "tmpfs pieno")
            QVERIFY(disco.Riempi());
        else if (guasto == "tmpfs con 2 KiB liberi")
            QVERIFY(disco.Riempi(2048));
        else if (guasto == "tmpfs in sola lettura")
            QVERIFY(disco.SolaLettura());
        else if (guasto == "file oltre il limite")
            preparazione = [](QProcess& p) { TLimiteFile::PerFiglio(p, 100); };
        else {
            // La cartella è di chi esegue il test, senza scrittura per gli altri; root scrive
            // ovunque, quindi tvl gira con l'utente "nobody".
            QVERIFY(QFile::setPermissions(altra.path(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther));
            if (::getuid() == 0)
                preparazione = [](QProcess& p) {
                    p.setChildProcessModifier([] {
                        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                            ::_exit(99);
                    });
                };
            else
                QVERIFY(QFile::setPermissions(altra.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        QStringList argomenti = comando;
        argomenti.replaceInStrings("PROGETTO", progetto);
        argomenti.replaceInStrings("%1", file);
        const TEsito e = Tvl(argomenti, {}, preparazione);
        QCOMPARE(e.codice, 1);
        const QString atteso = QStringLiteral("Impossibile scrivere il file \"%1\": %2.").arg(file, causa);
        QVERIFY2(e.errori.contains(atteso), qPrintable(e.errori));
        for (const char* inglese : {"Unknown error", "Permission denied", "No space", "Read-only", "too large"})
            QVERIFY2(!e.errori.contains(QLatin1String(inglese)), qPrintable(e.errori));
        QVERIFY(!QFile::exists(file));
    }

    // Il progetto vero sul catalogo installato non manca di nulla (uscita 0, nessun avviso); tolte
    // le righe del collettore, della sua cassetta o del supporto, distinta e preventivo si fanno
    // lo stesso, dicono che cosa manca ed escono con 3.
    void distintaIncompleta_data()
    {
        QTest::addColumn<QStringList>("istruzioni");
        QTest::addColumn<QString>("mancanza"); // %1 tipo, %2 attacchi, %3 cassetta, %4 supporto
        QTest::newRow("catalogo completo") << QStringList() << "";
        QTest::newRow("articoli del collettore")
            << QStringList {"DELETE FROM COLLETTORI WHERE RIF='%1' AND ATTACCHI=%2"}
            << "il collettore %1 con %2 attacchi (tabella COLLETTORI)";
        QTest::newRow("cassetta") << QStringList {"DELETE FROM CASSETTE WHERE MISURA='%3'"}
                                  << "la cassetta %3 del collettore %1 (tabella CASSETTE)";
        QTest::newRow("supporto") << QStringList {"DELETE FROM CASSACC WHERE CODICE='%4'"}
                                  << "il supporto %4 della cassetta %3 (tabella CASSACC)";
    }
    void distintaIncompleta()
    {
        QFETCH(QStringList, istruzioni);
        QFETCH(QString, mancanza);
        const QString cassetta = primoValore(QStringLiteral("SELECT CASS FROM COLLETTORI WHERE RIF=? AND ATTACCHI=?"),
                                             {tipoCollettore, attacchi});
        const QString supporto
            = primoValore(QStringLiteral("SELECT SUPPORTO FROM CASSETTE WHERE MISURA=?"), {cassetta});
        QVERIFY(!cassetta.isEmpty() && !supporto.isEmpty());
        const auto sostituisci = [&](QString t) {
            return t.replace("%1", tipoCollettore)
                .replace("%2", QString::number(attacchi))
                .replace("%3", cassetta)
                .replace("%4", supporto);
        };
        QStringList sql;
        for (const QString& i : istruzioni)
            sql << sostituisci(i);
        const QString catalogo = catalogoSenza(QStringLiteral("variante"), sql);
        QVERIFY(!catalogo.isEmpty());

        const QString documento = cartella.filePath(QStringLiteral("preventivo.xlsx"));
        QFile::remove(documento);
        const TEsito distinta = Tvl({QStringLiteral("distinta"), progetto}, catalogo);
        const TEsito preventivo = Tvl({QStringLiteral("documento"), QStringLiteral("preventivo"), progetto,
                                       QStringLiteral("-o"), documento, QStringLiteral("--non-aprire")},
                                      catalogo);
        QVERIFY(distinta.uscita.contains(QStringLiteral("Totale delle voci con prezzo")));
        QVERIFY(QFile::exists(documento));
        if (mancanza.isEmpty()) {
            QCOMPARE(distinta.codice, 0);
            QCOMPARE(distinta.errori, QString());
            QCOMPARE(preventivo.codice, 0);
            QCOMPARE(preventivo.errori, QString());
            return;
        }
        // Il punto dei messaggi della riga di comando mette il messaggio su una riga.
        const QString avviso = QStringLiteral("Orvanti S.p.A.: Nel catalogo mancano righe che la distinta dei "
                                              "materiali richiede:  - %1  Le voci corrispondenti mancano nel "
                                              "documento o vi compaiono senza descrizione e prezzo: completare il "
                                              "catalogo.\n")
                                   .arg(sostituisci(mancanza));
        QCOMPARE(distinta.codice, 3);
        QCOMPARE(distinta.errori, avviso);
        QCOMPARE(preventivo.codice, 3);
        QCOMPARE(preventivo.errori, avviso);
    }
};

QTEST_GUILESS_MAIN(TstErrori)
#include "tst_errori.moc"
