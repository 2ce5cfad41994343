// tvl calcola: calcola i circuiti di un progetto dato in forma di testo e stampa la griglia dei
// circuiti con gli stessi testi della pagina della temperatura di mandata.
#include "calc/Ucalc.h"
#include "cli/Utvl.h"
#include "data/Uerrori.h"
#include "data/Ufilenormale.h"
#include "en1264/Udati.h"
#include "en1264/Ulimite.h"
#include "en1264/Uraffrescamento.h"
#include "en1264/Utesti.h"

#include <QCommandLineParser>

#include <QFile>
#include <QList>
#include <QMap>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <vector>

namespace {
const char* const UsoCalcola = R"(uso: tvl calcola [opzioni] FILE      (FILE "-" legge lo standard input)

Opzioni:
  --modo N        0 T Ottima (predefinito senza --mandata): zone marginali spente e
                    temperatura di mandata ottimale calcolata
                  1 Con Area Marginale, 2 Senza Area Marginale (predefinito con --mandata)
  --mandata T     temperatura di mandata in °C (col punto), per i modi 1 e 2
  --locale NOME   separatore decimale dei numeri della griglia, per esempio it_IT o C
                  (predefinito: quello del sistema)
  --tab           colonne separate da un tabulatore invece che allineate
  --en1264        aggiunge per zona il flusso limite qG e la verifica EN 1264 (bagni: i
                    locali a 24 °C o più, temperatura superficiale massima 33 °C)
  --raffrescamento  dopo la griglia la tabella del raffrescamento, con:
    --mandata-estiva T   mandata estiva in °C (predefinita: la più bassa sicura)
    --ur UR              umidità relativa estiva in % (predefinita 50)
    --ambiente-estivo T  temperatura ambiente estiva in °C (predefinita 26)

Un FILE .tvl o .nv è un file di progetto: senza --modo e --mandata si calcola con il modo e la
temperatura di mandata salvati nel progetto; --modo da solo usa la temperatura salvata.

Forma del FILE (testo UTF-8; righe vuote e righe che iniziano con # ignorate):
  dati generali, una riga NOME=valore per ciascuno dei campi di AuxDGenerali, nelle unità
  delle tabelle:
    SPESS_MASS=50     (mm)      LAMBDA_MASS=1.2   (W/mK)
    SPESS_SOL=20      (cm)      LAMBDA_SOL=1.0    (W/mK)
    SPESS_TUBO=2      (mm)      LAMBDA_TUBO=0.22  (W/mK)
    DEST_TUBO=20      (mm)      INTERASSE=50      (mm)
    TEMPVS=10         (°C)      LUNGMAX=100       (m)
    DELTAT_MAX=5      (K)
  un locale per riga, nell'ordine dei locali del progetto, campi separati da ";":
    locale ID; Descrizione; Piano; TAmbiente; Area; AreaUtile; AreaMarginale; CTermico;
           Lambda_Riv; Spessore; DistColl [; CaricoEstivo]
  per esempio: locale 1; Soggiorno; PT; 20; 20; 20; 0; 1300; 0.2; 10; 5
  il dodicesimo campo, facoltativo, è il carico estivo in W per --raffrescamento.

Nella griglia la colonna Integr. termina con V (lampada verde) o R (lampada rossa); le
temperature superficiali oltre 29 °C (As) o 33 °C (Am) terminano con "!".
)";

const char* const NomiGenerali[] = {"SPESS_MASS", "LAMBDA_MASS", "SPESS_SOL", "LAMBDA_SOL", "SPESS_TUBO", "LAMBDA_TUBO",
                                    "DEST_TUBO",  "INTERASSE",   "TEMPVS",    "LUNGMAX",    "DELTAT_MAX"};

int Errore(const QString& testo)
{
    return ErroreComando(QStringLiteral("calcola"), testo);
}

bool Numero(QString testo, double& valore)
{
    bool ok = false;
    valore = QLocale::c().toDouble(testo.trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(valore);
}

struct TProgettoTesto
{
    TDatiGenerali generali;
    std::vector<TLocaleCalc> locali;
    std::vector<float> carichiEstivi; // W, uno per locale
    QList<bool> bagni;
    TDatiEn1264 en1264; // di un file di progetto; il testo non ha la colonna dei bagni

    std::span<const bool> Bagni()
    {
        bagni.clear();
        for (const TLocaleCalc& l : locali)
            bagni.append(en1264.Bagno(l));
        return {bagni.constData(), std::size_t(bagni.size())};
    }
};

// Legge il testo; in caso di errore restituisce il messaggio con il numero di riga.
QString Leggi(QTextStream& in, TProgettoTesto& p)
{
    QMap<QString, double> generali;
    int numero = 0;
    while (!in.atEnd()) {
        const QString riga = in.readLine().trimmed();
        ++numero;
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')))
            continue;
        const QString dove = QStringLiteral("riga %1: ").arg(numero);
        if (riga.startsWith(QLatin1String("locale"), Qt::CaseInsensitive)) {
            const QStringList c = riga.mid(6).split(QLatin1Char(';'));
            if (c.size() != 11 && c.size() != 12)
                return dove + QStringLiteral("un locale ha 11 campi separati da \";\", qui sono %1").arg(c.size());
            double v[12] = {};
            for (int k : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11})
                if (k < c.size() && !Numero(c[k], v[k]))
                    return dove
                        + QStringLiteral("il campo %1 del locale non è un numero: \"%2\"")
                              .arg(k + 1)
                              .arg(c[k].trimmed());
            TLocaleCalc l;
            l.ID = int(v[0]);
            l.Descrizione = c[1].trimmed();
            l.Piano = c[2].trimmed();
            l.TAmbiente = float(v[3]);
            l.Area = float(v[4]);
            l.AreaUtile = float(v[5]);
            l.AreaMarginale = float(v[6]);
            l.CTermico = float(v[7]);
            l.Lambda_Riv = float(v[8]);
            l.Spessore = float(v[9]);
            l.DistColl = int(v[10]);
            p.locali.push_back(l);
            p.carichiEstivi.push_back(float(v[11]));
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0)
            return dove + QStringLiteral("attesi NOME=valore o un locale");
        const QString nome = riga.left(uguale).trimmed().toUpper();
        if (std::find_if(std::begin(NomiGenerali), std::end(NomiGenerali),
                         [&](const char* n) { return nome == QLatin1String(n); })
            == std::end(NomiGenerali))
            return dove + QStringLiteral("dato generale sconosciuto \"%1\"").arg(nome);
        double v = 0;
        if (!Numero(riga.mid(uguale + 1), v))
            return dove + QStringLiteral("%1 non è un numero").arg(nome);
        generali[nome] = v;
    }
    for (const char* n : NomiGenerali)
        if (!generali.contains(QLatin1String(n)))
            return QStringLiteral("manca il dato generale %1").arg(QLatin1String(n));
    TDatiGenerali& d = p.generali;
    d.SPESS_MASS = float(generali.value(QStringLiteral("SPESS_MASS")));
    d.LAMBDA_MASS = float(generali.value(QStringLiteral("LAMBDA_MASS")));
    d.SPESS_SOL = float(generali.value(QStringLiteral("SPESS_SOL")));
    d.LAMBDA_SOL = float(generali.value(QStringLiteral("LAMBDA_SOL")));
    d.SPESS_TUBO = float(generali.value(QStringLiteral("SPESS_TUBO")));
    d.LAMBDA_TUBO = float(generali.value(QStringLiteral("LAMBDA_TUBO")));
    d.DEST_TUBO = float(generali.value(QStringLiteral("DEST_TUBO")));
    d.INTERASSE = float(generali.value(QStringLiteral("INTERASSE")));
    d.TEMPVS = float(generali.value(QStringLiteral("TEMPVS")));
    d.LUNGMAX = float(generali.value(QStringLiteral("LUNGMAX")));
    d.DELTAT_MAX = float(generali.value(QStringLiteral("DELTAT_MAX")));
    return {};
}

QString TestoStampato(const TCellaGriglia& c)
{
    QString t = c.Testo;
    if (c.Immagine == LampadaVerde)
        t += QStringLiteral(" V");
    else if (c.Immagine == LampadaRossa)
        t += QStringLiteral(" R");
    if (c.Marca != MarcaNormale)
        t += QLatin1Char('!');
    return t;
}

// Colonne allineate a destra e separate da due spazi, o da un tabulatore con --tab.
void StampaTabella(const std::vector<std::vector<QString>>& griglia, int colonne, bool tab)
{
    std::vector<int> larghezze(colonne, 0);
    for (const auto& riga : griglia)
        for (int c = 0; c < colonne && c < int(riga.size()); ++c)
            larghezze[c] = std::max(larghezze[c], int(riga[c].size()));
    for (const auto& riga : griglia) {
        QString linea;
        for (int c = 0; c < colonne && c < int(riga.size()); ++c) {
            if (tab)
                linea += (c ? QStringLiteral("\t") : QString()) + riga[c];
            else
                linea += (c ? QStringLiteral("  ") : QString()) + riga[c].rightJustified(larghezze[c]);
        }
        Stampa(linea + QLatin1Char('\n'));
    }
}

// --mandata-estiva, --ur, --ambiente-estivo nei dati estivi; il nome della prima opzione con un
// valore che non è un numero, altrimenti vuoto.
QString OpzioniEstive(const QCommandLineParser& opzioni, TDatiEstivi& estivi, bool& conMandata)
{
    const std::pair<const char*, float*> campi[]
        = {{"mandata-estiva", &estivi.TMandata}, {"ur", &estivi.UR}, {"ambiente-estivo", &estivi.TAmbiente}};
    for (const auto& [nome, campo] : campi) {
        const QString n = QString::fromLatin1(nome);
        if (!opzioni.isSet(n))
            continue;
        double v = 0;
        if (!Numero(opzioni.value(n), v))
            return QStringLiteral("--") + n;
        *campo = float(v);
        conMandata = conMandata || campo == &estivi.TMandata;
    }
    return {};
}

// Controlla i dati estivi prima di stampare qualsiasi cosa e sceglie la mandata (la minima
// sicura se non data); 0 se si può proseguire, altrimenti il codice d'errore già scritto.
int PreparaRaffrescamento(const TPavRad& calcolo, const TProgettoTesto& progetto, TDatiEstivi& estivi, bool conMandata,
                          const QLocale& locale)
{
    if (!(estivi.UR > 0 && estivi.UR <= 100))
        return Errore(QStringLiteral("--ur vuole un'umidità relativa fra 0 e 100 %"));
    const auto minima = MandataMinimaSicura(calcolo, progetto.locali, estivi);
    if (conMandata) {
        const QString rifiuto = ControllaMandataEstiva(calcolo, progetto.locali, estivi, estivi.TMandata);
        if (!rifiuto.isEmpty())
            return Errore(rifiuto);
    } else if (!minima) {
        return Errore(
            QStringLiteral("nessuna mandata estiva evita la condensa con %1 °C e %2 %")
                .arg(locale.toString(double(estivi.TAmbiente), 'f', 1), locale.toString(double(estivi.UR), 'f', 0)));
    } else {
        estivi.TMandata = *minima;
    }
    return 0;
}

void StampaRaffrescamento(const TPavRad& calcolo, const TProgettoTesto& progetto, const TDatiEstivi& estivi,
                          const QLocale& locale, bool tab)
{
    const float rugiada = PuntoRugiada(estivi.TAmbiente, estivi.UR);
    const auto minima = MandataMinimaSicura(calcolo, progetto.locali, estivi);
    const auto g = [&](float t) { return locale.toString(double(t), 'f', 1); };
    Stampa(QStringLiteral("\nRaffrescamento: ambiente %1 °C, UR %2 %, rugiada %3 °C, mandata %4 °C%5\n")
               .arg(g(estivi.TAmbiente), locale.toString(double(estivi.UR), 'f', 0), g(rugiada), g(estivi.TMandata),
                    minima ? QStringLiteral(" (minima sicura %1 °C)").arg(g(*minima)) : QString()));
    const auto ris = CalcolaRaffrescamento(calcolo, progetto.locali, progetto.carichiEstivi, estivi, estivi.TMandata);
    const auto tabella = TabellaRaffrescamento(progetto.locali, ris, rugiada, locale);
    StampaTabella(tabella, int(tabella[0].size()), tab);
}
class TTvlCalcola : public TComandoTvl
{
public:
    TTvlCalcola()
        : TComandoTvl(QStringLiteral("calcola"),
                      QStringLiteral("tvl calcola [opzioni] FILE   calcola i circuiti e stampa la griglia (tvl "
                                     "calcola --help)"),
                      QString::fromUtf8(UsoCalcola), 1, -1)
    {
        for (const char* o : {"modo", "mandata", "locale", "mandata-estiva", "ur", "ambiente-estivo"})
            Opzione({QString::fromLatin1(o)}, QString::fromLatin1(o).toUpper());
        for (const char* o : {"tab", "en1264", "raffrescamento"})
            Opzione({QString::fromLatin1(o)});
    }

private:
    int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) override;
};

int TTvlCalcola::Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti)
{
    if (argomenti.size() > 1)
        return Errore(QStringLiteral("un solo FILE"));
    const QString nomeFile = argomenti[0];
    int modo = -1;
    if (opzioni.isSet(QStringLiteral("modo"))) {
        bool ok = false;
        modo = opzioni.value(QStringLiteral("modo")).toInt(&ok);
        if (!ok || modo < 0 || modo > 2)
            return Errore(QStringLiteral("--modo vuole 0, 1 o 2"));
    }
    double mandata = 0;
    bool conMandata = opzioni.isSet(QStringLiteral("mandata"));
    if (conMandata && !Numero(opzioni.value(QStringLiteral("mandata")), mandata))
        return Errore(QStringLiteral("--mandata vuole una temperatura in °C"));
    const QLocale locale = opzioni.isSet(QStringLiteral("locale")) ? QLocale(opzioni.value(QStringLiteral("locale")))
                                                                   : QLocale::system();
    const bool tab = opzioni.isSet(QStringLiteral("tab"));
    const bool en1264 = opzioni.isSet(QStringLiteral("en1264"));
    const bool raffrescamento = opzioni.isSet(QStringLiteral("raffrescamento"));
    TDatiEstivi estivi;
    bool conMandataEstiva = false;
    if (const QString errata = OpzioniEstive(opzioni, estivi, conMandataEstiva); !errata.isEmpty())
        return Errore(QStringLiteral("%1 vuole un numero").arg(errata));
    // Un file di progetto (.tvl, .nv) porta modo e temperatura salvati; le opzioni li cambiano.
    TProgettoTesto progetto;
    const bool salvato = nomeFile.endsWith(QLatin1String(".tvl"), Qt::CaseInsensitive)
        || nomeFile.endsWith(QLatin1String(".nv"), Qt::CaseInsensitive);
    if (salvato) {
        int modoSalvato = -1;
        float mandataSalvata = 0;
        if (!LeggiProgettoPerCalcolo(nomeFile, progetto.generali, progetto.locali, modoSalvato, mandataSalvata,
                                     &progetto.en1264))
            return 1;
        for (const TLocaleCalc& l : progetto.locali)
            progetto.carichiEstivi.push_back(progetto.en1264.CaricoEstivo(l.ID));
        // I dati estivi salvati valgono quando le opzioni non li cambiano.
        const TDatiEstivi base;
        const TDatiEstivi& salvati = progetto.en1264.Estivi;
        if (estivi.TAmbiente == base.TAmbiente)
            estivi.TAmbiente = salvati.TAmbiente;
        if (estivi.UR == base.UR)
            estivi.UR = salvati.UR;
        estivi.Margine = salvati.Margine;
        if (!conMandataEstiva && salvati.TMandata > 0) {
            estivi.TMandata = salvati.TMandata;
            conMandataEstiva = true;
        }
        if (modo < 0 && !conMandata)
            // Nessun modo salvato (o un valore che non è un modo): zone marginali spente.
            modo = modoSalvato < 0 || modoSalvato > 2 ? 2 : modoSalvato;
        if (modo != 0 && !conMandata) {
            mandata = mandataSalvata;
            conMandata = true;
        }
    }
    if (modo < 0)
        modo = conMandata ? 2 : 0;
    if (modo == 0 && conMandata)
        return Errore(QStringLiteral("il modo 0 (T Ottima) calcola da sé la temperatura: niente --mandata"));
    if (modo != 0 && !conMandata)
        return Errore(QStringLiteral("i modi 1 e 2 vogliono --mandata"));

    if (!salvato) {
        QFile file;
        bool aperto = false;
        if (nomeFile == QLatin1String("-")) {
            aperto = file.open(stdin, QIODevice::ReadOnly | QIODevice::Text);
        } else {
            if (const TFileNormale tipo = EsaminaFile(nomeFile); !tipo.Ok())
                return Errore(QStringLiteral("\"%1\" %2").arg(nomeFile, tipo.motivo));
            file.setFileName(nomeFile);
            errno = 0;
            aperto = file.open(QIODevice::ReadOnly | QIODevice::Text);
        }
        if (!aperto)
            return Errore(QStringLiteral("non riesco a leggere %1: %2").arg(nomeFile, MotivoErroreFile(file, errno)));
        QTextStream in(&file);
        const QString errore = Leggi(in, progetto);
        if (!errore.isEmpty())
            return Errore(errore);
    }

    TPavRad calcolo;
    calcolo.CaricaDatiGenerali(progetto.generali);
    calcolo.ImpostaAreaMarginaleAttiva(modo == 1);
    float temperatura = float(mandata);
    if (modo == 0)
        temperatura = calcolo.CalcolaTOttima(progetto.locali);
    calcolo.ImpostaTempMandata(temperatura);
    calcolo.CalcolaLocali(progetto.locali);
    if (raffrescamento)
        if (const int esito = PreparaRaffrescamento(calcolo, progetto, estivi, conMandataEstiva, locale))
            return esito;

    const char* const nomiModo[] = {"T Ottima", "Con Area Marginale", "Senza Area Marginale"};
    if (progetto.locali.empty())
        Stampa(QStringLiteral("T Mandata di Progetto [°C]:  ---\n"));
    else
        Stampa(QStringLiteral("T Mandata di Progetto [°C]: %1 (%2)\n")
                   .arg(locale.toString(double(temperatura), 'f', 1), QLatin1String(nomiModo[modo])));

    const int righe = int(progetto.locali.size()) + 2;
    int colonne = modo == 1 ? TPavRad::NumColonneMarginali : TPavRad::NumColonneAttive;
    std::vector<std::vector<QString>> griglia(righe, std::vector<QString>(colonne));
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c)
            griglia[r][c] = TestoStampato(TPavRad::TestoCella(c, r, progetto.locali, locale));
    if (en1264) {
        const auto verifiche = VerificaLocali(calcolo, progetto.locali, progetto.Bagni());
        const auto aggiunte = ColonneVerifica(verifiche, modo == 1, locale);
        for (int r = 0; r < righe; ++r)
            griglia[r].insert(griglia[r].end(), aggiunte[r].begin(), aggiunte[r].end());
        colonne += int(aggiunte[0].size());
    }
    StampaTabella(griglia, colonne, tab);
    if (raffrescamento)
        StampaRaffrescamento(calcolo, progetto, estivi, locale, tab);
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoCalcola()
{
    return std::make_unique<TTvlCalcola>();
}
