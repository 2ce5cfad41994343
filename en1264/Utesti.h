#pragma once
// Testi delle colonne della verifica EN 1264 e della tabella del raffrescamento, come li
// stampano la riga di comando e i documenti.
#include "en1264/Ulimite.h"
#include "en1264/Uraffrescamento.h"

#include <QLocale>
#include <QString>

#include <span>
#include <vector>

// Righe della griglia dei circuiti (0 intestazioni, 1 unità, poi un locale per riga) delle
// colonne "qG As [W/mq]", "Verifica As" e, con le zone marginali, "qG Am [W/mq]", "Verifica Am".
std::vector<std::vector<QString>> ColonneVerifica(std::span<const TVerificaLocale> verifiche, bool marginale,
                                                  const QLocale& locale);

// Tabella del raffrescamento: una riga d'intestazione e una per locale.
std::vector<std::vector<QString>> TabellaRaffrescamento(std::span<const TLocaleCalc> locali,
                                                        std::span<const TRaffLocale> risultati, float rugiada,
                                                        const QLocale& locale);
