// tvl esporta: scrive i locali di un progetto in un foglio di calcolo (.csv o .xlsx) con le colonne
// e i titoli della griglia dei locali; il file si reimporta con tvl importa.
#include "cli/Utvl.h"
#include "progetto/Ulocalifile.h"

namespace {
class TTvlEsporta : public TComandoTvl
{
public:
    TTvlEsporta()
        : TComandoTvl(
            QStringLiteral("esporta"),
            QStringLiteral("tvl esporta PROGETTO.tvl LOCALI.csv|.xlsx  scrive i locali in un foglio di calcolo"),
            QStringLiteral("uso: tvl esporta PROGETTO.tvl LOCALI.csv|LOCALI.xlsx\n\nScrive i locali con le "
                           "colonne e i titoli della griglia dei locali; il file si\nreimporta con tvl "
                           "importa.\n"),
            2, 2)
    { }

private:
    int Esegui(const QCommandLineParser&, const QStringList& argomenti) override;
};

int TTvlEsporta::Esegui(const QCommandLineParser&, const QStringList& argomenti)
{
    const auto aperto = ApriProgetto(QStringLiteral("esporta"), argomenti[0]);
    if (!aperto)
        return 1;
    QString messaggio;
    if (!EsportaLocali(aperto->dati, argomenti[1], messaggio, &aperto->stato.En1264))
        return Errore(messaggio);
    Stampa(messaggio + u'\n');
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoEsporta()
{
    return std::make_unique<TTvlEsporta>();
}
