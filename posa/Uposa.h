#pragma once
// Posa di un locale dai risultati del dimensionamento: la zona principale (NAs circuiti al passo
// PassoAs) e, se c'è, la fascia marginale (NAm circuiti al passo PassoAm), ciascuna divisa in
// parti di area quasi uguale, un circuito per parte, con i collegamenti al collettore.
#include "posa/Ucircuito.h"
#include "posa/Ucollegamenti.h"

#include <QMap>
#include <QStringList>

struct TLocalePosa
{
    int ID = 0;
    QString piano;
    TForma areaUtile; // contorno meno le zone senza tubo
    TForma zonaMarginale; // vuota se il progetto non ha zone marginali
    int NAs = 0;
    double PassoAs = 0; // m
    int NAm = 0;
    double PassoAm = 0; // m
    TSchemaPosa schema = TSchemaPosa::Spirale;
    // Ingressi scelti a mano: (marginale, numero) -> punto verso cui il circuito entra nella sua
    // parte. Valgono finché il punto sta nella parte o a meno di MargineIngresso dal suo bordo.
    QMap<std::pair<bool, int>, QPointF> ingressi;
};

// Distanza massima (m) di un ingresso scelto dalla parte del suo circuito.
inline constexpr double MargineIngresso = 0.5;

struct TCircuitoLocale
{
    bool marginale = false;
    int numero = 0; // 1.. nella sua zona
    TForma parte;
    TCircuitoPosato ansa;
    TCollegamento collegamento;
    bool Posato() const { return ansa.Posato(); }
    double LunghezzaTotale() const { return ansa.lunghezza + collegamento.lunghezza; }
};

struct TPosaLocale
{
    int ID = 0;
    QList<TCircuitoLocale> circuiti; // prima la zona principale, poi la marginale
    QStringList avvisi; // aree lasciate fuori e perché
    QStringList nonPosati; // un testo per ogni circuito non posato, con il motivo
};

class TPosa
{
    Q_DECLARE_TR_FUNCTIONS(TPosa)
public:
    // collettore: punto del collettore del locale; locali: contorni del piano (per i collegamenti).
    TPosaLocale PosaLocale(const TLocalePosa& locale, const TParametriPosa& base, QPointF collettore,
                           const TForme& locali) const;
    // Lo stesso con l'unione dei contorni del piano già preparata (una volta per piano).
    TPosaLocale PosaLocale(const TLocalePosa& locale, const TParametriPosa& base, QPointF collettore,
                           const geos_tvl::TPreparata& unione) const;

private:
    // Il punto verso cui il circuito entra nella sua parte: l'ingresso scelto a mano se vale
    // ancora, altrimenti il collettore (con l'avviso quando quello scelto non vale più).
    QPointF Verso(const TLocalePosa& locale, const TCircuitoLocale& c, QPointF collettore, const QString& nomeZona,
                  TPosaLocale& r) const;
    void PosaZona(const TForma& zona, int n, double passo, bool marginale, const TLocalePosa& locale,
                  const TParametriPosa& base, QPointF collettore, const geos_tvl::TPreparata& unione,
                  TPosaLocale& r) const;
};
