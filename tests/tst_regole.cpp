// Regole dei locali e dei dati generali, guidate dall'interfaccia dei dataset come farebbe la
// griglia dei locali, con i messaggi registrati e confrontati testo per testo.
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"

#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {
const QString AreaFuori
    = QStringLiteral("Il valore dell'area ambienti è fuori range.\n\nSono accettati valori nel range 1-5000 [mq].");
const QString TAmbFuori
    = QStringLiteral("Il valore della T ambiente è fuori range.\n\nSono accettati valori nel range 1-30 [°C].");
const QString CaricoFuori
    = QStringLiteral("Il valore del Carico Termico è fuori range.\n\nSono accettati valori nel range 1-600 [kW].");
const QString SpessFuori = QStringLiteral(
    "Il valore dello Spessore Rivestimento è fuori range.\n\nSono accettati valori nel range 1-100 [mm].");
const QString DistFuori = QStringLiteral(
    "Il valore della Distanza dal Collettore è fuori range.\n\nSono accettati valori nel range 0-100 [m].");
const QString UtileNo = QStringLiteral("L'Area utile deve avere un valore maggiore o uguale a 1 [mq].\n\nInoltre non "
                                       "deve essere superiore all'Area Totale.");
const QString MargNo = QStringLiteral("L'Area Marginale deve avere un valore maggiore o uguale a 0 [mq].\n\nDeve "
                                      "inoltre essere minore o uguale all'Area Utile.");
const QString NumeroNo = QStringLiteral(
    "Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.");

// Conducibilità dei dati generali: diversa da quella di qualunque rivestimento reale, così si
// vede da dove arriva il valore del nuovo locale.
constexpr double LambdaGenerale = 7.77;
} // namespace

class TstRegole : public QObject
{
    Q_OBJECT

private:
    TRegistroMessaggi m_reg;
    std::unique_ptr<TDati> m_dati;
    bool m_pagina = false;
    QString m_riv; // descrizione del primo rivestimento del catalogo
    double m_lambdaRiv = 0;

    TTabella& loc() { return *m_dati->AuxLocali; }
    TCampo campo(const char* n) { return loc().FieldByName(QLatin1String(n)); }

    // Locale completo in inserimento (pagina "Locali" nascosta: nessuna regola delle aree).
    void riempiLocale(int id)
    {
        const bool pagina = m_pagina;
        m_pagina = false;
        loc().Append();
        QVERIFY(campo("ID").Imposta(id));
        QVERIFY(campo("Descrizione").Imposta(QStringLiteral("Soggiorno")));
        QVERIFY(campo("Piano").Imposta(QStringLiteral("PT")));
        QVERIFY(campo("Area").Imposta(100.0));
        QVERIFY(campo("AreaUtile").Imposta(90.0));
        QVERIFY(campo("AreaMarginale").Imposta(10.0));
        QVERIFY(campo("CTermico").Imposta(1500.0));
        QVERIFY(campo("DistColl").Imposta(5));
        m_pagina = pagina;
    }

    QVariant salvato(int id, const QString& nome)
    {
        QSqlQuery q(m_dati->Database());
        q.prepare(QStringLiteral("SELECT \"%1\" FROM AuxLocali WHERE ID=?").arg(nome));
        q.addBindValue(id);
        return q.exec() && q.next() ? q.value(0) : QVariant();
    }

    int righeSalvate()
    {
        QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM AuxLocali"), m_dati->Database());
        return q.next() ? q.value(0).toInt() : -1;
    }

private Q_SLOTS:
    void init()
    {
        m_pagina = false;
        m_dati = std::make_unique<TDati>();
        m_dati->PaginaLocaliVisibile = [this] { return m_pagina; };
        QVERIFY2(m_dati->ApriTutto(), qPrintable(m_dati->UltimoErrore()));
        TTabella& riv = *m_dati->RivestimentoF;
        riv.First();
        QVERIFY(!riv.IsEmpty());
        m_riv = riv.FieldByName(QStringLiteral("DESCRIZIONE")).AsString();
        m_lambdaRiv = riv.FieldByName(QStringLiteral("LAMBDA")).AsFloat();
        QVERIFY(m_lambdaRiv != LambdaGenerale);

        TTabella& dg = *m_dati->AuxDGenerali;
        dg.First();
        dg.Edit();
        const QList<QPair<const char*, QVariant>> valori
            = {{"SPESS_MASS", 50},
               {"SPESS_SOL", 20},
               {"TIPO_RIV", m_riv},
               {"LAMBDA_RIV", LambdaGenerale},
               {"SPESS_RIV", 12},
               {"TEMPVS", 15},
               {"LUNGMAX", 100},
               {"DELTAT_MAX", 8},
               {"COD_RIV", riv.FieldByName(QStringLiteral("CODICE")).AsString()}};
        for (const auto& [nome, v] : valori)
            QVERIFY(dg.FieldByName(QLatin1String(nome)).Imposta(v));
        QVERIFY(dg.Post());
        m_dati->DGeneraliModificati = m_dati->LocaliModificati = false;
    }

    void cleanup()
    {
        m_dati.reset();
        m_reg.Controlla();
    }

    // Il nuovo locale prende rivestimento, conducibilità e spessore dai dati generali anche se
    // la lista dei rivestimenti è altrove, e il rivestimento sconosciuto al catalogo pure.
    void nuovoLocale_data()
    {
        QTest::addColumn<bool>("rivestimentoInCatalogo");
        QTest::newRow("rivestimento del catalogo") << true;
        QTest::newRow("rivestimento sconosciuto") << false;
    }
    void nuovoLocale()
    {
        QFETCH(bool, rivestimentoInCatalogo);
        const QString riv = rivestimentoInCatalogo ? m_riv : QStringLiteral("Linoleum fuori catalogo");
        TTabella& dg = *m_dati->AuxDGenerali;
        QVERIFY(dg.FieldByName(QStringLiteral("TIPO_RIV")).Imposta(riv));
        QVERIFY(dg.Post());
        m_dati->RivestimentoF->Last();
        m_pagina = true;

        loc().Append();
        QCOMPARE(loc().State(), TStato::Inserimento);
        QCOMPARE(campo("Rivestimento").AsString(), riv);
        QCOMPARE(campo("TipoRiv").AsString(), rivestimentoInCatalogo ? riv : QString());
        QCOMPARE(campo("Lambda_Riv").AsFloat(), LambdaGenerale);
        QCOMPARE(campo("Spessore").AsInteger(), 12);
        QCOMPARE(campo("TAmbiente").AsInteger(), 20);
        for (const char* n :
             {"ID", "Descrizione", "Piano", "Area", "AreaUtile", "AreaMarginale", "CTermico", "DistColl"})
            QVERIFY2(campo(n).IsNull(), n);
        QCOMPARE(m_reg.Quanti(), 0);
    }

    // Lo spessore dei dati generali non ha limiti; nel locale è rifiutato come se fosse scritto.
    void nuovoLocale_spessoreGeneraleFuoriRange()
    {
        QVERIFY(m_dati->AuxDGenerali->FieldByName(QStringLiteral("SPESS_RIV")).Imposta(0));
        QVERIFY(m_dati->AuxDGenerali->Post());
        QCOMPARE(m_reg.Quanti(), 0);
        loc().Append();
        VERIFICA_MESSAGGIO(m_reg, SpessFuori, TIcona::Stop);
        QVERIFY(campo("Spessore").IsNull());
    }

    // La conducibilità segue il rivestimento da qualunque parte arrivi; uno sconosciuto la lascia.
    void rivestimento_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("lista di scelta") << "TipoRiv";
        QTest::newRow("campo memorizzato") << "Rivestimento";
    }
    void rivestimento()
    {
        QFETCH(QString, via);
        riempiLocale(1);
        QVERIFY(campo("Rivestimento").Imposta(QStringLiteral("Moquette fuori catalogo")));
        QCOMPARE(campo("Lambda_Riv").AsFloat(), LambdaGenerale);
        QVERIFY(campo("TipoRiv").IsNull());

        TTabella& riv = *m_dati->RivestimentoF;
        riv.Last();
        const QString scelto = riv.FieldByName(QStringLiteral("DESCRIZIONE")).AsString();
        const double lambda = riv.FieldByName(QStringLiteral("LAMBDA")).AsFloat();
        riv.First();
        QVERIFY(loc().FieldByName(via).Imposta(scelto));
        QCOMPARE(campo("Rivestimento").AsString(), scelto);
        QCOMPARE(campo("Lambda_Riv").AsFloat(), lambda);
        QVERIFY(loc().Post());
        QCOMPARE(salvato(1, QStringLiteral("Lambda_Riv")).toDouble(), lambda);
        QCOMPARE(m_reg.Quanti(), 0);
    }

    // Un valore fuori intervallo è rifiutato col suo messaggio e non arriva mai al database.
    void vincoli_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QString>("messaggio"); // vuoto: accettato
        auto riga = [](const char* nome, const QVariant& v, const QString& m) {
            QTest::addRow("%s %s", nome, qPrintable(v.toString())) << QString::fromLatin1(nome) << v << m;
        };
        riga("Area", 0.99, AreaFuori);
        riga("Area", 1.0, {});
        riga("Area", 5000.0, {});
        riga("Area", 5000.01, AreaFuori);
        riga("TAmbiente", 0, TAmbFuori);
        riga("TAmbiente", 30, {});
        riga("TAmbiente", 31, TAmbFuori);
        riga("CTermico", 0.5, CaricoFuori);
        riga("CTermico", 600000.0, {});
        riga("CTermico", 600001.0, CaricoFuori);
        riga("Spessore", 0, SpessFuori);
        riga("Spessore", 1, {});
        riga("Spessore", 100, {});
        riga("Spessore", 101, SpessFuori);
        riga("DistColl", -1, DistFuori);
        riga("DistColl", 0, {});
        riga("DistColl", 100, {});
        riga("DistColl", 101, DistFuori);
    }
    void vincoli()
    {
        QFETCH(QString, nome);
        QFETCH(QVariant, valore);
        QFETCH(QString, messaggio);
        riempiLocale(1);
        const double prima = loc().FieldByName(nome).AsFloat();
        QCOMPARE(loc().FieldByName(nome).Imposta(valore), messaggio.isEmpty());
        if (!messaggio.isEmpty())
            VERIFICA_MESSAGGIO(m_reg, messaggio, TIcona::Stop);
        QCOMPARE(loc().State(), TStato::Inserimento);
        const double atteso = messaggio.isEmpty() ? valore.toDouble() : prima;
        QCOMPARE(loc().FieldByName(nome).AsFloat(), atteso);
        QVERIFY(loc().Post());
        QCOMPARE(salvato(1, nome).toDouble(), atteso);
    }

    // Una riga arrivata senza assegnazioni (scritta in SQL) è ricontrollata quando si registra.
    void vincoliAllaRegistrazione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("DistColl") << "DistColl" << QVariant(150) << DistFuori;
        QTest::newRow("Spessore") << "Spessore" << QVariant(0) << SpessFuori;
    }
    void vincoliAllaRegistrazione()
    {
        QFETCH(QString, nome);
        QFETCH(QVariant, valore);
        QFETCH(QString, messaggio);
        riempiLocale(1);
        QVERIFY(loc().Post());
        QSqlQuery q(m_dati->Database());
        q.prepare(QStringLiteral("UPDATE AuxLocali SET \"%1\"=?").arg(nome));
        q.addBindValue(valore);
        QVERIFY(q.exec());
        loc().Refresh();
        loc().First();
        m_dati->LocaliModificati = false;
        QVERIFY(campo("Descrizione").Imposta(QStringLiteral("Bagno")));
        QVERIFY(!loc().Post());
        VERIFICA_MESSAGGIO(m_reg, messaggio, TIcona::Stop);
        QCOMPARE(loc().State(), TStato::Modifica);
        QCOMPARE(salvato(1, QStringLiteral("Descrizione")).toString(), QStringLiteral("Soggiorno"));
        QVERIFY(!m_dati->LocaliModificati);
        loc().Cancel();
    }

    // Regole delle aree su un locale con area 100, utile 90, marginale 10.
    void aree_data()
    {
        QTest::addColumn<bool>("pagina");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("utile");
        QTest::addColumn<double>("marginale");
        const QString ok;
        QTest::newRow("area: utile uguale, marginale 0") << true << "Area" << 80.0 << ok << 80.0 << 80.0 << 0.0;
        QTest::newRow("area fuori range: niente cambia")
            << true << "Area" << 6000.0 << AreaFuori << 100.0 << 90.0 << 10.0;
        QTest::newRow("utile uguale all'area") << true << "AreaUtile" << 100.0 << ok << 100.0 << 100.0 << 0.0;
        QTest::newRow("utile 1") << true << "AreaUtile" << 1.0 << ok << 100.0 << 1.0 << 0.0;
        QTest::newRow("utile oltre l'area") << true << "AreaUtile" << 100.5 << UtileNo << 100.0 << 90.0 << 0.0;
        QTest::newRow("utile sotto 1") << true << "AreaUtile" << 0.99 << UtileNo << 100.0 << 90.0 << 0.0;
        QTest::newRow("marginale uguale all'utile") << true << "AreaMarginale" << 90.0 << ok << 100.0 << 90.0 << 90.0;
        QTest::newRow("marginale 0") << true << "AreaMarginale" << 0.0 << ok << 100.0 << 90.0 << 0.0;
        QTest::newRow("marginale oltre l'utile") << true << "AreaMarginale" << 90.01 << MargNo << 100.0 << 90.0 << 10.0;
        QTest::newRow("marginale negativa") << true << "AreaMarginale" << -0.01 << MargNo << 100.0 << 90.0 << 10.0;
        QTest::newRow("nascosta: area") << false << "Area" << 80.0 << ok << 80.0 << 90.0 << 10.0;
        QTest::newRow("nascosta: utile oltre l'area") << false << "AreaUtile" << 120.0 << ok << 100.0 << 120.0 << 10.0;
        QTest::newRow("nascosta: marginale oltre l'utile")
            << false << "AreaMarginale" << 95.0 << ok << 100.0 << 90.0 << 95.0;
        QTest::newRow("nascosta: area fuori range") << false << "Area" << 6000.0 << AreaFuori << 100.0 << 90.0 << 10.0;
    }
    void aree()
    {
        QFETCH(bool, pagina);
        QFETCH(QString, nome);
        QFETCH(double, valore);
        QFETCH(QString, messaggio);
        riempiLocale(1);
        m_pagina = pagina;
        QCOMPARE(loc().FieldByName(nome).Imposta(valore), messaggio.isEmpty());
        if (!messaggio.isEmpty())
            VERIFICA_MESSAGGIO(m_reg, messaggio, TIcona::Stop);
        QCOMPARE(loc().State(), TStato::Inserimento);
        QTEST(campo("Area").AsFloat(), "area");
        QTEST(campo("AreaUtile").AsFloat(), "utile");
        QTEST(campo("AreaMarginale").AsFloat(), "marginale");
    }

    // Il percorso dell'utente nella griglia: area, marginale, utile rifiutata e poi accettata.
    void areaPoiUtile()
    {
        riempiLocale(1);
        m_pagina = true;
        QVERIFY(campo("Area").Imposta(80.0));
        QCOMPARE(campo("AreaUtile").AsFloat(), 80.0);
        QCOMPARE(campo("AreaMarginale").AsFloat(), 0.0);
        QVERIFY(campo("AreaMarginale").Imposta(5.0));
        QVERIFY(!campo("AreaUtile").Imposta(80.5));
        VERIFICA_MESSAGGIO(m_reg, UtileNo, TIcona::Stop);
        QCOMPARE(campo("AreaMarginale").AsFloat(), 0.0);
        QVERIFY(campo("AreaUtile").Imposta(80.0));
        QVERIFY(loc().Post());
        QCOMPARE(salvato(1, QStringLiteral("AreaUtile")).toDouble(), 80.0);
        QCOMPARE(salvato(1, QStringLiteral("AreaMarginale")).toDouble(), 0.0);
    }

    // Si svuota il campo indicato e tutti quelli dopo: solo il primo viene segnalato.
    void obbligatori_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("messaggio");
        const QStringList m = {
            QStringLiteral("Non è stato inserito un valore per il campo Descrizione."),
            QStringLiteral("Non è stato inserito un valore per il campo Piano."),
            QStringLiteral("Non è stato inserito un valore per il campo TAmbiente."),
            QStringLiteral("Non è stato inserito un valore per il campo Area."),
            QStringLiteral("Non è stato inserito un valore per il campo Area Utile."),
            QStringLiteral("Non è stato inserito un valore per il campo Carico Termico"),
            QStringLiteral("Non è stato inserito un valore per il campo Tipo di Rivestimento"),
            QStringLiteral("Non è stato inserito un valore per il campo Spessore del Rivestimento"),
            QStringLiteral("Non è stato inserito un valore per il campo Distanza dal Collettore"),
        };
        for (int i = 0; i < m.size(); ++i)
            QTest::addRow("%s", qPrintable(campiObbligatori()[i])) << i << m[i];
    }
    void obbligatori()
    {
        QFETCH(int, primo);
        QFETCH(QString, messaggio);
        riempiLocale(1);
        QVERIFY(campo("AreaMarginale").Clear()); // non è obbligatoria
        for (int i = primo; i < campiObbligatori().size(); ++i)
            QVERIFY(loc().FieldByName(campiObbligatori()[i]).Clear());
        QVERIFY(!loc().Post());
        VERIFICA_MESSAGGIO(m_reg, messaggio, TIcona::Stop);
        QCOMPARE(m_reg.Quanti(), 0);
        QCOMPARE(loc().State(), TStato::Inserimento);
        QCOMPARE(righeSalvate(), 0);
        QVERIFY(!m_dati->LocaliModificati);
    }

    // Numero di locale già presente o mancante: un messaggio, il record resta da correggere.
    void numeroLocale_data()
    {
        QTest::addColumn<bool>("modifica");
        QTest::addColumn<QVariant>("numero");
        QTest::newRow("nuovo, numero già presente") << false << QVariant(1);
        QTest::newRow("nuovo, senza numero") << false << QVariant();
        QTest::newRow("esistente, numero di un altro") << true << QVariant(1);
        QTest::newRow("esistente, numero cancellato") << true << QVariant();
    }
    void numeroLocale()
    {
        QFETCH(bool, modifica);
        QFETCH(QVariant, numero);
        riempiLocale(1);
        QVERIFY(loc().Post());
        riempiLocale(2);
        if (modifica) {
            QVERIFY(loc().Post());
            QVERIFY(loc().Locate(QStringLiteral("ID"), 2));
        }
        m_dati->LocaliModificati = false;
        campo("ID").Imposta(numero);
        QVERIFY(!loc().Post());
        VERIFICA_MESSAGGIO(m_reg, NumeroNo, TIcona::Stop);
        QCOMPARE(m_reg.Quanti(), 0);
        QCOMPARE(loc().State(), modifica ? TStato::Modifica : TStato::Inserimento);
        QCOMPARE(righeSalvate(), modifica ? 2 : 1);
        QVERIFY(!m_dati->LocaliModificati);

        QVERIFY(campo("ID").Imposta(3));
        QVERIFY(loc().Post());
        QVERIFY(m_dati->LocaliModificati);
        QCOMPARE(salvato(3, QStringLiteral("Descrizione")).toString(), QStringLiteral("Soggiorno"));
        QCOMPARE(righeSalvate(), 2);
    }

    // LocaliModificati sale con ogni registrazione e cancellazione di un locale.
    void localiModificati()
    {
        riempiLocale(1);
        QVERIFY(!m_dati->LocaliModificati);
        QVERIFY(loc().Post());
        QVERIFY(m_dati->LocaliModificati);
        m_dati->LocaliModificati = false;
        QVERIFY(campo("CTermico").Imposta(1800.0));
        QVERIFY(loc().Post());
        QVERIFY(m_dati->LocaliModificati);
        m_dati->LocaliModificati = false;
        QVERIFY(loc().Delete());
        QVERIFY(m_dati->LocaliModificati);
        QCOMPARE(righeSalvate(), 0);
        QVERIFY(!m_dati->DGeneraliModificati);
    }

    void datiGenerali_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("messaggio");
        const QStringList m = {
            QStringLiteral("Non è stato inserito un valore per lo spessore del massetto."),
            QStringLiteral("Non è stato inserito un valore per lo spessore della soletta."),
            QStringLiteral("Non è stato inserito un valore per lo spessore del rivestimento."),
            QStringLiteral("Non è stato inserito un valore per la temperatura dei vani sottostanti."),
            QStringLiteral("Non è stato inserito un valore per la lunghezza massima dei circuiti."),
            QStringLiteral("Non è stato inserito un valore per il Delta T massimo."),
        };
        for (int i = 0; i < m.size(); ++i)
            QTest::addRow("%s", qPrintable(campiGenerali()[i])) << i << m[i];
    }
    void datiGenerali()
    {
        QFETCH(int, primo);
        QFETCH(QString, messaggio);
        TTabella& dg = *m_dati->AuxDGenerali;
        for (int i = primo; i < campiGenerali().size(); ++i)
            QVERIFY(dg.FieldByName(campiGenerali()[i]).Clear());
        QVERIFY(!dg.Post());
        VERIFICA_MESSAGGIO(m_reg, messaggio, TIcona::Stop);
        QCOMPARE(m_reg.Quanti(), 0);
        QCOMPARE(dg.State(), TStato::Modifica);
        dg.Cancel();
        QCOMPARE(dg.FieldByName(QStringLiteral("DELTAT_MAX")).AsInteger(), 8);
    }

private:
    static const QStringList& campiObbligatori()
    {
        static const QStringList l = {"Descrizione", "Piano",        "TAmbiente", "Area",    "AreaUtile",
                                      "CTermico",    "Rivestimento", "Spessore",  "DistColl"};
        return l;
    }
    static const QStringList& campiGenerali()
    {
        static const QStringList l = {"SPESS_MASS", "SPESS_SOL", "SPESS_RIV", "TEMPVS", "LUNGMAX", "DELTAT_MAX"};
        return l;
    }
};

QTEST_GUILESS_MAIN(TstRegole)
#include "tst_regole.moc"
