#pragma once
// Dataset a cursore sopra le tabelle SQLite: la semantica di record corrente, stati,
// eventi e vincoli su cui si appoggiano le regole dei dati, il file di progetto e le finestre.
#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

class TDataSet;
class TTabella;

enum class TTipoCampo { Testo, Small, Intero, AutoInc, Reale, Booleano, Memo, Lookup };

enum class TStato { Inattiva, Consultazione, Modifica, Inserimento };

// Quel che fa un errore di registrazione dopo il gestore OnPostError.
enum class TAzioneErrore { Fallisci, Interrompi };

struct TDefCampo
{
    QString nome;
    TTipoCampo tipo = TTipoCampo::Testo;
    int dimensione = 0; // caratteri massimi dei testi, 0 = senza limite

    // Solo per i campi di ricerca (non memorizzati): mostrano campoRisultato della riga di
    // tabRicerca in cui campoRicerca vale quanto il campo chiave di questa tabella.
    QString chiave;
    TDataSet* tabRicerca = nullptr;
    QString campoRicerca;
    QString campoRisultato;

    bool memorizzato() const { return tipo != TTipoCampo::Lookup; }
    bool numerico() const;
};

// Regole di un campo di tabella, installabili prima dell'apertura.
struct TRegoleCampo
{
    // Vincolo sul valore (i valori nulli passano) e messaggio mostrato quando è violato.
    std::function<bool(const QVariant&)> vincolo;
    QString messaggioVincolo;
    // OnValidate può rifiutare il nuovo valore restituendo false, dopo aver mostrato il proprio
    // messaggio; può anche cambiare altri campi. OnChange segue ogni cambiamento accettato.
    std::function<bool(TTabella&, const QVariant& nuovo)> OnValidate;
    std::function<void(TTabella&)> OnChange;
};

// Accesso a un campo del record corrente.
class TCampo
{
public:
    TCampo(TDataSet* ds, int indice)
        : m_ds(ds)
        , m_indice(indice)
    { }

    const QString& Nome() const;
    TTipoCampo Tipo() const;
    QVariant Valore() const;
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;

    // Assegna un valore (solo tabelle); false quando vincoli o eventi lo rifiutano.
    bool Imposta(const QVariant& valore);
    bool Clear() { return Imposta(QVariant()); }

private:
    TDataSet* m_ds;
    int m_indice;
};

// Base comune di tabelle e query: righe in memoria, cursore, lettura dei campi, osservatori.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QSqlDatabase db, QObject* parent = nullptr);

    bool Active() const { return m_stato != TStato::Inattiva; }
    TStato State() const { return m_stato; }
    virtual void Close();

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool IsEmpty() const { return m_righe.isEmpty() && m_stato != TStato::Inserimento; }
    int RecordCount() const { return int(m_righe.size()); }
    int RecNo() const { return m_pos; } // 0-based, -1 senza record
    // Porta il cursore sulla riga indicata (0-based) se esiste.
    bool VaiA(int riga);
    // Primo record in cui il campo vale il valore (testi confrontati senza maiuscole se richiesto).
    bool Locate(const QString& campo, const QVariant& valore, bool senzaMaiuscole = false);

    int IndiceCampo(const QString& nome) const; // -1 se assente
    TCampo FieldByName(const QString& nome);
    TCampo Campo(int indice) { return TCampo(this, indice); }
    int NumeroCampi() const { return int(m_campi.size()); }
    const TDefCampo& DefCampo(int indice) const { return m_campi[indice]; }
    // Anche sugli oggetti non costanti, perché DefCampo(0) non scelga la conversione 0 → QString.
    const TDefCampo& DefCampo(int indice) { return m_campi[indice]; }
    TDefCampo& DefCampo(const QString& nome);
    QStringList NomiCampi() const;

    // Valore di un campo in una riga qualunque (per griglie e viste, senza muovere il cursore).
    QVariant ValoreRiga(int riga, int campo) const;

    // Sospende il ridisegno dei controlli associati: finché il contatore è sopra zero non
    // partono notifiche; all'ultima riabilitazione ne parte una sola.
    void DisableControls() { ++m_disabilitati; }
    void EnableControls();
    bool ControlsDisabled() const { return m_disabilitati > 0; }

    // Valore corrente (buffer di modifica compreso) di un campo per indice.
    QVariant valoreCorrente(int indice) const;
    virtual bool impostaCampo(int indice, const QVariant& valore);

Q_SIGNALS:
    // Contenuto o posizione cambiati: le viste si aggiornano.
    void datiCambiati();
    // Cambio di stato (consultazione/modifica/inserimento, apertura, chiusura).
    void statoCambiato();
    // Un campo del record corrente ha cambiato valore.
    void campoCambiato(int indice);

protected:
    struct Riga
    {
        qint64 rowid = -1;
        QVector<QVariant> valori; // un elemento per campo (nullo per i campi di ricerca)
    };

    void notificaDati();
    void notificaStato();
    void notificaCampo(int indice);
    void impostaStato(TStato s);
    // Dopo un caricamento: cursore sulla prima riga, stato di consultazione, viste avvisate.
    void caricato();
    // Prima di muovere il cursore: le tabelle registrano il record in modifica.
    virtual bool lasciaRecord() { return true; }
    QVariant valoreRicerca(const TDefCampo& def, const QVector<QVariant>& valori) const;
    static QVariant converti(const TDefCampo& def, const QVariant& v);

    QSqlDatabase m_db;
    QVector<TDefCampo> m_campi;
    QVector<Riga> m_righe;
    Riga m_buffer; // record in modifica o in inserimento
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    TStato m_stato = TStato::Inattiva;
    int m_disabilitati = 0;
    bool m_notificaRimandata = false;
};

// Query SQL a sola lettura: il testo si sostituisce per intero e si riapre.
// I valori vengono sempre legati come parametri, mai incollati nel testo.
class TQuery : public TDataSet
{
    Q_OBJECT
public:
    explicit TQuery(QSqlDatabase db, QObject* parent = nullptr);

    void SetSQL(const QString& sql, const QVariantList& parametri = {});
    const QString& SQL() const { return m_sql; }
    // Esegue la query; false (con l'errore in UltimoErrore) se il database la rifiuta.
    bool Open();
    bool Open(const QString& sql, const QVariantList& parametri = {});
    const QString& UltimoErrore() const { return m_errore; }

    // Converte un modello con '*' come jolly in un modello LIKE (con '\' come escape).
    static QString ModelloLike(const QString& modello);

private:
    QString m_sql;
    QVariantList m_parametri;
    QString m_errore;
};

// Tabella modificabile: stati, eventi, vincoli e scrittura su SQLite.
class TTabella : public TDataSet
{
    Q_OBJECT
public:
    // ordine: colonna su cui sono ordinate le righe (come un indice primario); vuoto = ordine di inserimento.
    TTabella(QSqlDatabase db, const QString& nomeFisico, const QString& ordine = {}, QObject* parent = nullptr);

    const QString& NomeTabella() const { return m_nome; }
    bool SolaLettura() const { return m_solaLettura; }
    void ImpostaSolaLettura(bool s) { m_solaLettura = s; }

    // Apre la tabella leggendone lo schema e le righe; false se la tabella non esiste o se le
    // righe non si leggono tutte (l'errore in UltimoErroreSql).
    bool Open();
    const QSqlError& UltimoErroreSql() const { return m_erroreSql; }
    void Close() override;
    // Rilegge le righe dal database mantenendo, se possibile, il record corrente.
    void Refresh();

    void Insert();
    void Append();
    void Edit();
    // Registra il record in modifica; false se rifiutato (messaggi già mostrati).
    bool Post();
    void Cancel();
    // Cancella il record corrente (in inserimento equivale ad annullare).
    bool Delete();
    // Cancella tutte le righe (primo record, cancella finché vuota).
    void Svuota();

    // Valori del record in modifica o in inserimento, uno per campo.
    const QVector<QVariant>& ValoriInModifica() const { return m_buffer.valori; }
    // Campi memorizzati del record in modifica o in inserimento diversi da come erano all'inizio
    // della modifica (in inserimento: dopo i valori iniziali di OnNewRecord).
    int CampiCambiati() const;
    // Il record all'inizio della modifica o dell'inserimento, uno per campo.
    const QVector<QVariant>& ValoriIniziali() const { return m_iniziali; }
    // Registra in blocco righe già passate per le regole (come ValoriInModifica), senza eventi:
    // tutte o nessuna, con una sola istruzione preparata, un solo avviso alle viste e un solo
    // registrata(). Serve solo in consultazione; false con l'errore del database.
    bool AggiungiRighe(const QList<QVector<QVariant>>& righe, QString& errore);

    // Aggiunge un campo di ricerca non memorizzato alla posizione indicata.
    void AggiungiRicerca(int posizione, const QString& nome, const QString& chiave, TDataSet* tabRicerca,
                         const QString& campoRicerca, const QString& campoRisultato);

    bool impostaCampo(int indice, const QVariant& valore) override;

    // Regole (vincolo, eventi) di un campo, per nome; valgono anche prima dell'apertura.
    TRegoleCampo& Regole(const QString& campo) { return m_regole[campo.toUpper()]; }

    // Eventi della tabella. BeforePost restituisce false per annullare in silenzio.
    std::function<void(TTabella&)> OnNewRecord;
    std::function<bool(TTabella&)> BeforePost;
    std::function<void(TTabella&)> AfterPost;
    std::function<void(TTabella&)> AfterDelete;
    std::function<void(TTabella&, const QString& errore, TAzioneErrore& azione)> OnPostError;

Q_SIGNALS:
    // Una riga nuova o cambiata è stata scritta nel database, o una riga è stata cancellata.
    void registrata();

protected:
    bool lasciaRecord() override;

private:
    void leggiSchema();
    void nuovoRecord(bool inCoda);
    int posizioneOrdinata(const Riga& r, int escludi) const;
    bool scriviRiga(Riga& r, QString& errore);
    void rifiuta(const QString& messaggio);
    bool applicaValore(int indice, const QVariant& valore);

    QString m_nome;
    QString m_ordine;
    int m_campoOrdine = -1;
    bool m_solaLettura = false;
    bool m_dentroEvento = false;
    QVector<TDefCampo> m_ricerche; // campi di ricerca aggiunti, reinseriti a ogni apertura
    QVector<int> m_posRicerche;
    QHash<QString, TRegoleCampo> m_regole;
    QVector<QString> m_chiaviRegole; // il nome di ogni campo in maiuscolo, chiave di m_regole
    QSqlError m_erroreSql;
    QVector<QVariant> m_iniziali; // il record all'inizio della modifica, per CampiCambiati
};
