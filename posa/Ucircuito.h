#pragma once
// Dal percorso d'asse al tubo: un circuito bifilare (mandata e ritorno affiancati) è il contorno
// della fascia larga un passo intorno a un asse che non si avvicina a sé stesso meno di due
// passi. Spirale e serpentina costruiscono solo l'asse; qui si fanno il tubo, le curve e le misure.
#include "pianta/Ugeometria.h"

#include <QCoreApplication>
#include <QString>

enum class TSchemaPosa { Spirale, Serpentina };

// Lunghezza di una polilinea aperta (m).
double LunghezzaPolilinea(const QPolygonF& linea);

struct TParametriPosa
{
    double passo = 0.15; // m, interasse dei tubi
    double distanza = -1; // m, distanza dai muri e dalle zone senza tubo; < 0: automatica
    double diametroEsterno = 0.017; // m
    int maxAnelli = 60; // limite di giri (spirale) e di passate/2 (serpentina): tempo limitato
    double Distanza() const;
    double Raggio() const { return 5 * diametroEsterno; }
};

struct TCircuitoPosato
{
    QPolygonF tubo; // dall'ingresso (mandata) all'uscita (ritorno), aperta
    double lunghezza = 0; // m, lunghezza del tubo disegnato
    QPolygonF asse; // percorso d'asse da cui è nato (per disegni e verifiche)
    QString motivo; // perché non è posato (vuoto se posato)
    QString ripiego; // posato, ma non con lo schema chiesto: come e perché (vuoto se come chiesto)
    bool Posato() const { return tubo.size() >= 2; }
};

// Punti su un anello chiuso (senza punto ripetuto) misurati per lunghezza d'arco.
namespace Anelli {
double Perimetro(const QPolygonF& a);
double Proietta(const QPolygonF& a, QPointF p); // ascissa del punto dell'anello più vicino
QPointF Punto(const QPolygonF& a, double s);
// Tratto in senso crescente da s0 per una lunghezza l (l < perimetro), estremi compresi.
QPolygonF Arco(const QPolygonF& a, double s0, double l);
// Punto più vicino su una polilinea chiusa.
QPointF PiuVicino(const QPolygonF& a, QPointF p);
QPolygonF Antiorario(QPolygonF a);
} // namespace Anelli

class TTracciatore
{
    Q_DECLARE_TR_FUNCTIONS(TTracciatore)
public:
    // Tubo intorno all'asse (fascia di mezzo passo per lato, estremità piatte, spigoli vivi), aperto
    // sull'estremità iniziale, curve raccordate con il raggio minimo dove c'è posto; verificato
    // dentro la parte ridotta della distanza.
    // Le prove di spirale e serpentina ripetono spesso lo stesso asse: l'ultimo centinaio di
    // tubi posati si ricorda.
    TCircuitoPosato TuboDaAsse(const QPolygonF& asse, const TForma& parte, const TParametriPosa& p) const;
    static QPolygonF Raccorda(const QPolygonF& linea, double raggio);

private:
    TCircuitoPosato Traccia(const QPolygonF& asse, const TForma& parte, const TParametriPosa& p) const;
    // Il tubo sta nella parte ridotta della distanza (tolleranza 1 mm)?
    static bool Dentro(const QPolygonF& tubo, const TForma& parte, double distanza);
};
