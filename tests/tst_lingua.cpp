// Interfaccia in inglese: i file di traduzione sono completi e coerenti con i testi sorgente, e
// con la traduzione inglese caricata la finestra principale, ogni pagina del progetto e ogni
// finestra raggiungibile non mostrano testi rimasti in italiano (salvo le eccezioni volute: dati
// del cliente, descrizioni del catalogo, numeri e unità).
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "app/Uciclo.h"
#include "app/Uinfo.h"
#include "app/Umain.h"
#include "app/Ustart.h"
#include "comandi/Ufotografia.h"
#include "controlli/Ucaricamento.h"
#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Ulingua.h"
#include "documents/foglio/Udocumento.h"
#include "editor/Udef.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginalocali.h"
#include "editor/Upaginamandata.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace {
// Parole che in un testo dell'interfaccia inglese tradiscono l'italiano rimasto.
const QRegularExpression ParoleItaliane(
    QStringLiteral("\\b(il|lo|gli|della|delle|dei|del|nel|nella|alla|non|con|che|è|sono|una|uno|"
                   "locale|locali|collettore|collettori|circuito|circuiti|mandata|progetto|piano|pianta|"
                   "salva|apri|chiudi|esci|annulla|elimina|nuovo|tubo|massetto|rivestimento|soletta|"
                   "isolante|regolazione|catalogo|descrizione|totale|scarto|matass[ae]|passo|carico|portata|"
                   "zona|verifica|oltre|estiva|stampa|opzioni|cliente|quantità|prezzi|sposta|legenda|"
                   "informazioni|modifica|conferma|inserisci|cerca|codice|tipo|spessore|sfondo|posa)\\b"),
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);

// Testi voluti in italiano o senza lingua: i dati del progetto d'esempio (cliente, locali,
// collettori), l'intestazione del produttore, i nomi dei prodotti e delle lingue.
const QStringList Eccezioni = {QStringLiteral("Italiano"), QStringLiteral("TERMOVELATOOL")};
// Testi del nucleo (intestazioni della griglia dei circuiti, motivi della posa), tradotti nei file
// del nucleo: finché questi mancano non sono di questa prova.
const QRegularExpression
    TestiDelNucleo(QStringLiteral("^(Locale|Carico|Integr\\.|Pot\\.|Passo|T Sup\\.)\n|il piano non ha una pianta"));
// Etichette che mostrano dati del progetto: il nome del collettore nella scelta del tipo.
const QStringList EtichetteDiDati = {QStringLiteral("DBText1")};
// Inizi di testi di dati: l'indirizzo del produttore nella finestra "Info".
const QStringList InizioEccezioni = {QStringLiteral("Orvanti S.p.A.")};

// Sorgente -> traduzione di un file .ts (delle forme plurali la prima); vuota se non finita.
QHash<QString, QString> LeggiTs(const QString& percorso, QString* errore)
{
    QHash<QString, QString> t;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        *errore = QStringLiteral("illeggibile: ") + percorso;
        return t;
    }
    QXmlStreamReader x(&f);
    QString sorgente, traduzione;
    bool finita = false, plurale = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("message")) {
                sorgente.clear();
                traduzione.clear();
                plurale = x.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (x.name() == QLatin1String("source")) {
                sorgente = x.readElementText();
            } else if (x.name() == QLatin1String("translation")) {
                finita = !x.attributes().hasAttribute(QStringLiteral("type"));
                if (!plurale)
                    traduzione = x.readElementText();
            } else if (x.name() == QLatin1String("numerusform") && traduzione.isEmpty()) {
                traduzione = x.readElementText();
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("message")) {
            t.insert(sorgente, finita ? traduzione : QString());
        }
    }
    if (x.hasError())
        *errore = percorso + QStringLiteral(": ") + x.errorString();
    return t;
}

QString SenzaMnemonico(QString t)
{
    return t.replace(QRegularExpression(QStringLiteral("&(?=[^&])")), QString()).trimmed();
}
} // namespace

class TstLingua : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    QTemporaryDir cartella;
    // Testi sorgente (senza "&") che hanno una traduzione inglese diversa.
    QSet<QString> daTradurre;
    // "dove: testo" di ogni testo rimasto italiano.
    QStringList rimasti;
    QSet<QString> finestreViste;
    bool nucleo = false; // ci sono i file di traduzione del nucleo (traduzioni/nucleo_en.ts)

    QString cartellaTs() const { return qEnvironmentVariable("TVL_SORGENTI") + QStringLiteral("/traduzioni"); }

    void controlla(const QString& dove, const QString& testo)
    {
        const QString t = SenzaMnemonico(testo);
        if (t.isEmpty() || Eccezioni.contains(t))
            return;
        if (!nucleo && TestiDelNucleo.match(t).hasMatch())
            return;
        for (const QString& inizio : InizioEccezioni)
            if (t.startsWith(inizio))
                return;
        if (daTradurre.contains(t) || ParoleItaliane.match(t).hasMatch())
            rimasti << dove + QStringLiteral(": ") + testo;
    }

    void controllaAzioni(const QString& dove, const QList<QAction*>& azioni)
    {
        for (QAction* a : azioni) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            controlla(dove, a->text());
            controlla(dove, a->toolTip());
            if (a->menu())
                controllaAzioni(dove + QStringLiteral(" > ") + SenzaMnemonico(a->text()), a->menu()->actions());
        }
    }

    // Ogni testo che si vede in una finestra: titolo, etichette, pulsanti, gruppi, linguette,
    // intestazioni delle colonne, suggerimenti, menu e barre degli strumenti.
    void controllaFinestra(const QString& dove, QWidget* radice)
    {
        controlla(dove, radice->windowTitle());
        QList<QWidget*> widget = radice->findChildren<QWidget*>();
        widget.prepend(radice);
        for (QWidget* w : widget) {
            if (w != radice && !w->isVisibleTo(radice))
                continue;
            // Le finestre figlie (dialoghi già aperti) si controllano per conto loro.
            if (w != radice && w->isWindow())
                continue;
            const QString qui = dove + QStringLiteral(" / ") + w->objectName();
            // Le caselle di scelta del catalogo hanno per suggerimento la descrizione dell'articolo.
            if (!qobject_cast<QComboBox*>(w))
                controlla(qui, w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w); l && !EtichetteDiDati.contains(l->objectName()))
                controlla(qui, l->text());
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                controlla(qui, b->text());
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                controlla(qui, g->title());
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                controlla(qui, e->placeholderText());
            if (auto* g = qobject_cast<QGroupBox*>(w))
                controlla(qui, g->title());
            if (auto* t = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < t->count(); ++i) {
                    controlla(qui, t->tabText(i));
                    controlla(qui, t->tabToolTip(i));
                }
            if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
                const QAbstractItemModel* m = v->model();
                for (int c = 0; c < m->columnCount(); ++c) {
                    controlla(qui, m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
                    controlla(qui, m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
                }
            }
            if (auto* mw = qobject_cast<QMainWindow*>(w); mw && mw->menuWidget())
                controllaAzioni(qui, mw->menuBar()->actions());
            if (!qobject_cast<QMenuBar*>(w))
                controllaAzioni(qui, w->actions());
        }
    }

    void controllaMessaggi(const QString& dove)
    {
        for (const QString& m : registro.PrendiTutti())
            controlla(dove + QStringLiteral(" (messaggio)"), m);
    }

    TProgetto* apriProgetto(TTERMOVELA& w)
    {
        const QString copia = cartella.filePath(QStringLiteral("completo.tvl"));
        QFile::remove(copia);
        if (!QFile::copy(qEnvironmentVariable("TVL_SORGENTI") + QStringLiteral("/tests/dati/completo.tvl"), copia))
            return nullptr;
        QFile(copia).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        w.ApriDaPercorso(copia);
        return w.FinestraProgetto();
    }

    // In inglese come in italiano ogni voce di un menu e ogni pulsante visibile insieme alla barra
    // dei menu ha una lettera sottolineata sua.
    void controllaLettere(const QString& dove, const QStringList& testi)
    {
        QSet<int> viste;
        for (const QString& t : testi) {
            const QKeySequence m = QKeySequence::mnemonic(t);
            const int l = m.isEmpty() ? 0 : int(m[0].key());
            if (l == 0 || viste.contains(l))
                rimasti << dove + QStringLiteral(": lettera mancante o ripetuta: ") + t;
            viste.insert(l);
        }
    }
    void controllaLettere(TTERMOVELA& w, const QString& dove)
    {
        QStringList barra;
        for (QAction* a : w.menuBar()->actions()) {
            barra << a->text();
            if (QMenu* m = a->menu()) {
                QStringList voci;
                for (QAction* v : m->actions())
                    if (!v->isSeparator() && v->isVisible()
                        && !v->text().contains(QRegularExpression(QStringLiteral("^&\\d+ "))))
                        voci << v->text();
                controllaLettere(dove + QStringLiteral(" > ") + a->text(), voci);
            }
        }
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->isVisibleTo(&w) && b->text().contains(QRegularExpression(QStringLiteral("\\w"))))
                barra << b->text();
        controllaLettere(dove, barra);
    }

    void clic(QAbstractButton* b)
    {
        QVERIFY(b->isEnabled());
        b->click();
        QApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral("config")).toLocal8Bit());
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv", "tvlbg"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), cartella.filePath(f)));
        QVERIFY(QDir::setCurrent(cartella.path()));
        TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
        const QStringList ts = QDir(cartellaTs()).entryList({QStringLiteral("*_en.ts")}, QDir::Files);
        QVERIFY(ts.contains(QStringLiteral("finestre_en.ts")));
        nucleo = ts.contains(QStringLiteral("nucleo_en.ts"));
        for (const QString& nome : ts) {
            QString errore;
            const QHash<QString, QString> t = LeggiTs(QDir(cartellaTs()).filePath(nome), &errore);
            QVERIFY2(errore.isEmpty(), qPrintable(errore));
            for (auto i = t.cbegin(); i != t.cend(); ++i)
                if (!i.value().isEmpty() && SenzaMnemonico(i.value()) != SenzaMnemonico(i.key()))
                    daTradurre.insert(SenzaMnemonico(i.key()));
        }
    }

    // Ogni testo delle finestre ha la sua traduzione inglese, con gli stessi segnaposto e, dove
    // l'italiano ha una lettera sottolineata, una lettera anche in inglese; il file italiano ha gli
    // stessi testi sorgente.
    void fileDiTraduzione()
    {
        QString errore;
        const QHash<QString, QString> en
            = LeggiTs(QDir(cartellaTs()).filePath(QStringLiteral("finestre_en.ts")), &errore);
        const QHash<QString, QString> it
            = LeggiTs(QDir(cartellaTs()).filePath(QStringLiteral("finestre_it.ts")), &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QVERIFY(en.size() > 300);
        QCOMPARE(QSet<QString>(it.keyBegin(), it.keyEnd()), QSet<QString>(en.keyBegin(), en.keyEnd()));
        const QRegularExpression segnaposto(QStringLiteral("%(\\d|n)"));
        const QRegularExpression mnemonico(QStringLiteral("&[^&\\s]"));
        const auto segni = [&](const QString& t) {
            QStringList s;
            for (const auto& m : segnaposto.globalMatch(t))
                s << m.captured();
            s.removeAll(QStringLiteral("%n")); // il singolare inglese può dire "1" invece di %n
            s.sort();
            return s;
        };
        for (auto i = en.cbegin(); i != en.cend(); ++i) {
            const QString& sorgente = i.key();
            QVERIFY2(!i.value().isEmpty(), qPrintable(QStringLiteral("senza traduzione: ") + sorgente));
            QVERIFY2(segni(sorgente) == segni(i.value()), qPrintable(QStringLiteral("segnaposto: ") + sorgente));
            QVERIFY2(sorgente.contains(mnemonico) == i.value().contains(mnemonico),
                     qPrintable(QStringLiteral("lettera sottolineata: ") + sorgente));
        }
    }

    void nessunTestoItaliano()
    {
        TLingua::ImpostaPerEsecuzione(QStringLiteral("en"));
        QVERIFY(TLingua::InstallaTraduzioni() > 0);
        dialoghi.esegui = [this](QDialog& d) {
            finestreViste << QString::fromLatin1(d.metaObject()->className());
            controllaFinestra(QString::fromLatin1(d.metaObject()->className()), &d);
            return int(QDialog::Rejected);
        };
        QStringList file;
        dialoghi.file = [&file](const TSceltaFile& s) {
            file << s.titolo << s.filtro;
            return QString();
        };
        {
            TStart avvio;
            controllaFinestra(QStringLiteral("TStart"), &avvio);
            TCaricamento caricamento;
            controllaFinestra(QStringLiteral("TCaricamento"), &caricamento);
        }
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        controllaFinestra(QStringLiteral("principale"), &w);
        controllaFinestra(QStringLiteral("TInfo"), w.Info());
        TProgetto* p = apriProgetto(w);
        QVERIFY(p);
        controllaMessaggi(QStringLiteral("apertura"));
        // Ogni pagina del progetto, con i menu abilitati dal progetto aperto.
        for (int i = 0; i < p->PageControl1->count(); ++i) {
            p->PageControl1->setCurrentIndex(i);
            QApplication::processEvents();
            controllaFinestra(p->PageControl1->tabText(i), &w);
            controllaLettere(w, p->PageControl1->tabText(i));
        }
        // Le finestre che le pagine aprono: legenda, nuovo collettore, tipo di collettore,
        // ottimizzazione, opzioni del capitolato; le scelte dei file; pianta e posa.
        p->PageControl1->setCurrentWidget(p->TabSheet4);
        clic(p->TabSheet4->BitBtn3);
        p->PageControl1->setCurrentWidget(p->TabSheet5);
        for (QAbstractButton* b : {p->TabSheet5->SpeedButton1, p->TabSheet5->BitBtn4, p->TabSheet5->Button1})
            clic(b);
        controllaMessaggi(QStringLiteral("collettori"));
        w.PreventivoCompleto1->trigger();
        controllaMessaggi(QStringLiteral("capitolato"));
        p->PageControl1->setCurrentWidget(p->TabSheet3);
        clic(p->TabSheet3->BitBtnImporta);
        clic(p->TabSheet3->BitBtnEsporta);
        w.SalvaconNome1->trigger();
        for (const QString& t : file)
            controlla(QStringLiteral("scelta del file"), t);
        QCOMPARE(file.size(), 6);
        for (const char* nome : {"TLegenda", "TDefColl", "TMostraCColl", "TOttimizza", "TOpzCap"})
            QVERIFY2(finestreViste.contains(QLatin1String(nome)), nome);
        clic(p->TabSheet3->BitBtnPianta);
        QWidget* pianta = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String("FinestraPianta") && t->isVisible())
                pianta = t;
        QVERIFY(pianta);
        controllaFinestra(QStringLiteral("pianta"), pianta);
        // "Nuovo piano..." chiede il nome in un dialogo.
        auto* nuovoPiano = pianta->findChild<QAction*>(QStringLiteral("NuovoPiano"));
        QVERIFY(nuovoPiano);
        nuovoPiano->trigger();
        QVERIFY(finestreViste.contains(QStringLiteral("QInputDialog")));
        pianta->close();
        clic(p->TabSheet3->BitBtnPosa);
        QWidget* posa = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->inherits("TFinestraPosa") && t->isVisible())
                posa = t;
        QVERIFY(posa);
        controllaFinestra(QStringLiteral("posa"), posa);
        posa->close();
        controllaMessaggi(QStringLiteral("fine"));
        rimasti.removeDuplicates();
        for (const QString& r : rimasti)
            qWarning().noquote() << "da rivedere:" << r;
        QVERIFY2(rimasti.isEmpty(),
                 qPrintable(QString::number(rimasti.size())
                            + QStringLiteral(" testi rimasti in italiano o senza lettera propria")));
        w.Chiudi1->trigger();
        registro.PrendiTutti();
    }

    // Tornando all'italiano non resta nessuna traduzione installata: i testi sono i sorgenti.
    void italianoDiNuovo()
    {
        TLingua::ImpostaPerEsecuzione(QStringLiteral("it"));
        QCOMPARE(TLingua::InstallaTraduzioni(), 0);
        TDati dati;
        TTERMOVELA w(&dati);
        QCOMPARE(w.File1->title(), QStringLiteral("&Progetto"));
        auto* inglese = w.findChild<QAction*>(QStringLiteral("LinguaInglese"));
        QVERIFY(inglese);
        QVERIFY(!inglese->isChecked());
    }

    // La scelta dal menu rifà subito la finestra nella nuova lingua e riprende il progetto
    // com'era: modifiche non salvate, pagina, nome del file, passi da annullare e ripetere; poi di
    // nuovo in italiano. Una riga
    // che le regole rifiutano ferma il cambio con il loro messaggio.
    void cambioDalMenu()
    {
        TLingua::ImpostaPerEsecuzione(QString());
        TLingua::Salva(QStringLiteral("it"));
        TLingua::InstallaTraduzioni();
        TDati dati;
        QList<QStringList> menu; // i titoli della barra di ogni finestra creata
        TFotografia prima;
        QString nome;
        int finestre = 0;
        auto lingua = [](TTERMOVELA& w, const char* nome) {
            QAction* a = w.findChild<QAction*>(QLatin1String(nome));
            QVERIFY(a);
            a->trigger();
        };
        const int esito = EseguiFinestraPrincipale(dati, QString(), {}, [&](TTERMOVELA& w) {
            ++finestre;
            QStringList titoli;
            for (QAction* a : w.menuBar()->actions())
                titoli << a->text();
            menu << titoli;
            auto passo = [&, pw = &w] {
                TTERMOVELA& w = *pw;
                if (finestre == 1) {
                    TProgetto* p = apriProgetto(w);
                    QVERIFY(p);
                    p->PageControl1->setCurrentWidget(p->TabSheet3);
                    TTabella* l = dati.AuxLocali;
                    l->VaiA(0);
                    l->Edit();
                    QVERIFY(l->FieldByName("CTermico").Imposta(2345));
                    QTest::mouseClick(p->TabSheet3->DBNavigator3->Pulsante(TDBNavigator::nbPost), Qt::LeftButton);
                    // Il numero del primo locale dato al secondo: il cambio si ferma sul messaggio.
                    l->VaiA(1);
                    l->Edit();
                    QVERIFY(l->FieldByName("ID").Imposta(l->ValoreRiga(0, l->IndiceCampo("ID")).toInt()));
                    registro.PrendiTutti();
                    lingua(w, "LinguaInglese");
                    QVERIFY(registro.Quanti() > 0);
                    registro.PrendiTutti();
                    QCOMPARE(TLingua::Installata(), QStringLiteral("it"));
                    QVERIFY(w.findChild<QAction*>(QStringLiteral("LinguaItaliano"))->isChecked());
                    l->Cancel();
                    prima = TFotografia::Prendi(p->Stato());
                    nome = w.NomeFile;
                    lingua(w, "LinguaInglese");
                } else if (finestre == 2) {
                    TProgetto* p = w.FinestraProgetto();
                    QVERIFY(p);
                    QVERIFY(TFotografia::Prendi(p->Stato()) == prima);
                    QCOMPARE(dati.AuxLocali->ValoreRiga(0, dati.AuxLocali->IndiceCampo("CTermico")).toInt(), 2345);
                    QCOMPARE(p->PageControl1->currentWidget(), p->TabSheet3);
                    QCOMPARE(w.NomeFile, nome);
                    QVERIFY(w.windowTitle().endsWith(nome));
                    QVERIFY(w.ProgettoModificato());
                    // Il passo fatto prima del cambio, con il nome in inglese: annullato, il
                    // progetto torna quello del file.
                    QAction* annulla = w.findChild<QAction*>(QStringLiteral("Annulla1"));
                    QCOMPARE(annulla->text(), QStringLiteral("&Undo room edit"));
                    annulla->trigger();
                    QCOMPARE(dati.AuxLocali->ValoreRiga(0, dati.AuxLocali->IndiceCampo("CTermico")).toInt(), 2100);
                    QVERIFY(!w.ProgettoModificato());
                    lingua(w, "LinguaItaliano");
                } else {
                    QVERIFY(w.FinestraProgetto());
                    QVERIFY(!w.ProgettoModificato());
                    QAction* ripeti = w.findChild<QAction*>(QStringLiteral("Ripeti1"));
                    QCOMPARE(ripeti->text(), QStringLiteral("&Ripeti modifica locale"));
                    ripeti->trigger();
                    QCOMPARE(dati.AuxLocali->ValoreRiga(0, dati.AuxLocali->IndiceCampo("CTermico")).toInt(), 2345);
                    QVERIFY(w.ProgettoModificato());
                    w.ChiudiProgetto();
                    QCoreApplication::exit(7);
                }
            };
            QTimer::singleShot(0, &w, [passo] {
                passo();
                if (QTest::currentTestFailed())
                    QCoreApplication::exit(-1);
            });
        });
        QCOMPARE(esito, 7);
        QCOMPARE(finestre, 3);
        QCOMPARE(menu.value(1).value(0), QStringLiteral("&Project"));
        QCOMPARE(menu.value(2).value(0), QStringLiteral("&Progetto"));
        QCOMPARE(TLingua::Corrente(), QStringLiteral("it"));
        registro.PrendiTutti();
    }

    void cleanup() { QVERIFY(registro.Controlla()); }
};

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
