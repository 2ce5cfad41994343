// Parti comuni dei comandi di tvl che lavorano su un file di progetto.
#include "app/Ufile.h"
#include "tvl/Utvl.h"

#include <QFileInfo>

int ErroreComando(const QString& comando, const QString& testo)
{
    std::fputs(qPrintable(QStringLiteral("tvl %1: %2\n").arg(comando, testo)), stderr);
    return 1;
}

std::unique_ptr<TProgettoAperto> ApriProgetto(const QString& comando, const QString& percorso)
{
    if (!QFileInfo(percorso).isFile()) {
        ErroreComando(comando, QStringLiteral("il file \"%1\" non esiste").arg(percorso));
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
