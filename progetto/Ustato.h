#pragma once
// Stato del progetto aperto che non sta nelle tabelle: l'oggetto di calcolo, i risultati dei
// locali, le impostazioni della temperatura di mandata, gli indicatori, le impostazioni
// dell'ottimizzazione e l'assegnazione dei circuiti ai collettori. La finestra di progetto ne
// possiede uno; il file di progetto, i documenti, l'ottimizzazione e la riga di comando lo usano
// senza finestre.
#include "calc/Ucalc.h"
#include "en1264/Udati.h"
#include "pianta/Upianta.h"
#include "progetto/Ucollettori.h"
#include "progetto/Uimpostazioniposa.h"
#include "progetto/Uminimoacquisto.h"
#include "progetto/Uricostruzione.h"

#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class TDati;
class TTabella;

// I dati generali del record corrente di AuxDGenerali, nelle unità delle tabelle.
TDatiGenerali LeggiDatiGenerali(TTabella& dg);

// Quel che le ricostruzioni delle liste hanno tolto al lavoro sui collettori dall'ultima volta
// che la pagina "Collettori" l'ha detto.
struct TAvvisoCollettori
{
    int nuovi = 0; // circuiti nuovi ancora da collegare
    int tolti = 0; // circuiti collegati che non esistono più
    bool conferma = false; // la conferma dei collettori è stata tolta
    bool ottimizzazione = false; // l'ottimizzazione dei circuiti è stata tolta
    int nonValidi = 0; // collettori con circuiti di due piani o più di 12
    bool Vuoto() const { return nuovi == 0 && tolti == 0 && !conferma && !ottimizzazione && nonValidi == 0; }
};

class TStatoProgetto : public QObject
{
    Q_OBJECT
public:
    explicit TStatoProgetto(TDati& dati, QObject* parent = nullptr);

    TDati& Dati() const { return m_dati; }

    // Oggetto di calcolo e risultati dei locali, nell'ordine di AuxLocali.
    TPavRad PavRad;
    QVector<TLocaleCalc> RisultatiLocali;
    int NumLocali = 0;

    // Impostazioni salvate della temperatura di mandata: -1 nessuna, 0 "T Ottima",
    // 1 "Con Area Marginale", 2 "Senza Area Marginale".
    int ModoTMandata = -1;
    float TMandataSalvata = 0;

    bool RisultatiRicalcolati = false;
    bool ImpostazioniSalvate = false;
    bool CollettoriConfermati = false;
    bool OttimizzazioneEseguita = false;
    // 1: collettore di caldaia, motore del miscelatore e regolatore fanno parte del progetto.
    int ModoRegolazione = 0;

    // Ottimizzazione dei circuiti: i quattro testi delle statistiche (totale, utilizzato,
    // avanzo, avanzo percentuale), l'opzione (0 "Totale", 1 "Per Piano"), lo scarto minimo (m).
    QStringList StatOttimizzazione;
    int OpzioneOttimizzazione = 0;
    int ScartoMinMatassa = 0;
    // "Minimo acquisto" e il suo limite inferiore: conta solo con OttimizzazioneEseguita.
    TMinimoAcquisto MinimoAcquisto;
    // Capitolato: 0 senza prezzi, 1 con prezzi.
    int ConPrezzi = 0;

    // Albero dei collettori (TreeView1) ed elenco dei circuiti non assegnati (ListBox2).
    TAssegnazione Assegnazione;

    // Bagni, raffrescamento e "T EN 1264" (sezione del blocco aggiuntivo del file).
    TDatiEn1264 En1264;
    // Sezioni del blocco aggiuntivo lette dal file, comprese quelle che questa versione non
    // conosce: si riscrivono com'erano.
    std::vector<std::pair<QString, QByteArray>> SezioniBlocco;
    // Piante dei piani (sezione "pianta" del blocco aggiuntivo). Se la sezione letta era
    // danneggiata la pianta resta vuota e i suoi byte si riscrivono com'erano, finché non se ne
    // disegna una nuova.
    TPianta Pianta;
    bool PiantaDanneggiata = false;
    // Schemi di posa e "Lunghezze dal disegno" (sezione "posa" del blocco aggiuntivo).
    TImpostazioniPosa Posa;

    // Aggiorna l'oggetto di calcolo e i risultati dei locali quando dati generali o locali
    // sono cambiati, poi calcola tutti i locali alla temperatura e nel modo salvati. false, senza
    // calcolare, quando il locale in modifica non si può registrare (le regole lo hanno detto).
    bool RicalcolaProgetto();
    // Se risultati o impostazioni sono cambiati dall'ultima volta, rifà le liste dei collettori
    // dai risultati: collettori e circuiti che esistono ancora restano dove sono, i nuovi vanno fra
    // i non assegnati, gli altri escono; conferma e ottimizzazione si tolgono (i loro numeri sono
    // cambiati), le scelte della regolazione restano e le quantità già calcolate si ricontano.
    void RicostruisciCollettori();
    // Dopo la lettura di un progetto: le liste lette corrispondono ai locali appena calcolati.
    void AllineaCircuiti();
    // Quel che le ricostruzioni hanno tolto da dire una volta entrando nella pagina "Collettori";
    // vuoto se non c'è nulla. Preso, non si ripete.
    TAvvisoCollettori PrendiAvvisoCollettori();
    // "Salva Impostazioni" della pagina della temperatura di mandata.
    void SalvaImpostazioni(int modo, float temperatura);
    // "Tipo" della pagina dei collettori (con la clessidra); dice se aprire la vista dei collegamenti.
    TEsitoTipo Tipo();

    // Clessidra durante le operazioni lunghe (la finestra la collega al cursore; true = occupato).
    std::function<void(bool)> Clessidra;

Q_SIGNALS:
    // Fine di RicalcolaProgetto: la pagina della temperatura di mandata, se visibile, si aggiorna.
    void ricalcolato();
    // Le liste dei collettori sono state ricostruite da capo.
    void collettoriRicostruiti();
    // Ricalcolo o ricostruzione stanno per cambiare lo stato da sé, come conseguenza di modifiche
    // già fatte: chi registra i passi dell'utente non li conta come un passo nuovo.
    void aggiornamentoInterno();

private:
    // La fotografia dello stato per annullare e ripetere copia anche i membri privati.
    friend class TFotografia;

    void clessidra(bool occupato)
    {
        if (Clessidra)
            Clessidra(occupato);
    }

    void ricontaRegolazione();

    TDati& m_dati;
    // I circuiti da cui vengono le etichette delle liste, per riconoscerli alla ricostruzione.
    QVector<TCircuitoGenerato> m_circuiti;
    // Avviso in sospeso per la pagina "Collettori".
    bool m_avviso = false;
    QSet<TChiaveCircuito> m_nuovi;
    int m_tolti = 0;
    bool m_confermaTolta = false;
    bool m_ottimizzazioneTolta = false;
};
