// tvl documento: costruisce un documento di un progetto salvato, come il menu "Stampa", e lo
// salva come cartella di lavoro (.xlsx); poi lo apre con l'applicazione predefinita, salvo
// --non-aprire o TVL_NON_APRIRE.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "documents/Uetichette.h"
#include "documents/Updf.h"
#include "documents/Upreventivo.h"
#include "documents/Urapporto.h"
#include "documents/Ututti.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCommandLineParser>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <functional>
#include <map>

namespace {

const char* const UsoDocumento = R"(uso: tvl documento TIPO PROGETTO.tvl [-o FILE.xlsx] [--non-aprire] [--pdf]
     tvl documento tutti PROGETTO.tvl [-o CARTELLA] [--pdf]

TIPO:
  rapporto            relazione tecnica
  preventivo          preventivo semplice
  capitolato          capitolato senza prezzi
  capitolato-prezzi   capitolato con prezzi
  etichette           etichette dei circuiti
  ottimizzazione      tabella dell'ottimizzazione dei circuiti
  tutti               ogni documento del progetto (l'ottimizzazione se è stata eseguita), senza
                      aprirli, nella CARTELLA di -o o in quella del progetto; --pdf converte
                      tutte le copie con un solo avvio di LibreOffice

Senza -o il documento va nella cartella del progetto sotto la cartella dei documenti, con un
nome nuovo (mai sovrascritto).
--pdf crea anche una copia PDF accanto al documento con LibreOffice (soffice); se non ci riesce
il comando esce con un errore.
Se il catalogo non ha una riga che la distinta del preventivo o del capitolato richiede, il
documento si crea lo stesso, l'elenco di ciò che manca va su stderr e il comando esce con 3.
)";

const QString AvvisoCollettori
    = QStringLiteral("I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.\n\n");

struct TTipoDocumento
{
    std::function<QString(TStatoProgetto&, TRichiestaDocumento)> crea;
    // Controllo dopo l'aggiornamento del progetto: false ferma il comando.
    std::function<bool(TStatoProgetto&)> controlla;
    bool ricostruisciCollettori = true; // le etichette non ricostruiscono le liste dei collettori
};

bool AvvisaSeNonConfermati(TStatoProgetto& s, const QString& seguito)
{
    if (!s.CollettoriConfermati)
        TMessaggi::Avviso(AvvisoCollettori + seguito);
    return true;
}

const std::map<QString, TTipoDocumento>& Tipi()
{
    const QString preventivo = QStringLiteral("Il preventivo non conterrà la lista relativa ai collettori e alla "
                                              "regolazione.");
    static const std::map<QString, TTipoDocumento> tipi = {
        {QStringLiteral("rapporto"),
         {CreaRapportoTecnico,
          [](TStatoProgetto& s) {
              return AvvisaSeNonConfermati(
                  s, QStringLiteral("La Relazione tecnica non conterrà i risultati relativi ai collettori."));
          }}},
        {QStringLiteral("preventivo"),
         {CreaPreventivo, [preventivo](TStatoProgetto& s) { return AvvisaSeNonConfermati(s, preventivo); }}},
        {QStringLiteral("capitolato"),
         {CreaCapitolato,
          [preventivo](TStatoProgetto& s) {
              s.ConPrezzi = 0;
              return AvvisaSeNonConfermati(s, preventivo);
          }}},
        {QStringLiteral("capitolato-prezzi"),
         {CreaCapitolato,
          [preventivo](TStatoProgetto& s) {
              s.ConPrezzi = 1;
              return AvvisaSeNonConfermati(s, preventivo);
          }}},
        {QStringLiteral("etichette"), {CreaEtichette, [](TStatoProgetto&) { return true; }, false}},
        {QStringLiteral("ottimizzazione"),
         {CreaTabellaOttimizzazione,
          [](TStatoProgetto& s) {
              if (!s.OttimizzazioneEseguita)
                  TMessaggi::Avviso(QStringLiteral("Non è stata effettuata l'ottimizzazione dei circuiti."));
              return s.OttimizzazioneEseguita;
          }}},
    };
    return tipi;
}

// Apertura con il programma del desktop, senza QtGui: lo stesso che farebbe un doppio clic.
bool ApriConIlDesktop(const QString& file)
{
#if defined(Q_OS_WIN)
    return QProcess::startDetached(
        QStringLiteral("cmd"),
        {QStringLiteral("/c"), QStringLiteral("start"), QString(), QDir::toNativeSeparators(file)});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {file});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {file});
#endif
}

int Errore(const QString& testo)
{
    return ErroreComando(QStringLiteral("documento"), testo);
}

// Tutti i documenti in una cartella; i PDF con un solo avvio di LibreOffice.
int Tutti(const QString& progetto, const QString& cartella, bool pdf)
{
    const auto aperto = ApriPerStampa(QStringLiteral("documento"), progetto, true);
    if (!aperto)
        return 1;
    TStatoProgetto& stato = aperto->stato;
    AvvisaSeNonConfermati(stato, QStringLiteral("I documenti non conterranno i collettori e la regolazione."));
    if (pdf && PercorsoSoffice().isEmpty())
        return Errore(QStringLiteral("PDF non creati: LibreOffice (soffice) non è installato."));
    const TEsitoTutti esito
        = CreaTuttiIDocumenti(stato, cartella.isEmpty() ? QString() : QFileInfo(cartella).absoluteFilePath(), pdf);
    for (const QString& f : esito.documenti + esito.pdf)
        Stampa(QDir::toNativeSeparators(f) + u'\n');
    for (const QString& m : esito.mancanti)
        StampaErrore(QStringLiteral("tvl documento: non creato: %1\n").arg(m));
    // Un documento fallito ha già detto perché; l'ottimizzazione non eseguita non è un errore.
    constexpr int TuttiITipi = 6;
    if (esito.documenti.size() + esito.mancanti.size() < TuttiITipi)
        return 1;
    if (pdf && esito.pdf.size() != esito.documenti.size())
        return Errore(QStringLiteral("PDF non creati: ") + esito.erroriPdf);
    return 0;
}

class TTvlDocumento : public TComandoTvl
{
public:
    TTvlDocumento()
        : TComandoTvl(QStringLiteral("documento"),
                      QStringLiteral("tvl documento TIPO PROGETTO.tvl [-o FILE.xlsx] [--non-aprire] [--pdf]\n"
                                     "                               crea un documento: rapporto, preventivo, "
                                     "capitolato,\n"
                                     "                               capitolato-prezzi, etichette, ottimizzazione\n"
                                     "  tvl documento tutti PROGETTO.tvl [-o CARTELLA] [--pdf]\n"
                                     "                               ogni documento del progetto in una cartella"),
                      QString::fromUtf8(UsoDocumento), 2, 2)
    {
        Opzione({QStringLiteral("o")}, QStringLiteral("FILE"));
        Opzione({QStringLiteral("non-aprire")});
        Opzione({QStringLiteral("pdf")});
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlDocumento::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString& tipo = argomenti[0];
    const QString& progetto = argomenti[1];
    const QString uscita = opzioni.value(QStringLiteral("o"));
    const bool apri = !opzioni.isSet(QStringLiteral("non-aprire"));
    const bool pdf = opzioni.isSet(QStringLiteral("pdf"));
    if (tipo == QLatin1String("tutti"))
        return Tutti(progetto, uscita, pdf);
    const auto it = Tipi().find(tipo);
    if (it == Tipi().end())
        return Uso(QStringLiteral("tipo di documento sconosciuto \"%1\"").arg(tipo));
    if (!uscita.isEmpty() && !uscita.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return Errore(QStringLiteral("il documento si salva come .xlsx"));

    // Come il menu "Stampa": risultati aggiornati e, salvo le etichette, liste dei collettori.
    const auto aperto = ApriPerStampa(QStringLiteral("documento"), progetto, it->second.ricostruisciCollettori);
    if (!aperto)
        return 1;
    TStatoProgetto& stato = aperto->stato;
    if (!it->second.controlla(stato))
        return 1;

    TDocumenti::ImpostaApertura(apri);
    TDocumenti::InstallaApertura(ApriConIlDesktop);
    TRichiestaDocumento richiesta;
    if (!uscita.isEmpty())
        richiesta.destinazione = QFileInfo(uscita).absoluteFilePath();
    const QString file = it->second.crea(stato, richiesta);
    if (file.isEmpty())
        return 1;
    Stampa(QDir::toNativeSeparators(file) + u'\n');
    if (pdf) {
        const TEsitoPdf esito = CreaPdf(file);
        if (!esito.riuscito)
            return Errore(QStringLiteral("PDF non creato: ") + esito.errore);
        Stampa(QDir::toNativeSeparators(esito.pdf) + u'\n');
    }
    // Documento fatto ma incompleto (avviso già su stderr): uno script lo distingue da un successo.
    return aperto->dati.MancanzeDistinta.isEmpty() ? Riuscito : CatalogoIncompleto;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoDocumento()
{
    return std::make_unique<TTvlDocumento>();
}
