#include "Udisegno.h"
#include "Uflusso.h"

#include <QBuffer>

#include <algorithm>

namespace {
constexpr quint32 FormatoDisegno = 1;
}

double TDisegno::Metri(TUnita unita)
{
    switch (unita) {
    case TUnita::Millimetri:
        return 0.001;
    case TUnita::Centimetri:
        return 0.01;
    case TUnita::Decimetri:
        return 0.1;
    case TUnita::Metri:
        return 1;
    case TUnita::Pollici:
        return 0.0254;
    case TUnita::Piedi:
        return 0.3048;
    case TUnita::Sconosciuta:
        break;
    }
    return 0;
}

QString TDisegno::Nome(TUnita unita)
{
    switch (unita) {
    case TUnita::Millimetri:
        return tr("millimetri");
    case TUnita::Centimetri:
        return tr("centimetri");
    case TUnita::Decimetri:
        return tr("decimetri");
    case TUnita::Metri:
        return tr("metri");
    case TUnita::Pollici:
        return tr("pollici");
    case TUnita::Piedi:
        return tr("piedi");
    case TUnita::Sconosciuta:
        break;
    }
    return tr("sconosciuta");
}

int TDisegno::IndiceLivello(const QString& nome) const
{
    for (int i = 0; i < livelli.size(); ++i)
        if (livelli[i].nome == nome)
            return i;
    return -1;
}

int TDisegno::Livello(const QString& nome)
{
    if (const int i = IndiceLivello(nome); i >= 0)
        return i;
    livelli.append({nome, true});
    return int(livelli.size() - 1);
}

void TDisegno::Scala(double fattore)
{
    for (TSpezzata& s : spezzate)
        for (QPointF& p : s.punti)
            p *= fattore;
    for (TTesto& t : testi) {
        t.posizione *= fattore;
        t.altezza *= fattore;
    }
}

QRectF TDisegno::Limiti(bool soloVisibili) const
{
    // A mano e non con united(), che salta i rettangoli nulli: un testo è un punto e deve
    // restare nel foglio come le linee.
    bool vuoto = true;
    QRectF r;
    auto aggiungi = [&](const QRectF& b) {
        r = vuoto ? b
                  : QRectF(QPointF(std::min(r.left(), b.left()), std::min(r.top(), b.top())),
                           QPointF(std::max(r.right(), b.right()), std::max(r.bottom(), b.bottom())));
        vuoto = false;
    };
    for (const TSpezzata& s : spezzate)
        if ((!soloVisibili || LivelloVisibile(s.livello)) && !s.punti.isEmpty())
            aggiungi(s.punti.boundingRect());
    for (const TTesto& t : testi)
        if (!soloVisibili || LivelloVisibile(t.livello))
            aggiungi(QRectF(t.posizione, QSizeF(0, 0)));
    return r;
}

QList<QLineF> TDisegno::Segmenti(bool soloVisibili) const
{
    QList<QLineF> segmenti;
    for (const TSpezzata& s : spezzate) {
        if (soloVisibili && !LivelloVisibile(s.livello))
            continue;
        for (qsizetype i = 0; i + 1 < s.punti.size(); ++i)
            segmenti << QLineF(s.punti[i], s.punti[i + 1]);
        if (s.chiusa && s.punti.size() > 2)
            segmenti << QLineF(s.punti.last(), s.punti.first());
    }
    return segmenti;
}

QByteArray TDisegno::Scrivi() const
{
    QByteArray byte;
    QDataStream s(&byte, QIODevice::WriteOnly);
    flusso::Prepara(s);
    s << FormatoDisegno << qint32(unita) << quint32(livelli.size());
    for (const TLivello& l : livelli)
        s << l.nome << l.visibile;
    s << quint32(spezzate.size());
    for (const TSpezzata& sp : spezzate) {
        s << qint32(sp.livello) << sp.chiusa;
        flusso::Scrivi(s, sp.punti);
    }
    s << quint32(testi.size());
    for (const TTesto& t : testi)
        s << qint32(t.livello) << t.posizione.x() << t.posizione.y() << t.altezza << t.rotazione << t.testo;
    return byte;
}

bool TDisegno::Leggi(const QByteArray& byte, QString* motivo)
{
    QBuffer buffer;
    buffer.setData(byte);
    buffer.open(QIODevice::ReadOnly);
    QDataStream s(&buffer);
    flusso::Prepara(s);
    auto rovinato = [&] {
        if (motivo)
            *motivo = tr("Il disegno di sfondo è danneggiato.");
        return false;
    };
    TDisegno d;
    quint32 formato = 0;
    qint32 u = 0;
    s >> formato >> u;
    if (s.status() != QDataStream::Ok || formato != FormatoDisegno || u < 0 || u > qint32(TUnita::Piedi))
        return rovinato();
    d.unita = TUnita(u);
    qsizetype n = 0;
    // Livello: nome (almeno la lunghezza) e visibilità.
    if (!flusso::Conteggio(s, 5, n))
        return rovinato();
    for (qsizetype i = 0; i < n; ++i) {
        TLivello l;
        s >> l.nome >> l.visibile;
        d.livelli << l;
    }
    if (!flusso::Conteggio(s, 9, n))
        return rovinato();
    d.spezzate.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        TSpezzata sp;
        qint32 livello = 0;
        s >> livello >> sp.chiusa;
        sp.livello = livello;
        if (!flusso::Leggi(s, sp.punti) || livello < 0 || livello >= d.livelli.size())
            return rovinato();
        d.spezzate << sp;
    }
    if (!flusso::Conteggio(s, 40, n))
        return rovinato();
    d.testi.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        TTesto t;
        qint32 livello = 0;
        double x = 0, y = 0;
        s >> livello >> x >> y >> t.altezza >> t.rotazione >> t.testo;
        t.livello = livello;
        t.posizione = {x, y};
        if (s.status() != QDataStream::Ok || livello < 0 || livello >= d.livelli.size())
            return rovinato();
        d.testi << t;
    }
    if (s.status() != QDataStream::Ok || !s.atEnd())
        return rovinato();
    *this = std::move(d);
    return true;
}
