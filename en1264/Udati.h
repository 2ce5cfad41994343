#pragma once
// Dati del progetto per la verifica EN 1264 e il raffrescamento: bagni, carichi estivi, dati
// estivi e la scelta di "T EN 1264". Viaggiano in una sezione del blocco aggiuntivo del file.
#include "calc/Ucalc.h"
#include "en1264/Uraffrescamento.h"

#include <QByteArray>
#include <QHash>
#include <QVector>

#include <optional>
#include <span>
#include <vector>

inline const QString NomeSezioneEn1264 = QStringLiteral("en1264");

struct TDatiEn1264
{
    QHash<int, bool> Bagni; // ID locale → scelta esplicita (senza: 24 °C o più)
    QHash<int, float> CarichiEstivi; // ID locale → W
    TDatiEstivi Estivi;
    bool ModoEn1264 = false; // "T EN 1264" scelta come temperatura di mandata
    bool Relazione = false; // la verifica va nella relazione tecnica anche senza altri dati

    bool Bagno(const TLocaleCalc& l) const { return Bagno(l.ID, l.TAmbiente); }
    bool Bagno(int id, float tAmbiente) const;
    float CaricoEstivo(int id) const { return CarichiEstivi.value(id, 0.0f); }
    // Vero quando il progetto usa qualcosa di diverso dai valori predefiniti.
    bool Usato() const;

    // Dimentica bagni e carichi dei locali che non ci sono più: un locale nuovo con lo stesso
    // numero non li eredita.
    void TieniLocali(std::span<const TLocaleCalc> locali);

    // Testo UTF-8 "chiave=valore" per riga; vuoto quando non è Usato().
    QByteArray Serializza() const;
    // nullopt se il testo è danneggiato; chiavi sconosciute ignorate.
    static std::optional<TDatiEn1264> Leggi(const QByteArray& testo);
};

// Un elemento per locale: bagno o no (scelta esplicita o 24 °C e più).
QVector<bool> BagniLocali(const TDatiEn1264& dati, std::span<const TLocaleCalc> locali);
std::vector<float> CarichiLocali(const TDatiEn1264& dati, std::span<const TLocaleCalc> locali);

// Colonne facoltative dei fogli dei locali (importazione ed esportazione).
inline const QString TitoloBagno = QStringLiteral("Bagno");
inline const QString TitoloCaricoEstivo = QStringLiteral("Carico estivo [W]");
// "Sì"/"No" come li scrive l'esportazione; si accettano anche 1/0, x, vero/falso, yes/no.
// nullopt per un testo che non è nessuno di questi (vuoto compreso).
std::optional<bool> LeggiSiNo(const QString& testo);
QString TestoSiNo(bool valore);
