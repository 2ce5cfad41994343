#include "progetto/Ufile.h"

#include "data/Udatabase.h"
#include "data/Ufilenormale.h"
#include "data/Umessaggi.h"
#include "data/Uprogresso.h"
#include "data/Usalvataggio.h"
#include "progetto/Ublocco.h"
#include "progetto/Urecord.h"
#include "progetto/Ustato.h"
#include "progetto/Uverifica.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <cmath>
#include <span>

namespace {

// ---------------------------------------------------------------- colonne salvate

using T = TTipoRecord;

const TColonnaFile ColInfo[] = {
    {"PROGETTO", T::Testo}, {"COMMITTENTE", T::Testo}, {"PROGETTISTA", T::Testo},
    {"RIF", T::Testo},      {"DATA", T::Testo},        {"Commento", T::TestoLungo},
};

const TColonnaFile ColDGenerali[] = {
    {"COD_MASS", T::Testo},    {"LAMBDA_MASS", T::Reale}, {"SPESS_MASS", T::Intero}, {"COD_RIV", T::Testo},
    {"LAMBDA_RIV", T::Reale},  {"SPESS_RIV", T::Intero},  {"TIPO_RIV", T::Testo},    {"COD_SOL", T::Testo},
    {"LAMBDA_SOL", T::Reale},  {"SPESS_SOL", T::Intero},  {"COD_TUBO", T::Testo},    {"LAMBDA_TUBO", T::Reale},
    {"SPESS_TUBO", T::Intero}, {"DEST_TUBO", T::Reale},   {"COD_ISOL", T::Testo},    {"INTERASSE", T::Intero},
    {"DELTAT_MAX", T::Intero}, {"LUNGMAX", T::Intero},    {"TEMPVS", T::Intero},     {"RIF_COLL", T::Testo},
};

// TipoRiv è la descrizione derivata: si scrive come testo e, in lettura, la chiave vera arriva
// più avanti nella stessa riga (Rivestimento).
const TColonnaFile ColLocali[] = {
    {"TipoRiv", T::Testo},    {"ID", T::Intero},          {"Descrizione", T::Testo}, {"Piano", T::Testo},
    {"TAmbiente", T::Intero}, {"Area", T::Reale},         {"AreaUtile", T::Reale},   {"AreaMarginale", T::Reale},
    {"CTermico", T::Reale},   {"Rivestimento", T::Testo}, {"Lambda_Riv", T::Reale},  {"Spessore", T::Intero},
    {"DistColl", T::Intero},
};

const TColonnaFile ColRegol[] = {
    {"term", T::Testo},   {"qterm", T::Intero}, {"attuatore", T::Testo}, {"qattuat", T::Intero}, {"collcald", T::Testo},
    {"attmix", T::Testo}, {"regol", T::Testo},  {"qreg", T::Intero},     {"qcald", T::Intero},
};

const TColonnaFile ColCollettori[] = {
    {"TipoColl", T::Testo},    {"ID", T::Intero},     {"Nome", T::Testo}, {"Descrizione", T::Testo},
    {"N_Circuiti", T::Intero}, {"Portata", T::Reale}, {"dP", T::Reale},
};

const TColonnaFile ColCircuiti[] = {
    {"ID", T::Intero},         {"L_Rotolo", T::Intero},      {"Scarto", T::Intero},
    {"L_Circuito", T::Intero}, {"Descr_Circuito", T::Testo}, {"Coll", T::Testo},
    {"Piano", T::Testo},
};

const TColonnaFile ColRotoli[] = {
    {"ID", T::Intero}, {"Cod_Esteso", T::Testo}, {"Rotolo", T::Intero}, {"Quanti", T::Intero}, {"Incluso", T::Flag},
};

const TColonnaFile ColCompAgg[] = {
    {"ID", T::Intero},      {"Descrizione", T::Testo}, {"Articolo", T::Testo},    {"Cod_Esteso", T::Testo},
    {"Unit_Mis", T::Testo}, {"Quantità", T::Reale},    {"Prezzo_Unit", T::Reale},
};

TCampo campo(TTabella* t, const TColonnaFile& c)
{
    return t->FieldByName(QString::fromUtf8(c.campo));
}

// ---------------------------------------------------------------- scrittura

void scriviRiga(TScrittoreRecord& w, TTabella* t, std::span<const TColonnaFile> colonne)
{
    for (const auto& c : colonne) {
        const TCampo f = campo(t, c);
        switch (c.tipo) {
        case T::Testo:
            w.Testo(f.AsString());
            break;
        case T::TestoLungo:
            w.Testo(f.AsString(), Record::TestoLungo);
            break;
        case T::Intero:
            w.Intero(f.AsInteger());
            break;
        case T::Reale:
            w.Reale(f.AsFloat());
            break;
        case T::Flag:
            w.Flag(f.AsBoolean());
            break;
        }
    }
}

// Conta le righe percorrendo la tabella dalla prima, scrive il conto e poi ogni riga; i
// controlli associati restano sospesi durante i due giri.
void scriviTabella(TScrittoreRecord& w, TTabella* t, std::span<const TColonnaFile> colonne)
{
    const int posizione = t->RecNo();
    t->DisableControls();
    int n = 0;
    for (t->First(); !t->Eof(); t->Next())
        ++n;
    w.Intero(n);
    for (t->First(); !t->Eof() && w.Ok(); t->Next())
        scriviRiga(w, t, colonne);
    t->VaiA(posizione);
    t->EnableControls();
}

// ---------------------------------------------------------------- lettura

// Legge i valori di una riga nell'ordine delle colonne; colonneAssenti sono i campi che il file
// non contiene (restano nulli nel vettore).
QVector<QVariant> leggiValori(TLettoreRecord& r, std::span<const TColonnaFile> colonne,
                              const char* colonnaAssente = nullptr)
{
    QVector<QVariant> v;
    v.reserve(int(colonne.size()));
    for (const auto& c : colonne) {
        if (colonnaAssente && qstrcmp(c.campo, colonnaAssente) == 0) {
            v << QVariant();
            continue;
        }
        switch (c.tipo) {
        case T::Testo:
            v << r.Testo();
            break;
        case T::TestoLungo:
            v << r.Testo(Record::TestoLungo);
            break;
        case T::Intero:
            v << QVariant(int(r.Intero()));
            break;
        case T::Reale: {
            // Infinito e NaN non sono misure: il file è guasto.
            const double x = r.Reale();
            if (!std::isfinite(x))
                r.Rifiuta();
            v << QVariant(x);
            break;
        }
        case T::Flag:
            v << QVariant(r.Flag());
            break;
        }
    }
    return v;
}

// Byte che una riga occupa nel file, senza la colonna assente.
qint64 byteRiga(std::span<const TColonnaFile> colonne, const char* colonnaAssente = nullptr)
{
    qint64 n = 0;
    for (const auto& c : colonne)
        if (!colonnaAssente || qstrcmp(c.campo, colonnaAssente) != 0)
            n += (c.tipo == T::TestoLungo ? Record::TestoLungo : Record::Testo) + 1;
    return n;
}

int indiceColonna(std::span<const TColonnaFile> colonne, const char* nome)
{
    for (int i = 0; i < int(colonne.size()); ++i)
        if (qstrcmp(colonne[i].campo, nome) == 0)
            return i;
    return -1;
}

// Assegna i valori al record corrente (in modifica o in inserimento), nell'ordine delle
// colonne, così le regole dei campi agiscono come per un inserimento a mano.
bool assegna(TTabella* t, std::span<const TColonnaFile> colonne, const QVector<QVariant>& valori)
{
    for (int i = 0; i < int(colonne.size()); ++i)
        if (!campo(t, colonne[i]).Imposta(valori[i]))
            return false;
    return true;
}

class TLettura
{
public:
    TLettura(TStatoProgetto& stato, QIODevice& d, const TAgganciLettura& agganci)
        : m_stato(stato)
        , m_dati(stato.Dati())
        , m_dispositivo(d)
        , m_r(d)
        , m_agganci(agganci)
    { }

    bool Esegui();
    void Fallisci(const QString& messaggio = MsgErroreCaricamento());

private:
    void preparaTabelle();
    bool leggiRiga(TTabella* t, std::span<const TColonnaFile> colonne, const char* assente = nullptr);
    bool leggiRighe(TTabella* t, std::span<const TColonnaFile> colonne, const char* assente = nullptr);
    bool leggiLocali(bool formatoCorrente);
    bool leggiCircuiti();
    void leggiAlbero();
    // Blocco aggiuntivo in coda: false se è danneggiato (il resto del progetto resta letto).
    bool leggiBlocco(bool formatoCorrente);
    // 0 toglie, 1 mette, altri valori lasciano com'era.
    static void applicaIndicatore(long long v, bool& indicatore)
    {
        if (v == 0 || v == 1)
            indicatore = v == 1;
    }
    void clessidra(bool b)
    {
        if (m_stato.Clessidra)
            m_stato.Clessidra(b);
    }

    TStatoProgetto& m_stato;
    TDati& m_dati;
    QIODevice& m_dispositivo;
    TLettoreRecord m_r;
    const TAgganciLettura& m_agganci;
    TProgresso* m_progresso = nullptr;
};

void TLettura::preparaTabelle()
{
    for (TTabella* t : {m_dati.AuxInfo, m_dati.AuxDGenerali}) {
        if (!t->Active())
            t->Open();
        t->First();
        t->Edit();
    }
    for (TTabella* t : {m_dati.AuxLocali, m_dati.AuxCollettori, m_dati.AuxCompAgg}) {
        t->Close();
        t->Open();
        t->Svuota();
    }
    for (TTabella* t : {m_dati.AuxCircuiti, m_dati.AuxRotoli}) {
        if (!t->Active())
            t->Open();
        t->Svuota();
    }
    if (!m_dati.AuxRegol->Active())
        m_dati.AuxRegol->Open();
    m_dati.AuxRegol->First();
    m_dati.AuxRegol->Edit();
}

// Riga di una tabella a record singolo, già in modifica.
bool TLettura::leggiRiga(TTabella* t, std::span<const TColonnaFile> colonne, const char* assente)
{
    const QVector<QVariant> v = leggiValori(m_r, colonne, assente);
    return m_r.Ok() && assegna(t, colonne, v) && t->Post();
}

// Conto e righe nuove di una tabella a più record.
bool TLettura::leggiRighe(TTabella* t, std::span<const TColonnaFile> colonne, const char* assente)
{
    const long long n = m_r.Intero();
    if (!m_r.ContoPossibile(n, byteRiga(colonne, assente)))
        return false;
    for (long long i = 0; i < n && m_r.Ok(); ++i) {
        const QVector<QVariant> v = leggiValori(m_r, colonne, assente);
        if (!m_r.Ok())
            return false;
        t->Insert();
        if (!assegna(t, colonne, v) || !t->Post())
            return false;
    }
    return m_r.Ok();
}

bool TLettura::leggiLocali(bool formatoCorrente)
{
    TTabella* t = m_dati.AuxLocali;
    const int iArea = indiceColonna(ColLocali, "Area");
    const int iUtile = indiceColonna(ColLocali, "AreaUtile");
    const int iMarginale = indiceColonna(ColLocali, "AreaMarginale");
    const char* assente = formatoCorrente ? nullptr : "AreaUtile";
    const long long n = m_r.Intero();
    if (!m_r.ContoPossibile(n, byteRiga(ColLocali, assente)))
        return false;
    for (long long i = 0; i < n && m_r.Ok(); ++i) {
        // Il formato precedente non ha AreaUtile: vale quanto l'area totale letta.
        QVector<QVariant> v = leggiValori(m_r, ColLocali, assente);
        if (!m_r.Ok())
            return false;
        if (!formatoCorrente)
            v[iUtile] = v[iArea];
        // Le aree stanno dove le mettono le regole della griglia (area utile da 1 m² all'area
        // del locale, marginale fino all'area utile): la lettura non passa dalla griglia, e aree
        // fuori misura farebbero dimensionare centinaia di migliaia di circuiti.
        const double area = v[iArea].toDouble(), utile = v[iUtile].toDouble(), marg = v[iMarginale].toDouble();
        t->Insert();
        if (!assegna(t, ColLocali, v) || !(utile >= 1 && utile <= area && marg >= 0 && marg <= utile) || !t->Post())
            return false;
    }
    return m_r.Ok();
}

bool TLettura::leggiCircuiti()
{
    TTabella* t = m_dati.AuxCircuiti;
    const int iRotolo = indiceColonna(ColCircuiti, "L_Rotolo");
    const int iScarto = indiceColonna(ColCircuiti, "Scarto");
    const long long n = m_r.Intero();
    if (!m_r.ContoPossibile(n, byteRiga(ColCircuiti)))
        return false;
    for (long long i = 0; i < n && m_r.Ok(); ++i) {
        QVector<QVariant> v = leggiValori(m_r, ColCircuiti);
        if (!m_r.Ok())
            return false;
        // Rotolo e scarto stanno solo sulla prima riga di ogni rotolo: le altre li hanno vuoti,
        // scritti come 0. Un rotolo lungo 0 non esiste, quindi 0 torna vuoto.
        if (v[iRotolo].toInt() == 0)
            v[iRotolo] = v[iScarto] = QVariant();
        t->Insert();
        if (!assegna(t, ColCircuiti, v) || !t->Post())
            return false;
    }
    return m_r.Ok();
}

void TLettura::leggiAlbero()
{
    TAssegnazione& a = m_stato.Assegnazione;
    a.Svuota();
    const long long nodi = m_r.Intero();
    if (!m_r.ContoPossibile(nodi, Record::Testo + 1 + Record::Nodo + 1))
        return;
    for (long long i = 0; i < nodi && m_r.Ok(); ++i) {
        const long long livello = m_r.Intero();
        const QString testo = m_r.Testo(Record::Nodo);
        if (!m_r.Ok())
            break;
        // Un circuito senza collettore prima di sé e i livelli sconosciuti si scartano.
        if (livello == 0)
            a.AggiungiCollettoreNodo(testo);
        else if (livello == 1)
            a.AggiungiCircuitoNodo(testo);
    }
    const long long righe = m_r.Intero();
    if (!m_r.ContoPossibile(righe, Record::Nodo + 1))
        return;
    for (long long i = 0; i < righe && m_r.Ok(); ++i) {
        const QString testo = m_r.Testo(Record::Nodo);
        if (m_r.Ok())
            a.AggiungiALista(testo);
    }
}

bool TLettura::Esegui()
{
    clessidra(true);
    preparaTabelle();

    const bool corrente = m_r.Testo() == EtichettaVersione && m_r.Ok();
    if (!corrente && !m_r.Riavvolgi())
        return false;

    if (!leggiRiga(m_dati.AuxInfo, ColInfo) || !leggiRiga(m_dati.AuxDGenerali, ColDGenerali))
        return false;
    if (!leggiLocali(corrente))
        return false;

    if (m_agganci.CreaFinestra && !m_agganci.CreaFinestra()) {
        // Una finestra di progetto è già aperta: ci si ferma qui.
        m_dati.AuxRegol->Cancel();
        clessidra(false);
        if (m_agganci.Fine)
            m_agganci.Fine(true);
        return true;
    }
    m_progresso = m_agganci.Progresso;
    if (m_progresso)
        m_progresso->Inizia(QCoreApplication::translate("Ufile", "Caricamento Progetto in corso..."), 800);
    m_r.ImpostaProgresso(m_progresso);

    // Il primo ricalcolo deve rileggere tutto.
    m_dati.DGeneraliModificati = true;
    m_dati.LocaliModificati = true;

    m_stato.TMandataSalvata = float(m_r.Reale());
    m_stato.ModoTMandata = int(m_r.Intero());
    m_stato.ModoRegolazione = int(m_r.Intero());
    if (!m_r.Ok() || !std::isfinite(m_stato.TMandataSalvata))
        return false;
    if (m_agganci.ApplicaModoRegolazione)
        m_agganci.ApplicaModoRegolazione(m_stato.ModoRegolazione);

    m_stato.RicalcolaProgetto();
    if (m_agganci.DopoRicalcolo)
        m_agganci.DopoRicalcolo();

    if (!leggiRiga(m_dati.AuxRegol, ColRegol))
        return false;

    applicaIndicatore(m_r.Intero(), m_stato.CollettoriConfermati);
    // Le liste caricate non vanno ricostruite al primo uso.
    m_stato.RisultatiRicalcolati = false;
    m_stato.ImpostazioniSalvate = false;

    leggiAlbero();
    if (!m_r.Ok())
        return false;
    m_stato.AllineaCircuiti();
    if (m_agganci.DopoAlbero)
        m_agganci.DopoAlbero();

    if (m_stato.CollettoriConfermati && !leggiRighe(m_dati.AuxCollettori, ColCollettori))
        return false;

    applicaIndicatore(m_r.Intero(), m_stato.OttimizzazioneEseguita);
    if (!m_r.Ok())
        return false;
    if (m_stato.OttimizzazioneEseguita) {
        QStringList stat;
        for (int i = 0; i < 4; ++i)
            stat << m_r.Testo();
        m_stato.StatOttimizzazione = stat;
        const long long opzione = m_r.Intero();
        if (opzione == 0 || opzione == 1)
            m_stato.OpzioneOttimizzazione = int(opzione);
        m_stato.ScartoMinMatassa = corrente ? int(m_r.Intero()) : 0;
        if (!m_r.Ok() || !leggiCircuiti() || !leggiRighe(m_dati.AuxRotoli, ColRotoli))
            return false;
    }

    if (m_agganci.ReimpostaCatalogo)
        m_agganci.ReimpostaCatalogo();
    m_dati.QCompAgg->Close();
    m_dati.QCompAgg->Open(QStringLiteral("Select * from CATALOGO ORDER BY DESCRIZIONE"));
    if (!leggiRighe(m_dati.AuxCompAgg, ColCompAgg))
        return false;
    const bool bloccoIntegro = leggiBlocco(corrente);

    if (m_progresso)
        m_progresso->Fine();
    clessidra(false);
    if (m_agganci.Fine)
        m_agganci.Fine(true);
    if (!bloccoIntegro)
        TMessaggi::Avviso(QCoreApplication::translate("Ufile", MsgBloccoDanneggiato));
    return true;
}

bool TLettura::leggiBlocco(bool formatoCorrente)
{
    m_stato.En1264 = TDatiEn1264();
    m_stato.Pianta = TPianta();
    m_stato.PiantaDanneggiata = false;
    m_stato.Posa = TImpostazioniPosa();
    m_stato.MinimoAcquisto = TMinimoAcquisto();
    m_stato.SezioniBlocco.clear();
    // Il formato precedente legge qualsiasi file senza messaggi: niente blocco lì.
    if (!formatoCorrente)
        return true;
    const TEsitoBlocco esito = LeggiBlocco(m_dispositivo, m_stato.SezioniBlocco);
    bool integro = esito == TEsitoBlocco::Assente || esito == TEsitoBlocco::Letto;
    const QByteArray en1264 = SezioneBlocco(m_stato.SezioniBlocco, NomeSezioneEn1264);
    if (!en1264.isEmpty()) {
        const auto dati = TDatiEn1264::Leggi(en1264);
        if (dati)
            m_stato.En1264 = *dati;
        integro = integro && dati.has_value();
    }
    if (const QByteArray posa = SezioneBlocco(m_stato.SezioniBlocco, NomeSezionePosa); !posa.isEmpty()) {
        const auto letta = TImpostazioniPosa::Leggi(posa);
        if (letta)
            m_stato.Posa = *letta;
        integro = integro && letta.has_value();
    }
    const QByteArray minimo = SezioneBlocco(m_stato.SezioniBlocco, NomeSezioneOttimizzazione);
    if (!minimo.isEmpty()) {
        const auto letto = TMinimoAcquisto::Leggi(minimo);
        // Senza ottimizzazione nelle righe a record fissi la sezione non descrive nulla.
        if (letto && m_stato.OttimizzazioneEseguita)
            m_stato.MinimoAcquisto = *letto;
        integro = integro && letto.has_value();
    }
    // Ogni sezione si legge per conto suo: una pianta rovinata non toglie il resto.
    const QByteArray pianta = SezioneBlocco(m_stato.SezioniBlocco, NomeSezionePianta);
    if (!pianta.isEmpty() && !m_stato.Pianta.Leggi(pianta)) {
        m_stato.Pianta = TPianta();
        m_stato.PiantaDanneggiata = true;
        integro = false;
    }
    return integro;
}

void TLettura::Fallisci(const QString& messaggio)
{
    // Nessuna riga resta a metà: quelle già registrate rimangono, quella in corso si annulla.
    for (TTabella* t : m_dati.Tabelle())
        if (t->Active())
            t->Cancel();
    if (m_progresso)
        m_progresso->Fine();
    clessidra(false);
    if (m_agganci.Fine)
        m_agganci.Fine(false);
    TMessaggi::AvvisoDomanda(messaggio);
}

} // namespace

// ---------------------------------------------------------------- interfaccia

std::span<const TColonnaFile> ColonneFile(const QString& tabella)
{
    static const QHash<QString, std::span<const TColonnaFile>> colonne = {
        {QStringLiteral("AuxInfo"), ColInfo},
        {QStringLiteral("AuxDGenerali"), ColDGenerali},
        {QStringLiteral("AuxLocali"), ColLocali},
        {QStringLiteral("AuxRegol"), ColRegol},
        {QStringLiteral("AuxCollettori"), ColCollettori},
        {QStringLiteral("AuxCircuiti"), ColCircuiti},
        {QStringLiteral("AuxRotoli"), ColRotoli},
        {QStringLiteral("AuxCompAgg"), ColCompAgg},
    };
    return colonne.value(tabella);
}

bool ScriviProgettoSu(TStatoProgetto& stato, QIODevice& dispositivo, TProgresso* progresso)
{
    TDati& d = stato.Dati();
    TScrittoreRecord w(dispositivo, progresso);

    w.Testo(EtichettaVersione);
    scriviRiga(w, d.AuxInfo, ColInfo);
    scriviRiga(w, d.AuxDGenerali, ColDGenerali);
    scriviTabella(w, d.AuxLocali, ColLocali);

    w.Temperatura(stato.TMandataSalvata);
    w.Intero(stato.ModoTMandata);

    // Un'assegnazione fatta su risultati non più validi non finisce nel file.
    if (!stato.RicalcolaProgetto())
        return false;
    stato.RicostruisciCollettori();

    w.Intero(stato.ModoRegolazione);
    scriviRiga(w, d.AuxRegol, ColRegol);
    w.Flag(stato.CollettoriConfermati);

    const TAssegnazione& a = stato.Assegnazione;
    w.Intero(a.NumeroNodi());
    for (const auto& c : a.Collettori()) {
        w.Intero(0);
        w.Testo(c.testo, Record::Nodo);
        for (const QString& e : c.circuiti) {
            w.Intero(1);
            w.Testo(e, Record::Nodo);
        }
    }
    w.Intero(a.Lista().size());
    for (const QString& e : a.Lista())
        w.Testo(e, Record::Nodo);

    if (stato.CollettoriConfermati)
        scriviTabella(w, d.AuxCollettori, ColCollettori);

    w.Flag(stato.OttimizzazioneEseguita);
    if (stato.OttimizzazioneEseguita) {
        for (int i = 0; i < 4; ++i)
            w.Testo(stato.StatOttimizzazione.value(i));
        w.Flag(stato.OpzioneOttimizzazione != 0);
        w.Intero(stato.ScartoMinMatassa);
        scriviTabella(w, d.AuxCircuiti, ColCircuiti);
        scriviTabella(w, d.AuxRotoli, ColRotoli);
    }

    scriviTabella(w, d.AuxCompAgg, ColCompAgg);

    TSezioniBlocco sezioni = stato.SezioniBlocco;
    ImpostaSezioneBlocco(sezioni, NomeSezioneEn1264, stato.En1264.Serializza());
    ImpostaSezioneBlocco(sezioni, NomeSezionePosa, stato.Posa.Serializza());
    ImpostaSezioneBlocco(sezioni, NomeSezioneOttimizzazione,
                         stato.OttimizzazioneEseguita ? stato.MinimoAcquisto.Serializza() : QByteArray());
    if (!stato.Pianta.Vuota() || !stato.PiantaDanneggiata)
        ImpostaSezioneBlocco(sezioni, NomeSezionePianta, stato.Pianta.Vuota() ? QByteArray() : stato.Pianta.Scrivi());
    ScriviBlocco(w, sezioni);
    return w.Ok();
}

bool SalvaSicuro(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi)
{
    // QSaveFile scrive in un temporaneo accanto al file e lo rinomina solo in commit().
    QSaveFile f(percorso);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!scrivi(f)) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return ConcludiSalvataggio(f);
}

bool ScriviProgetto(TStatoProgetto& stato, const QString& percorso, TProgresso* progresso)
{
    if (stato.Clessidra)
        stato.Clessidra(true);
    if (progresso)
        progresso->Inizia(QCoreApplication::translate("Ufile", "Salvataggio Progetto in corso..."), 2000);
    const bool ok = SalvaSicuro(percorso, [&](QIODevice& d) { return ScriviProgettoSu(stato, d, progresso); });
    if (progresso)
        progresso->Fine();
    if (stato.Clessidra)
        stato.Clessidra(false);
    if (!ok)
        TMessaggi::AvvisoDomanda(MsgErroreSalvataggio());
    return ok;
}

bool LeggiProgettoDa(TStatoProgetto& stato, QIODevice& dispositivo, const TAgganciLettura& agganci)
{
    TLettura l(stato, dispositivo, agganci);
    // Un file di altro genere non tocca le tabelle e non apre finestre. Un progetto guasto si
    // legge come sempre: la lettura si ferma sul primo guasto con il suo messaggio.
    if (FormaFile(dispositivo) == TFormaFile::Estraneo) {
        l.Fallisci(QCoreApplication::translate("Ufile", MsgNonProgetto));
        return false;
    }
    if (l.Esegui())
        return true;
    l.Fallisci();
    return false;
}

bool LeggiProgetto(TStatoProgetto& stato, const QString& percorso, const TAgganciLettura& agganci)
{
    QFile f(percorso);
    // Una cartella, una pipe o un dispositivo non si aprono nemmeno: la lettura non finirebbe.
    if (!EsaminaFile(percorso).Ok() || !f.open(QIODevice::ReadOnly)) {
        // Il file non si apre: errore di lettura, tabelle intatte.
        TLettura l(stato, f, agganci);
        l.Fallisci();
        return false;
    }
    return LeggiProgettoDa(stato, f, agganci);
}
