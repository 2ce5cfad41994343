#pragma once
// Raffrescamento a pavimento (EN 1264-5 / ISO 11855) con i circuiti posati per il riscaldamento:
// punto di rugiada, resa estiva per locale, temperatura superficiale e verifica di condensa.
#include "calc/Ucalc.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

// Coefficiente di scambio superficiale del pavimento in raffrescamento [W/m²K]:
// q = 7 (θi − θF,m).
inline constexpr float AlfaPavimentoEstivo = 7.0f;
// Temperatura superficiale minima nelle zone di permanenza [°C].
inline constexpr float TSupMinimaOccupata = 19.0f;

struct TDatiEstivi
{
    float TAmbiente = 26.0f; // °C
    float UR = 50.0f; // %
    float TMandata = 0.0f; // °C; 0 = la più bassa sicura
    float Margine = 1.0f; // K sopra il punto di rugiada
    float Salto = 3.0f; // K, aumento di temperatura dell'acqua mandata → ritorno
};

// Punto di rugiada [°C] (formula di Magnus, costanti 17.62 / 243.12 °C); NaN se UR ≤ 0.
float PuntoRugiada(float t, float ur);

struct TRaffLocale
{
    float Carico = 0; // W
    float Resa = 0; // W, capacità dei circuiti alla mandata estiva
    float TSup = 0; // °C, zona attiva
    float TSupMinima = 0; // °C, la più fredda fra le zone
    float Portata = 0; // l/h del locale
    float Mancanza = 0; // W
    bool Condensa = false;
    bool SottoMinima = false;
    bool Calcolato = false; // il locale ha circuiti
    QString Esito() const; // "OK", "condensa", "sotto 19 °C", "insufficiente", "--"
};

// Flusso estivo [W/m²] al passo della zona corrente di `pav` con mandata θV, ambiente θi e
// salto σ; 0 quando l'acqua non è più fredda dell'ambiente.
float FlussoEstivo(const TPavRad& pav, float passo, float tMandata, float tAmbiente, float salto);

// Tutti i locali dopo TPavRad::CalcolaLocali (passi e aree come posati per il riscaldamento).
// `carichi` ha un carico estivo per locale (mancante = 0). La mandata usata è `mandata`.
std::vector<TRaffLocale> CalcolaRaffrescamento(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                               std::span<const float> carichi, const TDatiEstivi& dati, float mandata);

// Mandata estiva più bassa (al decimo) per cui nessun locale condensa né scende sotto 19 °C
// nelle zone attive e l'acqua resta sopra il punto di rugiada; vuota se non esiste.
std::optional<float> MandataMinimaSicura(const TPavRad& pav, std::span<const TLocaleCalc> locali,
                                         const TDatiEstivi& dati);

// Testo del rifiuto di una mandata estiva (vuoto se accettabile).
QString ControllaMandataEstiva(const TPavRad& pav, std::span<const TLocaleCalc> locali, const TDatiEstivi& dati,
                               float mandata);
