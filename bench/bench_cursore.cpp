// Passo del cursore della temperatura di mandata su un progetto di 999 locali con zone marginali:
// la pagina "T Mandata Progetto" in vista, il cursore percorre 30,0…60,0 °C un decimo alla volta,
// avanti e indietro; a ogni passo gira TrackBar1Change e la parte visibile della griglia si
// ridisegna subito. Uso (da build/bin): bench_cursore [giri]
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ugriglia1.h"
#include "editor/Upaginamandata.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Locali vari e deterministici (come bench_calc): carichi da 20 a 140 W/m², rivestimenti diversi,
// metà con zona marginale, una parte mai coperta.
bool ScriviLocali(TTabella& t, int quanti)
{
    unsigned seme = 12345;
    auto caso = [&seme](int n) {
        seme = seme * 1103515245u + 12345u;
        return int((seme >> 16) % unsigned(n));
    };
    for (int k = 0; k < quanti; ++k) {
        const double area = 5 + caso(60);
        const double utile = area * (0.8 + 0.02 * caso(11));
        const double marginale = k % 2 ? utile * 0.05 * caso(6) : 0;
        t.Insert();
        const QList<QPair<const char*, QVariant>> valori = {
            {"ID", k + 1},
            {"Descrizione", QStringLiteral("Locale %1").arg(k + 1)},
            {"Piano", QStringLiteral("P%1").arg(k / 100)},
            {"TAmbiente", 18 + caso(7)},
            {"Area", area},
            {"AreaUtile", utile},
            {"AreaMarginale", marginale},
            {"CTermico", utile * (20 + caso(121))},
            {"Rivestimento", QStringLiteral("Ceramica")},
            {"Lambda_Riv", 0.1 * (1 + caso(15))},
            {"Spessore", 8 + caso(15)},
            {"DistColl", caso(30)},
        };
        for (const auto& [campo, v] : valori)
            if (!t.FieldByName(QString::fromUtf8(campo)).Imposta(v))
                return false;
        if (!t.Post())
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int giri = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;

    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "catalogo non aperto\n");
        return 1;
    }
    TProgetto finestra(dati);
    TAgganciLettura agganci;
    finestra.AggiungiAgganci(agganci);
    if (!LeggiProgetto(finestra.Stato(), QCoreApplication::applicationDirPath() + QStringLiteral("/nuovosr.nv"),
                       agganci)
        || !ScriviLocali(*dati.AuxLocali, 999)) {
        std::fprintf(stderr, "progetto non preparato\n");
        return 1;
    }
    finestra.Stato().SalvaImpostazioni(1, 45.0f); // "Con Area Marginale": tutte le 20 colonne
    finestra.resize(792, 554);
    finestra.show();
    finestra.PageControl1->setCurrentIndex(3);
    TPaginaMandata* pagina = finestra.TabSheet4;
    QSlider* cursore = pagina->TrackBar1;
    QWidget* vista = pagina->Griglia1->viewport();
    QCoreApplication::processEvents();
    vista->repaint();

    std::vector<double> passi;
    QElapsedTimer orologio;
    for (int g = 0; g < giri; ++g)
        for (int i = 1; i <= 600; ++i) {
            const int posizione = i <= 300 ? 300 + i : 900 - i;
            orologio.start();
            cursore->setValue(posizione);
            vista->repaint();
            // Anche cursore ed Edit1 si ridisegnano, come durante un trascinamento.
            QCoreApplication::processEvents();
            passi.push_back(double(orologio.nsecsElapsed()) / 1e6);
        }

    double somma = 0;
    for (double p : passi)
        somma += p;
    std::vector<double> ordinati = passi;
    std::sort(ordinati.begin(), ordinati.end());
    std::printf("%d locali, %d colonne, %d righe visibili, %zu passi\n", finestra.Stato().NumLocali,
                pagina->Griglia1->ColCount(), vista->height() / (TGriglia1::AltezzaRiga + 1), passi.size());
    // QApplication adotta il locale del sistema anche per printf: i numeri si scrivono col punto.
    auto ms = [](double v) { return QByteArray::number(v, 'f', 3); };
    std::printf("mediana %s ms, 99%% %s ms\n", ms(ordinati[ordinati.size() / 2]).constData(),
                ms(ordinati[ordinati.size() * 99 / 100]).constData());
    std::printf("passo del cursore: media %s ms, peggiore %s ms\n", ms(somma / double(passi.size())).constData(),
                ms(ordinati.back()).constData());
    return 0;
}
