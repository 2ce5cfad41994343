#pragma once
// Distinta dei materiali di un progetto calcolato, costruita in AuxPrev: una riga per articolo da
// fornire (tubo, pannelli, rete, fascia, additivi, fissaggi, collettori con cassette e accessori,
// regolazione) con quantità e prezzo unitario del catalogo. Il preventivo semplice e il
// capitolato la consegnano in due forme; l'algoritmo è uno solo, con le differenze del capitolato
// (ordine delle righe, testo di capitolato e immagine).
#include "calc/Ucalc.h"

#include <QString>
#include <QVariant>
#include <QVector>

#include <span>

class TDati;
class TStatoProgetto;

enum class TTipoDistinta { Preventivo, Capitolato };

// Totali dei locali, in precisione singola come le grandezze da cui vengono.
struct TTotaliDistinta
{
    float A = 0; // m², somma delle aree
    float P = 0; // m, somma delle radici delle aree (base del perimetro stimato)
    float L = 0; // m, tubo dei circuiti (zona marginale compresa se attiva)
};
TTotaliDistinta CalcolaTotaliDistinta(std::span<const TLocaleCalc> locali, bool areaMarginaleAttiva);

// Quel che la distinta legge oltre alle tabelle.
struct TIngressiDistinta
{
    std::span<const TLocaleCalc> Locali;
    bool AreaMarginaleAttiva = false;
    float SpessMassetto = 0; // m
    bool CollettoriConfermati = false;
    bool OttimizzazioneEseguita = false;
};
TIngressiDistinta IngressiDistinta(const TStatoProgetto& stato);

// Svuota AuxPrev e vi scrive la distinta. Senza collettori confermati restano solo le righe dei
// materiali. Una riga il cui articolo manca nel catalogo compare lo stesso, con il codice come
// descrizione; una riga senza prezzo in catalogo ha Prezzo_Unit nullo (mai un prezzo inventato).
// Ciò che il catalogo doveva avere e non ha (articolo del collettore per quel numero di attacchi,
// cassetta, supporto, tubo, pannello, articoli e componenti della regolazione) finisce in
// TDati::MancanzeDistinta, che altrimenti resta vuoto.
TTotaliDistinta CreaDistinta(TDati& dati, const TIngressiDistinta& ingressi, TTipoDistinta tipo);
TTotaliDistinta CreaDistinta(TStatoProgetto& stato, TTipoDistinta tipo);

// L'avviso per l'utente quando la distinta ha delle mancanze: l'elenco e che cosa fare.
QString AvvisoMancanzeDistinta(const QStringList& mancanze);

// Una riga di AuxPrev come la rileggono i documenti, la riga di comando e i test.
struct TRigaDistinta
{
    int ID = 0;
    QString Descrizione;
    QString Articolo;
    QString Cod_Esteso;
    QString Unit_Mis;
    double Quantita = 0;
    QVariant Prezzo_Unit; // nullo quando il catalogo non dà un prezzo
    QString Capitolato;
    QString Immagine;
};
// Le righe di AuxPrev nell'ordine della tabella.
QVector<TRigaDistinta> LeggiDistinta(TDati& dati);
