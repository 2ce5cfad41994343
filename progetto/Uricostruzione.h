#pragma once
// Ricostruzione delle liste dei collettori dopo un ricalcolo: l'assegnazione fatta dal
// progettista resta dove l'ha messa per ogni circuito che esiste ancora; i circuiti nuovi vanno
// fra i non assegnati, quelli che non esistono più escono.
//
// Un circuito si riconosce dal numero del suo locale (ID), dalla zona e dal suo ordine nella
// zona, non dal testo dell'etichetta: così un locale inserito prima degli altri, o rinominato, o
// che aggiunge un circuito principale (i marginali si rinumerano) non butta via il lavoro.
#include "calc/Ucalc.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

class TAssegnazione;

struct TChiaveCircuito
{
    int id = 0; // ID del locale
    QChar zona; // 's' principale, 'm' marginale
    int ordine = 0; // da 1, dentro la zona
    friend bool operator==(const TChiaveCircuito&, const TChiaveCircuito&) = default;
};
inline size_t qHash(const TChiaveCircuito& k, size_t seme = 0)
{
    return qHashMulti(seme, k.id, k.zona, k.ordine);
}

struct TCircuitoGenerato
{
    QString etichetta;
    TChiaveCircuito chiave;
};

// I circuiti dei locali nell'ordine dell'elenco dei non assegnati: per ogni locale i principali,
// poi (solo con conMarginali) i marginali che ne continuano la numerazione.
QVector<TCircuitoGenerato> CircuitiDeiLocali(const QVector<TLocaleCalc>& locali, bool conMarginali);

// Quel che la ricostruzione ha cambiato nell'assegnazione.
struct TEsitoRicostruzione
{
    QSet<TChiaveCircuito> nuovi; // circuiti che prima non c'erano, messi fra i non assegnati
    int tolti = 0; // circuiti collegati a un collettore che non esistono più
    bool lavoro = false; // c'era almeno un collettore: qualcosa del progettista è in gioco
};

// Rifà albero e lista di a con i circuiti `adesso`. `prima` sono i circuiti da cui erano nate le
// etichette presenti (vuoto se non si sa: valgono allora le etichette identiche). I collettori
// restano tutti, nel loro ordine, anche se restano vuoti; la lista tiene i suoi circuiti nel suo
// ordine e accoda i nuovi nell'ordine dei locali. Non chiama DopoModifica.
TEsitoRicostruzione RicostruisciAssegnazione(TAssegnazione& a, const QVector<TCircuitoGenerato>& prima,
                                             const QVector<TCircuitoGenerato>& adesso);

// Le chiavi dei circuiti dell'elenco dei non assegnati che stanno in `chiavi`.
int ContaInLista(const TAssegnazione& a, const QVector<TCircuitoGenerato>& circuiti,
                 const QSet<TChiaveCircuito>& chiavi);
