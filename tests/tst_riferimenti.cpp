// Progetti di riferimento di tests/dati (vedi LEGGIMI.md): il progetto completo e uno del formato
// precedente letti e riscritti, le uscite di tvl e le celle di ogni documento del progetto
// completo, confrontati byte per byte o cella per cella con i file salvati. Un cambiamento voluto
// si registra con TVL_RIGENERA=1, che riscrive i riferimenti dal codice corrente.
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"
#include "documents/foglio/Ufoglio.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Dati(const QString& nome)
{
    return QDir(qEnvironmentVariable("TVL_SORGENTI")).filePath(QStringLiteral("tests/dati/") + nome);
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Il progetto letto e riscritto dal codice corrente; vuoto se la lettura o la scrittura falliscono.
QByteArray Riscritto(const QString& file)
{
    TDati dati;
    if (!dati.ApriTutto())
        return {};
    TStatoProgetto stato(dati);
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    return LeggiProgetto(stato, file) && ScriviProgettoSu(stato, b) ? b.data() : QByteArray();
}

// Uscita standard di tvl; vuota se tvl non esce con 0.
QByteArray Tvl(const QStringList& argomenti)
{
    QProcess tvl;
    tvl.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tvl"), argomenti);
    if (!tvl.waitForFinished(120000) || tvl.exitStatus() != QProcess::NormalExit || tvl.exitCode() != 0) {
        qWarning("tvl %s: %s", qPrintable(argomenti.join(u' ')), tvl.readAllStandardError().constData());
        return {};
    }
    return tvl.readAllStandardOutput();
}

// Le celle scritte di ogni foglio, una per riga ("Foglio!C12<tab>valore", "=" davanti a una
// formula). Nessuna cella cambia da un'esecuzione all'altra: la data è quella del progetto.
QByteArray Celle(const QString& xlsx)
{
    QString r;
    try {
        TFoglio f;
        f.Apri(xlsx);
        for (int n = 1; n <= f.NumeroFogli(); ++n) {
            f.Foglio(n);
            for (const auto& [riga, colonna] : f.CellePresenti()) {
                const QString cella = TFoglio::Indirizzo(colonna, riga), formula = f.FormulaCella(cella);
                r += f.NomeFoglio(n) + u'!' + cella + u'\t' + (formula.isEmpty() ? f.Testo(cella) : u'=' + formula)
                    + u'\n';
            }
        }
    } catch (const TErroreFoglio& e) {
        qWarning("%s: %s", qPrintable(xlsx), e.what());
        return {};
    }
    return r.toUtf8();
}

// Dove due testi cominciano a differire: riga (o cella) attesa e ottenuta.
QString PrimaDifferenza(const QByteArray& ottenuto, const QByteArray& atteso)
{
    qsizetype i = 0;
    while (i < ottenuto.size() && i < atteso.size() && ottenuto[i] == atteso[i])
        ++i;
    const qsizetype inizio = atteso.lastIndexOf('\n', i - 1) + 1;
    auto riga = [inizio](const QByteArray& t) {
        const qsizetype fine = t.indexOf('\n', inizio);
        return QString::fromUtf8(t.mid(inizio, fine < 0 ? 80 : qMin<qsizetype>(fine - inizio, 200)));
    };
    return QStringLiteral("primo byte diverso: %1 di %2 (attesi %3)\natteso:   %4\nottenuto: %5")
        .arg(i)
        .arg(ottenuto.size())
        .arg(atteso.size())
        .arg(riga(atteso), riga(ottenuto));
}

} // namespace

class TstRiferimenti : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;

private Q_SLOTS:
    void initTestCase() { QVERIFY(cartella.isValid()); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    // tipo "riscritto": il file letto e riscritto; "tvl": l'uscita di tvl con gli argomenti;
    // "documento": le celle del documento che tvl documento crea.
    void riferimento_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("atteso");
        const QString completo = Dati(QStringLiteral("completo.tvl"));
        QTest::newRow("completo.tvl riscritto") << "riscritto" << QStringList {completo} << "completo.tvl";
        QTest::newRow("precedente.tvl riscritto")
            << "riscritto" << QStringList {Dati(QStringLiteral("precedente.tvl"))} << "precedente-riscritto.tvl";
        QTest::newRow("tvl calcola") << "tvl" << QStringList {"calcola", completo} << "completo-calcola.txt";
        QTest::newRow("tvl distinta --tab")
            << "tvl" << QStringList {"distinta", "--tab", completo} << "completo-distinta.txt";
        for (const char* d :
             {"rapporto", "preventivo", "capitolato", "capitolato-prezzi", "etichette", "ottimizzazione"})
            QTest::addRow("documento %s", d)
                << "documento" << QStringList {"documento", d, completo} << QStringLiteral("completo-%1.txt").arg(d);
    }
    void riferimento()
    {
        QFETCH(QString, tipo);
        QFETCH(QStringList, argomenti);
        QFETCH(QString, atteso);
        QByteArray ottenuto;
        if (tipo == "riscritto") {
            ottenuto = Riscritto(argomenti[0]);
        } else if (tipo == "tvl") {
            ottenuto = Tvl(argomenti);
        } else {
            const QString xlsx = cartella.filePath(argomenti[1] + QStringLiteral(".xlsx"));
            QVERIFY(!Tvl(argomenti << "-o" << xlsx << "--non-aprire").isEmpty());
            ottenuto = Celle(xlsx);
        }
        QVERIFY(!ottenuto.isEmpty());
        if (qEnvironmentVariableIsSet("TVL_RIGENERA")) {
            QFile f(Dati(atteso));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ottenuto) == ottenuto.size());
            qInfo("riscritto %s", qPrintable(f.fileName()));
            return;
        }
        const QByteArray riferimento = Leggi(Dati(atteso));
        QVERIFY2(!riferimento.isEmpty(), qPrintable(Dati(atteso)));
        QVERIFY2(ottenuto == riferimento, qPrintable(atteso + u'\n' + PrimaDifferenza(ottenuto, riferimento)));
    }
};

QTEST_GUILESS_MAIN(TstRiferimenti)
#include "tst_riferimenti.moc"
