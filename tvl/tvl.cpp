// tvl: il motore di TERMOVELA dalla riga di comando, senza finestre.
#include "data/Uavvisiqt.h"
#include "tvl/Utvl.h"

#include <QGuiApplication>

#include <functional>
#include <map>
#include <memory>

namespace {
struct TComando
{
    std::function<int(const QStringList&)> esegui;
    const char* uso;
};

const std::map<QString, TComando>& comandi()
{
    static const std::map<QString, TComando> tabella = {
        {QStringLiteral("catalogo"),
         {ComandoCatalogo, "tvl catalogo                 elenca le tabelle del catalogo TVLITA"}},
        {QStringLiteral("info"),
         {ComandoInfo,
          "tvl info PROGETTO.tvl        stampa cliente, dati generali, locali, collettori e impostazioni"}},
        {QStringLiteral("copia"),
         {ComandoCopia, "tvl copia ORIGINE DESTINAZIONE  legge un progetto e lo riscrive in un altro file"}},
        {QStringLiteral("calcola"),
         {ComandoCalcola,
          "tvl calcola [opzioni] FILE   calcola i circuiti e stampa la griglia (tvl calcola per l'aiuto)"}},
        {QStringLiteral("distinta"),
         {ComandoDistinta, "tvl distinta [--capitolato] [--tab] PROGETTO.tvl  stampa la distinta dei materiali"}},
        {QStringLiteral("documento"),
         {ComandoDocumento,
          "tvl documento TIPO PROGETTO.tvl [-o FILE.xlsx] [--non-aprire] [--pdf]\n"
          "                               crea un documento: rapporto, preventivo, capitolato,\n"
          "                               capitolato-prezzi, etichette, ottimizzazione\n"
          "  tvl documento tutti PROGETTO.tvl [-o CARTELLA] [--pdf]\n"
          "                               ogni documento del progetto in una cartella"}},
        {QStringLiteral("importa"),
         {ComandoImporta,
          "tvl importa PROGETTO.tvl LOCALI.csv|.xlsx [-o NUOVO.tvl]\n"
          "                               aggiunge al progetto i locali di un foglio di calcolo"}},
        {QStringLiteral("esporta"),
         {ComandoEsporta, "tvl esporta PROGETTO.tvl LOCALI.csv|.xlsx  scrive i locali in un foglio di calcolo"}},
        {QStringLiteral("assegna"),
         {ComandoAssegna,
          "tvl assegna PROGETTO.tvl [--salva | --salva-come FILE]\n"
          "                               propone i collettori per i circuiti non assegnati"}},
        {QStringLiteral("posa"),
         {ComandoPosa,
          "tvl posa PROGETTO.tvl --pianta PIANTA.dxf [--piano P] [--schema spirale|serpentina]\n"
          "                               [--dxf OUT.dxf] [--pdf OUT.pdf]  posa i circuiti sulla pianta"}},
        {QStringLiteral("pianta"),
         {ComandoPianta,
          "tvl pianta PROGETTO.tvl --dxf PIANTA.dxf [--piano P] [--unita mm|cm|m] [-o NUOVO.tvl]\n"
          "                               contorni, collettori e valori dei locali da una pianta DXF"}},
        {QStringLiteral("ottimizza"),
         {ComandoOttimizza,
          "tvl ottimizza PROGETTO.tvl [--scarto N] [--per-piano] [--rotoli L1,L2,...] [--minimo] [--salva]\n"
          "                               taglia i circuiti dalle matasse (tvl ottimizza per l'aiuto)"}},
    };
    return tabella;
}

int uso()
{
    std::fputs("uso: tvl COMANDO [argomenti]\n\n", stderr);
    for (const auto& [nome, c] : comandi())
        std::fprintf(stderr, "  %s\n", c.uso);
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    // La tavola PDF della posa disegna testi: serve l'applicazione grafica, senza schermo.
    const bool grafica = argc > 1 && qstrcmp(argv[1], "posa") == 0;
    if (grafica && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(grafica ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    FiltraAvvisiQt();
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty())
        return uso();
    const auto it = comandi().find(args.takeFirst());
    if (it == comandi().end())
        return uso();
    return it->second.esegui(args);
}
