#include "data/Usalvataggio.h"

#include "data/Uerrori.h"

#include <QSaveFile>
#include <QString>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

bool ConcludiSalvataggio(QSaveFile& f, QString* motivo)
{
    if (!f.isOpen())
        return false;
    // Qt non conserva la causa di una scrittura riuscita a metà ("Unknown error"): errno sì,
    // se nessuno lo tocca fra il fallimento e la lettura.
    errno = 0;
    bool ok = f.error() == QFileDevice::NoError && f.flush() && f.error() == QFileDevice::NoError;
#ifdef Q_OS_UNIX
    // Su un disco che alloca i blocchi in ritardo lo spazio mancante si scopre solo qui; un
    // dispositivo che non sa forzare su disco (EINVAL) non è un errore.
    if (ok && ::fsync(f.handle()) != 0 && errno != EINVAL)
        ok = false;
#endif
    const int errore = errno;
    if (!ok) {
        if (motivo)
            *motivo = MotivoErroreFile(f, errore);
        // Annullata la scrittura, commit() rimuove il temporaneo senza toccare il file.
        f.cancelWriting();
        f.commit();
        return false;
    }
    errno = 0;
    if (!f.commit()) {
        if (motivo)
            *motivo = MotivoErroreFile(f, errno);
        return false;
    }
    return true;
}
