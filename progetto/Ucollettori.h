#pragma once
// Assegnazione dei circuiti ai collettori: l'albero dei collettori con i loro circuiti e
// l'elenco dei circuiti non assegnati, con le regole e i messaggi della pagina "Collettori".
// TreeView1 e ListBox2 ne sono le viste; il file di progetto lo salva e lo ripristina.
#include "calc/Ucalc.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class TDati;

// Avvisi della pagina dei collettori, condivisi con l'ottimizzazione che ripete gli stessi controlli.
namespace MessaggiCollettori {
inline QString Piani()
{
    return QCoreApplication::translate(
        "MessaggiCollettori",
        "Non possono essere collegati allo stesso collettore\n\nanelli appartenenti a piani diversi");
}
inline QString Dodici()
{
    return QCoreApplication::translate("MessaggiCollettori",
                                       "Non possono essere collegati più di 12 anelli per collettore!");
}
inline QString NonAssegnati()
{
    return QCoreApplication::translate(
        "MessaggiCollettori",
        "Non sono stati assegnati tutti gli anelli.\n\nCompletare l'assegnamento prima di procedere "
        "alla scelta dei collettori.");
}
inline QString SenzaAnelli()
{
    return QCoreApplication::translate(
        "MessaggiCollettori",
        "Ci sono collettori senza alcun anello assegnato.\n\nCompletare le assegnazioni o eliminare il collettore.");
}
} // namespace MessaggiCollettori

// ---------------------------------------------------------------- etichetta di circuito

// Ogni circuito è un testo di 127 caratteri: "=>" e due spazi, il nome tagliato o completato
// a 40 caratteri, 79 spazi e la lettera della zona ('s' principale, 'm' marginale), la
// posizione del locale in RisultatiLocali (da 1) allineata a destra su 3 caratteri.
// Lettera e posizione stanno oltre la parte visibile e si ritrovano contando dalla fine.
constexpr int LunghezzaEtichetta = 127;
constexpr int MaxCircuitiCollettore = 12;
constexpr int MaxNomeCollettore = 13;

QString EtichettaCircuito(const QString& nome, QChar zona, int posizioneLocale);
// Nome del circuito di una stanza: "Descrizione - n", con " Am" per la zona marginale.
QString NomeCircuito(const QString& descrizione, int numero, bool marginale);
// Lettera della zona (carattere in posizione lunghezza-3 contando da 1); QChar() se manca.
QChar ZonaEtichetta(const QString& etichetta);
// Posizione del locale (gli ultimi tre caratteri, letti come atol); 0 se illeggibile.
int PosizioneEtichetta(const QString& etichetta);
// I caratteri da 4 a 43 dell'etichetta, come li mostra l'elenco dei circuiti di un collettore.
QString TestoCircuitoEtichetta(const QString& etichetta);

// Testo del nodo di un collettore e nome memorizzato (il testo senza i primi due caratteri).
QString TestoNodoCollettore(const QString& nome);
QString NomeDaNodo(const QString& testoNodo);

// Valori di un circuito presi dal suo locale secondo la lettera della zona.
struct TValoriCircuito
{
    bool valido = false; // locale esistente e zona 's' o 'm'
    // Il locale in RisultatiLocali: vale fino al prossimo ricalcolo che ricostruisce i locali.
    const TLocaleCalc* locale = nullptr;
    QChar zona;
    float lunghezza = 0; // m, di un circuito
    float passo = 0; // m
    float portata = 0; // l/h
    float perdita = 0; // mm c.a.
};

// ---------------------------------------------------------------- albero e lista

struct TCollettoreAlbero
{
    QString testo; // "=>" + nome
    QStringList circuiti;
    QString Nome() const { return NomeDaNodo(testo); }
};

// Un nodo dell'albero: collettore >= 0, circuito -1 per il nodo del collettore stesso.
struct TNodo
{
    int collettore = -1;
    int circuito = -1;
    bool EValido() const { return collettore >= 0; }
    bool ECircuito() const { return collettore >= 0 && circuito >= 0; }
    friend bool operator==(const TNodo&, const TNodo&) = default;
};

class TAssegnazione : public QObject
{
    Q_OBJECT
public:
    // I valori dei circuiti si leggono dal vettore dei locali del progetto, che resta di chi lo possiede.
    explicit TAssegnazione(const QVector<TLocaleCalc>* locali, QObject* parent = nullptr);

    const QVector<TCollettoreAlbero>& Collettori() const { return m_collettori; }
    const QStringList& Lista() const { return m_lista; }
    int NumeroCollettori() const { return int(m_collettori.size()); }
    // Nodi dei due livelli, come li conta il file di progetto.
    int NumeroNodi() const;
    int NumeroCircuitiAssegnati() const;
    // L'ultimo nodo dell'albero in ordine di visita (non valido se l'albero è vuoto).
    TNodo UltimoNodo() const;
    QString TestoNodo(TNodo n) const;
    // Indice del primo collettore senza circuiti, -1 se non ce ne sono.
    int CollettoreSenzaCircuiti() const;

    // Un collettore rimasto, dopo un ricalcolo, con circuiti di due piani o più di 12: va
    // sistemato prima di "Tipo". Vuoto se va bene, altrimenti il messaggio della regola violata.
    QString ProblemaCollettore(int collettore) const;
    // Indice del primo collettore con un problema, -1 se nessuno.
    int CollettoreNonValido() const;

    TValoriCircuito ValoriCircuito(const QString& etichetta) const;
    // Piano del locale di un circuito (vuoto se il locale non esiste).
    QString PianoCircuito(const QString& etichetta) const;

    // Operazioni della pagina. Ognuna restituisce true se ha cambiato qualcosa; dopo ogni
    // cambiamento chiama DopoModifica (che toglie la conferma dei collettori e l'ottimizzazione).

    // "Nuovo": collettore in coda; rifiuta un nome vuoto, taglia a 13 caratteri.
    bool Nuovo(const QString& nome);
    // "Modifica": nuovo nome di un collettore.
    bool Rinomina(int collettore, const QString& nome);
    // "Elimina": solo un collettore senza circuiti; altrimenti nulla, in silenzio.
    bool Elimina(int collettore);
    // "<<": la riga indicata della lista (-1 = nessuna selezione, si prende la prima) verso il
    // collettore del nodo indicato (non valido = l'ultimo nodo). Controlla prima il piano, poi i 12.
    bool Collega(int riga, TNodo destinazione);
    // ">>": il circuito del nodo (non valido = l'ultimo nodo) torna in cima alla lista.
    bool Restituisci(TNodo nodo);
    // Trascinamento di una riga della lista su un nodo: prima i 12, poi il piano; in coda al collettore.
    bool TrascinaDallaLista(int riga, TNodo destinazione);
    // Trascinamento di un nodo sulla lista: il circuito va in fondo alla lista.
    bool TrascinaNellaLista(TNodo nodo);
    // Trascinamento di un nodo su un nodo circuito: si sposta il circuito selezionato (o il primo
    // del collettore selezionato) in coda al collettore di destinazione.
    bool TrascinaNellAlbero(TNodo sorgente, TNodo destinazione);

    // Ricostruzione e caricamento: nessuna regola, nessun DopoModifica.
    void Svuota();
    void AggiungiALista(const QString& etichetta);
    void AggiungiCollettoreNodo(const QString& testoNodo);
    // Figlio dell'ultimo collettore; false se non c'è ancora un collettore.
    bool AggiungiCircuitoNodo(const QString& etichetta);
    // Albero e lista rifatti in una volta (ricostruzione dopo un ricalcolo).
    void Sostituisci(QVector<TCollettoreAlbero> collettori, QStringList lista);

    std::function<void()> DopoModifica;

Q_SIGNALS:
    // Albero o lista cambiati: le viste si ridisegnano.
    void cambiato();

private:
    int collettoreDi(TNodo n) const;
    bool controllaPiano(int collettore, const QString& etichetta) const;
    bool controllaNumero(int collettore) const;
    void modificato();

    const QVector<TLocaleCalc>* m_locali;
    QVector<TCollettoreAlbero> m_collettori;
    QStringList m_lista;
};

// ---------------------------------------------------------------- dati dei collettori

// Esito di "Tipo": dice se la vista dei collegamenti va aperta.
enum class TEsitoTipo {
    Incompleta, // circuiti non assegnati: messaggio
    GiaConfermati, // si apre la vista sui dati memorizzati
    SenzaAnelli, // un collettore senza circuiti: messaggio, AuxCollettori vuota
    NonValida, // un collettore con due piani o più di 12 circuiti: messaggio, nulla cambia
    Calcolato, // AuxCollettori riscritta
    Interrotto // errore durante il calcolo: la vista si apre su quanto scritto
};
inline bool ApreVistaCollegamenti(TEsitoTipo e)
{
    return e == TEsitoTipo::GiaConfermati || e == TEsitoTipo::Calcolato || e == TEsitoTipo::Interrotto;
}

// KVTA del tipo di collettore (DESCRCOLL.RIF); 0 quando il tipo non c'è.
double KvtaCollettore(TDati& dati, const QString& tipo);

// Perdita di carico del collettore: la più grande fra i suoi circuiti di
// 10000 × (Q × 0.001 / KVTA)² + perdita del circuito, più 1, parte intera. Ogni perdita si
// calcola in doppia precisione e si tiene in singola: un valore intero resta intero.
// false quando il calcolo non si può fare (KVTA nullo, locale inesistente).
bool PerditaCollettore(const TAssegnazione& a, int collettore, double kvta, double& dP);
// Portata del collettore: parte intera di (somma delle portate + 1).
double PortataCollettore(const TAssegnazione& a, int collettore);

// "Tipo": scrive in AuxCollettori una riga per collettore con il tipo dei dati generali.
// clessidra(true/false) accompagna il calcolo (i messaggi compaiono a cursore normale).
TEsitoTipo CalcolaTipo(TDati& dati, const TAssegnazione& a, bool collettoriConfermati,
                       const std::function<void(bool)>& clessidra = {});

// Nuova perdita di carico di ogni collettore, ciascuno con il tipo della propria riga
// (vista dei collegamenti, dopo la scelta di un tipo). false se il calcolo si è interrotto.
bool RicalcolaPerditeCollettori(TDati& dati, const TAssegnazione& a);
// Cambio del tipo nei dati generali con i collettori confermati: ogni riga prende il nuovo
// tipo e la perdita ricalcolata con il suo KVTA; portata e numero di circuiti restano.
bool AggiornaTipoCollettori(TDati& dati, const TAssegnazione& a, const QString& tipo);
