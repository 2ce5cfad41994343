// Il modello della pianta: andata e ritorno in byte, blocchi rovinati rifiutati senza toccare
// la pianta, scala degli sfondi, contorni tolti.
#include "pianta/Upianta.h"
#include "pianta/Uvalori.h"

#include <QTest>
#include <QtEndian>

namespace {

TPianta Esempio()
{
    TPianta p;
    TPiano& terra = p.PianoOCrea(QStringLiteral("Terra"));
    terra.sfondo.tipo = TSfondo::TTipo::Disegno;
    terra.sfondo.disegno.unita = TUnita::Millimetri;
    const int muri = terra.sfondo.disegno.Livello(QStringLiteral("MURI"));
    terra.sfondo.disegno.Livello(QStringLiteral("ARREDI"));
    terra.sfondo.disegno.livelli[1].visibile = false;
    terra.sfondo.disegno.spezzate << TSpezzata {muri, QPolygonF(QList<QPointF> {{0, 0}, {6, 0}, {6, 3}}), true};
    terra.sfondo.disegno.testi << TTesto {muri, {1, 1}, 0.25, 30, QStringLiteral("Soggiorno è")};
    terra.locali << TContornoLocale {3, QPolygonF(QList<QPointF> {{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 5}, {0, 5}})};
    terra.locali << TContornoLocale {0, QPolygonF(QList<QPointF> {{6, 0}, {9, 0}, {9, 3}, {6, 3}})};
    terra.zoneSenzaTubi << QPolygonF(QList<QPointF> {{1, 1}, {2, 1}, {2, 2}});
    terra.muriEsterni << TMuroEsterno {0, 0} << TMuroEsterno {0, 5} << TMuroEsterno {1, 1};
    terra.collettori.insert(QStringLiteral("Coll. 1"), {3.5, 0.2});
    terra.collettori.insert(QStringLiteral("Coll. 2"), {8, 2.5});
    TPiano& primo = p.PianoOCrea(QStringLiteral("Primo"));
    primo.sfondo.tipo = TSfondo::TTipo::Pdf;
    primo.sfondo.byte = QByteArray("%PDF-1.4 finto ") + QByteArray(5000, 'x');
    primo.sfondo.pagina = 2;
    primo.sfondo.puntoA = {100, 200};
    primo.sfondo.puntoB = {400, 600}; // 500 pixel
    primo.sfondo.distanza = 10;
    primo.sfondo.posizione = {-1, 20};
    primo.locali << TContornoLocale {7, QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {4, 4}, {0, 4}})};
    p.PianoOCrea(QString()); // un piano senza nome e senza niente
    return p;
}

QByteArray Intero(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

class TstPianta : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void andataRitorno()
    {
        const TPianta p = Esempio();
        const QByteArray b = p.Scrivi();
        TPianta letta;
        QString motivo;
        QVERIFY2(letta.Leggi(b, &motivo), qPrintable(motivo));
        QCOMPARE(letta, p);
        QCOMPARE(letta.Scrivi(), b);
        // Lo sfondo ripetitivo è davvero compresso.
        QVERIFY(b.size() < 1500);
        QVERIFY(TPianta().Leggi(TPianta().Scrivi()));
    }

    void rovinati_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("motivo");
        const QByteArray b = Esempio().Scrivi();
        QTest::newRow("vuoto") << QByteArray() << "danneggiati";
        QTest::newRow("altra firma") << QByteArray("XXXX").append(b.mid(4)) << "danneggiati";
        QTest::newRow("versione futura") << QByteArray(b).replace(4, 4, Intero(2)) << "versione più recente";
        QTest::newRow("piani: conteggio enorme") << QByteArray(b).replace(8, 4, Intero(0xFFFFFFFF)) << "danneggiati";
        QTest::newRow("piani: uno in più") << QByteArray(b).replace(8, 4, Intero(4)) << "danneggiati";
        QTest::newRow("piani: uno in meno") << QByteArray(b).replace(8, 4, Intero(2)) << "danneggiati";
        QTest::newRow("byte in più in fondo") << b + QByteArray(1, '\0') << "danneggiati";
        // I conteggi dentro il primo piano stanno subito dopo lo sfondo; si trovano a partire
        // dal nome del collettore, scritto in UTF-16.
        const QByteArray coll = QByteArray::fromRawData(reinterpret_cast<const char*>(u"Coll. 1"), 14);
        const qsizetype inizioColl = b.indexOf(coll);
        QVERIFY(inizioColl > 0);
        // Quattro byte prima del nome c'è la sua lunghezza, altri quattro prima il numero di collettori.
        const qsizetype nColl = inizioColl - 8;
        QCOMPARE(b.mid(nColl, 4), Intero(2));
        QTest::newRow("collettori: conteggio enorme")
            << QByteArray(b).replace(nColl, 4, Intero(0x7FFFFFFF)) << "danneggiati (piano 1)";
        QTest::newRow("collettori: nome ripetuto") << QByteArray(b).replace(
            b.indexOf(QByteArray::fromRawData(reinterpret_cast<const char*>(u"Coll. 2"), 14)), 14, coll)
                                                   << "danneggiati (piano 1)";
        // Tre muri (3 × 8 byte) prima del conteggio dei collettori; il numero dei muri prima ancora.
        const qsizetype nMuri = nColl - 3 * 8 - 4;
        QCOMPARE(b.mid(nMuri, 4), Intero(3));
        QTest::newRow("muri: lato inesistente")
            << QByteArray(b).replace(nMuri + 4 + 4, 4, Intero(6)) << "danneggiati (piano 1)";
        QTest::newRow("muri: contorno inesistente")
            << QByteArray(b).replace(nMuri + 4 + 16, 4, Intero(2)) << "danneggiati (piano 1)";
        QTest::newRow("muri: conteggio enorme") << QByteArray(b).replace(nMuri, 4, Intero(0x10000000)) << "danneggiati";
        // Lo sfondo compresso del primo piano: la lunghezza dichiarata da zlib falsata.
        const qsizetype compresso = 4 + 4 + 4 + (4 + 10) + 4 + 4;
        QTest::newRow("sfondo: lunghezza dichiarata enorme")
            << QByteArray(b).replace(compresso, 4, QByteArray("\x7f\xff\xff\xff", 4)) << "danneggiati (piano 1)";
        QTest::newRow("sfondo: dati compressi rovinati")
            << QByteArray(b).replace(compresso + 10, 4, QByteArray("\x01\x02\x03\x04", 4)) << "danneggiati (piano 1)";
        // Troncato in vari punti: ogni taglio deve essere rifiutato.
        for (const qsizetype taglio : {qsizetype(3), qsizetype(9), b.size() / 3, b.size() / 2, b.size() - 1})
            QTest::addRow("troncato a %lld", qlonglong(taglio)) << b.left(taglio) << "danneggiati";
    }
    void rovinati()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, motivo);
        TPianta p = Esempio();
        QString m;
        QVERIFY(!p.Leggi(byte, &m));
        QVERIFY2(m.contains(motivo), qPrintable(m));
        QCOMPARE(p, Esempio()); // la pianta non è stata toccata
    }

    void ogniTaglio()
    {
        // Nessun taglio, per quanto piccolo, passa per buono né fa cadere il programma.
        const QByteArray b = Esempio().Scrivi();
        for (qsizetype n = 0; n < b.size(); ++n) {
            TPianta p;
            QVERIFY2(!p.Leggi(b.left(n)), qPrintable(QString::number(n)));
        }
    }

    void scalaSfondo()
    {
        const TPianta p = Esempio();
        const TSfondo& s = p.Piano(QStringLiteral("Primo"))->sfondo;
        QCOMPARE(s.Scala(), 0.02);
        // Il pixel (0;0) cade nella posizione; 100 pixel più in basso sono 2 m più in giù.
        QCOMPARE(s.Trasformazione().map(QPointF(0, 0)), QPointF(-1, 20));
        QCOMPARE(s.Trasformazione().map(QPointF(50, 100)), QPointF(0, 18));
        QCOMPARE(TSfondo().Scala(), 0.0);
    }

    void togliContorno()
    {
        TPianta p = Esempio();
        TPiano& terra = *p.Piano(QStringLiteral("Terra"));
        QCOMPARE(terra.LatiEsterni(0), QList<int>({0, 5}));
        terra.TogliContorno(0);
        QCOMPARE(terra.locali.size(), 1);
        QCOMPARE(terra.muriEsterni, QList<TMuroEsterno>({TMuroEsterno {0, 1}}));
        QVERIFY(p.Piano(QStringLiteral("Cantina")) == nullptr);
    }

    void valoriLocali()
    {
        TPianta p;
        TPiano& terra = p.PianoOCrea(QStringLiteral("Terra"));
        // Locale 3: la L da 24 m² con una zona senza tubi di 1 m², muri esterni in basso (6 m)
        // e a sinistra (5 m): striscia 6 + 5 − 1 = 10 m²; collettore assegnato 2 m sotto.
        terra.locali << TContornoLocale {3, QPolygonF(QList<QPointF> {{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 5}, {0, 5}})};
        terra.zoneSenzaTubi << QPolygonF(QList<QPointF> {{1, 1}, {2, 1}, {2, 2}, {1, 2}});
        terra.muriEsterni << TMuroEsterno {0, 0} << TMuroEsterno {0, 5};
        terra.collettori.insert(QStringLiteral("Coll. 1"), {3.5, -2});
        terra.collettori.insert(QStringLiteral("Coll. 2"), {12, 0.5});
        // Locale 5 in due pezzi (9 + 1 m²), senza collettore assegnato: vale il più vicino,
        // Coll. 2 a 2 m dal pezzo piccolo (il Coll. 1 è a 2.5 + 2 = 4.5 m → 5).
        terra.locali << TContornoLocale {5, QPolygonF(QList<QPointF> {{6, 0}, {9, 0}, {9, 3}, {6, 3}})};
        terra.locali << TContornoLocale {5, QPolygonF(QList<QPointF> {{9, 0}, {10, 0}, {10, 1}, {9, 1}})};
        // Un contorno non legato e uno che si interseca: il primo non conta, il secondo è un problema.
        terra.locali << TContornoLocale {0, QPolygonF(QList<QPointF> {{20, 0}, {30, 0}, {30, 10}})};
        terra.locali << TContornoLocale {9, QPolygonF(QList<QPointF> {{0, 10}, {2, 12}, {2, 10}, {0, 12}})};
        // Locale 7 al primo piano con il collettore a 150 m: le aree sì, la distanza no.
        TPiano& primo = p.PianoOCrea(QStringLiteral("Primo"));
        primo.locali << TContornoLocale {7, QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {4, 2.5}, {0, 2.5}})};
        primo.collettori.insert(QStringLiteral("Coll. 3"), {154, 0});
        primo.muriEsterni << TMuroEsterno {0, 2};

        const TValoriPianta v = TValoriLocali::Calcola(p, {{3, QStringLiteral("Coll. 1")}});
        const QList<TAggiornamento> attesi {
            {3, QStringLiteral("Area"), 24.0},          {3, QStringLiteral("AreaUtile"), 23.0},
            {3, QStringLiteral("AreaMarginale"), 10.0}, {3, QStringLiteral("DistColl"), 2},
            {5, QStringLiteral("Area"), 10.0},          {5, QStringLiteral("AreaUtile"), 10.0},
            {5, QStringLiteral("AreaMarginale"), 0.0},  {5, QStringLiteral("DistColl"), 2},
            {7, QStringLiteral("Area"), 10.0},          {7, QStringLiteral("AreaUtile"), 10.0},
            {7, QStringLiteral("AreaMarginale"), 4.0},
        };
        QCOMPARE(v.aggiornamenti, attesi);
        QCOMPARE(v.problemi.size(), 2);
        QVERIFY2(v.problemi[0].startsWith(QStringLiteral("Locale 9: "))
                     && v.problemi[0].contains(QStringLiteral("interseca")),
                 qPrintable(v.problemi[0]));
        QVERIFY2(v.problemi[1].contains(QStringLiteral("Locale 7: il collettore dista 150 m")),
                 qPrintable(v.problemi[1]));

        // Striscia più stretta e collettore assegnato che non è su quel piano: vale il più vicino.
        const TValoriPianta s = TValoriLocali::Calcola(p, {{3, QStringLiteral("Coll. 3")}}, 0.5);
        QCOMPARE(s.aggiornamenti[2], (TAggiornamento {3, QStringLiteral("AreaMarginale"), 5.25}));
        QCOMPARE(s.aggiornamenti[3], (TAggiornamento {3, QStringLiteral("DistColl"), 2}));
    }
};

QTEST_GUILESS_MAIN(TstPianta)
#include "tst_pianta.moc"
