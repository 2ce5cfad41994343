#pragma once
// Base delle sette pagine della finestra di progetto: ognuna conosce la finestra, il suo stato e il
// modulo dati, e sa cosa fare quando diventa la pagina attiva.
#include <QWidget>

class TDati;
class TProgetto;
class TStatoProgetto;

class TPaginaProgetto : public QWidget
{
    Q_OBJECT
public:
    // nome: objectName della pagina ("TabSheet1" ... "TabSheet7").
    TPaginaProgetto(TProgetto& progetto, const QString& nome);

    // Azioni all'ingresso nella pagina, dopo che è diventata attiva.
    virtual void Entra() { }
    // Vero mentre la pagina è quella attiva della finestra.
    bool Attiva() const;

protected:
    TProgetto& Progetto() const { return m_progetto; }
    // Un modulo non si allarga oltre `massimo` pixel: nella finestra ingrandita le righe restano
    // leggibili e i pulsanti vicini ai campi; lo spazio in più resta a destra.
    void LimitaLarghezza(int massimo);
    void resizeEvent(QResizeEvent* e) override;
    TStatoProgetto& Stato() const;
    TDati& Dati() const;
    // Coda dei messaggi di una scelta rifiutata che rimette solo quella scelta.
    static QString SceltaRipristinata();

private:
    TProgetto& m_progetto;
    int m_larghezzaMassima = 0;
    int m_margineDestro = -1;
};
