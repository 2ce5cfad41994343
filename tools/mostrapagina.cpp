// Mostra la finestra di progetto su un progetto e una pagina, per guardarla e fotografarla
// (sotto Xvfb con import e xdotool). Uso: mostrapagina PROGETTO PAGINA(1-8)|pianta [SECONDI]
// ("pianta" apre anche la finestra della pianta, grande, sopra il progetto). Con FILE.png al posto
// dei secondi fotografa la finestra in primo piano in quel file ed esce.
#include "app/Umessaggibox.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "pianta/finestre/Uapripianta.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3) {
        std::fputs("uso: mostrapagina PROGETTO PAGINA(1-8)|pianta [SECONDI]\n", stderr);
        return 2;
    }
    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "%s\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TProgetto finestra(dati);
    TAgganciLettura agganci;
    finestra.AggiungiAgganci(agganci);
    if (!LeggiProgetto(finestra.Stato(), a[1], agganci))
        return 1;
    finestra.resize(792, 554);
    finestra.move(0, 0);
    finestra.show();
    if (a[2] == QLatin1String("pianta")) {
        finestra.PageControl1->setCurrentIndex(2);
        finestra.ApriPianta();
    } else {
        finestra.PageControl1->setCurrentIndex(qBound(1, a[2].toInt(), finestra.PageControl1->count()) - 1);
    }
    if (a.size() > 3 && a[3].endsWith(QLatin1String(".png"))) {
        QTimer::singleShot(1500, &app, [&] {
            QWidget* sopra = &finestra;
            if (a[2] == QLatin1String("pianta"))
                sopra = finestra.Pianta()->Finestra();
            app.exit(sopra && sopra->grab().save(a[3]) ? 0 : 1);
        });
    } else if (a.size() > 3) {
        QTimer::singleShot(a[3].toInt() * 1000, &app, &QApplication::quit);
    }
    return app.exec();
}
