// Record del file di progetto e file costruiti a mano byte per byte: codifica e decodifica dei
// valori, formato corrente e precedente, regole di lettura, file troncati, righe rifiutate dalle
// regole, agganci e avanzamento della lettura.
#include "aiuti/ProgressoContato.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "progetto/Ufile.h"
#include "progetto/Urecord.h"
#include "progetto/Uverifica.h"
#include "data/Udatabase.h"
#include "data/Uprogresso.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QBuffer>
#include <QHash>
#include <QRandomGenerator>
#include <QTest>

namespace {
const QString MsgCaricamento
    = QStringLiteral("Errore durante il caricamento!\n\nIl file di programma potrebbe essere stato cancellato!");

// Costruisce a mano la sequenza di record di un file, indipendentemente dal programma.
struct TByte
{
    QByteArray b;
    TByte& testo(QByteArray s, int n = 50)
    {
        s = s.left(n);
        if (s.size() < n)
            s += QByteArray(n - s.size(), '\0');
        b += s + '\r';
        return *this;
    }
    TByte& intero(long v) { return testo(QByteArray::number(qlonglong(v)) + '\n'); }
    TByte& reale(double v) { return testo(QByteArray::number(v, 'f', 5) + '\n'); }
    TByte& nodo(const QByteArray& s) { return testo(s, 200); }
};

} // namespace

class TstRecord : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    TRegistroMessaggi registro;

    // Un secondo progetto, indipendente, in cui leggere.
    struct TAltro
    {
        TDati dati;
        TStatoProgetto stato {dati};
        TAltro() { dati.ApriTutto(); }
    };

    // Un file completo scritto record per record; le opzioni cambiano un record alla volta.
    struct TOpzioni
    {
        bool corrente = true;
        QByteArray lambdaMassetto = "1.20000\n";
        QByteArray incluso = "1\n";
        int livelloIntruso = -1; // un nodo in più con questo livello
        QByteArray testoOttimizzazione = "1\n";
        // Record sostituiti per nome: "locali", "area utile", "area marginale", "lambda riv",
        // "mandata", "nodi", "lista", "collettori", "circuiti", "rotoli", "prodotti".
        QHash<QString, QByteArray> cambia;
    };
    static QByteArray fileAMano(const TOpzioni& o)
    {
        TByte f;
        // Il record di quel nome: il valore dato in cambia oppure quello normale.
        const auto r = [&](const char* nome, const QByteArray& normale) -> TByte& {
            return f.testo(o.cambia.value(QLatin1String(nome), normale));
        };
        if (o.corrente)
            f.testo("Ver1002-17042002FSE4");
        f.testo("Casa Rossi").testo("Citt\xe0 Alta").testo("Ing. Bo").testo("R1").testo("1/1/2002");
        f.testo("Note", 256);
        f.testo("MAS1").testo(o.lambdaMassetto).intero(50).testo("CER").reale(1.3).intero(10).testo("Ceramica");
        f.testo("SOL1").reale(1.0).intero(20).testo("PEX20").reale(0.22).intero(2).reale(20).testo("ISO50");
        f.intero(50).intero(5).intero(100).intero(10).testo("V220HJ");
        r("locali", "2\n");
        for (int i = 1; i <= 2; ++i) {
            f.testo("Ceramica").intero(i).testo(i == 1 ? "Cucina" : "Studio").testo("PT").intero(20);
            f.reale(10.0 * i); // Area
            if (o.corrente)
                i == 2 ? r("area utile", "19.00000\n") : f.reale(9); // AreaUtile
            i == 2 ? r("area marginale", "2.50000\n") : f.reale(0);
            f.reale(900 * i).testo("Ceramica");
            i == 2 ? r("lambda riv", "1.30000\n") : f.reale(1.3);
            f.intero(12).intero(4 + i);
        }
        r("mandata", " 45.3\n").intero(2).intero(1);
        f.testo("T1").intero(2).testo("A1").intero(3).testo("CC1").testo("-").testo("REG1").intero(1).intero(1);
        f.intero(1);
        r("nodi", o.livelloIntruso >= 0 ? "4\n" : "3\n").intero(0).nodo("=>Nord");
        f.intero(1).nodo("=>  Cucina - 1").intero(1).nodo("=>  Studio - 1");
        if (o.livelloIntruso >= 0)
            f.intero(o.livelloIntruso).nodo("intruso");
        r("lista", "1\n").nodo("=>  Studio - 2");
        r("collettori", "1\n").testo("").intero(0).testo("Nord").testo("V220HJ").intero(2).reale(250).reale(1235);
        f.testo(o.testoOttimizzazione);
        f.testo("200").testo("190").testo("10").testo("5%").intero(1);
        if (o.corrente)
            f.intero(7);
        r("circuiti", "2\n");
        f.intero(1).intero(200).intero(10).intero(90).testo("Cucina - 1").testo("Nord").testo("PT");
        f.intero(2).intero(0).intero(0).intero(100).testo("Studio - 1").testo("Nord").testo("PT");
        r("rotoli", "1\n").intero(0).testo("PEX20-200").intero(200).intero(1).testo(o.incluso);
        r("prodotti", "1\n").intero(1).testo("Raccordo").testo("16").testo("RAC").testo("pz").reale(4).reale(2.5);
        return f.b;
    }

    bool leggiAMano(TStatoProgetto& s, const QByteArray& byte, const TAgganciLettura& agganci = {})
    {
        QByteArray copia = byte;
        QBuffer b(&copia);
        b.open(QIODevice::ReadOnly);
        return LeggiProgettoDa(s, b, agganci);
    }

private Q_SLOTS:
    void formati_data()
    {
        QTest::addColumn<bool>("corrente");
        QTest::newRow("corrente") << true;
        QTest::newRow("precedente") << false;
    }
    void formati()
    {
        QFETCH(bool, corrente);
        TOpzioni o;
        o.corrente = corrente;
        QVERIFY(leggiAMano(*stato, fileAMano(o)));
        TTabella* l = dati->AuxLocali;
        QCOMPARE(l->RecordCount(), 2);
        l->First();
        QCOMPARE(l->FieldByName("Descrizione").AsString(), QStringLiteral("Cucina"));
        // Il formato precedente non ha l'area utile: vale l'area totale.
        QCOMPARE(l->FieldByName("AreaUtile").AsFloat(), corrente ? 9.0 : 10.0);
        QCOMPARE(l->FieldByName("DistColl").AsInteger(), 5);
        l->Next();
        QCOMPARE(l->FieldByName("AreaMarginale").AsFloat(), 2.5);
        QCOMPARE(l->FieldByName("CTermico").AsFloat(), 1800.0);
        QCOMPARE(l->FieldByName("AreaUtile").AsFloat(), corrente ? 19.0 : 20.0);
        QCOMPARE(dati->AuxInfo->FieldByName("COMMITTENTE").AsString(), QStringLiteral("Città Alta"));
        QCOMPARE(dati->AuxDGenerali->FieldByName("RIF_COLL").AsString(), QStringLiteral("V220HJ"));
        QCOMPARE(stato->TMandataSalvata, 45.3f);
        QCOMPARE(stato->ModoTMandata, 2);
        QCOMPARE(stato->ModoRegolazione, 1);
        QCOMPARE(dati->AuxRegol->FieldByName("qattuat").AsInteger(), 3);
        QVERIFY(stato->CollettoriConfermati);
        QCOMPARE(stato->Assegnazione.NumeroCollettori(), 1);
        QCOMPARE(stato->Assegnazione.Collettori()[0].circuiti.size(), 2);
        QCOMPARE(stato->Assegnazione.Lista(), QStringList {"=>  Studio - 2"});
        QCOMPARE(dati->AuxCollettori->RecordCount(), 1);
        QCOMPARE(dati->AuxCollettori->FieldByName("dP").AsFloat(), 1235.0);
        QVERIFY(stato->OttimizzazioneEseguita);
        QCOMPARE(stato->StatOttimizzazione, (QStringList {"200", "190", "10", "5%"}));
        QCOMPARE(stato->OpzioneOttimizzazione, 1);
        QCOMPARE(stato->ScartoMinMatassa, corrente ? 7 : 0);
        TTabella* c = dati->AuxCircuiti;
        QCOMPARE(c->RecordCount(), 2);
        c->First();
        QCOMPARE(c->FieldByName("L_Rotolo").AsInteger(), 200);
        QCOMPARE(c->FieldByName("Scarto").AsInteger(), 10);
        c->Next();
        QVERIFY(c->FieldByName("L_Rotolo").IsNull());
        QVERIFY(c->FieldByName("Scarto").IsNull());
        QCOMPARE(c->FieldByName("L_Circuito").AsInteger(), 100);
        QVERIFY(dati->AuxRotoli->FieldByName("Incluso").AsBoolean());
        QCOMPARE(dati->AuxCompAgg->FieldByName("Quantità").AsFloat(), 4.0);
        // I risultati sono calcolati sui dati letti.
        QCOMPARE(stato->RisultatiLocali.size(), 2);
        QVERIFY(stato->RisultatiLocali[0].NAs > 0);
    }

    void regoleDiLettura_data()
    {
        QTest::addColumn<QByteArray>("incluso");
        QTest::addColumn<bool>("inclusoLetto");
        QTest::addColumn<QByteArray>("lambda");
        QTest::addColumn<double>("lambdaLetto");
        QTest::newRow("Incluso 1") << QByteArray("1\n") << true << QByteArray("1.20000\n") << double(1.2f);
        QTest::newRow("Incluso 2") << QByteArray("2\n") << false << QByteArray("1.20000\n") << double(1.2f);
        QTest::newRow("Incluso testo") << QByteArray("si") << false << QByteArray("1.20000\n") << double(1.2f);
        QTest::newRow("testo per un numero") << QByteArray("1\n") << true << QByteArray("abc") << 0.0;
        QTest::newRow("senza NUL") << QByteArray("1\n") << true << QByteArray("1.2") + QByteArray(47, '0')
                                   << double(1.2f);
    }
    void regoleDiLettura()
    {
        QFETCH(QByteArray, incluso);
        QFETCH(bool, inclusoLetto);
        QFETCH(QByteArray, lambda);
        QFETCH(double, lambdaLetto);
        TOpzioni o;
        o.incluso = incluso;
        o.lambdaMassetto = lambda;
        QVERIFY(leggiAMano(*stato, fileAMano(o)));
        QCOMPARE(dati->AuxRotoli->FieldByName("Incluso").AsBoolean(), inclusoLetto);
        QCOMPARE(dati->AuxDGenerali->FieldByName("LAMBDA_MASS").AsFloat(), lambdaLetto);
    }

    void indicatoriEAlbero()
    {
        // Un nodo di livello sconosciuto si legge e si scarta; un indicatore diverso da 0 e 1
        // lascia com'era quello del progetto (qui falso).
        TOpzioni o;
        o.livelloIntruso = 2;
        o.testoOttimizzazione = "2\n";
        QByteArray f = fileAMano(o);
        // Senza ottimizzazione il file non ha la sua sezione: la si toglie.
        const QByteArray inizioStat = QByteArray("200") + QByteArray(47, '\0') + '\r';
        const int da = f.indexOf(inizioStat);
        const int a = f.indexOf(QByteArray("1\n") + QByteArray(48, '\0') + '\r' + "Raccordo");
        QVERIFY(da > 0 && a > da);
        f.remove(da, a - da - 51);
        QVERIFY(leggiAMano(*stato, f));
        QCOMPARE(stato->Assegnazione.NumeroNodi(), 3);
        QVERIFY(!stato->OttimizzazioneEseguita);
        QVERIFY(dati->AuxCircuiti->IsEmpty());
        QCOMPARE(dati->AuxCompAgg->RecordCount(), 1);
    }

    void fileTroncato_data()
    {
        QTest::addColumn<int>("taglio");
        const int n = int(fileAMano({}).size());
        QTest::newRow("nella testata") << 30;
        QTest::newRow("nei dati generali") << 51 * 10;
        QTest::newRow("nei locali") << 51 * 40 + 7;
        QTest::newRow("nell'albero") << n / 2;
        QTest::newRow("manca un byte") << n - 1;
        QTest::newRow("manca l'ultimo record") << n - 51;
    }
    void fileTroncato()
    {
        QFETCH(int, taglio);
        QStringList agganci;
        TAgganciLettura g;
        g.Fine = [&](bool ok) { agganci << QStringLiteral("Fine %1").arg(ok); };
        QVERIFY(!leggiAMano(*stato, fileAMano({}).left(taglio), g));
        VERIFICA_MESSAGGIO(registro, MsgCaricamento, TIcona::Domanda);
        QCOMPARE(agganci, QStringList {"Fine 0"});
        for (TTabella* t : dati->Tabelle())
            QVERIFY2(t->State() != TStato::Modifica && t->State() != TStato::Inserimento, qPrintable(t->objectName()));
        // Il file intero invece si legge.
        QVERIFY(leggiAMano(*stato, fileAMano({})));
    }

    void rigaRifiutataDalleRegole()
    {
        // Un'area di 0 m² viola il vincolo dei locali: il suo messaggio, poi l'errore di lettura.
        QByteArray f = fileAMano({});
        const QByteArray area = QByteArray("10.00000\n") + QByteArray(41, '\0') + '\r';
        const int i = f.indexOf(area);
        QVERIFY(i > 0);
        f.replace(i, area.size(), TByte().reale(0).b);
        QVERIFY(!leggiAMano(*stato, f));
        QCOMPARE(registro.Prendi().icona, TIcona::Stop);
        VERIFICA_MESSAGGIO(registro, MsgCaricamento, TIcona::Domanda);
        // Le righe già lette restano.
        QCOMPARE(dati->AuxInfo->FieldByName("PROGETTO").AsString(), QStringLiteral("Casa Rossi"));
    }

    // Conti e valori che il resto del file non può contenere: la lettura si ferma sul conto,
    // prima di inserire righe, con il messaggio di lettura.
    void fileGuasto_data()
    {
        QTest::addColumn<bool>("corrente");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QByteArray>("valore");
        QTest::addColumn<QString>("vuota"); // tabella che resta senza righe
        const QByteArray enorme = "2147483647\n", negativo = "-5\n";
        for (const auto& [record, tabella] : QList<QPair<QString, QString>> {{"locali", "AuxLocali"},
                                                                             {"nodi", ""},
                                                                             {"lista", ""},
                                                                             {"collettori", "AuxCollettori"},
                                                                             {"circuiti", "AuxCircuiti"},
                                                                             {"rotoli", "AuxRotoli"},
                                                                             {"prodotti", "AuxCompAgg"}}) {
            QTest::addRow("%s 2147483647", qPrintable(record)) << true << record << enorme << tabella;
            QTest::addRow("%s -5", qPrintable(record)) << true << record << negativo << tabella;
        }
        QTest::newRow("precedente: locali 2147483647") << false << "locali" << enorme << "AuxLocali";
        QTest::newRow("precedente: circuiti -5") << false << "circuiti" << negativo << "AuxCircuiti";
        QTest::newRow("area utile 10^7") << true << "area utile" << QByteArray("10000000.00000\n") << "";
        QTest::newRow("area utile oltre l'area") << true << "area utile" << QByteArray("20.50000\n") << "";
        QTest::newRow("area utile sotto 1") << true << "area utile" << QByteArray("0.50000\n") << "";
        QTest::newRow("area utile nan") << true << "area utile" << QByteArray("nan\n") << "";
        QTest::newRow("area marginale oltre l'utile") << true << "area marginale" << QByteArray("19.50000\n") << "";
        QTest::newRow("area marginale negativa") << true << "area marginale" << QByteArray("-1.00000\n") << "";
        QTest::newRow("area marginale infinita") << true << "area marginale" << QByteArray("inf\n") << "";
        QTest::newRow("conducibilità nan") << true << "lambda riv" << QByteArray("nan\n") << "";
        QTest::newRow("conducibilità 1e39") << true << "lambda riv" << QByteArray("1e39\n") << "";
        QTest::newRow("mandata infinita") << true << "mandata" << QByteArray("inf\n") << "";
        QTest::newRow("mandata nan") << false << "mandata" << QByteArray("-nan\n") << "";
    }
    void fileGuasto()
    {
        QFETCH(bool, corrente);
        QFETCH(QString, record);
        QFETCH(QByteArray, valore);
        QFETCH(QString, vuota);
        TOpzioni o;
        o.corrente = corrente;
        QVERIFY(leggiAMano(*stato, fileAMano(o)));
        o.cambia[record] = valore;
        QVERIFY(!leggiAMano(*stato, fileAMano(o)));
        const QStringList messaggi = registro.PrendiTutti();
        QVERIFY(!messaggi.isEmpty());
        QCOMPARE(messaggi.last(), MsgCaricamento);
        if (!vuota.isEmpty())
            QCOMPARE(dati->findChild<TTabella*>(vuota)->RecordCount(), 0);
        if (record == QLatin1String("nodi"))
            QCOMPARE(stato->Assegnazione.NumeroNodi(), 0);
        if (record == QLatin1String("lista"))
            QVERIFY(stato->Assegnazione.Lista().isEmpty());
    }

    // La forma del file prima della lettura: i progetti dei due formati si leggono; un progetto
    // guasto è "danneggiato" e lo legge la lettura con le sue regole e i suoi messaggi; un file
    // di altro genere è "estraneo" e non si legge.
    void formaDelFile_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<int>("forma");
        const auto progetto = int(TFormaFile::Progetto), danneggiato = int(TFormaFile::Danneggiato),
                   estraneo = int(TFormaFile::Estraneo);
        TOpzioni precedente;
        precedente.corrente = false;
        TOpzioni testoPerNumero;
        testoPerNumero.lambdaMassetto = "abc";
        const QByteArray intero = fileAMano({});
        QByteArray casuali(2000, '\0');
        QRandomGenerator caso(7);
        for (char& c : casuali)
            c = char(caso.bounded(256));
        // Etichetta, cinque testi e il commento di 257 byte; poi l'undicesimo record dei dati generali.
        QByteArray senzaRitorno = intero;
        const int ritorno = 51 + 5 * 51 + 257 + 51 * 10 + 50;
        QCOMPARE(senzaRitorno[ritorno], '\r');
        senzaRitorno[ritorno] = '\n';
        QTest::newRow("corrente") << intero << progetto;
        QTest::newRow("precedente") << fileAMano(precedente) << progetto;
        QTest::newRow("corrente con altro in coda") << intero + "TVLX" << progetto;
        // Con l'etichetta è un progetto guasto, che la lettura legge con le sue regole (0).
        QTest::newRow("corrente, testo per un numero") << fileAMano(testoPerNumero) << danneggiato;
        QTest::newRow("corrente troncato nell'etichetta") << intero.left(30) << danneggiato;
        QTest::newRow("corrente troncato") << intero.left(intero.size() / 2) << danneggiato;
        QTest::newRow("corrente senza un ritorno a capo") << senzaRitorno << danneggiato;
        QTest::newRow("precedente troncato") << fileAMano(precedente).left(51 * 40) << danneggiato;
        TOpzioni precedenteTesto = precedente;
        precedenteTesto.lambdaMassetto = "abc";
        QTest::newRow("precedente, testo per un numero") << fileAMano(precedenteTesto) << estraneo;
        QTest::newRow("vuoto") << QByteArray() << estraneo;
        QTest::newRow("byte a caso") << casuali << estraneo;
        QTest::newRow("testo") << QByteArray("Locale;Area\r\nCucina;20\r\n").repeated(100) << estraneo;
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(3000, '\x11') << estraneo;
        // 51 byte chiusi da un ritorno a capo ma senza numeri dove ci vogliono.
        QTest::newRow("righe di 51 byte") << (QByteArray(50, 'x') + '\r').repeated(200) << estraneo;
    }
    void formaDelFile()
    {
        QFETCH(QByteArray, byte);
        QFETCH(int, forma);
        QBuffer b(&byte);
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(int(FormaFile(b)), forma);
        QCOMPARE(b.pos(), 0);
    }

    // Un file estraneo non tocca le tabelle: restano i locali del progetto letto prima.
    void fileEstraneoNonToccaLeTabelle()
    {
        QVERIFY(leggiAMano(*stato, fileAMano({})));
        QStringList fine;
        TAgganciLettura g;
        g.CreaFinestra = [&] {
            fine << "CreaFinestra";
            return true;
        };
        g.Fine = [&](bool ok) { fine << QStringLiteral("Fine %1").arg(ok); };
        QVERIFY(!leggiAMano(*stato, QByteArray("GIF89a").repeated(300), g));
        VERIFICA_MESSAGGIO(registro, QString::fromUtf8(MsgNonProgetto), TIcona::Domanda);
        QCOMPARE(fine, QStringList {"Fine 0"});
        QCOMPARE(dati->AuxLocali->RecordCount(), 2);
        QCOMPARE(dati->AuxInfo->FieldByName("PROGETTO").AsString(), QStringLiteral("Casa Rossi"));
    }

    void agganciEAvanzamento()
    {
        QStringList chiamate;
        TProgressoContato p;
        TAgganciLettura g;
        g.Progresso = &p;
        g.CreaFinestra = [&] {
            chiamate << "CreaFinestra";
            return true;
        };
        g.ApplicaModoRegolazione = [&](int m) { chiamate << QStringLiteral("Modo %1").arg(m); };
        g.DopoRicalcolo = [&] { chiamate << "DopoRicalcolo"; };
        g.DopoAlbero = [&] { chiamate << "DopoAlbero"; };
        g.ReimpostaCatalogo = [&] { chiamate << "ReimpostaCatalogo"; };
        g.Fine = [&](bool ok) { chiamate << QStringLiteral("Fine %1").arg(ok); };
        QVERIFY(leggiAMano(*stato, fileAMano({}), g));
        QCOMPARE(
            chiamate,
            (QStringList {"CreaFinestra", "Modo 1", "DopoRicalcolo", "DopoAlbero", "ReimpostaCatalogo", "Fine 1"}));
        QCOMPARE(p.titolo, QStringLiteral("Caricamento Progetto in corso..."));
        QCOMPARE(p.massimo, 800);
        QVERIFY(p.passi > 0);
        QCOMPARE(p.fini, 1);
        QCOMPARE(dati->QCompAgg->SQL(), QStringLiteral("Select * from CATALOGO ORDER BY DESCRIZIONE"));

        // Con una finestra di progetto già aperta la lettura si ferma dopo i locali.
        TAltro altro;
        chiamate.clear();
        g.CreaFinestra = [&] {
            chiamate << "CreaFinestra";
            return false;
        };
        QVERIFY(leggiAMano(altro.stato, fileAMano({}), g));
        QCOMPARE(chiamate, (QStringList {"CreaFinestra", "Fine 1"}));
        QCOMPARE(altro.dati.AuxLocali->RecordCount(), 2);
        QCOMPARE(altro.dati.AuxRegol->FieldByName("regol").AsString(), QString());
        QCOMPARE(altro.dati.AuxRegol->State(), TStato::Consultazione);
        QCOMPARE(altro.stato.ModoTMandata, -1);
    }

    void init() { ApriStato(); }
    void cleanup()
    {
        ChiudiStato();
        registro.Controlla();
    }

    void record_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("dimensione");
        QTest::newRow("intero 12") << "intero" << QVariant(12) << QByteArray("12\n", 3) << 50;
        QTest::newRow("intero negativo") << "intero" << QVariant(-1) << QByteArray("-1\n") << 50;
        QTest::newRow("reale") << "reale" << QVariant(1.2) << QByteArray("1.20000\n") << 50;
        QTest::newRow("reale negativo") << "reale" << QVariant(-0.125) << QByteArray("-0.12500\n") << 50;
        QTest::newRow("reale grande") << "reale" << QVariant(123456.789) << QByteArray("123456.78900\n") << 50;
        QTest::newRow("temperatura 45.3") << "temperatura" << QVariant(45.3f) << QByteArray(" 45.3\n") << 50;
        QTest::newRow("temperatura 8.5") << "temperatura" << QVariant(8.5f) << QByteArray("  8.5\n") << 50;
        QTest::newRow("temperatura 45.0") << "temperatura" << QVariant(45.0f) << QByteArray(" 45.0\n") << 50;
        // Il C arrotonda la metà esatta al pari.
        QTest::newRow("temperatura 100.25") << "temperatura" << QVariant(100.25) << QByteArray("100.2\n") << 50;
        QTest::newRow("testo") << "testo" << QVariant("Cucina") << QByteArray("Cucina") << 50;
        QTest::newRow("testo accentato") << "testo" << QVariant("Città € più") << QByteArray("Citt\xe0 \x80 pi\xf9")
                                         << 50;
        QTest::newRow("testo di 60") << "testo" << QVariant(QString(60, u'x')) << QByteArray(50, 'x') << 50;
        QTest::newRow("nodo") << "nodo" << QVariant("=>Nord") << QByteArray("=>Nord") << 200;
        QTest::newRow("testo lungo") << "lungo" << QVariant(QString(300, u'n')) << QByteArray(256, 'n') << 256;
    }
    void record()
    {
        QFETCH(QString, tipo);
        QFETCH(QVariant, valore);
        QFETCH(QByteArray, contenuto);
        QFETCH(int, dimensione);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        TScrittoreRecord w(b);
        if (tipo == "intero")
            w.Intero(valore.toInt());
        else if (tipo == "reale")
            w.Reale(valore.toDouble());
        else if (tipo == "temperatura")
            w.Temperatura(valore.toDouble());
        else
            w.Testo(valore.toString(), tipo == "nodo" ? Record::Nodo : tipo == "lungo" ? Record::TestoLungo : 50);
        QVERIFY(w.Ok());
        QByteArray atteso = contenuto + QByteArray(qMax(0, dimensione - int(contenuto.size())), '\0') + '\r';
        QCOMPARE(b.data(), atteso);
        QCOMPARE(b.data().size(), dimensione + 1);

        // Il giro inverso: testi uguali (tagliati), numeri come atol/atof in singola precisione.
        b.close();
        b.open(QIODevice::ReadOnly);
        TLettoreRecord r(b);
        if (tipo == "intero")
            QCOMPARE(r.Intero(), valore.toLongLong());
        else if (tipo == "reale")
            QCOMPARE(r.Reale(), double(float(valore.toDouble())));
        else if (tipo == "temperatura")
            QCOMPARE(float(r.Reale()), float(contenuto.trimmed().toDouble()));
        else
            QCOMPARE(r.Testo(dimensione), valore.toString().left(dimensione));
        QVERIFY(r.Ok());
    }

    void dodiciInByte()
    {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        TScrittoreRecord(b).Intero(12);
        QCOMPARE(b.data(), QByteArray("12\n") + '\0' + QByteArray(46, '\0') + '\r');
    }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<qlonglong>("intero");
        QTest::addColumn<double>("reale");
        QTest::newRow("numero") << QByteArray("12\n") << 12LL << 12.0;
        QTest::newRow("spazi e segno") << QByteArray("  -7\n") << -7LL << -7.0;
        QTest::newRow("testo") << QByteArray("abc") << 0LL << 0.0;
        QTest::newRow("cifre poi testo") << QByteArray("7abc") << 7LL << 7.0;
        QTest::newRow("due segni") << QByteArray("--5") << 0LL << 0.0;
        QTest::newRow("più e meno") << QByteArray("+-5") << 0LL << 0.0;
        QTest::newRow("esadecimale col segno dopo") << QByteArray("0x-5") << 0LL << 0.0;
        QTest::newRow("vuoto") << QByteArray() << 0LL << 0.0;
        QTest::newRow("decimali all'intero") << QByteArray("45.9\n") << 45LL << double(45.9f);
        QTest::newRow("esponente") << QByteArray(" 2.5e1") << 2LL << 25.0;
        // Oltre 2^24 la singola precisione non è esatta.
        QTest::newRow("16777217") << QByteArray("16777217") << 16777216LL << 16777216.0;
        QTest::newRow("cinque decimali") << QByteArray("0.10000\n") << 0LL << double(0.1f);
        // Vicino a 2^31 la singola precisione arrotonda a 2^31: l'intero resta al massimo di un int.
        QTest::newRow("2147483584") << QByteArray("2147483584\n") << 2147483647LL << 2147483648.0;
        QTest::newRow("2147483647") << QByteArray("2147483647\n") << 2147483647LL << 2147483648.0;
        QTest::newRow("oltre l'int") << QByteArray("99999999999\n") << 2147483647LL << double(99999999999.0f);
        QTest::newRow("-2147483648") << QByteArray("-2147483648\n") << -2147483648LL << -2147483648.0;
    }
    void lettura()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(qlonglong, intero);
        QFETCH(double, reale);
        QByteArray file = TByte().testo(contenuto).testo(contenuto).b;
        QBuffer b(&file);
        b.open(QIODevice::ReadOnly);
        TLettoreRecord r(b);
        QCOMPARE(r.Intero(), intero);
        QCOMPARE(r.Reale(), reale);
        QVERIFY(r.Ok());
        QCOMPARE(r.Intero(), 0LL); // oltre la fine: errore
        QVERIFY(!r.Ok());
    }

    void cp1252()
    {
        const QString s = QStringLiteral("àèéìòù°€ŠšŒœŸ‘’“”–—…™");
        QCOMPARE(DaCp1252(InCp1252(s)), s);
        QByteArray tutti;
        for (int c = 1; c < 256; ++c)
            tutti += char(c);
        QCOMPARE(InCp1252(DaCp1252(tutti)), tutti);
        // Un carattere fuori dalla code page diventa "?"; uno fuori dal piano di base "??", perché
        // il testo resti lungo quanto in memoria.
        QCOMPARE(InCp1252(QStringLiteral("a→b😀")), QByteArray("a?b??"));
        const QString etichetta = EtichettaCircuito(QStringLiteral("Sala 😀 giochi"), u'm', 12);
        QCOMPARE(InCp1252(etichetta).size(), LunghezzaEtichetta);
        QCOMPARE(InCp1252(etichetta).at(LunghezzaEtichetta - 4), 'm');
    }
};

QTEST_GUILESS_MAIN(TstRecord)
#include "tst_record.moc"
