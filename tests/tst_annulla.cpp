// Annulla e ripeti del progetto: sequenze di modifiche, annullamenti e ripetizioni fatte con i
// controlli delle pagine danno esattamente lo stato (tabelle, assegnazione, indicatori, file) delle
// sole modifiche rimaste fatte direttamente; le regole dei locali fermano un annullamento; il menu
// "Modifica" nomina il passo; la pila riparte vuota a ogni apertura e sopravvive al salvataggio.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "app/Umain.h"
#include "comandi/Uannullamenti.h"
#include "comandi/Ufotografia.h"
#include "controlli/Ucontrolli.h"
#include "controlli/Uopzioni.h"
#include "data/Uregole.h"
#include "editor/Udefcoll.h"
#include "editor/Umodifica.h"
#include "editor/Umostraccoll.h"
#include "editor/Upaginacatalogo.h"
#include "editor/Upaginacliente.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginadatigenerali.h"
#include "editor/Upaginalocali.h"
#include "editor/Upaginamandata.h"
#include "editor/Upaginaregolazione.h"
#include "editor/Uvistecollettori.h"
#include "pianta/finestre/Uapripianta.h"
#include "pianta/finestre/Ufinestrapianta.h"
#include "pianta/finestre/Uvistapianta.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace {

// Una finestra di progetto con dieci locali piccoli su due piani e la mandata salvata, e la sua
// pila (vuota: quel che serve a preparare il progetto non si annulla).
struct TSessione
{
    TFinestraDiProva p;
    TAnnullamenti* a = nullptr;
    QString nomeProssimo; // nome del prossimo collettore nuovo o rinominato

    bool Apri()
    {
        if (!p.Apri())
            return false;
        TTabella* l = p.dati.AuxLocali;
        for (int i = 0; i < 10; ++i) {
            const bool terra = i < 5;
            l->Append();
            if (!ImpostaCampi(l,
                              {{"ID", i + 1},
                               {"Descrizione", QStringLiteral("Stanza %1").arg(i + 1)},
                               {"Piano", terra ? "PT" : "P1"},
                               {"TAmbiente", 20},
                               {"Area", 9},
                               {"AreaUtile", 8},
                               {"AreaMarginale", 0},
                               {"CTermico", 500},
                               {"Rivestimento", "Ceramica"},
                               {"Lambda_Riv", 1.3},
                               {"Spessore", 10},
                               {"DistColl", 4}}))
                return false;
        }
        p.dati.LocaliModificati = true;
        p.Stato().SalvaImpostazioni(2, 45.0f);
        a = &AnnullamentiDelProgetto(*p.finestra);
        a->Azzera();
        return true;
    }
    TProgetto& f() { return *p.finestra; }
    TAssegnazione& as() { return p.Stato().Assegnazione; }

    // La pagina in vista, con un clic sulla sua linguetta se non lo è già.
    void Pagina(int indice)
    {
        if (f().PageControl1->currentIndex() != p.Linguetta(indice))
            p.Pagina(indice);
    }
    void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    QPoint PuntoLista(int riga)
    {
        TPaginaCollettori* c = f().TabSheet5;
        const QModelIndex i = c->ModelloLista()->index(riga, 0);
        c->ListBox2->scrollTo(i);
        return c->ListBox2->visualRect(i).center();
    }
    QPoint PuntoAlbero(TNodo n)
    {
        TPaginaCollettori* c = f().TabSheet5;
        const QModelIndex i = c->ModelloAlbero()->Indice(n);
        c->TreeView1->scrollTo(i);
        return c->TreeView1->visualRect(i).center();
    }
    void ClicLista(int riga)
    {
        QTest::mouseClick(f().TabSheet5->ListBox2->viewport(), Qt::LeftButton, {}, PuntoLista(riga));
    }
    void ClicAlbero(TNodo n)
    {
        QTest::mouseClick(f().TabSheet5->TreeView1->viewport(), Qt::LeftButton, {}, PuntoAlbero(n));
    }
    // Pressione, spostamento oltre la soglia, rilascio sul bersaglio (cercato dopo la pressione).
    void Trascina(QWidget* da, QPoint inizio, QWidget* a, const std::function<QPoint()>& fine)
    {
        QTest::mousePress(da, Qt::LeftButton, {}, inizio);
        QTest::mouseMove(da, inizio + QPoint(6, 0));
        const QPoint p = fine();
        QTest::mouseMove(a, p);
        QTest::mouseRelease(a, Qt::LeftButton, {}, p);
    }
};

// Scrive in una casella come l'utente e la lascia.
void scrivi(TDBEdit* e, const QString& testo)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, testo);
    Q_EMIT e->editingFinished();
}

// Un'azione dell'utente, "pagina:argomenti", fatta con i controlli della sua pagina.
void esegui(TSessione& s, TRegistroMessaggi& registro, const QString& azione)
{
    const QStringList a = azione.split(u':');
    const QString& cosa = a[0];
    TDati& d = s.p.dati;
    TTabella* l = d.AuxLocali;
    if (cosa == "cliente") {
        s.Pagina(0);
        scrivi(s.f().TabSheet1->DBEdit1, a[1]);
        s.Clic(s.f().TabSheet1->DBNavigator1->Pulsante(TDBNavigator::nbPost));
    } else if (cosa == "generali") {
        s.Pagina(1);
        scrivi(s.f().TabSheet2->DBEdit12, a[1]);
        s.Clic(s.f().TabSheet2->DBNavigator2->Pulsante(TDBNavigator::nbPost));
    } else if (cosa == "carico" || cosa == "numero") {
        s.Pagina(2);
        l->VaiA(a[1].toInt());
        l->Edit();
        QVERIFY(l->FieldByName(cosa == "carico" ? "CTermico" : "ID").Imposta(a[2].toInt()));
        s.Clic(s.f().TabSheet3->DBNavigator3->Pulsante(TDBNavigator::nbPost));
    } else if (cosa == "locale") {
        s.Pagina(2);
        l->Append();
        for (const auto& [campo, v] : QList<QPair<QString, QVariant>> {{"ID", a[1].toInt()},
                                                                       {"Descrizione", "Nuova"},
                                                                       {"Piano", "PT"},
                                                                       {"Area", 12},
                                                                       {"CTermico", 900},
                                                                       {"DistColl", 6}})
            QVERIFY(l->FieldByName(campo).Imposta(v));
        s.Clic(s.f().TabSheet3->DBNavigator3->Pulsante(TDBNavigator::nbPost));
    } else if (cosa == "elimina") {
        s.Pagina(2);
        l->VaiA(a[1].toInt());
        registro.Rispondi(true);
        s.Clic(s.f().TabSheet3->DBNavigator3->Pulsante(TDBNavigator::nbDelete));
    } else if (cosa == "mandata") {
        s.Pagina(3);
        s.f().TabSheet4->RadioGroup1->SetItemIndex(a[1].toInt());
        s.Clic(s.f().TabSheet4->BitBtn2);
    } else if (cosa == "pagina") {
        s.Pagina(a[1].toInt());
    } else if (cosa == "collettore") {
        s.Pagina(4);
        s.nomeProssimo = a[1];
        s.Clic(s.f().TabSheet5->SpeedButton1);
    } else if (cosa == "collega") {
        // Il primo circuito del piano sull'ultimo collettore.
        s.Pagina(4);
        int riga = 0;
        while (riga < s.as().Lista().size() && s.as().PianoCircuito(s.as().Lista()[riga]) != a[1])
            ++riga;
        s.ClicLista(riga);
        s.ClicAlbero({s.as().NumeroCollettori() - 1, -1});
        s.Clic(s.f().TabSheet5->SpeedButton3);
    } else if (cosa == "dalista" || cosa == "nellalista" || cosa == "nellalbero") {
        // Trascinamenti: il primo circuito del piano dalla lista sul collettore; il primo circuito
        // del collettore sulla lista o sul primo circuito di un altro collettore.
        s.Pagina(4);
        TPaginaCollettori* c = s.f().TabSheet5;
        QWidget* albero = c->TreeView1->viewport();
        const int k = a[cosa == "dalista" ? 2 : 1].toInt();
        if (cosa == "dalista") {
            int riga = 0;
            while (riga < s.as().Lista().size() && s.as().PianoCircuito(s.as().Lista()[riga]) != a[1])
                ++riga;
            s.Trascina(c->ListBox2->viewport(), s.PuntoLista(riga), albero, [&] { return s.PuntoAlbero({k, -1}); });
        } else if (cosa == "nellalista") {
            QWidget* lista = c->ListBox2->viewport();
            s.Trascina(albero, s.PuntoAlbero({k, 0}), lista,
                       [lista] { return QPoint(lista->width() / 2, lista->height() - 3); });
        } else {
            s.Trascina(albero, s.PuntoAlbero({k, 0}), albero, [&] { return s.PuntoAlbero({a[2].toInt(), 0}); });
        }
    } else if (cosa == "ritorna" || cosa == "eliminacoll" || cosa == "rinomina") {
        s.Pagina(4);
        // ">>" restituisce il primo circuito del collettore; gli altri lavorano sul collettore.
        s.ClicAlbero({a[1].toInt(), cosa == "ritorna" ? 0 : -1});
        if (cosa == "rinomina")
            s.nomeProssimo = a[2];
        TPaginaCollettori* c = s.f().TabSheet5;
        s.Clic(cosa == "ritorna" ? c->SpeedButton4 : cosa == "eliminacoll" ? c->SpeedButton2 : c->SpeedButton5);
    } else if (cosa == "auto") {
        s.Pagina(4);
        s.Clic(s.f().TabSheet5->BitBtnAssegna);
    } else if (cosa == "tipo") {
        s.Pagina(4);
        s.Clic(s.f().TabSheet5->BitBtn4);
    } else if (cosa == "termostato") {
        s.Pagina(5);
        TPaginaRegolazione* r = s.f().TabSheet6;
        TTabella* t = d.TERMAMB;
        const QString chiave = t->ValoreRiga(a[1].toInt(), t->IndiceCampo("CODICE")).toString();
        const int i = r->DBLookupComboBox7->findData(chiave);
        QVERIFY2(i >= 0, qPrintable(chiave));
        // La scelta dall'elenco (qui senza eventi del mouse) apre il passo come il clic che la fa.
        s.a->Inizia();
        r->DBLookupComboBox7->setCurrentIndex(i);
        Q_EMIT r->DBLookupComboBox7->activated(i);
        s.Clic(r->DBNavigator5->Pulsante(TDBNavigator::nbPost));
    } else if (cosa == "prodotto") {
        s.Pagina(6);
        TPaginaCatalogo* c = s.f().TabSheet7;
        c->DBGrid2->setCurrentIndex(c->DBGrid2->model()->index(a[1].toInt(), 0));
        s.Clic(c->BitBtn5);
    } else if (cosa == "undo") {
        QVERIFY(s.a->Annulla());
    } else if (cosa == "redo") {
        QVERIFY(s.a->Ripeti());
    } else {
        QFAIL(qPrintable(azione));
    }
    // Finito di servire l'evento (e i dialoghi che ha aperto), il passo si chiude da sé.
    QTRY_VERIFY_WITH_TIMEOUT(!s.a->InCorso(), 2000);
    // Avvisi della pagina dei collettori e domande: la sequenza fatta direttamente li ripete
    // (o no); qui conta lo stato.
    registro.PrendiTutti();
}

// Un ritorno nella lista dei circuiti del collettore `k` (con ">>" o trascinando).
bool svuota(const QStringList& passo, const QString& k)
{
    return passo.size() == 1 && (passo[0].startsWith("ritorna:") || passo[0].startsWith("nellalista:"))
        && passo[0].section(u':', 1, 1) == k;
}

// Le sole modifiche che restano: ogni "undo" toglie l'ultimo passo rimasto, ogni "redo" lo
// rimette; le azioni che non cambiano nulla da sé (pagina) restano al loro posto. Eliminare il
// collettore appena svuotato è un passo solo con i ritorni che l'hanno svuotato.
QStringList dirette(const QStringList& azioni)
{
    QList<QStringList> fatte, annullate; // azioni di ogni passo o pagina, in ordine
    QList<int> posti; // in `fatte`, le posizioni dei passi
    for (const QString& a : azioni) {
        if (a == "undo") {
            annullate << fatte.takeAt(posti.takeLast());
        } else if (a == "redo") {
            posti << int(fatte.size());
            fatte << annullate.takeLast();
        } else if (a.startsWith("pagina")) {
            fatte << QStringList {a};
        } else {
            QStringList passo {a};
            while (a.startsWith("eliminacoll") && !posti.isEmpty() && posti.last() == fatte.size() - 1
                   && svuota(fatte.last(), a.section(u':', 1, 1)))
                passo = fatte.takeLast() + passo, posti.removeLast();
            posti << int(fatte.size()), annullate.clear();
            fatte << passo;
        }
    }
    QStringList tutte;
    for (const QStringList& f : fatte)
        tutte << f;
    return tutte;
}

QByteArray file(TStatoProgetto& s)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    return ScriviProgettoSu(s, b) ? b.data() : QByteArray("errore");
}

} // namespace

class TstAnnulla : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TRisposteDialoghi dialoghi;
    TSessione* sessione = nullptr;

    // Il nome del collettore dal dialogo; nella vista dei collegamenti un tipo per riga, poi
    // "Salva Impostazioni" ed "Esci".
    int rispondi(QDialog& d)
    {
        // Dentro un ciclo degli eventi annidato, come exec(): il dialogo fa parte dell'azione che
        // l'ha aperto.
        QEventLoop ciclo;
        QTimer::singleShot(0, &ciclo, [&] {
            if (auto* dc = qobject_cast<TDefColl*>(&d)) {
                dc->show();
                dc->Edit1->selectAll();
                QTest::keyClicks(dc->Edit1, sessione->nomeProssimo);
                QTest::mouseClick(dc->BitBtn1, Qt::LeftButton);
                dc->hide();
            } else if (auto* v = qobject_cast<TMostraCColl*>(&d)) {
                v->show();
                QTest::mouseClick(v->BitBtn1, Qt::LeftButton);
                QTest::mouseClick(v->BitBtn3, Qt::LeftButton);
            } else {
                d.setResult(QDialog::Rejected);
            }
            ciclo.quit();
        });
        ciclo.exec();
        return d.result();
    }

    // Stato (fotografia e file) dopo le azioni.
    void stato(const QStringList& azioni, TFotografia& foto, QByteArray& byte, QStringList* passi = nullptr)
    {
        TSessione s;
        sessione = &s;
        QVERIFY(s.Apri());
        for (const QString& a : azioni) {
            esegui(s, registro, a);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(a));
        }
        foto = TFotografia::Prendi(s.p.Stato());
        // Le viste mostrano l'assegnazione dello stato.
        TPaginaCollettori* c = s.f().TabSheet5;
        QCOMPARE(c->ModelloLista()->rowCount(), s.as().Lista().size());
        QCOMPARE(c->ModelloAlbero()->rowCount(), s.as().NumeroCollettori());
        if (passi)
            for (int i = 0; i < s.a->Pila().count(); ++i)
                *passi << s.a->Pila().text(i);
        byte = file(s.p.Stato());
        sessione = nullptr;
    }

    // Cartella di avvio della finestra principale: modelli, cronologia e impostazioni della prova.
    QTemporaryDir avvio;

private Q_SLOTS:
    void initTestCase()
    {
        const QDir programma(QCoreApplication::applicationDirPath());
        for (const QString& f : programma.entryList({"nuovo*.nv", "tvlbg"}, QDir::Files))
            QVERIFY(QFile::copy(programma.filePath(f), avvio.filePath(f)));
        QVERIFY(QDir::setCurrent(avvio.path()));
        qputenv("XDG_CONFIG_HOME", avvio.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void init()
    {
        dialoghi.esegui = [this](QDialog& d) { return rispondi(d); };
    }
    void cleanup() { QVERIFY(registro.Controlla()); }

    // Ogni pagina: la sequenza con annulla e ripeti contro le sole modifiche rimaste.
    void sequenze_data()
    {
        QTest::addColumn<QStringList>("azioni");
        QTest::addColumn<QStringList>("passi"); // i nomi dei passi nella pila alla fine
        QTest::newRow("cliente") << QStringList {"cliente:Casa",  "cliente:Villa", "undo",
                                                 "cliente:Baita", "undo",          "redo"}
                                 << QStringList {"modifica dati cliente", "modifica dati cliente"};
        QTest::newRow("dati generali e locali")
            << QStringList {"generali:12", "carico:0:700", "undo", "undo", "redo", "carico:1:650"}
            << QStringList {"modifica dati generali", "modifica locale"};
        QTest::newRow("locali") << QStringList {"locale:11", "carico:0:800", "elimina:2", "undo",
                                                "undo",      "redo",         "locale:12", "undo"}
                                << QStringList {"inserimento locale", "modifica locale", "inserimento locale"};
        QTest::newRow("mandata") << QStringList {"mandata:0", "mandata:1", "undo", "redo", "undo"}
                                 << QStringList {"impostazione temperatura di mandata",
                                                 "impostazione temperatura di mandata"};
        QTest::newRow("collettori") << QStringList {"collettore:C1", "collega:PT",    "collega:PT", "ritorna:0",
                                                    "ritorna:0",     "eliminacoll:0", "undo",       "undo",
                                                    "undo",          "redo"}
                                    << QStringList {"nuovo collettore", "collegamento circuiti",
                                                    "collegamento circuiti", "eliminazione collettore"};
        // Eliminare il collettore appena svuotato assorbe i ritorni che l'hanno svuotato (non
        // quelli di un altro collettore): annullando torna con i suoi circuiti.
        QTest::newRow("svuotamento ed eliminazione")
            << QStringList {"collettore:C1", "collega:PT", "collettore:C2", "collega:PT", "ritorna:1", "ritorna:0",
                            "eliminacoll:0", "undo",       "redo",          "undo",       "undo"}
            << QStringList {"nuovo collettore",      "collegamento circuiti",        "nuovo collettore",
                            "collegamento circuiti", "ritorno circuiti nella lista", "eliminazione collettore"};
        QTest::newRow("trascinamenti") << QStringList {"collettore:C1", "collettore:C2",  "dalista:PT:0",
                                                       "dalista:PT:1",  "nellalbero:1:0", "nellalista:0",
                                                       "nellalista:0",  "eliminacoll:0",  "undo",
                                                       "redo",          "undo",           "undo",
                                                       "nellalista:1"}
                                       << QStringList {"nuovo collettore", "nuovo collettore", "collegamento circuiti",
                                                       "collegamento circuiti", "ritorno circuiti nella lista"};
        QTest::newRow("automatica e tipo")
            << QStringList {"auto", "rinomina:0:Nord", "undo", "undo", "redo", "tipo", "undo", "redo"}
            << QStringList {"assegnazione automatica", "conferma collettori"};
        // Un carico cambiato rifà le liste entrando nei collettori: annullarlo torna a prima dei
        // due, ripeterlo rifà entrambi.
        QTest::newRow("ricostruzione") << QStringList {"collettore:C1", "collega:PT", "collega:PT", "carico:0:4000",
                                                       "pagina:4",      "undo",       "pagina:4",   "redo",
                                                       "pagina:2",      "undo",       "undo"}
                                       << QStringList {"nuovo collettore", "collegamento circuiti",
                                                       "collegamento circuiti", "modifica locale"};
        // Le liste rifatte entrando nella regolazione lasciano un avviso alla pagina dei collettori:
        // detto una volta, annullando non torna.
        QTest::newRow("avviso") << QStringList {"collettore:C1", "collega:PT", "carico:0:4000", "pagina:5",
                                                "cliente:Casa",  "pagina:4",   "undo"}
                                << QStringList {"nuovo collettore", "collegamento circuiti", "modifica locale",
                                                "modifica dati cliente"};
        QTest::newRow("regolazione") << QStringList {"auto", "tipo", "termostato:2", "termostato:3",
                                                     "undo", "redo", "undo"}
                                     << QStringList {"assegnazione automatica", "conferma collettori",
                                                     "scelta regolazione", "scelta regolazione"};
        QTest::newRow("prodotti") << QStringList {"prodotto:0", "prodotto:1", "undo", "prodotto:2",
                                                  "undo",       "undo",       "redo"}
                                  << QStringList {"aggiunta prodotto", "aggiunta prodotto"};
    }
    void sequenze()
    {
        QFETCH(QStringList, azioni);
        QFETCH(QStringList, passi);
        TFotografia conAnnulla, diretta;
        QByteArray fileConAnnulla, fileDiretto;
        QStringList nomi;
        stato(azioni, conAnnulla, fileConAnnulla, &nomi);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(nomi.join(" | "), passi.join(" | "));
        stato(dirette(azioni), diretta, fileDiretto);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(conAnnulla == diretta);
        QCOMPARE(fileConAnnulla, fileDiretto);
    }

    // Un locale in modifica che le regole rifiutano ferma l'annullamento con il loro messaggio e
    // resta in modifica; corretto, si registra e diventa il passo annullato (e si può ripetere).
    void rifiutoDelleRegole()
    {
        TSessione s;
        sessione = &s;
        QVERIFY(s.Apri());
        TTabella* l = s.p.dati.AuxLocali;
        esegui(s, registro, "carico:0:700");
        const TFotografia dopoCarico = TFotografia::Prendi(s.p.Stato());
        // Il numero del primo locale dato al secondo: la registrazione lo rifiuta.
        esegui(s, registro, "numero:1:1");
        QCOMPARE(l->State(), TStato::Modifica);
        QCOMPARE(s.a->Pila().count(), 1);
        QVERIFY(!s.a->Annulla());
        VERIFICA_MESSAGGIO(registro, TestiRegole::LocaleNonRegistrato(), TIcona::Stop);
        QCOMPARE(l->State(), TStato::Modifica);
        QCOMPARE(s.a->Pila().index(), 1);
        // Corretto: il numero 20 si registra, poi si annulla.
        QVERIFY(l->FieldByName("ID").Imposta(20));
        QVERIFY(s.a->Annulla());
        QCOMPARE(l->State(), TStato::Consultazione);
        QVERIFY(TFotografia::Prendi(s.p.Stato()) == dopoCarico);
        QCOMPARE(s.a->Pila().undoText(), QStringLiteral("modifica locale"));
        QVERIFY(s.a->Ripeti());
        QVERIFY(l->Locate("ID", 20));
        // Una riga nuova ancora vuota si lascia senza perdere nulla.
        QVERIFY(s.a->Annulla());
        s.Pagina(2);
        l->Append();
        QVERIFY(s.a->Annulla());
        QCOMPARE(l->State(), TStato::Consultazione);
        QVERIFY(!l->Locate("CTermico", 700));
        sessione = nullptr;
    }

    // Un collettore posato sulla pianta è un passo del progetto; annullarlo toglie il collettore
    // dalla pianta del progetto e richiude la finestra della pianta (che ha la sua pila), così che
    // riaprendola mostri la pianta del progetto; ripeterlo lo rimette.
    void pianta()
    {
        TSessione s;
        sessione = &s;
        QVERIFY(s.Apri());
        esegui(s, registro, "collettore:C1");
        s.Pagina(2);
        QTest::mouseClick(s.f().TabSheet3->BitBtnPianta, Qt::LeftButton);
        QPointer<TFinestraPianta> f = s.f().Pianta() ? s.f().Pianta()->Finestra() : nullptr;
        QVERIFY(f);
        f->resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents();
        f->AdattaAlFoglio();
        QTRY_VERIFY(!s.a->InCorso());
        const TFotografia prima = TFotografia::Prendi(s.p.Stato());
        f->ImpostaStrumento(TFinestraPianta::TStrumento::Collettore);
        f->ImpostaCollettore("C1");
        TVistaPianta* v = f->Vista();
        const QPoint punto = v->VersoSchermo({1, 1}).toPoint();
        QTest::mouseMove(v, punto);
        QTest::mouseClick(v, Qt::LeftButton, {}, punto);
        QTRY_VERIFY(!s.a->InCorso());
        registro.PrendiTutti();
        QVERIFY(!s.p.Stato().Pianta.Vuota());
        QCOMPARE(s.a->Pila().undoText(), QStringLiteral("modifica pianta"));
        const TFotografia dopo = TFotografia::Prendi(s.p.Stato());
        QVERIFY(s.a->Annulla());
        QVERIFY(TFotografia::Prendi(s.p.Stato()) == prima);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.isNull());
        QVERIFY(s.a->Ripeti());
        QVERIFY(TFotografia::Prendi(s.p.Stato()) == dopo);
        sessione = nullptr;
    }

    // La finestra principale: "Modifica" fra "Progetto" e "Stampa", voci con il nome del passo e
    // disabilitate a pila vuota; il salvataggio non svuota la pila ma ne segna lo stato salvato;
    // aprire un progetto la svuota.
    void menuModifica()
    {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QStringList menu;
        for (QAction* v : w.menuBar()->actions())
            menu << v->text();
        QCOMPARE(menu.mid(0, 3), (QStringList {"&Progetto", "Mo&difica", "&Stampa"}));
        auto* annulla = w.findChild<QAction*>("Annulla1");
        auto* ripeti = w.findChild<QAction*>("Ripeti1");
        QVERIFY(annulla && ripeti);
        QCOMPARE(annulla->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(ripeti->shortcuts(), (QList<QKeySequence> {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        QVERIFY(!annulla->isEnabled());

        const QString percorso = avvio.filePath("prova.tvl");
        w.SoloRiscaldamento1->trigger();
        TProgetto* p = w.FinestraProgetto();
        QVERIFY(p);
        QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled());
        QCOMPARE(annulla->text(), QStringLiteral("&Annulla"));
        // Un locale nuovo, poi la pagina dei collettori: un collettore nuovo e la sua eliminazione.
        TTabella* l = dati.AuxLocali;
        p->PageControl1->setCurrentWidget(p->TabSheet3);
        l->Append();
        for (const auto& [campo, v] : QList<QPair<QString, QVariant>> {{"ID", 1},
                                                                       {"Descrizione", "Sala"},
                                                                       {"Piano", "PT"},
                                                                       {"Area", 20},
                                                                       {"CTermico", 1500},
                                                                       {"DistColl", 5}})
            QVERIFY(l->FieldByName(campo).Imposta(v));
        QTest::mouseClick(p->TabSheet3->DBNavigator3->Pulsante(TDBNavigator::nbPost), Qt::LeftButton);
        TAnnullamenti* a = TAnnullamenti::Di(p->Stato());
        QVERIFY(a);
        QTRY_VERIFY(!a->InCorso());
        QCOMPARE(annulla->text(), QStringLiteral("&Annulla inserimento locale"));
        QVERIFY(annulla->isEnabled() && !ripeti->isEnabled());
        TSessione finta; // solo per il nome del collettore nel dialogo
        finta.nomeProssimo = "Nord";
        sessione = &finta;
        p->PageControl1->setCurrentWidget(p->TabSheet5);
        QTest::mouseClick(p->TabSheet5->SpeedButton1, Qt::LeftButton);
        QTRY_VERIFY(!a->InCorso());
        QCOMPARE(p->Stato().Assegnazione.NumeroCollettori(), 1);
        p->TabSheet5->TreeView1->setCurrentIndex(p->TabSheet5->ModelloAlbero()->Indice({0, -1}));
        QTest::mouseClick(p->TabSheet5->SpeedButton2, Qt::LeftButton);
        QTRY_VERIFY(!a->InCorso());
        QCOMPARE(p->Stato().Assegnazione.NumeroCollettori(), 0);
        QCOMPARE(annulla->text(), QStringLiteral("&Annulla eliminazione collettore"));

        // Salvato: la pila resta, il progetto non è cambiato; annullare lo cambia, ripetere no.
        w.NomeFile = percorso;
        w.Salva1->trigger();
        QVERIFY(QFile::exists(percorso));
        QVERIFY(!w.ProgettoModificato());
        QVERIFY(annulla->isEnabled());
        annulla->trigger();
        QCOMPARE(p->Stato().Assegnazione.NumeroCollettori(), 1);
        QCOMPARE(ripeti->text(), QStringLiteral("&Ripeti eliminazione collettore"));
        QVERIFY(w.ProgettoModificato());
        ripeti->trigger();
        QCOMPARE(p->Stato().Assegnazione.NumeroCollettori(), 0);
        QVERIFY(!w.ProgettoModificato());

        // Riaperto: niente da annullare.
        w.ChiudiProgetto();
        QCoreApplication::processEvents();
        QVERIFY(!annulla->isEnabled());
        w.LeggiProgetto(percorso);
        QVERIFY(w.FinestraProgetto());
        QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled());
        QCOMPARE(dati.AuxLocali->RecordCount(), 1);
        w.ChiudiProgetto();
        registro.PrendiTutti();
        sessione = nullptr;
    }
};

QTEST_MAIN(TstAnnulla)
#include "tst_annulla.moc"
