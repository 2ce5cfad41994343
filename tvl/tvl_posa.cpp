// tvl posa: la posa automatica dei circuiti sulla pianta di un piano, con le lunghezze misurate
// sul disegno, e a richiesta il DXF e la tavola PDF dell'impianto.
#include "pianta/Udadisegno.h"
#include "posa/Udxfposa.h"
#include "posa/Utavola.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"
#include "tvl/Utvl.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace {
const char* const UsoPosa = R"(uso: tvl posa PROGETTO.tvl --pianta PIANTA.dxf [--piano P] [--unita mm|cm|m]
                [--schema spirale|serpentina] [--dxf OUT.dxf] [--pdf OUT.pdf] [--scala 50|100] [--a4]

Posa i circuiti dimensionati dei locali del piano sulla pianta e stampa per ogni circuito il
locale, il numero, la zona (s principale, m marginale), lo schema, il passo, la lunghezza
dell'anello, dei collegamenti e il totale misurati sul disegno, la lunghezza dimensionata e il
collettore; poi i circuiti che non ha potuto posare, con il motivo.

La pianta è un DXF: ogni polilinea chiusa che racchiude un solo testo uguale all'ID o alla
descrizione di un locale del piano ne è il contorno; un testo "=>NOME" è la posizione del
collettore NOME. --piano serve quando il progetto ha più piani.

  --dxf FILE     disegno DXF della posa (un file per piano)
  --pdf FILE     tavola impianto in PDF (A3 orizzontale, 1:50; --scala 100, --a4)
)";

// I risultati dei locali con i circuiti della pagina dei collettori (nome e collettore).
QList<TLocaleDimensionato> Dimensionati(const TStatoProgetto& stato)
{
    QList<TLocaleDimensionato> r;
    for (const TLocaleCalc& l : stato.RisultatiLocali) {
        TLocaleDimensionato d;
        d.ID = l.ID;
        d.piano = l.Piano;
        d.descrizione = l.Descrizione;
        d.NAs = l.NAs, d.PassoAs = l.PassoAs, d.LAs = l.LAs, d.portataAs = l.QAs;
        d.NAm = l.NAm, d.PassoAm = l.PassoAm, d.LAm = l.LAm, d.portataAm = l.QAm;
        for (int k = 1; k <= l.NAs; ++k)
            d.circuitiAs << TRiferimentoCircuito {NomeCircuito(l.Descrizione, k, false), {}};
        for (int k = 1; k <= l.NAm; ++k)
            d.circuitiAm << TRiferimentoCircuito {NomeCircuito(l.Descrizione, k, true), {}};
        r << d;
    }
    // Il collettore di ogni circuito assegnato: l'etichetta dà locale e zona, il nome il numero.
    for (const TCollettoreAlbero& c : stato.Assegnazione.Collettori())
        for (const QString& e : c.circuiti) {
            const int i = PosizioneEtichetta(e) - 1;
            if (i < 0 || i >= r.size())
                continue;
            auto& lista = ZonaEtichetta(e) == u'm' ? r[i].circuitiAm : r[i].circuitiAs;
            const QString nome = TestoCircuitoEtichetta(e).trimmed();
            for (TRiferimentoCircuito& rc : lista)
                if (rc.nome.left(40).trimmed() == nome && rc.collettore.isEmpty()) {
                    rc.collettore = c.Nome();
                    break;
                }
        }
    return r;
}

QString Metri(double v)
{
    return QString::number(v, 'f', 1);
}

void StampaPiano(const TPosaPiano& p)
{
    Stampa(QStringLiteral("Piano %1\n").arg(p.piano));
    Stampa(QStringLiteral("  %1 %2 %3 %4 %5 %6 %7 %8 %9  %10  %11\n")
               .arg(QStringLiteral("ID"), 5)
               .arg(QStringLiteral("N"), 2)
               .arg(QStringLiteral("Z"), 1)
               .arg(QStringLiteral("Schema"), -10)
               .arg(QStringLiteral("P[cm]"), 5)
               .arg(QStringLiteral("Anello"), 7)
               .arg(QStringLiteral("Coll."), 6)
               .arg(QStringLiteral("Totale"), 7)
               .arg(QStringLiteral("Dim."), 5)
               .arg(QStringLiteral("Collettore"), -13)
               .arg(QStringLiteral("Circuito")));
    double totale = 0;
    for (const TCircuitoPiano& c : p.circuiti) {
        if (!c.Posato())
            continue;
        totale += c.Totale();
        Stampa(
            QStringLiteral("  %1 %2 %3 %4 %5 %6 %7 %8 %9  %10  %11\n")
                .arg(c.ID, 5)
                .arg(c.numero, 2)
                .arg(c.zona)
                .arg(c.schema == TSchemaPosa::Spirale ? QStringLiteral("spirale") : QStringLiteral("serpentina"), -10)
                .arg(QString::number(c.passo * 100, 'f', 1), 5)
                .arg(Metri(c.Anello()), 7)
                .arg(Metri(c.Collegamenti()), 6)
                .arg(Metri(c.Totale()), 7)
                .arg(QString::number(c.lunghezzaDimensionata, 'f', 0), 5)
                .arg(c.collettore, -13)
                .arg(c.nome));
    }
    Stampa(QStringLiteral("  Totale tubo del piano: %1 m\n").arg(Metri(totale)));
    for (const QString& a : p.avvisi)
        Stampa(QStringLiteral("  Avviso: %1\n").arg(a));
    for (const QString& n : p.nonPosati)
        Stampa(QStringLiteral("  Non posato: %1\n").arg(n));
}
} // namespace

int ComandoPosa(const QStringList& argomenti)
{
    QString progetto, pianta, piano, dxf, pdf, unita;
    TOpzioniPosa opzioni;
    TDatiTavola tavola;
    const auto uso = [] {
        std::fputs(UsoPosa, stderr);
        return 2;
    };
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        const bool valore = i + 1 < argomenti.size();
        if (a == QLatin1String("--pianta") && valore)
            pianta = argomenti[++i];
        else if (a == QLatin1String("--piano") && valore)
            piano = argomenti[++i];
        else if (a == QLatin1String("--unita") && valore)
            unita = argomenti[++i];
        else if (a == QLatin1String("--dxf") && valore)
            dxf = argomenti[++i];
        else if (a == QLatin1String("--pdf") && valore)
            pdf = argomenti[++i];
        else if (a == QLatin1String("--scala") && valore) {
            tavola.scala = argomenti[++i].toInt();
            if (tavola.scala != 50 && tavola.scala != 100)
                return uso();
        } else if (a == QLatin1String("--a4"))
            tavola.formato = QPageSize::A4;
        else if (a == QLatin1String("--schema") && valore) {
            const QString s = argomenti[++i];
            if (s == QLatin1String("spirale"))
                opzioni.schema = TSchemaPosa::Spirale;
            else if (s == QLatin1String("serpentina"))
                opzioni.schema = TSchemaPosa::Serpentina;
            else
                return uso();
        } else if (!a.startsWith(QLatin1String("--")) && progetto.isEmpty())
            progetto = a;
        else
            return uso();
    }
    if (progetto.isEmpty() || pianta.isEmpty())
        return uso();
    const QString comando = QStringLiteral("posa");
    const auto aperto = ApriPerStampa(comando, progetto, false);
    if (!aperto)
        return 1;
    const TStatoProgetto& stato = aperto->stato;
    if (const int e = ScegliPiano(comando, stato, piano))
        return e;
    TDisegno disegno;
    if (const int e = LeggiPiantaDxf(comando, pianta, unita, disegno))
        return e == 2 ? uso() : e;
    QStringList inutilizzati;
    const TPiano pianoPianta = PianoDaDisegno(disegno, piano, LocaliDelPiano(stato, piano), inutilizzati);
    for (const QString& t : inutilizzati)
        std::fprintf(stderr, "tvl posa: testo non usato: %s\n", qPrintable(t));

    opzioni.conMarginale = stato.ModoTMandata == 1;
    const TPosaPiano posa = TPosaPianta::PosaPiano(pianoPianta, Dimensionati(stato), opzioni);
    StampaPiano(posa);

    if (!dxf.isEmpty()) {
        QString errore;
        if (!TDxfPosa::Scrivi(dxf, pianoPianta, posa, &errore))
            return ErroreComando(comando, errore);
        Stampa(QStringLiteral("DXF scritto: %1\n").arg(dxf));
    }
    if (!pdf.isEmpty()) {
        tavola.progetto = QFileInfo(progetto).completeBaseName();
        tavola.data = QLocale(QLocale::Italian, QLocale::Italy).toString(QDate::currentDate(), QLocale::ShortFormat);
        const TEsitoTavola e = TTavola::Scrivi(pdf, pianoPianta, posa, tavola);
        if (!e.ok)
            return ErroreComando(comando, e.errore);
        for (const QString& a : e.avvisi)
            std::fprintf(stderr, "tvl posa: %s\n", qPrintable(a));
        Stampa(QStringLiteral("Tavola scritta: %1 (1:%2)\n").arg(pdf).arg(e.scala));
    }
    return 0;
}
