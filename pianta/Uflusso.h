#pragma once
// Lettura e scrittura binaria prudente per i dati della pianta: ogni conteggio letto è
// confrontato con i byte che restano, prima di riservare memoria, così un blocco rovinato
// non fa esplodere le allocazioni.
#include <QDataStream>
#include <QIODevice>
#include <QPolygonF>

namespace flusso {

inline void Prepara(QDataStream& s)
{
    s.setVersion(QDataStream::Qt_6_0);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

// Legge un conteggio; falso se il flusso è finito o se n elementi di almeno `minimo` byte
// ciascuno non ci stanno nei byte rimasti.
inline bool Conteggio(QDataStream& s, qint64 minimo, qsizetype& n)
{
    quint32 v = 0;
    s >> v;
    if (s.status() != QDataStream::Ok)
        return false;
    if (qint64(v) * minimo > s.device()->bytesAvailable())
        return false;
    n = qsizetype(v);
    return true;
}

inline void Scrivi(QDataStream& s, const QPolygonF& p)
{
    s << quint32(p.size());
    for (const QPointF& q : p)
        s << q.x() << q.y();
}

inline bool Leggi(QDataStream& s, QPolygonF& p)
{
    qsizetype n = 0;
    if (!Conteggio(s, 16, n))
        return false;
    p.clear();
    p.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        double x = 0, y = 0;
        s >> x >> y;
        p << QPointF(x, y);
    }
    return s.status() == QDataStream::Ok;
}

} // namespace flusso
