// Progetti di riferimento di tests/dati (vedi LEGGIMI.md): il progetto completo e uno del formato
// precedente letti e riscritti, le uscite di tvl e le celle di ogni documento del progetto
// completo, confrontati byte per byte o cella per cella con i file salvati. Un cambiamento voluto
// si registra con TVL_RIGENERA=1, che riscrive i riferimenti dal codice corrente.
#include "aiuti/CelleDocumento.h"

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

// Il record (o la riga; nei documenti la cella) dove l'ottenuto smette di essere uguale all'atteso.
QString PrimaDifferenza(const QByteArray& ottenuto, const QByteArray& atteso)
{
    const char fine = atteso.contains('\r') ? '\r' : '\n'; // i record del file finiscono con CR
    qsizetype i = 0;
    while (i < ottenuto.size() && i < atteso.size() && ottenuto[i] == atteso[i])
        ++i;
    const qsizetype inizio = atteso.lastIndexOf(fine, i - 1) + 1;
    const auto riga = [&](const QByteArray& t) {
        const QByteArray r = t.mid(inizio, t.indexOf(fine, inizio) - inizio).left(200);
        return QString::fromUtf8(r).replace(QChar(0), u'.').replace(u'\n', QStringLiteral("\\n"));
    };
    return QStringLiteral("primo byte diverso: %1, riga o record %2\natteso:   %3\nottenuto: %4")
        .arg(i)
        .arg(atteso.left(inizio).count(fine) + 1)
        .arg(riga(atteso), riga(ottenuto));
}

} // namespace

class TstRiferimenti : public QObject
{
    Q_OBJECT

    QTemporaryDir cartella;

private Q_SLOTS:
    // Argomenti di tvl; "@" è il file che tvl scrive (.tvl confrontato byte per byte, .xlsx cella
    // per cella); senza, si confronta l'uscita standard.
    void riferimento_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("atteso");
        const QString completo = Dati(QStringLiteral("completo.tvl"));
        QTest::newRow("completo.tvl riscritto") << QStringList {"copia", completo, "@.tvl"} << "completo.tvl";
        QTest::newRow("precedente.tvl riscritto")
            << QStringList {"copia", Dati(QStringLiteral("precedente.tvl")), "@.tvl"} << "precedente-riscritto.tvl";
        QTest::newRow("tvl calcola") << QStringList {"calcola", completo} << "completo-calcola.txt";
        QTest::newRow("tvl distinta --tab") << QStringList {"distinta", "--tab", completo} << "completo-distinta.txt";
        for (const char* d :
             {"rapporto", "preventivo", "capitolato", "capitolato-prezzi", "etichette", "ottimizzazione"})
            QTest::addRow("documento %s", d) << QStringList {"documento", d, completo, "-o", "@.xlsx", "--non-aprire"}
                                             << QStringLiteral("completo-%1.txt").arg(d);
    }
    void riferimento()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, atteso);
        QVERIFY(cartella.isValid());
        const QString uscita = cartella.filePath(QString::fromUtf8(QTest::currentDataTag()));
        argomenti.replaceInStrings(QStringLiteral("@"), uscita);
        QProcess tvl;
        tvl.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tvl"), argomenti);
        QVERIFY(tvl.waitForFinished(120000));
        QVERIFY2(tvl.exitStatus() == QProcess::NormalExit && tvl.exitCode() == 0, tvl.readAllStandardError());
        const QByteArray ottenuto = QFile::exists(uscita + ".xlsx") ? TestoCelle(CelleDocumento(uscita + ".xlsx"))
            : QFile::exists(uscita + ".tvl")                        ? Leggi(uscita + ".tvl")
                                                                    : tvl.readAllStandardOutput();
        QVERIFY(!ottenuto.isEmpty());
        if (qEnvironmentVariableIsSet("TVL_RIGENERA")) {
            QFile f(Dati(atteso));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ottenuto) == ottenuto.size());
            qInfo("riscritto %s", qPrintable(f.fileName()));
            return;
        }
        const QByteArray riferimento = Leggi(Dati(atteso));
        QVERIFY2(!riferimento.isEmpty(), qPrintable(Dati(atteso)));
        QVERIFY2(ottenuto == riferimento,
                 qPrintable(atteso + u'\n' + PrimaDifferenza(ottenuto, riferimento)
                            + QStringLiteral("\nse voluto: tests/dati/LEGGIMI.md")));
    }
};

QTEST_GUILESS_MAIN(TstRiferimenti)
#include "tst_riferimenti.moc"
