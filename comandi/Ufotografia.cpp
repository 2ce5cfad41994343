#include "comandi/Ufotografia.h"

#include "data/Udatabase.h"
#include "data/Utabella.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

enum Tabella { Info, DGenerali, Locali, Collettori, CompAgg, Circuiti, Rotoli, Regol };

TFotografia::TRighe leggiRighe(const TTabella& t)
{
    TFotografia::TRighe r;
    r.posizione = t.RecNo();
    QVector<int> campi;
    for (int i = 0; i < t.NumeroCampi(); ++i)
        if (t.DefCampo(i).memorizzato())
            campi << i;
    r.righe.reserve(t.RecordCount());
    for (int riga = 0; riga < t.RecordCount(); ++riga) {
        QVector<QVariant> v;
        v.reserve(campi.size());
        for (int i : campi)
            v << t.ValoreRiga(riga, i);
        r.righe << v;
    }
    return r;
}

// Le righe tornano nel database com'erano (numeri automatici compresi), senza le regole: sono
// righe che le regole avevano già accettato. Poi la tabella si rilegge.
void scriviRighe(QSqlDatabase db, TTabella& t, const TFotografia::TRighe& r)
{
    if (!t.Active())
        return;
    if (t.State() != TStato::Consultazione)
        t.Cancel();
    QStringList colonne, segnaposto;
    QVector<bool> booleani;
    for (int i = 0; i < t.NumeroCampi(); ++i) {
        const TDefCampo& d = t.DefCampo(i);
        if (!d.memorizzato())
            continue;
        colonne << QLatin1Char('"') + d.nome + QLatin1Char('"');
        segnaposto << QStringLiteral("?");
        booleani << (d.tipo == TTipoCampo::Booleano);
    }
    QSqlQuery(db).exec(QStringLiteral("SAVEPOINT fotografia"));
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM \"%1\"").arg(t.NomeTabella()));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                  .arg(t.NomeTabella(), colonne.join(u','), segnaposto.join(u',')));
    for (const QVector<QVariant>& riga : r.righe) {
        for (int k = 0; k < riga.size(); ++k) {
            const QVariant& v = riga[k];
            q.bindValue(k, booleani.value(k) && !v.isNull() ? QVariant(v.toBool() ? 1 : 0) : v);
        }
        q.exec();
    }
    QSqlQuery(db).exec(QStringLiteral("RELEASE fotografia"));
    t.Open();
    t.VaiA(r.posizione);
}

bool stessiCollettori(const QVector<TCollettoreAlbero>& a, const QVector<TCollettoreAlbero>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].testo != b[i].testo || a[i].circuiti != b[i].circuiti)
            return false;
    return true;
}

} // namespace

QVector<TTabella*> TabelleFotografate(const TDati& d)
{
    // L'ordine è quello dell'enum Tabella.
    return {d.AuxInfo,    d.AuxDGenerali, d.AuxLocali, d.AuxCollettori,
            d.AuxCompAgg, d.AuxCircuiti,  d.AuxRotoli, d.AuxRegol};
}

TFotografia TFotografia::Prendi(const TStatoProgetto& s, const TFotografia* simile)
{
    TFotografia f;
    const TDati& d = s.Dati();
    for (const TTabella* t : TabelleFotografate(d)) {
        TRighe r = leggiRighe(*t);
        const int i = int(f.m_tabelle.size());
        if (simile && i < simile->m_tabelle.size() && simile->m_tabelle[i] == r)
            r.righe = simile->m_tabelle[i].righe;
        f.m_tabelle << std::move(r);
    }
    f.m_pavRad = s.PavRad;
    f.m_risultati = s.RisultatiLocali;
    f.m_numLocali = s.NumLocali;
    f.m_modoTMandata = s.ModoTMandata;
    f.m_tMandata = s.TMandataSalvata;
    f.m_ricalcolati = s.RisultatiRicalcolati;
    f.m_impostazioniSalvate = s.ImpostazioniSalvate;
    f.m_confermati = s.CollettoriConfermati;
    f.m_ottimizzazione = s.OttimizzazioneEseguita;
    f.m_modoRegolazione = s.ModoRegolazione;
    f.m_statOttimizzazione = s.StatOttimizzazione;
    f.m_opzioneOttimizzazione = s.OpzioneOttimizzazione;
    f.m_scartoMin = s.ScartoMinMatassa;
    f.m_minimo = s.MinimoAcquisto;
    f.m_conPrezzi = s.ConPrezzi;
    f.m_collettori = s.Assegnazione.Collettori();
    f.m_lista = s.Assegnazione.Lista();
    f.m_en1264 = s.En1264;
    f.m_sezioni = s.SezioniBlocco;
    f.m_pianta = s.Pianta;
    f.m_piantaDanneggiata = s.PiantaDanneggiata;
    f.m_posa = s.Posa;
    f.m_circuiti = s.m_circuiti;
    f.m_avviso = s.m_avviso;
    f.m_nuovi = s.m_nuovi;
    f.m_tolti = s.m_tolti;
    f.m_confermaTolta = s.m_confermaTolta;
    f.m_ottimizzazioneTolta = s.m_ottimizzazioneTolta;
    f.m_dgModificati = d.DGeneraliModificati;
    f.m_localiModificati = d.LocaliModificati;
    return f;
}

void TFotografia::Ripristina(TStatoProgetto& s) const
{
    TDati& d = s.Dati();
    const QVector<TTabella*> tabelle = TabelleFotografate(d);
    for (int i = 0; i < tabelle.size() && i < m_tabelle.size(); ++i)
        scriviRighe(d.Database(), *tabelle[i], m_tabelle[i]);
    s.PavRad = m_pavRad;
    s.RisultatiLocali = m_risultati;
    s.NumLocali = m_numLocali;
    s.ModoTMandata = m_modoTMandata;
    s.TMandataSalvata = m_tMandata;
    s.RisultatiRicalcolati = m_ricalcolati;
    s.ImpostazioniSalvate = m_impostazioniSalvate;
    s.CollettoriConfermati = m_confermati;
    s.OttimizzazioneEseguita = m_ottimizzazione;
    s.ModoRegolazione = m_modoRegolazione;
    s.StatOttimizzazione = m_statOttimizzazione;
    s.OpzioneOttimizzazione = m_opzioneOttimizzazione;
    s.ScartoMinMatassa = m_scartoMin;
    s.MinimoAcquisto = m_minimo;
    s.ConPrezzi = m_conPrezzi;
    s.En1264 = m_en1264;
    s.SezioniBlocco = m_sezioni;
    s.Pianta = m_pianta;
    s.PiantaDanneggiata = m_piantaDanneggiata;
    s.Posa = m_posa;
    s.m_circuiti = m_circuiti;
    s.m_avviso = m_avviso;
    s.m_nuovi = m_nuovi;
    s.m_tolti = m_tolti;
    s.m_confermaTolta = m_confermaTolta;
    s.m_ottimizzazioneTolta = m_ottimizzazioneTolta;
    d.DGeneraliModificati = m_dgModificati;
    d.LocaliModificati = m_localiModificati;
    // Per ultima: le viste dell'albero e della lista si ridisegnano con tutto il resto già a posto.
    s.Assegnazione.Sostituisci(m_collettori, m_lista);
}

void TFotografia::DimenticaAvviso()
{
    m_avviso = false;
    m_nuovi.clear();
    m_tolti = 0;
    m_confermaTolta = m_ottimizzazioneTolta = false;
}

bool TFotografia::StessiDati(const TFotografia& a) const
{
    return m_tabelle == a.m_tabelle && m_modoTMandata == a.m_modoTMandata && m_tMandata == a.m_tMandata
        && m_confermati == a.m_confermati && m_ottimizzazione == a.m_ottimizzazione
        && m_modoRegolazione == a.m_modoRegolazione && m_statOttimizzazione == a.m_statOttimizzazione
        && m_opzioneOttimizzazione == a.m_opzioneOttimizzazione && m_scartoMin == a.m_scartoMin
        && m_minimo == a.m_minimo && m_conPrezzi == a.m_conPrezzi && stessiCollettori(m_collettori, a.m_collettori)
        && m_lista == a.m_lista && m_en1264.Serializza() == a.m_en1264.Serializza() && m_sezioni == a.m_sezioni
        && m_pianta == a.m_pianta && m_piantaDanneggiata == a.m_piantaDanneggiata && m_posa == a.m_posa;
}

bool TFotografia::operator==(const TFotografia& a) const
{
    return StessiDati(a) && m_ricalcolati == a.m_ricalcolati && m_impostazioniSalvate == a.m_impostazioniSalvate
        && m_avviso == a.m_avviso && m_nuovi == a.m_nuovi && m_tolti == a.m_tolti
        && m_confermaTolta == a.m_confermaTolta && m_ottimizzazioneTolta == a.m_ottimizzazioneTolta
        && m_dgModificati == a.m_dgModificati && m_localiModificati == a.m_localiModificati;
}

int TFotografia::CollettoreSvuotato(const TFotografia& p, const TFotografia& d)
{
    const QVector<TCollettoreAlbero>& a = p.m_collettori;
    const QVector<TCollettoreAlbero>& b = d.m_collettori;
    if (a.size() != b.size() || d.m_lista.size() <= p.m_lista.size())
        return -1;
    int svuotato = -1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].testo != b[i].testo)
            return -1;
        if (a[i].circuiti == b[i].circuiti)
            continue;
        if (svuotato >= 0)
            return -1;
        svuotato = int(i);
    }
    if (svuotato < 0)
        return -1;
    // Quel che ha lasciato il collettore è andato nella lista, e nient'altro vi è entrato.
    QStringList usciti = a[svuotato].circuiti;
    for (const QString& c : b[svuotato].circuiti)
        if (!usciti.removeOne(c))
            return -1;
    QStringList entrati = d.m_lista;
    for (const QString& c : p.m_lista)
        if (!entrati.removeOne(c))
            return -1;
    usciti.sort();
    entrati.sort();
    return usciti == entrati ? svuotato : -1;
}

int TFotografia::CollettoreEliminato(const TFotografia& p, const TFotografia& d)
{
    const QVector<TCollettoreAlbero>& a = p.m_collettori;
    const QVector<TCollettoreAlbero>& b = d.m_collettori;
    if (a.size() != b.size() + 1 || p.m_lista != d.m_lista)
        return -1;
    qsizetype k = 0;
    while (k < b.size() && a[k].testo == b[k].testo && a[k].circuiti == b[k].circuiti)
        ++k;
    if (!a[k].circuiti.isEmpty())
        return -1;
    for (qsizetype i = k; i < b.size(); ++i)
        if (a[i + 1].testo != b[i].testo || a[i + 1].circuiti != b[i].circuiti)
            return -1;
    return int(k);
}

QString TFotografia::NomePasso(const TFotografia& p, const TFotografia& d)
{
    auto cambiata = [&](int t) { return !(p.m_tabelle.value(t) == d.m_tabelle.value(t)); };
    auto righe = [](const TFotografia& f, int t) { return f.m_tabelle.value(t).righe.size(); };

    // La pianta scrive anche nei locali: il passo è suo.
    if (!(p.m_pianta == d.m_pianta))
        return QCoreApplication::translate("TAnnullamenti", "modifica pianta");
    if (cambiata(Info))
        return QCoreApplication::translate("TAnnullamenti", "modifica dati cliente");
    if (cambiata(DGenerali))
        return QCoreApplication::translate("TAnnullamenti", "modifica dati generali");
    if (cambiata(Locali)) {
        const qsizetype n = righe(d, Locali) - righe(p, Locali);
        if (n > 1)
            return QCoreApplication::translate("TAnnullamenti", "inserimento locali");
        if (n == 1)
            return QCoreApplication::translate("TAnnullamenti", "inserimento locale");
        if (n < 0)
            return QCoreApplication::translate("TAnnullamenti", "eliminazione locale");
        return QCoreApplication::translate("TAnnullamenti", "modifica locale");
    }
    if (p.m_modoTMandata != d.m_modoTMandata || p.m_tMandata != d.m_tMandata
        || (!p.m_impostazioniSalvate && d.m_impostazioniSalvate))
        return QCoreApplication::translate("TAnnullamenti", "impostazione temperatura di mandata");
    if (!stessiCollettori(p.m_collettori, d.m_collettori) || p.m_lista != d.m_lista) {
        const qsizetype n = d.m_collettori.size() - p.m_collettori.size();
        if (n > 1)
            return QCoreApplication::translate("TAnnullamenti", "assegnazione automatica");
        if (n == 1)
            return QCoreApplication::translate("TAnnullamenti", "nuovo collettore");
        if (n < 0)
            return QCoreApplication::translate("TAnnullamenti", "eliminazione collettore");
        for (qsizetype i = 0; i < p.m_collettori.size(); ++i)
            if (p.m_collettori[i].testo != d.m_collettori[i].testo)
                return QCoreApplication::translate("TAnnullamenti", "rinomina collettore");
        if (d.m_lista.size() < p.m_lista.size())
            return QCoreApplication::translate("TAnnullamenti", "collegamento circuiti");
        if (d.m_lista.size() > p.m_lista.size())
            return QCoreApplication::translate("TAnnullamenti", "ritorno circuiti nella lista");
        return QCoreApplication::translate("TAnnullamenti", "spostamento circuiti");
    }
    if (!p.m_confermati && d.m_confermati)
        return QCoreApplication::translate("TAnnullamenti", "conferma collettori");
    if (p.m_confermati && !d.m_confermati)
        return QCoreApplication::translate("TAnnullamenti", "annullamento conferma collettori");
    if (cambiata(Collettori))
        return QCoreApplication::translate("TAnnullamenti", "tipo collettore");
    if (cambiata(Regol) || p.m_modoRegolazione != d.m_modoRegolazione)
        return QCoreApplication::translate("TAnnullamenti", "scelta regolazione");
    if (cambiata(CompAgg)) {
        const qsizetype n = righe(d, CompAgg) - righe(p, CompAgg);
        if (n > 0)
            return QCoreApplication::translate("TAnnullamenti", "aggiunta prodotto");
        if (n < 0)
            return QCoreApplication::translate("TAnnullamenti", "eliminazione prodotto");
        return QCoreApplication::translate("TAnnullamenti", "modifica prodotto aggiuntivo");
    }
    if (cambiata(Circuiti) || cambiata(Rotoli) || p.m_ottimizzazione != d.m_ottimizzazione
        || !(p.m_minimo == d.m_minimo))
        return QCoreApplication::translate("TAnnullamenti", "ottimizzazione circuiti");
    if (p.m_en1264.Serializza() != d.m_en1264.Serializza())
        return QCoreApplication::translate("TAnnullamenti", "bagni e raffrescamento");
    if (!(p.m_posa == d.m_posa))
        return QCoreApplication::translate("TAnnullamenti", "impostazioni di posa");
    return QCoreApplication::translate("TAnnullamenti", "modifica");
}
