// Finestra principale che cresce con lo schermo: le pagine usano lo spazio che ricevono e la
// finestra riapre con le dimensioni (o la massimizzazione) dell'ultima chiusura.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/RegistroMessaggi.h"
#include "app/Umain.h"
#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "progetto/Ustato.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Locali su due piani, con e senza zona marginale: ogni pagina ha qualcosa da mostrare.
bool AggiungiLocali(TDati& dati)
{
    TTabella* t = dati.AuxLocali;
    for (int i = 0; i < 6; ++i) {
        t->Insert();
        const QList<QPair<const char*, QVariant>> valori = {
            {"ID", i + 1},
            {"Descrizione", QStringLiteral("Stanza %1").arg(i + 1)},
            {"Piano", i < 3 ? "PT" : "P1"},
            {"TAmbiente", 20},
            {"Area", 12 + i},
            {"AreaUtile", 11 + i},
            {"AreaMarginale", i % 2 ? 0.0 : 2.0},
            {"CTermico", 700 + 100 * i},
            {"Rivestimento", "Ceramica"},
            {"Lambda_Riv", 1.3},
            {"Spessore", 10},
            {"DistColl", 5 + i},
        };
        for (const auto& [campo, v] : valori)
            if (!t->FieldByName(QString::fromUtf8(campo)).Imposta(v))
                return false;
        if (!t->Post())
            return false;
    }
    dati.LocaliModificati = true;
    return true;
}

// Le griglie, gli alberi e gli elenchi visibili della pagina, con la loro misura.
QHash<QAbstractItemView*, QSize> Viste(QWidget* pagina)
{
    QHash<QAbstractItemView*, QSize> viste;
    for (QAbstractItemView* v : pagina->findChildren<QAbstractItemView*>())
        if (v->isVisible() && !qobject_cast<QHeaderView*>(v) && v->objectName() != QLatin1String("ColonnaFissa"))
            viste.insert(v, v->size());
    return viste;
}

void Attendi()
{
    QCoreApplication::processEvents();
    QTest::qWait(50);
}
} // namespace

class TstFinestra : public QObject
{
    Q_OBJECT

    QTemporaryDir avvio;
    TRegistroMessaggi registro;

    static void dimenticaGeometria() { QSettings().remove(QStringLiteral("FinestraPrincipale")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(avvio.isValid());
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), avvio.filePath(f)));
        QVERIFY(QDir::setCurrent(avvio.path()));
        // Le impostazioni della prova non toccano quelle dell'utente.
        qputenv("XDG_CONFIG_HOME", avvio.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void init() { dimenticaGeometria(); }
    void cleanup()
    {
        registro.PrendiTutti();
        QVERIFY(registro.Controlla());
    }

    // Ogni pagina, nella finestra principale ingrandita, dà più spazio alle sue griglie e ai suoi
    // elenchi (più alti, mai più stretti); i moduli restano dentro la pagina. A 792 × 554 nulla
    // esce dalla pagina.
    void pagineUsanoLoSpazio_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("conViste");
        const bool viste[] = {false, false, true, true, true, true, false, true};
        for (int i = 0; i < TitoliPagine.size(); ++i)
            QTest::newRow(qPrintable(TitoliPagine[i])) << i << viste[i];
    }
    void pagineUsanoLoSpazio()
    {
        QFETCH(int, indice);
        QFETCH(bool, conViste);
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.AreaMdi()->size(), TAreaSfondo::DimensioneIniziale);
        w.SoloRiscaldamento1->trigger();
        TProgetto* p = w.FinestraProgetto();
        QVERIFY(p);
        QVERIFY(AggiungiLocali(dati));
        p->Stato().SalvaImpostazioni(1, 45.0f);
        p->PageControl1->setCurrentIndex(indice);
        Attendi();
        QWidget* pagina = p->PageControl1->currentWidget();
        QCOMPARE(p->PageControl1->tabText(indice), QString::fromUtf8(QTest::currentDataTag()));

        // A 792 × 554 ogni controllo visibile sta nella pagina.
        auto dentro = [pagina] {
            for (QWidget* c : pagina->findChildren<QWidget*>())
                if (c->isVisible() && c->parentWidget() == pagina
                    && !pagina->rect().contains(QRect(c->mapTo(pagina, QPoint()), c->size())))
                    return c->objectName() + QStringLiteral(" esce dalla pagina");
            return QString();
        };
        QCOMPARE(dentro(), QString());
        const QHash<QAbstractItemView*, QSize> prima = Viste(pagina);
        QCOMPARE(!prima.isEmpty(), conViste);
        const QSize paginaPrima = pagina->size();

        w.resize(w.width() + 600, w.height() + 340);
        Attendi();
        QCOMPARE(w.AreaMdi()->size(), TAreaSfondo::DimensioneIniziale + QSize(600, 340));
        // Il progetto segue l'area, la pagina il progetto.
        QCOMPARE(pagina->size(), paginaPrima + QSize(600, 340));
        QCOMPARE(dentro(), QString());
        bool piuLarga = false;
        for (auto i = prima.cbegin(); i != prima.cend(); ++i) {
            QAbstractItemView* vista = i.key();
            const QSize misura = i.value();
            QVERIFY2(vista->height() > misura.height() && vista->width() >= misura.width(),
                     qPrintable(QStringLiteral("%1 %2: %3x%4 -> %5x%6")
                                    .arg(QString::fromLatin1(vista->metaObject()->className()), vista->objectName())
                                    .arg(misura.width())
                                    .arg(misura.height())
                                    .arg(vista->width())
                                    .arg(vista->height())));
            piuLarga = piuLarga || vista->width() > misura.width();
        }
        QCOMPARE(piuLarga, conViste);
        // I moduli tengono le loro proporzioni: lo spazio in più resta a destra, vuoto.
        if (!conViste) {
            int destra = 0;
            for (QWidget* c : pagina->findChildren<QWidget*>())
                if (c->isVisible() && c->parentWidget() == pagina)
                    destra = qMax(destra, c->geometry().right());
            QVERIFY2(destra < pagina->width() - 250, qPrintable(QString::number(destra)));
        }

        // Massimizzata: la pagina occupa tutta l'area, come ingrandita a mano.
        w.showMaximized();
        Attendi();
        QVERIFY(w.isMaximized());
        QCOMPARE(p->parentWidget()->size(), w.AreaMdi()->viewport()->size());
    }

    // Chiusa a una misura, la finestra riapre a quella misura; chiusa massimizzata, riapre
    // massimizzata. Senza impostazioni apre con l'area di 792 × 554. (Lo schermo di prova è di
    // 800 × 600: la misura ricordata deve starci.)
    void misuraRicordata()
    {
        TDati dati;
        {
            TTERMOVELA w(&dati);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.AreaMdi()->size(), TAreaSfondo::DimensioneIniziale);
            w.resize(780, 560);
            Attendi();
            QVERIFY(w.close());
        }
        {
            TTERMOVELA w(&dati);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.size(), QSize(780, 560));
            QVERIFY(!w.isMaximized());
            w.showMaximized();
            Attendi();
            QVERIFY(w.close());
        }
        {
            TTERMOVELA w(&dati);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QVERIFY(w.isMaximized());
        }
        // Una geometria illeggibile non impedisce di aprire: si riparte da quella iniziale.
        QSettings().setValue(QStringLiteral("FinestraPrincipale/Geometria"), QByteArray("rotta"));
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.AreaMdi()->size(), TAreaSfondo::DimensioneIniziale);
    }
};

QTEST_MAIN(TstFinestra)
#include "tst_finestra.moc"
