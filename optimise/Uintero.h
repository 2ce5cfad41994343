#pragma once
// Il problema intero di "minimo acquisto" sugli schemi di taglio: Cbc, l'arrotondamento progressivo
// del rilassamento, la riparazione delle coperture doppie.
// Uso interno di optimise/.
#include "optimise/Uschemi.h"

namespace Schemi {
struct TIntero
{
    std::vector<int> uso; // quante volte usare ogni schema; vuoto se Cbc non ha trovato soluzioni
    bool scaduto = false; // il tempo è finito prima che Cbc chiudesse la ricerca
};

// Il problema intero sugli schemi dati, risolto da Cbc entro "secondi" a partire dalla soluzione
// data (quante volte si usa ogni schema).
TIntero RisolviIntero(const TProblema& p, const std::vector<TSchema>& schemi, const std::vector<int>& partenza,
                      double secondi);

// Dagli usi degli schemi alle matasse, con ogni circuito coperto una volta sola; vuoto se qualche
// circuito resta scoperto.
std::vector<TRotolo> Ripara(const TProblema& p, const std::vector<TSchema>& schemi, const std::vector<int>& uso);

// Una buona soluzione intera dal rilassamento, arrotondato un passo alla volta.
std::vector<TRotolo> Arrotonda(const TProblema& p, TMaestro& maestro, const std::vector<TSchema>& schemi,
                               Orologio::time_point scadenza, TProgresso& progresso);

} // namespace Schemi
