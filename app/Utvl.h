#pragma once
// Comandi della riga di comando "tvl": ciascuno riceve i propri argomenti (senza il nome del
// comando) e restituisce il codice di uscita. Ogni comando sta in un file tvl_<nome>.cpp.
#include <QStringList>

#include <cstdio>

int ComandoCatalogo(const QStringList& argomenti);
int ComandoCalcola(const QStringList&);
int ComandoOttimizza(const QStringList& argomenti);

// Scrive su stdout in UTF-8.
inline void Stampa(const QString& testo)
{
    std::fputs(testo.toUtf8().constData(), stdout);
}
