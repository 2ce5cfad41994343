#include "data/Ufilenormale.h"

#include "data/Uerrori.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TFileNormale)
};

TFileNormale esito(TFileNormale::TTipo tipo, const QString& motivo)
{
    return {tipo, motivo};
}

TFileNormale nonEsiste()
{
    return esito(TFileNormale::NonEsiste, TTesti::tr("non esiste"));
}
} // namespace

#ifdef Q_OS_UNIX

TFileNormale EsaminaFile(const QString& percorso)
{
    if (percorso.isEmpty())
        return nonEsiste();
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat st
    {
    };
    if (::stat(nome.constData(), &st) != 0) {
        const int codice = errno;
        struct stat link
        {
        };
        if (codice == ELOOP)
            return esito(TFileNormale::Collegamento, TTesti::tr("è un collegamento simbolico circolare"));
        if (codice == ENOENT && ::lstat(nome.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return esito(TFileNormale::Collegamento,
                         TTesti::tr("è un collegamento simbolico a un file che non esiste"));
        if (codice == ENOENT || codice == ENOTDIR)
            return nonEsiste();
        return esito(TFileNormale::NonLeggibile, TTesti::tr("non si può leggere: %1").arg(TestoErroreSistema(codice)));
    }
    if (S_ISDIR(st.st_mode))
        return esito(TFileNormale::Cartella, TTesti::tr("è una cartella"));
    if (S_ISFIFO(st.st_mode))
        return esito(TFileNormale::Speciale, TTesti::tr("non è un file normale (è una pipe)"));
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return esito(TFileNormale::Speciale, TTesti::tr("non è un file normale (è un dispositivo)"));
    if (!S_ISREG(st.st_mode))
        return esito(TFileNormale::Speciale, TTesti::tr("non è un file normale"));
    if (::access(nome.constData(), R_OK) != 0)
        return esito(TFileNormale::NonLeggibile, TTesti::tr("non si può leggere: %1").arg(TestoErroreSistema(errno)));
    return esito(TFileNormale::Normale, {});
}

#else

TFileNormale EsaminaFile(const QString& percorso)
{
    const QFileInfo fi(percorso);
    if (percorso.isEmpty())
        return nonEsiste();
    if (!fi.exists())
        return fi.isSymLink()
            ? esito(TFileNormale::Collegamento, TTesti::tr("è un collegamento a un file che non esiste"))
            : nonEsiste();
    if (fi.isDir())
        return esito(TFileNormale::Cartella, TTesti::tr("è una cartella"));
    if (!fi.isFile())
        return esito(TFileNormale::Speciale, TTesti::tr("non è un file normale"));
    if (!fi.isReadable())
        return esito(TFileNormale::NonLeggibile,
                     TTesti::tr("non si può leggere: %1").arg(TTesti::tr("permesso negato")));
    return esito(TFileNormale::Normale, {});
}

#endif
