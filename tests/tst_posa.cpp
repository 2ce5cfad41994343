// Posa automatica: si controlla la geometria dei circuiti prodotti, non il codice che li produce.
// Con TVL_POSA_PNG=cartella ogni caso è anche disegnato in un PNG da guardare.
#include "pianta/Udxf.h"
#include "pianta/Ugeos.h"
#include "posa/Udxfposa.h"
#include "posa/Ulunghezze.h"
#include "posa/Uposa.h"
#include "posa/Uposapiano.h"
#include "posa/Uripartizione.h"
#include "posa/Userpentina.h"
#include "posa/Uspirale.h"
#include "posa/Utavola.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(TForma)
Q_DECLARE_METATYPE(TSchemaPosa)
Q_DECLARE_METATYPE(QList<int>)

namespace {
QPolygonF Rett(double x0, double y0, double x1, double y1)
{
    return QPolygonF {QPointF(x0, y0), QPointF(x1, y0), QPointF(x1, y1), QPointF(x0, y1)};
}

double DistanzaSegmenti(QPointF a, QPointF b, QPointF c, QPointF d)
{
    auto puntoSeg = [](QPointF p, QPointF u, QPointF v) {
        const QPointF w = v - u;
        const double l2 = QPointF::dotProduct(w, w);
        const double t = l2 <= 0 ? 0 : std::clamp(QPointF::dotProduct(p - u, w) / l2, 0.0, 1.0);
        return QLineF(p, u + w * t).length();
    };
    return std::min({puntoSeg(a, c, d), puntoSeg(b, c, d), puntoSeg(c, a, b), puntoSeg(d, a, b)});
}

// Distanza minima fra tratti del tubo lontani lungo il tubo più di `lontano` (i tratti vicini
// lungo il tubo sono la stessa curva). Segmenti che si incrociano danno 0 solo se s'intersecano:
// l'incrocio lo controlla GEOSisSimple.
double DistanzaMinimaPropria(const QPolygonF& t, double lontano)
{
    QList<double> ascissa {0};
    for (qsizetype i = 1; i < t.size(); ++i)
        ascissa << ascissa.last() + QLineF(t[i - 1], t[i]).length();
    double minimo = 1e300;
    for (qsizetype i = 0; i + 1 < t.size(); ++i)
        for (qsizetype j = i + 1; j + 1 < t.size(); ++j) {
            if (ascissa[j] - ascissa[i + 1] < lontano)
                continue;
            minimo = std::min(minimo, DistanzaSegmenti(t[i], t[i + 1], t[j], t[j + 1]));
        }
    return minimo;
}

// Il raggio di curvatura più stretto del tubo: il cerchio per tre vertici consecutivi.
double RaggioMinimo(const QPolygonF& t)
{
    double minimo = 1e300;
    for (qsizetype i = 1; i + 1 < t.size(); ++i) {
        const QPointF a = t[i - 1], b = t[i], c = t[i + 1];
        const double doppiaArea = std::abs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y()));
        if (doppiaArea > 1e-12)
            minimo = std::min(minimo,
                              QLineF(a, b).length() * QLineF(b, c).length() * QLineF(c, a).length() / (2 * doppiaArea));
    }
    return minimo;
}

// Il tubo sta nella parte e ne dista almeno c dal bordo (muri, zone senza tubo, fori), 1 mm di
// tolleranza: la distanza vera, che attorno a uno spigolo rientrante è quella dallo spigolo.
bool Dentro(const TForme& parte, const QPolygonF& tubo, double c)
{
    auto area = geos_tvl::MultiPoligono(parte);
    auto linea = geos_tvl::Linea(tubo);
    geos_tvl::TGeom bordo(GEOSBoundary_r(geos_tvl::Contesto(), area.get()));
    double d = 0;
    GEOSDistance_r(geos_tvl::Contesto(), linea.get(), bordo.get(), &d);
    return geos_tvl::Copre(area.get(), linea.get()) && d >= c - 0.001;
}

void Disegna(const QString& nome, const TForma& locale, const TForme& parti, const QList<TCircuitoPosato>& circuiti)
{
    const QString cartella = qEnvironmentVariable("TVL_POSA_PNG");
    if (cartella.isEmpty())
        return;
    QRectF r = locale.esterno.boundingRect().adjusted(-0.3, -0.3, 0.3, 0.3);
    const double scala = 700 / std::max(r.width(), r.height());
    QImage img(int(r.width() * scala), int(r.height() * scala), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0, img.height());
    p.scale(scala, -scala);
    p.translate(-r.topLeft());
    QPainterPath area;
    area.addPolygon(locale.esterno);
    area.closeSubpath();
    for (const QPolygonF& f : locale.fori) {
        area.addPolygon(f);
        area.closeSubpath();
    }
    p.setPen(QPen(Qt::black, 2 / scala));
    p.setBrush(QColor(235, 235, 235));
    p.drawPath(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::gray, 1 / scala, Qt::DashLine));
    for (const TForma& s : parti)
        p.drawPolygon(s.esterno);
    const QColor colori[] = {Qt::red, Qt::blue, QColor(0, 150, 0), Qt::magenta, QColor(200, 120, 0)};
    for (int i = 0; i < circuiti.size(); ++i) {
        p.setPen(QPen(colori[i % 5], 1.5 / scala));
        p.drawPolyline(circuiti[i].tubo);
        // Il percorso d'asse, sottile: mostra anche dove un circuito non è stato posato.
        p.setPen(QPen(colori[i % 5].lighter(170), 0.7 / scala, Qt::DotLine));
        p.drawPolyline(circuiti[i].asse);
    }
    p.end();
    img.save(cartella + "/posa_" + nome + ".png");
}
} // namespace

class TestPosa : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void circuiti_data();
    void circuiti();
    void locale_data();
    void locale();
    void ingressoScelto_data();
    void ingressoScelto();
    void ripiegoDetto();
    void piano_data();
    void piano();
    void pianiSenzaPosa();
    void lunghezze_data();
    void lunghezze();
    void dxf();
    void tavola();
    void scala_data();
    void scala();
};

void TestPosa::circuiti_data()
{
    QTest::addColumn<TForma>("locale");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("passo");
    QTest::addColumn<TSchemaPosa>("schema");
    QTest::addColumn<bool>("posabile");

    const TForma rett {Rett(0, 0, 4, 3), {}};
    const TForma grande {Rett(0, 0, 7, 4.5), {}};
    const TForma elle {QPolygonF {{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 6}, {0, 6}}, {}};
    const TForma obliquo {QPolygonF {{0, 0}, {5, 0}, {5, 2.5}, {1.5, 4.5}, {0, 4.5}}, {}};
    const TForma rientro {QPolygonF {{0, 0}, {5, 0}, {5, 4}, {3, 4}, {3, 3}, {2, 3}, {2, 4}, {0, 4}}, {}};
    const TForma foro {Rett(0, 0, 5, 4), {Rett(2, 1.5, 3, 2.5)}};
    const TForma corridoio {Rett(0, 0, 6, 0.9), {}};
    const TForma stretto {Rett(0, 0, 3, 0.25), {}};
    const TForma ti {QPolygonF {{0, 0}, {6, 0}, {6, 1.5}, {4, 1.5}, {4, 4}, {2, 4}, {2, 1.5}, {0, 1.5}}, {}};
    const TForma dueFori {Rett(0, 0, 6, 4), {Rett(1, 1, 2, 2), Rett(4, 2, 5, 3)}};
    // Forma a U e foro obliquo: le passate dritte si fermano contro il vuoto in mezzo.
    const TForma u {QPolygonF {{0, 0}, {5, 0}, {5, 4}, {3.5, 4}, {3.5, 1.5}, {1.5, 1.5}, {1.5, 4}, {0, 4}}, {}};
    const TForma foroObliquo {Rett(0, 0, 5, 4), {QPolygonF {{2.5, 1.2}, {3.3, 2}, {2.5, 2.8}, {1.7, 2}}}};
    const TForma sfrido {QPolygonF {{0, 0}, {4, 0}, {4, 1}, {6, 1}, {6, 1.02}, {4, 1.02}, {4, 3}, {0, 3}}, {}};

    for (TSchemaPosa schema : {TSchemaPosa::Spirale, TSchemaPosa::Serpentina}) {
        const char* nome = schema == TSchemaPosa::Spirale ? "spirale" : "serpentina";
        auto riga = [&](const char* caso) -> QTestData& { return QTest::addRow("%s_%s", caso, nome); };
        riga("rettangolo") << rett << 1 << 0.15 << schema << true;
        riga("rettangolo_3") << grande << 3 << 0.2 << schema << true;
        riga("elle_2") << elle << 2 << 0.15 << schema << true;
        riga("obliquo_2") << obliquo << 2 << 0.1 << schema << true;
        riga("rientro") << rientro << 1 << 0.2 << schema << true;
        riga("foro_2") << foro << 2 << 0.15 << schema << true;
        riga("corridoio") << corridoio << 1 << 0.15 << schema << true;
        riga("stretto") << stretto << 1 << 0.2 << schema << false;
        riga("striscia") << TForma {Rett(3, 4, 4, 6), {}} << 1 << 0.1 << schema << true;
        riga("ti_2") << ti << 2 << 0.15 << schema << true;
        riga("due_fori") << dueFori << 1 << 0.2 << schema << true;
        riga("u") << u << 1 << 0.15 << schema << true;
        riga("foro_obliquo") << foroObliquo << 1 << 0.15 << schema << true;
        riga("sfrido") << sfrido << 1 << 0.15 << schema << true;
    }
}

void TestPosa::circuiti()
{
    QFETCH(TForma, locale);
    QFETCH(int, n);
    QFETCH(double, passo);
    QFETCH(TSchemaPosa, schema);
    QFETCH(bool, posabile);

    TParametriPosa par;
    par.passo = passo;
    const double c = par.Distanza();
    const TRipartizione rip = TRipartitore().Ripartisci(locale, n);
    QCOMPARE(rip.parti.size(), n);
    double areaParti = 0;
    for (const TForma& s : rip.parti)
        areaParti += TGeometria::Area(s);
    // Parti di area quasi uguale che insieme fanno l'area utile (meno i tagli dei fori e gli sfridi).
    QVERIFY2(std::abs(areaParti - TGeometria::Area(locale)) < 0.05, qPrintable(QString::number(areaParti)));
    for (const TForma& s : rip.parti)
        QVERIFY2(std::abs(TGeometria::Area(s) - areaParti / n) < 0.02 * areaParti / n,
                 qPrintable(QString::number(TGeometria::Area(s))));

    QList<TCircuitoPosato> circuiti;
    const QPointF verso(-1, -1);
    for (const TForma& parte : rip.parti) {
        TCircuitoPosato ci = schema == TSchemaPosa::Spirale ? TSpirale().Posa(parte, par, verso)
                                                            : TSerpentina().Posa(parte, par, verso);
        circuiti << ci;
    }
    Disegna(QTest::currentDataTag(), locale, rip.parti, circuiti);
    for (int i = 0; i < circuiti.size(); ++i) {
        const TCircuitoPosato& ci = circuiti[i];
        if (!posabile) {
            QVERIFY(!ci.Posato());
            QCOMPARE(ci.motivo, QString("La parte è troppo stretta per un circuito al passo di 20,0 cm."));
            continue;
        }
        QVERIFY2(ci.Posato(), qPrintable(ci.motivo));
        const QPolygonF& t = ci.tubo;
        // Dentro la parte ridotta della distanza (1 mm di tolleranza).
        QVERIFY(Dentro({rip.parti[i]}, t, c));
        // Ingresso e uscita affiancati a un passo, sul bordo ridotto della distanza.
        QVERIFY(std::abs(QLineF(t.first(), t.last()).length() - passo) < 1e-6);
        if (GEOSisSimple_r(geos_tvl::Contesto(), geos_tvl::Linea(t).get()) != 1) {
            for (qsizetype a = 0; a + 1 < t.size(); ++a)
                for (qsizetype b = a + 2; b + 1 < t.size(); ++b) {
                    QPointF x;
                    if (QLineF(t[a], t[a + 1]).intersects(QLineF(t[b], t[b + 1]), &x) == QLineF::BoundedIntersection)
                        qDebug() << a << b << t.size() << t[a] << t[a + 1] << t[b] << t[b + 1];
                }
        }
        QVERIFY(GEOSisSimple_r(geos_tvl::Contesto(), geos_tvl::Linea(t).get()) == 1);
        double l = 0;
        for (qsizetype k = 1; k < t.size(); ++k)
            l += std::hypot(t[k].x() - t[k - 1].x(), t[k].y() - t[k - 1].y());
        QVERIFY(std::abs(l - ci.lunghezza) < 1e-9);
        // Curve non più strette di 5 diametri, o di mezzo passo dove il tubo torna indietro fra
        // due vicini (più largo non ci sta).
        const double raggio = RaggioMinimo(t);
        QVERIFY2(raggio >= std::min(par.Raggio(), passo / 2) - 1e-3, qPrintable(QString("raggio %1").arg(raggio)));
        const double dmin = DistanzaMinimaPropria(t, 2.5 * passo);
        QVERIFY2(dmin >= passo - 0.01, qPrintable(QString("distanza minima %1").arg(dmin)));
        // La fascia di un passo intorno al tubo copre circa la parte.
        const double copertura = ci.lunghezza * passo / TGeometria::Area(rip.parti[i]);
        QVERIFY2(copertura > 0.85 && copertura < 1.15, qPrintable(QString("copertura %1").arg(copertura)));
    }
}

void TestPosa::locale_data()
{
    QTest::addColumn<QPointF>("collettore");
    QTest::addColumn<bool>("conMarginale");
    QTest::addColumn<bool>("collettoreFuori");
    QTest::newRow("collettore_nel_corridoio") << QPointF(0.3, 3.5) << false << false;
    QTest::newRow("con_zona_marginale") << QPointF(0.3, 3.5) << true << false;
    QTest::newRow("collettore_fuori") << QPointF(-3, -3) << false << true;
}

// Un piano a L: soggiorno (0..5 x 0..3), corridoio (0..1 x 3..6), camera (1..4 x 4..6) e una
// stanzetta larga 20 cm. Il collettore è nel corridoio (o fuori da tutto).
void TestPosa::locale()
{
    QFETCH(QPointF, collettore);
    QFETCH(bool, conMarginale);
    QFETCH(bool, collettoreFuori);
    const TForma soggiorno {Rett(0, 0, 5, 3), {}}, corridoio {Rett(0, 3, 1, 6), {}}, camera {Rett(1, 4, 4, 6), {}};
    const TForma stanzetta {Rett(1, 3, 4, 3.2), {}};
    const TForme piano {soggiorno, corridoio, camera, stanzetta};
    TLocalePosa l;
    l.areaUtile = camera;
    l.NAs = 2;
    l.PassoAs = 0.15;
    if (conMarginale) {
        l.zonaMarginale = TForma {Rett(3, 4, 4, 6), {}};
        l.NAm = 1;
        l.PassoAm = 0.1;
    }
    const TPosaLocale r = TPosa().PosaLocale(l, TParametriPosa {}, collettore, piano);
    QCOMPARE(r.circuiti.size(), conMarginale ? 3 : 2);
    QVERIFY2(r.nonPosati.isEmpty(), qPrintable(r.nonPosati.join(" | ")));
    for (const TCircuitoLocale& c : r.circuiti) {
        QVERIFY(c.Posato());
        const TCollegamento& k = c.collegamento;
        // I collegamenti partono dal collettore (a mezzo passo) e arrivano ai capi del circuito.
        QCOMPARE(k.mandata.last(), c.ansa.tubo.first());
        QCOMPARE(k.ritorno.first(), c.ansa.tubo.last());
        const double passo = c.marginale ? 0.1 : 0.15;
        QVERIFY(std::abs(QLineF(k.mandata.first(), collettore).length() - passo / 2) < 1e-9);
        QVERIFY(std::abs(QLineF(k.ritorno.last(), collettore).length() - passo / 2) < 1e-9);
        // Tratti orizzontali o verticali, tranne l'ultimo breve raccordo al circuito.
        for (qsizetype i = 1; i + 1 < k.mandata.size(); ++i)
            QVERIFY(std::abs(k.mandata[i].x() - k.mandata[i - 1].x()) < 1e-9
                    || std::abs(k.mandata[i].y() - k.mandata[i - 1].y()) < 1e-9);
        QVERIFY(std::abs(k.lunghezza - LunghezzaPolilinea(k.mandata) - LunghezzaPolilinea(k.ritorno)) < 1e-9);
        if (!collettoreFuori)
            QCOMPARE(k.fuoriLocali, 0.0);
        else
            QVERIFY(k.fuoriLocali > 0);
    }
    QCOMPARE(r.avvisi.contains("Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali."),
             collettoreFuori);

    // La stanzetta è troppo stretta: nessun circuito, il motivo per ciascuno, nessun tubo.
    TLocalePosa s;
    s.areaUtile = stanzetta;
    s.NAs = 2;
    s.PassoAs = 0.2;
    const TPosaLocale rs = TPosa().PosaLocale(s, TParametriPosa {}, collettore, piano);
    QCOMPARE(rs.nonPosati.size(), 2);
    QVERIFY(rs.nonPosati.first().startsWith("Circuito 1 della zona principale: "));
    for (const TCircuitoLocale& c : rs.circuiti)
        QVERIFY(!c.Posato() && c.ansa.tubo.isEmpty());
}

// Un ingresso scelto a mano: il circuito entra dal lato della parte più vicino al punto, i
// collegamenti vanno sempre al collettore; un punto lontano dalla parte non vale (l'ingresso
// automatico, con l'avviso).
void TestPosa::ingressoScelto_data()
{
    QTest::addColumn<int>("schema");
    QTest::addColumn<QPointF>("punto");
    QTest::addColumn<bool>("vale");
    for (const TSchemaPosa s : {TSchemaPosa::Spirale, TSchemaPosa::Serpentina}) {
        const char* nome = s == TSchemaPosa::Spirale ? "spirale" : "serpentina";
        QTest::addRow("%s, lato opposto", nome) << int(s) << QPointF(6, 2) << true;
        QTest::addRow("%s, appena fuori", nome) << int(s) << QPointF(6.3, 1) << true;
        QTest::addRow("%s, lontano", nome) << int(s) << QPointF(20, 20) << false;
    }
}

// Una spirale che lascerebbe vuota troppa parte (due fori) diventa serpentina, e il locale lo
// dice; in un rettangolo resta spirale, senza avvisi.
void TestPosa::ripiegoDetto()
{
    for (const bool fori : {false, true}) {
        const TForma stanza {Rett(0, 0, 6, 4),
                             fori ? QList<QPolygonF> {Rett(1, 1, 2, 2), Rett(4, 2, 5, 3)} : QList<QPolygonF> {}};
        TLocalePosa l;
        l.areaUtile = stanza;
        l.NAs = 1;
        l.PassoAs = 0.2;
        l.schema = TSchemaPosa::Spirale;
        const TPosaLocale r = TPosa().PosaLocale(l, TParametriPosa {}, QPointF(-0.5, 0.5), TForme {stanza});
        QVERIFY(r.circuiti.value(0).Posato());
        const QString avvisi = r.avvisi.join(' ');
        QCOMPARE(avvisi.contains("Circuito 1 della zona principale: posato a serpentina (la spirale copriva solo il "),
                 fori);
        QCOMPARE(r.circuiti[0].ansa.ripiego.isEmpty(), !fori);
    }
}

void TestPosa::ingressoScelto()
{
    QFETCH(int, schema);
    QFETCH(QPointF, punto);
    QFETCH(bool, vale);
    const TForma stanza {Rett(0, 0, 6, 4), {}};
    const QPointF collettore(-0.5, 0.5);
    TLocalePosa l;
    l.areaUtile = stanza;
    l.NAs = 1;
    l.PassoAs = 0.2;
    l.schema = TSchemaPosa(schema);
    const TPosaLocale automatico = TPosa().PosaLocale(l, TParametriPosa {}, collettore, TForme {stanza});
    l.ingressi.insert({false, 1}, punto);
    const TPosaLocale r = TPosa().PosaLocale(l, TParametriPosa {}, collettore, TForme {stanza});
    QVERIFY(r.circuiti.value(0).Posato() && automatico.circuiti.value(0).Posato());
    const TCircuitoLocale& c = r.circuiti[0];
    const bool avviso = r.avvisi.join(' ').contains("l'ingresso scelto è lontano dalla sua parte");
    QCOMPARE(avviso, !vale);
    QCOMPARE(c.collegamento.mandata.first().x() < 0, true); // dal collettore, comunque
    if (!vale) {
        QCOMPARE(c.ansa.tubo, automatico.circuiti[0].ansa.tubo);
        return;
    }
    // L'ingresso passa sul lato destro della stanza, quello del punto, lontano dal collettore.
    const QPointF ingresso = c.ansa.tubo.first();
    QVERIFY2(ingresso.x() > 3
                 && QLineF(ingresso, punto).length() < QLineF(automatico.circuiti[0].ansa.tubo.first(), punto).length(),
             qPrintable(QStringLiteral("(%1; %2)").arg(ingresso.x()).arg(ingresso.y())));
}

namespace {
// Un piano: soggiorno a L con due muri esterni, cucina con i mobili lungo una parete e un'isola,
// corridoio con il collettore Nord, bagno servito dal collettore Sud, camera senza contorno.
TPiano PianoProva()
{
    TPiano p;
    p.piano = QStringLiteral("PT");
    p.locali << TContornoLocale {1, QPolygonF {{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 6}, {0, 6}}}
             << TContornoLocale {2, Rett(6, 0, 10, 3)} << TContornoLocale {3, Rett(3, 3, 10, 4.2)}
             << TContornoLocale {4, Rett(6, 4.2, 10, 7)};
    p.zoneSenzaTubi << Rett(6, 2.4, 10, 3) << Rett(7.5, 1, 8.5, 1.6);
    p.muriEsterni << TMuroEsterno {0, 0} << TMuroEsterno {0, 5};
    p.collettori.insert(QStringLiteral("Nord"), QPointF(5, 3.6));
    p.collettori.insert(QStringLiteral("Sud"), QPointF(9.5, 6.5));
    return p;
}

TLocaleDimensionato Dimensionato(int id, const QString& descr, int nas, double passo, int nam = 0, double passoM = 0,
                                 const QString& collettore = {})
{
    TLocaleDimensionato d;
    d.ID = id;
    d.piano = QStringLiteral("PT");
    d.descrizione = descr;
    d.NAs = nas, d.PassoAs = passo, d.LAs = 80;
    d.NAm = nam, d.PassoAm = passoM, d.LAm = 60;
    for (int k = 1; k <= nas; ++k)
        d.circuitiAs << TRiferimentoCircuito {QStringLiteral("%1 - %2").arg(descr).arg(k), collettore};
    return d;
}

QList<TLocaleDimensionato> LocaliProva()
{
    return {Dimensionato(1, QStringLiteral("Soggiorno è"), 2, 0.15, 1, 0.1), Dimensionato(2, "Cucina", 1, 0.2),
            Dimensionato(3, "Corridoio", 1, 0.1), Dimensionato(4, "Bagno", 1, 0.1, 0, 0, "Sud"),
            Dimensionato(5, "Camera", 2, 0.15)};
}

double DistanzaLinee(const QPolygonF& a, const QPolygonF& b)
{
    double d = 0;
    GEOSDistance_r(geos_tvl::Contesto(), geos_tvl::Linea(a).get(), geos_tvl::Linea(b).get(), &d);
    return d;
}
} // namespace

void TestPosa::piano_data()
{
    QTest::addColumn<TSchemaPosa>("schema");
    QTest::newRow("spirale") << TSchemaPosa::Spirale;
    QTest::newRow("serpentina") << TSchemaPosa::Serpentina;
}

void TestPosa::piano()
{
    QFETCH(TSchemaPosa, schema);
    const TPiano p = PianoProva();
    TOpzioniPosa o;
    o.schema = schema;
    const QList<TLocaleDimensionato> locali = LocaliProva();
    const TPosaPiano r = TPosaPianta::PosaPiano(p, locali, o);
    // Tutti i circuiti dimensionati, posati o no; la camera senza contorno con il motivo.
    QCOMPARE(r.circuiti.size(), 2 + 1 + 1 + 1 + 1 + 2);
    QCOMPARE(r.nonPosati, QStringList {"Locale 5 (Camera): nessun contorno nella pianta del piano."});
    QList<const TCircuitoPiano*> posati;
    for (const TCircuitoPiano& c : r.circuiti) {
        if (c.ID == 5) {
            QVERIFY(!c.Posato());
            continue;
        }
        QVERIFY2(c.Posato(), qPrintable(c.nome + ": " + c.posa.ansa.motivo));
        posati << &c;
        const QPolygonF contorno = p.locali[c.ID - 1].contorno;
        // Dentro l'area utile del locale, alla distanza dai muri e dalle zone senza tubo.
        const TForme utile = TGeometria::AreaUtile(contorno, p.zoneSenzaTubi);
        const double distanza = std::max(c.passo / 2, 0.05);
        QVERIFY2(Dentro(utile, c.posa.ansa.tubo, distanza), qPrintable(c.nome));
        QVERIFY(GEOSisSimple_r(geos_tvl::Contesto(), geos_tvl::Linea(c.posa.ansa.tubo).get()) == 1);
        QVERIFY2(DistanzaMinimaPropria(c.posa.ansa.tubo, 2.5 * c.passo) >= c.passo - 0.01, qPrintable(c.nome));
        // Le lunghezze stampate sono quelle delle polilinee disegnate.
        QCOMPARE(c.Anello(), LunghezzaPolilinea(c.posa.ansa.tubo));
        QVERIFY(std::abs(c.Collegamenti() - LunghezzaPolilinea(c.posa.collegamento.mandata)
                         - LunghezzaPolilinea(c.posa.collegamento.ritorno))
                < 1e-9);
        // Dal collettore assegnato (il bagno al Sud), altrimenti dal più vicino.
        QCOMPARE(c.collettore, c.ID == 4 ? QString("Sud") : QString("Nord"));
        QVERIFY(QLineF(c.posa.collegamento.mandata.first(), p.collettori.value(c.collettore)).length()
                <= c.passo / 2 + 1e-9);
        QCOMPARE(c.posa.collegamento.mandata.last(), c.posa.ansa.tubo.first());
    }
    // Circuiti diversi mai più vicini del passo più piccolo dei due.
    for (int i = 0; i < posati.size(); ++i)
        for (int j = i + 1; j < posati.size(); ++j) {
            const double d = DistanzaLinee(posati[i]->posa.ansa.tubo, posati[j]->posa.ansa.tubo);
            QVERIFY2(d >= std::min(posati[i]->passo, posati[j]->passo) - 0.002,
                     qPrintable(QString("%1 / %2: %3").arg(posati[i]->nome, posati[j]->nome).arg(d)));
        }
    // La zona marginale del soggiorno sta nella fascia di 1 m lungo i due muri esterni.
    const auto marginale
        = std::find_if(r.circuiti.begin(), r.circuiti.end(), [](const TCircuitoPiano& c) { return c.zona == u'm'; });
    QVERIFY(marginale != r.circuiti.end() && marginale->ID == 1);
    for (const QPointF& q : marginale->posa.ansa.tubo)
        QVERIFY(q.x() < 1.0 || q.y() < 1.0);
}

void TestPosa::pianiSenzaPosa()
{
    TPianta pianta;
    TPiano senzaCollettori = PianoProva();
    senzaCollettori.collettori.clear();
    pianta.piani << senzaCollettori;
    QList<TLocaleDimensionato> locali = LocaliProva().mid(1, 1);
    locali << Dimensionato(9, "Mansarda", 1, 0.15);
    locali.last().piano = QStringLiteral("P1");
    const QList<TPosaPiano> r = TPosaPianta::Posa(pianta, locali, TOpzioniPosa {});
    QCOMPARE(r.size(), 2);
    QCOMPARE(r[0].nonPosati, QStringList {"Locale 2 (Cucina): nessun collettore posizionato sul piano."});
    QCOMPARE(r[1].nonPosati, QStringList {"Locale 9 (Mansarda): il piano non ha una pianta."});
    QVERIFY(LunghezzeMisurate(r).isEmpty());

    // Una zona senza tubo che taglia il locale in due: si posa il pezzo più grande e lo si dice;
    // un collettore fuori da ogni locale: detto una volta per il piano.
    TPiano diviso;
    diviso.piano = "PT";
    diviso.locali << TContornoLocale {1, Rett(0, 0, 6, 3)} << TContornoLocale {2, Rett(6, 0, 9, 3)};
    diviso.zoneSenzaTubi << Rett(3.8, -1, 4.2, 4);
    diviso.collettori.insert("Est", QPointF(12, 1));
    const TPosaPiano rd = TPosaPianta::PosaPiano(
        diviso, {Dimensionato(1, "Lavanderia", 1, 0.15), Dimensionato(2, "Sala", 1, 0.15)}, TOpzioniPosa {});
    QCOMPARE(rd.avvisi,
             (QStringList {"Locale 1 (Lavanderia): l'area utile è divisa in 2 pezzi dalle zone senza tubo, "
                           "si posa il più grande (11,40 m² di 16,80 m²).",
                           "Il collettore Est è fuori da ogni locale del piano: i collegamenti escono dai "
                           "locali."}));
    QVERIFY(rd.nonPosati.isEmpty());
    for (const TCircuitoPiano& c : rd.circuiti)
        QVERIFY(c.Posato() && c.posa.collegamento.fuoriLocali > 0);
    QVERIFY(rd.circuiti[0].posa.parte.esterno.boundingRect().right() <= 3.8 + 1e-9);
}

void TestPosa::lunghezze_data()
{
    // Misure di due circuiti principali (3 e 4) e di uno marginale del locale 7.
    QTest::addColumn<int>("NAs");
    QTest::addColumn<int>("NAm");
    QTest::addColumn<float>("LAs");
    QTest::addColumn<float>("DpAs");
    QTest::addColumn<float>("LAm");
    QTest::addColumn<QList<int>>("cambiati");
    QTest::newRow("zone_intere") << 2 << 1 << 72.0f << 300.0f << 41.0f << QList<int> {7};
    // Un circuito principale senza misura: la zona resta dimensionata, la marginale no.
    QTest::newRow("principale_in_parte") << 3 << 1 << 60.0f << 250.0f << 41.0f << QList<int> {7};
    QTest::newRow("nessuna_misura") << 0 << 0 << 60.0f << 250.0f << 50.0f << QList<int> {};
}

void TestPosa::lunghezze()
{
    QFETCH(int, NAs);
    QFETCH(int, NAm);
    QFETCH(float, LAs);
    QFETCH(float, DpAs);
    QFETCH(float, LAm);
    QFETCH(QList<int>, cambiati);
    TLocaleCalc l;
    l.ID = 7;
    l.NAs = NAs ? NAs : 2, l.LAs = 60, l.DpAs = 250;
    l.NAm = 1, l.LAm = 50, l.DpAm = 100;
    TLocaleCalc altro;
    altro.ID = 8, altro.NAs = 1, altro.LAs = 33, altro.DpAs = 10;
    QVector<TLocaleCalc> locali {l, altro};
    const QVector<TLocaleCalc> prima = locali;
    QList<TLunghezzaMisurata> misure;
    if (NAs)
        misure << TLunghezzaMisurata {7, 's', 1, 55.2, 10.1} << TLunghezzaMisurata {7, 's', 2, 60.0, 11.3};
    if (NAm)
        misure << TLunghezzaMisurata {7, 'm', 1, 30.0, 10.5};
    QCOMPARE(ApplicaLunghezzeMisurate(locali, misure), cambiati);
    // Il circuito più lungo, per eccesso al metro; la perdita di carico in proporzione.
    QCOMPARE(locali[0].LAs, LAs);
    QCOMPARE(locali[0].DpAs, DpAs);
    QCOMPARE(locali[0].LAm, LAm);
    QCOMPARE(locali[0].DpAm, float(100.0 * LAm / 50));
    QCOMPARE(locali[1].LAs, prima[1].LAs);
    if (cambiati.isEmpty())
        QCOMPARE(locali[0].LAs, prima[0].LAs);
}

void TestPosa::dxf()
{
    TPiano p = PianoProva();
    // Uno sfondo con il suo livello e un testo: torna sul suo livello.
    p.sfondo.tipo = TSfondo::TTipo::Disegno;
    p.sfondo.disegno.livelli << TLivello {"ARCH-MURI", true};
    p.sfondo.disegno.spezzate << TSpezzata {0, Rett(-0.3, -0.3, 10.3, 7.3), true};
    p.sfondo.disegno.testi << TTesto {0, QPointF(1, 1), 0.2, 0, "Pianta piano terra"};
    const TPosaPiano r = TPosaPianta::PosaPiano(p, LocaliProva(), TOpzioniPosa {});
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("posa.dxf");
    QString errore;
    QVERIFY2(TDxfPosa::Scrivi(percorso, p, r, &errore), qPrintable(errore));
    const TEsitoDxf letto = TImportaDxf::Leggi(percorso);
    QVERIFY2(letto.ok, qPrintable(letto.errore));
    const TDisegno& d = letto.disegno;
    QCOMPARE(d.unita, TUnita::Millimetri);
    auto suLivello = [&](const QString& livello) {
        QList<TSpezzata> s;
        for (const TSpezzata& x : d.spezzate)
            if (d.livelli.value(x.livello).nome == livello)
                s << x;
        return s;
    };
    auto vicine = [](const QPolygonF& a, const QPolygonF& b) {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (QLineF(a[i], b[i]).length() > 1e-6)
                return false;
        return true;
    };
    const QList<TSpezzata> locali = suLivello(LivelliPosa::Locali);
    QCOMPARE(locali.size(), p.locali.size());
    for (int i = 0; i < locali.size(); ++i)
        QVERIFY(locali[i].chiusa && vicine(locali[i].punti, p.locali[i].contorno));
    QCOMPARE(suLivello(LivelliPosa::ZoneSenzaTubo).size(), p.zoneSenzaTubi.size());
    const QList<TSpezzata> circuiti = suLivello(LivelliPosa::Circuiti);
    const QList<TSpezzata> collegamenti = suLivello(LivelliPosa::Collegamenti);
    QList<const TCircuitoPiano*> posati;
    for (const TCircuitoPiano& c : r.circuiti)
        if (c.Posato())
            posati << &c;
    QCOMPARE(circuiti.size(), posati.size());
    QCOMPARE(collegamenti.size(), posati.size());
    QStringList testi;
    for (const TTesto& t : d.testi)
        testi << t.testo;
    for (int i = 0; i < posati.size(); ++i) {
        QVERIFY(!circuiti[i].chiusa && vicine(circuiti[i].punti, posati[i]->posa.ansa.tubo));
        QVERIFY(vicine(collegamenti[i].punti, TDxfPosa::Collegamenti(*posati[i])));
        QVERIFY2(testi.contains(posati[i]->nome), qPrintable(posati[i]->nome));
    }
    QVERIFY(testi.contains("Soggiorno è - 1"));
    QVERIFY(testi.contains("Pianta piano terra"));
    QCOMPARE(suLivello("ARCH-MURI").size(), 1);
    QVERIFY(vicine(suLivello("ARCH-MURI").first().punti, p.sfondo.disegno.spezzate.first().punti));
    QVERIFY(testi.contains("Nord") && testi.contains("Sud"));
    QCOMPARE(suLivello(LivelliPosa::Collettori).size(), 2);
    // Un percorso che non si può scrivere: il motivo, nessun file.
    QVERIFY(!TDxfPosa::Scrivi(cartella.filePath("manca/posa.dxf"), p, r, &errore));
    QVERIFY(errore.startsWith("Impossibile scrivere il file"));
}

void TestPosa::tavola()
{
    const TPiano p = PianoProva();
    const TPosaPiano r = TPosaPianta::PosaPiano(p, LocaliProva(), TOpzioniPosa {});
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("tavola.pdf");
    TDatiTavola dati;
    dati.progetto = "Casa Rossi";
    const TEsitoTavola e = TTavola::Scrivi(percorso, p, r, dati);
    QVERIFY2(e.ok, qPrintable(e.errore));
    QCOMPARE(e.scala, 50);
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QVERIFY(f.size() > 5000);
    if (const QString png = qEnvironmentVariable("TVL_POSA_PNG"); !png.isEmpty())
        QFile::copy(percorso, png + "/tavola.pdf");
}

void TestPosa::scala_data()
{
    QTest::addColumn<QSizeF>("piano");
    QTest::addColumn<int>("chiesta");
    QTest::addColumn<int>("scala");
    // Spazio del disegno 280 x 260 mm.
    QTest::newRow("entra_a_50") << QSizeF(12, 10) << 50 << 50;
    QTest::newRow("al_limite") << QSizeF(14, 13) << 50 << 50;
    QTest::newRow("scende_a_100") << QSizeF(20, 10) << 50 << 100;
    QTest::newRow("chiesta_100") << QSizeF(12, 10) << 100 << 100;
    QTest::newRow("scende_a_500") << QSizeF(120, 40) << 100 << 500;
    QTest::newRow("non_entra") << QSizeF(400, 10) << 50 << 0;
}

void TestPosa::scala()
{
    QFETCH(QSizeF, piano);
    QFETCH(int, chiesta);
    QFETCH(int, scala);
    QCOMPARE(TTavola::ScalaPerSpazio(piano, QSizeF(280, 260), chiesta), scala);
}

QTEST_MAIN(TestPosa)
#include "tst_posa.moc"
