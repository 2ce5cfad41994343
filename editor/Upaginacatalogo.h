#pragma once
// Pagina "Catalogo" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaCatalogo : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCatalogo(TProgetto& progetto);

    // Le due caselle di ricerca si svuotano.
    void Entra() override { Reimposta(); }
    // Ricerca riportata allo stato iniziale (anche dopo la lettura di un progetto).
    void Reimposta();
};
