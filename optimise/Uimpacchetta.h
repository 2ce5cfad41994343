#pragma once
// Un taglio con numeri di matasse dati, cercato per ricerca locale: i circuiti si distribuiscono
// sulle matasse (anche oltre la loro capacità), poi coppie di matasse si ridividono al meglio
// (somma di sottoinsiemi esatta sui loro al più 16 circuiti) finché nessuna sfora. Serve quando il
// rilassamento dice che il taglio al limite potrebbe esistere. Uso interno di optimise/.
#include "optimise/Uschemi.h"

namespace Schemi {
// Le matasse del taglio trovato, vuoto se il tempo finisce prima.
std::vector<TRotolo> Impacchetta(const TProblema& p, const std::vector<int>& numeri, Orologio::time_point scadenza);
} // namespace Schemi
