#include "data/Utabella.h"

#include "data/Umessaggi.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- TDefCampo / TCampo

bool TDefCampo::numerico() const
{
    switch (tipo) {
    case TTipoCampo::Small:
    case TTipoCampo::Intero:
    case TTipoCampo::AutoInc:
    case TTipoCampo::Reale:
        return true;
    default:
        return false;
    }
}

const QString& TCampo::Nome() const
{
    return m_ds->DefCampo(m_indice).nome;
}

TTipoCampo TCampo::Tipo() const
{
    return m_ds->DefCampo(m_indice).tipo;
}

QVariant TCampo::Valore() const
{
    return m_ds->valoreCorrente(m_indice);
}

bool TCampo::IsNull() const
{
    const QVariant v = Valore();
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QString TCampo::AsString() const
{
    const QVariant v = Valore();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

int TCampo::AsInteger() const
{
    const QVariant v = Valore();
    if (v.typeId() == QMetaType::Double)
        return int(std::lround(v.toDouble()));
    if (v.typeId() == QMetaType::QString)
        return v.toString().trimmed().toInt();
    return v.toInt();
}

double TCampo::AsFloat() const
{
    const QVariant v = Valore();
    if (v.typeId() == QMetaType::QString)
        return v.toString().trimmed().toDouble();
    return v.toDouble();
}

bool TCampo::AsBoolean() const
{
    const QVariant v = Valore();
    if (v.typeId() == QMetaType::QString)
        return v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
            || v.toString() == QLatin1String("1");
    return v.toBool();
}

bool TCampo::Imposta(const QVariant& valore)
{
    return m_ds->impostaCampo(m_indice, valore);
}

// ---------------------------------------------------------------- TDataSet

TDataSet::TDataSet(QSqlDatabase db, QObject* parent)
    : QObject(parent)
    , m_db(db)
{ }

void TDataSet::Close()
{
    m_righe.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    impostaStato(TStato::Inattiva);
    notificaDati();
}

// Un record in modifica che non si riesce a registrare ferma ogni giro della tabella: il cursore
// resta sul record e Eof() diventa vero, così nessun ciclo First/Next gira all'infinito
// ripetendo il messaggio del rifiuto.
void TDataSet::First()
{
    if (!lasciaRecord()) {
        m_eof = true;
        return;
    }
    m_pos = m_righe.isEmpty() ? -1 : 0;
    m_eof = m_righe.isEmpty();
    m_bof = true;
    notificaDati();
}

void TDataSet::Next()
{
    if (!lasciaRecord()) {
        m_eof = true;
        return;
    }
    m_bof = false;
    if (m_pos + 1 < m_righe.size())
        ++m_pos;
    else
        m_eof = true;
    notificaDati();
}

void TDataSet::Prior()
{
    if (!lasciaRecord())
        return;
    m_eof = false;
    if (m_pos > 0)
        --m_pos;
    else
        m_bof = true;
    notificaDati();
}

void TDataSet::Last()
{
    if (!lasciaRecord()) {
        m_eof = true;
        return;
    }
    m_pos = int(m_righe.size()) - 1;
    m_eof = true;
    m_bof = m_righe.isEmpty();
    notificaDati();
}

bool TDataSet::VaiA(int riga)
{
    if (riga < 0 || riga >= m_righe.size())
        return false;
    // Registrare il record in modifica può riordinare le righe: si va al record scelto, non alla posizione.
    const qint64 scelto = m_righe[riga].rowid;
    if (!lasciaRecord())
        return false;
    for (int i = 0; i < m_righe.size() && scelto >= 0; ++i)
        if (m_righe[i].rowid == scelto)
            riga = i;
    m_pos = riga;
    m_eof = m_bof = false;
    notificaDati();
    return true;
}

bool TDataSet::Locate(const QString& campo, const QVariant& valore, bool senzaMaiuscole)
{
    const int c = IndiceCampo(campo);
    if (c < 0 || !lasciaRecord())
        return false;
    for (int i = 0; i < m_righe.size(); ++i) {
        const QVariant v = ValoreRiga(i, c);
        const bool uguale = (v.typeId() == QMetaType::QString || valore.typeId() == QMetaType::QString)
            ? v.toString().compare(valore.toString(), senzaMaiuscole ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0
            : v == valore;
        if (uguale && !v.isNull()) {
            m_pos = i;
            m_eof = m_bof = false;
            notificaDati();
            return true;
        }
    }
    return false;
}

int TDataSet::IndiceCampo(const QString& nome) const
{
    // Quasi sempre il nome arriva scritto come nello schema: il confronto esatto costa meno.
    for (int i = 0; i < m_campi.size(); ++i)
        if (m_campi[i].nome == nome)
            return i;
    for (int i = 0; i < m_campi.size(); ++i)
        if (m_campi[i].nome.compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TCampo TDataSet::FieldByName(const QString& nome)
{
    const int i = IndiceCampo(nome);
    if (i < 0)
        qFatal("Campo %s inesistente in %s", qPrintable(nome), qPrintable(objectName()));
    return TCampo(this, i);
}

TDefCampo& TDataSet::DefCampo(const QString& nome)
{
    const int i = IndiceCampo(nome);
    Q_ASSERT(i >= 0);
    return m_campi[i];
}

QStringList TDataSet::NomiCampi() const
{
    QStringList l;
    for (const auto& c : m_campi)
        l << c.nome;
    return l;
}

QVariant TDataSet::valoreRicerca(const TDefCampo& def, const QVector<QVariant>& valori) const
{
    if (!def.tabRicerca)
        return {};
    const int k = IndiceCampo(def.chiave);
    const int kr = def.tabRicerca->IndiceCampo(def.campoRicerca);
    const int rr = def.tabRicerca->IndiceCampo(def.campoRisultato);
    if (k < 0 || kr < 0 || rr < 0 || valori[k].isNull())
        return {};
    const QString chiave = valori[k].toString();
    for (int i = 0; i < def.tabRicerca->RecordCount(); ++i)
        if (def.tabRicerca->ValoreRiga(i, kr).toString() == chiave)
            return def.tabRicerca->ValoreRiga(i, rr);
    return {};
}

QVariant TDataSet::ValoreRiga(int riga, int campo) const
{
    if (riga < 0 || riga >= m_righe.size() || campo < 0 || campo >= m_campi.size())
        return {};
    const auto& def = m_campi[campo];
    if (def.tipo == TTipoCampo::Lookup)
        return valoreRicerca(def, m_righe[riga].valori);
    return m_righe[riga].valori[campo];
}

QVariant TDataSet::valoreCorrente(int indice) const
{
    if (indice < 0 || indice >= m_campi.size())
        return {};
    const bool inModifica = m_stato == TStato::Modifica || m_stato == TStato::Inserimento;
    if (!inModifica)
        return ValoreRiga(m_pos, indice);
    const auto& def = m_campi[indice];
    if (def.tipo == TTipoCampo::Lookup)
        return valoreRicerca(def, m_buffer.valori);
    return m_buffer.valori[indice];
}

bool TDataSet::impostaCampo(int, const QVariant&)
{
    return false;
}

void TDataSet::EnableControls()
{
    if (m_disabilitati > 0 && --m_disabilitati == 0 && m_notificaRimandata) {
        m_notificaRimandata = false;
        Q_EMIT datiCambiati();
    }
}

void TDataSet::notificaDati()
{
    if (m_disabilitati > 0)
        m_notificaRimandata = true;
    else
        Q_EMIT datiCambiati();
}

void TDataSet::notificaStato()
{
    Q_EMIT statoCambiato();
}

void TDataSet::notificaCampo(int indice)
{
    if (m_disabilitati > 0)
        m_notificaRimandata = true;
    else
        Q_EMIT campoCambiato(indice);
}

void TDataSet::caricato()
{
    m_pos = m_righe.isEmpty() ? -1 : 0;
    m_eof = m_righe.isEmpty();
    m_bof = true;
    impostaStato(TStato::Consultazione);
    notificaDati();
}

void TDataSet::impostaStato(TStato s)
{
    if (m_stato == s)
        return;
    m_stato = s;
    notificaStato();
}

QVariant TDataSet::converti(const TDefCampo& def, const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (def.tipo) {
    case TTipoCampo::Testo: {
        QString s = v.toString();
        if (def.dimensione > 0 && s.size() > def.dimensione)
            s.truncate(def.dimensione);
        return s;
    }
    case TTipoCampo::Memo:
    case TTipoCampo::Lookup:
        return v.toString();
    case TTipoCampo::Small:
    case TTipoCampo::Intero:
    case TTipoCampo::AutoInc: {
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
            return QVariant(int(std::lround(v.toDouble())));
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    case TTipoCampo::Reale: {
        bool ok = false;
        const double d = v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    case TTipoCampo::Booleano:
        if (v.typeId() == QMetaType::QString)
            return QVariant(v.toString() == QLatin1String("1")
                            || v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
        return QVariant(v.toBool());
    }
    return v;
}

// ---------------------------------------------------------------- TTabella

TTabella::TTabella(QSqlDatabase db, const QString& nomeFisico, const QString& ordine, QObject* parent)
    : TDataSet(db, parent)
    , m_nome(nomeFisico)
    , m_ordine(ordine)
{
    setObjectName(nomeFisico);
}

static TTipoCampo tipoDaDichiarazione(const QString& dich, bool chiaveAuto, int& dimensione)
{
    const QString t = dich.toUpper();
    dimensione = 0;
    if (chiaveAuto)
        return TTipoCampo::AutoInc;
    if (t.contains(QLatin1String("MEMO")) || t == QLatin1String("TEXT") || t.isEmpty())
        return TTipoCampo::Memo;
    if (t.contains(QLatin1String("CHAR")) || t.startsWith(QLatin1String("TEXT"))) {
        const int a = t.indexOf(u'('), b = t.indexOf(u')');
        if (a > 0 && b > a)
            dimensione = t.mid(a + 1, b - a - 1).toInt();
        return TTipoCampo::Testo;
    }
    if (t.contains(QLatin1String("SMALLINT")))
        return TTipoCampo::Small;
    if (t.contains(QLatin1String("BOOL")))
        return TTipoCampo::Booleano;
    if (t.contains(QLatin1String("INT")))
        return TTipoCampo::Intero;
    if (t.contains(QLatin1String("FLOAT")) || t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("DOUB"))
        || t.contains(QLatin1String("NUM")))
        return TTipoCampo::Reale;
    return TTipoCampo::Memo;
}

void TTabella::leggiSchema()
{
    m_campi.clear();
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"));
    q.addBindValue(m_nome);
    q.exec();
    QVector<TDefCampo> campi;
    while (q.next()) {
        TDefCampo d;
        d.nome = q.value(0).toString();
        const bool autoinc = q.value(2).toInt() == 1
            && q.value(1).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        d.tipo = tipoDaDichiarazione(q.value(1).toString(), autoinc, d.dimensione);
        campi << d;
    }
    for (int i = 0; i < m_ricerche.size(); ++i)
        campi.insert(qMin(m_posRicerche[i], int(campi.size())), m_ricerche[i]);
    m_campi = campi;
    m_chiaviRegole.clear();
    for (const TDefCampo& d : m_campi)
        m_chiaviRegole << d.nome.toUpper();
    m_campoOrdine = m_ordine.isEmpty() ? -1 : IndiceCampo(m_ordine);
}

bool TTabella::Open()
{
    if (Active())
        Close();
    leggiSchema();
    if (m_campi.isEmpty())
        return false;
    QStringList colonne;
    for (const auto& c : m_campi)
        if (c.memorizzato())
            colonne << QLatin1Char('"') + c.nome + QLatin1Char('"');
    QString sql = QStringLiteral("SELECT rowid, %1 FROM \"%2\"").arg(colonne.join(u','), m_nome);
    sql += m_campoOrdine >= 0 ? QStringLiteral(" ORDER BY \"%1\", rowid").arg(m_ordine)
                              : QStringLiteral(" ORDER BY rowid");
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    m_erroreSql = QSqlError();
    if (!q.exec(sql)) {
        m_erroreSql = q.lastError();
        return false;
    }
    while (q.next()) {
        Riga r;
        r.rowid = q.value(0).toLongLong();
        r.valori.resize(m_campi.size());
        int col = 1;
        for (int i = 0; i < m_campi.size(); ++i)
            if (m_campi[i].memorizzato())
                r.valori[i] = converti(m_campi[i], q.value(col++));
        m_righe << r;
    }
    // Una lettura interrotta (file danneggiato) non lascia una tabella a metà che sembri intera.
    if (q.lastError().type() != QSqlError::NoError) {
        m_erroreSql = q.lastError();
        m_righe.clear();
        return false;
    }
    caricato();
    return true;
}

void TTabella::Close()
{
    TDataSet::Close();
}

void TTabella::Refresh()
{
    const qint64 corrente = (m_pos >= 0 && m_pos < m_righe.size()) ? m_righe[m_pos].rowid : -1;
    Open();
    for (int i = 0; i < m_righe.size(); ++i)
        if (m_righe[i].rowid == corrente)
            m_pos = i, m_eof = m_bof = false;
    notificaDati();
}

void TTabella::AggiungiRicerca(int posizione, const QString& nome, const QString& chiave, TDataSet* tabRicerca,
                               const QString& campoRicerca, const QString& campoRisultato)
{
    TDefCampo d;
    d.nome = nome;
    d.tipo = TTipoCampo::Lookup;
    d.chiave = chiave;
    d.tabRicerca = tabRicerca;
    d.campoRicerca = campoRicerca;
    d.campoRisultato = campoRisultato;
    m_ricerche << d;
    m_posRicerche << posizione;
    // La tabella di ricerca, quando cambia, cambia anche ciò che questa mostra.
    connect(tabRicerca, &TDataSet::datiCambiati, this, &TTabella::notificaDati, Qt::UniqueConnection);
}

bool TTabella::lasciaRecord()
{
    if (m_stato == TStato::Modifica || m_stato == TStato::Inserimento)
        return Post();
    return true;
}

void TTabella::nuovoRecord(bool inCoda)
{
    if (!Active() || m_solaLettura || !lasciaRecord())
        return;
    m_buffer = Riga();
    m_buffer.valori.resize(m_campi.size());
    if (inCoda)
        m_pos = int(m_righe.size()) - 1;
    impostaStato(TStato::Inserimento);
    m_eof = m_bof = false;
    if (OnNewRecord) {
        m_dentroEvento = true;
        OnNewRecord(*this);
        m_dentroEvento = false;
    }
    m_iniziali = m_buffer.valori;
    notificaDati();
}

void TTabella::Insert()
{
    nuovoRecord(false);
}

void TTabella::Append()
{
    nuovoRecord(true);
}

void TTabella::Edit()
{
    if (!Active() || m_solaLettura || m_stato == TStato::Modifica || m_stato == TStato::Inserimento)
        return;
    if (m_righe.isEmpty() || m_pos < 0) {
        Append();
        return;
    }
    m_buffer = m_righe[m_pos];
    m_iniziali = m_buffer.valori;
    impostaStato(TStato::Modifica);
}

int TTabella::CampiCambiati() const
{
    if (m_stato != TStato::Modifica && m_stato != TStato::Inserimento)
        return 0;
    int n = 0;
    for (int i = 0; i < m_campi.size() && i < m_iniziali.size(); ++i) {
        const QVariant& a = m_iniziali[i];
        const QVariant& b = m_buffer.valori[i];
        if (m_campi[i].memorizzato() && (a.isNull() != b.isNull() || a != b))
            ++n;
    }
    return n;
}

void TTabella::Cancel()
{
    if (m_stato != TStato::Modifica && m_stato != TStato::Inserimento)
        return;
    m_buffer = Riga();
    impostaStato(TStato::Consultazione);
    if (m_pos >= m_righe.size())
        m_pos = int(m_righe.size()) - 1;
    m_eof = m_bof = m_righe.isEmpty();
    notificaDati();
}

int TTabella::posizioneOrdinata(const Riga& r, int escludi) const
{
    // La riga i va prima di r nell'ordine della tabella (campo d'ordine, nulli in testa, poi rowid).
    const auto prima = [&](int i) {
        if (m_campoOrdine < 0)
            return m_righe[i].rowid < r.rowid;
        const QVariant& a = m_righe[i].valori[m_campoOrdine];
        const QVariant& b = r.valori[m_campoOrdine];
        return QVariant::compare(a, b) == QPartialOrdering::Less || (a == b && m_righe[i].rowid < r.rowid)
            || (a.isNull() && !b.isNull());
    };
    // Le righe sono in ordine: la posizione è il confine fra quelle che vanno prima e le altre,
    // trovato per bisezione (una riga alla volta, mille importate costerebbero un milione di confronti).
    const auto indice = [&](int k) { return escludi >= 0 && k >= escludi ? k + 1 : k; };
    const int n = int(m_righe.size()) - (escludi >= 0 ? 1 : 0);
    int basso = 0, alto = n;
    while (basso < alto) {
        const int medio = basso + (alto - basso) / 2;
        if (prima(indice(medio)))
            basso = medio + 1;
        else
            alto = medio;
    }
    // Se il confine non è netto (valori che non si confrontano) vale il conteggio di sempre.
    const bool netto = (basso == 0 || prima(indice(basso - 1))) && (basso == n || !prima(indice(basso)));
    if (netto)
        return basso;
    int pos = 0;
    for (int i = 0; i < m_righe.size(); ++i)
        if (i != escludi && prima(i))
            ++pos;
    return pos;
}

bool TTabella::scriviRiga(Riga& r, QString& errore)
{
    QStringList colonne, segnaposto, assegnazioni;
    QVariantList valori;
    for (int i = 0; i < m_campi.size(); ++i) {
        const auto& c = m_campi[i];
        if (!c.memorizzato() || (c.tipo == TTipoCampo::AutoInc && r.valori[i].isNull()))
            continue;
        colonne << QLatin1Char('"') + c.nome + QLatin1Char('"');
        segnaposto << QStringLiteral("?");
        assegnazioni << QLatin1Char('"') + c.nome + QStringLiteral("\"=?");
        QVariant v = r.valori[i];
        if (c.tipo == TTipoCampo::Booleano && !v.isNull())
            v = v.toBool() ? 1 : 0;
        valori << v;
    }
    QSqlQuery q(m_db);
    const bool nuova = r.rowid < 0;
    if (nuova)
        q.prepare(colonne.isEmpty() ? QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(m_nome)
                                    : QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                          .arg(m_nome, colonne.join(u','), segnaposto.join(u',')));
    else
        q.prepare(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid=?").arg(m_nome, assegnazioni.join(u',')));
    for (const QVariant& v : valori)
        q.addBindValue(v);
    if (!nuova)
        q.addBindValue(r.rowid);
    if (!q.exec()) {
        errore = q.lastError().text();
        return false;
    }
    if (nuova) {
        r.rowid = q.lastInsertId().toLongLong();
        for (int i = 0; i < m_campi.size(); ++i)
            if (m_campi[i].tipo == TTipoCampo::AutoInc && r.valori[i].isNull()) {
                QSqlQuery id(m_db);
                id.prepare(QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE rowid=?").arg(m_campi[i].nome, m_nome));
                id.addBindValue(r.rowid);
                if (id.exec() && id.next())
                    r.valori[i] = id.value(0);
            }
    }
    return true;
}

bool TTabella::Post()
{
    if (m_stato != TStato::Modifica && m_stato != TStato::Inserimento)
        return true;
    if (BeforePost && !BeforePost(*this))
        return false;
    QString errore;
    if (!scriviRiga(m_buffer, errore)) {
        TAzioneErrore azione = TAzioneErrore::Fallisci;
        if (OnPostError)
            OnPostError(*this, errore, azione);
        if (azione == TAzioneErrore::Fallisci)
            TMessaggi::Errore(errore);
        return false;
    }
    const bool nuova = m_stato == TStato::Inserimento;
    const int vecchia = nuova ? -1 : m_pos;
    // Una riga registrata com'era non è una modifica del progetto.
    const bool cambiata = nuova || m_righe[vecchia].valori != m_buffer.valori;
    const int pos = posizioneOrdinata(m_buffer, vecchia);
    if (!nuova)
        m_righe.remove(vecchia);
    m_righe.insert(pos, m_buffer);
    m_pos = pos;
    m_buffer = Riga();
    m_eof = m_bof = false;
    impostaStato(TStato::Consultazione);
    notificaDati();
    if (AfterPost)
        AfterPost(*this);
    if (cambiata)
        Q_EMIT registrata();
    return true;
}

bool TTabella::Delete()
{
    if (m_stato == TStato::Inserimento) {
        Cancel();
        return true;
    }
    if (m_stato == TStato::Modifica)
        Cancel();
    if (!Active() || m_solaLettura || m_pos < 0 || m_pos >= m_righe.size())
        return false;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE rowid=?").arg(m_nome));
    q.addBindValue(m_righe[m_pos].rowid);
    if (!q.exec()) {
        TMessaggi::Errore(q.lastError().text());
        return false;
    }
    m_righe.remove(m_pos);
    if (m_pos >= m_righe.size())
        m_pos = int(m_righe.size()) - 1;
    m_eof = m_bof = m_righe.isEmpty();
    notificaDati();
    if (AfterDelete)
        AfterDelete(*this);
    Q_EMIT registrata();
    return true;
}

void TTabella::Svuota()
{
    if (!Active())
        return;
    if (m_stato != TStato::Consultazione)
        Cancel();
    DisableControls();
    First();
    while (!IsEmpty())
        if (!Delete())
            break;
    EnableControls();
}

bool TTabella::AggiungiRighe(const QList<QVector<QVariant>>& righe, QString& errore)
{
    if (!Active() || m_solaLettura || m_stato != TStato::Consultazione) {
        errore = QCoreApplication::translate("TTabella", "tabella non disponibile");
        return false;
    }
    QStringList colonne, segnaposto;
    QList<int> indici, autoinc;
    for (int i = 0; i < m_campi.size(); ++i) {
        if (!m_campi[i].memorizzato())
            continue;
        if (m_campi[i].tipo == TTipoCampo::AutoInc) {
            autoinc << i;
            continue;
        }
        colonne << QLatin1Char('"') + m_campi[i].nome + QLatin1Char('"');
        segnaposto << QStringLiteral("?");
        indici << i;
    }
    // Un punto di ripristino vale anche dentro la transazione di chi chiama.
    const auto esegui = [this](const QString& sql) { return QSqlQuery(m_db).exec(sql); };
    if (!esegui(QStringLiteral("SAVEPOINT aggiungi_righe"))) {
        errore = m_db.lastError().text();
        return false;
    }
    QSqlQuery q(m_db);
    QSqlQuery id(m_db);
    bool ok = q.prepare(
        QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(m_nome, colonne.join(u','), segnaposto.join(u',')));
    if (ok && !autoinc.isEmpty()) {
        QStringList nomi;
        for (int i : autoinc)
            nomi << QLatin1Char('"') + m_campi[i].nome + QLatin1Char('"');
        ok = id.prepare(QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid=?").arg(nomi.join(u','), m_nome));
    }
    QVector<Riga> nuove;
    nuove.reserve(righe.size());
    for (qsizetype r = 0; ok && r < righe.size(); ++r) {
        Riga riga;
        riga.valori = righe[r];
        if (riga.valori.size() != m_campi.size())
            riga.valori.resize(m_campi.size());
        for (int k = 0; k < indici.size(); ++k) {
            const int i = indici[k];
            const QVariant& v = riga.valori[i];
            q.bindValue(k, m_campi[i].tipo == TTipoCampo::Booleano && !v.isNull() ? QVariant(v.toBool() ? 1 : 0) : v);
        }
        ok = q.exec();
        if (!ok)
            break;
        riga.rowid = q.lastInsertId().toLongLong();
        if (!autoinc.isEmpty()) {
            id.bindValue(0, riga.rowid);
            ok = id.exec() && id.next();
            for (int k = 0; ok && k < autoinc.size(); ++k)
                riga.valori[autoinc[k]] = id.value(k);
        }
        nuove.append(std::move(riga));
    }
    if (!ok) {
        errore = q.lastError().isValid() ? q.lastError().text() : id.lastError().text();
        esegui(QStringLiteral("ROLLBACK TO aggiungi_righe"));
        esegui(QStringLiteral("RELEASE aggiungi_righe"));
        return false;
    }
    if (!esegui(QStringLiteral("RELEASE aggiungi_righe"))) {
        errore = m_db.lastError().text();
        esegui(QStringLiteral("ROLLBACK TO aggiungi_righe"));
        esegui(QStringLiteral("RELEASE aggiungi_righe"));
        return false;
    }
    // Le righe tornano nell'ordine della tabella in una volta sola.
    m_righe.append(nuove);
    const int ordine = m_campoOrdine;
    std::stable_sort(m_righe.begin(), m_righe.end(), [ordine](const Riga& a, const Riga& b) {
        if (ordine >= 0) {
            const QVariant &va = a.valori[ordine], &vb = b.valori[ordine];
            if (va.isNull() != vb.isNull())
                return va.isNull();
            const QPartialOrdering o = QVariant::compare(va, vb);
            if (o == QPartialOrdering::Less || o == QPartialOrdering::Greater)
                return o == QPartialOrdering::Less;
        }
        return a.rowid < b.rowid;
    });
    if (!nuove.isEmpty()) {
        m_pos = 0;
        m_eof = m_bof = false;
        notificaDati();
        Q_EMIT registrata();
    }
    return true;
}

void TTabella::rifiuta(const QString& messaggio)
{
    TMessaggi::Errore(messaggio);
}

bool TTabella::applicaValore(int indice, const QVariant& valore)
{
    if (m_buffer.valori[indice] == valore && m_buffer.valori[indice].isNull() == valore.isNull())
        return true;
    m_buffer.valori[indice] = valore;
    notificaCampo(indice);
    auto it = m_regole.constFind(m_chiaviRegole[indice]);
    if (it != m_regole.constEnd() && it->OnChange) {
        const auto onChange = it->OnChange; // il gestore può installare altre regole
        onChange(*this);
    }
    return true;
}

bool TTabella::impostaCampo(int indice, const QVariant& valore)
{
    if (indice < 0 || indice >= m_campi.size() || !Active() || m_solaLettura)
        return false;
    if (m_stato == TStato::Consultazione)
        Edit();
    if (m_stato != TStato::Modifica && m_stato != TStato::Inserimento)
        return false;
    const auto& def = m_campi[indice];
    if (def.tipo == TTipoCampo::Lookup) {
        // Scegliere la descrizione mostrata imposta la chiave della riga corrispondente.
        const int k = IndiceCampo(def.chiave);
        const int kr = def.tabRicerca->IndiceCampo(def.campoRicerca);
        const int rr = def.tabRicerca->IndiceCampo(def.campoRisultato);
        QVariant chiave;
        for (int i = 0; i < def.tabRicerca->RecordCount() && kr >= 0 && rr >= 0; ++i)
            if (def.tabRicerca->ValoreRiga(i, rr).toString() == valore.toString()) {
                chiave = def.tabRicerca->ValoreRiga(i, kr);
                break;
            }
        return k >= 0 && impostaCampo(k, chiave);
    }
    const QVariant nuovo = converti(def, valore);
    if (nuovo.isNull() && !valore.isNull()
        && !(valore.typeId() == QMetaType::QString && valore.toString().trimmed().isEmpty())) {
        rifiuta(QCoreApplication::translate("TTabella", "'%1' non è un valore valido per il campo %2.")
                    .arg(valore.toString(), def.nome));
        return false;
    }
    auto it = m_regole.constFind(m_chiaviRegole[indice]);
    if (it != m_regole.constEnd()) {
        if (it->vincolo && !nuovo.isNull() && !it->vincolo(nuovo)) {
            rifiuta(it->messaggioVincolo);
            return false;
        }
        if (it->OnValidate) {
            const auto valida = it->OnValidate;
            if (!valida(*this, nuovo))
                return false;
        }
    }
    return applicaValore(indice, nuovo);
}
