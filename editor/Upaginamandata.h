#pragma once
// Pagina "T Mandata Progetto" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaMandata : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaMandata(TProgetto& progetto);

    // Il calcolo gira prima di preparare e riempire la pagina.
    void Entra() override;
};
