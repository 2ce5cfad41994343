#include "data/Uerrori.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>

#include <cerrno>

namespace {
struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TErrori)
};
} // namespace

QString TestoErroreSistema(int codice)
{
    switch (codice) {
    case ENOSPC:
        return TTesti::tr("spazio su disco esaurito");
#ifdef EDQUOT
    case EDQUOT:
        return TTesti::tr("spazio su disco esaurito (quota dell'utente)");
#endif
    case EFBIG:
        return TTesti::tr("il file supera la dimensione massima consentita");
    case EACCES:
    case EPERM:
        return TTesti::tr("permesso negato");
    case EROFS:
        return TTesti::tr("il disco è in sola lettura");
#ifdef ETXTBSY
    case ETXTBSY:
#endif
    case EBUSY:
        return TTesti::tr("file in uso");
    case EISDIR:
        return TTesti::tr("è una cartella");
    case ENOENT:
        return TTesti::tr("il file o la cartella non esiste");
    case ENOTDIR:
        return TTesti::tr("una parte del percorso non è una cartella");
#ifdef ELOOP
    case ELOOP:
        return TTesti::tr("collegamento simbolico circolare");
#endif
    case ENAMETOOLONG:
        return TTesti::tr("nome del file troppo lungo");
    case EEXIST:
        return TTesti::tr("il file esiste già");
    case EIO:
        return TTesti::tr("errore di lettura o scrittura sul disco");
    case EMFILE:
    case ENFILE:
        return TTesti::tr("troppi file aperti");
    case ENOMEM:
        return TTesti::tr("memoria esaurita");
    case EXDEV:
        return TTesti::tr("il file non si può spostare su un altro disco");
    default:
        return TTesti::tr("errore del sistema n. %1").arg(codice);
    }
}

QString MotivoErroreFile(const QFileDevice& f, int codice)
{
    if (codice != 0)
        return TestoErroreSistema(codice);
    const QStorageInfo disco(QFileInfo(f.fileName()).absolutePath());
    if (disco.isValid() && disco.isReady() && disco.bytesAvailable() == 0)
        return TestoErroreSistema(ENOSPC);
    switch (f.error()) {
    case QFileDevice::ReadError:
        return TTesti::tr("errore di lettura");
    case QFileDevice::WriteError:
        return TTesti::tr("errore di scrittura");
    case QFileDevice::ResourceError:
        return TTesti::tr("risorse del sistema esaurite (spazio su disco o memoria)");
    case QFileDevice::OpenError:
        return TTesti::tr("il file non si può aprire");
    case QFileDevice::PermissionsError:
        return TestoErroreSistema(EACCES);
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        return TTesti::tr("il file non si può sostituire");
    default:
        return TTesti::tr("errore sconosciuto");
    }
}

QString TestoErroreDatabase(const QSqlError& e)
{
    // I codici primari di SQLite (gli estesi ne portano uno negli 8 bit bassi).
    bool ok = false;
    const int codice = e.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok) {
        switch (codice) {
        case 3: // SQLITE_PERM
        case 23: // SQLITE_AUTH
            return TTesti::tr("permesso negato");
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            return TTesti::tr("il file è in uso da un altro programma");
        case 7: // SQLITE_NOMEM
            return TTesti::tr("memoria esaurita");
        case 8: // SQLITE_READONLY
            return TTesti::tr("il database è in sola lettura");
        case 10: // SQLITE_IOERR
            return TTesti::tr("errore di lettura o scrittura sul disco");
        case 11: // SQLITE_CORRUPT
            return TTesti::tr("il file è danneggiato");
        case 13: // SQLITE_FULL
            return TestoErroreSistema(ENOSPC);
        case 14: // SQLITE_CANTOPEN
            return TTesti::tr("il file non si può aprire");
        case 26: // SQLITE_NOTADB
            return TTesti::tr("il file non è un database");
        default:
            break;
        }
    }
    // Errori del comando stesso (tabella o colonna sconosciuta): il dettaglio serve all'assistenza.
    const QString dettaglio = e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
    return dettaglio.isEmpty() ? TTesti::tr("errore del database")
                               : TTesti::tr("errore del database (%1)").arg(dettaglio);
}
