// tvl: il motore di TERMOVELA dalla riga di comando, senza finestre.
#include "cli/Utvl.h"
#include "data/Uavvisiqt.h"

#include <QGuiApplication>

#include <memory>

int main(int argc, char** argv)
{
    // La tavola PDF della posa disegna testi: serve l'applicazione grafica, senza schermo.
    const bool grafica = argc > 1 && qstrcmp(argv[1], "posa") == 0;
    if (grafica && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(grafica ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    FiltraAvvisiQt();
    return EseguiTvl(app->arguments().mid(1));
}
