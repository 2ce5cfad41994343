// tvl importa: aggiunge a un progetto i locali di un foglio di calcolo (.csv o .xlsx), con le regole
// della griglia dei locali, e salva il progetto. Se una riga è rifiutata non si aggiunge nulla.
#include "cli/Utvl.h"
#include "progetto/Ufile.h"
#include "progetto/Ulocalifile.h"

#include <QCommandLineParser>

namespace {
class TTvlImporta : public TComandoTvl
{
public:
    TTvlImporta()
        : TComandoTvl(QStringLiteral("importa"),
                      QStringLiteral("tvl importa PROGETTO.tvl LOCALI.csv|.xlsx [-o NUOVO.tvl]\n"
                                     "                               aggiunge al progetto i locali di un foglio di "
                                     "calcolo"),
                      QStringLiteral("uso: tvl importa PROGETTO.tvl LOCALI.csv|LOCALI.xlsx [-o NUOVO.tvl]\n\n"
                                     "Aggiunge i locali del foglio ai locali del progetto e salva il progetto (in "
                                     "NUOVO.tvl con -o).\nLa prima riga del foglio porta i titoli delle colonne della "
                                     "griglia dei locali.\n"),
                      2, 2)
    {
        Opzione({QStringLiteral("o")}, QStringLiteral("NUOVO.tvl"));
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& file) override;
};

int TTvlImporta::Esegui(const QCommandLineParser& opzioni, const QStringList& file)
{
    const QString uscita = opzioni.value(QStringLiteral("o"));
    const auto aperto = ApriProgetto(QStringLiteral("importa"), file[0]);
    if (!aperto)
        return 1;
    QString messaggio;
    if (!ImportaLocali(aperto->dati, file[1], messaggio, nullptr, &aperto->stato.En1264))
        return Errore(messaggio);
    const QString destinazione = uscita.isEmpty() ? file[0] : uscita;
    // Gli errori di scrittura arrivano su stderr dal punto dei messaggi.
    if (!ScriviProgetto(aperto->stato, destinazione))
        return 1;
    Stampa(messaggio + QStringLiteral("\nSalvato in %1\n").arg(destinazione));
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoImporta()
{
    return std::make_unique<TTvlImporta>();
}
