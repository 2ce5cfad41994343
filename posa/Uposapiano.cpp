#include "posa/Uposapiano.h"

#include "data/Uformato.h"
#include "pianta/Ugeometria.h"
#include "pianta/Ugeos.h"

#include <climits>

#include <QLocale>

namespace {
QString NomeDefault(const QString& descrizione, int k, bool marginale)
{
    QString n = descrizione + QStringLiteral(" - ") + QString::number(k);
    return marginale ? n + QStringLiteral(" Am") : n;
}

int IndiceContorno(const TPiano& piano, int id)
{
    for (int i = 0; i < piano.locali.size(); ++i)
        if (piano.locali[i].idLocale == id)
            return i;
    return -1;
}

TForma PezzoPiuGrande(const TForme& pezzi)
{
    TForma m;
    for (const TForma& f : pezzi)
        if (TGeometria::Area(f) > TGeometria::Area(m))
            m = f;
    return m;
}

// Circuiti non posati di un locale intero, tutti con lo stesso motivo.
void NonPosati(const TLocaleDimensionato& l, const QString& motivo, TPosaPiano& r)
{
    for (int z = 0; z < 2; ++z) {
        const bool m = z == 1;
        for (int k = 1; k <= (m ? l.NAm : l.NAs); ++k) {
            TCircuitoPiano c;
            c.ID = l.ID;
            c.descrizione = l.descrizione;
            c.zona = m ? QChar('m') : QChar('s');
            c.numero = k;
            const auto& rif = m ? l.circuitiAm : l.circuitiAs;
            c.nome = k <= rif.size() && !rif[k - 1].nome.isEmpty() ? rif[k - 1].nome : NomeDefault(l.descrizione, k, m);
            c.lunghezzaDimensionata = m ? l.LAm : l.LAs;
            c.posa.ansa.motivo = motivo;
            r.circuiti << c;
        }
    }
    if (l.NAs + l.NAm > 0)
        r.nonPosati << TPosaPianta::tr("Locale %1 (%2): %3").arg(l.ID).arg(l.descrizione, motivo);
}
} // namespace

QString TPosaPianta::CollettorePiuVicino(const TPiano& piano, const QPolygonF& contorno)
{
    QString migliore;
    int distanza = INT_MAX;
    for (auto i = piano.collettori.cbegin(); i != piano.collettori.cend(); ++i) {
        const int d = TGeometria::DistanzaManhattan(i.value(), contorno);
        if (d < distanza)
            distanza = d, migliore = i.key();
    }
    return migliore;
}

TPosaPiano TPosaPianta::PosaPiano(const TPiano& piano, const QList<TLocaleDimensionato>& locali,
                                  const TOpzioniPosa& opzioni)
{
    TPosaPiano r;
    r.piano = piano.piano;
    TForme contorni;
    for (const TContornoLocale& c : piano.locali)
        if (TGeometria::Difetto(c.contorno).isEmpty())
            contorni << TGeometria::Forma(c.contorno);
    const QStringList nomiCollettori = piano.collettori.keys();
    const geos_tvl::TPreparata unione(geos_tvl::UnioneDi(contorni));
    for (const TLocaleDimensionato& l : locali) {
        if (l.piano != piano.piano || l.NAs + l.NAm <= 0)
            continue;
        const int ic = IndiceContorno(piano, l.ID);
        if (ic < 0) {
            NonPosati(l, tr("nessun contorno nella pianta del piano."), r);
            continue;
        }
        if (piano.collettori.isEmpty()) {
            NonPosati(l, tr("nessun collettore posizionato sul piano."), r);
            continue;
        }
        const QPolygonF& contorno = piano.locali[ic].contorno;
        QString motivo;
        const TForme utile = TGeometria::AreaUtile(contorno, piano.zoneSenzaTubi, &motivo);
        if (utile.isEmpty()) {
            NonPosati(l, motivo, r);
            continue;
        }
        TLocalePosa lp;
        lp.ID = l.ID;
        lp.piano = l.piano;
        lp.areaUtile = PezzoPiuGrande(utile);
        if (utile.size() > 1)
            r.avvisi << tr("Locale %1 (%2): l'area utile è divisa in %3 pezzi dalle zone senza tubo, si posa il più "
                           "grande (%4 m² di %5 m²).")
                            .arg(l.ID)
                            .arg(l.descrizione)
                            .arg(utile.size())
                            .arg(NumeroSchermo(TGeometria::Area(lp.areaUtile), 2),
                                 NumeroSchermo(TGeometria::Area(utile), 2));
        if (opzioni.conMarginale && l.NAm > 0)
            lp.zonaMarginale = PezzoPiuGrande(
                TGeometria::StrisciaMarginale(contorno, piano.LatiEsterni(ic), utile, opzioni.larghezzaMarginale));
        lp.NAs = l.NAs;
        lp.PassoAs = l.PassoAs;
        lp.NAm = opzioni.conMarginale ? l.NAm : 0;
        lp.PassoAm = l.PassoAm;
        lp.schema = l.schema.value_or(opzioni.schema);
        lp.ingressi = l.ingressi;
        if (lp.NAm > 0 && lp.zonaMarginale.esterno.size() < 3)
            r.avvisi << tr("Locale %1 (%2): nessun muro esterno segnato, la zona marginale non si posa.")
                            .arg(l.ID)
                            .arg(l.descrizione);

        auto rif = [&](bool m, int k) {
            const auto& lista = m ? l.circuitiAm : l.circuitiAs;
            return k <= lista.size() ? lista[k - 1] : TRiferimentoCircuito {};
        };
        // Il locale si posa verso il collettore del suo primo circuito.
        QString collettore = rif(false, 1).collettore;
        if (!piano.collettori.contains(collettore))
            collettore = CollettorePiuVicino(piano, contorno);
        const QPointF punto = piano.collettori.value(collettore);
        const TPosaLocale pl = TPosa().PosaLocale(lp, opzioni.parametri, punto, unione);
        for (const QString& a : pl.avvisi) {
            // Un collettore fuori dai locali si dice una volta per piano, non per ogni locale.
            if (a == TPosa::tr("Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali.")) {
                const QString avviso = tr("Il collettore %1 è fuori da ogni locale del piano: i collegamenti "
                                          "escono dai locali.")
                                           .arg(collettore);
                if (!r.avvisi.contains(avviso))
                    r.avvisi << avviso;
                continue;
            }
            r.avvisi << tr("Locale %1 (%2): %3").arg(l.ID).arg(l.descrizione, a);
        }
        for (const QString& a : pl.nonPosati)
            r.nonPosati << tr("Locale %1 (%2): %3").arg(l.ID).arg(l.descrizione, a);
        for (const TCircuitoLocale& cl : pl.circuiti) {
            TCircuitoPiano c;
            c.ID = l.ID;
            c.descrizione = l.descrizione;
            c.zona = cl.marginale ? QChar('m') : QChar('s');
            c.numero = cl.numero;
            const TRiferimentoCircuito rc = rif(cl.marginale, cl.numero);
            c.nome = rc.nome.isEmpty() ? NomeDefault(l.descrizione, cl.numero, cl.marginale) : rc.nome;
            c.collettore = piano.collettori.contains(rc.collettore) ? rc.collettore : collettore;
            c.colore = int(nomiCollettori.indexOf(c.collettore));
            c.passo = cl.marginale ? l.PassoAm : l.PassoAs;
            c.portata = cl.marginale ? l.portataAm : l.portataAs;
            c.lunghezzaDimensionata = cl.marginale ? l.LAm : l.LAs;
            c.schema = lp.schema;
            c.posa = cl;
            // Un circuito assegnato a un altro collettore del piano ha i collegamenti fino a quello.
            if (c.collettore != collettore && cl.Posato()) {
                c.posa.collegamento = TCollegamenti().Collega(
                    piano.collettori.value(c.collettore), cl.ansa.tubo.first(), cl.ansa.tubo.last(), unione, c.passo);
            }
            r.circuiti << c;
        }
    }
    return r;
}

QList<TPosaPiano> TPosaPianta::Posa(const TPianta& pianta, const QList<TLocaleDimensionato>& locali,
                                    const TOpzioniPosa& opzioni)
{
    QStringList piani;
    for (const TLocaleDimensionato& l : locali)
        if (!piani.contains(l.piano))
            piani << l.piano;
    QList<TPosaPiano> r;
    for (const QString& nome : piani) {
        if (const TPiano* p = pianta.Piano(nome)) {
            r << PosaPiano(*p, locali, opzioni);
            continue;
        }
        TPosaPiano vuoto;
        vuoto.piano = nome;
        for (const TLocaleDimensionato& l : locali)
            if (l.piano == nome)
                NonPosati(l, tr("il piano non ha una pianta."), vuoto);
        r << vuoto;
    }
    return r;
}
