// Finestra dell'ottimizzazione dei circuiti: apertura, ripristino del risultato, "&Calcola" con i
// suoi controlli e il suo percorso d'errore, guidati dai controlli come li usa il progettista, su
// un progetto nuovo dal modello con locali su due piani.
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "optimise/finestre/Ufinestraottimizza.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
struct TIstantanea
{
    QStringList spunte; // "120+", "240-" ...
    int opzione = -1;
    int scarto = -1;
    QStringList statistica;
    QVector<RigaCircuito> circuiti;
};
} // namespace

class TstFinestraOttimizza : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    TRegistroMessaggi registro;
    TOttimizza* w = nullptr;

    void locale(int id, const char* descr, const char* piano, double area, double marg, double carico)
    {
        TTabella* t = dati->AuxLocali;
        t->Insert();
        // clang-format off
        const QList<QPair<const char*, QVariant>> valori = {
            {"ID", id}, {"Descrizione", QString::fromUtf8(descr)}, {"Piano", piano}, {"TAmbiente", 20},
            {"Area", area}, {"AreaUtile", area - 1}, {"AreaMarginale", marg}, {"CTermico", carico},
            {"Rivestimento", "Ceramica"}, {"Lambda_Riv", 1.3}, {"Spessore", 10}, {"DistColl", 6}};
        // clang-format on
        for (const auto& [campo, v] : valori)
            QVERIFY2(t->FieldByName(QLatin1String(campo)).Imposta(v), campo);
        QVERIFY(t->Post());
    }

    // Modello nuovo, sei locali su due piani, temperatura salvata con l'area marginale, un
    // collettore per piano.
    void progettoDuePiani()
    {
        QVERIFY(LeggiProgetto(*stato, QDir::current().filePath(QStringLiteral("nuovosr.nv"))));
        locale(1, "Soggiorno", "PT", 32, 6, 2300);
        locale(2, "Cucina", "PT", 14, 0, 900);
        locale(3, "Bagno", "PT", 7, 0, 600);
        locale(4, "Camera matrimoniale", "P1", 17, 3, 1000);
        locale(5, "Cameretta", "P1", 11, 0, 650);
        locale(6, "Bagno", "P1", 6, 0, 500);
        stato->SalvaImpostazioni(1, 42);
        stato->RicalcolaProgetto();
        stato->RicostruisciCollettori();
        TAssegnazione& a = stato->Assegnazione;
        QVERIFY(a.Nuovo(QStringLiteral("Terra")));
        QVERIFY(a.Nuovo(QStringLiteral("Primo")));
        for (int i = int(a.Lista().size()) - 1; i >= 0; --i)
            QVERIFY(a.Collega(i, {a.PianoCircuito(a.Lista()[i]) == QLatin1String("PT") ? 0 : 1, -1}));
        QVERIFY(a.Lista().isEmpty());
        QVERIFY(a.NumeroCircuitiAssegnati() >= 8);
    }

    void apri()
    {
        delete w;
        w = new TOttimizza(*stato);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    QRadioButton* voce(int i) const
    {
        return w->RadioGroup1->findChild<QRadioButton*>(QStringLiteral("RadioGroup1_%1").arg(i));
    }

    // Spunta o toglie la spunta di una matassa con la barra spaziatrice, come dalla tastiera.
    void spunta(int riga, bool si)
    {
        w->Matasse->setCurrentRow(riga);
        if ((w->Matasse->item(riga)->checkState() == Qt::Checked) != si)
            QTest::keyClick(w->Matasse, Qt::Key_Space);
        QCOMPARE(w->Matasse->item(riga)->checkState() == Qt::Checked, si);
    }

    void scegli(const QVector<int>& spuntate, int scarto, int opzione)
    {
        for (int i = 0; i < w->Matasse->count(); ++i)
            spunta(i, spuntate.contains(w->Matasse->item(i)->text().toInt()));
        while (w->CSpinEdit1->value() < scarto)
            QTest::keyClick(w->CSpinEdit1, Qt::Key_Up);
        while (w->CSpinEdit1->value() > scarto)
            QTest::keyClick(w->CSpinEdit1, Qt::Key_Down);
        QTest::mouseClick(voce(opzione), Qt::LeftButton);
        QCOMPARE(w->OpzioneScelta(), opzione);
    }

    void calcola() { QTest::mouseClick(w->BitBtn3, Qt::LeftButton); }

    QStringList statistica() const { return {w->Edit2->text(), w->Edit3->text(), w->Edit4->text(), w->Edit5->text()}; }

    TIstantanea istantanea() const
    {
        TIstantanea s;
        for (int i = 0; i < w->Matasse->count(); ++i)
            s.spunte << w->Matasse->item(i)->text() + (w->Matasse->item(i)->checkState() == Qt::Checked ? "+" : "-");
        s.opzione = w->OpzioneScelta();
        s.scarto = w->CSpinEdit1->value();
        s.statistica = statistica();
        s.circuiti = LeggiAuxCircuiti(*dati);
        return s;
    }

    QVector<ArticoloRotolo> articoliDelTubo()
    {
        QVector<ArticoloRotolo> a;
        LeggiArticoliRotolo(*dati, dati->AuxDGenerali->FieldByName("COD_TUBO").AsString(), a);
        return a;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void init()
    {
        ApriStato();
        progettoDuePiani();
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
        ChiudiStato();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(registro.Controlla());
    }

    void controlliETesti()
    {
        apri();
        QCOMPARE(w->windowTitle(), QStringLiteral("Orvanti S.p.A."));
        QVERIFY(w->minimumSize() == w->maximumSize());
        QVERIFY(w->width() >= w->minimumSizeHint().width() && w->height() >= w->minimumSizeHint().height());
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QList<QPair<const char*, const char*>> testi = {
            {"Panel1", "OTTIMIZZAZIONE CIRCUITI"},
            {"Label1", "N° Circuiti:"},
            {"GroupBox2", "Matasse Disponibili [m]:"},
            {"RadioGroup1", "Opzioni:"},
            {"RadioGroup1_0", "Totale"},
            {"RadioGroup1_1", "Per Piano"},
            {"GroupBox3", "Scarto Min. matassa"},
            {"Label6", "[m]"},
            {"GroupBox1", "Statistica:"},
            {"Label2", "Totale [m]:"},
            {"Label3", "Utilizzato [m]:"},
            {"Label4", "Avanzo [m]:"},
            {"Label5", "Avanzo Perc. [%]:"},
            {"BitBtn3", "&Calcola"},
            {"BitBtn1", "&Esci"},
            {"BitBtn2", "Ca&ncella"},
            {"BitBtn4", "&Stampa"},
        };
        for (const auto& [nome, testo] : testi) {
            QWidget* c = w->findChild<QWidget*>(QLatin1String(nome));
            QVERIFY2(c, nome);
            QString t;
            if (auto* l = qobject_cast<QLabel*>(c))
                t = l->text();
            else if (auto* g = qobject_cast<QGroupBox*>(c))
                t = g->title();
            else if (auto* b = qobject_cast<QAbstractButton*>(c))
                t = b->text();
            QCOMPARE(t, QString::fromUtf8(testo));
        }
        QVERIFY(w->Panel1->font().bold());
        QVERIFY(!w->BitBtn2->isVisible() && !w->BitBtn4->isVisible());
        for (QLineEdit* e : {w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit5})
            QVERIFY(!e->isEnabled());
        QCOMPARE(w->CSpinEdit1->minimum(), 0);
        QCOMPARE(w->CSpinEdit1->maximum(), 20);

        // La lista di taglio: sei colonne intitolate, righe intere, nessuna cella modificabile.
        QAbstractItemModel* m = w->DBGrid1->model();
        QAbstractItemModelTester tester(m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QStringList titoli
            = {"Rotolo [m]", "Scarto [m]", "Lung. Circuito [m]", "Descr. Circuito", " Collettore Associato", "Piano"};
        QCOMPARE(m->columnCount(), 6);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), titoli[c]);
        QCOMPARE(w->DBGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
        calcola();
        QVERIFY(m->rowCount() > 0);
        QVERIFY(!(m->flags(m->index(0, 3)) & Qt::ItemIsEditable));
        QVERIFY(!m->setData(m->index(0, 3), "altro"));
        QTest::mouseDClick(w->DBGrid1->viewport(), Qt::LeftButton, {}, w->DBGrid1->visualRect(m->index(0, 3)).center());
        QVERIFY(!w->DBGrid1->findChild<QLineEdit*>());
        QCOMPARE(w->DBGrid1->selectionModel()->selectedRows().size(), 1);
    }

    void circuitiDellAlbero()
    {
        apri();
        const QVector<CircuitoOtt> circuiti = CircuitiOttimizzazione(stato->Assegnazione);
        QCOMPARE(w->NumCircuiti, int(circuiti.size()));
        QCOMPARE(w->Edit1->text(), QString::number(circuiti.size()));
        TGrigliaFissa* g = w->AnelliG;
        QCOMPARE(g->columnCount(), 1);
        QCOMPARE(g->item(0, 0)->text(), QStringLiteral("Circuito"));
        QCOMPARE(g->item(1, 0)->text(), QStringLiteral("      [m]"));
        QCOMPARE(g->rowCount(), 2 + int(circuiti.size()));
        for (int i = 0; i < circuiti.size(); ++i)
            QCOMPARE(g->item(2 + i, 0)->text(), QString::number(circuiti[i].LCircuito));
        // Non si modifica, e le intestazioni restano in vista quando le lunghezze scorrono.
        QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(2, 0)).center());
        QVERIFY(!g->findChild<QLineEdit*>());
        auto* fisse = g->findChild<QTableView*>(QStringLiteral("RigheFisse"));
        QVERIFY(fisse && fisse->isVisible());
        g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
        QCOMPARE(fisse->indexAt(QPoint(2, 2)).row(), 0);
        QCOMPARE(g->indexAt(QPoint(2, 2)).row() >= 2, true);
    }

    // Le scelte e il risultato di un calcolo tornano a ogni apertura; un cambio dell'assegnazione
    // riporta tutte le matasse spuntate, "Totale" e la lista vuota.
    void riaperturaEDopoUnCambio()
    {
        apri();
        const QVector<ArticoloRotolo> articoli = articoliDelTubo();
        QVERIFY(articoli.size() >= 2);
        QStringList tutte;
        for (const auto& a : articoli)
            tutte << QString::number(a.Conf) + "+";
        QCOMPARE(istantanea().spunte, tutte);

        scegli({articoli[0].Conf, articoli.last().Conf}, 3, 1);
        calcola();
        const TIstantanea dopo = istantanea();
        QVERIFY(!dopo.circuiti.isEmpty());
        QVERIFY(!dopo.statistica.first().isEmpty());
        QVERIFY(stato->OttimizzazioneEseguita);
        QTest::mouseClick(w->BitBtn1, Qt::LeftButton);
        QVERIFY(!w->isVisible());

        // La stessa finestra riaperta, poi una finestra nuova: tutto come lasciato.
        for (int volta = 0; volta < 2; ++volta) {
            if (volta == 0) {
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
            } else {
                apri();
            }
            const TIstantanea s = istantanea();
            QCOMPARE(s.spunte, dopo.spunte);
            QCOMPARE(s.opzione, 1);
            QCOMPARE(s.scarto, 3);
            QCOMPARE(s.statistica, dopo.statistica);
            QCOMPARE(s.circuiti, dopo.circuiti);
            QCOMPARE(w->DBGrid1->model()->rowCount(), int(dopo.circuiti.size()));
            QCOMPARE(w->ProgressBar1->value(), w->ProgressBar1->minimum());
            w->hide();
        }

        TAssegnazione& a = stato->Assegnazione;
        QVERIFY(a.Restituisci({0, 0}));
        QVERIFY(a.Collega(0, {0, -1}));
        QVERIFY(!stato->OttimizzazioneEseguita);
        apri();
        const TIstantanea s = istantanea();
        QCOMPARE(s.spunte, tutte);
        QCOMPARE(s.opzione, 0);
        QCOMPARE(s.scarto, 0);
        QCOMPARE(s.statistica, QStringList(4));
        QVERIFY(s.circuiti.isEmpty());
        QCOMPARE(w->DBGrid1->model()->rowCount(), 0);
    }

    // Statistica, lista di taglio, riepilogo delle matasse e impostazioni salvate come li dà
    // "tvl ottimizza" sullo stesso progetto con le stesse scelte.
    void comeLaRigaDiComando_data()
    {
        QTest::addColumn<QVector<int>>("tolte");
        QTest::addColumn<int>("scarto");
        QTest::addColumn<int>("opzione");
        QTest::newRow("totale, tutte le matasse") << QVector<int> {} << 0 << 0;
        QTest::newRow("per piano, senza la seconda, scarto 4") << QVector<int> {1} << 4 << 1;
        QTest::newRow("totale, solo la più corta, scarto 20") << QVector<int> {1, 2} << 20 << 0;
    }
    void comeLaRigaDiComando()
    {
        QFETCH(QVector<int>, tolte);
        QFETCH(int, scarto);
        QFETCH(int, opzione);
        apri();
        const QVector<ArticoloRotolo> articoli = articoliDelTubo();
        QVector<int> offerte;
        for (int i = 0; i < articoli.size(); ++i)
            if (!tolte.contains(i))
                offerte << articoli[i].Conf;
        scegli(offerte, scarto, opzione);
        calcola();
        QVERIFY(stato->OttimizzazioneEseguita);
        const QStringList finestra = statistica();
        const QVector<RigaCircuito> circuiti = LeggiAuxCircuiti(*dati);
        const QVector<RigaRotolo> rotoli = LeggiAuxRotoli(*dati);
        QCOMPARE(stato->StatOttimizzazione, finestra);
        QCOMPARE(stato->OpzioneOttimizzazione, opzione);
        QCOMPARE(stato->ScartoMinMatassa, scarto);
        QCOMPARE(w->ProgressBar1->value(), w->NumCircuiti);
        QCOMPARE(w->ProgressBar1->maximum(), w->NumCircuiti);
        // La griglia mostra le righe della tabella: matassa e scarto solo sul primo circuito.
        QAbstractItemModel* m = w->DBGrid1->model();
        QCOMPARE(m->rowCount(), int(circuiti.size()));
        QCOMPARE(m->data(m->index(0, 0)).toString(), QString::number(*circuiti[0].L_Rotolo));
        QCOMPARE(m->data(m->index(0, 3)).toString(), circuiti[0].Descr_Circuito);
        QCOMPARE(w->DBGrid1->currentIndex().row(), 0);

        // Il comando riparte dalle impostazioni con cui si riaprirebbe la finestra.
        const TImpostazioniOtt imp = ImpostazioniIniziali(*stato, *dati, articoli);
        QCOMPARE(imp.Matasse, offerte);
        const TCalcoloOtt c = OttimizzaMatasse(*stato, *dati, imp, articoli);
        QCOMPARE(int(c.Esito), int(TEsitoOtt::Eseguita));
        QCOMPARE(c.Risultato.Statistica, finestra);
        QCOMPARE(c.Risultato.Circuiti, circuiti);
        QCOMPARE(LeggiAuxRotoli(*dati), rotoli);
        QCOMPARE(stato->OpzioneOttimizzazione, opzione);
        QCOMPARE(stato->ScartoMinMatassa, scarto);
        // Percentuale con il separatore decimale del sistema.
        QVERIFY2(finestra[3].contains(QLatin1Char(',')), qPrintable(finestra[3]));
    }

    // "Minimo acquisto": mai più tubo del taglio normale, limite inferiore mostrato solo in quel
    // modo e mai sopra il totale comprato; tolta la spunta la finestra torna quella di sempre.
    void minimoAcquisto()
    {
        apri();
        QVERIFY(!w->EditLimite->isVisible());
        calcola();
        const int normale = w->Edit2->text().toInt();
        QVERIFY(normale > 0);
        QVERIFY(!w->EditLimite->isVisible());
        QTest::mouseClick(w->CheckMinimo, Qt::LeftButton);
        calcola();
        QVERIFY(stato->OttimizzazioneEseguita);
        QVERIFY(w->EditLimite->isVisible());
        const int minimo = w->Edit2->text().toInt();
        QVERIFY(minimo > 0 && minimo <= normale);
        QVERIFY(w->EditLimite->text().toInt() > 0 && w->EditLimite->text().toInt() <= minimo);
        QVERIFY(!LeggiAuxCircuiti(*dati).isEmpty());
        QTest::mouseClick(w->CheckMinimo, Qt::LeftButton);
        calcola();
        QCOMPARE(w->Edit2->text().toInt(), normale);
        QVERIFY(!w->EditLimite->isVisible());
    }

    // Il modo dell'ottimizzazione viaggia con il progetto: salvato e riaperto, "Minimo acquisto"
    // torna spuntato con lo stesso limite inferiore e la stessa statistica. Un'ottimizzazione
    // normale, o un minimo poi tolto da un cambio dell'assegnazione, non aggiunge nulla al file
    // e si riapre come sempre.
    void minimoAcquistoRiaperto_data()
    {
        QTest::addColumn<bool>("minimo");
        QTest::addColumn<bool>("tolto");
        QTest::newRow("minimo acquisto") << true << false;
        QTest::newRow("taglio normale") << false << false;
        QTest::newRow("minimo tolto") << true << true;
    }
    void minimoAcquistoRiaperto()
    {
        QFETCH(bool, minimo);
        QFETCH(bool, tolto);
        QTemporaryDir cartella;
        const QString base = cartella.filePath(QStringLiteral("base.tvl"));
        const QString file = cartella.filePath(QStringLiteral("progetto.tvl"));
        apri();
        calcola();
        QVERIFY(ScriviProgetto(*stato, base));
        if (minimo) {
            QTest::mouseClick(w->CheckMinimo, Qt::LeftButton);
            calcola();
        }
        QVERIFY(stato->OttimizzazioneEseguita);
        const QStringList stat = statistica();
        const QString limite = w->EditLimite->text();
        QCOMPARE(!limite.isEmpty(), minimo);
        if (tolto) {
            TAssegnazione& a = stato->Assegnazione;
            QVERIFY(a.Restituisci({0, 0}));
            QVERIFY(a.Collega(0, {0, -1}));
            QVERIFY(!stato->OttimizzazioneEseguita);
        }
        const TMinimoAcquisto prima = stato->MinimoAcquisto;
        QVERIFY(ScriviProgetto(*stato, file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QFile b(base);
        QVERIFY(b.open(QIODevice::ReadOnly));
        const QByteArray scritto = f.readAll(), normale = b.readAll();
        QVERIFY(!normale.contains("ottimizzazione"));
        QCOMPARE(scritto.contains("ottimizzazione"), minimo && !tolto);
        if (!minimo)
            QCOMPARE(scritto, normale);

        delete w;
        w = nullptr;
        stato->MinimoAcquisto = {.Usato = !minimo, .LimiteInferiore = 7};
        QVERIFY(LeggiProgetto(*stato, file));
        QCOMPARE(stato->OttimizzazioneEseguita, !tolto);
        if (!tolto)
            QVERIFY(stato->MinimoAcquisto == prima);
        QCOMPARE(stato->MinimoAcquisto.Usato, minimo && !tolto);
        apri();
        QCOMPARE(w->CheckMinimo->isChecked(), minimo && !tolto);
        QCOMPARE(w->EditLimite->isVisible(), minimo && !tolto);
        QCOMPARE(w->LabelLimite->isVisible(), minimo && !tolto);
        if (tolto) {
            QCOMPARE(statistica(), QStringList(4));
            return;
        }
        QCOMPARE(w->EditLimite->text(), minimo ? limite : QString());
        QCOMPARE(statistica(), stat);
        if (minimo)
            QVERIFY(w->EditLimite->text().toInt() <= w->Edit2->text().toInt());
    }

    void nessunaMatassaSpuntata()
    {
        apri();
        calcola();
        QVERIFY(!w->Edit2->text().isEmpty());
        scegli({}, 0, 0);
        calcola();
        QCOMPARE(statistica(), QStringList(4));
        QVERIFY(!stato->OttimizzazioneEseguita);
        QVERIFY(LeggiAuxCircuiti(*dati).isEmpty());
        QVERIFY(!w->CalcoloInCorso);
        // Nessun messaggio: lo verifica cleanup().
    }

    void avvisiDeiControlli_data()
    {
        QTest::addColumn<int>("locale"); // -1 nessuna modifica
        QTest::addColumn<float>("lAs");
        QTest::addColumn<float>("lAm");
        QTest::addColumn<int>("scarto");
        QTest::addColumn<int>("extra"); // nodi aggiunti all'albero
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("201 circuiti") << -1 << 0.f << 0.f << 0 << 201 << MessaggiOtt::TroppiCircuiti();
        QTest::newRow("circuito più lungo della matassa")
            << 2 << 130.f << 0.f << 0 << 0 << MessaggiOtt::CircuitiTroppoLunghi();
        QTest::newRow("zona marginale più lunga")
            << 0 << 60.f << 121.f << 0 << 0 << MessaggiOtt::CircuitiTroppoLunghi();
        QTest::newRow("scarto troppo grande") << 2 << 115.f << 0.f << 6 << 0 << MessaggiOtt::ScartoTroppoGrande();
    }
    void avvisiDeiControlli()
    {
        QFETCH(int, locale);
        QFETCH(float, lAs);
        QFETCH(float, lAm);
        QFETCH(int, scarto);
        QFETCH(int, extra);
        QFETCH(QString, messaggio);
        // Un risultato precedente, che ogni pressione bloccata toglie.
        apri();
        calcola();
        QVERIFY(stato->OttimizzazioneEseguita);
        w->hide();
        if (locale >= 0) {
            stato->RisultatiLocali[locale].LAs = lAs;
            stato->RisultatiLocali[locale].LAm = lAm;
        }
        const QString etichetta = stato->Assegnazione.Collettori().last().circuiti.first();
        const int gia = stato->Assegnazione.NumeroCircuitiAssegnati();
        for (int i = 0; i < extra - gia; ++i)
            stato->Assegnazione.AggiungiCircuitoNodo(etichetta);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // Solo la matassa più corta (120 m).
        scegli({articoliDelTubo().first().Conf}, scarto, 1);
        for (int volta = 0; volta < 2; ++volta) {
            calcola();
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
            QCOMPARE(statistica(), QStringList(4));
            QCOMPARE(w->ProgressBar1->value(), w->ProgressBar1->minimum());
            QVERIFY(!stato->OttimizzazioneEseguita);
            QVERIFY(!w->CalcoloInCorso);
            QCOMPARE(w->DBGrid1->model()->rowCount(), 0);
        }
    }

    void calcoloGiaInCorso()
    {
        apri();
        w->CalcoloInCorso = true;
        calcola();
        QVERIFY(LeggiAuxCircuiti(*dati).isEmpty());
        QVERIFY(!stato->OttimizzazioneEseguita);
        // Neppure "&Esci" chiude la finestra a metà calcolo.
        QTest::mouseClick(w->BitBtn1, Qt::LeftButton);
        QVERIFY(w->isVisible());
        w->CalcoloInCorso = false;
    }

    void erroreDiScrittura()
    {
        apri();
        scegli({articoliDelTubo().last().Conf}, 2, 1);
        dati->AuxCircuiti->ImpostaSolaLettura(true);
        calcola();
        dati->AuxCircuiti->ImpostaSolaLettura(false);
        VERIFICA_MESSAGGIO(registro,
                           QStringLiteral("Errore durante l'ottimizzazione dei circuiti!\n\n"
                                          "Il risultato non è stato registrato."),
                           TIcona::Stop);
        QVERIFY(!stato->OttimizzazioneEseguita);
        QCOMPARE(w->OpzioneScelta(), 0);
        QVERIFY(!w->CalcoloInCorso);
        QCOMPARE(statistica(), QStringList(4));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void scartoSoloConLeFrecce()
    {
        apri();
        TSpinFrecce* s = w->CSpinEdit1;
        s->setFocus();
        QTest::keyClicks(s, "15");
        QCOMPARE(s->value(), 0);
        QCOMPARE(s->text(), QStringLiteral("0"));
        QTest::keyClick(s, Qt::Key_Backspace);
        QCOMPARE(s->text(), QStringLiteral("0"));
        QTest::keyClick(s, Qt::Key_Up);
        QCOMPARE(s->value(), 1);
        for (int i = 0; i < 25; ++i)
            QTest::keyClick(s, Qt::Key_Up);
        QCOMPARE(s->value(), 20);
        QTest::keyClick(s, Qt::Key_Down);
        QCOMPARE(s->value(), 19);
    }

    void aperturaDallaPaginaDeiCollettori()
    {
        // Un circuito tolto dall'albero: avviso, nessuna finestra.
        QVERIFY(stato->Assegnazione.Restituisci({0, 0}));
        QVERIFY(!TOttimizza::Esegui(*stato));
        VERIFICA_MESSAGGIO(registro, MessaggiCollettori::NonAssegnati(), TIcona::Esclamazione);
        QVERIFY(stato->Assegnazione.Collega(0, {0, -1}));

        QString numero;
        QTimer::singleShot(0, this, [&numero] {
            auto* f = qobject_cast<TOttimizza*>(QApplication::activeModalWidget());
            if (!f)
                return;
            numero = f->Edit1->text();
            QTest::mouseClick(f->BitBtn1, Qt::LeftButton);
        });
        QVERIFY(TOttimizza::Esegui(*stato));
        QCOMPARE(numero, QString::number(stato->Assegnazione.NumeroCircuitiAssegnati()));
    }
};

QTEST_MAIN(TstFinestraOttimizza)
#include "tst_finestraottimizza.moc"
