// Il dataset a cursore: stati, eventi, vincoli, errori di registrazione, controlli sospesi.
#include "aiuti/RegistroMessaggi.h"
#include "data/Utabella.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class TstTabella : public QObject
{
    Q_OBJECT

    QSqlDatabase db;
    TRegistroMessaggi registro;

    TTabella* apri(const QString& ordine = {})
    {
        auto* t = new TTabella(db, QStringLiteral("Stanze"), ordine, this);
        t->AggiungiRicerca(0, QStringLiteral("Finitura"), QStringLiteral("Cod"), finiture, QStringLiteral("CODICE"),
                           QStringLiteral("DESCR"));
        if (!t->Open())
            qFatal("tabella di prova non aperta");
        return t;
    }

    TTabella* finiture = nullptr;

    static void aggiungi(TTabella* t, int id, const QString& nome)
    {
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(id);
        t->FieldByName(QStringLiteral("Nome")).Imposta(nome);
        QVERIFY(t->Post());
    }

private Q_SLOTS:
    void initTestCase()
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prova"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
    }

    void init()
    {
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("DROP TABLE IF EXISTS Stanze")));
        QVERIFY(q.exec(QStringLiteral("DROP TABLE IF EXISTS FIN")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE Stanze (ID INTEGER NOT NULL, Nome VARCHAR(10), Area FLOAT, "
                                      "Piano SMALLINT, Attivo BOOLEAN, Cod VARCHAR(5), Note MEMO)")));
        QVERIFY(q.exec(QStringLiteral("CREATE UNIQUE INDEX Stanze_pk ON Stanze (ID)")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE FIN (CODICE VARCHAR(5), DESCR VARCHAR(20))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO FIN VALUES ('C', 'Ceramica'), ('P', 'Parquet')")));
        finiture = new TTabella(db, QStringLiteral("FIN"), {}, this);
        QVERIFY(finiture->Open());
    }

    void cleanup()
    {
        registro.Controlla();
        qDeleteAll(findChildren<TDataSet*>());
    }

    void statiDiInserimentoModificaERegistrazione()
    {
        TTabella* t = apri();
        QCOMPARE(t->State(), TStato::Consultazione);
        QVERIFY(t->IsEmpty());
        QVERIFY(t->Eof());

        t->Append();
        QCOMPARE(t->State(), TStato::Inserimento);
        QVERIFY(!t->IsEmpty());
        t->FieldByName(QStringLiteral("ID")).Imposta(7);
        t->FieldByName(QStringLiteral("Nome")).Imposta(QStringLiteral("Bagno"));
        t->FieldByName(QStringLiteral("Area")).Imposta(QStringLiteral("6.5"));
        QVERIFY(t->Post());
        QCOMPARE(t->State(), TStato::Consultazione);
        QCOMPARE(t->RecordCount(), 1);

        // Modifica e annullamento: il record torna com'era.
        t->Edit();
        QCOMPARE(t->State(), TStato::Modifica);
        t->FieldByName(QStringLiteral("Nome")).Imposta(QStringLiteral("Cucina"));
        QCOMPARE(t->FieldByName(QStringLiteral("Nome")).AsString(), QStringLiteral("Cucina"));
        t->Cancel();
        QCOMPARE(t->FieldByName(QStringLiteral("Nome")).AsString(), QStringLiteral("Bagno"));

        // Assegnare in consultazione apre la modifica; la registrazione arriva al database.
        t->FieldByName(QStringLiteral("Area")).Imposta(8.25);
        QCOMPARE(t->State(), TStato::Modifica);
        QVERIFY(t->Post());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT Area, Nome FROM Stanze WHERE ID=7")) && q.next());
        QCOMPARE(q.value(0).toDouble(), 8.25);
        QCOMPARE(q.value(1).toString(), QStringLiteral("Bagno"));

        // Riaprendo la tabella si rileggono gli stessi valori, tipi compresi.
        t->Open();
        QCOMPARE(t->FieldByName(QStringLiteral("Area")).AsFloat(), 8.25);
        QCOMPARE(t->FieldByName(QStringLiteral("ID")).AsInteger(), 7);

        QVERIFY(t->Delete());
        QVERIFY(t->IsEmpty());
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM Stanze")) && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void cursoreENavigazione()
    {
        TTabella* t = apri(QStringLiteral("ID"));
        for (int id : {30, 10, 20})
            aggiungi(t, id, QStringLiteral("S%1").arg(id));
        // L'ordine dell'indice vale subito, non solo dopo la rilettura.
        QList<int> visti;
        for (t->First(); !t->Eof(); t->Next())
            visti << t->FieldByName(QStringLiteral("ID")).AsInteger();
        QCOMPARE(visti, (QList<int> {10, 20, 30}));
        QVERIFY(t->Locate(QStringLiteral("Nome"), QStringLiteral("s20"), true));
        QCOMPARE(t->FieldByName(QStringLiteral("ID")).AsInteger(), 20);
        QVERIFY(!t->Locate(QStringLiteral("Nome"), QStringLiteral("s20")));

        // Muovere il cursore con un record in modifica lo registra.
        t->Edit();
        t->FieldByName(QStringLiteral("ID")).Imposta(5);
        t->First();
        QCOMPARE(t->State(), TStato::Consultazione);
        QCOMPARE(t->FieldByName(QStringLiteral("ID")).AsInteger(), 5);

        // Svuota cancella tutto, sul database.
        t->Svuota();
        QVERIFY(t->IsEmpty());
        t->Open();
        QVERIFY(t->IsEmpty());
    }

    void conversioniETroncamenti_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QVariant>("atteso");
        QTest::newRow("testo oltre la dimensione") << "Nome" << QVariant("Soggiorno grande") << QVariant("Soggiorno ");
        QTest::newRow("intero da reale") << "Piano" << QVariant(2.6) << QVariant(3);
        QTest::newRow("reale da testo") << "Area" << QVariant("12.75") << QVariant(12.75);
        QTest::newRow("booleano da 1") << "Attivo" << QVariant(1) << QVariant(true);
        QTest::newRow("testo vuoto su numero") << "Area" << QVariant("") << QVariant();
        QTest::newRow("memo senza limite") << "Note" << QVariant(QString(300, u'x')) << QVariant(QString(300, u'x'));
    }

    void conversioniETroncamenti()
    {
        QFETCH(QString, campo);
        QFETCH(QVariant, valore);
        QFETCH(QVariant, atteso);
        TTabella* t = apri();
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(1);
        QVERIFY(t->FieldByName(campo).Imposta(valore));
        QVERIFY(t->Post());
        t->Open();
        QCOMPARE(t->FieldByName(campo).Valore(), atteso);
    }

    void valoreNonNumericoRifiutato()
    {
        TTabella* t = apri();
        t->Append();
        t->FieldByName(QStringLiteral("Area")).Imposta(4);
        QVERIFY(!t->FieldByName(QStringLiteral("Area")).Imposta(QStringLiteral("abc")));
        QCOMPARE(registro.Prendi().icona, TIcona::Stop);
        QCOMPARE(t->FieldByName(QStringLiteral("Area")).AsFloat(), 4.0);
        t->Cancel();
    }

    void vincoloRifiutaIlValoreELasciaInModifica()
    {
        TTabella* t = apri();
        t->Regole(QStringLiteral("Area")).vincolo
            = [](const QVariant& x) { return x.toDouble() >= 1 && x.toDouble() <= 50; };
        t->Regole(QStringLiteral("Area")).messaggioVincolo = QStringLiteral("Area fuori range.");
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(1);
        QVERIFY(t->FieldByName(QStringLiteral("Area")).Imposta(50));
        QVERIFY(!t->FieldByName(QStringLiteral("Area")).Imposta(50.5));
        VERIFICA_MESSAGGIO(registro, "Area fuori range.", TIcona::Stop);
        QCOMPARE(t->State(), TStato::Inserimento);
        QCOMPARE(t->FieldByName(QStringLiteral("Area")).AsFloat(), 50.0);
        // Il valore nullo non è soggetto al vincolo.
        QVERIFY(t->FieldByName(QStringLiteral("Area")).Clear());
        QVERIFY(t->Post());
    }

    void eventiDiCampoEDiTabella()
    {
        TTabella* t = apri();
        QStringList traccia;
        t->OnNewRecord = [&](TTabella& tab) {
            traccia << QStringLiteral("nuovo");
            tab.FieldByName(QStringLiteral("Piano")).Imposta(1);
        };
        t->Regole(QStringLiteral("Nome")).OnChange = [&](TTabella& tab) {
            traccia << QStringLiteral("cambio:") + tab.FieldByName(QStringLiteral("Nome")).AsString();
        };
        // OnValidate può cambiare altri campi e poi rifiutare: il primo cambiamento resta.
        t->Regole(QStringLiteral("Area")).OnValidate = [&](TTabella& tab, const QVariant& v) {
            tab.FieldByName(QStringLiteral("Note")).Imposta(QStringLiteral("azzerata"));
            return v.toDouble() > 0;
        };
        t->BeforePost = [&](TTabella& tab) {
            traccia << QStringLiteral("prima");
            return !tab.FieldByName(QStringLiteral("Nome")).IsNull();
        };
        t->AfterPost = [&](TTabella&) { traccia << QStringLiteral("dopo"); };
        t->AfterDelete = [&](TTabella&) { traccia << QStringLiteral("cancellato"); };

        t->Append();
        QCOMPARE(t->FieldByName(QStringLiteral("Piano")).AsInteger(), 1);
        t->FieldByName(QStringLiteral("ID")).Imposta(1);
        QVERIFY(!t->FieldByName(QStringLiteral("Area")).Imposta(-1));
        QCOMPARE(t->FieldByName(QStringLiteral("Note")).AsString(), QStringLiteral("azzerata"));
        QVERIFY(t->FieldByName(QStringLiteral("Area")).IsNull());
        // BeforePost che rifiuta annulla in silenzio e lascia il record in inserimento.
        QVERIFY(!t->Post());
        QCOMPARE(t->State(), TStato::Inserimento);
        t->FieldByName(QStringLiteral("Nome")).Imposta(QStringLiteral("Studio"));
        t->FieldByName(QStringLiteral("Nome")).Imposta(QStringLiteral("Studio")); // stesso valore: nessun evento
        QVERIFY(t->Post());
        QVERIFY(t->Delete());
        QCOMPARE(traccia, (QStringList {"nuovo", "prima", "cambio:Studio", "prima", "dopo", "cancellato"}));
    }

    void erroreDiRegistrazioneSuChiaveDoppia()
    {
        TTabella* t = apri(QStringLiteral("ID"));
        aggiungi(t, 1, QStringLiteral("A"));
        int chiamate = 0;
        t->OnPostError = [&](TTabella&, const QString& errore, TAzioneErrore& azione) {
            ++chiamate;
            QVERIFY(!errore.isEmpty());
            TMessaggi::Errore(QStringLiteral("Numero già presente."));
            azione = TAzioneErrore::Interrompi;
        };
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(1);
        QVERIFY(!t->Post());
        QCOMPARE(chiamate, 1);
        VERIFICA_MESSAGGIO(registro, "Numero già presente.", TIcona::Stop);
        QCOMPARE(t->State(), TStato::Inserimento);
        QCOMPARE(t->RecordCount(), 1);
        // Numero mancante: anche questo rifiutato dal database.
        t->FieldByName(QStringLiteral("ID")).Clear();
        QVERIFY(!t->Post());
        registro.Prendi();
        t->FieldByName(QStringLiteral("ID")).Imposta(2);
        QVERIFY(t->Post());
        QCOMPARE(t->RecordCount(), 2);

        // Senza gestore l'errore del database arriva all'utente come errore.
        t->OnPostError = nullptr;
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(2);
        QVERIFY(!t->Post());
        QCOMPARE(registro.Prendi().icona, TIcona::Stop);
        t->Cancel();
    }

    void controlliSospesiNonRidisegnano()
    {
        TTabella* t = apri();
        QSignalSpy spia(t, &TDataSet::datiCambiati);
        t->DisableControls();
        t->DisableControls();
        for (int i = 1; i <= 5; ++i)
            aggiungi(t, i, QStringLiteral("S"));
        t->EnableControls();
        QCOMPARE(spia.count(), 0);
        QVERIFY(t->ControlsDisabled());
        t->EnableControls();
        QCOMPARE(spia.count(), 1);
        QVERIFY(!t->ControlsDisabled());
        t->Next();
        QCOMPARE(spia.count(), 2);
    }

    void campoDiRicerca()
    {
        TTabella* t = apri();
        QCOMPARE(t->DefCampo(0).nome, QStringLiteral("Finitura"));
        t->Append();
        t->FieldByName(QStringLiteral("ID")).Imposta(1);
        t->FieldByName(QStringLiteral("Cod")).Imposta(QStringLiteral("P"));
        QCOMPARE(t->FieldByName(QStringLiteral("Finitura")).AsString(), QStringLiteral("Parquet"));
        // Scegliere la descrizione imposta la chiave.
        QVERIFY(t->FieldByName(QStringLiteral("Finitura")).Imposta(QStringLiteral("Ceramica")));
        QCOMPARE(t->FieldByName(QStringLiteral("Cod")).AsString(), QStringLiteral("C"));
        QVERIFY(t->Post());
        // Una chiave senza corrispondenza mostra un valore vuoto.
        t->FieldByName(QStringLiteral("Cod")).Imposta(QStringLiteral("X"));
        QVERIFY(t->FieldByName(QStringLiteral("Finitura")).IsNull());
        QVERIFY(t->Post());
        QCOMPARE(t->FieldByName(QStringLiteral("Cod")).AsString(), QStringLiteral("X"));
    }

    void querySoloConParametri()
    {
        TTabella* t = apri();
        aggiungi(t, 1, QStringLiteral("O'Hara"));
        TQuery q(db);
        QVERIFY(q.Open(QStringLiteral("SELECT * FROM Stanze WHERE Nome=?"), {QStringLiteral("O'Hara")}));
        QCOMPARE(q.RecordCount(), 1);
        QCOMPARE(q.FieldByName(QStringLiteral("ID")).AsInteger(), 1);
        QVERIFY(q.Open(QStringLiteral("SELECT * FROM Stanze WHERE Nome LIKE ? ESCAPE '\\'"),
                       {TQuery::ModelloLike(QStringLiteral("O'*"))}));
        QCOMPARE(q.RecordCount(), 1);
        QCOMPARE(TQuery::ModelloLike(QStringLiteral("50%_*")), QStringLiteral("50\\%\\_%"));
        QVERIFY(!q.Open(QStringLiteral("SELECT * FROM Inesistente")));
        QVERIFY(!q.UltimoErrore().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstTabella)
#include "tst_tabella.moc"
