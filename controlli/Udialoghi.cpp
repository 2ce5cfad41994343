#include "controlli/Udialoghi.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
TDialoghi* g_dialoghi = nullptr;
const QString ChiaveCartella = QStringLiteral("UltimaCartellaProgetti");
} // namespace

QString CartellaProgetti(const QString& progettoCorrente)
{
    if (!progettoCorrente.isEmpty()) {
        const QFileInfo f(progettoCorrente);
        if (f.absoluteDir().exists())
            return f.absolutePath();
    }
    const QString ultima = QSettings().value(ChiaveCartella).toString();
    if (!ultima.isEmpty() && QFileInfo(ultima).isDir())
        return ultima;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RicordaCartellaProgetti(const QString& percorso)
{
    QSettings().setValue(ChiaveCartella, QFileInfo(percorso).absolutePath());
}

int TDialoghi::Esegui(QDialog& dialogo)
{
    return dialogo.exec();
}

QString TDialoghi::ScegliFile(QWidget* padre, const TSceltaFile& s)
{
    QFileDialog d(padre, s.titolo, s.cartella.isEmpty() ? QDir::currentPath() : s.cartella, s.filtro);
    d.setObjectName(s.nome);
    d.setAcceptMode(s.salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(s.salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!s.estensione.isEmpty())
        d.setDefaultSuffix(s.estensione);
    if (!s.proposto.isEmpty())
        d.selectFile(s.proposto);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

TDialoghi& TDialoghi::istanza()
{
    static TDialoghi veri;
    return g_dialoghi ? *g_dialoghi : veri;
}

void TDialoghi::installa(TDialoghi* d)
{
    g_dialoghi = d;
}
