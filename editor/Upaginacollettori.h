#pragma once
// Pagina "Collettori" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaCollettori : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCollettori(TProgetto& progetto);

    // Caselle del collettore svuotate, calcolo, liste dei collettori ricostruite se serve.
    void Entra() override;
    // Dopo la lettura di un progetto: il nome proposto dal dialogo dei collettori si svuota.
    void SvuotaNomeCollettore();
};
