#include "data/Umessaggi.h"

#include <cstdio>

namespace {
TMessaggiConsole consoleDefault;
TMessaggi* installato = nullptr;

void invia(const QString& testo, TIcona icona, bool annulla, const QString& titolo = TMessaggi::Titolo)
{
    TMessaggi::istanza().mostra(TMessaggio {testo, icona, titolo, annulla});
}
} // namespace

TMessaggi& TMessaggi::istanza()
{
    return installato ? *installato : consoleDefault;
}

void TMessaggi::installa(TMessaggi* m)
{
    installato = m;
}

void TMessaggi::Avviso(const QString& testo)
{
    invia(testo, TIcona::Esclamazione, false);
}

void TMessaggi::Errore(const QString& testo)
{
    invia(testo, TIcona::Stop, false);
}

bool TMessaggi::Domanda(const QString& testo)
{
    return istanza().mostra(TMessaggio {testo, TIcona::Domanda, Titolo, true});
}

void TMessaggi::AvvisoDomanda(const QString& testo)
{
    invia(testo, TIcona::Domanda, false);
}

void TMessaggi::ErroreTitolo(const QString& testo, const QString& titolo)
{
    invia(testo, TIcona::Stop, false, titolo);
}

bool TMessaggiConsole::mostra(const TMessaggio& m)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(m.titolo), qPrintable(QString(m.testo).replace(u'\n', u' ')));
    return false;
}
