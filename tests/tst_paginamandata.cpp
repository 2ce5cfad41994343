// Pagina "T Mandata Progetto": cursore, modi, impostazioni salvate, griglia dei circuiti.
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/RisposteDialoghi.h"
#include "controlli/Uopzioni.h"
#include "editor/Ugriglia1.h"
#include "editor/Ulegenda.h"
#include "editor/Upaginamandata.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

namespace {
struct TLocaleProva
{
    int id;
    const char* descrizione;
    double area, utile, marginale, carico;
};

// Il primo locale ha il rapporto di area utile e il carico per metro quadro più alti: è quello
// di riferimento della temperatura ottima. "Bagno" non ha zona marginale. AuxLocali li tiene
// in ordine di ID: Soggiorno, Camera, Bagno.
const TLocaleProva Locali[] = {
    {1, "Soggiorno", 20, 19, 3, 1500},
    {3, "Bagno", 8, 6.5, 0, 300},
    {2, "Camera", 14, 12, 2, 600},
};

// Una prova per ogni funzione: progetto nuovo con i locali scritti come li scrive la pagina "Locali".
struct TProva : TFinestraDiProva
{
    TPaginaMandata* p = nullptr;

    bool Prepara(int quantiLocali = 3, double caricoPrimo = 1500)
    {
        if (!Apri())
            return false;
        p = finestra->TabSheet4;
        for (int i = 0; i < quantiLocali; ++i) {
            const TLocaleProva& l = Locali[i];
            TTabella* t = dati.AuxLocali;
            t->Insert();
            if (!ImpostaCampi(t,
                              {
                                  {"ID", l.id},
                                  {"Descrizione", QString::fromUtf8(l.descrizione)},
                                  {"Piano", "PT"},
                                  {"TAmbiente", 20},
                                  {"Area", l.area},
                                  {"AreaUtile", l.utile},
                                  {"AreaMarginale", l.marginale},
                                  {"CTermico", i == 0 ? caricoPrimo : l.carico},
                                  {"Rivestimento", "Ceramica"},
                                  {"Lambda_Riv", 1.3},
                                  {"Spessore", 10},
                                  {"DistColl", 5},
                              }))
                return false;
        }
        return true;
    }
    TGriglia1* Griglia() const { return p->Griglia1; }
    QString Testo(int colonna, int riga) const { return Griglia()->Modello()->Cella(colonna, riga).Testo; }
    // Clic sul cerchietto della voce, dove il pulsante risponde qualunque sia la lunghezza del testo.
    void Scegli(int voce)
    {
        QRadioButton* v = p->RadioGroup1->Voce(voce);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(6, v->height() / 2));
    }
    void ClicCella(int colonna, int riga)
    {
        const QRect r = Griglia()->RettangoloCella(colonna, riga);
        QWidget* dove = riga < 2 ? Griglia()->horizontalHeader()->viewport() : Griglia()->viewport();
        QTest::mouseClick(dove, Qt::LeftButton, {}, r.center());
    }
    // Risultati attesi: i locali dello stato ricalcolati da capo a quella temperatura.
    QVector<TLocaleCalc> CalcolatiA(float gradi)
    {
        QVector<TLocaleCalc> attesi = Stato().RisultatiLocali;
        TPavRad calcolo = Stato().PavRad;
        calcolo.ImpostaTempMandata(gradi);
        calcolo.CalcolaLocali(attesi);
        return attesi;
    }
};

// I risultati che la griglia mostra coincidono con quelli attesi, cella per cella.
bool StessiRisultati(const QVector<TLocaleCalc>& a, const QVector<TLocaleCalc>& b)
{
    if (a.size() != b.size())
        return false;
    for (int r = 2; r < a.size() + 2; ++r)
        for (int c = 0; c < TPavRad::NumColonneMarginali; ++c)
            if (TPavRad::TestoCella(c, r, a).Testo != TPavRad::TestoCella(c, r, b).Testo)
                return false;
    return true;
}

QString TestoEdit1(const QString& valore)
{
    return QStringLiteral("T Mandata di Progetto [°C]: ") + valore;
}
} // namespace

class TstPaginaMandata : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

    // Carico del primo locale per cui la temperatura ottima vale `gradi`: la temperatura cresce
    // linearmente con il carico per metro quadro del locale di riferimento.
    static double CaricoPerTOttima(TStatoProgetto& s, float gradi)
    {
        s.RicalcolaProgetto();
        QVector<TLocaleCalc> l = s.RisultatiLocali;
        const float base = l[0].TAmbiente + 0.5f * s.PavRad.DeltaT() + 0.3f;
        const double t0 = s.PavRad.CalcolaTOttima(l);
        return l[0].CTermico * (gradi - base) / (t0 - base);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    // "T Ottima" sposta il cursore al decimo troncato (il suo gestore mostra 45,2) ma calcola i
    // locali alla temperatura ottima esatta; salvato il modo 0, ogni ricalcolo la memorizza.
    void tOttima()
    {
        TProva p;
        QVERIFY(p.Prepara());
        const double carico = CaricoPerTOttima(p.Stato(), 45.27f);
        p.dati.AuxLocali->First();
        p.dati.AuxLocali->Edit();
        QVERIFY(p.dati.AuxLocali->FieldByName(QStringLiteral("CTermico")).Imposta(carico));
        QVERIFY(p.dati.AuxLocali->Post());
        p.Pagina(3);
        const float ottima = p.Stato().PavRad.CalcolaTOttima(p.Stato().RisultatiLocali);
        QVERIFY(qAbs(ottima - 45.27f) < 1e-4f);
        // Alla temperatura troncata i risultati sono diversi: la prova distingue le due.
        QVERIFY(!StessiRisultati(p.CalcolatiA(45.2f), p.CalcolatiA(ottima)));

        p.Scegli(0);
        QCOMPARE(p.p->TrackBar1->value(), 452);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1("45,2"));
        QCOMPARE(p.Stato().PavRad.TempMandata(), ottima);
        QVERIFY(StessiRisultati(p.Stato().RisultatiLocali, p.CalcolatiA(ottima)));
        QCOMPARE(p.Griglia()->ColCount(), 13);
        QCOMPARE(p.Stato().ModoTMandata, -1); // la scelta da sola non salva

        QTest::mouseClick(p.p->BitBtn2, Qt::LeftButton);
        QCOMPARE(p.Stato().ModoTMandata, 0);
        QVERIFY(p.Stato().ImpostazioniSalvate);
        // Il ricalcolo del modo 0 rimette l'ottima esatta, anche dopo un movimento del cursore.
        p.p->TrackBar1->setValue(400);
        p.Pagina(0);
        p.Pagina(3);
        QCOMPARE(p.Stato().TMandataSalvata, ottima);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1("45,3"));
        QCOMPARE(p.p->TrackBar1->value(), 452);
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), 0);
        QCOMPARE(p.Stato().PavRad.TempMandata(), ottima);
        QVERIFY(StessiRisultati(p.Stato().RisultatiLocali, p.CalcolatiA(ottima)));
    }

    // Un cursore spostato senza "Salva Impostazioni" torna alla temperatura salvata; ogni
    // posizione salvata si ritrova identica al ritorno.
    void ritornoAlleImpostazioniSalvate()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        p.Scegli(2);
        p.p->TrackBar1->setValue(385);
        QTest::mouseClick(p.p->BitBtn2, Qt::LeftButton);
        QCOMPARE(p.Stato().ModoTMandata, 2);
        QCOMPARE(p.Stato().TMandataSalvata, 38.5f);
        p.p->TrackBar1->setValue(412);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1("41,2"));
        p.Scegli(1);
        p.Pagina(2);
        p.Pagina(3);
        QCOMPARE(p.p->TrackBar1->value(), 385);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1("38,5"));
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), 2);
        QCOMPARE(p.Griglia()->ColCount(), 13);
        QVERIFY(!p.Stato().PavRad.AreaMarginaleAttiva());
        QVERIFY(StessiRisultati(p.Stato().RisultatiLocali, p.CalcolatiA(38.5f)));

        for (int posizione = 300; posizione <= 600; ++posizione) {
            p.p->TrackBar1->setValue(posizione);
            p.p->BitBtn2Click();
            p.p->TrackBar1->setValue(posizione == 300 ? 600 : 300);
            p.Pagina(0);
            p.Pagina(3);
            QCOMPARE(p.p->TrackBar1->value(), posizione);
        }
    }

    // "Con Area Marginale" allarga la griglia a 20 colonne; i locali senza resa marginale
    // mostrano "--" nelle colonne della zona marginale.
    void conAreaMarginale()
    {
        TProva p;
        QVERIFY(p.Prepara());
        QAbstractItemModelTester tester(p.Griglia()->Modello(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        p.Pagina(3);
        QCOMPARE(p.Griglia()->ColCount(), 13);
        p.p->TrackBar1->setValue(450);
        p.Scegli(1);
        QCOMPARE(p.Griglia()->ColCount(), 20);
        QCOMPARE(p.Griglia()->Modello()->columnCount(), 20 + 1); // più la colonna "EN 1264"
        QVERIFY(p.Stato().PavRad.AreaMarginaleAttiva());
        for (int c = 0; c < 20; ++c)
            QCOMPARE(p.Griglia()->ColWidth(c), TGriglia1::LarghezzeColonne[c]);
        const auto& l = p.Stato().RisultatiLocali;
        QVERIFY(l[0].PotAm > 0 && l[1].PotAm > 0);
        QCOMPARE(l[2].PotAm, 0.0f);
        for (int c = 13; c < 20; ++c) {
            QCOMPARE(p.Testo(c, 4), QStringLiteral("--")); // Bagno
            QVERIFY(p.Testo(c, 2) != QStringLiteral("--"));
            QCOMPARE(p.Griglia()->Modello()->data(p.Griglia()->Modello()->index(2, c)).toString(),
                     QStringLiteral("--"));
        }
        QCOMPARE(p.Testo(13, 0), QStringLiteral("Pot."));
        QCOMPARE(p.Testo(19, 1), QStringLiteral("[mmH20]"));
        QVERIFY(StessiRisultati(l, p.CalcolatiA(45.0f)));

        p.Scegli(2);
        QCOMPARE(p.Griglia()->ColCount(), 13);
        QVERIFY(!p.Stato().PavRad.AreaMarginaleAttiva());
        QCOMPARE(l[0].PotAm, 0.0f);
    }

    // Il locale scelto resta in Edit2 mentre il cursore si muove; le righe fisse non scelgono.
    void localeSelezionato()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        p.ClicCella(4, 3);
        QCOMPARE(p.p->LocaleSelezionato, 1);
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Camera  ID= 2"));
        p.p->TrackBar1->setFocus();
        QTest::keyClick(p.p->TrackBar1, Qt::Key_Right);
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Camera    ID= 2"));
        p.ClicCella(2, 0);
        p.ClicCella(2, 1);
        QCOMPARE(p.p->LocaleSelezionato, 1);
        // Tastiera nella griglia: la cella corrente scende sul locale seguente.
        p.Griglia()->setFocus();
        QTest::keyClick(p.Griglia(), Qt::Key_Down);
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Bagno  ID= 3"));
        // Un cambio di colonne fatto dal codice non è una scelta.
        p.Scegli(1);
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Bagno  ID= 3"));
        p.Pagina(0);
        p.Pagina(3);
        QCOMPARE(p.p->LocaleSelezionato, -1);
        QVERIFY(p.p->Edit2->text().isEmpty());
        QTest::keyClick(p.p->TrackBar1, Qt::Key_Right);
        QVERIFY(p.p->Edit2->text().isEmpty());
    }

    // Impostazioni mai salvate (modo -1, 0 °C): nessuna voce scelta, locali calcolati a 0 °C.
    void maiSalvato()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        QCOMPARE(p.Stato().ModoTMandata, -1);
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), -1);
        for (int i = 0; i < p.p->RadioGroup1->NumVoci(); ++i)
            QVERIFY(!p.p->RadioGroup1->Voce(i)->isChecked());
        QCOMPARE(p.p->TrackBar1->value(), 300);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1("0,0"));
        QCOMPARE(p.Stato().PavRad.TempMandata(), 0.0f);
        QVERIFY(StessiRisultati(p.Stato().RisultatiLocali, p.CalcolatiA(0)));
        QCOMPARE(p.Griglia()->RowCount(), 5);
        QCOMPARE(p.Testo(0, 4), QStringLiteral("3"));
        // Una scelta già fatta si spegne al ritorno se le impostazioni restano da salvare.
        p.Scegli(2);
        p.Pagina(0);
        p.Pagina(3);
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), -1);
    }

    // Senza locali: "---", solo le due righe fisse, il cursore non fa nulla.
    void senzaLocali()
    {
        TProva p;
        QVERIFY(p.Prepara(0));
        p.Pagina(3);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1(" ---"));
        QCOMPARE(p.Griglia()->RowCount(), 2);
        QCOMPARE(p.Griglia()->Modello()->rowCount(), 0);
        QCOMPARE(p.Testo(0, 0), QStringLiteral("Locale"));
        QCOMPARE(p.Testo(0, 1), QStringLiteral("ID"));
        p.p->TrackBar1->setValue(450);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1(" ---"));
        p.Scegli(0);
        p.Scegli(1);
        QCOMPARE(p.Griglia()->RowCount(), 2);
        QCOMPARE(p.p->Edit1->text(), TestoEdit1(" ---"));
    }

    // Il ricalcolo aggiorna la pagina solo quando è quella attiva.
    void ricalcoloSoloConPaginaAttiva()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        QCOMPARE(p.Griglia()->RowCount(), 5);
        p.Pagina(2);
        p.Stato().SalvaImpostazioni(1, 41.0f);
        p.dati.AuxLocali->Last();
        QVERIFY(p.dati.AuxLocali->Delete());
        p.Stato().RicalcolaProgetto();
        QCOMPARE(p.p->TrackBar1->value(), 300);
        QCOMPARE(p.Griglia()->RowCount(), 5);
        QCOMPARE(p.Testo(0, 4), QString()); // cella oltre i locali: vuota, mai fuori dall'array
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), -1);

        p.finestra->PageControl1->setCurrentIndex(3);
        p.Stato().SalvaImpostazioni(1, 42.0f);
        p.Stato().RicalcolaProgetto();
        QCOMPARE(p.p->TrackBar1->value(), 420);
        QCOMPARE(p.p->RadioGroup1->ItemIndex(), 1);
        QCOMPARE(p.Griglia()->ColCount(), 20);
        QCOMPARE(p.Griglia()->RowCount(), 4);
    }

    // Disegno: riempimenti, lampade in (destra - 20, alto + 5), testo rosso oltre 29 °C.
    void disegno()
    {
        TProva p;
        QVERIFY(p.Prepara(3, 4000));
        p.Pagina(3);
        p.p->TrackBar1->setValue(450);
        p.Scegli(1);
        const auto& l = p.Stato().RisultatiLocali;
        QVERIFY(std::trunc(l[0].Integr) > 0 && std::trunc(l[1].Integr) <= 0);
        QVERIFY(l[0].TSupAs > 29);
        QCOMPARE(p.Griglia()->Modello()->Cella(7, 2).Marca, MarcaRossa);
        const QImage img = p.Griglia()->viewport()->grab().toImage();
        auto punto = [&](int colonna, int riga, int dx, int dy) {
            const QRect r = p.Griglia()->RettangoloCella(colonna, riga);
            return img.pixelColor(r.left() + dx, r.top() + dy);
        };
        const int w5 = TGriglia1::LarghezzeColonne[5];
        QCOMPARE(punto(5, 2, w5 - 20 + 8, 5 + 6).value() > 0, true);
        const QColor rossa = punto(5, 2, w5 - 20 + 8, 5 + 6), verde = punto(5, 3, w5 - 20 + 8, 5 + 6);
        QVERIFY2(rossa.red() > 150 && rossa.green() < 100, qPrintable(rossa.name()));
        QVERIFY2(verde.green() > 120 && verde.red() < 100, qPrintable(verde.name()));
        QCOMPARE(punto(3, 2, 1, 1), QColor(Qt::white));
        QCOMPARE(punto(13, 2, 1, 1), QColor(217, 97, 9));
        // Testo dei valori a (sinistra + 2, alto + 8): c'è inchiostro rosso nella cella marcata.
        bool rosso = false;
        const QRect r7 = p.Griglia()->RettangoloCella(7, 2);
        for (int y = r7.top() + 8; y < r7.bottom(); ++y)
            for (int x = r7.left() + 2; x < r7.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                rosso = rosso || (c.red() > 200 && c.green() < 120 && c.blue() < 120);
            }
        QVERIFY(rosso);

        // Oltre 33 °C nella zona marginale: testo bianco, che si legge sul riempimento arancio.
        QVERIFY(l[0].TSupAm > 33);
        QCOMPARE(p.Griglia()->Modello()->Cella(14, 2).Marca, MarcaArancio);
        QVERIFY(Contrasto(QColor::fromRgb(ColoreMarcaMarginale), QColor::fromRgb(ColoreZonaMarginale)) >= 3.5);
        p.Griglia()->scrollTo(p.Griglia()->Modello()->index(0, 14));
        const QImage marginale = p.Griglia()->viewport()->grab().toImage();
        const QRect r14 = p.Griglia()->RettangoloCella(14, 2);
        int bianchi = 0, arancio = 0;
        for (int y = r14.top() + 8; y < r14.bottom(); ++y)
            for (int x = r14.left() + 2; x < r14.right(); ++x) {
                const QColor c = marginale.pixelColor(x, y);
                bianchi += c.red() > 235 && c.green() > 235 && c.blue() > 235;
                arancio += c.red() > 240 && c.green() > 110 && c.green() < 150 && c.blue() < 90;
            }
        QVERIFY2(bianchi > 10, qPrintable(QString::number(bianchi)));
        QCOMPARE(arancio, 0);
    }

    // La colonna dei locali resta ferma a sinistra mentre le altre scorrono; il suggerimento del
    // numero dà la descrizione, un clic sulla colonna ferma sceglie il locale.
    void colonnaDeiLocaliFerma()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        p.p->TrackBar1->setValue(450);
        p.Scegli(1);
        TGriglia1* g = p.Griglia();
        QTableView* fissa = g->ColonnaFissa();
        QScrollBar* sb = g->horizontalScrollBar();
        QVERIFY2(sb->maximum() > 100, "a 792 × 554 le colonne della zona marginale non entrano");
        sb->setValue(sb->maximum());
        QCoreApplication::processEvents();
        QVERIFY(g->horizontalHeader()->sectionViewportPosition(0) < 0); // la colonna vera è fuori
        QVERIFY(fissa->isVisible());
        QCOMPARE(fissa->geometry(),
                 QRect(g->frameWidth(), g->frameWidth(), TGriglia1::LarghezzeColonne[0] + 1,
                       g->viewport()->height() + g->horizontalHeader()->height()));
        for (int c = 1; c < g->model()->columnCount(); ++c)
            QVERIFY(fissa->isColumnHidden(c));
        // Quel che si vede a sinistra: intestazione "Locale" e i numeri, fondo bianco.
        const QImage img = g->grab().toImage();
        const QPoint dentroPrima = fissa->geometry().topLeft() + QPoint(30, fissa->horizontalHeader()->height() + 3);
        QCOMPARE(img.pixelColor(dentroPrima), QColor(Qt::white));
        QCOMPARE(fissa->indexAt(QPoint(10, 5)), g->model()->index(0, 0));
        // Descrizione nel suggerimento del numero del locale.
        QCOMPARE(g->model()->index(2, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Bagno"));
        QCOMPARE(g->model()->index(2, 3).data(Qt::ToolTipRole).toString(), QString());
        // Un clic sul numero nella colonna ferma sceglie il locale e non riporta la griglia a sinistra.
        QTest::mouseClick(fissa->viewport(), Qt::LeftButton, {}, fissa->visualRect(g->model()->index(1, 0)).center());
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Camera  ID= 2"));
        QCOMPARE(sb->value(), sb->maximum());
        // Le righe scorrono insieme.
        p.Griglia()->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
        QCOMPARE(fissa->verticalScrollBar()->value(), g->verticalScrollBar()->value());
        // Con le sole colonne della zona attiva c'è posto: la colonna ferma ha anche la descrizione,
        // e resta sola nella sua vista.
        QCOMPARE(fissa->width(), TGriglia1::LarghezzeColonne[0] + 1);
        p.Scegli(2);
        QCoreApplication::processEvents();
        for (int c = 1; c < g->model()->columnCount(); ++c)
            QVERIFY(fissa->isColumnHidden(c));
        QVERIFY(!fissa->isColumnHidden(0));
        QCOMPARE(fissa->width(), TGriglia1::LarghezzeColonne[0] + 1 + TGriglia1::LarghezzaDescrizione);
        // La vista ferma finisce dove finisce la prima colonna della griglia, che copre.
        QCOMPARE(g->viewport()->x() + g->horizontalHeader()->sectionViewportPosition(0) + g->columnWidth(0),
                 fissa->geometry().right() + 1);
        g->verticalScrollBar()->setValue(0);
        const QRect descrizione = fissa->visualRect(g->model()->index(1, 0)).adjusted(45, 0, 0, 0);
        const QImage testo = fissa->viewport()->grab(descrizione).toImage();
        int inchiostro = 0;
        for (int y = 0; y < testo.height(); ++y)
            for (int x = 0; x < testo.width(); ++x)
                inchiostro += testo.pixelColor(x, y).value() < 100;
        QVERIFY(inchiostro > 20); // "Camera"
        QTest::mouseClick(fissa->viewport(), Qt::LeftButton, {}, descrizione.center());
        QCOMPARE(p.p->Edit2->text(), QStringLiteral("Camera  ID= 2"));
    }

    // Intestazioni e unità entrano nelle loro colonne; la finestra a 792 × 554 mostra tutto.
    void nienteTagliato()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        QFont grassetto(QStringLiteral("Times New Roman"));
        grassetto.setPointSize(8);
        grassetto.setBold(true);
        const QFontMetrics fm(grassetto);
        for (int c = 0; c < 20; ++c)
            for (int r = 0; r < 2; ++r)
                QVERIFY2(fm.horizontalAdvance(p.Testo(c, r)) + 2 <= TGriglia1::LarghezzeColonne[c],
                         qPrintable(p.Testo(c, r)));
        p.Scegli(0);
        for (QWidget* w : std::initializer_list<QWidget*> {p.p->Edit1, p.p->BitBtn2, p.p->BitBtn3, p.p->Label17,
                                                           p.p->RadioGroup1->Voce(2)}) {
            QVERIFY2(w->isVisible() && w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            QVERIFY(p.p->rect().contains(QRect(w->mapTo(p.p, QPoint()), w->size())));
        }
        const QLineEdit* e = p.p->Edit1;
        QVERIFY(e->fontMetrics().horizontalAdvance(e->text()) < e->width() - 8);
        QVERIFY(p.Griglia()->viewport()->height() >= 6 * (TGriglia1::AltezzaRiga + 1));
    }

    // "Legenda" mostra la sua finestra (qui senza attesa) con le voci di colori, lampade e marche.
    void legenda()
    {
        TProva p;
        QVERIFY(p.Prepara());
        p.Pagina(3);
        int mostrate = 0;
        QStringList testi;
        QString titolo;
        TRisposteDialoghi dialoghi;
        dialoghi.esegui = [&](QDialog& d) {
            ++mostrate;
            titolo = d.windowTitle();
            for (const QLabel* l : d.findChildren<QLabel*>())
                if (!l->text().isEmpty())
                    testi << l->text();
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(p.p->BitBtn3, Qt::LeftButton);
        QCOMPARE(mostrate, 1);
        QCOMPARE(titolo, QStringLiteral("Legenda"));
        QCOMPARE(testi.size(), TLegenda::Voci().size());
        QVERIFY(testi.join(u'\n').contains(QStringLiteral("Lampada rossa")));
    }

    // Con TVL_FOTO=file.png salva l'immagine della pagina su un progetto con zone marginali
    // (per la documentazione; da lanciare sotto un server X virtuale).
    void foto()
    {
        const QString file = qEnvironmentVariable("TVL_FOTO");
        if (file.isEmpty())
            QSKIP("TVL_FOTO non impostata");
        TProva p;
        QVERIFY(p.Prepara(0));
        const char* nomi[] = {"Soggiorno", "Cucina",     "Camera 1",   "Camera 2", "Bagno",   "Studio",
                              "Ingresso",  "Disimpegno", "Lavanderia", "Camera 3", "Bagno 2", "Veranda"};
        const double aree[] = {32, 14, 16, 13, 7, 11, 6, 5, 5, 12, 5, 18};
        const double carichi[] = {2300, 1100, 900, 1500, 650, 700, 420, 180, 1300, 3200, 300, 2900};
        for (int i = 0; i < 12; ++i) {
            TTabella* t = p.dati.AuxLocali;
            t->Insert();
            const QList<QPair<const char*, QVariant>> valori = {{"ID", i + 1},
                                                                {"Descrizione", QString::fromUtf8(nomi[i])},
                                                                {"Piano", i < 6 ? "PT" : "P1"},
                                                                {"TAmbiente", i == 4 || i == 10 ? 24 : 20},
                                                                {"Area", aree[i]},
                                                                {"AreaUtile", aree[i] - 1},
                                                                {"AreaMarginale", i % 3 == 1 ? 0.0 : aree[i] * 0.2},
                                                                {"CTermico", carichi[i]},
                                                                {"Rivestimento", "Ceramica"},
                                                                {"Lambda_Riv", 1.3},
                                                                {"Spessore", 10},
                                                                {"DistColl", 4 + i}};
            for (const auto& [campo, v] : valori)
                QVERIFY(t->FieldByName(QString::fromUtf8(campo)).Imposta(v));
            QVERIFY(t->Post());
        }
        p.Stato().SalvaImpostazioni(1, 45.0f);
        p.Pagina(3);
        p.ClicCella(0, 3);
        p.p->TrackBar1->setFocus();
        QTest::qWait(300);
        QVERIFY(p.finestra->grab().save(file));
        TLegenda legenda(p.p);
        legenda.show();
        QVERIFY(QTest::qWaitForWindowExposed(&legenda));
        QVERIFY(legenda.grab().save(QString(file).replace(QStringLiteral(".png"), QStringLiteral("-legenda.png"))));
    }
};

QTEST_MAIN(TstPaginaMandata)
#include "tst_paginamandata.moc"
