// Modifiche del progettista e loro custodia: un locale in modifica che le regole rifiutano non
// blocca il programma (un messaggio, ritorno sulla riga), Tab e Invio sull'ultima cella della
// griglia dei locali e Tab che esce dalla griglia, le domande prima di chiudere solo con modifiche non salvate, i file
// che non sono progetti rifiutati senza finestra e senza voce nella cronologia.
#include "aiuti/RegistroMessaggi.h"
#include "app/Ucronologia.h"
#include "app/Umain.h"
#include "app/Ustampa.h"
#include "controlli/Ucontrolli.h"
#include "controlli/Udialoghi.h"
#include "data/Udatabase.h"
#include "data/Uregole.h"
#include "documents/foglio/Udocumento.h"
#include "editor/Udef.h"
#include "editor/Upaginalocali.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString MsgChiudi = QStringLiteral(
    "Sei sicuro di volere chiudere il progetto aperto?\n\nEventuali modifiche non salvate andranno perse.");
const QString MsgAbbandona = QStringLiteral(
    "Sei sicuro di volere abbandonare il progetto in corso?\n\nEventuali modifiche non salvate andranno perse.");

// Risponde alla finestra di salvataggio con un file fisso.
class TDialoghiFissi : public TDialoghi
{
public:
    QString file;
    QString ScegliFile(QWidget*, const TSceltaFile& scelta) override { return scelta.salva ? file : QString(); }
};

// Un locale scritto nella griglia come lo scrive l'utente: il testo di ogni cella seguito da Tab
// (una cella vuota si salta con Tab e tiene il suo valore); l'ultima cella finisce con il tasto dato.
void scriviLocale(const QStringList& celle, Qt::Key ultimo)
{
    for (int i = 0; i < celle.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        QVERIFY(w);
        if (!celle[i].isEmpty())
            QTest::keyClicks(w, celle[i]);
        QTest::keyClick(QApplication::focusWidget(), i + 1 < celle.size() ? Qt::Key_Tab : ultimo);
        // Invio registra la cella al giro successivo del ciclo degli eventi.
        QCoreApplication::processEvents();
    }
}

// Un comando come lo dà l'utente: linguetta di una pagina, Ctrl+S o il menu del rapporto.
void eseguiComando(TTERMOVELA& w, const QString& comando)
{
    const int pagina = QStringList {"T Mandata Progetto", "Collettori", "Regolazione"}.indexOf(comando);
    if (pagina >= 0) {
        // Per nome del foglio: le pagine aggiunte (Raffrescamento) spostano le posizioni.
        TPageControl* pagine = w.FinestraProgetto()->PageControl1;
        QWidget* scelta = pagine->findChild<QWidget*>(QStringLiteral("TabSheet%1").arg(pagina + 4));
        QTest::mouseClick(pagine->tabBar(), Qt::LeftButton, {},
                          pagine->tabBar()->tabRect(pagine->indexOf(scelta)).center());
    } else if (comando == QLatin1String("Ctrl+S")) {
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    } else {
        w.RapportoTecnico1->trigger();
    }
}

const QStringList Cucina = {"1", "Cucina", "PT", "", "20", "", "", "1000", "", "", "5"};
const QStringList Studio = {"2", "Studio", "PT", "", "15", "", "", "800", "", "", "4"};
// Le colonne "Bagno" e "CEstivo [W]" dopo i campi: Tab le attraversa prima di aprire la riga nuova.
const QStringList ColonneEn1264 = {"", ""};
} // namespace

class TstModifiche : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TDialoghiFissi dialoghi;
    QTemporaryDir avvio;

    // Progetto nuovo nella finestra principale, sulla pagina "Locali" con il fuoco nella griglia.
    static TDBGrid* paginaLocali(TTERMOVELA& w)
    {
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            return nullptr;
        w.SoloRiscaldamento1->trigger();
        TProgetto* p = w.FinestraProgetto();
        if (!p)
            return nullptr;
        QTabBar* barra = p->PageControl1->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(2).center());
        TDBGrid* g = p->TabSheet3->DBGrid1;
        g->setFocus();
        return g;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), avvio.filePath(f)));
        QVERIFY(QDir::setCurrent(avvio.path()));
        TDialoghi::installa(&dialoghi);
        TDocumenti::ImpostaCartellaDocumenti(avvio.filePath(QStringLiteral("Documenti")));
        TDocumenti::ImpostaApertura(false);
        qputenv("XDG_CONFIG_HOME", avvio.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void cleanupTestCase() { TDialoghi::installa(nullptr); }
    void cleanup()
    {
        QVERIFY(registro.Controlla());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Tab sull'ultima cella dell'ultima riga conferma il locale e apre una riga nuova sulla
    // prima colonna: il numero scritto dopo è quello del locale nuovo, non una modifica del
    // primo. Invio sull'ultima cella conferma il locale e resta lì.
    void tabEInvioSullUltimaCella()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        TTabella* l = dati.AuxLocali;
        scriviLocale(Cucina + ColonneEn1264, Qt::Key_Tab);
        QCOMPARE(l->RecordCount(), 1);
        QCOMPARE(l->State(), TStato::Inserimento);
        QCOMPARE(g->currentIndex(), g->model()->index(1, 0));
        QCOMPARE(QApplication::focusWidget(), g); // nessuna cella aperta
        scriviLocale(Studio, Qt::Key_Return);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->RecordCount(), 2);
        QCOMPARE(g->model()->rowCount(), 2);
        QCOMPARE(g->currentIndex(), g->model()->index(1, 10));
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("ID")).toInt(), 1);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("Descrizione")).toString(), QStringLiteral("Cucina"));
        QCOMPARE(l->ValoreRiga(1, l->IndiceCampo("ID")).toInt(), 2);
        QCOMPARE(l->ValoreRiga(1, l->IndiceCampo("CTermico")).toDouble(), 800.0);

        // Un locale incompleto: Tab sull'ultima cella dà il messaggio delle regole una volta e
        // resta sulla riga, sempre in inserimento.
        QTest::keyClick(g, Qt::Key_Down);
        scriviLocale(QStringList {"3", "", "PT", "", "10", "", "", "500", "", "", "2"} + ColonneEn1264, Qt::Key_Tab);
        VERIFICA_MESSAGGIO(registro, TestiRegole::MancaDescrizione(), TIcona::Stop);
        QCOMPARE(l->State(), TStato::Inserimento);
        QCOMPARE(g->currentIndex().row(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(g, Qt::Key_Escape);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->RecordCount(), 2);
    }

    // Tab non intrappola chi usa la tastiera: sull'ultima cella di una riga nuova rimasta vuota la
    // riga cade e il fuoco passa al controllo dopo la griglia; Shift+Tab sulla prima cella della
    // prima riga esce all'indietro. Con la cella aperta (F2, nulla scritto) come senza. Una riga
    // che le regole rifiutano resta in modifica con il messaggio e il fuoco nella griglia.
    void tabEsceDallaGriglia_data()
    {
        QTest::addColumn<bool>("cellaAperta");
        QTest::newRow("cella chiusa") << false;
        QTest::newRow("cella aperta") << true;
    }
    void tabEsceDallaGriglia()
    {
        QFETCH(bool, cellaAperta);
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        TTabella* l = dati.AuxLocali;
        const auto fuoriDallaGriglia = [g] {
            QWidget* f = QApplication::focusWidget();
            return f && f != g && !g->isAncestorOf(f);
        };
        const auto premi = [&](Qt::Key tasto) {
            if (cellaAperta)
                QTest::keyClick(g, Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), tasto);
            QCoreApplication::processEvents();
        };
        scriviLocale(Cucina + ColonneEn1264, Qt::Key_Tab);
        QCOMPARE(l->State(), TStato::Inserimento);
        const int colonne = g->model()->columnCount();
        for (int c = 0; c + 1 < colonne; ++c)
            QTest::keyClick(g, Qt::Key_Tab);
        QCOMPARE(g->currentIndex(), g->model()->index(1, colonne - 1));
        QVERIFY(!fuoriDallaGriglia());
        premi(Qt::Key_Tab);
        QVERIFY(fuoriDallaGriglia());
        QVERIFY(w.FinestraProgetto()->TabSheet3->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->RecordCount(), 1);
        QCOMPARE(g->model()->rowCount(), 1);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("ID")).toInt(), 1);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("Descrizione")).toString(), QStringLiteral("Cucina"));

        // Indietro dalla prima cella della prima riga, senza toccare il locale.
        g->setFocus(Qt::BacktabFocusReason);
        g->setCurrentIndex(g->model()->index(0, 0));
        premi(Qt::Key_Backtab);
        QVERIFY(fuoriDallaGriglia());
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->RecordCount(), 1);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("ID")).toInt(), 1);

        // Il locale senza descrizione: Shift+Tab dà il messaggio delle regole e resta sulla riga.
        g->setFocus(Qt::BacktabFocusReason);
        g->setCurrentIndex(g->model()->index(0, 1));
        QTest::keyClick(g, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCoreApplication::processEvents();
        QCOMPARE(g->currentIndex(), g->model()->index(0, 0));
        QCOMPARE(l->State(), TStato::Modifica);
        premi(Qt::Key_Backtab);
        VERIFICA_MESSAGGIO(registro, TestiRegole::MancaDescrizione(), TIcona::Stop);
        QCOMPARE(registro.Quanti(), 0);
        QVERIFY(!fuoriDallaGriglia());
        QCOMPARE(l->State(), TStato::Modifica);
        QCOMPARE(l->RecNo(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(g, Qt::Key_Escape);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("Descrizione")).toString(), QStringLiteral("Cucina"));
    }

    // Un locale già registrato, modificato nella griglia con un numero già presente: ogni
    // comando che percorre i locali mostra il messaggio una volta, si ferma e riporta il
    // progettista sulla riga, ancora in modifica; Esc la annulla e il comando poi riesce.
    void localeRifiutatoNonBlocca_data()
    {
        QTest::addColumn<QString>("comando");
        for (const char* c : {"T Mandata Progetto", "Collettori", "Regolazione", "Ctrl+S", "Rapporto Tecnico"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void localeRifiutatoNonBlocca()
    {
        QFETCH(QString, comando);
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        TTabella* l = dati.AuxLocali;
        scriviLocale(Cucina + ColonneEn1264, Qt::Key_Tab);
        scriviLocale(Studio, Qt::Key_Return);
        QCOMPARE(l->RecordCount(), 2);

        // Il numero del primo locale diventa 2, come lo scrive l'utente.
        g->setCurrentIndex(g->model()->index(0, 0));
        QTest::keyClicks(g, QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(l->State(), TStato::Modifica);
        QCOMPARE(l->FieldByName("ID").AsInteger(), 2);

        TProgetto* p = w.FinestraProgetto();
        const auto esegui = [&] { eseguiComando(w, comando); };
        esegui();
        VERIFICA_MESSAGGIO(registro, TestiRegole::LocaleNonRegistrato(), TIcona::Stop);
        QCOMPARE(registro.Quanti(), 0);
        QCOMPARE(p->PageControl1->currentIndex(), 2);
        QCOMPARE(l->State(), TStato::Modifica);
        QCOMPARE(l->RecNo(), 0);
        QTRY_COMPARE(g->currentIndex().row(), 0);
        QVERIFY(g->hasFocus());
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo("ID")).toInt(), 1);

        // Esc annulla la modifica; il comando ora procede.
        QTest::keyClick(g, Qt::Key_Escape);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->FieldByName("ID").AsInteger(), 1);
        if (comando == QLatin1String("Ctrl+S")) {
            dialoghi.file = avvio.filePath(QStringLiteral("rifiutato.tvl"));
            esegui();
            QVERIFY(QFileInfo::exists(dialoghi.file));
        } else if (comando == QLatin1String("Rapporto Tecnico")) {
            esegui();
            registro.PrendiTutti(); // l'avviso dei collettori non assegnati
            QVERIFY(!w.Stampa()->UltimoDocumento.isEmpty());
            QFile::remove(w.Stampa()->UltimoDocumento);
        } else {
            esegui();
            QVERIFY(p->PageControl1->currentIndex() > 2);
            QCOMPARE(p->Stato().RisultatiLocali.size(), 2);
        }
    }

    // Una cella aperta nella griglia (testo scritto, né Invio né Tab) al momento di Ctrl+S, di un
    // comando di stampa o di un cambio di pagina: il valore scritto entra nel record prima del
    // controllo delle modifiche. Accettato, il comando lo usa; rifiutato, il messaggio delle regole
    // una volta e la riga resta in modifica con il valore scritto, da correggere.
    void cellaApertaConfermata_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("accettato");
        for (const char* c : {"Ctrl+S", "Rapporto Tecnico", "T Mandata Progetto"}) {
            QTest::addRow("%s, descrizione", c) << c << 1 << "Salotto" << true;
            QTest::addRow("%s, numero doppio", c) << c << 0 << "2" << false;
        }
    }
    void cellaApertaConfermata()
    {
        QFETCH(QString, comando);
        QFETCH(int, colonna);
        QFETCH(QString, testo);
        QFETCH(bool, accettato);
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        TTabella* l = dati.AuxLocali;
        scriviLocale(Cucina + ColonneEn1264, Qt::Key_Tab);
        scriviLocale(Studio, Qt::Key_Return);
        QCOMPARE(l->RecordCount(), 2);
        dialoghi.file = avvio.filePath(QStringLiteral("aperta.tvl"));
        QFile::remove(dialoghi.file);

        g->setCurrentIndex(g->model()->index(0, colonna));
        QTest::keyClicks(g, testo.left(1));
        QTest::keyClicks(QApplication::focusWidget(), testo.mid(1));
        QVERIFY(QApplication::focusWidget() != g && g->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(l->State(), TStato::Consultazione);

        TProgetto* p = w.FinestraProgetto();
        eseguiComando(w, comando);
        const QString campo = colonna == 0 ? QStringLiteral("ID") : QStringLiteral("Descrizione");
        if (!accettato) {
            VERIFICA_MESSAGGIO(registro, TestiRegole::LocaleNonRegistrato(), TIcona::Stop);
            QCOMPARE(registro.Quanti(), 0);
            QCOMPARE(p->PageControl1->currentIndex(), 2);
            QCOMPARE(l->State(), TStato::Modifica);
            QCOMPARE(l->RecNo(), 0);
            QCOMPARE(l->FieldByName(campo).AsString(), testo);
            QVERIFY(!QFileInfo::exists(dialoghi.file));
            QTest::keyClick(g, Qt::Key_Escape);
            QCOMPARE(l->FieldByName("ID").AsInteger(), 1);
            return;
        }
        registro.PrendiTutti(); // l'avviso dei collettori non assegnati del rapporto
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo(campo)).toString(), testo);
        if (comando == QLatin1String("Ctrl+S")) {
            QFile f(dialoghi.file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains(testo.toLatin1()));
            QVERIFY(!w.ProgettoModificato());
        } else if (comando == QLatin1String("Rapporto Tecnico")) {
            QVERIFY(!w.Stampa()->UltimoDocumento.isEmpty());
            QFile::remove(w.Stampa()->UltimoDocumento);
        } else {
            QCOMPARE(p->PageControl1->currentIndex(), 3);
        }
    }

    // Un testo che non è un numero in una colonna numerica: il messaggio nomina la colonna come
    // la vede l'utente (non il campo del database) e il valore registrato non cambia.
    void testoNonNumerico_data()
    {
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("carico") << 7 << "abc"
                                << "CTermico"
                                << "'abc' non è un numero valido per CTermico [W].";
        QTest::newRow("area") << 4 << "12x"
                              << "Area"
                              << "'12x' non è un numero valido per Area [mq].";
        QTest::newRow("numero") << 0 << "uno"
                                << "ID"
                                << "'uno' non è un numero valido per N°.";
        QTest::newRow("distanza") << 10 << "5 m"
                                  << "DistColl"
                                  << "'5 m' non è un numero valido per DColl [m].";
    }
    void testoNonNumerico()
    {
        QFETCH(int, colonna);
        QFETCH(QString, testo);
        QFETCH(QString, campo);
        QFETCH(QString, messaggio);
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        TTabella* l = dati.AuxLocali;
        scriviLocale(Cucina, Qt::Key_Return);
        QCOMPARE(l->RecordCount(), 1);
        const QVariant prima = l->ValoreRiga(0, l->IndiceCampo(campo));
        g->setCurrentIndex(g->model()->index(0, colonna));
        QTest::keyClicks(g, testo.left(1));
        QTest::keyClicks(QApplication::focusWidget(), testo.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Stop);
        QCOMPARE(registro.Quanti(), 0);
        QTest::keyClick(g, Qt::Key_Escape);
        QCOMPARE(l->State(), TStato::Consultazione);
        QCOMPARE(l->ValoreRiga(0, l->IndiceCampo(campo)), prima);
    }

    // Chiudere (menu "Chiudi", "Esci", finestra) chiede solo se qualcosa è cambiato dall'apertura
    // o dall'ultimo salvataggio; la risposta decide.
    void domandeDiChiusura_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("modifica");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<bool>("domanda");
        for (const char* c : {"Chiudi", "Esci", "finestra"}) {
            QTest::addRow("%s senza modifiche", c) << c << "" << true << false;
            QTest::addRow("%s dopo il salvataggio", c) << c << "salvato" << true << false;
            QTest::addRow("%s con un locale, OK", c) << c << "locale" << true << true;
            QTest::addRow("%s con un locale, Annulla", c) << c << "locale" << false << true;
            QTest::addRow("%s con le impostazioni", c) << c << "impostazioni" << true << true;
            QTest::addRow("%s con una riga in modifica", c) << c << "in modifica" << false << true;
        }
    }
    void domandeDiChiusura()
    {
        QFETCH(QString, comando);
        QFETCH(QString, modifica);
        QFETCH(bool, risposta);
        QFETCH(bool, domanda);
        TDati dati;
        TTERMOVELA w(&dati);
        TDBGrid* g = paginaLocali(w);
        QVERIFY(g);
        if (modifica == QLatin1String("locale") || modifica == QLatin1String("salvato"))
            scriviLocale(Cucina, Qt::Key_Return);
        if (modifica == QLatin1String("salvato")) {
            dialoghi.file = avvio.filePath(QStringLiteral("chiuso.tvl"));
            w.Salva1->trigger();
        }
        if (modifica == QLatin1String("impostazioni"))
            w.FinestraProgetto()->Stato().SalvaImpostazioni(0, 45);
        if (modifica == QLatin1String("in modifica"))
            QVERIFY(dati.AuxInfo->FieldByName("COMMITTENTE").Imposta(QStringLiteral("Rossi")));
        if (domanda)
            registro.Rispondi(risposta);
        if (comando == QLatin1String("Chiudi"))
            w.Chiudi1->trigger();
        else if (comando == QLatin1String("Esci"))
            w.Esci1->trigger();
        else
            w.close();
        if (domanda)
            VERIFICA_MESSAGGIO(registro, comando == QLatin1String("Chiudi") ? MsgChiudi : MsgAbbandona,
                               TIcona::Domanda);
        QCOMPARE(bool(w.FinestraProgetto()), !risposta);
        QCOMPARE(w.isVisible(), !risposta || comando == QLatin1String("Chiudi"));
    }

    // Un file che non è un progetto: il messaggio, nessuna finestra, nessuna voce nella
    // cronologia (nemmeno nel file); i progetti veri si aprono dopo come sempre.
    void fileNonProgetto_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QByteArray casuali(4096, '\0');
        QRandomGenerator caso(25);
        for (char& c : casuali)
            c = char(caso.bounded(256));
        QImage immagine(64, 64, QImage::Format_RGB32);
        immagine.fill(Qt::darkRed);
        QByteArray png;
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        QVERIFY(immagine.save(&b, "PNG"));
        QTest::newRow("byte a caso") << casuali;
        QTest::newRow("vuoto") << QByteArray();
        QTest::newRow("testo") << QByteArray("Progetto Villa Rossi\r\nLocali: 12\r\n").repeated(60);
        QTest::newRow("immagine PNG") << png;
    }
    void fileNonProgetto()
    {
        QFETCH(QByteArray, contenuto);
        const QString nome = avvio.filePath(QStringLiteral("altro.tvl"));
        QFile f(nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
        f.close();
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.ApriDaPercorso(nome);
        VERIFICA_MESSAGGIO(registro, QString::fromUtf8(MsgNonProgetto), TIcona::Domanda);
        QVERIFY(!w.FinestraProgetto());
        QCOMPARE(w.windowTitle(), QStringLiteral("TERMOVELA"));
        QVERIFY(w.NomeFile.isEmpty());
        QVERIFY(w.Apri1->isEnabled());
        QCOMPARE(w.Cronologia()->Corrente(), QString());
        QVERIFY(!w.Cronologia()->Voci().contains(nome));
        QFile storia(avvio.filePath(QStringLiteral("History")));
        if (storia.open(QIODevice::ReadOnly))
            QVERIFY(!storia.readAll().contains("altro.tvl"));
        // Un modello si apre subito dopo.
        w.RegolazioneV2251->trigger();
        QVERIFY(w.FinestraProgetto());
        w.Chiudi1->trigger();
    }
};

QTEST_MAIN(TstModifiche)
#include "tst_modifiche.moc"
