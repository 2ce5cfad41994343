#pragma once
// Collegamenti fra collettore e circuito: mandata e ritorno affiancati lungo un percorso a tratti
// orizzontali e verticali, scelto fra i pochi possibili quello che esce meno dai locali del piano.
#include "pianta/Ugeometria.h"

#include <QCoreApplication>

#include <geos_c.h>

namespace geos_tvl {
class TPreparata;
}

struct TCollegamento
{
    QPolygonF mandata; // dal collettore all'ingresso del circuito
    QPolygonF ritorno; // dall'uscita del circuito al collettore
    double lunghezza = 0; // m, mandata + ritorno
    double fuoriLocali = 0; // m di percorso d'asse fuori dai locali del piano
};

class TCollegamenti
{
    Q_DECLARE_TR_FUNCTIONS(TCollegamenti)
public:
    TCollegamento Collega(QPointF collettore, QPointF ingresso, QPointF uscita, const TForme& locali,
                          double passo) const;
    // Lo stesso con l'unione dei locali del piano già preparata (una volta per piano).
    TCollegamento Collega(QPointF collettore, QPointF ingresso, QPointF uscita, const geos_tvl::TPreparata& unione,
                          double passo) const;
    // Copia della polilinea spostata di d alla sua sinistra (spigoli vivi).
    static QPolygonF Parallela(const QPolygonF& linea, double d);
};
