#include "optimise/Uminimo.h"

#include "optimise/Uscelta.h"

#include <Cbc_C_Interface.h>
#include <Clp_C_Interface.h>

#include <QLocale>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <numeric>
#include <set>
#include <tuple>
#include <vector>

namespace {
using Orologio = std::chrono::steady_clock;

const double Infinito = std::numeric_limits<double>::max();

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

struct TPrezzo
{
    double valore = 0;
    std::vector<int> conta;
};

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

// Rilassamento lineare per generazione di colonne. Il limite vale per ogni y >= 0 (dualità debole):
// con v_r il valore del miglior schema della matassa r, y/θ con θ = max(1, max v_r / L_r) è
// ammissibile per il duale, quindi d·y/θ non supera alcun taglio. A generazione chiusa coincide
// con l'ottimo del rilassamento.
struct TRilassamento
{
    double limite = 0; // limite inferiore (m)
    bool chiuso = false; // nessuno schema migliora più: il limite è l'ottimo del rilassamento
    double valore = 0; // valore del rilassamento sugli schemi generati
    std::vector<double> duali; // gli ultimi valori duali dei tipi
};

// Il problema principale in Clp: una riga per tipo di circuito (copertura >= domanda), una colonna
// per schema. Resta aperto fra una risoluzione e l'altra, così le colonne e la base si riusano
// quando la domanda cambia (circuiti già assegnati).
class TMaestro
{
public:
    TMaestro(const TProblema& p, std::vector<TSchema>& schemi)
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
    ~TMaestro() { Clp_deleteModel(m_lp); }
    TMaestro(const TMaestro&) = delete;
    TMaestro& operator=(const TMaestro&) = delete;

    // Rilassamento lineare per generazione di colonne con la domanda data. Il limite vale per ogni
    // y >= 0 (dualità debole): con v_r il valore del miglior schema della matassa r, y/θ con
    // θ = max(1, max v_r / L_r) è ammissibile per il duale, quindi d·y/θ non supera alcun taglio.
    // A generazione chiusa coincide con l'ottimo del rilassamento.
    TRilassamento Genera(const std::vector<int>& domanda, Orologio::time_point scadenza, TProgresso& progresso,
                         int giri = 5000)
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

    // Quante volte la soluzione del rilassamento usa ogni schema.
    std::vector<double> Primale() const
    {
        const double* x = Clp_getColSolution(m_lp);
        return std::vector<double>(x, x + m_colonne);
    }

    // Uno schema nuovo entra nell'elenco (e nel modello alla prossima risoluzione); l'indice di
    // quello uguale se c'è già.
    size_t Aggiungi(TSchema s)
    {
        if (m_visti.insert(s).second) {
            m_schemi.push_back(std::move(s));
            return m_schemi.size() - 1;
        }
        return size_t(std::find_if(m_schemi.begin(), m_schemi.end(),
                                   [&s](const TSchema& x) { return x.matassa == s.matassa && x.conta == s.conta; })
                      - m_schemi.begin());
    }

    void Sincronizza()
    {
        AggiungiColonne(m_lp, m_p, m_schemi, m_colonne);
        m_colonne = m_schemi.size();
    }

private:
    const TProblema& m_p;
    std::vector<TSchema>& m_schemi;
    std::set<TSchema> m_visti;
    Clp_Simplex* m_lp;
    size_t m_colonne = 0; // schemi già nel modello
};

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

// Il problema intero sugli schemi generati, risolto da Cbc a partire dalla soluzione data
// (quante volte si usa ogni schema). Restituisce quante volte usare ogni schema, vuoto se Cbc non
// ha trovato alcuna soluzione.
std::vector<int> RisolviIntero(const TProblema& p, const std::vector<TSchema>& schemi, const std::vector<int>& partenza,
                               double secondi, bool& scaduto)
{
    const int m = p.Tipi();
    const int n = int(schemi.size());
    std::vector<CoinBigIndex> inizi {0};
    std::vector<int> righe;
    std::vector<double> elementi, basso(size_t(n), 0), alto, costo;
    for (const TSchema& s : schemi) {
        // Oltre ceil(d/a) per ogni tipo dello schema ogni suo circuito sarebbe già coperto.
        int tetto = 0;
        for (int j = 0; j < m; ++j) {
            const int a = s.conta[size_t(j)];
            if (a > 0) {
                righe.push_back(j);
                elementi.push_back(a);
                tetto = std::max(tetto, (p.domanda[size_t(j)] + a - 1) / a);
            }
        }
        inizi.push_back(CoinBigIndex(righe.size()));
        alto.push_back(tetto);
        costo.push_back(p.matasse[size_t(s.matassa)]);
    }
    std::vector<double> rBasso(p.domanda.begin(), p.domanda.end());
    std::vector<double> rAlto(size_t(m), Infinito);

    Cbc_Model* mip = Cbc_newModel();
    Cbc_loadProblem(mip, n, m, inizi.data(), righe.data(), elementi.data(), basso.data(), alto.data(), costo.data(),
                    rBasso.data(), rAlto.data());
    for (int i = 0; i < n; ++i)
        Cbc_setInteger(mip, i);
    Cbc_setLogLevel(mip, 0);
    Cbc_setMaximumSeconds(mip, std::max(0.01, secondi));
    // Il tempo è quello dell'orologio, non della CPU: conta l'attesa dell'utente.
    Cbc_setParameter(mip, "timeMode", "elapsed");
    // I totali sono multipli del massimo comun divisore delle matasse: uno scarto minore fra la
    // soluzione e il limite di Cbc dimostra l'ottimo sugli schemi dati.
    int passo = 0;
    for (int l : p.matasse)
        passo = std::gcd(passo, l);
    Cbc_setAllowableGap(mip, std::max(0.5, passo - 0.5));
    std::vector<int> indici;
    std::vector<double> valori;
    for (int i = 0; i < n; ++i) {
        if (partenza[size_t(i)] > 0) {
            indici.push_back(i);
            valori.push_back(partenza[size_t(i)]);
        }
    }
    if (!indici.empty())
        Cbc_setMIPStartI(mip, int(indici.size()), indici.data(), valori.data());
    Cbc_solve(mip);
    scaduto = Cbc_isSecondsLimitReached(mip) != 0;
    std::vector<int> uso;
    if (const double* x = Cbc_bestSolution(mip)) {
        for (int i = 0; i < n; ++i)
            uso.push_back(int(std::lround(x[i])));
    }
    Cbc_deleteModel(mip);
    return uso;
}

// Dagli usi degli schemi alle matasse, con ogni circuito coperto una volta sola: le coperture in
// più si tolgono (togliere un circuito non viola alcuna regola), le matasse rimaste vuote spariscono
// e ogni matassa passa alla lunghezza più corta che ne regge ancora i circuiti.
std::vector<TRotolo> Ripara(const TProblema& p, const std::vector<TSchema>& schemi, const std::vector<int>& uso)
{
    std::vector<TRotolo> rotoli;
    std::vector<int> coperti(size_t(p.Tipi()), 0);
    for (size_t s = 0; s < schemi.size(); ++s) {
        for (int u = 0; u < uso[s]; ++u) {
            TRotolo r {schemi[s].matassa, {}};
            for (int j = 0; j < p.Tipi(); ++j) {
                r.tipi.insert(r.tipi.end(), size_t(schemi[s].conta[size_t(j)]), j);
                coperti[size_t(j)] += schemi[s].conta[size_t(j)];
            }
            rotoli.push_back(std::move(r));
        }
    }
    for (int j = 0; j < p.Tipi(); ++j) {
        int troppi = coperti[size_t(j)] - p.domanda[size_t(j)];
        if (troppi < 0)
            return {}; // copertura mancante: soluzione da scartare
        // Dalle matasse più lunghe, dove un circuito in meno può far scendere di lunghezza.
        for (auto it = rotoli.rbegin(); it != rotoli.rend() && troppi > 0; ++it) {
            auto& t = it->tipi;
            for (auto k = t.begin(); k != t.end() && troppi > 0;) {
                if (*k == j) {
                    k = t.erase(k);
                    --troppi;
                } else {
                    ++k;
                }
            }
        }
    }
    std::erase_if(rotoli, [](const TRotolo& r) { return r.tipi.empty(); });
    for (TRotolo& r : rotoli) {
        const int somma = Somma(p, r);
        for (int m = 0; m < r.matassa; ++m) {
            if (p.Capacita(m) >= somma) {
                r.matassa = m;
                break;
            }
        }
    }
    return rotoli;
}

// Un gruppo da tagliare: i circuiti (indici nell'elenco, in ordine d'albero) e le matasse del
// taglio normale, lette dalle sue righe.
struct TGruppo
{
    QVector<int> circuiti;
    TProblema problema;
    std::vector<QVector<int>> tipoCircuiti; // per tipo, i circuiti in ordine d'albero
    std::vector<TRotolo> normale;
    std::vector<TRotolo> scelto;
    long long limite = 0;
};

TGruppo PreparaGruppo(const QVector<CircuitoOtt>& circuiti, const QVector<int>& indici, const std::vector<int>& matasse,
                      int scarto, const QVector<RigaCircuito>& righeNormali, int& riga)
{
    TGruppo g;
    g.circuiti = indici;
    TProblema& p = g.problema;
    p.scarto = scarto;
    for (int i : indici)
        p.lunghezze.push_back(circuiti[i].LCircuito);
    std::sort(p.lunghezze.begin(), p.lunghezze.end());
    p.lunghezze.erase(std::unique(p.lunghezze.begin(), p.lunghezze.end()), p.lunghezze.end());
    p.domanda.assign(p.lunghezze.size(), 0);
    g.tipoCircuiti.resize(p.lunghezze.size());
    auto tipo = [&p](int l) {
        return int(std::lower_bound(p.lunghezze.begin(), p.lunghezze.end(), l) - p.lunghezze.begin());
    };
    for (int i : indici) {
        const int t = tipo(circuiti[i].LCircuito);
        ++p.domanda[size_t(t)];
        g.tipoCircuiti[size_t(t)].append(i);
    }
    // Solo le matasse che reggono almeno il circuito più corto.
    for (int l : matasse)
        if (l - scarto >= p.lunghezze.front())
            p.matasse.push_back(l);

    // Le righe del taglio normale di questo gruppo sono le prossime, una per circuito.
    for (int k = 0; k < indici.size(); ++k, ++riga) {
        const RigaCircuito& r = righeNormali[riga];
        if (r.L_Rotolo) {
            const int m = int(std::lower_bound(p.matasse.begin(), p.matasse.end(), *r.L_Rotolo) - p.matasse.begin());
            g.normale.push_back({m, {}});
        }
        g.normale.back().tipi.push_back(tipo(r.L_Circuito));
    }
    return g;
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

// Arrotondamento progressivo del rilassamento, per una buona soluzione di partenza del problema
// intero: si fissano gli schemi per la parte intera del loro uso (o, se nessuno arriva a uno, il
// più usato una volta), si toglie dalla domanda ciò che coprono e si risolve di nuovo il
// rilassamento sulla domanda rimasta, finché non resta nulla. Non torna mai sui propri passi.
std::vector<TRotolo> Arrotonda(const TProblema& p, TMaestro& maestro, const std::vector<TSchema>& schemi,
                               Orologio::time_point scadenza, TProgresso& progresso)
{
    std::vector<int> d = p.domanda;
    std::vector<int> uso;
    auto resta = [&d] { return std::any_of(d.begin(), d.end(), [](int x) { return x > 0; }); };
    while (resta()) {
        // A tempo scaduto si finisce con gli schemi che ci sono, senza cercarne di nuovi.
        maestro.Genera(d, scadenza, progresso, Orologio::now() < scadenza ? 2 : 0);
        const std::vector<double> x = maestro.Primale();
        uso.resize(schemi.size(), 0);
        // Gli schemi usati almeno una volta intera si fissano tutti insieme; se non ce ne sono,
        // il più usato una volta.
        std::vector<std::pair<size_t, int>> fissati;
        size_t massimo = x.size();
        for (size_t i = 0; i < x.size(); ++i) {
            if (x[i] >= 1 - 1e-6)
                fissati.push_back({i, int(std::floor(x[i] + 1e-6))});
            else if (x[i] > 1e-9 && (massimo == x.size() || x[i] > x[massimo]))
                massimo = i;
        }
        if (fissati.empty() && massimo < x.size())
            fissati.push_back({massimo, 1});
        if (fissati.empty())
            return {};
        for (auto [i, volte] : fissati) {
            // Mai più volte di quante ne servono ancora: la domanda è cambiata dagli schemi prima.
            int servono = 0;
            for (int j = 0; j < p.Tipi(); ++j) {
                const int a = schemi[i].conta[size_t(j)];
                if (a > 0)
                    servono = std::max(servono, (d[size_t(j)] + a - 1) / a);
            }
            volte = std::min(volte, servono);
            uso[i] += volte;
            for (int j = 0; j < p.Tipi(); ++j)
                d[size_t(j)] = std::max(0, d[size_t(j)] - volte * schemi[i].conta[size_t(j)]);
        }
    }
    uso.resize(schemi.size(), 0);
    return Ripara(p, schemi, uso);
}

// Le righe di AuxCircuiti di un gruppo: matasse per lunghezza crescente (a parità la più piena
// prima), circuiti di ogni matassa per lunghezza crescente, ai circuiti di uguale lunghezza in
// ordine d'albero.
void ScriviGruppo(const QVector<CircuitoOtt>& circuiti, TGruppo& g, TRisultatoOtt& ris, TProgresso& progresso)
{
    const TProblema& p = g.problema;
    std::vector<TRotolo> rotoli = g.scelto;
    for (TRotolo& r : rotoli)
        std::sort(r.tipi.begin(), r.tipi.end());
    std::stable_sort(rotoli.begin(), rotoli.end(), [&p](const TRotolo& a, const TRotolo& b) {
        const int sa = Somma(p, a), sb = Somma(p, b);
        return std::tie(a.matassa, sb, a.tipi) < std::tie(b.matassa, sa, b.tipi);
    });
    std::vector<int> prossimo(size_t(p.Tipi()), 0);
    for (const TRotolo& r : rotoli) {
        const int lunghezza = p.matasse[size_t(r.matassa)];
        const int somma = Somma(p, r);
        bool prima = true;
        for (int t : r.tipi) {
            const CircuitoOtt& c = circuiti[g.tipoCircuiti[size_t(t)][prossimo[size_t(t)]++]];
            RigaCircuito riga;
            riga.ID = int(ris.Circuiti.size());
            if (prima) {
                riga.L_Rotolo = lunghezza;
                riga.Scarto = lunghezza - somma;
                prima = false;
            }
            riga.L_Circuito = c.LCircuito;
            riga.Descr_Circuito = c.Descr;
            riga.Coll = c.Coll;
            riga.Piano = c.Piano;
            ris.Circuiti.append(riga);
            progresso.Passo();
        }
        ris.TotaleMatasse += lunghezza;
        ris.TotaleUtilizzato += somma;
        for (MatassaOtt& m : ris.Matasse) {
            if (m.Lunghezza == lunghezza) {
                ++m.Usate;
                break;
            }
        }
    }
}
} // namespace

double TRisultatoMinimo::Distanza() const
{
    if (LimiteInferiore <= 0)
        return 0;
    return double(Risultato.TotaleMatasse - LimiteInferiore) / double(LimiteInferiore) * 100.0;
}

QString TRisultatoMinimo::TestoLimite() const
{
    return QString::number(LimiteInferiore);
}

QString TRisultatoMinimo::TestoDistanza() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(Distanza(), 'f', 2);
}

TRisultatoMinimo MinimoAcquisto(const QVector<CircuitoOtt>& circuiti, const QVector<int>& matasse, int scartoMin,
                                TOpzioneOtt opzione, double limiteTempo, TProgresso& progresso)
{
    const auto t0 = Orologio::now();
    const auto scadenza = t0
        + std::chrono::duration_cast<Orologio::duration>(std::chrono::duration<double>(std::max(0.0, limiteTempo)));
    TRisultatoMinimo esito;
    // Il taglio normale fa da controllo d'ammissibilità, da soluzione di partenza e da confronto.
    const TRisultatoOtt normale = OttimizzaMatasse(circuiti, matasse, scartoMin, opzione);
    esito.TotaleNormale = normale.TotaleMatasse;
    if (!normale.Eseguita) {
        esito.Risultato = normale;
        return esito;
    }

    progresso.Inizia(QString(), int(circuiti.size()));
    std::vector<int> lunghezze(matasse.begin(), matasse.end());
    std::sort(lunghezze.begin(), lunghezze.end());
    lunghezze.erase(std::unique(lunghezze.begin(), lunghezze.end()), lunghezze.end());

    std::vector<TGruppo> gruppi;
    int riga = 0;
    for (const QVector<int>& indici : GruppiOttimizzazione(circuiti, opzione))
        gruppi.push_back(PreparaGruppo(circuiti, indici, lunghezze, scartoMin, normale.Circuiti, riga));

    // Prima i limiti di tutti i gruppi (rapidi), poi le soluzioni dei gruppi che il taglio normale
    // non chiude, ciascuno con il tempo rimasto in proporzione ai suoi circuiti: quattro quinti al
    // più per l'arrotondamento progressivo, il resto a Cbc sugli schemi generati.
    const auto scadenzaLimiti = t0 + (scadenza - t0) / 2;
    std::vector<std::vector<TSchema>> schemiGruppi(gruppi.size());
    std::vector<std::unique_ptr<TMaestro>> maestri;
    std::vector<TRilassamento> rilassamenti(gruppi.size());
    int restanti = 0;
    for (size_t i = 0; i < gruppi.size(); ++i) {
        TGruppo& g = gruppi[i];
        schemiGruppi[i] = SchemiIniziali(g.problema);
        maestri.push_back(std::make_unique<TMaestro>(g.problema, schemiGruppi[i]));
        UsoDaRotoli(g.problema, g.normale, *maestri[i], schemiGruppi[i]);
        rilassamenti[i] = maestri[i]->Genera(g.problema.domanda, scadenzaLimiti, progresso);
        // Il limite più semplice, per quando manca il tempo di chiudere il rilassamento: ogni metro
        // di circuito costa almeno il rapporto fra lunghezza e capacità della matassa più conveniente.
        double rapporto = Infinito;
        for (int r = 0; r < int(g.problema.matasse.size()); ++r)
            rapporto = std::min(rapporto, double(g.problema.matasse[size_t(r)]) / g.problema.Capacita(r));
        double metri = 0;
        for (int j = 0; j < g.problema.Tipi(); ++j)
            metri += double(g.problema.lunghezze[size_t(j)]) * g.problema.domanda[size_t(j)];
        rilassamenti[i].limite = std::max(rilassamenti[i].limite, metri * rapporto);
        if (!rilassamenti[i].chiuso)
            esito.TempoScaduto = true;
        esito.Rilassamento += rilassamenti[i].limite;
        g.limite = ArrotondaLimite(g.problema, rilassamenti[i].limite);
        g.scelto = g.normale;
        if (Costo(g.problema, g.normale) > g.limite)
            restanti += int(g.circuiti.size());
    }

    bool migliorato = false;
    for (size_t i = 0; i < gruppi.size(); ++i) {
        TGruppo& g = gruppi[i];
        const TProblema& p = g.problema;
        if (Costo(p, g.normale) <= g.limite)
            continue; // il taglio normale è già il minimo
        const auto ora = Orologio::now();
        const auto quota = std::max(Orologio::duration::zero(), scadenza - ora) * g.circuiti.size() / restanti;
        restanti -= int(g.circuiti.size());
        const auto fine = ora + quota;
        std::vector<TSchema>& schemi = schemiGruppi[i];
        TMaestro& maestro = *maestri[i];

        std::vector<TRotolo> rotoli = Arrotonda(p, maestro, schemi, ora + quota * 4 / 5, progresso);
        if (!rotoli.empty() && Costo(p, rotoli) < Costo(p, g.scelto)) {
            g.scelto = std::move(rotoli);
            migliorato = true;
        }
        const double secondi = std::chrono::duration<double>(fine - Orologio::now()).count();
        if (Costo(p, g.scelto) <= g.limite || secondi < 0.005)
            continue; // raggiunto il limite, o non resta tempo

        int passo = 0;
        for (int l : p.matasse)
            passo = std::gcd(passo, l);
        Arricchisci(p, rilassamenti[i].duali, double(g.limite + passo) - rilassamenti[i].valore, 20000, maestro,
                    schemi);
        const std::vector<int> partenza = UsoDaRotoli(p, g.scelto, maestro, schemi);
        bool scaduto = false;
        const std::vector<int> intero = RisolviIntero(p, schemi, partenza, secondi, scaduto);
        if (!intero.empty()) {
            rotoli = Ripara(p, schemi, intero);
            if (!rotoli.empty() && Costo(p, rotoli) < Costo(p, g.scelto)) {
                g.scelto = std::move(rotoli);
                migliorato = true;
            }
        }
        // Il limite di tempo conta solo se la ricerca si è fermata prima di raggiungere il limite.
        if (scaduto && Costo(p, g.scelto) > g.limite)
            esito.TempoScaduto = true;
    }

    for (const TGruppo& g : gruppi)
        esito.LimiteInferiore += int(g.limite);
    if (!migliorato) {
        esito.Risultato = normale;
        esito.ComeNormale = true;
        for (int i = 0; i < circuiti.size(); ++i)
            progresso.Passo();
    } else {
        TRisultatoOtt& ris = esito.Risultato;
        ris.Matasse = TipiMatassa(matasse);
        for (TGruppo& g : gruppi)
            ScriviGruppo(circuiti, g, ris, progresso);
        ris.Statistica = TestiStatistica(ris.TotaleMatasse, ris.TotaleUtilizzato);
        ris.Eseguita = true;
    }
    esito.Ottimo = esito.Risultato.TotaleMatasse == esito.LimiteInferiore;
    if (esito.Ottimo)
        esito.TempoScaduto = false;
    esito.Secondi = std::chrono::duration<double>(Orologio::now() - t0).count();
    progresso.Fine();
    return esito;
}

TCalcoloMinimo OttimizzaMinimo(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                               const QVector<ArticoloRotolo>& articoli, double limiteTempo, TProgresso& progresso)
{
    TCalcoloMinimo c;
    c.Calcolo = CalcolaOttimizzazione(
        stato, dati, impostazioni, articoli,
        [&](const QVector<CircuitoOtt>& circuiti, const TImpostazioniOtt& imp, TProgresso& p) {
            c.Minimo = MinimoAcquisto(circuiti, imp.Matasse, imp.ScartoMin, imp.Opzione, limiteTempo, p);
            return c.Minimo.Risultato;
        },
        progresso);
    return c;
}
