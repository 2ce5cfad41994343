#include "Ulettoredxf.h"
#include "Ucurve.h"
#include "Udxf.h"
#include "data/Uformato.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <cmath>

namespace {

constexpr int ProfonditaMassima = 32;

bool Finito(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Windows-1252 da 0x80 a 0x9F (il resto coincide con Latin-1); 0 dove il codice non è assegnato.
constexpr char16_t Cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                 0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString DaCp1252(const std::string& s)
{
    QString t;
    t.reserve(qsizetype(s.size()));
    for (unsigned char c : s)
        t += (c >= 0x80 && c < 0xA0) ? QChar(Cp1252[c - 0x80] ? Cp1252[c - 0x80] : u'?') : QChar(c);
    return t;
}

// Codici di formato del testo multilinea: \P a capo, \S frazioni, gli altri si tolgono.
QString TestoSemplice(const QString& t)
{
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'{' || c == u'}')
            continue;
        if (c != u'\\' || i + 1 >= t.size()) {
            r += c;
            continue;
        }
        const QChar k = t[++i];
        switch (k.unicode()) {
        case u'P':
        case u'X':
            r += u'\n';
            break;
        case u'~':
            r += u' ';
            break;
        case u'\\':
        case u'{':
        case u'}':
            r += k;
            break;
        case u'L':
        case u'l':
        case u'O':
        case u'o':
        case u'K':
        case u'k':
            break;
        case u'S': { // \Sa^b; → a/b
            const qsizetype fine = t.indexOf(u';', i + 1);
            QString f = t.mid(i + 1, (fine < 0 ? t.size() : fine) - i - 1);
            r += f.replace(u'^', u'/').replace(u'#', u'/');
            i = fine < 0 ? t.size() : fine;
            break;
        }
        default: { // \f...; \H...; \C...; e simili: fino al punto e virgola
            const qsizetype fine = t.indexOf(u';', i + 1);
            i = fine < 0 ? t.size() : fine;
        }
        }
    }
    return r;
}

} // namespace

struct TLettoreDxf::TComposizione
{
    TDisegno* disegno;
    qint64 elementi = 0;
    int limite = 0;
    QSet<QString> pila; // blocchi in corso di esplosione, contro le ricorsioni
    bool ricorsivi = false, troppoProfondi = false, mancanti = false;
};

TLettoreDxf::TBlocco* TLettoreDxf::Destinazione()
{
    if (m_inBlocco)
        return &m_blocchi[m_bloccoCorrente];
    return getAttributes().isInPaperSpace() ? nullptr : &m_modello;
}

QString TLettoreDxf::LivelloCorrente()
{
    return Testo(getAttributes().getLayer());
}

bool TLettoreDxf::OcsSpecchiata()
{
    return getExtrusion() && getExtrusion()->getDirection()[2] < 0;
}

QString TLettoreDxf::Testo(const std::string& grezzo) const
{
    QString t;
    QStringDecoder utf8(QStringDecoder::Utf8);
    t = utf8(QByteArray::fromStdString(grezzo));
    if (utf8.hasError() || !m_utf8)
        t = utf8.hasError() ? DaCp1252(grezzo) : t;
    // \U+XXXX: caratteri fuori dalla code page del disegno.
    static const QRegularExpression unicode(QStringLiteral("\\\\U\\+([0-9A-Fa-f]{4})"));
    QRegularExpressionMatch m;
    qsizetype da = 0;
    while ((m = unicode.match(t, da)).hasMatch()) {
        t.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toUShort(nullptr, 16)));
        da = m.capturedStart() + 1;
    }
    return t;
}

void TLettoreDxf::Aggiungi(const QPolygonF& punti, bool chiusa, bool specchia)
{
    TBlocco* b = Destinazione();
    if (!b || punti.size() < 2)
        return;
    if (!std::all_of(punti.begin(), punti.end(), Finito)) {
        ++m_nonFiniti;
        return;
    }
    TElemento e {LivelloCorrente(), punti, chiusa};
    if (specchia)
        for (QPointF& p : e.punti)
            p.setX(-p.x());
    b->elementi << e;
}

void TLettoreDxf::addLayer(const DL_LayerData& d)
{
    // Livello spento (colore negativo) o congelato: si importa ma non si mostra.
    const bool spento = d.flags & 1 || getAttributes().getColor() < 0;
    m_livelli << TLivello {Testo(d.name), !spento};
}

void TLettoreDxf::addBlock(const DL_BlockData& d)
{
    ChiudiInCorso();
    m_inBlocco = true;
    m_bloccoCorrente = Testo(d.name);
    m_blocchi[m_bloccoCorrente] = TBlocco {QPointF(d.bpx, d.bpy), {}, {}, {}};
}

void TLettoreDxf::endBlock()
{
    ChiudiInCorso();
    m_inBlocco = false;
    m_bloccoCorrente.clear();
}

void TLettoreDxf::addLine(const DL_LineData& d)
{
    ChiudiInCorso();
    Aggiungi(QPolygonF(QList<QPointF> {{d.x1, d.y1}, {d.x2, d.y2}}), false, false);
}

void TLettoreDxf::addArc(const DL_ArcData& d)
{
    ChiudiInCorso();
    // Angoli ridotti a un giro: con valori enormi il ciclo che porta a2 oltre a1 non finirebbe.
    if (!std::isfinite(d.angle1) || !std::isfinite(d.angle2))
        return;
    const double a1 = std::fmod(d.angle1, 360.0);
    double a2 = std::fmod(d.angle2, 360.0);
    while (a2 <= a1)
        a2 += 360;
    Aggiungi(curve::Arco({d.cx, d.cy}, d.radius, a1 * M_PI / 180, (a2 - a1) * M_PI / 180), false, OcsSpecchiata());
}

void TLettoreDxf::addCircle(const DL_CircleData& d)
{
    ChiudiInCorso();
    QPolygonF p = curve::Arco({d.cx, d.cy}, d.radius, 0, 2 * M_PI);
    p.removeLast();
    Aggiungi(p, true, OcsSpecchiata());
}

void TLettoreDxf::addEllipse(const DL_EllipseData& d)
{
    ChiudiInCorso();
    // L'asse minore è N × M: con l'estrusione verso -Z gira dall'altra parte.
    const QPointF m(d.mx, d.my);
    const double l = std::hypot(d.mx, d.my);
    if (l == 0 || !std::isfinite(l) || !std::isfinite(d.ratio) || !std::isfinite(d.angle1) || !std::isfinite(d.angle2))
        return;
    const QPointF n = OcsSpecchiata() ? QPointF(d.my / l, -d.mx / l) : QPointF(-d.my / l, d.mx / l);
    const bool intera = std::abs(d.angle2 - d.angle1 - 2 * M_PI) < 1e-9 || d.angle1 == d.angle2;
    QPolygonF p = curve::Ellisse({d.cx, d.cy}, m, n, d.ratio, d.angle1, intera ? d.angle1 + 2 * M_PI : d.angle2);
    if (intera)
        p.removeLast();
    Aggiungi(p, intera, false);
}

void TLettoreDxf::addPolyline(const DL_PolylineData& d)
{
    ChiudiInCorso();
    // Maglie poliedriche e superfici (flag 16 e 64): i loro vertici non formano un contorno.
    if (d.flags & (16 | 64))
        return;
    m_inCorso.tipo = TInCorso::Polilinea;
    m_inCorso.livello = LivelloCorrente();
    m_inCorso.spazioCarta = getAttributes().isInPaperSpace();
    m_inCorso.chiusa = d.flags & 1;
    m_inCorso.ocsSpecchiata = OcsSpecchiata() && !(d.flags & 8); // le polilinee 3D sono in WCS
}

void TLettoreDxf::addVertex(const DL_VertexData& d)
{
    if (m_inCorso.tipo != TInCorso::Polilinea)
        return;
    m_inCorso.punti << QPointF(d.x, d.y);
    m_inCorso.bulge << d.bulge;
}

void TLettoreDxf::endSequence()
{
    ChiudiInCorso();
}

void TLettoreDxf::addSpline(const DL_SplineData& d)
{
    ChiudiInCorso();
    m_inCorso.tipo = TInCorso::Spline;
    m_inCorso.livello = LivelloCorrente();
    m_inCorso.spazioCarta = getAttributes().isInPaperSpace();
    m_inCorso.chiusa = d.flags & 1;
    m_inCorso.grado = int(d.degree);
}

void TLettoreDxf::addControlPoint(const DL_ControlPointData& d)
{
    if (m_inCorso.tipo != TInCorso::Spline)
        return;
    m_inCorso.punti << QPointF(d.x, d.y);
    m_inCorso.pesi << d.w;
}

void TLettoreDxf::addFitPoint(const DL_FitPointData& d)
{
    if (m_inCorso.tipo == TInCorso::Spline)
        m_inCorso.adattamento << QPointF(d.x, d.y);
}

void TLettoreDxf::addKnot(const DL_KnotData& d)
{
    if (m_inCorso.tipo == TInCorso::Spline)
        m_inCorso.nodi << d.k;
}

void TLettoreDxf::ChiudiInCorso()
{
    TInCorso c = std::move(m_inCorso);
    m_inCorso = {};
    if (c.tipo == TInCorso::Niente)
        return;
    // Il livello dell'entità, non quello dell'attributo corrente (che può già essere del successivo).
    const QString livello = c.livello;
    QPolygonF p;
    if (c.tipo == TInCorso::Polilinea) {
        const qsizetype n = c.punti.size();
        if (n == 0)
            return;
        p << c.punti[0];
        const qsizetype tratti = c.chiusa ? n : n - 1;
        for (qsizetype i = 0; i < tratti; ++i)
            p << curve::TrattoBulge(c.punti[i], c.punti[(i + 1) % n], c.bulge[i]);
        if (c.chiusa && p.size() > 1)
            p.removeLast(); // il ritorno al primo vertice è implicito
    } else {
        p = c.punti.size() > 1 ? curve::Spline(c.grado, c.nodi, c.punti, c.pesi) : c.adattamento;
    }
    TBlocco* b = m_inBlocco ? &m_blocchi[m_bloccoCorrente] : (c.spazioCarta ? nullptr : &m_modello);
    if (!b || p.size() < 2)
        return;
    if (!std::all_of(p.begin(), p.end(), Finito)) {
        ++m_nonFiniti;
        return;
    }
    if (c.ocsSpecchiata)
        for (QPointF& q : p)
            q.setX(-q.x());
    b->elementi << TElemento {livello, p, c.chiusa && p.size() > 2};
}

void TLettoreDxf::addInsert(const DL_InsertData& d)
{
    ChiudiInCorso();
    TBlocco* b = Destinazione();
    if (!b || !std::isfinite(d.ipx) || !std::isfinite(d.ipy) || !std::isfinite(d.angle))
        return;
    const int colonne = std::max(1, d.cols), righe = std::max(1, d.rows);
    const double sx = d.sx == 0 ? 1 : d.sx, sy = d.sy == 0 ? 1 : d.sy;
    QTransform ocs;
    if (OcsSpecchiata())
        ocs.scale(-1, 1);
    // Le righe e le colonne di un inserimento multiplo sono tante copie; il budget di
    // elementi in Componi ferma le griglie esagerate.
    for (int r = 0; r < righe && r < 10000; ++r)
        for (int k = 0; k < colonne && k < 10000; ++k) {
            QTransform t;
            t.translate(d.ipx, d.ipy);
            t.rotate(d.angle);
            t.translate(k * d.colSp, r * d.rowSp);
            t.scale(sx, sy);
            b->inserimenti << TInserimento {LivelloCorrente(), Testo(d.name), t * ocs};
        }
}

void TLettoreDxf::addText(const DL_TextData& d)
{
    ChiudiInCorso();
    TBlocco* b = Destinazione();
    const QPointF p(OcsSpecchiata() ? -d.ipx : d.ipx, d.ipy);
    if (!b || !Finito(p))
        return;
    // dxflib dà l'angolo dei testi in radianti.
    b->scritte << TScritta {LivelloCorrente(), p, d.height, d.angle * 180 / M_PI, Testo(d.text)};
}

void TLettoreDxf::addMTextChunk(const std::string& testo)
{
    m_testoMText += Testo(testo);
}

void TLettoreDxf::addMText(const DL_MTextData& d)
{
    ChiudiInCorso();
    const QString testo = TestoSemplice(m_testoMText + Testo(d.text));
    m_testoMText.clear();
    TBlocco* b = Destinazione();
    const QPointF p(d.ipx, d.ipy);
    if (!b || !Finito(p))
        return;
    // dxflib dà l'angolo in radianti, già ricavato dal vettore di direzione quando c'è.
    const double rotazione = d.angle * 180 / M_PI;
    b->scritte << TScritta {LivelloCorrente(), p, d.height, rotazione, testo};
}

void TLettoreDxf::endSection()
{
    ChiudiInCorso();
}

void TLettoreDxf::setVariableInt(const std::string& nome, int valore, int)
{
    if (nome == "$INSUNITS")
        m_insunits = valore;
}

void TLettoreDxf::setVariableString(const std::string& nome, const std::string& valore, int)
{
    // Dalla 2007 (AC1021) i testi sono UTF-8; prima seguono la code page del disegno.
    if (nome == "$ACADVER")
        m_utf8 = valore >= "AC1021";
}

bool TLettoreDxf::Esplodi(const TBlocco& b, const QTransform& t, const QString& livelloPadre, int profondita,
                          TComposizione& c) const
{
    // Dentro un blocco il livello "0" prende quello dell'inserimento.
    auto livello = [&](const QString& proprio) {
        return c.disegno->Livello(proprio == QLatin1String("0") && !livelloPadre.isEmpty() ? livelloPadre : proprio);
    };
    c.elementi += b.elementi.size() + b.scritte.size();
    if (c.elementi > c.limite)
        return false;
    for (const TElemento& e : b.elementi)
        c.disegno->spezzate << TSpezzata {livello(e.livello), t.map(e.punti), e.chiusa};
    for (const TScritta& s : b.scritte) {
        // Direzione e altezza del testo seguono la trasformazione (rotazioni, scale, specchi).
        const double a = s.rotazione * M_PI / 180;
        const QPointF origine = t.map(s.posizione);
        const QPointF asse = t.map(s.posizione + QPointF(std::cos(a), std::sin(a))) - origine;
        const QPointF su = t.map(s.posizione + QPointF(-std::sin(a), std::cos(a))) - origine;
        c.disegno->testi << TTesto {livello(s.livello), origine, s.altezza * std::hypot(su.x(), su.y()),
                                    std::atan2(asse.y(), asse.x()) * 180 / M_PI, s.testo};
    }
    for (const TInserimento& i : b.inserimenti) {
        const auto figlio = m_blocchi.constFind(i.blocco);
        if (figlio == m_blocchi.cend()) {
            c.mancanti = true;
            continue;
        }
        if (c.pila.contains(i.blocco)) {
            c.ricorsivi = true;
            continue;
        }
        if (profondita >= ProfonditaMassima) {
            c.troppoProfondi = true;
            continue;
        }
        QTransform base;
        base.translate(-figlio->base.x(), -figlio->base.y());
        c.pila.insert(i.blocco);
        const QString livelloFiglio
            = i.livello == QLatin1String("0") && !livelloPadre.isEmpty() ? livelloPadre : i.livello;
        const bool ok = Esplodi(*figlio, base * i.trasformazione * t, livelloFiglio, profondita + 1, c);
        c.pila.remove(i.blocco);
        if (!ok)
            return false;
    }
    return true;
}

bool TLettoreDxf::Componi(TDisegno& disegno, QStringList& avvisi, QString& errore)
{
    ChiudiInCorso();
    disegno = TDisegno {};
    for (const TLivello& l : m_livelli)
        disegno.livelli << l;
    TComposizione c {&disegno, 0, m_limite, {}, false, false, false};
    if (!Esplodi(m_modello, QTransform(), QString(), 0, c)) {
        disegno = TDisegno {};
        errore = tr("Il disegno, con i blocchi esplosi, supera %1 elementi: non viene importato.").arg(m_limite);
        return false;
    }
    if (c.ricorsivi)
        avvisi << tr("Alcuni blocchi inseriscono se stessi: quegli inserimenti sono stati ignorati.");
    if (c.troppoProfondi)
        avvisi << tr("Blocchi annidati oltre %1 livelli sono stati ignorati.").arg(ProfonditaMassima);
    if (c.mancanti)
        avvisi << tr("Alcuni inserimenti richiamano blocchi che non esistono nel file.");
    if (m_nonFiniti)
        avvisi << tr("%n elementi con coordinate non valide sono stati ignorati.", nullptr, m_nonFiniti);
    disegno.unita = TImportaDxf::Unita(m_insunits);
    if (const double m = TDisegno::Metri(disegno.unita); m > 0 && m != 1)
        disegno.Scala(m);
    return true;
}
