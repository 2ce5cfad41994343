#pragma once
// Avanzamento che conta i passi: i test verificano titolo, massimo e passi riportati.
#include "data/Uprogresso.h"

class TProgressoContato : public TProgresso
{
public:
    void Inizia(const QString& t, int m) override
    {
        titolo = t;
        massimo = m;
        passi = 0;
    }
    void Passo() override { ++passi; }
    void Fine() override { ++fini; }
    QString titolo;
    int massimo = 0, passi = 0, fini = 0;
};
