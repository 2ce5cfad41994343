#include "optimise/Uintero.h"

#include "optimise/Uottimizza.h"
#include "optimise/Uscelta.h"

#include <Cbc_C_Interface.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Schemi {
namespace {
const double Infinito = std::numeric_limits<double>::max();
} // namespace

TIntero RisolviIntero(const TProblema& p, const std::vector<TSchema>& schemi, const std::vector<int>& partenza,
                      double secondi)
{
    const int m = p.Tipi();
    const int n = int(schemi.size());
    std::vector<CoinBigIndex> inizi {0};
    std::vector<int> righe;
    std::vector<double> elementi, basso(size_t(n), 0), alto, costo;
    for (const TSchema& s : schemi) {
        // Oltre ceil(d/a) per ogni tipo dello schema ogni suo circuito sarebbe già coperto.
        int massimo = 0;
        for (int j = 0; j < m; ++j) {
            const int a = s.conta[size_t(j)];
            if (a > 0) {
                righe.push_back(j);
                elementi.push_back(a);
                massimo = std::max(massimo, (p.domanda[size_t(j)] + a - 1) / a);
            }
        }
        costo.push_back(p.matasse[size_t(s.matassa)]);
        inizi.push_back(CoinBigIndex(righe.size()));
        alto.push_back(massimo);
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
    Cbc_setAllowableGap(mip, std::max(0.5, PassoMatasse(p) - 0.5));
    std::vector<int> indici;
    std::vector<double> valori;
    for (int i = 0; i < int(partenza.size()) && i < n; ++i) {
        if (partenza[size_t(i)] > 0) {
            indici.push_back(i);
            valori.push_back(partenza[size_t(i)]);
        }
    }
    if (!indici.empty())
        Cbc_setMIPStartI(mip, int(indici.size()), indici.data(), valori.data());
    Cbc_solve(mip);
    TIntero esito;
    esito.scaduto = Cbc_isSecondsLimitReached(mip) != 0;
    if (const double* x = Cbc_bestSolution(mip)) {
        for (int i = 0; i < n; ++i)
            esito.uso.push_back(int(std::lround(x[i])));
    }
    Cbc_deleteModel(mip);
    return esito;
}

// Le coperture in più si tolgono (togliere un circuito non viola alcuna regola), le matasse rimaste vuote spariscono
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

} // namespace Schemi
