// Pagina "Collettori": pulsanti, trascinamento con il mouse fra lista e albero, dati del
// collettore, "Tipo" con la vista dei collegamenti, "Ottimizzazione Circuiti", dialogo del nome.
#include "aiuti/MessaggiCollettori.h"
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "editor/Udefcoll.h"
#include "editor/Umostraccoll.h"
#include "editor/Upaginacollettori.h"
#include "editor/Uvistecollettori.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <cmath>

namespace {
const QString MsgNessuno = QStringLiteral("Non è stato assegnato alcun circuito!");
const QString MsgTipologia
    = QStringLiteral("Il tipo di collettore scelto non è compatibile per questa tipologia di impianto.");
const QString MsgDatiGenerali
    = QStringLiteral("Il tipo di collettore scelto non è compatibile con la scelta fatta in dati generali.");

enum TModo { ConPulsante, DallaLista, DallAlbero };
} // namespace
Q_DECLARE_METATYPE(TModo)

class TstPaginaCollettori : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    std::unique_ptr<TFinestraDiProva> p;
    TPaginaCollettori* pagina = nullptr;
    // Quel che il test fa nella vista dei collegamenti mentre è aperta (poi "Esci").
    std::function<void(TMostraCColl&)> nellaVista;
    int visteAperte = 0;

    TAssegnazione& a() { return p->Stato().Assegnazione; }

    // Progetto con `perPiano` locali piccoli (un circuito ciascuno) al piano terra e al primo
    // piano, temperatura di mandata salvata; poi si entra nella pagina.
    void apri(int perPiano)
    {
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri());
        TTabella* l = p->dati.AuxLocali;
        for (int i = 0; i < 2 * perPiano; ++i) {
            const bool terra = i < perPiano;
            l->Append();
            QVERIFY(ImpostaCampi(l,
                                 {{"ID", i + 1},
                                  {"Descrizione", QStringLiteral("%1 %2").arg(terra ? "Stanza" : "Camera").arg(i + 1)},
                                  {"Piano", terra ? "PT" : "P1"},
                                  {"TAmbiente", 20},
                                  {"Area", 9},
                                  {"AreaUtile", 8},
                                  {"AreaMarginale", 0},
                                  {"CTermico", 500},
                                  {"Rivestimento", "Ceramica"},
                                  {"Lambda_Riv", 1.3},
                                  {"Spessore", 10},
                                  {"DistColl", 4}}));
        }
        p->dati.LocaliModificati = true;
        p->Stato().SalvaImpostazioni(2, 45.0f);
        pagina = p->finestra->TabSheet5;
        dialoghi.esegui = [this](QDialog& d) { return esegui(d); };
        p->Pagina(4);
        QCOMPARE(p->finestra->PageControl1->currentWidget(), pagina);
        QCOMPARE(a().Lista().size(), 2 * perPiano);
    }

    int esegui(QDialog& d)
    {
        if (auto* v = qobject_cast<TMostraCColl*>(&d)) {
            ++visteAperte;
            v->show();
            if (nellaVista)
                nellaVista(*v);
            QTest::mouseClick(v->BitBtn3, Qt::LeftButton);
            return v->result();
        }
        if (auto* dc = qobject_cast<TDefColl*>(&d)) {
            dc->setResult(QDialog::Rejected);
            dc->show();
            dc->Edit1->selectAll();
            QTest::keyClicks(dc->Edit1, nomeProssimo);
            QTest::mouseClick(dc->BitBtn1, Qt::LeftButton);
            dc->hide();
            return dc->result();
        }
        return QDialog::Rejected;
    }
    QString nomeProssimo;

    // Prima riga della lista di quel piano (-1 se non c'è).
    int rigaDelPiano(const QString& piano)
    {
        for (int i = 0; i < a().Lista().size(); ++i)
            if (a().PianoCircuito(a().Lista()[i]) == piano)
                return i;
        return -1;
    }

    // Nuovo collettore creato con il pulsante e riempito con "<<" di n circuiti del piano.
    int collettore(const QString& nome, const QString& piano, int n)
    {
        nomeProssimo = nome;
        QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        const int c = a().NumeroCollettori() - 1;
        for (int i = 0; i < n; ++i) {
            clicLista(rigaDelPiano(piano));
            clicAlbero({c, -1});
            QTest::mouseClick(pagina->SpeedButton3, Qt::LeftButton);
        }
        return a().Collettori()[c].circuiti.size() == n ? c : -1;
    }

    QPoint puntoLista(int riga)
    {
        const QModelIndex i = pagina->ModelloLista()->index(riga, 0);
        pagina->ListBox2->scrollTo(i);
        return pagina->ListBox2->visualRect(i).center();
    }
    QPoint puntoAlbero(TNodo n)
    {
        const QModelIndex i = pagina->ModelloAlbero()->Indice(n);
        pagina->TreeView1->scrollTo(i);
        return pagina->TreeView1->visualRect(i).center();
    }
    void clicLista(int riga) { QTest::mouseClick(pagina->ListBox2->viewport(), Qt::LeftButton, {}, puntoLista(riga)); }
    void clicAlbero(TNodo n) { QTest::mouseClick(pagina->TreeView1->viewport(), Qt::LeftButton, {}, puntoAlbero(n)); }

    // Pressione, spostamento oltre la soglia, rilascio sopra il bersaglio (cercato dopo la
    // pressione: portarlo in vista può far scorrere l'albero).
    static void trascina(QWidget* da, QPoint inizio, QWidget* a, const std::function<QPoint()>& fine)
    {
        QTest::mousePress(da, Qt::LeftButton, {}, inizio);
        QTest::mouseMove(da, inizio + QPoint(6, 0));
        const QPoint f = fine();
        QTest::mouseMove(a, f);
        QTest::mouseRelease(a, Qt::LeftButton, {}, f);
    }
    void listaSuAlbero(int riga, TNodo n)
    {
        trascina(pagina->ListBox2->viewport(), puntoLista(riga), pagina->TreeView1->viewport(),
                 [=, this] { return puntoAlbero(n); });
    }
    void alberoSuAlbero(TNodo s, TNodo n)
    {
        trascina(pagina->TreeView1->viewport(), puntoAlbero(s), pagina->TreeView1->viewport(),
                 [=, this] { return puntoAlbero(n); });
    }
    void alberoSuLista(TNodo s)
    {
        QWidget* v = pagina->ListBox2->viewport();
        trascina(pagina->TreeView1->viewport(), puntoAlbero(s), v,
                 [v] { return QPoint(v->width() / 2, v->height() - 3); });
    }

    // Porta un circuito del piano nel collettore nel modo indicato; dalla lista o dal collettore `da`.
    void sposta(TModo modo, const QString& piano, int verso, int da)
    {
        switch (modo) {
        case ConPulsante:
            clicLista(rigaDelPiano(piano));
            clicAlbero({verso, -1});
            QTest::mouseClick(pagina->SpeedButton3, Qt::LeftButton);
            break;
        case DallaLista:
            listaSuAlbero(rigaDelPiano(piano), {verso, 0});
            break;
        case DallAlbero:
            alberoSuAlbero({da, 0}, {verso, 0});
            break;
        }
    }

    QStringList circuiti(int c) { return a().Collettori()[c].circuiti; }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void init()
    {
        nellaVista = nullptr;
        visteAperte = 0;
    }
    void cleanup()
    {
        p.reset();
        pagina = nullptr;
        QVERIFY(registro.Controlla());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void modelliSottoControllo()
    {
        apri(3);
        QAbstractItemModelTester t1(pagina->ModelloAlbero(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(pagina->ModelloLista(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(collettore("A", "PT", 2), 0);
        QCOMPARE(collettore("B", "P1", 1), 1);
        alberoSuLista({0, 1});
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        // Lettera e posizione del locale non compaiono mai nel testo mostrato.
        const QString e = a().Lista().first();
        QCOMPARE(e.size(), LunghezzaEtichetta);
        const QModelIndex i = pagina->ModelloLista()->index(0, 0);
        QCOMPARE(i.data(RuoloEtichetta).toString(), e);
        QCOMPARE(i.data().toString(), e.left(44).trimmed());
        QCOMPARE(pagina->ListBox2->sizeHintForRow(0), AltezzaImmagine + 4);
        QCOMPARE(pagina->ModelloAlbero()->Indice({0, -1}).data().toString(), QStringLiteral("=>A"));
        QVERIFY(!pagina->ModelloAlbero()->Indice({0, 0}).data(Qt::ToolTipRole).isValid());
        QVERIFY(!(pagina->ModelloAlbero()->Indice({0, 0}).flags() & Qt::ItemIsEditable));
    }

    // Un collettore di 12 rifiuta il tredicesimo per ogni via; con 11 ne accetta un altro.
    void dodiciCircuiti_data()
    {
        QTest::addColumn<TModo>("modo");
        QTest::newRow("con <<") << ConPulsante;
        QTest::newRow("dalla lista") << DallaLista;
        QTest::newRow("da un altro collettore") << DallAlbero;
    }
    void dodiciCircuiti()
    {
        QFETCH(TModo, modo);
        apri(14);
        QCOMPARE(collettore("Pieno", "PT", 12), 0);
        QCOMPARE(collettore("Altro", "PT", 1), 1);
        const QStringList prima = circuiti(0), lista = a().Lista();
        sposta(modo, "PT", 0, 1);
        VERIFICA_MESSAGGIO(registro, MsgDodici, TIcona::Esclamazione);
        QCOMPARE(circuiti(0), prima);
        QCOMPARE(circuiti(1).size(), 1);
        QCOMPARE(a().Lista(), lista);

        clicAlbero({0, 11});
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        QCOMPARE(circuiti(0).size(), 11);
        sposta(modo, "PT", 0, 1);
        QCOMPARE(circuiti(0).size(), 12);
        QCOMPARE(registro.Quanti(), 0);
        // Il collettore che riceve si apre.
        QVERIFY(pagina->TreeView1->isExpanded(pagina->ModelloAlbero()->Indice({0, -1})));
    }

    // Un circuito del piano terra verso un collettore del primo piano: "<<" controlla prima il
    // piano, il trascinamento prima il numero.
    void pianoEOrdineDeiControlli_data()
    {
        QTest::addColumn<TModo>("modo");
        QTest::addColumn<int>("nelCollettore");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("<< su 12 di un altro piano") << ConPulsante << 12 << MsgPiani;
        QTest::newRow("lista su 12 di un altro piano") << DallaLista << 12 << MsgDodici;
        QTest::newRow("albero su 12 di un altro piano") << DallAlbero << 12 << MsgDodici;
        QTest::newRow("<< su un altro piano") << ConPulsante << 3 << MsgPiani;
        QTest::newRow("lista su un altro piano") << DallaLista << 3 << MsgPiani;
        QTest::newRow("albero su un altro piano") << DallAlbero << 3 << MsgPiani;
    }
    void pianoEOrdineDeiControlli()
    {
        QFETCH(TModo, modo);
        QFETCH(int, nelCollettore);
        QFETCH(QString, messaggio);
        apri(13);
        QCOMPARE(collettore("Primo", "P1", nelCollettore), 0);
        QCOMPARE(collettore("Terra", "PT", 1), 1);
        const QStringList prima = circuiti(0), lista = a().Lista();
        sposta(modo, "PT", 0, 1);
        VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
        QCOMPARE(circuiti(0), prima);
        QCOMPARE(circuiti(1).size(), 1);
        QCOMPARE(a().Lista(), lista);
    }

    // Il primo circuito di un collettore vuoto ne fissa il piano; un nodo di collettore trascinato
    // porta solo il suo primo circuito; ogni cambiamento toglie conferma e ottimizzazione.
    void trascinamentiNellAlbero()
    {
        apri(4);
        QCOMPARE(collettore("A", "PT", 3), 0);
        nomeProssimo = "B";
        QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        listaSuAlbero(rigaDelPiano("P1"), {1, -1});
        QCOMPARE(circuiti(1).size(), 1);
        listaSuAlbero(rigaDelPiano("P1"), {1, -1});
        QCOMPARE(circuiti(1).size(), 2);
        alberoSuAlbero({0, 2}, {1, -1}); // su un nodo di collettore: non si rilascia
        QCOMPARE(circuiti(1).size(), 2);

        QCOMPARE(collettore("C", "PT", 1), 2);
        const QStringList a0 = circuiti(0);
        p->Stato().CollettoriConfermati = p->Stato().OttimizzazioneEseguita = true;
        alberoSuAlbero({0, -1}, {2, 0});
        QCOMPARE(circuiti(0), a0.mid(1));
        QCOMPARE(circuiti(2).last(), a0.first());
        QVERIFY(!p->Stato().CollettoriConfermati && !p->Stato().OttimizzazioneEseguita);
        // Sul proprio collettore il circuito va in fondo.
        const QStringList c2 = circuiti(2);
        alberoSuAlbero({2, 0}, {2, 1});
        QCOMPARE(circuiti(2), (QStringList {c2[1], c2[0]}));
    }

    // ">>" mette il circuito in cima alla lista, il trascinamento sulla lista in fondo; sotto
    // i 5 pixel non si trascina.
    void ritornoNellaLista()
    {
        apri(3);
        QCOMPARE(collettore("A", "PT", 3), 0);
        const QStringList c = circuiti(0);
        clicAlbero({0, 1});
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        QCOMPARE(a().Lista().first(), c[1]);
        alberoSuLista({0, 0});
        QCOMPARE(a().Lista().last(), c[0]);
        QCOMPARE(circuiti(0), QStringList {c[2]});
        // Senza selezione ">>" prende l'ultimo nodo; un collettore selezionato è ignorato.
        clicAlbero({0, -1});
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        QCOMPARE(circuiti(0).size(), 1);
        pagina->TreeView1->selectionModel()->clear();
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        QCOMPARE(a().Lista().first(), c[2]);

        // 4 pixel in ogni direzione non bastano; 5 sì.
        const int n = int(a().Lista().size());
        auto breve = [&](QPoint passo) {
            const QPoint da = puntoLista(0), su = puntoAlbero({0, -1});
            QTest::mousePress(pagina->ListBox2->viewport(), Qt::LeftButton, {}, da);
            QTest::mouseMove(pagina->ListBox2->viewport(), da + passo);
            QTest::mouseRelease(pagina->TreeView1->viewport(), Qt::LeftButton, {}, su);
        };
        breve({4, 4});
        breve({-4, 0});
        QCOMPARE(a().Lista().size(), n);
        breve({0, 5});
        QCOMPARE(a().Lista().size(), n - 1);
        breve({-5, 0});
        QCOMPARE(a().Lista().size(), n - 2);
    }

    // Rilascio su un collettore: nome, temperatura, numero e l'elenco dei suoi circuiti.
    void datiDelCollettore()
    {
        apri(3);
        QCOMPARE(collettore("Zona giorno", "PT", 2), 0);
        const QStringList c = circuiti(0);
        auto& risultati = p->Stato().RisultatiLocali;
        TLocaleCalc& l0 = risultati[PosizioneEtichetta(c[0]) - 1];
        TLocaleCalc& l1 = risultati[PosizioneEtichetta(c[1]) - 1];
        l0.LAs = 80.0f, l0.PassoAs = 0.075f, l0.QAs = 123.4f, l0.DpAs = 1500.6f;
        l1.LAs = 80.01f, l1.PassoAs = 0.15f, l1.QAs = 99.5f, l1.DpAs = 7.2f;
        clicAlbero({0, -1});
        QCOMPARE(pagina->Label18->text(), QStringLiteral("Zona giorno"));
        QCOMPARE(pagina->Edit3->text(), QStringLiteral("45,0"));
        QCOMPARE(pagina->Edit4->text(), QStringLiteral("2"));
        QTreeWidget* v = pagina->ListView1;
        QCOMPARE(v->columnCount(), 7);
        QCOMPARE(v->topLevelItemCount(), 2);
        auto riga = [v](int r) {
            QStringList t;
            for (int k = 0; k < 7; ++k)
                t << v->topLevelItem(r)->text(k);
            return t;
        };
        QCOMPARE(riga(0),
                 (QStringList {QString::number(l0.ID), "PT", TestoCircuitoEtichetta(c[0]).trimmed(), "80", "7,5", "123",
                               "1501"}));
        QCOMPARE(riga(1),
                 (QStringList {QString::number(l1.ID), "PT", TestoCircuitoEtichetta(c[1]).trimmed(), "81", "15,0",
                               "100", "7"}));
        // Un circuito restituito sparisce anche dai dati; un nodo di circuito non li cambia.
        clicAlbero({0, 1});
        QTest::mouseClick(pagina->SpeedButton4, Qt::LeftButton);
        QCOMPARE(v->topLevelItemCount(), 1);
        QCOMPARE(pagina->Edit4->text(), QStringLiteral("1"));
        // Entrando nella pagina le caselle si svuotano.
        p->Pagina(0);
        p->Pagina(4);
        QVERIFY(pagina->Label18->text().isEmpty() && pagina->Edit3->text().isEmpty());
        QCOMPARE(v->topLevelItemCount(), 0);
    }

    // "Assegna automaticamente" su due piani: albero pieno, lista vuota, e "Tipo" apre la vista.
    void assegnaAutomaticamente()
    {
        apri(8);
        QVERIFY(pagina->BitBtnAssegna->isVisible());
        p->Stato().CollettoriConfermati = true;
        QTest::mouseClick(pagina->BitBtnAssegna, Qt::LeftButton);
        QVERIFY(a().Lista().isEmpty());
        QCOMPARE(a().NumeroCollettori(), 2);
        QCOMPARE(pagina->TreeView1->model()->rowCount(), 2);
        QCOMPARE(pagina->ListBox2->model()->rowCount(), 0);
        QVERIFY(!p->Stato().CollettoriConfermati);
        QStringList nomi;
        for (const auto& c : a().Collettori())
            nomi << c.Nome();
        nomi.sort();
        QCOMPARE(nomi, (QStringList {"P1 - 1", "PT - 1"}));
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        QCOMPARE(visteAperte, 1);
        QCOMPARE(p->dati.AuxCollettori->RecordCount(), 2);
    }

    void tipo_data()
    {
        QTest::addColumn<int>("assegnati");
        QTest::addColumn<bool>("collettoreVuoto");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("righe");
        QTest::newRow("circuiti non assegnati") << 3 << false << "V220HJ" << MsgNonAssegnati << -1;
        QTest::newRow("collettore senza circuiti") << 4 << true << "V220HJ" << MsgSenzaAnelli << -1;
        QTest::newRow("tipo senza DESCRCOLL") << 4 << false << "NONESISTE" << QString() << 0;
        QTest::newRow("calcolato") << 4 << false << "V220HJ" << QString() << 2;
    }
    void tipo()
    {
        QFETCH(int, assegnati);
        QFETCH(bool, collettoreVuoto);
        QFETCH(QString, tipo);
        QFETCH(QString, messaggio);
        QFETCH(int, righe);
        apri(2);
        QVERIFY(ImpostaCampi(p->dati.AuxDGenerali, {{"RIF_COLL", tipo}}));
        QCOMPARE(collettore("A", "PT", 2), 0);
        QCOMPARE(collettore("B", "P1", assegnati - 2), 1);
        if (collettoreVuoto) {
            nomeProssimo = "Vuoto";
            QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        }
        int righeViste = -1;
        nellaVista = [&](TMostraCColl& v) { righeViste = v.DBCtrlGrid1->Righe(); };
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        if (!messaggio.isEmpty())
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
        QCOMPARE(visteAperte, righe < 0 ? 0 : 1);
        QCOMPARE(righeViste, righe);
        QCOMPARE(p->dati.AuxCollettori->RecordCount(), qMax(righe, 0));
        if (righe == 2) {
            TMostraCColl* v = pagina->MostraCColl();
            for (int r = 0; r < 2; ++r) {
                QWidget* pannello = v->DBCtrlGrid1->Pannello(r);
                QCOMPARE(pannello->findChild<QLabel*>("DBText1")->text(), QString(r == 0 ? "A" : "B"));
                QCOMPARE(pannello->findChild<QLabel*>("DBText2")->text(), QStringLiteral("2"));
                QCOMPARE(
                    pannello->findChild<QLabel*>("DBText4")->text(),
                    QLocale().toString(
                        p->dati.AuxCollettori->ValoreRiga(r, p->dati.AuxCollettori->IndiceCampo("dP")).toLongLong()));
                QCOMPARE(v->DBCtrlGrid1->ElencoTipi(r)->currentData().toString(), QStringLiteral("V220HJ"));
            }
        }
    }

    // Conferma della vista: "Salva Impostazioni" e "Annulla" decidono, "Esci" lascia com'era.
    void confermaDellaVista_data()
    {
        QTest::addColumn<bool>("prima");
        QTest::addColumn<QStringList>("pulsanti");
        QTest::addColumn<bool>("dopo");
        QTest::newRow("Salva Impostazioni, Esci") << false << QStringList {"BitBtn1"} << true;
        QTest::newRow("Annulla, Esci") << true << QStringList {"BitBtn2"} << false;
        QTest::newRow("Salva, Annulla, Esci") << false << QStringList {"BitBtn1", "BitBtn2"} << false;
        QTest::newRow("Esci da confermati") << true << QStringList {} << true;
        QTest::newRow("Esci da non confermati") << false << QStringList {} << false;
    }
    void confermaDellaVista()
    {
        QFETCH(bool, prima);
        QFETCH(QStringList, pulsanti);
        QFETCH(bool, dopo);
        apri(1);
        QCOMPARE(collettore("A", "PT", 1), 0);
        QCOMPARE(collettore("B", "P1", 1), 1);
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton); // scrive AuxCollettori
        p->Stato().CollettoriConfermati = prima;
        p->Stato().ModoRegolazione = 0;
        nellaVista = [&](TMostraCColl& v) {
            QVERIFY(v.Timer1->isActive());
            QCOMPARE(v.Timer1->interval(), 600);
            QCOMPARE(v.size(), QSize(792, 566));
            QVERIFY(!v.DBCtrlGrid1->ElencoTipi(0)->isEnabled());
            const bool visibile = v.Label9->isVisible();
            QTRY_VERIFY_WITH_TIMEOUT(v.Label9->isVisible() != visibile, 2000);
            for (const QString& b : pulsanti)
                QTest::mouseClick(v.findChild<QPushButton*>(b), Qt::LeftButton);
            QVERIFY(v.isVisible());
        };
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        QCOMPARE(visteAperte, 2);
        QCOMPARE(p->Stato().CollettoriConfermati, dopo);
        QVERIFY(!pagina->MostraCColl()->isVisible());
        QVERIFY(!pagina->MostraCColl()->Timer1->isActive());
    }

    // Scelta del tipo di una riga: ricalcolo delle perdite di tutti i collettori, o il rifiuto
    // con il messaggio e il tipo di prima.
    void sceltaDelTipo_data()
    {
        QTest::addColumn<QString>("generale");
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("ricalcolo") << "V220HJ"
                                   << "V225" << QString();
        QTest::newRow("V221") << "V220HJ"
                              << "V221GB" << MsgTipologia;
        QTest::newRow("V221 anche da V220L") << "V220L"
                                             << "V221" << MsgTipologia;
        QTest::newRow("da V220L ad altro") << "V220L"
                                           << "V225" << MsgDatiGenerali;
        QTest::newRow("verso V220L") << "V220HJ"
                                     << "V220L" << MsgDatiGenerali;
    }
    void sceltaDelTipo()
    {
        QFETCH(QString, generale);
        QFETCH(QString, scelto);
        QFETCH(QString, messaggio);
        apri(2);
        QVERIFY(ImpostaCampi(p->dati.AuxDGenerali, {{"RIF_COLL", generale}}));
        p->Stato().ModoRegolazione = 1;
        QCOMPARE(collettore("A", "PT", 2), 0);
        QCOMPARE(collettore("B", "P1", 2), 1);
        TTabella* t = p->dati.AuxCollettori;
        const int dP = t->IndiceCampo("dP"), descr = t->IndiceCampo("Descrizione");
        nellaVista = [&](TMostraCColl& v) {
            // Perdite alterate: il ricalcolo le riscrive tutte, il rifiuto le lascia.
            for (int r = 0; r < 2; ++r) {
                t->VaiA(r);
                QVERIFY(ImpostaCampi(t, {{"dP", 1}}));
            }
            QComboBox* elenco = v.DBCtrlGrid1->ElencoTipi(1);
            QVERIFY(elenco->isEnabled());
            elenco->showPopup();
            QAbstractItemView* vista = elenco->view();
            QVERIFY(QTest::qWaitForWindowExposed(vista->window()));
            // Un rilascio subito dopo l'apertura dell'elenco viene ignorato come parte del clic che lo apre.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            const QModelIndex i = vista->model()->index(elenco->findData(scelto), 0);
            vista->scrollTo(i);
            QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(i).center());
            QTRY_VERIFY(!vista->isVisible());
            if (!messaggio.isEmpty()) {
                VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
                QCOMPARE(elenco->currentData().toString(), generale);
            }
        };
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        QCOMPARE(visteAperte, 1);
        QCOMPARE(t->State(), TStato::Consultazione);
        QCOMPARE(t->ValoreRiga(0, descr).toString(), generale);
        QCOMPARE(t->ValoreRiga(1, descr).toString(), messaggio.isEmpty() ? scelto : generale);
        for (int r = 0; r < 2; ++r) {
            double atteso = 1;
            if (messaggio.isEmpty())
                QVERIFY(PerditaCollettore(a(), r, KvtaCollettore(p->dati, t->ValoreRiga(r, descr).toString()), atteso));
            QCOMPARE(t->ValoreRiga(r, dP).toDouble(), atteso);
        }
    }

    void ottimizzazione_data()
    {
        QTest::addColumn<int>("locali");
        QTest::addColumn<int>("assegnati");
        QTest::addColumn<bool>("collettoreVuoto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("non assegnati") << 2 << 3 << false << MsgNonAssegnati;
        QTest::newRow("nessun collettore") << 0 << 0 << false << MsgNessuno;
        QTest::newRow("collettore vuoto") << 2 << 4 << true << MsgSenzaAnelli;
        QTest::newRow("si apre") << 2 << 4 << false << QString();
    }
    void ottimizzazione()
    {
        QFETCH(int, locali);
        QFETCH(int, assegnati);
        QFETCH(bool, collettoreVuoto);
        QFETCH(QString, messaggio);
        apri(locali);
        if (assegnati > 0) {
            QCOMPARE(collettore("A", "PT", 2), 0);
            QCOMPARE(collettore("B", "P1", assegnati - 2), 1);
        }
        if (collettoreVuoto) {
            nomeProssimo = "Vuoto";
            QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        }
        int aperture = 0;
        pagina->ApriOttimizzazione = [&] { ++aperture; };
        QTest::mouseClick(pagina->Button1, Qt::LeftButton);
        if (!messaggio.isEmpty())
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
        QCOMPARE(aperture, messaggio.isEmpty() ? 1 : 0);
    }

    // Un cambiamento dei locali tiene il lavoro sui collettori: i circuiti restano dove erano, i
    // nuovi si collegano, conferma e ottimizzazione si rifanno; entrando nella pagina un messaggio
    // lo dice una volta. Un collettore rimasto con due piani è segnato e "Tipo" lo rifiuta.
    void lavoroTenuto_data()
    {
        const QString conferma = "la conferma dei collettori è da ripetere; "
                                 "l'ottimizzazione dei circuiti è da ripetere";
        QTest::addColumn<QString>("modifica");
        QTest::addColumn<QStringList>("restaA");
        QTest::addColumn<QStringList>("restaB");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("rifiuto");
        const QStringList a = {"Stanza 1 - 1", "Stanza 2 - 1", "Stanza 3 - 1"};
        const QStringList b = {"Camera 4 - 1", "Camera 5 - 1", "Camera 6 - 1"};
        QTest::newRow("carico") << "carico" << a << b << conferma << QString();
        QTest::newRow("locale più grande")
            << "area" << a << b << QString("1 circuito nuovo da collegare; " + conferma) << QString();
        QTest::newRow("locale tolto")
            << "tolto" << a << b.mid(0, 2)
            << QString("1 circuito collegato non esiste più ed è stato tolto dal suo collettore; " + conferma)
            << QString();
        QTest::newRow("piano cambiato") << "piano" << a << b
                                        << QString("1 collettore, segnato nell'albero, ha circuiti di piani diversi o "
                                                   "più di 12 circuiti e va corretto; "
                                                   + conferma)
                                        << MsgPiani;
    }
    void lavoroTenuto()
    {
        QFETCH(QString, modifica);
        QFETCH(QStringList, restaA);
        QFETCH(QStringList, restaB);
        QFETCH(QString, messaggio);
        QFETCH(QString, rifiuto);
        apri(3);
        QVERIFY(ImpostaCampi(p->dati.AuxDGenerali, {{"RIF_COLL", "V220HJ"}}));
        QCOMPARE(collettore("A", "PT", 3), 0);
        QCOMPARE(collettore("B", "P1", 3), 1);
        nellaVista = [](TMostraCColl& v) { QTest::mouseClick(v.BitBtn1, Qt::LeftButton); };
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        QVERIFY(p->Stato().CollettoriConfermati);
        p->Stato().OttimizzazioneEseguita = true;
        TTabella* r = p->dati.AuxRegol;
        QVERIFY(ImpostaCampi(r, {{"term", "TERM1"}, {"attuatore", "J90X230"}, {"qterm", 6}, {"qattuat", 6}}));

        TTabella* l = p->dati.AuxLocali;
        for (l->First(); !l->Eof() && l->FieldByName("ID").AsInteger() != (modifica == "tolto" ? 6 : 1); l->Next()) { }
        if (modifica == "carico")
            QVERIFY(ImpostaCampi(l, {{"CTermico", 700}}));
        else if (modifica == "area")
            QVERIFY(ImpostaCampi(l, {{"Area", 60}, {"AreaUtile", 59}}));
        else if (modifica == "tolto")
            QVERIFY(l->Delete());
        else if (modifica == "piano")
            QVERIFY(ImpostaCampi(l, {{"Piano", "P1"}}));
        p->Pagina(0);
        p->Pagina(4);

        auto nomi = [this](int c) {
            QStringList n;
            for (const QString& e : circuiti(c))
                n << TestoVisibileEtichetta(e).mid(4);
            return n;
        };
        QCOMPARE(a().NumeroCollettori(), 2);
        QCOMPARE(nomi(0), restaA);
        QCOMPARE(nomi(1), restaB);
        const int nuovi = int(a().Lista().size());
        QCOMPARE(nuovi, modifica == "area" ? 1 : 0);
        if (nuovi > 0)
            QCOMPARE(TestoVisibileEtichetta(a().Lista().first()).mid(4), QStringLiteral("Stanza 1 - 2"));
        VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
        QVERIFY(!p->Stato().CollettoriConfermati && !p->Stato().OttimizzazioneEseguita);
        QCOMPARE(r->FieldByName("attuatore").AsString(), QStringLiteral("J90X230"));
        QCOMPARE(r->FieldByName("term").AsString(), QStringLiteral("TERM1"));
        QCOMPARE(r->FieldByName("qterm").AsInteger(), l->RecordCount());
        QCOMPARE(r->FieldByName("qattuat").AsInteger(), a().NumeroCircuitiAssegnati() + nuovi);
        QCOMPARE(pagina->ModelloAlbero()->Indice({0, -1}).data(RuoloNonValido).toBool(), !rifiuto.isEmpty());
        QVERIFY(!pagina->ModelloAlbero()->Indice({1, -1}).data(RuoloNonValido).toBool());
        // Il messaggio non si ripete al ritorno nella pagina.
        p->Pagina(0);
        p->Pagina(4);

        // I nuovi si collegano a mano; poi si conferma di nuovo, se il collettore è in regola.
        for (int i = 0; i < nuovi; ++i) {
            clicLista(0);
            clicAlbero({0, -1});
            QTest::mouseClick(pagina->SpeedButton3, Qt::LeftButton);
        }
        QVERIFY(a().Lista().isEmpty());
        const int viste = visteAperte;
        QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
        if (!rifiuto.isEmpty())
            VERIFICA_MESSAGGIO(registro, rifiuto, TIcona::Esclamazione);
        QCOMPARE(visteAperte, viste + (rifiuto.isEmpty() ? 1 : 0));
        QCOMPARE(p->Stato().CollettoriConfermati, rifiuto.isEmpty());
        // Neanche l'ottimizzazione parte su un collettore da sistemare.
        int aperture = 0;
        pagina->ApriOttimizzazione = [&] { ++aperture; };
        QTest::mouseClick(pagina->Button1, Qt::LeftButton);
        if (!rifiuto.isEmpty())
            VERIFICA_MESSAGGIO(registro, rifiuto, TIcona::Esclamazione);
        QCOMPARE(aperture, rifiuto.isEmpty() ? 1 : 0);
    }

    // "Nuovo", "Modifica", "Elimina" con il dialogo del nome.
    void collettoriEDialogo()
    {
        apri(1);
        TDefColl* d = pagina->DefColl();
        QCOMPARE(d->windowTitle(), QStringLiteral("Orvanti S.p.A."));
        QVERIFY(d->findChild<QLabel*>()->text() == QStringLiteral("Nome COLLETTORE"));
        // OK con il nome vuoto lascia il dialogo aperto; il testo si taglia a 13 caratteri.
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->focusWidget(), d->Edit1);
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QTest::keyClicks(d->Edit1, QStringLiteral("Collettore del piano terra"));
        QCOMPARE(d->Edit1->text(), QStringLiteral("Collettore de"));
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));

        // Il testo resta per la volta dopo: "Nuovo" con OK lo riusa, Annulla non crea nulla.
        dialoghi.esegui = [](QDialog& dlg) {
            dlg.show();
            QTest::mouseClick(static_cast<TDefColl&>(dlg).BitBtn1, Qt::LeftButton);
            return dlg.result();
        };
        QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        QCOMPARE(a().NumeroCollettori(), 1);
        QCOMPARE(a().Collettori()[0].testo, QStringLiteral("=>Collettore de"));
        dialoghi.esegui = [](QDialog& dlg) {
            dlg.show();
            QTest::mouseClick(static_cast<TDefColl&>(dlg).BitBtn2, Qt::LeftButton);
            return dlg.result();
        };
        QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        QCOMPARE(a().NumeroCollettori(), 1);
        dialoghi.esegui = [this](QDialog& dlg) { return esegui(dlg); };

        // "Modifica" solo su un collettore; due collettori possono avere lo stesso nome.
        nomeProssimo = "Giorno";
        QTest::mouseClick(pagina->SpeedButton1, Qt::LeftButton);
        clicAlbero({0, -1});
        QTest::mouseClick(pagina->SpeedButton5, Qt::LeftButton);
        QCOMPARE(a().Collettori()[0].Nome(), QStringLiteral("Giorno"));
        QCOMPARE(a().Collettori()[1].Nome(), QStringLiteral("Giorno"));

        // "Elimina" toglie solo un collettore senza circuiti, senza messaggi; l'albero resta aperto
        // dove lo era anche quando i collettori dopo quello tolto risalgono.
        clicLista(0);
        clicAlbero({1, -1});
        QTest::mouseClick(pagina->SpeedButton3, Qt::LeftButton);
        QCOMPARE(circuiti(1).size(), 1);
        for (TNodo n : {TNodo {1, -1}, TNodo {1, 0}}) {
            clicAlbero(n);
            QTest::mouseClick(pagina->SpeedButton2, Qt::LeftButton);
            QCOMPARE(a().NumeroCollettori(), 2);
        }
        clicAlbero({0, -1});
        QTest::mouseClick(pagina->SpeedButton2, Qt::LeftButton);
        QCOMPARE(a().NumeroCollettori(), 1);
        QCOMPARE(circuiti(0).size(), 1);
        QVERIFY(pagina->TreeView1->isExpanded(pagina->ModelloAlbero()->Indice({0, -1})));

        // Dopo la lettura di un progetto il nome proposto si svuota.
        QVERIFY(!d->Nome().isEmpty());
        TAgganciLettura agganci;
        p->finestra->AggiungiAgganci(agganci);
        QVERIFY(LeggiProgetto(p->Stato(), QCoreApplication::applicationDirPath() + "/nuovosr.nv", agganci));
        QVERIFY(d->Nome().isEmpty());
    }

    // Per guardarla a mano sotto Xvfb: TVL_DIMOSTRAZIONE=secondi tiene aperta la pagina con 40
    // circuiti e due collettori avviati; con TVL_DIMOSTRAZIONE_VISTA=1 apre la vista dei collegamenti.
    void dimostrazione()
    {
        const int secondi = qEnvironmentVariableIntValue("TVL_DIMOSTRAZIONE");
        if (secondi <= 0)
            QSKIP("solo a mano");
        apri(20);
        p->finestra->move(0, 0);
        const bool vista = qEnvironmentVariableIntValue("TVL_DIMOSTRAZIONE_VISTA") == 1;
        QCOMPARE(collettore("Piano terra", "PT", vista ? 12 : 4), 0);
        QCOMPARE(collettore("Primo piano", "P1", vista ? 12 : 3), 1);
        if (vista) {
            QCOMPARE(collettore("Taverna", "PT", 8), 2);
            QCOMPARE(collettore("Mansarda", "P1", 8), 3);
            p->Stato().ModoRegolazione = 1;
            nellaVista = [&](TMostraCColl&) { QTest::qWait(secondi * 1000); };
            QTest::mouseClick(pagina->BitBtn4, Qt::LeftButton);
            return;
        }
        clicAlbero({0, -1});
        QTest::qWait(secondi * 1000);
    }
};

QTEST_MAIN(TstPaginaCollettori)
#include "tst_paginacollettori.moc"
