// Tempi della finestra della pianta. Apertura di un progetto con 200 contorni di locali su 4 piani,
// ciascuno con lo sfondo DXF delle sue stanze (obiettivo: meno di 0,5 s dalla costruzione al primo
// fotogramma); spostamenti e ingrandimenti della vista con lo sfondo mostrato, misurati dalla vista
// come tempo intero del fotogramma, cache rifatta compresa (obiettivo: meno di 16 ms per fotogramma).
// Uso: bench_finestrapianta [fotogrammi] [righe colonne]   (200 fotogrammi, 10 × 5 stanze per piano)
#include "bench/Ufotogrammi.h"
#include "bench/Upiantadiprova.h"
#include "pianta/Udxf.h"
#include "pianta/finestre/Ufinestrapianta.h"
#include "pianta/finestre/Uvistapianta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct TProgettoDiProva
{
    TPianta pianta;
    QList<TLocalePianta> locali;
    QStringList collettori;
};

// Quattro piani uguali: lo sfondo è la griglia di stanze, un contorno per stanza sul filo interno
// dei muri, due collettori per piano.
bool Prepara(int righe, int colonne, TProgettoDiProva& p)
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("piano.dxf"));
    QFile f(percorso);
    const QByteArray testo = PiantaDiProva::Dxf(righe, colonne);
    if (!f.open(QIODevice::WriteOnly) || f.write(testo) != testo.size())
        return false;
    f.close();
    const TEsitoDxf sfondo = TImportaDxf::Leggi(percorso);
    if (!sfondo.ok)
        return false;
    int id = 0;
    for (int n = 0; n < 4; ++n) {
        TPiano piano;
        piano.piano = QStringLiteral("P%1").arg(n);
        piano.sfondo.tipo = TSfondo::TTipo::Disegno;
        piano.sfondo.disegno = sfondo.disegno;
        for (int r = 0; r < righe; ++r)
            for (int c = 0; c < colonne; ++c) {
                const QRectF stanza(c * PiantaDiProva::PassoX, r * PiantaDiProva::PassoY, PiantaDiProva::Larghezza,
                                    PiantaDiProva::Profondita);
                TContornoLocale contorno;
                contorno.idLocale = ++id;
                contorno.contorno = QPolygonF(stanza);
                piano.locali << contorno;
                p.locali << TLocalePianta {id, QStringLiteral("Locale %1").arg(id), piano.piano};
            }
        for (int k = 0; k < 2; ++k) {
            const QString nome = QStringLiteral("%1 - %2").arg(piano.piano).arg(k + 1);
            piano.collettori.insert(nome, QPointF(k * colonne * PiantaDiProva::PassoX / 2 + 1, -0.5));
            p.collettori << nome;
        }
        p.pianta.piani << piano;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int fotogrammi = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
    const int righe = argc > 3 ? std::max(1, atoi(argv[2])) : 10;
    const int colonne = argc > 3 ? std::max(1, atoi(argv[3])) : 5;

    TProgettoDiProva progetto;
    if (!Prepara(righe, colonne, progetto)) {
        std::fprintf(stderr, "bench_finestrapianta: pianta di prova non preparata\n");
        return 1;
    }
    const TDisegno& sfondo = progetto.pianta.piani.first().sfondo.disegno;
    std::printf("pianta di prova: 4 piani, %lld contorni, sfondo di %lld spezzate e %lld testi per piano\n",
                qlonglong(progetto.locali.size()), qlonglong(sfondo.spezzate.size()), qlonglong(sfondo.testi.size()));

    // Apertura: costruzione, prima misura e primo fotogramma; conta la peggiore di tre (la prima,
    // a freddo).
    double apertura = 0;
    for (int prova = 1; prova <= 3; ++prova) {
        QElapsedTimer t;
        t.start();
        TFinestraPianta finestra(progetto.pianta, progetto.locali, progetto.collettori);
        finestra.resize(1280, 800);
        finestra.show();
        Fotogrammi::Attendi(finestra.Vista(), 0);
        const double s = t.nsecsElapsed() / 1e9;
        apertura = std::max(apertura, s);
        std::printf("apertura %d: %.3f s\n", prova, s);
    }
    std::printf("apertura, la peggiore di 3: %.3f s (obiettivo: meno di 0,5 s)\n", apertura);

    // Spostamenti e ingrandimenti con lo sfondo mostrato.
    TFinestraPianta finestra(progetto.pianta, progetto.locali, progetto.collettori);
    finestra.resize(1280, 800);
    finestra.show();
    Fotogrammi::Attendi(finestra.Vista(), 0);
    const double massimo = Fotogrammi::Misura(finestra.Vista(), fotogrammi, "con lo sfondo");
    return apertura < 0.5 && massimo < 16 ? 0 : 2;
}
