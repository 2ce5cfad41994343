#pragma once
// Comandi del menu "Stampa": controlli comuni, aggiornamento del progetto, avvisi, costruzione
// del documento con la finestra di avanzamento e, se richiesta, la sua copia PDF.
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class TDati;
class TProgetto;
class TProgresso;
class TStatoProgetto;
struct TRichiestaDocumento;

// Controllo delle modifiche in sospeso (riga nuova dei locali, dati generali o informazioni
// del cliente in modifica): mostra il messaggio del primo caso e dice false; true se si procede.
// Un locale in modifica si registra: se le regole lo rifiutano vale come una riga nuova (il
// messaggio è quello delle regole) e resta in modifica.
bool ControllaModifichePendenti(TDati& dati);

class TComandiStampa : public QObject
{
    Q_OBJECT
public:
    // occupato: l'indicatore della finestra principale, vero mentre un documento si costruisce.
    TComandiStampa(bool& occupato, QObject* parent = nullptr);

    // La finestra di progetto aperta (nullptr senza progetto).
    std::function<TProgetto*()> Progetto;
    // Finestra delle opzioni del capitolato: indice scelto, -1 se chiusa senza OK.
    std::function<int()> ScegliPrezzi;
    // Finestra di avanzamento di una costruzione (nullptr: nessuna).
    std::function<std::unique_ptr<TProgresso>()> NuovoProgresso;

    // "Crea anche il PDF": voce spuntabile in fondo al menu, dopo un separatore, ricordata fra
    // una sessione e l'altra; disabilitata se LibreOffice manca.
    QAction* CreaPdf1 = nullptr;
    void AggiungiAlMenu(QMenu* stampa);

    // "Tutti i documenti" e "Apri cartella", aggiunte al menu da AggiungiAlMenu.
    QAction* TuttiIDocumenti1 = nullptr;
    QAction* ApriCartella1 = nullptr;
    // Chi apre la cartella (il programma installa quella del desktop).
    std::function<bool(const QString& cartella)> ApriCartella;

    // File dell'ultimo documento e dell'ultimo PDF creati (vuoti se non creati); con "Tutti i
    // documenti" tutti i file creati.
    QString UltimoDocumento;
    QString UltimoPdf;
    QStringList UltimiFile;
    QString UltimaCartella;

Q_SIGNALS:
    // Dopo ogni costruzione riuscita: il testo per la barra di stato e la cartella dei file.
    void DocumentiCreati(const QString& testo, const QString& cartella);

public Q_SLOTS:
    void RapportoTecnico1Click();
    void PreventivoSemplice1Click();
    void PreventivoCompleto1Click();
    void OttimizzCircuiti1Click();
    void Etichette1Click();
    void TavolaImpianto1Click();
    void TuttiIDocumenti1Click();
    void ApriCartella1Click();

private:
    using TCostruttore = std::function<QString(TStatoProgetto&, TRichiestaDocumento)>;
    // Passi comuni; controllo dopo l'aggiornamento: false ferma il comando.
    void esegui(const TCostruttore& crea, const std::function<bool(TStatoProgetto&)>& controllo,
                bool ricostruisciCollettori = true);
    void creaPdf(const QString& documento, TProgresso* progresso);
    // Passi comuni prima di ogni costruzione; nullptr se il comando si ferma.
    TStatoProgetto* prepara(bool ricostruisciCollettori);
    bool pdfRichiesto() const;

    bool& m_occupato;
};
