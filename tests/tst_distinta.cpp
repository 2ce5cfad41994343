// Distinta dei materiali in AuxPrev: righe dei materiali con le loro condizioni e arrotondamenti,
// tubo prima e dopo l'ottimizzazione, collettori con fusione delle righe, regolazione, capitolato.
// Tutto su un catalogo di prova, così ogni quantità si ricava a mano dalle regole.
#include "aiuti/CatalogoDocumenti.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "documents/Udistinta.h"
#include "progetto/Ustato.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using TAttese = QList<QPair<QString, double>>; // codice → quantità, nell'ordine della distinta
using TCollettoriProva = QList<QPair<QString, int>>; // tipo → circuiti

namespace {
TLocaleCalc locale(float area, int nAs, float lAs, int nAm = 0, float lAm = 0)
{
    TLocaleCalc l;
    l.Area = area;
    l.AreaUtile = area;
    l.NAs = nAs;
    l.LAs = lAs;
    l.NAm = nAm;
    l.LAm = lAm;
    return l;
}

const TRigaDistinta* riga(const QVector<TRigaDistinta>& righe, const QString& codice)
{
    for (const auto& r : righe)
        if (r.Cod_Esteso == codice)
            return &r;
    return nullptr;
}

TAttese codiciEQuantita(const QVector<TRigaDistinta>& righe)
{
    TAttese l;
    for (const auto& r : righe)
        l.append({r.Cod_Esteso, r.Quantita});
    return l;
}
} // namespace

class TstDistinta : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    QTemporaryDir cartella;
    QByteArray catalogoVero;
    TRegistroMessaggi registro;

    void generali(const QString& tubo, const QString& isolante)
    {
        TTabella* g = dati->AuxDGenerali;
        g->First();
        g->Edit();
        const QList<QPair<const char*, QVariant>> valori = {
            {"SPESS_MASS", 45}, {"SPESS_SOL", 20},  {"SPESS_RIV", 10},      {"TEMPVS", 10},       {"LUNGMAX", 100},
            {"DELTAT_MAX", 5},  {"COD_TUBO", tubo}, {"COD_ISOL", isolante}, {"RIF_COLL", "V220"},
        };
        for (const auto& [campo, v] : valori)
            g->FieldByName(QLatin1String(campo)).Imposta(v);
        QVERIFY(g->Post());
    }

    // Il progetto base: due locali da 20 m², 2 circuiti da 50 m ciascuno, massetto 45 mm.
    void progetto(const QString& isolante = QStringLiteral("V339EX779_30"))
    {
        generali(QStringLiteral("PEX162"), isolante);
        stato->RisultatiLocali = {locale(20, 2, 50), locale(20, 2, 50)};
        stato->PavRad.ImpostaSpessMassetto(45);
    }

    void collettori(const TCollettoriProva& elenco)
    {
        TTabella* c = dati->AuxCollettori;
        int id = 0;
        for (const auto& [tipo, n] : elenco) {
            c->Append();
            c->FieldByName(QStringLiteral("ID")).Imposta(id);
            c->FieldByName(QStringLiteral("Nome")).Imposta(QStringLiteral("C%1").arg(++id));
            c->FieldByName(QStringLiteral("Descrizione")).Imposta(tipo);
            c->FieldByName(QStringLiteral("N_Circuiti")).Imposta(n);
            c->FieldByName(QStringLiteral("Portata")).Imposta(100 * n + 1);
            c->FieldByName(QStringLiteral("dP")).Imposta(1500);
            QVERIFY(c->Post());
        }
    }

    void regolazione(const QVariantMap& valori)
    {
        TTabella* r = dati->AuxRegol;
        r->First();
        r->Edit();
        for (auto it = valori.begin(); it != valori.end(); ++it)
            r->FieldByName(it.key()).Imposta(it.value());
        QVERIFY(r->Post());
    }

    void rotolo(int id, const QString& codice, int lunghezza, int quanti, bool incluso)
    {
        TTabella* r = dati->AuxRotoli;
        r->Append();
        r->FieldByName(QStringLiteral("ID")).Imposta(id);
        r->FieldByName(QStringLiteral("Cod_Esteso")).Imposta(codice);
        r->FieldByName(QStringLiteral("Rotolo")).Imposta(lunghezza);
        r->FieldByName(QStringLiteral("Quanti")).Imposta(quanti);
        r->FieldByName(QStringLiteral("Incluso")).Imposta(incluso);
        QVERIFY(r->Post());
    }

    QVector<TRigaDistinta> distinta(TTipoDistinta tipo = TTipoDistinta::Preventivo)
    {
        CreaDistinta(*stato, tipo);
        return LeggiDistinta(*dati);
    }

    // Le righe dopo quelle dei materiali (che sono le prime n della stessa distinta senza collettori).
    QVector<TRigaDistinta> righeCollettori(TTipoDistinta tipo = TTipoDistinta::Preventivo)
    {
        stato->CollettoriConfermati = false;
        const qsizetype materiali = distinta(tipo).size();
        stato->CollettoriConfermati = true;
        return distinta(tipo).mid(materiali);
    }

    // Lo stato rifatto sul catalogo dell'installazione invece che su quello di prova.
    void apriCatalogoVero()
    {
        ChiudiStato();
        const QByteArray catalogoProva = qgetenv("TVLITA");
        qputenv("TVLITA", catalogoVero);
        dati = new TDati;
        stato = new TStatoProgetto(*dati);
        const bool aperto = dati->ApriTutto();
        qputenv("TVLITA", catalogoProva);
        QVERIFY2(aperto, qPrintable(dati->UltimoErrore()));
    }

    QStringList colonnaVera(const char* sql)
    {
        QStringList valori;
        TQuery q(dati->Database());
        if (q.Open(QString::fromLatin1(sql)))
            for (q.First(); !q.Eof(); q.Next())
                valori << q.Campo(0).AsString();
        return valori;
    }

    static void verificaID(const QVector<TRigaDistinta>& righe)
    {
        for (qsizetype i = 1; i < righe.size(); ++i)
            QVERIFY2(righe[i].ID > righe[i - 1].ID,
                     qPrintable(QStringLiteral("ID %1 dopo %2").arg(righe[i].ID).arg(righe[i - 1].ID)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        QString errore;
        const QString file = catalogo_prova::Crea(cartella.path(), &errore);
        QVERIFY2(!file.isEmpty(), qPrintable(errore));
        catalogoVero = qgetenv("TVLITA");
        qputenv("TVLITA", file.toLocal8Bit());
    }

    void init() { ApriStato(); }

    void cleanup()
    {
        ChiudiStato();
        QVERIFY(registro.Controlla());
    }

    void totali()
    {
        const QVector<TLocaleCalc> l = {locale(16, 2, 50, 1, 30), locale(9, 3, 40, 2, 10)};
        const TTotaliDistinta senza = CalcolaTotaliDistinta(l, false);
        QCOMPARE(senza.A, 25.0f);
        QCOMPARE(senza.P, 7.0f);
        QCOMPARE(senza.L, 220.0f);
        QCOMPARE(CalcolaTotaliDistinta(l, true).L, 270.0f);
    }

    // Un progetto senza collettori, riga per riga, con descrizioni, unità, quantità e prezzi.
    void righeDelPreventivo()
    {
        progetto();
        stato->RisultatiLocali[0].NAm = 1;
        stato->RisultatiLocali[0].LAm = 30;
        stato->PavRad.ImpostaAreaMarginaleAttiva(true);
        const auto righe = distinta();

        struct TAttesa
        {
            const char* descrizione;
            const char* articolo;
            const char* codice;
            const char* unita;
            double quantita;
            QVariant prezzo;
        };
        // L = 2 × 2 × 50 + 30 = 230 m; A = 40 m²; P = 2 √20.
        const QList<TAttesa> attese = {
            {"TUBO PEX 16x2 CON BARRIERA", "T16", "[NB lung. effettiva]", "mt", 230, 1.25},
            {"Pannello bugnato civile 30 mm", "V339C", "V339EX779_30", "mq", 60, 12.5},
            {"BINARIO FISSATUBO PER PAVIMENTO CIVILE", "J035U", "J035UX774", "mt", 34, 3.4},
            {"RETE ELETTROSALDATA 50x50mm FILO 2mm", "J050", "J050X774", "mq", 80, 2.75},
            {"FASCIA PERIMETRALE", "J085", "J085EX794", "mt", 50, 0.6},
            {"ADDITIVO PER CEMENTI", "J018", "J018X774", "nr", 1, 18.0},
            // Prezzo nullo in catalogo: la riga resta, senza prezzo.
            {"ADDITIVO ANTIALGA", "J012", "J012X794", "nr", 1, QVariant()},
            {"CLIPS FISSATUBO", "V530", "V530X770", "nr.", 100, 0.05},
        };
        QCOMPARE(righe.size(), attese.size());
        for (qsizetype i = 0; i < attese.size(); ++i) {
            const TAttesa& a = attese[i];
            const TRigaDistinta& r = righe[i];
            QCOMPARE(r.ID, int(i));
            QCOMPARE(r.Descrizione, QString::fromUtf8(a.descrizione));
            QCOMPARE(r.Articolo, QString::fromUtf8(a.articolo));
            QCOMPARE(r.Cod_Esteso, QString::fromUtf8(a.codice));
            QCOMPARE(r.Unit_Mis, QString::fromUtf8(a.unita));
            QCOMPARE(r.Quantita, a.quantita);
            QCOMPARE(r.Prezzo_Unit.isNull(), a.prezzo.isNull());
            if (!a.prezzo.isNull())
                QCOMPARE(r.Prezzo_Unit.toDouble(), a.prezzo.toDouble());
            QVERIFY(r.Capitolato.isEmpty());
        }

        // Senza zona marginale attiva i circuiti marginali non contano nel tubo.
        stato->PavRad.ImpostaAreaMarginaleAttiva(false);
        QCOMPARE(distinta().first().Quantita, 200.0);
    }

    void materiali_data()
    {
        QTest::addColumn<QString>("isolante");
        QTest::addColumn<QList<float>>("aree");
        QTest::addColumn<int>("massetto");
        QTest::addColumn<TAttese>("attese");
        QTest::addColumn<QStringList>("assenti");

        const QList<float> quaranta = {20, 20};
        QTest::newRow("40 m², confezioni da 10 m²")
            << "V339EX779_30" << quaranta << 45 << TAttese {{"V339EX779_30", 60}, {"J050X774", 80},  {"J018X774", 1},
                                                            {"J035UX774", 34},    {"J085EX794", 50}, {"V530X770", 100}}
            << QStringList {"V536X742", "J035X770", "V530X767"};
        QTest::newRow("massetto 45 mm su 100 m²: y = 1,575, per eccesso")
            << "V339EX779_30" << QList<float> {50, 50} << 45
            << TAttese {{"J018X774", 2}, {"V339EX779_30", 120}, {"J050X774", 120}} << QStringList();
        QTest::newRow("massetto 58 mm su 100 m²: y = 2,03, per difetto")
            << "V339EX779_30" << QList<float> {50, 50} << 58 << TAttese {{"J018X774", 2}} << QStringList();
        QTest::newRow("x = 10,5 sotto la soglia")
            << "V339EX779_30" << QList<float> {30} << 100 << TAttese {{"J018X774", 1}} << QStringList();
        QTest::newRow("pannello H 99: clips elencate a 0")
            << "PAN99" << quaranta << 45 << TAttese {{"V530X774", 0}} << QStringList {"J035UX774"};
        QTest::newRow("pannello con barriera")
            << "V534X100" << quaranta << 45 << TAttese {{"V536X742", 135}, {"V530X764", 100}}
            << QStringList {"J035UX774", "J035X770"};
        QTest::newRow("pannello industriale")
            << "V339EX779-20" << quaranta << 45 << TAttese {{"V339EX779-20", 60}, {"J035X770", 36}, {"V530X774", 100}}
            << QStringList {"J035UX774"};
        QTest::newRow("spider con H 1") << "V515L0100" << quaranta << 45
                                        << TAttese {{"V515L0100", (4 + 2) * 8.64}, {"V530X764", 100}, {"V530X767", 100}}
                                        << QStringList();
        QTest::newRow("spider senza tassello proprio: il tassello comune, mai il codice del pannello")
            << "V515L0200" << QList<float> {20, 20, 20, 20, 20, 20} << 45
            << TAttese {{"V530X774", 200}, {"V530X767", 100}} << QStringList();
        QTest::newRow("pannello senza confezione: l'area arrotondata")
            << "PAN00" << QList<float> {20.5f, 20} << 45 << TAttese {{"PAN00", 41}} << QStringList();
    }

    void materiali()
    {
        QFETCH(QString, isolante);
        QFETCH(QList<float>, aree);
        QFETCH(int, massetto);
        QFETCH(TAttese, attese);
        QFETCH(QStringList, assenti);

        generali(QStringLiteral("PEX162"), isolante);
        for (float a : aree)
            stato->RisultatiLocali.append(locale(a, 2, 50));
        stato->PavRad.ImpostaSpessMassetto(float(massetto));
        const auto righe = distinta();
        for (const auto& [codice, quantita] : attese) {
            const TRigaDistinta* r = riga(righe, codice);
            QVERIFY2(r, qPrintable(codice));
            QCOMPARE(r->Quantita, quantita);
        }
        for (const QString& codice : assenti)
            QVERIFY2(!riga(righe, codice), qPrintable(codice));
        // Il tassello fissatubo non ha un codice di clips che lo produca: non compare mai, e
        // le clips restano una riga sola.
        for (const auto& r : righe)
            QVERIFY(r.Descrizione != QLatin1String("TASSELLO FISSATUBO"));
        QCOMPARE(std::count_if(righe.begin(), righe.end(), [](const TRigaDistinta& r) { return r.Articolo == "V530"; }),
                 1);
        verificaID(righe);
    }

    void tasselloSpider_data()
    {
        QTest::addColumn<QString>("isolante");
        QTest::addColumn<QString>("codice");
        QTest::newRow("H 1") << "V515L0100"
                             << "V530X767";
        QTest::newRow("altro H, senza tassello proprio: il tassello comune") << "V515L0200"
                                                                             << "V530X767";
    }

    void tasselloSpider()
    {
        QFETCH(QString, isolante);
        QFETCH(QString, codice);
        progetto(isolante);
        const auto righe = distinta();
        const auto t
            = std::find_if(righe.begin(), righe.end(), [](const TRigaDistinta& r) { return r.Articolo == "V530M"; });
        QVERIFY(t != righe.end());
        QCOMPARE(t->Descrizione, QStringLiteral("TASSELLO PER PANNELLI SPIDER"));
        QCOMPARE(t->Cod_Esteso, codice);
        QCOMPARE(t->Unit_Mis, QStringLiteral("nr."));
        QCOMPARE(t->Quantita, 100.0); // 200 m di tubo, un tassello ogni 10 m, scatole da 100
        QVERIFY(t + 1 == righe.end());
    }

    void antialga()
    {
        // 2000 m di tubo 16x2: r = 6 mm, V = 0,226 m³ → 1,13 confezioni → 2.
        generali(QStringLiteral("PEX162"), QStringLiteral("V339EX779_30"));
        stato->RisultatiLocali = {locale(100, 20, 100)};
        QCOMPARE(riga(distinta(), QStringLiteral("J012X794"))->Quantita, 2.0);
    }

    void tuboDopoOttimizzazione()
    {
        progetto();
        rotolo(0, QStringLiteral("T16X120"), 120, 2, true);
        rotolo(1, QStringLiteral("T16X240"), 240, 0, true);
        rotolo(2, QStringLiteral("T16X600"), 600, 3, false);
        rotolo(3, QStringLiteral("T16X240"), 240, 1, true);

        stato->OttimizzazioneEseguita = true;
        auto righe = distinta();
        QCOMPARE(righe[0].Articolo, QStringLiteral("T16 (120 mt)"));
        QCOMPARE(righe[0].Cod_Esteso, QStringLiteral("T16X120"));
        QCOMPARE(righe[0].Quantita, 240.0);
        QCOMPARE(righe[0].Prezzo_Unit.toDouble(), 1.25);
        QCOMPARE(righe[1].Articolo, QStringLiteral("T16 (240 mt)"));
        QCOMPARE(righe[1].Quantita, 240.0);
        QCOMPARE(righe[1].Prezzo_Unit.toDouble(), 1.2);
        QCOMPARE(righe[1].Descrizione, QStringLiteral("TUBO PEX 16x2 CON BARRIERA"));
        QCOMPARE(righe[2].Cod_Esteso, QStringLiteral("V339EX779_30"));

        stato->OttimizzazioneEseguita = false;
        righe = distinta();
        QCOMPARE(righe[0].Cod_Esteso, QStringLiteral("[NB lung. effettiva]"));
        QCOMPARE(righe[0].Quantita, 200.0);
        QCOMPARE(righe[1].Cod_Esteso, QStringLiteral("V339EX779_30"));
    }

    void collettori_data()
    {
        QTest::addColumn<TCollettoriProva>("elenco");
        QTest::addColumn<TAttese>("attese");
        QTest::addColumn<QStringList>("mancanze");

        QTest::newRow("due collettori uguali") << TCollettoriProva {{"V220", 3}, {"V220", 3}}
                                               << TAttese {{"V220X03", 2}, {"CASS1", 2}, {"SUP1", 2},  {"ADT16", 12},
                                                           {"CRV16", 12},  {"VALV1", 4}, {"TERM1X", 2}}
                                               << QStringList();
        QTest::newRow("un circuito: articoli da 2 attacchi")
            << TCollettoriProva {{"V220", 1}} << TAttese {{"V220X02", 1}, {"V220T02", 2}, {"CASS1", 1}, {"SUP1", 1},
                                                          {"ADT16", 2},   {"CRV16", 2},   {"VALV1", 2}, {"TERM1X", 1}}
            << QStringList();
        QTest::newRow("misure diverse") << TCollettoriProva {{"V220", 3}, {"V220", 5}}
                                        << TAttese {{"V220X03", 1}, {"V220X05", 1}, {"CASS1", 1},
                                                    {"CASS2", 1},   {"SUP1", 2},    {"ADT16", 16},
                                                    {"CRV16", 16},  {"VALV1", 4},   {"TERM1X", 2}}
                                        << QStringList();
        QTest::newRow("V221: due adattatori in più")
            << TCollettoriProva {{"V221", 3}}
            << TAttese {{"V221X03", 1}, {"CASS1", 1}, {"SUP1", 1}, {"ADT16", 8}, {"CRV16", 6}} << QStringList();
        QTest::newRow("V221GB: accessorio già elencato a 1")
            << TCollettoriProva {{"V221GB01", 4}, {"V221GB01", 4}}
            << TAttese {{"V221GBX04", 2}, {"CASS2", 2}, {"SUP1", 2}, {"ADT16", 16}, {"CRV16", 16}, {"KIT1", 1}}
            << QStringList();
        // Il tipo senza articoli è detto una volta sola, anche con due collettori.
        QTest::newRow("tipo senza articoli")
            << TCollettoriProva {{"XX", 4}, {"XX", 4}, {"YY", 1}} << TAttese {{"ADT16", 18}, {"CRV16", 18}}
            << QStringList {"il collettore XX con 4 attacchi (tabella COLLETTORI)",
                            "il collettore YY con 2 attacchi (tabella COLLETTORI)"};
    }

    void collettori()
    {
        QFETCH(TCollettoriProva, elenco);
        QFETCH(TAttese, attese);
        QFETCH(QStringList, mancanze);
        progetto();
        collettori(elenco);
        const auto righe = righeCollettori();
        QCOMPARE(codiciEQuantita(righe), attese);
        QCOMPARE(dati->MancanzeDistinta, mancanze);
        for (const auto& r : righe) {
            QVERIFY(r.Unit_Mis == QLatin1String("nr"));
            QVERIFY2(!r.Prezzo_Unit.isNull(), qPrintable(r.Cod_Esteso));
        }
        const TRigaDistinta* adattatori = riga(righe, QStringLiteral("ADT16"));
        QCOMPARE(adattatori->Descrizione, QStringLiteral("ADATTATORI"));
        QCOMPARE(adattatori->Articolo, QStringLiteral("V4360"));
        const TRigaDistinta* curve = riga(righe, QStringLiteral("CRV16"));
        QCOMPARE(curve->Descrizione, QStringLiteral("CURVE GUIDA TUBO"));
        QCOMPARE(curve->Articolo, QStringLiteral("V265T"));
        verificaID(distinta());
    }

    // Gli ID lasciano un vuoto dopo ogni collettore nei passi dei corpi, delle cassette e degli
    // accessori e dopo adattatori e curve, anche se il passo non inserisce nulla; i supporti no.
    void idConLacune()
    {
        progetto();
        collettori({{"V220", 3}, {"XX", 4}});
        regolazione({{"term", "TERM1"}, {"qterm", 2}});
        stato->CollettoriConfermati = true;
        const auto righe = distinta();
        QList<QPair<QString, int>> id;
        for (const auto& r : righe.mid(8))
            id.append({r.Cod_Esteso, r.ID});
        const QList<QPair<QString, int>> attesi = {{"V220X03", 8}, {"CASS1", 11}, {"SUP1", 14},   {"ADT16", 15},
                                                   {"CRV16", 17},  {"VALV1", 19}, {"TERM1X", 20}, {"TERM1", 23}};
        QCOMPARE(id, attesi);
    }

    void regolazione_data()
    {
        QTest::addColumn<QVariantMap>("valori");
        QTest::addColumn<TAttese>("attese");

        const QVariantMap completa
            = {{"term", "TERM1"},  {"qterm", 3}, {"attuatore", "ATT1"}, {"qattuat", 6}, {"collcald", "CC1"},
               {"attmix", "MIX1"}, {"qcald", 1}, {"regol", "REG1"},     {"qreg", 1}};
        QTest::newRow("completa") << completa << TAttese {{"TERM1", 3},  {"ATT1", 6},  {"CC1", 1},   {"MIX1", 1},
                                                          {"TRASF1", 1}, {"CENT1", 1}, {"SONDA1", 1}};
        QVariantMap m = completa;
        m["term"] = "TERM0";
        QTest::newRow("termostato senza prezzo: niente riga")
            << m << TAttese {{"ATT1", 6}, {"CC1", 1}, {"MIX1", 1}, {"TRASF1", 1}, {"CENT1", 1}, {"SONDA1", 1}};
        m = completa;
        m["attmix"] = "-";
        QTest::newRow("nessun motore: una riga anche per lui")
            << m << TAttese {{"TERM1", 3}, {"ATT1", 6}, {"CC1", 1}, {"-", 1}, {"CENT1", 1}, {"SONDA1", 1}};
        m = completa;
        m["qterm"] = 0;
        m["qcald"] = 0;
        m["qreg"] = 0;
        QTest::newRow("quantità a zero") << m << TAttese {{"ATT1", 6}};
        m = completa;
        m["attuatore"] = "ATTX";
        m["collcald"] = "";
        m["attmix"] = "";
        m["regol"] = "";
        QTest::newRow("codice che il catalogo non ha") << m << TAttese {{"TERM1", 3}, {"ATTX", 6}};
        m = completa;
        m["regol"] = "REGX";
        QTest::newRow("regolatore senza componenti")
            << m << TAttese {{"TERM1", 3}, {"ATT1", 6}, {"CC1", 1}, {"MIX1", 1}, {"TRASF1", 1}};
    }

    void regolazione()
    {
        QFETCH(QVariantMap, valori);
        QFETCH(TAttese, attese);
        progetto();
        regolazione(valori);
        const auto righe = righeCollettori();
        QCOMPARE(codiciEQuantita(righe), attese);
        // Un codice scelto che il catalogo non ha più, o un regolatore senza componenti, è detto.
        QStringList mancanze;
        if (valori["attuatore"] == "ATTX")
            mancanze << "l'articolo ATTX (tabella REGAMB)";
        if (valori["regol"] == "REGX")
            mancanze << "i componenti del regolatore REGX (tabella REGELETTRO)";
        QCOMPARE(dati->MancanzeDistinta, mancanze);
        if (const TRigaDistinta* t = riga(righe, QStringLiteral("TRASF1"))) {
            QCOMPARE(t->Descrizione, QStringLiteral("TRASFORMATORE 230/24 V"));
            QCOMPARE(t->Articolo, QStringLiteral("TR24"));
            QCOMPARE(t->Unit_Mis, QStringLiteral("nr."));
            QCOMPARE(t->Prezzo_Unit.toDouble(), 22.0);
        }
        if (const TRigaDistinta* t = riga(righe, QStringLiteral("TERM1"))) {
            QCOMPARE(t->Descrizione, QStringLiteral("TERMOSTATO AMBIENTE"));
            QCOMPARE(t->Articolo, QStringLiteral("TA1"));
            QCOMPARE(t->Prezzo_Unit.toDouble(), 45.0);
        }
        if (const TRigaDistinta* t = riga(righe, QStringLiteral("ATTX"))) {
            QCOMPARE(t->Descrizione, QStringLiteral("ATTX"));
            QVERIFY(t->Prezzo_Unit.isNull());
        }
    }

    void senzaConferma()
    {
        progetto();
        collettori({{"V220", 3}});
        regolazione({{"term", "TERM1"}, {"qterm", 2}});
        stato->CollettoriConfermati = false;
        const auto righe = distinta();
        QCOMPARE(righe.size(), 8);
        QVERIFY(!riga(righe, QStringLiteral("V220X03")));
        QVERIFY(!riga(righe, QStringLiteral("TERM1")));
        QVERIFY(!riga(righe, QStringLiteral("ADT16")));
    }

    void articoliMancanti()
    {
        generali(QStringLiteral("PEX999"), QStringLiteral("NESSUNO"));
        stato->RisultatiLocali = {locale(20.5f, 2, 50)};
        stato->CollettoriConfermati = true;
        collettori({{"V220", 2}});
        const auto righe = distinta();
        QCOMPARE(dati->MancanzeDistinta,
                 QStringList({"il tubo PEX999 (tabella TUBO)", "il pannello NESSUNO (tabella ISOLANTE)"}));
        QCOMPARE(righe[0].Descrizione, QStringLiteral("PEX999"));
        QCOMPARE(righe[0].Quantita, 100.0);
        QVERIFY(righe[0].Prezzo_Unit.isNull());
        QCOMPARE(righe[1].Descrizione, QStringLiteral("NESSUNO"));
        QCOMPARE(righe[1].Quantita, 21.0);
        QVERIFY(righe[1].Prezzo_Unit.isNull());
        // Le righe di adattatori e curve restano, senza codice né prezzo.
        const auto adattatori = std::find_if(righe.begin(), righe.end(),
                                             [](const TRigaDistinta& r) { return r.Descrizione == "ADATTATORI"; });
        QVERIFY(adattatori != righe.end());
        QCOMPARE(adattatori->Quantita, 4.0);
        QVERIFY(adattatori->Prezzo_Unit.isNull());
    }

    void capitolato()
    {
        progetto();
        collettori({{"V220", 1}});
        regolazione({{"term", "TERM1"}, {"qterm", 2}, {"attmix", "MIX1"}, {"qcald", 1}});
        stato->CollettoriConfermati = true;
        const auto righe = distinta(TTipoDistinta::Capitolato);
        QStringList ordine;
        for (qsizetype i = 0; i < 8; ++i)
            ordine << righe[i].Cod_Esteso;
        QCOMPARE(ordine,
                 (QStringList {"[NB lung. effettiva]", "V339EX779_30", "J050X774", "J035UX774", "J085EX794", "J018X774",
                               "J012X794", "V530X770"}));
        const auto verifica = [&](const QString& codice, const QString& testo, const QString& immagine) {
            const TRigaDistinta* r = riga(righe, codice);
            QVERIFY2(r, qPrintable(codice));
            QCOMPARE(r->Capitolato, testo);
            QCOMPARE(r->Immagine, immagine);
        };
        verifica("[NB lung. effettiva]", "Tubo in polietilene reticolato 16x2 con barriera all'ossigeno.", "tubo.png");
        verifica("V339EX779_30", "Pannello isolante bugnato per pavimento civile.", "pannello.png");
        verifica("J050X774", "Rete elettrosaldata 50x50 mm.", "rete.png");
        verifica("J035UX774", "Binario fissatubo civile.", "");
        // Senza testo di capitolato la riga porta la propria descrizione.
        verifica("V530X770", "CLIPS FISSATUBO", "");
        verifica("V220X02", "Collettore in ottone a 2 attacchi.", "collettore.png");
        verifica("V220T02", "TAPPI V220", "");
        verifica("CASS1", "Cassetta da incasso 600 mm.", "");
        verifica("ADT16", "Adattatore per tubo 16x2.", "adattatore.png");
        verifica("TERM1", "Termostato ambiente elettronico.", "termostato.png");
        verifica("TRASF1", "Trasformatore di sicurezza 230/24 V.", "trasformatore.png");
        // I prezzi ci sono anche nel capitolato: li stampa solo la versione con prezzi.
        QCOMPARE(riga(righe, "V220X02")->Prezzo_Unit.toDouble(), 50.0);
    }

    void binarioCivile_data()
    {
        QTest::addColumn<QString>("isolante");
        QTest::addColumn<bool>("binario");
        QTest::newRow("V339EX779_") << "V339EX779_30" << true;
        QTest::newRow("V339EX279_") << "V339EX279_30" << false;
    }

    // Preventivo e capitolato elencano il binario civile per gli stessi pannelli.
    void binarioCivile()
    {
        QFETCH(QString, isolante);
        QFETCH(bool, binario);
        progetto(isolante);
        QCOMPARE(riga(distinta(TTipoDistinta::Preventivo), "J035UX774") != nullptr, binario);
        QCOMPARE(riga(distinta(TTipoDistinta::Capitolato), "J035UX774") != nullptr, binario);
    }

    // Sul catalogo dell'installazione: ogni tabella e colonna che la distinta legge c'è, e ogni
    // articolo elencato ha descrizione e prezzo.
    void catalogoInstallato()
    {
        if (catalogoVero.isEmpty())
            QSKIP("catalogo dell'installazione non indicato (TVLITA)");
        apriCatalogoVero();
        if (QTest::currentTestFailed())
            return;

        const auto primo = [&](const char* sql) {
            TQuery q(dati->Database());
            return q.Open(QString::fromLatin1(sql)) && !q.IsEmpty() ? q.Campo(0).AsString() : QString();
        };
        const QString tubo = primo("SELECT RIF FROM TUBO ORDER BY rowid");
        const QString isolante = primo("SELECT CODICE FROM ISOLANTE ORDER BY rowid");
        const QString tipo = primo("SELECT RIF FROM COLLETTORI WHERE ATTACCHI = 4 ORDER BY rowid");
        const QString termostato = primo("SELECT CODICE FROM TERMAMB ORDER BY rowid");
        const QString regolatore = primo("SELECT RIFREG FROM REGELETTRO ORDER BY rowid");
        if (tubo.isEmpty() || isolante.isEmpty() || tipo.isEmpty() || termostato.isEmpty() || regolatore.isEmpty())
            QSKIP("il catalogo dell'installazione non ha ancora gli articoli dei documenti");
        generali(tubo, isolante);
        stato->RisultatiLocali = {locale(20, 2, 50), locale(20, 2, 50)};
        stato->PavRad.ImpostaSpessMassetto(45);
        collettori({{tipo, 4}});
        regolazione({{"term", termostato}, {"qterm", 2}, {"regol", regolatore}, {"qreg", 1}});
        stato->CollettoriConfermati = true;
        for (TTipoDistinta t : {TTipoDistinta::Preventivo, TTipoDistinta::Capitolato}) {
            const auto righe = distinta(t);
            QVERIFY(righe.size() > 12);
            for (const auto& r : righe) {
                QVERIFY2(!r.Descrizione.trimmed().isEmpty() && r.Descrizione != r.Cod_Esteso, qPrintable(r.Cod_Esteso));
                QVERIFY2(!r.Prezzo_Unit.isNull(), qPrintable(r.Cod_Esteso));
                if (t == TTipoDistinta::Capitolato)
                    QVERIFY2(!r.Capitolato.trimmed().isEmpty(), qPrintable(r.Cod_Esteso));
            }
            QVERIFY(riga(righe, termostato));
        }
    }

    // Sul catalogo dell'installazione: ogni pannello spider porta il proprio tassello, con il
    // prezzo del tassello (non quello del pannello, come quando la riga prendeva il codice del
    // pannello), nel preventivo e nel capitolato.
    void tasselliSpiderInstallati()
    {
        if (catalogoVero.isEmpty())
            QSKIP("catalogo dell'installazione non indicato (TVLITA)");
        apriCatalogoVero();
        if (QTest::currentTestFailed())
            return;
        const QStringList pannelli = colonnaVera("SELECT CODICE FROM ISOLANTE WHERE CODICE LIKE 'V515L%'");
        QVERIFY(pannelli.size() >= 2);
        const QString tubo = colonnaVera("SELECT RIF FROM TUBO ORDER BY rowid").value(0);
        for (const QString& pannello : pannelli) {
            generali(tubo, pannello);
            stato->RisultatiLocali = {locale(20, 2, 50), locale(20, 2, 50)};
            for (TTipoDistinta t : {TTipoDistinta::Preventivo, TTipoDistinta::Capitolato}) {
                const auto righe = distinta(t);
                const auto d = std::find_if(righe.begin(), righe.end(),
                                            [](const TRigaDistinta& r) { return r.Articolo == "V530M"; });
                QVERIFY2(d != righe.end(), qPrintable(pannello));
                const TRigaDistinta* p = riga(righe, pannello);
                QVERIFY(p);
                QVERIFY2(d->Cod_Esteso != pannello, qPrintable(pannello));
                QVERIFY2(dati->Cerca(QStringLiteral("CATALOGO"), QStringLiteral("CODICE"), d->Cod_Esteso),
                         qPrintable(d->Cod_Esteso));
                QCOMPARE(dati->Query1->FieldByName(QStringLiteral("MISURA")).AsString(), QStringLiteral("V530M"));
                QCOMPARE(d->Prezzo_Unit.toDouble(),
                         double(dati->Query1->FieldByName(QStringLiteral("EURO")).AsFloat()));
                QVERIFY2(d->Prezzo_Unit.toDouble() > 0 && d->Prezzo_Unit.toDouble() < 1, qPrintable(pannello));
                QCOMPARE(d->Quantita, 100.0); // 200 m di tubo, un tassello ogni 10 m, scatole da 100
                // Cento tasselli costano meno dei pannelli che fissano.
                QVERIFY(d->Quantita * d->Prezzo_Unit.toDouble() < p->Quantita * p->Prezzo_Unit.toDouble());
                if (t == TTipoDistinta::Capitolato)
                    QVERIFY(d->Capitolato.contains(QLatin1String("ancoraggio")));
            }
        }
        // I due pannelli spider hanno tasselli diversi.
        QCOMPARE(colonnaVera("SELECT DISTINCT TASSELLO FROM ISOLANTE WHERE CODICE LIKE 'V515L%'").size(),
                 pannelli.size());
    }

    // Sul catalogo dell'installazione: "nessun motore" è un articolo, con la sua riga a prezzo zero
    // nel preventivo e il suo testo nel capitolato.
    void nessunMotoreInstallato()
    {
        if (catalogoVero.isEmpty())
            QSKIP("catalogo dell'installazione non indicato (TVLITA)");
        apriCatalogoVero();
        if (QTest::currentTestFailed())
            return;
        const QString tubo = colonnaVera("SELECT RIF FROM TUBO ORDER BY rowid").value(0);
        const QString isolante = colonnaVera("SELECT CODICE FROM ISOLANTE ORDER BY rowid").value(0);
        const QString caldaia = colonnaVera("SELECT CODICE FROM COLLCALDAIA ORDER BY rowid").value(0);
        generali(tubo, isolante);
        stato->RisultatiLocali = {locale(20, 2, 50), locale(20, 2, 50)};
        regolazione(
            {{"term", ""}, {"attuatore", ""}, {"collcald", caldaia}, {"attmix", "-"}, {"qcald", 2}, {"regol", ""}});
        stato->CollettoriConfermati = true;
        const auto preventivo = distinta(TTipoDistinta::Preventivo);
        const TRigaDistinta* m = riga(preventivo, QStringLiteral("-"));
        QVERIFY(m);
        QCOMPARE(m->Descrizione, QStringLiteral("NESSUN MOTORE PER VALVOLA MISCELATRICE"));
        QCOMPARE(m->Articolo, QStringLiteral("-"));
        QCOMPARE(m->Unit_Mis, QStringLiteral("nr"));
        QCOMPARE(m->Quantita, 2.0);
        QCOMPARE(m->Prezzo_Unit, QVariant(0.0));
        // Subito dopo il collettore di caldaia, e senza trasformatore.
        const qsizetype i = m - preventivo.constData();
        QVERIFY(i > 0 && preventivo[i - 1].Cod_Esteso == caldaia);
        QCOMPARE(i, preventivo.size() - 1);
        const auto capitolato = distinta(TTipoDistinta::Capitolato);
        const TRigaDistinta* c = riga(capitolato, QStringLiteral("-"));
        QVERIFY(c);
        QVERIFY2(c->Capitolato.size() >= 40, qPrintable(c->Capitolato));
        QVERIFY(!c->Immagine.isEmpty());
    }

    // Ogni costruzione riparte da una tabella vuota.
    void ricostruzione()
    {
        progetto();
        collettori({{"V220", 3}});
        stato->CollettoriConfermati = true;
        const auto prima = distinta();
        const auto dopo = distinta();
        QCOMPARE(codiciEQuantita(dopo), codiciEQuantita(prima));
        QCOMPARE(dopo.first().ID, 0);
    }
};

QTEST_GUILESS_MAIN(TstDistinta)
#include "tst_distinta.moc"
