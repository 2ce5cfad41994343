#pragma once
// "Minimo acquisto": il taglio dei circuiti che compra meno tubo, con un limite inferiore che dice
// quanto vicino al meglio possibile si è arrivati.
//
// Stesse regole dell'ottimizzazione normale (ogni circuito da un solo pezzo, al più 8 circuiti per
// matassa, almeno lo scarto minimo su ogni matassa, piani separati con "Per Piano") e stesso
// risultato per AuxCircuiti e AuxRotoli: una riga per circuito, lunghezza della matassa e scarto
// sulla prima riga di ogni matassa, matasse per lunghezza crescente (gruppo per gruppo).
//
// Metodo: formulazione a schemi di taglio con più lunghezze di matassa. Il rilassamento lineare
// si risolve per generazione di colonne (Clp); ogni nuova colonna è il miglior schema di una
// matassa, trovato con uno zaino esatto di al più 8 pezzi (programmazione dinamica). Il limite
// inferiore viene dal rilassamento (o, se il tempo non basta a chiuderlo, dal limite lagrangiano
// dell'ultimo passo), arrotondato alla più piccola somma di matasse che lo raggiunge. Il problema
// intero sugli schemi generati lo risolve Cbc entro il tempo dato, partendo dal taglio normale:
// se non fa meglio resta il taglio normale.
#include "optimise/Ucalcolo.h"
#include "optimise/Uottimizza.h"

inline constexpr double LimiteTempoMinimo = 2.0; // secondi, valore predefinito

// Nome della quinta statistica, mostrata solo per questo calcolo.
inline QString NomeLimiteInferiore()
{
    return QCoreApplication::translate("TMinimo", "Limite inferiore [m]");
}

// Il testo della quinta statistica: metri interi, come le prime tre.
QString TestoLimiteInferiore(int metri);

struct TRisultatoMinimo
{
    // Righe di AuxCircuiti, matasse usate, totali e i quattro testi della statistica, come
    // l'ottimizzazione normale. Eseguita = false per circuiti non ammissibili (nessuna riga).
    TRisultatoOtt Risultato;
    int TotaleNormale = 0; // metri comprati dall'ottimizzazione normale sugli stessi circuiti
    int LimiteInferiore = 0; // nessun taglio ammesso compra meno di così (m)
    double Rilassamento = 0; // il limite prima dell'arrotondamento (m)
    bool ComeNormale = false; // il risolutore non ha fatto meglio: il risultato è il taglio normale
    bool Ottimo = false; // il totale coincide con il limite: nessun taglio compra meno
    bool TempoScaduto = false; // il tempo dato è finito prima che la ricerca si chiudesse
    double Secondi = 0;

    // Distanza dal limite, in percento del limite.
    double Distanza() const;
    // Il testo della quinta statistica: metri interi, come le prime tre.
    QString TestoLimite() const;
    // La distanza con due decimali, nel formato della percentuale d'avanzo.
    QString TestoDistanza() const;
};

// Il calcolo sui circuiti in ordine d'albero, con le matasse offerte nell'ordine dell'elenco.
// limiteTempo (secondi) vale per tutto il calcolo; con 0 resta il taglio normale, ma il limite
// inferiore viene comunque calcolato.
TRisultatoMinimo MinimoAcquisto(const QVector<CircuitoOtt>& circuiti, const QVector<int>& matasse, int scartoMin,
                                TOpzioneOtt opzione, double limiteTempo = LimiteTempoMinimo,
                                TProgresso& progresso = TProgresso::nullo());

struct TCalcoloMinimo
{
    TCalcoloOtt Calcolo; // esito e risultato, come per "&Calcola"
    TRisultatoMinimo Minimo; // valido con esito Eseguita
};

// "&Calcola" con "Minimo acquisto" spuntato: gli stessi controlli, le stesse tabelle e gli stessi
// indicatori dello stato di OttimizzaMatasse (Ucalcolo), con il taglio di MinimoAcquisto.
TCalcoloMinimo OttimizzaMinimo(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                               const QVector<ArticoloRotolo>& articoli, double limiteTempo = LimiteTempoMinimo,
                               TProgresso& progresso = TProgresso::nullo());
