#pragma once
// Finestre di messaggio vere del programma, dietro il punto unico dei messaggi.
#include "data/Umessaggi.h"

class TMessaggiBox : public TMessaggi
{
public:
    bool mostra(const TMessaggio& m) override;
};
