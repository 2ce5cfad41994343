#pragma once
// Assegnazione automatica: dai circuiti ancora nell'elenco dei non assegnati propone i
// collettori, piano per piano, e li crea con le operazioni della pagina "Collettori", così il
// risultato è un'assegnazione come le altre (non confermata, ottimizzazione da rifare) che il
// progettista corregge a mano e conferma con "Tipo".
//
// Regole della proposta, in ordine di importanza:
//  1. circuiti di piani diversi mai sullo stesso collettore, al più 12 per collettore;
//  2. per ogni piano il numero minimo di collettori, ceil(circuiti / 12), con i circuiti divisi
//     in parti uguali (25 circuiti: 9, 8, 8);
//  3. i circuiti di un locale restano insieme quando i numeri lo permettono; altrimenti il
//     locale si divide sul minor numero possibile di collettori (si conta, su tutti i locali del
//     piano, quanti collettori tocca ciascuno);
//  4. fra le divisioni che rispettano 1-3, le perdite di carico dei collettori (la regola di
//     "Tipo" con il KVTA del tipo di collettore dei dati generali) ordinate dalla più grande si
//     confrontano in ordine lessicografico: vince la più bassa la più grande, a parità la più
//     bassa la seconda e così via. La più grande di un piano è sempre quella del suo circuito
//     peggiore, quindi in pratica la scelta sta nelle successive: i circuiti lunghi si
//     raccolgono su un collettore invece di alzare la perdita di tutti;
//  5. a parità di tutto resta la divisione che segue i locali nell'ordine della tabella.
// I collettori nuovi si elencano per piano (nell'ordine del primo locale di ciascun piano) e,
// dentro il piano, nell'ordine del loro primo locale; i circuiti seguono l'ordine dei locali.
// I collettori già presenti restano come sono e non ricevono circuiti.
#include <QString>
#include <QStringList>
#include <QVector>

class TAssegnazione;
class TStatoProgetto;

struct TCollettoreProposto
{
    QString nome; // al più 13 caratteri: "PT - 1", "P1 - 2"…
    QString piano;
    QStringList circuiti; // etichette, nell'ordine dei locali
};

struct TPropostaCollettori
{
    QVector<TCollettoreProposto> collettori;
    // Etichette che non indicano un locale esistente: restano nell'elenco dei non assegnati.
    QStringList senzaLocale;
    // false quando su qualche piano la ricerca esatta ha superato il suo limite di passi e la
    // proposta è la migliore trovata fino a quel momento.
    bool esatta = true;
};

// Proposta per i circuiti dell'elenco dei non assegnati di a, senza toccare a. kvta è il
// coefficiente del tipo di collettore; con kvta <= 0 la perdita del collettore non si può
// calcolare e le divisioni si confrontano sulla sola perdita dei circuiti.
TPropostaCollettori ProponiCollettori(const TAssegnazione& a, double kvta);

// Crea i collettori della proposta in coda all'albero e vi collega i circuiti con "Nuovo" e
// "<<" del modello (stesse regole, stessi segnali, conferma e ottimizzazione tolte). Restituisce
// il numero di collettori creati.
int ApplicaProposta(TAssegnazione& a, const TPropostaCollettori& proposta);

// Il pulsante "Assegna automaticamente" (BitBtnAssegna) della pagina "Collettori": propone i
// collettori per i circuiti non assegnati con il tipo di collettore dei dati generali
// (AuxDGenerali.RIF_COLL) e li crea nell'assegnazione dello stato, con la clessidra.
// Con l'elenco vuoto non fa nulla. true se l'assegnazione è cambiata.
bool AssegnaAutomaticamente(TStatoProgetto& stato, TPropostaCollettori* proposta = nullptr);

// Nome del collettore numero n di un piano: il testo del piano (senza spazi ai lati, tagliato
// quanto serve) + " - " + n, al più 13 caratteri.
QString NomeCollettoreAutomatico(const QString& piano, int numero);
