// Geometria della pianta su forme calcolate a mano: stanza a L, stanza con rientranza, muro
// inclinato; validità, area utile, striscia marginale, distanza dal collettore, regioni, agganci.
#include "pianta/Ugeometria.h"

#include <QTest>
#include <cmath>

namespace {

QPolygonF Rettangolo(double x0, double y0, double x1, double y1)
{
    return QPolygonF(QList<QPointF> {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}
// Stanza a L: 6×3 più 3×2 = 24 m².
const QPolygonF StanzaL({{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 5}, {0, 5}});
// 5×4 con una rientranza 1×1 nel muro in basso: 19 m².
const QPolygonF StanzaRientranza({{0, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 0}, {5, 0}, {5, 4}, {0, 4}});
// 4×4 con l'angolo in alto a destra tagliato da un muro a 45°: 16 − 2 = 14 m².
const QPolygonF StanzaInclinata({{0, 0}, {4, 0}, {4, 2}, {2, 4}, {0, 4}});

QPolygonF Rovescia(QPolygonF p)
{
    std::reverse(p.begin(), p.end());
    return p;
}

} // namespace

class TstGeometria : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aree_data()
    {
        QTest::addColumn<QPolygonF>("contorno");
        QTest::addColumn<double>("area");
        QTest::newRow("L") << StanzaL << 24.0;
        QTest::newRow("rientranza") << StanzaRientranza << 19.0;
        QTest::newRow("inclinato") << StanzaInclinata << 14.0;
    }
    void aree()
    {
        QFETCH(QPolygonF, contorno);
        QFETCH(double, area);
        QCOMPARE(TGeometria::AreaConSegno(contorno), area);
        QCOMPARE(TGeometria::AreaConSegno(Rovescia(contorno)), -area);
        QCOMPARE(TGeometria::Area(Rovescia(contorno)), area);
        QVERIFY2(TGeometria::Difetto(contorno).isEmpty(), qPrintable(TGeometria::Difetto(contorno)));
        QVERIFY(TGeometria::Difetto(Rovescia(contorno)).isEmpty());
    }

    void difetti_data()
    {
        QTest::addColumn<QPolygonF>("contorno");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("due vertici") << QPolygonF(QList<QPointF> {{0, 0}, {1, 0}}) << "almeno tre vertici";
        QTest::newRow("farfalla") << QPolygonF(QList<QPointF> {{0, 0}, {2, 2}, {2, 0}, {0, 2}})
                                  << "si interseca con se stesso vicino al punto (1.00; 1.00)";
        QTest::newRow("allineati") << QPolygonF(QList<QPointF> {{0, 0}, {1, 0}, {3, 0}}) << "area nulla";
        QTest::newRow("vertice doppio") << QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {4, 0}, {0, 3}}) << "coincidenti (vertice 2)";
        QTest::newRow("chiusura ripetuta") << QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {0, 3}, {0, 0}}) << "coincidenti (vertice 4)";
        // Un lato che torna indietro sul precedente: area positiva ma contorno degenere.
        QTest::newRow("sperone") << QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {4, 3}, {4, 5}, {4, 4}, {0, 3}}) << "si interseca";
        QTest::newRow("non finito") << QPolygonF(QList<QPointF> {{0, 0}, {qInf(), 0}, {0, 3}}) << "coordinate non valide";
    }
    void difetti()
    {
        QFETCH(QPolygonF, contorno);
        QFETCH(QString, motivo);
        const QString d = TGeometria::Difetto(contorno);
        QVERIFY2(d.contains(motivo), qPrintable(d));
    }

    void pulisci()
    {
        const QPolygonF p = TGeometria::Pulisci({{0, 0}, {4, 0}, {4, 0}, {0, 3}, {0, 0}});
        QCOMPARE(p, QPolygonF(QList<QPointF> {{0, 0}, {4, 0}, {0, 3}}));
        QVERIFY(TGeometria::Difetto(p).isEmpty());
    }

    void booleane()
    {
        const TForma a = TGeometria::Forma(Rettangolo(0, 0, 2, 2));
        const TForma b = TGeometria::Forma(Rettangolo(1, 1, 3, 3));
        QCOMPARE(TGeometria::Area(TGeometria::Unione({a, b})), 7.0);
        QCOMPARE(TGeometria::Area(TGeometria::Differenza({a}, {b})), 3.0);
        QCOMPARE(TGeometria::Area(TGeometria::Intersezione({a}, {b})), 1.0);
        // Un foro nel mezzo resta un foro della forma, non una forma a parte.
        const TForme bucata = TGeometria::Differenza({TGeometria::Forma(Rettangolo(0, 0, 4, 4))},
                                                     {TGeometria::Forma(Rettangolo(1, 1, 2, 2))});
        QCOMPARE(bucata.size(), 1);
        QCOMPARE(bucata[0].fori.size(), 1);
        QCOMPARE(TGeometria::Area(bucata), 15.0);
    }

    void areaUtile_data()
    {
        QTest::addColumn<QPolygonF>("locale");
        QTest::addColumn<QList<QPolygonF>>("zone");
        QTest::addColumn<double>("area");
        QTest::addColumn<QString>("motivo");
        const QPolygonF r = Rettangolo(0, 0, 5, 4);
        QTest::newRow("senza zone") << r << QList<QPolygonF> {} << 20.0 << "";
        QTest::newRow("zona dentro") << r << QList<QPolygonF> {Rettangolo(1, 1, 2, 3)} << 18.0 << "";
        QTest::newRow("zona a cavallo") << r << QList<QPolygonF> {Rettangolo(4, 3, 6, 5)} << 19.0 << "";
        QTest::newRow("zona fuori") << r << QList<QPolygonF> {Rettangolo(6, 0, 7, 1)} << 20.0 << "";
        QTest::newRow("zone sovrapposte")
            << r << QList<QPolygonF> {Rettangolo(1, 1, 3, 2), Rettangolo(2, 1, 4, 2)} << 17.0 << "";
        QTest::newRow("L con zona nell'ala")
            << StanzaL << QList<QPolygonF> {Rettangolo(0.5, 3.5, 1.5, 4.5)} << 23.0 << "";
        QTest::newRow("inclinato con zona sul muro")
            << StanzaInclinata << QList<QPolygonF> {Rettangolo(2, 2, 4, 4)} << 12.0 << "";
        QTest::newRow("zona più grande del locale")
            << r << QList<QPolygonF> {Rettangolo(-1, -1, 6, 5)} << 0.0 << "coprono tutto il locale";
        QTest::newRow("zona che si interseca")
            << r << QList<QPolygonF> {Rettangolo(1, 1, 2, 2), QPolygonF(QList<QPointF> {{0, 0}, {2, 2}, {2, 0}, {0, 2}})} << 0.0
            << "zona senza tubi n. 2 non è valida: Il contorno si interseca";
        QTest::newRow("locale che si interseca") << QPolygonF(QList<QPointF> {{0, 0}, {2, 2}, {2, 0}, {0, 2}}) << QList<QPolygonF> {}
                                                 << 0.0 << "contorno del locale non è valido";
    }
    void areaUtile()
    {
        QFETCH(QPolygonF, locale);
        QFETCH(QList<QPolygonF>, zone);
        QFETCH(double, area);
        QFETCH(QString, motivo);
        QString m = QStringLiteral("non toccato");
        const TForme utile = TGeometria::AreaUtile(locale, zone, &m);
        QCOMPARE(TGeometria::Area(utile), area);
        if (motivo.isEmpty())
            QVERIFY2(m.isEmpty(), qPrintable(m));
        else
            QVERIFY2(m.contains(motivo), qPrintable(m));
    }

    void striscia_data()
    {
        QTest::addColumn<QPolygonF>("locale");
        QTest::addColumn<QList<int>>("lati");
        QTest::addColumn<QList<QPolygonF>>("zone");
        QTest::addColumn<double>("larghezza");
        QTest::addColumn<double>("area");
        const QPolygonF r = Rettangolo(0, 0, 5, 4);
        const QList<QPolygonF> nessuna;
        // Lato 0 in basso (5 m), lato 1 a destra (4 m).
        QTest::newRow("un muro") << r << QList<int> {0} << nessuna << 1.0 << 5.0;
        QTest::newRow("un muro, giro orario") << Rovescia(r) << QList<int> {2} << nessuna << 1.0 << 5.0;
        QTest::newRow("un muro largo 0.5") << r << QList<int> {0} << nessuna << 0.5 << 2.5;
        QTest::newRow("due muri") << r << QList<int> {0, 1} << nessuna << 1.0 << 8.0;
        QTest::newRow("due muri non contigui") << r << QList<int> {0, 2} << nessuna << 1.0 << 10.0;
        QTest::newRow("tutti i muri") << r << QList<int> {0, 1, 2, 3} << nessuna << 1.0 << 14.0;
        // La zona (1..2 × 0.5..1.5) sta per metà nella striscia in basso.
        const QList<QPolygonF> zona {Rettangolo(1, 0.5, 2, 1.5)};
        QTest::newRow("un muro con zona") << r << QList<int> {0} << zona << 1.0 << 4.5;
        QTest::newRow("due muri con zona") << r << QList<int> {0, 1} << zona << 1.0 << 7.5;
        // Angolo rientrante della L in (3;3): 3 + 2 + il quadrato d'angolo 1.
        QTest::newRow("L angolo rientrante") << StanzaL << QList<int> {2, 3} << nessuna << 1.0 << 6.0;
        // Muro a 45° lungo 2√2 m: la striscia è il rettangolo 2√2 × 1 verso l'interno.
        QTest::newRow("muro inclinato") << StanzaInclinata << QList<int> {2} << nessuna << 1.0 << 2 * std::sqrt(2.0);
        // Rientranza: il muro in basso a destra (3..5) con la rientranza accanto.
        QTest::newRow("rientranza") << StanzaRientranza << QList<int> {4, 5} << nessuna << 1.0 << 2.0 + 4.0 - 1.0;
        QTest::newRow("lato inesistente") << r << QList<int> {7} << nessuna << 1.0 << 0.0;
    }
    void striscia()
    {
        QFETCH(QPolygonF, locale);
        QFETCH(QList<int>, lati);
        QFETCH(QList<QPolygonF>, zone);
        QFETCH(double, larghezza);
        QFETCH(double, area);
        const TForme utile = TGeometria::AreaUtile(locale, zone);
        const TForme s = TGeometria::StrisciaMarginale(locale, lati, utile, larghezza);
        QVERIFY2(std::abs(TGeometria::Area(s) - area) < 1e-9,
                 qPrintable(QString::number(TGeometria::Area(s), 'g', 12)));
        // La striscia sta tutta nell'area utile.
        QVERIFY(TGeometria::Area(TGeometria::Differenza(s, utile)) < 1e-9);
    }

    void strisciaNonAttraversaLeAli()
    {
        // U con le ali larghe 0.5 m separate da una fessura di 0.3 m: la striscia del muro
        // esterno dell'ala sinistra non deve comparire nell'ala destra.
        const QPolygonF u({{0, 0}, {1.3, 0}, {1.3, 3}, {0.8, 3}, {0.8, 1}, {0.5, 1}, {0.5, 3}, {0, 3}});
        // Lato 5: da (0.5;1) a (0.5;3), il muro dell'ala sinistra verso la fessura.
        const TForme s = TGeometria::StrisciaMarginale(u, {5}, TGeometria::AreaUtile(u, {}), 1.0);
        QCOMPARE(TGeometria::Area(s), 1.0); // ala sinistra 0.5 × 2, nient'altro
    }

    void distanza_data()
    {
        QTest::addColumn<QPolygonF>("locale");
        QTest::addColumn<QPointF>("collettore");
        QTest::addColumn<int>("metri");
        const QPolygonF r = Rettangolo(0, 0, 5, 4);
        QTest::newRow("dentro") << r << QPointF(2, 2) << 0;
        QTest::newRow("sul muro") << r << QPointF(5, 2) << 0;
        QTest::newRow("di fronte, 2.2 m") << r << QPointF(7.2, 2) << 3;
        QTest::newRow("in diagonale dall'angolo") << r << QPointF(7, 6) << 4;
        QTest::newRow("metri interi non salgono") << r << QPointF(8.0000001, 2) << 3;
        // Verso il muro a 45° ogni punto del muro dà 4: a tratti, non in linea d'aria (2.12).
        QTest::newRow("muro inclinato") << StanzaInclinata << QPointF(4.5, 4.5) << 3;
        QTest::newRow("L, nell'angolo rientrante") << StanzaL << QPointF(5, 4.5) << 2;
    }
    void distanza()
    {
        QFETCH(QPolygonF, locale);
        QFETCH(QPointF, collettore);
        QFETCH(int, metri);
        QCOMPARE(TGeometria::DistanzaManhattan(collettore, locale), metri);
    }

    void regioni()
    {
        // Perimetro 10×5 a segmenti, un tramezzo a x=4 che sporge, un tratto sospeso, e un
        // angolo con uno spiraglio di 0.02 mm che si chiude.
        const QList<QLineF> s {
            {0, 0, 10, 0}, {10, 0, 10, 5}, {10, 5, 0, 5}, {0, 5, 0, 0.00002}, {4, -0.5, 4, 5.5}, {7, 2, 8, 3},
        };
        const TForme r = TGeometria::Poligonizza(s);
        QCOMPARE(r.size(), 2);
        const int a = TGeometria::RegioneContenente(r, {2, 2});
        const int b = TGeometria::RegioneContenente(r, {7, 4});
        QVERIFY(a >= 0 && b >= 0 && a != b);
        QVERIFY(std::abs(TGeometria::Area(r[a]) - 20) < 1e-3);
        QVERIFY(std::abs(TGeometria::Area(r[b]) - 30) < 1e-3);
        QCOMPARE(TGeometria::RegioneContenente(r, {11, 2}), -1);

        // Un pilastro dentro la stanza è un foro della regione, e cliccarci dentro dà il pilastro.
        const QList<QLineF> p {{0, 0, 4, 0}, {4, 0, 4, 4}, {4, 4, 0, 4}, {0, 4, 0, 0},
                               {1, 1, 2, 1}, {2, 1, 2, 2}, {2, 2, 1, 2}, {1, 2, 1, 1}};
        const TForme rp = TGeometria::Poligonizza(p);
        QCOMPARE(rp.size(), 2);
        const int stanza = TGeometria::RegioneContenente(rp, {3, 3});
        const int pilastro = TGeometria::RegioneContenente(rp, {1.5, 1.5});
        QCOMPARE(TGeometria::Area(rp[stanza]), 15.0);
        QCOMPARE(TGeometria::Area(rp[pilastro]), 1.0);
        QVERIFY(TGeometria::Poligonizza({}).isEmpty());
    }

    void agganci_data()
    {
        QTest::addColumn<QPointF>("cursore");
        QTest::addColumn<double>("griglia");
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<int>("tipo");
        QTest::newRow("estremo") << QPointF(0.1, 0.05) << 0.5 << QPointF(0, 0) << int(TTipoAggancio::Estremo);
        QTest::newRow("intersezione") << QPointF(5.1, 0.1) << 0.5 << QPointF(5, 0) << int(TTipoAggancio::Intersezione);
        QTest::newRow("griglia") << QPointF(7.3, 2.2) << 0.5 << QPointF(7.5, 2) << int(TTipoAggancio::Griglia);
        QTest::newRow("niente") << QPointF(7.3, 2.2) << 0.0 << QPointF(7.3, 2.2) << int(TTipoAggancio::Nessuno);
        // L'estremo vince sull'intersezione anche se questa è più vicina.
        QTest::newRow("estremo prima") << QPointF(5, 4.85) << 0.0 << QPointF(5, 5) << int(TTipoAggancio::Estremo);
    }
    void agganci()
    {
        QFETCH(QPointF, cursore);
        QFETCH(double, griglia);
        QFETCH(QPointF, punto);
        QFETCH(int, tipo);
        const QList<QLineF> s {{0, 0, 10, 0}, {5, -5, 5, 5}, {0, 4.8, 10, 4.8}};
        const TAggancio a = TGeometria::Aggancia(cursore, s, 0.2, griglia);
        QCOMPARE(int(a.tipo), tipo);
        QVERIFY(std::abs(a.punto.x() - punto.x()) < 1e-12 && std::abs(a.punto.y() - punto.y()) < 1e-12);
    }

    void agganciaAngolo()
    {
        QCOMPARE(TGeometria::AgganciaAngolo({1, 1}, {4, 3.9}), QPointF(3.95, 3.95));
        QCOMPARE(TGeometria::AgganciaAngolo({1, 1}, {4, 1.4}), QPointF(4, 1));
        QCOMPARE(TGeometria::AgganciaAngolo({1, 1}, {0.8, -3}), QPointF(1, -3));
        QCOMPARE(TGeometria::AgganciaAngolo({0, 0}, {-2, 2.1}), QPointF(-2.05, 2.05));
    }
};

QTEST_GUILESS_MAIN(TstGeometria)
#include "tst_geometria.moc"
