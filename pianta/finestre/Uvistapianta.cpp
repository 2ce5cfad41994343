#include "Uvistapianta.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr double ZoomMinimo = 0.05; // pixel per metro
constexpr double ZoomMassimo = 20000;

// Come QRectF::intersects, ma vale anche per i rettangoli senza area dei segmenti dritti.
bool Sovrapposti(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && a.right() >= b.left() && a.top() <= b.bottom() && a.bottom() >= b.top();
}
} // namespace

TVistaPianta::TVistaPianta(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VistaPianta"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(300, 200);
    // Durante lo zoom la cache si scala; quando la rotella si ferma si ridipinge nitida.
    m_nitido.setSingleShot(true);
    m_nitido.setInterval(150);
    connect(&m_nitido, &QTimer::timeout, this, [this] {
        rendiCache();
        update();
    });
}

void TVistaPianta::ImpostaSfondo(const TSfondo& sfondo, const QImage& immagine, double risoluzione)
{
    SfondoCambiato(sfondo, immagine, risoluzione);
    m_limitiSpezzate.clear();
    m_limitiSpezzate.reserve(m_sfondo.disegno.spezzate.size());
    for (const TSpezzata& s : m_sfondo.disegno.spezzate)
        m_limitiSpezzate << s.punti.boundingRect();
}

void TVistaPianta::SfondoCambiato(const TSfondo& sfondo, const QImage& immagine, double risoluzione)
{
    m_sfondo = sfondo;
    m_immagine = immagine;
    m_risoluzione = risoluzione > 0 ? risoluzione : 1;
    m_cacheValida = false;
    update();
}

void TVistaPianta::ImpostaVista(double zoom, QPointF origine)
{
    m_zoom = std::clamp(zoom, ZoomMinimo, ZoomMassimo);
    m_origine = origine;
    update();
    Q_EMIT vistaCambiata();
}

QPointF TVistaPianta::VersoSchermo(QPointF m) const
{
    return {m_origine.x() + m.x() * m_zoom, m_origine.y() - m.y() * m_zoom};
}

QPointF TVistaPianta::VersoPianta(QPointF s) const
{
    return {(s.x() - m_origine.x()) / m_zoom, (m_origine.y() - s.y()) / m_zoom};
}

QTransform TVistaPianta::Trasformazione() const
{
    return QTransform(m_zoom, 0, 0, -m_zoom, m_origine.x(), m_origine.y());
}

void TVistaPianta::ZoomAttorno(QPointF schermo, double fattore)
{
    const QPointF fermo = VersoPianta(schermo);
    const double z = std::clamp(m_zoom * fattore, ZoomMinimo, ZoomMassimo);
    ImpostaVista(z, {schermo.x() - fermo.x() * z, schermo.y() + fermo.y() * z});
    m_nitido.start();
}

void TVistaPianta::Sposta(QPointF delta)
{
    ImpostaVista(m_zoom, m_origine + delta);
}

void TVistaPianta::Adatta(const QRectF& limiti)
{
    if (limiti.isEmpty() && limiti.width() <= 0 && limiti.height() <= 0) {
        ImpostaVista(50, {40, height() - 40.0});
        return;
    }
    const double margine = 20;
    const double w = std::max(limiti.width(), 1e-3), h = std::max(limiti.height(), 1e-3);
    const double z = std::min((width() - 2 * margine) / w, (height() - 2 * margine) / h);
    const QPointF centro = limiti.center();
    ImpostaVista(z, {width() / 2.0 - centro.x() * z, height() / 2.0 + centro.y() * z});
    m_cacheValida = false;
}

void TVistaPianta::Ridisegna()
{
    m_cacheValida = false;
    update();
}

void TVistaPianta::RendiNitido()
{
    m_nitido.stop();
    rendiCache();
    update();
}

bool TVistaPianta::cacheCopre() const
{
    if (!m_cacheValida || m_zoomCache != m_zoom)
        return false;
    const QPointF angolo = VersoSchermo(m_angoloCache);
    return QRectF(angolo, QSizeF(m_cache.size())).contains(QRectF(rect()));
}

void TVistaPianta::rendiCache()
{
    const QSize dimensione(width() * 2, height() * 2);
    if (m_cache.size() != dimensione)
        m_cache = QPixmap(dimensione);
    m_cache.fill(Qt::white);
    m_zoomCache = m_zoom;
    m_angoloCache = VersoPianta(QPointF(-width() / 2.0, -height() / 2.0));
    QPainter p(&m_cache);
    p.setTransform(QTransform(m_zoom, 0, 0, -m_zoom, -m_angoloCache.x() * m_zoom, m_angoloCache.y() * m_zoom));
    const QRectF visibile
        = QRectF(m_angoloCache, QSizeF(dimensione.width() / m_zoom, -dimensione.height() / m_zoom)).normalized();
    disegnaSfondo(p, visibile);
    if (DisegnaInCache)
        DisegnaInCache(p, visibile);
    m_cacheValida = true;
}

void TVistaPianta::disegnaSfondo(QPainter& p, const QRectF& visibile) const
{
    if (!m_immagine.isNull() && m_sfondo.Scala() > 0) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom * m_sfondo.Scala() / m_risoluzione < 1);
        p.setTransform(QTransform::fromScale(1 / m_risoluzione, 1 / m_risoluzione) * m_sfondo.Trasformazione()
                       * p.transform());
        p.drawImage(QPointF(0, 0), m_immagine);
        p.restore();
    }
    const TDisegno& d = m_sfondo.disegno;
    if (d.spezzate.isEmpty() && d.testi.isEmpty())
        return;
    QPen penna(QColor(90, 90, 90), 0);
    penna.setCosmetic(true);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
    const auto visibileLivello = [&d](int i) { return i < 0 || i >= d.livelli.size() || d.livelli[i].visibile; };
    for (qsizetype i = 0; i < d.spezzate.size(); ++i) {
        const TSpezzata& s = d.spezzate[i];
        if (!visibileLivello(s.livello) || (i < m_limitiSpezzate.size() && !Sovrapposti(m_limitiSpezzate[i], visibile)))
            continue;
        if (s.chiusa)
            p.drawPolygon(s.punti);
        else
            p.drawPolyline(s.punti);
    }
    // I testi si scrivono dritti sullo schermo (la trasformazione capovolge l'asse y).
    const QTransform t = p.transform();
    p.save();
    p.resetTransform();
    p.setPen(QColor(40, 70, 140));
    QFont f = p.font();
    for (const TTesto& testo : d.testi) {
        const double altezza = testo.altezza * m_zoom;
        if (altezza < 4 || !visibileLivello(testo.livello) || !visibile.contains(testo.posizione))
            continue;
        f.setPixelSize(std::max(1, int(altezza)));
        p.setFont(f);
        p.save();
        p.translate(t.map(testo.posizione));
        p.rotate(-testo.rotazione);
        const QStringList righe = testo.testo.split(QLatin1Char('\n'));
        for (int r = 0; r < righe.size(); ++r)
            p.drawText(QPointF(0, r * altezza * 1.3), righe[r]);
        p.restore();
    }
    p.restore();
}

void TVistaPianta::paintEvent(QPaintEvent*)
{
    QElapsedTimer cronometro;
    cronometro.start();
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // Nello spostamento la cache si ridipinge solo uscendo dal margine; nello zoom si scala e si
    // ridipinge nitida quando la rotella si ferma.
    if (!m_cacheValida || (m_zoomCache == m_zoom && !cacheCopre()))
        rendiCache();
    const double fattore = m_zoom / m_zoomCache;
    const QPointF angolo = VersoSchermo(m_angoloCache);
    p.drawPixmap(QRectF(angolo, QSizeF(m_cache.size()) * fattore), m_cache, QRectF(m_cache.rect()));
    p.setRenderHint(QPainter::Antialiasing);
    if (DisegnaSopra)
        DisegnaSopra(p);
    m_ultimoMs = cronometro.nsecsElapsed() / 1e6;
    ++m_fotogrammi;
}

void TVistaPianta::resizeEvent(QResizeEvent*)
{
    m_cacheValida = false;
}

void TVistaPianta::wheelEvent(QWheelEvent* e)
{
    const double scatti = e->angleDelta().y() / 120.0;
    if (scatti != 0)
        ZoomAttorno(e->position(), std::pow(1.25, scatti));
    e->accept();
}

void TVistaPianta::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton || (e->button() == Qt::LeftButton && m_spazio)) {
        m_trascina = true;
        m_ultimo = e->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (Premuto)
        Premuto(VersoPianta(e->position()), e);
}

void TVistaPianta::mouseMoveEvent(QMouseEvent* e)
{
    if (m_trascina) {
        Sposta(e->position() - m_ultimo);
        m_ultimo = e->position();
        return;
    }
    if (Mosso)
        Mosso(VersoPianta(e->position()), e);
}

void TVistaPianta::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_trascina) {
        m_trascina = false;
        unsetCursor();
        return;
    }
    if (Rilasciato)
        Rilasciato(VersoPianta(e->position()), e);
}

void TVistaPianta::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && DoppioClic)
        DoppioClic(VersoPianta(e->position()));
}

void TVistaPianta::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        m_spazio = true;
        setCursor(Qt::OpenHandCursor);
        return;
    }
    if (Tasto && Tasto(e))
        return;
    QWidget::keyPressEvent(e);
}

void TVistaPianta::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        m_spazio = false;
        m_trascina = false;
        unsetCursor();
        return;
    }
    QWidget::keyReleaseEvent(e);
}
