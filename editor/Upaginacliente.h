#pragma once
// Pagina "Informazioni Cliente" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaCliente : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCliente(TProgetto& progetto);
};
