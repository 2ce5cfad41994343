// Dimensionamento dei circuiti: scelta del passo, numero e lunghezza dei circuiti, portata e
// perdita di carico, calcolo di tutti i locali con o senza zona marginale.
#include "calc/Ucalc.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr int Serie100[] = {400, 300, 200, 100};
constexpr int Serie75[] = {375, 300, 225, 150, 75};
constexpr int Serie50[] = {400, 350, 300, 250, 200, 150, 100, 50};

void ScriviZonaAttiva(TLocaleCalc& l, const TZona& z)
{
    l.PotAs = z.Pot;
    l.TSupAs = z.TSup;
    l.PassoAs = z.Passo;
    l.NAs = z.N;
    l.LAs = z.L;
    l.QAs = z.Q;
    l.DpAs = z.Dp;
}

void AzzeraZonaMarginale(TLocaleCalc& l)
{
    l.PotAm = l.TSupAm = l.PassoAm = 0;
    l.NAm = 0;
    l.LAm = l.QAm = l.DpAm = 0;
}

// Ammanco di potenza: mai negativo, anche quando la somma in singola precisione delle due
// zone supera di un'inezia il carico che copre.
float Ammanco(float carico, float coperto)
{
    const double a = double(carico) - coperto;
    return a > 0 ? static_cast<float>(a) : 0.0f;
}
} // namespace

// La serie dipende solo dalla classe del modulo in millimetri interi; i passi restano interi
// in millimetri fino all'uso, così ciascuno trova la propria riga delle tabelle.
void TPavRad::AggiornaSerie()
{
    const int* serie = Serie50;
    int n = std::size(Serie50);
    if (m_ModuloMm % 100 == 0) {
        serie = Serie100;
        n = std::size(Serie100);
    } else if (m_ModuloMm % 75 == 0) {
        serie = Serie75;
        n = std::size(Serie75);
    }
    std::copy(serie, serie + n, m_SerieMm);
    m_NumSerie = n;
    for (int k = 0; k < n; ++k)
        m_RigheSerie[k] = RigaPasso(static_cast<float>(m_SerieMm[k]) / 1000.0f);
}

int TPavRad::SeriePassi(float passi[8]) const
{
    for (int k = 0; k < m_NumSerie; ++k)
        passi[k] = static_cast<float>(m_SerieMm[k]) / 1000.0f;
    return m_NumSerie;
}

// Il passo più largo della serie che copre il carico; altrimenti resta il più stretto.
float TPavRad::CercaPasso(float& pot)
{
    float passo = 0;
    pot = 0;
    PreparaZona();
    for (int k = 0; k < m_NumSerie; ++k) {
        passo = static_cast<float>(m_SerieMm[k]) / 1000.0f;
        const float q = PotenzaSpecificaPreparata(passo, m_RigheSerie[k]);
        pot = m_AreaZona > 0 ? q * m_AreaZona : 0.0f;
        if (pot - m_Carico >= 0)
            break;
    }
    return passo;
}

TZona TPavRad::DimensionaZona()
{
    TZona z;
    // 1.
    z.Passo = CercaPasso(z.Pot);
    // 2-3. La zona non rende più del necessario; la temperatura segue la potenza ridotta.
    if (z.Pot >= m_Carico)
        z.Pot = m_Carico;
    z.TSup = TempSuperficie(z.Pot);
    // 4-5.
    const TCircuiti c = CalcolaCircuiti(z.Passo);
    z.N = c.N;
    z.L = static_cast<float>(c.L);
    const TPortata p = CalcolaPortata(c.N, z.L, z.Pot);
    z.Q = p.Q;
    z.Dp = p.Dp;
    return z;
}

TCircuiti TPavRad::CalcolaCircuiti(float passo) const
{
    TCircuiti c;
    if (!(m_AreaZona > 0))
        return c;
    // Passo in centimetri interi, dal passo in millimetri arrotondato per eccesso (il margine
    // assorbe l'errore di rappresentazione: 0.15 m sono 150 mm, non 151).
    const int passoMm = static_cast<int>(std::ceil(double(passo) * 1000.0 - 1e-3));
    const int s = passoMm / 10;
    // Le andate e i ritorni al collettore consumano tutta la lunghezza ammessa: nessun
    // circuito possibile, invece di una divisione per zero o per un numero negativo.
    const long long disponibile = m_LungMax + 1LL - 2LL * m_DistColl;
    if (s <= 0 || disponibile <= 0)
        return c;
    // Metri di tubo della zona: 100·A per eccesso; il decimo di dm² è sotto l'errore di
    // un'area in singola precisione (12.3 non deve diventare 1231).
    const double centoA = std::round(double(m_AreaZona) * 1000.0) / 10.0;
    const long long l = static_cast<long long>(std::min(std::ceil(centoA), 1e15)) / s;
    c.N = static_cast<int>(std::min(std::trunc(double(l) / double(disponibile) + 1.0), double(INT_MAX)));
    c.L = static_cast<int>(std::min(l / c.N + 2LL * m_DistColl, static_cast<long long>(INT_MAX)));
    return c;
}

TPortata TPavRad::CalcolaPortata(int n, float lc, float pot) const
{
    TPortata p;
    if (!(pot > 0) || n <= 0 || !ModelloValido())
        return p;
    const double g0 = pot / (1.16 * m_DeltaT);
    const double ro = 1.0 / 10.8 + RLambdaB() + double(m_SpessMassetto) / m_LambdaMassetto;
    const double ru = double(m_SpessSoletta) / m_LambdaSoletta + 1.1428571428571428;
    double g = g0 * (1.0 + ro / ru + (double(m_TAmbiente) - m_TVaniSottostanti) * m_AreaZona / (pot * ru)) / n;
    if (g < 0)
        g = 0;
    p.Q = static_cast<float>(g);
    // G^1.75 = G·√G·⁴√G: due radici costano molto meno di una potenza generica.
    const double radice = std::sqrt(double(p.Q));
    p.Dp = static_cast<float>(416.0 * lc * double(p.Q) * radice * std::sqrt(radice) / m_DiPot475);
    return p;
}

float TPavRad::PassoMarginale(float passoAttivo) const
{
    const int passoMm = m_ModuloMm % 75 == 0 ? 75 : 50;
    int tm = static_cast<int>(std::lround(double(passoAttivo) * 1000.0)) - passoMm;
    if (tm < 10)
        tm = passoMm;
    return static_cast<float>(tm) / 1000.0f;
}

void TPavRad::CalcolaLocali(std::span<TLocaleCalc> locali)
{
    for (TLocaleCalc& l : locali) {
        CaricaLocale(l);
        if (!m_AreaMarginaleAttiva) {
            ScriviZonaAttiva(l, DimensionaZona());
            // Nessun valore di un calcolo precedente con zona marginale resta nel record.
            AzzeraZonaMarginale(l);
            l.Integr = Ammanco(l.CTermico, l.PotAs);
            continue;
        }
        // Zona marginale a passo più stretto di quello che servirebbe su tutta l'area utile
        // (del primo dimensionamento conta solo il passo: la zona attiva è rifatta sotto),
        // resa piena non limitata al carico.
        float potTutta = 0;
        l.PassoAm = PassoMarginale(CercaPasso(potTutta));
        ImpostaAreaZona(l.AreaMarginale);
        const TResa rm = CalcolaResa(l.PassoAm);
        l.PotAm = rm.Pot;
        l.TSupAm = rm.TSup;
        const TCircuiti cm = CalcolaCircuiti(l.PassoAm);
        l.NAm = cm.N;
        l.LAm = static_cast<float>(cm.L);
        const TPortata pm = CalcolaPortata(cm.N, l.LAm, l.PotAm);
        l.QAm = pm.Q;
        l.DpAm = pm.Dp;
        // Zona attiva sul resto dell'area utile, per il carico che la marginale non copre.
        // Quando la marginale basta da sola, il resto dell'area è posato al passo più largo
        // senza carico da coprire (potenza, portata e temperatura 0) e non manca nulla: così
        // nessun campo tiene valori calcolati per tutta l'area o di un calcolo precedente.
        ImpostaAreaZona(l.AreaUtile - l.AreaMarginale);
        const float residuo = l.CTermico - l.PotAm;
        ImpostaCarico(residuo > 0 ? residuo : 0.0f);
        ScriviZonaAttiva(l, DimensionaZona());
        l.Integr = residuo > 0 ? Ammanco(l.CTermico, l.PotAs + l.PotAm) : 0.0f;
    }
}
