#include "ControlloCalc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

// Un profilo privato per processo: più test in parallelo non si contendono quello dell'utente.
QString Profilo()
{
    static QTemporaryDir cartella(QDir::tempPath() + QStringLiteral("/tvl-calc-XXXXXX"));
    return QUrl::fromLocalFile(cartella.path()).toString();
}

bool Esegui(const QStringList& argomenti, QString& errore)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QStringList a = {QStringLiteral("-env:UserInstallation=") + Profilo(), QStringLiteral("--headless"),
                     QStringLiteral("--norestore")};
    p.start(TControlloCalc::Soffice(), a + argomenti);
    if (!p.waitForFinished(180000)) {
        p.kill();
        p.waitForFinished();
        errore = QStringLiteral("soffice non ha finito in tempo");
        return false;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        errore
            = QStringLiteral("soffice è uscito con %1: %2").arg(p.exitCode()).arg(QString::fromLocal8Bit(p.readAll()));
        return false;
    }
    return true;
}

QList<QStringList> LeggiCsv(const QByteArray& dati)
{
    QList<QStringList> righe;
    QStringList riga;
    QString campo;
    bool virgolette = false;
    const QString t = QString::fromUtf8(dati);
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (virgolette) {
            if (c == u'"' && i + 1 < t.size() && t[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                virgolette = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            virgolette = true;
        } else if (c == u',') {
            riga << campo;
            campo.clear();
        } else if (c == u'\n') {
            riga << campo;
            campo.clear();
            righe << riga;
            riga.clear();
        } else if (c != u'\r') {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !riga.isEmpty()) {
        riga << campo;
        righe << riga;
    }
    return righe;
}

// Nomi dei fogli nell'ordine del file, letti dal pacchetto senza passare dal livello del programma.
QStringList NomiFogli(const QString& file)
{
    QuaZip zip(file);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(QStringLiteral("xl/workbook.xml")))
        return {};
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString xml = QString::fromUtf8(f.readAll());
    QStringList nomi;
    static const QRegularExpression foglio(QStringLiteral("<sheet\\b[^>]*\\bname=\"([^\"]*)\""));
    for (auto it = foglio.globalMatch(xml); it.hasNext();) {
        QString n = it.next().captured(1);
        n.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        n.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&apos;"), QLatin1String("'"));
        n.replace(QLatin1String("&amp;"), QLatin1String("&"));
        nomi << n;
    }
    return nomi;
}

} // namespace

QString TControlloCalc::Soffice()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

bool TControlloCalc::Converti(const QString& file, QList<QList<QStringList>>& fogli, QString& errore)
{
    fogli.clear();
    if (Soffice().isEmpty()) {
        errore = QStringLiteral("soffice non trovato");
        return false;
    }
    QTemporaryDir uscita;
    // Separatore virgola, testo tra virgolette, UTF-8, celle come mostrate, tutti i fogli (-1).
    const QString filtro
        = QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1");
    if (!Esegui({QStringLiteral("--convert-to"), filtro, QStringLiteral("--outdir"), uscita.path(), file}, errore))
        return false;
    // Un file per foglio, "<nome>-<Foglio>.csv".
    const QStringList nomi = NomiFogli(file);
    if (nomi.isEmpty()) {
        errore = QStringLiteral("\"%1\" non ha fogli leggibili").arg(file);
        return false;
    }
    const QString base = uscita.path() + u'/' + QFileInfo(file).completeBaseName();
    for (const QString& nome : nomi) {
        QFile f(nomi.size() == 1 && !QFileInfo::exists(base + u'-' + nome + QStringLiteral(".csv"))
                    ? base + QStringLiteral(".csv")
                    : base + u'-' + nome + QStringLiteral(".csv"));
        if (!f.open(QIODevice::ReadOnly)) {
            errore = QStringLiteral("Calc non ha convertito il foglio \"%1\" di \"%2\"").arg(nome, file);
            return false;
        }
        fogli << LeggiCsv(f.readAll());
    }
    return true;
}

QString TControlloCalc::Pdf(const QString& file, const QString& cartella, QString& errore)
{
    if (!Esegui({QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), cartella, file},
                errore))
        return {};
    const QString pdf = cartella + u'/' + QFileInfo(file).completeBaseName() + QStringLiteral(".pdf");
    if (!QFileInfo::exists(pdf)) {
        errore = QStringLiteral("Calc non ha prodotto il PDF di \"%1\"").arg(file);
        return {};
    }
    return pdf;
}

QString TControlloCalc::Cella(const QList<QStringList>& foglio, const QString& indirizzo)
{
    int i = 0, colonna = 0;
    while (i < indirizzo.size() && indirizzo[i].isLetter())
        colonna = colonna * 26 + (indirizzo[i++].toUpper().unicode() - 'A' + 1);
    const int riga = indirizzo.mid(i).toInt();
    if (riga < 1 || riga > foglio.size() || colonna < 1)
        return {};
    return foglio[riga - 1].value(colonna - 1);
}
