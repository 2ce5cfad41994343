#pragma once
// Valori scritti nei campi di una tabella come li scrive la griglia: campo per campo con le
// regole di convalida, poi Post.
#include "data/Utabella.h"

#include <QList>
#include <QPair>
#include <QVariant>

// Il record è già in modifica o in inserimento; false al primo valore rifiutato o se Post fallisce.
inline bool ImpostaCampi(TTabella* t, const QList<QPair<QString, QVariant>>& valori)
{
    for (const auto& [campo, v] : valori)
        if (!t->FieldByName(campo).Imposta(v))
            return false;
    return t->Post();
}

// Lo stesso sul record corrente (Edit) o su uno nuovo in coda (Append).
inline bool ModificaRecord(TTabella* t, const QList<QPair<QString, QVariant>>& valori, bool nuovo = false)
{
    nuovo ? t->Append() : t->Edit();
    return ImpostaCampi(t, valori);
}

// Un locale semplice in coda: "Locale <id>" al piano terra, 20 m² (18 utili), 5 m dal collettore.
inline bool AggiungiLocale(TTabella* locali, int id, double carico)
{
    return ModificaRecord(locali,
                          {{"ID", id},
                           {"Descrizione", QStringLiteral("Locale %1").arg(id)},
                           {"Piano", "PT"},
                           {"Area", 20.0},
                           {"AreaUtile", 18.0},
                           {"AreaMarginale", 0.0},
                           {"CTermico", carico},
                           {"DistColl", 5.0}},
                          true);
}
