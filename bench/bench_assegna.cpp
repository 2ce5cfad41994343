// Tempo dell'assegnazione automatica dei circuiti ai collettori su un progetto di 200 circuiti
// (quattro piani, locali di 1-10 circuiti, zona marginale in molti locali), generato con il
// calcolo vero e salvato in un file .tvl. Misura il lavoro di "tvl assegna --salva-come":
// lettura del progetto, proposta, creazione dei collettori, salvataggio; poi, se tvl sta accanto
// a questo programma, il comando intero come processo. Obiettivo: meno di 0,2 s.
// Si lancia da build/bin (vi trova il catalogo): bench_assegna [PROVE [COPIA.tvl]].
#include "data/Udatabase.h"
#include "progetto/Uassegnaauto.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int Circuiti = 200;

bool imposta(TTabella* t, const QList<QPair<const char*, QVariant>>& valori)
{
    for (const auto& [campo, v] : valori)
        if (!t->FieldByName(QString::fromUtf8(campo)).Imposta(v))
            return false;
    return t->Post();
}

int circuiti(const TStatoProgetto& s)
{
    int n = 0;
    for (const TLocaleCalc& l : s.RisultatiLocali)
        n += l.NAs + l.NAm;
    return n;
}

// Progetto di 200 circuiti in modo "Con Area Marginale", salvato in percorso.
bool genera(const QString& percorso)
{
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "bench_assegna: catalogo non aperto (%s)\n", qPrintable(dati.UltimoErrore()));
        return false;
    }
    TStatoProgetto stato(dati);
    QString tipo;
    if (dati.Query1->Open(QStringLiteral("SELECT RIF FROM DESCRCOLL WHERE KVTA > 0 ORDER BY RIF"))
        && !dati.Query1->IsEmpty()) {
        dati.Query1->First();
        tipo = dati.Query1->FieldByName(QStringLiteral("RIF")).AsString();
    }
    if (!imposta(dati.AuxDGenerali,
                 {{"LAMBDA_MASS", 1.2},
                  {"SPESS_MASS", 50},
                  {"LAMBDA_RIV", 1.3},
                  {"SPESS_RIV", 10},
                  {"LAMBDA_SOL", 1.0},
                  {"SPESS_SOL", 20},
                  {"LAMBDA_TUBO", 0.22},
                  {"SPESS_TUBO", 2},
                  {"DEST_TUBO", 20},
                  {"INTERASSE", 50},
                  {"DELTAT_MAX", 5},
                  {"LUNGMAX", 100},
                  {"TEMPVS", 10},
                  {"RIF_COLL", tipo}}))
        return false;
    stato.SalvaImpostazioni(1, 45.0f);
    dati.DGeneraliModificati = true;

    const QStringList piani
        = {QStringLiteral("PT"), QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("Mansarda")};
    QRandomGenerator g(17);
    int id = 0;
    bool piccolo = false;
    while (true) {
        const int n = circuiti(stato);
        if (n == Circuiti)
            break;
        ++id;
        // Locali veri finché ci stanno; il resto con locali piccoli da un circuito.
        const double area = piccolo ? 4.0 : 8.0 + double(g.bounded(80));
        const double marg = piccolo || g.bounded(2) ? 0.0 : area / 4;
        dati.AuxLocali->Append();
        if (!imposta(dati.AuxLocali,
                     {{"ID", id},
                      {"Descrizione", QStringLiteral("Locale %1").arg(id)},
                      {"Piano", piani[(id - 1) * piani.size() / 40 % piani.size()]},
                      {"TAmbiente", 20},
                      {"Area", area},
                      {"AreaUtile", area - 1},
                      {"AreaMarginale", marg},
                      {"CTermico", area * (60 + double(g.bounded(40)))},
                      {"Rivestimento", "Ceramica"},
                      {"Lambda_Riv", 1.3},
                      {"Spessore", 10},
                      {"DistColl", 5}}))
            return false;
        dati.LocaliModificati = true;
        stato.RicalcolaProgetto();
        if (circuiti(stato) > Circuiti) {
            dati.AuxLocali->Last();
            dati.AuxLocali->Delete();
            dati.LocaliModificati = true;
            stato.RicalcolaProgetto();
            --id;
            if (piccolo) {
                std::fputs("bench_assegna: un locale piccolo ha più di un circuito\n", stderr);
                return false;
            }
            piccolo = true;
        }
    }
    stato.RicostruisciCollettori();
    std::printf("progetto: %d locali, %d circuiti su %d piani, tipo di collettore \"%s\"\n",
                int(stato.RisultatiLocali.size()), int(stato.Assegnazione.Lista().size()), int(piani.size()),
                qPrintable(tipo));
    return ScriviProgetto(stato, percorso);
}

// Il lavoro del comando: lettura, assegnazione, testo dei collettori, salvataggio.
bool assegna(const QString& da, const QString& a, int& collettori, bool& esatta)
{
    TDati dati;
    if (!dati.ApriTutto())
        return false;
    TStatoProgetto stato(dati);
    if (!LeggiProgetto(stato, da))
        return false;
    TPropostaCollettori p;
    if (!AssegnaAutomaticamente(stato, &p))
        return false;
    const double kvta = KvtaCollettore(dati, dati.AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString());
    QString testo;
    for (int k = 0; k < stato.Assegnazione.NumeroCollettori(); ++k) {
        double dP = 0;
        PerditaCollettore(stato.Assegnazione, k, kvta, dP);
        testo += QStringLiteral("%1 %2 %3\n")
                     .arg(stato.Assegnazione.Collettori()[k].Nome())
                     .arg(PortataCollettore(stato.Assegnazione, k))
                     .arg(dP);
    }
    collettori = stato.Assegnazione.NumeroCollettori();
    esatta = p.esatta;
    return !testo.isEmpty() && ScriviProgetto(stato, a);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir cartella;
    const QString progetto = cartella.filePath(QStringLiteral("duecento.tvl"));
    if (!genera(progetto))
        return 1;
    // Secondo argomento: una copia del progetto generato, da provare a mano con tvl.
    if (argc > 2)
        QFile::copy(progetto, QString::fromLocal8Bit(argv[2]));

    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    double migliore = 1e9, totale = 0;
    int collettori = 0;
    bool esatta = true;
    for (int k = 0; k < prove; ++k) {
        QElapsedTimer t;
        t.start();
        if (!assegna(progetto, cartella.filePath(QStringLiteral("assegnato.tvl")), collettori, esatta)) {
            std::fputs("bench_assegna: assegnazione non riuscita\n", stderr);
            return 1;
        }
        const double s = double(t.nsecsElapsed()) * 1e-9;
        migliore = std::min(migliore, s);
        totale += s;
    }
    std::printf("lettura, assegnazione (%d collettori, ricerca %s) e salvataggio: migliore %.3f s, media %.3f s "
                "su %d prove (obiettivo < 0,2 s)\n",
                collettori, esatta ? "completa" : "interrotta al limite", migliore, totale / prove, prove);

    const QString tvl = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tvl"));
    if (QFileInfo(tvl).isExecutable()) {
        double meglio = 1e9;
        for (int k = 0; k < prove; ++k) {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            QElapsedTimer t;
            t.start();
            p.start(tvl,
                    {QStringLiteral("assegna"), progetto, QStringLiteral("--salva-come"),
                     cartella.filePath(QStringLiteral("comando.tvl"))});
            if (!p.waitForFinished(60000) || p.exitCode() != 0) {
                std::fputs("bench_assegna: tvl assegna non riuscito\n", stderr);
                return 1;
            }
            meglio = std::min(meglio, double(t.nsecsElapsed()) * 1e-9);
        }
        std::printf("tvl assegna --salva-come come processo (avvio e catalogo compresi): migliore %.3f s\n", meglio);
    }
    return 0;
}
