// Giro della posa nella finestra principale, come un utente nuovo: apre un progetto con la pianta,
// fa la posa dalla pagina "Locali", mette un locale a serpentina, accende "Lunghezze dal disegno"
// e controlla che pagina dei collettori, ottimizzazione delle matasse, preventivo e "Tavola
// Impianto" seguano le lunghezze misurate; spenta l'opzione, tutto torna come prima.
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "app/Umain.h"
#include "app/Ustampa.h"
#include "data/Udatabase.h"
#include "documents/foglio/Udocumento.h"
#include "documents/foglio/Ufoglio.h"
#include "editor/Udef.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginalocali.h"
#include "optimise/Uottimizza.h"
#include "optimise/finestre/Ufinestraottimizza.h"
#include "posa/finestre/Ufinestraposa.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <cmath>

namespace {
// Una riga della tabella della posa.
struct TRigaPosa
{
    int id = 0;
    QString schema;
    double totale = 0;
    int dimensionata = 0;
};

// Una riga dei dati del collettore: lunghezza, portata, perdita di carico.
struct TCifre
{
    int l = 0;
    int q = 0;
    int dp = 0;
    bool operator==(const TCifre&) const = default;
};

// Ciò che i passi dopo la posa mostrano: i dati del collettore, i metri di tubo del preventivo
// prima dell'ottimizzazione, la lista di taglio (circuito -> metri) e i metri di tubo comprati in
// matasse.
struct TPassi
{
    QMap<QString, TCifre> collettore;
    double tubo = 0;
    QMap<QString, int> taglio;
    double matasse = 0;
    bool operator==(const TPassi&) const = default;
};

double Numero(const QString& testo)
{
    bool ok = false;
    const double v = QLocale().toDouble(testo, &ok);
    return ok ? v : std::nan("");
}
} // namespace

class TstGiroPosa : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    QTemporaryDir cartella;
    std::unique_ptr<TDati> dati;
    std::unique_ptr<TTERMOVELA> w;

    TProgetto* progetto() const { return w->FinestraProgetto(); }

    // Il progetto d'esempio con la pianta del suo piano: la cucina (10 m²) e lo studio (20 m²)
    // affiancati, il collettore "Nord" nella cucina vicino al muro comune, con tutti i circuiti
    // (l'ottimizzazione li vuole assegnati).
    QString preparaFile()
    {
        const QString origine
            = qEnvironmentVariable("TVL_SORGENTI") + QStringLiteral("/fuzz/corpus/progetto/completo.tvl");
        const QString copia = cartella.filePath(QStringLiteral("origine.tvl"));
        if (!QFile::copy(origine, copia))
            return {};
        QFile(copia).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        w->ApriDaPercorso(copia);
        if (!progetto())
            return {};
        TStatoProgetto& s = progetto()->Stato();
        TPiano& pt = s.Pianta.PianoOCrea(QStringLiteral("PT"));
        pt.locali << TContornoLocale {1, QPolygonF({{0, 0}, {4, 0}, {4, 2.5}, {0, 2.5}})}
                  << TContornoLocale {2, QPolygonF({{4, 0}, {9, 0}, {9, 4}, {4, 4}})};
        pt.collettori.insert(QStringLiteral("Nord"), {3.7, 0.3});
        // Le etichette del file d'esempio sono accorciate: l'albero si rifà come lo scrive il programma.
        TAssegnazione& a = s.Assegnazione;
        a.Svuota();
        a.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("Nord")));
        a.AggiungiCircuitoNodo(EtichettaCircuito(QStringLiteral("Cucina - 1"), u's', 1));
        for (const char* nome : {"Studio - 1", "Studio - 2"})
            a.AggiungiCircuitoNodo(EtichettaCircuito(QString::fromLatin1(nome), u's', 2));
        // Il tubo del catalogo (quello dei modelli nuovi): la distinta ne ha le matasse.
        TTabella* g = s.Dati().AuxDGenerali;
        const QList<QPair<const char*, QVariant>> tubo
            = {{"COD_TUBO", "PEX162-BAO"}, {"LAMBDA_TUBO", 0.35}, {"SPESS_TUBO", 2}, {"DEST_TUBO", 17}};
        for (const auto& [campo, v] : tubo)
            g->FieldByName(QLatin1String(campo)).Imposta(v);
        if (!g->Post())
            return {};
        s.OttimizzazioneEseguita = false; // le matasse salvate erano del tubo di prima
        s.Dati().ProgettoModificato = true;
        const QString file = cartella.filePath(QStringLiteral("Casa con pianta.tvl"));
        dialoghi.file = [file](const TSceltaFile&) { return file; };
        w->SalvaconNome1->trigger();
        w->Chiudi1->trigger();
        registro.PrendiTutti();
        return progetto() ? QString() : file;
    }

    void pagina(QWidget* p)
    {
        progetto()->PageControl1->setCurrentWidget(p);
        QApplication::processEvents();
        QCOMPARE(progetto()->PageControl1->currentWidget(), p);
    }

    TFinestraPosa* apriPosa()
    {
        pagina(progetto()->TabSheet3);
        QTest::mouseClick(progetto()->TabSheet3->BitBtnPosa, Qt::LeftButton);
        auto* f = progetto()->findChild<TFinestraPosa*>();
        return f && QTest::qWaitForWindowExposed(f) ? f : nullptr;
    }

    static QMap<QString, TRigaPosa> righePosa(const TFinestraPosa& f)
    {
        QMap<QString, TRigaPosa> r;
        const QTableWidget* t = f.Tabella;
        for (int i = 0; i < t->rowCount(); ++i)
            r.insert(t->item(i, TFinestraPosa::Circuito)->text(),
                     {t->item(i, TFinestraPosa::Locale)->text().toInt(), t->item(i, TFinestraPosa::Schema)->text(),
                      Numero(t->item(i, TFinestraPosa::Totale)->text()),
                      int(Numero(t->item(i, TFinestraPosa::Dimensionata)->text()))});
        return r;
    }

    // I dati del collettore "Nord" nella pagina dei collettori, dopo un clic sul suo nodo.
    QMap<QString, TCifre> cifreCollettore()
    {
        TPaginaCollettori* c = progetto()->TabSheet5;
        pagina(c);
        QTreeView* albero = c->TreeView1;
        const QModelIndex nord = albero->model()->index(0, 0);
        QTest::mouseClick(albero->viewport(), Qt::LeftButton, {}, albero->visualRect(nord).center());
        QMap<QString, TCifre> r;
        if (c->Label18->text() != QLatin1String("Nord"))
            return r;
        for (int i = 0; i < c->ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* it = c->ListView1->topLevelItem(i);
            r.insert(it->text(2), {int(Numero(it->text(3))), int(Numero(it->text(5))), int(Numero(it->text(6)))});
        }
        return r;
    }

    // "Ottimizzazione Circuiti" con tutte le matasse: la lista di taglio, circuito -> lunghezza.
    QMap<QString, int> ottimizza()
    {
        QMap<QString, int> taglio;
        dialoghi.esegui = [&taglio, this](QDialog& d) {
            auto& o = static_cast<TOttimizza&>(d);
            o.show();
            if (!QTest::qWaitForWindowExposed(&o))
                return 0;
            // Le matasse si spuntano dalla tastiera, come fa l'utente.
            for (int i = 0; i < o.Matasse->count(); ++i) {
                o.Matasse->setCurrentRow(i);
                if (o.Matasse->item(i)->checkState() != Qt::Checked)
                    QTest::keyClick(o.Matasse, Qt::Key_Space);
            }
            QTest::mouseClick(o.BitBtn3, Qt::LeftButton);
            if (progetto()->Stato().OttimizzazioneEseguita)
                for (const RigaCircuito& r : LeggiAuxCircuiti(*dati))
                    taglio.insert(r.Descr_Circuito.trimmed(), r.L_Circuito);
            QTest::mouseClick(o.BitBtn1, Qt::LeftButton);
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(progetto()->TabSheet5->Button1, Qt::LeftButton);
        dialoghi.esegui = nullptr;
        return taglio;
    }

    // "Preventivo Semplice" dal menu: i metri di tubo (le prime righe, una per matassa).
    double metriTuboPreventivo()
    {
        w->PreventivoSemplice1->trigger();
        registro.PrendiTutti(); // le righe che mancano al catalogo
        const QString file = w->Stampa()->UltimoDocumento;

        if (file.isEmpty())
            return -1;
        TFoglio f;
        f.Apri(file);
        const QString tubo = f.Testo(QStringLiteral("B16"));
        double metri = 0;
        for (int r = 16; f.Testo(QStringLiteral("B%1").arg(r)) == tubo; r += 2) {
            if (f.Testo(QStringLiteral("E%1").arg(r)) != QLatin1String("mt"))
                return -1;
            metri += f.Numero(QStringLiteral("F%1").arg(r));
        }
        return metri;
    }

    // "Tavola Impianto" dal menu: il testo del PDF del piano (vuoto se manca).
    QString testoTavola()
    {
        w->TavolaImpianto1->trigger();
        registro.PrendiTutti();
        const QStringList file = w->Stampa()->UltimiFile;
        if (file.size() != 1 || !QFileInfo(file[0]).fileName().endsWith(QLatin1String("Tavola impianto.pdf")))
            return {};
        QFile pdf(file[0]);
        if (!pdf.open(QIODevice::ReadOnly) || pdf.read(5) != "%PDF-")
            return {};
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file[0], QStringLiteral("-")});
        return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    }

    // Pagina dei collettori, preventivo, ottimizzazione e di nuovo preventivo. Ogni passo legge le
    // lunghezze della pagina dei collettori: il preventivo senza matasse ne compra la somma, la
    // lista di taglio le ha tutte, le matasse comprate bastano a tagliarle.
    void passi(TPassi& p)
    {
        p.collettore = cifreCollettore();
        QVERIFY(!p.collettore.isEmpty());
        // Lunghezze cambiate: l'ottimizzazione di prima non vale più.
        QVERIFY(!progetto()->Stato().OttimizzazioneEseguita);
        int somma = 0;
        for (const TCifre& c : p.collettore)
            somma += c.l;
        p.tubo = metriTuboPreventivo();
        QCOMPARE(p.tubo, double(somma));
        p.taglio = ottimizza();
        QCOMPARE(p.taglio.keys(), p.collettore.keys());
        for (auto it = p.taglio.cbegin(); it != p.taglio.cend(); ++it)
            QCOMPARE(*it, p.collettore[it.key()].l);
        p.matasse = metriTuboPreventivo();
        QVERIFY2(p.matasse >= somma, qPrintable(QString::number(p.matasse)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        // La cartella dei documenti e la configurazione restano nella cartella della prova.
        qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral("config")).toLocal8Bit());
        // Si parte dalla cartella della prova, con i modelli e lo sfondo del programma: i documenti
        // vanno nella sua cartella "Documenti".
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv", "tvlbg"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), cartella.filePath(f)));
        QVERIFY(QDir::setCurrent(cartella.path()));
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
        dati = std::make_unique<TDati>();
        w = std::make_unique<TTERMOVELA>(dati.get());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanupTestCase()
    {
        w.reset();
        dati.reset();
    }

    void giroCompleto()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) manca: scripts/prepara.sh --test");
        const QString file = preparaFile();
        QVERIFY(!file.isEmpty());

        // L'utente apre il progetto: la pianta c'è.
        dialoghi.file = [file](const TSceltaFile&) { return file; };
        w->Apri1->trigger();
        QVERIFY(progetto());
        QVERIFY(!progetto()->Stato().Pianta.Vuota());

        // Prima posa: tre circuiti a spirale, l'opzione spenta, i collettori con le lunghezze dimensionate.
        TFinestraPosa* f = apriPosa();
        QVERIFY(f);
        QVERIFY(!f->CheckLunghezze->isChecked());
        const QMap<QString, TRigaPosa> spirale = righePosa(*f);
        QCOMPARE(spirale.keys(), QStringList({"Cucina - 1", "Studio - 1", "Studio - 2"}));
        for (const TRigaPosa& r : spirale)
            QCOMPARE(r.schema, QStringLiteral("spirale"));
        f->close();
        TPassi prima;
        passi(prima);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(prima.collettore.keys(), spirale.keys());
        for (auto it = prima.collettore.cbegin(); it != prima.collettore.cend(); ++it)
            QCOMPARE(it->l, spirale[it.key()].dimensionata);

        // La cucina a serpentina e le lunghezze dal disegno.
        f = apriPosa();
        QVERIFY(f);
        int rigaCucina = -1;
        for (int r = 0; r < f->Tabella->rowCount(); ++r)
            if (f->Tabella->item(r, TFinestraPosa::Locale)->text() == QLatin1String("1"))
                rigaCucina = r;
        QVERIFY(rigaCucina >= 0);
        const QRect cella = f->Tabella->visualItemRect(f->Tabella->item(rigaCucina, TFinestraPosa::Schema));
        // Il doppio clic arriva, come dal mouse, dopo il primo clic.
        QTest::mouseClick(f->Tabella->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseDClick(f->Tabella->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseClick(f->CheckLunghezze, Qt::LeftButton);
        QVERIFY(f->CheckLunghezze->isChecked());
        const QMap<QString, TRigaPosa> misurate = righePosa(*f);
        QCOMPARE(misurate["Cucina - 1"].schema, QStringLiteral("serpentina"));
        QCOMPARE(misurate["Studio - 1"].schema, QStringLiteral("spirale"));
        QVERIFY(misurate["Cucina - 1"].totale != spirale["Cucina - 1"].totale);
        f->close();

        // Collettori: ogni circuito lungo quanto il più lungo misurato del suo locale, in metri per
        // eccesso; la portata non cambia, la perdita di carico segue la lunghezza.
        TPassi dopo;
        passi(dopo);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(dopo.collettore.keys(), prima.collettore.keys());
        QVERIFY(dopo.tubo != prima.tubo);
        for (auto it = dopo.collettore.cbegin(); it != dopo.collettore.cend(); ++it) {
            double piuLungo = 0;
            for (const TRigaPosa& r : misurate)
                if (r.id == misurate[it.key()].id)
                    piuLungo = std::max(piuLungo, r.totale);
            const TCifre& p = prima.collettore[it.key()];
            QVERIFY2(it->l == int(std::ceil(piuLungo - 0.05)) || it->l == int(std::ceil(piuLungo + 0.05)),
                     qPrintable(QStringLiteral("%1: %2 m, misurato %3 m").arg(it.key()).arg(it->l).arg(piuLungo)));
            QVERIFY(it->l != p.l);
            QCOMPARE(it->q, p.q);
            const double attesa = double(p.dp) * it->l / p.l;
            QVERIFY2(std::abs(it->dp - attesa) <= 1 + 0.01 * attesa,
                     qPrintable(QStringLiteral("%1: dP %2, attesa %3").arg(it.key()).arg(it->dp).arg(attesa)));
        }

        // Tavola impianto: un PDF per il piano con cartiglio, scala grafica e la legenda dei
        // circuiti: lunghezza misurata di ciascuno (quella del disegno) e portata del collettore.
        const QString tavola = testoTavola();
        for (const char* t :
             {"Tavola impianto", "Casa Rossi", "Città Alta", "Ing. Bo", "PT", "1:50", "Legenda dei circuiti", "1/1 (A3)"})
            QVERIFY2(tavola.contains(QString::fromUtf8(t)),
                     qPrintable(QString::fromUtf8(t) + QStringLiteral(" manca in:\n") + tavola));
        QVERIFY(tavola.contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
        QVERIFY(tavola.contains(QRegularExpression(QStringLiteral("\\b0 +1 +2 .* 5 m\\b"))));
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        double totale = 0;
        for (auto it = misurate.cbegin(); it != misurate.cend(); ++it) {
            const QRegularExpressionMatch m
                = QRegularExpression(QStringLiteral("\\d+\\.\\d+ %1 +Nord +20 +([\\d,]+) +([\\d,]+)")
                                         .arg(QRegularExpression::escape(it.key())))
                      .match(tavola);
            QVERIFY2(m.hasMatch(), qPrintable(it.key() + QStringLiteral(" manca nella legenda:\n") + tavola));
            QVERIFY(std::abs(italiano.toDouble(m.captured(1)) - it->totale) < 0.051);
            QVERIFY(std::abs(italiano.toDouble(m.captured(2)) - dopo.collettore[it.key()].q) <= 0.5);
            totale += it->totale;
        }
        const QRegularExpressionMatch m
            = QRegularExpression(QStringLiteral("Totale tubo del piano +([\\d,]+)")).match(tavola);
        QVERIFY(m.hasMatch());
        QVERIFY(std::abs(italiano.toDouble(m.captured(1)) - totale) < 0.16);

        // L'opzione e gli schemi dei locali si salvano con il progetto: riaperto, i collettori sono gli stessi.
        w->Salva1->trigger();
        w->Chiudi1->trigger();
        w->Apri1->trigger();
        QVERIFY(progetto());
        QCOMPARE(cifreCollettore(), dopo.collettore);

        // Spenta l'opzione, collettori, preventivo e lista di taglio tornano quelli di prima.
        f = apriPosa();
        QVERIFY(f && f->CheckLunghezze->isChecked());
        QTest::mouseClick(f->CheckLunghezze, Qt::LeftButton);
        f->close();
        TPassi spenta;
        passi(spenta);
        QCOMPARE(spenta, prima);
        QVERIFY(registro.Controlla());
    }
};

QTEST_MAIN(TstGiroPosa)
#include "tst_giroposa.moc"
