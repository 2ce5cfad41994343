#pragma once
// Lettura limitata degli archivi zip che il programma apre (cartelle di lavoro, modelli, elenchi
// di locali). Un archivio di un megabyte può decomprimersi in gigabyte: ogni parte si legge a
// blocchi, con la dimensione dichiarata controllata prima di decomprimere e quella vera a ogni
// blocco che arriva, e si smette appena il limite è superato.
#include <QBuffer>
#include <QByteArray>
#include <QString>

class QuaZip;

struct TLimitiArchivio
{
    qint64 parte = qint64(64) << 20; // byte decompressi di una parte: nessun foglio vero ci arriva
    qint64 totale = qint64(256) << 20; // byte decompressi di tutte le parti insieme
    int parti = 10000; // parti nell'archivio
};

// I limiti in vigore; i test li abbassano per costruire gli archivi troppo grandi in piccolo.
const TLimitiArchivio& LimitiArchivio();
// Sostituisce i limiti e restituisce quelli di prima.
TLimitiArchivio ImpostaLimitiArchivio(const TLimitiArchivio& limiti);

// Falsa: decompressa, la parte supera la dimensione che dichiara (un archivio costruito per
// sfuggire al controllo della dimensione dichiarata).
enum class TEsitoParte { Letta, TroppoGrande, Falsa, Illeggibile };

// Legge la parte corrente dell'archivio (aperto per la lettura), al più limite byte decompressi.
// nome è il nome della parte nell'archivio, anche quando la lettura non riesce.
TEsitoParte LeggiParte(QuaZip& archivio, qint64 limite, QString& nome, QByteArray& dati);

// Il buffer su cui si apre un archivio in memoria. Un archivio danneggiato fa chiedere posizioni
// fuori dal buffer: si rifiutano in silenzio, senza l'avviso di QBuffer sul terminale dell'utente.
class TBufferArchivio : public QBuffer
{
public:
    using QBuffer::QBuffer;
    bool seek(qint64 posizione) override;
};

// "Il file "nome" è troppo grande o danneggiato: <causa>." (la causa senza punto finale).
QString MessaggioArchivioTroppoGrande(const QString& nomeFile, const QString& causa);
// Una dimensione per i messaggi: "64 MB", "4 kB".
QString TestoDimensione(qint64 byte);
