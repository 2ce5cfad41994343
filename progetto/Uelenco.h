#pragma once
// Elenchi a righe e colonne letti dai file che i progettisti si scambiano: testo separato (.csv)
// e cartelle di lavoro (.xlsx, primo foglio). Qui non si sa nulla dei locali: si leggono celle di
// testo con il numero di riga del file, per i messaggi.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;
class TProgresso;

struct TRigaElenco
{
    int riga = 0; // numero della riga nel file (da 1), dove la riga comincia
    QStringList celle; // testi delle celle, senza spazi ai lati
};

struct TElenco
{
    TRigaElenco intestazione; // la prima riga non vuota
    std::vector<TRigaElenco> righe; // le righe seguenti, saltate quelle tutte vuote
};

// Limiti della lettura, che nessun elenco vero raggiunge: un file oltre i limiti si rifiuta appena
// li supera, senza leggerlo tutto (un milione di righe, un file che non finisce mai).
struct TLimitiElenco
{
    qint64 byte = qint64(64) << 20; // dimensione del file
    int righe = 10000; // righe dopo l'intestazione
};
const TLimitiElenco& LimitiElenco();
// Sostituisce i limiti (test, misure) e restituisce quelli di prima.
TLimitiElenco ImpostaLimitiElenco(const TLimitiElenco& limiti);

// Separatore del CSV (';', tab o ',') contato sulla prima riga fuori dalle virgolette; a parità
// vince ';', poi il tab. Una riga senza separatori dà ';'.
QChar SeparatoreCsv(QStringView testo);

// Divide un CSV in righe e celle (virgolette doppie, "" dentro le virgolette, a capo nelle
// celle tra virgolette, fine riga LF, CRLF o CR), leggendolo a blocchi dal dispositivo aperto
// (che deve permettere di tornare all'inizio: un file che non è UTF-8 si rilegge come
// Windows-1252). Le celle oltre la MaxColonneElenco-esima si ignorano; le celle che il CSV
// esportato ha protetto dai fogli di calcolo tornano come erano (TestoDaCsv). false con il motivo
// quando il file supera i limiti o la lettura non riesce o è annullata (progresso->Annullato()).
bool LeggiCsv(QIODevice& dispositivo, TElenco& elenco, QString& errore, TProgresso* progresso = nullptr);

// Le colonne di un foglio oltre questa si ignorano (i locali ne hanno una ventina).
constexpr int MaxColonneElenco = 256;

// Legge un .csv o il primo foglio di un .xlsx (scelti dall'estensione); false con il motivo.
// Si legge solo un file normale: una cartella, una pipe o un dispositivo si rifiutano prima di
// aprirli (una pipe bloccherebbe la lettura, /dev/zero non finirebbe mai).
bool LeggiElenco(const QString& percorso, TElenco& elenco, QString& errore, TProgresso* progresso = nullptr);
// Lo stesso dal contenuto del file; nome serve solo ai messaggi.
bool LeggiElencoDa(const QByteArray& dati, bool xlsx, const QString& nome, TElenco& elenco, QString& errore,
                   TProgresso* progresso = nullptr);

// Perché il percorso non si può leggere come file ("Il percorso è una cartella."), vuoto se è un file normale
// leggibile.
QString MotivoFileIlleggibile(const QString& percorso);

// Un testo che comincia con = + - @, tabulazione o ritorno a capo un foglio di calcolo lo
// eseguirebbe come formula: il CSV esportato lo scrive preceduto da un apostrofo (come un
// apostrofo in più un testo che già comincia con apostrofi seguiti da quei segni, perché il
// ritorno sia esatto). I numeri ("-3") restano come sono. TestoDaCsv toglie quell'apostrofo.
QString TestoPerCsv(const QString& testo);
QString TestoDaCsv(const QString& testo);

// Numero scritto con la virgola o il punto decimale. Con entrambi l'ultimo è il separatore
// decimale e l'altro quello delle migliaia; spazi e apostrofi fra le cifre si ignorano.
std::optional<double> LeggiNumeroElenco(const QString& testo);

// Chiave di confronto per intestazioni e descrizioni: senza maiuscole, spazi e accenti.
QString ChiaveTesto(const QString& testo);
