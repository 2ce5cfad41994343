// Finestra di progetto: pagine, ingresso nelle pagine, cambio di pagina durante l'inserimento
// di un locale; pagine del cliente, dei dati generali (regole di copia, compatibilità tubo e
// pannello, tipo di collettore) e dei locali (griglia, regole delle aree, navigatore).
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "controlli/Ucontrolli.h"
#include "data/Uregole.h"
#include "editor/Upaginacliente.h"
#include "editor/Upaginadatigenerali.h"
#include "editor/Upaginalocali.h"
#include "pianta/finestre/Uvistapianta.h"
#include "posa/finestre/Udisegnoposa.h"
#include "posa/finestre/Ufinestraposa.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace {
// Scelta dell'utente in una lista del catalogo: la voce con quella chiave, poi la chiusura.
void scegli(TDBLookupComboBox* lista, const QString& chiave)
{
    const int i = lista->findData(chiave);
    QVERIFY2(i >= 0, qPrintable(chiave));
    lista->setCurrentIndex(i);
    Q_EMIT lista->activated(i);
}

// Scrive in una casella come l'utente e la lascia (il valore entra nel record).
void scrivi(TDBEdit* e, const QString& testo)
{
    e->setFocus();
    e->selectAll();
    if (testo.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        QTest::keyClicks(e, testo);
    Q_EMIT e->editingFinished();
}

// Valore di un campo di catalogo nella riga con quella chiave.
QVariant catalogo(TTabella* t, const char* chiave, const QString& valore, const char* campo)
{
    const int k = t->IndiceCampo(QLatin1String(chiave));
    for (int r = 0; r < t->RecordCount(); ++r)
        if (t->ValoreRiga(r, k).toString() == valore)
            return t->ValoreRiga(r, t->IndiceCampo(QLatin1String(campo)));
    return {};
}

const QString MsgTubo = QStringLiteral("Il tubo scelto non è idoneo per il pannello isolante impostato.");
const QString MsgPannello = QStringLiteral("Il pannello scelto non è idoneo per il tipo di tubo impostato.");
const QString Msg25 = QStringLiteral("Con il sistema scelto il tipo di tubo deve essere di diametro 25.");
const QString MsgRipristino = QStringLiteral(
    "\n\nÈ stata ripristinata la scelta precedente; le altre modifiche della pagina restano da confermare.");
} // namespace

class TstProgetto : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

private Q_SLOTS:
    // I numeri nelle celle si scrivono con la virgola.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    void pagine()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        const QStringList& titoli = TitoliPagine;
        QTabWidget* pc = p.finestra->PageControl1;
        QCOMPARE(pc->count(), titoli.size());
        for (int i = 0; i < pc->count(); ++i) {
            QCOMPARE(pc->tabText(i), titoli[i]);
            // Le sette pagine di sempre tengono i loro nomi; "Raffrescamento" segue la mandata.
            QCOMPARE(pc->widget(i)->objectName(),
                     i == 4 ? QStringLiteral("TabSheetRaffrescamento")
                            : QStringLiteral("TabSheet%1").arg(i < 4 ? i + 1 : i));
        }
        QCOMPARE(p.finestra->windowTitle(), QStringLiteral("Progetto"));
        QCOMPARE(pc->currentIndex(), 0);
    }

    // Un locale in inserimento tiene la pagina "Locali"; uno solo in modifica no.
    void cambioPaginaDuranteInserimento()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.Pagina(2);
        QCOMPARE(p.finestra->PageControl1->currentIndex(), 2);
        QVERIFY(p.dati.PaginaLocaliAttiva());
        p.dati.AuxLocali->Append();
        p.Pagina(0);
        QCOMPARE(p.finestra->PageControl1->currentIndex(), 2);
        p.dati.AuxLocali->Cancel();
        p.Pagina(0);
        QCOMPARE(p.finestra->PageControl1->currentIndex(), 0);
        QVERIFY(!p.dati.PaginaLocaliAttiva());
    }

    // Ctrl+Tab / Ctrl+PgGiù avanti, Ctrl+Maiusc+Tab / Ctrl+PgSu indietro, da dentro una pagina,
    // ricominciando dall'altro capo; un locale in inserimento tiene la pagina anche da tastiera.
    void paginaDaTastiera()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        QTabWidget* pc = p.finestra->PageControl1;
        p.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.finestra.get()));
        const auto premi = [&](Qt::Key tasto, Qt::KeyboardModifiers mod) {
            QWidget* fuoco = QApplication::focusWidget();
            QTest::keyClick(fuoco ? fuoco : pc->currentWidget(), tasto, mod);
            return pc->currentIndex();
        };
        pc->currentWidget()->setFocus();
        QCOMPARE(premi(Qt::Key_Tab, Qt::ControlModifier), 1);
        QCOMPARE(premi(Qt::Key_PageDown, Qt::ControlModifier), 2);
        QCOMPARE(premi(Qt::Key_PageUp, Qt::ControlModifier), 1);
        QCOMPARE(premi(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 0);
        QCOMPARE(premi(Qt::Key_PageUp, Qt::ControlModifier), pc->count() - 1);
        QCOMPARE(premi(Qt::Key_Tab, Qt::ControlModifier), 0);
        p.Pagina(2);
        p.dati.AuxLocali->Append();
        QCOMPARE(premi(Qt::Key_Tab, Qt::ControlModifier), 2);
        QCOMPARE(premi(Qt::Key_PageUp, Qt::ControlModifier), 2);
        p.dati.AuxLocali->Cancel();
        QCOMPARE(premi(Qt::Key_PageDown, Qt::ControlModifier), 3);
    }

    // Entrando in "T Mandata Progetto" e in "Collettori" il progetto è ricalcolato.
    void ingressoRicalcola()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.dati.LocaliModificati = true;
        p.Pagina(3);
        QVERIFY(!p.dati.LocaliModificati);
        p.dati.DGeneraliModificati = true;
        p.Pagina(4);
        QVERIFY(!p.dati.DGeneraliModificati);
    }

    void paginaCliente()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.finestra.get()));
        TPaginaCliente* c = p.finestra->TabSheet1;
        scrivi(c->DBEdit1, QStringLiteral("Casa Bianchi"));
        QCOMPARE(p.dati.AuxInfo->State(), TStato::Modifica);
        // Le note accettano al più 250 caratteri, anche incollati.
        c->DBMemo1->setFocus();
        c->DBMemo1->insertPlainText(QString(300, u'x'));
        QCOMPARE(c->DBMemo1->toPlainText().size(), 250);
        // "Conferma" registra anche la casella che l'utente non ha ancora lasciato.
        c->DBEdit2->setFocus();
        QTest::keyClicks(c->DBEdit2, QStringLiteral("Bianchi"));
        QToolButton* conferma = c->DBNavigator1->Pulsante(TDBNavigator::nbPost);
        QVERIFY(conferma->isVisible());
        QVERIFY(!c->DBNavigator1->Pulsante(TDBNavigator::nbFirst)->isVisible());
        conferma->click();
        QCOMPARE(p.dati.AuxInfo->State(), TStato::Consultazione);
        QCOMPARE(p.dati.AuxInfo->FieldByName("PROGETTO").AsString(), QStringLiteral("Casa Bianchi"));
        QCOMPARE(p.dati.AuxInfo->FieldByName("COMMITTENTE").AsString(), QStringLiteral("Bianchi"));
        QCOMPARE(p.dati.AuxInfo->FieldByName("Commento").AsString(), QString(250, u'x'));
    }

    // La X del navigatore di un modulo: un solo campo cambiato si butta come sempre; due o più
    // (anche l'ultimo ancora aperto nella casella) solo dopo la domanda, e "Annulla" li tiene.
    void annullaChiede_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("campi");
        QTest::addColumn<bool>("aperto"); // l'ultimo campo scritto senza lasciare la casella
        QTest::addColumn<int>("risposta"); // -1: nessuna domanda
        QTest::newRow("cliente, uno") << 0 << 1 << false << -1;
        QTest::newRow("cliente, uno aperto") << 0 << 1 << true << -1;
        QTest::newRow("cliente, due, sì") << 0 << 2 << false << 1;
        QTest::newRow("cliente, due, no") << 0 << 2 << false << 0;
        QTest::newRow("cliente, uno più uno aperto, no") << 0 << 2 << true << 0;
        QTest::newRow("dati generali, uno") << 1 << 1 << false << -1;
        QTest::newRow("dati generali, due, sì") << 1 << 2 << false << 1;
        QTest::newRow("dati generali, due, no") << 1 << 2 << false << 0;
    }
    void annullaChiede()
    {
        QFETCH(int, pagina);
        QFETCH(int, campi);
        QFETCH(bool, aperto);
        QFETCH(int, risposta);
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.finestra.get()));
        p.Pagina(pagina);
        TTabella* t = pagina == 0 ? p.dati.AuxInfo : p.dati.AuxDGenerali;
        TDBNavigator* nav = pagina == 0 ? p.finestra->TabSheet1->DBNavigator1 : p.finestra->TabSheet2->DBNavigator2;
        const QList<TDBEdit*> caselle = pagina == 0
            ? QList<TDBEdit*> {p.finestra->TabSheet1->DBEdit2, p.finestra->TabSheet1->DBEdit3}
            : QList<TDBEdit*> {p.finestra->TabSheet2->DBEdit6, p.finestra->TabSheet2->DBEdit9};
        const QStringList nomi
            = pagina == 0 ? QStringList {"COMMITTENTE", "PROGETTISTA"} : QStringList {"SPESS_MASS", "SPESS_RIV"};
        const QStringList testi = pagina == 0 ? QStringList {"Bianchi", "Rossi"} : QStringList {"77", "13"};
        QStringList prima;
        for (const QString& n : nomi)
            prima << t->FieldByName(n).AsString();
        for (int i = 0; i < campi; ++i) {
            if (aperto && i == campi - 1) {
                caselle[i]->setFocus();
                caselle[i]->selectAll();
                QTest::keyClicks(caselle[i], testi[i]);
                t->Edit();
            } else {
                scrivi(caselle[i], testi[i]);
            }
        }
        QCOMPARE(t->State(), TStato::Modifica);
        if (risposta >= 0)
            registro.Rispondi(risposta == 1);
        nav->Pulsante(TDBNavigator::nbCancel)->click();
        if (risposta >= 0)
            QCOMPARE(registro.Prendi().icona, TIcona::Domanda);
        QCOMPARE(registro.Quanti(), 0);
        if (risposta == 0) {
            QCOMPARE(t->State(), TStato::Modifica);
            for (int i = 0; i < campi - (aperto ? 1 : 0); ++i)
                QCOMPARE(t->FieldByName(nomi[i]).AsString(), testi[i]);
            t->Cancel();
            return;
        }
        QCOMPARE(t->State(), TStato::Consultazione);
        for (int i = 0; i < nomi.size(); ++i)
            QCOMPARE(t->FieldByName(nomi[i]).AsString(), prima[i]);
    }

    // Ogni lista copia dal catalogo i valori della riga scelta, senza confermare il record.
    void regoleDiCopia_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QStringList>("copie"); // "campo catalogo=campo dati generali"
        QTest::newRow("massetto") << "DBLookupComboBox1"
                                  << "Strutture"
                                  << "CODICE" << QStringList {"LAMBDA=LAMBDA_MASS"};
        QTest::newRow("rivestimento") << "DBLookupComboBox4"
                                      << "RivestimentoF"
                                      << "CODICE" << QStringList {"DESCRIZIONE=TIPO_RIV", "LAMBDA=LAMBDA_RIV"};
        QTest::newRow("soletta") << "DBLookupComboBox2"
                                 << "Solette"
                                 << "CODICE" << QStringList {"LAMBDA=LAMBDA_SOL"};
        QTest::newRow("tubo") << "DBLookupComboBox3"
                              << "Tubo"
                              << "RIF" << QStringList {"COND=LAMBDA_TUBO", "SPESSORE=SPESS_TUBO", "D EST=DEST_TUBO"};
        QTest::newRow("isolante") << "DBLookupComboBox5"
                                  << "Isolante"
                                  << "CODICE" << QStringList {"INTERASSE=INTERASSE"};
    }
    void regoleDiCopia()
    {
        QFETCH(QString, lista);
        QFETCH(QString, tabella);
        QFETCH(QString, chiave);
        QFETCH(QStringList, copie);
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        auto* l = p.finestra->findChild<TDBLookupComboBox*>(lista);
        TTabella* cat = p.dati.findChild<TTabella*>(tabella);
        // L'ultima voce del catalogo compatibile con il pannello e il tubo del modello.
        QString scelta;
        for (int i = l->count() - 1; i >= 0 && scelta.isEmpty(); --i) {
            const QString k = l->itemData(i).toString();
            const QString tubo = lista == "DBLookupComboBox3" ? k : "PEX162-BAO";
            const QString pannello = lista == "DBLookupComboBox5" ? k : "V539X771";
            if (k != l->Chiave() && MessaggioCompatibilita(tubo, pannello, true).isEmpty())
                scelta = k;
        }
        QVERIFY(!scelta.isEmpty());
        scegli(l, scelta);
        QCOMPARE(p.dati.AuxDGenerali->State(), TStato::Modifica);
        for (const QString& c : copie) {
            const QStringList d = c.split(u'=');
            const QVariant atteso = catalogo(cat, qPrintable(chiave), scelta, qPrintable(d[0]));
            QVERIFY2(!atteso.isNull(), qPrintable(c));
            const TCampo f = p.dati.AuxDGenerali->FieldByName(d[1]);
            if (f.Tipo() == TTipoCampo::Testo)
                QCOMPARE(f.AsString(), atteso.toString());
            else if (f.Tipo() == TTipoCampo::Small)
                QCOMPARE(f.AsInteger(), int(atteso.toDouble()));
            else
                QCOMPARE(f.AsFloat(), atteso.toDouble());
        }
        p.dati.AuxDGenerali->Cancel();
    }

    // Compatibilità tubo/pannello: un rifiuto rimette solo la scelta rifiutata (codice e valori
    // copiati), lo spessore del massetto appena scritto resta da confermare; il fuoco va al navigatore.
    void compatibilita_data()
    {
        QTest::addColumn<QString>("tubo"); // confermato prima
        QTest::addColumn<QString>("pannello"); // confermato prima
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("scelta");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("PEX25 sul V539X771") << "PEX162-BAO"
                                            << "V539X771"
                                            << "DBLookupComboBox3"
                                            << "PEX25" << MsgTubo;
        QTest::newRow("V539X771 con PEX25") << "PEX25"
                                            << "V510X771"
                                            << "DBLookupComboBox5"
                                            << "V539X771" << MsgPannello;
        QTest::newRow("V534X770- con PB162") << "PB162"
                                             << "V510X771"
                                             << "DBLookupComboBox5"
                                             << "V534X770-" << Msg25;
        QTest::newRow("PB162 sul V534X770-") << "PEX25"
                                             << "V534X770-"
                                             << "DBLookupComboBox3"
                                             << "PB162" << Msg25;
        QTest::newRow("V534X770- con PEX25") << "PEX25"
                                             << "V510X771"
                                             << "DBLookupComboBox5"
                                             << "V534X770-"
                                             << "";
        QTest::newRow("PB162 sul V539X771") << "PEX162-BAO"
                                            << "V539X771"
                                            << "DBLookupComboBox3"
                                            << "PB162"
                                            << "";
    }
    void compatibilita()
    {
        QFETCH(QString, tubo);
        QFETCH(QString, pannello);
        QFETCH(QString, lista);
        QFETCH(QString, scelta);
        QFETCH(QString, messaggio);
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.finestra.get()));
        TTabella* dg = p.dati.AuxDGenerali;
        QVERIFY(dg->FieldByName("COD_TUBO").Imposta(tubo));
        QVERIFY(dg->FieldByName("COD_ISOL").Imposta(pannello));
        QVERIFY(dg->FieldByName("LAMBDA_TUBO").Imposta(0.4));
        QVERIFY(dg->Post());
        p.Pagina(1);
        TPaginaDatiGenerali* g = p.finestra->TabSheet2;
        scrivi(g->DBEdit6, QStringLiteral("70"));
        QCOMPARE(dg->FieldByName("SPESS_MASS").AsInteger(), 70);
        scegli(p.finestra->findChild<TDBLookupComboBox*>(lista), scelta);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g->DBNavigator2));
        if (messaggio.isEmpty()) {
            QCOMPARE(dg->State(), TStato::Modifica);
            QCOMPARE(dg->FieldByName(lista == "DBLookupComboBox3" ? "COD_TUBO" : "COD_ISOL").AsString(), scelta);
            g->DBNavigator2->Pulsante(TDBNavigator::nbPost)->click();
            QCOMPARE(dg->FieldByName("SPESS_MASS").AsInteger(), 70);
            return;
        }
        VERIFICA_MESSAGGIO(registro, messaggio + MsgRipristino, TIcona::Esclamazione);
        QCOMPARE(dg->State(), TStato::Modifica);
        QCOMPARE(dg->FieldByName("COD_TUBO").AsString(), tubo);
        QCOMPARE(dg->FieldByName("COD_ISOL").AsString(), pannello);
        QCOMPARE(dg->FieldByName("LAMBDA_TUBO").AsFloat(), 0.4);
        QCOMPARE(dg->FieldByName("SPESS_MASS").AsInteger(), 70);
        QCOMPARE(g->DBEdit6->text(), QStringLiteral("70"));
        QCOMPARE(p.finestra->findChild<TDBLookupComboBox*>(lista)->Chiave(),
                 lista == "DBLookupComboBox3" ? tubo : pannello);
        g->DBNavigator2->Pulsante(TDBNavigator::nbPost)->click();
        QCOMPARE(dg->State(), TStato::Consultazione);
        QCOMPARE(dg->FieldByName("SPESS_MASS").AsInteger(), 70);
        QCOMPARE(dg->FieldByName("COD_TUBO").AsString(), tubo);
    }

    // Il tipo di collettore: V221... toglie collettore di caldaia, motore e regolatore (modo 0),
    // un altro tipo rimette il regolatore REG1 (modo 1); le quantità tornano sempre a 0.
    void tipoDiCollettore()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        TStatoProgetto& s = p.Stato();
        TTabella* reg = p.dati.AuxRegol;
        QCOMPARE(s.ModoRegolazione, 1);
        auto quantita = [&](int n) {
            for (const char* q : {"qterm", "qattuat", "qcald", "qreg"})
                QVERIFY(reg->FieldByName(QLatin1String(q)).Imposta(n));
            QVERIFY(reg->Post());
        };
        auto azzerate = [&] {
            for (const char* q : {"qterm", "qattuat", "qcald", "qreg"})
                if (reg->FieldByName(QLatin1String(q)).AsInteger() != 0)
                    return false;
            return reg->State() == TStato::Consultazione;
        };
        TDBLookupComboBox* tipo = p.finestra->TabSheet2->DBLookupComboBox6;
        p.Pagina(1);

        quantita(3);
        scegli(tipo, QStringLiteral("V221V-9"));
        QCOMPARE(s.ModoRegolazione, 0);
        QVERIFY(azzerate());
        for (const char* c : {"collcald", "attmix", "regol"})
            QVERIFY2(reg->FieldByName(QLatin1String(c)).AsString().isEmpty(), c);
        QCOMPARE(p.dati.AuxDGenerali->State(), TStato::Consultazione);
        QCOMPARE(p.dati.AuxDGenerali->FieldByName("RIF_COLL").AsString(), QStringLiteral("V221V-9"));

        // Stessa famiglia: il modo non cambia, le quantità sì.
        quantita(2);
        scegli(tipo, QStringLiteral("V221"));
        QCOMPARE(s.ModoRegolazione, 0);
        QVERIFY(azzerate());

        quantita(4);
        scegli(tipo, QStringLiteral("V225"));
        QCOMPARE(s.ModoRegolazione, 1);
        QCOMPARE(reg->FieldByName("regol").AsString(), QStringLiteral("REG1"));
        QVERIFY(azzerate());

        // Dati generali incompleti: il messaggio della regola e nient'altro.
        quantita(5);
        scrivi(p.finestra->TabSheet2->DBEdit6, QString());
        scegli(tipo, QStringLiteral("V221"));
        VERIFICA_MESSAGGIO(registro, TestiRegole::MancaSpessMass(), TIcona::Stop);
        QCOMPARE(s.ModoRegolazione, 1);
        QCOMPARE(reg->FieldByName("qterm").AsInteger(), 5);
        p.dati.AuxDGenerali->Cancel();
    }

    // Il tasto Tab salta le liste del pannello e del tubo; il navigatore conferma e segnala.
    void navigatoreDatiGenerali()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        TPaginaDatiGenerali* g = p.finestra->TabSheet2;
        QVERIFY(!(g->DBLookupComboBox5->focusPolicy() & Qt::TabFocus));
        QVERIFY(!(g->DBLookupComboBox3->focusPolicy() & Qt::TabFocus));
        QVERIFY(g->DBLookupComboBox1->focusPolicy() & Qt::TabFocus);
        p.Pagina(1);
        scrivi(g->DBEdit11, QStringLiteral("90"));
        QVERIFY(!p.dati.DGeneraliModificati);
        g->DBNavigator2->Pulsante(TDBNavigator::nbPost)->click();
        QVERIFY(p.dati.DGeneraliModificati);
        QCOMPARE(p.dati.AuxDGenerali->FieldByName("LUNGMAX").AsInteger(), 90);
    }

    // La griglia dei locali: undici colonne con i titoli (più bagno e carico estivo), righe nuove in coda dalla
    // tastiera, la lista dei rivestimenti, le regole delle aree solo su questa pagina.
    void grigliaLocali()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.finestra.get()));
        TPaginaLocali* pl = p.finestra->TabSheet3;
        TDBGrid* g = pl->DBGrid1;
        QStringList titoli;
        for (int c = 0; c < g->model()->columnCount(); ++c)
            titoli << g->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(
            titoli,
            (QStringList {"N°", "Descrizione", "Piano", "TA [°C]", "Area [mq]", "AreaUtile [mq]", "AreaMarg [mq]",
                          "CTermico [W]", "TipoRivestimento", "Spess. [mm]", "DColl [m]", "Bagno", "CEstivo [W]"}));
        QStringList suggerimenti;
        for (auto* b : pl->DBNavigator3->findChildren<QToolButton*>())
            if (b->isVisibleTo(pl->DBNavigator3))
                suggerimenti << b->toolTip();
        QCOMPARE(suggerimenti.size(), 7);
        QVERIFY(suggerimenti.contains("Conferma") && suggerimenti.contains("Annulla"));

        p.Pagina(2);
        g->setFocus();
        // Sulla tabella vuota si comincia a scrivere e la riga nasce con i valori predefiniti.
        QTest::keyClicks(g, QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        TTabella* l = p.dati.AuxLocali;
        QCOMPARE(l->State(), TStato::Inserimento);
        QCOMPARE(l->FieldByName("ID").AsInteger(), 7);
        QCOMPARE(l->FieldByName("TAmbiente").AsInteger(), 20);
        // Una cella scritta come l'utente: doppio clic per aprirla, il testo, Invio.
        auto cella = [&](const QString& campo, const QString& testo) {
            const int col = int(g->Modello()->Campi().indexOf(campo));
            const QModelIndex i = g->model()->index(g->Modello()->RigaCorrente(), col);
            // Dopo Tab la cella seguente è già aperta.
            const QWidget* aperta = QApplication::focusWidget();
            if (!aperta || aperta->parentWidget() != g->viewport() || g->currentIndex() != i) {
                g->setCurrentIndex(i);
                g->edit(i);
            }
            QWidget* editor = QApplication::focusWidget();
            QVERIFY(editor && editor != g);
            QTest::keyClicks(editor, testo);
            QTest::keyClick(editor, Qt::Key_Return);
            // Il delegato registra la cella al giro successivo del ciclo degli eventi.
            QCoreApplication::processEvents();
        };
        cella("Descrizione", "Soggiorno");
        cella("Piano", "PT");
        cella("Area", "80");
        QCOMPARE(l->FieldByName("AreaUtile").AsFloat(), 80.0);
        QCOMPARE(l->FieldByName("AreaMarginale").AsFloat(), 0.0);
        cella("AreaMarginale", "5");
        QCOMPARE(l->FieldByName("AreaMarginale").AsFloat(), 5.0);
        // L'area utile rifiutata azzera comunque la marginale.
        cella("AreaUtile", "80,5");
        VERIFICA_MESSAGGIO(registro, TestiRegole::AreaUtileNonValida(), TIcona::Stop);
        QCOMPARE(l->FieldByName("AreaUtile").AsFloat(), 80.0);
        QCOMPARE(l->FieldByName("AreaMarginale").AsFloat(), 0.0);
        cella("CTermico", "4000");
        // La lista dei rivestimenti scrive la descrizione e porta la conducibilità.
        const int colRiv = int(g->Modello()->Campi().indexOf("TipoRiv"));
        g->setCurrentIndex(g->model()->index(0, colRiv));
        g->edit(g->currentIndex());
        auto* lista = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(lista);
        TTabella* riv = p.dati.RivestimentoF;
        const QString parquet = riv->ValoreRiga(riv->RecordCount() - 1, riv->IndiceCampo("DESCRIZIONE")).toString();
        QVERIFY(parquet != l->FieldByName("Rivestimento").AsString());
        lista->setCurrentIndex(lista->findText(parquet));
        Q_EMIT lista->activated(lista->currentIndex());
        QCOMPARE(l->FieldByName("Rivestimento").AsString(), parquet);
        QCOMPARE(l->FieldByName("Lambda_Riv").AsFloat(),
                 catalogo(p.dati.RivestimentoF, "DESCRIZIONE", parquet, "LAMBDA").toDouble());

        // Durante l'inserimento le linguette non cambiano pagina.
        p.Pagina(0);
        QCOMPARE(p.finestra->PageControl1->currentIndex(), 2);
        QVERIFY(!p.dati.LocaliModificati);
        QVERIFY(pl->DBNavigator3->Pulsante(TDBNavigator::nbPost)->isEnabled());
        // Invio sull'ultima cella dell'ultima riga conferma il locale e resta lì.
        cella("DistColl", "6");
        QCOMPARE(g->currentIndex(), g->model()->index(0, 10));
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->RecordCount(), 1);
        QVERIFY(p.dati.LocaliModificati);
        QCOMPARE(g->model()->data(g->model()->index(0, 4)).toString(), QStringLiteral("80"));

        // Freccia in giù sull'ultima riga: un locale nuovo in coda; Esc lo annulla.
        g->setCurrentIndex(g->model()->index(0, 1));
        QTest::keyClick(g, Qt::Key_Down);
        QCOMPARE(l->State(), TStato::Inserimento);
        QCOMPARE(g->model()->rowCount(), 2);
        QTest::keyClick(g, Qt::Key_Escape);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(g->model()->rowCount(), 1);

        // Fuori dalla pagina "Locali" le regole delle aree tacciono.
        p.Pagina(0);
        QVERIFY(l->FieldByName("Area").Imposta(50.0));
        QCOMPARE(l->FieldByName("AreaUtile").AsFloat(), 80.0);
        QVERIFY(l->FieldByName("AreaMarginale").Imposta(90.0));
        l->Cancel();

        // Cancellare un locale chiede conferma; solo OK lo toglie.
        QToolButton* elimina = pl->DBNavigator3->Pulsante(TDBNavigator::nbDelete);
        for (bool ok : {false, true}) {
            registro.Rispondi(ok);
            elimina->click();
            VERIFICA_MESSAGGIO(registro, "Eliminare il locale selezionato?", TIcona::Domanda);
            QCOMPARE(l->RecordCount(), ok ? 0 : 1);
        }
    }

    // "Importa..." aggiunge i locali del file e li segna cambiati; "Esporta..." scrive le colonne
    // della griglia; un file rifiutato non aggiunge nulla e lo dice con l'icona di stop.
    void importaEsportaLocali()
    {
        QTemporaryDir cartella;
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        p.Pagina(2);
        TPaginaLocali* pagina = p.finestra->TabSheet3;
        const QString csv = cartella.filePath(QStringLiteral("locali.csv"));
        const QString uscita = cartella.filePath(QStringLiteral("esportati"));
        QString risposta;
        TRisposteDialoghi dialoghi;
        dialoghi.file = [&](const TSceltaFile&) { return risposta; };
        auto scrivi = [](const QString& f, const QByteArray& testo) {
            QFile file(f);
            return file.open(QIODevice::WriteOnly) && file.write(testo) == testo.size();
        };
        QVERIFY(scrivi(csv, "Descrizione;Piano;Area;CTermico;DColl\nSoggiorno;PT;25,5;1800;4\nBagno;PT;6;700;3\n"));
        p.dati.LocaliModificati = false;
        risposta = csv;
        QTest::mouseClick(pagina->BitBtnImporta, Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Esclamazione);
        QCOMPARE(p.dati.AuxLocali->RecordCount(), 2);
        QVERIFY(p.dati.LocaliModificati);

        QVERIFY(scrivi(csv, "Descrizione;Piano;Area;CTermico;DColl\nCucina;PT;12;900000;3\n"));
        QTest::mouseClick(pagina->BitBtnImporta, Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Stop);
        QCOMPARE(p.dati.AuxLocali->RecordCount(), 2);

        risposta = uscita;
        QTest::mouseClick(pagina->BitBtnEsporta, Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Esclamazione);
        QFile f(uscita + QStringLiteral(".csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString testo = QString::fromUtf8(f.readAll());
        QVERIFY(testo.contains(QStringLiteral("Soggiorno")));
        QVERIFY(testo.contains(QStringLiteral("25,5")));

        risposta.clear();
        QTest::mouseClick(pagina->BitBtnImporta, Qt::LeftButton);
        QCOMPARE(p.dati.AuxLocali->RecordCount(), 2);
    }

    // "Posa...": un circuito posato per riga con le lunghezze misurate e quella dimensionata;
    // "Lunghezze dal disegno" fa ricalcolare il progetto con il totale misurato (per eccesso) e,
    // spenta, lo riporta a quello dimensionato; il doppio clic sullo schema cambia quello del locale.
    void posaDalDisegno()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        TTabella* locali = p.dati.AuxLocali;
        QVERIFY(AggiungiLocale(locali, 1, 1400) && locali->Post());
        QVERIFY(AggiungiLocale(locali, 2, 900) && locali->Post());
        p.dati.LocaliModificati = true;
        TPiano& pt = p.Stato().Pianta.PianoOCrea(QStringLiteral("PT"));
        pt.locali << TContornoLocale {1, QPolygonF({{0, 0}, {5, 0}, {5, 4}, {0, 4}})}
                  << TContornoLocale {2, QPolygonF({{6, 0}, {10, 0}, {10, 5}, {6, 5}})};
        pt.collettori.insert(QStringLiteral("C1"), {5.5, 0.5});
        // La griglia dice quali valori vengono dalla pianta: Area 20 è quella del contorno 5 × 4,
        // AreaUtile 18 è scritta a mano; il carico non viene dalla pianta.
        TModelloTabella* griglia = p.finestra->TabSheet3->DBGrid1->Modello();
        const auto suggerimento = [&](int riga, const char* campo) {
            return griglia->data(griglia->index(riga, int(griglia->Campi().indexOf(campo))), Qt::ToolTipRole)
                .toString();
        };
        const QString venti = QLocale().toString(20.0, 'f', 2);
        QCOMPARE(suggerimento(0, "Area"), QStringLiteral("Dalla pianta: %1 m²").arg(venti));
        QCOMPARE(suggerimento(0, "AreaUtile"), QStringLiteral("Scritto a mano; la pianta dà %1 m²").arg(venti));
        QCOMPARE(suggerimento(0, "CTermico"), QString());
        p.finestra->TabSheet3->BitBtnPosa->click();
        auto* f = p.finestra->findChild<TFinestraPosa*>();
        QVERIFY(f && f->isVisible());
        const TStatoProgetto& s = p.Stato();
        QVERIFY2(f->Tabella->rowCount() == s.RisultatiLocali[0].NAs + s.RisultatiLocali[1].NAs,
                 qPrintable(f->LabelNote->text()));
        const auto numero
            = [&](int riga, int colonna) { return QLocale().toDouble(f->Tabella->item(riga, colonna)->text()); };
        QCOMPARE(numero(0, TFinestraPosa::Dimensionata), double(s.RisultatiLocali[0].LAs));
        double piuLungo = 0;
        for (int r = 0; r < f->Tabella->rowCount(); ++r)
            if (f->Tabella->item(r, TFinestraPosa::Locale)->text() == QLatin1String("1")) {
                QVERIFY(std::abs(numero(r, TFinestraPosa::Totale) - numero(r, TFinestraPosa::Anello)
                                 - numero(r, TFinestraPosa::Collegamenti))
                        <= 0.1 + 1e-9);
                piuLungo = std::max(piuLungo, numero(r, TFinestraPosa::Totale));
            }
        const float dimensionata = s.RisultatiLocali[0].LAs;
        QVERIFY(piuLungo > 0 && std::ceil(piuLungo - 0.05) != dimensionata);

        f->CheckLunghezze->click();
        QVERIFY(p.dati.ProgettoModificato);
        QVERIFY(p.Stato().RicalcolaProgetto());
        QVERIFY(std::abs(s.RisultatiLocali[0].LAs - std::ceil(piuLungo)) <= 1);
        QCOMPARE(numero(0, TFinestraPosa::Dimensionata), double(dimensionata));
        f->CheckLunghezze->click();
        QVERIFY(p.Stato().RicalcolaProgetto());
        QCOMPARE(s.RisultatiLocali[0].LAs, dimensionata);

        QCOMPARE(f->Tabella->item(0, TFinestraPosa::Schema)->text(), QStringLiteral("spirale"));
        const int id = f->Tabella->item(0, TFinestraPosa::Locale)->text().toInt();
        Q_EMIT f->Tabella->cellDoubleClicked(0, TFinestraPosa::Schema);
        QCOMPARE(p.Stato().Posa.SchemiLocali.value(id), TSchemaPosa::Serpentina);
        for (int r = 0; r < f->Tabella->rowCount(); ++r)
            QCOMPARE(f->Tabella->item(r, TFinestraPosa::Schema)->text(),
                     f->Tabella->item(r, TFinestraPosa::Locale)->text().toInt() == id ? QStringLiteral("serpentina")
                                                                                      : QStringLiteral("spirale"));

        // Il disegno: un piano, la riga scelta in evidenza; un clic sul tubo di un altro circuito
        // sceglie la sua riga. Il tubo si vede nel colore del suo collettore.
        QCOMPARE(f->TabPiani->count(), 1);
        QCOMPARE(f->TabPiani->tabText(0), QStringLiteral("Piano PT"));
        QVERIFY(f->TabPiani->height() > 0);
        const int ultima = f->Tabella->rowCount() - 1;
        f->Tabella->selectRow(ultima);
        const int evidenziato = f->Disegno->Evidenziato();
        QVERIFY(evidenziato >= 0);
        QCOMPARE(f->Disegno->Posa().circuiti[evidenziato].nome,
                 f->Tabella->item(ultima, TFinestraPosa::Circuito)->text());
        f->Tabella->selectRow(0);
        const int primo = f->Disegno->Evidenziato();
        const TCircuitoPiano& c = f->Disegno->Posa().circuiti[primo];
        f->Tabella->clearSelection();
        QCOMPARE(f->Disegno->Evidenziato(), -1);
        TVistaPianta* vista = f->Disegno->Vista();
        const QPolygonF& tubo = c.posa.ansa.tubo;
        const QPoint punto = vista->VersoSchermo((tubo[0] + tubo[1]) / 2).toPoint();
        const QImage immagine = vista->grab().toImage();
        QCOMPARE(immagine.pixelColor(punto).rgb() == QColor(Qt::white).rgb(), false);
        QTest::mouseClick(vista, Qt::LeftButton, {}, punto);
        QCOMPARE(f->Tabella->currentRow(), 0);
        QCOMPARE(f->Disegno->Evidenziato(), primo);

        // Ctrl+clic sul lato del circuito lontano dal collettore: l'ingresso scelto si salva con il
        // progetto, la posa entra da lì e lo tiene dopo un ricalcolo; "automatico" lo toglie.
        const int id2 = c.ID, numero2 = c.numero;
        const QRectF parte = c.posa.parte.esterno.boundingRect();
        // Il lato della parte opposto al collettore C1 (5,5; 0,5).
        const QPointF lontano(parte.center().x() < 5.5 ? parte.left() : parte.right(), parte.center().y());
        QTest::mouseClick(vista, Qt::LeftButton, Qt::ControlModifier, vista->VersoSchermo(lontano).toPoint());
        QCOMPARE(p.Stato().Posa.Ingressi.size(), 1);
        // L'ingresso del circuito sta sul lato della sua parte dove cade il punto scelto.
        const auto dalLatoScelto = [&] {
            for (const TCircuitoPiano& k : f->Disegno->Posa().circuiti)
                if (k.ID == id2 && k.numero == numero2 && k.zona == u's')
                    return (k.posa.ansa.tubo.first().x() - parte.center().x()) * (lontano.x() - parte.center().x()) > 0;
            return false;
        };
        QVERIFY(dalLatoScelto());
        p.dati.LocaliModificati = true;
        QVERIFY(p.Stato().RicalcolaProgetto());
        f->Aggiorna();
        QVERIFY(dalLatoScelto());
        f->Tabella->selectRow(0);
        f->ImpostaIngresso(0, std::nullopt);
        QVERIFY(p.Stato().Posa.Ingressi.isEmpty());
        QVERIFY(!dalLatoScelto());
    }
};

QTEST_MAIN(TstProgetto)
#include "tst_progetto.moc"
