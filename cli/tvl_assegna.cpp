// tvl assegna: l'assegnazione automatica dei circuiti non assegnati di un progetto salvato, come
// la esegue il pulsante "Assegna automaticamente" della pagina dei collettori; stampa i
// collettori proposti e, a richiesta, salva l'assegnazione (non confermata) nel file.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "progetto/Uassegnaauto.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCommandLineParser>

namespace {
const char* const UsoAssegna = R"(uso: tvl assegna PROGETTO.tvl [--salva | --salva-come FILE]

Propone i collettori per i circuiti non ancora assegnati (un piano per collettore, al più 12
circuiti, il minimo numero di collettori per piano con i circuiti divisi in parti uguali, i
locali interi quando si può, la perdita di carico più bassa) e li stampa con piano, circuiti,
portata e perdita di carico. I collettori già presenti restano come sono.

  --salva             salva l'assegnazione nel file di progetto (da confermare con "Tipo")
  --salva-come FILE   salva il progetto con l'assegnazione in un altro file
)";

QString Numero(double v)
{
    return QString::number(v, 'f', 0);
}

class TTvlAssegna : public TComandoTvl
{
public:
    TTvlAssegna()
        : TComandoTvl(QStringLiteral("assegna"),
                      QStringLiteral("tvl assegna PROGETTO.tvl [--salva | --salva-come FILE]\n"
                                     "                               propone i collettori per i circuiti non "
                                     "assegnati"),
                      QString::fromUtf8(UsoAssegna), 1, 1)
    {
        Opzione({QStringLiteral("salva")});
        Opzione({QStringLiteral("salva-come")}, QStringLiteral("FILE"));
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlAssegna::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString progetto = argomenti[0];
    if (opzioni.isSet(QStringLiteral("salva")) && opzioni.isSet(QStringLiteral("salva-come")))
        return Uso(QStringLiteral("--salva o --salva-come, non tutti e due"));
    QString salvaIn
        = opzioni.isSet(QStringLiteral("salva")) ? QStringLiteral("-") : opzioni.value(QStringLiteral("salva-come"));
    if (salvaIn == QLatin1String("-"))
        salvaIn = progetto;

    const auto aperto = ApriProgetto(QStringLiteral("assegna"), progetto);
    if (!aperto)
        return 1;
    TDati& dati = aperto->dati;
    TStatoProgetto& stato = aperto->stato;
    TAssegnazione& a = stato.Assegnazione;

    const int esistenti = a.NumeroCollettori();
    if (esistenti > 0)
        Stampa(QStringLiteral("Collettori già presenti: %1 (restano come sono)\n").arg(esistenti));
    if (a.Lista().isEmpty()) {
        Stampa(QStringLiteral("Nessun circuito da assegnare.\n"));
        return 0;
    }

    TPropostaCollettori proposta;
    AssegnaAutomaticamente(stato, &proposta);

    const QString tipo = dati.AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString();
    const double kvta = KvtaCollettore(dati, tipo);
    Stampa(QStringLiteral("Collettori proposti: %1 (tipo %2, KVTA %3)\n\n")
               .arg(a.NumeroCollettori() - esistenti)
               .arg(tipo.isEmpty() ? QStringLiteral("-") : tipo)
               .arg(kvta));
    Stampa(QStringLiteral("  %1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("Nome"), -13)
               .arg(QStringLiteral("Piano"), -10)
               .arg(QStringLiteral("Circuiti"), 8)
               .arg(QStringLiteral("Q [l/h]"), 8)
               .arg(QStringLiteral("dP [mmH20]"), 10));
    for (int k = esistenti; k < a.NumeroCollettori(); ++k) {
        const TCollettoreAlbero& c = a.Collettori()[k];
        double dP = 0;
        const QString perdita = PerditaCollettore(a, k, kvta, dP) ? Numero(dP) : QStringLiteral("-");
        Stampa(QStringLiteral("  %1 %2 %3 %4 %5\n")
                   .arg(c.Nome(), -13)
                   .arg(c.circuiti.isEmpty() ? QString() : a.PianoCircuito(c.circuiti.first()), -10)
                   .arg(c.circuiti.size(), 8)
                   .arg(Numero(PortataCollettore(a, k)), 8)
                   .arg(perdita, 10));
        for (const QString& e : c.circuiti)
            Stampa(QStringLiteral("      %1\n").arg(TestoCircuitoEtichetta(e).trimmed()));
    }
    if (kvta <= 0)
        StampaErrore(QStringLiteral("tvl assegna: il tipo di collettore \"%1\" non ha un KVTA: la perdita "
                                    "dei collettori non si può calcolare\n")
                         .arg(tipo));
    if (!proposta.esatta)
        StampaErrore(QStringLiteral(
            "tvl assegna: progetto troppo grande per la ricerca completa: è la migliore divisione trovata\n"));
    if (!a.Lista().isEmpty()) {
        Stampa(QStringLiteral("\nRestano da assegnare (il locale indicato non esiste): %1\n").arg(a.Lista().size()));
        for (const QString& e : a.Lista())
            Stampa(QStringLiteral("      %1\n").arg(TestoCircuitoEtichetta(e).trimmed()));
    }

    if (!salvaIn.isEmpty()) {
        if (!ScriviProgetto(stato, salvaIn))
            return 1;
        Stampa(QStringLiteral("\nSalvato in %1 (assegnazione da confermare con \"Tipo\")\n").arg(salvaIn));
    }
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoAssegna()
{
    return std::make_unique<TTvlAssegna>();
}
