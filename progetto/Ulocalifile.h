#pragma once
// Locali da un foglio di calcolo e verso un foglio di calcolo. Il progettista riceve l'elenco
// dei locali dall'architetto o lo calcola con un altro programma: lo porta nel progetto da un
// .csv o da un .xlsx e può riportarlo fuori con le colonne della griglia dei locali.
//
// Uso dalla pagina "Locali" della finestra di progetto (nessuna finestra qui dentro):
//
//   BitBtnImporta ("Importa..."): dialogo di apertura con il filtro "*.csv *.xlsx", poi
//       TCaricamento progresso(this); progresso.PermettiAnnulla();
//       QString messaggio;
//       if (ImportaLocali(*Dati, percorso, messaggio, &progresso)) ... // la griglia si aggiorna da sola
//       else if (!progresso.Annullato()) TMessaggi::Errore(messaggio);
//   BitBtnEsporta ("Esporta..."): dialogo di salvataggio con lo stesso filtro, poi
//       if (!EsportaLocali(*Dati, percorso, messaggio)) TMessaggi::AvvisoDomanda(messaggio);
//
// Con successo, messaggio contiene un riepilogo ("Importati 12 locali da ...") che la pagina può
// mostrare o tacere. Nessuna delle due funzioni mostra messaggi: i messaggi delle regole dei
// locali incontrati durante l'importazione finiscono nel testo restituito.
//
// Durante l'importazione i controlli di AuxLocali sono sospesi (DisableControls): la griglia
// riceve un solo datiCambiati alla fine, mentre statoCambiato arriva a ogni riga provata (una
// vista non deve ricostruirsi per intero su quel segnale). Alla fine il cursore è sul primo
// locale importato.
#include <QCoreApplication>
#include <QString>

#include <span>

class QIODevice;
class TProgresso;
class TDati;
struct TDatiEn1264;
struct TElenco;

// Colonne della griglia dei locali (DBGrid1), nell'ordine della griglia: campo e titolo.
struct TColonnaLocali
{
    const char* campo;
    const char* titolo; // UTF-8
};
std::span<const TColonnaLocali> ColonneLocali();

// Filtro dei dialoghi di apertura e salvataggio dei due pulsanti.
inline QString FiltroFileLocali()
{
    return QCoreApplication::translate("TLocaliFile", "Fogli di calcolo (*.csv *.xlsx)");
}

// Quante righe rifiutate elenca al massimo il messaggio; le altre si contano soltanto.
constexpr int MaxRigheRifiutate = 20;

// Importa i locali di un .csv (separatore ';', ',' o tab; UTF-8 con o senza BOM o Windows-1252;
// virgola o punto decimale) o del primo foglio di un .xlsx. La prima riga porta le intestazioni,
// riconosciute senza badare a maiuscole, spazi e accenti: i titoli della griglia ("N°", "TA [°C]",
// "Area [mq]", ...) o i nomi dei campi ("ID", "TAmbiente", "Rivestimento", ...); le colonne
// sconosciute si ignorano.
//
// Ogni riga diventa un nuovo locale con i valori di un locale nuovo per le colonne che mancano
// (rivestimento, conducibilità e spessore dei dati generali, 20 °C; l'area utile uguale all'area;
// senza numero, i numeri che seguono l'ultimo esistente) e passa per le regole dei locali come se
// fosse scritta nella griglia: campi obbligatori, intervalli, regole delle aree, numero unico.
// Un rivestimento si cerca per descrizione nel catalogo e ne porta la conducibilità.
//
// Tutto o niente: se una riga è rifiutata non si aggiunge nessun locale e il messaggio elenca le
// righe rifiutate, con il numero di riga del file e il messaggio della regola. Riuscita: i locali
// sono aggiunti in coda a quelli che c'erano e LocaliModificati è alzato. Con un locale in modifica
// nella griglia l'importazione non parte (va prima confermato o annullato).
//
// Lettura e controllo riportano l'avanzamento a progresso (se c'è), che può annullarli: con
// "Annulla" il progetto resta com'era e messaggio è MsgImportazioneAnnullata(). Alla fine, comunque
// vada, progresso->Fine(). Più di LimitiElenco().righe locali nel progetto si rifiutano.
// Con en1264 le colonne facoltative "Bagno" (Sì/No) e "Carico estivo [W]" vanno nei dati del
// progetto per i locali importati; un file senza di esse si importa lo stesso.
bool ImportaLocali(TDati& dati, const QString& percorso, QString& messaggio, TProgresso* progresso = nullptr,
                   TDatiEn1264* en1264 = nullptr);
// Lo stesso da un elenco già letto; nomeFile serve solo ai messaggi.
// L'elenco si consuma riga per riga (std::move per non tenerne una copia).
bool ImportaLocaliDa(TDati& dati, TElenco elenco, const QString& nomeFile, QString& messaggio,
                     TProgresso* progresso = nullptr, TDatiEn1264* en1264 = nullptr);
QString MsgImportazioneAnnullata();

// Esporta i locali registrati con le colonne e i titoli della griglia: .csv con ';', virgola
// decimale e BOM UTF-8 (i fogli di calcolo lo aprono con gli accenti giusti), oppure .xlsx. Il
// file esportato si reimporta negli stessi locali (un rivestimento che il catalogo non conosce,
// arrivato da un progetto vecchio, si esporta com'è ma all'importazione è rifiutato). Il file si scrive con il
// salvataggio sicuro: se qualcosa va storto il file che c'era resta com'era.
// Con en1264 si aggiungono in coda le colonne "Bagno" e "Carico estivo [W]".
bool EsportaLocali(TDati& dati, const QString& percorso, QString& messaggio, const TDatiEn1264* en1264 = nullptr);
// Il testo CSV dell'esportazione su un dispositivo aperto; false se la scrittura non riesce.
bool ScriviLocaliCsv(TDati& dati, QIODevice& dispositivo, const TDatiEn1264* en1264 = nullptr);
