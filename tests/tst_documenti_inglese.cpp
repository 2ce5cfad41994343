// Relazione tecnica e preventivo del progetto completo con l'interfaccia in inglese, confrontati
// cella per cella con quelli italiani: ogni testo fisso (del modello o scritto dal programma) è
// tradotto, ogni dato (numeri, formule, formati dei numeri, testi del progetto e del catalogo) resta
// uguale. Tolte le traduzioni, gli stessi documenti sono di nuovo quelli di riferimento italiani.
#include "aiuti/CelleDocumento.h"
#include "cli/Utvl.h"
#include "data/Ulingua.h"
#include "documents/foglio/Udocumento.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Sorgenti(const QString& percorso)
{
    return QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath(percorso);
}

class TUscitaMuta : public TUscitaTvl
{
public:
    QString errori;
    void Scrivi(const QString&) override { }
    void ScriviErrore(const QString& testo) override { errori += testo; }
};

// I testi che il modello italiano mette nelle celle e i nomi dei suoi fogli.
QSet<QString> TestiModello(const QString& nome)
{
    QSet<QString> testi;
    for (const TCellaDocumento& c : CelleDocumento(TDocumenti::Modello(nome)))
        if (!c.numero && c.formula.isEmpty() && !c.testo.trimmed().isEmpty())
            testi << c.testo << c.nomeFoglio;
    return testi;
}

// Testi fissi che il programma scrive da sé nelle righe dei dati: preregolazione "tutto aperto",
// zone, bagno sì/no ed esiti della verifica EN 1264 e del raffrescamento.
const QSet<QString> FissiNeiDati = {"TA", "As", "Am", "Sì", "oltre qG", "insufficiente", "condensa", "sotto 19 °C"};
// Testi fissi uguali nelle due lingue.
const QSet<QString> UgualiInInglese
    = {"Orvanti S.p.A.", "Area", "OK",   "No",    "-",   "[°C]",      "[m²]",       "[W]",
       "[mm]",           "[m]",  "[cm]", "[l/h]", "[€]", "θF,m [°C]", "θF,max [°C]"};
// Le righe d'intestazione (titolo, riferimento, note, titoli delle colonne) dei fogli che il
// programma aggiunge in coda al modello.
constexpr int UltimaRigaIntestazione = 6;

int Riga(const QString& indirizzo)
{
    static const QRegularExpression numero(QStringLiteral("\\d+$"));
    return numero.match(indirizzo).captured().toInt();
}

} // namespace

class TstDocumentiInglese : public QObject
{
    Q_OBJECT

    QTemporaryDir cartella;

    // Il documento costruito da tvl nel processo con la lingua data (traduzioni installate o no).
    std::vector<TCellaDocumento> Documento(const QString& tipo, const QString& lingua)
    {
        TLingua::ImpostaPerEsecuzione(lingua);
        const int traduzioni = TLingua::InstallaTraduzioni();
        if (lingua == QLatin1String("it") ? traduzioni != 0 : traduzioni == 0)
            return {};
        const QString file = cartella.filePath(tipo + u'-' + lingua + QStringLiteral(".xlsx"));
        TUscitaMuta uscita;
        TUscitaTvl::installa(&uscita);
        const int esito
            = EseguiTvl({"documento", tipo, Sorgenti("tests/dati/completo.tvl"), "-o", file, "--non-aprire"});
        TUscitaTvl::installa(nullptr);
        if (esito != 0) {
            qWarning("%s", qPrintable(uscita.errori));
            return {};
        }
        return CelleDocumento(file);
    }

private Q_SLOTS:
    void cleanupTestCase()
    {
        TLingua::ImpostaPerEsecuzione({});
        TLingua::InstallaTraduzioni();
    }

    void documento_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("modelli"); // i modelli italiani del documento
        QTest::newRow("relazione tecnica") << "rapporto" << QStringList {"rapptec", "rapptecAM"};
        QTest::newRow("preventivo") << "preventivo" << QStringList {"Prev"};
    }
    void documento()
    {
        QFETCH(QString, tipo);
        QFETCH(QStringList, modelli);
        QVERIFY(cartella.isValid());
        const std::vector<TCellaDocumento> inglese = Documento(tipo, QStringLiteral("en"));
        const std::vector<TCellaDocumento> italiano = Documento(tipo, QStringLiteral("it"));
        QVERIFY(!inglese.empty() && !italiano.empty());

        // Senza traduzioni il documento è ancora quello di riferimento.
        QFile riferimento(Sorgenti(QStringLiteral("tests/dati/completo-%1.txt").arg(tipo)));
        QVERIFY(riferimento.open(QIODevice::ReadOnly));
        QVERIFY2(TestoCelle(italiano) == riferimento.readAll(),
                 "il documento italiano non è più quello di riferimento");

        QSet<QString> fissi = FissiNeiDati;
        int fogliModello = 0;
        for (const QString& m : modelli) {
            fissi += TestiModello(m);
            TFoglio f;
            f.Apri(TDocumenti::Modello(m));
            fogliModello = std::max(fogliModello, f.NumeroFogli());
        }
        static const QRegularExpression vocecontenuto(QStringLiteral("^\\d+\\.  "));

        QCOMPARE(inglese.size(), italiano.size());
        QSet<int> tradotti;
        for (std::size_t i = 0; i < italiano.size(); ++i) {
            const TCellaDocumento &it = italiano[i], &en = inglese[i];
            const QString dove = it.nomeFoglio + u'!' + it.indirizzo + QStringLiteral(": \"") + it.testo
                + QStringLiteral("\" / \"") + en.testo + u'"';
            QVERIFY2(en.foglio == it.foglio && en.indirizzo == it.indirizzo, qPrintable(dove));
            if (en.nomeFoglio != it.nomeFoglio)
                tradotti << it.foglio;
            QVERIFY2(en.formula == it.formula && en.numero == it.numero, qPrintable(dove));
            // Un formato con un testo fra virgolette ("Rif.: "@) si traduce; gli altri restano.
            QVERIFY2(it.formato.contains(u'"') ? en.formato != it.formato : en.formato == it.formato,
                     qPrintable(dove + QStringLiteral(" formato ") + it.formato + QStringLiteral(" / ") + en.formato));
            if (it.numero || !it.formula.isEmpty()) {
                QVERIFY2(en.testo == it.testo, qPrintable(dove));
                continue;
            }
            const bool fisso = fissi.contains(it.testo) || vocecontenuto.match(it.testo).hasMatch()
                || (it.foglio > fogliModello && Riga(it.indirizzo) <= UltimaRigaIntestazione && !it.testo.isEmpty());
            if (fisso && !UgualiInInglese.contains(it.testo))
                QVERIFY2(en.testo != it.testo, qPrintable(QStringLiteral("testo fisso non tradotto: ") + dove));
            else if (!fisso)
                QVERIFY2(en.testo == it.testo, qPrintable(QStringLiteral("dato cambiato: ") + dove));
        }
        // Ogni foglio ha il nome inglese.
        QCOMPARE(tradotti.size(), italiano.back().foglio);
    }
};

QTEST_GUILESS_MAIN(TstDocumentiInglese)
#include "tst_documenti_inglese.moc"
