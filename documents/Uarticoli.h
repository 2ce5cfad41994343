#pragma once
// Letture del catalogo per i documenti: una riga letta per intero in una mappa per nome di
// colonna, così una colonna che manca nel catalogo vale nullo invece di fermare il programma.
// I valori cercati sono sempre parametri legati.
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include "data/Utabella.h"

class TDati;

struct TRigaCatalogo
{
    bool trovata = false;
    QHash<QString, QVariant> valori; // per nome di colonna in maiuscolo

    QVariant Valore(const char* colonna) const;
    // Testo come lo mostra un campo (vuoto per nullo, numeri senza zeri superflui).
    QString Testo(const char* colonna) const;
    double Numero(const char* colonna) const; // 0 per nullo o non numerico
    int Intero(const char* colonna) const;
    // EURO come numero; nullo quando manca la riga o il prezzo.
    QVariant Prezzo() const;
};

// La riga corrente di un dataset.
TRigaCatalogo RigaCorrente(TDataSet& ds);
// Prima riga della tabella in cui la colonna vale il valore (sulla query condivisa Query1).
TRigaCatalogo CercaCatalogo(TDati& dati, const QString& tabella, const QString& colonna, const QString& valore);
// Tutte le righe di una query con parametri, nell'ordine in cui il database le dà.
QVector<TRigaCatalogo> RigheCatalogo(TDati& dati, const QString& sql, const QVariantList& parametri);
// Un testo come parametro: mai nullo, così "= ?" con un testo vuoto confronta con '' come la query
// con il valore incollato fra apici.
QVariant ParametroTesto(const QString& testo);
// Un numero scritto come lo scriverebbe il programma per un float: senza le cifre spurie della
// conversione a double (0.15f → 0.15).
double NumeroPulito(double valore);

// Controlli di una tabella sospesi per la durata di un blocco, riabilitati anche se il blocco
// termina con un'eccezione (un errore del foglio a metà documento).
class TControlliSospesi
{
public:
    explicit TControlliSospesi(TDataSet* ds)
        : m_ds(ds)
    {
        m_ds->DisableControls();
    }
    ~TControlliSospesi() { m_ds->EnableControls(); }
    TControlliSospesi(const TControlliSospesi&) = delete;
    TControlliSospesi& operator=(const TControlliSospesi&) = delete;

private:
    TDataSet* m_ds;
};
