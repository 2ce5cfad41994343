#pragma once
// Risponde ai dialoghi al posto dell'utente per la durata dell'oggetto: esegui guida il dialogo
// modale senza ciclo modale (vuota: exec() vero), file dà il file scelto (vuota: Annulla).
#include "controlli/Udialoghi.h"

#include <QDialog>

#include <functional>

class TRisposteDialoghi : public TDialoghi
{
public:
    std::function<int(QDialog&)> esegui;
    std::function<QString(const TSceltaFile&)> file;

    TRisposteDialoghi() { installa(this); }
    ~TRisposteDialoghi() override { installa(nullptr); }
    TRisposteDialoghi(const TRisposteDialoghi&) = delete;
    TRisposteDialoghi& operator=(const TRisposteDialoghi&) = delete;

    int Esegui(QDialog& d) override { return esegui ? esegui(d) : TDialoghi::Esegui(d); }
    QString ScegliFile(QWidget*, const TSceltaFile& scelta) override { return file ? file(scelta) : QString(); }
};
