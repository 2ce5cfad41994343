#include "documents/Updf.h"

#include "data/Uprogresso.h"
#include "documents/Uistanzapdf.h"
#include "documents/foglio/Udocumento.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

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

namespace {

// Il profilo di LibreOffice si crea una volta e si riusa: crearlo a ogni conversione costa
// qualche secondo. Se un'altra conversione lo sta usando se ne prende uno usa e getta.
class TProfilo
{
public:
    TProfilo()
    {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!base.isEmpty() && QDir().mkpath(base + QStringLiteral("/termovela"))) {
            m_blocco = std::make_unique<QLockFile>(base + QStringLiteral("/termovela/libreoffice.lock"));
            if (m_blocco->tryLock(0)) {
                m_percorso = base + QStringLiteral("/termovela/libreoffice");
                return;
            }
            m_blocco.reset();
        }
        m_temporaneo = std::make_unique<QTemporaryDir>();
        if (m_temporaneo->isValid())
            m_percorso = m_temporaneo->path();
    }
    QString Percorso() const { return m_percorso; }

private:
    std::unique_ptr<QLockFile> m_blocco;
    std::unique_ptr<QTemporaryDir> m_temporaneo;
    QString m_percorso;
};

// Il PDF convertito accanto al documento, senza sostituire un PDF che c'è già.
void Colloca(const QString& creato, const QFileInfo& sorgente, TEsitoPdf& esito)
{
    const QString base = sorgente.absoluteDir().filePath(sorgente.completeBaseName());
    QString destinazione = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(destinazione); ++n)
        destinazione = QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
    if (!QFile::copy(creato, destinazione)) {
        esito.errore = QStringLiteral("Il PDF non si può scrivere in \"%1\".").arg(destinazione);
        return;
    }
    PermessiUsuali(destinazione);
    esito.riuscito = true;
    esito.pdf = destinazione;
}

// Un avvio di LibreOffice che converte i documenti nella cartella uscita. Vuoto se è finito bene,
// altrimenti il motivo, che vale per ogni PDF che manca.
QString convertiConUnAvvio(const QString& soffice, const QStringList& sorgenti, const QString& uscita,
                           TProgresso* progresso, int limiteMs)
{
    const TProfilo profilo;
    if (profilo.Percorso().isEmpty())
        return QStringLiteral("Non è stato possibile creare una cartella temporanea.");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(
        soffice,
        QStringList {QStringLiteral("-env:UserInstallation=%1").arg(QUrl::fromLocalFile(profilo.Percorso()).toString()),
                     QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                     QStringLiteral("pdf"), QStringLiteral("--outdir"), uscita}
            + sorgenti);
    if (!p.waitForStarted(10000))
        return QStringLiteral("LibreOffice non è partito: %1").arg(p.errorString());
    QElapsedTimer tempo;
    tempo.start();
    while (!p.waitForFinished(100)) {
        if (progresso)
            progresso->Respira();
        if (tempo.elapsed() > limiteMs) {
            p.kill();
            p.waitForFinished(5000);
            return QStringLiteral("LibreOffice non ha finito la conversione in %1 secondi.").arg(limiteMs / 1000);
        }
    }
    return QStringLiteral("LibreOffice non ha creato il PDF: %1").arg(QString::fromLocal8Bit(p.readAll()).trimmed());
}

} // namespace

TEsitoPdf CreaPdf(const QString& documento, TProgresso* progresso, int limiteMs)
{
    return CreaPdf(QStringList {documento}, progresso, limiteMs).value(0);
}

QVector<TEsitoPdf> CreaPdf(const QStringList& documenti, TProgresso* progresso, int limiteMs)
{
    QVector<TEsitoPdf> esiti(documenti.size());
    const auto tutti = [&](const QString& errore) {
        for (TEsitoPdf& e : esiti)
            if (!e.riuscito && e.errore.isEmpty())
                e.errore = errore;
        return esiti;
    };
    const QString soffice = PercorsoSoffice();
    if (soffice.isEmpty())
        return tutti(QStringLiteral("LibreOffice (soffice) non è installato."));
    // Nomi uguali in cartelle diverse darebbero lo stesso PDF d'uscita: i doppioni vanno a un
    // avvio successivo.
    QStringList sorgenti, nomi;
    QList<int> rimandati;
    for (int i = 0; i < documenti.size(); ++i) {
        const QFileInfo fi(documenti[i]);
        if (!fi.isFile())
            esiti[i].errore = QStringLiteral("Il documento \"%1\" non esiste.").arg(documenti[i]);
        else if (nomi.contains(fi.completeBaseName()))
            rimandati << i;
        else
            sorgenti << fi.absoluteFilePath(), nomi << fi.completeBaseName();
    }
    if (sorgenti.isEmpty())
        return esiti;
    QTemporaryDir uscita;
    if (!uscita.isValid())
        return tutti(QStringLiteral("Non è stato possibile creare una cartella temporanea."));
    const auto creato = [&](const QString& documento) {
        return QDir(uscita.path()).filePath(QFileInfo(documento).completeBaseName() + QStringLiteral(".pdf"));
    };
    // Prima LibreOffice già avviato; quel che non converte (non c'è, è occupato, muore) va a un
    // avvio apposta.
    TIstanzaPdf::Converti(sorgenti, uscita.path(), progresso, limiteMs);
    QStringList restanti;
    for (const QString& s : std::as_const(sorgenti))
        if (!QFileInfo(creato(s)).isFile())
            restanti << s;
    QString errore;
    if (!restanti.isEmpty()) {
        errore = convertiConUnAvvio(soffice, restanti, uscita.path(), progresso, limiteMs);
        // Pronta per la prossima volta, senza rubare il processore all'avvio appena fatto.
        TIstanzaPdf::Riprendi();
    }
    for (int i = 0; i < documenti.size(); ++i) {
        if (!esiti[i].errore.isEmpty() || rimandati.contains(i))
            continue;
        const QFileInfo sorgente(documenti[i]);
        if (QFileInfo(creato(documenti[i])).isFile())
            Colloca(creato(documenti[i]), sorgente, esiti[i]);
        else
            esiti[i].errore = errore;
    }
    if (!rimandati.isEmpty()) {
        QStringList altri;
        for (int i : std::as_const(rimandati))
            altri << documenti[i];
        const QVector<TEsitoPdf> seguito = CreaPdf(altri, progresso, limiteMs);
        for (int k = 0; k < rimandati.size(); ++k)
            esiti[rimandati[k]] = seguito[k];
    }
    return esiti;
}
