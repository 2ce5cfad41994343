// Il modulo dati: connessione, apertura di tutte le tabelle, isolamento delle tabelle di lavoro.
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"

#include <QSqlQuery>
#include <QTest>

class TstDati : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

    static int righe(TDati& d, const QString& tabella)
    {
        QSqlQuery q(d.Database());
        q.exec(QStringLiteral("SELECT COUNT(*) FROM main.\"%1\"").arg(tabella));
        return q.next() ? q.value(0).toInt() : -1;
    }

    static void riempi(TDati& d)
    {
        QSqlQuery q(d.Database());
        const QStringList istruzioni = {
            "INSERT INTO AuxLocali (ID, Descrizione) VALUES (1, 'Cucina'), (2, 'Bagno')",
            "INSERT INTO AuxCollettori (ID, Nome) VALUES (0, 'C1')",
            "INSERT INTO AuxPrev (ID, Descrizione) VALUES (1, 'Pannello')",
            "INSERT INTO AuxCompAgg (ID, Descrizione) VALUES (1, 'Extra')",
            "INSERT INTO AuxCircuiti (ID, L_Rotolo) VALUES (1, 200)",
            "INSERT INTO AuxRotoli (ID, Rotolo) VALUES (0, 200)",
        };
        for (const QString& s : istruzioni)
            QVERIFY2(q.exec(s), qPrintable(s));
    }

private Q_SLOTS:
    void cleanup() { registro.Controlla(); }

    void apriTuttoSvuotaLeTabelleMultiRecord()
    {
        TDati dati;
        QVERIFY2(dati.ApriTutto(), qPrintable(dati.UltimoErrore()));
        QVERIFY(!dati.DGeneraliModificati);
        QVERIFY(!dati.LocaliModificati);
        riempi(dati);
        for (TTabella* t : dati.TabelleMultiRecord())
            QVERIFY2(righe(dati, t->NomeTabella()) > 0, qPrintable(t->NomeTabella()));
        QVERIFY(dati.ApriTutto());
        for (TTabella* t : dati.TabelleMultiRecord()) {
            QCOMPARE(righe(dati, t->NomeTabella()), 0);
            QVERIFY(t->IsEmpty());
            QCOMPARE(t->State(), TStato::Consultazione);
        }
        // Le tabelle a record singolo tengono il loro record.
        for (TTabella* t : {dati.AuxInfo, dati.AuxDGenerali, dati.AuxRegol}) {
            QCOMPARE(t->RecordCount(), 1);
            QVERIFY(!t->Eof());
        }
    }

    void tutteLeTabelleApertePerNome()
    {
        TDati dati;
        QVERIFY(dati.ApriTutto());
        QCOMPARE(dati.Tabelle().size(), 21);
        for (TTabella* t : dati.Tabelle())
            QVERIFY2(t->Active(), qPrintable(t->objectName()));
        QCOMPARE(dati.AuxLocali->DefCampo(0).nome, QStringLiteral("TipoRiv"));
        QCOMPARE(dati.AuxCollettori->DefCampo(0).nome, QStringLiteral("TipoColl"));
        QCOMPARE(dati.AuxDGenerali->DefCampo(dati.AuxDGenerali->IndiceCampo("ID")).tipo, TTipoCampo::AutoInc);
        QCOMPARE(dati.AuxLocali->DefCampo(dati.AuxLocali->IndiceCampo("DistColl")).tipo, TTipoCampo::Small);
        QCOMPARE(dati.AuxRegol->DefCampo(dati.AuxRegol->IndiceCampo("term")).dimensione, 150);
        dati.ChiudiTutto();
        for (TTabella* t : dati.Tabelle())
            QVERIFY(!t->Active());
    }

    void catalogoInSolaLettura()
    {
        TDati dati;
        QVERIFY(dati.ApriTutto());
        QSqlQuery q(dati.Database());
        QVERIFY(!q.exec(QStringLiteral("INSERT INTO RIVESTIMENTOF (CODICE) VALUES ('X')")));
        QVERIFY(dati.RivestimentoF->SolaLettura());
        const int prima = dati.RivestimentoF->RecordCount();
        dati.RivestimentoF->Append();
        QCOMPARE(dati.RivestimentoF->State(), TStato::Consultazione);
        QCOMPARE(dati.RivestimentoF->RecordCount(), prima);
    }

    void dueCopieNonSiToccano()
    {
        // Due moduli dati come due copie del programma sullo stesso catalogo.
        TDati a, b;
        QVERIFY(a.ApriTutto());
        QVERIFY(b.ApriTutto());
        riempi(a);
        QCOMPARE(righe(a, QStringLiteral("AuxLocali")), 2);
        QCOMPARE(righe(b, QStringLiteral("AuxLocali")), 0);
        QVERIFY(b.ApriTutto()); // la seconda che riparte non svuota la prima
        QCOMPARE(righe(a, QStringLiteral("AuxLocali")), 2);
    }

    void cercaLegaIlValore()
    {
        TDati dati;
        QVERIFY(dati.ApriTutto());
        QVERIFY(dati.RivestimentoF->RecordCount() > 0);
        dati.RivestimentoF->First();
        const QString codice = dati.RivestimentoF->FieldByName("CODICE").AsString();
        QVERIFY(dati.Cerca(QStringLiteral("RIVESTIMENTOF"), QStringLiteral("CODICE"), codice));
        QCOMPARE(dati.Query1->FieldByName("CODICE").AsString(), codice);
        // Un apice nel valore non rompe la query e non trova nulla.
        QVERIFY(!dati.Cerca(QStringLiteral("RIVESTIMENTOF"), QStringLiteral("CODICE"), QStringLiteral("x' OR '1'='1")));
    }

    void catalogoMancante()
    {
        const QByteArray prima = qgetenv("TVLITA");
        qputenv("TVLITA", "/percorso/inesistente/tvlita.db");
        TDati dati;
        QVERIFY(!dati.ApriTutto());
        QVERIFY(dati.UltimoErrore().contains(QStringLiteral("TVLITA")));
        if (prima.isEmpty())
            qunsetenv("TVLITA");
        else
            qputenv("TVLITA", prima);
    }
};

QTEST_GUILESS_MAIN(TstDati)
#include "tst_dati.moc"
