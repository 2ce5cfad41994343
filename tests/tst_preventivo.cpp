// Preventivo semplice e capitolato: celle scritte sui modelli veri, righe inserite due alla volta,
// prodotti aggiuntivi in coda, formula del totale, immagini e prezzi del capitolato. Ogni documento
// passa da LibreOffice Calc, e il totale che Calc calcola è la somma delle voci.
#include "aiuti/CatalogoDocumenti.h"
#include "aiuti/ControlloCalc.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "documents/Udistinta.h"
#include "documents/Upreventivo.h"
#include "progetto/Ustato.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
// PNG di un pixel.
const QByteArray Png = QByteArray::fromBase64(
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII=");

TLocaleCalc locale(float area, int nAs, float lAs)
{
    TLocaleCalc l;
    l.Area = area;
    l.AreaUtile = area;
    l.NAs = nAs;
    l.LAs = lAs;
    return l;
}

double NumeroCalc(QString s)
{
    // Calc scrive le celle come le mostra: migliaia separate da virgole nel formato "#,##0.00".
    s.remove(u' ').remove(u',');
    return s.toDouble();
}

void Scrivi(const QString& file, const QByteArray& dati)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}
} // namespace

class TstPreventivo : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    QTemporaryDir cartella;
    TRegistroMessaggi registro;
    int numeroFile = 0;

    void progetto(const QString& rif = QStringLiteral("RIF-2024/7"))
    {
        TTabella* i = dati->AuxInfo;
        i->First();
        i->Edit();
        i->FieldByName("PROGETTO").Imposta("Villa Rossi");
        i->FieldByName("RIF").Imposta(rif);
        i->FieldByName("DATA").Imposta("12/03/2024");
        QVERIFY(i->Post());

        dati->AuxDGenerali->First();
        QVERIFY(catalogo_prova::ImpostaDatiGenerali(dati->AuxDGenerali));
        stato->RisultatiLocali = {locale(20, 2, 50), locale(20, 2, 50)};
        stato->PavRad.ImpostaSpessMassetto(45);

        TTabella* c = dati->AuxCollettori;
        c->Append();
        c->FieldByName("ID").Imposta(0);
        c->FieldByName("Nome").Imposta("PT");
        c->FieldByName("Descrizione").Imposta("V220");
        c->FieldByName("N_Circuiti").Imposta(1);
        QVERIFY(c->Post());
        stato->CollettoriConfermati = true;
    }

    void aggiuntivo(const QString& descrizione, const QString& codice, double quantita, const QVariant& prezzo)
    {
        TTabella* a = dati->AuxCompAgg;
        a->Append();
        a->FieldByName("ID").Imposta(a->RecordCount());
        a->FieldByName("Descrizione").Imposta(descrizione);
        a->FieldByName("Articolo").Imposta(codice.left(4));
        a->FieldByName("Cod_Esteso").Imposta(codice);
        a->FieldByName("Unit_Mis").Imposta("nr");
        a->FieldByName("Quantità").Imposta(quantita);
        a->FieldByName("Prezzo_Unit").Imposta(prezzo);
        QVERIFY(a->Post());
    }

    QString destinazione() { return cartella.filePath(QStringLiteral("uscita/doc%1.xlsx").arg(++numeroFile)); }

    QString creaPreventivo()
    {
        TRichiestaDocumento r;
        r.destinazione = destinazione();
        return CreaPreventivo(*stato, r);
    }

    QString creaCapitolato(int conPrezzi)
    {
        stato->ConPrezzi = conPrezzi;
        TRichiestaDocumento r;
        r.destinazione = destinazione();
        return CreaCapitolato(*stato, r);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        QString errore;
        const QString file = catalogo_prova::Crea(cartella.path(), &errore);
        QVERIFY2(!file.isEmpty(), qPrintable(errore));
        qputenv("TVLITA", file.toLocal8Bit());

        // Cartella di avvio di prova: i modelli veri e immagini scelte per i casi da provare.
        const QString avvio = cartella.filePath(QStringLiteral("avvio"));
        QVERIFY(QDir().mkpath(avvio + QStringLiteral("/Template")));
        QVERIFY(QDir().mkpath(avvio + QStringLiteral("/Immagini")));
        for (const char* m : {"Prev", "Capitolato", "Capitolatop"}) {
            const QString nome = QLatin1String(m) + QStringLiteral(".xltx");
            QVERIFY2(QFile::copy(TDocumenti::Modello(QLatin1String(m)), avvio + QStringLiteral("/Template/") + nome),
                     qPrintable(TDocumenti::Modello(QLatin1String(m))));
        }
        Scrivi(avvio + QStringLiteral("/Immagini/tubo.png"), Png);
        Scrivi(avvio + QStringLiteral("/Immagini/rete.png"), Png);
        // Un file guasto con il nome di un'immagine e un'immagine fuori dalla cartella.
        Scrivi(avvio + QStringLiteral("/Immagini/collettore.png"), "non sono un'immagine");
        Scrivi(cartella.filePath(QStringLiteral("fuori.png")), Png);
        TDocumenti::ImpostaDirIniziale(avvio);
    }

    void init() { ApriStato(); }

    void cleanup()
    {
        ChiudiStato();
        QVERIFY(registro.Controlla());
    }

    void preventivo()
    {
        progetto();
        aggiuntivo(QStringLiteral("Circolatore"), QStringLiteral("CIRC25"), 1, 285.5);
        aggiuntivo(QStringLiteral("Raccordi vari"), QStringLiteral("RACC"), 12.345, QVariant());
        const QString file = creaPreventivo();
        QVERIFY(!file.isEmpty());
        const QVector<TRigaDistinta> distinta = LeggiDistinta(*dati);
        QVERIFY(distinta.size() > 10);

        TFoglio f;
        f.Apri(file);
        QCOMPARE(f.Testo("D5"), QStringLiteral("12/03/2024"));
        QCOMPARE(f.Testo("D8"), QStringLiteral("RIF-2024/7"));
        QCOMPARE(f.Testo("D11"), QStringLiteral("Villa Rossi"));

        double totale = 0;
        int r = 16;
        for (qsizetype k = 0; k < distinta.size(); ++k, r += 2) {
            const TRigaDistinta& v = distinta[k];
            const auto c = [r](char col) { return QLatin1Char(col) + QString::number(r); };
            QCOMPARE(f.Numero(c('A')), double(k + 1));
            QCOMPARE(f.Testo(c('B')), v.Descrizione);
            QCOMPARE(f.Testo(c('C')), v.Articolo);
            QCOMPARE(f.Testo(c('D')), v.Cod_Esteso);
            QCOMPARE(f.Testo(c('E')), v.Unit_Mis);
            QVERIFY(f.ENumero(c('F')));
            QCOMPARE(f.Numero(c('F')), v.Quantita);
            QCOMPARE(f.FormatoNumero(c('F')), QStringLiteral("0.00"));
            // La riga fra due voci resta vuota.
            QVERIFY(!f.Esiste(QStringLiteral("A%1").arg(r + 1)));
            if (v.Prezzo_Unit.isNull()) {
                QVERIFY(!f.Esiste(c('G')));
                QCOMPARE(f.FormulaCella(c('H')), QStringLiteral("IF(G%1=\"\",\"\",F%1*G%1)").arg(r));
            } else {
                QCOMPARE(f.Numero(c('G')), v.Prezzo_Unit.toDouble());
                QCOMPARE(f.FormulaCella(c('H')), QStringLiteral("F%1*G%1").arg(r));
                totale += std::round(v.Quantita * 100) / 100 * v.Prezzo_Unit.toDouble();
            }
        }
        // I prodotti aggiuntivi continuano numerazione e righe.
        QCOMPARE(f.Numero(QStringLiteral("A%1").arg(r)), double(distinta.size() + 1));
        QCOMPARE(f.Testo(QStringLiteral("D%1").arg(r)), QStringLiteral("CIRC25"));
        QCOMPARE(f.Numero(QStringLiteral("G%1").arg(r)), 285.5);
        totale += 285.5;
        r += 2;
        QCOMPARE(f.Testo(QStringLiteral("B%1").arg(r)), QStringLiteral("Raccordi vari"));
        QCOMPARE(f.Numero(QStringLiteral("F%1").arg(r)), 12.35);
        QVERIFY(!f.Esiste(QStringLiteral("G%1").arg(r)));
        r += 2;
        // Il totale sta otto righe sotto l'ultima voce, accanto alla scritta del modello scesa con le righe.
        const int rigaTotale = r + 8;
        QCOMPARE(f.FormulaCella(QStringLiteral("H%1").arg(rigaTotale)), QStringLiteral("SUM(H16:H%1)").arg(r + 4));
        QCOMPARE(f.Testo(QStringLiteral("G%1").arg(rigaTotale)), QStringLiteral("TOTALE [€]"));

        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        const auto& p = fogli[0];
        double somma = 0;
        for (int riga = 16; riga < r; riga += 2) {
            const QString importo = TControlloCalc::Cella(p, QStringLiteral("H%1").arg(riga));
            if (riga == r - 2)
                QCOMPARE(importo, QString()); // voce senza prezzo: nessun importo
            somma += NumeroCalc(importo);
        }
        const double totaleCalc = NumeroCalc(TControlloCalc::Cella(p, QStringLiteral("H%1").arg(rigaTotale)));
        QVERIFY(totaleCalc > 0);
        QCOMPARE(totaleCalc, somma);
        QVERIFY2(std::abs(totaleCalc - totale) < 0.005, qPrintable(QString::number(totaleCalc - totale)));
        QCOMPARE(TControlloCalc::Cella(p, QStringLiteral("B16")), distinta[0].Descrizione);
    }

    // Un collettore il cui tipo non ha articoli nel catalogo: preventivo e capitolato si fanno lo
    // stesso e, dopo il documento, un avviso elenca ciò che manca; con il catalogo a posto nessuno.
    void catalogoIncompleto()
    {
        progetto();
        for (bool completo : {true, false}) {
            dati->AuxCollettori->First();
            dati->AuxCollettori->Edit();
            dati->AuxCollettori->FieldByName("Descrizione").Imposta(completo ? "V220" : "XX");
            QVERIFY(dati->AuxCollettori->Post());
            QVERIFY(!creaPreventivo().isEmpty());
            QVERIFY(!creaCapitolato(1).isEmpty());
            if (completo)
                continue;
            const QString avviso = QStringLiteral(
                "Nel catalogo mancano righe che la distinta dei materiali richiede:\n\n- il collettore XX con 2 "
                "attacchi (tabella COLLETTORI)\n\nLe voci corrispondenti mancano nel documento o vi compaiono senza "
                "descrizione e prezzo: completare il catalogo.");
            VERIFICA_MESSAGGIO(registro, avviso, TIcona::Esclamazione);
            VERIFICA_MESSAGGIO(registro, avviso, TIcona::Esclamazione);
        }
    }

    // La distinta è costruita anche quando il documento non si può fare; un errore lo dice.
    void modelloMancante()
    {
        progetto();
        const QString avvio = TDocumenti::DirIniziale();
        TDocumenti::ImpostaDirIniziale(cartella.filePath(QStringLiteral("vuota")));
        const QString file = creaPreventivo();
        TDocumenti::ImpostaDirIniziale(avvio);
        QVERIFY(file.isEmpty());
        const TMessaggio m = registro.Prendi();
        QVERIFY(m.testo.startsWith(QStringLiteral("Non è stato possibile creare il documento \"Preventivo\".")));
        QCOMPARE(int(m.icona), int(TIcona::Stop));
        QVERIFY(!LeggiDistinta(*dati).isEmpty());
        QVERIFY(!QFileInfo::exists(cartella.filePath(QStringLiteral("uscita/doc%1.xlsx").arg(numeroFile))));
    }

    void capitolato_data()
    {
        QTest::addColumn<int>("conPrezzi");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("senza prezzi") << 0 << "CAPITOLATO DEI MATERIALI";
        QTest::newRow("con prezzi") << 1 << "CAPITOLATO DEI MATERIALI CON PREZZI";
    }

    void capitolato()
    {
        QFETCH(int, conPrezzi);
        QFETCH(QString, titolo);
        progetto();
        aggiuntivo(QStringLiteral("Circolatore"), QStringLiteral("CIRC25"), 1, 285.5);
        const QString file = creaCapitolato(conPrezzi);
        QVERIFY(!file.isEmpty());
        const QVector<TRigaDistinta> distinta = LeggiDistinta(*dati);

        TFoglio f;
        f.Apri(file);
        QCOMPARE(f.Testo("A2"), titolo);
        QCOMPARE(f.Testo("D1"), QStringLiteral("Rif: RIF-2024/7"));
        QStringList conImmagine;
        int r = 5;
        for (const TRigaDistinta& v : distinta) {
            const auto c = [r](char col) { return QLatin1Char(col) + QString::number(r); };
            QCOMPARE(f.Testo(c('C')), v.Capitolato);
            QCOMPARE(f.Testo(c('D')), v.Unit_Mis);
            QCOMPARE(f.Numero(c('E')), v.Quantita);
            QCOMPARE(f.Esiste(c('F')), conPrezzi == 1 && !v.Prezzo_Unit.isNull());
            if (f.Esiste(c('F')))
                QCOMPARE(f.Numero(c('F')), v.Prezzo_Unit.toDouble());
            if (v.Immagine == QLatin1String("tubo.png") || v.Immagine == QLatin1String("rete.png"))
                conImmagine << c('A');
            r += 2;
        }
        // I prodotti aggiuntivi non fanno parte del capitolato.
        QVERIFY(!f.Esiste(QStringLiteral("C%1").arg(r)));
        // Immagini solo dove il file c'è ed è un'immagine: il file guasto del collettore, il
        // supporto che punta fuori dalla cartella delle immagini e gli articoli con immagini
        // assenti non ne hanno.
        QStringList celle;
        for (const TImmagineFoglio& i : f.Immagini()) {
            celle << i.cella;
            QCOMPARE(i.larghezza, 45.0);
            QCOMPARE(i.altezza, 65.0);
        }
        QCOMPARE(celle, conImmagine);
        QCOMPARE(conImmagine.size(), 2);
        const auto conNome = [&](const char* nome) {
            return std::any_of(distinta.begin(), distinta.end(),
                               [nome](const TRigaDistinta& v) { return v.Immagine == QLatin1String(nome); });
        };
        QVERIFY(conNome("collettore.png"));
        QVERIFY(conNome("../../fuori.png"));

        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(TControlloCalc::Cella(fogli[0], "C5"), distinta[0].Capitolato);
        QCOMPARE(NumeroCalc(TControlloCalc::Cella(fogli[0], "E5")), distinta[0].Quantita);
    }

    // Una voce che si leggerebbe 0,00 (le clips di un pannello che non ne prende, un prodotto
    // aggiuntivo a zero) resta in AuxPrev ma non si stampa; la numerazione non ha buchi.
    void vociNulleNonStampate()
    {
        progetto();
        TTabella* g = dati->AuxDGenerali;
        g->First();
        g->Edit();
        g->FieldByName("COD_ISOL").Imposta("PAN99");
        QVERIFY(g->Post());
        aggiuntivo(QStringLiteral("Raccordo a zero"), QStringLiteral("ZERO1"), 0.004, 3.0);
        aggiuntivo(QStringLiteral("Circolatore"), QStringLiteral("CIRC25"), 1, 285.5);
        const QString preventivo = creaPreventivo();
        const QVector<TRigaDistinta> distinta = LeggiDistinta(*dati);
        QVector<TRigaDistinta> stampate;
        std::copy_if(distinta.begin(), distinta.end(), std::back_inserter(stampate),
                     [](const TRigaDistinta& v) { return v.Quantita != 0; });
        QCOMPARE(stampate.size(), distinta.size() - 1);
        QVERIFY(std::any_of(distinta.begin(), distinta.end(), [](const TRigaDistinta& v) {
            return v.Cod_Esteso == QLatin1String("V530X774") && v.Quantita == 0;
        }));

        TFoglio f;
        f.Apri(preventivo);
        int r = 16;
        for (qsizetype k = 0; k < stampate.size(); ++k, r += 2) {
            QCOMPARE(f.Numero(QStringLiteral("A%1").arg(r)), double(k + 1));
            QCOMPARE(f.Testo(QStringLiteral("D%1").arg(r)), stampate[k].Cod_Esteso);
        }
        QCOMPARE(f.Testo(QStringLiteral("D%1").arg(r)), QStringLiteral("CIRC25"));
        QCOMPARE(f.Numero(QStringLiteral("A%1").arg(r)), double(stampate.size() + 1));
        QVERIFY(!f.Esiste(QStringLiteral("A%1").arg(r + 2)));

        TFoglio c;
        c.Apri(creaCapitolato(0));
        r = 5;
        for (const TRigaDistinta& v : LeggiDistinta(*dati)) {
            if (v.Quantita == 0)
                continue;
            QCOMPARE(c.Testo(QStringLiteral("C%1").arg(r)), v.Capitolato);
            QCOMPARE(c.Numero(QStringLiteral("E%1").arg(r)), v.Quantita);
            r += 2;
        }
        QVERIFY(!c.Esiste(QStringLiteral("E%1").arg(r)));
    }

    void capitolatoSenzaRiferimento()
    {
        progetto(QString());
        const QString file = creaCapitolato(0);
        TFoglio f;
        f.Apri(file);
        QVERIFY(!f.Esiste("D1"));
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(TControlloCalc::Cella(fogli[0], "D1"), QString());
    }
};

QTEST_GUILESS_MAIN(TstPreventivo)
#include "tst_preventivo.moc"
