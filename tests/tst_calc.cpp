// Modello termico del pannello e dimensionamento dei circuiti: esempi di calcolo, scelta di
// righe e colonne delle tabelle, serie dei passi, locali con e senza zona marginale, testi
// della griglia, dati non calcolabili.
#include "calc/Ucalc.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Impianto degli esempi: massetto 50 mm λ 1.2, soletta 20 cm λ 1.0, tubo 20 × 2 mm λ 0.22,
// modulo 50 mm, vani sottostanti 10 °C, circuiti fino a 100 m, salto termico 5 K.
TDatiGenerali DatiEsempio()
{
    TDatiGenerali d;
    d.SPESS_MASS = 50;
    d.LAMBDA_MASS = 1.2f;
    d.SPESS_SOL = 20;
    d.LAMBDA_SOL = 1.0f;
    d.SPESS_TUBO = 2;
    d.LAMBDA_TUBO = 0.22f;
    d.DEST_TUBO = 20;
    d.INTERASSE = 50;
    d.TEMPVS = 10;
    d.LUNGMAX = 100;
    d.DELTAT_MAX = 5;
    return d;
}

// Locale degli esempi: 20 °C, 20 m² utili, rivestimento 10 mm con λ 0.2, 5 m dal collettore.
TLocaleCalc LocaleEsempio(float carico = 1300, int id = 1)
{
    TLocaleCalc l;
    l.ID = id;
    l.Descrizione = QStringLiteral("Soggiorno");
    l.TAmbiente = 20;
    l.Area = 20;
    l.AreaUtile = 20;
    l.CTermico = carico;
    l.Lambda_Riv = 0.2f;
    l.Spessore = 10;
    l.DistColl = 5;
    return l;
}

void Prepara(TPavRad& p, const TDatiGenerali& d = DatiEsempio(), float mandata = 40)
{
    p.CaricaDatiGenerali(d);
    p.ImpostaTempMandata(mandata);
    p.CaricaLocale(LocaleEsempio());
}

bool Vicino(double valore, double atteso, double relativa = 0.001)
{
    if (atteso == 0)
        return std::fabs(valore) < 1e-9;
    return std::fabs(valore - atteso) <= relativa * std::fabs(atteso);
}

#define VERIFICA_VICINO(valore, atteso)                                                                                \
    QVERIFY2(Vicino((valore), (atteso)),                                                                               \
             qPrintable(QStringLiteral("%1 = %2, atteso %3").arg(#valore).arg(double(valore), 0, 'g', 8).arg(atteso)))

bool Finito(const TLocaleCalc& l)
{
    for (float v : {l.PotAs, l.TSupAs, l.PassoAs, l.LAs, l.QAs, l.DpAs, l.PotAm, l.TSupAm, l.PassoAm, l.LAm, l.QAm,
                    l.DpAm, l.Integr})
        if (!std::isfinite(v))
            return false;
    return true;
}
} // namespace

class TstCalc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void esempioResa()
    {
        TPavRad p;
        Prepara(p);
        QCOMPARE(TPavRad::ColonnaRLambda(p.RLambdaB()), 1);
        const TResa r = p.CalcolaResa(0.15f);
        VERIFICA_VICINO(p.DeltaTH(), 17.380);
        VERIFICA_VICINO(p.FattoreAB(), 0.7640);
        VERIFICA_VICINO(p.FattoreAT(), 0.8418);
        VERIFICA_VICINO(p.FattoreAU(), 0.9778);
        VERIFICA_VICINO(p.FattoreAD(), 1.0);
        VERIFICA_VICINO(p.B(), 6.432);
        VERIFICA_VICINO(r.Pot / p.AreaZona(), 70.29);
        VERIFICA_VICINO(r.Pot, 1405.9);
        VERIFICA_VICINO(r.TSup, 26.53);
    }

    void esempioPassi_data()
    {
        QTest::addColumn<float>("passo");
        QTest::addColumn<double>("potenza");
        QTest::newRow("0.4") << 0.4f << 792.0;
        QTest::newRow("0.3") << 0.3f << 986.5;
        QTest::newRow("0.2") << 0.2f << 1246.8;
        QTest::newRow("0.15") << 0.15f << 1405.9;
        QTest::newRow("0.1") << 0.1f << 1590.1;
        QTest::newRow("0.05") << 0.05f << 1802.5;
    }
    void esempioPassi()
    {
        QFETCH(float, passo);
        QFETCH(double, potenza);
        TPavRad p;
        Prepara(p);
        const TResa r = p.CalcolaResa(passo);
        VERIFICA_VICINO(r.Pot, potenza);
        // La temperatura della zona attiva e quella ricavata dalla potenza seguono la stessa curva.
        QVERIFY(Vicino(p.TempSuperficie(r.Pot), r.TSup, 1e-6));
    }

    void colonnaRLambda_data()
    {
        QTest::addColumn<float>("spessoreMm");
        QTest::addColumn<float>("lambda");
        QTest::addColumn<int>("colonna");
        QTest::newRow("nessuna resistenza") << 1.0f << 1000.0f << 0;
        QTest::newRow("0.024") << 24.0f << 1.0f << 0;
        QTest::newRow("0.025 sul confine") << 5.0f << 0.2f << 1;
        QTest::newRow("0.05") << 10.0f << 0.2f << 1;
        QTest::newRow("0.074") << 74.0f << 1.0f << 1;
        QTest::newRow("0.075 sul confine") << 15.0f << 0.2f << 2;
        QTest::newRow("0.075 da 30/0.4") << 30.0f << 0.4f << 2;
        QTest::newRow("0.10") << 20.0f << 0.2f << 2;
        QTest::newRow("0.124") << 31.0f << 0.25f << 2;
        QTest::newRow("0.125 sul confine") << 25.0f << 0.2f << 3;
        QTest::newRow("0.5") << 100.0f << 0.2f << 3;
    }
    void colonnaRLambda()
    {
        QFETCH(float, spessoreMm);
        QFETCH(float, lambda);
        QFETCH(int, colonna);
        TPavRad p;
        p.ImpostaSpessRiv(spessoreMm);
        p.ImpostaLambdaRiv(lambda);
        QCOMPARE(TPavRad::ColonnaRLambda(p.RLambdaB()), colonna);
    }

    void rigaPasso_data()
    {
        QTest::addColumn<float>("passo");
        QTest::addColumn<int>("riga");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("0.05") << 0.05f << 0;
        QTest::newRow("0.075 da mm") << 75 / 1000.0f << 1;
        QTest::newRow("0.125 non tabulato") << 0.125f << 3;
        QTest::newRow("0.225 da mm") << 225 / 1000.0f << 5;
        QTest::newRow("0.25") << 0.25f << 6;
        QTest::newRow("0.375 da mm") << 375 / 1000.0f << 9;
        QTest::newRow("0.4") << 0.4f << 10;
        QTest::newRow("0.45") << 0.45f << 10;
    }
    void rigaPasso()
    {
        QFETCH(float, passo);
        QFETCH(int, riga);
        QCOMPARE(TPavRad::RigaPasso(passo), riga);
    }

    // Ogni passo di ogni serie, e ogni passo marginale che ne deriva quando è tabulato, trova
    // la propria riga.
    void passiTrovanoLaRiga_data()
    {
        QTest::addColumn<int>("modulo");
        QTest::newRow("50") << 50;
        QTest::newRow("75") << 75;
        QTest::newRow("100") << 100;
    }
    void passiTrovanoLaRiga()
    {
        QFETCH(int, modulo);
        TPavRad p;
        p.ImpostaInterasse(modulo);
        float passi[8];
        const int n = p.SeriePassi(passi);
        const auto tabulato = [](float t) {
            return std::find(std::begin(TPavRad::TabPasso), std::end(TPavRad::TabPasso), t)
                != std::end(TPavRad::TabPasso);
        };
        for (int k = 0; k < n; ++k) {
            QVERIFY(tabulato(passi[k]));
            QCOMPARE(TPavRad::TabPasso[TPavRad::RigaPasso(passi[k])], passi[k]);
            const float m = p.PassoMarginale(passi[k]);
            if (tabulato(m))
                QCOMPARE(TPavRad::TabPasso[TPavRad::RigaPasso(m)], m);
        }
    }

    void seriePassi_data()
    {
        QTest::addColumn<int>("modulo");
        QTest::addColumn<QList<int>>("serie");
        const QList<int> s100 = {400, 300, 200, 100};
        const QList<int> s75 = {375, 300, 225, 150, 75};
        const QList<int> s50 = {400, 350, 300, 250, 200, 150, 100, 50};
        QTest::newRow("100") << 100 << s100;
        QTest::newRow("200") << 200 << s100;
        QTest::newRow("300 multiplo di 100 e di 75") << 300 << s100;
        QTest::newRow("75") << 75 << s75;
        QTest::newRow("150") << 150 << s75;
        QTest::newRow("50") << 50 << s50;
        QTest::newRow("60 nessuna classe") << 60 << s50;
    }
    void seriePassi()
    {
        QFETCH(int, modulo);
        QFETCH(QList<int>, serie);
        TPavRad p;
        p.ImpostaInterasse(modulo);
        float passi[8];
        const int n = p.SeriePassi(passi);
        QList<int> mm;
        for (int k = 0; k < n; ++k)
            mm << int(std::lround(passi[k] * 1000));
        QCOMPARE(mm, serie);
    }

    void passoMarginale_data()
    {
        QTest::addColumn<int>("modulo");
        QTest::addColumn<float>("attivo");
        QTest::addColumn<int>("marginaleMm");
        QTest::newRow("50: 0.05 resta 0.05") << 50 << 0.05f << 50;
        QTest::newRow("50: 0.2") << 50 << 0.2f << 150;
        QTest::newRow("75: 0.3") << 75 << 0.3f << 225;
        QTest::newRow("75: 0.075 resta 0.075") << 75 << 0.075f << 75;
        QTest::newRow("100: 0.1") << 100 << 0.1f << 50;
        QTest::newRow("100: 0.4") << 100 << 0.4f << 350;
    }
    void passoMarginale()
    {
        QFETCH(int, modulo);
        QFETCH(float, attivo);
        QFETCH(int, marginaleMm);
        TPavRad p;
        p.ImpostaInterasse(modulo);
        QCOMPARE(p.PassoMarginale(attivo), marginaleMm / 1000.0f);
    }

    void tOttimaEsempio()
    {
        TPavRad p;
        Prepara(p);
        TLocaleCalc l = LocaleEsempio(1500);
        VERIFICA_VICINO(p.CalcolaTOttima({&l, 1}), 35.47);
        QCOMPARE(p.B(), 6.7f);
    }

    // Il locale di riferimento dipende dall'ordine; si riconosce dalla temperatura ambiente
    // caricata nella zona corrente.
    void tOttimaRiferimento_data()
    {
        QTest::addColumn<QList<float>>("densita");
        QTest::addColumn<QList<float>>("rapporti");
        QTest::addColumn<int>("scelto");
        QTest::newRow("rapporto minore escluso") << QList<float> {80, 100, 90} << QList<float> {0.9f, 0.8f, 0.95f} << 2;
        QTest::newRow("ordine inverso") << QList<float> {90, 100, 80} << QList<float> {0.95f, 0.8f, 0.9f} << 0;
        QTest::newRow("rapporto uguale basta") << QList<float> {80, 90} << QList<float> {0.9f, 0.9f} << 1;
        QTest::newRow("densità uguale no") << QList<float> {80, 80} << QList<float> {0.9f, 1.0f} << 0;
        QTest::newRow("nessuno si qualifica") << QList<float> {0, 0} << QList<float> {1.0f, 1.0f} << 0;
    }
    void tOttimaRiferimento()
    {
        QFETCH(QList<float>, densita);
        QFETCH(QList<float>, rapporti);
        QFETCH(int, scelto);
        std::vector<TLocaleCalc> locali;
        for (int k = 0; k < densita.size(); ++k) {
            TLocaleCalc l = LocaleEsempio(densita[k] * 20, k + 1);
            l.TAmbiente = 15 + k;
            l.Area = 20 / rapporti[k];
            locali.push_back(l);
        }
        TPavRad p;
        Prepara(p);
        const float t = p.CalcolaTOttima(locali);
        QCOMPARE(p.TAmbiente(), 15.0f + scelto);
        QVERIFY(t >= 32 && t <= 60);
    }

    void tOttimaLimiti_data()
    {
        QTest::addColumn<float>("carico");
        QTest::addColumn<float>("atteso");
        // θV = 20 + 2.5 + 0.3 + (carico / 20) / 5.918
        QTest::newRow("28.4 diventa 32") << 662.8f << 32.0f;
        QTest::newRow("63 diventa 60") << 4758.0f << 60.0f;
    }
    void tOttimaLimiti()
    {
        QFETCH(float, carico);
        QFETCH(float, atteso);
        TPavRad p;
        Prepara(p);
        TLocaleCalc l = LocaleEsempio(carico);
        QCOMPARE(p.CalcolaTOttima({&l, 1}), atteso);
        QCOMPARE(p.CalcolaTOttima({}), 0.0f);
    }

    void esempioLocale()
    {
        TPavRad p;
        Prepara(p);
        TLocaleCalc l = LocaleEsempio(1300);
        l.Integr = 77; // valore di un calcolo precedente
        p.CalcolaLocali({&l, 1});
        QCOMPARE(l.PassoAs, 0.15f);
        VERIFICA_VICINO(l.PotAs, 1300.0);
        VERIFICA_VICINO(l.TSupAs, 26.08);
        QCOMPARE(l.NAs, 2);
        QCOMPARE(l.LAs, 76.0f);
        VERIFICA_VICINO(l.QAs, 140.3);
        VERIFICA_VICINO(l.DpAs, 344.8);
        QCOMPARE(l.Integr, 0.0f);
    }

    void circuiti_data()
    {
        QTest::addColumn<float>("area");
        QTest::addColumn<float>("passo");
        QTest::addColumn<int>("lungMax");
        QTest::addColumn<int>("dist");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("lc");
        QTest::newRow("12.5 m² a 0.15") << 12.5f << 0.15f << 100 << 5 << 1 << 93;
        QTest::newRow("90 m di tubo: 1 circuito") << 9.0f << 0.1f << 100 << 5 << 1 << 100;
        QTest::newRow("91 m di tubo: 2 circuiti") << 9.1f << 0.1f << 100 << 5 << 2 << 55;
        QTest::newRow("0.075 usa 7 cm") << 7.0f << 0.075f << 200 << 0 << 1 << 100;
        QTest::newRow("0.225 usa 22 cm") << 22.0f << 0.225f << 200 << 0 << 1 << 100;
        QTest::newRow("0.375 usa 37 cm") << 3.7f << 0.375f << 200 << 0 << 1 << 10;
        QTest::newRow("100·A per eccesso") << 12.345f << 0.05f << 1000 << 0 << 1 << 247;
        QTest::newRow("1.6 m² non diventa 161") << 1.6f << 0.075f << 100 << 0 << 1 << 22;
        QTest::newRow("area nulla") << 0.0f << 0.15f << 100 << 5 << 0 << 0;
        QTest::newRow("distanza grande") << 1.0f << 0.1f << 100 << 45 << 1 << 100;
        QTest::newRow("distanza oltre metà lunghezza") << 1.0f << 0.1f << 100 << 51 << 0 << 0;
        QTest::newRow("lunghezza minima 10, distanza 6") << 1.0f << 0.1f << 10 << 6 << 0 << 0;
        // Ai limiti di un int (letti da un file): nessun trabocco nel conto della lunghezza.
        QTest::newRow("LUNGMAX 2147483647") << 12.5f << 0.15f << 2147483647 << 5 << 1 << 93;
        QTest::newRow("LUNGMAX -2147483647") << 12.5f << 0.15f << -2147483647 << 5 << 0 << 0;
        QTest::newRow("LUNGMAX -2147483647, distanza 100") << 12.5f << 0.15f << -2147483647 << 100 << 0 << 0;
    }
    void circuiti()
    {
        QFETCH(float, area);
        QFETCH(float, passo);
        QFETCH(int, lungMax);
        QFETCH(int, dist);
        QFETCH(int, n);
        QFETCH(int, lc);
        TPavRad p;
        p.ImpostaAreaZona(area);
        p.ImpostaLungMax(lungMax);
        p.ImpostaDistColl(dist);
        const TCircuiti c = p.CalcolaCircuiti(passo);
        QCOMPARE(c.N, n);
        QCOMPARE(c.L, lc);
    }

    // Un locale troppo lontano dal collettore per qualunque circuito: nessun circuito, nessuna
    // portata, la resa resta calcolata.
    void distanzaTroppoGrande()
    {
        TPavRad p;
        Prepara(p);
        TLocaleCalc l = LocaleEsempio(1300);
        l.DistColl = 60;
        p.CalcolaLocali({&l, 1});
        QVERIFY(Finito(l));
        QCOMPARE(l.NAs, 0);
        QCOMPARE(l.LAs, 0.0f);
        QCOMPARE(l.QAs, 0.0f);
        QCOMPARE(l.DpAs, 0.0f);
        VERIFICA_VICINO(l.PotAs, 1300.0);
    }

    // Modulo 75: carico coperto a 0.3 (non a 0.375) e carico mai coperto (resta 0.075).
    void modulo75()
    {
        TDatiGenerali d = DatiEsempio();
        d.INTERASSE = 75;
        TPavRad p;
        Prepara(p, d);
        const float p375 = p.CalcolaResa(0.375f).Pot;
        const float p300 = p.CalcolaResa(0.3f).Pot;
        const float p075 = p.CalcolaResa(0.075f).Pot;
        TLocaleCalc locali[2] = {LocaleEsempio((p375 + p300) / 2, 1), LocaleEsempio(p075 + 100, 2)};
        p.CalcolaLocali(locali);
        QCOMPARE(locali[0].PassoAs, 0.3f);
        QCOMPARE(locali[0].LAs, 2000 / 30 + 10.0f);
        QCOMPARE(locali[0].Integr, 0.0f);
        QCOMPARE(locali[1].PassoAs, 0.075f);
        QCOMPARE(locali[1].NAs, 4); // 2000 div 7 = 285 m in 4 circuiti
        QCOMPARE(locali[1].LAs, 285 / 4 + 10.0f);
        VERIFICA_VICINO(locali[1].Integr, 100.0);
    }

    // Modulo 100, carico mai coperto: resta il passo 0.1 con la sua resa e la lampada rossa;
    // carico coperto al primo passo: potenza = carico, temperatura dal carico, lampada verde.
    void coperturaDelCarico()
    {
        TDatiGenerali d = DatiEsempio();
        d.INTERASSE = 100;
        TPavRad p;
        Prepara(p, d);
        const float p01 = p.CalcolaResa(0.1f).Pot;
        const float p04 = p.CalcolaResa(0.4f).Pot;
        TLocaleCalc locali[2] = {LocaleEsempio(2500, 1), LocaleEsempio(500, 2)};
        p.CalcolaLocali(locali);
        QCOMPARE(locali[0].PassoAs, 0.1f);
        QCOMPARE(locali[0].PotAs, p01);
        VERIFICA_VICINO(locali[0].Integr, 2500.0 - p01);
        QCOMPARE(TPavRad::TestoCella(5, 2, locali).Immagine, LampadaRossa);

        QCOMPARE(locali[1].PassoAs, 0.4f);
        QVERIFY(p04 > 500);
        QCOMPARE(locali[1].PotAs, 500.0f);
        QCOMPARE(locali[1].Integr, 0.0f);
        p.CaricaLocale(locali[1]);
        QCOMPARE(locali[1].TSupAs, p.TempSuperficie(500));
        QVERIFY(locali[1].TSupAs < p.CalcolaResa(0.4f).TSup);
        QCOMPARE(TPavRad::TestoCella(5, 3, locali).Immagine, LampadaVerde);
    }

    void portata_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("potenza");
        QTest::addColumn<float>("tVaniSotto");
        QTest::addColumn<bool>("nulla");
        QTest::newRow("normale") << 2 << 1300.0f << 10.0f << false;
        QTest::newRow("potenza nulla") << 2 << 0.0f << 10.0f << true;
        QTest::newRow("potenza negativa") << 2 << -50.0f << 10.0f << true;
        QTest::newRow("nessun circuito") << 0 << 1300.0f << 10.0f << true;
        QTest::newRow("portata negativa") << 2 << 100.0f << 200.0f << true;
    }
    void portata()
    {
        QFETCH(int, n);
        QFETCH(float, potenza);
        QFETCH(float, tVaniSotto);
        QFETCH(bool, nulla);
        TDatiGenerali d = DatiEsempio();
        d.TEMPVS = tVaniSotto;
        TPavRad p;
        Prepara(p, d);
        const TPortata q = p.CalcolaPortata(n, 76, potenza);
        QVERIFY(std::isfinite(q.Q) && std::isfinite(q.Dp));
        QCOMPARE(q.Q == 0 && q.Dp == 0, nulla);
    }

    // Dati con cui le formule non sono calcolabili: nessun NaN né infinito, resa, portata e
    // temperatura nulle, tutto il carico resta da integrare.
    void datiNonCalcolabili_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<float>("valore");
        QTest::newRow("mandata mai impostata") << "mandata" << 0.0f;
        QTest::newRow("ritorno pari all'ambiente") << "mandata" << 25.0f;
        QTest::newRow("ritorno sotto l'ambiente") << "mandata" << 24.0f;
        QTest::newRow("salto termico nullo") << "deltat" << 0.0f;
        QTest::newRow("λ rivestimento nulla") << "lambdariv" << 0.0f;
        QTest::newRow("λ massetto nulla") << "lambdamass" << 0.0f;
        QTest::newRow("λ tubo nulla") << "lambdatubo" << 0.0f;
        QTest::newRow("λ soletta nulla") << "lambdasol" << 0.0f;
        QTest::newRow("parete pari al raggio") << "spesstubo" << 10.0f;
        QTest::newRow("area utile nulla") << "area" << 0.0f;
    }
    void datiNonCalcolabili()
    {
        QFETCH(QString, campo);
        QFETCH(float, valore);
        TDatiGenerali d = DatiEsempio();
        TLocaleCalc l = LocaleEsempio(1300);
        float mandata = 40;
        if (campo == "mandata")
            mandata = valore;
        else if (campo == "deltat")
            d.DELTAT_MAX = valore;
        else if (campo == "lambdariv")
            l.Lambda_Riv = valore;
        else if (campo == "lambdamass")
            d.LAMBDA_MASS = valore;
        else if (campo == "lambdatubo")
            d.LAMBDA_TUBO = valore;
        else if (campo == "lambdasol")
            d.LAMBDA_SOL = valore;
        else if (campo == "spesstubo")
            d.SPESS_TUBO = valore;
        else if (campo == "area")
            l.AreaUtile = valore;
        TPavRad p;
        Prepara(p, d, mandata);
        p.CaricaLocale(l);
        for (float passo : {0.05f, 0.15f, 0.4f}) {
            const TResa r = p.CalcolaResa(passo);
            QCOMPARE(r.Pot, 0.0f);
            QCOMPARE(r.TSup, 0.0f);
        }
        for (bool marginale : {false, true}) {
            TLocaleCalc ll = l;
            ll.AreaMarginale = ll.AreaUtile / 4;
            p.ImpostaAreaMarginaleAttiva(marginale);
            p.CalcolaLocali({&ll, 1});
            QVERIFY(Finito(ll));
            QCOMPARE(ll.PotAs, 0.0f);
            QCOMPARE(ll.TSupAs, 0.0f);
            QCOMPARE(ll.QAs, 0.0f);
            QCOMPARE(ll.DpAs, 0.0f);
            QCOMPARE(ll.PotAm, 0.0f);
            QCOMPARE(ll.QAm, 0.0f);
            QCOMPARE(ll.Integr, 1300.0f);
        }
        const float t = p.CalcolaTOttima({&l, 1});
        QVERIFY(t >= 32 && t <= 60);
    }

    // Zona marginale con area nulla: nessuna resa marginale e zona attiva su tutta l'area
    // utile col carico intero, come senza zona marginale.
    void marginaleNulla()
    {
        TPavRad p;
        Prepara(p);
        TLocaleCalc con = LocaleEsempio(1300), senza = LocaleEsempio(1300);
        p.CalcolaLocali({&senza, 1});
        p.ImpostaAreaMarginaleAttiva(true);
        p.CalcolaLocali({&con, 1});
        QCOMPARE(con.PotAm, 0.0f);
        QCOMPARE(con.NAm, 0);
        QCOMPARE(con.PassoAs, senza.PassoAs);
        QCOMPARE(con.PotAs, senza.PotAs);
        QCOMPARE(con.NAs, senza.NAs);
        QCOMPARE(con.QAs, senza.QAs);
        for (int c = 13; c < 20; ++c)
            QCOMPARE(TPavRad::TestoCella(c, 2, {&con, 1}).Testo, QStringLiteral("--"));
    }

    // Zona marginale di 5 m² al passo stretto: la zona attiva copre il resto del carico sui
    // 15 m² rimanenti.
    void marginaleParziale()
    {
        TPavRad p;
        Prepara(p);
        p.ImpostaAreaMarginaleAttiva(true);
        TLocaleCalc l = LocaleEsempio(1300);
        l.AreaMarginale = 5;
        p.CalcolaLocali({&l, 1});
        QCOMPARE(l.PassoAm, 0.1f); // dal passo 0.15 del primo dimensionamento
        VERIFICA_VICINO(l.PotAm, 1590.1 / 4);
        VERIFICA_VICINO(l.PotAs, 1300 - 1590.1 / 4);
        QCOMPARE(l.NAm, 1);
        QCOMPARE(l.LAm, 500 / 10 + 10.0f);
        QVERIFY(l.QAm > 0 && l.DpAm > 0);
        QCOMPARE(l.Integr, 0.0f);
        p.ImpostaAreaZona(15);
        QCOMPARE(l.NAs, p.CalcolaCircuiti(l.PassoAs).N);
        // Un ricalcolo senza zona marginale non lascia i valori marginali di prima.
        p.ImpostaAreaMarginaleAttiva(false);
        p.CalcolaLocali({&l, 1});
        QCOMPARE(l.PotAm, 0.0f);
        QCOMPARE(l.NAm, 0);
        QCOMPARE(l.LAm, 0.0f);
        VERIFICA_VICINO(l.PotAs, 1300.0);
    }

    // La zona marginale copre da sola il carico: il resto dell'area è posato al passo più largo
    // senza carico, con potenza, temperatura e portata nulle, e non manca nulla (anche se un
    // calcolo precedente aveva lasciato un ammanco).
    void marginaleBastaDaSola()
    {
        TPavRad p;
        Prepara(p);
        p.ImpostaAreaMarginaleAttiva(true);
        TLocaleCalc l = LocaleEsempio(400);
        l.AreaMarginale = 10;
        l.Integr = 450;
        l.PotAs = 9999;
        p.CalcolaLocali({&l, 1});
        QVERIFY(l.PotAm >= 400);
        QCOMPARE(l.PassoAs, 0.4f);
        QCOMPARE(l.PotAs, 0.0f);
        QCOMPARE(l.TSupAs, 0.0f);
        QCOMPARE(l.QAs, 0.0f);
        QCOMPARE(l.DpAs, 0.0f);
        QCOMPARE(l.NAs, 1); // 10 m² a 0.4: 25 m di tubo
        QCOMPARE(l.LAs, 25 + 10.0f);
        QCOMPARE(l.Integr, 0.0f);
        QCOMPARE(TPavRad::TestoCella(5, 2, {&l, 1}).Immagine, LampadaVerde);
    }

    void testoCellaIntestazioni_data()
    {
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QString>("unita");
        QTest::newRow("0") << 0 << "Locale"
                           << "ID";
        QTest::newRow("3") << 3 << "Ta"
                           << "[°C]";
        QTest::newRow("5") << 5 << "Integr."
                           << "[W]";
        QTest::newRow("7") << 7 << "T Sup."
                           << "As [°C]";
        QTest::newRow("9") << 9 << "N°"
                           << "As";
        QTest::newRow("12") << 12 << "Dp As"
                            << "[mmH20]";
        QTest::newRow("15") << 15 << "Passo"
                            << "Am [cm]";
        QTest::newRow("19") << 19 << "Dp Am"
                            << "[mmH20]";
        QTest::newRow("fuori griglia") << 20 << ""
                                       << "";
    }
    void testoCellaIntestazioni()
    {
        QFETCH(int, colonna);
        QFETCH(QString, intestazione);
        QFETCH(QString, unita);
        const TCellaGriglia c0 = TPavRad::TestoCella(colonna, 0, {});
        const TCellaGriglia c1 = TPavRad::TestoCella(colonna, 1, {});
        QCOMPARE(c0.Testo, intestazione);
        QCOMPARE(c1.Testo, unita);
        QCOMPARE(c0.Immagine, NessunaImmagine);
        QCOMPARE(c1.Marca, MarcaNormale);
    }

    void testoCellaValori_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<float>("valore");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("italiano");
        QTest::addColumn<QString>("inglese");
        QTest::addColumn<int>("immagine");
        QTest::addColumn<int>("marca");
        QTest::newRow("ID") << "ID" << 1234.0f << 0 << "1234"
                            << "1234" << -1 << 0;
        QTest::newRow("As una cifra") << "AreaUtile" << 20.26f << 1 << "20,3"
                                      << "20.3" << -1 << 0;
        QTest::newRow("carico senza migliaia") << "CTermico" << 1300.4f << 4 << "1300"
                                               << "1300" << -1 << 0;
        QTest::newRow("ammanco 0.9 verde") << "Integr" << 0.9f << 5 << "1"
                                           << "1" << 1 << 0;
        QTest::newRow("ammanco 1 rosso") << "Integr" << 1.0f << 5 << "1"
                                         << "1" << 2 << 0;
        QTest::newRow("ammanco -0.3 senza segno") << "Integr" << -0.3f << 5 << "0"
                                                  << "0" << 1 << 0;
        QTest::newRow("T Sup 29.0 normale") << "TSupAs" << 29.0f << 7 << "29,00"
                                            << "29.00" << -1 << 0;
        QTest::newRow("T Sup 29.01 rossa") << "TSupAs" << 29.01f << 7 << "29,01"
                                           << "29.01" << -1 << 1;
        QTest::newRow("passo in cm") << "PassoAs" << 0.075f << 8 << "7,5"
                                     << "7.5" << -1 << 0;
        QTest::newRow("Dp As") << "DpAs" << 344.8f << 12 << "345"
                               << "345" << -1 << 0;
        QTest::newRow("T Sup Am 33.0 normale") << "TSupAm" << 33.0f << 14 << "33,00"
                                               << "33.00" << -1 << 0;
        QTest::newRow("T Sup Am 33.01 arancio") << "TSupAm" << 33.01f << 14 << "33,01"
                                                << "33.01" << -1 << 2;
        QTest::newRow("passo Am") << "PassoAm" << 0.225f << 15 << "22,5"
                                  << "22.5" << -1 << 0;
        QTest::newRow("N Am") << "NAm" << 3.0f << 16 << "3"
                              << "3" << -1 << 0;
        QTest::newRow("Am senza resa") << "PotAm" << 0.0f << 17 << "--"
                                       << "--" << -1 << 0;
        QTest::newRow("Am resa negativa") << "PotAm" << -1.0f << 13 << "--"
                                          << "--" << -1 << 0;
    }
    void testoCellaValori()
    {
        QFETCH(QString, campo);
        QFETCH(float, valore);
        QFETCH(int, colonna);
        QFETCH(QString, italiano);
        QFETCH(QString, inglese);
        QFETCH(int, immagine);
        QFETCH(int, marca);
        TLocaleCalc locali[2];
        TLocaleCalc& l = locali[1];
        l.PotAm = 1; // colonne marginali visibili salvo dove il caso le azzera
        l.PassoAm = 0.225f;
        l.NAm = 2;
        if (campo == "ID")
            l.ID = int(valore);
        else if (campo == "AreaUtile")
            l.AreaUtile = valore;
        else if (campo == "CTermico")
            l.CTermico = valore;
        else if (campo == "Integr")
            l.Integr = valore;
        else if (campo == "TSupAs")
            l.TSupAs = valore;
        else if (campo == "PassoAs")
            l.PassoAs = valore;
        else if (campo == "DpAs")
            l.DpAs = valore;
        else if (campo == "TSupAm")
            l.TSupAm = valore;
        else if (campo == "PassoAm")
            l.PassoAm = valore;
        else if (campo == "NAm")
            l.NAm = int(valore);
        else if (campo == "PotAm")
            l.PotAm = valore;
        const TCellaGriglia ci = TPavRad::TestoCella(colonna, 3, locali, QLocale(QLocale::Italian, QLocale::Italy));
        const TCellaGriglia ce = TPavRad::TestoCella(colonna, 3, locali, QLocale::c());
        QCOMPARE(ci.Testo, italiano);
        QCOMPARE(ce.Testo, inglese);
        QCOMPARE(int(ci.Immagine), immagine);
        QCOMPARE(int(ci.Marca), marca);
        // Oltre l'ultimo locale la cella è vuota.
        QCOMPARE(TPavRad::TestoCella(colonna, 4, locali).Testo, QString());
    }
};

QTEST_GUILESS_MAIN(TstCalc)
#include "tst_calc.moc"
