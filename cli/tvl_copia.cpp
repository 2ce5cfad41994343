// tvl copia: legge un progetto e lo scrive in un altro file, come "Apri" seguito da "Salva con
// Nome...". Un file scritto dal programma torna identico byte per byte.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

namespace {
class TTvlCopia : public TComandoTvl
{
public:
    TTvlCopia()
        : TComandoTvl(
            QStringLiteral("copia"),
            QStringLiteral("tvl copia ORIGINE DESTINAZIONE  legge un progetto e lo riscrive in un altro file"),
            QStringLiteral("uso: tvl copia ORIGINE.tvl DESTINAZIONE.tvl\n\nLegge un progetto e lo scrive in "
                           "un altro file, come \"Apri\" seguito da \"Salva con\nNome...\".\n"),
            2, 2)
    { }

private:
    int Esegui(const QCommandLineParser&, const QStringList& argomenti) override;
};

int TTvlCopia::Esegui(const QCommandLineParser&, const QStringList& argomenti)
{
    const auto aperto = ApriProgetto(QStringLiteral("copia"), argomenti[0]);
    // I messaggi di errore di scrittura arrivano su stderr dal punto dei messaggi.
    if (!aperto || !ScriviProgetto(aperto->stato, argomenti[1]))
        return Fallito;
    return Riuscito;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoCopia()
{
    return std::make_unique<TTvlCopia>();
}
