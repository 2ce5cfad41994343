#include "en1264/Ulimite.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Tabelle dell'appendice A della EN 1264-2 per sU/λE ≤ 0.0792: righe per passo T [m],
// colonne per sU/λE [m²K/W]. B_G [W/m²K] e n_G, interpolate linearmente.
constexpr float AsseSuLambda[9] = {0.01f, 0.0208f, 0.0292f, 0.0375f, 0.0458f, 0.0542f, 0.0625f, 0.0708f, 0.0792f};

constexpr float PassiBG[8] = {0.05f, 0.075f, 0.1f, 0.15f, 0.2f, 0.225f, 0.3f, 0.375f};
constexpr float TabBG[8][9] = {
    {85, 91.5f, 96.8f, 100, 100, 100, 100, 100, 100},
    {75.3f, 83.5f, 89.9f, 96.3f, 99.5f, 100, 100, 100, 100},
    {66, 75.4f, 82.9f, 89.3f, 95.5f, 98.8f, 100, 100, 100},
    {51, 61.1f, 69.2f, 76.3f, 82.7f, 87.5f, 91.8f, 95.1f, 97.8f},
    {38.5f, 48.2f, 56.2f, 63.1f, 69.1f, 74.5f, 81.3f, 86.4f, 90},
    {33, 42.5f, 49.5f, 56.5f, 62, 67.5f, 75.3f, 81.6f, 86.1f},
    {20.5f, 26.8f, 31.6f, 36.4f, 41.5f, 47.5f, 57.5f, 65.3f, 72.4f},
    {11.5f, 13.7f, 15.5f, 18.2f, 21.5f, 27.5f, 40, 49.1f, 58.3f},
};

constexpr float PassiNG[10] = {0.05f, 0.075f, 0.1f, 0.15f, 0.2f, 0.225f, 0.2625f, 0.3f, 0.3375f, 0.375f};
constexpr float TabNG[10][9] = {
    {0.008f, 0.005f, 0.002f, 0, 0, 0, 0, 0, 0},
    {0.024f, 0.021f, 0.018f, 0.011f, 0.002f, 0, 0, 0, 0},
    {0.046f, 0.043f, 0.041f, 0.033f, 0.014f, 0.005f, 0, 0, 0},
    {0.088f, 0.085f, 0.082f, 0.076f, 0.055f, 0.038f, 0.024f, 0.014f, 0.006f},
    {0.131f, 0.13f, 0.129f, 0.123f, 0.105f, 0.083f, 0.057f, 0.04f, 0.028f},
    {0.155f, 0.154f, 0.153f, 0.146f, 0.13f, 0.11f, 0.077f, 0.056f, 0.041f},
    {0.197f, 0.196f, 0.196f, 0.19f, 0.173f, 0.15f, 0.11f, 0.083f, 0.062f},
    {0.254f, 0.253f, 0.253f, 0.245f, 0.228f, 0.195f, 0.145f, 0.114f, 0.086f},
    {0.322f, 0.321f, 0.321f, 0.31f, 0.293f, 0.26f, 0.187f, 0.148f, 0.115f},
    {0.422f, 0.421f, 0.421f, 0.405f, 0.385f, 0.325f, 0.23f, 0.183f, 0.142f},
};

// Massetti spessi (sU/λE > 0.0792): B_G e n_G dipendono da sU/T.
constexpr float AsseSuT[13] = {0.173f, 0.2f, 0.25f, 0.3f, 0.35f, 0.4f, 0.45f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f, 0.75f};
constexpr float TabBGSpesso[13] = {27.5f, 40, 57.5f, 69.5f, 78.2f, 84.4f, 88.3f, 91.6f, 94, 96.3f, 98.6f, 99.8f, 100};
constexpr float TabNGSpesso[13]
    = {0.32f, 0.23f, 0.145f, 0.097f, 0.067f, 0.048f, 0.033f, 0.023f, 0.015f, 0.009f, 0.005f, 0.002f, 0};

// Posizione di x sull'asse: indice del tratto e peso del secondo estremo, fuori asse bloccato.
template<std::size_t N> void Posizione(const float (&asse)[N], float x, int& i, float& t)
{
    if (x <= asse[0]) {
        i = 0;
        t = 0;
        return;
    }
    if (x >= asse[N - 1]) {
        i = int(N) - 2;
        t = 1;
        return;
    }
    i = 0;
    while (x > asse[i + 1])
        ++i;
    t = (x - asse[i]) / (asse[i + 1] - asse[i]);
}

template<std::size_t R, std::size_t C>
float Bilineare(const float (&righe)[R], const float (&tab)[R][C], float passo, float suLambda)
{
    int i, j;
    float ti, tj;
    Posizione(righe, passo, i, ti);
    Posizione(AsseSuLambda, suLambda, j, tj);
    const float a = tab[i][j] + (tab[i][j + 1] - tab[i][j]) * tj;
    const float b = tab[i + 1][j] + (tab[i + 1][j + 1] - tab[i + 1][j]) * tj;
    return a + (b - a) * ti;
}

float Lineare(const float (&tab)[13], float x)
{
    int i;
    float t;
    Posizione(AsseSuT, x, i, t);
    return tab[i] + (tab[i + 1] - tab[i]) * t;
}

struct TCoeff
{
    float BG = 0;
    float nG = 0;
};

TCoeff Coefficienti(float passo, float sU, float lambdaE)
{
    const float suLambda = sU / lambdaE;
    if (suLambda <= 0.0792f)
        return {Bilineare(PassiBG, TabBG, passo, suLambda), Bilineare(PassiNG, TabNG, passo, suLambda)};
    const float suT = sU / passo;
    return {Lineare(TabBGSpesso, suT), Lineare(TabNGSpesso, suT)};
}

constexpr float PassoMassimoTabelle = 0.375f;
constexpr float DeltaTF0 = 9.0f; // K: la curva limite tabulata è quella di θF,max − θi = 9 K

} // namespace

QString TVerificaZona::Esito() const
{
    if (!Presente)
        return QString();
    return Oltre ? QCoreApplication::translate("En1264", "oltre qG") : QCoreApplication::translate("En1264", "OK");
}

float TFMaxZona(bool bagno, bool marginale)
{
    if (marginale)
        return TFMaxMarginale;
    return bagno ? TFMaxBagno : TFMaxSoggiorno;
}

float FlussoBase(float deltaTF)
{
    return deltaTF > 0 ? 8.92f * std::pow(deltaTF, 1.1f) : 0.0f;
}

float KHZona(const TPavRad& pav, float passo)
{
    // I fattori non dipendono dalla mandata: una copia con una mandata qualsiasi valida basta.
    TPavRad copia = pav;
    const float sigma = copia.DeltaT() > 0 ? copia.DeltaT() : 5.0f;
    copia.ImpostaDeltaT(sigma);
    copia.ImpostaTempMandata(copia.TAmbiente() + sigma + 20.0f);
    copia.CalcolaResa(passo);
    return copia.B() * copia.FattoreAB() * copia.FattoreAT() * copia.FattoreAU() * copia.FattoreAD();
}

TLimite CurvaLimite(const TPavRad& pav, float passo, float tfMax)
{
    TLimite r;
    r.TFMax = tfMax;
    const float deltaTF = tfMax - pav.TAmbiente();
    r.KH = KHZona(pav, passo);
    if (!(r.KH > 0) || !(deltaTF > 0) || !(passo > 0) || !(pav.LambdaMassetto() > 0))
        return r;
    // Fattore della temperatura massima: la curva limite scala con (ΔθF / 9 K)^1.1.
    const double phi = std::pow(double(deltaTF) / DeltaTF0, 1.1);
    const float passoTab = std::min(passo, PassoMassimoTabelle);
    const TCoeff c = Coefficienti(passoTab, pav.SpessMassetto(), pav.LambdaMassetto());
    const double khTab = passo > PassoMassimoTabelle ? KHZona(pav, PassoMassimoTabelle) : r.KH;
    // Punto d'incontro della curva caratteristica q = K_H ΔθH con la curva limite
    // q = φ B_G (ΔθH/φ)^n_G.
    const double dthg = phi * std::pow(c.BG / khTab, 1.0 / (1.0 - c.nG));
    double qG = khTab * dthg;
    if (passo > PassoMassimoTabelle) {
        // Oltre 0.375 m il limite scala con 0.375/T, corretto con f_G per i massetti spessi.
        const double qBase = FlussoBase(deltaTF);
        const double ridotto = qG * PassoMassimoTabelle / passo;
        const double suT = pav.SpessMassetto() / passo;
        double fG = 1.0;
        if (suT > 0.173)
            fG = (qBase - (qBase - ridotto) * std::exp(-20.0 * (suT - 0.173) * (suT - 0.173))) / ridotto;
        qG = ridotto * fG;
    }
    r.qG = float(qG);
    r.DeltaTHG = float(qG / r.KH);
    return r;
}

namespace {

TVerificaZona VerificaZona(const TPavRad& pav, float pot, float area, float passo, float tSup, float tfMax)
{
    TVerificaZona v;
    if (!(area > 0) || !(pot > 0) || !(passo > 0))
        return v;
    const TLimite lim = CurvaLimite(pav, passo, tfMax);
    v.Presente = true;
    v.q = pot / area;
    v.qG = lim.qG;
    v.DeltaTHG = lim.DeltaTHG;
    v.TFm = tSup;
    v.TFMax = tfMax;
    // Tolleranza per l'aritmetica in singola precisione del modello.
    v.Oltre = v.q > lim.qG * 1.001f;
    return v;
}

} // namespace

std::vector<TVerificaLocale> VerificaLocali(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                            std::span<const bool> bagni)
{
    std::vector<TVerificaLocale> out;
    out.reserve(locali.size());
    TPavRad modello = pav;
    for (std::size_t k = 0; k < locali.size(); ++k) {
        const TLocaleCalc& l = locali[k];
        const bool bagno = k < bagni.size() && bagni[k];
        modello.CaricaLocale(l);
        TVerificaLocale v;
        const bool marg = pav.AreaMarginaleAttiva();
        const float areaAs = marg ? l.AreaUtile - l.AreaMarginale : l.AreaUtile;
        v.As = VerificaZona(modello, l.PotAs, areaAs, l.PassoAs, l.TSupAs, TFMaxZona(bagno, false));
        if (marg)
            v.Am = VerificaZona(modello, l.PotAm, l.AreaMarginale, l.PassoAm, l.TSupAm, TFMaxZona(bagno, true));
        out.push_back(v);
    }
    return out;
}

int LocaliOltreLimite(std::span<const TVerificaLocale> verifiche)
{
    return int(std::count_if(verifiche.begin(), verifiche.end(), [](const TVerificaLocale& v) { return v.Oltre(); }));
}

TMandataEn1264 MandataEn1264(const TPavRad& pav, std::span<const TLocaleCalc> locali, std::span<const bool> bagni)
{
    TMandataEn1264 r;
    float passi[8];
    const int n = pav.SeriePassi(passi);
    if (locali.empty() || n == 0)
        return r;
    // Riferimento: il flusso di progetto più alto fra i non bagni (fra tutti se sono solo bagni).
    for (int giro = 0; giro < 2 && r.Riferimento < 0; ++giro) {
        for (std::size_t k = 0; k < locali.size(); ++k) {
            const bool bagno = k < bagni.size() && bagni[k];
            if ((giro == 0 && bagno) || !(locali[k].AreaUtile > 0))
                continue;
            const float q = locali[k].CTermico / locali[k].AreaUtile;
            if (r.Riferimento < 0 || q > r.qProgetto) {
                r.Riferimento = int(k);
                r.qProgetto = q;
            }
        }
    }
    if (r.Riferimento < 0)
        return r;
    const TLocaleCalc& rif = locali[std::size_t(r.Riferimento)];
    TPavRad modello = pav;
    modello.CaricaLocale(rif);
    const float passo = passi[n - 1];
    const float kh = KHZona(modello, passo);
    r.Sigma = pav.DeltaT() > 0 ? std::min(pav.DeltaT(), 5.0f) : 5.0f;
    if (!(kh > 0) || !(r.qProgetto > 0))
        return r;
    const bool bagnoRif = std::size_t(r.Riferimento) < bagni.size() && bagni[std::size_t(r.Riferimento)];
    r.OltreLimite = r.qProgetto > CurvaLimite(modello, passo, TFMaxZona(bagnoRif, false)).qG;
    // ΔθH necessario al passo più fitto, poi la mandata esatta della media logaritmica con σ:
    // θV − θi = σ / (1 − e^(−σ/ΔθH)). Arrotondata per eccesso al decimo perché copra il locale.
    const double dth = r.qProgetto / kh;
    const double tv = rif.TAmbiente + r.Sigma / (1.0 - std::exp(-r.Sigma / dth));
    r.TMandata = float(std::clamp(std::ceil(tv * 10.0 - 1e-6) / 10.0, 30.0, 60.0));
    return r;
}
