// tvl nel processo: l'aiuto e i codici d'uscita, ogni comando con le sue uscite e i suoi errori
// d'uso, la posa e la pianta da un DXF.
#include "aiuti/RegistroMessaggi.h"
#include "cli/Utvl.h"
#include "pianta/Udxf.h"
#include "pianta/Ugeos.h"
#include "posa/Udxfposa.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {
class TUscitaCatturata : public TUscitaTvl
{
public:
    QString uscita, errori;
    void Scrivi(const QString& testo) override { uscita += testo; }
    void ScriviErrore(const QString& testo) override { errori += testo; }
};

struct TEsito
{
    int codice = -1;
    QString uscita, errori;
};

TEsito Tvl(const QStringList& argomenti)
{
    TUscitaCatturata u;
    TUscitaTvl::installa(&u);
    const int codice = EseguiTvl(argomenti);
    TUscitaTvl::installa(nullptr);
    return {codice, u.uscita, u.errori};
}

// Il progetto completo del corpus: cliente, locali su due piani, collettori confermati,
// regolazione, ottimizzazione e prodotti aggiuntivi.
QString Completo()
{
    return QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath("fuzz/corpus/progetto/completo.tvl");
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestTvl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aiuto();
    void comandi_data();
    void comandi();
    void errori_data();
    void errori();
    void assegnaEOttimizza();
    void messaggiSullUscita();
    void posa();
    void pianta();

private:
    QTemporaryDir cartella;
    QString progetto, dxf;
    // Sostituisce {P} (una copia nuova del progetto), {D} (la pianta DXF) e {C} (la cartella).
    QStringList Argomenti(QStringList argomenti);
};

namespace {
// Una pianta DXF con la convenzione della riga di comando: contorni con l'ID o la descrizione
// del locale dentro, "=>Nord" per il collettore.
QByteArray PiantaDxf(bool conUnita)
{
    auto polilinea = [](std::initializer_list<std::pair<double, double>> punti) {
        QByteArray s = "0\nLWPOLYLINE\n8\nMURI\n90\n" + QByteArray::number(int(punti.size())) + "\n70\n1\n";
        for (auto [x, y] : punti)
            s += "10\n" + QByteArray::number(x) + "\n20\n" + QByteArray::number(y) + "\n";
        return s;
    };
    auto testo = [](double x, double y, const QByteArray& t) {
        return "0\nTEXT\n8\nTESTI\n10\n" + QByteArray::number(x) + "\n20\n" + QByteArray::number(y) + "\n40\n0.2\n1\n"
            + t + "\n";
    };
    QByteArray e = polilinea({{0, 0}, {3, 0}, {3, 3.34}, {0, 3.34}}) + testo(1.2, 1.6, "1")
        + polilinea({{4.2, 0}, {9.2, 0}, {9.2, 4}, {4.2, 4}}) + testo(6, 2, "Studio") + testo(3.6, 3.5, "=>Nord")
        + testo(20, 20, "Ripostiglio");
    return "0\nSECTION\n2\nHEADER\n" + QByteArray(conUnita ? "9\n$INSUNITS\n70\n6\n" : "")
        + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + e + "0\nENDSEC\n0\nEOF\n";
}
} // namespace

// La riga di comando su un progetto vero: le lunghezze stampate sono quelle delle polilinee del
// DXF che scrive, la tavola esiste, gli errori d'uso hanno il loro codice.
void TestTvl::posa()
{
    QTemporaryDir cartella;
    const QString progetto = cartella.filePath("casa.tvl");
    QVERIFY(QFile::copy(Completo(), progetto));
    for (bool unita : {true, false}) {
        QFile f(cartella.filePath(unita ? "pianta.dxf" : "senza_unita.dxf"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(PiantaDxf(unita)) > 0);
    }
    auto tvl = [&](const QStringList& argomenti) {
        const TEsito e = Tvl(QStringList {"posa", progetto} + argomenti);
        return std::tuple {e.codice, e.uscita, e.errori};
    };
    const QString dxf = cartella.filePath("posa.dxf"), pdf = cartella.filePath("tavola.pdf");
    const auto [codice, uscita, errori]
        = tvl({"--pianta", cartella.filePath("pianta.dxf"), "--dxf", dxf, "--pdf", pdf, "--schema", "serpentina"});
    QCOMPARE(codice, 0);
    QVERIFY2(errori.contains("testo non usato: Ripostiglio"), qPrintable(errori));
    QVERIFY(QFileInfo(pdf).size() > 5000);
    // Righe dei circuiti: ID N Z schema passo anello collegamenti totale dimensionata collettore nome.
    QList<QStringList> righe;
    for (const QString& r : uscita.split('\n'))
        if (const QStringList c = r.simplified().split(' '); c.size() >= 11 && c[2].size() == 1 && c[3] == "serpentina")
            righe << c;
    QCOMPARE(righe.size(), 3); // Cucina 1 circuito, Studio 2
    const TEsitoDxf letto = TImportaDxf::Leggi(dxf);
    QVERIFY(letto.ok);
    QList<QPolygonF> anelli, collegamenti;
    for (const TSpezzata& s : letto.disegno.spezzate) {
        const QString livello = letto.disegno.livelli.value(s.livello).nome;
        if (livello == LivelliPosa::Circuiti)
            anelli << s.punti;
        else if (livello == LivelliPosa::Collegamenti)
            collegamenti << s.punti;
    }
    QCOMPARE(anelli.size(), righe.size());
    for (int i = 0; i < righe.size(); ++i) {
        const double passo = righe[i][4].toDouble() / 100;
        QCOMPARE(righe[i][9], QString("Nord"));
        QVERIFY(std::abs(righe[i][5].toDouble() - LunghezzaPolilinea(anelli[i])) <= 0.05 + 1e-9);
        // La polilinea dei collegamenti passa dall'ingresso all'uscita: un passo in più.
        QVERIFY(std::abs(righe[i][6].toDouble() + passo - LunghezzaPolilinea(collegamenti[i])) <= 0.05 + 1e-9);
        QVERIFY(std::abs(righe[i][7].toDouble() - righe[i][5].toDouble() - righe[i][6].toDouble()) <= 0.1 + 1e-9);
    }
    // Un progetto senza pianta e senza --pianta: il motivo; un DXF senza unità: il motivo.
    const auto [c1, u1, e1] = tvl({});
    QCOMPARE(c1, 1);
    QVERIFY2(e1.contains("--pianta"), qPrintable(e1));
    const auto [c2, u2, e2] = tvl({"--pianta", cartella.filePath("senza_unita.dxf")});
    QCOMPARE(c2, 1);
    QVERIFY2(e2.contains("--unita"), qPrintable(e2));
}

// tvl pianta: i contorni e il collettore dai testi del DXF, i valori scritti nei locali e salvati
// con la pianta (tvl info la rilegge dal file nuovo), il progetto d'origine intatto.
void TestTvl::pianta()
{
    QTemporaryDir cartella;
    const QString progetto = cartella.filePath("casa.tvl"), nuovo = cartella.filePath("nuovo.tvl");
    QVERIFY(QFile::copy(Completo(), progetto));
    QFile f(cartella.filePath("pianta.dxf"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(PiantaDxf(true)) > 0);
    f.close();
    const QByteArray originale = [&] {
        QFile o(progetto);
        return o.open(QIODevice::ReadOnly) ? o.readAll() : QByteArray();
    }();
    auto tvl = [&](const QStringList& argomenti) {
        const TEsito e = Tvl(argomenti);
        return std::pair {e.codice, e.uscita + e.errori};
    };
    const auto [codice, uscita] = tvl({"pianta", progetto, "--dxf", f.fileName(), "-o", nuovo});
    QVERIFY2(codice == 0, qPrintable(uscita));
    // ID, descrizione, area, utile, marginale (nessun muro esterno), distanza arrotondata in su.
    QList<QStringList> righe;
    for (const QString& r : uscita.split('\n'))
        if (const QStringList c = r.simplified().split(' '); c.size() >= 6 && c[0].toInt() > 0)
            righe << QStringList {c[0], c[c.size() - 4], c[c.size() - 3], c[c.size() - 2], c[c.size() - 1]};
    QCOMPARE(righe, (QList<QStringList> {{"1", "10.02", "10.02", "0.00", "1"}, {"2", "20.00", "20.00", "0.00", "1"}}));
    QVERIFY2(uscita.contains("Testo non usato: Ripostiglio"), qPrintable(uscita));
    QFile o(progetto);
    QVERIFY(o.open(QIODevice::ReadOnly));
    QCOMPARE(o.readAll(), originale);

    const auto [ci, info] = tvl({"info", nuovo});
    QCOMPARE(ci, 0);
    QVERIFY2(info.contains("sfondo disegno DXF; contorni 2 (locali 1, 2)"), qPrintable(info));
    QVERIFY2(info.contains("collettore Nord in (3.60; 3.50) m"), qPrintable(info));
    QVERIFY2(info.contains("Area") && !tvl({"info", progetto}).second.contains("Pianta:"), "pianta solo nel nuovo");

    // tvl posa sulla pianta salvata; --salva accende "Lunghezze dal disegno" e la distinta segue
    // le lunghezze posate.
    const QString distinta = tvl({"distinta", "--tab", nuovo}).second;
    const auto [cp, posa] = tvl({"posa", nuovo, "--salva"});
    QVERIFY2(cp == 0 && posa.contains("Piano PT") && posa.contains("lunghezze dal disegno"), qPrintable(posa));
    QVERIFY2(tvl({"distinta", "--tab", nuovo}).second != distinta, qPrintable(distinta));

    // Errori d'uso: senza DXF, unità sconosciuta.
    QCOMPARE(tvl({"pianta", progetto}).first, 2);
    QCOMPARE(tvl({"pianta", progetto, "--dxf", f.fileName(), "--unita", "km"}).first, 2);
}

void TestTvl::initTestCase()
{
    QVERIFY(cartella.isValid());
    dxf = cartella.filePath("pianta.dxf");
    QFile f(dxf);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(PiantaDxf(true)) > 0);
    const auto scrivi = [&](const char* nome, const QByteArray& testo) {
        QFile t(cartella.filePath(nome));
        QVERIFY(t.open(QIODevice::WriteOnly) && t.write(testo) == testo.size());
    };
    scrivi("nuovi.csv",
           "N°;Descrizione;Piano;Area [mq];AreaUtile [mq];CTermico [W];DColl [m]\n"
           "90;Cantina;PT;12;12;600;4\n91;Soffitta;P1;20;18;900;6\n92;Sala;PT;40;38;2500;8\n");
    scrivi("locali.txt",
           "SPESS_MASS=50\nLAMBDA_MASS=1.2\nSPESS_SOL=20\nLAMBDA_SOL=1.0\nSPESS_TUBO=2\n"
           "LAMBDA_TUBO=0.22\nDEST_TUBO=20\nINTERASSE=50\nTEMPVS=10\nLUNGMAX=100\nDELTAT_MAX=5\n"
           "locale 1; Soggiorno; PT; 20; 20; 20; 0; 1300; 0.2; 10; 5\n");
}

QStringList TestTvl::Argomenti(QStringList argomenti)
{
    static int copie = 0;
    progetto = cartella.filePath(QStringLiteral("p%1.tvl").arg(++copie));
    if (!QFile::copy(Completo(), progetto))
        qFatal("copia del progetto non riuscita");
    for (QString& a : argomenti)
        a.replace("{P}", progetto).replace("{D}", dxf).replace("{C}", cartella.path());
    return argomenti;
}

// "tvl --help" elenca ogni comando e i codici d'uscita; l'aiuto di ogni comando nomina ogni
// opzione che il comando accetta; senza comando o con uno sconosciuto, l'elenco su stderr.
void TestTvl::aiuto()
{
    const TEsito generale = Tvl({"--help"});
    QCOMPARE(generale.codice, 0);
    QVERIFY(generale.uscita.contains("Codici d'uscita"));
    for (const auto& c : ComandiTvl()) {
        QVERIFY2(generale.uscita.contains(c->Sintesi()), qPrintable(c->Nome()));
        const TEsito e = Tvl({c->Nome(), "--help"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.uscita, c->Aiuto());
        for (const QString& o : c->NomiOpzioni())
            QVERIFY2(c->Aiuto().contains(o + ' ') || c->Aiuto().contains(o + '\n') || c->Aiuto().contains(o + ']'),
                     qPrintable(c->Nome() + ": " + o + " non è nell'aiuto"));
    }
    const TEsito nessuno = Tvl({});
    QCOMPARE(nessuno.codice, 2);
    QCOMPARE(nessuno.errori, generale.uscita);
    const TEsito sconosciuto = Tvl({"stampa"});
    QCOMPARE(sconosciuto.codice, 2);
    QVERIFY(sconosciuto.errori.startsWith("tvl: comando sconosciuto \"stampa\"\n\nuso: tvl COMANDO"));
}

// Ogni comando sul progetto completo: codice d'uscita, una riga attesa dell'uscita, nessun errore
// (salvo dove il comando lo annuncia).
void TestTvl::comandi_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("uscita");
    QTest::addColumn<QString>("errori");
    QTest::newRow("catalogo") << QStringList {"catalogo"} << 0 << "Catalogo completo: "
                              << "";
    QTest::newRow("info") << QStringList {"info", "{P}"} << 0 << "\nInformazioni Cliente\n"
                          << "";
    QTest::newRow("copia") << QStringList {"copia", "{P}", "{C}/copia.tvl"} << 0 << ""
                           << "";
    QTest::newRow("calcola") << QStringList {"calcola", "--tab", "--locale", "C", "{P}"} << 0
                             << "T Mandata di Progetto [°C]: "
                             << "";
    QTest::newRow("calcola da testo") << QStringList {"calcola", "--modo", "2", "--mandata", "40", "{C}/locali.txt"}
                                      << 0 << "T Mandata di Progetto [°C]: 40"
                                      << "";
    // Il progetto del corpus usa articoli che il catalogo non ha: la distinta esce con 3.
    const QString mancano = TMessaggi::Titolo + ": Nel catalogo mancano righe che la distinta";
    QTest::newRow("distinta") << QStringList {"distinta", "--tab", "{P}"} << 3 << "\t" << mancano;
    QTest::newRow("distinta capitolato") << QStringList {"distinta", "--capitolato", "{P}"} << 3 << "" << mancano;
    QTest::newRow("documento") << QStringList {"documento", "rapporto", "{P}", "-o", "{C}/r.xlsx", "--non-aprire"} << 0
                               << "r.xlsx\n"
                               << "";
    QTest::newRow("esporta") << QStringList {"esporta", "{P}", "{C}/locali.csv"} << 0 << "Esportati "
                             << "";
    QTest::newRow("importa") << QStringList {"importa", "{P}", "{C}/nuovi.csv", "-o", "{C}/doppio.tvl"} << 0
                             << "Salvato in "
                             << "";
    QTest::newRow("assegna") << QStringList {"assegna", "{P}", "--salva-come", "{C}/assegnato.tvl"} << 0 << ""
                             << "";
    QTest::newRow("ottimizza senza assegnazione") << QStringList {"ottimizza", "{P}", "--scarto", "3"} << 1 << ""
                                                  << TMessaggi::Titolo + ": Non sono stati assegnati tutti gli anelli.";
    QTest::newRow("pianta") << QStringList {"pianta", "{P}", "--dxf", "{D}", "-o", "{C}/conpianta.tvl"} << 0
                            << "Salvato in "
                            << "";
    QTest::newRow("posa") << QStringList {"posa", "{P}", "--pianta", "{D}", "--schema", "spirale"} << 0
                          << "Totale tubo del piano: "
                          << "tvl posa: testo non usato: Ripostiglio\n";
}

void TestTvl::comandi()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, codice);
    QFETCH(QString, uscita);
    QFETCH(QString, errori);
    const TEsito e = Tvl(Argomenti(argomenti));
    QVERIFY2(e.codice == codice, qPrintable(QString::number(e.codice) + ": " + e.errori));
    QVERIFY2(e.uscita.contains(uscita), qPrintable(e.uscita));
    QVERIFY2(errori.isEmpty() ? e.errori.isEmpty() : e.errori.startsWith(errori), qPrintable(e.errori));
    // Nessun comando tocca il progetto che legge, salvo chi lo salva per scelta.
    QCOMPARE(Leggi(progetto), Leggi(Completo()));
}

// Errori d'uso (2, motivo e aiuto del comando su stderr) ed errori del lavoro (1, "tvl COMANDO: motivo").
void TestTvl::errori_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("errori");
    const auto uso = [](const char* nome, const char* motivo) {
        return QStringLiteral("tvl %1: %2\n\nuso: tvl %1").arg(nome, motivo);
    };
    QTest::newRow("argomenti mancanti") << QStringList {"copia", "{P}"} << 2 << "uso: tvl copia ORIGINE.tvl";
    QTest::newRow("argomenti in più") << QStringList {"catalogo", "{P}"} << 2 << "uso: tvl catalogo\n";
    QTest::newRow("opzione sconosciuta") << QStringList {"info", "--boh", "{P}"} << 2
                                         << uso("info", "opzione sconosciuta --boh");
    QTest::newRow("valore mancante") << QStringList {"importa", "{P}", "{C}/l.csv", "-o"} << 2
                                     << uso("importa", "manca il valore di -o");
    QTest::newRow("valore non voluto") << QStringList {"distinta", "--tab=1", "{P}"} << 2
                                       << uso("distinta", "--tab non vuole un valore");
    QTest::newRow("file mancante") << QStringList {"info", "{C}/manca.tvl"} << 1 << "tvl info: il file \"";
    QTest::newRow("cartella") << QStringList {"copia", "{C}", "{C}/x.tvl"} << 1 << "tvl copia: \"";
    QTest::newRow("modo") << QStringList {"calcola", "--modo", "7", "{P}"} << 1 << "tvl calcola: --modo vuole 0, 1 o 2";
    QTest::newRow("mandata") << QStringList {"calcola", "--mandata", "tiepida", "{P}"} << 1
                             << "tvl calcola: --mandata vuole una temperatura in °C";
    QTest::newRow("dato estivo") << QStringList {"calcola", "--raffrescamento", "--ur", "umida", "{P}"} << 1
                                 << "tvl calcola: --ur vuole un numero";
    QTest::newRow("due file") << QStringList {"calcola", "{P}", "{P}"} << 1 << "tvl calcola: un solo FILE";
    QTest::newRow("tipo di documento") << QStringList {"documento", "lettera", "{P}"} << 2
                                       << uso("documento", "tipo di documento sconosciuto \"lettera\"");
    QTest::newRow("documento non xlsx") << QStringList {"documento", "rapporto", "{P}", "-o", "{C}/r.ods"} << 1
                                        << "tvl documento: il documento si salva come .xlsx";
    QTest::newRow("esporta formato") << QStringList {"esporta", "{P}", "{C}/l.txt"} << 1 << "tvl esporta: ";
    QTest::newRow("importa file mancante") << QStringList {"importa", "{P}", "{C}/manca.csv"} << 1 << "tvl importa: ";
    QTest::newRow("salva due volte") << QStringList {"assegna", "{P}", "--salva", "--salva-come", "{C}/a.tvl"} << 2
                                     << uso("assegna", "--salva o --salva-come, non tutti e due");
    QTest::newRow("scarto") << QStringList {"ottimizza", "{P}", "--scarto", "99"} << 1
                            << "tvl ottimizza: lo scarto minimo va da 0 a 20 m";
    QTest::newRow("rotoli") << QStringList {"ottimizza", "{P}", "--rotoli", "100,x"} << 1
                            << "tvl ottimizza: lunghezza di matassa non valida: \"x\"";
    QTest::newRow("limite di tempo") << QStringList {"ottimizza", "{P}", "--minimo", "--limite-tempo", "-1"} << 1
                                     << "tvl ottimizza: il limite di tempo va da 0 a 3600 s";
    QTest::newRow("pianta senza dxf") << QStringList {"pianta", "{P}"} << 2 << uso("pianta", "manca --dxf");
    QTest::newRow("unità") << QStringList {"pianta", "{P}", "--dxf", "{D}", "--unita", "piedi"} << 2
                           << uso("pianta", "unità sconosciuta \"piedi\"");
    QTest::newRow("piano") << QStringList {"pianta", "{P}", "--dxf", "{D}", "--piano", "P9"} << 1 << "tvl pianta: ";
    QTest::newRow("schema") << QStringList {"posa", "{P}", "--schema", "cerchio"} << 2
                            << uso("posa", "--schema vuole spirale o serpentina");
    QTest::newRow("scala") << QStringList {"posa", "{P}", "--scala", "30"} << 2
                           << uso("posa", "--scala vuole 50 o 100");
    QTest::newRow("posa senza pianta") << QStringList {"posa", "{P}"} << 1
                                       << "tvl posa: il progetto non ha una pianta: indicarne una con --pianta\n";
}

void TestTvl::errori()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, codice);
    QFETCH(QString, errori);
    const TEsito e = Tvl(Argomenti(argomenti));
    QVERIFY2(e.codice == codice, qPrintable(QString::number(e.codice) + ": " + e.errori));
    QVERIFY2(e.errori.startsWith(errori), qPrintable(e.errori));
    QCOMPARE(e.uscita, QString());
    QCOMPARE(Leggi(progetto), Leggi(Completo()));
}

// Il giro di chi non ha la finestra: un progetto nuovo dal modello con i locali di un foglio,
// l'assegnazione salvata, il taglio dalle matasse salvato; tvl info li rilegge dal file.
void TestTvl::assegnaEOttimizza()
{
    const QString p = cartella.filePath("giro.tvl");
    const QString modello = QCoreApplication::applicationDirPath() + "/nuovosr.nv";
    const TEsito i = Tvl({"importa", modello, cartella.filePath("nuovi.csv"), "-o", p});
    QVERIFY2(i.codice == 0, qPrintable(i.errori));
    const TEsito a = Tvl({"assegna", p, "--salva"});
    QVERIFY2(a.codice == 0 && a.uscita.contains("Collettori proposti: 2 "), qPrintable(a.uscita + a.errori));
    const TEsito o = Tvl({"ottimizza", p, "--scarto", "3", "--rotoli", "120,500", "--salva"});
    QVERIFY2(o.codice == 0, qPrintable(o.errori));
    const TEsito info = Tvl({"info", p});
    QVERIFY2(info.uscita.contains("Collettori: 2, confermati: no")
                 && info.uscita.contains("Ottimizzazione circuiti: eseguita")
                 && info.uscita.contains("scarto minimo matassa: 3 m"),
             qPrintable(info.uscita));
}

// I messaggi del programma durante un comando vanno sull'uscita degli errori di tvl, una riga
// ciascuno; dopo il comando torna il punto dei messaggi di prima.
void TestTvl::messaggiSullUscita()
{
    TRegistroMessaggi registro;
    const QString rotto = cartella.filePath("rotto.tvl");
    QFile f(rotto);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("non è un progetto") > 0);
    f.close();
    const TEsito e = Tvl({"info", rotto});
    QCOMPARE(e.codice, 1);
    QVERIFY2(e.errori.startsWith(TMessaggi::Titolo + ": ") && e.errori.count('\n') == 1, qPrintable(e.errori));
    QCOMPARE(registro.Quanti(), 0);
    TMessaggi::Avviso("dopo");
    QCOMPARE(registro.Prendi().testo, QString("dopo"));
}

QTEST_MAIN(TestTvl)
#include "tst_tvl.moc"
