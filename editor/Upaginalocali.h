#pragma once
// Pagina "Locali" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaLocali : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaLocali(TProgetto& progetto);
};
