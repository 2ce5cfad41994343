#pragma once
// Controlli associati ai dati: mostrano e modificano i campi di un dataset senza tenerne copia.
// Si aggiornano sui segnali del dataset, che tace finché i controlli sono sospesi.
#include "data/Utabella.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QToolButton;

// Testo di un valore per l'utente: numeri con il separatore decimale del sistema.
QString TestoValore(const QVariant& v, const QLocale& locale = QLocale());
// Valore da un testo scritto dall'utente, interpretato secondo il tipo del campo.
QVariant ValoreDaTesto(const QString& testo, TTipoCampo tipo, const QLocale& locale = QLocale());

// Modello di griglia sopra un dataset: una riga per record, una colonna per campo scelto.
// La riga in inserimento compare in fondo finché non viene registrata.
class TModelloTabella : public QAbstractTableModel
{
    Q_OBJECT
public:
    TModelloTabella(TDataSet* ds, const QStringList& campi, const QStringList& intestazioni = {},
                    QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    TDataSet* DataSet() const { return m_ds; }
    const QStringList& Campi() const { return m_campi; }
    // Riga del modello che corrisponde al record corrente.
    int RigaCorrente() const;
    // Porta il cursore del dataset sulla riga (registrando prima un record in modifica).
    bool SelezionaRiga(int riga);
    // Cifre significative con cui si mostra un campo reale (0 = tutte quelle che servono).
    void ImpostaCifre(const QString& campo, int cifre);
    // Valore di un campo (anche non mostrato) nella riga, compresa quella in modifica.
    QVariant ValoreCampo(int riga, const QString& campo) const;
    // Il suggerimento di una cella (riga del modello, nome del campo); vuoto per nessuno.
    std::function<QString(int riga, const QString& campo)> SuggerimentoCella;

    // Colonna in coda ai campi con valori tenuti fuori dal dataset (per riga del modello).
    struct TColonnaAggiuntiva
    {
        QString titolo;
        Qt::ItemFlags flag;
        std::function<QVariant(int riga, int ruolo)> leggi;
        std::function<bool(int riga, const QVariant& valore, int ruolo)> scrivi;
    };
    void AggiungiColonna(TColonnaAggiuntiva colonna);

private:
    bool rigaInserita(int riga) const;
    QVariant valore(int riga, int colonna) const;
    void ricarica();

    TDataSet* m_ds;
    QStringList m_campi;
    QVector<int> m_indici;
    QStringList m_intestazioni;
    QVector<int> m_cifre;
    QLocale m_locale;
    int m_righeMostrate = 0;
    QVector<TColonnaAggiuntiva> m_aggiuntive;
};

// Griglia sopra un dataset: la riga selezionata è il record corrente, le celle si scrivono nel
// record. Freccia in giù sull'ultima riga aggiunge un record in coda, Esc lo annulla; Tab oltre
// l'ultima cella fa lo stesso, e su una riga nuova ancora vuota la lascia cadere ed esce dalla
// griglia (Shift+Tab esce dalla prima cella). Una colonna
// può avere una lista di scelta con i valori di un campo di un altro dataset.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    TDBGrid(TTabella* t, const QStringList& campi, const QStringList& titoli, QWidget* parent = nullptr);

    TModelloTabella* Modello() const { return m_modello; }
    TTabella* Tabella() const { return m_tabella; }
    // La colonna del campo si modifica scegliendo fra i valori di campoElenco delle righe di elenco.
    void ListaScelta(const QString& campo, TDataSet* elenco, const QString& campoElenco);
    // Larghezze delle colonne adatte ai titoli; le colonne elastiche si dividono lo spazio che resta.
    void AdattaColonne(const QStringList& elastiche);
    // Scrive nel record la cella che si sta modificando.
    void ConfermaCella();
    // Testo mostrato al centro della griglia quando non ci sono righe.
    void ImpostaTestoVuota(const QString& testo) { m_testoVuota = testo; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) override;
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    bool focusNextPrevChild(bool avanti) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void allinea();
    bool ultimaCella() const;
    bool primaCella() const;
    // Tab oltre l'ultima cella (avanti) o Shift+Tab prima della prima.
    void tabAlBordo(bool avanti);
    // Passa il fuoco al controllo che segue (o precede) la griglia.
    void esci(bool avanti);
    // Registra la riga corrente e, se nuova è vero e la riga è stata accettata, ne apre una in coda
    // sulla prima colonna. false se le regole rifiutano la riga (che resta in modifica).
    bool confermaRiga(bool nuova);

    TTabella* m_tabella;
    TModelloTabella* m_modello;
    QList<int> m_elastiche;
    QString m_testoVuota;
    bool m_allineando = false;
};

// Delegato delle griglie: una casella di testo con il valore completo del campo, o un elenco a
// discesa per le colonne con lista di scelta.
class TDelegatoGriglia : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void ListaScelta(int colonna, TDataSet* elenco, const QString& campo);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    struct TLista
    {
        QPointer<TDataSet> elenco;
        QString campo;
    };
    QHash<int, TLista> m_liste;
};

// Casella di testo legata a un campo del record corrente.
class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    TDBEdit(TDataSet* ds, const QString& campo, QWidget* parent = nullptr);
    void Aggiorna();
    // Scrive nel campo il testo modificato e non ancora confermato (prima di registrare).
    void Conferma();

private:
    QPointer<TDataSet> m_ds;
    QString m_campo;
    bool m_scrivendo = false;
};

// Testo lungo legato a un campo.
class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    TDBMemo(TDataSet* ds, const QString& campo, QWidget* parent = nullptr);
    void Aggiorna();
    void Conferma();
    // Caratteri al più accettati (0 = senza limite).
    void ImpostaLunghezzaMassima(int n) { m_massimo = n; }

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void tagliaEccesso();

    QPointer<TDataSet> m_ds;
    QString m_campo;
    int m_massimo = 0;
    bool m_scrivendo = false;
};

// Elenco a discesa di un catalogo: mostra campoMostrato, memorizza campoChiave nel campo legato.
class TDBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    TDBLookupComboBox(TDataSet* ds, const QString& campo, TDataSet* elenco, const QString& campoChiave,
                      const QString& campoMostrato, QWidget* parent = nullptr);
    void Aggiorna();
    // Chiave della voce mostrata (vuota se nessuna).
    QString Chiave() const;

Q_SIGNALS:
    // Scelta chiusa dall'utente, dopo che il valore è stato scritto nel campo.
    void CloseUp();

protected:
    // Una descrizione più lunga della casella finisce con "…" (intera nel suggerimento).
    void paintEvent(QPaintEvent* e) override;

private:
    void riempi();
    void scelta(int indice);

    QPointer<TDataSet> m_ds;
    QString m_campo;
    QPointer<TDataSet> m_elenco;
    QString m_campoChiave;
    QString m_campoMostrato;
    bool m_riempimento = false;
};

// Barra di navigazione di un dataset.
class TDBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum TPulsante { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
    Q_ENUM(TPulsante)

    TDBNavigator(TTabella* t, QWidget* parent = nullptr);
    QToolButton* Pulsante(TPulsante p) const { return m_pulsanti.value(p); }
    void Aggiorna();
    // Solo questi pulsanti restano visibili, nell'ordine di sempre.
    void MostraSolo(std::initializer_list<TPulsante> pulsanti);
    void Suggerimento(TPulsante p, const QString& testo);
    // Domanda posta prima di cancellare il record (vuota: nessuna domanda).
    void ConfermaEliminazione(const QString& domanda) { m_domandaElimina = domanda; }
    // Il pulsante Annulla chiede prima di buttare più di un campo cambiato (uno solo: nessuna domanda).
    void ConfermaAnnullamento(bool chiedi) { m_chiediAnnulla = chiedi; }

Q_SIGNALS:
    // Dopo l'azione del pulsante.
    void Click(TDBNavigator::TPulsante p);

private:
    void premi(TPulsante p);
    bool annullamentoConfermato() const;

    QPointer<TTabella> m_tabella;
    QVector<QToolButton*> m_pulsanti;
    QString m_domandaElimina;
    bool m_chiediAnnulla = false;
};

// Prima di registrare o annullare dal codice: il controllo che ha il fuoco scrive il testo che
// l'utente sta ancora scrivendo.
void ConfermaControlloAttivo();
