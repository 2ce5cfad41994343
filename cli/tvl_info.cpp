// tvl info: stampa il contenuto di un file di progetto: cliente, dati generali, locali,
// impostazioni, regolazione, collettori, ottimizzazione e prodotti aggiuntivi.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <algorithm>

namespace {
const QString TitoliModo[]
    = {QStringLiteral("T Ottima"), QStringLiteral("Con Area Marginale"), QStringLiteral("Senza Area Marginale")};

QString Valore(const QVariant& v)
{
    if (v.isNull())
        return {};
    // I reali del file passano per la singola precisione: sette cifre bastano.
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 7);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("sì") : QStringLiteral("no");
    return v.toString();
}

// Il record corrente di una tabella a record singolo, un campo per riga.
void StampaRecord(TTabella* t, const QStringList& esclusi = {})
{
    int larghezza = 0;
    for (int c = 0; c < t->NumeroCampi(); ++c)
        larghezza = std::max(larghezza, int(t->DefCampo(c).nome.size()));
    for (int c = 0; c < t->NumeroCampi(); ++c)
        if (!esclusi.contains(t->DefCampo(c).nome))
            Stampa(QStringLiteral("  %1  %2")
                       .arg(t->DefCampo(c).nome, -larghezza)
                       .arg(Valore(t->Campo(c).Valore()))
                       .trimmed()
                       .prepend(QStringLiteral("  "))
                   + u'\n');
}

// Tutte le righe di una tabella, in colonne allineate.
void StampaTabella(TTabella* t)
{
    const int n = t->NumeroCampi();
    QVector<QStringList> righe;
    QStringList intestazione;
    for (int c = 0; c < n; ++c)
        intestazione << t->DefCampo(c).nome;
    righe << intestazione;
    for (int r = 0; r < t->RecordCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < n; ++c)
            riga << Valore(t->ValoreRiga(r, c));
        righe << riga;
    }
    QVector<int> larghezze(n, 0);
    for (const auto& riga : righe)
        for (int c = 0; c < n; ++c)
            larghezze[c] = std::max(larghezze[c], int(riga[c].size()));
    for (const auto& riga : righe) {
        QString linea = QStringLiteral(" ");
        for (int c = 0; c < n; ++c)
            linea += QStringLiteral(" ") + riga[c].leftJustified(larghezze[c]);
        Stampa(linea.trimmed().isEmpty() ? QStringLiteral("\n") : QStringLiteral("  ") + linea.trimmed() + u'\n');
    }
}
} // namespace

namespace {
QString TipoSfondo(TSfondo::TTipo t)
{
    switch (t) {
    case TSfondo::TTipo::Disegno:
        return QStringLiteral("disegno DXF");
    case TSfondo::TTipo::Immagine:
        return QStringLiteral("immagine");
    case TSfondo::TTipo::Pdf:
        return QStringLiteral("PDF");
    default:
        return QStringLiteral("nessuno");
    }
}

// La pianta, solo se il progetto ne ha una: per piano sfondo, contorni, zone, muri e collettori.
void StampaPianta(const TPianta& pianta)
{
    if (pianta.Vuota())
        return;
    Stampa(QStringLiteral("\nPianta: %1 piani\n").arg(pianta.piani.size()));
    for (const TPiano& p : pianta.piani) {
        QStringList locali;
        for (const TContornoLocale& c : p.locali)
            locali << QString::number(c.idLocale);
        Stampa(QStringLiteral("  Piano %1: sfondo %2; contorni %3 (locali %4); zone senza tubi %5; muri esterni %6\n")
                   .arg(p.piano, TipoSfondo(p.sfondo.tipo))
                   .arg(p.locali.size())
                   .arg(locali.join(QStringLiteral(", ")))
                   .arg(p.zoneSenzaTubi.size())
                   .arg(p.muriEsterni.size()));
        for (auto it = p.collettori.cbegin(); it != p.collettori.cend(); ++it)
            Stampa(
                QStringLiteral("    collettore %1 in (%2; %3) m\n")
                    .arg(it.key(), QString::number(it.value().x(), 'f', 2), QString::number(it.value().y(), 'f', 2)));
    }
}

class TTvlInfo : public TComandoTvl
{
public:
    TTvlInfo()
        : TComandoTvl(QStringLiteral("info"),
                      QStringLiteral("tvl info PROGETTO.tvl        stampa cliente, dati generali, locali, collettori e "
                                     "impostazioni"),
                      QStringLiteral("uso: tvl info PROGETTO.tvl\n\nStampa il contenuto del file: cliente, dati "
                                     "generali, locali, impostazioni,\nregolazione, collettori, ottimizzazione, "
                                     "prodotti aggiuntivi e pianta.\n"),
                      1, 1)
    { }

private:
    int Esegui(const QCommandLineParser&, const QStringList& argomenti) override;
};

int TTvlInfo::Esegui(const QCommandLineParser&, const QStringList& argomenti)
{
    const QString percorso = argomenti[0];
    const auto aperto = ApriProgetto(QStringLiteral("info"), percorso);
    if (!aperto)
        return 1;
    TDati& dati = aperto->dati;
    TStatoProgetto& stato = aperto->stato;

    Stampa(QStringLiteral("Progetto %1\n\nInformazioni Cliente\n").arg(percorso));
    StampaRecord(dati.AuxInfo, {QStringLiteral("ID")});
    Stampa(QStringLiteral("\nDati Generali Impianto\n"));
    StampaRecord(dati.AuxDGenerali, {QStringLiteral("ID"), QStringLiteral("SI-NO")});

    Stampa(QStringLiteral("\nLocali: %1\n").arg(dati.AuxLocali->RecordCount()));
    if (!dati.AuxLocali->IsEmpty())
        StampaTabella(dati.AuxLocali);

    const QString modo = stato.ModoTMandata >= 0 && stato.ModoTMandata <= 2 ? TitoliModo[stato.ModoTMandata]
                                                                            : QStringLiteral("nessuna impostazione");
    Stampa(QStringLiteral("\nT Mandata di Progetto [°C]: %1 (%2)\n")
               .arg(QString::number(stato.TMandataSalvata, 'f', 1), modo));
    Stampa(QStringLiteral("ModoRegolazione: %1\n\nRegolazione\n").arg(stato.ModoRegolazione));
    StampaRecord(dati.AuxRegol, {QStringLiteral("ID")});

    const TAssegnazione& a = stato.Assegnazione;
    Stampa(QStringLiteral("\nCollettori: %1, confermati: %2\n")
               .arg(a.NumeroCollettori())
               .arg(stato.CollettoriConfermati ? QStringLiteral("sì") : QStringLiteral("no")));
    for (const auto& c : a.Collettori()) {
        Stampa(QStringLiteral("  %1 (%2 circuiti)\n").arg(c.Nome()).arg(c.circuiti.size()));
        for (const QString& e : c.circuiti)
            Stampa(QStringLiteral("    %1\n").arg(TestoCircuitoEtichetta(e).trimmed()));
    }
    Stampa(QStringLiteral("Circuiti non assegnati: %1\n").arg(a.Lista().size()));
    for (const QString& e : a.Lista())
        Stampa(QStringLiteral("    %1\n").arg(TestoCircuitoEtichetta(e).trimmed()));
    if (!dati.AuxCollettori->IsEmpty())
        StampaTabella(dati.AuxCollettori);

    Stampa(QStringLiteral("\nOttimizzazione circuiti: %1\n")
               .arg(stato.OttimizzazioneEseguita ? QStringLiteral("eseguita") : QStringLiteral("non eseguita")));
    if (stato.OttimizzazioneEseguita) {
        const QStringList titoli = {QStringLiteral("Totale [m]:"), QStringLiteral("Utilizzato [m]:"),
                                    QStringLiteral("Avanzo [m]:"), QStringLiteral("Avanzo Perc. [%]:")};
        for (int i = 0; i < titoli.size(); ++i)
            Stampa(QStringLiteral("  %1 %2\n").arg(titoli[i], -18).arg(stato.StatOttimizzazione.value(i)));
        Stampa(QStringLiteral("  Opzione: %1, scarto minimo matassa: %2 m\n")
                   .arg(stato.OpzioneOttimizzazione ? QStringLiteral("Per Piano") : QStringLiteral("Totale"))
                   .arg(stato.ScartoMinMatassa));
        StampaTabella(dati.AuxCircuiti);
        StampaTabella(dati.AuxRotoli);
    }

    Stampa(QStringLiteral("\nProdotti aggiuntivi: %1\n").arg(dati.AuxCompAgg->RecordCount()));
    if (!dati.AuxCompAgg->IsEmpty())
        StampaTabella(dati.AuxCompAgg);
    StampaPianta(stato.Pianta);
    return 0;
}

} // namespace

std::unique_ptr<TComandoTvl> ComandoInfo()
{
    return std::make_unique<TTvlInfo>();
}

bool LeggiProgettoPerCalcolo(const QString& percorso, TDatiGenerali& generali, std::vector<TLocaleCalc>& locali,
                             int& modoSalvato, float& mandataSalvata, TDatiEn1264* en1264)
{
    const auto aperto = ApriProgetto(QStringLiteral("calcola"), percorso);
    if (!aperto)
        return false;
    const TStatoProgetto& stato = aperto->stato;
    generali = LeggiDatiGenerali(*aperto->dati.AuxDGenerali);
    // La lettura ha già caricato i locali nell'ordine del progetto.
    locali.assign(stato.RisultatiLocali.begin(), stato.RisultatiLocali.end());
    modoSalvato = stato.ModoTMandata;
    mandataSalvata = stato.TMandataSalvata;
    if (en1264)
        *en1264 = stato.En1264;
    return true;
}
