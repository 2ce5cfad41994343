#include "data/Uregole.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"

#include <initializer_list>
#include <vector>

// Regole dei record dei locali e dei dati generali.
//
// I vincoli di intervallo si verificano mentre il valore viene assegnato: il valore rifiutato non
// entra mai nel record e l'utente lo sa subito, sulla cella che ha appena scritto. Prima della
// registrazione si ricontrollano comunque, dopo i campi obbligatori, per i valori che fossero
// arrivati nella riga senza passare da un'assegnazione (righe scritte direttamente in SQL).

namespace {

struct TIntervallo
{
    const char* campo;
    double minimo;
    double massimo;
    QString (*messaggio)(); // letto al momento: il testo segue la lingua
};

struct TObbligatorio
{
    const char* campo;
    QString (*messaggio)(); // letto al momento: il testo segue la lingua
};

// Campi numerici dei locali con il loro intervallo accettato (estremi compresi).
const std::vector<TIntervallo>& IntervalliLocali()
{
    static const std::vector<TIntervallo> intervalli = {
        {"Area", 1, 5000, TestiRegole::AreaFuoriRange},
        {"TAmbiente", 1, 30, TestiRegole::TAmbienteFuoriRange},
        {"CTermico", 1, 600000, TestiRegole::CTermicoFuoriRange},
        {"Spessore", 1, 100, TestiRegole::SpessoreFuoriRange},
        {"DistColl", 0, 100, TestiRegole::DistCollFuoriRange},
    };
    return intervalli;
}

// Il primo campo vuoto, nell'ordine dato, mostra il suo messaggio e ferma la registrazione.
bool CampiCompleti(TTabella& t, std::initializer_list<TObbligatorio> campi)
{
    for (const auto& c : campi)
        if (t.FieldByName(QLatin1String(c.campo)).IsNull()) {
            TMessaggi::Errore(c.messaggio());
            return false;
        }
    return true;
}

// Riga di RIVESTIMENTOF con quella descrizione, -1 se non c'è. Si legge senza muovere il cursore
// della tabella, che può essere quello di una lista di scelta aperta altrove.
int RigaRivestimento(const TTabella& riv, const QString& descrizione)
{
    const int d = riv.IndiceCampo(QStringLiteral("DESCRIZIONE"));
    if (d < 0)
        return -1;
    for (int i = 0; i < riv.RecordCount(); ++i)
        if (riv.ValoreRiga(i, d).toString() == descrizione)
            return i;
    return -1;
}

} // namespace

void TDati::InstallaRegole()
{
    for (const auto& i : IntervalliLocali()) {
        TRegoleCampo& r = AuxLocali->Regole(QLatin1String(i.campo));
        r.vincolo = [min = i.minimo, max = i.massimo](const QVariant& x) {
            const double v = x.toDouble();
            return v >= min && v <= max;
        };
        r.messaggioVincolo = i.messaggio();
    }

    // Nuovo locale: rivestimento, conducibilità e spessore dei dati generali. La conducibilità
    // si copia dopo il rivestimento perché la regola del rivestimento la sovrascrive.
    AuxLocali->OnNewRecord = [this](TTabella& t) {
        if (AuxDGenerali->Active()) {
            t.FieldByName(QStringLiteral("Rivestimento"))
                .Imposta(AuxDGenerali->FieldByName(QStringLiteral("TIPO_RIV")).Valore());
            t.FieldByName(QStringLiteral("Lambda_Riv"))
                .Imposta(AuxDGenerali->FieldByName(QStringLiteral("LAMBDA_RIV")).Valore());
            t.FieldByName(QStringLiteral("Spessore"))
                .Imposta(AuxDGenerali->FieldByName(QStringLiteral("SPESS_RIV")).Valore());
        }
        t.FieldByName(QStringLiteral("TAmbiente")).Imposta(20);
    };

    // Il rivestimento porta con sé la sua conducibilità. Un rivestimento che il catalogo non
    // conosce lascia la conducibilità che il locale aveva.
    AuxLocali->Regole(QStringLiteral("Rivestimento")).OnChange = [this](TTabella& t) {
        const TCampo riv = t.FieldByName(QStringLiteral("Rivestimento"));
        if (riv.IsNull())
            return;
        const int riga = RigaRivestimento(*RivestimentoF, riv.AsString());
        if (riga >= 0)
            t.FieldByName(QStringLiteral("Lambda_Riv"))
                .Imposta(RivestimentoF->ValoreRiga(riga, RivestimentoF->IndiceCampo(QStringLiteral("LAMBDA"))));
    };

    // Regole delle aree: valgono solo per chi scrive nella griglia dei locali; il caricamento di
    // un progetto e il calcolo scrivono i locali con la pagina "Locali" non in vista.
    AuxLocali->Regole(QStringLiteral("Area")).OnChange = [this](TTabella& t) {
        if (!PaginaLocaliAttiva())
            return;
        t.FieldByName(QStringLiteral("AreaUtile")).Imposta(t.FieldByName(QStringLiteral("Area")).Valore());
        t.FieldByName(QStringLiteral("AreaMarginale")).Imposta(0.0);
    };
    AuxLocali->Regole(QStringLiteral("AreaUtile")).OnValidate = [this](TTabella& t, const QVariant& nuovo) {
        if (!PaginaLocaliAttiva())
            return true;
        // L'area marginale si azzera anche quando la nuova area utile viene rifiutata.
        t.FieldByName(QStringLiteral("AreaMarginale")).Imposta(0.0);
        // Un campo svuotato non si confronta: lo segnala il controllo dei campi obbligatori.
        if (nuovo.isNull())
            return true;
        const double v = nuovo.toDouble();
        if (v < 1 || v > t.FieldByName(QStringLiteral("Area")).AsFloat()) {
            TMessaggi::Errore(TestiRegole::AreaUtileNonValida());
            return false;
        }
        return true;
    };
    AuxLocali->Regole(QStringLiteral("AreaMarginale")).OnValidate = [this](TTabella& t, const QVariant& nuovo) {
        if (!PaginaLocaliAttiva() || nuovo.isNull())
            return true;
        const double v = nuovo.toDouble();
        if (v < 0 || v > t.FieldByName(QStringLiteral("AreaUtile")).AsFloat()) {
            TMessaggi::Errore(TestiRegole::AreaMarginaleNonValida());
            return false;
        }
        return true;
    };

    AuxLocali->BeforePost = [](TTabella& t) {
        if (!CampiCompleti(t,
                           {
                               {"Descrizione", TestiRegole::MancaDescrizione},
                               {"Piano", TestiRegole::MancaPiano},
                               {"TAmbiente", TestiRegole::MancaTAmbiente},
                               {"Area", TestiRegole::MancaArea},
                               {"AreaUtile", TestiRegole::MancaAreaUtile},
                               {"CTermico", TestiRegole::MancaCTermico},
                               {"Rivestimento", TestiRegole::MancaRivestimento},
                               {"Spessore", TestiRegole::MancaSpessore},
                               {"DistColl", TestiRegole::MancaDistColl},
                           }))
            return false;
        for (const auto& i : IntervalliLocali()) {
            const TCampo c = t.FieldByName(QLatin1String(i.campo));
            if (!c.IsNull() && !t.Regole(QLatin1String(i.campo)).vincolo(c.Valore())) {
                TMessaggi::Errore(i.messaggio());
                return false;
            }
        }
        return true;
    };

    // Numero di locale mancante o già usato: il database rifiuta la riga. Un solo messaggio,
    // e il record resta in modifica perché l'utente corregga il numero.
    AuxLocali->OnPostError = [](TTabella&, const QString&, TAzioneErrore& azione) {
        TMessaggi::Errore(TestiRegole::LocaleNonRegistrato());
        azione = TAzioneErrore::Interrompi;
    };

    AuxLocali->AfterPost = [this](TTabella&) { LocaliModificati = true; };
    AuxLocali->AfterDelete = [this](TTabella&) { LocaliModificati = true; };

    AuxDGenerali->BeforePost = [](TTabella& t) {
        return CampiCompleti(t,
                             {
                                 {"SPESS_MASS", TestiRegole::MancaSpessMass},
                                 {"SPESS_SOL", TestiRegole::MancaSpessSol},
                                 {"SPESS_RIV", TestiRegole::MancaSpessRiv},
                                 {"TEMPVS", TestiRegole::MancaTempVS},
                                 {"LUNGMAX", TestiRegole::MancaLungMax},
                                 {"DELTAT_MAX", TestiRegole::MancaDeltaTMax},
                             });
    };
}
