#include "optimise/Uschemi.h"

#include "optimise/Uottimizza.h"
#include "optimise/Uscelta.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace Schemi {
namespace {
const double Infinito = std::numeric_limits<double>::max();

// Zaino 0-1 esatto sulle copie dei circuiti di valore positivo (le altre non alzano il valore),
// con il numero di pezzi come seconda dimensione: per ogni k da 1 a 8 e ogni somma c fino alla
// capacità della matassa r, il valore massimo di k circuiti che sommano esattamente c.
class TZaino
{
public:
    TZaino(const TProblema& p, const std::vector<int>& domanda, const std::vector<double>& y, int r)
        : m_p(p)
        , m_cap(p.Capacita(r))
        , m_w(size_t(m_cap) + 1)
        , m_strato(size_t(MaxCircuitiPerMatassa + 1) * m_w)
    {
        const int K = MaxCircuitiPerMatassa;
        for (int j = 0; j < p.Tipi(); ++j) {
            const int l = p.lunghezze[size_t(j)];
            if (y[size_t(j)] <= 1e-9 || l > m_cap || domanda[size_t(j)] <= 0)
                continue;
            m_copie.insert(m_copie.end(), size_t(std::min({domanda[size_t(j)], K, m_cap / l})), j);
        }
        m_dp.assign(m_strato, Nulla);
        m_presa.assign(m_copie.size() * m_strato, 0);
        m_dp[0] = 0;
        for (size_t i = 0; i < m_copie.size(); ++i) {
            const int l = p.lunghezze[size_t(m_copie[i])];
            const double v = y[size_t(m_copie[i])];
            std::uint8_t* pr = m_presa.data() + i * m_strato;
            // Ogni strato k legge solo lo strato k − 1: scorrendo k all'indietro ogni copia entra al
            // più una volta, e dentro uno strato il ciclo non ha dipendenze (si vettorizza).
            for (int k = std::min(K, int(i) + 1); k >= 1; --k) {
                double* __restrict qui = m_dp.data() + size_t(k) * m_w;
                const double* __restrict prima = m_dp.data() + size_t(k - 1) * m_w;
                std::uint8_t* __restrict presa = pr + size_t(k) * m_w;
                for (int c = l; c <= m_cap; ++c) {
                    const double cand = prima[c - l] + v; // −∞ + v resta −∞
                    const bool meglio = cand > qui[c];
                    qui[c] = meglio ? cand : qui[c];
                    presa[c] = meglio;
                }
            }
        }
    }

    static constexpr double Nulla = -std::numeric_limits<double>::infinity();

    int Capacita() const { return m_cap; }
    double Valore(int k, int c) const { return m_dp[size_t(k) * m_w + size_t(c)]; }

    std::vector<int> Schema(int k, int c) const
    {
        std::vector<int> conta(size_t(m_p.Tipi()), 0);
        for (size_t i = m_copie.size(); i-- > 0 && k > 0;) {
            if (m_presa[i * m_strato + size_t(k) * m_w + size_t(c)]) {
                ++conta[size_t(m_copie[i])];
                c -= m_p.lunghezze[size_t(m_copie[i])];
                --k;
            }
        }
        return conta;
    }

    // Il miglior schema per ogni numero di pezzi.
    std::vector<TPrezzo> Migliori() const
    {
        std::vector<TPrezzo> prezzi;
        for (int k = 1; k <= MaxCircuitiPerMatassa; ++k) {
            int migliore = -1;
            for (int c = 0; c <= m_cap; ++c)
                if (Valore(k, c) != Nulla && (migliore < 0 || Valore(k, c) > Valore(k, migliore)))
                    migliore = c;
            if (migliore >= 0)
                prezzi.push_back({Valore(k, migliore), Schema(k, migliore)});
        }
        return prezzi;
    }

private:
    const TProblema& m_p;
    int m_cap;
    size_t m_w;
    size_t m_strato;
    std::vector<int> m_copie; // tipo di ogni copia
    std::vector<double> m_dp;
    std::vector<std::uint8_t> m_presa; // per copia: la copia è entrata nel valore di (k, c)
};

void AggiungiColonne(Clp_Simplex* lp, const TProblema& p, const std::vector<TSchema>& schemi, size_t da)
{
    std::vector<double> basso, alto, costo, elementi;
    std::vector<CoinBigIndex> inizi {0};
    std::vector<int> righe;
    for (size_t s = da; s < schemi.size(); ++s) {
        basso.push_back(0);
        alto.push_back(Infinito);
        costo.push_back(p.matasse[size_t(schemi[s].matassa)]);
        for (int j = 0; j < p.Tipi(); ++j) {
            if (schemi[s].conta[size_t(j)] > 0) {
                righe.push_back(j);
                elementi.push_back(schemi[s].conta[size_t(j)]);
            }
        }
        inizi.push_back(CoinBigIndex(righe.size()));
    }
    if (!basso.empty())
        Clp_addColumns(lp, int(basso.size()), basso.data(), alto.data(), costo.data(), inizi.data(), righe.data(),
                       elementi.data());
}

} // namespace

int Somma(const TProblema& p, const TRotolo& r)
{
    int s = 0;
    for (int t : r.tipi)
        s += p.lunghezze[size_t(t)];
    return s;
}

long long Costo(const TProblema& p, const std::vector<TRotolo>& rotoli)
{
    long long c = 0;
    for (const auto& r : rotoli)
        c += p.matasse[size_t(r.matassa)];
    return c;
}

std::vector<TPrezzo> MiglioriSchemi(const TProblema& p, const std::vector<int>& domanda, const std::vector<double>& y,
                                    int r)
{
    return TZaino(p, domanda, y, r).Migliori();
}

int PassoMatasse(const TProblema& p)
{
    int passo = 0;
    for (int l : p.matasse)
        passo = std::gcd(passo, l);
    return passo;
}

TMaestro::TMaestro(const TProblema& p, std::vector<TSchema>& schemi)
    : m_p(p)
    , m_schemi(schemi)
    , m_visti(schemi.begin(), schemi.end())
    , m_lp(Clp_newModel())
{
    Clp_setLogLevel(m_lp, 0);
    const int m = p.Tipi();
    std::vector<double> basso(p.domanda.begin(), p.domanda.end());
    std::vector<double> alto(size_t(m), Infinito);
    const CoinBigIndex inizio[1] = {0};
    Clp_loadProblem(m_lp, 0, m, inizio, nullptr, nullptr, nullptr, nullptr, nullptr, basso.data(), alto.data());
    AggiungiColonne(m_lp, p, schemi, 0);
    m_colonne = schemi.size();
}
TMaestro::~TMaestro()
{
    Clp_deleteModel(m_lp);
}

// Il limite vale per ogni y >= 0 (dualità debole): con v_r il valore del miglior schema della
// matassa r, y/θ con θ = max(1, max v_r / L_r) è ammissibile per il duale, quindi d·y/θ non supera
// alcun taglio. A generazione chiusa coincide con l'ottimo del rilassamento.
TRilassamento TMaestro::Genera(const std::vector<int>& domanda, Orologio::time_point scadenza, TProgresso& progresso,
                               int giri)
{
    TRilassamento ril;
    Sincronizza();
    const int m = m_p.Tipi();
    std::vector<double> basso(domanda.begin(), domanda.end());
    Clp_chgRowLower(m_lp, basso.data());
    // Solo gli schemi che non tagliano più circuiti di un tipo di quanti ne restano: gli altri
    // costano uguale al rilassamento ma lascerebbero matasse mezze vuote.
    std::vector<double> alto(m_colonne);
    for (size_t i = 0; i < m_colonne; ++i) {
        bool entra = true;
        for (int j = 0; j < m && entra; ++j)
            entra = m_schemi[i].conta[size_t(j)] <= domanda[size_t(j)];
        alto[i] = entra ? Infinito : 0.0;
    }
    Clp_chgColumnUpper(m_lp, alto.data());
    std::vector<double>& y = ril.duali;
    y.assign(size_t(m), 0);
    for (int giro = 0;; ++giro) {
        Clp_primal(m_lp, 0);
        if (Clp_status(m_lp) != 0)
            break;
        ril.valore = Clp_objectiveValue(m_lp);
        if (giro >= giri)
            break;
        const double* duali = Clp_dualRowSolution(m_lp);
        double dy = 0;
        for (int j = 0; j < m; ++j) {
            y[size_t(j)] = std::max(0.0, duali[j]);
            dy += y[size_t(j)] * domanda[size_t(j)];
        }
        double theta = 1;
        const size_t prima = m_schemi.size();
        for (int r = 0; r < int(m_p.matasse.size()); ++r) {
            const double costo = m_p.matasse[size_t(r)];
            for (TPrezzo& t : TZaino(m_p, domanda, y, r).Migliori()) {
                theta = std::max(theta, t.valore / costo);
                if (costo - t.valore < -1e-7 * costo)
                    Aggiungi({r, std::move(t.conta)});
            }
        }
        ril.duale = dy;
        ril.limite = std::max(ril.limite, dy / theta);
        if (m_schemi.size() == prima) {
            ril.chiuso = true;
            break;
        }
        Sincronizza();
        progresso.Respira();
        if (Orologio::now() >= scadenza)
            break;
    }
    return ril;
}

std::vector<double> TMaestro::Primale() const
{
    const double* x = Clp_getColSolution(m_lp);
    return std::vector<double>(x, x + m_colonne);
}

size_t TMaestro::Aggiungi(TSchema s)
{
    if (m_visti.insert(s).second) {
        m_schemi.push_back(std::move(s));
        return m_schemi.size() - 1;
    }
    return size_t(std::find_if(m_schemi.begin(), m_schemi.end(),
                               [&s](const TSchema& x) { return x.matassa == s.matassa && x.conta == s.conta; })
                  - m_schemi.begin());
}

void TMaestro::Sincronizza()
{
    AggiungiColonne(m_lp, m_p, m_schemi, m_colonne);
    m_colonne = m_schemi.size();
}

// Gli schemi di partenza: ogni tipo da solo sulla matassa più corta che lo regge, così il
// rilassamento ha sempre una soluzione.
std::vector<TSchema> SchemiIniziali(const TProblema& p)
{
    std::vector<TSchema> schemi;
    for (int j = 0; j < p.Tipi(); ++j) {
        for (int r = 0; r < int(p.matasse.size()); ++r) {
            if (p.Capacita(r) >= p.lunghezze[size_t(j)]) {
                schemi.push_back({r, std::vector<int>(size_t(p.Tipi()), 0)});
                schemi.back().conta[size_t(j)] = 1;
                break;
            }
        }
    }
    return schemi;
}

// Quante volte ogni schema compare fra le matasse date; gli schemi che mancano si aggiungono.
std::vector<int> UsoDaRotoli(const TProblema& p, const std::vector<TRotolo>& rotoli, TMaestro& maestro,
                             const std::vector<TSchema>& schemi)
{
    std::vector<int> uso;
    for (const TRotolo& r : rotoli) {
        TSchema s {r.matassa, std::vector<int>(size_t(p.Tipi()), 0)};
        for (int t : r.tipi)
            ++s.conta[size_t(t)];
        const size_t i = maestro.Aggiungi(std::move(s));
        uso.resize(schemi.size(), 0);
        ++uso[i];
    }
    uso.resize(schemi.size(), 0);
    return uso;
}

// Schemi in più per il problema intero. Per ogni soluzione intera x vale c·x >= y·d + Σ cr·x,
// con cr il costo ridotto degli schemi ai duali y: una soluzione che supera il rilassamento di al
// più "soglia" usa solo schemi di costo ridotto entro la soglia. Di questi se ne aggiunge uno per
// ogni numero di pezzi e ogni somma (il migliore), fino a "massimo" schemi.
void Arricchisci(const TProblema& p, const std::vector<double>& y, double soglia, size_t massimo, TMaestro& maestro,
                 const std::vector<TSchema>& schemi)
{
    struct TCandidato
    {
        double ridotto;
        int matassa, k, c;
    };
    std::vector<TCandidato> candidati;
    std::vector<TZaino> zaini;
    for (int r = 0; r < int(p.matasse.size()); ++r) {
        zaini.emplace_back(p, p.domanda, y, r);
        const TZaino& z = zaini.back();
        for (int k = 1; k <= MaxCircuitiPerMatassa; ++k)
            for (int c = 0; c <= z.Capacita(); ++c)
                if (z.Valore(k, c) != TZaino::Nulla && p.matasse[size_t(r)] - z.Valore(k, c) <= soglia)
                    candidati.push_back({p.matasse[size_t(r)] - z.Valore(k, c), r, k, c});
    }
    std::sort(candidati.begin(), candidati.end(),
              [](const TCandidato& a, const TCandidato& b) { return a.ridotto < b.ridotto; });
    size_t aggiunti = 0;
    for (const TCandidato& t : candidati) {
        if (aggiunti >= massimo)
            break;
        const size_t prima = schemi.size();
        if (maestro.Aggiungi({t.matassa, zaini[size_t(t.matassa)].Schema(t.k, t.c)}) == prima)
            ++aggiunti;
    }
}

// Il più piccolo totale di matasse (somma di lunghezze offerte) non inferiore al limite.
long long ArrotondaLimite(const TProblema& p, double limite)
{
    // Il margine assorbe gli errori di arrotondamento del simplesso sul limite.
    const long long minimo = (long long)std::ceil(limite - 1e-6 * std::max(1.0, limite));
    if (minimo <= 0)
        return 0;
    const int massima = p.matasse.back();
    std::vector<char> raggiunto(size_t(minimo + massima) + 1, 0);
    raggiunto[0] = 1;
    for (size_t v = 1; v < raggiunto.size(); ++v) {
        for (int l : p.matasse)
            if (size_t(l) <= v && raggiunto[v - size_t(l)])
                raggiunto[v] = 1;
        if (raggiunto[v] && (long long)v >= minimo)
            return (long long)v;
    }
    return minimo;
}

} // namespace Schemi
