// Testi del nucleo (regole, file, DXF, posa, ottimizzazione) in inglese con le traduzioni
// installate, e in italiano identici byte per byte a quelli di sempre; il file delle traduzioni
// inglesi non ha voci da finire né segnaposto persi.
#include "aiuti/RegistroMessaggi.h"
#include "calc/Ucalc.h"
#include "data/Udatabase.h"
#include "data/Uerrori.h"
#include "data/Ulingua.h"
#include "optimise/Uottimizza.h"
#include "pianta/Udxf.h"
#include "posa/Uposapiano.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <cerrno>
#include <functional>
#include <memory>

namespace {
// Un caso produce il testo che l'utente vedrebbe (dal registro dei messaggi o dal valore restituito).
using TCaso = std::function<QString(TRegistroMessaggi&)>;

QString PrimoMessaggio(TRegistroMessaggi& registro)
{
    const QString testo = registro.Prendi().testo;
    registro.PrendiTutti();
    return testo;
}

std::unique_ptr<TDati> DatiAperti()
{
    auto dati = std::make_unique<TDati>();
    if (!dati->ApriTutto())
        qWarning("%s", qPrintable(dati->UltimoErrore()));
    return dati;
}

// Regola d'intervallo di un campo del locale: il messaggio è fissato all'apertura dei dati.
QString AreaFuoriRange(TRegistroMessaggi& registro)
{
    const auto dati = DatiAperti();
    dati->AuxLocali->Append();
    dati->AuxLocali->FieldByName(QStringLiteral("Area")).Imposta(6000.0);
    dati->AuxLocali->Cancel();
    return PrimoMessaggio(registro);
}

// Campo obbligatorio mancante alla registrazione del locale.
QString DescrizioneMancante(TRegistroMessaggi& registro)
{
    const auto dati = DatiAperti();
    dati->AuxLocali->Append();
    dati->AuxLocali->Post();
    dati->AuxLocali->Cancel();
    return PrimoMessaggio(registro);
}

QString NonProgetto(TRegistroMessaggi& registro)
{
    const auto dati = DatiAperti();
    TStatoProgetto stato(*dati);
    QByteArray byte = QByteArray("GIF89a").repeated(300);
    QBuffer buffer(&byte);
    buffer.open(QIODevice::ReadOnly);
    LeggiProgettoDa(stato, buffer);
    return PrimoMessaggio(registro);
}

const std::vector<std::pair<const char*, TCaso>>& Casi()
{
    static const std::vector<std::pair<const char*, TCaso>> casi = {
        {"regola intervallo", AreaFuoriRange},
        {"regola campo mancante", DescrizioneMancante},
        {"file non progetto", NonProgetto},
        {"errore di sistema", [](TRegistroMessaggi&) { return TestoErroreSistema(ENOSPC); }},
        {"dxf binario", [](TRegistroMessaggi&) { return TImportaDxf::LeggiByte("AutoCAD Binary DXF\r\n\x1a").errore; }},
        {"posa senza pianta",
         [](TRegistroMessaggi&) {
             TLocaleDimensionato l;
             l.ID = 3;
             l.piano = QStringLiteral("P1");
             l.descrizione = QStringLiteral("Bagno");
             l.NAs = 1;
             const QList<TPosaPiano> posa = TPosaPianta::Posa(TPianta(), {l}, TOpzioniPosa());
             return posa.isEmpty() || posa.first().nonPosati.isEmpty() ? QString() : posa.first().nonPosati.first();
         }},
        {"ottimizzazione troppi anelli",
         [](TRegistroMessaggi& registro) {
             ControllaNumeroCircuiti(MaxCircuitiOttimizzazione + 1);
             return PrimoMessaggio(registro);
         }},
        {"griglia costante", [](TRegistroMessaggi&) { return TPavRad::TestoCella(4, 0, {}, QLocale::c()).Testo; }},
    };
    return casi;
}

// Segnaposto di un testo (%1..%99, %n), ordinati: la traduzione deve usare gli stessi.
QStringList Segnaposto(const QString& testo)
{
    static const QRegularExpression re(QStringLiteral("%(\\d+|n)"));
    QStringList s;
    for (auto it = re.globalMatch(testo); it.hasNext();)
        s << it.next().captured(0);
    s.sort();
    return s;
}
} // namespace

class TstLinguaNucleo : public QObject
{
    Q_OBJECT

    TRegistroMessaggi m_registro;

    QString Esegui(const QString& lingua, int caso)
    {
        TLingua::ImpostaPerEsecuzione(lingua);
        TLingua::InstallaTraduzioni();
        return Casi()[size_t(caso)].second(m_registro);
    }

private Q_SLOTS:
    void cleanup()
    {
        TLingua::ImpostaPerEsecuzione({});
        TLingua::InstallaTraduzioni();
        QVERIFY(m_registro.Controlla());
    }

    void messaggi_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("italiano");
        QTest::addColumn<QString>("inglese");
        const QStringList it = {
            QStringLiteral(
                "Il valore dell'area ambienti è fuori range.\n\nSono accettati valori nel range 1-5000 [mq]."),
            QStringLiteral("Non è stato inserito un valore per il campo Descrizione."),
            QStringLiteral("Il file non è un progetto TERMOVELA valido."),
            QStringLiteral("spazio su disco esaurito"),
            QStringLiteral("Il file è un DXF binario: salvarlo dal programma di disegno come DXF ASCII (testo)."),
            QStringLiteral("Locale 3 (Bagno): il piano non ha una pianta."),
            QStringLiteral("Non è possibile fare l'ottimizzazione dei circuiti con più di 200 anelli."),
            QStringLiteral("Carico"),
        };
        const QStringList en = {
            QStringLiteral("The room area value is out of range.\n\nAccepted values are in the range 1-5000 [m²]."),
            QStringLiteral("No value has been entered for the Description field."),
            QStringLiteral("The file is not a valid TERMOVELA project."),
            QStringLiteral("disk full"),
            QStringLiteral("The file is a binary DXF: save it from the drawing program as ASCII (text) DXF."),
            QStringLiteral("Room 3 (Bagno): the floor has no floor plan."),
            QStringLiteral("The circuits cannot be optimised with more than 200 loops."),
            QStringLiteral("Load"),
        };
        QCOMPARE(size_t(it.size()), Casi().size());
        for (int k = 0; k < it.size(); ++k)
            QTest::newRow(Casi()[size_t(k)].first) << k << it[k] << en[k];
    }
    // Inglese, poi di nuovo italiano: togliere le traduzioni rimette i testi di sempre.
    void messaggi()
    {
        QFETCH(int, caso);
        QFETCH(QString, italiano);
        QFETCH(QString, inglese);
        QCOMPARE(Esegui(QStringLiteral("it"), caso), italiano);
        QCOMPARE(Esegui(QStringLiteral("en"), caso), inglese);
        QCOMPARE(Esegui(QStringLiteral("it"), caso), italiano);
    }

    // Ogni voce del file inglese è tradotta (anche le forme plurali) con gli stessi segnaposto.
    void traduzioniComplete()
    {
        QFile f(qEnvironmentVariable("TVL_SORGENTI") + QStringLiteral("/traduzioni/nucleo_en.ts"));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QXmlStreamReader x(&f);
        int voci = 0;
        QString sorgente, contesto;
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (x.name() == QLatin1String("name"))
                contesto = x.readElementText();
            else if (x.name() == QLatin1String("source"))
                sorgente = x.readElementText();
            else if (x.name() == QLatin1String("translation")) {
                ++voci;
                const QString dove = contesto + QStringLiteral(": ") + sorgente;
                QVERIFY2(x.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(dove));
                // Testo semplice, oppure una <numerusform> per forma plurale.
                QStringList forme;
                QString testo;
                while (x.readNext() != QXmlStreamReader::EndElement || x.name() != QLatin1String("translation")) {
                    QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
                    if (x.isStartElement() && x.name() == QLatin1String("numerusform"))
                        forme << x.readElementText();
                    else if (x.isCharacters())
                        testo += x.text();
                }
                if (forme.isEmpty())
                    forme << testo;
                else
                    QCOMPARE(forme.size(), 2); // inglese: singolare e plurale
                for (const QString& t : forme) {
                    QVERIFY2(!t.trimmed().isEmpty(), qPrintable(dove));
                    QVERIFY2(Segnaposto(t) == Segnaposto(sorgente), qPrintable(dove));
                }
            }
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        QVERIFY(voci > 300);
    }
};

QTEST_GUILESS_MAIN(TstLinguaNucleo)
#include "tst_lingua_nucleo.moc"
