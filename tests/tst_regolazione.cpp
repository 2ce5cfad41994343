// Pagine "Regolazione" e "Catalogo" della finestra di progetto, usate come l'utente: scelte dagli
// elenchi, pulsanti, linguette delle lettere, ricerche e griglia dei prodotti aggiuntivi.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "controlli/Ucontrolli.h"
#include "editor/Upaginacatalogo.h"
#include "editor/Upaginaregolazione.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
const QString MsgModo0 = QStringLiteral(
    "Il tipo di attuatore scelto non è compatibile con il tipo di collettore di distribuzione adottato!");
const QString MsgModo1
    = QStringLiteral("L'attuatore scelto non è compatibile con il tipo di collettore di distribuzione.");
const QString MsgRegistrato = QStringLiteral(
    "L'attuatore in REGOLAZIONE AMBIENTE  non è compatibile con il tipo di collettore di distribuzione.");
const QString MsgRipristinata = QStringLiteral(
    "\n\nÈ stata ripristinata la scelta precedente; le altre modifiche della pagina restano da confermare.");
const QString MsgNonConfermati = QStringLiteral("I collettori di distribuzione non sono stati ancora assegnati o è "
                                                "stata fatta una modifica delle impostazioni.");

// Scelta dall'elenco aperto, con un clic sulla voce.
void scegli(QComboBox* c, const QString& chiave)
{
    const int i = c->findData(chiave);
    QVERIFY2(i >= 0, qPrintable(chiave));
    c->showPopup();
    QAbstractItemView* v = c->view();
    QVERIFY(QTest::qWaitForWindowExposed(v->window()));
    const QModelIndex indice = v->model()->index(i, 0);
    v->scrollTo(indice);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(indice).center());
    QTRY_VERIFY(!v->isVisible());
}
} // namespace

class TstRegolazione : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;
    std::unique_ptr<TFinestraDiProva> p;

    TPaginaRegolazione* reg() { return p->finestra->TabSheet6; }
    TPaginaCatalogo* cat() { return p->finestra->TabSheet7; }
    TTabella* regol() { return p->dati.AuxRegol; }
    QString campo(const char* nome) { return regol()->FieldByName(QString::fromLatin1(nome)).AsString(); }
    int quantita(const char* nome) { return regol()->FieldByName(QString::fromLatin1(nome)).AsInteger(); }

    // Progetto dal modello, n locali, pagina "Regolazione" aperta, poi collettori confermati.
    void prepara(const QString& modello, int locali, const QList<int>& collettori)
    {
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri(modello));
        for (int i = 1; i <= locali; ++i)
            QVERIFY(AggiungiLocale(p->dati.AuxLocali, i, 1000.0));
        p->Pagina(5);
        QCOMPARE(p->finestra->PageControl1->currentWidget(), reg());
        for (int i = 0; i < collettori.size(); ++i)
            QVERIFY(ModificaRecord(
                p->dati.AuxCollettori,
                {{"ID", i + 1}, {"Nome", QStringLiteral("C%1").arg(i + 1)}, {"N_Circuiti", collettori[i]}}, true));
        p->Stato().CollettoriConfermati = !collettori.isEmpty();
    }
    void tipoCollettore(const QString& tipo) { QVERIFY(ModificaRecord(p->dati.AuxDGenerali, {{"RIF_COLL", tipo}})); }
    void calcola() { QTest::mouseClick(reg()->BitBtn6, Qt::LeftButton); }

private Q_SLOTS:
    // Catalogo di prova: quello installato più gli articoli che servono alle ricerche.
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        const QString copia = cartella.filePath(QStringLiteral("tvlita.db"));
        QVERIFY(QFile::copy(TDati::PercorsoCatalogo(), copia));
        QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prova"));
            db.setDatabaseName(copia);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral(
                "INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO) VALUES "
                "('Z001', 'FILTRO PER CIRCUITI D''ACQUA', 'Z001', 10), ('Z002', 'GLICOLE AL 50% TANICA', 'Z002', 5),"
                "('Z003', 'GLICOLE AL 30 PER CENTO', 'Z003', 4), ('Z004', 'TARGHETTE SENZA MISURA', NULL, 2),"
                "('Z005', 'QUADRO SENZA PREZZO', 'Z005', NULL)")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("prova"));
        qputenv("TVLITA", copia.toLocal8Bit());
    }
    void cleanup()
    {
        p.reset();
        QVERIFY(registro.Controlla());
    }

    // Quantità: un termostato per locale, attuatori per circuito o per collettore ("J91").
    void quantita_data()
    {
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("attuatore");
        QTest::addColumn<int>("qattuat");
        QTest::addColumn<int>("qcald");
        QTest::addColumn<int>("qreg");
        QTest::newRow("per circuito") << "nuovosr.nv"
                                      << "V220HJ"
                                      << "J90X230" << 12 << 1 << 1;
        QTest::newRow("J91 su V220L") << "nuovosr.nv"
                                      << "V220L"
                                      << "J91X230" << 2 << 1 << 1;
        QTest::newRow("nessun attuatore") << "nuovosr.nv"
                                          << "V220HJ"
                                          << "" << 0 << 0 << 0;
        QTest::newRow("modo 0") << "nuovov221v.nv"
                                << "V221V-9"
                                << "J90X230" << 12 << 0 << 0;
    }
    void quantita()
    {
        QFETCH(QString, modello);
        QFETCH(QString, tipo);
        QFETCH(QString, attuatore);
        prepara(modello, 3, {5, 7});
        tipoCollettore(tipo);
        QVERIFY(ModificaRecord(regol(),
                               {{"attuatore", attuatore}, {"qterm", 0}, {"qattuat", 0}, {"qcald", 0}, {"qreg", 0}}));
        calcola();
        QCOMPARE(quantita("qterm"), 3);
        QTEST(quantita("qattuat"), "qattuat");
        QTEST(quantita("qcald"), "qcald");
        QTEST(quantita("qreg"), "qreg");
        QCOMPARE(regol()->State(), TStato::Consultazione);
    }

    // Motore "-" senza collettore di caldaia: il gruppo di caldaia conta comunque uno.
    void caldaiaConMotoreNullo()
    {
        prepara("nuovosr.nv", 1, {4});
        QVERIFY(ModificaRecord(regol(), {{"collcald", ""}, {"attmix", "-"}, {"qcald", 0}}));
        calcola();
        QCOMPARE(quantita("qcald"), 1);
    }

    // "J91" con un collettore che non è "V220L": rifiutato alla scelta, alla conferma e al calcolo.
    // Un attuatore rifiutato torna all'ultima scelta accettata; le altre modifiche non confermate
    // della pagina restano, e il messaggio lo dice.
    void attuatoreJ91Rifiutato()
    {
        prepara("nuovosr.nv", 3, {5, 7});
        QVERIFY(ModificaRecord(regol(), {{"qterm", 3}, {"qattuat", 12}}));
        regol()->Edit();
        QVERIFY(regol()->FieldByName(QStringLiteral("qcald")).Imposta(2));
        scegli(reg()->DBLookupComboBox8, QStringLiteral("J90X024"));
        QCOMPARE(registro.Quanti(), 0);
        scegli(reg()->DBLookupComboBox8, QStringLiteral("J91X230"));
        VERIFICA_MESSAGGIO(registro, MsgModo1 + MsgRipristinata, TIcona::Esclamazione);
        QCOMPARE(campo("attuatore"), QStringLiteral("J90X024"));
        QCOMPARE(reg()->DBLookupComboBox8->Chiave(), QStringLiteral("J90X024"));
        QCOMPARE(quantita("qterm"), 0);
        QCOMPARE(quantita("qattuat"), 0);
        QCOMPARE(regol()->State(), TStato::Modifica);
        QCOMPARE(quantita("qcald"), 2);
        // Annullando, torna tutto com'era confermato.
        regol()->Cancel();
        QCOMPARE(campo("attuatore"), QStringLiteral("J90X230"));
        QCOMPARE(quantita("qterm"), 3);
        QCOMPARE(quantita("qcald"), 0);

        // Arrivato per altra via, si ferma alla conferma del navigatore: il record resta in modifica
        // con l'attuatore confermato e le altre modifiche.
        regol()->Edit();
        QVERIFY(regol()->FieldByName(QStringLiteral("attuatore")).Imposta(QStringLiteral("J91X024")));
        QVERIFY(regol()->FieldByName(QStringLiteral("qcald")).Imposta(4));
        QTest::mouseClick(reg()->DBNavigator5->Pulsante(TDBNavigator::nbPost), Qt::LeftButton);
        VERIFICA_MESSAGGIO(registro, MsgRegistrato + MsgRipristinata, TIcona::Esclamazione);
        QCOMPARE(campo("attuatore"), QStringLiteral("J90X230"));
        QCOMPARE(regol()->State(), TStato::Modifica);
        QCOMPARE(quantita("qcald"), 4);
        QTest::mouseClick(reg()->DBNavigator5->Pulsante(TDBNavigator::nbPost), Qt::LeftButton);
        QCOMPARE(registro.Quanti(), 0);
        QCOMPARE(regol()->State(), TStato::Consultazione);
        QCOMPARE(quantita("qcald"), 4);

        // Registrato senza passare dalla pagina: il calcolo non parte, le quantità restano.
        QVERIFY(ModificaRecord(regol(), {{"attuatore", "J91X024"}, {"qterm", 1}}));
        calcola();
        VERIFICA_MESSAGGIO(registro, MsgRegistrato, TIcona::Esclamazione);
        QCOMPARE(quantita("qterm"), 1);

        tipoCollettore(QStringLiteral("V220L"));
        scegli(reg()->DBLookupComboBox8, QStringLiteral("J91X230"));
        QTest::mouseClick(reg()->DBNavigator5->Pulsante(TDBNavigator::nbPost), Qt::LeftButton);
        QCOMPARE(campo("attuatore"), QStringLiteral("J91X230"));
    }

    void attuatoreJ91Modo0()
    {
        prepara("nuovov221v.nv", 1, {});
        QVERIFY(!reg()->DBLookupComboBox9->isEnabled());
        QVERIFY(!reg()->DBEdit15->isEnabled());
        QVERIFY(reg()->DBLookupComboBox8->isEnabled());
        scegli(reg()->DBLookupComboBox8, QStringLiteral("J91X230"));
        VERIFICA_MESSAGGIO(registro, MsgModo0 + MsgRipristinata, TIcona::Esclamazione);
        QCOMPARE(campo("attuatore"), QStringLiteral("J90X230"));
    }

    // Collettore di caldaia e motore vanno insieme quando i CHECK coincidono; "-" non controlla.
    void caldaiaEMotore_data()
    {
        QTest::addColumn<QString>("collcald");
        QTest::addColumn<QString>("attmix");
        QTest::addColumn<bool>("sceltoCollettore");
        QTest::addColumn<QString>("scelta");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("collettore con motore -") << ""
                                                 << "-" << true << "V242X001"
                                                 << "";
        QTest::newRow("collettore adatto") << ""
                                           << "J70X230" << true << "V240X003"
                                           << "";
        QTest::newRow("collettore errato") << ""
                                           << "J70X230" << true << "V242X001"
                                           << "Collettore caldaia errato!";
        QTest::newRow("motore senza collettore") << ""
                                                 << "" << false << "J72X001"
                                                 << "";
        QTest::newRow("motore -") << "V240X002"
                                  << "J70X230" << false << "-"
                                  << "";
        QTest::newRow("motore errato") << "V240X002"
                                       << "" << false << "J72X001"
                                       << "Motore per valvola miscelatrice errato!";
    }
    void caldaiaEMotore()
    {
        QFETCH(QString, collcald);
        QFETCH(QString, attmix);
        QFETCH(bool, sceltoCollettore);
        QFETCH(QString, scelta);
        QFETCH(QString, messaggio);
        prepara("nuovosr.nv", 1, {});
        QVERIFY(ModificaRecord(regol(), {{"collcald", collcald}, {"attmix", attmix}}));
        scegli(sceltoCollettore ? reg()->DBLookupComboBox9 : reg()->DBLookupComboBox10, scelta);
        const char* campoScelto = sceltoCollettore ? "collcald" : "attmix";
        if (!messaggio.isEmpty()) {
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
            QCOMPARE(campo(campoScelto), QString());
            QCOMPARE(regol()->State(), TStato::Consultazione);
        } else {
            QCOMPARE(campo(campoScelto), scelta);
        }
    }

    void calcoloDopoModificaAssegnazione()
    {
        prepara("nuovosr.nv", 2, {2});
        p->Stato().Assegnazione.Nuovo(QStringLiteral("Nuovo"));
        QVERIFY(!p->Stato().CollettoriConfermati);
        calcola();
        VERIFICA_MESSAGGIO(registro, MsgNonConfermati, TIcona::Esclamazione);
    }

    // Linguette e ricerche: prefissi senza distinzione di maiuscole, testi presi alla lettera.
    void ricerca_data()
    {
        QTest::addColumn<int>("linguetta");
        QTest::addColumn<QString>("descrizione");
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("inizio");
        QTest::addColumn<QStringList>("codici");
        QTest::newRow("M") << 12 << ""
                           << ""
                           << "M" << QStringList();
        QTest::newRow("TUBO") << -1 << "TUBO"
                              << ""
                              << "TUBO" << QStringList();
        QTest::newRow("minuscole") << -1 << "tubo"
                                   << ""
                                   << "TUBO" << QStringList();
        QTest::newRow("apice") << -1 << "FILTRO PER CIRCUITI D'ACQUA"
                               << ""
                               << "" << QStringList {"Z001"};
        QTest::newRow("percento") << -1 << "GLICOLE AL 50%"
                                  << ""
                                  << "" << QStringList {"Z002"};
        QTest::newRow("codice") << -1 << ""
                                << "Z00"
                                << "" << QStringList {"Z001", "Z003", "Z002", "Z005", "Z004"};
        QTest::newRow("trattino basso") << -1 << "GLICOLE_AL"
                                        << ""
                                        << "" << QStringList();
    }
    void ricerca()
    {
        QFETCH(int, linguetta);
        QFETCH(QString, descrizione);
        QFETCH(QString, codice);
        QFETCH(QString, inizio);
        QFETCH(QStringList, codici);
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri());
        p->Pagina(6);
        TQuery* q = p->dati.QCompAgg;
        QCOMPARE(q->RecordCount(), p->dati.Catalogo->RecordCount());
        if (linguetta >= 0) {
            cat()->Edit7->setText(QStringLiteral("resto"));
            QTabBar* t = cat()->TabControl1;
            QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(linguetta).center());
            QCOMPARE(t->tabText(linguetta), inizio);
            QVERIFY(cat()->Edit7->text().isEmpty());
        } else {
            QTest::keyClicks(cat()->Edit7, descrizione);
            QTest::keyClicks(cat()->Edit8, codice);
            QTest::mouseClick(cat()->BitBtn1, Qt::LeftButton);
        }
        QStringList trovati;
        QString precedente;
        for (q->First(); !q->Eof(); q->Next()) {
            const QString d = q->FieldByName(QStringLiteral("DESCRIZIONE")).AsString();
            QVERIFY2(d.startsWith(inizio), qPrintable(d));
            QVERIFY(precedente <= d);
            precedente = d;
            trovati << q->FieldByName(QStringLiteral("CODICE")).AsString();
        }
        if (codici.isEmpty() && !inizio.isEmpty())
            QVERIFY(trovati.size() > 1);
        else
            QCOMPARE(trovati, codici);
        QCOMPARE(cat()->DBGrid2->model()->rowCount(), trovati.size());
    }

    // Righe aggiunte con "&Inserisci" e con il doppio clic; numeri di riga dall'ultima.
    void prodottiAggiuntivi()
    {
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri());
        p->Pagina(6);
        QTest::keyClicks(cat()->Edit8, QStringLiteral("Z00"));
        QTest::mouseClick(cat()->BitBtn1, Qt::LeftButton);
        QTableView* g2 = cat()->DBGrid2;
        QTableView* g3 = cat()->DBGrid3;
        // Il doppio clic (premi, lascia, doppio clic, come li manda il sistema) su una riga non
        // ancora scelta la sceglie e la aggiunge.
        auto clic = [](QTableView* g, int riga, bool doppio = false) {
            const QPoint pt = g->visualRect(g->model()->index(riga, 0)).center();
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, pt);
            if (doppio)
                QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, pt);
        };
        // In ordine di descrizione: 3 = Z005 senza prezzo, 4 = Z004 senza misura.
        clic(g2, 4, true);
        clic(g3, 0);
        QTest::mouseClick(cat()->BitBtn5, Qt::LeftButton);
        clic(g3, 0);
        clic(g2, 3, true);
        TTabella* a = p->dati.AuxCompAgg;
        QCOMPARE(a->RecordCount(), 3);
        for (int i = 0; i < 3; ++i) {
            a->VaiA(i);
            QCOMPARE(a->FieldByName(QStringLiteral("ID")).AsInteger(), i);
            QCOMPARE(a->FieldByName(QStringLiteral("Unit_Mis")).AsString(), QStringLiteral("nr"));
            QCOMPARE(a->FieldByName(QStringLiteral("Quantità")).AsFloat(), 1.0);
        }
        a->VaiA(0);
        QCOMPARE(a->FieldByName(QStringLiteral("Articolo")).AsString(), QStringLiteral("-"));
        QCOMPARE(a->FieldByName(QStringLiteral("Cod_Esteso")).AsString(), QStringLiteral("Z004"));
        QCOMPARE(a->FieldByName(QStringLiteral("Prezzo_Unit")).AsFloat(), 2.0);
        a->VaiA(1);
        QCOMPARE(a->FieldByName(QStringLiteral("Descrizione")).AsString(), QStringLiteral("TARGHETTE SENZA MISURA"));
        a->VaiA(2);
        QCOMPARE(a->FieldByName(QStringLiteral("Prezzo_Unit")).AsFloat(), 0.0);
        QVERIFY(!a->FieldByName(QStringLiteral("Prezzo_Unit")).IsNull());

        // Quantità scelta dall'elenco 1..10: registrata come numero lasciando la riga.
        const QModelIndex q = g3->model()->index(1, 3);
        QCOMPARE(q.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 224, 130));
        QVERIFY(!(g3->model()->index(1, 0).flags() & Qt::ItemIsEditable));
        g3->setCurrentIndex(q);
        g3->edit(q);
        auto* elenco = g3->findChild<QComboBox*>(QStringLiteral("ElencoQuantita"));
        QVERIFY(elenco);
        QCOMPARE(elenco->count(), 10);
        elenco->setCurrentIndex(6);
        QTest::keyClick(elenco, Qt::Key_Return);
        clic(g3, 0);
        a->VaiA(1);
        QCOMPARE(a->FieldByName(QStringLiteral("Quantità")).Valore().typeId(), int(QMetaType::Double));
        QCOMPARE(a->FieldByName(QStringLiteral("Quantità")).AsFloat(), 7.0);

        // Eliminazione solo dopo la conferma.
        registro.Rispondi(false);
        QTest::mouseClick(cat()->DBNavigator4->Pulsante(TDBNavigator::nbDelete), Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Domanda);
        QCOMPARE(a->RecordCount(), 3);
        registro.Rispondi(true);
        QTest::mouseClick(cat()->DBNavigator4->Pulsante(TDBNavigator::nbDelete), Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Domanda);
        QCOMPARE(a->RecordCount(), 2);
        QVERIFY(cat()->DBNavigator4->Pulsante(TDBNavigator::nbInsert)->isHidden());
    }
};

QTEST_MAIN(TstRegolazione)
#include "tst_regolazione.moc"
