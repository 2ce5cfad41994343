#pragma once
// Pagina "Dati Generali Impianto" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaDatiGenerali : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaDatiGenerali(TProgetto& progetto);
};
