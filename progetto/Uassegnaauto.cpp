#include "progetto/Uassegnaauto.h"

#include "data/Udatabase.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

// Come si sceglie la divisione di un piano.
//
// Con n circuiti il piano ha m = ceil(n / 12) collettori: n % m da ceil(n / m) circuiti, gli
// altri da floor(n / m). I circuiti di un locale con gli stessi valori (tutti quelli della zona
// principale, tutti quelli della zona marginale) sono intercambiabili: la ricerca ne decide solo
// quanti vanno su ciascun collettore. Il costo di una divisione è la coppia (pezzi, perdite):
// pezzi = somma su tutti i locali del numero di collettori che il locale tocca (un locale intero
// ne tocca uno), perdite = le perdite intere dei collettori in ordine decrescente; si confronta
// prima pezzi, poi perdite in ordine lessicografico.
//
// La ricerca è esatta, con potatura (branch and bound), in due fasi. Prima il minimo dei pezzi,
// sui soli locali: dal più grande, ciascuno intero in un collettore o diviso, con due collettori
// dello stesso spazio libero considerati uguali e il limite inferiore "pezzi fatti + uno per
// locale restante (due se non sta in nessuno spazio libero)". Poi, a quel numero di pezzi, le
// perdite: i gruppi di circuiti si piazzano dal più alto per perdita al più basso, così la
// perdita di un collettore è fissata dal primo gruppo che vi entra e i successivi non la
// cambiano; si pota con le perdite dei collettori già aperti più quelle che avrebbero gli altri
// riempiendoli in ordine decrescente senza badare ai locali (il miglior completamento possibile),
// e ci si ferma appena si raggiunge quel limite calcolato all'inizio. I collettori ancora vuoti
// della stessa capienza sono equivalenti: si riempiono in ordine, per non visitare le
// permutazioni. La soluzione di partenza è la migliore fra alcune divisioni sequenziali (locali
// in ordine di tabella o per perdita decrescente, capienze in ordine diverso) e la ricerca la
// sostituisce solo con una strettamente migliore: a parità vince l'ordine della tabella. Ogni
// fase si ferma dopo LimitePassi nodi: in quel caso si tiene la migliore trovata e la proposta
// non è più garantita esatta (TPropostaCollettori::esatta); succede solo su piani grandi.

namespace {
using TValore = qint64;

constexpr long LimitePassi = 200000;
constexpr int MaxCollettoriRicerca = 64; // un bit per collettore nei locali

struct TGruppo
{
    int locale = 0; // indice del locale nel piano, in ordine di tabella
    TValore valore = 0; // perdita intera del collettore se fosse il suo circuito peggiore
    QStringList etichette; // nell'ordine del locale
};

struct TSoluzione
{
    int pezzi = INT_MAX;
    std::vector<TValore> perdite; // decrescenti
    std::vector<std::vector<int>> quanti; // [collettore][gruppo]
};

bool Migliore(int pezzi, const std::vector<TValore>& perdite, const TSoluzione& s)
{
    if (pezzi != s.pezzi)
        return pezzi < s.pezzi;
    return std::lexicographical_compare(perdite.begin(), perdite.end(), s.perdite.begin(), s.perdite.end());
}

class TPianoGruppi
{
public:
    TPianoGruppi(const std::vector<TGruppo>& gruppi, int locali)
        : m_gruppi(gruppi)
        , m_locali(locali)
    {
        int n = 0;
        for (const TGruppo& g : gruppi)
            n += int(g.etichette.size());
        m_m = (n + MaxCircuitiCollettore - 1) / MaxCircuitiCollettore;
        // Capienze uguali a meno di uno, le più grandi per prime.
        for (int b = 0; b < m_m; ++b)
            m_capienza.push_back(n / m_m + (b < n % m_m ? 1 : 0));
    }

    int Collettori() const { return m_m; }

    // Divisione scelta: quanti circuiti di ogni gruppo su ogni collettore. esatta = ricerca completa.
    std::vector<std::vector<int>> Dividi(bool& esatta)
    {
        esatta = true;
        if (m_m <= 1)
            return {conteggi()};
        partenze();
        if (m_m <= MaxCollettoriRicerca) {
            cercaPezzi();
            const bool pezziEsatti = !m_interrotta;
            cerca(pezziEsatti);
            esatta = pezziEsatti && !m_interrotta;
        } else {
            esatta = false;
        }
        return m_migliore.quanti;
    }

private:
    std::vector<int> conteggi() const
    {
        std::vector<int> c;
        for (const TGruppo& g : m_gruppi)
            c.push_back(int(g.etichette.size()));
        return c;
    }

    // Pezzi e perdite di una divisione completa.
    void valuta(const std::vector<std::vector<int>>& quanti, int& pezzi, std::vector<TValore>& perdite) const
    {
        pezzi = 0;
        perdite.clear();
        for (const auto& coll : quanti) {
            TValore massima = 0;
            std::vector<bool> toccati(size_t(m_locali), false);
            for (size_t g = 0; g < coll.size(); ++g)
                if (coll[g] > 0) {
                    massima = std::max(massima, m_gruppi[g].valore);
                    if (!toccati[size_t(m_gruppi[g].locale)]) {
                        toccati[size_t(m_gruppi[g].locale)] = true;
                        ++pezzi;
                    }
                }
            perdite.push_back(massima);
        }
        std::sort(perdite.begin(), perdite.end(), std::greater<>());
    }

    void proponi(const std::vector<std::vector<int>>& quanti)
    {
        int pezzi = 0;
        std::vector<TValore> perdite;
        valuta(quanti, pezzi, perdite);
        if (m_migliore.quanti.empty() || Migliore(pezzi, perdite, m_migliore))
            m_migliore = {pezzi, perdite, quanti};
    }

    // Riempimento sequenziale: i gruppi nell'ordine dato, i collettori nell'ordine delle capienze.
    std::vector<std::vector<int>> sequenziale(const std::vector<int>& ordine, const std::vector<int>& capienze) const
    {
        std::vector<std::vector<int>> quanti(capienze.size(), std::vector<int>(m_gruppi.size(), 0));
        size_t b = 0;
        int libero = capienze.empty() ? 0 : capienze[0];
        for (int g : ordine) {
            int resto = int(m_gruppi[size_t(g)].etichette.size());
            while (resto > 0 && b < capienze.size()) {
                const int messi = std::min(resto, libero);
                quanti[b][size_t(g)] += messi;
                resto -= messi;
                libero -= messi;
                if (libero == 0 && ++b < capienze.size())
                    libero = capienze[b];
            }
        }
        return quanti;
    }

    void partenze()
    {
        const int G = int(m_gruppi.size());
        std::vector<int> tabella(static_cast<size_t>(G));
        for (int g = 0; g < G; ++g)
            tabella[size_t(g)] = g;
        // Locali per perdita decrescente (del loro gruppo peggiore), a parità in ordine di tabella.
        std::vector<TValore> peggiore(size_t(m_locali), 0);
        for (const TGruppo& g : m_gruppi)
            peggiore[size_t(g.locale)] = std::max(peggiore[size_t(g.locale)], g.valore);
        std::vector<int> perPerdita = tabella;
        std::stable_sort(perPerdita.begin(), perPerdita.end(), [&](int a, int b) {
            const TGruppo& ga = m_gruppi[size_t(a)];
            const TGruppo& gb = m_gruppi[size_t(b)];
            if (ga.locale != gb.locale)
                return peggiore[size_t(ga.locale)] > peggiore[size_t(gb.locale)]
                    || (peggiore[size_t(ga.locale)] == peggiore[size_t(gb.locale)] && ga.locale < gb.locale);
            return ga.valore > gb.valore;
        });

        // Disposizioni delle capienze: tutte se sono poche, altrimenti le grandi prima o dopo.
        std::vector<std::vector<int>> disposizioni;
        const int grandi = int(std::count(m_capienza.begin(), m_capienza.end(), m_capienza.front()));
        if (grandi == m_m) {
            disposizioni.push_back(m_capienza);
        } else {
            std::vector<int> scelta(size_t(m_m), 0);
            std::fill(scelta.begin(), scelta.begin() + grandi, 1);
            int quante = 0;
            do {
                std::vector<int> c;
                for (int s : scelta)
                    c.push_back(s ? m_capienza.front() : m_capienza.back());
                disposizioni.push_back(c);
            } while (++quante < 256 && std::prev_permutation(scelta.begin(), scelta.end()));
            std::vector<int> piccolePrima(m_capienza.rbegin(), m_capienza.rend());
            disposizioni.push_back(piccolePrima);
        }
        for (const auto& c : disposizioni) {
            proponi(sequenziale(tabella, c));
            proponi(sequenziale(perPerdita, c));
        }
    }

    // ---------------------------------------------------------------- prima fase: i pezzi

    // Il minimo dei pezzi si cerca da solo, sui locali interi (le perdite qui non contano): i
    // locali dal più grande, ciascuno intero in un collettore o diviso; due collettori con lo
    // stesso spazio libero sono equivalenti. La divisione trovata diventa la soluzione di
    // partenza della seconda fase, che a quel numero di pezzi cerca le perdite migliori.
    void cercaPezzi()
    {
        m_dimensione.assign(size_t(m_locali), 0);
        for (const TGruppo& g : m_gruppi)
            m_dimensione[size_t(g.locale)] += int(g.etichette.size());
        m_stanze.resize(size_t(m_locali));
        for (int r = 0; r < m_locali; ++r)
            m_stanze[size_t(r)] = r;
        std::stable_sort(m_stanze.begin(), m_stanze.end(),
                         [&](int a, int b) { return m_dimensione[size_t(a)] > m_dimensione[size_t(b)]; });
        m_minimoPezzi = 0;
        for (int d : m_dimensione)
            m_minimoPezzi += d > m_capienza.front() ? 2 : 1;
        m_libero = m_capienza;
        m_perStanza.assign(size_t(m_m), std::vector<int>(size_t(m_locali), 0));
        m_pezzi = 0;
        m_passi = 0;
        m_interrotta = false;
        m_pezziMigliori = m_migliore.pezzi;
        m_stanzeMigliori.clear();
        visitaPezzi(0);
        if (m_stanzeMigliori.empty())
            return;
        // Dentro un locale diviso i gruppi scendono per perdita nei suoi collettori in ordine.
        std::vector<std::vector<int>> quanti(size_t(m_m), std::vector<int>(m_gruppi.size(), 0));
        for (int r = 0; r < m_locali; ++r) {
            std::vector<int> gruppi;
            for (size_t g = 0; g < m_gruppi.size(); ++g)
                if (m_gruppi[g].locale == r)
                    gruppi.push_back(int(g));
            std::stable_sort(gruppi.begin(), gruppi.end(),
                             [&](int a, int b) { return m_gruppi[size_t(a)].valore > m_gruppi[size_t(b)].valore; });
            size_t i = 0;
            int resto = gruppi.empty() ? 0 : int(m_gruppi[size_t(gruppi[0])].etichette.size());
            for (int b = 0; b < m_m; ++b)
                for (int posto = m_stanzeMigliori[size_t(b)][size_t(r)]; posto > 0 && i < gruppi.size();) {
                    const int n = std::min(posto, resto);
                    quanti[size_t(b)][size_t(gruppi[i])] += n;
                    posto -= n;
                    resto -= n;
                    if (resto == 0 && ++i < gruppi.size())
                        resto = int(m_gruppi[size_t(gruppi[i])].etichette.size());
                }
        }
        proponi(quanti);
    }

    void visitaPezzi(int k)
    {
        if (m_interrotta || m_pezziMigliori <= m_minimoPezzi)
            return;
        if (++m_passi > LimitePassi) {
            m_interrotta = true;
            return;
        }
        if (k == m_locali) {
            if (m_pezzi < m_pezziMigliori) {
                m_pezziMigliori = m_pezzi;
                m_stanzeMigliori = m_perStanza;
            }
            return;
        }
        int massimoLibero = 0;
        for (int l : m_libero)
            massimoLibero = std::max(massimoLibero, l);
        int limite = m_pezzi;
        for (size_t i = size_t(k); i < m_stanze.size(); ++i)
            limite += m_dimensione[size_t(m_stanze[i])] > massimoLibero ? 2 : 1;
        if (limite >= m_pezziMigliori)
            return;

        const int r = m_stanze[size_t(k)];
        const int n = m_dimensione[size_t(r)];
        // Intero: un collettore per ogni spazio libero diverso, dal più stretto.
        std::vector<int> candidati;
        for (int b = 0; b < m_m; ++b)
            if (m_libero[size_t(b)] >= n && std::none_of(candidati.begin(), candidati.end(), [&](int c) {
                    return m_libero[size_t(c)] == m_libero[size_t(b)];
                }))
                candidati.push_back(b);
        std::sort(candidati.begin(), candidati.end(),
                  [&](int a, int b) { return m_libero[size_t(a)] < m_libero[size_t(b)]; });
        for (int b : candidati) {
            mettiStanza(b, r, n);
            visitaPezzi(k + 1);
            mettiStanza(b, r, -n);
        }
        // Diviso: fra collettori con lo stesso spazio libero le parti non crescono.
        std::vector<int> gemello(size_t(m_m), -1);
        for (int b = 0; b < m_m; ++b)
            for (int p = b - 1; p >= 0; --p)
                if (m_libero[size_t(p)] == m_libero[size_t(b)]) {
                    gemello[size_t(b)] = p;
                    break;
                }
        std::vector<int> messi(size_t(m_m), 0);
        for (int parti = 2; parti <= std::min(n, m_m) && !m_interrotta; ++parti)
            dividiStanza(k, r, 0, n, 0, parti, gemello, messi);
    }

    void mettiStanza(int b, int r, int n)
    {
        m_perStanza[size_t(b)][size_t(r)] += n;
        m_libero[size_t(b)] -= n;
        m_pezzi += n > 0 ? 1 : -1;
    }

    void dividiStanza(int k, int r, int b, int resto, int usati, int parti, const std::vector<int>& gemello,
                      std::vector<int>& messi)
    {
        if (m_interrotta)
            return;
        if (resto == 0) {
            if (usati == parti)
                visitaPezzi(k + 1);
            return;
        }
        if (b == m_m || usati == parti)
            return;
        int massimo = std::min(m_libero[size_t(b)], resto - (parti - usati - 1));
        if (gemello[size_t(b)] >= 0)
            massimo = std::min(massimo, messi[size_t(gemello[size_t(b)])]);
        const int minimo = usati + 1 == parti ? resto : 1;
        for (int a = massimo; a >= minimo; --a) {
            messi[size_t(b)] = a;
            mettiStanza(b, r, a);
            dividiStanza(k, r, b + 1, resto - a, usati + 1, parti, gemello, messi);
            mettiStanza(b, r, -a);
            messi[size_t(b)] = 0;
        }
        dividiStanza(k, r, b + 1, resto, usati, parti, gemello, messi);
    }

    // ---------------------------------------------------------------- seconda fase: le perdite

    // pezziProvati: la prima fase ha dimostrato il minimo dei pezzi, quindi la ricerca si ferma
    // appena le perdite raggiungono il limite inferiore della radice.
    void cerca(bool pezziProvati)
    {
        const size_t G = m_gruppi.size();
        m_ordine.resize(G);
        for (size_t g = 0; g < G; ++g)
            m_ordine[g] = int(g);
        std::stable_sort(m_ordine.begin(), m_ordine.end(),
                         [&](int a, int b) { return m_gruppi[size_t(a)].valore > m_gruppi[size_t(b)].valore; });
        m_libero = m_capienza;
        m_perdita.assign(size_t(m_m), 0);
        m_toccati.assign(size_t(m_locali), 0);
        m_restanti.assign(size_t(m_locali), 0);
        for (const TGruppo& g : m_gruppi)
            m_restanti[size_t(g.locale)] += int(g.etichette.size());
        m_quanti.assign(size_t(m_m), std::vector<int>(G, 0));
        m_pezzi = 0;
        m_passi = 0;
        m_interrotta = false;
        m_radice = limitePerdite(0);
        m_fine = pezziProvati && m_migliore.perdite == m_radice;
        m_pezziProvati = pezziProvati;
        visita(0);
    }

    // Limite inferiore dei pezzi: ogni locale non ancora toccato ne aggiunge almeno uno, due se i
    // suoi circuiti non stanno in nessuno spazio libero; uno toccato ne aggiunge uno se i
    // collettori che già tocca non hanno posto per il resto.
    int limitePezzi() const
    {
        int massimoLibero = 0;
        for (int l : m_libero)
            massimoLibero = std::max(massimoLibero, l);
        int pezzi = m_pezzi;
        for (int r = 0; r < m_locali; ++r) {
            const int resto = m_restanti[size_t(r)];
            if (resto == 0)
                continue;
            if (!m_toccati[size_t(r)]) {
                pezzi += resto > massimoLibero ? 2 : 1;
            } else {
                int posto = 0;
                for (int b = 0; b < m_m; ++b)
                    if (m_toccati[size_t(r)] >> b & 1)
                        posto += m_libero[size_t(b)];
                if (resto > posto)
                    ++pezzi;
            }
        }
        return pezzi;
    }

    // Limite inferiore delle perdite: i collettori aperti tengono la loro; i circuiti restanti,
    // dal più alto, riempiono prima lo spazio libero dei collettori aperti, poi i vuoti dal più
    // capiente, ognuno dei quali prende la perdita del primo circuito che riceve.
    std::vector<TValore> limitePerdite(int k) const
    {
        std::vector<TValore> v;
        int daSaltare = 0;
        for (int b = 0; b < m_m; ++b)
            if (m_perdita[size_t(b)] > 0) {
                v.push_back(m_perdita[size_t(b)]);
                daSaltare += m_libero[size_t(b)];
            }
        size_t i = size_t(k);
        int preso = 0; // circuiti già contati del gruppo m_ordine[i]
        for (int b = 0; b < m_m; ++b) {
            if (m_perdita[size_t(b)] > 0)
                continue;
            while (i < m_ordine.size()) {
                const int disponibili = int(m_gruppi[size_t(m_ordine[i])].etichette.size()) - preso;
                if (daSaltare < disponibili) {
                    preso += daSaltare;
                    daSaltare = 0;
                    break;
                }
                daSaltare -= disponibili;
                preso = 0;
                ++i;
            }
            v.push_back(i < m_ordine.size() ? m_gruppi[size_t(m_ordine[i])].valore : 0);
            daSaltare = m_capienza[size_t(b)];
        }
        std::sort(v.begin(), v.end(), std::greater<>());
        return v;
    }

    void metti(int b, int g, int n)
    {
        const TGruppo& gr = m_gruppi[size_t(g)];
        m_quanti[size_t(b)][size_t(g)] += n;
        m_libero[size_t(b)] -= n;
        m_restanti[size_t(gr.locale)] -= n;
    }
    void togli(int b, int g, int n)
    {
        const TGruppo& gr = m_gruppi[size_t(g)];
        m_quanti[size_t(b)][size_t(g)] -= n;
        m_libero[size_t(b)] += n;
        m_restanti[size_t(gr.locale)] += n;
    }

    // Un pezzo del gruppo g sul collettore b, poi il resto della ricerca (o della distribuzione).
    template<typename Continua> void conPezzo(int b, int g, int n, Continua&& continua)
    {
        const TGruppo& gr = m_gruppi[size_t(g)];
        const TValore perdita = m_perdita[size_t(b)];
        const std::uint64_t toccati = m_toccati[size_t(gr.locale)];
        const std::uint64_t bit = std::uint64_t(1) << b;
        metti(b, g, n);
        if (perdita == 0)
            m_perdita[size_t(b)] = gr.valore;
        if (!(toccati & bit)) {
            m_toccati[size_t(gr.locale)] |= bit;
            ++m_pezzi;
        }
        continua();
        if (!(toccati & bit)) {
            m_toccati[size_t(gr.locale)] = toccati;
            --m_pezzi;
        }
        m_perdita[size_t(b)] = perdita;
        togli(b, g, n);
    }

    void visita(int k)
    {
        if (m_interrotta || m_fine)
            return;
        if (++m_passi > LimitePassi) {
            m_interrotta = true;
            return;
        }
        if (k == int(m_ordine.size())) {
            std::vector<TValore> perdite = m_perdita;
            std::sort(perdite.begin(), perdite.end(), std::greater<>());
            if (Migliore(m_pezzi, perdite, m_migliore)) {
                m_migliore = {m_pezzi, perdite, m_quanti};
                m_fine = m_pezziProvati && perdite == m_radice;
            }
            return;
        }
        const int pezzi = limitePezzi();
        if (pezzi > m_migliore.pezzi)
            return;
        if (pezzi == m_migliore.pezzi && !Migliore(pezzi, limitePerdite(k), m_migliore))
            return;

        const int g = m_ordine[size_t(k)];
        const int n = int(m_gruppi[size_t(g)].etichette.size());
        const std::uint64_t toccati = m_toccati[size_t(m_gruppi[size_t(g)].locale)];
        // Un collettore vuoto con un gemello vuoto prima di sé (stessa capienza) riceve al più
        // quanto il gemello: le permutazioni dei collettori vuoti sono la stessa divisione.
        std::vector<int> gemello(size_t(m_m), -1);
        for (int b = 0; b < m_m; ++b)
            if (m_perdita[size_t(b)] == 0)
                for (int p = b - 1; p >= 0; --p)
                    if (m_perdita[size_t(p)] == 0 && m_capienza[size_t(p)] == m_capienza[size_t(b)]) {
                        gemello[size_t(b)] = p;
                        break;
                    }

        // Intero su un collettore: prima quelli che il locale già tocca, poi quelli aperti, poi i vuoti.
        for (int classe = 0; classe < 3; ++classe)
            for (int b = 0; b < m_m; ++b) {
                const bool tocca = toccati >> b & 1;
                const bool aperto = m_perdita[size_t(b)] > 0;
                if ((classe == 0) != tocca || (classe == 1 && !aperto) || (classe == 2 && aperto))
                    continue;
                if (m_libero[size_t(b)] < n || gemello[size_t(b)] >= 0)
                    continue;
                conPezzo(b, g, n, [&] { visita(k + 1); });
            }
        // Diviso su due o più collettori.
        std::vector<int> messi(size_t(m_m), 0);
        for (int parti = 2; parti <= std::min(n, m_m) && !m_interrotta; ++parti)
            distribuisci(k, g, 0, n, 0, parti, gemello, messi);
    }

    void distribuisci(int k, int g, int b, int resto, int usati, int parti, const std::vector<int>& gemello,
                      std::vector<int>& messi)
    {
        if (m_interrotta || m_fine)
            return;
        if (resto == 0) {
            if (usati == parti)
                visita(k + 1);
            return;
        }
        if (b == m_m || usati == parti)
            return;
        int spazio = 0;
        for (int c = b; c < m_m; ++c)
            spazio += m_libero[size_t(c)];
        if (spazio < resto)
            return;
        int massimo = std::min(m_libero[size_t(b)], resto - (parti - usati - 1));
        if (gemello[size_t(b)] >= 0)
            massimo = std::min(massimo, messi[size_t(gemello[size_t(b)])]);
        const int minimo = usati + 1 == parti ? resto : 1;
        for (int a = massimo; a >= minimo; --a) {
            messi[size_t(b)] = a;
            conPezzo(b, g, a, [&] { distribuisci(k, g, b + 1, resto - a, usati + 1, parti, gemello, messi); });
            messi[size_t(b)] = 0;
        }
        distribuisci(k, g, b + 1, resto, usati, parti, gemello, messi);
    }

    const std::vector<TGruppo>& m_gruppi;
    const int m_locali;
    int m_m = 0;
    std::vector<int> m_capienza;
    TSoluzione m_migliore;

    std::vector<int> m_dimensione; // per locale, i circuiti
    std::vector<int> m_stanze; // locali dal più grande
    std::vector<std::vector<int>> m_perStanza; // [collettore][locale]
    std::vector<std::vector<int>> m_stanzeMigliori;
    int m_pezziMigliori = 0;
    int m_minimoPezzi = 0;

    std::vector<int> m_ordine;
    std::vector<int> m_libero;
    std::vector<TValore> m_perdita; // 0 = collettore ancora vuoto (ogni perdita vale almeno 1)
    std::vector<std::uint64_t> m_toccati; // per locale, i collettori che tocca
    std::vector<int> m_restanti; // per locale, i circuiti ancora da piazzare
    std::vector<std::vector<int>> m_quanti;
    int m_pezzi = 0;
    long m_passi = 0;
    bool m_interrotta = false;
    std::vector<TValore> m_radice; // limite inferiore delle perdite, senza vincoli dei locali
    bool m_pezziProvati = false;
    bool m_fine = false; // trovata una divisione che nessuna può battere
};

// Perdita intera di un collettore il cui circuito peggiore è questo: la regola di "Tipo"
// (PerditaCollettore) ristretta a un circuito. Senza KVTA conta la sola perdita del circuito.
TValore PerditaIntera(const TValoriCircuito& v, double kvta)
{
    if (!v.valido)
        return 1; // una lettera sconosciuta non contribuisce alla perdita
    float d = v.perdita;
    if (kvta > 0) {
        const double r = double(v.portata) * 0.001 / kvta;
        d = float(10000.0 * r * r + double(v.perdita));
    }
    return TValore(std::trunc(double(d) + 1.0));
}

// Posizione di ogni etichetta nell'elenco originale dei circuiti del suo locale (principali, poi
// marginali), per rimettere in ordine un elenco rimescolato a mano.
class TOrdineCircuiti
{
public:
    int Indice(const QString& etichetta, int posizione, const TLocaleCalc& l)
    {
        auto it = m_locali.find(posizione);
        if (it == m_locali.end()) {
            QHash<QString, int> h;
            for (int n = 1; n <= l.NAs + l.NAm; ++n) {
                const bool marginale = n > l.NAs;
                const QString e
                    = EtichettaCircuito(NomeCircuito(l.Descrizione, n, marginale), marginale ? u'm' : u's', posizione);
                // Nomi tagliati a 40 caratteri possono ripetersi: conta la prima posizione.
                if (!h.contains(e))
                    h.insert(e, n);
            }
            it = m_locali.insert(posizione, h);
        }
        return it->value(etichetta, INT_MAX);
    }

private:
    QHash<int, QHash<QString, int>> m_locali;
};
} // namespace

QString NomeCollettoreAutomatico(const QString& piano, int numero)
{
    const QString coda = QStringLiteral(" - ") + QString::number(numero);
    QString testa = piano.trimmed().left(qMax(0, MaxNomeCollettore - int(coda.size()))).trimmed();
    if (testa.isEmpty())
        testa = QStringLiteral("C").left(qMax(0, MaxNomeCollettore - int(coda.size())));
    return (testa + coda).left(MaxNomeCollettore);
}

TPropostaCollettori ProponiCollettori(const TAssegnazione& a, double kvta)
{
    TPropostaCollettori proposta;
    struct TCircuito
    {
        QString etichetta;
        int posizione; // del locale in RisultatiLocali, da 1
        int indice; // nel locale
        int riga; // nell'elenco
        TValore valore;
    };
    // Piani nell'ordine del loro primo locale.
    std::map<QString, std::vector<TCircuito>> perPiano;
    TOrdineCircuiti ordine;
    for (int i = 0; i < a.Lista().size(); ++i) {
        const QString& e = a.Lista()[i];
        const TValoriCircuito v = a.ValoriCircuito(e);
        if (!v.locale) {
            proposta.senzaLocale << e;
            continue;
        }
        const int posizione = PosizioneEtichetta(e);
        perPiano[v.locale->Piano].push_back(
            {e, posizione, ordine.Indice(e, posizione, *v.locale), i, PerditaIntera(v, kvta)});
    }
    std::vector<std::pair<int, QString>> piani;
    for (auto& [piano, circuiti] : perPiano) {
        std::sort(circuiti.begin(), circuiti.end(), [](const TCircuito& x, const TCircuito& y) {
            return std::tie(x.posizione, x.indice, x.riga) < std::tie(y.posizione, y.indice, y.riga);
        });
        piani.push_back({circuiti.front().posizione, piano});
    }
    std::sort(piani.begin(), piani.end());

    QSet<QString> usati;
    for (const auto& c : a.Collettori())
        usati.insert(c.Nome());

    for (const auto& [primo, piano] : piani) {
        Q_UNUSED(primo);
        const std::vector<TCircuito>& circuiti = perPiano[piano];
        // Gruppi: circuiti di un locale con la stessa perdita, nell'ordine del locale.
        std::vector<TGruppo> gruppi;
        int locali = 0;
        int ultimaPosizione = -1;
        for (const TCircuito& c : circuiti) {
            if (c.posizione != ultimaPosizione) {
                ultimaPosizione = c.posizione;
                ++locali;
            }
            auto g = std::find_if(gruppi.begin(), gruppi.end(),
                                  [&](const TGruppo& x) { return x.locale == locali - 1 && x.valore == c.valore; });
            if (g == gruppi.end())
                gruppi.push_back({locali - 1, c.valore, {c.etichetta}});
            else
                g->etichette << c.etichetta;
        }

        TPianoGruppi p(gruppi, locali);
        bool esatta = true;
        const std::vector<std::vector<int>> quanti = p.Dividi(esatta);
        proposta.esatta = proposta.esatta && esatta;

        // Collettori nell'ordine del loro primo gruppo; le etichette di un gruppo diviso si danno
        // in ordine ai collettori in quell'ordine.
        std::vector<int> coll(quanti.size());
        for (size_t b = 0; b < coll.size(); ++b)
            coll[b] = int(b);
        auto primoGruppo = [&](int b) {
            const auto& q = quanti[size_t(b)];
            return int(std::find_if(q.begin(), q.end(), [](int x) { return x > 0; }) - q.begin());
        };
        std::stable_sort(coll.begin(), coll.end(), [&](int x, int y) { return primoGruppo(x) < primoGruppo(y); });
        std::vector<TCollettoreProposto> nuovi(coll.size());
        for (size_t g = 0; g < gruppi.size(); ++g) {
            int preso = 0;
            for (size_t i = 0; i < coll.size(); ++i) {
                const int n = quanti[size_t(coll[i])][g];
                nuovi[i].circuiti << gruppi[g].etichette.mid(preso, n);
                preso += n;
            }
        }
        int numero = 1;
        for (TCollettoreProposto& c : nuovi) {
            while (usati.contains(NomeCollettoreAutomatico(piano, numero)))
                ++numero;
            c.nome = NomeCollettoreAutomatico(piano, numero);
            c.piano = piano;
            usati.insert(c.nome);
            proposta.collettori.append(c);
        }
    }
    return proposta;
}

int ApplicaProposta(TAssegnazione& a, const TPropostaCollettori& proposta)
{
    int creati = 0;
    for (const TCollettoreProposto& c : proposta.collettori) {
        if (c.circuiti.isEmpty() || !a.Nuovo(c.nome))
            continue;
        ++creati;
        const TNodo destinazione {a.NumeroCollettori() - 1, -1};
        for (const QString& e : c.circuiti) {
            const int riga = int(a.Lista().indexOf(e));
            if (riga >= 0)
                a.Collega(riga, destinazione);
        }
    }
    return creati;
}

bool AssegnaAutomaticamente(TStatoProgetto& stato, TPropostaCollettori* proposta)
{
    TAssegnazione& a = stato.Assegnazione;
    if (a.Lista().isEmpty())
        return false;
    if (stato.Clessidra)
        stato.Clessidra(true);
    TDati& dati = stato.Dati();
    const double kvta = KvtaCollettore(dati, dati.AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString());
    const TPropostaCollettori p = ProponiCollettori(a, kvta);
    const int creati = ApplicaProposta(a, p);
    if (stato.Clessidra)
        stato.Clessidra(false);
    if (proposta)
        *proposta = p;
    return creati > 0;
}
