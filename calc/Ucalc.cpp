// Modello termico del pannello: resa e temperatura superficiale di una zona, temperatura
// di mandata ottimale del progetto.
#include "calc/Ucalc.h"

#include <algorithm>
#include <cmath>

namespace {
// Costanti del metodo: α = 10.8 W/m²K, s = 0.045 m e λ = 1.0 W/mK di riferimento; curva
// caratteristica q = 8.92 (θF - θi)^1.1.
constexpr double NumeratoreAB = 1.0 / 10.8 + 0.045 / 1.0;
constexpr double UnoSuPi11 = 0.35014087480216977; // 1.1 / π
constexpr double CostanteCurva = 8.92;
constexpr double EsponenteCurva = 1.0 / 1.1;
// Tolleranza sui valori in singola precisione: un passo o una resistenza che cade sul
// confine di una riga o colonna deve trovarla anche con l'errore di arrotondamento.
constexpr float Tolleranza = 1e-6f;
} // namespace

const float TPavRad::TabPasso[NumPassi] = {0.05f, 0.075f, 0.1f, 0.15f, 0.2f, 0.225f, 0.25f, 0.3f, 0.35f, 0.375f, 0.4f};
const float TPavRad::TabRLambda[NumRLambda] = {0.0f, 0.05f, 0.1f, 0.15f};
const float TPavRad::TabAT[NumRLambda] = {1.23f, 1.188f, 1.156f, 1.134f};
const float TPavRad::TabAU[NumPassi][NumRLambda] = {
    {1.069f, 1.056f, 1.043f, 1.037f},  {1.066f, 1.053f, 1.041f, 1.035f},   {1.063f, 1.05f, 1.039f, 1.0335f},
    {1.057f, 1.046f, 1.035f, 1.0305f}, {1.051f, 1.041f, 1.0315f, 1.0275f}, {1.048f, 1.038f, 1.0295f, 1.026f},
    {1.048f, 1.038f, 1.0295f, 1.026f}, {1.0395f, 1.031f, 1.024f, 1.021f},  {1.0365f, 1.001f, 1.021f, 1.018f},
    {1.03f, 1.024f, 1.018f, 1.016f},   {1.028f, 1.002f, 1.015f, 1.011f},
};
const float TPavRad::TabAD[NumPassi][NumRLambda] = {
    {1.013f, 1.013f, 1.012f, 1.011f}, {1.021f, 1.019f, 1.016f, 1.014f}, {1.029f, 1.025f, 1.022f, 1.018f},
    {1.04f, 1.034f, 1.029f, 1.024f},  {1.046f, 1.04f, 1.035f, 1.03f},   {1.049f, 1.043f, 1.038f, 1.033f},
    {1.049f, 1.043f, 1.038f, 1.033f}, {1.053f, 1.049f, 1.044f, 1.039f}, {1.054f, 1.05f, 1.045f, 1.041f},
    {1.056f, 1.051f, 1.046f, 1.042f}, {1.058f, 1.052f, 1.047f, 1.043f},
};

TPavRad::TPavRad()
{
    for (int i = 0; i < NumPassi; ++i)
        for (int j = 0; j < NumRLambda; ++j)
            m_PotAT[i][j] = static_cast<float>(std::pow(double(TabAT[j]), double(1.0f - TabPasso[i] / 0.075f)));
    AggiornaPotenzeAU();
    AggiornaPotenzeAD();
    AggiornaSerie();
}

// ---------------------------------------------------------------- dati generali

void TPavRad::CaricaDatiGenerali(const TDatiGenerali& d)
{
    ImpostaSpessMassetto(d.SPESS_MASS);
    ImpostaLambdaMassetto(d.LAMBDA_MASS);
    ImpostaSpessSoletta(d.SPESS_SOL);
    ImpostaLambdaSoletta(d.LAMBDA_SOL);
    ImpostaSpessTubo(d.SPESS_TUBO);
    ImpostaLambdaTubo(d.LAMBDA_TUBO);
    ImpostaDestTubo(d.DEST_TUBO);
    ImpostaInterasse(d.INTERASSE);
    ImpostaTVaniSottostanti(d.TEMPVS);
    ImpostaLungMax(d.LUNGMAX);
    ImpostaDeltaT(d.DELTAT_MAX);
}

void TPavRad::ImpostaSpessMassetto(float mm)
{
    m_SpessMassetto = mm * 0.001f;
    AggiornaPotenzeAU();
}

void TPavRad::ImpostaLambdaMassetto(float wmk)
{
    m_LambdaMassetto = wmk;
}
void TPavRad::ImpostaSpessSoletta(float cm)
{
    m_SpessSoletta = cm * 0.01f;
}
void TPavRad::ImpostaLambdaSoletta(float wmk)
{
    m_LambdaSoletta = wmk;
}

void TPavRad::ImpostaSpessTubo(float mm)
{
    m_SpessTubo = mm * 0.001f;
    AggiornaTermineTubo();
}

void TPavRad::ImpostaLambdaTubo(float wmk)
{
    m_LambdaTubo = wmk;
    AggiornaTermineTubo();
}

void TPavRad::ImpostaDestTubo(float mm)
{
    m_DestTubo = mm * 0.001f;
    AggiornaTermineTubo();
    AggiornaPotenzeAD();
}

void TPavRad::ImpostaInterasse(float mm)
{
    m_Interasse = mm * 0.001f;
    m_ModuloMm = static_cast<int>(std::lround(mm));
    AggiornaSerie();
}

void TPavRad::ImpostaTVaniSottostanti(float gradi)
{
    m_TVaniSottostanti = gradi;
}
void TPavRad::ImpostaLungMax(float m)
{
    // Un valore fuori dall'intervallo di un int (o non numerico) non deve traboccare: oltre il
    // milione di metri ogni lunghezza si comporta allo stesso modo.
    m_LungMax = std::isnan(m) ? 0 : static_cast<int>(std::clamp(std::trunc(double(m)), -1e6, 1e6));
}
void TPavRad::ImpostaDeltaT(float k)
{
    m_DeltaT = k;
}

// ---------------------------------------------------------------- zona corrente

void TPavRad::ImpostaTAmbiente(float gradi)
{
    m_TAmbiente = gradi;
}
void TPavRad::ImpostaCarico(float w)
{
    m_Carico = w;
}
void TPavRad::ImpostaAreaZona(float mq)
{
    m_AreaZona = mq;
}
void TPavRad::ImpostaLambdaRiv(float wmk)
{
    m_LambdaRiv = wmk;
}
void TPavRad::ImpostaSpessRiv(float mm)
{
    m_SpessRiv = mm * 0.001f;
}
void TPavRad::ImpostaDistColl(int m)
{
    m_DistColl = m;
}
void TPavRad::ImpostaTempMandata(float gradi)
{
    m_TempMandata = gradi;
}
void TPavRad::ImpostaAreaMarginaleAttiva(bool attiva)
{
    m_AreaMarginaleAttiva = attiva;
}

void TPavRad::CaricaLocale(const TLocaleCalc& l)
{
    ImpostaTAmbiente(l.TAmbiente);
    ImpostaCarico(l.CTermico);
    ImpostaAreaZona(l.AreaUtile);
    ImpostaLambdaRiv(l.Lambda_Riv);
    ImpostaSpessRiv(l.Spessore);
    ImpostaDistColl(l.DistColl);
}

// ---------------------------------------------------------------- tabelle

int TPavRad::ColonnaRLambda(float rLambda)
{
    for (int j = 0; j < NumRLambda - 1; ++j) {
        const float meta = TabRLambda[j] + (TabRLambda[j + 1] - TabRLambda[j]) * 0.5f;
        // Un valore sul punto medio va alla colonna superiore.
        if (rLambda < meta - Tolleranza)
            return j;
    }
    return NumRLambda - 1;
}

int TPavRad::RigaPasso(float passo)
{
    for (int i = 0; i < NumPassi - 1; ++i)
        if (passo <= TabPasso[i] + Tolleranza)
            return i;
    return NumPassi - 1;
}

float TPavRad::RLambdaB() const
{
    if (!(m_LambdaRiv > 0) || m_SpessRiv < 0)
        return 0;
    return m_SpessRiv / m_LambdaRiv;
}

void TPavRad::AggiornaPotenzeAU()
{
    const float mU = 100.0f * (0.045f - m_SpessMassetto);
    for (int i = 0; i < NumPassi; ++i)
        for (int j = 0; j < NumRLambda; ++j)
            m_PotAU[i][j] = static_cast<float>(std::pow(double(TabAU[i][j]), double(mU)));
}

void TPavRad::AggiornaPotenzeAD()
{
    const float mD = 250.0f * (m_DestTubo - 0.02f);
    for (int i = 0; i < NumPassi; ++i)
        for (int j = 0; j < NumRLambda; ++j)
            m_PotAD[i][j] = static_cast<float>(std::pow(double(TabAD[i][j]), double(mD)));
}

void TPavRad::AggiornaTermineTubo()
{
    // Differenza fra la resistenza del tubo reale e quella del tubo di riferimento
    // (parete 0.002 m, λ 0.35 W/mK): vale solo con diametri e conduttività sensati.
    const double da = m_DestTubo;
    const double di = da - 2.0 * m_SpessTubo;
    if (di > 0 && da > 0.004 && m_LambdaTubo > 0 && m_SpessTubo >= 0)
        m_TermineTubo
            = static_cast<float>(std::log(da / di) / (2.0 * m_LambdaTubo) - std::log(da / (da - 0.004)) / 0.7);
    else
        m_TermineTubo = 0;
    const double diMm = di * 1000.0;
    m_DiPot475 = diMm > 0 ? std::pow(diMm, 4.75) : 0;
}

// ---------------------------------------------------------------- modello

// Le formule valgono solo con il ritorno sopra la temperatura ambiente, conduttività
// positive, spessori non negativi e un tubo con diametro interno: altrove danno logaritmi di
// numeri non positivi o divisioni per zero, e la zona non rende nulla.
bool TPavRad::ModelloValido() const
{
    const float ritorno = m_TempMandata - m_DeltaT;
    return m_DeltaT > 0 && ritorno > m_TAmbiente && m_LambdaMassetto > 0 && m_LambdaRiv > 0 && m_SpessRiv >= 0
        && m_LambdaTubo > 0 && m_SpessTubo >= 0 && m_DestTubo > 2 * m_SpessTubo && m_DestTubo > 0.004f
        && m_LambdaSoletta > 0 && m_SpessSoletta >= 0 && m_SpessMassetto >= 0;
}

// Passi 1-2 e colonna delle tabelle: valgono per tutti i passi della stessa zona.
bool TPavRad::PreparaZona()
{
    m_ZonaValida = ModelloValido();
    if (!m_ZonaValida) {
        m_DeltaTH = m_B = m_FattoreAB = m_FattoreAT = m_FattoreAU = m_FattoreAD = 0;
        return false;
    }
    // 1. Differenza media logaritmica: dipende solo da θV, σ e θi.
    if (!m_CacheValida || m_CacheTV != m_TempMandata || m_CacheSigma != m_DeltaT || m_CacheTi != m_TAmbiente) {
        const float ritorno = m_TempMandata - m_DeltaT;
        m_CacheDeltaTH = static_cast<float>((m_TempMandata - ritorno)
                                            / std::log(double(m_TempMandata - m_TAmbiente) / (ritorno - m_TAmbiente)));
        m_CacheTV = m_TempMandata;
        m_CacheSigma = m_DeltaT;
        m_CacheTi = m_TAmbiente;
        m_CacheValida = true;
    }
    m_DeltaTH = m_CacheDeltaTH;
    const float rLambda = RLambdaB();
    m_ColonnaZona = ColonnaRLambda(rLambda);
    // 2. Il denominatore usa 0.045/λE, non lo spessore reale del massetto.
    m_FattoreAB = static_cast<float>(NumeratoreAB / (1.0 / 10.8 + 0.045 / m_LambdaMassetto + rLambda));
    return true;
}

// Passi 3-7 per un passo e la sua riga, dopo PreparaZona.
float TPavRad::PotenzaSpecificaPreparata(float passo, int riga)
{
    if (!m_ZonaValida)
        return 0;
    const int i = riga;
    const int j = m_ColonnaZona;
    // 3-5. Ai passi tabulati (tutti quelli delle serie) la potenza di aT è già pronta.
    if (passo == TabPasso[i]) {
        m_FattoreAT = m_PotAT[i][j];
    } else {
        const float mT = 1.0f - passo / 0.075f;
        m_FattoreAT = static_cast<float>(std::pow(double(TabAT[j]), double(mT)));
    }
    m_FattoreAU = m_PotAU[i][j];
    m_FattoreAD = m_PotAD[i][j];
    const double prodotto = double(m_FattoreAB) * m_FattoreAT * m_FattoreAU * m_FattoreAD;
    // 6. Correzione per il tubo.
    m_B = static_cast<float>(1.0 / (1.0 / 6.7 + UnoSuPi11 * prodotto * passo * m_TermineTubo));
    // 7.
    return static_cast<float>(double(m_DeltaTH) * m_B * prodotto);
}

float TPavRad::PotenzaSpecifica(float passo)
{
    PreparaZona();
    return PotenzaSpecificaPreparata(passo, RigaPasso(passo));
}

TResa TPavRad::CalcolaResa(float passo)
{
    TResa r;
    const float q = PotenzaSpecifica(passo);
    r.Pot = m_AreaZona > 0 ? q * m_AreaZona : 0.0f;
    // 8. Stessa curva di TempSuperficie: (q/8.92)^(1/1.1).
    if (r.Pot > 0)
        r.TSup = static_cast<float>(std::pow(q / CostanteCurva, EsponenteCurva) + m_TAmbiente);
    return r;
}

float TPavRad::TempSuperficie(float pot) const
{
    if (!(pot > 0) || !(m_AreaZona > 0))
        return 0;
    const double q = double(pot) / m_AreaZona;
    return static_cast<float>(std::pow(q / CostanteCurva, EsponenteCurva) + m_TAmbiente);
}

float TPavRad::CalcolaTOttima(std::span<const TLocaleCalc> locali)
{
    if (locali.empty())
        return 0;
    // 1. Locale di riferimento: il più caricato per metro quadro fra quelli con rapporto di
    // area utile non inferiore al migliore visto finora (dipende dall'ordine).
    float rapportoMigliore = 0;
    float densitaMigliore = 0;
    std::size_t rif = 0;
    for (std::size_t k = 0; k < locali.size(); ++k) {
        const TLocaleCalc& l = locali[k];
        if (!(l.Area > 0) || !(l.AreaUtile > 0))
            continue;
        const float rapporto = l.AreaUtile / l.Area;
        const float densita = l.CTermico / l.AreaUtile;
        if (rapporto >= rapportoMigliore && densita > densitaMigliore) {
            rif = k;
            rapportoMigliore = rapporto;
            densitaMigliore = densita;
        }
    }
    // 2-3. Fattori a passo nullo: riga 0.05, mT = 1, nessuna correzione del tubo, B = 6.7.
    CaricaLocale(locali[rif]);
    const float rLambda = RLambdaB();
    const int j = ColonnaRLambda(rLambda);
    const int i = RigaPasso(0);
    const bool calcolabile = m_LambdaMassetto > 0 && m_LambdaRiv > 0 && m_SpessRiv >= 0;
    m_FattoreAB
        = calcolabile ? static_cast<float>(NumeratoreAB / (1.0 / 10.8 + 0.045 / m_LambdaMassetto + rLambda)) : 0;
    m_FattoreAT = TabAT[j];
    m_FattoreAU = m_PotAU[i][j];
    m_FattoreAD = m_PotAD[i][j];
    m_B = 6.7f;
    // 4. Con dati non calcolabili manca il termine del carico: resta la sola temperatura
    // ambiente più le maggiorazioni, poi riportata nell'intervallo ammesso.
    const double denominatore = double(m_B) * m_FattoreAB * m_FattoreAT * m_FattoreAU * m_FattoreAD;
    double tv = m_TAmbiente + 0.5 * m_DeltaT + 0.3;
    if (denominatore > 0)
        tv += densitaMigliore / denominatore;
    // 5.
    if (tv > 60)
        tv = 60;
    if (tv < 32)
        tv = 32;
    return static_cast<float>(tv);
}
