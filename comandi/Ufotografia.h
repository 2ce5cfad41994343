#pragma once
// Fotografia dello stato del progetto aperto: righe delle tabelle di lavoro, membri dello stato
// (compresi quelli che il file non porta: indicatori dei ricalcoli, avvisi in sospeso, circuiti da
// cui vengono le liste) e indicatori del modulo dati. Rimessa com'era, ridà esattamente lo stato
// di quel momento, senza ricalcolare nulla.
#include "progetto/Ustato.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

class TDati;

class TFotografia
{
public:
    // Le tabelle uguali a quelle di `simile` ne condividono le righe (la pila tiene molte
    // fotografie che differiscono in poco).
    static TFotografia Prendi(const TStatoProgetto& stato, const TFotografia* simile = nullptr);
    // Rimette tabelle e stato; le viste delle tabelle e dell'assegnazione si aggiornano da sé.
    void Ripristina(TStatoProgetto& stato) const;

    // Uguali in tutto quel che l'utente o i ricalcoli possono cambiare (i risultati dei locali
    // seguono da tabelle e indicatori e non si confrontano).
    bool operator==(const TFotografia& altra) const;
    // Uguali nei dati del progetto, senza guardare gli indicatori dei ricalcoli da fare e gli avvisi
    // in sospeso: quel che cambia solo loro (una riga rifiutata, "Salva Impostazioni" sugli stessi
    // valori) non è un passo.
    bool StessiDati(const TFotografia& altra) const;

    // Avviso della pagina "Collettori" in sospeso; dimenticarlo vale per tutte le fotografie una
    // volta che la pagina l'ha detto (annullando non si ripete).
    bool AvvisoInSospeso() const { return m_avviso; }
    void DimenticaAvviso();

    // Nome del passo che porta da `prima` a `dopo` ("eliminazione collettore"), tradotto.
    static QString NomePasso(const TFotografia& prima, const TFotografia& dopo);

    // Il collettore da cui il passo ha soltanto riportato circuiti nella lista, -1 se il passo
    // ha cambiato altro nell'assegnazione.
    static int CollettoreSvuotato(const TFotografia& prima, const TFotografia& dopo);
    // Il collettore vuoto che il passo ha soltanto eliminato, -1 altrimenti.
    static int CollettoreEliminato(const TFotografia& prima, const TFotografia& dopo);

    struct TRighe
    {
        QList<QVector<QVariant>> righe; // solo i campi memorizzati, nell'ordine della tabella
        int posizione = -1;
        bool operator==(const TRighe& altre) const { return righe == altre.righe; }
    };

private:
    // Tabelle di lavoro, nell'ordine di TabelleFotografate().
    QVector<TRighe> m_tabelle;

    // Membri pubblici dello stato.
    TPavRad m_pavRad;
    QVector<TLocaleCalc> m_risultati;
    int m_numLocali = 0;
    int m_modoTMandata = -1;
    float m_tMandata = 0;
    bool m_ricalcolati = false;
    bool m_impostazioniSalvate = false;
    bool m_confermati = false;
    bool m_ottimizzazione = false;
    int m_modoRegolazione = 0;
    QStringList m_statOttimizzazione;
    int m_opzioneOttimizzazione = 0;
    int m_scartoMin = 0;
    TMinimoAcquisto m_minimo;
    int m_conPrezzi = 0;
    QVector<TCollettoreAlbero> m_collettori;
    QStringList m_lista;
    TDatiEn1264 m_en1264;
    std::vector<std::pair<QString, QByteArray>> m_sezioni;
    TPianta m_pianta;
    bool m_piantaDanneggiata = false;
    TImpostazioniPosa m_posa;

    // Membri privati dello stato.
    QVector<TCircuitoGenerato> m_circuiti;
    bool m_avviso = false;
    QSet<TChiaveCircuito> m_nuovi;
    int m_tolti = 0;
    bool m_confermaTolta = false;
    bool m_ottimizzazioneTolta = false;

    // Indicatori del modulo dati.
    bool m_dgModificati = false;
    bool m_localiModificati = false;
};

// Le tabelle di lavoro che il progetto salva, nell'ordine della fotografia.
QVector<TTabella*> TabelleFotografate(const TDati& dati);
