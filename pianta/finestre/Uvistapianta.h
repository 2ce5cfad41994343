#pragma once
// Vista di un piano della pianta: sfondo (disegno, immagine o pagina PDF) tenuto in una cache
// di pixel, zoom alla rotella attorno al cursore, spostamento con il tasto centrale o con
// spazio e trascinamento. Quello che sta sopra lo sfondo (contorni, disegno in corso) lo dipinge
// chi usa la vista, a ogni fotogramma, attraverso DisegnaSopra.
#include "pianta/Upianta.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

class TVistaPianta : public QWidget
{
    Q_OBJECT
public:
    explicit TVistaPianta(QWidget* parent = nullptr);

    // Sfondo del piano da mostrare (il disegno è condiviso, non copiato); immagine già pronta per
    // immagini e PDF (vuota se non c'è), con i suoi pixel per unità dello sfondo.
    void ImpostaSfondo(const TSfondo& sfondo, const QImage& immagine, double risoluzione = 1);
    // Stesse spezzate, altri livelli visibili o altra scala.
    void SfondoCambiato(const TSfondo& sfondo, const QImage& immagine, double risoluzione = 1);

    // Pixel per metro e posizione dell'origine della pianta sullo schermo.
    double Zoom() const { return m_zoom; }
    void ImpostaVista(double zoom, QPointF origine);
    QPointF VersoSchermo(QPointF metri) const;
    QPointF VersoPianta(QPointF schermo) const;
    QTransform Trasformazione() const;
    // Zoom di un fattore attorno a un punto dello schermo (la rotella).
    void ZoomAttorno(QPointF schermo, double fattore);
    void Sposta(QPointF delta);
    // Mostra tutto il rettangolo (m) con un margine.
    void Adatta(const QRectF& limiti);

    // Fotogrammi dipinti e tempo dell'ultimo (per le misure).
    int Fotogrammi() const { return m_fotogrammi; }
    double UltimoFotogrammaMs() const { return m_ultimoMs; }
    // Dipinge subito lo sfondo nitido alla scala corrente invece di aspettare la fine dello zoom.
    void RendiNitido();

    // Disegno fermo sopra lo sfondo, in metri, dipinto nella cache con lo sfondo: chi lo cambia
    // chiama Ridisegna. DisegnaSopra dipinge a ogni fotogramma, in pixel.
    std::function<void(QPainter&, const QRectF& visibile)> DisegnaInCache;
    void Ridisegna();
    std::function<void(QPainter&)> DisegnaSopra;
    std::function<void(QPointF metri, QMouseEvent*)> Premuto, Mosso, Rilasciato;
    std::function<void(QPointF metri)> DoppioClic;
    // Tasti per chi usa la vista (Invio, Esc, Backspace...); true se usato.
    std::function<bool(QKeyEvent*)> Tasto;

Q_SIGNALS:
    void vistaCambiata();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;

private:
    void rendiCache();
    void disegnaSfondo(QPainter& p, const QRectF& visibile) const;
    bool cacheCopre() const;

    TSfondo m_sfondo;
    QImage m_immagine;
    double m_risoluzione = 1;
    QList<QRectF> m_limitiSpezzate; // per saltare quello che è fuori dalla cache

    double m_zoom = 50;
    QPointF m_origine {40, 400};

    // Cache: lo sfondo dipinto a m_zoomCache, con il suo angolo in alto a sinistra in m_angoloCache
    // (metri) e un margine di mezza finestra per lato, così lo spostamento non ridipinge.
    QPixmap m_cache;
    double m_zoomCache = 0;
    QPointF m_angoloCache;
    bool m_cacheValida = false;
    QTimer m_nitido;

    bool m_spazio = false;
    bool m_trascina = false;
    QPointF m_ultimo;
    int m_fotogrammi = 0;
    double m_ultimoMs = 0;
};

// L'immagine di uno sfondo immagine o PDF (vuota per gli altri o se non si legge) e i suoi pixel
// per unità dello sfondo.
QImage ImmagineSfondo(const TSfondo& sfondo, double* risoluzione);
