#pragma once
// Dalla pianta ai valori dei locali: per ogni ID di locale legato a uno o più contorni, Area,
// AreaUtile, AreaMarginale e DistColl. Funzione pura: restituisce gli aggiornamenti da
// applicare (attraverso le regole dei locali), non scrive niente.
#include "Upianta.h"

#include <QHash>
#include <QStringList>
#include <QVariant>

struct TAggiornamento
{
    int idLocale = 0;
    QString campo; // nome del campo di AuxLocali
    QVariant valore;
    bool operator==(const TAggiornamento&) const = default;
};

struct TValoriPianta
{
    // Per ogni locale nell'ordine Area, AreaUtile, AreaMarginale, DistColl: è l'ordine in cui
    // le regole dei locali li accettano (Area azzera gli altri due).
    QList<TAggiornamento> aggiornamenti;
    QStringList problemi; // locali saltati o valori non applicabili, con il motivo
};

class TValoriLocali
{
    Q_DECLARE_TR_FUNCTIONS(TValoriLocali)
public:
    // collettoreDi: ID del locale -> nome del collettore a cui è assegnato; senza assegnazione
    // (o con un collettore non posato su quel piano) vale il collettore più vicino del piano.
    static TValoriPianta Calcola(const TPianta& pianta, const QHash<int, QString>& collettoreDi = {},
                                 double larghezzaMarginale = 1.0);
    // Il massimo che le regole dei locali accettano per DistColl.
    static constexpr int DistanzaMassima = 100;
};
