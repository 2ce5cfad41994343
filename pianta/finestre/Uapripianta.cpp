#include "Uapripianta.h"
#include "Ufinestrapianta.h"

#include "data/Udatabase.h"
#include "progetto/Upiantalocali.h"
#include "progetto/Ustato.h"

#include <cmath>

TApriPianta::TApriPianta(TStatoProgetto& stato, QWidget* padre)
    : QObject(padre)
    , m_stato(stato)
    , m_padre(padre)
{ }

namespace {
QList<TLocalePianta> Locali(TTabella& t)
{
    QList<TLocalePianta> locali;
    const int id = t.IndiceCampo(QStringLiteral("ID")), descrizione = t.IndiceCampo(QStringLiteral("Descrizione")),
              piano = t.IndiceCampo(QStringLiteral("Piano"));
    for (int r = 0; r < t.RecordCount(); ++r)
        locali << TLocalePianta {t.ValoreRiga(r, id).toInt(), t.ValoreRiga(r, descrizione).toString(),
                                 t.ValoreRiga(r, piano).toString()};
    return locali;
}
} // namespace

namespace {
QHash<int, QList<TAggiornamento>> PerLocale(const TValoriPianta& valori);
}

void TApriPianta::Apri()
{
    if (!m_finestra) {
        // Finestra di primo livello: si affianca alla finestra di progetto, grande quanto serve.
        m_finestra = new TFinestraPianta(m_stato.Pianta, Locali(*m_stato.Dati().AuxLocali), {}, nullptr);
        m_finestra->setAttribute(Qt::WA_DeleteOnClose);
        m_finestra->NuovoLocale = [this](const QString& piano, double area) { return nuovoLocale(piano, area); };
        connect(m_finestra, &TFinestraPianta::PiantaModificata, this,
                [this](const TPianta& pianta, const TValoriPianta& valori) {
                    // La pianta è del progetto: si salva con lui e lo segna come modificato.
                    m_stato.Pianta = pianta;
                    m_stato.Dati().ProgettoModificato = true;
                    scriviValori(valori);
                });
        connect(this, &QObject::destroyed, m_finestra, &QObject::deleteLater);
        m_ultimi = PerLocale(m_finestra->Valori());
    }
    aggiornaFinestra();
    m_finestra->show();
    m_finestra->raise();
    m_finestra->activateWindow();
}

void TApriPianta::aggiornaFinestra()
{
    QStringList collettori;
    for (const TCollettoreAlbero& c : m_stato.Assegnazione.Collettori())
        collettori << c.Nome();
    // La distanza di un locale si misura dal collettore che lo alimenta: quello dei suoi circuiti.
    m_finestra->CollettoreDi = CollettoriDeiLocali(m_stato);
    m_finestra->ImpostaCollettori(collettori);
    m_finestra->ImpostaLocali(Locali(*m_stato.Dati().AuxLocali));
}

int TApriPianta::nuovoLocale(const QString& piano, double area)
{
    // Le regole non registrano un locale senza descrizione e carico termico: si chiedono qui;
    // le aree vengono dal contorno, la distanza dal collettore la scrive poi la pianta.
    TTabella& t = *m_stato.Dati().AuxLocali;
    if (t.State() != TStato::Consultazione && !t.Post())
        return 0;
    const QString descrizione = m_finestra->ChiediTesto(tr("Nuovo locale"), tr("Descrizione del locale:"));
    double carico = 0; // nessuna proposta: lasciato così le regole lo rifiutano
    if (descrizione.isEmpty()
        || !m_finestra->ChiediNumero(tr("Nuovo locale"), tr("Carico termico di \"%1\" (W):").arg(descrizione), carico))
        return 0;
    int id = 1;
    for (const TLocalePianta& l : Locali(t))
        id = std::max(id, l.id + 1);
    const double metri = std::round(area * 100) / 100;
    t.Append();
    const std::pair<const char*, QVariant> campi[] = {
        {"ID", id},
        {"Descrizione", descrizione},
        {"Piano", piano},
        {"Area", metri},
        {"AreaUtile", metri},
        {"AreaMarginale", 0.0},
        {"CTermico", std::round(carico)},
        {"DistColl", 0},
    };
    for (const auto& [campo, valore] : campi)
        if (!t.FieldByName(QLatin1String(campo)).Imposta(valore)) {
            t.Cancel();
            return 0;
        }
    if (!t.Post()) {
        t.Cancel();
        return 0;
    }
    m_stato.Dati().LocaliModificati = true;
    m_finestra->ImpostaLocali(Locali(t));
    return id;
}

namespace {
QHash<int, QList<TAggiornamento>> PerLocale(const TValoriPianta& valori)
{
    QHash<int, QList<TAggiornamento>> per;
    for (const TAggiornamento& a : valori.aggiornamenti)
        per[a.idLocale] << a;
    return per;
}
} // namespace

void TApriPianta::scriviValori(const TValoriPianta& valori)
{
    // Si scrivono solo i locali il cui contorno ha dato valori diversi da prima: un valore scritto
    // a mano resta finché la pianta non cambia quel locale. Tutti e quattro, nell'ordine delle regole.
    TTabella& t = *m_stato.Dati().AuxLocali;
    if (t.State() != TStato::Consultazione && !t.Post())
        return; // il locale in modifica è rifiutato: i valori restano da scrivere
    const auto nuovi = PerLocale(valori);
    QList<TAggiornamento> cambiati;
    for (auto it = nuovi.cbegin(); it != nuovi.cend(); ++it)
        if (m_ultimi.value(it.key()) != it.value())
            cambiati << it.value();
    m_ultimi = nuovi;
    if (ScriviValoriPianta(t, cambiati) > 0)
        m_stato.Dati().LocaliModificati = true;
}
