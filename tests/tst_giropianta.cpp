// Il giro di un utente nuovo nella pianta, dal programma vero: progetto nuovo, locali importati,
// "Pianta..." dalla pagina dei locali, DXF importato, due contorni presi dal disegno con un clic,
// un locale nuovo disegnato a mano, una zona senza tubi, un muro esterno, due collettori posati; la
// griglia dei locali mostra aree e distanze calcolate a mano; salvato, chiuso e riaperto è tutto lì.
// Con TVL_SCREENSHOT_DIR le finestre della pianta e dei locali si fotografano lì.
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "aiuti/ScriviDxf.h"
#include "app/Umain.h"
#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Uregole.h"
#include "editor/Udef.h"
#include "editor/Udefcoll.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginalocali.h"
#include "pianta/finestre/Ufinestrapianta.h"
#include "pianta/finestre/Uvistapianta.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// Soggiorno: polilinea chiusa 6 × 4 m; cucina: regione 4 × 4 m chiusa da tre linee e dal lato
// destro del soggiorno; bagno: solo tre linee, si disegna a mano; il mobile della cucina è un
// blocco. Millimetri, come li manda l'architetto.
QByteArray PiantaArchitetto()
{
    TScriviDxf d;
    d.Inizio(4).Sezione("TABLES").g(0, "TABLE").g(2, "LAYER");
    d.Livello("MURI").Livello("ARREDI", 3).Livello("TESTI", 5).g(0, "ENDTAB").FineSezione();
    d.Sezione("BLOCKS").Blocco("CUCINA");
    const QPolygonF mobile({{0, 0}, {3000, 0}, {3000, 600}, {0, 600}});
    for (int i = 0; i < 4; ++i)
        d.Linea(mobile[i], mobile[(i + 1) % 4], "ARREDI");
    d.FineBlocco().FineSezione().Sezione("ENTITIES");
    d.g(0, "LWPOLYLINE").g(8, "MURI").g(90, 4).g(70, 1);
    for (QPointF p : {QPointF(0, 0), QPointF(6000, 0), QPointF(6000, 4000), QPointF(0, 4000)})
        d.g(10, p.x()).g(20, p.y());
    d.Linea({6000, 0}, {10000, 0}, "MURI").Linea({10000, 0}, {10000, 4000}, "MURI");
    d.Linea({10000, 4000}, {6000, 4000}, "MURI");
    d.Linea({0, 4000}, {0, 6500}, "MURI").Linea({0, 6500}, {4000, 6500}, "MURI");
    d.Linea({4000, 6500}, {4000, 4000}, "MURI");
    d.Inserisci("CUCINA", {6500, 3000}, 1, 1, 0, "ARREDI");
    const std::pair<QPointF, const char*> testi[] = {{{400, 3400}, "Soggiorno"},
                                                     {{6300, 400}, "Cucina"},
                                                     {{300, 6000}, "Bagno"},
                                                     {{10200, -700}, "=>Giorno"},
                                                     {{2000, 7500}, "=>Notte"}};
    for (const auto& [p, t] : testi)
        d.g(0, "TEXT").g(8, "TESTI").g(10, p.x()).g(20, p.y()).g(30, 0.0).g(40, 250.0).g(1, t);
    return d.FineSezione().Fine().testo;
}

bool Scrivi(const QString& file, const QByteArray& testo)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size();
}

// Testi della griglia per locale: descrizione -> Area, AreaUtile, AreaMarginale, DistColl.
QHash<QString, QStringList> Griglia(TDBGrid* g)
{
    const QStringList campi = g->Modello()->Campi();
    QHash<QString, QStringList> righe;
    for (int r = 0; r < g->model()->rowCount(); ++r) {
        QStringList valori;
        for (const char* c : {"Area", "AreaUtile", "AreaMarginale", "DistColl"})
            valori << g->model()->data(g->model()->index(r, int(campi.indexOf(QLatin1String(c))))).toString();
        righe.insert(g->model()->data(g->model()->index(r, int(campi.indexOf("Descrizione")))).toString(), valori);
    }
    return righe;
}

void Fotografa(QWidget* w, const char* nome)
{
    const QString cartella = qEnvironmentVariable("TVL_SCREENSHOT_DIR");
    if (!cartella.isEmpty())
        QVERIFY(w->grab().save(QDir(cartella).filePath(QLatin1String(nome))));
}

} // namespace

class TstGiroPianta : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    QStringList risposte; // file scelti dall'utente, nell'ordine in cui si chiedono
    QStringList nomiCollettori; // nomi scritti nel dialogo del collettore
    QStringList risposteTesto; // testi scritti nelle domande della pianta
    QStringList dialoghiInattesi;
    QTemporaryDir avvio;

    // La finestra della pianta è di primo livello: la si cerca fra quelle visibili.
    static TFinestraPianta* finestraPianta()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<TFinestraPianta*>(w); f && f->isVisible())
                return f;
        return nullptr;
    }
    static void pagina(TProgetto* p, const char* foglio)
    {
        QTabBar* barra = p->PageControl1->tabBar();
        const int i = p->PageControl1->indexOf(p->findChild<QWidget*>(QLatin1String(foglio)));
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(i).center());
        QCOMPARE(p->PageControl1->currentIndex(), i);
    }
    // Pulsante della barra per un comando della finestra della pianta.
    static void premi(TFinestraPianta* f, const char* azione)
    {
        auto* a = f->findChild<QAction*>(QLatin1String(azione));
        QVERIFY2(a, azione);
        QWidget* pulsante = nullptr;
        for (QToolBar* b : f->findChildren<QToolBar*>())
            if (QWidget* w = b->widgetForAction(a))
                pulsante = w;
        QVERIFY2(pulsante && pulsante->isVisible(), azione);
        QTest::mouseClick(pulsante, Qt::LeftButton);
    }
    static void scegli(TFinestraPianta* f, const char* lista, const QString& voce)
    {
        auto* c = f->findChild<QComboBox*>(QLatin1String(lista));
        const int i = c->findText(voce, Qt::MatchEndsWith);
        QVERIFY2(i >= 0, qPrintable(voce));
        c->setCurrentIndex(i);
        Q_EMIT c->activated(i);
    }
    static void clic(TFinestraPianta* f, double x, double y)
    {
        TVistaPianta* v = f->Vista();
        const QPoint s = v->VersoSchermo({x, y}).toPoint();
        QVERIFY2(v->rect().contains(s), qPrintable(QStringLiteral("%1, %2 fuori vista").arg(x).arg(y)));
        QTest::mouseMove(v, s);
        QTest::mouseClick(v, Qt::LeftButton, {}, s);
    }
    // Chiude la finestra come la X: si distrugge al ritorno nel ciclo degli eventi.
    static void chiudi(TFinestraPianta* f)
    {
        QPointer<TFinestraPianta> chiusa(f);
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chiusa.isNull());
    }
    // Uno scatto della rotella indietro al centro della vista: si vede più foglio.
    static void allontana(TFinestraPianta* f)
    {
        TVistaPianta* v = f->Vista();
        const QPointF centro = QRectF(v->rect()).center();
        QWheelEvent rotella(centro, v->mapToGlobal(centro), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &rotella);
    }
    static void angoli(TFinestraPianta* f, const QPolygonF& punti)
    {
        for (QPointF p : punti)
            clic(f, p.x(), p.y());
    }
    TFinestraPianta* apriPianta(TProgetto* p)
    {
        QTest::mouseClick(p->TabSheet3->BitBtnPianta, Qt::LeftButton);
        TFinestraPianta* f = finestraPianta();
        if (f) {
            f->resize(1300, 820);
            QTest::qWaitForWindowExposed(f);
            // Si adatta al foglio al giro dopo la comparsa.
            QCoreApplication::processEvents();
            f->AdattaAlFoglio();
        }
        return f;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv", "tvlbg"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), avvio.filePath(f)));
        QVERIFY(QDir::setCurrent(avvio.path()));
        qputenv("XDG_CONFIG_HOME", avvio.filePath(QStringLiteral("config")).toLocal8Bit());
        dialoghi.file = [this](const TSceltaFile&) { return risposte.isEmpty() ? QString() : risposte.takeFirst(); };
        dialoghi.esegui = [this](QDialog& d) {
            if (auto* domanda = qobject_cast<QInputDialog*>(&d); domanda && !risposteTesto.isEmpty()) {
                domanda->show();
                auto* casella = domanda->findChild<QLineEdit*>();
                casella->selectAll();
                QTest::keyClicks(casella, risposteTesto.takeFirst());
                domanda->accept();
                return domanda->result();
            }
            auto* dc = qobject_cast<TDefColl*>(&d);
            if (!dc || nomiCollettori.isEmpty()) {
                dialoghiInattesi << d.metaObject()->className();
                return int(QDialog::Rejected);
            }
            dc->show();
            dc->Edit1->selectAll();
            QTest::keyClicks(dc->Edit1, nomiCollettori.takeFirst());
            QTest::mouseClick(dc->BitBtn1, Qt::LeftButton);
            return dc->result();
        };
    }
    void cleanup()
    {
        QVERIFY(registro.Controlla());
        QVERIFY2(risposte.isEmpty(), "file proposti e non chiesti");
        QCOMPARE(dialoghiInattesi, QStringList());
    }

    void giroCompleto()
    {
        const QString dxf = avvio.filePath(QStringLiteral("architetto.dxf"));
        const QString csv = avvio.filePath(QStringLiteral("locali.csv"));
        const QString progetto = avvio.filePath(QStringLiteral("casa.tvl"));
        QVERIFY(Scrivi(dxf, PiantaArchitetto()));
        // Le aree del capitolato, a occhio: la pianta le sostituisce.
        QVERIFY(Scrivi(csv, "Descrizione;Piano;Area;CTermico;DColl\nSoggiorno;PT;20;1800;0\nCucina;PT;15;900;0\n"));

        TDati dati;
        TTERMOVELA w(&dati);
        w.resize(1100, 720);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        // 1. Progetto nuovo, locali importati nella pagina "Locali".
        w.SoloRiscaldamento1->trigger();
        TProgetto* p = w.FinestraProgetto();
        QVERIFY(p);
        pagina(p, "TabSheet3");
        risposte << csv;
        QTest::mouseClick(p->TabSheet3->BitBtnImporta, Qt::LeftButton);
        QCOMPARE(registro.Prendi().icona, TIcona::Esclamazione);
        QCOMPARE(dati.AuxLocali->RecordCount(), 2);

        // 2. "Pianta...": il piano dei locali, lo sfondo dal DXF (in millimetri).
        TFinestraPianta* f = apriPianta(p);
        QVERIFY(f);
        QCOMPARE(f->Piani(), QStringList {QStringLiteral("PT")});
        risposte << dxf;
        premi(f, "ImportaSfondo");
        const TPiano* pt = f->Pianta().Piano(QStringLiteral("PT"));
        QVERIFY(pt && pt->sfondo.tipo == TSfondo::TTipo::Disegno);
        // Millimetri portati in metri: i muri e i testi dei collettori, che stanno fuori dai muri.
        QCOMPARE(pt->sfondo.disegno.Limiti(), QRectF(QPointF(0, -0.7), QPointF(10.2, 7.5)));
        f->AdattaAlFoglio();

        // 3. Dal disegno: il soggiorno dentro la polilinea, la cucina dentro la regione delle linee.
        premi(f, "Strumento2");
        QCOMPARE(f->Strumento(), TFinestraPianta::TStrumento::DalDisegno);
        scegli(f, "ComboLocale", QStringLiteral("Soggiorno"));
        clic(f, 3, 1);
        scegli(f, "ComboLocale", QStringLiteral("Cucina"));
        clic(f, 8, 1.5);
        // 4. Il bagno, che non è fra i locali, a mano: chiuso con un clic sul primo angolo nasce
        // come locale nuovo del piano, con la descrizione e il carico termico chiesti.
        premi(f, "Strumento1");
        scegli(f, "ComboLocale", QStringLiteral("Nuovo locale..."));
        // Senza carico termico le regole rifiutano il locale: nulla di creato, gli angoli restano
        // e Invio richiude il contorno.
        risposteTesto << QStringLiteral("Bagno") << QString();
        angoli(f, QPolygonF({{0, 4}, {4, 4}, {4, 6.5}, {0, 6.5}, {0, 4}}));
        QCOMPARE(registro.Prendi().testo, TestiRegole::CTermicoFuoriRange());
        QCOMPARE(dati.AuxLocali->RecordCount(), 2);
        QCOMPARE(f->PuntiInDisegno().size(), 4);
        risposteTesto << QStringLiteral("Bagno") << QStringLiteral("600");
        QTest::keyClick(f->Vista(), Qt::Key_Return);
        QVERIFY(risposteTesto.isEmpty());
        pt = f->Pianta().Piano(QStringLiteral("PT"));
        QCOMPARE(pt->locali.size(), 3);
        QCOMPARE(pt->locali[2].idLocale, 3);
        QCOMPARE(pt->locali[2].contorno, QPolygonF({{0, 4}, {4, 4}, {4, 6.5}, {0, 6.5}}));
        QCOMPARE(dati.AuxLocali->RecordCount(), 3);
        QVERIFY(dati.AuxLocali->Locate(QStringLiteral("ID"), 3));
        QCOMPARE(dati.AuxLocali->FieldByName("Descrizione").AsString(), QStringLiteral("Bagno"));
        QCOMPARE(dati.AuxLocali->FieldByName("Piano").AsString(), QStringLiteral("PT"));
        QCOMPARE(dati.AuxLocali->FieldByName("CTermico").AsFloat(), 600.0);
        // 5. Il mobile della cucina come zona senza tubi (Invio chiude), il muro in basso del soggiorno.
        premi(f, "Strumento3");
        angoli(f, QPolygonF({{6.5, 3}, {9.5, 3}, {9.5, 3.6}, {6.5, 3.6}}));
        QTest::keyClick(f->Vista(), Qt::Key_Return);
        premi(f, "Strumento4");
        clic(f, 3, 0);
        pt = f->Pianta().Piano(QStringLiteral("PT"));
        QCOMPARE(pt->zoneSenzaTubi.size(), 1);
        QCOMPARE(pt->muriEsterni.size(), 1);
        // Senza collettori nel progetto la pianta non ne posa.
        allontana(f);
        premi(f, "Strumento5");
        clic(f, 11.5, 0.5);
        QCOMPARE(registro.Prendi().testo,
                 QStringLiteral("Non ci sono collettori da posare: darne il nome nella "
                                "pagina \"Collettori\"."));
        chiudi(f);

        // Le aree nella griglia: 6 × 4; 4 × 4 meno il mobile 3 × 0,6; 4 × 2,5; striscia di 1 m lungo 6 m.
        QHash<QString, QStringList> griglia = Griglia(p->TabSheet3->DBGrid1);
        QCOMPARE(griglia.value("Soggiorno"), (QStringList {"24", "24", "6", "0"}));
        QCOMPARE(griglia.value("Cucina"), (QStringList {"16", "14,2", "0", "0"}));
        QCOMPARE(griglia.value("Bagno"), (QStringList {"10", "10", "0", "0"}));

        // 6. Due collettori nella pagina "Collettori", posati poi sulla pianta.
        pagina(p, "TabSheet5");
        nomiCollettori << QStringLiteral("Giorno") << QStringLiteral("Notte");
        QTest::mouseClick(p->TabSheet5->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(p->TabSheet5->SpeedButton1, Qt::LeftButton);
        QCOMPARE(p->Stato().Assegnazione.NumeroCollettori(), 2);
        pagina(p, "TabSheet3");
        f = apriPianta(p);
        QVERIFY(f);
        allontana(f);
        premi(f, "Strumento5");
        scegli(f, "ComboCollettore", QStringLiteral("Giorno"));
        clic(f, 11.5, 0.5);
        scegli(f, "ComboCollettore", QStringLiteral("Notte"));
        clic(f, 2, 7.5);
        QCOMPARE(f->Pianta().Piano(QStringLiteral("PT"))->collettori,
                 (QMap<QString, QPointF> {{"Giorno", {11.5, 0.5}}, {"Notte", {2, 7.5}}}));
        f->ImpostaStrumento(TFinestraPianta::TStrumento::Seleziona);
        Fotografa(f, "pianta-giro.png");
        chiudi(f);

        // Percorsi a L dal collettore più vicino: soggiorno 3,5 m da Notte (per eccesso 4), cucina
        // 1,5 m da Giorno (2), bagno 1 m da Notte.
        griglia = Griglia(p->TabSheet3->DBGrid1);
        const QHash<QString, QStringList> attesa {{"Soggiorno", {"24", "24", "6", "4"}},
                                                  {"Cucina", {"16", "14,2", "0", "2"}},
                                                  {"Bagno", {"10", "10", "0", "1"}}};
        QCOMPARE(griglia, attesa);
        w.raise();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Fotografa(&w, "pianta-locali.png");

        // 7. Ctrl+S con il nome scelto, Ctrl+W chiude senza domande, Ctrl+O lo riapre.
        const TPianta salvata = p->Stato().Pianta;
        risposte << progetto;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo(progetto).size() > 0);
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!w.FinestraProgetto());
        risposte << progetto;
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        p = w.FinestraProgetto();
        QVERIFY(p);
        QCOMPARE(p->Stato().Pianta, salvata);
        pagina(p, "TabSheet3");
        QCOMPARE(Griglia(p->TabSheet3->DBGrid1), attesa);
        f = apriPianta(p);
        QVERIFY(f);
        QCOMPARE(f->Pianta(), salvata);
        QCOMPARE(f->Pianta().Piano(QStringLiteral("PT"))->sfondo.disegno.spezzate,
                 salvata.Piano(QStringLiteral("PT"))->sfondo.disegno.spezzate);
        chiudi(f);
        // Riaprire e richiudere la pianta non cambia nulla: niente da salvare.
        QVERIFY(!dati.ProgettoModificato);

        // La pianta riletta è ancora legata ai locali: tolto il mobile, la cucina torna utile tutta.
        f = apriPianta(p);
        QVERIFY(f);
        premi(f, "Strumento0");
        clic(f, 8, 3.3);
        QTest::keyClick(f->Vista(), Qt::Key_Delete);
        QVERIFY(f->Pianta().Piano(QStringLiteral("PT"))->zoneSenzaTubi.isEmpty());
        chiudi(f);
        QCOMPARE(Griglia(p->TabSheet3->DBGrid1).value("Cucina"), (QStringList {"16", "16", "0", "2"}));
        QVERIFY(dati.ProgettoModificato && dati.LocaliModificati);
    }
};

QTEST_MAIN(TstGiroPianta)
#include "tst_giropianta.moc"
