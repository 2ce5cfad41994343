// tvl pianta: la pianta DXF di un piano come sfondo del progetto, i contorni dei locali e le
// posizioni dei collettori dai testi del disegno, e i valori misurati scritti nei locali con le
// loro regole. Qui anche la lettura della pianta DXF che usa tvl posa.
#include "cli/Utvl.h"
#include "pianta/Udadisegno.h"
#include "pianta/Udxf.h"
#include "progetto/Ufile.h"
#include "progetto/Upiantalocali.h"

#include <QCommandLineParser>

namespace {
const char* const UsoPianta
    = R"(uso: tvl pianta PROGETTO.tvl --dxf PIANTA.dxf [--piano P] [--unita mm|cm|m] [-o NUOVO.tvl]

Mette il DXF come sfondo del piano nella pianta del progetto. Ogni polilinea chiusa che racchiude
un solo testo uguale all'ID o alla descrizione di un locale del piano ne diventa il contorno; un
testo "=>NOME" è la posizione del collettore NOME. Area, area utile, area marginale e distanza
dal collettore dei locali con un contorno si scrivono con le regole dei locali; poi il progetto
si salva (in NUOVO.tvl con -o). Stampa una riga per locale e i testi che non ha potuto usare.
--piano serve quando il progetto ha più piani.
)";

QString Numero(const QVariant& v, int decimali)
{
    return QString::number(v.toDouble(), 'f', decimali);
}

// Una riga per locale del piano con un contorno: ID, descrizione e i quattro valori scritti.
void StampaLocali(TTabella& locali, const TPiano& piano)
{
    Stampa(QStringLiteral("%1  %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("ID"), 5)
               .arg(QStringLiteral("Descrizione"), -30)
               .arg(QStringLiteral("Area"), 8)
               .arg(QStringLiteral("Utile"), 8)
               .arg(QStringLiteral("Marg."), 8)
               .arg(QStringLiteral("DColl"), 6));
    const int riga = locali.RecNo();
    for (const TContornoLocale& c : piano.locali) {
        if (!locali.Locate(QStringLiteral("ID"), c.idLocale))
            continue;
        Stampa(QStringLiteral("%1  %2 %3 %4 %5 %6\n")
                   .arg(c.idLocale, 5)
                   .arg(locali.FieldByName(QStringLiteral("Descrizione")).AsString().left(30), -30)
                   .arg(Numero(locali.FieldByName(QStringLiteral("Area")).Valore(), 2), 8)
                   .arg(Numero(locali.FieldByName(QStringLiteral("AreaUtile")).Valore(), 2), 8)
                   .arg(Numero(locali.FieldByName(QStringLiteral("AreaMarginale")).Valore(), 2), 8)
                   .arg(Numero(locali.FieldByName(QStringLiteral("DistColl")).Valore(), 0), 6));
    }
    locali.VaiA(riga);
}
} // namespace

int LeggiPiantaDxf(const QString& comando, const QString& percorso, const QString& unita, TDisegno& disegno)
{
    TEsitoDxf letto = TImportaDxf::Leggi(percorso);
    if (!letto.ok)
        return ErroreComando(comando, letto.errore);
    if (!unita.isEmpty()) {
        const TUnita u = unita == QLatin1String("mm") ? TUnita::Millimetri
            : unita == QLatin1String("cm")            ? TUnita::Centimetri
            : unita == QLatin1String("m")             ? TUnita::Metri
                                                      : TUnita::Sconosciuta;
        if (u == TUnita::Sconosciuta)
            return 2;
        if (letto.disegno.unita == TUnita::Sconosciuta)
            letto.disegno.Scala(TDisegno::Metri(u));
    } else if (letto.disegno.unita == TUnita::Sconosciuta) {
        return ErroreComando(comando, QStringLiteral("il DXF non dice la sua unità: indicarla con --unita mm|cm|m"));
    }
    disegno = std::move(letto.disegno);
    return 0;
}

int ScegliPiano(const QString& comando, const TStatoProgetto& stato, QString& piano)
{
    QStringList piani;
    for (const TLocaleCalc& l : stato.RisultatiLocali)
        if (!piani.contains(l.Piano))
            piani << l.Piano;
    if (piano.isEmpty() && piani.size() == 1)
        piano = piani.first();
    if (piani.contains(piano))
        return 0;
    return ErroreComando(comando,
                         piano.isEmpty() ? QStringLiteral("il progetto ha più piani: scegliere con --piano")
                                         : QStringLiteral("nessun locale al piano %1").arg(piano));
}

QList<TLocaleDisegno> LocaliDelPiano(const TStatoProgetto& stato, const QString& piano)
{
    QList<TLocaleDisegno> locali;
    for (const TLocaleCalc& l : stato.RisultatiLocali)
        if (l.Piano == piano)
            locali << TLocaleDisegno {l.ID, l.Descrizione};
    return locali;
}

namespace {
class TTvlPianta : public TComandoTvl
{
public:
    TTvlPianta()
        : TComandoTvl(QStringLiteral("pianta"),
                      QStringLiteral("tvl pianta PROGETTO.tvl --dxf PIANTA.dxf [--piano P] [--unita mm|cm|m] [-o "
                                     "NUOVO.tvl]\n"
                                     "                               contorni, collettori e valori dei locali da una "
                                     "pianta DXF"),
                      QString::fromUtf8(UsoPianta), 1, 1)
    {
        Opzione({QStringLiteral("dxf")}, QStringLiteral("PIANTA.dxf"));
        Opzione({QStringLiteral("piano")}, QStringLiteral("P"));
        Opzione({QStringLiteral("unita")}, QStringLiteral("UNITA"));
        Opzione({QStringLiteral("o")}, QStringLiteral("NUOVO.tvl"));
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlPianta::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    const QString progetto = argomenti[0];
    const QString dxf = opzioni.value(QStringLiteral("dxf"));
    QString piano = opzioni.value(QStringLiteral("piano"));
    const QString unita = opzioni.value(QStringLiteral("unita"));
    const QString uscita = opzioni.value(QStringLiteral("o"));
    if (dxf.isEmpty())
        return Uso(QStringLiteral("manca --dxf"));
    const QString comando = QStringLiteral("pianta");
    const auto aperto = ApriPerStampa(comando, progetto, false);
    if (!aperto)
        return 1;
    TStatoProgetto& stato = aperto->stato;
    if (const int e = ScegliPiano(comando, stato, piano))
        return e;
    TDisegno disegno;
    if (const int e = LeggiPiantaDxf(comando, dxf, unita, disegno))
        return e == 2 ? Uso(QStringLiteral("unità sconosciuta \"%1\"").arg(unita)) : e;

    QStringList inutilizzati;
    const TPiano nuovo = PianoDaDisegno(disegno, piano, LocaliDelPiano(stato, piano), inutilizzati);
    stato.Pianta.PianoOCrea(piano) = nuovo;
    const TValoriPianta valori = TValoriLocali::Calcola(stato.Pianta, CollettoriDeiLocali(stato));
    QList<TAggiornamento> delPiano;
    for (const TAggiornamento& a : valori.aggiornamenti)
        if (std::any_of(nuovo.locali.cbegin(), nuovo.locali.cend(),
                        [&](const TContornoLocale& c) { return c.idLocale == a.idLocale; }))
            delPiano << a;
    QStringList rifiutati;
    TTabella& locali = *aperto->dati.AuxLocali;
    ScriviValoriPianta(locali, delPiano, &rifiutati);
    StampaLocali(locali, nuovo);
    for (const QString& t : inutilizzati)
        Stampa(QStringLiteral("Testo non usato: %1\n").arg(t));
    for (const QString& p : valori.problemi)
        Stampa(QStringLiteral("Avviso: %1\n").arg(p));
    for (const QString& r : rifiutati)
        Stampa(QStringLiteral("Valore rifiutato dalle regole dei locali: %1\n").arg(r));

    const QString destinazione = uscita.isEmpty() ? progetto : uscita;
    // Gli errori di scrittura arrivano su stderr dal punto dei messaggi.
    if (!ScriviProgetto(stato, destinazione))
        return 1;
    Stampa(QStringLiteral("Salvato in %1\n").arg(destinazione));
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoPianta()
{
    return std::make_unique<TTvlPianta>();
}
