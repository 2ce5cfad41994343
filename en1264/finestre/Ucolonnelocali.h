#pragma once
// Colonne "Bagno" e "Carico estivo [W]" in coda alla griglia dei locali: i valori stanno nei
// dati EN 1264 del progetto (blocco aggiuntivo del file), non in AuxLocali.
class TDBGrid;
class TStatoProgetto;

void AggiungiColonneEn1264(TDBGrid& griglia, TStatoProgetto& stato);
