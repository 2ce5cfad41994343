#pragma once
// I testi dei rifiuti dell'assegnazione ai collettori, come li legge l'utente: scritti qui una
// volta per il modello e per la pagina, non presi dal codice che li mostra.
#include <QString>

inline const QString MsgPiani
    = QStringLiteral("Non possono essere collegati allo stesso collettore\n\nanelli appartenenti a piani diversi");
inline const QString MsgDodici = QStringLiteral("Non possono essere collegati più di 12 anelli per collettore!");
inline const QString MsgNonAssegnati
    = QStringLiteral("Non sono stati assegnati tutti gli anelli.\n\nCompletare l'assegnamento prima di procedere "
                     "alla scelta dei collettori.");
inline const QString MsgSenzaAnelli = QStringLiteral(
    "Ci sono collettori senza alcun anello assegnato.\n\nCompletare le assegnazioni o eliminare il collettore.");
