#include "data/Uavvisiqt.h"

#include <QStringView>

#include <array>

namespace {
QtMessageHandler g_precedente = nullptr;

// L'inizio degli avvisi previsti.
constexpr std::array<QStringView, 4> Previsti = {
    u"QBuffer::seek: Invalid pos",
    u"QIODevice::seek (QBuffer): Invalid pos",
    u"QSqlQuery::value: not positioned on a valid record",
    u"QSqlQuery::isNull: not positioned on a valid record",
};

void Filtra(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (AvvisoQtPrevisto(tipo, testo))
        return;
    if (g_precedente)
        g_precedente(tipo, contesto, testo);
}
} // namespace

bool AvvisoQtPrevisto(QtMsgType tipo, const QString& testo)
{
    if (tipo != QtWarningMsg && tipo != QtDebugMsg)
        return false;
    for (const QStringView inizio : Previsti)
        if (testo.startsWith(inizio))
            return true;
    return false;
}

void FiltraAvvisiQt()
{
    if (g_precedente)
        return;
    g_precedente = qInstallMessageHandler(Filtra);
}
