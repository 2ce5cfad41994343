#pragma once
// Disegno DXF della posa di un piano, per i programmi di disegno: sfondo sui suoi livelli,
// contorni dei locali, zone senza tubo, un circuito per polilinea aperta (dall'ingresso e
// ritorno), i collegamenti, i collettori e i testi dei circuiti. In millimetri, R2000.
#include "posa/Uposapiano.h"

#include <QColor>

// Colori dei collettori, uguali nel DXF (indice di colore del disegno) e nella tavola PDF.
namespace ColoriPosa {
int Aci(int collettore);
QColor Rgb(int collettore);
} // namespace ColoriPosa

namespace LivelliPosa {
inline const QString Locali = QStringLiteral("TVL_LOCALI");
inline const QString ZoneSenzaTubo = QStringLiteral("TVL_ZONE_SENZA_TUBO");
inline const QString Circuiti = QStringLiteral("TVL_CIRCUITI");
inline const QString Collegamenti = QStringLiteral("TVL_COLLEGAMENTI");
inline const QString Collettori = QStringLiteral("TVL_COLLETTORI");
inline const QString Testi = QStringLiteral("TVL_TESTI");
} // namespace LivelliPosa

class TDxfPosa
{
    Q_DECLARE_TR_FUNCTIONS(TDxfPosa)
public:
    // false con il motivo (tradotto) se il file non si scrive; il file resta quello di prima.
    static bool Scrivi(const QString& percorso, const TPiano& piano, const TPosaPiano& posa, QString* errore = nullptr);
    // La polilinea dei collegamenti di un circuito: mandata dal collettore all'ingresso, poi
    // ritorno dall'uscita al collettore.
    static QPolygonF Collegamenti(const TCircuitoPiano& c);
    // Testi di un circuito: nome, poi passo e lunghezza totale.
    static QStringList Testi(const TCircuitoPiano& c);
};
