#pragma once
// Gli schemi di taglio di "minimo acquisto": il problema di un gruppo ridotto ai suoi numeri, il
// rilassamento lineare per generazione di colonne (Clp) e gli schemi in più per il problema intero.
// Uso interno di optimise/.
#include <Clp_C_Interface.h>

#include <chrono>
#include <set>
#include <tuple>
#include <vector>

class TProgresso;

namespace Schemi {
using Orologio = std::chrono::steady_clock;

// Un gruppo ridotto ai suoi numeri: circuiti uguali per lunghezza sono intercambiabili.
struct TProblema
{
    std::vector<int> lunghezze; // tipi di circuito, lunghezze crescenti
    std::vector<int> domanda; // circuiti di ogni tipo
    std::vector<int> matasse; // lunghezze distinte crescenti
    int scarto = 0;

    int Capacita(int r) const { return matasse[size_t(r)] - scarto; }
    int Tipi() const { return int(lunghezze.size()); }
};

// Uno schema di taglio: una lunghezza di matassa e quanti circuiti di ogni tipo ne escono.
struct TSchema
{
    int matassa = 0;
    std::vector<int> conta;

    bool operator<(const TSchema& o) const { return std::tie(matassa, conta) < std::tie(o.matassa, o.conta); }
};

// Una matassa tagliata: indice della lunghezza e tipi dei circuiti che ne escono.
struct TRotolo
{
    int matassa = 0;
    std::vector<int> tipi;
};

int Somma(const TProblema& p, const TRotolo& r); // metri di circuito tagliati dalla matassa
long long Costo(const TProblema& p, const std::vector<TRotolo>& rotoli); // metri di matassa comprati
// Il massimo comun divisore delle matasse: ogni totale ne è un multiplo.
int PassoMatasse(const TProblema& p);

// Uno schema con il suo valore ai duali dati.
struct TPrezzo
{
    double valore = 0;
    std::vector<int> conta;
};

// Per ogni numero di pezzi da 1 a 8, lo schema della matassa r di valore più alto ai duali y (zaino
// esatto), con non più circuiti di un tipo della domanda.
std::vector<TPrezzo> MiglioriSchemi(const TProblema& p, const std::vector<int>& domanda, const std::vector<double>& y,
                                    int r);

// L'esito di una generazione di colonne.
struct TRilassamento
{
    double limite = 0; // limite inferiore (m)
    bool chiuso = false; // nessuno schema migliora più: il limite è l'ottimo del rilassamento
    double valore = 0; // valore del rilassamento sugli schemi generati
    std::vector<double> duali; // gli ultimi valori duali dei tipi
    double duale = 0; // d·y con questi duali
};

// Il problema principale in Clp: una riga per tipo di circuito (copertura >= domanda), una colonna
// per schema. Resta aperto fra una risoluzione e l'altra, così le colonne e la base si riusano
// quando la domanda cambia (circuiti già assegnati).
class TMaestro
{
public:
    TMaestro(const TProblema& p, std::vector<TSchema>& schemi);
    ~TMaestro();
    TMaestro(const TMaestro&) = delete;
    TMaestro& operator=(const TMaestro&) = delete;

    // Rilassamento lineare per generazione di colonne con la domanda data, al più "giri" passi.
    TRilassamento Genera(const std::vector<int>& domanda, Orologio::time_point scadenza, TProgresso& progresso,
                         int giri = 5000);
    // Quante volte la soluzione del rilassamento usa ogni schema.
    std::vector<double> Primale() const;
    // Uno schema nuovo entra nell'elenco (e nel modello alla prossima risoluzione); l'indice di
    // quello uguale se c'è già.
    size_t Aggiungi(TSchema s);

private:
    void Sincronizza();

    const TProblema& m_p;
    std::vector<TSchema>& m_schemi;
    std::set<TSchema> m_visti;
    Clp_Simplex* m_lp;
    size_t m_colonne = 0; // schemi già nel modello
};

// Gli schemi di partenza: ogni tipo da solo sulla matassa più corta che lo regge, così il
// rilassamento ha sempre una soluzione.
std::vector<TSchema> SchemiIniziali(const TProblema& p);

// Quante volte ogni schema compare fra le matasse date; gli schemi che mancano si aggiungono.
std::vector<int> UsoDaRotoli(const TProblema& p, const std::vector<TRotolo>& rotoli, TMaestro& maestro,
                             const std::vector<TSchema>& schemi);

// Schemi in più per il problema intero: al più "massimo", i migliori di costo ridotto entro la
// soglia ai duali y, uno per numero di pezzi e somma.
void Arricchisci(const TProblema& p, const std::vector<double>& y, double soglia, size_t massimo, TMaestro& maestro,
                 const std::vector<TSchema>& schemi);

// Il più piccolo totale di matasse (somma di lunghezze offerte) non inferiore al limite.
long long ArrotondaLimite(const TProblema& p, double limite);
} // namespace Schemi
