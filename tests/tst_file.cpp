// File di progetto scritti dal programma: la struttura di un file, il giro completo
// scrittura-lettura-scrittura, l'assegnazione non più valida, il salvataggio sicuro, i modelli
// dei progetti nuovi. I file costruiti a mano byte per byte sono in tst_record.
#include "aiuti/DiscoPieno.h"
#include "aiuti/ProgressoContato.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "data/Uprogresso.h"
#include "progetto/Ublocco.h"
#include "progetto/Ufile.h"
#include "progetto/Uimpostazioniposa.h"
#include "progetto/Ustato.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString MsgSalvataggio = QStringLiteral("Errore durante il salvataggio!");
const QString MsgCaricamento
    = QStringLiteral("Errore durante il caricamento!\n\nIl file di programma potrebbe essere stato cancellato!");

// Dispositivo che accetta i primi `limite` byte e poi rifiuta ogni scrittura.
class TDispositivoGuasto : public QIODevice
{
public:
    TDispositivoGuasto(QIODevice& sotto, qint64 limite)
        : m_sotto(sotto)
        , m_resto(limite)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 n) override
    {
        const qint64 passa = qMin(n, m_resto);
        if (passa > 0)
            m_sotto.write(dati, passa);
        m_resto -= passa;
        return passa < n ? -1 : n;
    }

private:
    QIODevice& m_sotto;
    qint64 m_resto;
};

// Un record letto dalla struttura di un file: dimensione del contenuto e contenuto fino al NUL.
struct TRecordLetto
{
    int dimensione = 0;
    QByteArray valore;
};

// Percorre un file del formato corrente con la sola conoscenza della sua struttura: ogni record
// deve finire con un ritorno a capo e avere solo NUL dopo il primo NUL. Vuoto se qualcosa non va.
QVector<TRecordLetto> struttura(const QByteArray& f)
{
    QVector<TRecordLetto> r;
    qsizetype pos = 0;
    bool ok = true;
    auto rec = [&](int n) -> QByteArray {
        if (!ok || pos + n + 1 > f.size() || f[pos + n] != '\r') {
            ok = false;
            return {};
        }
        QByteArray c = f.mid(pos, n);
        const int nul = c.indexOf('\0');
        if (nul >= 0) {
            if (c.mid(nul).count('\0') != c.size() - nul)
                ok = false;
            c.truncate(nul);
        }
        pos += n + 1;
        r << TRecordLetto {n, c};
        return c;
    };
    auto num = [&] { return rec(50).trimmed().toInt(); };
    auto ripeti = [&](int volte, int n) {
        for (int i = 0; i < volte && ok; ++i)
            rec(n);
    };
    rec(50);
    ripeti(5, 50);
    rec(256);
    ripeti(20, 50);
    const int locali = num();
    ripeti(13 * locali, 50);
    ripeti(3 + 9, 50);
    const int confermati = num();
    const int nodi = num();
    for (int i = 0; i < nodi && ok; ++i)
        rec(50), rec(200);
    ripeti(num(), 200);
    if (confermati == 1)
        ripeti(7 * num(), 50);
    if (num() == 1) {
        ripeti(4 + 1 + 1, 50);
        ripeti(7 * num(), 50);
        ripeti(5 * num(), 50);
    }
    ripeti(7 * num(), 50);
    if (!ok || pos != f.size())
        r.clear();
    return r;
}

// Posizioni fisse dei record nella struttura di un file corrente.
constexpr int RecTMandata(int locali)
{
    return 1 + 6 + 20 + 1 + 13 * locali;
}

QByteArray leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstFile : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;

    QString percorso(const QString& nome) const { return cartella.filePath(nome); }

    // Il progetto completo di tests/dati (locali su due piani, collettori confermati, regolazione,
    // ottimizzazione, prodotti aggiuntivi) senza il blocco in coda: qui si contano i record fissi.
    void progettoCompleto()
    {
        QVERIFY(LeggiProgetto(*stato, QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath("tests/dati/completo.tvl")));
        stato->En1264 = TDatiEn1264();
        stato->SezioniBlocco.clear();
    }

    // Tutto ciò che il file conserva, con i reali passati per la singola precisione.
    static QStringList istantanea(TDati& d, const TStatoProgetto& s)
    {
        QStringList r;
        const QStringList esclusi = {"AuxInfo.ID", "AuxDGenerali.ID", "AuxDGenerali.SI-NO", "AuxRegol.ID"};
        for (TTabella* t : {d.AuxInfo, d.AuxDGenerali, d.AuxLocali, d.AuxRegol, d.AuxCollettori, d.AuxCircuiti,
                            d.AuxRotoli, d.AuxCompAgg}) {
            for (int riga = 0; riga < t->RecordCount(); ++riga) {
                QStringList valori;
                for (int c = 0; c < t->NumeroCampi(); ++c) {
                    const QString nome = t->NomeTabella() + "." + t->DefCampo(c).nome;
                    if (esclusi.contains(nome))
                        continue;
                    const QVariant v = t->ValoreRiga(riga, c);
                    valori << nome + "="
                            + (v.isNull()                            ? QStringLiteral("<nullo>")
                                   : v.typeId() == QMetaType::Double ? QString::number(float(v.toDouble()))
                                                                     : v.toString());
                }
                r << valori.join(u';');
            }
        }
        r << QStringLiteral("T=%1 modo=%2 reg=%3 conf=%4 ott=%5 opz=%6 scarto=%7")
                 .arg(s.TMandataSalvata)
                 .arg(s.ModoTMandata)
                 .arg(s.ModoRegolazione)
                 .arg(s.CollettoriConfermati)
                 .arg(s.OttimizzazioneEseguita)
                 .arg(s.OpzioneOttimizzazione)
                 .arg(s.ScartoMinMatassa);
        r << s.StatOttimizzazione;
        for (const auto& c : s.Assegnazione.Collettori())
            r << c.testo << c.circuiti;
        r << QStringLiteral("lista") << s.Assegnazione.Lista();
        for (const auto& l : s.RisultatiLocali)
            r << QStringLiteral("%1 %2 %3 %4 %5").arg(l.ID).arg(l.NAs).arg(l.NAm).arg(l.QAs).arg(l.DpAs);
        return r;
    }

    // Un secondo progetto, indipendente, in cui leggere.
    struct TAltro
    {
        TDati dati;
        TStatoProgetto stato {dati};
        TAltro() { dati.ApriTutto(); }
    };

private Q_SLOTS:
    void initTestCase() { QVERIFY(cartella.isValid()); }
    void init() { ApriStato(); }
    void cleanup()
    {
        ChiudiStato();
        registro.Controlla();
    }

    // Le scelte della posa nel blocco in coda: un testo si rilegge uguale; una riga rovinata rende
    // la sezione danneggiata (nullopt), una chiave sconosciuta si ignora.
    void impostazioniPosa_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<bool>("valido");
        QTest::newRow("schemi") << QByteArray("lunghezze=1\nschema=serpentina\nlocale.3=spirale\n") << true;
        QTest::newRow("ingressi") << QByteArray("lunghezze=0\nschema=spirale\ningresso.12.m.2=0.1;7\n"
                                                "ingresso.3.s.1=2.5;-1.25\n")
                                  << true;
        QTest::newRow("chiave nuova") << QByteArray("lunghezze=0\nschema=spirale\nfutura=3\n") << true;
        QTest::newRow("zona") << QByteArray("ingresso.3.x.1=1;1\n") << false;
        QTest::newRow("punto") << QByteArray("ingresso.3.s.1=1\n") << false;
        QTest::newRow("numero") << QByteArray("ingresso.3.s.1=nan;1\n") << false;
        QTest::newRow("parti") << QByteArray("ingresso.3.1=1;1\n") << false;
    }
    void impostazioniPosa()
    {
        QFETCH(QByteArray, testo);
        QFETCH(bool, valido);
        const auto letto = TImpostazioniPosa::Leggi(testo);
        QCOMPARE(letto.has_value(), valido);
        if (!valido)
            return;
        const QByteArray scritto = letto->Serializza();
        QCOMPARE(TImpostazioniPosa::Leggi(scritto), letto);
        if (!testo.contains("futura"))
            QCOMPARE(scritto, testo);
    }

    void progettoCompletoAndataERitorno()
    {
        progettoCompleto();
        const QStringList prima = istantanea(*dati, *stato);
        TProgressoContato p;
        QVERIFY(ScriviProgetto(*stato, percorso("completo.tvl"), &p));
        const QByteArray file = leggi(percorso("completo.tvl"));

        const auto rec = struttura(file);
        QVERIFY(!rec.isEmpty());
        QCOMPARE(rec[0].valore, QByteArray("Ver1002-17042002FSE4"));
        QCOMPARE(rec[2].valore, QByteArray("Societ\xe0 Edilizia Citt\xe0"));
        QCOMPARE(rec[RecTMandata(3)].valore, QByteArray(" 45.3\n"));
        // I locali nell'ordine del numero.
        QCOMPARE(rec[1 + 6 + 20 + 1 + 1].valore, QByteArray("1\n"));
        int normali = 0, nodi = 0, lunghi = 0;
        for (const auto& r : rec)
            (r.dimensione == 50 ? normali : r.dimensione == 200 ? nodi : lunghi)++;
        QCOMPARE(lunghi, 1);
        const int t = stato->Assegnazione.NumeroNodi(), u = int(stato->Assegnazione.Lista().size());
        QCOMPARE(nodi, t + u);
        QCOMPARE(file.size(), 51 * normali + 257 + 201 * (t + u));
        // Record normali attesi: testata, cliente, dati generali, locali, impostazioni, regolazione,
        // albero, collettori, ottimizzazione, prodotti aggiuntivi.
        QCOMPARE(normali,
                 1 + 5 + 20 + 1 + 13 * 3 + 2 + 1 + 9 + 1 + 1 + t + 1 + 1 + 7 * 2 + 1 + 4 + 1 + 1 + 1 + 7 * 3 + 1 + 5 * 3
                     + 1 + 7 * 2);
        QCOMPARE(p.titolo, QStringLiteral("Salvataggio Progetto in corso..."));
        QCOMPARE(p.massimo, 2000);
        QCOMPARE(p.passi, int(rec.size()));
        QCOMPARE(p.fini, 1);

        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("completo.tvl")));
        QCOMPARE(istantanea(altro.dati, altro.stato), prima);
        QVERIFY(!altro.dati.DGeneraliModificati && !altro.dati.LocaliModificati);
        QVERIFY(!altro.stato.RisultatiRicalcolati && !altro.stato.ImpostazioniSalvate);
        // Un rotolo di lunghezza 0 non esiste: la riga senza rotolo torna vuota com'era.
        altro.dati.AuxCircuiti->VaiA(1);
        QVERIFY(altro.dati.AuxCircuiti->FieldByName("L_Rotolo").IsNull());
        QVERIFY(altro.dati.AuxCircuiti->FieldByName("Scarto").IsNull());

        QVERIFY(ScriviProgetto(altro.stato, percorso("completo2.tvl")));
        QCOMPARE(leggi(percorso("completo2.tvl")), file);
    }

    // Bagni e carichi estivi nel blocco aggiuntivo: il file senza di loro resta quello di prima
    // (e ne è l'inizio), il giro scrittura-lettura-scrittura è identico, una sezione sconosciuta
    // si conserva, un blocco troncato lascia il progetto letto e lo dice.
    void bloccoAggiuntivo()
    {
        progettoCompleto();
        QVERIFY(ScriviProgetto(*stato, percorso("base.tvl")));
        const QByteArray base = leggi(percorso("base.tvl"));
        stato->En1264.Bagni.insert(2, true);
        stato->En1264.CarichiEstivi.insert(1, 850.5f);
        stato->En1264.Estivi.UR = 60;
        stato->En1264.Relazione = true;
        stato->SezioniBlocco.emplace_back(QStringLiteral("piante"), QByteArray("\r\n\0dati\xff", 8));
        QVERIFY(ScriviProgetto(*stato, percorso("blocco.tvl")));
        const QByteArray file = leggi(percorso("blocco.tvl"));
        QVERIFY(file.size() > base.size() && file.startsWith(base));
        QVERIFY(file.mid(base.size()).startsWith("TVL-Blocco-Aggiuntivo\0"));

        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("blocco.tvl")));
        QCOMPARE(altro.stato.En1264.Bagni.value(2), true);
        QCOMPARE(altro.stato.En1264.CaricoEstivo(1), 850.5f);
        QCOMPARE(altro.stato.En1264.Estivi.UR, 60.0f);
        QVERIFY(altro.stato.En1264.Relazione);
        QCOMPARE(altro.stato.SezioniBlocco.size(), std::size_t(2));
        QVERIFY(ScriviProgetto(altro.stato, percorso("blocco2.tvl")));
        QCOMPARE(leggi(percorso("blocco2.tvl")), file);

        // Troncato a metà della sezione en1264: i locali ci sono, i dati aggiuntivi no.
        QFile f(percorso("rotto.tvl"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.left(file.size() - 40));
        f.close();
        TAltro rotto;
        QVERIFY(LeggiProgetto(rotto.stato, percorso("rotto.tvl")));
        VERIFICA_MESSAGGIO(registro, QCoreApplication::translate("Ufile", MsgBloccoDanneggiato), TIcona::Esclamazione);
        QCOMPARE(rotto.dati.AuxLocali->RecordCount(), dati->AuxLocali->RecordCount());
        QVERIFY(!rotto.stato.En1264.Usato());
    }

    // Il testo della sezione "ottimizzazione": si rilegge com'era scritto; un testo rovinato (un
    // valore che non è quello atteso, un minimo senza il suo limite) non vale come dato.
    void sezioneMinimoAcquisto_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("limite");
        QTest::newRow("scritto") << TMinimoAcquisto {true, 1234}.Serializza() << true << 1234;
        QTest::newRow("chiave nuova ignorata") << QByteArray("minimo=1\nlimite=96\nsecondi=2\n") << true << 96;
        QTest::newRow("minimo senza limite") << QByteArray("minimo=1\n") << false << 0;
        QTest::newRow("minimo non 0/1") << QByteArray("minimo=sì\nlimite=5\n") << false << 0;
        QTest::newRow("limite negativo") << QByteArray("minimo=1\nlimite=-5\n") << false << 0;
        QTest::newRow("riga senza uguale") << QByteArray("minimo\n") << false << 0;
    }
    void sezioneMinimoAcquisto()
    {
        QFETCH(QByteArray, testo);
        QFETCH(bool, valido);
        QFETCH(int, limite);
        QVERIFY(TMinimoAcquisto().Serializza().isEmpty());
        const auto letto = TMinimoAcquisto::Leggi(testo);
        QCOMPARE(letto.has_value(), valido);
        if (valido) {
            QVERIFY(letto->Usato);
            QCOMPARE(letto->LimiteInferiore, limite);
        }
    }

    // La pianta viaggia nel blocco in coda: torna uguale e il file riscritto è identico. Una
    // pianta rovinata lascia leggere il resto, lo dice, e i suoi byte restano nel file salvato
    // finché non se ne disegna una nuova.
    void bloccoPianta()
    {
        progettoCompleto();
        TPiano& pt = stato->Pianta.PianoOCrea(QStringLiteral("PT"));
        pt.locali << TContornoLocale {1, QPolygonF({{0, 0}, {5, 0}, {5, 4}, {0, 4}})};
        pt.zoneSenzaTubi << QPolygonF({{1, 1}, {2, 1}, {2, 2}, {1, 2}});
        pt.muriEsterni << TMuroEsterno {0, 1};
        pt.collettori.insert(QStringLiteral("C1"), {4.5, 0.5});
        stato->En1264.Bagni.insert(1, true);
        QVERIFY(ScriviProgetto(*stato, percorso("pianta.tvl")));
        const QByteArray file = leggi(percorso("pianta.tvl"));

        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("pianta.tvl")));
        QVERIFY(altro.stato.Pianta == stato->Pianta);
        QVERIFY(ScriviProgetto(altro.stato, percorso("pianta2.tvl")));
        QCOMPARE(leggi(percorso("pianta2.tvl")), file);

        // Sezione della pianta con i byte rovinati ma il contenitore intatto.
        TAltro rotto;
        TSezioniBlocco sezioni = altro.stato.SezioniBlocco;
        QByteArray byte = SezioneBlocco(sezioni, NomeSezionePianta);
        QVERIFY(byte.size() > 8);
        byte.truncate(byte.size() / 2);
        ImpostaSezioneBlocco(sezioni, NomeSezionePianta, byte);
        altro.stato.SezioniBlocco = sezioni;
        altro.stato.Pianta = TPianta();
        altro.stato.PiantaDanneggiata = true;
        QVERIFY(ScriviProgetto(altro.stato, percorso("pianta-rotta.tvl")));
        QVERIFY(LeggiProgetto(rotto.stato, percorso("pianta-rotta.tvl")));
        VERIFICA_MESSAGGIO(registro, QCoreApplication::translate("Ufile", MsgBloccoDanneggiato), TIcona::Esclamazione);
        QVERIFY(rotto.stato.Pianta.Vuota());
        QVERIFY(rotto.stato.En1264.Bagno(1, 20));
        QCOMPARE(rotto.dati.AuxLocali->RecordCount(), dati->AuxLocali->RecordCount());
        QVERIFY(ScriviProgetto(rotto.stato, percorso("pianta-rotta2.tvl")));
        QCOMPARE(leggi(percorso("pianta-rotta2.tvl")), leggi(percorso("pianta-rotta.tvl")));
        // Una pianta nuova prende il posto di quella rovinata.
        rotto.stato.Pianta = stato->Pianta;
        QVERIFY(ScriviProgetto(rotto.stato, percorso("pianta-nuova.tvl")));
        QCOMPARE(leggi(percorso("pianta-nuova.tvl")), file);
    }

    void progettoSenzaLocali()
    {
        QVERIFY(ImpostaCampi(dati->AuxDGenerali,
                             {{"SPESS_MASS", 50},
                              {"SPESS_SOL", 20},
                              {"SPESS_RIV", 10},
                              {"TEMPVS", 10},
                              {"LUNGMAX", 100},
                              {"DELTAT_MAX", 5}}));
        QVERIFY(ScriviProgetto(*stato, percorso("vuoto.tvl")));
        const QByteArray file = leggi(percorso("vuoto.tvl"));
        const auto rec = struttura(file);
        QVERIFY(!rec.isEmpty());
        QCOMPARE(rec[RecTMandata(0) - 1].valore, QByteArray("0\n"));
        QCOMPARE(rec[RecTMandata(0)].valore, QByteArray("  0.0\n"));
        QCOMPARE(rec[RecTMandata(0) + 1].valore, QByteArray("-1\n"));
        QCOMPARE(file.size(), 51 * (rec.size() - 1) + 257);
        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("vuoto.tvl")));
        QVERIFY(altro.dati.AuxLocali->IsEmpty());
    }

    void assegnazioneNonPiuValida()
    {
        progettoCompleto();
        const QVector<TCollettoreAlbero> prima = stato->Assegnazione.Collettori();
        // Un locale cambiato dopo la conferma: il file tiene i collettori e i circuiti che esistono
        // ancora, non la conferma né l'ottimizzazione fatte sui numeri di prima.
        dati->AuxLocali->First();
        QVERIFY(ImpostaCampi(dati->AuxLocali, {{"CTermico", 2400.0}}));
        QVERIFY(dati->LocaliModificati);
        QVERIFY(ScriviProgetto(*stato, percorso("vecchia.tvl")));
        const auto rec = struttura(leggi(percorso("vecchia.tvl")));
        QVERIFY(!rec.isEmpty());
        const TAssegnazione& a = stato->Assegnazione;
        QCOMPARE(a.NumeroCollettori(), 2);
        QCOMPARE(a.Collettori()[0].testo, prima[0].testo);
        QCOMPARE(a.Collettori()[1].circuiti, prima[1].circuiti); // la camera non è cambiata
        QVERIFY(!a.Collettori()[0].circuiti.isEmpty());
        QCOMPARE(a.Collettori()[0].circuiti.first(), prima[0].circuiti.first());
        const int regol = RecTMandata(3) + 3;
        const int circuiti = a.NumeroCircuitiAssegnati() + int(a.Lista().size());
        // qterm, qattuat ricontati; qreg e qcald come erano.
        const QList<QPair<int, int>> quantita = {{1, 3}, {3, circuiti}, {7, 1}, {8, 1}};
        for (const auto& [q, n] : quantita)
            QCOMPARE(rec[regol + q].valore.trimmed().toInt(), n);
        QCOMPARE(rec[regol + 9].valore, QByteArray("0\n")); // CollettoriConfermati
        QCOMPARE(rec[regol + 10].valore.trimmed().toInt(), a.NumeroNodi());
        QVERIFY(!stato->CollettoriConfermati && !stato->OttimizzazioneEseguita);

        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("vecchia.tvl")));
        QVERIFY(!altro.stato.CollettoriConfermati && !altro.stato.OttimizzazioneEseguita);
        QCOMPARE(altro.stato.Assegnazione.Collettori().size(), 2);
        for (int k = 0; k < 2; ++k)
            QCOMPARE(altro.stato.Assegnazione.Collettori()[k].circuiti, a.Collettori()[k].circuiti);
        QCOMPARE(altro.stato.Assegnazione.Lista(), a.Lista());
        QVERIFY(altro.dati.AuxCollettori->IsEmpty());
        QCOMPARE(altro.dati.AuxRegol->FieldByName("qattuat").AsInteger(), circuiti);
    }

    void termosatoTagliatoA50()
    {
        progettoCompleto();
        const QString term = QString(20, u'a') + QString(20, u'b') + QString(20, u'c');
        QVERIFY(ImpostaCampi(dati->AuxRegol, {{"term", term}}));
        QCOMPARE(dati->AuxRegol->FieldByName("term").AsString(), term);
        QVERIFY(ScriviProgetto(*stato, percorso("term.tvl")));
        TAltro altro;
        QVERIFY(LeggiProgetto(altro.stato, percorso("term.tvl")));
        QCOMPARE(altro.dati.AuxRegol->FieldByName("term").AsString(), term.left(50));
    }

    // ---------------------------------------------------------------- salvataggio sicuro

    void dispositivoCheCede_data()
    {
        QTest::addColumn<int>("limite");
        QTest::newRow("subito") << 0;
        QTest::newRow("nel primo record") << 20;
        QTest::newRow("nei locali") << 51 * 35;
        QTest::newRow("all'ultimo byte") << -1;
    }
    void dispositivoCheCede()
    {
        QFETCH(int, limite);
        progettoCompleto();
        QBuffer intero;
        intero.open(QIODevice::WriteOnly);
        QVERIFY(ScriviProgettoSu(*stato, intero));
        const int n = int(intero.data().size());
        QBuffer parziale;
        parziale.open(QIODevice::WriteOnly);
        TDispositivoGuasto g(parziale, limite < 0 ? n - 1 : limite);
        QVERIFY(!ScriviProgettoSu(*stato, g));
        // Dopo un errore non si scrive più nulla; i controlli delle tabelle sono di nuovo attivi.
        QVERIFY(parziale.data().size() <= (limite < 0 ? n - 1 : limite));
        for (TTabella* t : dati->Tabelle())
            QVERIFY(!t->ControlsDisabled());
    }

    void salvataggioFallitoLasciaIlVecchioFile()
    {
        progettoCompleto();
        const QString p = percorso("sicuro/progetto.tvl");
        QVERIFY(QDir(cartella.path()).mkpath("sicuro"));
        QVERIFY(ScriviProgetto(*stato, p));
        const QByteArray vecchio = leggi(p);
        QVERIFY(ImpostaCampi(dati->AuxInfo, {{"PROGETTO", "Nuovo nome"}}));

        QVERIFY(!SalvaSicuro(p, [&](QIODevice& d) {
            TDispositivoGuasto g(d, 500);
            return ScriviProgettoSu(*stato, g);
        }));
        QCOMPARE(leggi(p), vecchio);
        QCOMPARE(QDir(cartella.filePath("sicuro")).entryList(QDir::Files), QStringList {"progetto.tvl"});

        // Riuscito, il file nuovo prende il posto del vecchio.
        QVERIFY(ScriviProgetto(*stato, p));
        QVERIFY(leggi(p) != vecchio);
        QVERIFY(leggi(p).contains("Nuovo nome"));
        QCOMPARE(QDir(cartella.filePath("sicuro")).entryList(QDir::Files), QStringList {"progetto.tvl"});
    }

    void salvataggioImpossibile()
    {
        progettoCompleto();
        QVERIFY(!ScriviProgetto(*stato, percorso("non/esiste/progetto.tvl")));
        VERIFICA_MESSAGGIO(registro, MsgSalvataggio, TIcona::Domanda);
        QVERIFY(!LeggiProgetto(*stato, percorso("non/esiste/progetto.tvl")));
        VERIFICA_MESSAGGIO(registro, MsgCaricamento, TIcona::Domanda);
        // Il file che non si apre non tocca le tabelle.
        QCOMPARE(dati->AuxLocali->RecordCount(), 3);
    }

    // Il disco accetta le scritture e cede quando il buffer si svuota, oppure la cartella non si
    // scrive, oppure la rinomina finale fallisce: il vecchio file resta identico byte per byte,
    // nessun temporaneo rimane, l'utente vede il messaggio.
    void salvataggioSuDiscoCheCede_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("file oltre il limite") << "limite";
        QTest::newRow("tmpfs pieno") << "pieno";
        QTest::newRow("tmpfs con 4 KiB liberi") << "quasi pieno";
        QTest::newRow("cartella in sola lettura") << "sola lettura";
        QTest::newRow("rinomina impossibile") << "rinomina";
    }
    void salvataggioSuDiscoCheCede()
    {
        QFETCH(QString, guasto);
        progettoCompleto();
        TDiscoPiccolo disco;
        const bool suTmpfs = guasto != "limite" && guasto != "rinomina";
        if (suTmpfs && !disco.Montato())
            QSKIP("mount -t tmpfs non è permesso su questa macchina");
        const QString cartellaFile = suTmpfs ? disco.Percorso({}) : percorso(guasto);
        QVERIFY(QDir().mkpath(cartellaFile));
        const QString p = cartellaFile + "/progetto.tvl";
        QVERIFY(ScriviProgetto(*stato, p));
        const QByteArray vecchio = leggi(p);
        QVERIFY(ImpostaCampi(dati->AuxInfo, {{"PROGETTO", "Nuovo nome"}}));

        if (guasto == "limite") {
            TLimiteFile limite(rlim_t(vecchio.size() / 2));
            QVERIFY(!ScriviProgetto(*stato, p));
        } else if (guasto == "rinomina") {
            // Al posto del file, mentre si scrive, compare una cartella: rename() non la sostituisce.
            QVERIFY(!SalvaSicuro(p, [&](QIODevice& d) {
                return QFile::remove(p) && QDir().mkpath(p + "/dentro") && ScriviProgettoSu(*stato, d);
            }));
            QVERIFY(QFileInfo(p + "/dentro").isDir());
            QCOMPARE(QDir(cartellaFile).entryList(QDir::Files), QStringList());
            return;
        } else {
            // Con 4 KiB liberi una parte del file nuovo arriva sul disco, il resto no.
            QVERIFY(guasto == "sola lettura" ? disco.SolaLettura() : disco.Riempi(guasto == "pieno" ? 0 : 4096));
            QVERIFY(!ScriviProgetto(*stato, p));
        }
        VERIFICA_MESSAGGIO(registro, MsgSalvataggio, TIcona::Domanda);
        QCOMPARE(leggi(p), vecchio);
        QCOMPARE(QDir(cartellaFile).entryList(QDir::Files), QStringList {"progetto.tvl"});
    }

    // tvl copia e tvl ottimizza --salva sugli stessi dischi: uscita diversa da 0, il messaggio su
    // stderr, il vecchio file intatto.
    void tvlSuDiscoCheCede_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("guasto");
        for (const char* c : {"copia", "ottimizza --salva"}) {
            QTest::addRow("%s, file oltre il limite", c) << c << "limite";
            QTest::addRow("%s, tmpfs pieno", c) << c << "pieno";
            QTest::addRow("%s, cartella in sola lettura", c) << c << "sola lettura";
        }
    }
    void tvlSuDiscoCheCede()
    {
        QFETCH(QString, comando);
        QFETCH(QString, guasto);
        progettoCompleto();
        TDiscoPiccolo disco;
        if (guasto != "limite" && !disco.Montato())
            QSKIP("mount -t tmpfs non è permesso su questa macchina");
        const QString cartellaFile = guasto == "limite" ? percorso("tvl-limite") : disco.Percorso({});
        QVERIFY(QDir().mkpath(cartellaFile));
        const QString p = cartellaFile + "/progetto.tvl", origine = percorso("origine.tvl");
        QVERIFY(ScriviProgetto(*stato, p));
        QVERIFY(ScriviProgetto(*stato, origine));
        const QByteArray vecchio = leggi(p);

        QProcess tvl;
        tvl.setProgram(QDir::current().filePath("tvl"));
        tvl.setArguments(comando == "copia" ? QStringList {"copia", origine, p}
                                            : QStringList {"ottimizza", p, "--scarto", "3", "--salva"});
        if (guasto == "limite")
            TLimiteFile::PerFiglio(tvl, rlim_t(vecchio.size() / 2));
        else
            QVERIFY(guasto == "pieno" ? disco.Riempi() : disco.SolaLettura());
        tvl.start();
        QVERIFY(tvl.waitForFinished(60000));
        const QString errori = QString::fromUtf8(tvl.readAllStandardError());
        QCOMPARE(tvl.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tvl.exitCode() != 0, qPrintable(errori));
        QVERIFY2(errori.contains(MsgSalvataggio), qPrintable(errori));
        QCOMPARE(leggi(p), vecchio);
        QCOMPARE(QDir(cartellaFile).entryList(QDir::Files), QStringList {"progetto.tvl"});
    }

    // Su Linux un file tenuto aperto da un altro processo non impedisce la rinomina: il
    // salvataggio riesce, il nome porta il file nuovo e chi teneva aperto il vecchio continua a
    // leggerlo intero (non troncato né mescolato).
    void salvataggioSopraFileAperto()
    {
        progettoCompleto();
        const QString p = percorso("aperto.tvl");
        QVERIFY(ScriviProgetto(*stato, p));
        const QByteArray vecchio = leggi(p);
        QProcess tiene;
        tiene.setStandardInputFile(p);
        tiene.start("sleep", {"60"});
        QVERIFY(tiene.waitForStarted());
        QVERIFY(ImpostaCampi(dati->AuxInfo, {{"PROGETTO", "Nuovo nome"}}));
        QVERIFY(ScriviProgetto(*stato, p));
        QVERIFY(leggi(p).contains("Nuovo nome"));
        QCOMPARE(leggi(QStringLiteral("/proc/%1/fd/0").arg(tiene.processId())), vecchio);
        tiene.kill();
        tiene.waitForFinished();
    }

    // Un modo della temperatura di mandata che non è un modo (file di un'altra versione o
    // guasto): tvl calcola lo tratta come nessun modo salvato, come tvl info.
    void tvlCalcolaModoSconosciuto_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("3") << 3;
        QTest::newRow("1000") << 1000;
        QTest::newRow("-7") << -7;
    }
    void tvlCalcolaModoSconosciuto()
    {
        QFETCH(int, modo);
        progettoCompleto();
        stato->ModoTMandata = modo;
        const QString p = percorso("modo.tvl");
        QVERIFY(ScriviProgetto(*stato, p));
        QProcess tvl;
        tvl.start(QDir::current().filePath("tvl"), {"calcola", p});
        QVERIFY(tvl.waitForFinished(60000));
        QCOMPARE(tvl.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tvl.exitCode(), 0);
        QVERIFY(QString::fromUtf8(tvl.readAllStandardOutput()).contains("(Senza Area Marginale)"));
    }

    // ---------------------------------------------------------------- modelli

    void modelli_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("modo");
        QTest::newRow("V220HJ") << "nuovosr.nv" << 1;
        QTest::newRow("punto fisso") << "nuovopf.nv" << 1;
        QTest::newRow("V221V-9") << "nuovov221v.nv" << 0;
        QTest::newRow("V225") << "nuovov225.nv" << 1;
    }
    void modelli()
    {
        QFETCH(QString, nome);
        QFETCH(int, modo);
        // I modelli stanno accanto al programma, cioè nella cartella di lavoro dei test.
        const QString p = QDir::current().filePath(nome);
        QVERIFY2(QFile::exists(p), qPrintable(p));
        QVERIFY(!struttura(leggi(p)).isEmpty());
        QVERIFY(LeggiProgetto(*stato, p));
        QVERIFY(dati->AuxLocali->IsEmpty());
        for (const char* c : {"PROGETTO", "COMMITTENTE", "PROGETTISTA", "RIF", "DATA", "Commento"})
            QCOMPARE(dati->AuxInfo->FieldByName(c).AsString(), QString());
        QCOMPARE(stato->ModoRegolazione, modo);
        QCOMPARE(stato->ModoTMandata, -1);
        QVERIFY(!stato->CollettoriConfermati && !stato->OttimizzazioneEseguita);
        TTabella* r = dati->AuxRegol;
        for (const char* q : {"qterm", "qattuat", "qcald", "qreg"})
            QCOMPARE(r->FieldByName(q).AsInteger(), 0);
        // Il modo segue il tipo di collettore; nel modo 0 niente caldaia, motore e regolatore.
        const QString tipo = dati->AuxDGenerali->FieldByName("RIF_COLL").AsString();
        QCOMPARE(tipo.startsWith("V221"), modo == 0);
        if (modo == 0)
            for (const char* c : {"collcald", "attmix", "regol"})
                QCOMPARE(r->FieldByName(c).AsString(), QString());
        // Ogni codice del modello esiste nel catalogo.
        const QList<QPair<QString, QPair<QString, QString>>> codici = {
            {dati->AuxDGenerali->FieldByName("COD_MASS").AsString(), {"STRUTTURE", "CODICE"}},
            {dati->AuxDGenerali->FieldByName("COD_RIV").AsString(), {"RIVESTIMENTOF", "CODICE"}},
            {dati->AuxDGenerali->FieldByName("COD_SOL").AsString(), {"SOLETTE", "CODICE"}},
            {dati->AuxDGenerali->FieldByName("COD_TUBO").AsString(), {"DESCRTUBO", "RIF"}},
            {dati->AuxDGenerali->FieldByName("COD_ISOL").AsString(), {"ISOLANTE", "CODICE"}},
            {tipo, {"DESCRCOLL", "RIF"}},
            {r->FieldByName("term").AsString(), {"TERMAMB", "CODICE"}},
            {r->FieldByName("attuatore").AsString(), {"REGAMB", "CODICE"}},
            {r->FieldByName("collcald").AsString(), {"COLLCALDAIA", "CODICE"}},
            {r->FieldByName("attmix").AsString(), {"ATTUATORI", "CODICE"}},
            {r->FieldByName("regol").AsString(), {"DESCRREGOL", "RIF"}},
        };
        for (const auto& [codice, dove] : codici)
            if (!codice.isEmpty())
                QVERIFY2(dati->Cerca(dove.first, dove.second, codice), qPrintable(dove.first + ": " + codice));
        // Attuatore adatto al collettore, motore adatto al collettore di caldaia.
        QCOMPARE(r->FieldByName("attuatore").AsString().startsWith("J91"), modo == 1 && tipo.startsWith("V220L"));
        const QString caldaia = r->FieldByName("collcald").AsString(), motore = r->FieldByName("attmix").AsString();
        if (!caldaia.isEmpty() && !motore.isEmpty() && motore != "-") {
            QVERIFY(dati->Cerca("COLLCALDAIA", "CODICE", caldaia));
            const int c = dati->Query1->FieldByName("CHECK").AsInteger();
            QVERIFY(dati->Cerca("ATTUATORI", "CODICE", motore));
            QCOMPARE(dati->Query1->FieldByName("CHECK").AsInteger(), c);
        }
    }
};

QTEST_GUILESS_MAIN(TstFile)
#include "tst_file.moc"
