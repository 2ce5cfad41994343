// Numeri a schermo in un modo solo: su ogni pagina di un progetto con numeri grandi (un locale da
// 2500 W, più di mille metri di tubo), nella vista dei collettori e nella finestra
// dell'ottimizzazione nessun testo visibile ha il separatore delle migliaia e i decimali hanno la
// virgola. Si leggono i testi come li vede l'utente: etichette, caselle, pulsanti, titoli,
// linguette, celle e intestazioni delle viste.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "editor/Umostraccoll.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginaregolazione.h"
#include "optimise/finestre/Ufinestraottimizza.h"
#include "progetto/Uassegnaauto.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextEdit>
#include <QTreeView>

#include <algorithm>

#include <memory>

namespace {
// Testo visibile e il controllo che lo mostra.
struct TTestoVisto
{
    QString controllo;
    QString testo;
};

void testiModello(const QAbstractItemView* v, const QModelIndex& genitore, const QString& nome,
                  QList<TTestoVisto>& testi)
{
    const QAbstractItemModel* m = v->model();
    for (int r = 0; r < m->rowCount(genitore); ++r)
        for (int c = 0; c < m->columnCount(genitore); ++c) {
            const QModelIndex i = m->index(r, c, genitore);
            testi.append({nome, i.data(Qt::DisplayRole).toString()});
            if (c == 0 && m->hasChildren(i))
                testiModello(v, i, nome, testi);
        }
}

// Tutti i testi dei controlli visibili della finestra.
QList<TTestoVisto> testiVisibili(QWidget* finestra)
{
    QList<TTestoVisto> testi;
    QList<QWidget*> controlli = finestra->findChildren<QWidget*>();
    controlli.prepend(finestra);
    for (QWidget* w : controlli) {
        if (!w->isVisible())
            continue;
        const QString nome
            = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w))
            testi.append({nome, l->text()});
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            testi.append({nome, e->text()});
        else if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
            testi.append({nome, s->text()});
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            testi.append({nome, b->text()});
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            testi.append({nome, g->title()});
        else if (auto* c = qobject_cast<QComboBox*>(w))
            testi.append({nome, c->currentText()});
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
            testi.append({nome, t->toPlainText()});
        else if (auto* t = qobject_cast<QTextEdit*>(w))
            testi.append({nome, t->toPlainText()});
        else if (auto* b = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < b->count(); ++i)
                testi.append({nome, b->tabText(i)});
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model() && !qobject_cast<QHeaderView*>(w)) {
            testiModello(v, v->rootIndex(), nome, testi);
            for (int c = 0; c < v->model()->columnCount(); ++c)
                testi.append({nome, v->model()->headerData(c, Qt::Horizontal).toString()});
        }
    }
    return testi;
}
} // namespace

class TstNumeriSchermo : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    std::unique_ptr<TFinestraDiProva> p;
    // I testi delle finestre modali, letti mentre sono aperte.
    QHash<QString, QList<TTestoVisto>> modali;

    TPaginaCollettori* collettori() { return p->finestra->TabSheet5; }

private Q_SLOTS:
    // Tre locali grandi su due piani, mandata con l'area marginale, collettori assegnati e
    // confermati, regolazione calcolata, ottimizzazione eseguita.
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        p = std::make_unique<TFinestraDiProva>();
        QVERIFY(p->Apri());
        TTabella* l = p->dati.AuxLocali;
        // clang-format off
        QVERIFY(ModificaRecord(l, {{"ID", 1}, {"Descrizione", "Salone"}, {"Piano", "PT"}, {"TAmbiente", 20},
                                   {"Area", 140.0}, {"AreaUtile", 130.5}, {"AreaMarginale", 8.25},
                                   {"CTermico", 2500.0}, {"DistColl", 12.5}}, true));
        QVERIFY(ModificaRecord(l, {{"ID", 2}, {"Descrizione", "Taverna"}, {"Piano", "PT"}, {"TAmbiente", 18},
                                   {"Area", 95.0}, {"AreaUtile", 90.0}, {"AreaMarginale", 0.0},
                                   {"CTermico", 3400.0}, {"DistColl", 10.0}}, true));
        QVERIFY(ModificaRecord(l, {{"ID", 3}, {"Descrizione", "Mansarda"}, {"Piano", "P1"}, {"TAmbiente", 20},
                                   {"Area", 120.0}, {"AreaUtile", 112.75}, {"AreaMarginale", 0.0},
                                   {"CTermico", 2200.0}, {"DistColl", 9.0}}, true));
        // clang-format on
        p->dati.LocaliModificati = true;
        p->Stato().En1264.CarichiEstivi.insert(1, 1500.5f);
        p->Stato().SalvaImpostazioni(1, 45.5f);
        p->Pagina(4);
        QCOMPARE(p->finestra->PageControl1->currentWidget(), collettori());
        QVERIFY(AssegnaAutomaticamente(p->Stato()));
        QVERIFY(p->Stato().Assegnazione.Lista().isEmpty());

        dialoghi.esegui = [this](QDialog& d) {
            auto* v = qobject_cast<TMostraCColl*>(&d);
            if (!v)
                return int(QDialog::Rejected);
            v->show();
            if (!QTest::qWaitForWindowExposed(v))
                return int(QDialog::Rejected);
            QCoreApplication::processEvents();
            modali.insert(QStringLiteral("vista collettori"), testiVisibili(v));
            QTest::mouseClick(v->BitBtn1, Qt::LeftButton); // "Salva Impostazioni"
            QTest::mouseClick(v->BitBtn3, Qt::LeftButton);
            return v->result();
        };
        QTest::mouseClick(collettori()->BitBtn4, Qt::LeftButton);
        QVERIFY(modali.contains(QStringLiteral("vista collettori")));
        QVERIFY(p->Stato().CollettoriConfermati);

        p->Pagina(5);
        QTest::mouseClick(p->finestra->TabSheet6->BitBtn6, Qt::LeftButton);

        TOttimizza o(p->Stato());
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QTest::mouseClick(o.BitBtn3, Qt::LeftButton);
        QVERIFY(p->Stato().OttimizzazioneEseguita);
        QCOMPARE(o.Edit2->text().size(), 4); // più di mille metri di tubo
        modali.insert(QStringLiteral("ottimizzazione"), testiVisibili(&o));
        registro.PrendiTutti();
    }
    void cleanupTestCase() { p.reset(); }

    // Per ogni finestra, testi che devono comparire interi (espressioni regolari): i numeri grandi
    // senza punti, i decimali con la virgola.
    void nessunSeparatoreDelleMigliaia_data()
    {
        QTest::addColumn<QString>("finestra"); // nome della pagina o della finestra modale
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("Informazioni Cliente") << "TabSheet1" << QStringList();
        QTest::newRow("Dati Generali Impianto") << "TabSheet2" << QStringList {"100"};
        QTest::newRow("Locali") << "TabSheet3" << QStringList {"2500", "3400", "130,5", "8,25", "112,8", "1500,5"};
        QTest::newRow("T Mandata Progetto") << "TabSheet4" << QStringList {"2500", "130,5", "\\d{4}", "\\d+,\\d\\d"};
        QTest::newRow("Raffrescamento") << "TabSheetRaffrescamento" << QStringList {"1501", "\\d{4}", "14,8 °C"};
        QTest::newRow("Collettori") << "TabSheet5" << QStringList {"45,5", "40,0", "\\d{4}"};
        QTest::newRow("Regolazione") << "TabSheet6" << QStringList {"\\d+"};
        QTest::newRow("Catalogo") << "TabSheet7" << QStringList();
        QTest::newRow("vista collettori") << "vista collettori" << QStringList {"\\d{4}"};
        QTest::newRow("ottimizzazione") << "ottimizzazione" << QStringList {"1\\d{3}", "\\d+,\\d\\d"};
    }
    void nessunSeparatoreDelleMigliaia()
    {
        QFETCH(QString, finestra);
        QFETCH(QStringList, attesi);
        QList<TTestoVisto> testi = modali.value(finestra);
        if (!modali.contains(finestra)) {
            QWidget* pagina = p->finestra->PageControl1->findChild<QWidget*>(finestra);
            QVERIFY(pagina);
            p->finestra->PageControl1->setCurrentWidget(pagina);
            QCoreApplication::processEvents();
            registro.PrendiTutti();
            QCOMPARE(p->finestra->PageControl1->currentWidget(), pagina);
            if (pagina == collettori()) {
                // I dettagli del primo collettore: mandata e circuiti.
                QTreeView* albero = collettori()->TreeView1;
                const QModelIndex primo = albero->model()->index(0, 0);
                QTest::mouseClick(albero->viewport(), Qt::LeftButton, {}, albero->visualRect(primo).center());
            }
            testi = testiVisibili(p->finestra.get());
        }
        QVERIFY(!testi.isEmpty());
        // Un punto fra due cifre è un separatore delle migliaia o un punto decimale: a schermo
        // né l'uno né l'altro.
        static const QRegularExpression punto(QStringLiteral("\\d\\.\\d"));
        for (const TTestoVisto& t : testi)
            QVERIFY2(!punto.match(t.testo).hasMatch(), qPrintable(t.controllo + QStringLiteral(": ") + t.testo));
        for (const QString& a : attesi) {
            const QRegularExpression intero(QRegularExpression::anchoredPattern(a));
            QVERIFY2(std::any_of(testi.cbegin(), testi.cend(),
                                 [&](const TTestoVisto& t) { return intero.match(t.testo).hasMatch(); }),
                     qPrintable(finestra + QStringLiteral(" senza ") + a));
        }
    }
};

QTEST_MAIN(TstNumeriSchermo)
#include "tst_numerischermo.moc"
