#pragma once
// Testi dei messaggi con cui il modulo dati difende i record dei locali (AuxLocali) e dei dati
// generali (AuxDGenerali). Le regole stesse sono installate da TDati::InstallaRegole().
#include <QCoreApplication>
#include <QString>

namespace TestiRegole {

// Vincoli di intervallo sui campi numerici dei locali.
inline QString AreaFuoriRange()
{
    return QCoreApplication::translate(
        "TestiRegole", "Il valore dell'area ambienti è fuori range.\n\nSono accettati valori nel range 1-5000 [mq].");
}
inline QString TAmbienteFuoriRange()
{
    return QCoreApplication::translate(
        "TestiRegole", "Il valore della T ambiente è fuori range.\n\nSono accettati valori nel range 1-30 [°C].");
}
// Il carico è memorizzato in W, il messaggio parla di kW.
inline QString CTermicoFuoriRange()
{
    return QCoreApplication::translate(
        "TestiRegole", "Il valore del Carico Termico è fuori range.\n\nSono accettati valori nel range 1-600 [kW].");
}
inline QString SpessoreFuoriRange()
{
    return QCoreApplication::translate(
        "TestiRegole",
        "Il valore dello Spessore Rivestimento è fuori range.\n\nSono accettati valori nel range 1-100 [mm].");
}
inline QString DistCollFuoriRange()
{
    return QCoreApplication::translate(
        "TestiRegole",
        "Il valore della Distanza dal Collettore è fuori range.\n\nSono accettati valori nel range 0-100 [m].");
}

// Regole delle aree (solo con la pagina "Locali" in vista).
inline QString AreaUtileNonValida()
{
    return QCoreApplication::translate(
        "TestiRegole",
        "L'Area utile deve avere un valore maggiore o uguale a 1 [mq].\n\nInoltre non deve essere "
        "superiore all'Area Totale.");
}
inline QString AreaMarginaleNonValida()
{
    return QCoreApplication::translate(
        "TestiRegole",
        "L'Area Marginale deve avere un valore maggiore o uguale a 0 [mq].\n\nDeve inoltre essere "
        "minore o uguale all'Area Utile.");
}

// Campi obbligatori di un locale, nell'ordine in cui sono controllati.
inline QString MancaDescrizione()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo Descrizione.");
}
inline QString MancaPiano()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo Piano.");
}
inline QString MancaTAmbiente()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo TAmbiente.");
}
inline QString MancaArea()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo Area.");
}
inline QString MancaAreaUtile()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo Area Utile.");
}
inline QString MancaCTermico()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il campo Carico Termico");
}
inline QString MancaRivestimento()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per il campo Tipo di Rivestimento");
}
inline QString MancaSpessore()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per il campo Spessore del Rivestimento");
}
inline QString MancaDistColl()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per il campo Distanza dal Collettore");
}

// Campi obbligatori dei dati generali, nell'ordine in cui sono controllati.
inline QString MancaSpessMass()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per lo spessore del massetto.");
}
inline QString MancaSpessSol()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per lo spessore della soletta.");
}
inline QString MancaSpessRiv()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per lo spessore del rivestimento.");
}
inline QString MancaTempVS()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per la temperatura dei vani sottostanti.");
}
inline QString MancaLungMax()
{
    return QCoreApplication::translate("TestiRegole",
                                       "Non è stato inserito un valore per la lunghezza massima dei circuiti.");
}
inline QString MancaDeltaTMax()
{
    return QCoreApplication::translate("TestiRegole", "Non è stato inserito un valore per il Delta T massimo.");
}

// Registrazione di un locale rifiutata dal database (numero mancante o già presente).
inline QString LocaleNonRegistrato()
{
    return QCoreApplication::translate(
        "TestiRegole",
        "Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.");
}

} // namespace TestiRegole
