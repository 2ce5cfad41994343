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
