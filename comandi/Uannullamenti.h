#pragma once
// Annulla e ripeti del progetto aperto. Ogni azione dell'utente che cambia il progetto (un record
// confermato, un pulsante, un trascinamento, l'assegnazione automatica) diventa un passo della
// pila: la fotografia dello stato prima e dopo. Le azioni non vanno elencate una per una: ogni
// evento d'ingresso (tasto, clic, rilascio) apre una finestra d'osservazione che si chiude quando
// l'evento è stato servito; se lo stato è cambiato, il passo entra nella pila.
//
// Quel che ricalcolo e ricostruzione delle liste cambiano da sé (entrando in una pagina,
// salvando) non è un passo: è la conseguenza dei passi già fatti e si aggiunge a loro, così
// annullare e ripetere tornano sempre a uno stato che il progetto ha avuto davvero.
#include "comandi/Ufotografia.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class TStatoProgetto;

// La pila come dati: i passi (stato prima e dopo), quanti sono fatti e dove sta lo stato salvato.
struct TStoriaAnnullamenti
{
    struct TVoce
    {
        TFotografia prima, dopo;
    };
    QList<TVoce> passi;
    int indice = 0;
    int salvato = -1; // -1: nessun passo porta allo stato del file
};

class TAnnullamenti : public QObject
{
    Q_OBJECT
public:
    // Figlio dello stato: vive e muore con il progetto aperto.
    explicit TAnnullamenti(TStatoProgetto& stato);
    ~TAnnullamenti() override;
    // Quello dello stato, se c'è.
    static TAnnullamenti* Di(const TStatoProgetto& stato);

    QUndoStack& Pila() { return m_pila; }

    // Dopo la lettura di un progetto: pila vuota, stato attuale come quello salvato (o, con
    // `salvato` falso, diverso dal file: annullare e ripetere non lo fanno tornare "salvato").
    void Azzera(bool salvato = true);
    // Dopo un salvataggio riuscito: lo stato attuale è quello del file.
    void SegnaSalvato();

    // La pila, da riprendere in un'altra finestra dello stesso progetto (cambio di lingua).
    TStoriaAnnullamenti Storia() const;
    // Rimette i passi, con i nomi nella lingua di ora; lo stato attuale è quello all'indice.
    void RiprendiStoria(const TStoriaAnnullamenti& s);

    // Apre a mano una finestra d'osservazione (le azioni che non passano da un evento
    // d'ingresso, i test); `nome` dà il nome del passo invece di quello dedotto.
    void Inizia(const QString& nome = {});
    // Chiude la finestra aperta: il passo entra nella pila se lo stato è cambiato.
    void Concludi();
    // Una finestra d'osservazione è aperta (l'azione non è ancora finita).
    bool InCorso() const { return m_aperta; }

    // Annulla o ripete un passo. Un record in modifica si registra prima, con le sue regole: se
    // lo rifiutano (con il loro messaggio) non si annulla nulla e si restituisce false; se lo
    // accettano diventa il passo che si annulla.
    bool Annulla();
    bool Ripeti();

    // Prima di annullare o ripetere: la finestra scrive nel record le celle ancora aperte.
    std::function<void()> PrimaDelPasso;
    // Dopo aver rimesso una fotografia: la finestra aggiorna ciò che non segue da sé le tabelle.
    std::function<void()> DopoIlPasso;

Q_SIGNALS:
    // Pila, nomi dei passi o stato salvato cambiati: il menu si aggiorna.
    void cambiato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void apri();
    void chiudiQuandoServito();
    void interno();
    // Confronta lo stato con l'ultima fotografia: un cambiamento è dell'utente.
    void segmento(const TFotografia& ora);
    // Aggiunge allo stato attuale le modifiche fatte da sé (ricalcoli) senza creare un passo.
    void aggiorna(const TFotografia& ora);
    // Mette il passo nella pila; l'eliminazione di un collettore appena svuotato assorbe i passi
    // che l'hanno svuotato.
    void spingi(TFotografia prima, TFotografia dopo, const QString& nome);
    // Il passo in cima alla pila (già fatto: lo stato è quello di dopo).
    void metti(TFotografia prima, TFotografia dopo, const QString& nome);
    bool confermaRecordAperti();
    void ripristina(bool indietro);

    TStatoProgetto& m_stato;
    QUndoStack m_pila;
    bool m_aperta = false;
    int m_livello = 0;
    bool m_ripristino = false;
    bool m_fusione = false; // i passi tolti per fonderli non rimettono nulla
    bool m_cambiato = false; // l'utente ha cambiato qualcosa nella finestra aperta
    QString m_nome; // dato da Inizia
    TFotografia m_prima; // all'apertura della finestra
    TFotografia m_ultima; // all'apertura o alla fine dell'ultimo ricalcolo
};
