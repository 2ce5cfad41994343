#include "en1264/Utesti.h"

#include <QCoreApplication>

namespace {

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(En1264)
};

void AggiungiZona(std::vector<QString>& riga, const TVerificaZona& z, const QLocale& locale)
{
    if (!z.Presente) {
        riga.push_back(QStringLiteral("--"));
        riga.push_back(QStringLiteral("--"));
        return;
    }
    riga.push_back(locale.toString(double(z.qG), 'f', 1));
    riga.push_back(z.Esito());
}

} // namespace

std::vector<std::vector<QString>> ColonneVerifica(std::span<const TVerificaLocale> verifiche, bool marginale,
                                                  const QLocale& locale)
{
    std::vector<std::vector<QString>> righe;
    righe.push_back({TTesti::tr("qG"), TTesti::tr("Verifica")});
    righe.push_back({TTesti::tr("As [W/mq]"), TTesti::tr("As")});
    if (marginale) {
        righe[0].insert(righe[0].end(), {TTesti::tr("qG"), TTesti::tr("Verifica")});
        righe[1].insert(righe[1].end(), {TTesti::tr("Am [W/mq]"), TTesti::tr("Am")});
    }
    for (const TVerificaLocale& v : verifiche) {
        std::vector<QString> riga;
        AggiungiZona(riga, v.As, locale);
        if (marginale)
            AggiungiZona(riga, v.Am, locale);
        righe.push_back(std::move(riga));
    }
    return righe;
}

std::vector<std::vector<QString>> TabellaRaffrescamento(std::span<const TLocaleCalc> locali,
                                                        std::span<const TRaffLocale> risultati, float rugiada,
                                                        const QLocale& locale)
{
    std::vector<std::vector<QString>> righe;
    righe.push_back({TTesti::tr("Locale"), TTesti::tr("Carico estivo [W]"), TTesti::tr("Resa estiva [W]"),
                     TTesti::tr("T Sup. [°C]"), TTesti::tr("T rugiada [°C]"), TTesti::tr("Portata [l/h]"),
                     TTesti::tr("Verifica")});
    for (std::size_t k = 0; k < locali.size() && k < risultati.size(); ++k) {
        const TRaffLocale& r = risultati[k];
        const auto num = [&](float v, int dec) {
            return r.Calcolato ? locale.toString(double(v), 'f', dec) : QStringLiteral("--");
        };
        righe.push_back({QString::number(locali[k].ID), locale.toString(double(r.Carico), 'f', 0), num(r.Resa, 0),
                         num(r.TSup, 1), locale.toString(double(rugiada), 'f', 1), num(r.Portata, 0), r.Esito()});
    }
    return righe;
}
