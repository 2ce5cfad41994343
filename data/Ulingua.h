// Lingua dell'interfaccia: italiano (i testi sorgente) o inglese (traduzioni Qt Linguist).
#pragma once

#include <QString>

namespace TLingua {
// "it" o "en": la scelta di questa esecuzione se data (--lingua), altrimenti quella salvata nelle
// impostazioni, altrimenti "it".
QString Corrente();
bool Inglese();
// Sceglie la lingua solo per questa esecuzione (riga di comando, script, test); "" toglie la scelta.
void ImpostaPerEsecuzione(const QString& lingua);
// Salva la scelta "Lingua" nelle impostazioni (per i prossimi avvii; le traduzioni di questa
// esecuzione cambiano con ImpostaPerEsecuzione e InstallaTraduzioni).
void Salva(const QString& lingua);
// Installa nell'applicazione le traduzioni compilate (:/traduzioni/*_<lingua>.qm) della lingua
// corrente, togliendo quelle installate prima; con "it" non ne resta nessuna. Dice quante.
int InstallaTraduzioni();
// La lingua delle traduzioni installate ora da InstallaTraduzioni(): quella che l'interfaccia mostra
// davvero ("it" senza traduzioni, come la riga di comando e i test), che può differire da Corrente()
// dopo Salva() fino al riavvio.
QString Installata();
} // namespace TLingua
