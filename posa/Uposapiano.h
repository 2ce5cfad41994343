#pragma once
// Posa di un piano della pianta: per ogni locale con contorno l'area utile (contorno meno zone
// senza tubo), la fascia marginale lungo i muri esterni, i circuiti dimensionati e i collegamenti
// al collettore che li alimenta. Nessuna finestra: la usano la riga di comando, i disegni e la
// finestra della pianta.
#include "pianta/Upianta.h"
#include "posa/Uposa.h"

#include <optional>

// Un circuito come lo conosce la pagina dei collettori.
struct TRiferimentoCircuito
{
    QString nome; // "Descrizione - k" (con " Am" per la zona marginale)
    QString collettore; // vuoto: il collettore del piano più vicino al locale
};

// Quello che serve alla posa dei risultati del dimensionamento di un locale.
struct TLocaleDimensionato
{
    int ID = 0;
    QString piano;
    QString descrizione;
    int NAs = 0;
    double PassoAs = 0; // m
    double LAs = 0; // m, lunghezza dimensionata di un circuito
    int NAm = 0;
    double PassoAm = 0;
    double LAm = 0;
    double portataAs = 0, portataAm = 0; // l/h, di un circuito
    // Per circuito (indice numero - 1); quelli che mancano prendono il nome "Descrizione - k".
    QList<TRiferimentoCircuito> circuitiAs, circuitiAm;
    std::optional<TSchemaPosa> schema; // scelto per il locale; altrimenti quello del progetto
    QMap<std::pair<bool, int>, QPointF> ingressi; // scelti a mano: (marginale, numero) -> punto
};

struct TOpzioniPosa
{
    TSchemaPosa schema = TSchemaPosa::Spirale;
    TParametriPosa parametri; // il passo viene dal locale
    bool conMarginale = true; // progetto dimensionato con le zone marginali
    double larghezzaMarginale = 1.0; // m, fascia lungo i muri esterni
};

struct TCircuitoPiano
{
    int ID = 0; // del locale
    QString descrizione; // del locale
    QChar zona; // 's' principale, 'm' marginale
    int numero = 0; // 1.. nella zona
    QString nome; // "Descrizione - k"
    QString collettore;
    int colore = 0; // indice del collettore nel piano (per i colori dei disegni)
    double passo = 0; // m
    double portata = 0; // l/h
    double lunghezzaDimensionata = 0; // m
    TSchemaPosa schema = TSchemaPosa::Spirale;
    TCircuitoLocale posa;

    bool Posato() const { return posa.Posato(); }
    double Anello() const { return posa.ansa.lunghezza; }
    double Collegamenti() const { return posa.collegamento.lunghezza; }
    double Totale() const { return posa.LunghezzaTotale(); }
};

struct TPosaPiano
{
    QString piano;
    QList<TCircuitoPiano> circuiti; // posati e non (questi con posa.ansa.motivo)
    QStringList avvisi; // aree lasciate fuori, ripieghi di schema, collettori fuori dai locali
    QStringList nonPosati; // un testo per circuito o locale non posato, con il motivo
};

class TPosaPianta
{
    Q_DECLARE_TR_FUNCTIONS(TPosaPianta)
public:
    // I locali del piano (gli altri si ignorano) posati sul piano della pianta.
    static TPosaPiano PosaPiano(const TPiano& piano, const QList<TLocaleDimensionato>& locali,
                                const TOpzioniPosa& opzioni);
    // Tutti i piani dei locali; un piano senza pianta dà i suoi circuiti come non posati.
    static QList<TPosaPiano> Posa(const TPianta& pianta, const QList<TLocaleDimensionato>& locali,
                                  const TOpzioniPosa& opzioni);
    // Il collettore del piano più vicino al contorno (percorso a tratti orizzontali e verticali).
    static QString CollettorePiuVicino(const TPiano& piano, const QPolygonF& contorno);
};
