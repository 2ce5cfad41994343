// Costo di annulla e ripeti su un progetto di 999 locali aperto nella finestra vera (piattaforma
// offscreen): la fotografia dello stato che ogni evento d'ingresso prende, un passo intero (un
// carico cambiato e confermato) e il suo annullamento e ripetizione con le pagine aggiornate.
#include "app/Umain.h"
#include "app/Umessaggibox.h"
#include "comandi/Uannullamenti.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
// Un progetto dal modello V220HJ con 999 locali su tre piani, scritto senza finestre.
bool creaProgetto(const QString& file)
{
    TDati dati;
    if (!dati.ApriTutto())
        return false;
    TStatoProgetto stato(dati);
    if (!LeggiProgetto(stato, QDir::current().filePath(QStringLiteral("nuovosr.nv"))))
        return false;
    TTabella* l = dati.AuxLocali;
    l->DisableControls();
    for (int i = 1; i <= 999; ++i) {
        l->Append();
        l->FieldByName(QStringLiteral("ID")).Imposta(i);
        l->FieldByName(QStringLiteral("Descrizione")).Imposta(QStringLiteral("Locale %1").arg(i));
        l->FieldByName(QStringLiteral("Piano")).Imposta(QStringLiteral("P%1").arg(i % 3));
        l->FieldByName(QStringLiteral("Area")).Imposta(8.0 + i % 30);
        l->FieldByName(QStringLiteral("AreaUtile")).Imposta(8.0 + i % 30);
        l->FieldByName(QStringLiteral("AreaMarginale")).Imposta(double(i % 4));
        l->FieldByName(QStringLiteral("CTermico")).Imposta(400.0 + 17 * (i % 50));
        l->FieldByName(QStringLiteral("DistColl")).Imposta(2 + i % 12);
        if (!l->Post())
            return false;
    }
    l->EnableControls();
    return ScriviProgetto(stato, file);
}

template<typename F> double migliore(int giri, F f)
{
    double m = 1e9;
    for (int i = 0; i < giri; ++i) {
        QElapsedTimer t;
        t.start();
        f(i);
        m = std::min(m, t.nsecsElapsed() / 1e6);
    }
    return m;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    QTemporaryDir cartella;
    const QDir programma(QCoreApplication::applicationDirPath());
    for (const char* f : {"nuovosr.nv", "tvlbg"})
        QFile::copy(programma.filePath(QLatin1String(f)), cartella.filePath(QLatin1String(f)));
    QDir::setCurrent(cartella.path());
    qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral("config")).toLocal8Bit());
    const QString file = cartella.filePath(QStringLiteral("999.tvl"));
    if (!creaProgetto(file)) {
        std::fprintf(stderr, "progetto di prova non creato\n");
        return 1;
    }

    TDati dati;
    TTERMOVELA w(&dati);
    w.show();
    w.ApriDaPercorso(file);
    TProgetto* p = w.FinestraProgetto();
    TAnnullamenti* a = p ? TAnnullamenti::Di(p->Stato()) : nullptr;
    if (!a || dati.AuxLocali->RecordCount() != 999) {
        std::fprintf(stderr, "progetto non aperto\n");
        return 1;
    }
    p->PageControl1->setCurrentIndex(2);
    QApplication::processEvents();

    const double foto = migliore(20, [&](int) { TFotografia::Prendi(p->Stato()); });
    TTabella* l = dati.AuxLocali;
    const double passo = migliore(10, [&](int i) {
        a->Inizia();
        l->VaiA(500);
        l->Edit();
        l->FieldByName(QStringLiteral("CTermico")).Imposta(900 + i);
        l->Post();
        a->Concludi();
    });
    const double annulla = migliore(5, [&](int) { a->Annulla(); });
    const double ripeti = migliore(5, [&](int) { a->Ripeti(); });
    std::printf("fotografia dello stato (ogni evento d'ingresso ne prende una): %.2f ms\n", foto);
    std::printf("passo (fotografia prima e dopo, carico cambiato): %.2f ms\n", passo);
    std::printf("annulla con le pagine aggiornate: %.2f ms\n", annulla);
    std::printf("ripeti con le pagine aggiornate: %.2f ms\n", ripeti);
    w.ChiudiProgetto();
    return 0;
}
