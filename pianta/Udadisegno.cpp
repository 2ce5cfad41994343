#include "pianta/Udadisegno.h"

#include "pianta/Ugeometria.h"

namespace {

// Posizioni dei collettori dai testi "=>NOME"; segna i testi usati.
void Collettori(const TDisegno& d, TPiano& p, QList<bool>& usato)
{
    for (qsizetype i = 0; i < d.testi.size(); ++i) {
        const QString t = d.testi[i].testo.trimmed();
        if (t.startsWith(QLatin1String("=>")) && t.size() > 2) {
            p.collettori.insert(t.mid(2).trimmed(), d.testi[i].posizione);
            usato[i] = true;
        }
    }
}

// L'unico testo libero dentro la polilinea, -1 se non ce n'è uno solo.
qsizetype TestoDentro(const TDisegno& d, const QPolygonF& contorno, const QList<bool>& usato)
{
    qsizetype trovato = -1;
    for (qsizetype i = 0; i < d.testi.size(); ++i)
        if (!usato[i] && contorno.containsPoint(d.testi[i].posizione, Qt::OddEvenFill)) {
            if (trovato >= 0)
                return -1;
            trovato = i;
        }
    return trovato;
}

} // namespace

TPiano PianoDaDisegno(const TDisegno& d, const QString& piano, const QList<TLocaleDisegno>& locali,
                      QStringList& inutilizzati)
{
    TPiano p;
    p.piano = piano;
    p.sfondo.tipo = TSfondo::TTipo::Disegno;
    p.sfondo.disegno = d;
    QList<bool> usato(d.testi.size(), false);
    Collettori(d, p, usato);
    for (const TSpezzata& s : d.spezzate) {
        if (!s.chiusa || !TGeometria::Difetto(s.punti).isEmpty())
            continue;
        const qsizetype i = TestoDentro(d, s.punti, usato);
        if (i < 0)
            continue;
        const QString t = d.testi[i].testo.trimmed();
        for (const TLocaleDisegno& l : locali)
            if (QString::number(l.id) == t || l.descrizione.trimmed() == t) {
                p.locali << TContornoLocale {l.id, TGeometria::Pulisci(s.punti)};
                usato[i] = true;
                break;
            }
    }
    for (qsizetype i = 0; i < d.testi.size(); ++i)
        if (!usato[i] && !d.testi[i].testo.trimmed().isEmpty())
            inutilizzati << d.testi[i].testo.trimmed();
    return p;
}
