#pragma once
// Pagina "Informazioni Cliente" della finestra di progetto: i dati del cliente in AuxInfo.
#include "editor/Upagina.h"

class TDBEdit;
class TDBMemo;
class TDBNavigator;

class TPaginaCliente : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCliente(TProgetto& progetto);

    TDBEdit* DBEdit1; // PROGETTO
    TDBEdit* DBEdit2; // COMMITTENTE
    TDBEdit* DBEdit3; // PROGETTISTA
    TDBEdit* DBEdit4; // RIF
    TDBEdit* DBEdit5; // DATA
    TDBMemo* DBMemo1; // Commento, al più 250 caratteri
    TDBNavigator* DBNavigator1;
};
