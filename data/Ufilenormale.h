#pragma once
// Prima di leggere un file che l'utente ha indicato (progetto, catalogo): il percorso porta a un
// file normale? Una cartella o un dispositivo come /dev/zero riempirebbero la memoria, una pipe
// bloccherebbe la lettura per sempre; e "il file non esiste" per un percorso che esiste confonde.
#include <QString>

struct TFileNormale
{
    enum TTipo {
        Normale, // file normale leggibile (anche attraverso collegamenti simbolici)
        NonEsiste,
        Cartella,
        Speciale, // pipe, dispositivo, socket
        Collegamento, // collegamento simbolico circolare o verso un file che non esiste
        NonLeggibile,
    };
    TTipo tipo = NonEsiste;
    // Vuoto per un file normale; altrimenti il predicato da mettere dopo il percorso, senza
    // maiuscola iniziale né punto: "non esiste", "è una cartella", "non è un file normale (è una
    // pipe)", "è un collegamento simbolico circolare", "non si può leggere: permesso negato".
    QString motivo;

    bool Ok() const { return tipo == Normale; }
};

TFileNormale EsaminaFile(const QString& percorso);
