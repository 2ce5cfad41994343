#include "progetto/Uricostruzione.h"

#include "progetto/Ucollettori.h"

#include <optional>

namespace {
// Dalle etichette alle chiavi. Nomi tagliati a 40 caratteri possono dare la stessa etichetta a
// più circuiti di un locale: le loro chiavi si danno una dopo l'altra.
class TIndiceEtichette
{
public:
    explicit TIndiceEtichette(const QVector<TCircuitoGenerato>& circuiti)
    {
        for (const TCircuitoGenerato& c : circuiti)
            m_chiavi[c.etichetta].append(c.chiave);
    }
    bool Contiene(const QString& e) const { return m_chiavi.contains(e); }
    std::optional<TChiaveCircuito> Prendi(const QString& e)
    {
        const auto it = m_chiavi.constFind(e);
        if (it == m_chiavi.constEnd())
            return std::nullopt;
        int& i = m_date[e];
        if (i >= it->size())
            return std::nullopt;
        return it->at(i++);
    }

private:
    QHash<QString, QVector<TChiaveCircuito>> m_chiavi;
    QHash<QString, int> m_date;
};
} // namespace

QVector<TCircuitoGenerato> CircuitiDeiLocali(const QVector<TLocaleCalc>& locali, bool conMarginali)
{
    QVector<TCircuitoGenerato> c;
    for (int i = 0; i < locali.size(); ++i) {
        const TLocaleCalc& l = locali[i];
        for (int n = 1; n <= l.NAs; ++n)
            c.append({EtichettaCircuito(NomeCircuito(l.Descrizione, n, false), u's', i + 1), {l.ID, u's', n}});
        if (conMarginali)
            for (int n = 1; n <= l.NAm; ++n)
                c.append(
                    {EtichettaCircuito(NomeCircuito(l.Descrizione, l.NAs + n, true), u'm', i + 1), {l.ID, u'm', n}});
    }
    return c;
}

TEsitoRicostruzione RicostruisciAssegnazione(TAssegnazione& a, const QVector<TCircuitoGenerato>& prima,
                                             const QVector<TCircuitoGenerato>& adesso)
{
    TEsitoRicostruzione esito;
    esito.lavoro = a.NumeroCollettori() > 0;

    QHash<TChiaveCircuito, QString> etichette;
    for (const TCircuitoGenerato& c : adesso)
        etichette.insert(c.chiave, c.etichetta);
    TIndiceEtichette indicePrima(prima);
    TIndiceEtichette indiceAdesso(adesso);
    QSet<TChiaveCircuito> presi;

    // L'etichetta di oggi del circuito, vuota se non esiste più.
    auto ritrova = [&](const QString& e) -> QString {
        // Un'etichetta nota si segue con la sua chiave; una che non si sa da dove venga resta
        // solo se oggi c'è identica.
        const std::optional<TChiaveCircuito> k
            = indicePrima.Contiene(e) ? indicePrima.Prendi(e) : indiceAdesso.Prendi(e);
        if (!k || presi.contains(*k) || !etichette.contains(*k))
            return {};
        presi.insert(*k);
        return etichette.value(*k);
    };

    QVector<TCollettoreAlbero> collettori = a.Collettori();
    for (TCollettoreAlbero& c : collettori) {
        QStringList restano;
        for (const QString& e : c.circuiti) {
            const QString n = ritrova(e);
            if (n.isEmpty())
                ++esito.tolti;
            else
                restano.append(n);
        }
        c.circuiti = restano;
    }
    QStringList lista;
    for (const QString& e : a.Lista()) {
        const QString n = ritrova(e);
        if (!n.isEmpty())
            lista.append(n);
    }
    for (const TCircuitoGenerato& c : adesso)
        if (!presi.contains(c.chiave)) {
            presi.insert(c.chiave);
            lista.append(c.etichetta);
            esito.nuovi.insert(c.chiave);
        }
    a.Sostituisci(std::move(collettori), std::move(lista));
    return esito;
}

int ContaInLista(const TAssegnazione& a, const QVector<TCircuitoGenerato>& circuiti,
                 const QSet<TChiaveCircuito>& chiavi)
{
    TIndiceEtichette indice(circuiti);
    int n = 0;
    for (const QString& e : a.Lista()) {
        const std::optional<TChiaveCircuito> k = indice.Prendi(e);
        if (k && chiavi.contains(*k))
            ++n;
    }
    return n;
}
