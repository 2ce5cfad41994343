// Tempo dell'importazione di una pianta DXF di circa 5 MB: muri a doppia linea, porte, arredi
// in blocchi annidati e ruotati, tavoli con angoli arrotondati, scritte. Obiettivo: meno di 1 s
// dalla lettura del file al disegno in metri. Misura anche le regioni chiuse dei muri.
// Uso: bench_pianta [righe colonne] (griglia di stanze, 70 × 70 per difetto).
#include "pianta/Udxf.h"
#include "pianta/Ugeometria.h"
#include "tests/aiuti/ScriviDxf.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double Secondi(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void Blocchi(TScriviDxf& d)
{
    d.Sezione("BLOCKS");
    // Porta da 80 cm: anta e arco di apertura.
    d.Blocco("PORTA").Linea({0, 0}, {0, 800});
    d.g(0, "ARC").g(8, "0").g(10, 0.0).g(20, 0.0).g(40, 800.0).g(50, 0.0).g(51, 90.0);
    d.FineBlocco();
    // Sedia: seduta con angoli arrotondati.
    d.Blocco("SEDIA", {225, 225}).g(0, "LWPOLYLINE").g(8, "0").g(90, 4).g(70, 1);
    for (QPointF p : {QPointF(0, 0), QPointF(450, 0), QPointF(450, 450), QPointF(0, 450)})
        d.g(10, p.x()).g(20, p.y()).g(42, 0.1);
    d.FineBlocco();
    // Tavolo con quattro sedie ruotate attorno.
    d.Blocco("TAVOLO").g(0, "CIRCLE").g(8, "ARREDI").g(10, 0.0).g(20, 0.0).g(40, 600.0);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        d.Inserisci("SEDIA", {900 * std::cos(a), 900 * std::sin(a)}, 1, 1, i * 90.0);
    }
    d.FineBlocco().FineSezione();
}

void Stanza(TScriviDxf& d, int r, int c)
{
    const double x = c * 4300.0, y = r * 5300.0, w = 4000, h = 5000, s = 300;
    // Muri a doppia linea: filo interno e filo esterno.
    for (double o : {0.0, s}) {
        const QPointF a(x - o, y - o), b(x + w + o, y - o), cc(x + w + o, y + h + o), dd(x - o, y + h + o);
        d.Linea(a, b, "MURI").Linea(b, cc, "MURI").Linea(cc, dd, "MURI").Linea(dd, a, "MURI");
    }
    d.Inserisci("PORTA", {x + 500, y}, 1, (r + c) % 2 ? -1 : 1, 0, "PORTE");
    d.Inserisci("TAVOLO", {x + w / 2, y + h / 2}, 1, 1, (r * 7 + c * 3) % 90, "ARREDI");
    d.g(0, "TEXT").g(8, "SCRITTE").g(10, x + 300).g(20, y + h - 500).g(40, 200.0);
    d.g(1, QStringLiteral("Locale %1.%2").arg(r).arg(c)).g(50, 0.0);
    d.g(0, "MTEXT").g(8, "SCRITTE").g(10, x + 300).g(20, y + h - 900).g(40, 150.0);
    d.g(1, QStringLiteral("{\\fArial|b0;S = %1 m²}\\P h = 2,70 m").arg(w * h / 1e6));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int righe = argc > 2 ? std::max(1, atoi(argv[1])) : 70;
    const int colonne = argc > 2 ? std::max(1, atoi(argv[2])) : 70;

    TScriviDxf d;
    d.Inizio(4).Sezione("TABLES").g(0, "TABLE").g(2, "LAYER");
    for (const char* l : {"0", "MURI", "PORTE", "ARREDI", "SCRITTE"})
        d.Livello(l);
    d.g(0, "ENDTAB").FineSezione();
    Blocchi(d);
    d.Sezione("ENTITIES");
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c)
            Stanza(d, r, c);
    d.FineSezione().Fine();

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("pianta.dxf"));
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(d.testo) != d.testo.size()) {
        std::fprintf(stderr, "bench_pianta: file di prova non scritto\n");
        return 1;
    }
    f.close();
    std::printf("DXF di prova: %d × %d stanze, %.2f MB\n", righe, colonne, d.testo.size() / 1048576.0);

    double migliore = 1e9;
    TEsitoDxf esito;
    for (int prova = 1; prova <= 3; ++prova) {
        const auto t0 = std::chrono::steady_clock::now();
        esito = TImportaDxf::Leggi(percorso);
        const double t = Secondi(t0);
        migliore = std::min(migliore, t);
        std::printf("importazione %d: %.3f s\n", prova, t);
        if (!esito.ok) {
            std::fprintf(stderr, "bench_pianta: importazione rifiutata: %s\n", qPrintable(esito.errore));
            return 1;
        }
    }
    std::printf("entità nel file %d; nel disegno %lld spezzate, %lld testi (unità: %s)\n", esito.elementiLetti,
                qlonglong(esito.disegno.spezzate.size()), qlonglong(esito.disegno.testi.size()),
                qPrintable(TDisegno::Nome(esito.disegno.unita)));
    std::printf("importazione, la migliore di 3: %.3f s (obiettivo: meno di 1 s)\n", migliore);

    // Le regioni chiuse dei soli muri, come per scegliere una stanza con un clic.
    TDisegno muri = esito.disegno;
    for (TLivello& l : muri.livelli)
        l.visibile = l.nome == QLatin1String("MURI");
    const QList<QLineF> segmenti = muri.Segmenti();
    const auto t0 = std::chrono::steady_clock::now();
    const TForme regioni = TGeometria::Poligonizza(segmenti);
    std::printf("regioni chiuse da %lld segmenti di muro: %lld in %.3f s\n", qlonglong(segmenti.size()),
                qlonglong(regioni.size()), Secondi(t0));
    return migliore < 1 ? 0 : 2;
}
