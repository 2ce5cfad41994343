#pragma once
// Testi dei messaggi con cui il modulo dati difende i record dei locali (AuxLocali) e dei dati
// generali (AuxDGenerali). Le regole stesse sono installate da TDati::InstallaRegole().
#include <QString>

namespace TestiRegole {

// Vincoli di intervallo sui campi numerici dei locali.
inline const QString AreaFuoriRange
    = QStringLiteral("Il valore dell'area ambienti è fuori range.\n\nSono accettati valori nel range 1-5000 [mq].");
inline const QString TAmbienteFuoriRange
    = QStringLiteral("Il valore della T ambiente è fuori range.\n\nSono accettati valori nel range 1-30 [°C].");
// Il carico è memorizzato in W, il messaggio parla di kW.
inline const QString CTermicoFuoriRange
    = QStringLiteral("Il valore del Carico Termico è fuori range.\n\nSono accettati valori nel range 1-600 [kW].");
inline const QString SpessoreFuoriRange = QStringLiteral(
    "Il valore dello Spessore Rivestimento è fuori range.\n\nSono accettati valori nel range 1-100 [mm].");
inline const QString DistCollFuoriRange = QStringLiteral(
    "Il valore della Distanza dal Collettore è fuori range.\n\nSono accettati valori nel range 0-100 [m].");

// Regole delle aree (solo con la pagina "Locali" in vista).
inline const QString AreaUtileNonValida
    = QStringLiteral("L'Area utile deve avere un valore maggiore o uguale a 1 [mq].\n\nInoltre non deve essere "
                     "superiore all'Area Totale.");
inline const QString AreaMarginaleNonValida
    = QStringLiteral("L'Area Marginale deve avere un valore maggiore o uguale a 0 [mq].\n\nDeve inoltre essere "
                     "minore o uguale all'Area Utile.");

// Campi obbligatori di un locale, nell'ordine in cui sono controllati.
inline const QString MancaDescrizione = QStringLiteral("Non è stato inserito un valore per il campo Descrizione.");
inline const QString MancaPiano = QStringLiteral("Non è stato inserito un valore per il campo Piano.");
inline const QString MancaTAmbiente = QStringLiteral("Non è stato inserito un valore per il campo TAmbiente.");
inline const QString MancaArea = QStringLiteral("Non è stato inserito un valore per il campo Area.");
inline const QString MancaAreaUtile = QStringLiteral("Non è stato inserito un valore per il campo Area Utile.");
inline const QString MancaCTermico = QStringLiteral("Non è stato inserito un valore per il campo Carico Termico");
inline const QString MancaRivestimento
    = QStringLiteral("Non è stato inserito un valore per il campo Tipo di Rivestimento");
inline const QString MancaSpessore
    = QStringLiteral("Non è stato inserito un valore per il campo Spessore del Rivestimento");
inline const QString MancaDistColl
    = QStringLiteral("Non è stato inserito un valore per il campo Distanza dal Collettore");

// Campi obbligatori dei dati generali, nell'ordine in cui sono controllati.
inline const QString MancaSpessMass = QStringLiteral("Non è stato inserito un valore per lo spessore del massetto.");
inline const QString MancaSpessSol = QStringLiteral("Non è stato inserito un valore per lo spessore della soletta.");
inline const QString MancaSpessRiv = QStringLiteral("Non è stato inserito un valore per lo spessore del rivestimento.");
inline const QString MancaTempVS
    = QStringLiteral("Non è stato inserito un valore per la temperatura dei vani sottostanti.");
inline const QString MancaLungMax
    = QStringLiteral("Non è stato inserito un valore per la lunghezza massima dei circuiti.");
inline const QString MancaDeltaTMax = QStringLiteral("Non è stato inserito un valore per il Delta T massimo.");

// Registrazione di un locale rifiutata dal database (numero mancante o già presente).
inline const QString LocaleNonRegistrato = QStringLiteral(
    "Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.");

} // namespace TestiRegole
