// Finestra principale: stato all'avvio, menu, sfondo, uscita e finestra "Info".
#include "aiuti/RegistroMessaggi.h"
#include "app/Uinfo.h"
#include "app/Umain.h"
#include "data/Udatabase.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

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

private Q_SLOTS:
    void cleanup()
    {
        registro.Controlla();
        QVERIFY(!QApplication::activeModalWidget());
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
        QCOMPARE(barra, (QStringList{"Progetto", "Stampa", "Informazioni"}));
        QCOMPARE(testiMenu(w.File1), (QStringList{"Nuovo", "Apri", "Salva", "Salva con Nome...", "-", "Chiudi", "Esci"}));
        QCOMPARE(testiMenu(w.Nuovo1), (QStringList{"Regolazione V220HJ", "Regolazione \"PUNTO FISSO\"",
                                          "Regolazione V221V-9", "Regolazione V225"}));
        QCOMPARE(testiMenu(w.Standard11), QStringList{"V220HJ"});
        QCOMPARE(testiMenu(w.Stampe), (QStringList{"&Rapporto Tecnico", "&Preventivo Semplice", "&Capitolato",
                                          "&Ottimizz. Circuiti", "&Etichette"}));
        for (const char* nome : {"SoloRiscaldamento1", "RegolazionePUNTOFISSO1", "RegolazioneV221V1",
                 "RegolazioneV2251", "Apri1", "Salva1", "SalvaconNome1", "N1", "Chiudi1", "Esci1",
                 "RapportoTecnico1", "PreventivoSemplice1", "PreventivoCompleto1", "OttimizzCircuiti1",
                 "Etichette1", "Informazioni1"})
            QVERIFY2(w.findChild<QAction*>(QLatin1String(nome)), nome);
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

    void esciSenzaDomandeAncheConProgetto()
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
        w.AreaMdi()->addSubWindow(new QWidget)->show();
        registro.Rispondi(risposta);
        QCOMPARE(w.close(), risposta);
        VERIFICA_MESSAGGIO(registro,
            "Sei sicuro di volere abbandonare il progetto in corso?\n\nEventuali modifiche non salvate andranno perse.",
            TIcona::Domanda);
        QCOMPARE(w.isVisible(), !risposta);
        QCOMPARE(bool(w.Progetto()), !risposta);
    }

    void finestraInfo()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        TInfo* info = w.Info();
        QCOMPARE(info->windowTitle(), QStringLiteral("Info"));
        QVERIFY(info->font().bold());
        QCOMPARE(info->Memo1->toPlainText().split(u'\n'),
            (QStringList{"", "Per informazioni consultare il file denominato \"manuale.pdf\" presente ",
                "nella directory di installazione del programma.", "",
                "Per visualizzare questo file occorre avere installato Acrobat Reader.", ""}));
        QVERIFY(info->Memo1->isReadOnly());
        auto* esci = info->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QVERIFY(esci);
        QCOMPARE(esci->text(), QStringLiteral("   Esci"));
        // Modale: si chiude con il pulsante.
        QTimer::singleShot(0, esci, [esci] { esci->click(); });
        w.Informazioni1->trigger();
        QVERIFY(!info->isVisible());
    }
};

QTEST_MAIN(TstMain)
#include "tst_main.moc"
