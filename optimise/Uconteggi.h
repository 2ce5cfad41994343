#pragma once
// Il limite inferiore di "minimo acquisto" rafforzato dai numeri interi di matasse. Il rilassamento
// lineare può usare 8,4 matasse da 600: un taglio vero ne usa un numero intero di ogni lunghezza.
// Per ogni livello di costo T (una somma di matasse), dal limite del rilassamento in su, si cercano
// i numeri di matasse di costo al più T; per ciascuno il rilassamento con al più quelle matasse
// (generazione di colonne, fase 1 di Clp) dice se i circuiti ci stanno. Se per nessuno ci stanno,
// nessun taglio costa T e il limite sale al livello dopo. Uso interno di optimise/.
#include "optimise/Uschemi.h"

namespace Schemi {
struct TLimiteAlzato
{
    long long limite = 0; // mai oltre il tetto
    std::vector<TRotolo> rotoli; // un taglio che costa al più il limite, se trovato
};

// Il limite alzato finché la ricerca non lo dimostra più o finisce il tempo; "tetto" è il costo del
// taglio già trovato. Dove i circuiti potrebbero stare, un taglio con quelle matasse si cerca per
// ricerca locale (Uimpacchetta).
TLimiteAlzato AlzaLimite(const TProblema& p, long long limite, long long tetto, Orologio::time_point scadenza,
                         TProgresso& progresso);
} // namespace Schemi
