// Finestra di progetto: pagine, ingresso nelle pagine, cambio di pagina durante l'inserimento
// di un locale.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/RegistroMessaggi.h"

#include <QTabBar>
#include <QTest>

class TstProgetto : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

private Q_SLOTS:
    void cleanup() { QVERIFY(registro.Controlla()); }

    void pagine()
    {
        TFinestraDiProva p;
        QVERIFY(p.Apri());
        const QStringList titoli = {"Informazioni Cliente",
                                    "Dati Generali Impianto",
                                    "Locali",
                                    "T Mandata Progetto",
                                    "Collettori",
                                    "Regolazione",
                                    "Catalogo"};
        QTabWidget* pc = p.finestra->PageControl1;
        QCOMPARE(pc->count(), titoli.size());
        for (int i = 0; i < pc->count(); ++i) {
            QCOMPARE(pc->tabText(i), titoli[i]);
            QCOMPARE(pc->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
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
};

QTEST_MAIN(TstProgetto)
#include "tst_progetto.moc"
