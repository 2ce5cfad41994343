#pragma once
// Verifica EN 1264 sulla pagina "T Mandata Progetto": la colonna "EN 1264" in coda alla griglia
// dei circuiti, la riga del conteggio sotto la griglia e la temperatura di mandata di progetto
// "T EN 1264" accanto ai modi. Si aggiorna a ogni ridisegno della griglia.
#include "en1264/Ulimite.h"

#include <QObject>

#include <vector>

class QCheckBox;
class QLabel;
class TPaginaMandata;
class TStatoProgetto;

// Voce di RadioGroup1 per "T EN 1264": si salva come "Senza Area Marginale" più la scelta nel
// blocco aggiuntivo.
inline constexpr int VoceTEn1264 = 3;

class TVerificaMandata : public QObject
{
    Q_OBJECT
public:
    TVerificaMandata(TPaginaMandata& pagina, TStatoProgetto& stato);

    // Risultati mostrati, un elemento per locale.
    const std::vector<TVerificaLocale>& Verifiche() const { return m_verifiche; }
    QLabel* LabelVerifica; // "Verifica EN 1264: n locali oltre il limite"
    QLabel* LabelTEn1264; // valore di "T EN 1264" e locale di riferimento
    QCheckBox* CheckRelazione; // la verifica entra nella relazione tecnica

    // Ricalcola verifiche e testi dai risultati correnti dello stato.
    void Aggiorna();

private:
    TCellaGriglia Cella(int riga) const;
    QString Suggerimento(int riga) const;

    TPaginaMandata& m_pagina;
    TStatoProgetto& m_stato;
    std::vector<TVerificaLocale> m_verifiche;
};

// Modo della pagina per le impostazioni salvate (RadioGroup1), e viceversa.
int VoceModoSalvato(const TStatoProgetto& stato);
// Salva le impostazioni della voce scelta; "T EN 1264" come modo 2 con la scelta nel blocco.
void SalvaModoVoce(TStatoProgetto& stato, int voce, float temperatura);
