#pragma once
// Comandi della riga di comando "tvl": ciascuno riceve i propri argomenti (senza il nome del
// comando) e restituisce il codice di uscita. Ogni comando sta in un file tvl_<nome>.cpp.
#include "data/Udatabase.h"
#include "progetto/Ustato.h"

#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

int ComandoCatalogo(const QStringList& argomenti);
int ComandoCalcola(const QStringList&);
int ComandoOttimizza(const QStringList& argomenti);
int ComandoAssegna(const QStringList& argomenti);

int ComandoInfo(const QStringList& argomenti);
int ComandoCopia(const QStringList& argomenti);
int ComandoDistinta(const QStringList& argomenti);
int ComandoDocumento(const QStringList& argomenti);
int ComandoImporta(const QStringList& argomenti);
int ComandoEsporta(const QStringList& argomenti);
int ComandoPosa(const QStringList& argomenti);
int ComandoPianta(const QStringList& argomenti);

// Pianta DXF di un piano per tvl pianta e tvl posa: 0 letta (in metri), 1 errore già scritto,
// 2 unità sconosciuta (l'uso del comando).
class TDisegno;
struct TLocaleDisegno;
int LeggiPiantaDxf(const QString& comando, const QString& percorso, const QString& unita, TDisegno& disegno);
// Il piano chiesto, o l'unico del progetto: 0, altrimenti 1 con il motivo su stderr.
int ScegliPiano(const QString& comando, const TStatoProgetto& stato, QString& piano);
QList<TLocaleDisegno> LocaliDelPiano(const TStatoProgetto& stato, const QString& piano);

// Legge un file di progetto (.tvl, .nv) e ne dà i dati generali, i locali (i soli dati d'ingresso),
// il modo e la temperatura di mandata salvati; false con l'errore già scritto su stderr.
struct TDatiGenerali;
struct TLocaleCalc;
struct TDatiEn1264;
// `en1264`, se dato, riceve bagni, carichi e dati estivi del blocco aggiuntivo.
bool LeggiProgettoPerCalcolo(const QString& percorso, TDatiGenerali& generali, std::vector<TLocaleCalc>& locali,
                             int& modoSalvato, float& mandataSalvata, TDatiEn1264* en1264 = nullptr);

// Scrive "tvl COMANDO: testo" su stderr e restituisce il codice di errore 1.
int ErroreComando(const QString& comando, const QString& testo);

// Modulo dati aperto con un progetto letto dal suo file: la base dei comandi che lavorano su un progetto.
struct TProgettoAperto
{
    TDati dati;
    TStatoProgetto stato {dati};
};
// nullptr quando il file manca, il catalogo non si apre o la lettura fallisce (motivo già scritto su stderr).
std::unique_ptr<TProgettoAperto> ApriProgetto(const QString& comando, const QString& percorso);
// I primi passi dei comandi di stampa: il progetto aperto, con almeno un locale, ricalcolato e
// (con ricostruisci) con le liste dei collettori rifatte; nullptr con il motivo su stderr.
std::unique_ptr<TProgettoAperto> ApriPerStampa(const QString& comando, const QString& percorso, bool ricostruisci);

// Scrive su stdout in UTF-8. Subito, non a blocchi: un avviso su stderr (non bufferizzato) non
// deve cadere a metà di una riga quando le due uscite vanno nello stesso file o nella stessa pipe.
inline void Stampa(const QString& testo)
{
    std::fputs(testo.toUtf8().constData(), stdout);
    std::fflush(stdout);
}
