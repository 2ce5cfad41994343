// Etichette dei circuiti e tabella dell'ottimizzazione: le celle scritte, rilette dal file e
// controllate in LibreOffice Calc.
#include "aiuti/ControlloCalc.h"
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"
#include "documents/Uetichette.h"
#include "progetto/Ustato.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

struct TProgressoRegistrato : TProgresso
{
    int massimo = -1, passi = 0;
    void Inizia(const QString&, int m) override { massimo = m; }
    void Passo() override { ++passi; }
};

TLocaleCalc Locale(int id, int nas, float las, float passoAs, int nam = 0, float lam = 0, float passoAm = 0)
{
    TLocaleCalc l;
    l.ID = id;
    l.NAs = nas;
    l.LAs = las;
    l.PassoAs = passoAs;
    l.NAm = nam;
    l.LAm = lam;
    l.PassoAm = passoAm;
    return l;
}

struct TCircuito
{
    std::optional<int> rotolo;
    QString descrizione;
    int lunghezza;
    QString collettore, piano;
};

} // namespace

Q_DECLARE_METATYPE(TCircuito)

class TstEtichette : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TDati* dati = nullptr;
    TStatoProgetto* stato = nullptr;
    QTemporaryDir cartella;

    void Progetto(const QString& nome, const QString& tubo)
    {
        TTabella* info = dati->AuxInfo;
        info->First();
        info->Edit();
        info->FieldByName(QStringLiteral("PROGETTO")).Imposta(nome);
        QVERIFY(info->Post());
        TTabella* g = dati->AuxDGenerali;
        g->First();
        g->Edit();
        // I dati generali si registrano solo completi.
        const QList<QPair<const char*, QVariant>> valori = {
            {"SPESS_MASS", 45}, {"SPESS_SOL", 20}, {"SPESS_RIV", 10},  {"TEMPVS", 10},
            {"LUNGMAX", 100},   {"DELTAT_MAX", 5}, {"COD_TUBO", tubo}, {"RIF_COLL", "V220"},
        };
        for (const auto& [campo, v] : valori)
            g->FieldByName(QLatin1String(campo)).Imposta(v);
        QVERIFY(g->Post());
    }

private Q_SLOTS:
    void initTestCase()
    {
        dati = new TDati(this);
        QVERIFY2(dati->Connetti(), qPrintable(dati->UltimoErrore()));
        QVERIFY2(dati->ApriTutto(), qPrintable(dati->UltimoErrore()));
        stato = new TStatoProgetto(*dati, this);
        TDocumenti::ImpostaCartellaDocumenti(cartella.path());
    }
    void cleanup()
    {
        QVERIFY(registro.Controlla());
        QLocale::setDefault(QLocale::c());
    }

    // Tre locali: 3 circuiti (e 2 marginali), nessun circuito (1 marginale), 1 circuito.
    void etichette_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("localita");
        QTest::newRow("T Ottima") << 0 << "it_IT";
        QTest::newRow("Con Area Marginale") << 1 << "it_IT";
        QTest::newRow("Senza Area Marginale") << 2 << "en_US";
        QTest::newRow("mai salvato") << -1 << "en_US";
    }
    void etichette()
    {
        QFETCH(int, modo);
        QFETCH(QString, localita);
        QLocale::setDefault(QLocale(localita));
        const QString virgola = QLocale().decimalPoint();
        stato->RisultatiLocali = {Locale(1, 3, 84.6f, 0.15f, 2, 40.4f, 0.075f), Locale(2, 0, 0, 0.2f, 1, 12.2f, 0.05f),
                                  Locale(7, 1, 100.4f, 0.2f)};
        stato->NumLocali = 3;
        stato->ModoTMandata = modo;
        Progetto(QStringLiteral("Villa"), QStringLiteral("PEX161"));
        TProgressoRegistrato p;
        const QString file = CreaEtichette(*stato, {.progresso = &p});
        QVERIFY(!file.isEmpty());
        QCOMPARE(file, cartella.filePath(QStringLiteral("Villa/Villa - Etichette.xlsx")));
        QCOMPARE(p.massimo, modo == 1 ? 206 : 203);
        QCOMPARE(p.passi, p.massimo);

        TFoglio f;
        f.Apri(file);
        // Il primo locale occupa le righe da 2 a 10, il secondo non scrive nulla, il terzo parte da 11.
        const QStringList attese = {"A2=1", "C2=1",  "B3=85",   "C3=15.0", "C5=2",  "B6=85",   "C6=15.0",
                                    "C8=3", "B9=85", "C9=15.0", "A11=7",   "C11=1", "B12=100", "C12=20.0"};
        for (const QString& a : attese) {
            const QStringList p = a.split(u'=');
            QCOMPARE(f.Testo(p[0]), QString(p[1]).replace(u'.', virgola));
        }
        QVERIFY(f.ENumero(QStringLiteral("A2")) && f.ENumero(QStringLiteral("C8")));
        QVERIFY(!f.ENumero(QStringLiteral("B3")) && !f.ENumero(QStringLiteral("C3")));
        for (const char* vuota : {"A5", "A8", "B2", "A14", "C14", "B15"})
            QVERIFY2(!f.Esiste(QString::fromLatin1(vuota)), vuota);

        const QStringList marginali
            = {"E2=1", "G2=1", "F3=40", "G3=7.5", "G5=2", "F6=40", "E8=2", "G8=1", "F9=12", "G9=5.0"};
        for (const QString& a : marginali) {
            const QStringList p = a.split(u'=');
            QCOMPARE(f.Testo(p[0]), modo == 1 ? QString(p[1]).replace(u'.', virgola) : QString());
        }
        QVERIFY(!f.Esiste(QStringLiteral("E11")));

        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("A11")), QStringLiteral("Locale 7"));
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("C11")), QStringLiteral("Circuito 1"));
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("C12")),
                 QStringLiteral("passo 20") + virgola + QStringLiteral("0 cm"));
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("B12")), QStringLiteral("L = 100 m"));
        QFile::remove(file);
    }

    void etichetteSenzaCircuiti()
    {
        stato->RisultatiLocali = {Locale(4, 0, 0, 0.1f)};
        stato->NumLocali = 1;
        stato->ModoTMandata = 1;
        TProgressoRegistrato p;
        const QString file
            = CreaEtichette(*stato, {.destinazione = cartella.filePath(QStringLiteral("vuote.xlsx")), .progresso = &p});
        QCOMPARE(p.massimo, 202);
        TFoglio f;
        f.Apri(file);
        QCOMPARE(f.UltimaRiga(), 1); // solo le intestazioni del modello
    }

    void tabellaOttimizzazione_data()
    {
        QTest::addColumn<QVector<TCircuito>>("circuiti");
        QTest::addColumn<QList<int>>("lineeSopra"); // righe con la linea superiore
        QTest::newRow("due rotoli") << QVector<TCircuito> {{240, "Soggiorno s 1", 85, "C1", "PT"},
                                                           {{}, "Soggiorno s 2", 85, "C1", "PT"},
                                                           {{}, "Cucina s 1", 62, "C1", "PT"},
                                                           {120, "Bagno s 1", 48, "C2", "P1"}}
                                    << QList<int> {12, 15, 16};
        QTest::newRow("primo senza rotolo")
            << QVector<TCircuito> {{{}, "Camera s 1", 70, "C1", "P1"}, {200, "Studio s 1", 66, "C1", "P1"}}
            << QList<int> {13, 14};
        QTest::newRow("nessun circuito") << QVector<TCircuito> {} << QList<int> {12};
    }
    void tabellaOttimizzazione()
    {
        QFETCH(QVector<TCircuito>, circuiti);
        QFETCH(QList<int>, lineeSopra);
        // Cartella di avvio propria: il documento va nella cartella del progetto sotto "Documenti",
        // con gli altri documenti del progetto.
        QTemporaryDir avvio;
        QVERIFY(QDir(avvio.path()).mkpath(QStringLiteral("Template")));
        QVERIFY(QFile::copy(TDocumenti::Modello(QStringLiteral("Ottimizza")),
                            avvio.filePath(QStringLiteral("Template/Ottimizza.xltx"))));
        Progetto(QStringLiteral("Casa Neri"), QStringLiteral("PEX161"));
        TTabella* t = dati->AuxCircuiti;
        t->Svuota();
        int id = 0;
        for (const TCircuito& c : circuiti) {
            t->Append();
            t->FieldByName(QStringLiteral("ID")).Imposta(++id);
            if (c.rotolo)
                t->FieldByName(QStringLiteral("L_Rotolo")).Imposta(*c.rotolo);
            t->FieldByName(QStringLiteral("Descr_Circuito")).Imposta(c.descrizione);
            t->FieldByName(QStringLiteral("L_Circuito")).Imposta(c.lunghezza);
            t->FieldByName(QStringLiteral("Coll")).Imposta(c.collettore);
            t->FieldByName(QStringLiteral("Piano")).Imposta(c.piano);
            QVERIFY(t->Post());
        }
        const QString prima = TDocumenti::DirIniziale();
        TDocumenti::ImpostaDirIniziale(avvio.path());
        TDocumenti::ImpostaCartellaDocumenti({});
        TProgressoRegistrato p;
        const QString file = CreaTabellaOttimizzazione(*stato, {.progresso = &p});
        TDocumenti::ImpostaDirIniziale(prima);
        TDocumenti::ImpostaCartellaDocumenti(cartella.path());
        QCOMPARE(file, avvio.filePath(QStringLiteral("Documenti/Casa Neri/Casa Neri - Ottimizzazione circuiti.xlsx")));
        QCOMPARE(p.massimo, 400);
        QCOMPARE(p.passi, 400);
        QVERIFY(!t->ControlsDisabled());

        TFoglio f;
        f.Apri(file);
        QCOMPARE(f.Testo(QStringLiteral("A8")), QStringLiteral("TUBO IN POLIETILENE RETICOLATO PE-Xb 16x2 mm"));
        for (int i = 0; i < circuiti.size(); ++i) {
            const int r = 12 + i;
            const TCircuito& c = circuiti[i];
            QCOMPARE(f.Testo(QStringLiteral("A%1").arg(r)), c.rotolo ? QString::number(*c.rotolo) : QString());
            QCOMPARE(f.Testo(QStringLiteral("B%1").arg(r)), c.descrizione);
            QCOMPARE(f.Testo(QStringLiteral("C%1").arg(r)), QString::number(c.lunghezza));
            QCOMPARE(f.Testo(QStringLiteral("D%1").arg(r)), c.collettore);
            QCOMPARE(f.Testo(QStringLiteral("E%1").arg(r)), c.piano);
        }
        for (int r = 12; r <= 13 + int(circuiti.size()); ++r)
            for (const QString& col : {QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("E")})
                QCOMPARE(f.StileBordo(col + QString::number(r), TBordo::Superiore),
                         lineeSopra.contains(r) ? TLinea::Continua : TLinea::Nessuna);
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("A8")), f.Testo(QStringLiteral("A8")));
        if (!circuiti.isEmpty())
            QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("B12")), circuiti[0].descrizione);
    }
};

QTEST_GUILESS_MAIN(TstEtichette)
#include "tst_etichette.moc"
