#pragma once
// Curva limite della EN 1264-2 per una zona di un locale, verifica dei locali e temperatura di
// mandata di progetto della EN 1264-3. Il dimensionamento resta quello di TPavRad: qui si
// verifica soltanto, con lo stesso modello (K_H = B · aB · aT^mT · aU^mU · aD^mD).
#include "calc/Ucalc.h"

#include <QString>

#include <span>
#include <vector>

// Temperature superficiali massime ammesse [°C].
inline constexpr float TFMaxSoggiorno = 29.0f;
inline constexpr float TFMaxBagno = 33.0f;
inline constexpr float TFMaxMarginale = 35.0f;

struct TLimite
{
    float KH = 0; // W/m²K, pendenza della curva caratteristica al passo
    float qG = 0; // W/m², flusso limite
    float DeltaTHG = 0; // K, ΔθH limite
    float TFMax = 0; // °C
};

// Verifica di una zona: flusso emesso e limite.
struct TVerificaZona
{
    bool Presente = false; // zona con area e potenza
    float q = 0; // W/m² emessi
    float qG = 0;
    float DeltaTHG = 0;
    float TFm = 0; // °C, temperatura superficiale media
    float TFMax = 0;
    bool Oltre = false;
    QString Esito() const; // "OK", "oltre qG" o "" quando la zona non c'è
};

struct TVerificaLocale
{
    TVerificaZona As;
    TVerificaZona Am;
    bool Oltre() const { return As.Oltre || Am.Oltre; }
};

// Temperatura massima della zona: marginale 35, bagno 33, altrimenti 29 °C.
float TFMaxZona(bool bagno, bool marginale);

// Flusso della curva di base q = 8.92 ΔθF^1.1 per ΔθF = θF,max − θi.
float FlussoBase(float deltaTF);

// K_H della zona corrente di `pav` (ingressi del locale già caricati) al passo dato; non dipende
// dalla temperatura di mandata. 0 quando il modello non è calcolabile.
float KHZona(const TPavRad& pav, float passo);

// Curva limite della zona corrente di `pav` al passo dato per la temperatura massima data.
TLimite CurvaLimite(const TPavRad& pav, float passo, float tfMax);

// Verifica di tutti i locali dopo TPavRad::CalcolaLocali; `bagni` ha un elemento per locale
// (mancante = non bagno). `pav` è il modello usato per il calcolo (non viene modificato).
std::vector<TVerificaLocale> VerificaLocali(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                            std::span<const bool> bagni);
int LocaliOltreLimite(std::span<const TVerificaLocale> verifiche);

// Temperatura di mandata di progetto (EN 1264-3): il locale con il flusso di progetto più alto
// fra quelli che non sono bagni, al passo più fitto della serie, con σ ≤ 5 K. 0 senza locali.
struct TMandataEn1264
{
    float TMandata = 0; // °C
    int Riferimento = -1; // indice del locale di riferimento
    float qProgetto = 0; // W/m² del locale di riferimento
    float Sigma = 0; // K usati
    bool OltreLimite = false; // il riferimento supera comunque q_G al passo più fitto
};
TMandataEn1264 MandataEn1264(const TPavRad& pav, std::span<const TLocaleCalc> locali, std::span<const bool> bagni);

// Bagno per difetto: locale a 24 °C o più.
inline bool BagnoPerDifetto(float tAmbiente)
{
    return tAmbiente >= 24.0f;
}
