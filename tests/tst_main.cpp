// Finestra principale: stato all'avvio, menu, sfondo, uscita e finestra "Info"; i comandi dei
// progetti (nuovo, apri, salva, salva con nome, chiudi) con titoli, menu, messaggi e cronologia.
#include "aiuti/RegistroMessaggi.h"
#include "app/Ucronologia.h"
#include "app/Uinfo.h"
#include "app/Umain.h"
#include "controlli/Ucaricamento.h"
#include "controlli/Ucontrolli.h"
#include "controlli/Udialoghi.h"
#include "data/Udatabase.h"
#include "documents/foglio/Udocumento.h"
#include "editor/Udef.h"
#include "editor/Upaginacliente.h"
#include "editor/Upaginacollettori.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QDateTime>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSet>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {
// Conta i ridisegni dell'area e ricorda se l'ultimo copriva tutta l'area.
class TContaRidisegni : public QObject
{
public:
    int ridisegni = 0;
    bool interoUltimo = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++ridisegni;
            auto* w = static_cast<QWidget*>(o);
            interoUltimo = static_cast<QPaintEvent*>(e)->region().contains(w->rect());
        }
        return false;
    }
};

// Risponde alle finestre di apertura e salvataggio al posto dell'utente.
class TDialoghiDiProva : public TDialoghi
{
public:
    QStringList risposte; // una per finestra aperta; "" = Annulla
    QStringList proposti; // nomi proposti dalle finestre di salvataggio
    QStringList cartelle; // cartelle in cui si aprono le finestre di salvataggio
    int aperture = 0;
    QString ScegliFile(QWidget*, const TSceltaFile& scelta) override
    {
        if (scelta.salva) {
            proposti << scelta.proposto;
            cartelle << scelta.cartella;
        }
        else {
            ++aperture;
        }
        return risposte.isEmpty() ? QString() : risposte.takeFirst();
    }
};

const QString MsgFileMancante = QStringLiteral("Non è possibile aprire il file.\n\nVerificare che il file esista o che "
                                               "non sia stato spostato in un altra cartella.");
const QString MsgAltroProgetto
    = QStringLiteral("Non è possibile aprire un altro progetto!\n\nChiudere prima il progetto in corso.");
const QString MsgChiudi = QStringLiteral(
    "Sei sicuro di volere chiudere il progetto aperto?\n\nEventuali modifiche non salvate andranno perse.");
const QString MsgAbbandona = QStringLiteral(
    "Sei sicuro di volere abbandonare il progetto in corso?\n\nEventuali modifiche non salvate andranno perse.");

// Titolo, menu e NomeFile di uno stato della tabella dei comandi.
void verificaStato(const TTERMOVELA& w, const QString& titolo, bool aperto, const QString& nomeFile)
{
    QCOMPARE(w.windowTitle(), titolo);
    QCOMPARE(w.Nuovo1->menuAction()->isEnabled(), !aperto);
    QCOMPARE(w.Apri1->isEnabled(), !aperto);
    QCOMPARE(w.Salva1->isEnabled(), aperto);
    QCOMPARE(w.SalvaconNome1->isEnabled(), aperto);
    QCOMPARE(w.Chiudi1->isEnabled(), aperto);
    QCOMPARE(bool(w.FinestraProgetto()), aperto);
    QCOMPARE(w.NomeFile, nomeFile);
}

QStringList testiMenu(QMenu* m)
{
    QStringList l;
    for (QAction* a : m->actions())
        l << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return l;
}
} // namespace

class TstMain : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TDialoghiDiProva dialoghi;
    // Cartella di avvio dei test: i modelli e lo sfondo del programma, la cronologia dei test.
    QTemporaryDir avvio;
    QTemporaryDir progetti;

    QString progetto(const char* nome) const { return progetti.filePath(QString::fromLatin1(nome)); }

    // Progetto nuovo dal modello V220HJ con un nome, salvato in un file; finestra chiusa.
    QString preparaFile(TTERMOVELA& w, const char* nome)
    {
        w.SoloRiscaldamento1->trigger();
        TDBEdit* e = w.FinestraProgetto()->TabSheet1->DBEdit1;
        e->setText(QString::fromLatin1(nome));
        e->setModified(true);
        e->Conferma();
        w.FinestraProgetto()->Dati().AuxInfo->Post();
        dialoghi.risposte << progetto(nome);
        w.SalvaconNome1->trigger();
        // Appena salvato: chiudere non chiede nulla.
        w.Chiudi1->trigger();
        return progetto(nome);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv", "tvlbg"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), avvio.filePath(f)));
        QVERIFY(QDir::setCurrent(avvio.path()));
        TDialoghi::installa(&dialoghi);
        // Le impostazioni ricordate (misura della finestra, ultima cartella) restano nella cartella della prova.
        qputenv("XDG_CONFIG_HOME", avvio.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void init()
    {
        QFile::remove(avvio.filePath(QStringLiteral("History")));
        dialoghi = TDialoghiDiProva();
    }
    void cleanup()
    {
        registro.Controlla();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(dialoghi.risposte.isEmpty(), "risposte alle finestre dei file non usate");
    }

    // Nuovo da ogni modello: progetto senza titolo, menu di un progetto aperto.
    void nuovoDaOgniModello_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("collettore");
        QTest::addColumn<int>("modoRegolazione");
        QTest::newRow("V220HJ") << "SoloRiscaldamento1"
                                << "V220HJ" << 1;
        QTest::newRow("punto fisso") << "RegolazionePUNTOFISSO1"
                                     << "V220HJ" << 1;
        QTest::newRow("V221V-9") << "RegolazioneV221V1"
                                 << "V221V-9" << 0;
        QTest::newRow("V225") << "RegolazioneV2251"
                              << "V225" << 1;
    }
    void nuovoDaOgniModello()
    {
        QFETCH(QString, voce);
        QFETCH(QString, collettore);
        QFETCH(int, modoRegolazione);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.findChild<QAction*>(voce)->trigger();
        verificaStato(w, QStringLiteral("TERMOVELA : [Senza Titolo]"), true, QString());
        QCOMPARE(w.TitoloBase, QStringLiteral("TERMOVELA"));
        QVERIFY(w.Stampe->menuAction()->isEnabled());
        QVERIFY(!w.Occupato);
        TProgetto* p = w.FinestraProgetto();
        QCOMPARE(p->PageControl1->currentIndex(), 0);
        QCOMPARE(w.focusWidget(), p->TabSheet1->DBEdit1);
        QVERIFY(p->parentWidget()->isMaximized());
        QCOMPARE(dati.AuxDGenerali->FieldByName("RIF_COLL").AsString(), collettore);
        QCOMPARE(p->Stato().ModoRegolazione, modoRegolazione);
        QVERIFY(w.Cronologia()->Corrente().isEmpty());
        // Un secondo "Nuovo" non può arrivare dal menu, disabilitato.
        QVERIFY(!w.Nuovo1->menuAction()->isEnabled());
    }

    // Senza i modelli nella cartella di avvio ogni voce dà il messaggio e il titolo non cambia.
    void modelloMancante()
    {
        QTemporaryDir vuota;
        QVERIFY(QDir::setCurrent(vuota.path()));
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QDir::setCurrent(avvio.path()));
        for (QAction* a : {w.SoloRiscaldamento1, w.RegolazionePUNTOFISSO1, w.RegolazioneV221V1, w.RegolazioneV2251}) {
            a->trigger();
            VERIFICA_MESSAGGIO(registro, MsgFileMancante, TIcona::Esclamazione);
            verificaStato(w, QStringLiteral("TERMOVELATOOL"), false, QString());
        }
        QCOMPARE(w.TitoloBase, QStringLiteral("TERMOVELATOOL"));
    }

    // "Apri" (o la riga di comando, o la cronologia) su un percorso che non è un file: il messaggio
    // dice che cos'è, nessun progetto si apre, il titolo e la cronologia non cambiano.
    void apriCioCheNonEUnFile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo"); // vuoto: il messaggio del file mancante
        QTest::newRow("cartella") << "cartella"
                                  << "è una cartella";
        QTest::newRow("pipe") << "pipe"
                              << "non è un file normale (è una pipe)";
        QTest::newRow("/dev/zero") << "/dev/zero"
                                   << "non è un file normale (è un dispositivo)";
        QTest::newRow("collegamento circolare") << "ciclo"
                                                << "è un collegamento simbolico circolare";
        QTest::newRow("mancante") << "mancante"
                                  << "";
    }
    void apriCioCheNonEUnFile()
    {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QTemporaryDir d;
        QString p = d.filePath("progetto.tvl");
        if (caso == "cartella")
            QVERIFY(QDir().mkpath(p));
        else if (caso == "pipe")
            QCOMPARE(QProcess::execute("mkfifo", {p}), 0);
        else if (caso == "/dev/zero")
            p = caso;
        else if (caso == "ciclo")
            QVERIFY(QFile::link(p, p + ".altro") && QFile::link(p + ".altro", p));
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.ApriDaPercorso(p);
        VERIFICA_MESSAGGIO(registro,
                           motivo.isEmpty()
                               ? MsgFileMancante
                               : QStringLiteral("Non è possibile aprire il file.\n\n\"%1\" %2.").arg(p, motivo),
                           TIcona::Esclamazione);
        verificaStato(w, QStringLiteral("TERMOVELATOOL"), false, QString());
        QVERIFY(w.Cronologia()->Corrente().isEmpty());
    }

    // Nuovo, "Salva" senza titolo (nome proposto in maiuscolo), "Salva" con titolo, chiudi con
    // Annulla e con OK, riapertura dalla cronologia, secondo progetto rifiutato.
    void cicloDiUnProgetto()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.RegolazioneV2251->trigger();
        TDBEdit* nome = w.FinestraProgetto()->TabSheet1->DBEdit1;
        nome->setText(QStringLiteral("Villa Rossi"));
        nome->setModified(true);
        nome->Conferma();
        QVERIFY(dati.AuxInfo->Post());

        const QString a = progetto("villa.tvl");
        dialoghi.risposte << a;
        w.Salva1->trigger();
        QCOMPARE(dialoghi.proposti, QStringList {"VILLA ROSSI"});
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        QVERIFY(QFileInfo(a).size() > 0);

        // Con un nome "Salva" scrive subito, senza finestra, e il titolo resta.
        QVERIFY(dati.AuxInfo->FieldByName("COMMITTENTE").Imposta(QStringLiteral("Rossi")));
        QVERIFY(dati.AuxInfo->Post());
        w.Salva1->trigger();
        QCOMPARE(dialoghi.proposti.size(), 1);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);

        // Una modifica non salvata: chiudere chiede, e con Annulla resta tutto com'è.
        QVERIFY(dati.AuxInfo->FieldByName("COMMITTENTE").Imposta(QStringLiteral("Bianchi")));
        QVERIFY(dati.AuxInfo->Post());
        registro.Rispondi(false);
        w.Chiudi1->trigger();
        VERIFICA_MESSAGGIO(registro, MsgChiudi, TIcona::Domanda);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        registro.Rispondi(true);
        w.Chiudi1->trigger();
        VERIFICA_MESSAGGIO(registro, MsgChiudi, TIcona::Domanda);
        verificaStato(w, QStringLiteral("TERMOVELA"), false, QString());
        QVERIFY(!w.Stampe->menuAction()->isEnabled());
        QCOMPARE(w.Cronologia()->Azioni().size(), 1);
        QCOMPARE(w.Cronologia()->Azioni().first()->text(), QStringLiteral("&1 ") + a);

        // Dalla cronologia: il file riletto, con il committente salvato la seconda volta.
        w.Cronologia()->Azioni().first()->trigger();
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        QCOMPARE(dati.AuxInfo->FieldByName("COMMITTENTE").AsString(), QStringLiteral("Rossi"));
        QVERIFY(w.Cronologia()->Voci().isEmpty());

        // Salva con nome: il primo file entra nella cronologia; il titolo usa TitoloBase.
        const QString b = progetto("villa2.tvl");
        dialoghi.risposte << b;
        w.SalvaconNome1->trigger();
        QCOMPARE(dialoghi.proposti.last(), QStringLiteral("VILLA ROSSI"));
        verificaStato(w, QStringLiteral("TERMOVELA : ") + b, true, b);
        QCOMPARE(w.Cronologia()->Voci(), QStringList {a});

        // Un secondo progetto dalla cronologia è rifiutato e quello aperto resta com'è.
        TProgetto* aperta = w.FinestraProgetto();
        w.Cronologia()->Azioni().first()->trigger();
        VERIFICA_MESSAGGIO(registro, MsgAltroProgetto, TIcona::Esclamazione);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + b, true, b);
        QCOMPARE(w.FinestraProgetto(), aperta);
        QCOMPARE(dati.AuxInfo->FieldByName("COMMITTENTE").AsString(), QStringLiteral("Rossi"));

        // Annullare la finestra di salvataggio non cambia nulla.
        dialoghi.risposte << QString();
        w.SalvaconNome1->trigger();
        verificaStato(w, QStringLiteral("TERMOVELA : ") + b, true, b);
    }

    // Un progetto letto mostra ogni collettore aperto sui suoi circuiti, anche quelli che erano
    // chiusi quando è stato salvato.
    void alberoEspansoDopoLaLettura()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.SoloRiscaldamento1->trigger();
        TAssegnazione& a = w.FinestraProgetto()->Stato().Assegnazione;
        for (const char* collettore : {"Piano terra", "Primo piano", "Mansarda"}) {
            a.AggiungiCollettoreNodo(TestoNodoCollettore(QString::fromLatin1(collettore)));
            for (int i = 1; i <= 2; ++i)
                a.AggiungiCircuitoNodo(EtichettaCircuito(QStringLiteral("Camera %1").arg(i), u's', i));
        }
        QTreeView* albero = w.FinestraProgetto()->TabSheet5->TreeView1;
        albero->collapseAll();
        const QString file = progetto("albero.tvl");
        dialoghi.risposte << file;
        w.SalvaconNome1->trigger();
        // Appena salvato: la chiusura non chiede nulla.
        w.Chiudi1->trigger();
        registro.Prendi();

        w.ApriDaPercorso(file);
        QVERIFY(w.FinestraProgetto());
        TPaginaCollettori* pagina = w.FinestraProgetto()->TabSheet5;
        w.FinestraProgetto()->PageControl1->setCurrentWidget(pagina);
        QApplication::processEvents();
        albero = pagina->TreeView1;
        QAbstractItemModel* m = albero->model();
        QCOMPARE(m->rowCount(), 3);
        for (int r = 0; r < m->rowCount(); ++r) {
            const QModelIndex c = m->index(r, 0);
            QCOMPARE(m->rowCount(c), 2);
            QVERIFY2(albero->isExpanded(c), qPrintable(c.data().toString()));
        }
        // I circuiti si vedono: la riga sotto il primo collettore è il suo primo circuito.
        QCOMPARE(albero->indexBelow(m->index(0, 0)), m->index(0, 0, m->index(0, 0)));
    }

    // Aperto un progetto all'avvio e salvato con nome, il titolo comincia con TERMOVELATOOL.
    void apriESalvaConNomeDallAvvio()
    {
        QString a;
        {
            TDati dati;
            TTERMOVELA w(&dati);
            w.show();
            a = preparaFile(w, "avvio.tvl");
        }
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        dialoghi.risposte << QString();
        w.Apri1->trigger();
        QCOMPARE(dialoghi.aperture, 1);
        verificaStato(w, QStringLiteral("TERMOVELATOOL"), false, QString());
        dialoghi.risposte << a;
        w.Apri1->trigger();
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        QCOMPARE(dati.AuxInfo->FieldByName("PROGETTO").AsString(), QStringLiteral("avvio.tvl"));
        const QString b = progetto("AVVIO2.tvl");
        dialoghi.risposte << b;
        w.SalvaconNome1->trigger();
        verificaStato(w, QStringLiteral("TERMOVELATOOL : ") + b, true, b);
        // Un file sparito: il messaggio, e la voce resta nella cronologia.
        w.Chiudi1->trigger();
        QVERIFY(QFile::remove(a));
        w.Cronologia()->Azioni().at(1)->trigger();
        VERIFICA_MESSAGGIO(registro, MsgFileMancante, TIcona::Esclamazione);
        verificaStato(w, QStringLiteral("TERMOVELA"), false, QString());
        QCOMPARE(w.Cronologia()->Voci(), (QStringList {b, a}));
    }

    // Le modifiche in sospeso fermano il salvataggio con il loro messaggio; un locale solo in
    // modifica (non in inserimento) no.
    void modificheInSospeso_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<bool>("inserimento");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("locale nuovo") << "AuxLocali" << true
                                      << "Completare l'inserimento dei dati nella riga selezionata della tabella "
                                         "Locali o\n\nannullare la riga con X.";
        QTest::newRow("dati generali") << "AuxDGenerali" << false
                                       << "Confermare le modifiche nella scheda Dati Generali o\n\nannullare la "
                                          "riga con X.";
        QTest::newRow("cliente") << "AuxInfo" << false
                                 << "Confermare le modifiche nella scheda Informazioni Clienti o\n\nannullare la "
                                    "riga con X.";
        QTest::newRow("locale in modifica") << "AuxLocali" << false << "";
    }
    void modificheInSospeso()
    {
        QFETCH(QString, tabella);
        QFETCH(bool, inserimento);
        QFETCH(QString, messaggio);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        const QString a = preparaFile(w, "sospeso.tvl");
        w.ApriDaPercorso(a);
        QVERIFY(dati.AuxLocali->IsEmpty());
        // Un locale registrato, per poterlo poi modificare.
        TTabella* l = dati.AuxLocali;
        l->Append();
        for (auto [campo, valore] : std::initializer_list<std::pair<const char*, QVariant>> {{"ID", 1},
                                                                                             {"Descrizione", "Cucina"},
                                                                                             {"Piano", "PT"},
                                                                                             {"Area", 20.0},
                                                                                             {"AreaUtile", 20.0},
                                                                                             {"CTermico", 900.0},
                                                                                             {"DistColl", 5}})
            QVERIFY(l->FieldByName(QLatin1String(campo)).Imposta(valore));
        QVERIFY(l->Post());
        w.Salva1->trigger();
        const QDateTime prima = QFileInfo(a).lastModified();
        QTest::qWait(20);

        TTabella* t = dati.findChild<TTabella*>(tabella);
        QVERIFY(t);
        if (inserimento)
            t->Append();
        else
            t->Edit();
        w.Salva1->trigger();
        if (messaggio.isEmpty()) {
            QVERIFY(QFileInfo(a).lastModified() > prima);
        } else {
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
            QCOMPARE(QFileInfo(a).lastModified(), prima);
            // Anche "Salva con Nome..." si ferma prima della finestra.
            w.SalvaconNome1->trigger();
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
            QVERIFY(dialoghi.proposti.size() == 1);
        }
        t->Cancel();
    }

    // Un file troncato, prima o dopo la creazione della finestra di progetto: messaggio di
    // caricamento, nessun progetto aperto, titolo "TERMOVELA"; poi si riparte normalmente.
    void letturaFallita_data()
    {
        QTest::addColumn<int>("tenuti"); // byte che restano; negativo: tolti dalla fine
        QTest::newRow("prima della finestra") << 600;
        QTest::newRow("dopo la finestra") << -60;
    }
    void letturaFallita()
    {
        QFETCH(int, tenuti);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        const QString a = preparaFile(w, "rotto.tvl");
        QFile f(a);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(tenuti > 0 ? tenuti : f.size() + tenuti));
        f.close();
        w.ApriDaPercorso(a);
        VERIFICA_MESSAGGIO(registro,
                           "Errore durante il caricamento!\n\nIl file di programma potrebbe essere stato cancellato!",
                           TIcona::Domanda);
        verificaStato(w, QStringLiteral("TERMOVELA"), false, QString());
        QVERIFY(!w.Occupato);
        QVERIFY(!w.Stampe->menuAction()->isEnabled());
        w.SoloRiscaldamento1->trigger();
        verificaStato(w, QStringLiteral("TERMOVELA : [Senza Titolo]"), true, QString());
    }

    // Un salvataggio che non riesce: il messaggio, e titolo e nome restano quelli nuovi.
    void salvataggioFallito()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.RegolazioneV221V1->trigger();
        const QString a = progetto("manca/x.tvl");
        dialoghi.risposte << a;
        w.SalvaconNome1->trigger();
        VERIFICA_MESSAGGIO(registro, "Errore durante il salvataggio!", TIcona::Domanda);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        QCOMPARE(w.Cronologia()->Corrente(), a);
    }

    // La finestra di avanzamento: titolo e massimo dati, barra che avanza di uno e si ferma al
    // massimo, in primo piano e senza icone di bordo, nascosta alla fine.
    void finestraDiAvanzamento()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        TCaricamento c(&w);
        QCOMPARE(c.windowTitle(), QStringLiteral("Caricamento"));
        QVERIFY(c.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(c.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        c.Inizia(QStringLiteral("Salvataggio Progetto in corso..."), 3);
        QVERIFY(c.isVisible());
        QCOMPARE(c.windowTitle(), QStringLiteral("Salvataggio Progetto in corso..."));
        for (int i = 0; i < 5; ++i)
            c.Passo();
        QCOMPARE(c.ProgressBar1->value(), 3);
        c.Fine();
        QVERIFY(!c.isVisible());
        QVERIFY(!c.BitBtnAnnulla);

        // Con "Annulla" (un'operazione che sa fermarsi): modale, il clic arriva attraverso
        // Respira, e l'operazione lo legge da Annullato(); Esc vale lo stesso.
        for (const bool esc : {false, true}) {
            TCaricamento a(&w);
            a.PermettiAnnulla();
            a.Inizia(QStringLiteral("Controllo dei locali"), 10);
            QCOMPARE(a.windowModality(), Qt::ApplicationModal);
            QVERIFY(!a.Annullato());
            if (esc)
                QTest::keyClick(&a, Qt::Key_Escape);
            else
                QMetaObject::invokeMethod(a.BitBtnAnnulla, "click", Qt::QueuedConnection);
            a.Respira();
            QVERIFY(a.Annullato());
            QVERIFY(a.isVisible()); // la chiude l'operazione, con Fine()
            a.Fine();
            QVERIFY(!a.isVisible());
        }
    }

    // Le scorciatoie da tastiera fanno quel che fa il menu.
    void scorciatoie()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString a = preparaFile(w, "tasti.tvl");
        // La finestra di avanzamento del salvataggio ha preso e lasciato il primo piano.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        dialoghi.risposte << a;
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + a, true, a);
        const QString b = progetto("tasti2.tvl");
        dialoghi.risposte << b;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        verificaStato(w, QStringLiteral("TERMOVELA : ") + b, true, b);
        QVERIFY(QFileInfo::exists(b));
        QFile::remove(b);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(b));
        // Una modifica dopo il salvataggio: Ctrl+W chiede.
        QVERIFY(dati.AuxInfo->FieldByName("RIF").Imposta(QStringLiteral("R2")));
        QVERIFY(dati.AuxInfo->Post());
        registro.Rispondi(true);
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
        VERIFICA_MESSAGGIO(registro, MsgChiudi, TIcona::Domanda);
        verificaStato(w, QStringLiteral("TERMOVELA"), false, QString());
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
    }

    void statoAllAvvio()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("TERMOVELATOOL"));
        QCOMPARE(w.TitoloBase, QStringLiteral("TERMOVELATOOL"));
        QVERIFY(w.NomeFile.isEmpty());
        QVERIFY(!w.Occupato);
        QVERIFY(!w.Progetto());
        QVERIFY(w.AvvioRiuscito());
        QVERIFY(w.Nuovo1->menuAction()->isEnabled());
        QVERIFY(w.Apri1->isEnabled());
        QVERIFY(!w.Salva1->isEnabled());
        QVERIFY(!w.SalvaconNome1->isEnabled());
        QVERIFY(!w.Chiudi1->isEnabled());
        QCOMPARE(w.AreaMdi()->size(), QSize(792, 554));
        // La prima apparizione apre tutte le tabelle.
        for (TTabella* t : dati.Tabelle())
            QVERIFY2(t->Active(), qPrintable(t->objectName()));
        // Lo sfondo viene dalla cartella di avvio.
        QVERIFY(!w.AreaMdi()->Sfondo().isNull());
    }

    void menuCompleto()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        QStringList barra;
        for (QAction* a : w.menuBar()->actions())
            barra << a->text();
        QCOMPARE(barra, (QStringList {"&Progetto", "Mo&difica", "&Stampa", "In&formazioni"}));
        QCOMPARE(testiMenu(w.File1),
                 (QStringList {"&Nuovo", "&Apri", "&Salva", "Salva con N&ome...", "&Pianta...", "-", "&Chiudi",
                               "&Lingua", "&Esci"}));
        QCOMPARE(testiMenu(w.Nuovo1),
                 (QStringList {"Regolazione V22&0HJ", "Regolazione \"&PUNTO FISSO\"", "Regolazione V22&1V-9",
                               "Regolazione V22&5"}));
        QCOMPARE(testiMenu(w.Standard11), QStringList {"&V220HJ"});
        QCOMPARE(testiMenu(w.Stampe),
                 (QStringList {"&Rapporto Tecnico", "&Preventivo Semplice", "&Capitolato", "&Ottimizz. Circuiti",
                               "&Etichette", "Tavola &Impianto", "&Tutti i documenti", "-", "Crea anche il P&DF",
                               "&Apri cartella"}));
        for (const char* nome :
             {"SoloRiscaldamento1", "RegolazionePUNTOFISSO1", "RegolazioneV221V1", "RegolazioneV2251", "Apri1",
              "Salva1", "SalvaconNome1", "N1", "Chiudi1", "Esci1", "RapportoTecnico1", "PreventivoSemplice1",
              "PreventivoCompleto1", "OttimizzCircuiti1", "Etichette1", "Informazioni1"})
            QVERIFY2(w.findChild<QAction*>(QLatin1String(nome)), nome);
    }

    // Alt+lettera: ogni voce del menu e ogni pulsante con un testo ha la sua lettera, diversa da
    // quelle che valgono insieme (la barra, la barra di stato e la pagina visibile; ogni menu).
    void mnemoniciUnici_data()
    {
        QTest::addColumn<int>("pagina");
        for (int i = 0; i < 8; ++i)
            QTest::addRow("pagina %d", i) << i;
    }
    void mnemoniciUnici()
    {
        QFETCH(int, pagina);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.SoloRiscaldamento1->trigger();
        TProgetto* p = w.FinestraProgetto();
        QVERIFY(p);
        p->PageControl1->setCurrentIndex(pagina);
        QCOMPARE(p->PageControl1->currentIndex(), pagina);
        const auto lettere = [](const QStringList& testi, const QString& dove) {
            QSet<int> viste;
            for (const QString& t : testi) {
                const QKeySequence m = QKeySequence::mnemonic(t);
                const int l = m.isEmpty() ? 0 : int(m[0].key());
                QVERIFY2(l != 0, qPrintable(dove + QStringLiteral(": senza lettera: ") + t));
                QVERIFY2(!viste.contains(l), qPrintable(dove + QStringLiteral(": lettera ripetuta: ") + t));
                viste.insert(l);
            }
        };
        // I progetti recenti ("&1 ...") hanno il loro numero, fuori da questo controllo.
        const QRegularExpression recente(QStringLiteral("^&\\d+ "));
        for (QMenu* m : {w.File1, w.Nuovo1, w.Standard11, w.Stampe, w.findChild<QMenu*>("Modifica1")}) {
            QStringList t;
            for (QAction* a : m->actions())
                if (!a->isSeparator() && !recente.match(a->text()).hasMatch())
                    t << a->text();
            lettere(t, m->objectName());
        }
        QStringList finestra;
        for (QAction* a : w.menuBar()->actions())
            finestra << a->text();
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->isVisibleTo(&w) && b->text().contains(QRegularExpression(QStringLiteral("\\w"))))
                finestra << b->text();
        lettere(finestra, p->PageControl1->tabText(pagina));
    }

    // "Salva con Nome" si apre nella cartella del progetto aperto, altrimenti nell'ultima usata,
    // altrimenti fra i documenti dell'utente; aprire e salvare ricordano la cartella.
    void cartellaDiSalvataggio_data()
    {
        QTest::addColumn<QString>("caso");
        for (const char* c : {"progetto", "ultima", "documenti"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void cartellaDiSalvataggio()
    {
        QFETCH(QString, caso);
        const QString chiave = QStringLiteral("UltimaCartellaProgetti");
        QSettings().remove(chiave);
        QTemporaryDir altra;
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QString attesa = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (caso == QLatin1String("progetto")) {
            const QString f = preparaFile(w, "cartella.tvl");
            QCOMPARE(QSettings().value(chiave).toString(), progetti.path());
            QSettings().setValue(chiave, altra.path());
            dialoghi.risposte << f;
            w.Apri1->trigger();
            QCOMPARE(w.NomeFile, f);
            QCOMPARE(QSettings().value(chiave).toString(), progetti.path());
            QSettings().setValue(chiave, altra.path());
            attesa = progetti.path();
        } else {
            if (caso == QLatin1String("ultima")) {
                QSettings().setValue(chiave, altra.path());
                attesa = altra.path();
            }
            w.SoloRiscaldamento1->trigger();
        }
        dialoghi.cartelle.clear();
        dialoghi.risposte << QString(); // Annulla
        w.SalvaconNome1->trigger();
        QCOMPARE(dialoghi.cartelle, QStringList {attesa});
        QSettings().remove(chiave);
    }

    void sfondoRidisegnatoDopoLoScorrimento()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Una finestra figlia fuori dall'area fa comparire le barre di scorrimento.
        auto* figlia = w.AreaMdi()->addSubWindow(new QWidget);
        figlia->setGeometry(600, 450, 600, 400);
        figlia->show();
        QTest::qWait(50);
        TContaRidisegni conta;
        w.AreaMdi()->viewport()->installEventFilter(&conta);
        QScrollBar* barra = w.AreaMdi()->verticalScrollBar();
        QVERIFY(barra->maximum() > 0);
        barra->setValue(barra->maximum());
        QTRY_VERIFY(conta.ridisegni > 0);
        QVERIFY(conta.interoUltimo);
        figlia->close();
        w.Esci1Click();
    }

    // Senza modifiche "Esci" non chiede nulla, anche con un progetto aperto.
    void esciSenzaModificheSenzaDomande()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.AreaMdi()->addSubWindow(new QWidget)->show();
        QVERIFY(w.Progetto());
        w.Esci1->trigger();
        QVERIFY(!w.isVisible()); // nessuna domanda: il registro lo verifica in cleanup
    }

    void chiusuraSenzaProgettoSenzaDomande()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(w.close());
    }

    void chiusuraConProgettoChiede_data()
    {
        QTest::addColumn<bool>("risposta");
        QTest::newRow("OK chiude") << true;
        QTest::newRow("Annulla resta") << false;
    }

    void chiusuraConProgettoChiede()
    {
        QFETCH(bool, risposta);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        w.SoloRiscaldamento1->trigger();
        QVERIFY(dati.AuxInfo->FieldByName("PROGETTO").Imposta(QStringLiteral("Villa")));
        QVERIFY(dati.AuxInfo->Post());
        registro.Rispondi(risposta);
        QCOMPARE(w.close(), risposta);
        VERIFICA_MESSAGGIO(registro, MsgAbbandona, TIcona::Domanda);
        QCOMPARE(w.isVisible(), !risposta);
        QCOMPARE(bool(w.Progetto()), !risposta);
        if (!risposta)
            verificaStato(w, QStringLiteral("TERMOVELA : [Senza Titolo]"), true, QString());
    }

    void finestraInfo()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        TInfo* info = w.Info();
        QCOMPARE(info->windowTitle(), QStringLiteral("Info"));
        QVERIFY(info->font().bold());
        QCOMPARE(info->Memo1->toPlainText().split(u'\n'),
                 (QStringList {"", "Per informazioni consultare il file denominato \"manuale.pdf\" presente ",
                               "nella directory di installazione del programma.", "",
                               "Per visualizzare questo file occorre avere installato Acrobat Reader.", ""}));
        QVERIFY(info->Memo1->isReadOnly());
        auto* esci = info->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QVERIFY(esci);
        QCOMPARE(esci->text(), QStringLiteral("   &Esci"));
        // Modale: si chiude con il pulsante.
        QTimer::singleShot(0, esci, [esci] { esci->click(); });
        w.Informazioni1->trigger();
        QVERIFY(!info->isVisible());
    }

    // Il manuale costruito con il programma: più pagine, i capitoli che la finestra promette.
    void manualeCostruito()
    {
        const QString pdf = TInfo::PercorsoManuale();
        QCOMPARE(QFileInfo(pdf).absolutePath(), QCoreApplication::applicationDirPath());
        QVERIFY2(QFileInfo(pdf).isFile(), qPrintable(pdf));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext non è installato");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString righe = QString::fromUtf8(info.readAllStandardOutput());
        const auto pagine = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(righe);
        QVERIFY2(pagine.hasMatch(), qPrintable(righe));
        QVERIFY2(pagine.captured(1).toInt() >= 10, qPrintable(pagine.captured(1)));
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        // pdftotext scrive le legature (fi, ffr) come un carattere solo: si confronta senza.
        const QString letto = QString::fromUtf8(testo.readAllStandardOutput())
                                  .replace(QChar(0xFB01), QStringLiteral("fi"))
                                  .replace(QChar(0xFB00), QStringLiteral("ff"));
        for (const char* capitolo :
             {"Un progetto dall'inizio alla fine", "Le pagine della finestra di progetto", "T Mandata Progetto",
              "Collettori", "Regolazione", "I documenti (menu \"Stampa\")", "Rapporto tecnico", "Capitolato",
              "Etichette", "Tutti i documenti", "Verifica EN 1264, bagni e raffrescamento", "La riga di comando tvl",
              "Importare ed esportare i locali"})
            QVERIFY2(letto.contains(QString::fromUtf8(capitolo)), capitolo);
        // Piede con il numero della pagina.
        QVERIFY(letto.contains(QRegularExpression(QStringLiteral("Manuale d'uso\\s+2\\s"))));
    }

    // F1 nella finestra principale e "Manuale" della finestra Info chiedono di aprire il manuale
    // della cartella di avvio; senza il file lo dicono e non aprono nulla.
    void f1ApreIlManuale()
    {
        QStringList aperti;
        TInfo::ImpostaApertura([&aperti](const QString& file) {
            aperti << file;
            return true;
        });
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(aperti, QStringList {QDir(QCoreApplication::applicationDirPath()).filePath("manuale.pdf")});
        w.Info()->Manuale->click();
        QCOMPARE(aperti.size(), 2);

        QTemporaryDir vuota;
        TDocumenti::ImpostaDirIniziale(vuota.path());
        QTest::keyClick(&w, Qt::Key_F1);
        TDocumenti::ImpostaDirIniziale(QString());
        QCOMPARE(aperti.size(), 2);
        VERIFICA_MESSAGGIO(registro,
                           QStringLiteral("Il manuale \"%1\" non è presente nella cartella del programma.")
                               .arg(QDir::toNativeSeparators(vuota.filePath("manuale.pdf"))),
                           TIcona::Esclamazione);

        // Un'apertura che non riesce (nessun lettore di PDF) non passa sotto silenzio.
        TInfo::ImpostaApertura([](const QString&) { return false; });
        QTest::keyClick(&w, Qt::Key_F1);
        TInfo::ImpostaApertura([](const QString&) { return true; });
        QVERIFY(registro.Prendi().testo.startsWith(QStringLiteral("Non è stato possibile aprire il manuale")));
    }
};

QTEST_MAIN(TstMain)
#include "tst_main.moc"
