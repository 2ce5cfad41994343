// Comandi del menu "Stampa" sulla finestra di progetto: controlli comuni, avvisi, liste dei
// collettori aggiornate prima del documento, finestra delle opzioni del capitolato, copia PDF.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/ProgressoContato.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "app/Ustampa.h"
#include "documents/Uistanzapdf.h"
#include "documents/Updf.h"
#include "documents/finestre/Uopzcap.h"
#include "documents/foglio/Udocumento.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QString AvvisoCollettori
    = QStringLiteral("I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.\n\n");
const QString MsgRapporto
    = AvvisoCollettori + QStringLiteral("La Relazione tecnica non conterrà i risultati relativi ai collettori.");
const QString MsgPreventivo = AvvisoCollettori
    + QStringLiteral("Il preventivo non conterrà la lista relativa ai collettori e alla regolazione.");
const QString MsgInserimento = QStringLiteral(
    "Completare l'inserimento dei dati nella riga selezionata della tabella Locali o\n\nannullare la riga con X.");

// Il comando distrugge il suo indicatore a fine documento: i conteggi restano nel test.
class TProgressoInoltrato : public TProgresso
{
public:
    explicit TProgressoInoltrato(TProgressoContato& conti)
        : m_conti(conti)
    { }
    void Inizia(const QString& titolo, int massimo) override { m_conti.Inizia(titolo, massimo); }
    void Passo() override { m_conti.Passo(); }
    void Fine() override { m_conti.Fine(); }

private:
    TProgressoContato& m_conti;
};

QString esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
} // namespace

class TstStampa : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;
    std::unique_ptr<TFinestraDiProva> p;
    std::unique_ptr<TComandiStampa> comandi;
    bool occupato = false;
    TProgressoContato progresso;

    TStatoProgetto& stato() { return p->Stato(); }

    // Due locali al piano terra, tutti i circuiti su un collettore confermato.
    void prepara()
    {
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri());
        QVERIFY(ModificaRecord(p->dati.AuxInfo, {{"PROGETTO", "Villa Prova PDF"}}));
        for (int i = 1; i <= 2; ++i)
            QVERIFY(AggiungiLocale(p->dati.AuxLocali, i, 1200.0));
        stato().SalvaImpostazioni(2, 40.0f);
        stato().RicalcolaProgetto();
        stato().RicostruisciCollettori();
        TAssegnazione& a = stato().Assegnazione;
        QVERIFY(!a.Lista().isEmpty());
        QVERIFY(a.Nuovo(QStringLiteral("C1")));
        while (!a.Lista().isEmpty())
            QVERIFY(a.Collega(0, TNodo {0, -1}));
        QVERIFY(ApreVistaCollegamenti(stato().Tipo()));
        stato().CollettoriConfermati = true;

        comandi = std::make_unique<TComandiStampa>(occupato);
        comandi->Progetto = [this] { return p->finestra.get(); };
        progresso = TProgressoContato();
        comandi->NuovoProgresso = [this] { return std::make_unique<TProgressoInoltrato>(progresso); };
    }
    // Dati generali confermati di nuovo dopo la conferma dei collettori.
    void cambiaDatiGenerali()
    {
        QVERIFY(ModificaRecord(p->dati.AuxDGenerali, {{"SPESS_MASS", 50}}));
        p->dati.DGeneraliModificati = true;
    }
    bool creato() { return QFileInfo(comandi->UltimoDocumento).isFile(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
        TDocumenti::ImpostaApertura(false);
        qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void cleanup()
    {
        comandi.reset();
        p.reset();
        QVERIFY(registro.Controlla());
    }

    // Dati generali cambiati dopo la conferma: la relazione avvisa, e le liste sono ricostruite
    // tenendo il collettore.
    void rapportoRicostruisceCollettori()
    {
        prepara();
        cambiaDatiGenerali();
        comandi->RapportoTecnico1Click();
        VERIFICA_MESSAGGIO(registro, MsgRapporto, TIcona::Esclamazione);
        QVERIFY(creato());
        QVERIFY(!occupato);
        QVERIFY(progresso.fini > 0);
        // Il collettore resta con i circuiti che esistono ancora; la conferma no.
        QCOMPARE(stato().Assegnazione.NumeroCollettori(), 1);
        QVERIFY(stato().Assegnazione.NumeroCircuitiAssegnati() > 0);
        QVERIFY(!stato().CollettoriConfermati);
    }

    // Le etichette non ricostruiscono: nessun avviso e collettori come prima.
    void etichetteNonToccanoICollettori()
    {
        prepara();
        cambiaDatiGenerali();
        comandi->Etichette1Click();
        QVERIFY(creato());
        QCOMPARE(stato().Assegnazione.NumeroCollettori(), 1);
        QVERIFY(stato().Assegnazione.Lista().isEmpty());
        QVERIFY(stato().CollettoriConfermati);
    }

    void ottimizzazioneScartataDaUnCambioDeiLocali()
    {
        prepara();
        stato().OttimizzazioneEseguita = true;
        p->dati.AuxLocali->First();
        QVERIFY(ModificaRecord(p->dati.AuxLocali, {{"CTermico", 1500.0}}));
        p->dati.LocaliModificati = true;
        comandi->OttimizzCircuiti1Click();
        VERIFICA_MESSAGGIO(registro, QStringLiteral("Non è stata effettuata l'ottimizzazione dei circuiti."),
                           TIcona::Esclamazione);
        QVERIFY(comandi->UltimoDocumento.isEmpty());
    }

    // Capitolato: solo OK della finestra delle opzioni costruisce e imposta ConPrezzi.
    void capitolato_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("conPrezzi");
        QTest::addColumn<int>("atteso");
        QTest::newRow("annullato") << false << true << 7;
        QTest::newRow("senza prezzi") << true << false << 0;
        QTest::newRow("con prezzi") << true << true << 1;
    }
    void capitolato()
    {
        QFETCH(bool, ok);
        QFETCH(bool, conPrezzi);
        prepara();
        cambiaDatiGenerali();
        stato().ConPrezzi = 7;
        // La finestra vera, guidata dal suo ciclo di eventi: si apre su "Senza Prezzi" con OK attivo.
        bool vista = false;
        comandi->ScegliPrezzi = [&] {
            TOpzCap o;
            QTimer::singleShot(0, &o, [&] {
                vista = o.Voce0->isChecked() && o.focusWidget() == o.BitBtn1 && o.windowTitle() == TMessaggi::Titolo;
                if (conPrezzi)
                    QTest::mouseClick(o.Voce1, Qt::LeftButton);
                QTest::mouseClick(ok ? o.BitBtn1 : o.BitBtn2, Qt::LeftButton);
            });
            return o.exec() == QDialog::Accepted ? o.ItemIndex() : -1;
        };
        comandi->PreventivoCompleto1Click();
        VERIFICA_MESSAGGIO(registro, MsgPreventivo, TIcona::Esclamazione);
        QVERIFY(vista);
        QTEST(stato().ConPrezzi, "atteso");
        QCOMPARE(creato(), ok);
    }

    // Una riga dei locali in modifica non ferma nulla; una in inserimento sì, con il suo messaggio;
    // mentre un documento si costruisce un altro comando non fa nulla.
    void controlliComuni()
    {
        prepara();
        p->dati.AuxLocali->First();
        p->dati.AuxLocali->Edit();
        comandi->Etichette1Click();
        QVERIFY(creato());

        p->dati.AuxLocali->Cancel();
        p->dati.AuxLocali->Append();
        comandi->Etichette1Click();
        VERIFICA_MESSAGGIO(registro, MsgInserimento, TIcona::Esclamazione);
        QVERIFY(comandi->UltimoDocumento.isEmpty());
        p->dati.AuxLocali->Cancel();

        occupato = true;
        comandi->RapportoTecnico1Click();
        QVERIFY(comandi->UltimoDocumento.isEmpty());
        occupato = false;
    }

    // "Tutti i documenti": ogni documento nella cartella del progetto, una finestra di avanzamento,
    // nessuna apertura, la cartella annunciata; l'ottimizzazione non eseguita si dice alla fine.
    void tuttiIDocumenti()
    {
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Tutti")));
        prepara();
        QMenu menu;
        comandi->AggiungiAlMenu(&menu);
        comandi->CreaPdf1->setChecked(false);
        QString annuncio, annunciata;
        connect(comandi.get(), &TComandiStampa::DocumentiCreati, this, [&](const QString& t, const QString& c) {
            annuncio = t;
            annunciata = c;
        });
        comandi->TuttiIDocumenti1->trigger();
        VERIFICA_MESSAGGIO(
            registro, QStringLiteral("Ottimizzazione circuiti: non è stata effettuata l'ottimizzazione dei circuiti."),
            TIcona::Esclamazione);
        const QString attesa = cartella.filePath(QStringLiteral("Tutti/Villa Prova PDF"));
        QCOMPARE(comandi->UltimaCartella, attesa);
        QCOMPARE(annunciata, attesa);
        QVERIFY(annuncio.contains(QStringLiteral("5 documenti")));
        QStringList nomi;
        for (const QString& f : std::as_const(comandi->UltimiFile)) {
            QVERIFY(QFileInfo(f).isFile());
            QCOMPARE(QFileInfo(f).absolutePath(), attesa);
            nomi << QFileInfo(f).fileName();
        }
        QCOMPARE(nomi,
                 (QStringList {"Villa Prova PDF - Rapporto Tecnico.xlsx", "Villa Prova PDF - Preventivo.xlsx",
                               "Villa Prova PDF - Capitolato senza prezzi.xlsx",
                               "Villa Prova PDF - Capitolato con prezzi.xlsx", "Villa Prova PDF - Etichette.xlsx"}));
        QCOMPARE(progresso.fini, 1);
        QVERIFY(!occupato);
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
    }

    // Con la voce spuntata (ricordata) il documento ha la sua copia PDF, pagina per foglio.
    void copiaPdf()
    {
        if (PercorsoSoffice().isEmpty())
            QSKIP("LibreOffice non è installato");
        prepara();
        QMenu menu;
        comandi->AggiungiAlMenu(&menu);
        QVERIFY(comandi->CreaPdf1->isEnabled());
        comandi->CreaPdf1->setChecked(true);
        // La voce spuntata tiene LibreOffice pronto in sottofondo per le copie.
        QVERIFY(TIstanzaPdf::Processo() > 0);
        {
            TComandiStampa altro(occupato);
            QMenu m;
            altro.AggiungiAlMenu(&m);
            QVERIFY(altro.CreaPdf1->isChecked());
        }
        comandi->RapportoTecnico1Click();
        QVERIFY(creato());
        QVERIFY2(QFileInfo(comandi->UltimoPdf).isFile(), qPrintable(comandi->UltimoPdf));
        QCOMPARE(QFileInfo(comandi->UltimoPdf).absolutePath(), QFileInfo(comandi->UltimoDocumento).absolutePath());
        const QString info = esegui(QStringLiteral("pdfinfo"), {comandi->UltimoPdf});
        const QString testo = esegui(QStringLiteral("pdftotext"), {comandi->UltimoPdf, QStringLiteral("-")});
        if (info.isEmpty())
            QSKIP("pdfinfo/pdftotext non sono installati");
        const QRegularExpression pagine(QStringLiteral("Pages:\\s+(\\d+)"));
        QVERIFY2(pagine.match(info).captured(1).toInt() >= 2, qPrintable(info));
        QVERIFY(testo.contains(QStringLiteral("Villa Prova PDF")));
        comandi->CreaPdf1->setChecked(false);
    }

    // "Tavola Impianto": senza pianta lo dice e non scrive nulla; con la pianta un PDF nella
    // cartella del progetto, senza la copia PDF anche con la voce spuntata.
    void tavolaImpianto()
    {
        prepara();
        QMenu menu;
        comandi->AggiungiAlMenu(&menu);
        comandi->CreaPdf1->setChecked(true);
        comandi->TavolaImpianto1Click();
        VERIFICA_MESSAGGIO(
            registro,
            QStringLiteral("Il progetto non ha una pianta: disegnarla con \"Pianta...\" nella pagina \"Locali\"."),
            TIcona::Esclamazione);
        QVERIFY(comandi->UltimoDocumento.isEmpty());

        TPiano& pt = stato().Pianta.PianoOCrea(QStringLiteral("PT"));
        pt.locali << TContornoLocale {1, QPolygonF({{0, 0}, {5, 0}, {5, 4}, {0, 4}})}
                  << TContornoLocale {2, QPolygonF({{5, 0}, {9, 0}, {9, 5}, {5, 5}})};
        pt.collettori.insert(QStringLiteral("C1"), {5, 2});
        comandi->TavolaImpianto1Click();
        const QString attesa
            = cartella.filePath(QStringLiteral("Documenti/Villa Prova PDF/Villa Prova PDF - Tavola impianto.pdf"));
        QCOMPARE(comandi->UltimoDocumento, attesa);
        QCOMPARE(comandi->UltimiFile, QStringList {attesa});
        QVERIFY(comandi->UltimoPdf.isEmpty());
        QFile f(attesa);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        comandi->CreaPdf1->setChecked(false);
    }
};

QTEST_MAIN(TstStampa)
#include "tst_stampa.moc"
