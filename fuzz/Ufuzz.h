#pragma once
// Ambiente comune dei bersagli di fuzzing: un'applicazione Qt senza finestre e un punto dei
// messaggi muto (un file guasto mostra il messaggio di lettura a ogni esecuzione).
#include "data/Udatabase.h"
#include "data/Umessaggi.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

class TMessaggiMuti : public TMessaggi
{
public:
    bool mostra(const TMessaggio&) override { return false; }
};

inline void PreparaAmbienteFuzz()
{
    // QCoreApplication vuole argc e argv vivi per tutto il processo; quelli di libFuzzer restano suoi.
    static int argc = 1;
    static char nome[] = "fuzz";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
    static TMessaggiMuti muti;
    TMessaggi::installa(&muti);
    // Gli avvisi di Qt sugli ingressi guasti (QBuffer::seek...) rallenterebbero ogni esecuzione.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// Il catalogo dell'alias TVLITA (o tvlita.db accanto all'eseguibile), aperto una volta per processo.
inline TDati& DatiFuzz(const char* bersaglio)
{
    static TDati* dati = [bersaglio] {
        auto* d = new TDati;
        if (!d->ApriTutto()) {
            std::fprintf(stderr, "%s: %s\n", bersaglio, qPrintable(d->UltimoErrore()));
            std::abort();
        }
        return d;
    }();
    return *dati;
}
