#include "en1264/Uraffrescamento.h"

#include "data/Uformato.h"
#include "en1264/Ulimite.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Scambio superficiale implicito nella curva caratteristica del riscaldamento (α = 10.8 W/m²K):
// in raffrescamento si sostituisce con quello del pavimento freddo.
constexpr double AlfaRiscaldamento = 10.8;

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(Raffrescamento)
};

QString Gradi(float t)
{
    return NumeroSchermo(double(t), 1);
}

} // namespace

float PuntoRugiada(float t, float ur)
{
    if (!(ur > 0))
        return std::numeric_limits<float>::quiet_NaN();
    constexpr double b = 17.62, c = 243.12;
    const double g = std::log(std::min(double(ur), 100.0) / 100.0) + b * t / (c + t);
    return float(c * g / (b - g));
}

QString TRaffLocale::Esito() const
{
    if (!Calcolato)
        return QStringLiteral("--");
    if (Condensa)
        return TTesti::tr("condensa");
    if (SottoMinima)
        return TTesti::tr("sotto 19 °C");
    if (Mancanza >= 0.5f)
        return TTesti::tr("insufficiente");
    return TTesti::tr("OK");
}

float FlussoEstivo(const TPavRad& pav, float passo, float tMandata, float tAmbiente, float salto)
{
    const float ritorno = tMandata + salto;
    if (!(passo > 0) || !(salto > 0) || !(tAmbiente - ritorno > 0))
        return 0;
    const double kh = KHZona(pav, passo);
    if (!(kh > 0))
        return 0;
    const double khEstivo = 1.0 / (1.0 / kh - 1.0 / AlfaRiscaldamento + 1.0 / AlfaPavimentoEstivo);
    const double dt = salto / std::log(double(tAmbiente - tMandata) / (tAmbiente - ritorno));
    return float(khEstivo * dt);
}

std::vector<TRaffLocale> CalcolaRaffrescamento(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                               std::span<const float> carichi, const TDatiEstivi& dati, float mandata)
{
    std::vector<TRaffLocale> out;
    out.reserve(locali.size());
    const float rugiada = PuntoRugiada(dati.TAmbiente, dati.UR);
    const bool marg = pav.AreaMarginaleAttiva();
    TPavRad modello = pav;
    for (std::size_t k = 0; k < locali.size(); ++k) {
        const TLocaleCalc& l = locali[k];
        modello.CaricaLocale(l);
        TRaffLocale r;
        r.Carico = k < carichi.size() ? carichi[k] : 0.0f;
        const float areaAs = marg ? l.AreaUtile - l.AreaMarginale : l.AreaUtile;
        const float areaAm = marg ? l.AreaMarginale : 0.0f;
        const float qAs = areaAs > 0 ? FlussoEstivo(modello, l.PassoAs, mandata, dati.TAmbiente, dati.Salto) : 0;
        const float qAm = areaAm > 0 ? FlussoEstivo(modello, l.PassoAm, mandata, dati.TAmbiente, dati.Salto) : 0;
        r.Calcolato = (areaAs > 0 && l.PassoAs > 0) || (areaAm > 0 && l.PassoAm > 0);
        if (r.Calcolato) {
            r.Resa = qAs * std::max(areaAs, 0.0f) + qAm * areaAm;
            // Il pavimento raggiunge questa temperatura ogni volta che il circuito è aperto.
            r.TSup = dati.TAmbiente - qAs / AlfaPavimentoEstivo;
            r.TSupMinima = dati.TAmbiente - std::max(qAs, qAm) / AlfaPavimentoEstivo;
            r.Portata = r.Resa / (1.16f * dati.Salto);
            r.Mancanza = std::max(0.0f, r.Carico - r.Resa);
            r.Condensa = r.TSupMinima < rugiada + dati.Margine;
            r.SottoMinima = areaAs > 0 && r.TSup < TSupMinimaOccupata;
        }
        out.push_back(r);
    }
    return out;
}

std::optional<float> MandataMinimaSicura(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                         const TDatiEstivi& dati)
{
    const float rugiada = PuntoRugiada(dati.TAmbiente, dati.UR);
    if (std::isnan(rugiada))
        return std::nullopt;
    // Le superfici si scaldano al crescere della mandata: la prima mandata che passa è la minima.
    const int primo = int(std::ceil(rugiada * 10.0f - 1e-3f));
    const int ultimo = int(std::floor((dati.TAmbiente - dati.Salto) * 10.0f)) - 1;
    for (int d = primo; d <= ultimo; ++d) {
        const float tv = d / 10.0f;
        const auto ris = CalcolaRaffrescamento(pav, locali, {}, dati, tv);
        if (std::none_of(ris.begin(), ris.end(), [](const TRaffLocale& r) { return r.Condensa || r.SottoMinima; }))
            return tv;
    }
    return std::nullopt;
}

QString ControllaMandataEstiva(const TPavRad& pav, std::span<const TLocaleCalc> locali, const TDatiEstivi& dati,
                               float mandata)
{
    const float rugiada = PuntoRugiada(dati.TAmbiente, dati.UR);
    const auto minima = MandataMinimaSicura(pav, locali, dati);
    const QString proposta = minima ? TTesti::tr(" Mandata minima sicura: %1 °C.").arg(Gradi(*minima)) : QString();
    if (mandata < rugiada)
        return TTesti::tr(
                   "La mandata estiva di %1 °C è sotto il punto di rugiada (%2 °C): l'acqua condenserebbe su tubi e "
                   "collettori.")
                   .arg(Gradi(mandata), Gradi(rugiada))
            + proposta;
    if (mandata + dati.Salto >= dati.TAmbiente)
        return TTesti::tr(
                   "La mandata estiva di %1 °C non raffresca: il ritorno non sarebbe più freddo dell'ambiente (%2 °C).")
            .arg(Gradi(mandata), Gradi(dati.TAmbiente));
    const auto ris = CalcolaRaffrescamento(pav, locali, {}, dati, mandata);
    if (std::any_of(ris.begin(), ris.end(), [](const TRaffLocale& r) { return r.Condensa; }))
        return TTesti::tr("Con la mandata estiva di %1 °C il pavimento scende sotto il punto di rugiada (%2 °C) più il "
                          "margine "
                          "di %3 K: condenserebbe.")
                   .arg(Gradi(mandata), Gradi(rugiada), Gradi(dati.Margine))
            + proposta;
    return QString();
}
