#pragma once
// Record del file di progetto: un'area di contenuto di dimensione fissa seguita da un byte 13.
// I testi sono byte della code page Windows-1252 chiusi da un NUL; i numeri sono scritti come
// "%d\n", "%5.5f\n" e "%5.1f\n" del C (sempre con il punto) e riletti come atol/atof.
#include "data/Unumeri.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class TProgresso;

namespace Record {
constexpr int Testo = 50; // testi, numeri, indicatori
constexpr int TestoLungo = 256; // solo AuxInfo.Commento
constexpr int Nodo = 200; // nodi dell'albero e righe dell'elenco dei circuiti
} // namespace Record

// Conversione Windows-1252 <-> Unicode; i caratteri senza equivalente diventano '?'.
QByteArray InCp1252(const QString& testo);
QString DaCp1252(const QByteArray& byte);

// Scritture e letture del C nel formato del file, indipendenti dalla localizzazione.
QByteArray FormatoIntero(long long v); // "%d\n"
QByteArray FormatoReale(double v); // "%5.5f\n"
QByteArray FormatoTemperatura(double v); // "%5.1f\n"

// Scrive record su un dispositivo aperto; dopo il primo errore non scrive più nulla.
class TScrittoreRecord
{
public:
    explicit TScrittoreRecord(QIODevice& dispositivo, TProgresso* progresso = nullptr);

    void Testo(const QString& valore, int dimensione = Record::Testo);
    void Intero(long long valore);
    void Reale(double valore);
    void Temperatura(double valore);
    void Flag(bool valore) { Intero(valore ? 1 : 0); }
    // Byte di lunghezza libera (sezioni del blocco aggiuntivo), seguiti dal byte 13.
    void Byte(const QByteArray& dati) { scrivi(dati, int(dati.size())); }

    bool Ok() const { return m_ok; }
    int Scritti() const { return m_record; }

private:
    void scrivi(const QByteArray& contenuto, int dimensione);

    QIODevice& m_dispositivo;
    TProgresso* m_progresso;
    bool m_ok = true;
    int m_record = 0;
};

// Legge record da un dispositivo aperto. Un file che finisce prima di un record completo è
// un errore: da lì in poi Ok() è falso e ogni valore letto è vuoto o 0.
class TLettoreRecord
{
public:
    explicit TLettoreRecord(QIODevice& dispositivo, TProgresso* progresso = nullptr);

    // Contenuto di un record fino al primo NUL (o l'intera area se non c'è).
    QByteArray Contenuto(int dimensione = Record::Testo);
    QString Testo(int dimensione = Record::Testo) { return DaCp1252(Contenuto(dimensione)); }
    // Intero: atol, poi in singola precisione e troncato verso lo zero, entro i limiti di un int.
    long long Intero();
    // Reale: atof arrotondato alla singola precisione.
    double Reale();
    // Indicatore di una colonna booleana: vero solo per 1.
    bool Flag() { return Intero() == 1; }
    // `n` byte seguiti dal byte 13, come scritti da TScrittoreRecord::Byte.
    QByteArray Byte(qint64 n);

    bool Ok() const { return m_ok; }
    // Un numero di righe letto dal file, ciascuna di byteRiga byte: vero se non è negativo e il
    // resto del file può contenerle; altrimenti la lettura è in errore da qui in poi. Così un
    // conto assurdo si ferma prima di allocare o inserire qualcosa.
    bool ContoPossibile(long long n, qint64 byteRiga);
    // Un valore letto che il file non può contenere: la lettura è in errore da qui in poi.
    void Rifiuta() { m_ok = false; }
    // Torna al primo byte e dimentica un errore di lettura (file del formato precedente).
    bool Riavvolgi();
    void ImpostaProgresso(TProgresso* p) { m_progresso = p; }

private:
    QIODevice& m_dispositivo;
    TProgresso* m_progresso;
    bool m_ok = true;
};
