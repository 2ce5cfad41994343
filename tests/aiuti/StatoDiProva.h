#pragma once
// Catalogo aperto e stato di un progetto vuoto, rifatti a ogni funzione di test: la classe di test
// ne deriva, chiama ApriStato() in init() e ChiudiStato() in cleanup().
#include "data/Udatabase.h"
#include "progetto/Ustato.h"

#include <QTest>

class TConStatoDiProva
{
protected:
    void ApriStato()
    {
        dati = new TDati;
        QVERIFY2(dati->ApriTutto(), qPrintable(dati->UltimoErrore()));
        stato = new TStatoProgetto(*dati);
    }
    void ChiudiStato()
    {
        delete stato;
        delete dati;
        stato = nullptr;
        dati = nullptr;
    }

    TDati* dati = nullptr;
    TStatoProgetto* stato = nullptr;
};
