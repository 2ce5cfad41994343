#include "en1264/Urelazione.h"

#include "documents/foglio/Ufoglio.h"
#include "progetto/Ustato.h"
#include "en1264/Udati.h"
#include "en1264/Ulimite.h"
#include "en1264/Uraffrescamento.h"

#include <QCoreApplication>

#include <cmath>

namespace {

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(Relazione)
};

constexpr int RigaTitoli = 6;

QString Cella(int colonna, int riga)
{
    return TFoglio::Indirizzo(colonna, riga);
}

void Fisso(TFoglio& f, const QString& cella, double v, int decimali)
{
    const double scala = std::pow(10.0, decimali);
    f.Valore(cella, std::round(v * scala) / scala);
    f.Formatta(cella,
               {.formato = decimali == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimali, u'0')});
}

// Nuovo foglio con titolo, riferimento, righe di testo e intestazioni della tabella in riga 6.
void NuovoFoglio(TFoglio& f, const QString& titolo, const QString& rif, const QStringList& note,
                 const QStringList& intestazioni)
{
    f.AggiungiFoglio(titolo);
    f.Valore(QStringLiteral("A1"), titolo);
    f.Formatta(QStringLiteral("A1"), {.dimensione = 14, .grassetto = true});
    f.Valore(QStringLiteral("A2"), TTesti::tr("Rif.: %1").arg(rif));
    for (int i = 0; i < note.size() && i < 3; ++i)
        f.Valore(Cella(1, 3 + i), note[i]);
    for (int c = 0; c < intestazioni.size(); ++c)
        f.Valore(Cella(c + 1, RigaTitoli), intestazioni[c]);
    const QString titoli = Cella(1, RigaTitoli) + u':' + Cella(int(intestazioni.size()), RigaTitoli);
    f.Formatta(titoli, {.grassetto = true, .sfondo = QStringLiteral("D9D9D9"), .aCapo = true});
    f.TuttiIBordi(titoli);
    f.LarghezzaColonne(QStringLiteral("A"), 6);
    f.LarghezzaColonne(QStringLiteral("B"), 24);
    f.LarghezzaColonne(QStringLiteral("C:%1").arg(TFoglio::LettereColonna(int(intestazioni.size()))), 12);
    f.AreaStampa(QStringLiteral("A:%1").arg(TFoglio::LettereColonna(int(intestazioni.size()))));
    f.TitoliStampa(RigaTitoli, RigaTitoli);
    TPagina pagina;
    pagina.orizzontale = true;
    f.ImpostaPagina(pagina);
}

// Il modello di calcolo nel modo salvato, come i fogli della relazione.
TPavRad ModelloSalvato(const TStatoProgetto& s)
{
    TPavRad p = s.PavRad;
    p.ImpostaAreaMarginaleAttiva(s.ModoTMandata == 1);
    return p;
}

void Verifica(TFoglio& f, const TStatoProgetto& s, const QString& rif)
{
    const TPavRad pav = ModelloSalvato(s);
    const QVector<bool> bagni = BagniLocali(s.En1264, s.RisultatiLocali);
    const std::vector<TVerificaLocale> v = VerificaLocali(pav, s.RisultatiLocali, bagni);
    const TMandataEn1264 m = MandataEn1264(pav, s.RisultatiLocali, bagni);
    QStringList note
        = {TTesti::tr(
               "Curva limite UNI EN 1264-2: temperatura superficiale massima 29 °C, 33 °C nei bagni, 35 °C nelle zone "
               "marginali."),
           TTesti::tr("Locali oltre il limite: %1").arg(LocaliOltreLimite(v))};
    if (m.Riferimento >= 0 && m.TMandata > 0)
        note << TTesti::tr("Temperatura di mandata di progetto UNI EN 1264-3: %1 °C (locale %2, σ %3 K).")
                    .arg(TFoglio::TestoFisso(m.TMandata, 1))
                    .arg(s.RisultatiLocali[m.Riferimento].ID)
                    .arg(TFoglio::TestoFisso(m.Sigma, 0));
    NuovoFoglio(f, TTesti::tr("Verifica EN 1264"), rif, note,
                {TTesti::tr("N°"), TTesti::tr("Descrizione"), TTesti::tr("Piano"), TTesti::tr("Bagno"),
                 TTesti::tr("Zona"), TTesti::tr("q [W/mq]"), TTesti::tr("qG [W/mq]"), TTesti::tr("θF,m [°C]"),
                 TTesti::tr("θF,max [°C]"), TTesti::tr("Verifica")});
    int riga = RigaTitoli + 1;
    for (std::size_t k = 0; k < v.size(); ++k) {
        const TLocaleCalc& l = s.RisultatiLocali[int(k)];
        for (const auto& [zona, z] : {std::pair {TTesti::tr("As"), v[k].As}, std::pair {TTesti::tr("Am"), v[k].Am}}) {
            if (!z.Presente)
                continue;
            f.Valore(Cella(1, riga), l.ID);
            f.Valore(Cella(2, riga), l.Descrizione);
            f.Valore(Cella(3, riga), l.Piano);
            f.Valore(Cella(4, riga), TestoSiNo(bagni[int(k)]));
            f.Valore(Cella(5, riga), zona);
            Fisso(f, Cella(6, riga), z.q, 1);
            Fisso(f, Cella(7, riga), z.qG, 1);
            Fisso(f, Cella(8, riga), z.TFm, 1);
            Fisso(f, Cella(9, riga), z.TFMax, 0);
            f.Valore(Cella(10, riga), z.Esito());
            f.TuttiIBordi(Cella(1, riga) + u':' + Cella(10, riga));
            ++riga;
        }
    }
}

void Raffrescamento(TFoglio& f, const TStatoProgetto& s, const QString& rif)
{
    const TPavRad pav = ModelloSalvato(s);
    const TDatiEstivi& d = s.En1264.Estivi;
    const float rugiada = PuntoRugiada(d.TAmbiente, d.UR);
    const std::optional<float> minima = MandataMinimaSicura(pav, s.RisultatiLocali, d);
    const float mandata = d.TMandata != 0 ? d.TMandata : minima.value_or(0.0f);
    QStringList note = {TTesti::tr("Ambiente %1 °C, umidità relativa %2 %, punto di rugiada %3 °C, margine %4 K.")
                            .arg(TFoglio::TestoFisso(d.TAmbiente, 1), TFoglio::TestoFisso(d.UR, 0),
                                 TFoglio::TestoFisso(rugiada, 1), TFoglio::TestoFisso(d.Margine, 1))};
    note << (mandata > 0 ? TTesti::tr("Mandata estiva %1 °C, salto termico %2 K.")
                               .arg(TFoglio::TestoFisso(mandata, 1), TFoglio::TestoFisso(d.Salto, 0))
                         : TTesti::tr("Nessuna mandata estiva sicura con questi dati."));
    NuovoFoglio(f, TTesti::tr("Raffrescamento"), rif, note,
                {TTesti::tr("N°"), TTesti::tr("Descrizione"), TTesti::tr("Piano"), TTesti::tr("Carico estivo [W]"),
                 TTesti::tr("Resa estiva [W]"), TTesti::tr("T Sup. [°C]"), TTesti::tr("Portata [l/h]"),
                 TTesti::tr("Mancanza [W]"), TTesti::tr("Verifica")});
    if (!(mandata > 0))
        return;
    const std::vector<float> carichi = CarichiLocali(s.En1264, s.RisultatiLocali);
    const std::vector<TRaffLocale> r = CalcolaRaffrescamento(pav, s.RisultatiLocali, carichi, d, mandata);
    int riga = RigaTitoli + 1;
    for (std::size_t k = 0; k < r.size(); ++k, ++riga) {
        const TLocaleCalc& l = s.RisultatiLocali[int(k)];
        f.Valore(Cella(1, riga), l.ID);
        f.Valore(Cella(2, riga), l.Descrizione);
        f.Valore(Cella(3, riga), l.Piano);
        Fisso(f, Cella(4, riga), r[k].Carico, 0);
        if (r[k].Calcolato) {
            Fisso(f, Cella(5, riga), r[k].Resa, 0);
            Fisso(f, Cella(6, riga), r[k].TSup, 1);
            Fisso(f, Cella(7, riga), r[k].Portata, 0);
            Fisso(f, Cella(8, riga), r[k].Mancanza, 0);
        } else {
            f.Valore(Cella(5, riga) + u':' + Cella(8, riga), QStringLiteral("-"));
        }
        f.Valore(Cella(9, riga), r[k].Esito());
        f.TuttiIBordi(Cella(1, riga) + u':' + Cella(9, riga));
    }
}

} // namespace

bool RelazioneConVerifica(const TStatoProgetto& stato)
{
    return stato.En1264.Usato();
}

bool RelazioneConRaffrescamento(const TStatoProgetto& stato)
{
    const TDatiEn1264& d = stato.En1264;
    const TDatiEstivi base;
    const bool carichi = std::any_of(d.CarichiEstivi.begin(), d.CarichiEstivi.end(), [](float c) { return c > 0; });
    return carichi || d.Estivi.TAmbiente != base.TAmbiente || d.Estivi.UR != base.UR
        || d.Estivi.TMandata != base.TMandata || d.Estivi.Margine != base.Margine;
}

QStringList AggiungiFogliEn1264(TFoglio& f, const TStatoProgetto& stato, const QString& rif)
{
    QStringList titoli;
    if (stato.RisultatiLocali.isEmpty())
        return titoli;
    if (RelazioneConVerifica(stato)) {
        Verifica(f, stato, rif);
        titoli << TTesti::tr("Verifica EN 1264");
    }
    if (RelazioneConRaffrescamento(stato)) {
        Raffrescamento(f, stato, rif);
        titoli << TTesti::tr("Raffrescamento");
    }
    return titoli;
}
