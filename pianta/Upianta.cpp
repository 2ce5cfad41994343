#include "Upianta.h"
#include "Uflusso.h"

#include <QBuffer>
#include <QtEndian>
#include <cmath>

namespace {

constexpr char Firma[4] = {'T', 'V', 'L', 'P'};
constexpr quint32 Formato = 1;
// Un dato compresso che dichiara più di così è certamente rovinato.
constexpr quint32 MassimoDecompresso = 512u << 20;

bool Finito(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}
bool Finiti(const QPolygonF& p)
{
    return std::all_of(p.begin(), p.end(), Finito);
}

void Punto(QDataStream& s, QPointF p)
{
    s << p.x() << p.y();
}
QPointF Punto(QDataStream& s)
{
    double x = 0, y = 0;
    s >> x >> y;
    return {x, y};
}

// qUncompress si fida della lunghezza scritta in testa: la si controlla prima.
bool Decomprimi(const QByteArray& compresso, QByteArray& byte)
{
    if (compresso.isEmpty()) {
        byte.clear();
        return true;
    }
    if (compresso.size() < 4 || qFromBigEndian<quint32>(compresso.constData()) > MassimoDecompresso)
        return false;
    byte = qUncompress(compresso);
    return !byte.isEmpty() || qFromBigEndian<quint32>(compresso.constData()) == 0;
}

void ScriviSfondo(QDataStream& s, const TSfondo& f)
{
    s << qint32(f.tipo);
    s << qCompress(f.tipo == TSfondo::TTipo::Disegno ? f.disegno.Scrivi() : f.byte);
    s << qint32(f.pagina);
    Punto(s, f.puntoA);
    Punto(s, f.puntoB);
    s << f.distanza;
    Punto(s, f.posizione);
}

bool LeggiSfondo(QDataStream& s, TSfondo& f)
{
    qint32 tipo = 0, pagina = 0;
    QByteArray compresso, byte;
    s >> tipo >> compresso >> pagina;
    f.puntoA = Punto(s);
    f.puntoB = Punto(s);
    s >> f.distanza;
    f.posizione = Punto(s);
    if (s.status() != QDataStream::Ok || tipo < 0 || tipo > qint32(TSfondo::TTipo::Pdf) || pagina < 0)
        return false;
    if (!Finito(f.puntoA) || !Finito(f.puntoB) || !Finito(f.posizione) || !std::isfinite(f.distanza) || f.distanza < 0)
        return false;
    f.tipo = TSfondo::TTipo(tipo);
    f.pagina = pagina;
    if (!Decomprimi(compresso, byte))
        return false;
    if (f.tipo == TSfondo::TTipo::Disegno)
        return f.disegno.Leggi(byte);
    f.byte = byte;
    return true;
}

void ScriviPiano(QDataStream& s, const TPiano& p)
{
    s << p.piano;
    ScriviSfondo(s, p.sfondo);
    s << quint32(p.locali.size());
    for (const TContornoLocale& l : p.locali) {
        s << qint32(l.idLocale);
        flusso::Scrivi(s, l.contorno);
    }
    s << quint32(p.zoneSenzaTubi.size());
    for (const QPolygonF& z : p.zoneSenzaTubi)
        flusso::Scrivi(s, z);
    s << quint32(p.muriEsterni.size());
    for (const TMuroEsterno& m : p.muriEsterni)
        s << qint32(m.contorno) << qint32(m.lato);
    s << quint32(p.collettori.size());
    for (auto c = p.collettori.cbegin(); c != p.collettori.cend(); ++c) {
        s << c.key();
        Punto(s, c.value());
    }
}

bool LeggiPiano(QDataStream& s, TPiano& p)
{
    s >> p.piano;
    if (s.status() != QDataStream::Ok || !LeggiSfondo(s, p.sfondo))
        return false;
    qsizetype n = 0;
    if (!flusso::Conteggio(s, 8, n))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        TContornoLocale l;
        qint32 id = 0;
        s >> id;
        l.idLocale = id;
        if (!flusso::Leggi(s, l.contorno) || !Finiti(l.contorno))
            return false;
        p.locali << l;
    }
    if (!flusso::Conteggio(s, 4, n))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        QPolygonF z;
        if (!flusso::Leggi(s, z) || !Finiti(z))
            return false;
        p.zoneSenzaTubi << z;
    }
    if (!flusso::Conteggio(s, 8, n))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        qint32 c = 0, l = 0;
        s >> c >> l;
        // Un muro deve indicare un lato esistente di un contorno esistente.
        if (s.status() != QDataStream::Ok || c < 0 || c >= p.locali.size() || l < 0 || l >= p.locali[c].contorno.size())
            return false;
        p.muriEsterni << TMuroEsterno {c, l};
    }
    if (!flusso::Conteggio(s, 20, n))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        QString nome;
        s >> nome;
        const QPointF punto = Punto(s);
        if (s.status() != QDataStream::Ok || !Finito(punto) || p.collettori.contains(nome))
            return false;
        p.collettori.insert(nome, punto);
    }
    return s.status() == QDataStream::Ok;
}

} // namespace

double TSfondo::Scala() const
{
    const double pixel = QLineF(puntoA, puntoB).length();
    return pixel > 0 && distanza > 0 ? distanza / pixel : 0;
}

QTransform TSfondo::Trasformazione() const
{
    const double s = Scala();
    return QTransform(s, 0, 0, -s, posizione.x(), posizione.y());
}

QList<int> TPiano::LatiEsterni(int contorno) const
{
    QList<int> lati;
    for (const TMuroEsterno& m : muriEsterni)
        if (m.contorno == contorno && !lati.contains(m.lato))
            lati << m.lato;
    return lati;
}

void TPiano::TogliContorno(int contorno)
{
    if (contorno < 0 || contorno >= locali.size())
        return;
    locali.removeAt(contorno);
    QList<TMuroEsterno> restano;
    for (TMuroEsterno m : muriEsterni) {
        if (m.contorno == contorno)
            continue;
        if (m.contorno > contorno)
            --m.contorno;
        restano << m;
    }
    muriEsterni = restano;
}

TPiano* TPianta::Piano(const QString& nome)
{
    for (TPiano& p : piani)
        if (p.piano == nome)
            return &p;
    return nullptr;
}

const TPiano* TPianta::Piano(const QString& nome) const
{
    return const_cast<TPianta*>(this)->Piano(nome);
}

TPiano& TPianta::PianoOCrea(const QString& nome)
{
    if (TPiano* p = Piano(nome))
        return *p;
    piani.append(TPiano {nome, {}, {}, {}, {}, {}});
    return piani.last();
}

QByteArray TPianta::Scrivi() const
{
    QByteArray byte;
    QDataStream s(&byte, QIODevice::WriteOnly);
    flusso::Prepara(s);
    s.writeRawData(Firma, sizeof Firma);
    s << Formato << quint32(piani.size());
    for (const TPiano& p : piani)
        ScriviPiano(s, p);
    return byte;
}

bool TPianta::Leggi(const QByteArray& byte, QString* motivo)
{
    auto rifiuta = [&](const QString& testo) {
        if (motivo)
            *motivo = testo;
        return false;
    };
    QBuffer buffer;
    buffer.setData(byte);
    buffer.open(QIODevice::ReadOnly);
    QDataStream s(&buffer);
    flusso::Prepara(s);
    char firma[4] = {};
    quint32 formato = 0;
    if (s.readRawData(firma, 4) != 4 || memcmp(firma, Firma, 4) != 0)
        return rifiuta(tr("I dati della pianta sono danneggiati."));
    s >> formato;
    if (s.status() != QDataStream::Ok)
        return rifiuta(tr("I dati della pianta sono danneggiati."));
    if (formato != Formato)
        return rifiuta(
            tr("La pianta è stata salvata da una versione più recente del programma e non può essere letta."));
    TPianta letta;
    qsizetype n = 0;
    // Un piano occupa almeno: nome, sfondo e quattro conteggi.
    if (!flusso::Conteggio(s, 80, n))
        return rifiuta(tr("I dati della pianta sono danneggiati."));
    for (qsizetype i = 0; i < n; ++i) {
        TPiano p;
        if (!LeggiPiano(s, p) || letta.Piano(p.piano))
            return rifiuta(tr("I dati della pianta sono danneggiati (piano %1).").arg(i + 1));
        letta.piani << p;
    }
    if (!s.atEnd())
        return rifiuta(tr("I dati della pianta sono danneggiati."));
    *this = std::move(letta);
    return true;
}
