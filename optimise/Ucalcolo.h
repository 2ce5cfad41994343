#pragma once
// L'ottimizzazione delle matasse sul progetto aperto: i circuiti presi dall'assegnazione ai
// collettori, le impostazioni con cui si apre la finestra e il calcolo del pulsante "&Calcola"
// (controlli, taglio, AuxCircuiti, AuxRotoli, indicatori dello stato), senza finestre.
#include "optimise/Uottimizza.h"

#include <functional>

class TAssegnazione;
class TStatoProgetto;

// "Ottimizzazione Circuiti" della pagina dei collettori: la finestra si apre solo con tutti i
// circuiti assegnati, almeno un collettore e nessun collettore vuoto; altrimenti l'avviso e false.
bool ControllaAssegnazioneOtt(const TAssegnazione& assegnazione);

// I circuiti dell'albero dei collettori in ordine d'albero. Un'etichetta che non rimanda a un
// locale esistente dà un circuito di lunghezza nulla (che il controllo dei circuiti nulli ferma).
QVector<CircuitoOtt> CircuitiOttimizzazione(const TAssegnazione& assegnazione);

// Le lunghezze che i controlli confrontano con le matasse, nell'ordine dei locali: LAs di ogni
// locale e, con ModoTMandata "Con Area Marginale", anche LAm.
QVector<double> LunghezzeLocali(const TStatoProgetto& stato);

// Le scelte della finestra: matasse spuntate (lunghezze, nell'ordine dell'elenco), scarto minimo,
// opzione.
struct TImpostazioniOtt
{
    QVector<int> Matasse;
    int ScartoMin = 0;
    TOpzioneOtt Opzione = TOpzioneOtt::Totale;
};

// Le impostazioni all'apertura della finestra: con l'ottimizzazione eseguita quelle salvate
// (matasse incluse di AuxRotoli, scarto e opzione dello stato), altrimenti tutte le lunghezze
// degli articoli del tubo, scarto 0 e "Totale".
TImpostazioniOtt ImpostazioniIniziali(const TStatoProgetto& stato, TDati& dati,
                                      const QVector<ArticoloRotolo>& articoli);

enum class TEsitoOtt {
    Eseguita, // tabelle scritte, stato aggiornato
    NessunaMatassa, // nessuna matassa spuntata: statistica vuota, nessun messaggio
    Bloccata, // un controllo ha mostrato il suo avviso: nulla è stato tagliato
    Errore // una riga non è stata scritta
};

struct TCalcoloOtt
{
    TEsitoOtt Esito = TEsitoOtt::Bloccata;
    TRisultatoOtt Risultato;
};

// "&Calcola": svuota AuxCircuiti, controlla numero e lunghezze dei circuiti, taglia, scrive
// AuxCircuiti e riscrive AuxRotoli dagli articoli del tubo; con esito Eseguita imposta
// OttimizzazioneEseguita, StatOttimizzazione, OpzioneOttimizzazione e ScartoMinMatassa, con ogni
// altro esito lascia OttimizzazioneEseguita a false.
TCalcoloOtt OttimizzaMatasse(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                             const QVector<ArticoloRotolo>& articoli, TProgresso& progresso = TProgresso::nullo());

// Il taglio dei circuiti già controllati con le impostazioni date.
using TTaglioOtt = std::function<TRisultatoOtt(const QVector<CircuitoOtt>&, const TImpostazioniOtt&, TProgresso&)>;

// Lo stesso calcolo con un altro taglio al posto di quello normale (il "Minimo acquisto").
TCalcoloOtt CalcolaOttimizzazione(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                                  const QVector<ArticoloRotolo>& articoli, const TTaglioOtt& taglio,
                                  TProgresso& progresso = TProgresso::nullo());
