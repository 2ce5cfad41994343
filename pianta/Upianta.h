#pragma once
// La pianta del progetto: per ogni piano (il valore Piano dei locali) uno sfondo, i contorni
// dei locali legati al loro ID, le zone senza tubi, i muri esterni e la posizione dei collettori.
// Si salva come blocco di byte versionato (una sezione del file di progetto).
#include "Udisegno.h"

#include <QMap>
#include <QTransform>

struct TSfondo
{
    enum class TTipo { Nessuno, Disegno, Immagine, Pdf };
    TTipo tipo = TTipo::Nessuno;
    TDisegno disegno; // TTipo::Disegno, in metri
    QByteArray byte; // TTipo::Immagine e TTipo::Pdf: il file così com'è (compresso solo nel salvataggio)
    int pagina = 0; // pagina del PDF, da 0
    // Scala: due punti dell'immagine (pixel o punti della pagina) e la loro distanza reale in metri.
    QPointF puntoA, puntoB;
    double distanza = 0;
    QPointF posizione; // dove cade in pianta (m) l'angolo in alto a sinistra dell'immagine

    bool operator==(const TSfondo&) const = default;
    // Metri per pixel; 0 se la scala non è stata data.
    double Scala() const;
    // Da pixel dell'immagine (y verso il basso) a metri in pianta (y verso l'alto).
    QTransform Trasformazione() const;
};

struct TContornoLocale
{
    int idLocale = 0; // ID del locale in AuxLocali, 0 se non ancora legato
    QPolygonF contorno;
    bool operator==(const TContornoLocale&) const = default;
};

struct TMuroEsterno
{
    int contorno = 0; // indice in TPiano::locali
    int lato = 0; // lato i: da contorno[i] a contorno[i+1]
    bool operator==(const TMuroEsterno&) const = default;
};

struct TPiano
{
    QString piano; // il valore del campo Piano dei locali
    TSfondo sfondo;
    QList<TContornoLocale> locali;
    QList<QPolygonF> zoneSenzaTubi;
    QList<TMuroEsterno> muriEsterni;
    QMap<QString, QPointF> collettori; // nome del collettore -> posizione (m)

    bool operator==(const TPiano&) const = default;
    // Lati esterni del contorno i.
    QList<int> LatiEsterni(int contorno) const;
    // Toglie un contorno e aggiorna gli indici dei muri esterni.
    void TogliContorno(int contorno);
};

// Nome della sezione della pianta nel blocco aggiuntivo del file di progetto.
inline const QString NomeSezionePianta = QStringLiteral("pianta");

class TPianta
{
    Q_DECLARE_TR_FUNCTIONS(TPianta)
public:
    QList<TPiano> piani;

    bool operator==(const TPianta&) const = default;
    bool Vuota() const { return piani.isEmpty(); }
    // Il piano con quel nome, nullptr se non c'è.
    TPiano* Piano(const QString& nome);
    const TPiano* Piano(const QString& nome) const;
    // Il piano con quel nome, aggiunto vuoto se non c'è.
    TPiano& PianoOCrea(const QString& nome);

    // Byte versionati; sfondi compressi. Leggi rifiuta (con il motivo) un blocco rovinato e
    // lascia la pianta com'era.
    QByteArray Scrivi() const;
    bool Leggi(const QByteArray& byte, QString* motivo = nullptr);
};
