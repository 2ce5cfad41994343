// Parti comuni dei comandi di tvl che lavorano su un file di progetto.
#include "cli/Utvl.h"
#include "data/Ufilenormale.h"
#include "progetto/Ufile.h"

#include <QDir>

int ErroreComando(const QString& comando, const QString& testo)
{
    StampaErrore(QStringLiteral("tvl %1: %2\n").arg(comando, testo));
    return Fallito;
}

std::unique_ptr<TProgettoAperto> ApriProgetto(const QString& comando, const QString& percorso)
{
    // Solo un file normale: una cartella, una pipe o /dev/zero non si leggono nemmeno.
    if (const TFileNormale file = EsaminaFile(percorso); !file.Ok()) {
        ErroreComando(comando,
                      file.tipo == TFileNormale::NonEsiste
                          ? QStringLiteral("il file \"%1\" non esiste").arg(QDir::toNativeSeparators(percorso))
                          : QStringLiteral("\"%1\" %2").arg(QDir::toNativeSeparators(percorso), file.motivo));
        return nullptr;
    }
    auto p = std::make_unique<TProgettoAperto>();
    if (!p->dati.ApriTutto()) {
        ErroreComando(comando, p->dati.UltimoErrore());
        return nullptr;
    }
    // Gli errori di lettura arrivano su stderr dal punto dei messaggi.
    if (!LeggiProgetto(p->stato, percorso))
        return nullptr;
    return p;
}

std::unique_ptr<TProgettoAperto> ApriPerStampa(const QString& comando, const QString& percorso, bool ricostruisci)
{
    auto p = ApriProgetto(comando, percorso);
    if (!p)
        return nullptr;
    if (p->dati.AuxLocali->RecordCount() == 0) {
        ErroreComando(comando, QStringLiteral("il progetto non ha locali"));
        return nullptr;
    }
    p->stato.RicalcolaProgetto();
    if (ricostruisci)
        p->stato.RicostruisciCollettori();
    return p;
}
