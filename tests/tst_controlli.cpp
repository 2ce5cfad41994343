// Controlli associati ai dati: griglia, casella, elenco di catalogo, navigatore.
#include "aiuti/RegistroMessaggi.h"
#include "controlli/Ucontrolli.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

class TstControlli : public QObject
{
    Q_OBJECT

    QSqlDatabase db;
    TRegistroMessaggi registro;
    TTabella* stanze = nullptr;
    TTabella* finiture = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("controlli"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
    }

    void init()
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("DROP TABLE IF EXISTS S"));
        q.exec(QStringLiteral("DROP TABLE IF EXISTS F"));
        QVERIFY(q.exec(
            QStringLiteral("CREATE TABLE S (ID INTEGER NOT NULL, Nome VARCHAR(20), Area FLOAT, Cod VARCHAR(5))")));
        QVERIFY(q.exec(QStringLiteral("CREATE UNIQUE INDEX S_pk ON S (ID)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO S VALUES (1, 'Cucina', 12.5, 'C'), (2, 'Bagno', 6, 'P')")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE F (CODICE VARCHAR(5), DESCRIZIONE VARCHAR(20))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO F VALUES ('C', 'Ceramica'), ('P', 'Parquet')")));
        stanze = new TTabella(db, QStringLiteral("S"), QStringLiteral("ID"), this);
        finiture = new TTabella(db, QStringLiteral("F"), {}, this);
        finiture->ImpostaSolaLettura(true);
        QVERIFY(stanze->Open());
        QVERIFY(finiture->Open());
    }

    void cleanup()
    {
        registro.Controlla();
        qDeleteAll(findChildren<TDataSet*>());
    }

    void grigliaSulDataset()
    {
        TModelloTabella m(stanze, {"ID", "Nome", "Area"}, {"N°", "Descrizione", "Area [mq]"});
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Area [mq]"));
        QCOMPARE(m.data(m.index(0, 2)).toString(), QStringLiteral("12,5"));

        // Una riga nuova compare in fondo mentre è in inserimento e si scrive dalla griglia.
        stanze->Append();
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(m.RigaCorrente(), 2);
        QVERIFY(m.setData(m.index(2, 0), QStringLiteral("0")));
        QVERIFY(m.setData(m.index(2, 1), QStringLiteral("Studio")));
        QVERIFY(m.setData(m.index(2, 2), QStringLiteral("9,75")));
        QCOMPARE(m.data(m.index(2, 1)).toString(), QStringLiteral("Studio"));
        // Scrivere in un'altra riga registra la nuova, che prende il suo posto nell'ordine, e
        // modifica proprio il record scelto anche se il riordino lo ha spostato.
        QVERIFY(m.setData(m.index(1, 1), QStringLiteral("Bagno grande")));
        QCOMPARE(stanze->State(), TStato::Modifica);
        QVERIFY(stanze->Post());
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(m.data(m.index(0, 1)).toString(), QStringLiteral("Studio"));
        QCOMPARE(m.data(m.index(0, 2), Qt::EditRole).toDouble(), 9.75);
        QCOMPARE(m.data(m.index(1, 1)).toString(), QStringLiteral("Cucina"));
        QCOMPARE(m.data(m.index(2, 1)).toString(), QStringLiteral("Bagno grande"));

        // Un numero non valido viene rifiutato con un messaggio e la cella resta com'era.
        QVERIFY(!m.setData(m.index(0, 2), QStringLiteral("dodici")));
        QCOMPARE(registro.Prendi().icona, TIcona::Stop);
        QCOMPARE(m.data(m.index(0, 2), Qt::EditRole).toDouble(), 9.75);
        stanze->Cancel();
    }

    void casellaDiTesto()
    {
        TDBEdit e(stanze, QStringLiteral("Area"));
        QCOMPARE(e.text(), QStringLiteral("12,5"));
        stanze->Next();
        QCOMPARE(e.text(), QStringLiteral("6"));
        e.setText(QStringLiteral("7,25"));
        e.setModified(true);
        Q_EMIT e.editingFinished();
        QCOMPARE(stanze->State(), TStato::Modifica);
        QCOMPARE(stanze->FieldByName("Area").AsFloat(), 7.25);
        stanze->Cancel();
        QCOMPARE(e.text(), QStringLiteral("6"));
    }

    void elencoDiCatalogo()
    {
        TDBLookupComboBox c(stanze, QStringLiteral("Cod"), finiture, QStringLiteral("CODICE"),
                            QStringLiteral("DESCRIZIONE"));
        QCOMPARE(c.count(), 2);
        QCOMPARE(c.currentText(), QStringLiteral("Ceramica"));
        QSignalSpy chiusura(&c, &TDBLookupComboBox::CloseUp);
        c.setCurrentIndex(1);
        Q_EMIT c.activated(1);
        QCOMPARE(chiusura.count(), 1);
        QCOMPARE(stanze->FieldByName("Cod").AsString(), QStringLiteral("P"));
        QCOMPARE(c.Chiave(), QStringLiteral("P"));
        stanze->Cancel();
        QCOMPARE(c.currentText(), QStringLiteral("Ceramica"));
    }

    void navigatoreAbilitaSecondoLoStato()
    {
        TDBNavigator n(stanze);
        auto abilitato = [&](TDBNavigator::TPulsante p) { return n.Pulsante(p)->isEnabled(); };
        QVERIFY(!abilitato(TDBNavigator::nbPrior));
        QVERIFY(abilitato(TDBNavigator::nbNext));
        QVERIFY(!abilitato(TDBNavigator::nbPost));
        n.Pulsante(TDBNavigator::nbInsert)->click();
        QCOMPARE(stanze->State(), TStato::Inserimento);
        QVERIFY(abilitato(TDBNavigator::nbPost));
        QVERIFY(abilitato(TDBNavigator::nbCancel));
        QVERIFY(!abilitato(TDBNavigator::nbNext));
        n.Pulsante(TDBNavigator::nbCancel)->click();
        QCOMPARE(stanze->State(), TStato::Consultazione);
        n.Pulsante(TDBNavigator::nbLast)->click();
        QCOMPARE(stanze->RecNo(), 1);
        QVERIFY(!abilitato(TDBNavigator::nbNext));
        // Su una tabella di catalogo non si inserisce né si cancella.
        TDBNavigator c(finiture);
        QVERIFY(!c.Pulsante(TDBNavigator::nbInsert)->isEnabled());
        QVERIFY(!c.Pulsante(TDBNavigator::nbDelete)->isEnabled());
    }
};

QTEST_MAIN(TstControlli)
#include "tst_controlli.moc"
