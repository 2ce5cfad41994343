#pragma once
// Geometria della pianta: aree, validità dei contorni, operazioni booleane (GEOS), area utile,
// striscia marginale, distanza dal collettore, regioni chiuse da segmenti e agganci del cursore.
// Coordinate in metri (asse y verso l'alto); nessuna finestra.
#include <QCoreApplication>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QString>
#include <optional>

// Un contorno è un QPolygonF: anello esterno, senza ripetere il primo punto in fondo.
// Una forma con fori:
struct TForma
{
    QPolygonF esterno;
    QList<QPolygonF> fori;
};
using TForme = QList<TForma>;

// Dove si è agganciato il cursore.
enum class TTipoAggancio { Nessuno, Estremo, Intersezione, Griglia };
struct TAggancio
{
    QPointF punto;
    TTipoAggancio tipo = TTipoAggancio::Nessuno;
};

class TGeometria
{
    Q_DECLARE_TR_FUNCTIONS(TGeometria)
public:
    // Area con segno (positiva se i vertici girano in senso antiorario) e assoluta, in m².
    static double AreaConSegno(const QPolygonF& contorno);
    static double Area(const QPolygonF& contorno);
    static double Area(const TForma& forma); // esterno meno fori
    static double Area(const TForme& forme);

    // Toglie il punto di chiusura ripetuto e i vertici consecutivi coincidenti.
    static QPolygonF Pulisci(const QPolygonF& contorno);
    // Vuoto se il contorno è accettabile, altrimenti il motivo del rifiuto (tradotto).
    static QString Difetto(const QPolygonF& contorno);

    // Operazioni booleane; i contorni devono essere validi (vedi Difetto).
    static TForme Unione(const TForme& forme);
    static TForme Differenza(const TForme& a, const TForme& b);
    static TForme Intersezione(const TForme& a, const TForme& b);
    static TForma Forma(const QPolygonF& contorno) { return {contorno, {}}; }

    // Contorno del locale meno le zone senza tubi che vi cadono (le parti esterne si ignorano).
    // Vuoto con il motivo in *motivo se il contorno o una zona non sono validi o se le zone
    // coprono tutto il locale.
    static TForme AreaUtile(const QPolygonF& contorno, const QList<QPolygonF>& zoneSenzaTubi,
                            QString* motivo = nullptr);
    // Striscia di larghezza data lungo i lati scelti (lato i = da contorno[i] a contorno[i+1]),
    // verso l'interno, ritagliata sull'area utile.
    static TForme StrisciaMarginale(const QPolygonF& contorno, const QList<int>& lati, const TForme& utile,
                                    double larghezza = 1.0);

    // Percorso a tratti orizzontali e verticali dal punto al contorno più vicino, arrotondato
    // per eccesso ai metri interi; 0 se il punto è dentro o sul contorno.
    static int DistanzaManhattan(QPointF punto, const QPolygonF& contorno);

    // Regioni chiuse formate da un insieme di segmenti (incroci compresi).
    static TForme Poligonizza(const QList<QLineF>& segmenti);
    // Indice della regione che contiene il punto, -1 se nessuna.
    static int RegioneContenente(const TForme& regioni, QPointF punto);

    // Agganci del cursore. Estremo e intersezione entro la tolleranza (m), altrimenti nulla.
    static std::optional<QPointF> AgganciaEstremo(QPointF p, const QList<QLineF>& segmenti, double tolleranza);
    static std::optional<QPointF> AgganciaIntersezione(QPointF p, const QList<QLineF>& segmenti, double tolleranza);
    // Proietta p sulla direzione per origine più vicina tra i multipli di 45°.
    static QPointF AgganciaAngolo(QPointF origine, QPointF p);
    static QPointF AgganciaGriglia(QPointF p, double passo);
    // Estremi, poi intersezioni, poi griglia (passo <= 0: niente griglia).
    static TAggancio Aggancia(QPointF p, const QList<QLineF>& segmenti, double tolleranza, double passoGriglia);
};
