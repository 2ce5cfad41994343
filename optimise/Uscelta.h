#pragma once
// Scelta della combinazione di circuiti da tagliare da una matassa.
//
// La regola di scelta è quella della ricerca esaustiva: combinazioni da 1 a 8 circuiti, k crescente,
// matasse nell'ordine dell'elenco, combinazioni in ordine lessicografico delle posizioni; il primo
// riempimento esatto (somma = lunghezza − scarto minimo) vince subito, altrimenti vince il
// riempimento (in singola precisione) strettamente migliore con avanzo utile > 0, e a parità resta
// il candidato trovato prima. Qui la stessa scelta si ottiene senza enumerare le combinazioni:
// una programmazione dinamica sui suffissi dell'elenco dice, per ogni numero di circuiti, quali
// somme sono raggiungibili, e la ricostruzione prende la prima combinazione in ordine
// lessicografico con la somma voluta.
#include <vector>

// Massimo numero di circuiti tagliati da una sola matassa.
inline constexpr int MaxCircuitiPerMatassa = 8;

struct TScelta
{
    int matassa = -1; // indice nell'elenco delle matasse, -1 = nessuna combinazione ammessa
    std::vector<int> posizioni; // posizioni crescenti nell'elenco dei circuiti
    int somma = 0;
    bool esatta = false; // riempimento esatto fino allo scarto minimo
};

// lunghezze: i circuiti ancora da tagliare nell'ordine dell'elenco (interi >= 0);
// matasse: le lunghezze dei tipi di matassa nell'ordine dell'elenco.
TScelta ScegliCombinazione(const std::vector<int>& lunghezze, const std::vector<int>& matasse, int scartoMin);

// Riempimento di una matassa come lo confronta la ricerca: quoziente arrotondato in singola precisione.
inline float Riempimento(int somma, int lunghezzaMatassa)
{
    return static_cast<float>(static_cast<double>(somma) / static_cast<double>(lunghezzaMatassa));
}
