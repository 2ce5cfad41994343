#include "progetto/Ucollettori.h"

#include "data/Unumeri.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"

#include <cmath>

// ---------------------------------------------------------------- etichetta

QString EtichettaCircuito(const QString& nome, QChar zona, int posizioneLocale)
{
    // "%-4s%-040.40s%80c%3.0d"
    QString e = QStringLiteral("=>  ");
    e += nome.left(40).leftJustified(40, u' ');
    e += QString(79, u' ');
    e += zona;
    e += posizioneLocale == 0 ? QStringLiteral("   ") : QString::number(posizioneLocale).rightJustified(3, u' ');
    return e;
}

QString NomeCircuito(const QString& descrizione, int numero, bool marginale)
{
    QString n = descrizione + QStringLiteral(" - ") + QString::number(numero);
    if (marginale)
        n += QStringLiteral(" Am");
    return n;
}

QChar ZonaEtichetta(const QString& etichetta)
{
    return etichetta.size() >= 4 ? etichetta.at(etichetta.size() - 4) : QChar();
}

int PosizioneEtichetta(const QString& etichetta)
{
    return int(LeggiAtol(etichetta.mid(qMax(0, int(etichetta.size()) - 3)).toLatin1()));
}

QString TestoCircuitoEtichetta(const QString& etichetta)
{
    return etichetta.mid(3, 40);
}

QString TestoNodoCollettore(const QString& nome)
{
    return QStringLiteral("=>") + nome;
}

QString NomeDaNodo(const QString& testoNodo)
{
    return testoNodo.mid(2);
}

// ---------------------------------------------------------------- TAssegnazione

TAssegnazione::TAssegnazione(const QVector<TLocaleCalc>* locali, QObject* parent)
    : QObject(parent)
    , m_locali(locali)
{ }

int TAssegnazione::NumeroNodi() const
{
    return int(m_collettori.size()) + NumeroCircuitiAssegnati();
}

int TAssegnazione::NumeroCircuitiAssegnati() const
{
    int n = 0;
    for (const auto& c : m_collettori)
        n += int(c.circuiti.size());
    return n;
}

TNodo TAssegnazione::UltimoNodo() const
{
    if (m_collettori.isEmpty())
        return {};
    const int c = int(m_collettori.size()) - 1;
    return {c, int(m_collettori[c].circuiti.size()) - 1};
}

QString TAssegnazione::TestoNodo(TNodo n) const
{
    const int c = collettoreDi(n);
    if (c < 0)
        return {};
    if (!n.ECircuito())
        return m_collettori[c].testo;
    return n.circuito < m_collettori[c].circuiti.size() ? m_collettori[c].circuiti[n.circuito] : QString();
}

int TAssegnazione::CollettoreSenzaCircuiti() const
{
    for (int i = 0; i < m_collettori.size(); ++i)
        if (m_collettori[i].circuiti.isEmpty())
            return i;
    return -1;
}

QString TAssegnazione::ProblemaCollettore(int collettore) const
{
    if (collettore < 0 || collettore >= m_collettori.size())
        return {};
    const QStringList& circuiti = m_collettori[collettore].circuiti;
    if (!circuiti.isEmpty()) {
        const QString piano = PianoCircuito(circuiti.first());
        for (const QString& e : circuiti)
            if (PianoCircuito(e) != piano)
                return MessaggiCollettori::Piani();
    }
    return circuiti.size() > MaxCircuitiCollettore ? MessaggiCollettori::Dodici() : QString();
}

int TAssegnazione::CollettoreNonValido() const
{
    for (int i = 0; i < m_collettori.size(); ++i)
        if (!ProblemaCollettore(i).isEmpty())
            return i;
    return -1;
}

TValoriCircuito TAssegnazione::ValoriCircuito(const QString& etichetta) const
{
    TValoriCircuito v;
    const int i = PosizioneEtichetta(etichetta) - 1;
    if (!m_locali || i < 0 || i >= m_locali->size())
        return v;
    const TLocaleCalc& l = (*m_locali)[i];
    v.locale = &l;
    v.zona = ZonaEtichetta(etichetta);
    if (v.zona == u's') {
        v.lunghezza = l.LAs, v.passo = l.PassoAs, v.portata = l.QAs, v.perdita = l.DpAs;
        v.valido = true;
    } else if (v.zona == u'm') {
        v.lunghezza = l.LAm, v.passo = l.PassoAm, v.portata = l.QAm, v.perdita = l.DpAm;
        v.valido = true;
    }
    return v;
}

QString TAssegnazione::PianoCircuito(const QString& etichetta) const
{
    const TValoriCircuito v = ValoriCircuito(etichetta);
    return v.locale ? v.locale->Piano : QString();
}

int TAssegnazione::collettoreDi(TNodo n) const
{
    return n.collettore >= 0 && n.collettore < m_collettori.size() ? n.collettore : -1;
}

bool TAssegnazione::controllaPiano(int collettore, const QString& etichetta) const
{
    const auto& circuiti = m_collettori[collettore].circuiti;
    if (!circuiti.isEmpty() && PianoCircuito(etichetta) != PianoCircuito(circuiti.first())) {
        TMessaggi::Avviso(MessaggiCollettori::Piani());
        return false;
    }
    return true;
}

bool TAssegnazione::controllaNumero(int collettore) const
{
    if (m_collettori[collettore].circuiti.size() >= MaxCircuitiCollettore) {
        TMessaggi::Avviso(MessaggiCollettori::Dodici());
        return false;
    }
    return true;
}

void TAssegnazione::modificato()
{
    if (DopoModifica)
        DopoModifica();
    Q_EMIT cambiato();
}

bool TAssegnazione::Nuovo(const QString& nome)
{
    if (nome.isEmpty())
        return false;
    m_collettori.append({TestoNodoCollettore(nome.left(MaxNomeCollettore)), {}});
    modificato();
    return true;
}

bool TAssegnazione::Rinomina(int collettore, const QString& nome)
{
    if (collettore < 0 || collettore >= m_collettori.size() || nome.isEmpty())
        return false;
    m_collettori[collettore].testo = TestoNodoCollettore(nome.left(MaxNomeCollettore));
    modificato();
    return true;
}

bool TAssegnazione::Elimina(int collettore)
{
    if (collettore < 0 || collettore >= m_collettori.size() || !m_collettori[collettore].circuiti.isEmpty())
        return false;
    m_collettori.remove(collettore);
    modificato();
    return true;
}

bool TAssegnazione::Collega(int riga, TNodo destinazione)
{
    if (m_lista.isEmpty())
        return false;
    if (riga < 0)
        riga = 0;
    if (riga >= m_lista.size())
        return false;
    if (!destinazione.EValido())
        destinazione = UltimoNodo();
    const int c = collettoreDi(destinazione);
    if (c < 0)
        return false;
    // Qui il piano si controlla prima del numero; nel trascinamento è il contrario.
    if (!controllaPiano(c, m_lista[riga]) || !controllaNumero(c))
        return false;
    m_collettori[c].circuiti.append(m_lista.takeAt(riga));
    modificato();
    return true;
}

bool TAssegnazione::Restituisci(TNodo nodo)
{
    if (!nodo.EValido())
        nodo = UltimoNodo();
    const int c = collettoreDi(nodo);
    if (c < 0 || !nodo.ECircuito() || nodo.circuito >= m_collettori[c].circuiti.size())
        return false;
    m_lista.prepend(m_collettori[c].circuiti.takeAt(nodo.circuito));
    modificato();
    return true;
}

bool TAssegnazione::TrascinaDallaLista(int riga, TNodo destinazione)
{
    const int c = collettoreDi(destinazione);
    if (c < 0 || riga < 0 || riga >= m_lista.size())
        return false;
    if (!controllaNumero(c) || !controllaPiano(c, m_lista[riga]))
        return false;
    m_collettori[c].circuiti.append(m_lista.takeAt(riga));
    modificato();
    return true;
}

bool TAssegnazione::TrascinaNellaLista(TNodo nodo)
{
    const int c = collettoreDi(nodo);
    if (c < 0 || !nodo.ECircuito() || nodo.circuito >= m_collettori[c].circuiti.size())
        return false;
    m_lista.append(m_collettori[c].circuiti.takeAt(nodo.circuito));
    modificato();
    return true;
}

bool TAssegnazione::TrascinaNellAlbero(TNodo sorgente, TNodo destinazione)
{
    const int cs = collettoreDi(sorgente);
    const int cd = collettoreDi(destinazione);
    // Il rilascio è offerto solo sopra i nodi dei circuiti.
    if (cs < 0 || cd < 0 || !destinazione.ECircuito())
        return false;
    // Un collettore trascinato porta con sé solo il suo primo circuito.
    const int i = sorgente.ECircuito() ? sorgente.circuito : 0;
    if (i >= m_collettori[cs].circuiti.size())
        return false;
    const QString etichetta = m_collettori[cs].circuiti[i];
    if (!controllaNumero(cd) || !controllaPiano(cd, etichetta))
        return false;
    m_collettori[cs].circuiti.removeAt(i);
    m_collettori[cd].circuiti.append(etichetta);
    modificato();
    return true;
}

void TAssegnazione::Svuota()
{
    m_collettori.clear();
    m_lista.clear();
    Q_EMIT cambiato();
}

void TAssegnazione::AggiungiALista(const QString& etichetta)
{
    m_lista.append(etichetta);
    Q_EMIT cambiato();
}

void TAssegnazione::AggiungiCollettoreNodo(const QString& testoNodo)
{
    m_collettori.append({testoNodo, {}});
    Q_EMIT cambiato();
}

bool TAssegnazione::AggiungiCircuitoNodo(const QString& etichetta)
{
    if (m_collettori.isEmpty())
        return false;
    m_collettori.last().circuiti.append(etichetta);
    Q_EMIT cambiato();
    return true;
}

void TAssegnazione::Sostituisci(QVector<TCollettoreAlbero> collettori, QStringList lista)
{
    m_collettori = std::move(collettori);
    m_lista = std::move(lista);
    Q_EMIT cambiato();
}

// ---------------------------------------------------------------- dati dei collettori

double KvtaCollettore(TDati& dati, const QString& tipo)
{
    if (!dati.Cerca(QStringLiteral("DESCRCOLL"), QStringLiteral("RIF"), tipo)
        || dati.Query1->IndiceCampo(QStringLiteral("KVTA")) < 0)
        return 0;
    return dati.Query1->FieldByName(QStringLiteral("KVTA")).AsFloat();
}

bool PerditaCollettore(const TAssegnazione& a, int collettore, double kvta, double& dP)
{
    if (collettore < 0 || collettore >= a.NumeroCollettori())
        return false;
    float massima = 0;
    for (const QString& e : a.Collettori()[collettore].circuiti) {
        const TValoriCircuito v = a.ValoriCircuito(e);
        if (!v.locale)
            return false; // il locale indicato dall'etichetta non esiste
        if (!v.valido)
            continue; // lettera sconosciuta: il circuito non contribuisce
        if (kvta == 0)
            return false; // divisione per zero
        // Con i passaggi intermedi in singola precisione, 216 l/h con KVTA 2.4 darebbero 80.99999
        // invece di 81.
        const double r = double(v.portata) * 0.001 / kvta;
        const float d = float(10000.0 * r * r + double(v.perdita));
        if (d > massima)
            massima = d;
    }
    dP = std::trunc(double(massima) + 1.0);
    return true;
}

double PortataCollettore(const TAssegnazione& a, int collettore)
{
    double somma = 0;
    if (collettore >= 0 && collettore < a.NumeroCollettori())
        for (const QString& e : a.Collettori()[collettore].circuiti) {
            const TValoriCircuito v = a.ValoriCircuito(e);
            if (v.valido)
                somma += v.portata;
        }
    return std::trunc(somma + 1.0);
}

TEsitoTipo CalcolaTipo(TDati& dati, const TAssegnazione& a, bool collettoriConfermati,
                       const std::function<void(bool)>& clessidra)
{
    auto cursore = [&](bool occupato) {
        if (clessidra)
            clessidra(occupato);
    };
    if (!a.Lista().isEmpty()) {
        TMessaggi::Avviso(MessaggiCollettori::NonAssegnati());
        return TEsitoTipo::Incompleta;
    }
    if (collettoriConfermati)
        return TEsitoTipo::GiaConfermati;
    // Un collettore rimasto fuori regola dopo un ricalcolo si sistema prima di confermare.
    const int nonValido = a.CollettoreNonValido();
    if (nonValido >= 0) {
        TMessaggi::Avviso(a.ProblemaCollettore(nonValido));
        return TEsitoTipo::NonValida;
    }

    cursore(true);
    TTabella* t = dati.AuxCollettori;
    t->Close();
    t->Open();
    t->Svuota();
    if (a.CollettoreSenzaCircuiti() >= 0) {
        cursore(false);
        TMessaggi::Avviso(MessaggiCollettori::SenzaAnelli());
        return TEsitoTipo::SenzaAnelli;
    }
    const QString tipo = dati.AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString();
    const double kvta = KvtaCollettore(dati, tipo);
    for (int k = 0; k < a.NumeroCollettori(); ++k) {
        double dP = 0;
        if (!PerditaCollettore(a, k, kvta, dP)) {
            cursore(false);
            return TEsitoTipo::Interrotto;
        }
        t->Append();
        const bool ok = t->FieldByName(QStringLiteral("ID")).Imposta(k)
            && t->FieldByName(QStringLiteral("Nome")).Imposta(a.Collettori()[k].Nome())
            && t->FieldByName(QStringLiteral("Portata")).Imposta(PortataCollettore(a, k))
            && t->FieldByName(QStringLiteral("dP")).Imposta(dP)
            && t->FieldByName(QStringLiteral("N_Circuiti")).Imposta(int(a.Collettori()[k].circuiti.size()))
            && t->FieldByName(QStringLiteral("Descrizione")).Imposta(tipo) && t->Post();
        if (!ok) {
            t->Cancel();
            cursore(false);
            return TEsitoTipo::Interrotto;
        }
    }
    cursore(false);
    return TEsitoTipo::Calcolato;
}

namespace {
// Percorre insieme i collettori dell'albero e le righe di AuxCollettori, una riga per collettore;
// un collettore senza circuiti salta anche la sua riga. Il passo restituisce false per fermarsi.
bool PercorriCollettori(TDati& dati, const TAssegnazione& a, const std::function<bool(int, TTabella&)>& passo)
{
    TTabella* t = dati.AuxCollettori;
    const int posizione = t->RecNo();
    t->DisableControls();
    t->First();
    bool ok = true;
    for (int k = 0; k < a.NumeroCollettori() && !t->Eof(); ++k) {
        if (!a.Collettori()[k].circuiti.isEmpty() && !passo(k, *t)) {
            t->Cancel();
            ok = false;
            break;
        }
        t->Next();
    }
    t->VaiA(posizione);
    t->EnableControls();
    return ok;
}
} // namespace

bool RicalcolaPerditeCollettori(TDati& dati, const TAssegnazione& a)
{
    return PercorriCollettori(dati, a, [&](int k, TTabella& t) {
        const double kvta = KvtaCollettore(dati, t.FieldByName(QStringLiteral("Descrizione")).AsString());
        double dP = 0;
        return PerditaCollettore(a, k, kvta, dP) && t.FieldByName(QStringLiteral("dP")).Imposta(dP) && t.Post();
    });
}

bool AggiornaTipoCollettori(TDati& dati, const TAssegnazione& a, const QString& tipo)
{
    const double kvta = KvtaCollettore(dati, tipo);
    return PercorriCollettori(dati, a, [&](int k, TTabella& t) {
        double dP = 0;
        return PerditaCollettore(a, k, kvta, dP) && t.FieldByName(QStringLiteral("Descrizione")).Imposta(tipo)
            && t.FieldByName(QStringLiteral("dP")).Imposta(dP) && t.Post();
    });
}
