#pragma once
// Disegno di sfondo importato (per esempio da DXF): livelli, spezzate e testi in metri.
// Archi, cerchi, ellissi e curve sono già approssimati da spezzate; i blocchi sono già esplosi.
#include <QByteArray>
#include <QCoreApplication>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

enum class TUnita { Sconosciuta, Millimetri, Centimetri, Decimetri, Metri, Pollici, Piedi };

struct TLivello
{
    QString nome;
    bool visibile = true;
    bool operator==(const TLivello&) const = default;
};

struct TSpezzata
{
    int livello = 0; // indice in TDisegno::livelli
    QPolygonF punti;
    bool chiusa = false;
    bool operator==(const TSpezzata&) const = default;
};

struct TTesto
{
    int livello = 0;
    QPointF posizione; // punto di inserimento, m
    double altezza = 0; // m
    double rotazione = 0; // gradi, antiorario
    QString testo;
    bool operator==(const TTesto&) const = default;
};

class TDisegno
{
    Q_DECLARE_TR_FUNCTIONS(TDisegno)
public:
    QList<TLivello> livelli;
    QList<TSpezzata> spezzate;
    QList<TTesto> testi;
    TUnita unita = TUnita::Sconosciuta; // unità del file d'origine

    bool operator==(const TDisegno&) const = default;

    // Metri per unità di disegno; 0 per un'unità sconosciuta.
    static double Metri(TUnita unita);
    static QString Nome(TUnita unita);

    // Indice del livello con quel nome, aggiunto (visibile) se manca.
    int Livello(const QString& nome);
    // Indice del livello con quel nome, -1 se manca.
    int IndiceLivello(const QString& nome) const;
    // Moltiplica coordinate e altezze dei testi (per un'unità scelta dall'utente).
    void Scala(double fattore);
    // Rettangolo che contiene tutto (vuoto se non c'è niente), solo livelli visibili se richiesto.
    QRectF Limiti(bool soloVisibili = true) const;
    // Tutti i segmenti delle spezzate (per agganci e regioni).
    QList<QLineF> Segmenti(bool soloVisibili = true) const;
    int Elementi() const { return int(spezzate.size() + testi.size()); }

    // Forma binaria per la pianta del progetto (non compressa). Leggi restituisce false e il
    // motivo se i byte sono rovinati, lasciando *this com'era.
    QByteArray Scrivi() const;
    bool Leggi(const QByteArray& byte, QString* motivo = nullptr);

private:
    bool LivelloVisibile(int i) const { return i >= 0 && i < livelli.size() && livelli[i].visibile; }
};
