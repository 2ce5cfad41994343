// Verifica EN 1264 e raffrescamento: curva limite contro i valori dell'appendice A, locali
// oltre il limite, bagni, mandata di progetto, punto di rugiada e resa estiva.
#include "en1264/Ulimite.h"
#include "en1264/Uraffrescamento.h"

#include <QProcess>
#include <QTest>

#include <cmath>
#include <vector>

namespace {
// Massetto sopra il tubo, λE, modulo del pannello; tubo 20 × 2 mm λ 0.22, salto 5 K.
TDatiGenerali Dati(float massettoMm = 50, float lambdaMassetto = 1.2f, float modulo = 100)
{
    TDatiGenerali d;
    d.SPESS_MASS = massettoMm;
    d.LAMBDA_MASS = lambdaMassetto;
    d.SPESS_SOL = 20;
    d.LAMBDA_SOL = 1.0f;
    d.SPESS_TUBO = 2;
    d.LAMBDA_TUBO = 0.22f;
    d.DEST_TUBO = 20;
    d.INTERASSE = modulo;
    d.TEMPVS = 10;
    d.LUNGMAX = 100;
    d.DELTAT_MAX = 5;
    return d;
}

// 20 m², rivestimento 10 mm con λ 0.2 (RλB 0.05).
TLocaleCalc Locale(float ti, float carico, int id = 1)
{
    TLocaleCalc l;
    l.ID = id;
    l.TAmbiente = ti;
    l.Area = l.AreaUtile = 20;
    l.CTermico = carico;
    l.Lambda_Riv = 0.2f;
    l.Spessore = 10;
    l.DistColl = 5;
    return l;
}

// tvl calcola sul progetto in testo: uscita, stdout e stderr.
struct TUscita
{
    int codice = -1;
    QString out, err;
};
TUscita Tvl(QStringList argomenti)
{
    const QByteArray progetto = "SPESS_MASS=50\nLAMBDA_MASS=1.2\nSPESS_SOL=20\nLAMBDA_SOL=1\nSPESS_TUBO=2\n"
                                "LAMBDA_TUBO=0.22\nDEST_TUBO=20\nINTERASSE=100\nTEMPVS=10\nLUNGMAX=100\nDELTAT_MAX=5\n"
                                "locale 1; Soggiorno; PT; 20; 20; 20; 2; 1800; 0.2; 10; 5\n"
                                "locale 2; Bagno; PT; 24; 8; 8; 0; 600; 0.2; 10; 3; 200\n";
    QProcess p;
    p.start(QStringLiteral("./tvl"),
            QStringList {QStringLiteral("calcola"), QStringLiteral("--locale"), QStringLiteral("C"),
                         QStringLiteral("--tab")}
                + argomenti + QStringList {QStringLiteral("-")});
    p.write(progetto);
    p.closeWriteChannel();
    p.waitForFinished();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

bool Entro(double valore, double atteso, double relativa)
{
    return std::fabs(valore - atteso) <= relativa * std::fabs(atteso);
}
} // namespace

class TestEn1264 : public QObject
{
    Q_OBJECT

private slots:
    // Nodi delle tabelle A (B_G, n_G per passo e sU/λE o sU/T) e i massimi q_G,max della curva
    // di base: 100 W/m² per 9 K, 175 W/m² per la zona marginale a 35 °C.
    void curvaLimite_data()
    {
        QTest::addColumn<float>("passo");
        QTest::addColumn<float>("massettoMm");
        QTest::addColumn<float>("lambdaE");
        QTest::addColumn<float>("tfMax");
        QTest::addColumn<double>("BG");
        QTest::addColumn<double>("nG");
        QTest::addColumn<double>("phi");
        QTest::newRow("5 cm, massimo 100 W/mq") << 0.05f << 45.0f << 1.2f << 29.0f << 100.0 << 0.0 << 1.0;
        QTest::newRow("5 cm, marginale 175 W/mq")
            << 0.05f << 45.0f << 1.2f << 35.0f << 100.0 << 0.0 << std::pow(15.0 / 9, 1.1);
        QTest::newRow("20 cm, sU/λE 0.0375") << 0.2f << 45.0f << 1.2f << 29.0f << 63.1 << 0.123 << 1.0;
        QTest::newRow("30 cm, sU/λE 0.0375") << 0.3f << 45.0f << 1.2f << 29.0f << 36.4 << 0.245 << 1.0;
        QTest::newRow("15 cm, sU/λE 0.0625") << 0.15f << 75.0f << 1.2f << 29.0f << 91.8 << 0.024 << 1.0;
        QTest::newRow("37.5 cm, sU/λE 0.0208") << 0.375f << 25.0f << 1.2f << 29.0f << 13.7 << 0.421 << 1.0;
        QTest::newRow("massetto spesso sU/T 0.5") << 0.2f << 100.0f << 1.0f << 29.0f << 91.6 << 0.023 << 1.0;
        QTest::newRow("bagno a 24 °C, 15 cm") << 0.15f << 45.0f << 1.2f << 33.0f << 76.3 << 0.076 << 1.0;
    }
    void curvaLimite()
    {
        QFETCH(float, passo);
        QFETCH(float, massettoMm);
        QFETCH(float, lambdaE);
        QFETCH(float, tfMax);
        QFETCH(double, BG);
        QFETCH(double, nG);
        QFETCH(double, phi);
        TPavRad p;
        p.CaricaDatiGenerali(Dati(massettoMm, lambdaE));
        p.CaricaLocale(Locale(tfMax == TFMaxBagno ? 24 : 20, 1000));
        const TLimite lim = CurvaLimite(p, passo, tfMax);
        // Punto della curva limite q = φ B_G (ΔθH/φ)^n_G sulla caratteristica q = K_H ΔθH.
        const double dthg = phi * std::pow(BG / lim.KH, 1.0 / (1.0 - nG));
        QVERIFY2(Entro(lim.DeltaTHG, dthg, 0.01), qPrintable(QString::number(lim.DeltaTHG)));
        QVERIFY2(Entro(lim.qG, phi * BG * std::pow(dthg / phi, nG), 0.01), qPrintable(QString::number(lim.qG)));
        QVERIFY(lim.qG <= FlussoBase(tfMax - (tfMax == TFMaxBagno ? 24 : 20)) * 1.01);
    }

    void limiteOltre375()
    {
        // Oltre 0.375 m il limite scende con 0.375/T (massetto sottile: f_G = 1).
        TPavRad p;
        p.CaricaDatiGenerali(Dati());
        p.CaricaLocale(Locale(20, 1000));
        const TLimite a = CurvaLimite(p, 0.375f, 29), b = CurvaLimite(p, 0.4f, 29);
        QVERIFY(Entro(b.qG, a.qG * 0.375 / 0.4, 0.001));
        QVERIFY(Entro(b.DeltaTHG * b.KH, b.qG, 0.001));
    }

    // Soggiorno a 90 W/m² dimensionato a 55 °C: 30 cm, 28.2 °C e oltre la curva limite; un bagno
    // a 31 °C non è oltre il limite a 33 °C, lo sarebbe come locale qualsiasi a 29 °C.
    void verificaLocali()
    {
        TPavRad p;
        p.CaricaDatiGenerali(Dati());
        p.ImpostaTempMandata(55);
        std::vector<TLocaleCalc> l = {Locale(20, 1800, 1)};
        p.CalcolaLocali(l);
        QCOMPARE(l[0].PassoAs, 0.3f);
        QVERIFY(std::fabs(l[0].TSupAs - 28.18f) < 0.01f);
        auto v = VerificaLocali(p, l, {});
        QVERIFY(v[0].As.Oltre);
        QCOMPARE(v[0].As.Esito(), QStringLiteral("oltre qG"));
        QVERIFY(v[0].As.qG > 80 && v[0].As.qG < 90);
        QCOMPARE(LocaliOltreLimite(v), 1);

        p.ImpostaTempMandata(45);
        std::vector<TLocaleCalc> bagno = {Locale(24, 1512, 2)};
        p.CalcolaLocali(bagno);
        QVERIFY(std::fabs(bagno[0].TSupAs - 31.0f) < 0.05f);
        const bool si[] = {true}, no[] = {false};
        QCOMPARE(VerificaLocali(p, bagno, si)[0].As.Esito(), QStringLiteral("OK"));
        QVERIFY(VerificaLocali(p, bagno, no)[0].As.Oltre);
        QVERIFY(!VerificaLocali(p, bagno, si)[0].Am.Presente); // senza zone marginali
    }

    // La mandata di progetto copre il locale più caricato che non è un bagno, al passo più fitto.
    void mandataDiProgetto()
    {
        TPavRad p;
        p.CaricaDatiGenerali(Dati(50, 1.2f, 50));
        std::vector<TLocaleCalc> l = {Locale(20, 1200, 1), Locale(24, 2400, 2), Locale(20, 1700, 3)};
        const bool bagni[] = {false, true, false};
        const TMandataEn1264 m = MandataEn1264(p, l, bagni);
        QCOMPARE(m.Riferimento, 2);
        QCOMPARE(m.Sigma, 5.0f);
        p.ImpostaTempMandata(m.TMandata);
        p.CalcolaLocali(l);
        QCOMPARE(l[2].Integr, 0.0f);
        QCOMPARE(l[2].PassoAs, 0.05f);
        p.ImpostaTempMandata(m.TMandata - 0.2f);
        p.CalcolaLocali(l);
        QVERIFY(l[2].Integr > 0); // nessun margine sprecato oltre l'arrotondamento
    }

    void puntoRugiada_data()
    {
        QTest::addColumn<float>("t");
        QTest::addColumn<float>("ur");
        QTest::addColumn<float>("rugiada");
        QTest::newRow("20/50") << 20.f << 50.f << 9.3f;
        QTest::newRow("26/50") << 26.f << 50.f << 14.8f;
        QTest::newRow("25/60") << 25.f << 60.f << 16.7f;
        QTest::newRow("30/70") << 30.f << 70.f << 23.9f;
        QTest::newRow("22/40") << 22.f << 40.f << 7.8f;
        QTest::newRow("10/90") << 10.f << 90.f << 8.4f;
    }
    void puntoRugiada()
    {
        QFETCH(float, t);
        QFETCH(float, ur);
        QFETCH(float, rugiada);
        QVERIFY2(std::fabs(PuntoRugiada(t, ur) - rugiada) <= 0.2f, qPrintable(QString::number(PuntoRugiada(t, ur))));
    }

    // Resa estiva: q = 7 (θi − θF,m), più resa a mandata più fredda; la mandata minima sicura è
    // la prima senza condensa e una più fredda viene rifiutata.
    void raffrescamento()
    {
        TPavRad p;
        p.CaricaDatiGenerali(Dati(50, 1.2f, 50));
        p.ImpostaTempMandata(40);
        std::vector<TLocaleCalc> l = {Locale(20, 1300, 1)};
        p.CalcolaLocali(l);
        TDatiEstivi d;
        const float carichi[] = {600};
        const auto a = CalcolaRaffrescamento(p, l, carichi, d, 16);
        const auto b = CalcolaRaffrescamento(p, l, carichi, d, 18);
        QVERIFY(Entro(a[0].Resa / 20, 7 * (26 - a[0].TSup), 0.001));
        QVERIFY(a[0].Resa > b[0].Resa && a[0].TSup < b[0].TSup);
        QVERIFY(Entro(a[0].Portata, a[0].Resa / (1.16 * 3), 0.001));
        QCOMPARE(a[0].Mancanza, std::max(0.0f, 600 - a[0].Resa));
        // 26 °C, 50 %: rugiada 14.8 °C; il pavimento deve restare sopra 15.8 °C e 19 °C.
        const auto minima = MandataMinimaSicura(p, l, d);
        QVERIFY(minima.has_value());
        const auto ok = CalcolaRaffrescamento(p, l, {}, d, *minima);
        const auto ko = CalcolaRaffrescamento(p, l, {}, d, *minima - 0.1f);
        QVERIFY(!ok[0].Condensa && !ok[0].SottoMinima);
        QVERIFY(ko[0].Condensa || ko[0].SottoMinima || *minima - 0.1f < PuntoRugiada(26, 50));
        QVERIFY(ControllaMandataEstiva(p, l, d, *minima).isEmpty());
        QVERIFY(ControllaMandataEstiva(p, l, d, 14)
                    .startsWith(QStringLiteral("La mandata estiva di 14.0 °C è sotto il punto di rugiada (14.8 °C)")));
        // Acqua a 8 °C: pavimento a circa 18 °C, sotto la rugiada con aria umida, sotto 19 °C
        // con aria secca.
        d.UR = 80;
        QCOMPARE(CalcolaRaffrescamento(p, l, {}, d, 8)[0].Esito(), QStringLiteral("condensa"));
        d.UR = 30;
        QCOMPARE(CalcolaRaffrescamento(p, l, {}, d, 8)[0].Esito(), QStringLiteral("sotto 19 °C"));
    }

    // Le colonne aggiunte da --en1264 seguono la griglia; senza opzioni la griglia resta di 13.
    void rigaDiComando()
    {
        const TUscita base = Tvl({QStringLiteral("--mandata"), QStringLiteral("55")});
        QCOMPARE(base.codice, 0);
        QCOMPARE(base.out.split(QLatin1Char('\n'))[1].count(QLatin1Char('\t')), 12);
        const TUscita e = Tvl({QStringLiteral("--en1264"), QStringLiteral("--mandata"), QStringLiteral("55")});
        const QStringList righe = e.out.split(QLatin1Char('\n'));
        QVERIFY(righe[1].endsWith(QStringLiteral("\tDp As\tqG\tVerifica")));
        QVERIFY(righe[2].endsWith(QStringLiteral("\t[mmH20]\tAs [W/mq]\tAs")));
        QVERIFY(righe[3].startsWith(QStringLiteral("1\t")) && righe[3].endsWith(QStringLiteral("\toltre qG")));
        QVERIFY(righe[4].endsWith(QStringLiteral("\tOK"))); // il bagno a 24 °C: limite a 33 °C
        const QStringList righeBase = base.out.split(QLatin1Char('\n'));
        for (int k = 0; k < righeBase.size(); ++k)
            QVERIFY(righe[k].startsWith(righeBase[k])); // la griglia specificata non cambia

        const TUscita r = Tvl({QStringLiteral("--raffrescamento"), QStringLiteral("--ur"), QStringLiteral("60")});
        QCOMPARE(r.codice, 0);
        QVERIFY(r.out.contains(QStringLiteral("Locale\tCarico estivo [W]\tResa estiva [W]\tT Sup. [°C]\t"
                                              "T rugiada [°C]\tPortata [l/h]\tVerifica\n")));
        QVERIFY(r.out.contains(QStringLiteral("\n2\t200\t")));
        const TUscita no = Tvl({QStringLiteral("--raffrescamento"), QStringLiteral("--mandata-estiva"),
                                QStringLiteral("12"), QStringLiteral("--ur"), QStringLiteral("60")});
        QCOMPARE(no.codice, 1);
        QVERIFY(no.out.isEmpty());
        QVERIFY(
            no.err.startsWith(QStringLiteral("tvl calcola: La mandata estiva di 12.0 °C è sotto il punto di rugiada")));
    }
};

QTEST_GUILESS_MAIN(TestEn1264)
#include "tst_en1264.moc"
