// tvl distinta: la distinta dei materiali di un progetto salvato, come la costruiscono il
// preventivo semplice e il capitolato, stampata come testo.
#include "cli/Utvl.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "documents/Udistinta.h"
#include "documents/Upreventivo.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCommandLineParser>

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
const char* const UsoDistinta = R"(uso: tvl distinta [--capitolato] [--tab] PROGETTO.tvl

Ricalcola il progetto come i comandi di stampa, costruisce la distinta dei materiali e la stampa:
una voce per riga con numero, articolo, codice, unità, quantità, prezzo unitario, importo e
descrizione; poi i prodotti aggiuntivi e il totale delle voci con un prezzo. Senza collettori
confermati la distinta ha solo i materiali (e l'avviso del programma va su stderr).
Se il catalogo non ha una riga che la distinta richiede (il collettore per quel numero di
attacchi, la sua cassetta, il tubo...), la distinta si stampa lo stesso, l'elenco di ciò che manca
va su stderr e il comando esce con 3.

Opzioni:
  --capitolato   le righe nell'ordine del capitolato, senza prodotti aggiuntivi
  --tab          colonne separate da un tabulatore invece che allineate
Numeri con il punto decimale; "-" dove il catalogo non dà un prezzo.
)";

QString Numero(double v)
{
    return QLocale::c().toString(v, 'f', 2);
}

struct TVoceStampa
{
    QString articolo, codice, unita, descrizione;
    double quantita = 0;
    QVariant prezzo;
};

class TTvlDistinta : public TComandoTvl
{
public:
    TTvlDistinta()
        : TComandoTvl(QStringLiteral("distinta"),
                      QStringLiteral("tvl distinta [--capitolato] [--tab] PROGETTO.tvl  stampa la distinta dei "
                                     "materiali"),
                      QString::fromUtf8(UsoDistinta), 1, 1)
    {
        Opzione({QStringLiteral("capitolato")});
        Opzione({QStringLiteral("tab")});
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlDistinta::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString progetto = argomenti[0];
    const bool capitolato = opzioni.isSet(QStringLiteral("capitolato"));
    const bool tab = opzioni.isSet(QStringLiteral("tab"));
    const auto aperto = ApriPerStampa(QStringLiteral("distinta"), progetto, true);
    if (!aperto)
        return 1;
    TDati& dati = aperto->dati;
    TStatoProgetto& stato = aperto->stato;
    // Come i comandi di stampa: l'avviso quando i collettori non sono confermati.
    if (!stato.CollettoriConfermati)
        TMessaggi::Avviso(MsgCollettoriPreventivo);

    const TTotaliDistinta t = CreaDistinta(stato, capitolato ? TTipoDistinta::Capitolato : TTipoDistinta::Preventivo);
    QVector<TVoceStampa> voci;
    for (const TRigaDistinta& r : LeggiDistinta(dati))
        voci.append({r.Articolo, r.Cod_Esteso, r.Unit_Mis, r.Descrizione, r.Quantita, r.Prezzo_Unit});
    const qsizetype materiali = voci.size();
    if (!capitolato) {
        TTabella* a = dati.AuxCompAgg;
        for (a->First(); !a->Eof(); a->Next()) {
            TVoceStampa v {a->FieldByName(QStringLiteral("Articolo")).AsString(),
                           a->FieldByName(QStringLiteral("Cod_Esteso")).AsString(),
                           a->FieldByName(QStringLiteral("Unit_Mis")).AsString(),
                           a->FieldByName(QStringLiteral("Descrizione")).AsString(),
                           a->FieldByName(QStringLiteral("Quantità")).AsFloat(),
                           {}};
            if (!a->FieldByName(QStringLiteral("Prezzo_Unit")).IsNull())
                v.prezzo = a->FieldByName(QStringLiteral("Prezzo_Unit")).AsFloat();
            voci.append(v);
        }
    }

    // Le quantità valgono come nel documento: arrotondate a due decimali.
    const auto arrotonda = [](double v) { return std::round(v * 100) / 100; };
    QVector<QStringList> righe = {{QStringLiteral("N."), QStringLiteral("Articolo"), QStringLiteral("Codice"),
                                   QStringLiteral("U.M."), QStringLiteral("Quantità"), QStringLiteral("Prezzo"),
                                   QStringLiteral("Importo"), QStringLiteral("Descrizione")}};
    double totale = 0;
    int senzaPrezzo = 0;
    for (qsizetype i = 0; i < voci.size(); ++i) {
        const TVoceStampa& v = voci[i];
        QString prezzo = QStringLiteral("-"), importo = QStringLiteral("-");
        if (v.prezzo.isNull()) {
            ++senzaPrezzo;
        } else {
            const double valore = arrotonda(v.quantita) * v.prezzo.toDouble();
            totale += valore;
            prezzo = Numero(v.prezzo.toDouble());
            importo = Numero(valore);
        }
        righe.append({QString::number(i + 1), v.articolo, v.codice, v.unita, Numero(arrotonda(v.quantita)), prezzo,
                      importo, v.descrizione.simplified()});
    }

    QVector<int> larghezze(righe.first().size(), 0);
    for (const QStringList& r : righe)
        for (int c = 0; c < r.size(); ++c)
            larghezze[c] = std::max(larghezze[c], int(r[c].size()));
    const auto stampaRiga = [&](const QStringList& r) {
        QStringList celle;
        for (int c = 0; c < r.size(); ++c) {
            const bool numero = c == 0 || (c >= 4 && c <= 6);
            celle << (tab || c == r.size() - 1 ? r[c]
                          : numero             ? r[c].rightJustified(larghezze[c])
                                               : r[c].leftJustified(larghezze[c]));
        }
        Stampa(celle.join(tab ? QStringLiteral("\t") : QStringLiteral("  ")) + u'\n');
    };
    for (qsizetype i = 0; i < righe.size(); ++i) {
        if (i == materiali + 1 && materiali < voci.size() && !tab)
            Stampa(QStringLiteral("-- prodotti aggiuntivi\n"));
        stampaRiga(righe[i]);
    }
    Stampa(QStringLiteral("\nArea totale [m²]: %1   Perimetro base [m]: %2   Tubo [m]: %3\n")
               .arg(Numero(t.A), Numero(t.P), Numero(t.L)));
    Stampa(QStringLiteral("Totale delle voci con prezzo [€]: %1\n").arg(Numero(totale)));
    if (senzaPrezzo > 0)
        Stampa(QStringLiteral("Voci senza prezzo in catalogo: %1\n").arg(senzaPrezzo));
    if (!dati.MancanzeDistinta.isEmpty()) {
        TMessaggi::Avviso(AvvisoMancanzeDistinta(dati.MancanzeDistinta));
        return CatalogoIncompleto;
    }
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoDistinta()
{
    return std::make_unique<TTvlDistinta>();
}
