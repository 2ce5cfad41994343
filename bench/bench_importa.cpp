// Tempo dell'importazione di 1000 locali da un .csv (tutte le colonne, virgola decimale) e da un
// .xlsx, dalla lettura del file ai locali registrati con tutte le regole; poi l'esportazione.
// Obiettivo: meno di 0,5 s per l'importazione. Si lancia da build/bin (vi trova il catalogo).
#include "progetto/Ulocalifile.h"
#include "data/Udatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {
double Secondi(const std::function<bool()>& f, bool& ok)
{
    const auto t0 = std::chrono::steady_clock::now();
    ok = f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
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

    const int righe = 1000;
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
    QTemporaryDir cartella;
    const QString fileCsv = cartella.filePath(QStringLiteral("locali.csv"));
    const QString fileXlsx = cartella.filePath(QStringLiteral("locali.xlsx"));
    QFile f(fileCsv);
    if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size())
        return 1;
    f.close();

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
    return dati.AuxLocali->RecordCount() == righe ? 0 : 1;
}
