#pragma once
// File di progetto (.tvl) e modelli di progetto nuovo (.nv): scrittura e lettura delle tabelle
// di lavoro e dello stato del progetto, record per record, nel formato a record fissi.
// Le fasi che toccano le finestre (creare la finestra di progetto, menu, controlli della
// regolazione) passano per gli agganci di TAgganciLettura.
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <span>

class QIODevice;
class TProgresso;
class TStatoProgetto;

// Primo record di un file nel formato corrente; un file che non comincia così è del formato
// precedente (senza AreaUtile nei locali e senza ScartoMinMatassa).
inline const QString EtichettaVersione = QStringLiteral("Ver1002-17042002FSE4");

inline QString MsgErroreSalvataggio()
{
    return QCoreApplication::translate("Ufile", "Errore durante il salvataggio!");
}
// Un file che non ha la forma di un progetto (si traduce con il contesto "Ufile").
inline constexpr const char* MsgNonProgetto = QT_TRANSLATE_NOOP("Ufile", "Il file non è un progetto TERMOVELA valido.");
// Blocco aggiuntivo illeggibile: il progetto è caricato senza i suoi dati.
inline const char* const MsgBloccoDanneggiato
    = QT_TRANSLATE_NOOP("Ufile",
                        "I dati aggiuntivi in coda al progetto (bagni, raffrescamento, pianta) non si "
                        "possono leggere tutti: sono danneggiati o di una versione più recente del "
                        "programma.\n\nIl resto del progetto è stato caricato; salvandolo, i dati "
                        "illeggibili dei bagni e del raffrescamento andranno persi.");
inline QString MsgErroreCaricamento()
{
    return QCoreApplication::translate(
        "Ufile", "Errore durante il caricamento!\n\nIl file di programma potrebbe essere stato cancellato!");
}

// Colonne salvate di una tabella, nell'ordine del file, con il tipo di record di ciascuna.
enum class TTipoRecord { Testo, TestoLungo, Intero, Reale, Flag };
struct TColonnaFile
{
    const char* campo; // nome UTF-8 del campo della tabella
    TTipoRecord tipo;
};
// "AuxInfo", "AuxDGenerali", "AuxLocali", "AuxRegol", "AuxCollettori", "AuxCircuiti", "AuxRotoli",
// "AuxCompAgg"; vuoto per una tabella che il file non contiene.
std::span<const TColonnaFile> ColonneFile(const QString& tabella);

// ---------------------------------------------------------------- scrittura

// Scrive il progetto su un dispositivo aperto in scrittura: prima ricalcola il progetto e, se
// serve, ricostruisce le liste dei collettori (un'assegnazione non più valida non si salva).
// false se un record non è stato scritto. Non mostra messaggi.
bool ScriviProgettoSu(TStatoProgetto& stato, QIODevice& dispositivo, TProgresso* progresso = nullptr);

// Salvataggio sicuro: scrivi() lavora su un file temporaneo della stessa cartella, che
// sostituisce il file indicato solo se scrivi() riesce; altrimenti il vecchio file resta com'era
// e il temporaneo sparisce.
bool SalvaSicuro(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi);

// "Salva": scrive il progetto nel percorso con il salvataggio sicuro, mostrando l'avanzamento;
// in caso di errore mostra "Errore durante il salvataggio!" e restituisce false.
bool ScriviProgetto(TStatoProgetto& stato, const QString& percorso, TProgresso* progresso = nullptr);

// ---------------------------------------------------------------- lettura

// Agganci delle fasi di lettura che appartengono alle finestre. Tutti facoltativi.
struct TAgganciLettura
{
    // Avanzamento: creato dopo la lettura dei locali ("Caricamento Progetto in corso...", 800).
    TProgresso* Progresso = nullptr;
    // Dopo i locali: crea e mostra la finestra di progetto sulla prima pagina e mette i menu
    // nello stato di progetto aperto. false quando una finestra di progetto è già aperta: la
    // lettura si ferma lì (riuscita).
    std::function<bool()> CreaFinestra;
    // ModoRegolazione letto: abilita o disabilita i controlli della regolazione (0 o 1).
    std::function<void(int modo)> ApplicaModoRegolazione;
    // Dopo il ricalcolo: svuota il nome proposto dal dialogo dei collettori.
    std::function<void()> DopoRicalcolo;
    // Albero dei collettori letto: la pagina dei collettori lo espande tutto.
    std::function<void()> DopoAlbero;
    // Prima dei prodotti aggiuntivi: svuota le caselle di ricerca del catalogo.
    std::function<void()> ReimpostaCatalogo;
    // Alla fine, riuscita o no: menu, titolo, "Stampa", indicatore di occupato. In caso di
    // errore è chiamato prima del messaggio.
    std::function<void(bool riuscita)> Fine;
};

// Legge un progetto da un dispositivo aperto in lettura nelle tabelle di lavoro e nello stato.
// In caso di errore (file troncato, riga rifiutata dalle regole) mostra "Errore durante il
// caricamento!..." e restituisce false; le righe già lette restano nelle tabelle.
bool LeggiProgettoDa(TStatoProgetto& stato, QIODevice& dispositivo, const TAgganciLettura& agganci = {});
// Lo stesso da un file.
bool LeggiProgetto(TStatoProgetto& stato, const QString& percorso, const TAgganciLettura& agganci = {});
