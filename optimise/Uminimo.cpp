#include "optimise/Uminimo.h"

#include "data/Uformato.h"
#include "progetto/Ustato.h"

#include "optimise/Uconteggi.h"
#include "optimise/Uintero.h"
#include "optimise/Uscelta.h"

#include <QLocale>

#include <algorithm>
#include <limits>
#include <memory>

using namespace Schemi;

namespace {
const double Infinito = std::numeric_limits<double>::max();

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
double Secondi(Orologio::time_point fine)
{
    return std::chrono::duration<double>(fine - Orologio::now()).count();
}

// La soluzione data prende il posto di quella scelta se compra meno tubo.
bool Prendi(TGruppo& g, std::vector<TRotolo> rotoli)
{
    if (rotoli.empty() || Costo(g.problema, rotoli) >= Costo(g.problema, g.scelto))
        return false;
    g.scelto = std::move(rotoli);
    return true;
}

} // namespace

double TRisultatoMinimo::Distanza() const
{
    if (LimiteInferiore <= 0)
        return 0;
    return double(Risultato.TotaleMatasse - LimiteInferiore) / double(LimiteInferiore) * 100.0;
}

QString TestoLimiteInferiore(int metri)
{
    return InteroSchermo(metri);
}

QString TRisultatoMinimo::TestoLimite() const
{
    return TestoLimiteInferiore(LimiteInferiore);
}

QString TRisultatoMinimo::TestoDistanza() const
{
    return NumeroSchermo(Distanza(), 2);
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

        migliorato |= Prendi(g, Arrotonda(p, maestro, schemi, ora + quota * 4 / 5, progresso));
        if (rilassamenti[i].chiuso && Costo(p, g.scelto) > g.limite) {
            TLimiteAlzato alzato = AlzaLimite(p, g.limite, Costo(p, g.scelto), ora + quota * 9 / 10, progresso);
            g.limite = alzato.limite;
            migliorato |= Prendi(g, std::move(alzato.rotoli));
        }
        const double secondi = Secondi(fine);
        if (Costo(p, g.scelto) <= g.limite || secondi < 0.005)
            continue; // raggiunto il limite, o non resta tempo

        Arricchisci(p, rilassamenti[i].duali, double(g.limite + PassoMatasse(p)) - rilassamenti[i].valore, 20000,
                    maestro, schemi);
        const std::vector<int> partenza = UsoDaRotoli(p, g.scelto, maestro, schemi);
        const TIntero intero = RisolviIntero(p, schemi, partenza, secondi);
        if (!intero.uso.empty())
            migliorato |= Prendi(g, Ripara(p, schemi, intero.uso));
        // Il limite di tempo conta solo se la ricerca si è fermata prima di raggiungere il limite.
        if (intero.scaduto && Costo(p, g.scelto) > g.limite)
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
    if (c.Calcolo.Esito == TEsitoOtt::Eseguita)
        stato.MinimoAcquisto = {.Usato = true, .LimiteInferiore = c.Minimo.LimiteInferiore};
    return c;
}
