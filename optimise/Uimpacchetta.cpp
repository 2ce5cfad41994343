#include "optimise/Uimpacchetta.h"

#include "optimise/Uscelta.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

namespace Schemi {
namespace {
// Le somme raggiungibili con k circuiti dei primi i, come insiemi di bit.
class TSomme
{
public:
    TSomme(const std::vector<int>& lunghezze, int totale)
        : m_parole(size_t(totale) / 64 + 1)
        , m_n(int(lunghezze.size()))
        , m_bit(size_t(m_n + 1) * (MaxCircuitiPerMatassa + 1) * m_parole, 0)
    {
        Imposta(0, 0, 0);
        for (int i = 0; i < m_n; ++i) {
            const int l = lunghezze[size_t(i)];
            for (int k = 0; k <= MaxCircuitiPerMatassa; ++k) {
                std::uint64_t* qui = Riga(i + 1, k);
                const std::uint64_t* senza = Riga(i, k);
                std::copy(senza, senza + m_parole, qui);
                if (k > 0)
                    Sposta(Riga(i, k - 1), l, qui);
            }
        }
    }

    bool C(int i, int k, int s) const { return (Riga(i, k)[size_t(s) / 64] >> (s % 64)) & 1; }

private:
    const std::uint64_t* Riga(int i, int k) const
    {
        return m_bit.data() + (size_t(i) * (MaxCircuitiPerMatassa + 1) + size_t(k)) * m_parole;
    }
    std::uint64_t* Riga(int i, int k)
    {
        return m_bit.data() + (size_t(i) * (MaxCircuitiPerMatassa + 1) + size_t(k)) * m_parole;
    }
    void Imposta(int i, int k, int s) { Riga(i, k)[size_t(s) / 64] |= std::uint64_t(1) << (s % 64); }

    // qui |= da << l
    void Sposta(const std::uint64_t* da, int l, std::uint64_t* qui) const
    {
        const size_t parole = size_t(l) / 64;
        const int bit = l % 64;
        for (size_t w = m_parole; w-- > parole;) {
            std::uint64_t v = da[w - parole] << bit;
            if (bit && w > parole)
                v |= da[w - parole - 1] >> (64 - bit);
            qui[w] |= v;
        }
    }

    size_t m_parole;
    int m_n;
    std::vector<std::uint64_t> m_bit;
};

class TRicerca
{
public:
    TRicerca(const TProblema& p, const std::vector<int>& numeri)
        : m_p(p)
    {
        for (int r = 0; r < int(numeri.size()); ++r)
            for (int a = 0; a < numeri[size_t(r)]; ++a)
                m_rotoli.push_back({r, {}});
        Distribuisci();
    }

    // Ridivide coppie (una matassa che sfora e una qualsiasi) finché nessuna sfora.
    bool Cerca(Orologio::time_point scadenza)
    {
        std::vector<size_t> sforano;
        for (long long giro = 0;; ++giro) {
            sforano.clear();
            for (size_t b = 0; b < m_rotoli.size(); ++b)
                if (Sforo(m_rotoli[b]) > 0)
                    sforano.push_back(b);
            if (sforano.empty())
                return true;
            if (m_rotoli.size() < 2 || (giro % 32 == 0 && Orologio::now() >= scadenza))
                return false;
            const size_t a = sforano[m_caso() % sforano.size()];
            size_t b = m_caso() % (m_rotoli.size() - 1);
            b += b >= a;
            Ridividi(m_rotoli[a], m_rotoli[b]);
        }
    }

    std::vector<TRotolo> Rotoli() const
    {
        std::vector<TRotolo> r = m_rotoli;
        std::erase_if(r, [](const TRotolo& t) { return t.tipi.empty(); });
        return r;
    }

private:
    int Sforo(const TRotolo& r) const { return std::max(0, Somma(m_p, r) - m_p.Capacita(r.matassa)); }

    // I circuiti dal più lungo, ciascuno sulla matassa con più spazio libero fra quelle che hanno
    // ancora posto.
    void Distribuisci()
    {
        std::vector<int> tipi;
        for (int j = m_p.Tipi() - 1; j >= 0; --j)
            tipi.insert(tipi.end(), size_t(m_p.domanda[size_t(j)]), j);
        std::vector<int> libero;
        for (const TRotolo& r : m_rotoli)
            libero.push_back(m_p.Capacita(r.matassa));
        for (int j : tipi) {
            size_t scelta = m_rotoli.size();
            for (size_t b = 0; b < m_rotoli.size(); ++b) {
                if (int(m_rotoli[b].tipi.size()) >= MaxCircuitiPerMatassa)
                    continue;
                if (scelta == m_rotoli.size() || libero[b] > libero[scelta])
                    scelta = b;
            }
            if (scelta == m_rotoli.size())
                scelta = 0; // più circuiti che posti: la ricerca non finirà
            m_rotoli[scelta].tipi.push_back(j);
            libero[scelta] -= m_p.lunghezze[size_t(j)];
        }
    }

    // La divisione dei circuiti di due matasse con lo sforo più piccolo (a parità una a caso).
    void Ridividi(TRotolo& a, TRotolo& b)
    {
        std::vector<int> tipi = a.tipi;
        tipi.insert(tipi.end(), b.tipi.begin(), b.tipi.end());
        std::vector<int> l;
        for (int t : tipi)
            l.push_back(m_p.lunghezze[size_t(t)]);
        const int n = int(tipi.size());
        const int totale = std::accumulate(l.begin(), l.end(), 0);
        const TSomme somme(l, totale);
        const int capA = m_p.Capacita(a.matassa), capB = m_p.Capacita(b.matassa);
        int migliore = -1, visti = 0, kScelto = 0, sScelta = 0;
        for (int k = std::max(0, n - MaxCircuitiPerMatassa); k <= std::min(n, MaxCircuitiPerMatassa); ++k) {
            for (int s = 0; s <= totale; ++s) {
                if (!somme.C(n, k, s))
                    continue;
                const int sforo = std::max(0, s - capA) + std::max(0, totale - s - capB);
                if (migliore < 0 || sforo < migliore) {
                    migliore = sforo;
                    visti = 0;
                }
                // Fra le divisioni migliori una a caso (campionamento a serbatoio).
                if (sforo == migliore && m_caso() % unsigned(++visti) == 0) {
                    kScelto = k;
                    sScelta = s;
                }
            }
        }
        a.tipi.clear();
        b.tipi.clear();
        for (int i = n, k = kScelto, s = sScelta; i > 0; --i) {
            if (somme.C(i - 1, k, s)) {
                b.tipi.push_back(tipi[size_t(i - 1)]);
            } else {
                a.tipi.push_back(tipi[size_t(i - 1)]);
                s -= l[size_t(i - 1)];
                --k;
            }
        }
    }

    const TProblema& m_p;
    std::vector<TRotolo> m_rotoli;
    std::mt19937 m_caso {20261209u}; // seme fisso: lo stesso progetto dà sempre lo stesso taglio
};
} // namespace

std::vector<TRotolo> Impacchetta(const TProblema& p, const std::vector<int>& numeri, Orologio::time_point scadenza)
{
    TRicerca ricerca(p, numeri);
    if (!ricerca.Cerca(scadenza))
        return {};
    return ricerca.Rotoli();
}
} // namespace Schemi
