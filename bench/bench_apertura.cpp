// Apertura di un progetto di 999 locali nella finestra vera (piattaforma offscreen): dalla
// lettura del file alla griglia dei locali riempita e dipinta una volta; poi il salvataggio dello
// stesso progetto. L'ultima riga è il tempo di apertura.
#include "app/Umain.h"
#include "app/Umessaggibox.h"
#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Upaginalocali.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    // Cartella di avvio temporanea con il modello e lo sfondo: la cronologia della misura non
    // finisce in quella del programma.
    QTemporaryDir cartella;
    const QDir programma(QCoreApplication::applicationDirPath());
    for (const char* f : {"nuovosr.nv", "tvlbg"})
        QFile::copy(programma.filePath(QLatin1String(f)), cartella.filePath(QLatin1String(f)));
    QDir::setCurrent(cartella.path());
    const QString file = cartella.filePath(QStringLiteral("999.tvl"));
    if (!creaProgetto(file)) {
        std::fprintf(stderr, "progetto di prova non creato\n");
        return 1;
    }

    double apertura = 1e9, salvataggio = 1e9;
    for (int giro = 0; giro < 3; ++giro) {
        TDati dati;
        TTERMOVELA w(&dati);
        w.show();
        QApplication::processEvents();

        QElapsedTimer t;
        t.start();
        w.ApriDaPercorso(file);
        TProgetto* p = w.FinestraProgetto();
        if (!p || dati.AuxLocali->RecordCount() != 999) {
            std::fprintf(stderr, "progetto non aperto\n");
            return 1;
        }
        p->PageControl1->setCurrentIndex(2);
        TDBGrid* griglia = p->TabSheet3->DBGrid1;
        griglia->viewport()->repaint();
        apertura = std::min(apertura, t.nsecsElapsed() / 1e9);

        const QString copia = cartella.filePath(QStringLiteral("copia.tvl"));
        t.restart();
        w.NomeFile = copia;
        w.Salva1Click();
        salvataggio = std::min(salvataggio, t.nsecsElapsed() / 1e9);
        if (QFileInfo(copia).size() != QFileInfo(file).size()) {
            std::fprintf(stderr, "copia diversa dall'originale\n");
            return 1;
        }
        w.ChiudiProgetto();
    }
    std::printf("salvataggio di 999 locali: %.3f s (migliore di 3)\n", salvataggio);
    std::printf("apertura di 999 locali fino alla griglia dipinta: %.3f s (migliore di 3)\n", apertura);
    return 0;
}
