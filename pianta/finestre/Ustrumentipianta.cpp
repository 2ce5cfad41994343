// Strumenti della finestra "Pianta": disegno dei contorni e delle zone con gli agganci, contorni
// presi dal disegno, muri esterni, collettori, selezione e spostamento degli angoli.
#include "Ufinestrapianta.h"
#include "Uvistapianta.h"
#include "data/Uformato.h"

#include "data/Umessaggi.h"
#include "pianta/Ugeometria.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>
#include <limits>

namespace {
// Distanze di aggancio e di scelta, in pixel dello schermo.
constexpr double PixelAggancio = 10;
constexpr double PixelScelta = 8;
constexpr int AgganciaAngolo = 4; // oltre i tipi di TTipoAggancio

bool Vicino(QRectF r, QPointF p, double d)
{
    return r.adjusted(-d, -d, d, d).contains(p);
}

double DistanzaSegmento(QPointF p, QLineF s)
{
    const QPointF d = s.p2() - s.p1();
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - s.p1(), d) / l2, 0.0, 1.0) : 0;
    return QLineF(p, s.p1() + t * d).length();
}

QList<QLineF> Lati(const QPolygonF& c, bool chiuso = true)
{
    QList<QLineF> lati;
    for (qsizetype i = 0; i + 1 < c.size(); ++i)
        lati << QLineF(c[i], c[i + 1]);
    if (chiuso && c.size() > 2)
        lati << QLineF(c.last(), c.first());
    return lati;
}
} // namespace

double TFinestraPianta::pixel(double px) const
{
    return px / m_vista->Zoom();
}

QPointF TFinestraPianta::aggancia(QPointF m)
{
    const double tolleranza = pixel(PixelAggancio);
    QList<QLineF> vicini;
    for (const QLineF& s : m_segmenti)
        if (Vicino(QRectF(s.p1(), s.p2()).normalized(), m, tolleranza))
            vicini << s;
    if (const TPiano* pp = piano()) {
        for (qsizetype i = 0; i < pp->locali.size(); ++i)
            if (!(m_vertice >= 0 && m_selTipo == 1 && m_selIndice == i))
                vicini << Lati(pp->locali[i].contorno);
        for (qsizetype i = 0; i < pp->zoneSenzaTubi.size(); ++i)
            if (!(m_vertice >= 0 && m_selTipo == 2 && m_selIndice == i))
                vicini << Lati(pp->zoneSenzaTubi[i]);
    }
    vicini << Lati(m_punti, false);
    TAggancio a = TGeometria::Aggancia(m, vicini, tolleranza, m_passoGriglia);
    const bool disegna = m_strumento == TStrumento::Locale || m_strumento == TStrumento::ZonaSenzaTubi;
    if (disegna && m_agganciaAngoli && !m_punti.isEmpty()
        && (a.tipo == TTipoAggancio::Griglia || a.tipo == TTipoAggancio::Nessuno)) {
        const QPointF ultimo = m_punti.last();
        QPointF q = TGeometria::AgganciaAngolo(ultimo, m);
        if (QLineF(q, m).length() <= tolleranza) {
            // Sui lati dritti la coordinata che corre resta sulla griglia.
            const auto griglia
                = [this](double v) { return m_passoGriglia > 0 ? std::round(v / m_passoGriglia) * m_passoGriglia : v; };
            if (std::abs(q.y() - ultimo.y()) < 1e-9)
                q = QPointF(griglia(q.x()), ultimo.y());
            else if (std::abs(q.x() - ultimo.x()) < 1e-9)
                q = QPointF(ultimo.x(), griglia(q.y()));
            m_tipoAggancio = AgganciaAngolo;
            return q;
        }
    }
    m_tipoAggancio = int(a.tipo);
    return a.punto;
}

void TFinestraPianta::premuto(QPointF m, QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    switch (m_strumento) {
    case TStrumento::Locale:
    case TStrumento::ZonaSenzaTubi: {
        const QPointF p = aggancia(m);
        // Un clic sul primo angolo chiude.
        if (m_punti.size() >= 3
            && (p == m_punti.first()
                || QLineF(m_vista->VersoSchermo(m), m_vista->VersoSchermo(m_punti.first())).length() <= PixelScelta))
            chiudi();
        else
            aggiungiPunto(p);
        break;
    }
    case TStrumento::DalDisegno:
        dalDisegno(m);
        break;
    case TStrumento::MuroEsterno:
        muroEsterno(m);
        break;
    case TStrumento::Collettore: {
        const QString nome = m_comboCollettore->currentText();
        if (nome.isEmpty()) {
            TMessaggi::Errore(tr("Non ci sono collettori da posare: darne il nome nella pagina \"Collettori\"."));
            return;
        }
        TPianta copia = m_pianta;
        pianoCopia(copia).collettori[nome] = aggancia(m);
        cambia(copia, tr("Collettore %1").arg(nome));
        break;
    }
    case TStrumento::Scala:
        if (m_punti.isEmpty()) {
            m_punti << aggancia(m);
        } else {
            const QPointF a = m_punti.first(), b = aggancia(m);
            m_punti.clear();
            scala(a, b);
        }
        break;
    case TStrumento::Seleziona:
        seleziona(m);
        break;
    }
    m_vista->update();
}

void TFinestraPianta::mosso(QPointF m, QMouseEvent* e)
{
    m_cursoreDentro = true;
    if (m_strumento == TStrumento::Seleziona) {
        if (m_vertice >= 0 && (e->buttons() & Qt::LeftButton))
            m_trascinato[m_vertice] = aggancia(m);
        m_cursore = m;
    } else {
        m_cursore = aggancia(m);
    }
    m_misure->setText(Misure());
    m_vista->update();
}

void TFinestraPianta::rilasciato(QPointF, QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || m_vertice < 0)
        return;
    const int vertice = m_vertice;
    m_vertice = -1;
    const TPiano* pp = piano();
    if (!pp)
        return;
    const QPolygonF prima
        = m_selTipo == 1 ? pp->locali.value(m_selIndice).contorno : pp->zoneSenzaTubi.value(m_selIndice);
    const QPolygonF dopo = TGeometria::Pulisci(m_trascinato);
    if (dopo == prima || vertice >= prima.size())
        return;
    if (const QString difetto = TGeometria::Difetto(dopo); !difetto.isEmpty()) {
        TMessaggi::Errore(tr("Angolo non spostato: %1").arg(difetto));
        m_vista->update();
        return;
    }
    TPianta copia = m_pianta;
    TPiano& pc = pianoCopia(copia);
    const int indice = m_selIndice, tipo = m_selTipo;
    if (tipo == 1) {
        pc.locali[indice].contorno = dopo;
        // Se un angolo è sparito, i muri esterni di quel locale non indicano più gli stessi lati.
        if (dopo.size() != prima.size())
            pc.muriEsterni.removeIf([indice](const TMuroEsterno& w) { return w.contorno == indice; });
    } else {
        pc.zoneSenzaTubi[indice] = dopo;
    }
    cambia(copia, tr("Sposta angolo"));
    m_selTipo = tipo;
    m_selIndice = indice;
}

bool TFinestraPianta::tasto(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        if (!m_punti.isEmpty())
            annullaDisegno();
        else
            m_selTipo = 0;
        break;
    case Qt::Key_Backspace:
        if (m_punti.isEmpty())
            return false;
        m_punti.removeLast();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_strumento != TStrumento::Locale && m_strumento != TStrumento::ZonaSenzaTubi)
            return false;
        chiudi();
        break;
    case Qt::Key_Delete:
        elimina();
        break;
    default:
        return false;
    }
    m_misure->setText(Misure());
    m_vista->update();
    return true;
}

void TFinestraPianta::aggiungiPunto(QPointF p)
{
    if (!m_punti.isEmpty() && QLineF(m_punti.last(), p).length() < 1e-9)
        return;
    const QLineF nuovo = m_punti.isEmpty() ? QLineF() : QLineF(m_punti.last(), p);
    const qsizetype n = m_punti.size();
    if (n >= 2) {
        // Il lato nuovo non torna indietro sul precedente e non incrocia quelli già disegnati.
        const QPointF d1 = m_punti[n - 1] - m_punti[n - 2], d2 = p - m_punti[n - 1];
        const double vettoriale = d1.x() * d2.y() - d1.y() * d2.x();
        if (std::abs(vettoriale) <= 1e-12 * QLineF({}, d1).length() * QLineF({}, d2).length()
            && QPointF::dotProduct(d1, d2) < 0) {
            TMessaggi::Errore(tr("Angolo rifiutato: il lato nuovo torna indietro sul lato %1.").arg(n - 1));
            return;
        }
        for (qsizetype i = 0; i + 2 < n; ++i) {
            const QLineF lato(m_punti[i], m_punti[i + 1]);
            QPointF x;
            const bool tocca
                = lato.intersects(nuovo, &x) == QLineF::BoundedIntersection || DistanzaSegmento(p, lato) < 1e-9;
            // Il primo angolo si può toccare solo per chiudere, e lo fa chiudi().
            if (tocca) {
                TMessaggi::Errore(tr("Angolo rifiutato: il lato nuovo incrocia il lato %1.").arg(i + 1));
                return;
            }
        }
    }
    m_punti << p;
}

void TFinestraPianta::chiudi()
{
    if (m_punti.size() < 3) {
        TMessaggi::Errore(tr("Per chiudere un contorno servono almeno tre angoli."));
        return;
    }
    const QPolygonF contorno = TGeometria::Pulisci(m_punti);
    if (const QString difetto = TGeometria::Difetto(contorno); !difetto.isEmpty()) {
        TMessaggi::Errore(tr("Contorno rifiutato: %1").arg(difetto));
        return;
    }
    const bool ok = m_strumento == TStrumento::ZonaSenzaTubi ? accettaZona(contorno) : accettaContorno(contorno);
    if (ok)
        annullaDisegno();
}

bool TFinestraPianta::accettaContorno(const QPolygonF& contorno)
{
    int id = m_comboLocale->currentData().toInt();
    if (id == -1) {
        id = NuovoLocale ? NuovoLocale(m_piano, TGeometria::Area(contorno)) : 0;
        if (id <= 0)
            return false;
        if (std::none_of(m_locali.begin(), m_locali.end(), [id](const TLocalePianta& l) { return l.id == id; }))
            m_locali << TLocalePianta {id, QString(), m_piano};
        aggiornaLocali();
    }
    if (id <= 0) {
        TMessaggi::Errore(tr("Scegliere prima il locale a cui appartiene il contorno."));
        return false;
    }
    for (const TPiano& p : m_pianta.piani)
        for (const TContornoLocale& c : p.locali)
            if (c.idLocale == id) {
                TMessaggi::Errore(tr("Il locale %1 ha già un contorno (piano %2): eliminarlo prima di disegnarne un "
                                     "altro.")
                                      .arg(id)
                                      .arg(p.piano));
                return false;
            }
    for (const TLocalePianta& l : m_locali)
        if (l.id == id && l.piano != m_piano) {
            TMessaggi::Errore(tr("Il locale %1 è al piano %2, non a questo.").arg(id).arg(l.piano));
            return false;
        }
    TPianta copia = m_pianta;
    pianoCopia(copia).locali << TContornoLocale {id, contorno};
    cambia(copia, tr("Contorno del locale %1").arg(id));
    // Il prossimo contorno va di solito al locale successivo ancora senza contorno.
    for (int i = m_comboLocale->currentIndex() + 1; i < m_comboLocale->count(); ++i) {
        const int altro = m_comboLocale->itemData(i).toInt();
        const TPiano* pp = piano();
        if (altro > 0 && pp && std::none_of(pp->locali.begin(), pp->locali.end(), [altro](const TContornoLocale& c) {
                return c.idLocale == altro;
            })) {
            m_comboLocale->setCurrentIndex(i);
            break;
        }
    }
    return true;
}

bool TFinestraPianta::accettaZona(const QPolygonF& zona)
{
    if (const TPiano* pp = piano()) {
        const TForme z {TGeometria::Forma(zona)};
        for (const TContornoLocale& c : pp->locali) {
            if (TGeometria::Area(TGeometria::Intersezione({TGeometria::Forma(c.contorno)}, z)) <= 1e-9)
                continue;
            QString motivo;
            if (TGeometria::AreaUtile(c.contorno, pp->zoneSenzaTubi + QList<QPolygonF> {zona}, &motivo).isEmpty()) {
                TMessaggi::Errore(tr("Zona senza tubi rifiutata (locale %1): %2").arg(c.idLocale).arg(motivo));
                return false;
            }
        }
    }
    TPianta copia = m_pianta;
    pianoCopia(copia).zoneSenzaTubi << zona;
    cambia(copia, tr("Zona senza tubi"));
    return true;
}

void TFinestraPianta::dalDisegno(QPointF m)
{
    const TPiano* pp = piano();
    if (!pp)
        return;
    QPolygonF trovato;
    double minima = std::numeric_limits<double>::infinity();
    const TDisegno& d = pp->sfondo.disegno;
    for (const TSpezzata& s : d.spezzate) {
        const bool chiusa = s.chiusa || (s.punti.size() > 3 && s.punti.first() == s.punti.last());
        const bool visibile = s.livello < 0 || s.livello >= d.livelli.size() || d.livelli[s.livello].visibile;
        if (!chiusa || !visibile || !s.punti.boundingRect().contains(m) || !s.punti.containsPoint(m, Qt::OddEvenFill))
            continue;
        if (const double a = TGeometria::Area(s.punti); a < minima) {
            minima = a;
            trovato = s.punti;
        }
    }
    if (trovato.isEmpty()) {
        if (!m_regioniPronte) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            m_regioni = TGeometria::Poligonizza(m_segmenti);
            QGuiApplication::restoreOverrideCursor();
            m_regioniPronte = true;
        }
        if (const int i = TGeometria::RegioneContenente(m_regioni, m); i >= 0)
            trovato = m_regioni[i].esterno;
    }
    if (trovato.isEmpty()) {
        TMessaggi::Errore(tr("Nel punto scelto non c'è una polilinea chiusa né una regione chiusa dalle linee del "
                             "disegno."));
        return;
    }
    const QPolygonF contorno = TGeometria::Pulisci(trovato);
    if (const QString difetto = TGeometria::Difetto(contorno); !difetto.isEmpty()) {
        TMessaggi::Errore(tr("Contorno rifiutato: %1").arg(difetto));
        return;
    }
    accettaContorno(contorno);
}

void TFinestraPianta::muroEsterno(QPointF m)
{
    const TPiano* pp = piano();
    if (!pp)
        return;
    int contorno = -1, lato = -1;
    double migliore = pixel(PixelScelta);
    for (qsizetype c = 0; c < pp->locali.size(); ++c) {
        const QList<QLineF> lati = Lati(pp->locali[c].contorno);
        for (qsizetype i = 0; i < lati.size(); ++i)
            if (const double d = DistanzaSegmento(m, lati[i]); d <= migliore) {
                migliore = d;
                contorno = int(c);
                lato = int(i);
            }
    }
    if (contorno < 0) {
        TMessaggi::Avviso(tr("Fare clic su un lato del contorno di un locale."));
        return;
    }
    TPianta copia = m_pianta;
    auto& muri = pianoCopia(copia).muriEsterni;
    const TMuroEsterno muro {contorno, lato};
    if (muri.contains(muro))
        muri.removeAll(muro);
    else
        muri << muro;
    cambia(copia, tr("Muro esterno"));
}

void TFinestraPianta::seleziona(QPointF m)
{
    const TPiano* pp = piano();
    m_selTipo = 0;
    m_vertice = -1;
    if (!pp)
        return;
    const double d = pixel(PixelScelta);
    // Prima gli angoli (per spostarli), poi i collettori, poi le aree.
    const auto angolo = [&](const QPolygonF& c, int tipo, int indice) {
        for (qsizetype v = 0; v < c.size(); ++v)
            if (QLineF(c[v], m).length() <= d) {
                m_selTipo = tipo;
                m_selIndice = indice;
                m_vertice = int(v);
                m_trascinato = c;
                return true;
            }
        return false;
    };
    for (qsizetype i = 0; i < pp->zoneSenzaTubi.size(); ++i)
        if (angolo(pp->zoneSenzaTubi[i], 2, int(i)))
            return;
    for (qsizetype i = 0; i < pp->locali.size(); ++i)
        if (angolo(pp->locali[i].contorno, 1, int(i)))
            return;
    for (auto it = pp->collettori.begin(); it != pp->collettori.end(); ++it)
        if (QLineF(it.value(), m).length() <= d) {
            m_selTipo = 3;
            m_selCollettore = it.key();
            return;
        }
    for (qsizetype i = 0; i < pp->zoneSenzaTubi.size(); ++i)
        if (pp->zoneSenzaTubi[i].containsPoint(m, Qt::OddEvenFill)) {
            m_selTipo = 2;
            m_selIndice = int(i);
            return;
        }
    for (qsizetype i = 0; i < pp->locali.size(); ++i)
        if (pp->locali[i].contorno.containsPoint(m, Qt::OddEvenFill)) {
            m_selTipo = 1;
            m_selIndice = int(i);
            return;
        }
}

void TFinestraPianta::elimina()
{
    const TPiano* pp = piano();
    if (!pp || m_selTipo == 0)
        return;
    TPianta copia = m_pianta;
    TPiano& pc = pianoCopia(copia);
    if (m_selTipo == 1 && m_selIndice < pc.locali.size())
        pc.TogliContorno(m_selIndice);
    else if (m_selTipo == 2 && m_selIndice < pc.zoneSenzaTubi.size())
        pc.zoneSenzaTubi.removeAt(m_selIndice);
    else if (m_selTipo == 3)
        pc.collettori.remove(m_selCollettore);
    cambia(copia, tr("Elimina"));
    m_selTipo = 0;
}

void TFinestraPianta::annullaDisegno()
{
    m_punti.clear();
    m_vertice = -1;
    if (m_vista)
        m_vista->update();
}

QString TFinestraPianta::Misure() const
{
    if (!m_punti.isEmpty() && m_strumento != TStrumento::Seleziona) {
        QString testo = tr("Lato %1 m").arg(NumeroSchermo(QLineF(m_punti.last(), m_cursore).length(), 2));
        if (m_punti.size() >= 2 && m_strumento != TStrumento::Scala)
            testo += tr(" · Area %1 m²").arg(NumeroSchermo(TGeometria::Area(QPolygonF(m_punti) << m_cursore), 2));
        return testo;
    }
    const TPiano* pp = piano();
    if (pp && m_selTipo == 1 && m_selIndice < pp->locali.size())
        return tr("Locale %1 · Area %2 m²")
            .arg(pp->locali[m_selIndice].idLocale)
            .arg(NumeroSchermo(TGeometria::Area(pp->locali[m_selIndice].contorno), 2));
    if (pp && m_selTipo == 2 && m_selIndice < pp->zoneSenzaTubi.size())
        return tr("Zona senza tubi · Area %1 m²")
            .arg(NumeroSchermo(TGeometria::Area(pp->zoneSenzaTubi[m_selIndice]), 2));
    return tr("x %1 m · y %2 m").arg(NumeroSchermo(m_cursore.x(), 2)).arg(NumeroSchermo(m_cursore.y(), 2));
}
