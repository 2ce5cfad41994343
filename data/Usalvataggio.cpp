#include "data/Usalvataggio.h"

#include <QSaveFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

bool ConcludiSalvataggio(QSaveFile& f, QString* motivo)
{
    if (!f.isOpen())
        return false;
    bool ok = f.error() == QFileDevice::NoError && f.flush() && f.error() == QFileDevice::NoError;
#ifdef Q_OS_UNIX
    // Su un disco che alloca i blocchi in ritardo lo spazio mancante si scopre solo qui; un
    // dispositivo che non sa forzare su disco (EINVAL) non è un errore.
    if (ok && ::fsync(f.handle()) != 0 && errno != EINVAL)
        ok = false;
    const int errore = errno;
#endif
    if (!ok) {
        if (motivo) {
            *motivo = f.error() != QFileDevice::NoError ? f.errorString() : QString();
#ifdef Q_OS_UNIX
            if (motivo->isEmpty())
                *motivo = QString::fromLocal8Bit(std::strerror(errore));
#endif
        }
        // Annullata la scrittura, commit() rimuove il temporaneo senza toccare il file.
        f.cancelWriting();
        f.commit();
        return false;
    }
    if (!f.commit()) {
        if (motivo)
            *motivo = f.errorString();
        return false;
    }
    return true;
}
