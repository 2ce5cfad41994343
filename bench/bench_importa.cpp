// Importazione di locali da un .csv (tutte le colonne, virgola decimale) e da un .xlsx, dalla
// lettura del file ai locali registrati con tutte le regole; poi l'esportazione. Prima 1000 locali
// più volte (obiettivo meno di 0,5 s), poi elenchi sempre più lunghi con il limite dei locali
// alzato per la misura: tempo e memoria devono crescere come le righe (obiettivo: 100 000 righe
// in meno di 2 s). Ogni elenco lungo si misura in un processo a sé: la memoria è il picco del
// processo (VmHWM, azzerato prima dell'importazione) meno quella in uso prima; il tempo è quello
// trascorso e quello di CPU (su una macchina condivisa il primo conta anche gli altri processi). Si lancia da build/bin
// (vi trova il catalogo):
//   bench_importa [prove] [righe...]
#include "data/Udatabase.h"
#include "documents/foglio/Ufoglio.h"
#include "progetto/Uelenco.h"
#include "progetto/Ulocalifile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include <sys/resource.h>

namespace {
double Secondi(const std::function<bool()>& f, bool& ok)
{
    const auto t0 = std::chrono::steady_clock::now();
    ok = f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Un valore di /proc/self/status in kB (VmRSS, VmHWM); 0 dove non c'è.
long MemoriaKb(const char* voce)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith(voce))
            return riga.mid(qsizetype(qstrlen(voce)) + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Tempo di CPU del processo (utente e sistema): su una macchina condivisa il tempo trascorso
// conta anche i processi degli altri.
double SecondiCpu()
{
    rusage uso {};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec)
        + double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// Il picco torna alla memoria in uso adesso.
void AzzeraPicco()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

QByteArray Elenco(int righe)
{
    QByteArray csv = "N°;Descrizione;Piano;TA [°C];Area [mq];AreaUtile [mq];AreaMarg [mq];CTermico [W];"
                     "TipoRivestimento;Spess. [mm];DColl [m]\r\n";
    const char* rivestimenti[] = {"Ceramica", "Gres porcellanato", "Parquet in rovere", "Marmo"};
    for (int i = 1; i <= righe; ++i) {
        const double area = 5 + (i % 60) * 0.75;
        csv += QStringLiteral("%1;Locale %1;P%2;%3;%4;%5;%6;%7;%8;%9;%10\r\n")
                   .arg(i)
                   .arg(i % 5)
                   .arg(18 + i % 6)
                   .arg(QString::number(area).replace(u'.', u','))
                   .arg(QString::number(area * 0.9).replace(u'.', u','))
                   .arg(QString::number(area * 0.1).replace(u'.', u','))
                   .arg(QString::number(40.0 * area + 0.25).replace(u'.', u','))
                   .arg(QLatin1String(rivestimenti[i % 4]))
                   .arg(8 + i % 10)
                   .arg(i % 30)
                   .toUtf8();
    }
    return csv;
}

bool Scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size();
}

// Lo stesso elenco come primo foglio di un .xlsx, i numeri come numeri.
bool ScriviXlsx(const QString& percorso, const QByteArray& csv)
{
    TFoglio f;
    f.NuovoVuoto(QStringLiteral("Locali"));
    const QList<QByteArray> righe = csv.split('\n');
    for (int r = 0; r < righe.size(); ++r) {
        const QList<QByteArray> celle = righe[r].trimmed().split(';');
        for (int c = 0; c < celle.size() && !righe[r].trimmed().isEmpty(); ++c) {
            const QString testo = QString::fromUtf8(celle[c]);
            bool numero = false;
            const double v = QString(testo).replace(u',', u'.').toDouble(&numero);
            if (numero && r > 0)
                f.Valore(TFoglio::Indirizzo(c + 1, r + 1), v);
            else
                f.Valore(TFoglio::Indirizzo(c + 1, r + 1), testo);
        }
    }
    f.Salva(percorso);
    return true;
}
// Una misura su un elenco lungo già scritto: il limite dei locali si alza per la misura.
int MisuraLunga(TDati& dati, int n, const QString& file)
{
    TLimitiElenco limiti = LimitiElenco();
    limiti.righe = n;
    ImpostaLimitiElenco(limiti);
    const long base = MemoriaKb("VmRSS:");
    AzzeraPicco();
    QString messaggio;
    bool ok = false;
    const double cpu = SecondiCpu();
    const double s = Secondi([&] { return ImportaLocali(dati, file, messaggio); }, ok);
    const double sCpu = SecondiCpu() - cpu;
    const double mb = double(MemoriaKb("VmHWM:") - base) / 1024;
    if (!ok || dati.AuxLocali->RecordCount() != n) {
        std::fprintf(stderr, "bench_importa: %d righe non importate: %s\n", n, qPrintable(messaggio));
        return 1;
    }
    std::printf("%8d %8s %10lld %10.3f %9.3f %13.1f %8.2f\n", n, qPrintable(QFileInfo(file).suffix()),
                QFileInfo(file).size() / 1024, s, sCpu, mb, mb * 1024 / n);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "bench_importa: catalogo non aperto (%s)\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TTabella& dg = *dati.AuxDGenerali;
    dg.First();
    dg.Edit();
    for (const auto& [campo, valore] : {std::pair<const char*, QVariant> {"SPESS_MASS", 50},
                                        {"SPESS_SOL", 20},
                                        {"TIPO_RIV", QStringLiteral("Ceramica")},
                                        {"LAMBDA_RIV", 1.3},
                                        {"SPESS_RIV", 10},
                                        {"TEMPVS", 15},
                                        {"LUNGMAX", 100},
                                        {"DELTAT_MAX", 8}})
        dg.FieldByName(QLatin1String(campo)).Imposta(valore);
    dg.Post();
    if (argc == 4 && qstrcmp(argv[1], "--lungo") == 0)
        return MisuraLunga(dati, std::max(1, std::atoi(argv[2])), QString::fromLocal8Bit(argv[3]));

    const int righe = 1000;
    QTemporaryDir cartella;
    const QString fileCsv = cartella.filePath(QStringLiteral("locali.csv"));
    const QString fileXlsx = cartella.filePath(QStringLiteral("locali.xlsx"));
    if (!Scrivi(fileCsv, Elenco(righe)))
        return 1;

    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QString messaggio;
    const auto misura = [&](const char* nome, const std::function<bool()>& operazione, bool svuota) {
        double migliore = 1e9, totale = 0;
        for (int p = 0; p < prove; ++p) {
            if (svuota)
                dati.AuxLocali->Svuota();
            bool ok = false;
            const double s = Secondi(operazione, ok);
            if (!ok) {
                std::fprintf(stderr, "bench_importa: %s non riuscita: %s\n", nome, qPrintable(messaggio));
                std::exit(1);
            }
            migliore = std::min(migliore, s);
            totale += s;
        }
        std::printf("%-40s migliore %.3f s, media %.3f s (%d prove)\n", nome, migliore, totale / prove, prove);
    };
    std::printf("%d locali, obiettivo dell'importazione: meno di 0,5 s\n", righe);
    misura(
        "importazione da .csv", [&] { return ImportaLocali(dati, fileCsv, messaggio); }, true);
    misura(
        "esportazione in .csv", [&] { return EsportaLocali(dati, fileCsv, messaggio); }, false);
    misura(
        "esportazione in .xlsx", [&] { return EsportaLocali(dati, fileXlsx, messaggio); }, false);
    misura(
        "importazione da .xlsx", [&] { return ImportaLocali(dati, fileXlsx, messaggio); }, true);
    if (dati.AuxLocali->RecordCount() != righe)
        return 1;

    // Elenchi lunghi: ognuno in un processo nuovo, perché la memoria di una misura non resti
    // nell'allocatore per la successiva.
    QList<int> dimensioni;
    for (int i = 2; i < argc; ++i)
        dimensioni << std::max(1, std::atoi(argv[i]));
    if (dimensioni.isEmpty())
        dimensioni = {10000, 20000, 40000, 100000};
    std::printf("\n%8s %8s %10s %10s %9s %13s %8s   (obiettivo: 100000 righe .csv in meno di 2 s)\n", "righe",
                "formato", "file [kB]", "tempo [s]", "CPU [s]", "memoria [MB]", "kB/riga");
    std::fflush(stdout);
    for (const int n : dimensioni) {
        const QString csv = cartella.filePath(QStringLiteral("lungo.csv"));
        const QString xlsx = cartella.filePath(QStringLiteral("lungo.xlsx"));
        if (!Scrivi(csv, Elenco(n)) || !ScriviXlsx(xlsx, Elenco(n)))
            return 1;
        for (const QString& file : {csv, xlsx}) {
            QProcess figlio;
            figlio.setProcessChannelMode(QProcess::ForwardedChannels);
            figlio.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--lungo"), QString::number(n), file});
            if (!figlio.waitForFinished(-1) || figlio.exitCode() != 0)
                return 1;
        }
    }
    return 0;
}
