// Testi della griglia dei circuiti: intestazioni, unità e valori dei locali.
#include "calc/Ucalc.h"
#include "data/Uformato.h"

#include <QCoreApplication>

#include <cmath>

namespace {
struct TColonna
{
    const char* intestazione;
    const char* unita;
    int decimali;
};

const TColonna Colonne[TPavRad::NumColonneMarginali] = {
    {QT_TRANSLATE_NOOP("TPavRad", "Locale"), "ID", 0},      {QT_TRANSLATE_NOOP("TPavRad", "As"), "[mq]", 1},
    {QT_TRANSLATE_NOOP("TPavRad", "Am"), "[mq]", 1},        {QT_TRANSLATE_NOOP("TPavRad", "Ta"), "[°C]", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "Carico"), "[W]", 0},     {QT_TRANSLATE_NOOP("TPavRad", "Integr."), "[W]", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "Pot."), "As [W]", 0},    {QT_TRANSLATE_NOOP("TPavRad", "T Sup."), "As [°C]", 2},
    {QT_TRANSLATE_NOOP("TPavRad", "Passo"), "As [cm]", 1},  {QT_TRANSLATE_NOOP("TPavRad", "N°"), "As", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "L As"), "[m]", 0},       {QT_TRANSLATE_NOOP("TPavRad", "Q As"), "[l/h]", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "Dp As"), "[mmH20]", 0},  {QT_TRANSLATE_NOOP("TPavRad", "Pot."), "Am [W]", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "T Sup."), "Am [°C]", 2}, {QT_TRANSLATE_NOOP("TPavRad", "Passo"), "Am [cm]", 1},
    {QT_TRANSLATE_NOOP("TPavRad", "N°"), "Am", 0},          {QT_TRANSLATE_NOOP("TPavRad", "L Am"), "[m]", 0},
    {QT_TRANSLATE_NOOP("TPavRad", "Q Am"), "[l/h]", 0},     {QT_TRANSLATE_NOOP("TPavRad", "Dp Am"), "[mmH20]", 0},
};

// Numero a virgola fissa col separatore del locale, senza separatore delle migliaia e senza
// il segno di uno zero negativo ("-0" per un -0.3 arrotondato).
QString Numero(double valore, int decimali, const QLocale& locale)
{
    if (std::fabs(valore) < 0.5 * std::pow(10.0, -decimali))
        valore = 0;
    return locale.toString(valore, 'f', decimali);
}

double Valore(const TLocaleCalc& l, int colonna)
{
    switch (colonna) {
    case 0:
        return l.ID;
    case 1:
        return l.AreaUtile;
    case 2:
        return l.AreaMarginale;
    case 3:
        return l.TAmbiente;
    case 4:
        return l.CTermico;
    case 5:
        return l.Integr;
    case 6:
        return l.PotAs;
    case 7:
        return l.TSupAs;
    case 8:
        return double(l.PassoAs) * 100.0;
    case 9:
        return l.NAs;
    case 10:
        return l.LAs;
    case 11:
        return l.QAs;
    case 12:
        return l.DpAs;
    case 13:
        return l.PotAm;
    case 14:
        return l.TSupAm;
    case 15:
        return double(l.PassoAm) * 100.0;
    case 16:
        return l.NAm;
    case 17:
        return l.LAm;
    case 18:
        return l.QAm;
    default:
        return l.DpAm;
    }
}
} // namespace

TCellaGriglia TPavRad::TestoCella(int colonna, int riga, std::span<const TLocaleCalc> locali, const QLocale& locale)
{
    TCellaGriglia cella;
    if (colonna < 0 || colonna >= NumColonneMarginali || riga < 0)
        return cella;
    const TColonna& col = Colonne[colonna];
    if (riga == 0) {
        cella.Testo = QCoreApplication::translate("TPavRad", col.intestazione);
        return cella;
    }
    if (riga == 1) {
        cella.Testo = QString::fromUtf8(col.unita);
        return cella;
    }
    const std::size_t indice = static_cast<std::size_t>(riga - 2);
    if (indice >= locali.size())
        return cella;
    const TLocaleCalc& l = locali[indice];

    if (colonna >= NumColonneAttive && !(l.PotAm > 0)) {
        cella.Testo = QStringLiteral("--");
        return cella;
    }
    cella.Testo = Numero(Valore(l, colonna), col.decimali, LocaleSchermo(locale));

    switch (colonna) {
    case 5:
        cella.Immagine = std::trunc(l.Integr) > 0 ? LampadaRossa : LampadaVerde;
        break;
    case 7:
        if (l.TSupAs > 29.0f)
            cella.Marca = MarcaRossa;
        break;
    case 14:
        if (l.TSupAm > 33.0f)
            cella.Marca = MarcaArancio;
        break;
    default:
        break;
    }
    return cella;
}
