// tvl ottimizza: l'ottimizzazione delle matasse di un progetto salvato, come la esegue il pulsante
// "&Calcola" della finestra di ottimizzazione; stampa la lista di taglio e la statistica e, a
// richiesta, salva il risultato nel file di progetto. Con --minimo taglia per il minimo acquisto e
// stampa anche il limite inferiore e la distanza da esso.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "optimise/Ucalcolo.h"
#include "optimise/Uminimo.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCommandLineParser>

#include <QLocale>

#include <algorithm>
#include <optional>

namespace {
const char* const UsoOttimizza = R"(uso: tvl ottimizza PROGETTO.tvl [opzioni]

Taglia i circuiti assegnati ai collettori dalle matasse del tubo del progetto e stampa la lista
di taglio, la statistica e il riepilogo delle matasse.

Opzioni (senza, valgono le scelte con cui si aprirebbe la finestra: quelle dell'ultima
ottimizzazione salvata, altrimenti tutte le matasse del tubo, scarto 0, "Totale"):
  --scarto N          scarto minimo per matassa, da 0 a 20 m
  --per-piano         ogni piano si taglia per conto suo ("Per Piano")
  --totale            tutti i circuiti insieme ("Totale")
  --rotoli L1,L2,...  lunghezze delle matasse offerte (m), nell'ordine dato; la finestra le
                      elenca per lunghezza crescente
  --minimo            "Minimo acquisto": il taglio che compra meno tubo, con il limite
                      inferiore (nessun taglio compra meno) e la distanza da esso
  --limite-tempo S    tempo massimo del minimo acquisto in secondi (predefinito 2)
  --salva             salva il risultato nel file di progetto
  --salva-come FILE   salva il progetto con il risultato in un altro file
)";

QString intero(const std::optional<int>& v)
{
    return v ? QString::number(*v) : QString();
}

void StampaRisultato(const TRisultatoOtt& risultato, const QVector<RigaRotolo>& rotoli,
                     const QVector<MatassaOtt>& matasse, const QVector<ArticoloRotolo>& articoli)
{
    Stampa(QStringLiteral("%1 %2 %3  %4 %5 %6\n")
               .arg(QStringLiteral("Rotolo [m]"), 10)
               .arg(QStringLiteral("Scarto [m]"), 10)
               .arg(QStringLiteral("Lung. Circuito [m]"), 18)
               .arg(QStringLiteral("Descr. Circuito"), -40)
               .arg(QStringLiteral(" Collettore Associato"), -21)
               .arg(QStringLiteral("Piano")));
    for (const RigaCircuito& r : risultato.Circuiti) {
        if (r.L_Rotolo)
            Stampa(QStringLiteral("\n"));
        Stampa(QStringLiteral("%1 %2 %3  %4 %5 %6\n")
                   .arg(intero(r.L_Rotolo), 10)
                   .arg(intero(r.Scarto), 10)
                   .arg(r.L_Circuito, 18)
                   .arg(r.Descr_Circuito, -40)
                   .arg(QStringLiteral(" ") + r.Coll, -21)
                   .arg(r.Piano));
    }
    const QStringList nomi = {QStringLiteral("Totale [m]:"), QStringLiteral("Utilizzato [m]:"),
                              QStringLiteral("Avanzo [m]:"), QStringLiteral("Avanzo Perc. [%]:")};
    Stampa(QStringLiteral("\nStatistica:\n"));
    for (int i = 0; i < nomi.size(); ++i)
        Stampa(QStringLiteral("  %1 %2\n").arg(nomi[i], -18).arg(risultato.Statistica.value(i)));

    Stampa(QStringLiteral("\nMatasse usate:\n"));
    for (const MatassaOtt& m : matasse)
        Stampa(QStringLiteral("  %1 m: %2\n").arg(m.Lunghezza, 5).arg(m.Usate));
    if (!rotoli.isEmpty()) {
        Stampa(QStringLiteral("\nAuxRotoli:\n"));
        for (const RigaRotolo& r : rotoli)
            Stampa(QStringLiteral("  %1 %2 %3 m  Quanti %4  %5\n")
                       .arg(r.ID, 2)
                       .arg(r.Cod_Esteso, -20)
                       .arg(r.Rotolo, 5)
                       .arg(r.Quanti, 3)
                       .arg(r.Incluso ? QStringLiteral("incluso") : QStringLiteral("escluso")));
    } else if (articoli.isEmpty()) {
        Stampa(QStringLiteral("\nAuxRotoli: nessun articolo del tubo nel catalogo.\n"));
    }
}
void StampaMinimo(const TRisultatoMinimo& m)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    Stampa(QStringLiteral("\nMinimo acquisto:\n"));
    Stampa(QStringLiteral("  %1 %2\n").arg(QStringLiteral("Acquistato [m]:"), -30).arg(m.Risultato.TotaleMatasse));
    Stampa(QStringLiteral("  %1 %2\n").arg(NomeLimiteInferiore() + QLatin1Char(':'), -30).arg(m.TestoLimite()));
    Stampa(QStringLiteral("  %1 %2\n").arg(QStringLiteral("Distanza dal limite [%]:"), -30).arg(m.TestoDistanza()));
    Stampa(QStringLiteral("  %1 %2 (%3 m in più)\n")
               .arg(QStringLiteral("Ottimizzazione normale [m]:"), -30)
               .arg(m.TotaleNormale)
               .arg(m.TotaleNormale - m.Risultato.TotaleMatasse));
    Stampa(QStringLiteral("  %1 %2\n").arg(QStringLiteral("Tempo [s]:"), -30).arg(locale.toString(m.Secondi, 'f', 2)));
    if (m.Ottimo)
        Stampa(QStringLiteral("  Il taglio raggiunge il limite: nessun taglio compra meno tubo.\n"));
    else if (m.ComeNormale)
        Stampa(
            QStringLiteral("  Il risolutore non ha trovato di meglio: resta il taglio dell'ottimizzazione normale.\n"));
    if (m.TempoScaduto)
        Stampa(QStringLiteral("  Il limite di tempo è scaduto prima della fine della ricerca.\n"));
}
class TTvlOttimizza : public TComandoTvl
{
public:
    TTvlOttimizza()
        : TComandoTvl(QStringLiteral("ottimizza"),
                      QStringLiteral("tvl ottimizza PROGETTO.tvl [--scarto N] [--per-piano] [--rotoli L1,L2,...] "
                                     "[--minimo] [--salva]\n"
                                     "                               taglia i circuiti dalle matasse (tvl ottimizza "
                                     "--help)"),
                      QString::fromUtf8(UsoOttimizza), 1, 1)
    {
        Opzione({QStringLiteral("scarto")}, QStringLiteral("N"));
        Opzione({QStringLiteral("per-piano")});
        Opzione({QStringLiteral("totale")});
        Opzione({QStringLiteral("rotoli")}, QStringLiteral("L1,L2,..."));
        Opzione({QStringLiteral("minimo")});
        Opzione({QStringLiteral("limite-tempo")}, QStringLiteral("S"));
        Opzione({QStringLiteral("salva")});
        Opzione({QStringLiteral("salva-come")}, QStringLiteral("FILE"));
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlOttimizza::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString progetto = argomenti[0];
    std::optional<int> scarto;
    std::optional<TOpzioneOtt> opzione;
    std::optional<QVector<int>> rotoli;
    const bool minimo = opzioni.isSet(QStringLiteral("minimo"));
    double limiteTempo = LimiteTempoMinimo;
    if (opzioni.isSet(QStringLiteral("scarto"))) {
        bool ok = false;
        const int n = opzioni.value(QStringLiteral("scarto")).toInt(&ok);
        if (!ok || n < 0 || n > 20)
            return Errore(QStringLiteral("lo scarto minimo va da 0 a 20 m"));
        scarto = n;
    }
    if (opzioni.isSet(QStringLiteral("per-piano")))
        opzione = TOpzioneOtt::PerPiano;
    else if (opzioni.isSet(QStringLiteral("totale")))
        opzione = TOpzioneOtt::Totale;
    if (opzioni.isSet(QStringLiteral("rotoli"))) {
        QVector<int> l;
        for (const QString& t : opzioni.value(QStringLiteral("rotoli")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = t.trimmed().toInt(&ok);
            if (!ok || n <= 0)
                return Errore(QStringLiteral("lunghezza di matassa non valida: \"%1\"").arg(t));
            l.append(n);
        }
        rotoli = l;
    }
    if (opzioni.isSet(QStringLiteral("limite-tempo"))) {
        bool ok = false;
        limiteTempo = QLocale::c().toDouble(opzioni.value(QStringLiteral("limite-tempo")), &ok);
        if (!ok || !(limiteTempo >= 0) || limiteTempo > 3600)
            return Errore(QStringLiteral("il limite di tempo va da 0 a 3600 s"));
    }
    QString salvaIn
        = opzioni.isSet(QStringLiteral("salva")) ? QStringLiteral("-") : opzioni.value(QStringLiteral("salva-come"));
    if (salvaIn == QLatin1String("-"))
        salvaIn = progetto;

    const auto aperto = ApriProgetto(QStringLiteral("ottimizza"), progetto);
    if (!aperto)
        return 1;
    TDati& dati = aperto->dati;
    TStatoProgetto& stato = aperto->stato;
    if (!ControllaAssegnazioneOtt(stato.Assegnazione))
        return 1;

    QVector<ArticoloRotolo> articoli;
    const QString tubo = dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString();
    if (!LeggiArticoliRotolo(dati, tubo, articoli))
        StampaErrore(QStringLiteral("tvl ottimizza: il catalogo non ha gli articoli del tubo (TUBO)\n"));

    TImpostazioniOtt imp = ImpostazioniIniziali(stato, dati, articoli);
    if (scarto)
        imp.ScartoMin = *scarto;
    if (opzione)
        imp.Opzione = *opzione;
    if (rotoli) {
        imp.Matasse = *rotoli;
        for (int l : imp.Matasse)
            if (std::none_of(articoli.begin(), articoli.end(), [l](const ArticoloRotolo& a) { return a.Conf == l; }))
                StampaErrore(QStringLiteral("tvl ottimizza: il tubo \"%1\" non ha matasse da %2 m: non "
                                            "compariranno in AuxRotoli\n")
                                 .arg(tubo)
                                 .arg(l));
    }

    TCalcoloMinimo calcolo;
    if (minimo)
        calcolo = OttimizzaMinimo(stato, dati, imp, articoli, limiteTempo);
    else
        calcolo.Calcolo = OttimizzaMatasse(stato, dati, imp, articoli);
    const TCalcoloOtt& c = calcolo.Calcolo;
    switch (c.Esito) {
    case TEsitoOtt::Eseguita:
        break;
    case TEsitoOtt::NessunaMatassa:
        return Errore(
            QStringLiteral("nessuna matassa da usare: il tubo \"%1\" non ne ha, indicarle con --rotoli").arg(tubo));
    case TEsitoOtt::Bloccata:
        return 1;
    case TEsitoOtt::Errore:
        return Errore(QStringLiteral("risultato non scritto nelle tabelle"));
    }
    StampaRisultato(c.Risultato, LeggiAuxRotoli(dati), c.Risultato.Matasse, articoli);
    if (minimo)
        StampaMinimo(calcolo.Minimo);

    if (!salvaIn.isEmpty()) {
        if (!ScriviProgetto(stato, salvaIn))
            return 1;
        Stampa(QStringLiteral("\nSalvato in %1\n").arg(salvaIn));
    }
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoOttimizza()
{
    return std::make_unique<TTvlOttimizza>();
}
