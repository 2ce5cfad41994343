#pragma once
// Finestra di progetto "Progetto": figlia MDI della finestra principale, massimizzata e senza
// icone di bordo, con le sette pagine di PageControl1. Possiede lo stato del progetto aperto.
#include <QTabWidget>
#include <QWidget>

#include <functional>
#include <memory>

struct TAgganciLettura;
class TApriPianta;
class TDati;
class TStatoProgetto;
class TPaginaCliente;
class TPaginaDatiGenerali;
class TPaginaLocali;
class TPaginaMandata;
class TPaginaCollettori;
class TPaginaRegolazione;
class TPaginaCatalogo;
class TPaginaRaffrescamento;

// Controllo a pagine che chiede il permesso prima di cambiare pagina per mano dell'utente
// (clic sulle linguette, tastiera, rotellina). Un cambio fatto dal codice passa sempre.
class TPageControl : public QTabWidget
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    // Risponde false per rifiutare il cambio di pagina.
    std::function<bool()> PuoCambiare;

    // Passa alla pagina abilitata successiva (passo 1) o precedente (-1), ricominciando dall'altro
    // capo, se PuoCambiare lo consente: Ctrl+Tab / Ctrl+PgGiù e Ctrl+Maiusc+Tab / Ctrl+PgSu.
    void Scorri(int passo);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

class TProgetto : public QWidget
{
    Q_OBJECT
public:
    // Con uno stato nuovo, o adottando quello in cui è già stato letto un progetto.
    explicit TProgetto(TDati& dati, QWidget* parent = nullptr);
    explicit TProgetto(std::unique_ptr<TStatoProgetto> stato, QWidget* parent = nullptr);
    ~TProgetto() override;

    TStatoProgetto& Stato() const { return *m_stato; }
    TDati& Dati() const;

    // Agganci della lettura che appartengono a questa finestra (modo della regolazione, nome
    // proposto dei collettori, ricerca del catalogo); gli altri li mette la finestra principale.
    void AggiungiAgganci(TAgganciLettura& agganci);

    // Con un locale in modifica o in inserimento mostra la pagina "Locali" su quella riga.
    void MostraLocaliInSospeso();
    // Scrive nel record le celle delle griglie e il controllo attivo ancora aperti, prima di
    // controllare o registrare le modifiche: un valore scritto e non confermato non va perso.
    void ConfermaCelleAperte();

    // Abilita o disabilita i cinque controlli della regolazione che dipendono da ModoRegolazione.
    void AbilitaRegolazione(bool abilitati);

    // La finestra dell'ottimizzazione, data dalla finestra principale che conosce l'una e
    // l'altra: la pagina dei collettori la apre senza includerla. Vuota, il pulsante non apre nulla.
    inline static std::function<void(TStatoProgetto& stato, QWidget* parent)> FinestraOttimizzazione;

    // Finestra "Pianta" del progetto (pulsante della pagina "Locali", menu "Progetto").
    void ApriPianta();
    // Finestra "Posa dei circuiti" (pulsante "Posa..." della pagina "Locali").
    void ApriPosa();
    // Chi apre la finestra della pianta; nullptr prima della prima apertura.
    TApriPianta* Pianta() const { return m_pianta; }

    TPageControl* PageControl1;
    TPaginaCliente* TabSheet1;
    TPaginaDatiGenerali* TabSheet2;
    TPaginaLocali* TabSheet3;
    TPaginaMandata* TabSheet4;
    TPaginaCollettori* TabSheet5;
    TPaginaRegolazione* TabSheet6;
    TPaginaCatalogo* TabSheet7;
    // Dopo "T Mandata Progetto": raffrescamento con i circuiti del riscaldamento.
    TPaginaRaffrescamento* TabSheetRaffrescamento;

public Q_SLOTS:
    // Dopo che una pagina è diventata attiva.
    void PageControl1Change();

protected:
    // Prima del cambio di pagina: rifiutato mentre si inserisce un locale.
    bool PageControl1Changing();

private:
    void crea();

    std::unique_ptr<TStatoProgetto> m_stato;
    TApriPianta* m_pianta = nullptr;
};
