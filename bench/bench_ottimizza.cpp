// Tempi dell'ottimizzazione delle matasse: 200 circuiti da 40 a 120 m, tre lunghezze di matassa,
// scarto minimo 5, "Totale" e "Per Piano". Stima anche quanto impiegherebbe la ricerca esaustiva
// sullo stesso progetto: ne misura il costo per combinazione su progetti piccoli e conta, passo
// per passo, quante combinazioni esaminerebbe sui 200 circuiti prima di fermarsi.
#include "optimise/Uottimizza.h"
#include "optimise/Uscelta.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Orologio = std::chrono::steady_clock;

const QVector<int> Matasse = {120, 240, 600};
const int Scarto = 5;

// Circuiti da 40 a 120 m su tre piani. Con soloPari le lunghezze sono pari e, con matasse pari e
// scarto 5, nessuna combinazione riempie esattamente una matassa: la ricerca esaustiva non si ferma
// mai prima di aver visto tutte le combinazioni fino a 8.
QVector<CircuitoOtt> progetto(int n, quint32 seme, bool soloPari)
{
    QRandomGenerator g(seme);
    QVector<CircuitoOtt> v;
    for (int i = 0; i < n; ++i) {
        const QString piano = QStringLiteral("P%1").arg(i * 3 / n);
        const int l = soloPari ? 40 + 2 * int(g.bounded(41)) : 40 + int(g.bounded(81));
        v.append({QStringLiteral(" Locale %1 - 1").arg(i), l, QStringLiteral("C%1").arg(i / 12), piano});
    }
    return v;
}

double millisecondi(Orologio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Ricerca esaustiva alla lettera su un gruppo; conta le combinazioni esaminate.
long long letterale(std::vector<int> lista, const std::vector<int>& matasse, int scarto)
{
    std::stable_sort(lista.begin(), lista.end());
    long long esaminate = 0;
    while (!lista.empty()) {
        const int s = int(lista.size());
        float best = 0.0f;
        std::vector<int> scelta;
        bool trovata = false;
        for (int k = 1; k <= 8 && k <= s && !trovata; ++k) {
            for (size_t r = 0; r < matasse.size() && !trovata; ++r) {
                std::vector<int> idx(static_cast<size_t>(k), 0);
                for (int i = 0; i < k; ++i)
                    idx[size_t(i)] = i;
                while (true) {
                    ++esaminate;
                    int sum = 0;
                    for (int i : idx)
                        sum += lista[size_t(i)];
                    if (sum == matasse[r] - scarto) {
                        scelta = idx;
                        trovata = true;
                        break;
                    }
                    const float fill = float(sum) / float(matasse[r]);
                    if (matasse[r] - scarto - sum > 0 && fill < 1.0f && fill > best) {
                        best = fill;
                        scelta = idx;
                    }
                    int i = k - 1;
                    while (i >= 0 && idx[size_t(i)] == s - k + i)
                        --i;
                    if (i < 0)
                        break;
                    ++idx[size_t(i)];
                    for (int j = i + 1; j < k; ++j)
                        idx[size_t(j)] = idx[size_t(j - 1)] + 1;
                }
            }
        }
        for (auto it = scelta.rbegin(); it != scelta.rend(); ++it)
            lista.erase(lista.begin() + *it);
    }
    return esaminate;
}

// Binomiali fino a 200 su 8.
long long binomiale(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// Combinazioni che la ricerca esaustiva esamina su un gruppo, calcolate dalle scelte (identiche)
// della ricerca veloce: blocchi (k, matassa) interi prima della scelta, più il rango della
// combinazione esatta nel suo blocco; senza riempimento esatto, tutti i blocchi.
long double contate(std::vector<int> lista, const std::vector<int>& matasse, int scarto)
{
    std::stable_sort(lista.begin(), lista.end());
    long double totale = 0;
    const long double m = (long double)matasse.size();
    while (!lista.empty()) {
        const int s = int(lista.size());
        const int kMax = std::min(8, s);
        const TScelta sc = ScegliCombinazione(lista, matasse, scarto);
        if (sc.esatta) {
            const int k = int(sc.posizioni.size());
            for (int kk = 1; kk < k; ++kk)
                totale += m * (long double)binomiale(s, kk);
            totale += (long double)sc.matassa * (long double)binomiale(s, k);
            long long rango = 0;
            int prec = -1;
            for (int t = 0; t < k; ++t) {
                for (int v = prec + 1; v < sc.posizioni[size_t(t)]; ++v)
                    rango += binomiale(s - 1 - v, k - 1 - t);
                prec = sc.posizioni[size_t(t)];
            }
            totale += (long double)(rango + 1);
        } else {
            for (int kk = 1; kk <= kMax; ++kk)
                totale += m * (long double)binomiale(s, kk);
        }
        for (auto it = sc.posizioni.rbegin(); it != sc.posizioni.rend(); ++it)
            lista.erase(lista.begin() + *it);
    }
    return totale;
}

std::vector<std::vector<int>> gruppi(const QVector<CircuitoOtt>& circuiti, TOpzioneOtt opzione)
{
    std::vector<std::vector<int>> g;
    for (const auto& indici : GruppiOttimizzazione(circuiti, opzione)) {
        std::vector<int> l;
        for (int i : indici)
            l.push_back(circuiti[i].LCircuito);
        g.push_back(l);
    }
    return g;
}
} // namespace

int main()
{
    const std::vector<int> matasse(Matasse.begin(), Matasse.end());
    struct TProgetto
    {
        const char* nome;
        bool soloPari;
    };
    const TProgetto progetti[] = {{"lunghezze casuali", false}, {"senza riempimenti esatti", true}};

    std::printf("Ottimizzazione di 200 circuiti (40-120 m), matasse 120/240/600 m, scarto minimo %d m\n", Scarto);
    for (const auto& p : progetti) {
        const QVector<CircuitoOtt> grande = progetto(200, 7, p.soloPari);
        std::printf("%s:\n", p.nome);
        for (const auto opzione : {TOpzioneOtt::Totale, TOpzioneOtt::PerPiano}) {
            std::vector<double> tempi;
            TRisultatoOtt ris;
            for (int i = 0; i < 50; ++i) {
                const auto t0 = Orologio::now();
                ris = OttimizzaMatasse(grande, Matasse, Scarto, opzione);
                tempi.push_back(millisecondi(Orologio::now() - t0));
            }
            std::sort(tempi.begin(), tempi.end());
            std::printf("  %-10s mediana %7.2f ms, migliore %7.2f ms, peggiore %7.2f ms  (%d matasse, avanzo %s%%)\n",
                        opzione == TOpzioneOtt::Totale ? "Totale" : "Per Piano", tempi[tempi.size() / 2], tempi.front(),
                        tempi.back(),
                        int(std::count_if(ris.Circuiti.begin(), ris.Circuiti.end(),
                                          [](const RigaCircuito& r) { return r.L_Rotolo.has_value(); })),
                        qPrintable(ris.Statistica.value(3)));
        }
    }

    // Costo della ricerca esaustiva per combinazione, misurato su progetti piccoli; il conteggio
    // calcolato dalle scelte deve coincidere con quello contato davvero.
    std::printf("\nRicerca esaustiva su progetti piccoli senza riempimenti esatti (Totale):\n");
    double nsPerCombinazione = 0;
    for (int n : {12, 16, 20, 24}) {
        const auto piccolo = gruppi(progetto(n, 11 + n, true), TOpzioneOtt::Totale).front();
        const auto t0 = Orologio::now();
        const long long esaminate = letterale(piccolo, matasse, Scarto);
        const double ms = millisecondi(Orologio::now() - t0);
        const long double calcolate = contate(piccolo, matasse, Scarto);
        nsPerCombinazione = ms * 1e6 / double(esaminate);
        std::printf("  %3d circuiti: %10.1f ms, %12lld combinazioni (calcolate %.0Lf), %.1f ns l'una\n", n, ms,
                    esaminate, calcolate, nsPerCombinazione);
    }

    std::printf("\nStima della ricerca esaustiva su 200 circuiti, a %.1f ns per combinazione:\n", nsPerCombinazione);
    for (const auto& p : progetti) {
        const QVector<CircuitoOtt> grande = progetto(200, 7, p.soloPari);
        for (const auto opzione : {TOpzioneOtt::Totale, TOpzioneOtt::PerPiano}) {
            long double combinazioni = 0;
            for (const auto& g : gruppi(grande, opzione))
                combinazioni += contate(g, matasse, Scarto);
            const long double secondi = combinazioni * (long double)nsPerCombinazione * 1e-9L;
            std::printf("  %-25s %-10s %.2Le combinazioni, circa %.2Le s (%.1Lf ore)\n", p.nome,
                        opzione == TOpzioneOtt::Totale ? "Totale" : "Per Piano", combinazioni, secondi,
                        secondi / 3600.0L);
        }
    }
    return 0;
}
