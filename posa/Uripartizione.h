#pragma once
// Divisione dell'area utile di un locale in N parti di area quasi uguale, con tagli
// perpendicolari alla direzione più lunga del locale: ogni parte diventa un circuito.
#include "pianta/Ugeometria.h"

#include <QCoreApplication>
#include <QStringList>

struct TRipartizione
{
    TForme parti; // in ordine lungo la direzione principale, senza fori
    QStringList avvisi; // perché si posa meno dell'area utile (pezzi staccati, sfridi)
};

class TRipartitore
{
    Q_DECLARE_TR_FUNCTIONS(TRipartitore)
public:
    // Area utile (contorno meno zone senza tubo) divisa in n parti. Le parti non hanno fori:
    // dopo la divisione ogni foro è collegato al bordo da un taglio sottile, così i circuiti gli
    // girano intorno.
    TRipartizione Ripartisci(const TForma& areaUtile, int n) const;
    // Versore della direzione più lunga (lato lungo del rettangolo minimo che la contiene).
    QPointF DirezionePrincipale(const TForma& s) const;
    // L'area utile ripulita (sfridi sottili tolti, pezzo più grande, fori aperti verso il bordo).
    TForma Pulisci(const TForma& areaUtile, QStringList& avvisi) const;
    // La sagoma senza fori: ogni foro collegato al contorno da un taglio sottile.
    TForma ApriFori(const TForma& s) const;
};
