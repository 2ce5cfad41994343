#include "documents/Updf.h"

#include "data/Uprogresso.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

QString PercorsoSoffice()
{
    const QString indicato = qEnvironmentVariable("TVL_SOFFICE");
    if (!indicato.isEmpty())
        return QFileInfo(indicato).isExecutable() ? indicato : QString();
    for (const char* nome : {"soffice", "libreoffice"}) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!p.isEmpty())
            return p;
    }
    return {};
}

TEsitoPdf CreaPdf(const QString& documento, TProgresso* progresso, int limiteMs)
{
    TEsitoPdf esito;
    const QFileInfo sorgente(documento);
    const QString soffice = PercorsoSoffice();
    if (soffice.isEmpty()) {
        esito.errore = QStringLiteral("LibreOffice (soffice) non è installato.");
        return esito;
    }
    if (!sorgente.isFile()) {
        esito.errore = QStringLiteral("Il documento \"%1\" non esiste.").arg(documento);
        return esito;
    }
    // Un profilo usa e getta: soffice non si aggancia a un'istanza aperta dell'utente.
    QTemporaryDir profilo;
    QTemporaryDir uscita;
    if (!profilo.isValid() || !uscita.isValid()) {
        esito.errore = QStringLiteral("Non è stato possibile creare una cartella temporanea.");
        return esito;
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(soffice,
            {QStringLiteral("-env:UserInstallation=%1").arg(QUrl::fromLocalFile(profilo.path()).toString()),
             QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
             QStringLiteral("pdf"), QStringLiteral("--outdir"), uscita.path(), sorgente.absoluteFilePath()});
    if (!p.waitForStarted(10000)) {
        esito.errore = QStringLiteral("LibreOffice non è partito: %1").arg(p.errorString());
        return esito;
    }
    QElapsedTimer tempo;
    tempo.start();
    while (!p.waitForFinished(100)) {
        if (progresso)
            progresso->Respira();
        if (tempo.elapsed() > limiteMs) {
            p.kill();
            p.waitForFinished(5000);
            esito.errore
                = QStringLiteral("LibreOffice non ha finito la conversione in %1 secondi.").arg(limiteMs / 1000);
            return esito;
        }
    }
    const QString creato = QDir(uscita.path()).filePath(sorgente.completeBaseName() + QStringLiteral(".pdf"));
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !QFileInfo(creato).isFile()) {
        esito.errore
            = QStringLiteral("LibreOffice non ha creato il PDF: %1").arg(QString::fromLocal8Bit(p.readAll()).trimmed());
        return esito;
    }
    // Accanto al documento, senza sostituire un PDF che c'è già.
    const QString base = sorgente.absoluteDir().filePath(sorgente.completeBaseName());
    QString destinazione = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(destinazione); ++n)
        destinazione = QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
    if (!QFile::copy(creato, destinazione)) {
        esito.errore = QStringLiteral("Il PDF non si può scrivere in \"%1\".").arg(destinazione);
        return esito;
    }
    esito.riuscito = true;
    esito.pdf = destinazione;
    return esito;
}
