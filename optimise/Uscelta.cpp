#include "optimise/Uscelta.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {
// Insiemi di somme raggiungibili, uno per (suffisso dell'elenco, numero di circuiti), come bit
// in parole da 64. Il bit t dice che la somma t si ottiene con esattamente c circuiti presi
// dalle posizioni i..s-1.
class TSomme
{
public:
    TSomme(const std::vector<int>& lunghezze, int k, int bit)
        : m_s(int(lunghezze.size()))
        , m_k(k)
        , m_bit(bit)
        , m_parole((bit + 63) / 64)
        , m_dati(size_t(m_s + 1) * size_t(k + 1) * size_t(m_parole), 0)
    {
        parola(m_s, 0)[0] = 1; // il suffisso vuoto dà la somma 0 con zero circuiti
        for (int i = m_s - 1; i >= 0; --i) {
            const int a = lunghezze[size_t(i)];
            for (int c = 0; c <= m_k; ++c) {
                std::uint64_t* dst = parola(i, c);
                const std::uint64_t* senza = parola(i + 1, c);
                std::copy(senza, senza + m_parole, dst);
                if (c > 0)
                    oSpostato(dst, parola(i + 1, c - 1), a);
            }
        }
    }

    bool Contiene(int i, int c, long long somma) const
    {
        if (somma < 0 || somma >= m_bit)
            return false;
        return (parola(i, c)[somma / 64] >> (somma % 64)) & 1u;
    }

    // La somma più alta non oltre limite ottenibile con c circuiti da tutto l'elenco, -1 se nessuna.
    long long MassimaFino(int c, long long limite) const
    {
        if (limite < 0)
            return -1;
        limite = std::min<long long>(limite, m_bit - 1);
        const std::uint64_t* p = parola(0, c);
        for (long long w = limite / 64; w >= 0; --w) {
            std::uint64_t v = p[w];
            if (w == limite / 64 && limite % 64 != 63)
                v &= (std::uint64_t(1) << (limite % 64 + 1)) - 1;
            if (v)
                return w * 64 + (63 - __builtin_clzll(v));
        }
        return -1;
    }

private:
    std::uint64_t* parola(int i, int c)
    {
        return &m_dati[(size_t(i) * size_t(m_k + 1) + size_t(c)) * size_t(m_parole)];
    }
    const std::uint64_t* parola(int i, int c) const
    {
        return &m_dati[(size_t(i) * size_t(m_k + 1) + size_t(c)) * size_t(m_parole)];
    }

    // dst |= src << a, troncato a m_bit bit.
    void oSpostato(std::uint64_t* dst, const std::uint64_t* src, int a) const
    {
        if (a < 0 || a >= m_bit)
            return;
        const int pw = a / 64;
        const int pb = a % 64;
        for (int w = m_parole - 1; w >= pw; --w) {
            std::uint64_t v = src[w - pw] << pb;
            if (pb && w - pw - 1 >= 0)
                v |= src[w - pw - 1] >> (64 - pb);
            dst[w] |= v;
        }
        const int resto = m_bit % 64;
        if (resto)
            dst[m_parole - 1] &= (std::uint64_t(1) << resto) - 1;
    }

    int m_s;
    int m_k;
    int m_bit;
    int m_parole;
    std::vector<std::uint64_t> m_dati;
};
} // namespace

TScelta ScegliCombinazione(const std::vector<int>& lunghezze, const std::vector<int>& matasse, int scartoMin)
{
    TScelta scelta;
    const int s = int(lunghezze.size());
    const int kMax = std::min(MaxCircuitiPerMatassa, s);
    if (kMax == 0 || matasse.empty())
        return scelta;

    // Nessuna combinazione utile supera né la matassa più lunga meno lo scarto né la somma dei
    // kMax circuiti più lunghi: bastano i bit fino al minore dei due.
    long long obiettivoMax = -1;
    for (int l : matasse)
        obiettivoMax = std::max<long long>(obiettivoMax, (long long)l - scartoMin);
    if (obiettivoMax < 0)
        return scelta;
    std::vector<int> ordinate(lunghezze);
    std::partial_sort(ordinate.begin(), ordinate.begin() + kMax, ordinate.end(), std::greater<int>());
    long long sommaMax = 0;
    for (int i = 0; i < kMax; ++i)
        sommaMax += ordinate[size_t(i)];
    const TSomme somme(lunghezze, kMax, int(std::min(obiettivoMax, sommaMax) + 1));

    // Ricostruzione: la prima combinazione di k circuiti, in ordine lessicografico delle
    // posizioni, con la somma data; sceglie ogni volta la prima posizione che ammette un seguito.
    const auto ricostruisci = [&](int matassa, int k, long long somma, bool esatta) {
        scelta.matassa = matassa;
        scelta.somma = int(somma);
        scelta.esatta = esatta;
        int pos = 0;
        for (int c = k; c > 0; --c) {
            for (int i = pos; i < s; ++i) {
                if (lunghezze[size_t(i)] >= 0 && somme.Contiene(i + 1, c - 1, somma - lunghezze[size_t(i)])) {
                    scelta.posizioni.push_back(i);
                    somma -= lunghezze[size_t(i)];
                    pos = i + 1;
                    break;
                }
            }
        }
        return scelta;
    };

    float migliore = 0.0f;
    int kMigliore = 0;
    int matassaMigliore = -1;
    long long sommaMigliore = 0;
    for (int k = 1; k <= kMax; ++k) {
        for (int j = 0; j < int(matasse.size()); ++j) {
            const long long obiettivo = (long long)matasse[size_t(j)] - scartoMin;
            if (somme.Contiene(0, k, obiettivo))
                return ricostruisci(j, k, obiettivo, true);
            // Dentro un blocco (k, matassa) il riempimento cresce con la somma (somme distinte danno
            // riempimenti distinti finché la matassa è sotto 2^24 m): conta solo la somma più alta
            // con avanzo > 0, e fra le combinazioni che la danno la prima.
            const long long somma = somme.MassimaFino(k, obiettivo - 1);
            if (somma < 0)
                continue;
            const float riempimento = Riempimento(int(somma), matasse[size_t(j)]);
            if (riempimento < 1.0f && riempimento > migliore) {
                migliore = riempimento;
                kMigliore = k;
                matassaMigliore = j;
                sommaMigliore = somma;
            }
        }
    }
    if (matassaMigliore >= 0)
        return ricostruisci(matassaMigliore, kMigliore, sommaMigliore, false);
    return scelta;
}
