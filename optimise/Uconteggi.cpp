#include "optimise/Uconteggi.h"

#include "optimise/Uimpacchetta.h"
#include "optimise/Uottimizza.h"
#include "optimise/Uscelta.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Schemi {
namespace {
const double Infinito = std::numeric_limits<double>::max();

// Il rilassamento con al più a_r matasse di ogni lunghezza r, in fase 1: righe di copertura
// (>= domanda) con una variabile artificiale di costo 1 ciascuna, righe dei numeri di matasse
// (<= a_r), schemi di costo 0. Ci stanno i circuiti se e solo se il minimo è 0. Il modello resta
// aperto da un numero di matasse all'altro: cambiano solo i lati destri, colonne e base si riusano.
class TConteggi
{
public:
    explicit TConteggi(const TProblema& p)
        : m_p(p)
        , m_lp(Clp_newModel())
    {
        Clp_setLogLevel(m_lp, 0);
        const int m = p.Tipi();
        const int righe = m + int(p.matasse.size());
        std::vector<double> basso(size_t(righe), -Infinito), alto(size_t(righe), 0.0);
        for (int j = 0; j < m; ++j) {
            basso[size_t(j)] = p.domanda[size_t(j)];
            alto[size_t(j)] = Infinito;
        }
        const CoinBigIndex inizio[1] = {0};
        Clp_loadProblem(m_lp, 0, righe, inizio, nullptr, nullptr, nullptr, nullptr, nullptr, basso.data(), alto.data());
        std::vector<CoinBigIndex> inizi;
        std::vector<int> indici;
        std::vector<double> uno(size_t(m), 1.0), zero(size_t(m), 0.0), infinito(size_t(m), Infinito);
        for (int j = 0; j < m; ++j) {
            inizi.push_back(j);
            indici.push_back(j);
        }
        inizi.push_back(m);
        Clp_addColumns(m_lp, m, zero.data(), infinito.data(), uno.data(), inizi.data(), indici.data(), uno.data());
    }
    ~TConteggi() { Clp_deleteModel(m_lp); }
    TConteggi(const TConteggi&) = delete;
    TConteggi& operator=(const TConteggi&) = delete;

    enum class Esito { CiStanno, NonCiStanno, Incerto };

    Esito Prova(const std::vector<int>& numeri, Orologio::time_point scadenza, TProgresso& progresso)
    {
        const int m = m_p.Tipi();
        std::vector<double> alto(size_t(m), Infinito);
        alto.insert(alto.end(), numeri.begin(), numeri.end());
        Clp_chgRowUpper(m_lp, alto.data());
        for (;;) {
            Clp_primal(m_lp, 0);
            if (Clp_status(m_lp) != 0)
                return Esito::Incerto;
            if (Clp_objectiveValue(m_lp) <= 1e-7)
                return Esito::CiStanno;
            const double* duali = Clp_dualRowSolution(m_lp);
            std::vector<double> y(static_cast<size_t>(m));
            for (int j = 0; j < m; ++j)
                y[size_t(j)] = std::max(0.0, duali[j]);
            bool nuovi = false;
            for (int r = 0; r < int(m_p.matasse.size()); ++r) {
                if (numeri[size_t(r)] == 0)
                    continue;
                // Uno schema della matassa r migliora se il suo valore supera il prezzo della matassa.
                const double prezzo = std::max(0.0, -duali[m + r]);
                for (TPrezzo& t : MiglioriSchemi(m_p, m_p.domanda, y, r)) {
                    if (t.valore > prezzo + 1e-9) {
                        Aggiungi(r, t.conta);
                        nuovi = true;
                    }
                }
            }
            if (!nuovi)
                return Esito::NonCiStanno;
            progresso.Respira();
            if (Orologio::now() >= scadenza)
                return Esito::Incerto;
        }
    }

private:
    void Aggiungi(int r, const std::vector<int>& conta)
    {
        std::vector<int> indici;
        std::vector<double> valori;
        for (int j = 0; j < m_p.Tipi(); ++j) {
            if (conta[size_t(j)] > 0) {
                indici.push_back(j);
                valori.push_back(conta[size_t(j)]);
            }
        }
        indici.push_back(m_p.Tipi() + r);
        valori.push_back(1);
        const CoinBigIndex inizi[2] = {0, CoinBigIndex(indici.size())};
        const double basso = 0, alto = Infinito, costo = 0;
        Clp_addColumns(m_lp, 1, &basso, &alto, &costo, inizi, indici.data(), valori.data());
    }

    const TProblema& m_p;
    Clp_Simplex* m_lp;
};

// I controlli rapidi di un numero di matasse, prima del rilassamento: per ogni soglia di lunghezza,
// i circuiti che non stanno nelle matasse più corte devono entrare, per metri e per numero, in
// quelle dalla soglia in su.
bool Possibile(const TProblema& p, const std::vector<int>& numeri)
{
    const int R = int(p.matasse.size());
    for (int r = 0; r < R; ++r) {
        long long metri = 0, pezzi = 0;
        for (int j = 0; j < p.Tipi(); ++j) {
            if (r == 0 || p.lunghezze[size_t(j)] > p.Capacita(r - 1)) {
                metri += (long long)p.lunghezze[size_t(j)] * p.domanda[size_t(j)];
                pezzi += p.domanda[size_t(j)];
            }
        }
        long long capacita = 0, posti = 0;
        for (int s = r; s < R; ++s) {
            capacita += (long long)p.Capacita(s) * numeri[size_t(s)];
            posti += (long long)MaxCircuitiPerMatassa * numeri[size_t(s)];
        }
        if (capacita < metri || posti < pezzi)
            return false;
    }
    return true;
}

// Ogni numero di matasse di costo al più "livello" a cui non si può aggiungere una matassa corta,
// dalla matassa più lunga alla più corta; "prova" ferma la ricerca con true.
template<typename F> bool Numeri(const TProblema& p, int r, long long resto, std::vector<int>& numeri, F&& prova)
{
    const long long l = p.matasse[size_t(r)];
    if (r == 0) {
        numeri[0] = int(resto / l);
        return prova(numeri);
    }
    for (long long a = resto / l; a >= 0; --a) {
        numeri[size_t(r)] = int(a);
        if (Numeri(p, r - 1, resto - a * l, numeri, prova))
            return true;
    }
    return false;
}
} // namespace

TLimiteAlzato AlzaLimite(const TProblema& p, long long limite, long long tetto, Orologio::time_point scadenza,
                         TProgresso& progresso)
{
    TConteggi conteggi(p);
    TLimiteAlzato esito;
    std::vector<int> numeri(p.matasse.size(), 0);
    while (limite < tetto) {
        // Il limite resta qui se un numero di matasse potrebbe bastare o se finisce il tempo.
        bool fermo = false;
        Numeri(p, int(p.matasse.size()) - 1, limite, numeri, [&](const std::vector<int>& n) {
            if (Orologio::now() >= scadenza)
                return fermo = true;
            if (!Possibile(p, n))
                return false;
            const auto prova = conteggi.Prova(n, scadenza, progresso);
            if (prova == TConteggi::Esito::NonCiStanno)
                return false;
            fermo = true;
            if (prova == TConteggi::Esito::Incerto)
                return true;
            // Ci stanno nel rilassamento: un terzo del tempo rimasto per cercare il taglio vero; se
            // non si trova, si provano gli altri numeri di matasse.
            const auto ora = Orologio::now();
            esito.rotoli = Impacchetta(p, n, ora + std::max((scadenza - ora) / 3, Orologio::duration::zero()));
            return !esito.rotoli.empty();
        });
        if (fermo)
            break;
        limite = ArrotondaLimite(p, double(limite + 1));
    }
    esito.limite = std::min(limite, tetto);
    return esito;
}
} // namespace Schemi
