// Verifica EN 1264 e raffrescamento nelle finestre: colonna "Bagno" della pagina "Locali",
// colonna "EN 1264" e conteggio della pagina "T Mandata Progetto", modo "T EN 1264" salvato e
// riletto, mandata estiva che condensa rifiutata dalla pagina "Raffrescamento".
#include "aiuti/ProgettoAperto.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "controlli/Ucontrolli.h"
#include "controlli/Uopzioni.h"
#include "editor/Ugriglia1.h"
#include "editor/Upaginalocali.h"
#include "editor/Upaginamandata.h"
#include "en1264/Ulimite.h"
#include "en1264/finestre/Umandataen1264.h"
#include "en1264/finestre/Upaginaraffrescamento.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TLocaleProva
{
    int id;
    double ta, area, carico;
};

struct TProva : TFinestraDiProva
{
    bool Prepara(const QList<TLocaleProva>& locali) { return Apri() && Inserisci(locali); }
    bool Inserisci(const QList<TLocaleProva>& locali)
    {
        for (const TLocaleProva& l : locali) {
            TTabella* t = dati.AuxLocali;
            t->Insert();
            if (!ImpostaCampi(t,
                              {
                                  {"ID", l.id},
                                  {"Descrizione", QStringLiteral("Locale %1").arg(l.id)},
                                  {"Piano", "PT"},
                                  {"TAmbiente", l.ta},
                                  {"Area", l.area},
                                  {"AreaUtile", l.area},
                                  {"AreaMarginale", 0},
                                  {"CTermico", l.carico},
                                  {"Rivestimento", "Ceramica"},
                                  {"Lambda_Riv", 1.3},
                                  {"Spessore", 10},
                                  {"DistColl", 5},
                              }))
                return false;
        }
        return true;
    }
    TPaginaMandata* Mandata() const { return finestra->TabSheet4; }
    TDBGrid* GrigliaLocali() const { return finestra->TabSheet3->DBGrid1; }
    // Cella della colonna "Bagno" della riga.
    QModelIndex Bagno(int riga) const
    {
        const auto* m = GrigliaLocali()->Modello();
        return m->index(riga, int(m->Campi().size()));
    }
    void Scegli(int voce)
    {
        QRadioButton* v = Mandata()->RadioGroup1->Voce(voce);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(6, v->height() / 2));
    }
    // "Senza Area Marginale" alla temperatura data, salvato: la griglia ha 13 colonne e poi
    // "EN 1264".
    void MandataA(int decimi)
    {
        Pagina(3);
        Mandata()->TrackBar1->setValue(decimi);
        Scegli(2);
        QTest::mouseClick(Mandata()->BitBtn2, Qt::LeftButton);
    }
    QString Esito(int locale) const { return Mandata()->Griglia1->Modello()->Cella(13, locale + 2).Testo; }
    QString Conto() const { return Mandata()->VerificaEn1264->LabelVerifica->text(); }
};

QString Conto(int n)
{
    return n == 1 ? QStringLiteral("Verifica EN 1264: 1 locale oltre il limite")
                  : QStringLiteral("Verifica EN 1264: %1 locali oltre il limite").arg(n);
}

} // namespace

class TstEn1264Finestre : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    // Bagno per difetto da 24 °C, scelta a mano nella griglia dei locali; un pavimento a 31 °C
    // passa in un bagno (33 °C) e non in un soggiorno (29 °C).
    void bagnoEVerifica_data()
    {
        QTest::addColumn<double>("ta");
        QTest::addColumn<double>("carico"); // W su 10 m²
        QTest::addColumn<int>("scelta"); // -1 nessuna, 0 tolto, 1 messo
        QTest::addColumn<bool>("bagno");
        QTest::addColumn<QString>("esito");
        QTest::newRow("24 °C: bagno per difetto") << 24.0 << 750.0 << -1 << true << "OK";
        QTest::newRow("24 °C, tolto a mano") << 24.0 << 750.0 << 0 << false << "oltre";
        QTest::newRow("20 °C: soggiorno") << 20.0 << 1200.0 << -1 << false << "oltre";
        QTest::newRow("20 °C, bagno a mano") << 20.0 << 1200.0 << 1 << true << "OK";
        QTest::newRow("20 °C sotto il limite") << 20.0 << 700.0 << -1 << false << "OK";
    }
    void bagnoEVerifica()
    {
        QFETCH(double, ta);
        QFETCH(double, carico);
        QFETCH(int, scelta);
        QFETCH(bool, bagno);
        QFETCH(QString, esito);
        TProva p;
        QVERIFY(p.Prepara({{1, ta, 10, carico}}));
        p.Pagina(2);
        auto* m = p.GrigliaLocali()->Modello();
        QCOMPARE(m->headerData(int(m->Campi().size()), Qt::Horizontal).toString(), QStringLiteral("Bagno"));
        if (scelta >= 0)
            QVERIFY(m->setData(p.Bagno(0), scelta ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(p.Bagno(0).data(Qt::CheckStateRole).toInt(), int(bagno ? Qt::Checked : Qt::Unchecked));
        QCOMPARE(p.Stato().En1264.Usato(), scelta >= 0);

        p.MandataA(450);
        const TLocaleCalc& l = p.Stato().RisultatiLocali[0];
        // Il caso è quello voluto: il pavimento sta fra i due limiti, o sotto entrambi.
        QVERIFY2(esito == QLatin1String("OK") && !bagno ? l.TSupAs < 29 : (l.TSupAs > 29 && l.TSupAs < 33),
                 qPrintable(QString::number(l.TSupAs)));
        QCOMPARE(p.Esito(0), esito);
        QCOMPARE(p.Conto(), Conto(esito == QLatin1String("oltre") ? 1 : 0));
        const QString suggerimento = p.Mandata()->Griglia1->Modello()->index(0, 13).data(Qt::ToolTipRole).toString();
        QVERIFY2(suggerimento.contains(bagno ? QStringLiteral("θF,max 33 °C") : QStringLiteral("θF,max 29 °C")),
                 qPrintable(suggerimento));
    }

    // Il conto sotto la griglia segue la scelta dei bagni fatta sulla pagina "Locali".
    void contoSottoLaGriglia()
    {
        TProva p;
        QVERIFY(p.Prepara({{1, 20, 10, 1200}, {2, 20, 10, 1200}, {3, 20, 10, 1200}, {4, 20, 10, 500}}));
        p.MandataA(550);
        QCOMPARE(p.Conto(), Conto(3));
        QCOMPARE(p.Mandata()->Griglia1->Modello()->Cella(13, 0).Testo, QStringLiteral("EN 1264"));
        p.Pagina(2);
        QVERIFY(p.GrigliaLocali()->Modello()->setData(p.Bagno(1), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(p.dati.ProgettoModificato);
        p.Pagina(3);
        QCOMPARE(p.Conto(), Conto(2));
        QCOMPARE(p.Esito(1), QStringLiteral("OK"));
    }

    // Un locale cancellato porta via la sua scelta: quello nuovo con lo stesso numero non è un
    // bagno e non ha il carico estivo del vecchio.
    void localeCancellato()
    {
        TProva p;
        QVERIFY(p.Prepara({{1, 20, 10, 800}, {2, 20, 10, 800}}));
        p.Pagina(2);
        QVERIFY(p.GrigliaLocali()->Modello()->setData(p.Bagno(1), Qt::Checked, Qt::CheckStateRole));
        p.Stato().En1264.CarichiEstivi.insert(2, 300);
        TTabella* t = p.dati.AuxLocali;
        t->Last();
        t->Delete();
        p.dati.LocaliModificati = true;
        QVERIFY(p.Stato().RicalcolaProgetto());
        QVERIFY(p.Inserisci({{2, 20, 10, 800}}));
        QCOMPARE(p.Bagno(1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(p.Stato().En1264.CaricoEstivo(2), 0.0f);
    }

    // "T EN 1264": la mandata di progetto diventa quella salvata come "Senza Area Marginale";
    // la parte del file a record fissi è quella del modo 2 alla stessa temperatura, la scelta
    // sta solo nel blocco in coda e torna alla riapertura.
    void modoTEn1264Salvato()
    {
        TProva p;
        QVERIFY(p.Prepara({{1, 20, 12, 1300}, {2, 24, 6, 500}, {3, 20, 15, 900}}));
        p.Pagina(3);
        p.Scegli(VoceTEn1264);
        TStatoProgetto& s = p.Stato();
        const TMandataEn1264 attesa
            = MandataEn1264(s.PavRad, s.RisultatiLocali, BagniLocali(s.En1264, s.RisultatiLocali));
        QVERIFY(attesa.TMandata > 30);
        QCOMPARE(attesa.Riferimento, 0); // il bagno (24 °C) non è il riferimento
        QCOMPARE(s.PavRad.TempMandata(), attesa.TMandata);
        QVERIFY(
            p.Mandata()->VerificaEn1264->LabelTEn1264->text().contains(QLocale().toString(attesa.TMandata, 'f', 1)));
        QTest::mouseClick(p.Mandata()->BitBtn2, Qt::LeftButton);
        QCOMPARE(s.ModoTMandata, 2);
        QVERIFY(s.En1264.ModoEn1264);
        QCOMPARE(s.TMandataSalvata, attesa.TMandata);

        QTemporaryDir dir;
        const QString con = dir.filePath(QStringLiteral("con.tvl")), senza = dir.filePath(QStringLiteral("senza.tvl"));
        QVERIFY(ScriviProgetto(s, con));
        s.En1264.ModoEn1264 = false;
        QVERIFY(ScriviProgetto(s, senza));
        QFile a(con), b(senza);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray datiCon = a.readAll(), datiSenza = b.readAll();
        QVERIFY(datiCon.size() > datiSenza.size());
        QVERIFY(datiCon.startsWith(datiSenza));

        TProva riaperto;
        QVERIFY(riaperto.Apri(con));
        riaperto.Pagina(3);
        QCOMPARE(riaperto.Mandata()->RadioGroup1->ItemIndex(), VoceTEn1264);
        QCOMPARE(riaperto.Stato().ModoTMandata, 2);
        QCOMPARE(riaperto.Stato().TMandataSalvata, attesa.TMandata);
        // Un carico più alto nel riferimento sposta la mandata salvata, come per "T Ottima".
        TTabella* t = riaperto.dati.AuxLocali;
        t->First();
        t->Edit();
        QVERIFY(t->FieldByName(QStringLiteral("CTermico")).Imposta(1600.0));
        QVERIFY(t->Post());
        riaperto.dati.LocaliModificati = true;
        QVERIFY(riaperto.Stato().RicalcolaProgetto());
        QVERIFY(riaperto.Stato().TMandataSalvata > attesa.TMandata);
    }

    // Una mandata estiva sotto il punto di rugiada o che fa condensare il pavimento è rifiutata
    // con il motivo; la proposta è la più bassa accettata.
    void mandataCondensante()
    {
        TProva p;
        QVERIFY(p.Prepara({{1, 20, 12, 1300}, {2, 20, 15, 900}}));
        p.Stato().En1264.CarichiEstivi.insert(1, 600);
        TPaginaRaffrescamento* r = p.finestra->TabSheetRaffrescamento;
        QTabBar* barra = p.finestra->PageControl1->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(p.finestra->PageControl1->indexOf(r)).center());
        QVERIFY(r->CheckMinima->isChecked());
        const float minima = r->MandataUsata;
        QVERIFY(minima > PuntoRugiada(26, 50));
        QCOMPARE(r->Tabella->rowCount(), 2);
        QCOMPARE(r->Tabella->item(0, 2)->text(), QStringLiteral("600"));

        r->CheckMinima->setChecked(false);
        QCOMPARE(p.Stato().En1264.Estivi.TMandata, minima);
        for (const double rifiutata : {12.0, double(PuntoRugiada(26, 50)) - 0.3}) {
            r->EditMandata->setValue(rifiutata);
            const QStringList m = registro.PrendiTutti();
            QCOMPARE(m.size(), 1);
            QVERIFY2(m[0].contains(QStringLiteral("condens")), qPrintable(m[0]));
            QCOMPARE(p.Stato().En1264.Estivi.TMandata, minima);
            QCOMPARE(float(r->EditMandata->value()), minima);
        }
        r->EditMandata->setValue(minima + 2);
        QCOMPARE(p.Stato().En1264.Estivi.TMandata, minima + 2);
        QCOMPARE(r->MandataUsata, minima + 2);
        // Più umidità: la mandata scelta ora condenserebbe, e il cambiamento è rifiutato.
        r->EditUR->setValue(90);
        QCOMPARE(registro.PrendiTutti().size(), 1);
        QCOMPARE(p.Stato().En1264.Estivi.UR, 50.0f);
    }
};

QTEST_MAIN(TstEn1264Finestre)
#include "tst_en1264finestre.moc"
