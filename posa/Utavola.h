#pragma once
// "Tavola impianto": la posa di un piano in PDF, in scala, con cartiglio (progetto, cliente,
// progettista, data, piano, scala), legenda dei circuiti e scala grafica. Solo QtGui.
#include "posa/Uposapiano.h"

#include <QPageSize>

struct TDatiTavola
{
    QString progetto, cliente, progettista, data;
    int scala = 50; // 1:scala; 50 o 100
    QPageSize::PageSizeId formato = QPageSize::A3; // orizzontale
    int foglio = 1, fogli = 1; // numero del foglio fra le tavole dei piani del progetto
};

struct TEsitoTavola
{
    bool ok = false;
    QString errore;
    int scala = 0; // quella usata: la chiesta o la prima più piccola in cui il piano entra
    QStringList avvisi;
};

class TTavola
{
    Q_DECLARE_TR_FUNCTIONS(TTavola)
public:
    static TEsitoTavola Scrivi(const QString& percorso, const TPiano& piano, const TPosaPiano& posa,
                               const TDatiTavola& dati);
    // La scala (1:n) con cui il rettangolo del piano (m) entra nello spazio del disegno (mm):
    // la chiesta se basta, altrimenti la prima più piccola tra 100, 200, 500, 1000; 0 se nessuna.
    static int ScalaPerSpazio(QSizeF pianoM, QSizeF spazioMm, int chiesta);
    // Riferimento breve di un circuito nel disegno e nella legenda: "ID locale.numero" (m marginale).
    static QString Riferimento(const TCircuitoPiano& c);
};
