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
#include <QWidget>

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

private:
    bool rigaInserita(int riga) const;
    QVariant valore(int riga, int colonna) const;
    void ricarica();

    TDataSet* m_ds;
    QStringList m_campi;
    QVector<int> m_indici;
    QStringList m_intestazioni;
    QLocale m_locale;
    int m_righe = -1; // righe mostrate all'ultimo aggiornamento
};

// Casella di testo legata a un campo del record corrente.
class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    TDBEdit(TDataSet* ds, const QString& campo, QWidget* parent = nullptr);
    void Aggiorna();

private:
    void conferma();

    QPointer<TDataSet> m_ds;
    QString m_campo;
};

// Testo lungo legato a un campo.
class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    TDBMemo(TDataSet* ds, const QString& campo, QWidget* parent = nullptr);
    void Aggiorna();

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPointer<TDataSet> m_ds;
    QString m_campo;
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

Q_SIGNALS:
    // Dopo l'azione del pulsante.
    void Click(TDBNavigator::TPulsante p);

private:
    void premi(TPulsante p);

    QPointer<TTabella> m_tabella;
    QVector<QToolButton*> m_pulsanti;
};
