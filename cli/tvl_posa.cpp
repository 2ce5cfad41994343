// tvl posa: la posa automatica dei circuiti sulla pianta di un piano, con le lunghezze misurate
// sul disegno, e a richiesta il DXF e la tavola PDF dell'impianto.
#include "cli/Utvl.h"
#include "documents/Utavolaimpianto.h"
#include "documents/foglio/Udocumento.h"
#include "pianta/Udadisegno.h"
#include "posa/Udxfposa.h"
#include "posa/Utavola.h"
#include "progetto/Ufile.h"
#include "progetto/Uposaprogetto.h"
#include "progetto/Ustato.h"

#include <QCommandLineParser>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {
const char* const UsoPosa = R"(uso: tvl posa PROGETTO.tvl [--pianta PIANTA.dxf [--unita mm|cm|m]] [--piano P]
                [--schema spirale|serpentina] [--dxf OUT.dxf] [--pdf OUT.pdf] [--scala 50|100] [--a4]
                [--salva]

Posa i circuiti dimensionati dei locali sulla pianta del progetto (ogni piano, o quello di
--piano) e stampa per ogni circuito il locale, il numero, la zona (s principale, m marginale),
lo schema, il passo, la lunghezza dell'anello, dei collegamenti e il totale misurati sul disegno,
la lunghezza dimensionata e il collettore; poi i circuiti che non ha potuto posare, con il motivo.

Con --pianta la pianta del piano viene da un DXF: ogni polilinea chiusa che racchiude un solo
testo uguale all'ID o alla descrizione di un locale del piano ne è il contorno; un testo "=>NOME"
è la posizione del collettore NOME (--piano serve quando il progetto ha più piani).

  --dxf FILE     disegno DXF della posa (con più piani un file per piano: FILE-PIANO.dxf)
  --pdf FILE     tavola impianto in PDF (A3 orizzontale, 1:50; --scala 100, --a4)
  --salva        salva nel progetto la pianta letta, lo schema e "Lunghezze dal disegno": da lì
                 in poi collettori, matasse, distinta e documenti usano le lunghezze posate
)";

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
class TTvlPosa : public TComandoTvl
{
public:
    TTvlPosa()
        : TComandoTvl(QStringLiteral("posa"),
                      QStringLiteral("tvl posa PROGETTO.tvl [--pianta PIANTA.dxf] [--piano P] [--schema "
                                     "spirale|serpentina]\n"
                                     "                               [--dxf OUT.dxf] [--pdf OUT.pdf] [--salva]  posa "
                                     "i circuiti sulla pianta"),
                      QString::fromUtf8(UsoPosa), 1, 1)
    {
        for (const char* o : {"pianta", "piano", "unita", "dxf", "pdf", "scala", "schema"})
            Opzione({QString::fromLatin1(o)}, QString::fromLatin1(o).toUpper());
        Opzione({QStringLiteral("salva")});
        Opzione({QStringLiteral("a4")});
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlPosa::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString progetto = argomenti[0];
    const QString pianta = opzioni.value(QStringLiteral("pianta"));
    QString piano = opzioni.value(QStringLiteral("piano"));
    const QString unita = opzioni.value(QStringLiteral("unita"));
    const QString dxf = opzioni.value(QStringLiteral("dxf"));
    const QString pdf = opzioni.value(QStringLiteral("pdf"));
    const bool salva = opzioni.isSet(QStringLiteral("salva"));
    TDatiTavola tavola;
    if (opzioni.isSet(QStringLiteral("a4")))
        tavola.formato = QPageSize::A4;
    if (opzioni.isSet(QStringLiteral("scala"))) {
        tavola.scala = opzioni.value(QStringLiteral("scala")).toInt();
        if (tavola.scala != 50 && tavola.scala != 100)
            return Uso(QStringLiteral("--scala vuole 50 o 100"));
    }
    std::optional<TSchemaPosa> schema;
    if (opzioni.isSet(QStringLiteral("schema"))) {
        const QString s = opzioni.value(QStringLiteral("schema"));
        if (s == QLatin1String("spirale"))
            schema = TSchemaPosa::Spirale;
        else if (s == QLatin1String("serpentina"))
            schema = TSchemaPosa::Serpentina;
        else
            return Uso(QStringLiteral("--schema vuole spirale o serpentina"));
    }
    const QString comando = QStringLiteral("posa");
    const auto aperto = ApriPerStampa(comando, progetto, false);
    if (!aperto)
        return 1;
    TStatoProgetto& stato = aperto->stato;
    if (!pianta.isEmpty()) {
        if (const int e = ScegliPiano(comando, stato, piano))
            return e;
        TDisegno disegno;
        if (const int e = LeggiPiantaDxf(comando, pianta, unita, disegno))
            return e == 2 ? Uso(QStringLiteral("unità sconosciuta \"%1\"").arg(unita)) : e;
        QStringList inutilizzati;
        stato.Pianta.PianoOCrea(piano) = PianoDaDisegno(disegno, piano, LocaliDelPiano(stato, piano), inutilizzati);
        for (const QString& t : inutilizzati)
            StampaErrore(QStringLiteral("tvl posa: testo non usato: %1\n").arg(t));
    } else if (stato.Pianta.Vuota()) {
        return ErroreComando(comando, QStringLiteral("il progetto non ha una pianta: indicarne una con --pianta"));
    } else if (!piano.isEmpty() && !stato.Pianta.Piano(piano)) {
        return ErroreComando(comando, QStringLiteral("la pianta non ha il piano %1").arg(piano));
    }
    if (schema)
        stato.Posa.Schema = *schema;

    QList<const TPiano*> piani;
    for (const TPiano& p : stato.Pianta.piani)
        if (piano.isEmpty() || p.piano == piano)
            piani << &p;
    const QList<TLocaleDimensionato> locali = Dimensionati(stato);
    const TOpzioniPosa opzioniPosa = OpzioniPosa(stato);
    for (const TPiano* pp : piani) {
        const TPosaPiano posa = TPosaPianta::PosaPiano(*pp, locali, opzioniPosa);
        StampaPiano(posa);
        const auto file = [&](const QString& base) {
            if (piani.size() == 1)
                return base;
            const QFileInfo f(base);
            return f.dir().filePath(f.completeBaseName() + u'-' + NomeFileSicuro(pp->piano) + u'.' + f.suffix());
        };
        if (!dxf.isEmpty()) {
            QString errore;
            if (!TDxfPosa::Scrivi(file(dxf), *pp, posa, &errore))
                return ErroreComando(comando, errore);
            Stampa(QStringLiteral("DXF scritto: %1\n").arg(file(dxf)));
        }
        if (!pdf.isEmpty()) {
            // Il cartiglio come quello del menu "Stampa"; senza nome del progetto, quello del file.
            const TDatiTavola dalProgetto = DatiTavolaProgetto(aperto->dati);
            tavola.progetto
                = dalProgetto.progetto.isEmpty() ? QFileInfo(progetto).completeBaseName() : dalProgetto.progetto;
            tavola.cliente = dalProgetto.cliente;
            tavola.progettista = dalProgetto.progettista;
            tavola.data = dalProgetto.data;
            tavola.fogli = int(piani.size());
            tavola.foglio = int(piani.indexOf(pp)) + 1;
            const TEsitoTavola e = TTavola::Scrivi(file(pdf), *pp, posa, tavola);
            if (!e.ok)
                return ErroreComando(comando, e.errore);
            for (const QString& a : e.avvisi)
                StampaErrore(QStringLiteral("tvl posa: %1\n").arg(a));
            Stampa(QStringLiteral("Tavola scritta: %1 (1:%2)\n").arg(file(pdf)).arg(e.scala));
        }
    }
    if (salva) {
        stato.Posa.LunghezzeDalDisegno = true;
        // Gli errori di scrittura arrivano su stderr dal punto dei messaggi.
        if (!ScriviProgetto(stato, progetto))
            return 1;
        Stampa(QStringLiteral("Salvato in %1 (lunghezze dal disegno)\n").arg(progetto));
    }
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoPosa()
{
    return std::make_unique<TTvlPosa>();
}
