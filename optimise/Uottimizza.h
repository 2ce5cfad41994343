#pragma once
// Ottimizzazione delle matasse: da quale matassa si taglia ogni circuito del progetto.
//
// Il nucleo lavora su dati semplici (circuiti in ordine d'albero, lunghezze delle matasse, scarto
// minimo, opzione) e restituisce le righe di AuxCircuiti, l'uso delle matasse, i totali e i
// quattro testi della statistica; le funzioni in fondo scrivono il risultato nelle tabelle di
// lavoro. I controlli preliminari mostrano i loro messaggi e dicono se si può procedere.
#include "data/Uprogresso.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class TDati;

// Un circuito da tagliare.
struct CircuitoOtt
{
    QString Descr; // i 40 caratteri dell'etichetta dal quarto: uno spazio e i primi 39 del nome
    int LCircuito = 0; // metri, arrotondati per eccesso
    QString Coll; // nome del collettore
    QString Piano;
};

// Un tipo di matassa offerto all'ottimizzazione.
struct MatassaOtt
{
    int Lunghezza = 0;
    int Usate = 0;
};

enum class TOpzioneOtt { Totale = 0, PerPiano = 1 };

// Una riga di AuxCircuiti: lunghezza della matassa e scarto solo sul primo circuito di ogni matassa.
struct RigaCircuito
{
    int ID = 0;
    std::optional<int> L_Rotolo;
    std::optional<int> Scarto;
    int L_Circuito = 0;
    QString Descr_Circuito;
    QString Coll;
    QString Piano;

    bool operator==(const RigaCircuito&) const = default;
};

// Un articolo del tubo del progetto (una riga per lunghezza di matassa, in ordine di lunghezza).
struct ArticoloRotolo
{
    int Conf = 0; // lunghezza della matassa, m
    QString Codice;
};

// Una riga di AuxRotoli.
struct RigaRotolo
{
    int ID = 0;
    QString Cod_Esteso;
    int Rotolo = 0;
    int Quanti = 0;
    bool Incluso = false;

    bool operator==(const RigaRotolo&) const = default;
};

struct TRisultatoOtt
{
    // false quando i circuiti non sono ammissibili (vedi OttimizzaMatasse): nulla è stato tagliato.
    bool Eseguita = false;
    QVector<RigaCircuito> Circuiti;
    QVector<MatassaOtt> Matasse; // i tipi offerti, con le matasse usate
    int TotaleMatasse = 0;
    int TotaleUtilizzato = 0;
    QStringList Statistica; // "Totale [m]", "Utilizzato [m]", "Avanzo [m]", "Avanzo Perc. [%]"
};

// Lunghezza d'un circuito come la usa l'ottimizzazione: metri interi arrotondati per eccesso.
int LunghezzaCircuito(double metri);

// Le matasse offerte, nell'ordine dato, con l'uso azzerato.
QVector<MatassaOtt> TipiMatassa(const QVector<int>& lunghezze);

// Taglia un gruppo di circuiti: ordinamento stabile per lunghezza, poi una matassa per volta con la
// combinazione scelta dalla ricerca. Aggiunge le righe e i totali a ris e l'uso alle matasse.
// false se un passo non trova alcuna combinazione (circuiti di lunghezza nulla o più lunghi di
// ogni matassa meno lo scarto): i circuiti restanti non vengono tagliati.
bool ImpacchettaGruppo(QVector<CircuitoOtt> gruppo, QVector<MatassaOtt>& matasse, int scartoMin, TRisultatoOtt& ris,
                       TProgresso& progresso);

// I gruppi da impacchettare, come indici nell'elenco: uno solo con "Totale"; con "Per Piano" uno
// per piano, nell'ordine in cui i piani compaiono, ciascuno con i suoi circuiti in ordine d'albero.
QVector<QVector<int>> GruppiOttimizzazione(const QVector<CircuitoOtt>& circuiti, TOpzioneOtt opzione);

// Tutta l'ottimizzazione sui circuiti in ordine d'albero. Rifiuta in partenza (Eseguita = false,
// nessuna riga) un elenco con circuiti di lunghezza nulla o più lunghi della matassa più lunga meno
// lo scarto, che la ricerca non saprebbe mai collocare: la finestra lo evita con i controlli.
// Il progresso ha per massimo il numero di circuiti e avanza di uno per circuito tagliato.
TRisultatoOtt OttimizzaMatasse(const QVector<CircuitoOtt>& circuiti, const QVector<int>& matasse, int scartoMin,
                               TOpzioneOtt opzione, TProgresso& progresso = TProgresso::nullo());

// I quattro testi della statistica: tre interi e la percentuale d'avanzo con due decimali.
QStringList TestiStatistica(int totaleMatasse, int totaleUtilizzato);

// Riepilogo delle matasse: una riga per articolo del tubo; Quanti e Incluso dal tipo offerto di
// uguale lunghezza (ogni tipo offerto vale per un solo articolo, il primo di quella lunghezza).
QVector<RigaRotolo> RigheRotoli(const QVector<ArticoloRotolo>& articoli, const QVector<MatassaOtt>& matasse);

// Controlli prima del calcolo: ciascuno mostra il suo avviso e restituisce false quando blocca.
namespace MessaggiOtt {
inline QString TroppiCircuiti()
{
    return QCoreApplication::translate("MessaggiOtt",
                                       "Non è possibile fare l'ottimizzazione dei circuiti con più di 200 anelli.");
}
inline QString CircuitiTroppoLunghi()
{
    return QCoreApplication::translate("MessaggiOtt",
                                       "Non è possibile fare l'ottimizzazione dei circuiti.\n\n"
                                       "Alcuni circuiti sono più lunghi della matassa disponibile.");
}
inline QString ScartoTroppoGrande()
{
    return QCoreApplication::translate("MessaggiOtt",
                                       "Non è possibile fare l'ottimizzazione dei circuiti.\n\n"
                                       "Occorre rivedere lo scarto minimo scelto per le matasse.");
}
inline QString CircuitiNulli()
{
    return QCoreApplication::translate("MessaggiOtt",
                                       "Non è possibile fare l'ottimizzazione dei circuiti.\n\n"
                                       "Alcuni circuiti hanno lunghezza nulla.");
}
} // namespace MessaggiOtt

inline constexpr int MaxCircuitiOttimizzazione = 200;

// Più di 200 circuiti.
bool ControllaNumeroCircuiti(int numCircuiti);
// Le lunghezze dei locali (LAs, e LAm con l'area marginale) in ordine: prima tutte entro la
// matassa più lunga, poi tutte entro la matassa più lunga meno lo scarto minimo.
bool ControllaLunghezzeLocali(const QVector<double>& lunghezze, const QVector<int>& matasse, int scartoMin);
// Circuiti di lunghezza nulla (o negativa).
bool ControllaCircuitiNulli(const QVector<CircuitoOtt>& circuiti);

// Tabelle di lavoro.
// Gli articoli del tubo rif: "CONF,CODICE from TUBO" in ordine di CONF, letti con Query1.
// false (elenco vuoto) se la query fallisce.
bool LeggiArticoliRotolo(TDati& dati, const QString& rifTubo, QVector<ArticoloRotolo>& articoli);
// Svuota AuxCircuiti e vi scrive le righe; false se una riga è rifiutata.
bool ScriviAuxCircuiti(TDati& dati, const QVector<RigaCircuito>& righe);
// Svuota AuxRotoli e vi scrive le righe.
bool ScriviAuxRotoli(TDati& dati, const QVector<RigaRotolo>& righe);
// Righe memorizzate (per la riga di comando e i test).
QVector<RigaCircuito> LeggiAuxCircuiti(TDati& dati);
QVector<RigaRotolo> LeggiAuxRotoli(TDati& dati);
