#pragma once
// Elenchi a righe e colonne letti dai file che i progettisti si scambiano: testo separato (.csv)
// e cartelle di lavoro (.xlsx, primo foglio). Qui non si sa nulla dei locali: si leggono celle di
// testo con il numero di riga del file, per i messaggi.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

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

// Testo di un file CSV: UTF-8 con o senza BOM, UTF-16 con BOM, altrimenti Windows-1252 (un file
// che non è UTF-8 valido viene quasi sempre da un programma con la code page di Windows).
QString DecodificaTesto(const QByteArray& dati);

// Separatore del CSV (';', tab o ',') contato sulla prima riga fuori dalle virgolette; a parità
// vince ';', poi il tab. Una riga senza separatori dà ';'.
QChar SeparatoreCsv(const QString& testo);

// Divide un CSV in righe e celle (virgolette doppie, "" dentro le virgolette, a capo nelle
// celle tra virgolette, fine riga LF o CRLF).
TElenco LeggiCsv(const QByteArray& dati);

// Le colonne di un foglio oltre questa si ignorano (i locali ne hanno una ventina).
constexpr int MaxColonneElenco = 256;

// Legge un .csv o il primo foglio di un .xlsx (scelti dall'estensione); false con il motivo.
bool LeggiElenco(const QString& percorso, TElenco& elenco, QString& errore);
// Lo stesso dal contenuto del file; nome serve solo ai messaggi.
bool LeggiElencoDa(const QByteArray& dati, bool xlsx, const QString& nome, TElenco& elenco, QString& errore);

// Numero scritto con la virgola o il punto decimale. Con entrambi l'ultimo è il separatore
// decimale e l'altro quello delle migliaia; spazi e apostrofi fra le cifre si ignorano.
std::optional<double> LeggiNumeroElenco(const QString& testo);

// Chiave di confronto per intestazioni e descrizioni: senza maiuscole, spazi e accenti.
QString ChiaveTesto(const QString& testo);
