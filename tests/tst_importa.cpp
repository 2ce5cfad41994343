// Locali importati da fogli di calcolo ed esportati: formati dei CSV, cartelle scritte da
// LibreOffice, valori del locale nuovo, righe rifiutate con i messaggi delle regole (e nulla
// importato), andata e ritorno dell'esportazione; file ostili (bombe zip in piccolo con limiti
// piccoli, pipe, /dev/zero, troppe righe), CSV letto a blocchi, "Annulla".
#include "aiuti/ControlloCalc.h"
#include "aiuti/RegistroMessaggi.h"
#include "progetto/Uelenco.h"
#include "progetto/Ulocalifile.h"
#include "data/Udatabase.h"
#include "data/Uprogresso.h"
#include "documents/foglio/Uarchivio.h"
#include "documents/foglio/Ufoglio.h"
#include "en1264/Udati.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

#include <memory>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <sys/stat.h>

namespace {
// Conducibilità dei dati generali, diversa da ogni rivestimento del catalogo: si vede quando un
// locale la prende dai dati generali.
constexpr double LambdaGenerale = 7.77;

const QString NumeroNo = QStringLiteral(
    "Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.");
const QString CaricoNo
    = QStringLiteral("Il valore del Carico Termico è fuori range. Sono accettati valori nel range 1-600 [kW].");

// Intestazione corta usata da più casi.
const QByteArray Corta = "N°;Descrizione;Piano;Area [mq];AreaUtile [mq];CTermico [W];DColl [m]\n";

// Il dispositivo che smette di scrivere dopo n byte, come un disco pieno.
class TDispositivoPieno : public QBuffer
{
public:
    explicit TDispositivoPieno(qint64 n)
        : m_resto(n)
    { }

protected:
    qint64 writeData(const char* dati, qint64 quanti) override
    {
        if (quanti > m_resto)
            return -1;
        m_resto -= quanti;
        return QBuffer::writeData(dati, quanti);
    }

private:
    qint64 m_resto;
};

// L'utente sceglie "Annulla" dopo tanti passi dell'avanzamento.
class TProgressoAnnullato : public TProgresso
{
public:
    explicit TProgressoAnnullato(int passi)
        : m_passi(passi)
    { }
    void Passo() override { --m_passi; }
    void Fine() override { ++fine; }
    bool Annullato() const override { return m_passi <= 0; }
    int fine = 0;

private:
    int m_passi;
};

// Gli avvisi di Qt arrivati durante la sua vita.
class TAvvisiQt
{
public:
    TAvvisiQt() { s_avvisi.clear(), m_precedente = qInstallMessageHandler(Registra); }
    ~TAvvisiQt() { qInstallMessageHandler(m_precedente); }
    QStringList Avvisi() const { return s_avvisi; }

private:
    static void Registra(QtMsgType, const QMessageLogContext&, const QString& testo) { s_avvisi << testo; }
    static inline QStringList s_avvisi;
    QtMessageHandler m_precedente;
};

// Un archivio zip con n parti di byte uguali (si comprimono in poche decine di byte).
QByteArray Zip(int parti, int byte)
{
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    for (int i = 1; i <= parti; ++i) {
        QuaZipFile parte(&zip);
        if (!parte.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("xl/worksheets/sheet%1.xml").arg(i))))
            return {};
        parte.write(QByteArray(byte, ' '));
    }
    zip.close();
    return buffer.data();
}

// La dimensione che ogni parte dell'archivio dichiara, riscritta (un archivio che mente).
QByteArray DichiaraDimensione(QByteArray zip, quint32 dimensione)
{
    const auto scrivi = [&](qsizetype dove) {
        for (int i = 0; i < 4; ++i)
            zip[dove + i] = char((dimensione >> (8 * i)) & 0xFF);
    };
    for (qsizetype i = zip.indexOf("PK\x01\x02"); i >= 0; i = zip.indexOf("PK\x01\x02", i + 4)) {
        scrivi(i + 24);
        const auto locale = qFromLittleEndian<quint32>(zip.constData() + i + 42);
        scrivi(qsizetype(locale) + 22);
    }
    return zip;
}
} // namespace

class TstImporta : public QObject
{
    Q_OBJECT

private:
    TRegistroMessaggi m_reg;
    std::unique_ptr<TDati> m_dati;
    QTemporaryDir m_dir;

    TTabella& loc() { return *m_dati->AuxLocali; }

    QString scrivi(const QString& nome, const QByteArray& contenuto)
    {
        const QString p = m_dir.filePath(nome);
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(contenuto) != contenuto.size())
            qFatal("file di prova non scritto");
        return p;
    }

    // Un locale già nel progetto, scritto come nella griglia.
    void locale(int id)
    {
        loc().Append();
        const QList<QPair<const char*, QVariant>> v
            = {{"ID", id},          {"Descrizione", "Esistente"}, {"Piano", "PT"},     {"Area", 10.0},
               {"AreaUtile", 10.0}, {"AreaMarginale", 0.0},       {"CTermico", 500.0}, {"DistColl", 2}};
        for (const auto& [campo, valore] : v)
            QVERIFY(loc().FieldByName(QLatin1String(campo)).Imposta(valore));
        QVERIFY(loc().Post());
        m_dati->LocaliModificati = false;
    }

    // Ogni locale registrato come testo, nell'ordine della tabella (per numero).
    QStringList locali()
    {
        QStringList righe;
        const QStringList campi
            = {"ID",       "Descrizione",  "Piano",      "TAmbiente", "Area",    "AreaUtile", "AreaMarginale",
               "CTermico", "Rivestimento", "Lambda_Riv", "Spessore",  "DistColl"};
        for (int r = 0; r < loc().RecordCount(); ++r) {
            QStringList valori;
            for (const QString& c : campi) {
                const QVariant v = loc().ValoreRiga(r, loc().IndiceCampo(c));
                valori << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 12) : v.toString());
            }
            righe << valori.join(u'|');
        }
        return righe;
    }

    bool importa(const QString& percorso, QString& messaggio) { return ImportaLocali(*m_dati, percorso, messaggio); }

private Q_SLOTS:
    void init()
    {
        m_dati = std::make_unique<TDati>();
        m_dati->PaginaLocaliVisibile = [] { return false; };
        QVERIFY2(m_dati->ApriTutto(), qPrintable(m_dati->UltimoErrore()));
        TTabella& dg = *m_dati->AuxDGenerali;
        dg.First();
        dg.Edit();
        const QList<QPair<const char*, QVariant>> valori
            = {{"SPESS_MASS", 50}, {"SPESS_SOL", 20}, {"TIPO_RIV", "Ceramica"}, {"LAMBDA_RIV", LambdaGenerale},
               {"SPESS_RIV", 12},  {"TEMPVS", 15},    {"LUNGMAX", 100},         {"DELTAT_MAX", 8}};
        for (const auto& [nome, v] : valori)
            QVERIFY(dg.FieldByName(QLatin1String(nome)).Imposta(v));
        QVERIFY(dg.Post());
        m_dati->DGeneraliModificati = m_dati->LocaliModificati = false;
    }

    void cleanup()
    {
        ImpostaLimitiArchivio(TLimitiArchivio());
        ImpostaLimitiElenco(TLimitiElenco());
        m_dati.reset();
        m_reg.Controlla();
    }

    void importaCsv_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("esistente"); // numero di un locale già presente, 0 nessuno
        QTest::addColumn<QStringList>("attesi");

        QTest::newRow("punto e virgola, virgola decimale, BOM, estremi accettati")
            << QByteArray("\xEF\xBB\xBFN°;Descrizione;Piano;TA [°C];Area [mq];AreaUtile [mq];AreaMarg [mq];"
                          "CTermico [W];TipoRivestimento;Spess. [mm];DColl [m]\n"
                          "1;Soggiorno;PT;21;35,5;33,25;4,5;1.850,75;Gres porcellanato;10;6\n"
                          "2;Bagno;PT;24;6;6;6;600000;Ceramica;8;0\n")
            << 0
            << QStringList {"1|Soggiorno|PT|21|35.5|33.25|4.5|1850.75|Gres porcellanato|1.5|10|6",
                            "2|Bagno|PT|24|6|6|6|600000|Ceramica|1.3|8|0"};
        QTest::newRow("virgola, punto decimale, nomi dei campi, virgolette")
            << QByteArray("ID,Descrizione,Piano,TAmbiente,Area,AreaUtile,AreaMarginale,CTermico,Rivestimento,"
                          "Spessore,DistColl\r\n"
                          "4,\"Camera \"\"padronale\"\", lato nord\",P1,20,16.5,16.5,2.25,820.5,gres porcellanato,"
                          "10,12\r\n")
            << 0
            << QStringList {"4|Camera \"padronale\", lato nord|P1|20|16.5|16.5|2.25|820.5|Gres porcellanato|1.5|10|12"};
        QTest::newRow("tabulazione, Windows-1252, CRLF")
            << QByteArray("N\xB0\tDescrizione\tPiano\tArea [mq]\tCTermico [W]\tDColl [m]\r\n"
                          "3\tCamera pi\xF9 grande\tP1\t18,4\t950\t7\r\n\r\n")
            << 0 << QStringList {"3|Camera più grande|P1|20|18.4|18.4|0|950|Ceramica|7.77|12|7"};
        QTest::newRow("intestazioni in altro ordine, maiuscole, spazi e accenti")
            << QByteArray(" dcoll [M] ;DESCRIZIONE;AREA  [MQ];ctermico;PIANO;n°;Ta [°c];rivestimento;spèss.(mm)\n"
                          "5; Studio ;12;600;P2;9;18;PARQUET IN ROVERE;15\n")
            << 0 << QStringList {"9|Studio|P2|18|12|12|0|600|Parquet in rovere|0.18|15|5"};
        QTest::newRow("colonne mancanti: valori del locale nuovo, numeri dopo l'ultimo")
            << QByteArray("Descrizione;Piano;Area [mq];CTermico [W];DColl [m];Colonna ignota\n"
                          "Cucina;PT;14;700;3;x\n"
                          "Disimpegno;PT;4,5;120;1;y\n")
            << 7
            << QStringList {"7|Esistente|PT|20|10|10|0|500|Ceramica|7.77|12|2",
                            "8|Cucina|PT|20|14|14|0|700|Ceramica|7.77|12|3",
                            "9|Disimpegno|PT|20|4.5|4.5|0|120|Ceramica|7.77|12|1"};
        QTest::newRow("numeri in parte mancanti: dopo il più alto del file")
            << QByteArray(Corta + "\n;A;PT;10;;100;1\n12;B;PT;10;8;100;1\n;C;PT;10;10;100;1\n") << 7
            << QStringList {"7|Esistente|PT|20|10|10|0|500|Ceramica|7.77|12|2",
                            "12|B|PT|20|10|8|0|100|Ceramica|7.77|12|1", "13|A|PT|20|10|10|0|100|Ceramica|7.77|12|1",
                            "14|C|PT|20|10|10|0|100|Ceramica|7.77|12|1"};
    }
    void importaCsv()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, esistente);
        QFETCH(QStringList, attesi);
        if (esistente)
            locale(esistente);
        QString messaggio;
        QVERIFY2(importa(scrivi(QStringLiteral("locali.csv"), contenuto), messaggio), qPrintable(messaggio));
        QCOMPARE(locali(), attesi);
        const int nuovi = int(attesi.size()) - (esistente ? 1 : 0);
        QCOMPARE(messaggio,
                 nuovi == 1 ? QStringLiteral("Importato un locale da \"locali.csv\".")
                            : QStringLiteral("Importati %1 locali da \"locali.csv\".").arg(nuovi));
        QVERIFY(m_dati->LocaliModificati);
        QCOMPARE(loc().State(), TStato::Consultazione);
        // Le regole delle aree tornano a dipendere dalla pagina "Locali" (qui nascosta).
        loc().Edit();
        QVERIFY(loc().FieldByName(QStringLiteral("Area")).Imposta(500.0));
        QCOMPARE(loc().FieldByName(QStringLiteral("AreaUtile")).AsFloat(),
                 loc().ValoreRiga(loc().RecNo(), loc().IndiceCampo(QStringLiteral("AreaUtile"))).toDouble());
        loc().Cancel();
    }

    // Con una riga rifiutata non entra nulla; il messaggio elenca ogni riga con il testo della regola.
    void righeRifiutate_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("atteso");
        const QString inizio = QStringLiteral("Nessun locale importato da \"locali.csv\": %1 righe sono state "
                                              "rifiutate.\n\n");

        QTest::newRow("numero già presente o ripetuto, carico fuori intervallo")
            << QByteArray(Corta + "8;A;PT;10;10;100;1\n7;B;PT;10;10;100;1\n9;C;PT;10;10;600001;1\n8;D;PT;10;10;100;1\n")
            << inizio.arg(3) + QStringLiteral("Riga 3: ") + NumeroNo + QStringLiteral("\nRiga 4: ") + CaricoNo
                + QStringLiteral("\nRiga 5: ") + NumeroNo;
        QTest::newRow("regole delle aree, campi obbligatori, numeri non validi")
            << QByteArray(Corta
                          + "8;A;PT;10;10,5;100;1\n9;;PT;10;10;100;1\n10;C;;10;10;100;1\n11;D;PT;abc;10;100;1\n"
                            "12;E;PT;10;10;100;101\n13;F;PT;10;10;100;\n3,5;G;PT;10;10;100;1\n")
            << inizio.arg(7)
                + QStringLiteral(
                    "Riga 2: L'Area utile deve avere un valore maggiore o uguale a 1 [mq]. Inoltre non deve essere "
                    "superiore all'Area Totale.\n"
                    "Riga 3: Non è stato inserito un valore per il campo Descrizione.\n"
                    "Riga 4: Non è stato inserito un valore per il campo Piano.\n"
                    "Riga 5: 'abc' non è un valore valido per il campo Area.\n"
                    "Riga 6: Il valore della Distanza dal Collettore è fuori range. Sono accettati valori nel range "
                    "0-100 [m].\n"
                    "Riga 7: Non è stato inserito un valore per il campo Distanza dal Collettore\n"
                    "Riga 8: '3,5' non è un valore valido per il campo ID.");
        QTest::newRow("area marginale, testo lungo, rivestimento ignoto, temperatura non intera")
            << QByteArray("N°;Descrizione;Piano;Area [mq];AreaMarg [mq];CTermico [W];DColl [m];Rivestimento;TA [°C]\n"
                          "8;A;Piano terra rialzato;10;;100;1;Ceramica;20\n9;B;PT;10;;100;1;Tatami;20\n"
                          "10;C;PT;10;;100;1;Ceramica;20,5\n11;D;PT;10;10,5;100;1;;20\n")
            << inizio.arg(4)
                + QStringLiteral("Riga 2: Il testo \"Piano terra rialzato\" supera i 10 caratteri del campo Piano.\n"
                                 "Riga 3: Il rivestimento \"Tatami\" non è nel catalogo.\n"
                                 "Riga 4: '20,5' non è un valore valido per il campo TAmbiente.\n"
                                 "Riga 5: L'Area Marginale deve avere un valore maggiore o uguale a 0 [mq]. Deve "
                                 "inoltre essere minore o uguale all'Area Utile.");
        QByteArray molte = Corta;
        QString elenco = inizio.arg(25);
        for (int i = 0; i < 25; ++i) {
            molte += QByteArray::number(100 + i) + ";X;PT;10;10;0;1\n";
            if (i < 20)
                elenco += QStringLiteral("Riga %1: Il valore del Carico Termico è fuori range. Sono accettati valori "
                                         "nel range 1-600 [kW].\n")
                              .arg(i + 2);
        }
        QTest::newRow("oltre venti righe: le altre si contano")
            << molte << elenco + QStringLiteral("... e altre 5 righe rifiutate.");
        QTest::newRow("testi lunghi citati accorciati") << QByteArray(
            Corta + "8;" + QByteArray(100000, 'x') + ";PT;10;10;100;1\n9;B;PT;" + QByteArray(70, '7') + "x;10;100;1\n")
                                                        << inizio.arg(2)
                + QStringLiteral("Riga 2: Il testo \"%1…\" supera i 50 caratteri del campo Descrizione.\n"
                                 "Riga 3: '%2…' non è un valore valido per il campo Area.")
                      .arg(QString(60, u'x'), QString(60, u'7'));
        QTest::newRow("NUL in un testo")
            << QByteArray(Corta + "8;Cu~~cina;PT;10;10;100;1\n9;B;P~;10;10;100;1\n10;C;PT;10;10;100;1\n")
                   .replace('~', '\0')
            << inizio.arg(2)
                + QStringLiteral("Riga 2: Il testo della colonna \"Descrizione\" contiene un carattere nullo (NUL).\n"
                                 "Riga 3: Il testo della colonna \"Piano\" contiene un carattere nullo (NUL).");
        QTest::newRow("una sola riga") << QByteArray(Corta + "8;A;PT;10;10;100;1\n7;B;PT;10;10;100;1\n")
                                       << QStringLiteral("Nessun locale importato da \"locali.csv\": una riga è stata "
                                                         "rifiutata.\n\nRiga 3: ")
                + NumeroNo;
    }
    void righeRifiutate()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, atteso);
        locale(7);
        const QStringList prima = locali();
        QString messaggio;
        QVERIFY(!importa(scrivi(QStringLiteral("locali.csv"), contenuto), messaggio));
        QCOMPARE(messaggio, atteso);
        QCOMPARE(locali(), prima);
        QVERIFY(!m_dati->LocaliModificati);
        QCOMPARE(loc().State(), TStato::Consultazione);
    }

    void fileNonValidi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("contenuto"); // vuoto: il file non esiste
        QTest::addColumn<QString>("atteso"); // "<percorso>" sta per il percorso del file

        QTest::newRow("colonne obbligatorie mancanti")
            << "locali.csv" << QByteArray("Descrizione;Area [mq]\nA;10\n")
            << QStringLiteral(
                   "Il file \"locali.csv\" non è un elenco di locali. Mancano le colonne: Piano, CTermico "
                   "[W], DColl [m].\n\nLa prima riga deve riportare i titoli delle colonne della griglia dei "
                   "locali.");
        QTest::newRow("due colonne per lo stesso dato")
            << "locali.csv" << QByteArray(Corta.trimmed() + ";Rivestimento;TipoRivestimento\n8;A;PT;10;10;100;1;;\n")
            << QStringLiteral("Il file \"locali.csv\" non è un elenco di locali. Le colonne \"Rivestimento\" e "
                              "\"TipoRivestimento\" indicano lo stesso dato.");
        QTest::newRow("solo le intestazioni")
            << "locali.csv" << Corta << QStringLiteral("Il file \"locali.csv\" non contiene locali.");
        QTest::newRow("file mancante") << "manca.csv" << QByteArray()
                                       << QStringLiteral("Impossibile leggere il file \"<percorso>\".\n\nIl percorso "
                                                         "non esiste.");
        QTest::newRow("estensione non accettata")
            << "locali.ods" << QByteArray("x")
            << QStringLiteral("Impossibile leggere il file \"<percorso>\".\n\nSono accettati solo file .csv e .xlsx.");
        QTest::newRow("xlsx che non è una cartella di lavoro")
            << "locali.xlsx" << QByteArray("non sono un foglio") << QStringLiteral("Impossibile leggere il file");
    }
    void fileNonValidi()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, atteso);
        const QString percorso = contenuto.isEmpty() ? m_dir.filePath(nome) : scrivi(nome, contenuto);
        atteso.replace(QLatin1String("<percorso>"), QDir::toNativeSeparators(percorso));
        QString messaggio;
        QVERIFY(!importa(percorso, messaggio));
        QVERIFY2(messaggio == atteso || (atteso.size() < 30 && messaggio.startsWith(atteso)), qPrintable(messaggio));
        QCOMPARE(loc().RecordCount(), 0);
        QVERIFY(!m_dati->LocaliModificati);
    }

    void localeInModifica()
    {
        locale(7);
        loc().Edit();
        QString messaggio;
        QVERIFY(!importa(scrivi(QStringLiteral("locali.csv"), Corta + "8;A;PT;10;10;100;1\n"), messaggio));
        QCOMPARE(
            messaggio,
            QStringLiteral("Un locale è in modifica.\n\nConfermarlo o annullarlo prima di importare altri locali."));
        QCOMPARE(loc().State(), TStato::Modifica);
        QCOMPARE(loc().RecordCount(), 1);
        loc().Cancel();
    }

    // Un .xlsx scritto da LibreOffice (stringhe condivise, numeri come numeri) dà gli stessi
    // locali del CSV da cui è nato.
    void xlsxDiLibreOffice()
    {
        if (TControlloCalc::Soffice().isEmpty())
            QSKIP("soffice non installato");
        const QByteArray csv = "N°,Descrizione,Piano,TA [°C],Area [mq],AreaUtile [mq],AreaMarg [mq],CTermico [W],"
                               "TipoRivestimento,Spess. [mm],DColl [m]\n"
                               "1,Soggiorno è grande,PT,21,35.5,33.25,4.5,1850.75,Gres porcellanato,10,6\n"
                               "2,Bagno,P1,24,6,6,0,600000,Ceramica,8,0\n";
        const QString origine = scrivi(QStringLiteral("calc.csv"), csv);
        QTemporaryDir profilo;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        // Virgola, virgolette, UTF-8, dalla prima riga, numeri all'inglese.
        p.start(TControlloCalc::Soffice(),
                {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profilo.path()).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--norestore"),
                 QStringLiteral("--infilter=CSV:44,34,76,1,,1033"), QStringLiteral("--convert-to"),
                 QStringLiteral("xlsx"), QStringLiteral("--outdir"), m_dir.path(), origine});
        QVERIFY(p.waitForFinished(180000));
        const QString xlsx = m_dir.filePath(QStringLiteral("calc.xlsx"));
        QVERIFY2(QFile::exists(xlsx), p.readAll().constData());

        QString messaggio;
        QVERIFY2(importa(xlsx, messaggio), qPrintable(messaggio));
        const QStringList daXlsx = locali();
        QCOMPARE(daXlsx.size(), 2);
        loc().Svuota();
        QVERIFY2(importa(origine, messaggio), qPrintable(messaggio));
        QCOMPARE(daXlsx, locali());
        QCOMPARE(daXlsx.first(),
                 QStringLiteral("1|Soggiorno è grande|PT|21|35.5|33.25|4.5|1850.75|Gres porcellanato|1.5|10|6"));
    }

    void esportaEReimporta_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("csv") << "esportati.csv";
        QTest::newRow("xlsx") << "esportati.xlsx";
    }
    void esportaEReimporta()
    {
        QFETCH(QString, nome);
        QString messaggio;
        QVERIFY2(importa(scrivi(QStringLiteral("origine.csv"),
                                "N°;Descrizione;Piano;TA [°C];Area [mq];AreaUtile [mq];AreaMarg [mq];CTermico [W];"
                                "TipoRivestimento;Spess. [mm];DColl [m]\n"
                                "1;\"Sala; \"\"grande\"\"\";PT;21;35,125;33,3;4,45;1850,75;Gres porcellanato;10;6\n"
                                "2;Camera più bella;P1;19;0,1e2;10;10;1;Parquet in rovere;15;100\n"
                                "3; spazi ;P1;30;5000;1;0;600000;Ceramica;1;0\n"),
                         messaggio),
                 qPrintable(messaggio));
        const QStringList prima = locali();
        const QString file = m_dir.filePath(nome);
        QVERIFY2(EsportaLocali(*m_dati, file, messaggio), qPrintable(messaggio));
        QCOMPARE(messaggio, QStringLiteral("Esportati 3 locali in \"%1\".").arg(QDir::toNativeSeparators(file)));

        if (nome.endsWith(QLatin1String(".csv"))) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QList<QByteArray> righe = f.readAll().split('\n');
            QCOMPARE(righe.value(0),
                     QByteArray("\xEF\xBB\xBFN°;Descrizione;Piano;TA [°C];Area [mq];AreaUtile [mq];"
                                "AreaMarg [mq];CTermico [W];TipoRivestimento;Spess. [mm];DColl [m]\r"));
            QCOMPARE(righe.value(1),
                     QByteArray("1;\"Sala; \"\"grande\"\"\";PT;21;35,125;33,3;4,45;1850,75;Gres porcellanato;10;6\r"));
        } else if (!TControlloCalc::Soffice().isEmpty()) {
            // Il foglio esportato si apre in Calc con titoli e numeri al loro posto.
            QList<QList<QStringList>> fogli;
            CONVERTI_CON_CALC(file, fogli);
            QCOMPARE(TControlloCalc::Cella(fogli.value(0), QStringLiteral("A1")), QStringLiteral("N°"));
            QCOMPARE(TControlloCalc::Cella(fogli.value(0), QStringLiteral("K1")), QStringLiteral("DColl [m]"));
            QCOMPARE(TControlloCalc::Cella(fogli.value(0), QStringLiteral("B3")), QStringLiteral("Camera più bella"));
        }

        loc().Svuota();
        QVERIFY2(importa(file, messaggio), qPrintable(messaggio));
        QCOMPARE(locali(), prima);
    }

    // "Bagno" e "Carico estivo [W]": facoltative, lette nei dati EN 1264 e riscritte in coda
    // dall'esportazione; un valore illeggibile rifiuta la riga come ogni altra cella.
    void colonneEn1264_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("csv") << "en1264.csv";
        QTest::newRow("xlsx") << "en1264.xlsx";
    }
    void colonneEn1264()
    {
        QFETCH(QString, nome);
        QString messaggio;
        TDatiEn1264 en;
        const QByteArray testa = Corta.chopped(1) + ";Bagno;Carico estivo [W]\n";
        QVERIFY(!ImportaLocali(*m_dati, scrivi(QStringLiteral("rotto.csv"), testa + "1;A;PT;10;10;100;1;forse;0\n"),
                               messaggio, nullptr, &en));
        QVERIFY2(messaggio.contains(QStringLiteral("né Sì né No")), qPrintable(messaggio));
        QCOMPARE(loc().RecordCount(), 0);
        QVERIFY(!ImportaLocali(*m_dati, scrivi(QStringLiteral("rotto.csv"), testa + "1;A;PT;10;10;100;1;;-5\n"),
                               messaggio, nullptr, &en));
        QVERIFY(!en.Usato());

        QVERIFY2(ImportaLocali(*m_dati,
                               scrivi(QStringLiteral("origine.csv"),
                                      Corta.chopped(1)
                                          + ";TA [°C];CEstivo [W];BAGNO;TipoRivestimento\n"
                                            "1;Sala;PT;30;30;1500;4;20;850,5;;Ceramica\n"
                                            "2;Bagno;PT;6;6;600;1;24;;;Ceramica\n"
                                            "3;Lavanderia;PT;5;5;300;1;24;120;No;Ceramica\n"
                                            "4;Studio;P1;12;12;600;2;20;;x;Ceramica\n"),
                               messaggio, nullptr, &en),
                 qPrintable(messaggio));
        const QHash<int, bool> bagni = {{3, false}, {4, true}};
        const QHash<int, float> carichi = {{1, 850.5f}, {3, 120.0f}};
        QCOMPARE(en.Bagni, bagni);
        QCOMPARE(en.CarichiEstivi, carichi);
        const QList<bool> attesi = {false, true, false, true}; // 24 °C senza scelta: bagno
        const auto bagnoDi = [&](const TDatiEn1264& d) {
            QList<bool> b;
            for (int r = 0; r < loc().RecordCount(); ++r)
                b << d.Bagno(loc().ValoreRiga(r, loc().IndiceCampo("ID")).toInt(),
                             float(loc().ValoreRiga(r, loc().IndiceCampo("TAmbiente")).toDouble()));
            return b;
        };
        QCOMPARE(bagnoDi(en), attesi);

        const QString file = m_dir.filePath(nome);
        QVERIFY2(EsportaLocali(*m_dati, file, messaggio, &en), qPrintable(messaggio));
        if (nome.endsWith(QLatin1String(".csv"))) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QList<QByteArray> righe = f.readAll().split('\n');
            QVERIFY(righe.value(0).endsWith(";DColl [m];Bagno;Carico estivo [W]\r"));
            QVERIFY(righe.value(1).endsWith(";No;850,5\r"));
            QVERIFY(righe.value(2).endsWith(";Sì;0\r"));
        }
        // Senza dati EN 1264 l'esportazione resta quella delle colonne della griglia.
        QBuffer senza;
        senza.open(QIODevice::WriteOnly);
        QVERIFY(ScriviLocaliCsv(*m_dati, senza));
        QVERIFY(senza.data().split('\r').value(0).endsWith("DColl [m]"));

        const QStringList prima = locali();
        loc().Svuota();
        TDatiEn1264 letti;
        QVERIFY2(ImportaLocali(*m_dati, file, messaggio, nullptr, &letti), qPrintable(messaggio));
        QCOMPARE(locali(), prima);
        QCOMPARE(bagnoDi(letti), attesi);
        QCOMPARE(letti.CarichiEstivi, carichi);
    }

    // Un foglio con una cella in XFD1048576 (17 miliardi di celle nel rettangolo) si legge subito:
    // si leggono solo le celle scritte, e le colonne oltre la 256ª si ignorano.
    void xlsxConCellaLontana()
    {
        QString messaggio;
        QVERIFY2(importa(scrivi(QStringLiteral("origine.csv"),
                                "Descrizione;Piano;Area [mq];CTermico [W];DColl [m];TipoRivestimento\n"
                                "Sala;PT;20;1000;5;Ceramica\nBagno;PT;12;800;3;Ceramica\n"),
                         messaggio),
                 qPrintable(messaggio));
        const QStringList prima = locali();
        const QString file = m_dir.filePath(QStringLiteral("lontana.xlsx"));
        QVERIFY2(EsportaLocali(*m_dati, file, messaggio), qPrintable(messaggio));
        TFoglio f;
        f.Apri(file);
        f.Foglio(1);
        f.Valore(QStringLiteral("XFD1048576"), "lontano");
        f.Valore(QStringLiteral("IW2"), "oltre la 256ª colonna");
        f.Salva(file);
        loc().Svuota();
        QVERIFY2(importa(file, messaggio), qPrintable(messaggio));
        QCOMPARE(locali(), prima);
    }

    // La scrittura che non riesce si riconosce e lo dice.
    void esportazioneFallita()
    {
        locale(7);
        TDispositivoPieno pieno(40);
        QVERIFY(pieno.open(QIODevice::WriteOnly));
        QVERIFY(!ScriviLocaliCsv(*m_dati, pieno));

        QString messaggio;
        const QString cartellaFinta = scrivi(QStringLiteral("non-cartella"), "x") + QStringLiteral("/locali.csv");
        QVERIFY(!EsportaLocali(*m_dati, cartellaFinta, messaggio));
        QVERIFY2(messaggio.startsWith(QStringLiteral("Impossibile esportare i locali in \"%1\".\n\n")
                                          .arg(QDir::toNativeSeparators(cartellaFinta))),
                 qPrintable(messaggio));
        QVERIFY(!EsportaLocali(*m_dati, m_dir.filePath(QStringLiteral("esportati.ods")), messaggio));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("esportati.ods"))));
    }

    // File che non si devono leggere, o non per intero: il messaggio lo dice, il progetto resta
    // com'era, nessuna riga di Qt sul terminale. Le bombe sono in piccolo, con limiti piccoli.
    void fileOstili_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("tipo"); // come costruire il file
        QTest::addColumn<QString>("atteso"); // parte del messaggio

        QTest::newRow("parte che supera il limite")
            << "bomba.xlsx"
            << "bomba"
            << QStringLiteral("bomba.xlsx\" è troppo grande o danneggiato: la parte \"xl/worksheets/sheet1.xml\" "
                              "supera 64 kB una volta decompressa.");
        QTest::newRow("parti che insieme superano il limite")
            << "bomba.xlsx"
            << "bomba-totale"
            << QStringLiteral(
                   "è troppo grande o danneggiato: le parti superano 192 kB in tutto una volta decompresse.");
        QTest::newRow("troppe parti") << "parti.xlsx"
                                      << "parti"
                                      << QStringLiteral("è troppo grande o danneggiato: contiene più di 4 parti.");
        QTest::newRow("parte più lunga di quanto dichiara")
            << "bugiarda.xlsx"
            << "bugiarda" << QStringLiteral("non è una cartella di lavoro leggibile.");
        QTest::newRow("csv oltre il limite dei byte")
            << "grande.csv"
            << "grande" << QStringLiteral("Il file supera 64 kB: nessun elenco di locali è così grande.");
        QTest::newRow("csv con troppe righe")
            << "lungo.csv"
            << "righe" << QStringLiteral("Il file contiene più di 3 locali: un progetto non ne può avere di più.");
        QTest::newRow("xlsx con troppe righe") << "lungo.xlsx"
                                               << "righe" << QStringLiteral("Il file contiene più di 3 locali");
        QTest::newRow("progetto oltre il limite")
            << "due.csv"
            << "progetto"
            << QStringLiteral("Nessun locale importato da \"due.csv\": il progetto avrebbe 4 locali, più dei 3 che può "
                              "avere.");
        QTest::newRow("pipe") << "pipe.csv"
                              << "pipe" << QStringLiteral("Il percorso non è un file normale (è una pipe).");
        QTest::newRow("collegamento a /dev/zero")
            << "zero.csv"
            << "zero" << QStringLiteral("Il percorso non è un file normale (è un dispositivo).");
        QTest::newRow("cartella") << "cartella.xlsx"
                                  << "cartella" << QStringLiteral("Il percorso è una cartella.");
        QTest::newRow("parti oltre la fine dello zip")
            << "fuori.xlsx"
            << "fuori" << QStringLiteral("non è una cartella di lavoro leggibile.");
        QTest::newRow("zip troncato") << "troncato.xlsx"
                                      << "troncato" << QStringLiteral("non è una cartella di lavoro leggibile.");
    }
    void fileOstili()
    {
        QFETCH(QString, nome);
        QFETCH(QString, tipo);
        QFETCH(QString, atteso);
        locale(7);
        locale(8);
        const QStringList prima = locali();
        const QString percorso = m_dir.filePath(nome);
        QString scarto;
        QByteArray righe = Corta;
        for (int i = 0; i < 4; ++i)
            righe += QByteArray::number(20 + i) + ";Locale;PT;10;10;100;1\n";
        if (tipo == QLatin1String("bomba")) {
            ImpostaLimitiArchivio({64 * 1024, 1 << 20, 100});
            scrivi(nome, Zip(1, 100 * 1024));
        } else if (tipo == QLatin1String("bomba-totale")) {
            ImpostaLimitiArchivio({64 * 1024, 192 * 1024, 100});
            scrivi(nome, Zip(4, 60 * 1024));
        } else if (tipo == QLatin1String("parti")) {
            ImpostaLimitiArchivio({64 * 1024, 1 << 20, 4});
            scrivi(nome, Zip(5, 10));
        } else if (tipo == QLatin1String("bugiarda")) {
            scrivi(nome, DichiaraDimensione(Zip(1, 100 * 1024), 100));
        } else if (tipo == QLatin1String("fuori")) {
            // Ogni parte dice di cominciare oltre la fine del file.
            QVERIFY(EsportaLocali(*m_dati, percorso, scarto));
            QFile letto(percorso);
            QVERIFY(letto.open(QIODevice::ReadOnly));
            QByteArray zip = letto.readAll();
            for (qsizetype k = zip.indexOf("PK\x01\x02"); k >= 0; k = zip.indexOf("PK\x01\x02", k + 4))
                zip.replace(k + 42, 4, "\xff\xff\xff\x7f");
            scrivi(nome, zip);
        } else if (tipo == QLatin1String("troncato")) {
            QVERIFY(EsportaLocali(*m_dati, percorso, scarto));
            QFile zip(percorso);
            QVERIFY(zip.open(QIODevice::ReadWrite) && zip.resize(zip.size() / 2));
        } else if (tipo == QLatin1String("grande")) {
            ImpostaLimitiElenco({64 * 1024, 10000});
            scrivi(nome, Corta + QByteArray(70 * 1024, '\n'));
        } else if (tipo == QLatin1String("righe") || tipo == QLatin1String("progetto")) {
            ImpostaLimitiElenco({1 << 20, 3});
            if (tipo == QLatin1String("progetto"))
                scrivi(nome, Corta + "1;A;PT;10;10;100;1\n2;B;PT;10;10;100;1\n");
            else if (nome.endsWith(QLatin1String(".csv")))
                scrivi(nome, righe);
            else {
                scrivi(QStringLiteral("lungo.csv"), righe);
                ImpostaLimitiElenco({1 << 20, 10});
                QVERIFY(importa(m_dir.filePath(QStringLiteral("lungo.csv")), scarto));
                QVERIFY(EsportaLocali(*m_dati, percorso, scarto));
                loc().Svuota();
                locale(7);
                locale(8);
                ImpostaLimitiElenco({1 << 20, 3});
            }
        } else if (tipo == QLatin1String("pipe")) {
            QCOMPARE(mkfifo(QFile::encodeName(percorso).constData(), 0600), 0);
        } else if (tipo == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), percorso));
        } else if (tipo == QLatin1String("cartella")) {
            QVERIFY(QDir(m_dir.path()).mkdir(nome));
        }
        TAvvisiQt avvisi;
        QString messaggio;
        QVERIFY(!importa(percorso, messaggio));
        QVERIFY2(messaggio.contains(atteso), qPrintable(messaggio));
        QCOMPARE(avvisi.Avvisi(), QStringList());
        QCOMPARE(locali(), prima);
        QVERIFY(!m_dati->LocaliModificati);
    }

    // Il CSV si legge a blocchi: una sequenza UTF-8, un CRLF o una virgoletta doppia a cavallo
    // fra due blocchi, e un byte non UTF-8 dopo il primo blocco (si rilegge in Windows-1252).
    void csvABlocchi_data()
    {
        QTest::addColumn<QByteArray>("riga"); // la riga che cade a cavallo
        QTest::addColumn<QStringList>("celle");
        QTest::newRow("UTF-8") << QByteArray("\"a\"\"b\";pi\xC3\xB9;\xE2\x82\xAC\r\n")
                               << QStringList {"a\"b", "più", "€"};
        QTest::newRow("Windows-1252") << QByteArray("\"a\"\"b\";pi\xF9;\x80\r\n") << QStringList {"a\"b", "più", "€"};
    }
    void csvABlocchi()
    {
        QFETCH(QByteArray, riga);
        QFETCH(QStringList, celle);
        const int blocco = 256 * 1024;
        for (int spostamento = 1; spostamento < riga.size(); ++spostamento) {
            // Intestazione, una riga lunga che porta la riga in esame a cavallo del blocco, la riga.
            QByteArray csv = "A;B;C\n0;";
            csv += QByteArray(blocco - spostamento - csv.size() - 1, 'y') + '\n';
            csv += riga + "z;\"\";w\n";
            TElenco elenco;
            QString errore;
            QVERIFY2(LeggiElencoDa(csv, false, QStringLiteral("blocchi.csv"), elenco, errore), qPrintable(errore));
            QCOMPARE(elenco.righe.size(), size_t(3));
            QCOMPARE(elenco.righe[1].celle, celle);
            QCOMPARE(elenco.righe[1].riga, 3);
            QCOMPARE(elenco.righe[2].celle, (QStringList {"z", "", "w"}));
            QCOMPARE(elenco.righe[2].riga, 4);
        }
    }

    // "Annulla" durante la lettura o il controllo: il progetto resta com'era.
    void annulla_data()
    {
        QTest::addColumn<int>("passi");
        QTest::newRow("durante la lettura") << 1;
        QTest::newRow("durante il controllo") << 700;
    }
    void annulla()
    {
        QFETCH(int, passi);
        locale(7);
        const QStringList prima = locali();
        QByteArray csv = Corta;
        for (int i = 0; i < 3000; ++i)
            csv += QByteArray::number(100 + i) + ";Locale con un nome lungo quanto basta;PT;10;10;100;1\n";
        TProgressoAnnullato progresso(passi);
        QString messaggio;
        QVERIFY(!ImportaLocali(*m_dati, scrivi(QStringLiteral("locali.csv"), csv), messaggio, &progresso));
        QCOMPARE(messaggio, MsgImportazioneAnnullata());
        QCOMPARE(progresso.fine, 1);
        QCOMPARE(locali(), prima);
        QVERIFY(!m_dati->LocaliModificati);
        QCOMPARE(loc().State(), TStato::Consultazione);
    }

    // Un testo che un foglio di calcolo eseguirebbe come formula esce dal CSV con un apostrofo
    // davanti e rientra com'era.
    void testiComeFormule_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("cella"); // nel CSV esportato
        QTest::newRow("uguale") << "=cmd|' /C calc'!A0"
                                << "'=cmd|' /C calc'!A0";
        QTest::newRow("più") << "+39 055 123"
                             << "'+39 055 123";
        QTest::newRow("meno") << "-A1"
                              << "'-A1";
        QTest::newRow("chiocciola") << "@SOMMA(A1)"
                                    << "'@SOMMA(A1)";
        QTest::newRow("tabulazione") << "\t=1"
                                     << "'\t=1";
        QTest::newRow("ritorno a capo") << "\r=1"
                                        << "\"'\r=1\"";
        QTest::newRow("numero negativo") << "-1"
                                         << "-1";
        QTest::newRow("apostrofo e formula") << "'=1"
                                             << "''=1";
        QTest::newRow("apostrofo e testo") << "'Sala"
                                           << "'Sala";
        QTest::newRow("testo") << "Sala"
                               << "Sala";
    }
    void testiComeFormule()
    {
        QFETCH(QString, testo);
        QFETCH(QString, cella);
        loc().Append();
        const QList<QPair<const char*, QVariant>> v
            = {{"ID", 1},           {"Descrizione", testo}, {"Piano", "PT"},     {"Area", 10.0},
               {"AreaUtile", 10.0}, {"AreaMarginale", 0.0}, {"CTermico", 500.0}, {"DistColl", 2}};
        for (const auto& [campo, valore] : v)
            QVERIFY(loc().FieldByName(QLatin1String(campo)).Imposta(valore));
        QVERIFY(loc().Post());
        const QString file = m_dir.filePath(QStringLiteral("formule.csv"));
        QString messaggio;
        QVERIFY2(EsportaLocali(*m_dati, file, messaggio), qPrintable(messaggio));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString esportato = QString::fromUtf8(f.readAll());
        QVERIFY2(esportato.contains(QStringLiteral("\r\n1;") + cella + QStringLiteral(";PT;")), qPrintable(esportato));
        loc().Svuota();
        QVERIFY2(importa(file, messaggio), qPrintable(messaggio));
        QCOMPARE(loc().RecordCount(), 1);
        QCOMPARE(loc().ValoreRiga(0, loc().IndiceCampo(QStringLiteral("Descrizione"))).toString(), testo);
    }

    // Lettura dei numeri dei fogli: virgola o punto, migliaia, spazi.
    void numeri_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("atteso"); // -1: non è un numero
        QTest::newRow("virgola") << "12,5" << 12.5;
        QTest::newRow("punto") << "12.5" << 12.5;
        QTest::newRow("migliaia col punto") << "1.234,5" << 1234.5;
        QTest::newRow("migliaia con la virgola") << "1,234.5" << 1234.5;
        QTest::newRow("spazi") << " 1 234,5 " << 1234.5;
        QTest::newRow("esponente") << "1e+06" << 1e6;
        QTest::newRow("testo") << "dodici" << -1.0;
        QTest::newRow("vuoto") << "" << -1.0;
    }
    void numeri()
    {
        QFETCH(QString, testo);
        QFETCH(double, atteso);
        const std::optional<double> v = LeggiNumeroElenco(testo);
        QCOMPARE(v.has_value(), atteso >= 0);
        if (v)
            QCOMPARE(*v, atteso);
    }
};

QTEST_GUILESS_MAIN(TstImporta)
#include "tst_importa.moc"
