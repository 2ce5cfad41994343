#include "documents/foglio/Uarchivio.h"

#include <QCoreApplication>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <utility>

namespace {
TLimitiArchivio g_limiti;
constexpr qint64 Blocco = 64 * 1024;
} // namespace

const TLimitiArchivio& LimitiArchivio()
{
    return g_limiti;
}

TLimitiArchivio ImpostaLimitiArchivio(const TLimitiArchivio& limiti)
{
    return std::exchange(g_limiti, limiti);
}

TEsitoParte LeggiParte(QuaZip& archivio, qint64 limite, QString& nome, QByteArray& dati)
{
    dati.clear();
    nome = archivio.getCurrentFileName();
    QuaZipFileInfo64 info;
    if (!archivio.getCurrentFileInfo(&info))
        return TEsitoParte::Illeggibile;
    // La dimensione dichiarata dice già quasi sempre tutto, prima di decomprimere un solo byte.
    if (info.uncompressedSize > quint64(limite))
        return TEsitoParte::TroppoGrande;
    QuaZipFile f(&archivio);
    if (!f.open(QIODevice::ReadOnly))
        return TEsitoParte::Illeggibile;
    // La dimensione vera si controlla a ogni blocco: un archivio può mentire su quella dichiarata,
    // e un byte oltre quella basta a dirlo danneggiato (minizip oggi si ferma da sé alla dimensione
    // dichiarata e fallisce il CRC; il controllo qui non dipende da quel dettaglio).
    const qint64 dichiarata = qint64(info.uncompressedSize);
    dati.reserve(qsizetype(dichiarata));
    char blocco[Blocco];
    for (;;) {
        const qint64 letti = f.read(blocco, Blocco);
        if (letti < 0)
            return TEsitoParte::Illeggibile;
        if (letti == 0)
            break;
        if (dati.size() + letti > dichiarata) {
            dati = QByteArray();
            return TEsitoParte::Falsa;
        }
        dati.append(blocco, qsizetype(letti));
    }
    f.close();
    // Il controllo del CRC avviene alla chiusura.
    if (f.getZipError() != 0 || dati.size() != dichiarata)
        return TEsitoParte::Illeggibile;
    return TEsitoParte::Letta;
}

bool TBufferArchivio::seek(qint64 posizione)
{
    if (posizione < 0 || posizione > size())
        return false;
    return QBuffer::seek(posizione);
}

QString TestoDimensione(qint64 byte)
{
    if (byte >= (qint64(1) << 20))
        return QStringLiteral("%1 MB").arg(double(byte) / (1 << 20), 0, 'g', 4);
    return QStringLiteral("%1 kB").arg(double(byte) / 1024, 0, 'g', 4);
}

QString MessaggioArchivioTroppoGrande(const QString& nomeFile, const QString& causa)
{
    return QCoreApplication::translate("TFoglio", "Il file \"%1\" è troppo grande o danneggiato: %2.")
        .arg(nomeFile, causa);
}
