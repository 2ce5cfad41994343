// Importazione DXF: unità, polilinee con tratti curvi, archi, ellissi, spline, testi, blocchi
// annidati ruotati e specchiati, spazio carta, livelli; file binari, troncati, rovinati o enormi.
#include "aiuti/ScriviDxf.h"
#include "pianta/Udxf.h"

#include <QTest>
#include <cmath>

namespace {

TScriviDxf Entita(int insunits = -1)
{
    TScriviDxf d;
    d.Inizio(insunits).Sezione("ENTITIES");
    return d;
}

TEsitoDxf Importa(TScriviDxf& d)
{
    d.FineSezione().Fine();
    return TImportaDxf::LeggiByte(d.testo);
}

bool Vicini(QPointF a, QPointF b, double tolleranza = 1e-9)
{
    return std::abs(a.x() - b.x()) <= tolleranza && std::abs(a.y() - b.y()) <= tolleranza;
}

QString Punti(const QPolygonF& p)
{
    QStringList t;
    for (const QPointF& q : p)
        t << QStringLiteral("(%1; %2)").arg(q.x()).arg(q.y());
    return t.join(u' ');
}

} // namespace

class TstDxf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unita_data()
    {
        QTest::addColumn<int>("insunits");
        QTest::addColumn<int>("unita");
        QTest::addColumn<double>("x");
        QTest::newRow("mm") << 4 << int(TUnita::Millimetri) << 2.5;
        QTest::newRow("cm") << 5 << int(TUnita::Centimetri) << 25.0;
        QTest::newRow("m") << 6 << int(TUnita::Metri) << 2500.0;
        QTest::newRow("senza unità") << 0 << int(TUnita::Sconosciuta) << 2500.0;
        QTest::newRow("manca $INSUNITS") << -1 << int(TUnita::Sconosciuta) << 2500.0;
        QTest::newRow("parsec") << 17 << int(TUnita::Sconosciuta) << 2500.0;
    }
    void unita()
    {
        QFETCH(int, insunits);
        QFETCH(int, unita);
        QFETCH(double, x);
        TScriviDxf d = Entita(insunits);
        d.Linea({0, 0}, {2500, 1000}).g(0, "TEXT").g(8, "0").g(10, 2500.0).g(20, 0.0).g(40, 250.0).g(1, "Cucina");
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        QCOMPARE(int(e.disegno.unita), unita);
        QCOMPARE(e.disegno.spezzate.size(), 1);
        QCOMPARE(e.disegno.spezzate[0].punti[1].x(), x);
        QCOMPARE(e.disegno.testi[0].posizione.x(), x);
        QCOMPARE(e.disegno.testi[0].altezza, x / 10);
    }

    void polilineaConArco()
    {
        // Quadrato 2×2 con il lato destro sostituito da un semicerchio antiorario (bulge 1)
        // e il lato in alto da un quarto di cerchio orario (bulge −tan(22.5°)).
        TScriviDxf d = Entita(6);
        d.g(0, "LWPOLYLINE").g(8, "MURI").g(90, 4).g(70, 1);
        d.g(10, 0.0).g(20, 0.0).g(10, 2.0).g(20, 0.0).g(42, 1.0).g(10, 2.0).g(20, 2.0).g(42, -std::tan(M_PI / 8));
        d.g(10, 0.0).g(20, 2.0);
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        QCOMPARE(e.disegno.spezzate.size(), 1);
        const TSpezzata& s = e.disegno.spezzate[0];
        QVERIFY(s.chiusa);
        QCOMPARE(e.disegno.livelli[s.livello].nome, QStringLiteral("MURI"));
        QVERIFY(Vicini(s.punti.first(), {0, 0}));
        QVERIFY(!Vicini(s.punti.last(), {0, 0})); // la chiusura non ripete il primo punto
        // Il semicerchio passa per (3; 1) e resta a distanza 1 da (2; 1); il quarto di cerchio
        // orario da (2; 2) a (0; 2) ha centro (1; 3) e scende dentro il quadrato.
        double xMax = 0, yMax = 0, yMinAlto = 2;
        for (const QPointF& p : s.punti) {
            xMax = std::max(xMax, p.x());
            yMax = std::max(yMax, p.y());
            if (p.x() > 2.0001)
                QVERIFY2(std::abs(std::hypot(p.x() - 2, p.y() - 1) - 1) < 1e-9, qPrintable(Punti(s.punti)));
            else if (p.y() > 1.0001) {
                QVERIFY2(std::abs(std::hypot(p.x() - 1, p.y() - 3) - std::sqrt(2.0)) < 1e-9,
                         qPrintable(Punti(s.punti)));
                yMinAlto = std::min(yMinAlto, p.y());
            }
        }
        QCOMPARE(xMax, 3.0);
        QCOMPARE(yMax, 2.0);
        QVERIFY(yMinAlto < 1.6 && yMinAlto >= 3 - std::sqrt(2.0));
    }

    void archiCerchiEllissiSpline()
    {
        TScriviDxf d = Entita(6);
        d.g(0, "ARC").g(8, "0").g(10, 0.0).g(20, 0.0).g(40, 2.0).g(50, 0.0).g(51, 90.0);
        // Arco con estrusione verso −Z: in coordinate del mondo la x è rovesciata.
        d.g(0, "ARC").g(8, "0").g(10, 1.0).g(20, 0.0).g(40, 1.0).g(210, 0.0).g(220, 0.0).g(230, -1.0).g(50, 0.0).g(
            51, 90.0);
        d.g(0, "CIRCLE").g(8, "0").g(10, 5.0).g(20, 5.0).g(40, 1.0);
        d.g(0, "ELLIPSE").g(8, "0").g(10, 0.0).g(20, 0.0).g(11, 2.0).g(21, 0.0).g(40, 0.5).g(41, 0.0).g(42, 2 * M_PI);
        // Spline quadratica con nodi bloccati: a metà passa per (1; 1).
        d.g(0, "SPLINE").g(8, "0").g(70, 8).g(71, 2).g(72, 6).g(73, 3).g(74, 0);
        for (double k : {0, 0, 0, 1, 1, 1})
            d.g(40, k);
        d.g(10, 0.0).g(20, 0.0).g(10, 1.0).g(20, 2.0).g(10, 2.0).g(20, 0.0);
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        const QList<TSpezzata>& s = e.disegno.spezzate;
        QCOMPARE(s.size(), 5);
        QVERIFY(Vicini(s[0].punti.first(), {2, 0}) && Vicini(s[0].punti.last(), {0, 2}, 1e-12));
        QVERIFY2(Vicini(s[1].punti.first(), {-2, 0}) && Vicini(s[1].punti.last(), {-1, 1}, 1e-12),
                 qPrintable(Punti(s[1].punti)));
        QVERIFY(s[2].chiusa);
        for (const QPointF& p : s[2].punti)
            QVERIFY(std::abs(std::hypot(p.x() - 5, p.y() - 5) - 1) < 1e-12);
        QVERIFY(s[3].chiusa);
        const QRectF r = s[3].punti.boundingRect();
        QVERIFY(std::abs(r.left() + 2) < 1e-12 && std::abs(r.right() - 2) < 1e-12);
        QVERIFY(std::abs(r.top() + 1) < 1e-12 && std::abs(r.bottom() - 1) < 1e-12);
        QVERIFY(Vicini(s[4].punti.first(), {0, 0}) && Vicini(s[4].punti.last(), {2, 0}));
        QVERIFY(std::any_of(s[4].punti.begin(), s[4].punti.end(), [](QPointF p) { return Vicini(p, {1, 1}, 1e-12); }));
    }

    void testi()
    {
        TScriviDxf d = Entita(6);
        d.g(0, "TEXT").g(8, "SCRITTE").g(10, 1.0).g(20, 2.0).g(40, 0.25).g(1, "Bagno").g(50, 30.0);
        d.g(0, "MTEXT").g(8, "SCRITTE").g(10, 3.0).g(20, 4.0).g(40, 0.3).g(50, 45.0);
        d.g(3, "{\\fArial|b1;Camera} da").g(1, "\\Pletto \\U+00E8 1\\S1^2;");
        // Con il vettore di direzione l'angolo viene da lì.
        d.g(0, "MTEXT").g(8, "SCRITTE").g(10, 3.0).g(20, 4.0).g(40, 0.3).g(11, 0.0).g(21, 2.0).g(1, "Su");
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        QCOMPARE(e.disegno.testi.size(), 3);
        const TTesto& t = e.disegno.testi[0];
        QCOMPARE(t.testo, QStringLiteral("Bagno"));
        QCOMPARE(t.posizione, QPointF(1, 2));
        QCOMPARE(t.altezza, 0.25);
        QVERIFY2(std::abs(t.rotazione - 30) < 1e-9, qPrintable(QString::number(t.rotazione)));
        const TTesto& m = e.disegno.testi[1];
        QCOMPARE(m.testo, QStringLiteral("Camera da\nletto è 11/2"));
        QVERIFY2(std::abs(m.rotazione - 45) < 1e-9, qPrintable(QString::number(m.rotazione)));
        QCOMPARE(e.disegno.testi[2].rotazione, 90.0);
    }

    void blocchiAnnidati()
    {
        TScriviDxf d;
        d.Inizio(6).Sezione("TABLES").g(0, "TABLE").g(2, "LAYER");
        d.Livello("0").Livello("MURI").Livello("ARREDI").Livello("SPENTO", -7).Livello("CONGELATO", 7, 1);
        d.g(0, "ENDTAB").FineSezione();
        d.Sezione("BLOCKS");
        // PORTA: un segmento e una scritta sul livello 0, punto base (0.5; 0).
        d.Blocco("PORTA", {0.5, 0}).Linea({0, 0}, {1, 0});
        d.g(0, "TEXT").g(8, "0").g(10, 0.5).g(20, 0.0).g(40, 0.2).g(1, "P").g(50, 0.0);
        d.FineBlocco();
        // STANZA: un muro e la porta ruotata di 90° in (5; 0).
        d.Blocco("STANZA").Linea({0, 0}, {0, 1}, "MURI").Inserisci("PORTA", {5, 0}, 1, 1, 90).FineBlocco();
        d.Blocco("CICLO").Linea({0, 0}, {1, 1}).Inserisci("CICLO", {1, 0}).FineBlocco();
        d.FineSezione().Sezione("ENTITIES");
        // La stanza specchiata (x −1), ruotata di 90° e spostata in (10; 10), sul livello ARREDI.
        d.Inserisci("STANZA", {10, 10}, -1, 1, 90, "ARREDI");
        d.Inserisci("CICLO", {0, 0});
        d.Inserisci("MANCANTE", {0, 0});
        d.Linea({0, 0}, {20, -3}, "SPENTO");
        d.g(0, "LINE").g(8, "0").g(67, 1).g(10, 0.0).g(20, 0.0).g(11, 7.0).g(21, 7.0); // spazio carta
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        const TDisegno& g = e.disegno;
        auto livello = [&](const TSpezzata& s) { return g.livelli[s.livello].nome; };
        auto sul = [&](const char* nome) {
            QList<TSpezzata> l;
            for (const TSpezzata& s : g.spezzate)
                if (livello(s) == QLatin1String(nome))
                    l << s;
            return l;
        };
        // Muro, porta, il segmento di CICLO una sola volta (la ricorsione è ignorata), quello spento.
        QCOMPARE(g.spezzate.size(), 4);
        QCOMPARE(sul("MURI").size(), 1);
        QVERIFY(Vicini(sul("MURI")[0].punti[0], {10, 10}) && Vicini(sul("MURI")[0].punti[1], {9, 10}, 1e-12));
        // La porta sul livello 0 prende il livello dell'inserimento più esterno.
        QCOMPARE(sul("ARREDI").size(), 1);
        const QPolygonF porta = sul("ARREDI")[0].punti;
        QVERIFY2(Vicini(porta[0], {10.5, 5}, 1e-12) && Vicini(porta[1], {9.5, 5}, 1e-12), qPrintable(Punti(porta)));
        QCOMPARE(sul("0").size(), 1);
        QCOMPARE(sul("SPENTO").size(), 1);
        QVERIFY(!g.livelli[sul("SPENTO")[0].livello].visibile);
        QCOMPARE(g.testi.size(), 1);
        QVERIFY(Vicini(g.testi[0].posizione, {10, 5}, 1e-12));
        QVERIFY2(std::abs(std::abs(g.testi[0].rotazione) - 180) < 1e-9,
                 qPrintable(QString::number(g.testi[0].rotazione)));
        QCOMPARE(g.testi[0].altezza, 0.2);
        QVERIFY(!g.livelli[g.IndiceLivello(QStringLiteral("CONGELATO"))].visibile);
        QVERIFY(g.livelli[g.IndiceLivello(QStringLiteral("MURI"))].visibile);
        QCOMPARE(e.avvisi.size(), 2); // ricorsione e blocco mancante
        // Il segmento spento non entra nei limiti dei livelli visibili.
        QCOMPARE(g.Limiti(), QRectF(QPointF(0, 0), QPointF(10.5, 10)));
        QCOMPARE(g.Limiti(false), QRectF(QPointF(0, -3), QPointF(20, 10)));
    }

    void fileRifiutati_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("motivo");
        TScriviDxf buono = Entita(6);
        buono.Linea({0, 0}, {1, 0}).Linea({1, 0}, {1, 1}).FineSezione().Fine();
        const QByteArray b = buono.testo;
        QTest::newRow("binario") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0\0\0", 24) << 100 << "DXF binario";
        QTest::newRow("vuoto") << QByteArray() << 100 << "non è un disegno DXF";
        QTest::newRow("testo qualsiasi") << QByteArray("ciao\nmondo\n") << 100 << "non è un disegno DXF";
        QTest::newRow("immagine") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 100 << "non è un disegno DXF";
        QTest::newRow("troncato a metà") << b.left(b.size() / 2) << 100 << "incompleto";
        QTest::newRow("senza EOF") << b.left(b.lastIndexOf("  0")) << 100 << "incompleto";
        QTest::newRow("codice non numerico") << QByteArray(b).replace(" 10\r\n", "1x0\r\n") << 100 << "danneggiato";
        TScriviDxf conteggio = Entita(6);
        conteggio.g(0, "LWPOLYLINE").g(8, "0").g(90, 2000000000).g(70, 0).g(10, 0.0).g(20, 0.0).FineSezione().Fine();
        QTest::newRow("conteggio assurdo") << conteggio.testo << 100 << "danneggiato alla riga";
        QTest::newRow("troppi elementi") << b << 1 << "più di 1 elementi";
        // Dieci segmenti in un blocco inserito 100×100 volte: 100 000 elementi oltre il limite.
        TScriviDxf griglia;
        griglia.Inizio(6).Sezione("BLOCKS").Blocco("B");
        for (int i = 0; i < 10; ++i)
            griglia.Linea({0, double(i)}, {1, double(i)});
        griglia.FineBlocco().FineSezione().Sezione("ENTITIES").Inserisci("B", {0, 0});
        griglia.g(70, 100).g(71, 100).g(44, 2.0).g(45, 2.0).FineSezione().Fine();
        QTest::newRow("blocchi esplosi oltre il limite") << griglia.testo << 50000 << "con i blocchi esplosi, supera";
    }
    void fileRifiutati()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, limite);
        QFETCH(QString, motivo);
        const TEsitoDxf e = TImportaDxf::LeggiByte(contenuto, limite);
        QVERIFY(!e.ok);
        QVERIFY2(e.errore.contains(motivo), qPrintable(e.errore));
        QCOMPARE(e.disegno, TDisegno());
    }

    void mutazioniNonFannoCadere()
    {
        // File veri rovinati a caso (seme fisso): ogni lettura finisce, con un disegno o con un
        // motivo, mai con un crollo o un'attesa infinita.
        TScriviDxf d;
        d.Inizio(4).Sezione("BLOCKS").Blocco("B", {1, 1}).Linea({0, 0}, {1, 0});
        d.g(0, "LWPOLYLINE").g(8, "0").g(90, 3).g(70, 1).g(10, 0.0).g(20, 0.0).g(42, 0.5).g(10, 1.0).g(20, 0.0);
        d.g(10, 1.0).g(20, 1.0).FineBlocco().FineSezione().Sezione("ENTITIES");
        d.Inserisci("B", {5, 5}, -2, 1, 30).g(0, "SPLINE").g(8, "0").g(70, 8).g(71, 3).g(72, 8).g(73, 4).g(74, 0);
        for (double k : {0, 0, 0, 0, 1, 1, 1, 1})
            d.g(40, k);
        for (int i = 0; i < 4; ++i)
            d.g(10, double(i)).g(20, double(i % 2));
        d.g(0, "MTEXT").g(8, "T").g(10, 1.0).g(20, 1.0).g(40, 0.2).g(1, "{\\H2;x}\\Py");
        d.g(0, "ELLIPSE").g(8, "0").g(10, 0.0).g(20, 0.0).g(11, 2.0).g(21, 0.0).g(40, 0.5).g(41, 0.0).g(42, 3.0);
        d.FineSezione().Fine();
        QVERIFY(TImportaDxf::LeggiByte(d.testo).ok);
        const QList<QByteArray> righe = d.testo.split('\n');
        const QList<QByteArray> strane{"-1", "1e308", "nan", "2147483647", "-2147483648", "", "SECTION", "EOF", "0"};
        quint32 seme = 12345;
        auto caso = [&](quint32 n) {
            seme = seme * 1664525u + 1013904223u;
            return (seme >> 8) % n;
        };
        int letti = 0;
        for (int prova = 0; prova < 40000; ++prova) {
            QList<QByteArray> r = righe;
            for (int m = 0; m < 3; ++m) {
                const int i = int(caso(quint32(r.size())));
                switch (caso(3)) {
                case 0:
                    r[i] = strane[caso(quint32(strane.size()))] + '\r';
                    break;
                case 1:
                    r.removeAt(i);
                    break;
                default:
                    r.insert(i, r[caso(quint32(r.size()))]);
                }
            }
            const TEsitoDxf e = TImportaDxf::LeggiByte(r.join('\n'));
            QCOMPARE(e.ok, e.errore.isEmpty());
            letti += e.ok;
        }
        // Alcune mutazioni sono innocue, altre no: entrambe le strade sono percorse.
        QVERIFY(letti > 0 && letti < 40000);
    }

    void grigliaNelLimite()
    {
        // Lo stesso inserimento multiplo sotto il limite: 4 copie in 2×2 a passo 2.
        TScriviDxf d;
        d.Inizio(6).Sezione("BLOCKS").Blocco("B").Linea({0, 0}, {1, 0}).FineBlocco().FineSezione();
        d.Sezione("ENTITIES").Inserisci("B", {0, 0}).g(70, 2).g(71, 2).g(44, 2.0).g(45, 3.0);
        const TEsitoDxf e = Importa(d);
        QVERIFY2(e.ok, qPrintable(e.errore));
        QCOMPARE(e.disegno.spezzate.size(), 4);
        QCOMPARE(e.disegno.Limiti(), QRectF(0, 0, 3, 3));
    }

    void fileDaDisco()
    {
        const TEsitoDxf e = TImportaDxf::Leggi(QStringLiteral("/percorso/che/non/esiste.dxf"));
        QVERIFY(!e.ok);
        QVERIFY(e.errore.contains(QStringLiteral("Impossibile aprire")));
    }

    void disegnoSerializzato()
    {
        TScriviDxf d = Entita(4);
        d.Linea({0, 0}, {1000, 0}, "MURI").g(0, "CIRCLE").g(8, "0").g(10, 0.0).g(20, 0.0).g(40, 500.0);
        d.g(0, "TEXT").g(8, "SCRITTE").g(10, 1.0).g(20, 2.0).g(40, 250.0).g(1, "Soggiorno àè").g(50, 10.0);
        TEsitoDxf e = Importa(d);
        QVERIFY(e.ok);
        e.disegno.livelli[0].visibile = false;
        TDisegno letto;
        QVERIFY(letto.Leggi(e.disegno.Scrivi()));
        QCOMPARE(letto, e.disegno);
        // Byte rovinati: il disegno resta quello di prima.
        QByteArray rotti = e.disegno.Scrivi();
        rotti.chop(3);
        QString motivo;
        QVERIFY(!letto.Leggi(rotti, &motivo));
        QVERIFY(motivo.contains(QStringLiteral("danneggiato")));
        QCOMPARE(letto, e.disegno);
    }
};

QTEST_GUILESS_MAIN(TstDxf)
#include "tst_dxf.moc"
