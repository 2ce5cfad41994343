// Il catalogo installato: i codici su cui poggiano le regole e le distinte, prezzi, capitolati,
// immagini e valori fisici plausibili, letti attraverso il modulo dati come li legge il programma.
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using Righe = QList<QVariantList>;

class TstCatalogo : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TDati* dati = nullptr;
    QString m_errore;

    // Tutte le righe di una query; i valori sono sempre parametri.
    bool leggi(const QString& sql, const QVariantList& parametri, Righe& righe)
    {
        righe.clear();
        QSqlQuery q(dati->Database());
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            m_errore = sql + QStringLiteral(": ") + q.lastError().text();
            return false;
        }
        for (const QVariant& p : parametri)
            q.addBindValue(p);
        if (!q.exec()) {
            m_errore = sql + QStringLiteral(": ") + q.lastError().text();
            return false;
        }
        const int colonne = q.record().count();
        while (q.next()) {
            QVariantList r;
            for (int i = 0; i < colonne; ++i)
                r << q.value(i);
            righe << r;
        }
        return true;
    }

    QStringList colonna(const QString& sql, const QVariantList& parametri = {})
    {
        Righe righe;
        QStringList valori;
        if (leggi(sql, parametri, righe))
            for (const auto& r : righe)
                valori << r.value(0).toString();
        return valori;
    }

    static QString cartellaImmagini()
    {
        return QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath(QStringLiteral("installazione/Immagini"));
    }

    // Giri di apertura scritti come "3", "1/2" o "1 1/2".
    static double giri(const QString& testo)
    {
        double totale = 0;
        for (const QString& parte : testo.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList frazione = parte.split(u'/');
            bool ok = false;
            const double n = frazione[0].toDouble(&ok);
            if (!ok)
                return -1;
            totale += frazione.size() == 2 ? n / frazione[1].toDouble() : n;
        }
        return totale;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TVL_SORGENTI"), "TVL_SORGENTI non impostata");
        dati = new TDati(this);
        QVERIFY2(dati->Connetti(), qPrintable(dati->UltimoErrore()));
        QVERIFY2(dati->ApriTutto(), qPrintable(dati->UltimoErrore()));
    }

    void cleanup() { registro.Controlla(); }

    // Una copia del catalogo installato, cambiata da istruzioni SQL.
    static bool variante(const QString& origine, const QString& file, const QStringList& istruzioni)
    {
        if (!QFile::copy(origine, file))
            return false;
        bool ok = true;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "variante");
            db.setDatabaseName(file);
            ok = db.open();
            for (const QString& sql : istruzioni) {
                QSqlQuery q(db);
                if (ok && !q.exec(sql)) {
                    qWarning() << sql << q.lastError().text();
                    ok = false;
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase("variante");
        return ok;
    }
    // Le istruzioni che lasciano a una tabella solo le colonne date (anche senza quelle di un indice).
    static QStringList soloColonne(const QString& tabella, const QStringList& restano)
    {
        return {QStringLiteral("CREATE TABLE NUOVA AS SELECT %1 FROM %2").arg(restano.join(u','), tabella),
                QStringLiteral("DROP TABLE %1").arg(tabella),
                QStringLiteral("ALTER TABLE NUOVA RENAME TO %1").arg(tabella)};
    }

    // All'avvio un catalogo mancante, vuoto, guasto, incompleto o che non è un file normale dà un
    // solo messaggio con il file, il motivo (la tabella che manca) e come indicarne un altro; quello
    // buono nessuno. I comandi di tvl rifiutano lo stesso catalogo con lo stesso motivo.
    void catalogoAllAvvio_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QStringList>("istruzioni");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("buono") << "buono" << QStringList() << "";
        QTest::newRow("mancante") << "mancante" << QStringList() << "Il file non esiste.";
        QTest::newRow("vuoto") << "vuoto" << QStringList() << "Il file è vuoto.";
        QTest::newRow("cartella") << "cartella" << QStringList() << "Il percorso è una cartella.";
        QTest::newRow("pipe") << "pipe" << QStringList() << "Il percorso non è un file normale (è una pipe).";
        QTest::newRow("/dev/zero") << "/dev/zero" << QStringList()
                                   << "Il percorso non è un file normale (è un dispositivo).";
        QTest::newRow("collegamento circolare")
            << "ciclo" << QStringList() << "Il percorso è un collegamento simbolico circolare.";
        QTest::newRow("non SQLite") << "guasto" << QStringList()
                                    << "Il catalogo non si può leggere: il file non è un database.";
        QTest::newRow("SQLite senza le tabelle")
            << "senza tabelle" << QStringList()
            << "Il catalogo non si può leggere: il file non contiene le tabelle di un catalogo.";
        QTest::newRow("troncato") << "troncato" << QStringList()
                                  << "Il catalogo non si può leggere: il file è danneggiato.";
        QTest::newRow("pagine rovinate") << "rovinato" << QStringList()
                                         << "Il catalogo non si può leggere: il file è danneggiato.";
        for (const char* t : {"CATALOGO", "ISOLANTE", "RIVESTIMENTOF", "STRUTTURE", "SOLETTE", "DESCRTUBO", "TUBO",
                              "DESCRCOLL", "KV", "COLLETTORI", "CASSETTE", "CASSACC", "COLLACC", "TERMAMB", "REGAMB",
                              "COLLCALDAIA", "ATTUATORI", "DESCRREGOL", "REGELETTRO"})
            QTest::addRow("senza %s", t) << "variante" << QStringList {QStringLiteral("DROP TABLE %1").arg(t)}
                                         << QStringLiteral("Il catalogo è incompleto: manca la tabella %1.").arg(t);
        QTest::newRow("senza due tabelle")
            << "variante" << QStringList {"DROP TABLE CASSETTE", "DROP TABLE COLLACC"}
            << "Il catalogo è incompleto:\n- manca la tabella CASSETTE;\n- manca la tabella COLLACC.";
        QTest::newRow("TUBO senza CONF") << "variante"
                                         << soloColonne("TUBO",
                                                        {"RIF", "CODICE", "DESCRIZIONE", "REFERENZA", "\"D EST\"",
                                                         "SPESSORE", "ADATTATORI", "REFADATT", "REFCURVE", "CAPITOLATO",
                                                         "FOTO"})
                                         << "Il catalogo è incompleto: nella tabella TUBO manca la colonna CONF.";
        QTest::newRow("COLLACC senza PRIORITA e QUANT")
            << "variante" << soloColonne("COLLACC", {"RIF", "CODICE", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"})
            << "Il catalogo è incompleto: nella tabella COLLACC mancano le colonne PRIORITA, QUANT.";
        QTest::newRow("DESCRCOLL senza KVTA")
            << "variante" << soloColonne("DESCRCOLL", {"ID", "DESCRIZIONE", "RIF"})
            << "Il catalogo è incompleto: nella tabella DESCRCOLL manca la colonna KVTA.";
    }
    void catalogoAllAvvio()
    {
        QFETCH(QString, caso);
        QFETCH(QStringList, istruzioni);
        QFETCH(QString, motivo);
        const QByteArray prima = qgetenv("TVLITA");
        const QString installato = QString::fromLocal8Bit(prima);
        QTemporaryDir cartella;
        QString file = cartella.filePath("tvlita.db");
        if (caso == "buono") {
            file = installato;
        } else if (caso == "cartella") {
            QVERIFY(QDir().mkpath(file));
        } else if (caso == "pipe") {
            QCOMPARE(QProcess::execute("mkfifo", {file}), 0);
        } else if (caso == "/dev/zero") {
            file = caso;
        } else if (caso == "ciclo") {
            QVERIFY(QFile::link(file + ".altro", file));
            QVERIFY(QFile::link(file, file + ".altro"));
        } else if (caso == "variante") {
            QVERIFY(variante(installato, file, istruzioni));
        } else if (caso == "senza tabelle") {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "senza tabelle");
                db.setDatabaseName(file);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec("CREATE TABLE ALTRO (X INTEGER)"));
                db.close();
            }
            QSqlDatabase::removeDatabase("senza tabelle");
        } else if (caso != "mancante") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QFile buono(installato);
            QVERIFY(buono.open(QIODevice::ReadOnly));
            if (caso == "guasto")
                f.write(QByteArray(8192, 'x'));
            if (caso == "troncato")
                f.write(buono.read(buono.size() / 3));
            // Intestazione e schema intatti, la seconda metà delle pagine sovrascritta.
            if (caso == "rovinato")
                f.write(buono.read(buono.size() / 2) + QByteArray(buono.size() - buono.size() / 2, '\xA5'));
        }
        qputenv("TVLITA", file.toLocal8Bit());
        const QString problema = TDati::ProblemaCatalogo();
        qputenv("TVLITA", prima);
        if (motivo.isEmpty()) {
            QCOMPARE(problema, QString());
            return;
        }
        QCOMPARE(problema,
                 "Impossibile aprire il catalogo \"TVLITA\":\n" + QDir::toNativeSeparators(file) + "\n\n" + motivo
                     + "\n\nPer usare un altro catalogo impostare la variabile d'ambiente TVLITA con il suo percorso, "
                       "per esempio:\nTVLITA=/percorso/tvlita.db termovela");
        // Il motivo arriva tutto nel messaggio: nessun altro messaggio.
        QCOMPARE(registro.Quanti(), 0);
        if (!motivo.startsWith("Il catalogo"))
            return;
        // tvl catalogo elenca e dice che cosa manca; un comando su un progetto non parte.
        const auto tvl = [&](const QStringList& argomenti, QByteArray& uscita) {
            QProcess p;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert("TVLITA", file);
            p.setProcessEnvironment(ambiente);
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(QDir::current().filePath("tvl"), argomenti);
            if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
                return -1;
            uscita = p.readAll();
            return p.exitCode();
        };
        QByteArray uscita;
        QCOMPARE(tvl({"catalogo"}, uscita), 1);
        QVERIFY2(QString::fromUtf8(uscita).contains(motivo), uscita.constData());
        QCOMPARE(tvl({"info", QDir::current().filePath("nuovosr.nv")}, uscita), 1);
        QCOMPARE(QString::fromUtf8(uscita), "tvl info: " + motivo + "\n");
    }

    // I tipi dichiarati nello schema arrivano al dataset come tipi di campo.
    void tipiDeiCampi_data()
    {
        QTest::addColumn<QString>("oggetto");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("dimensione");
        const auto riga = [](const char* o, const char* c, TTipoCampo t, int dim = 0) {
            QTest::addRow("%s.%s", o, c) << QString::fromLatin1(o) << QString::fromLatin1(c) << int(t) << dim;
        };
        riga("Catalogo", "CODICE", TTipoCampo::Testo, 50);
        riga("Catalogo", "PREZZO", TTipoCampo::Intero);
        riga("Catalogo", "EURO", TTipoCampo::Reale);
        riga("Catalogo", "CAPITOLATO", TTipoCampo::Memo);
        riga("Isolante", "H", TTipoCampo::Intero);
        riga("Isolante", "H EQ", TTipoCampo::Intero);
        riga("Isolante", "INTERASSE", TTipoCampo::Intero);
        riga("Isolante", "CONFEZIONE", TTipoCampo::Reale);
        riga("RivestimentoF", "DESCRIZIONE", TTipoCampo::Testo, 50);
        riga("RivestimentoF", "LAMBDA", TTipoCampo::Reale);
        riga("Tubo", "D EST", TTipoCampo::Reale);
        riga("Tubo", "SPESSORE", TTipoCampo::Reale);
        riga("Tubo", "CONFEZIONE", TTipoCampo::Intero);
        riga("Collettori", "RIF", TTipoCampo::Testo, 10);
        riga("Collettori", "KVTA", TTipoCampo::Reale);
        riga("COLLCALD", "CHECK", TTipoCampo::Intero);
        riga("ATTUATORI", "CHECK", TTipoCampo::Intero);
        riga("ATTUATORI", "TRASFORMATORE", TTipoCampo::Testo, 20);
    }

    void tipiDeiCampi()
    {
        QFETCH(QString, oggetto);
        QFETCH(QString, campo);
        QFETCH(int, tipo);
        QFETCH(int, dimensione);
        auto* t = dati->findChild<TTabella*>(oggetto);
        QVERIFY(t);
        const int i = t->IndiceCampo(campo);
        QVERIFY2(i >= 0, qPrintable(campo));
        QCOMPARE(int(t->DefCampo(i).tipo), tipo);
        if (dimensione > 0)
            QCOMPARE(t->DefCampo(i).dimensione, dimensione);
    }

    // Ogni codice che le regole nominano esiste con il significato che la regola gli dà.
    void codiciDelleRegole_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("parametri");
        const auto riga = [](const char* nome, const char* sql, const QVariantList& p) {
            QTest::newRow(nome) << QString::fromLatin1(sql) << p;
        };
        const char* isolante = "SELECT COUNT(*) FROM ISOLANTE WHERE CODICE = ?";
        riga("pannello V539X771", isolante, {"V539X771"});
        riga("pannello V534X770-", isolante, {"V534X770-"});
        riga("pannello V339EX779_", "SELECT COUNT(*) FROM ISOLANTE WHERE substr(CODICE, 1, 10) = ?", {"V339EX779_"});
        riga("pannello V339EX779-", "SELECT COUNT(*) FROM ISOLANTE WHERE substr(CODICE, 1, 10) = ?", {"V339EX779-"});
        riga("spider V515L con H 1", "SELECT COUNT(*) FROM ISOLANTE WHERE substr(CODICE, 1, 5) = ? AND H = 1",
             {"V515L"});
        riga("spider V515L con altro H", "SELECT COUNT(*) FROM ISOLANTE WHERE substr(CODICE, 1, 5) = ? AND H <> 1",
             {"V515L"});
        riga("H 30", "SELECT COUNT(*) FROM ISOLANTE WHERE H = ?", {30});
        riga("H 1", "SELECT COUNT(*) FROM ISOLANTE WHERE H = ?", {1});
        riga("H 99", "SELECT COUNT(*) FROM ISOLANTE WHERE H = ?", {99});
        riga("H altro", "SELECT COUNT(*) FROM ISOLANTE WHERE H NOT IN (?, ?, ?)", {1, 30, 99});
        riga("modulo 50", "SELECT COUNT(*) FROM ISOLANTE WHERE INTERASSE = ?", {50});
        riga("modulo 75", "SELECT COUNT(*) FROM ISOLANTE WHERE INTERASSE = ?", {75});
        riga("modulo 100", "SELECT COUNT(*) FROM ISOLANTE WHERE INTERASSE = ?", {100});
        const char* tipo = "SELECT COUNT(*) FROM DESCRCOLL WHERE RIF = ?";
        riga("collettore V221", tipo, {"V221"});
        riga("collettore V220HJ", tipo, {"V220HJ"});
        riga("collettore V221V-9", tipo, {"V221V-9"});
        riga("collettore V225", tipo, {"V225"});
        riga("collettore V220L...", "SELECT COUNT(*) FROM DESCRCOLL WHERE substr(RIF, 1, 5) = ?", {"V220L"});
        riga("collettore V221GB...", "SELECT COUNT(*) FROM DESCRCOLL WHERE substr(RIF, 1, 6) = ?", {"V221GB"});
        riga("attuatori J91", "SELECT COUNT(*) FROM REGAMB WHERE substr(CODICE, 1, 3) = ?", {"J91"});
        riga("attuatori per circuito", "SELECT COUNT(*) FROM REGAMB WHERE substr(CODICE, 1, 3) <> ?", {"J91"});
        riga("nessun motore", "SELECT COUNT(*) FROM ATTUATORI WHERE CODICE = ?", {"-"});
        riga("regolatore REG1", "SELECT COUNT(*) FROM DESCRREGOL WHERE RIF = ?", {"REG1"});
        riga("componenti REG1", "SELECT COUNT(*) FROM REGELETTRO WHERE RIFREG = ?", {"REG1"});
        riga("termostati", "SELECT COUNT(*) FROM TERMAMB WHERE CODICE <> ?", {""});
        riga("caldaia e motore compatibili",
             "SELECT COUNT(*) FROM COLLCALDAIA c JOIN ATTUATORI a ON a.\"CHECK\" = c.\"CHECK\" WHERE a.CODICE <> ?",
             {"-"});
        riga("caldaia e motore incompatibili",
             "SELECT COUNT(*) FROM COLLCALDAIA c JOIN ATTUATORI a ON a.\"CHECK\" <> c.\"CHECK\" WHERE a.CODICE <> ?",
             {"-"});
        riga("collettore di caldaia senza motore adatto",
             "SELECT 1 - COUNT(*) FROM COLLCALDAIA c WHERE NOT EXISTS (SELECT 1 FROM ATTUATORI a "
             "WHERE a.\"CHECK\" = c.\"CHECK\" AND a.CODICE <> ?)",
             {"-"});
    }

    void codiciDelleRegole()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, parametri);
        Righe r;
        QVERIFY2(leggi(sql, parametri, r), qPrintable(m_errore));
        QVERIFY(!r.isEmpty());
        QVERIFY2(r[0].value(0).toInt() >= 1, qPrintable(sql));
    }

    // Pannello V539X771 solo con tubi da 16-17 mm, pannello V534X770- solo con il tubo da 25.
    void tubiDelleRegole_data()
    {
        QTest::addColumn<QString>("rif");
        QTest::addColumn<double>("dEstMin");
        QTest::addColumn<double>("dEstMax");
        for (const char* rif :
             {"PEX161", "PEX161-BAO", "PEX162-BAO", "PB161", "PB162", "PB162-BAO", "PERT16-BAO", "PEXAL162"})
            QTest::newRow(rif) << QString::fromLatin1(rif) << 16.0 << 17.0;
        QTest::newRow("PEX25") << QStringLiteral("PEX25") << 25.0 << 25.0;
    }

    void tubiDelleRegole()
    {
        QFETCH(QString, rif);
        QFETCH(double, dEstMin);
        QFETCH(double, dEstMax);
        QVERIFY2(dati->Tubo->Locate(QStringLiteral("RIF"), rif), qPrintable(rif));
        const double dEst = dati->Tubo->FieldByName(QStringLiteral("D EST")).AsFloat();
        const double spessore = dati->Tubo->FieldByName(QStringLiteral("SPESSORE")).AsFloat();
        const double cond = dati->Tubo->FieldByName(QStringLiteral("COND")).AsFloat();
        QVERIFY(dEst >= dEstMin && dEst <= dEstMax);
        QVERIFY(spessore >= 1.5 && spessore <= 3.0);
        QVERIFY(cond >= 0.15 && cond <= 0.6); // plastiche e multistrato, W/mK

        // Più rotoli, tutti con le misure del tipo; l'articolo del tipo è uno dei rotoli.
        Righe rotoli;
        QVERIFY2(leggi(QStringLiteral("SELECT CONF, CODICE, \"D EST\", SPESSORE, ADATTATORI, REFADATT, REFCURVE "
                                      "FROM TUBO WHERE RIF = ? ORDER BY CONF"),
                       {rif}, rotoli),
                 qPrintable(m_errore));
        QVERIFY2(rotoli.size() >= 2, qPrintable(rif));
        QSet<QString> codici;
        int precedente = 0;
        for (const auto& r : rotoli) {
            QVERIFY(r[0].toInt() > precedente); // lunghezze distinte
            precedente = r[0].toInt();
            QVERIFY(precedente >= 50 && precedente <= 1000);
            QCOMPARE(r[2].toDouble(), dEst);
            QCOMPARE(r[3].toDouble(), spessore);
            for (int i = 4; i <= 6; ++i)
                QVERIFY(!r[i].toString().isEmpty());
            codici << r[1].toString();
        }
        QVERIFY(codici.contains(dati->Tubo->FieldByName(QStringLiteral("CODICE")).AsString()));
    }

    // Per ogni tipo di collettore: coefficiente, tabella dei detentori, articoli da 2 a 12
    // attacchi con cassetta e supporto, accessori.
    void collettori_data()
    {
        QTest::addColumn<QString>("tipo");
        Righe tipi;
        QVERIFY2(leggi(QStringLiteral("SELECT RIF FROM DESCRCOLL ORDER BY ID"), {}, tipi), qPrintable(m_errore));
        QVERIFY(tipi.size() >= 6);
        for (const auto& t : tipi)
            QTest::addRow("%s", qPrintable(t[0].toString())) << t[0].toString();
    }

    void collettori()
    {
        QFETCH(QString, tipo);
        QVERIFY(dati->Collettori->Locate(QStringLiteral("RIF"), tipo));
        const double kvta = dati->Collettori->FieldByName(QStringLiteral("KVTA")).AsFloat();
        QVERIFY(kvta > 0.5 && kvta < 10);

        // Letta in ordine di KV: coefficienti e giri crescono insieme.
        Righe kv;
        QVERIFY2(leggi(QStringLiteral("SELECT KV, GIRI FROM KV WHERE COLLETTORE = ? ORDER BY KV"), {tipo}, kv),
                 qPrintable(m_errore));
        QVERIFY(kv.size() >= 3);
        for (int i = 0; i < kv.size(); ++i) {
            QVERIFY(kv[i][0].toDouble() > 0);
            QVERIFY2(giri(kv[i][1].toString()) > 0, qPrintable(kv[i][1].toString()));
            if (i > 0) {
                QVERIFY(kv[i][0].toDouble() > kv[i - 1][0].toDouble());
                QVERIFY(giri(kv[i][1].toString()) > giri(kv[i - 1][1].toString()));
            }
        }

        int larghezzaPrecedente = 0;
        for (int n = 2; n <= 12; ++n) {
            Righe articoli;
            QVERIFY2(leggi(QStringLiteral("SELECT CODICE, CASS, QUANT FROM COLLETTORI WHERE RIF = ? AND ATTACCHI = ? "
                                          "ORDER BY rowid"),
                           {tipo, n}, articoli),
                     qPrintable(m_errore));
            QVERIFY2(!articoli.isEmpty(), qPrintable(QStringLiteral("%1 con %2 attacchi").arg(tipo).arg(n)));
            for (const auto& a : articoli)
                QVERIFY(a[2].toInt() >= 1);
            // La cassetta viene dal primo articolo e regge il collettore con il suo supporto.
            Righe cassetta;
            QVERIFY(leggi(QStringLiteral("SELECT s.CODICE FROM CASSETTE c JOIN CASSACC s ON s.CODICE = c.SUPPORTO "
                                         "WHERE c.MISURA = ?"),
                          {articoli[0][1]}, cassetta));
            QCOMPARE(cassetta.size(), 1);
            const int larghezza = articoli[0][1].toInt();
            QVERIFY2(larghezza >= larghezzaPrecedente, "più attacchi, cassetta non più stretta");
            larghezzaPrecedente = larghezza;
        }
        QVERIFY(colonna(QStringLiteral("SELECT COUNT(*) FROM COLLETTORI WHERE RIF = ? AND (ATTACCHI < 2 OR "
                                       "ATTACCHI > 12)"),
                        {tipo})
                    .value(0)
                == QLatin1String("0"));

        Righe accessori;
        QVERIFY(leggi(QStringLiteral("SELECT PRIORITA, QUANT FROM COLLACC WHERE RIF = ? ORDER BY PRIORITA"), {tipo},
                      accessori));
        QVERIFY(!accessori.isEmpty());
        QSet<int> priorita;
        for (const auto& a : accessori) {
            priorita << a[0].toInt();
            QVERIFY(a[1].toInt() >= 1);
        }
        QCOMPARE(priorita.size(), accessori.size());
    }

    // Ogni articolo che una distinta può elencare ha una riga di listino con prezzo.
    void articoliConPrezzo_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("codici");
        const auto riga = [](const char* nome, const char* sql) {
            QTest::newRow(nome) << QString::fromLatin1(sql) << QStringList();
        };
        riga("rotoli di tubo", "SELECT CODICE FROM TUBO");
        riga("tubo al metro", "SELECT CODICE FROM DESCRTUBO");
        riga("adattatori", "SELECT ADATTATORI FROM TUBO");
        riga("curve guida tubo", "SELECT REFCURVE FROM TUBO");
        riga("pannelli", "SELECT CODICE FROM ISOLANTE");
        riga("collettori", "SELECT CODICE FROM COLLETTORI");
        riga("cassette", "SELECT CODICE FROM CASSETTE");
        riga("supporti", "SELECT SUPPORTO FROM CASSETTE");
        riga("accessori cassette", "SELECT CODICE FROM CASSACC");
        riga("accessori collettori", "SELECT CODICE FROM COLLACC");
        riga("termostati", "SELECT CODICE FROM TERMAMB");
        riga("attuatori ambiente", "SELECT CODICE FROM REGAMB");
        riga("collettori di caldaia", "SELECT CODICE FROM COLLCALDAIA");
        riga("motori miscelatrice", "SELECT CODICE FROM ATTUATORI");
        riga("trasformatori", "SELECT TRASFORMATORE FROM ATTUATORI WHERE TRASFORMATORE <> ''");
        riga("tasselli dei pannelli spider", "SELECT TASSELLO FROM ISOLANTE WHERE CODICE LIKE 'V515L%'");
        riga("componenti regolatori", "SELECT CODICE FROM REGELETTRO");
        QTest::newRow("articoli fissi") << QString() << QStringList {"V536X742",  "J035UX774", "J035X770", "J050X774",
                                                                     "J085EX794", "J018X774",  "J012X794", "V530X770",
                                                                     "V530X764",  "V530X774",  "V530X767"};
    }

    void articoliConPrezzo()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, codici);
        if (!sql.isEmpty())
            codici = colonna(sql);
        QVERIFY2(!codici.isEmpty(), qPrintable(m_errore));
        for (const QString& codice : codici) {
            QVERIFY2(dati->Cerca(QStringLiteral("CATALOGO"), QStringLiteral("CODICE"), codice), qPrintable(codice));
            const TCampo euro = dati->Query1->FieldByName(QStringLiteral("EURO"));
            QVERIFY2(!euro.IsNull(), qPrintable(codice));
            // Solo la voce "nessun motore" costa zero.
            QVERIFY2(codice == QLatin1String("-") ? euro.AsFloat() == 0 : euro.AsFloat() > 0, qPrintable(codice));
            QVERIFY(!dati->Query1->FieldByName(QStringLiteral("DESCRIZIONE")).AsString().isEmpty());
        }
    }

    // Capitolato e immagine per ogni riga da cui un documento li legge; le descrizioni che un
    // documento stampa sono quelle del listino.
    void capitolatoEImmagine_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<bool>("testiDelListino");
        for (const char* t : {"ISOLANTE", "COLLETTORI", "CASSETTE", "CASSACC", "COLLACC", "TERMAMB", "REGAMB",
                              "COLLCALDAIA", "ATTUATORI", "REGELETTRO"})
            QTest::newRow(t) << QString::fromLatin1(t) << true;
        QTest::newRow("TUBO") << QStringLiteral("TUBO") << false;
        QTest::newRow("CATALOGO") << QStringLiteral("CATALOGO") << false;
    }

    void capitolatoEImmagine()
    {
        QFETCH(QString, tabella);
        QFETCH(bool, testiDelListino);
        Righe righe;
        QVERIFY2(leggi(QStringLiteral("SELECT CODICE, CAPITOLATO, FOTO FROM %1").arg(tabella), {}, righe),
                 qPrintable(m_errore));
        QVERIFY(!righe.isEmpty());
        const QDir immagini(cartellaImmagini());
        for (const auto& r : righe) {
            const QString codice = r[0].toString();
            QVERIFY2(r[1].toString().size() >= 40, qPrintable(codice));
            QVERIFY2(r[1].toString().contains(QLatin1String("Orvanti S.p.A.")) || codice == QLatin1String("-"),
                     qPrintable(codice));
            QVERIFY2(r[2].toString().endsWith(QLatin1String(".png")), qPrintable(codice));
            QVERIFY2(QFileInfo(immagini.filePath(r[2].toString())).isFile(), qPrintable(r[2].toString()));
        }
        if (testiDelListino) {
            const QStringList diversi
                = colonna(QStringLiteral("SELECT t.CODICE FROM %1 t LEFT JOIN CATALOGO c ON c.CODICE = t.CODICE "
                                         "WHERE c.CODICE IS NULL OR t.DESCRIZIONE IS NOT c.DESCRIZIONE "
                                         "OR t.REFERENZA IS NOT c.MISURA OR t.CAPITOLATO IS NOT c.CAPITOLATO")
                              .arg(tabella));
            QVERIFY2(diversi.isEmpty(), qPrintable(diversi.join(u' ')));
        }
    }

    // I codici e i testi che il progetto copia nei suoi campi ci stanno per intero.
    void lunghezzeCopiate_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<int>("massimo");
        const auto riga = [](const char* t, const char* c, int m) {
            QTest::addRow("%s.%s", t, c) << QString::fromLatin1(t) << QString::fromLatin1(c) << m;
        };
        riga("STRUTTURE", "CODICE", 15); // COD_MASS
        riga("RIVESTIMENTOF", "CODICE", 15); // COD_RIV
        riga("RIVESTIMENTOF", "DESCRIZIONE", 50);
        riga("SOLETTE", "CODICE", 15); // COD_SOL
        riga("DESCRTUBO", "RIF", 15); // COD_TUBO
        riga("ISOLANTE", "CODICE", 15); // COD_ISOL
        riga("DESCRCOLL", "RIF", 10); // RIF_COLL
        riga("REGAMB", "CODICE", 50); // attuatore
        riga("COLLCALDAIA", "CODICE", 20);
        riga("ATTUATORI", "CODICE", 10); // attmix
        riga("DESCRREGOL", "RIF", 50);
        riga("CATALOGO", "CODICE", 20); // Cod_Esteso delle righe di distinta
        riga("CATALOGO", "DESCRIZIONE", 150);
        riga("CATALOGO", "MISURA", 50);
        riga("TUBO", "REFERENZA", 40); // con " (600 mt)" in coda resta entro 50
    }

    void lunghezzeCopiate()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, colonna);
        QFETCH(int, massimo);
        const QStringList lunghezza
            = this->colonna(QStringLiteral("SELECT MAX(LENGTH(\"%1\")) FROM %2").arg(colonna, tabella));
        QVERIFY2(!lunghezza.isEmpty(), qPrintable(m_errore));
        QVERIFY2(lunghezza[0].toInt() <= massimo, qPrintable(lunghezza[0]));
    }

    // Conduttività dei materiali reali, W/mK.
    void conduttivita_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("codice");
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("massimo");
        const auto riga = [](const char* t, const char* c, double lo, double hi) {
            QTest::addRow("%s %s", t, c) << QString::fromLatin1(t) << QString::fromLatin1(c) << lo << hi;
        };
        riga("RIVESTIMENTOF", "CER", 0.8, 2.0);
        riga("RIVESTIMENTOF", "MARMO", 2.0, 3.6);
        riga("RIVESTIMENTOF", "PARQR", 0.12, 0.25);
        riga("RIVESTIMENTOF", "LAM", 0.12, 0.25);
        riga("RIVESTIMENTOF", "MOQ", 0.04, 0.10);
        riga("RIVESTIMENTOF", "VIN", 0.15, 0.30);
        riga("STRUTTURE", "MCT", 1.0, 1.5);
        riga("STRUTTURE", "MAA", 1.2, 2.2);
        riga("SOLETTE", "CLS", 1.6, 2.6);
        riga("SOLETTE", "LATCEM", 0.4, 1.0);
        riga("SOLETTE", "LEGNO", 0.1, 0.2);
    }

    void conduttivita()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, codice);
        QFETCH(double, minimo);
        QFETCH(double, massimo);
        QVERIFY2(dati->Cerca(tabella, QStringLiteral("CODICE"), codice), qPrintable(codice));
        const double lambda = dati->Query1->FieldByName(QStringLiteral("LAMBDA")).AsFloat();
        QVERIFY2(lambda >= minimo && lambda <= massimo, qPrintable(QString::number(lambda)));
    }

    void materiali()
    {
        // Tutte le conduttività dei pavimenti tra quella della moquette e quella del marmo.
        for (const char* t : {"RIVESTIMENTOF", "STRUTTURE", "SOLETTE"})
            QCOMPARE(colonna(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE NOT (LAMBDA BETWEEN 0.04 AND 3.6)")
                                 .arg(QLatin1String(t)))
                         .value(0),
                     QStringLiteral("0"));
        // I locali scelgono il rivestimento per descrizione: nessun doppione.
        QCOMPARE(
            colonna(QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT UPPER(DESCRIZIONE)) FROM RIVESTIMENTOF")).value(0),
            QStringLiteral("0"));
        // Pannelli: confezione positiva (la distinta divide per essa), isolanti veri.
        QCOMPARE(colonna(QStringLiteral("SELECT COUNT(*) FROM ISOLANTE WHERE NOT (CONFEZIONE > 0 AND COND BETWEEN "
                                        "0.02 AND 0.05 AND \"H EQ\" > 0 AND INTERASSE IN (50, 75, 100))"))
                     .value(0),
                 QStringLiteral("0"));
    }

    void listino()
    {
        Righe r;
        QVERIFY(
            leggi(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT substr(DESCRIZIONE, 1, 1)) FROM CATALOGO"), {}, r));
        QVERIFY2(r[0][0].toInt() >= 150, qPrintable(r[0][0].toString()));
        QVERIFY2(r[0][1].toInt() >= 15, "le schede per iniziale devono trovare articoli");
        QCOMPARE(dati->Catalogo->RecordCount(), r[0][0].toInt());
        // Ogni riga completa; PREZZO è il prezzo in centesimi.
        QVERIFY(leggi(QStringLiteral("SELECT CODICE, PREZZO, EURO, DESCRIZIONE, MISURA FROM CATALOGO"), {}, r));
        for (const auto& a : r) {
            QVERIFY2(!a[3].toString().isEmpty() && !a[4].toString().isEmpty(), qPrintable(a[0].toString()));
            QCOMPARE(a[1].toLongLong(), std::llround(a[2].toDouble() * 100));
        }
    }

    void sfondo()
    {
        QFile f(QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath(QStringLiteral("installazione/tvlbg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray testa = f.read(24);
        QVERIFY(testa.startsWith("\x89PNG\r\n\x1a\n"));
        const auto intero = [&](int pos) {
            return (uchar(testa[pos]) << 24) | (uchar(testa[pos + 1]) << 16) | (uchar(testa[pos + 2]) << 8)
                | uchar(testa[pos + 3]);
        };
        QVERIFY(intero(16) >= 1200); // larghezza
        QVERIFY(intero(20) >= 800); // altezza
    }
};

QTEST_GUILESS_MAIN(TstCatalogo)
#include "tst_catalogo.moc"
