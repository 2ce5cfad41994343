#pragma once
// Pagina "Regolazione" della finestra di progetto.
#include "editor/Upagina.h"

class TPaginaRegolazione : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaRegolazione(TProgetto& progetto);

    // Calcolo e liste dei collettori ricostruite se serve.
    void Entra() override;
    // I cinque controlli che seguono ModoRegolazione (1 abilitati, 0 disabilitati).
    void AbilitaControlli(bool abilitati);
};
