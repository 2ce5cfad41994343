// Tutti i documenti di un progetto dai testi più lunghi del catalogo vero (pannello, tubo, tipo di
// collettore), con un riferimento di 40 caratteri e un nome di progetto di 50: una cartella per il
// progetto, i nomi per tipo, i permessi usuali, le copie PDF da un solo avvio di LibreOffice, e in
// ogni PDF ogni testo intero (nessuna cella tagliata).
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "documents/Uarticoli.h"
#include "documents/Udistinta.h"
#include "documents/Uistanzapdf.h"
#include "documents/Updf.h"
#include "documents/Ututti.h"
#include "documents/foglio/Udocumento.h"
#include "documents/foglio/Ufoglio.h"
#include "progetto/Ucollettori.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#endif

namespace {

const QString Progetto = QStringLiteral("Residenza Le Querce - Lotto B - Edificio 3 Nord 12"); // 50
const QString Riferimento = QStringLiteral("Rif. 2024/01 - Commessa 7731-B Variante2"); // 40

// Il codice e la descrizione più lunga di una tabella del catalogo.
QPair<QString, QString> PiuLunga(TDati& dati, const char* tabella, const char* chiave)
{
    const auto righe = RigheCatalogo(
        dati,
        QStringLiteral("SELECT %1 AS CHIAVE, DESCRIZIONE FROM %2 ORDER BY length(DESCRIZIONE) DESC, %1 LIMIT 1")
            .arg(QLatin1String(chiave), QLatin1String(tabella)),
        {});
    return righe.isEmpty() ? QPair<QString, QString>()
                           : qMakePair(righe[0].Testo("CHIAVE"), righe[0].Testo("DESCRIZIONE"));
}

// Il testo del PDF senza spazi né a capo: un testo che va a capo nella cella resta riconoscibile.
QString TestoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
}

QString Compatto(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Il processo non c'è più (o è solo uno zombi in attesa di chi lo raccolga).
bool Finito(qint64 pid, int attesaMs)
{
    QElapsedTimer t;
    t.start();
    do {
        QFile stato(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stato.open(QIODevice::ReadOnly) || stato.readAll().contains(") Z "))
            return true;
        QTest::qWait(100);
    } while (t.elapsed() < attesaMs);
    return false;
}

// Uccide LibreOffice pronto alla prima attesa di una conversione: a metà.
class TUccisore : public TProgresso
{
public:
    qint64 pid = 0;
    void Respira() override
    {
        if (pid > 0)
            ::kill(pid_t(pid), SIGKILL), pid = -pid;
    }
};

TLocaleCalc Locale(int id, const QString& descrizione)
{
    TLocaleCalc l;
    l.ID = id;
    l.Descrizione = descrizione;
    l.Piano = QStringLiteral("PT");
    l.TAmbiente = 20, l.Area = 30, l.AreaUtile = 28, l.CTermico = 1500;
    l.Rivestimento = QStringLiteral("Ceramica");
    l.Spessore = 10, l.DistColl = 5;
    l.PotAs = 1450, l.TSupAs = 27.5f, l.PassoAs = 0.15f, l.NAs = 1, l.LAs = 80, l.QAs = 100, l.DpAs = 1400;
    return l;
}

} // namespace

class TstDocumenti : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    QTemporaryDir cartella;
    TRegistroMessaggi registro;
    QPair<QString, QString> pannello, tubo, collettore;

    void Imposta(TTabella* t, const QList<QPair<const char*, QVariant>>& valori)
    {
        t->First();
        t->Edit();
        for (const auto& [campo, v] : valori)
            t->FieldByName(QLatin1String(campo)).Imposta(v);
        QVERIFY(t->Post());
    }

    // Due locali su un collettore confermato del tipo dalla descrizione più lunga, tagliati da
    // un rotolo del tubo dalla descrizione più lunga.
    void progetto()
    {
        pannello = PiuLunga(*dati, "ISOLANTE", "CODICE");
        tubo = PiuLunga(*dati, "DESCRTUBO", "RIF");
        collettore = PiuLunga(*dati, "DESCRCOLL", "RIF");
        QVERIFY(!pannello.first.isEmpty() && !tubo.first.isEmpty() && !collettore.first.isEmpty());
        Imposta(dati->AuxInfo,
                {{"PROGETTO", Progetto}, {"RIF", Riferimento}, {"COMMITTENTE", "Mario Rossi"}, {"DATA", "12/03/2024"}});
        Imposta(dati->AuxDGenerali,
                {{"SPESS_MASS", 45},
                 {"SPESS_SOL", 20},
                 {"SPESS_RIV", 10},
                 {"TEMPVS", 10},
                 {"LUNGMAX", 100},
                 {"DELTAT_MAX", 5},
                 {"COD_TUBO", tubo.first},
                 {"COD_ISOL", pannello.first},
                 {"RIF_COLL", collettore.first}});
        stato->RisultatiLocali = {Locale(1, QStringLiteral("Soggiorno con angolo cottura")),
                                  Locale(2, QStringLiteral("Camera matrimoniale"))};
        stato->NumLocali = 2;
        stato->ModoTMandata = 2;
        stato->TMandataSalvata = 40;
        stato->PavRad.ImpostaSpessMassetto(45);
        TAssegnazione& a = stato->Assegnazione;
        a.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("PT")));
        a.AggiungiCircuitoNodo(
            EtichettaCircuito(NomeCircuito(QStringLiteral("Soggiorno con angolo cottura"), 1, false), u's', 1));
        a.AggiungiCircuitoNodo(
            EtichettaCircuito(NomeCircuito(QStringLiteral("Camera matrimoniale"), 1, false), u's', 2));
        TTabella* c = dati->AuxCollettori;
        c->Append();
        c->FieldByName("ID").Imposta(0);
        c->FieldByName("Nome").Imposta("PT");
        c->FieldByName("Descrizione").Imposta(collettore.first);
        c->FieldByName("N_Circuiti").Imposta(2);
        c->FieldByName("Portata").Imposta(200);
        c->FieldByName("dP").Imposta(1500);
        QVERIFY(c->Post());
        stato->CollettoriConfermati = true;

        const auto rotoli
            = RigheCatalogo(*dati, QStringLiteral("SELECT CODICE, CONF FROM TUBO WHERE RIF=? ORDER BY CONF"),
                            {ParametroTesto(tubo.first)});
        QVERIFY(!rotoli.isEmpty());
        const int rotolo = int(rotoli[0].Numero("CONF"));
        TTabella* r = dati->AuxRotoli;
        r->Append();
        r->FieldByName("ID").Imposta(0);
        r->FieldByName("Cod_Esteso").Imposta(rotoli[0].Testo("CODICE"));
        r->FieldByName("Rotolo").Imposta(rotolo);
        r->FieldByName("Quanti").Imposta(2);
        r->FieldByName("Incluso").Imposta(true);
        QVERIFY(r->Post());
        TTabella* t = dati->AuxCircuiti;
        for (int i = 1; i <= 2; ++i) {
            t->Append();
            t->FieldByName("ID").Imposta(i);
            if (i == 1)
                t->FieldByName("L_Rotolo").Imposta(rotolo);
            t->FieldByName("L_Circuito").Imposta(80);
            t->FieldByName("Descr_Circuito")
                .Imposta(stato->RisultatiLocali[i - 1].Descrizione + QStringLiteral(" s 1"));
            t->FieldByName("Coll").Imposta("PT");
            t->FieldByName("Piano").Imposta("PT");
            QVERIFY(t->Post());
        }
        stato->OttimizzazioneEseguita = true;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        // Per guardare le pagine dei documenti: TVL_CONSERVA=1 lascia la cartella.
        if (qEnvironmentVariableIsSet("TVL_CONSERVA")) {
            cartella.setAutoRemove(false);
            qInfo("documenti in %s", qPrintable(cartella.path()));
        }
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
        TDocumenti::ImpostaApertura(false);
    }
    void init() { ApriStato(); }
    void cleanup()
    {
        ChiudiStato();
        QVERIFY(registro.Controlla());
    }

    void tuttiIDocumentiInteri()
    {
        if (PercorsoSoffice().isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("LibreOffice o pdftotext non sono installati");
        progetto();
        const TEsitoTutti esito = CreaTuttiIDocumenti(*stato, {}, true);
        const QString attesa = cartella.filePath(QStringLiteral("Documenti/") + Progetto);
        QCOMPARE(esito.cartella, attesa);
        QVERIFY(esito.mancanti.isEmpty());
        QVERIFY2(esito.erroriPdf.isEmpty(), qPrintable(esito.erroriPdf));
        const QStringList tipi = {"Rapporto Tecnico",      "Preventivo", "Capitolato senza prezzi",
                                  "Capitolato con prezzi", "Etichette",  "Ottimizzazione circuiti"};
        QCOMPARE(esito.documenti.size(), tipi.size());
        QCOMPARE(esito.pdf.size(), tipi.size());
#ifdef Q_OS_UNIX
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
#endif
        for (int i = 0; i < tipi.size(); ++i) {
            const QString base = attesa + u'/' + Progetto + QStringLiteral(" - ") + tipi[i];
            QCOMPARE(esito.documenti[i], base + QStringLiteral(".xlsx"));
            QCOMPARE(esito.pdf[i], base + QStringLiteral(".pdf"));
#ifdef Q_OS_UNIX
            for (const QString& f : {esito.documenti[i], esito.pdf[i]}) {
                struct stat st;
                QCOMPARE(::stat(f.toLocal8Bit().constData(), &st), 0);
                QCOMPARE(int(st.st_mode & 0777), int(0666 & ~maschera));
            }
#endif
        }
        // Testi da trovare interi in ogni documento.
        QStringList distinta, capitolato;
        for (const TRigaDistinta& v : LeggiDistinta(*dati)) {
            if (std::round(v.Quantita * 100) == 0)
                continue;
            distinta << v.Descrizione << v.Articolo << v.Cod_Esteso;
            capitolato << v.Capitolato;
        }
        const QList<QStringList> attesi = {
            {Progetto, Riferimento, pannello.second, tubo.second, collettore.second},
            QStringList {Progetto, Riferimento} + distinta,
            QStringList {Riferimento} + capitolato,
            QStringList {Riferimento} + capitolato,
            {QStringLiteral("Locale 1"), QStringLiteral("Locale 2")},
            {tubo.second, QStringLiteral("Soggiorno con angolo cottura s 1")},
        };
        for (int i = 0; i < tipi.size(); ++i) {
            const QString testo = TestoPdf(esito.pdf[i]);
            QVERIFY2(!testo.isEmpty(), qPrintable(esito.pdf[i]));
            for (const QString& t : attesi[i])
                if (!t.trimmed().isEmpty())
                    QVERIFY2(testo.contains(Compatto(t)), qPrintable(tipi[i] + QStringLiteral(": ") + t));
        }
    }

    // LibreOffice pronto in sottofondo: due documenti in una chiamata e uno da solo passano da lui
    // (l'avvio apposta è reso impossibile), i PDF hanno i loro testi; ucciso a metà conversione si
    // ripiega sull'avvio apposta e si rilancia; chiuso, o morto il programma, non resta nessun
    // LibreOffice.
    void libreOfficePronto()
    {
#ifndef Q_OS_LINUX
        QSKIP("la fine di LibreOffice con il programma è provata solo su Linux");
#endif
        const QString soffice = PercorsoSoffice();
        if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("LibreOffice o pdftotext non sono installati");
        if (QProcess::execute(QStringLiteral("/usr/bin/python3"), {"-c", "import uno"}) != 0)
            QSKIP("python3-uno non è installato");
        QStringList documenti;
        for (const QString& testo : {QStringLiteral("Primo foglio caldo"), QStringLiteral("Secondo foglio caldo")}) {
            TFoglio f;
            f.NuovoVuoto(QStringLiteral("Foglio1"));
            f.Valore(QStringLiteral("B2"), testo);
            documenti << cartella.filePath(testo + QStringLiteral(".xlsx"));
            f.Salva(documenti.last());
        }
        const auto verifica = [](const QVector<TEsitoPdf>& esiti, const QStringList& documenti) {
            QCOMPARE(esiti.size(), documenti.size());
            for (int i = 0; i < esiti.size(); ++i) {
                QVERIFY2(esiti[i].riuscito, qPrintable(esiti[i].errore));
                QVERIFY(TestoPdf(esiti[i].pdf).contains(Compatto(QFileInfo(documenti[i]).completeBaseName())));
                QVERIFY(QFile::remove(esiti[i].pdf));
            }
        };

        TIstanzaPdf::Avvia();
        QVERIFY(TIstanzaPdf::AttendiPronta(180000));
        const qint64 primo = TIstanzaPdf::Processo();
        QVERIFY(primo > 0);
        {
            // Un "soffice" che non converte nulla: i PDF possono venire solo dall'istanza pronta.
            const QString finto = cartella.filePath(QStringLiteral("soffice-finto"));
            QFile f(finto);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nexit 1\n");
            f.close();
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
            qputenv("TVL_SOFFICE", finto.toLocal8Bit());
            const QVector<TEsitoPdf> insieme = CreaPdf(documenti);
            const TEsitoPdf solo = CreaPdf(documenti[1]);
            qunsetenv("TVL_SOFFICE");
            verifica(insieme, documenti);
            verifica({solo}, {documenti[1]});
        }
        QCOMPARE(TIstanzaPdf::Processo(), primo);

        TUccisore uccisore;
        uccisore.pid = primo;
        verifica(CreaPdf(documenti, &uccisore), documenti);
        QCOMPARE(uccisore.pid, -primo);
        QVERIFY(Finito(primo, 5000));
        QVERIFY(TIstanzaPdf::AttendiPronta(180000));
        const qint64 secondo = TIstanzaPdf::Processo();
        QVERIFY(secondo > 0 && secondo != primo);
        TIstanzaPdf::Ferma();
        QCOMPARE(TIstanzaPdf::Processo(), 0);
        QVERIFY(Finito(secondo, 5000));
        // Nemmeno i file dei canali delle due istanze (uccise, non li tolgono da sé).
        const QString canali = QStringLiteral("OSL_PIPE_*_termovela_pdf_%1_*").arg(QCoreApplication::applicationPid());
        QCOMPARE(QDir(QStringLiteral("/tmp")).entryList({canali}, QDir::System), QStringList());

        // Il programma ucciso senza preavviso si porta dietro il suo LibreOffice.
        QProcess programma;
        programma.setProgram(QCoreApplication::applicationFilePath());
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("TVL_PROVA_ISTANZA"), QStringLiteral("1"));
        programma.setProcessEnvironment(ambiente);
        programma.start();
        QVERIFY(programma.waitForReadyRead(180000));
        const qint64 orfano = programma.readLine().trimmed().toLongLong();
        QVERIFY(orfano > 0);
        QVERIFY(!Finito(orfano, 0));
        const qint64 figlio = programma.processId();
        programma.kill();
        programma.waitForFinished();
        QVERIFY(Finito(orfano, 10000));
        const QDir tmp(QStringLiteral("/tmp"));
        for (const QString& c :
             tmp.entryList({QStringLiteral("OSL_PIPE_*_termovela_pdf_%1_*").arg(figlio)}, QDir::System))
            QFile::remove(tmp.filePath(c));
    }
};

// Con TVL_PROVA_ISTANZA il programma avvia LibreOffice in sottofondo, ne scrive il processo quando è
// pronto e aspetta di essere ucciso.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("TVL_PROVA_ISTANZA")) {
        TIstanzaPdf::Avvia();
        std::printf("%lld\n", TIstanzaPdf::AttendiPronta(170000) ? TIstanzaPdf::Processo() : 0LL);
        std::fflush(stdout);
        QThread::sleep(600);
        return 1;
    }
    TstDocumenti prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_documenti.moc"
