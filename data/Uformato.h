#pragma once
// Numeri come si leggono a schermo, in un modo solo per tutte le finestre: il separatore decimale
// del sistema (la virgola in italiano) e mai quello delle migliaia ("2500 W", non "2.500 W"),
// come nelle griglie, dove le colonne allineate si leggono meglio senza punti. Solo funzioni in
// linea: le usano anche le librerie che non si collegano a data/. I documenti hanno le loro regole.
#include <QLocale>
#include <QString>

// Il locale dato (quello del sistema se manca) senza separatore delle migliaia.
inline QLocale LocaleSchermo(QLocale locale = QLocale())
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// Reale con `decimali` cifre dopo la virgola.
inline QString NumeroSchermo(double valore, int decimali)
{
    return LocaleSchermo().toString(valore, 'f', decimali);
}

// Intero.
inline QString InteroSchermo(qint64 valore)
{
    return LocaleSchermo().toString(valore);
}

// Reale con le sole cifre che servono ("12", "12,5", "0,125").
inline QString NumeroSchermoBreve(double valore)
{
    return LocaleSchermo().toString(valore, 'g', QLocale::FloatingPointShortest);
}
