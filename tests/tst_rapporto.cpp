// Relazione tecnica: modello e fogli per modo, celle della copertina e delle tabelle, "-" dove
// il valore non c'è, bordi delle celle di tabella, preregolazione dei detentori (Kv richiesto,
// riga KV strettamente maggiore, "TA" e "-") e percorso insieme di albero e AuxCollettori.
#include "aiuti/CatalogoDocumenti.h"
#include "aiuti/ControlloCalc.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "documents/Urapporto.h"
#include "progetto/Ustato.h"

#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>

namespace {
TLocaleCalc locale(int id, const char* descrizione, const char* piano)
{
    TLocaleCalc l;
    l.ID = id;
    l.Descrizione = QString::fromUtf8(descrizione);
    l.Piano = QString::fromUtf8(piano);
    l.TAmbiente = 20;
    l.Area = 30;
    l.AreaUtile = 28;
    l.CTermico = 1500;
    l.Rivestimento = QStringLiteral("Ceramica");
    l.Spessore = 10;
    l.DistColl = 5;
    l.PotAs = 1450.6f;
    l.TSupAs = 27.5f;
    l.PassoAs = 0.15f;
    l.NAs = 1;
    l.LAs = 80;
    l.QAs = 100;
    l.DpAs = 1400;
    return l;
}

// Avanzamento che ricorda quel che riceve.
struct TAvanzamento : TProgresso
{
    QString titolo;
    int massimo = 0, passi = 0, fine = 0;
    void Inizia(const QString& t, int m) override { titolo = t, massimo = m; }
    void Passo() override { ++passi; }
    void Fine() override { ++fine; }
};

QString etichetta(const QString& nome, QChar zona, int posizione)
{
    return EtichettaCircuito(nome, zona, posizione);
}
} // namespace

class TstRapporto : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    QTemporaryDir cartella;
    TRegistroMessaggi registro;
    int numeroFile = 0;
    QStringList prodotti; // ogni relazione prodotta, per il controllo finale con Calc

    void collettore(int id, const char* nome, const char* tipo, int circuiti, double portata, double dP)
    {
        TTabella* c = dati->AuxCollettori;
        c->Append();
        c->FieldByName("ID").Imposta(id);
        c->FieldByName("Nome").Imposta(QString::fromUtf8(nome));
        c->FieldByName("Descrizione").Imposta(QString::fromUtf8(tipo));
        c->FieldByName("N_Circuiti").Imposta(circuiti);
        c->FieldByName("Portata").Imposta(portata);
        c->FieldByName("dP").Imposta(dP);
        QVERIFY(c->Post());
    }

    // Tre locali: il soggiorno con zona marginale, il bagno senza, la camera al primo piano.
    // Tre collettori nell'albero, il secondo senza circuiti, ognuno con il proprio record.
    void progetto(int modo)
    {
        TTabella* i = dati->AuxInfo;
        i->First();
        i->Edit();
        i->FieldByName("PROGETTO").Imposta("Villa Rossi");
        i->FieldByName("COMMITTENTE").Imposta("Mario Rossi");
        i->FieldByName("PROGETTISTA").Imposta("Ing. Anna Bianchi");
        i->FieldByName("RIF").Imposta("R-7");
        i->FieldByName("DATA").Imposta("12/03/2024");
        QVERIFY(i->Post());
        dati->AuxDGenerali->First();
        QVERIFY(catalogo_prova::ImpostaDatiGenerali(dati->AuxDGenerali));

        TLocaleCalc soggiorno = locale(1, "Soggiorno", "PT");
        soggiorno.AreaMarginale = 4.256f;
        soggiorno.Integr = 0.4f;
        soggiorno.NAs = 2;
        soggiorno.PotAm = 300, soggiorno.TSupAm = 31.2f, soggiorno.PassoAm = 0.1f, soggiorno.NAm = 1;
        soggiorno.LAm = 40, soggiorno.QAm = 250, soggiorno.DpAm = 1400;
        TLocaleCalc bagno = locale(2, "Bagno", "PT");
        bagno.Integr = 1;
        bagno.QAs = 250; // Kv 2,5: oltre la tabella
        TLocaleCalc camera = locale(3, "Camera", "P1");
        camera.Integr = 250.5f;
        camera.QAs = 80;
        stato->RisultatiLocali = {soggiorno, bagno, camera};
        stato->ModoTMandata = modo;
        stato->TMandataSalvata = 45.5f;

        TAssegnazione& a = stato->Assegnazione;
        a.AggiungiCollettoreNodo(TestoNodoCollettore("PT"));
        a.AggiungiCircuitoNodo(etichetta(NomeCircuito("Soggiorno", 1, false), u's', 1));
        a.AggiungiCircuitoNodo(etichetta(NomeCircuito("Soggiorno", 2, false), u's', 1));
        a.AggiungiCircuitoNodo(etichetta(NomeCircuito("Soggiorno", 3, true), u'm', 1));
        a.AggiungiCircuitoNodo(etichetta(NomeCircuito("Bagno", 1, false), u's', 2));
        a.AggiungiCollettoreNodo(TestoNodoCollettore("VUOTO"));
        a.AggiungiCollettoreNodo(TestoNodoCollettore("P1"));
        a.AggiungiCircuitoNodo(etichetta(NomeCircuito("Camera", 1, false), u's', 3));
        collettore(0, "PT", "V220", 4, 701, 1500);
        collettore(1, "VUOTO", "V220", 0, 0, 0);
        collettore(2, "P1", "V221", 1, 81, 1500);
        stato->CollettoriConfermati = true;
    }

    QString rapporto()
    {
        TRichiestaDocumento r;
        r.destinazione = cartella.filePath(QStringLiteral("uscita/rapporto%1.xlsx").arg(++numeroFile));
        const QString file = CreaRapportoTecnico(*stato, r);
        if (file.isEmpty())
            qWarning() << registro.PrendiTutti();
        else
            prodotti << file;
        return file;
    }

    static void verificaBordi(TFoglio& f, int riga, int ultima)
    {
        for (int c = 1; c <= ultima; ++c)
            for (TBordo b : {TBordo::Sinistro, TBordo::Destro, TBordo::Superiore, TBordo::Inferiore})
                QCOMPARE(f.StileBordo(TFoglio::Indirizzo(c, riga), b), TLinea::Continua);
        QCOMPARE(f.StileBordo(TFoglio::Indirizzo(ultima + 1, riga), TBordo::Inferiore), TLinea::Nessuna);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        QString errore;
        const QString file = catalogo_prova::Crea(cartella.path(), &errore);
        QVERIFY2(!file.isEmpty(), qPrintable(errore));
        qputenv("TVLITA", file.toLocal8Bit());
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    // Ogni relazione prodotta dai test si apre in Calc: una sola conversione per tutte.
    void cleanupTestCase()
    {
        QVERIFY2(!TControlloCalc::Soffice().isEmpty(), "soffice non trovato");
        QVERIFY(prodotti.size() >= 10);
        QTemporaryDir uscita, profilo;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(TControlloCalc::Soffice(),
                QStringList {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profilo.path()).toString(),
                             QStringLiteral("--headless"), QStringLiteral("--norestore"),
                             QStringLiteral("--convert-to"), QStringLiteral("csv"), QStringLiteral("--outdir"),
                             uscita.path()}
                    + prodotti);
        QVERIFY(p.waitForFinished(600000));
        QCOMPARE(p.exitCode(), 0);
        for (const QString& file : std::as_const(prodotti)) {
            QFile csv(uscita.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".csv")));
            QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(file));
            // Il primo foglio è la copertina con il nome del progetto.
            QVERIFY2(csv.readAll().contains("Villa Rossi"), qPrintable(file));
        }
    }

    void init() { ApriStato(); }

    void cleanup()
    {
        ChiudiStato();
        QVERIFY(registro.Controlla());
    }

    void preregolazione_data()
    {
        QTest::addColumn<double>("portata");
        QTest::addColumn<double>("dP");
        QTest::addColumn<QChar>("zona");
        QTest::addColumn<QString>("giri");
        // Perdita del circuito 1400 mm c.a.; con dP 1500 il Kv richiesto è Q / 100.
        QTest::newRow("sotto la prima riga") << 40.0 << 1500.0 << QChar(u's') << "1";
        QTest::newRow("fra due righe") << 80.0 << 1500.0 << QChar(u's') << "2";
        QTest::newRow("uguale: la riga dopo") << 100.0 << 1500.0 << QChar(u's') << "3";
        QTest::newRow("uguale alla prima") << 50.0 << 1500.0 << QChar(u'm') << "2";
        QTest::newRow("oltre la tabella, zona occupata") << 250.0 << 1500.0 << QChar(u's') << "TA";
        QTest::newRow("oltre la tabella, zona marginale") << 250.0 << 1500.0 << QChar(u'm') << "-";
        QTest::newRow("uguale all'ultima, zona marginale") << 200.0 << 1500.0 << QChar(u'm') << "-";
        QTest::newRow("niente da strozzare") << 100.0 << 1400.0 << QChar(u's') << "TA";
        QTest::newRow("dP sotto la perdita, zona marginale") << 100.0 << 1300.0 << QChar(u'm') << "TA";
    }

    void preregolazione()
    {
        QFETCH(double, portata);
        QFETCH(double, dP);
        QFETCH(QChar, zona);
        QFETCH(QString, giri);
        const QVector<TRigaKv> tabella = TabellaKv(*dati, QStringLiteral("V220"));
        QCOMPARE(tabella.size(), 3);
        QCOMPARE(tabella.first().kv, 0.5);
        QCOMPARE(Preregolazione(portata, dP, 1400, zona, tabella), giri);
    }

    void kvRichiesto()
    {
        QCOMPARE(KvRichiesto(100, 1500, 1400), 1.0);
        QCOMPARE(KvRichiesto(250, 1900, 1400), 1.118034); // 0,25 m³/h su 0,05 bar
        QVERIFY(std::isnan(KvRichiesto(100, 1400, 1400)));
        QCOMPARE(Preregolazione(10, 1500, 1400, u's', {}), QStringLiteral("TA"));
        QCOMPARE(Preregolazione(10, 1500, 1400, u'm', {}), QStringLiteral("-"));
    }

    void modelloEFogli_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("fogli");
        QTest::addColumn<int>("detentori");
        QTest::newRow("mai salvato") << -1 << 5 << 4;
        QTest::newRow("T Ottima") << 0 << 5 << 4;
        QTest::newRow("Con Area Marginale") << 1 << 6 << 5;
        QTest::newRow("Senza Area Marginale") << 2 << 5 << 4;
    }

    void modelloEFogli()
    {
        QFETCH(int, modo);
        QFETCH(int, fogli);
        QFETCH(int, detentori);
        QCOMPARE(ModelloRapporto(modo), modo == 1 ? QStringLiteral("rapptecAM") : QStringLiteral("rapptec"));
        progetto(modo);
        const QString file = rapporto();
        QVERIFY(!file.isEmpty());
        TFoglio f;
        f.Apri(file);
        QCOMPARE(f.NumeroFogli(), fogli);
        QCOMPARE(f.FoglioAttivo(), 1);
        QCOMPARE(f.NomeFoglio(detentori), QStringLiteral("Detentori"));
        QCOMPARE(f.NomeFoglio(detentori + 1), QStringLiteral("Collettori"));
        f.Foglio(detentori);
        QCOMPARE(f.Testo("D4"), QStringLiteral("R-7"));
        QCOMPARE(f.Numero("A7"), 1.0);
        f.Foglio(detentori + 1);
        QCOMPARE(f.Testo("F4"), QStringLiteral("R-7"));
        QCOMPARE(f.Testo("B7"), QStringLiteral("PT"));
        f.Foglio(3);
        QCOMPARE(f.Testo("N4"), QStringLiteral("R-7"));
        if (modo == 1) {
            f.Foglio(4);
            QCOMPARE(f.Testo("M4"), QStringLiteral("R-7"));
            QCOMPARE(f.Numero("I7"), 1.0);
        }
    }

    // "Verifica EN 1264" e "Raffrescamento" in coda solo quando il progetto usa quei dati, con la
    // loro voce nel contenuto della copertina; senza, la relazione ha i fogli di sempre.
    void fogliEn1264_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("bagno"); // il bagno (id 2) scelto esplicitamente
        QTest::addColumn<float>("carico"); // carico estivo della camera (id 3); -1 nessuno, verifica chiesta
        QTest::addColumn<QStringList>("aggiunti");
        const QString verifica = QStringLiteral("Verifica EN 1264"), raff = QStringLiteral("Raffrescamento");
        QTest::newRow("nessun dato") << 2 << false << 0.0f << QStringList {};
        QTest::newRow("bagno scelto") << 2 << true << 0.0f << QStringList {verifica};
        QTest::newRow("solo la scelta della relazione") << 0 << false << -1.0f << QStringList {verifica};
        QTest::newRow("carico estivo") << 2 << false << 900.0f << QStringList {verifica, raff};
        QTest::newRow("zone marginali, entrambi") << 1 << true << 900.0f << QStringList {verifica, raff};
    }
    void fogliEn1264()
    {
        QFETCH(int, modo);
        QFETCH(bool, bagno);
        QFETCH(float, carico);
        QFETCH(QStringList, aggiunti);
        progetto(modo);
        if (bagno)
            stato->En1264.Bagni.insert(2, true);
        if (carico > 0)
            stato->En1264.CarichiEstivi.insert(3, carico);
        stato->En1264.Relazione = carico < 0;
        TFoglio f;
        f.Apri(rapporto());
        const int base = modo == 1 ? 6 : 5;
        QCOMPARE(f.NumeroFogli(), base + aggiunti.size());
        QCOMPARE(f.FoglioAttivo(), 1);
        for (int i = 0; i < aggiunti.size(); ++i) {
            const int n = base + i + 1;
            QCOMPARE(f.NomeFoglio(n), aggiunti[i]);
            QCOMPARE(f.Testo(QStringLiteral("A%1").arg(39 + n - 2)),
                     QStringLiteral("%1.  %2").arg(n - 1).arg(aggiunti[i]));
        }
        QCOMPARE(f.Testo(QStringLiteral("A%1").arg(39 + base + aggiunti.size() - 1)), QString());
        if (aggiunti.isEmpty())
            return;
        f.Foglio(base + 1);
        QCOMPARE(f.Testo("A1"), QStringLiteral("Verifica EN 1264"));
        QCOMPARE(f.Testo("A2"), QStringLiteral("Rif.: R-7"));
        QCOMPARE(f.Testo("E6"), QStringLiteral("Zona"));
        // Una riga per zona: la marginale del soggiorno solo con le zone marginali.
        const QStringList zone = modo == 1 ? QStringList {"As", "Am", "As", "As"} : QStringList {"As", "As", "As"};
        for (int i = 0; i < zone.size(); ++i)
            QCOMPARE(f.Testo(QStringLiteral("E%1").arg(7 + i)), zone[i]);
        QVERIFY(!f.Esiste(QStringLiteral("A%1").arg(7 + zone.size())));
        QCOMPARE(f.Testo(QStringLiteral("D%1").arg(zone.size() + 5)),
                 bagno ? QStringLiteral("Sì") : QStringLiteral("No"));
        QCOMPARE(f.Numero(QStringLiteral("I7")), 29.0);
        if (modo == 1)
            QCOMPARE(f.Numero("I8"), 35.0);
        if (aggiunti.size() > 1) {
            f.Foglio(base + 2);
            QCOMPARE(f.Testo("D6"), QStringLiteral("Carico estivo [W]"));
            QCOMPARE(f.Numero("D9"), double(carico));
            QCOMPARE(f.Testo("B9"), QStringLiteral("Camera"));
        }
    }

    // Senza collettori confermati i fogli dei detentori e dei collettori restano vuoti: escono
    // dalla relazione e dal contenuto della copertina; gli altri fogli tengono area e titoli.
    void fogliVuotiTolti_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QStringList>("contenuto");
        const QString locali = QStringLiteral("1.  Dati dei locali"),
                      occupata = QStringLiteral("2.  Risultati della zona occupata");
        QTest::newRow("Senza Area Marginale") << 2 << QStringList {locali, occupata};
        QTest::newRow("Con Area Marginale")
            << 1 << QStringList {locali, occupata, QStringLiteral("3.  Risultati della zona marginale")};
    }
    void fogliVuotiTolti()
    {
        QFETCH(int, modo);
        QFETCH(QStringList, contenuto);
        progetto(modo);
        stato->CollettoriConfermati = false;
        TFoglio f;
        f.Apri(rapporto());
        QCOMPARE(f.NumeroFogli(), contenuto.size() + 1);
        QCOMPARE(f.FoglioAttivo(), 1);
        for (int i = 0; i < contenuto.size() + 2; ++i)
            QCOMPARE(f.Testo(QStringLiteral("A%1").arg(39 + i)), contenuto.value(i));
        for (int n = 2; n <= f.NumeroFogli(); ++n) {
            f.Foglio(n);
            QVERIFY(f.NomeFoglio(n) != QLatin1String("Detentori") && f.NomeFoglio(n) != QLatin1String("Collettori"));
            const QChar ultima = modo == 1 && n == 4 ? u'M' : n == 2 ? u'K' : u'N';
            QCOMPARE(f.AreaStampa(), QStringLiteral("$A:$") + ultima);
            QCOMPARE(f.TitoliStampa(), QStringLiteral("$5:$6"));
        }
    }

    void copertinaELocali()
    {
        progetto(2);
        const QString file = rapporto();
        TFoglio f;
        f.Apri(file);
        f.Foglio(1);
        const QList<QPair<const char*, const char*>> copertina = {
            {"B5", "R-7"},
            {"B11", "Villa Rossi"},
            {"B13", "Mario Rossi"},
            {"B15", "Ing. Anna Bianchi"},
            {"B17", "12/03/2024"},
            {"B26", "Tubo PEX 16x2"},
            {"B28", "Pannello bugnato civile 30 mm"},
            {"B30", "100  [m]"},
            {"B32", "5  [°C]"},
            {"B34", "45,5  [°C]"},
        };
        for (const auto& [cella, testo] : copertina)
            QCOMPARE(f.Testo(QLatin1String(cella)), QString::fromUtf8(testo));

        f.Foglio(2);
        QCOMPARE(f.Testo("K4"), QStringLiteral("R-7"));
        QCOMPARE(f.Numero("A7"), 1.0);
        QCOMPARE(f.Testo("B7"), QStringLiteral("Soggiorno"));
        QCOMPARE(f.Testo("C7"), QStringLiteral("PT"));
        QCOMPARE(f.Numero("D7"), 20.0);
        QCOMPARE(f.Numero("E7"), 30.0);
        QCOMPARE(f.Numero("F7"), 28.0);
        QCOMPARE(f.Numero("G7"), 4.26);
        QCOMPARE(f.FormatoNumero("G7"), QStringLiteral("0.00"));
        QCOMPARE(f.Numero("H7"), 1500.0);
        QCOMPARE(f.Testo("I7"), QStringLiteral("Ceramica"));
        QCOMPARE(f.Numero("J7"), 10.0);
        QCOMPARE(f.Numero("K7"), 5.0);
        QCOMPARE(f.Testo("B9"), QStringLiteral("Camera"));
        QVERIFY(!f.Esiste("A10"));
        verificaBordi(f, 7, 11);
        verificaBordi(f, 9, 11);

        f.Foglio(3);
        QCOMPARE(f.Numero("G7"), 1451.0); // senza decimali
        QCOMPARE(f.Numero("I7"), 15.0); // passo in cm
        QCOMPARE(f.Numero("J7"), 2.0);
        QCOMPARE(f.Numero("K7"), 80.0);
        QCOMPARE(f.Numero("L7"), 27.5);
        QCOMPARE(f.Numero("M7"), 100.0);
        QCOMPARE(f.Numero("N7"), 1400.0);
        verificaBordi(f, 8, 14);
    }

    void integrazione_data()
    {
        QTest::addColumn<float>("integr");
        QTest::addColumn<QString>("testo");
        QTest::newRow("0,4") << 0.4f << "-";
        QTest::newRow("0,999") << 0.999f << "-";
        QTest::newRow("1") << 1.0f << "1";
        QTest::newRow("250,5") << 250.5f << "250.5";
    }

    void integrazione()
    {
        QFETCH(float, integr);
        QFETCH(QString, testo);
        progetto(0);
        stato->RisultatiLocali[0].Integr = integr;
        TFoglio f;
        f.Apri(rapporto());
        f.Foglio(3);
        QCOMPARE(f.Testo("H7"), testo);
        QCOMPARE(f.ENumero("H7"), testo != QLatin1String("-"));
    }

    void zonaMarginale()
    {
        progetto(1);
        TFoglio f;
        f.Apri(rapporto());
        f.Foglio(4);
        QCOMPARE(f.NomeFoglio(4), QStringLiteral("Zona marginale"));
        QCOMPARE(f.Numero("E7"), 4.256);
        QCOMPARE(f.Numero("G7"), 300.0);
        QCOMPARE(f.Numero("H7"), 10.0);
        QCOMPARE(f.Numero("I7"), 1.0);
        QCOMPARE(f.Numero("J7"), 40.0);
        QCOMPARE(f.Numero("K7"), 31.2);
        QCOMPARE(f.Numero("L7"), 250.0);
        QCOMPARE(f.Numero("M7"), 1400.0);
        // Il bagno non ha zona marginale: "-" in ogni colonna dei risultati.
        QCOMPARE(f.Testo("B8"), QStringLiteral("Bagno"));
        QCOMPARE(f.Numero("E8"), 0.0);
        for (char c = 'G'; c <= 'M'; ++c)
            QCOMPARE(f.Testo(QLatin1Char(c) + QStringLiteral("8")), QStringLiteral("-"));
        verificaBordi(f, 8, 13);
    }

    // L'albero e AuxCollettori si percorrono insieme: il collettore senza circuiti non lascia
    // righe ma non sposta il record del collettore che lo segue.
    void detentori()
    {
        progetto(1);
        const QString file = rapporto();
        TFoglio f;
        f.Apri(file);
        f.Foglio(5);
        struct TAttesa
        {
            const char* collettore;
            QString circuito;
            const char* giri;
        };
        const QList<TAttesa> attese = {
            {"PT", NomeCircuito("Soggiorno", 1, false), "3"}, // Kv 1,0 uguale a una riga: la successiva
            {"PT", NomeCircuito("Soggiorno", 2, false), "3"},
            {"PT", NomeCircuito("Soggiorno", 3, true), "-"}, // marginale oltre la tabella
            {"PT", NomeCircuito("Bagno", 1, false), "TA"}, // occupata oltre la tabella
            {"P1", NomeCircuito("Camera", 1, false), "4"}, // tabella V221 del proprio record
        };
        int riga = 7;
        for (qsizetype i = 0; i < attese.size(); ++i, ++riga) {
            const auto c = [riga](char col) { return QLatin1Char(col) + QString::number(riga); };
            QCOMPARE(f.Numero(c('A')), double(i + 1));
            QCOMPARE(f.Testo(c('B')), QString::fromUtf8(attese[i].collettore));
            QCOMPARE(f.Testo(c('C')).trimmed(), attese[i].circuito);
            QCOMPARE(f.Testo(c('C')).size(), 40);
            QCOMPARE(f.Testo(c('D')), QString::fromUtf8(attese[i].giri));
            verificaBordi(f, riga, 4);
        }
        QVERIFY(!f.Esiste(QStringLiteral("A%1").arg(riga)));

        f.Foglio(6);
        const QList<QStringList> collettori = {{"1", "PT", "Collettore in ottone", "4", "701", "1500"},
                                               {"2", "VUOTO", "Collettore in ottone", "0", "0", "0"},
                                               {"3", "P1", "Collettore compatto", "1", "81", "1500"}};
        for (int r = 0; r < collettori.size(); ++r) {
            for (int c = 0; c < 6; ++c)
                QCOMPARE(f.Testo(TFoglio::Indirizzo(c + 1, r + 7)), collettori[r][c]);
            verificaBordi(f, r + 7, 6);
        }
        QVERIFY(!f.Esiste("A10"));
        // Il cursore dei collettori torna al primo record e i controlli sono di nuovo attivi.
        QCOMPARE(dati->AuxCollettori->RecNo(), 0);
        QVERIFY(!dati->AuxCollettori->ControlsDisabled());

        // Calc apre il documento e ne legge i fogli.
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(fogli.size(), 6);
        QCOMPARE(TControlloCalc::Cella(fogli[0], "B11"), QStringLiteral("Villa Rossi"));
        QCOMPARE(TControlloCalc::Cella(fogli[2], "H7"), QStringLiteral("-"));
        QCOMPARE(TControlloCalc::Cella(fogli[4], "D10"), QStringLiteral("TA"));
        QCOMPARE(TControlloCalc::Cella(fogli[5], "C9"), QStringLiteral("Collettore compatto"));
    }

    void avanzamento()
    {
        progetto(1);
        TAvanzamento a;
        TRichiestaDocumento r;
        r.destinazione = cartella.filePath(QStringLiteral("uscita/avanzamento.xlsx"));
        r.progresso = &a;
        QVERIFY(!CreaRapportoTecnico(*stato, r).isEmpty());
        QCOMPARE(a.titolo, QStringLiteral("Preparazione documento in corso..."));
        QCOMPARE(a.massimo, 300);
        QCOMPARE(a.passi, 300);
        QCOMPARE(a.fine, 1);
    }

    void senzaConferma()
    {
        progetto(2);
        stato->CollettoriConfermati = false;
        TFoglio f;
        f.Apri(rapporto());
        // I fogli dei detentori e dei collettori, che resterebbero vuoti, non ci sono.
        QCOMPARE(f.NumeroFogli(), 3);
        f.Foglio(3);
        QVERIFY(f.Esiste("A9"));
    }
};

QTEST_GUILESS_MAIN(TstRapporto)
#include "tst_rapporto.moc"
