#pragma once
// Finestra di progetto per i test delle pagine: modulo dati aperto, un progetto letto da un file
// (un modello nuovo*.nv della cartella del programma o un .tvl) con gli agganci della finestra.
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTabBar>
#include <QTest>

#include <memory>

// I titoli delle pagine della finestra di progetto, nell'ordine delle linguette.
inline const QStringList TitoliPagine = {"Informazioni Cliente",
                                         "Dati Generali Impianto",
                                         "Locali",
                                         "T Mandata Progetto",
                                         "Raffrescamento",
                                         "Collettori",
                                         "Regolazione",
                                         "Catalogo"};

struct TFinestraDiProva
{
    TDati dati;
    std::unique_ptr<TProgetto> finestra;

    // false (con il motivo nel test) se il catalogo non si apre o il file non si legge.
    bool Apri(const QString& file = QStringLiteral("nuovosr.nv"))
    {
        if (!dati.Connesso() && !dati.ApriTutto())
            return false;
        finestra = std::make_unique<TProgetto>(dati);
        TAgganciLettura agganci;
        finestra->AggiungiAgganci(agganci);
        const QString percorso
            = QFileInfo(file).isAbsolute() ? file : QCoreApplication::applicationDirPath() + u'/' + file;
        if (!LeggiProgetto(finestra->Stato(), percorso, agganci))
            return false;
        finestra->resize(792, 554);
        finestra->show();
        return QTest::qWaitForWindowExposed(finestra.get());
    }
    TStatoProgetto& Stato() { return finestra->Stato(); }
    // Clic dell'utente sulla linguetta della pagina "TabSheet<indice + 1>" (0 = "Informazioni
    // Cliente"), dovunque stia fra le linguette.
    void Pagina(int indice)
    {
        QTabBar* barra = finestra->PageControl1->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(Linguetta(indice)).center());
    }
    int Linguetta(int indice) const
    {
        QTabWidget* pc = finestra->PageControl1;
        return pc->indexOf(pc->findChild<QWidget*>(QStringLiteral("TabSheet%1").arg(indice + 1)));
    }
};
