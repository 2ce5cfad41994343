#pragma once
// Cornice comune di tutti i documenti: avanzamento, apertura della cartella sul modello,
// salvataggio in un file nuovo della cartella dei documenti e apertura con l'applicazione
// predefinita del desktop. Un costruttore fallito non lascia file e lo dice all'utente.
#include "data/Uprogresso.h"
#include "documents/foglio/Ufoglio.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

// Impostazioni dei documenti, comuni a tutto il programma.
class TDocumenti
{
public:
    // Cartella di avvio, dove stanno "Template" e "Immagini": quella impostata, altrimenti la
    // cartella di lavoro se contiene "Template", altrimenti quella del programma.
    static QString DirIniziale();
    static void ImpostaDirIniziale(const QString& cartella);
    // Dove si salvano i documenti: quella impostata, altrimenti "Documenti" sotto DirIniziale.
    static QString CartellaDocumenti();
    static void ImpostaCartellaDocumenti(const QString& cartella);
    // Percorso del modello per nome ("tabcirc" → DirIniziale/Template/tabcirc.xltx).
    static QString Modello(const QString& nome);

    // Apertura del documento finito: attiva per impostazione, salvo TVL_NON_APRIRE nell'ambiente.
    static bool AperturaAttiva();
    static void ImpostaApertura(bool attiva);
    // Chi apre davvero il file (il programma con finestre installa l'apertura del desktop);
    // senza gancio il documento resta solo salvato. Restituisce false se non ci riesce.
    using TApertura = std::function<bool(const QString& file)>;
    static void InstallaApertura(TApertura apertura);
};

struct TRichiestaDocumento
{
    QString nome {}; // "Etichette": per i messaggi e il nome del file
    QString modello {}; // "tabcirc"
    int massimo = 100; // avanzamento
    int passo = 1;
    QString titolo = QCoreApplication::translate("TDocumento", "Preparazione documento in corso...");
    QString nomeFile {}; // base del nome del file; vuoto = nome
    QString cartella {}; // dove salvare; vuoto = cartella dei documenti
    bool apri = true; // aprire il documento finito (se l'apertura è attiva)
    QString destinazione {}; // file esplicito (tvl -o), sostituito se esiste
    TProgresso* progresso = nullptr;
};

class TDati;

// Nome del file e cartella quando la richiesta non li dà: "Progetto - tipo" (tipo vuoto = nome del
// documento) nella cartella del progetto, così ogni documento di un progetto sta in un posto solo.
void NomeFileProgetto(TRichiestaDocumento& richiesta, TDati& dati, const QString& tipo = {});
// La cartella dei documenti di un progetto: una sottocartella della cartella dei documenti con il
// nome del progetto ("Progetto senza nome" se manca).
QString CartellaProgetto(TDati& dati);
// Un nome utilizzabile come file o cartella su ogni sistema ("Documento" se non resta nulla).
QString NomeFileSicuro(QString nome);
// I permessi di un file nuovo dell'utente (0666 meno la umask): i file temporanei nascono 0600,
// un documento da mandare ad altri no.
void PermessiUsuali(const QString& file);

class TDocumento
{
public:
    explicit TDocumento(const TRichiestaDocumento& r);
    ~TDocumento();

    // La cartella di lavoro, aperta sul modello al primo uso (dopo il lavoro sui dati).
    TFoglio& Foglio();
    bool Aperto() const { return m_aperto; }
    // Avanza la barra di un passo (fino al massimo).
    void Avanza();
    int Posizione() const { return m_posizione; }
    const TRichiestaDocumento& Richiesta() const { return m_richiesta; }

private:
    friend QString CostruisciDocumento(const TRichiestaDocumento&, const std::function<void(TDocumento&)>&);
    void Completa();
    QString Salva();

    TRichiestaDocumento m_richiesta;
    TProgresso& m_progresso;
    TFoglio m_foglio;
    bool m_aperto = false;
    int m_posizione = 0;
};

// Esegue la costruzione: riempi scrive le celle attraverso il documento. Restituisce il percorso
// del file creato, o una stringa vuota se la costruzione è fallita (messaggio già mostrato).
QString CostruisciDocumento(const TRichiestaDocumento& richiesta, const std::function<void(TDocumento&)>& riempi);
