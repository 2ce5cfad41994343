// tvl calcola: calcola i circuiti di un progetto dato in forma di testo e stampa la griglia dei
// circuiti con gli stessi testi della pagina della temperatura di mandata.
#include "calc/Ucalc.h"
#include "data/Uerrori.h"
#include "data/Ufilenormale.h"
#include "tvl/Utvl.h"

#include <QFile>
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
           Lambda_Riv; Spessore; DistColl
  per esempio: locale 1; Soggiorno; PT; 20; 20; 20; 0; 1300; 0.2; 10; 5

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
            if (c.size() != 11)
                return dove + QStringLiteral("un locale ha 11 campi separati da \";\", qui sono %1").arg(c.size());
            double v[11] = {};
            for (int k : {0, 3, 4, 5, 6, 7, 8, 9, 10})
                if (!Numero(c[k], v[k]))
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
} // namespace

int ComandoCalcola(const QStringList& argomenti)
{
    int modo = -1;
    double mandata = 0;
    bool conMandata = false;
    bool tab = false;
    QLocale locale = QLocale::system();
    QString nomeFile;
    for (int k = 0; k < argomenti.size(); ++k) {
        const QString& a = argomenti[k];
        const bool haValore = k + 1 < argomenti.size();
        if (a == QLatin1String("--modo") && haValore) {
            bool ok = false;
            modo = argomenti[++k].toInt(&ok);
            if (!ok || modo < 0 || modo > 2)
                return Errore(QStringLiteral("--modo vuole 0, 1 o 2"));
        } else if (a == QLatin1String("--mandata") && haValore) {
            if (!Numero(argomenti[++k], mandata))
                return Errore(QStringLiteral("--mandata vuole una temperatura in °C"));
            conMandata = true;
        } else if (a == QLatin1String("--locale") && haValore) {
            locale = QLocale(argomenti[++k]);
        } else if (a == QLatin1String("--tab")) {
            tab = true;
        } else if (a == QLatin1String("-") || !a.startsWith(QLatin1Char('-'))) {
            if (!nomeFile.isEmpty())
                return Errore(QStringLiteral("un solo FILE"));
            nomeFile = a;
        } else {
            std::fputs(UsoCalcola, stderr);
            return 2;
        }
    }
    if (nomeFile.isEmpty()) {
        std::fputs(UsoCalcola, stderr);
        return 2;
    }
    // Un file di progetto (.tvl, .nv) porta modo e temperatura salvati; le opzioni li cambiano.
    TProgettoTesto progetto;
    const bool salvato = nomeFile.endsWith(QLatin1String(".tvl"), Qt::CaseInsensitive)
        || nomeFile.endsWith(QLatin1String(".nv"), Qt::CaseInsensitive);
    if (salvato) {
        int modoSalvato = -1;
        float mandataSalvata = 0;
        if (!LeggiProgettoPerCalcolo(nomeFile, progetto.generali, progetto.locali, modoSalvato, mandataSalvata))
            return 1;
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

    const char* const nomiModo[] = {"T Ottima", "Con Area Marginale", "Senza Area Marginale"};
    if (progetto.locali.empty())
        Stampa(QStringLiteral("T Mandata di Progetto [°C]:  ---\n"));
    else
        Stampa(QStringLiteral("T Mandata di Progetto [°C]: %1 (%2)\n")
                   .arg(locale.toString(double(temperatura), 'f', 1), QLatin1String(nomiModo[modo])));

    const int colonne = modo == 1 ? TPavRad::NumColonneMarginali : TPavRad::NumColonneAttive;
    const int righe = int(progetto.locali.size()) + 2;
    std::vector<std::vector<QString>> griglia(righe, std::vector<QString>(colonne));
    std::vector<int> larghezze(colonne, 0);
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) {
            griglia[r][c] = TestoStampato(TPavRad::TestoCella(c, r, progetto.locali, locale));
            larghezze[c] = std::max(larghezze[c], int(griglia[r][c].size()));
        }
    for (const auto& riga : griglia) {
        QString linea;
        for (int c = 0; c < colonne; ++c) {
            if (tab)
                linea += (c ? QStringLiteral("\t") : QString()) + riga[c];
            else
                linea += (c ? QStringLiteral("  ") : QString()) + riga[c].rightJustified(larghezze[c]);
        }
        Stampa(linea + QLatin1Char('\n'));
    }
    return 0;
}
