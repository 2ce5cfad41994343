#pragma once
// Comandi della riga di comando "tvl": ciascuno riceve i propri argomenti (senza il nome del
// comando) e restituisce il codice di uscita. Ogni comando sta in un file tvl_<nome>.cpp.
#include <QStringList>

#include <cstdio>
#include <vector>

int ComandoCatalogo(const QStringList& argomenti);
int ComandoCalcola(const QStringList&);
int ComandoOttimizza(const QStringList& argomenti);

int ComandoInfo(const QStringList& argomenti);
int ComandoCopia(const QStringList& argomenti);
int ComandoDistinta(const QStringList& argomenti);
int ComandoDocumento(const QStringList& argomenti);

// Legge un file di progetto (.tvl, .nv) e ne dà i dati generali, i locali (i soli dati d'ingresso),
// il modo e la temperatura di mandata salvati; false con l'errore già scritto su stderr.
struct TDatiGenerali;
struct TLocaleCalc;
bool LeggiProgettoPerCalcolo(const QString& percorso, TDatiGenerali& generali, std::vector<TLocaleCalc>& locali,
                             int& modoSalvato, float& mandataSalvata);

// Scrive su stdout in UTF-8.
inline void Stampa(const QString& testo)
{
    std::fputs(testo.toUtf8().constData(), stdout);
}
