#pragma once
// Pagina "Collettori" della finestra di progetto: l'albero dei collettori (TreeView1), l'elenco
// dei circuiti non assegnati (ListBox2), i pulsanti e il trascinamento fra i due, i dati del
// collettore scelto, "Tipo" e "Ottimizzazione Circuiti". Le viste leggono TAssegnazione.
#include "editor/Upagina.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QPoint>
#include <QVector>

#include <functional>

class QDialog;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimer;
class QTreeView;
class QTreeWidget;
class TDefColl;
class TDisegnoListaCircuiti;
class TModelloAlberoCollettori;
class TModelloListaCircuiti;
class TMostraCColl;

class TPaginaCollettori : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCollettori(TProgetto& progetto);
    ~TPaginaCollettori() override;

    // Caselle del collettore svuotate, calcolo, liste dei collettori ricostruite se serve.
    void Entra() override;
    // Dopo la lettura di un progetto: il nome proposto dal dialogo dei collettori si svuota.
    void SvuotaNomeCollettore();
    // Dopo la lettura di un progetto: ogni collettore aperto sui suoi circuiti.
    void EspandiTutto();
    // Il messaggio che dice, entrando nella pagina, quel che un ricalcolo ha tolto.
    static QString TestoAvvisoCollettori(const TAvvisoCollettori& a);

    // Apre la finestra dell'ottimizzazione dei circuiti, dopo i controlli dell'assegnazione.
    // Finché non è collegata il pulsante fa solo i controlli.
    std::function<void()> ApriOttimizzazione;
    // Collega "Assegna automaticamente" (il pulsante compare solo quando c'è chi lo fa).
    void ImpostaAssegnaAutomaticamente(std::function<void()> assegna);

    TDefColl* DefColl();
    TMostraCColl* MostraCColl();

    QTreeView* TreeView1;
    QListView* ListBox2;
    QPushButton* SpeedButton1; // "Nuovo"
    QPushButton* SpeedButton2; // "Elimina"
    QPushButton* SpeedButton5; // "Modifica"
    QPushButton* SpeedButton3; // "<<"
    QPushButton* SpeedButton4; // ">>"
    QPushButton* BitBtn4; // "Tipo"
    QPushButton* BitBtnAssegna; // "Assegna automaticamente"
    QPushButton* Button1; // "Ottimizzazione Circuiti"
    QLabel* Label18;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QTreeWidget* ListView1;

    TModelloAlberoCollettori* ModelloAlbero() const { return m_albero; }
    TModelloListaCircuiti* ModelloLista() const { return m_lista; }
    // Il nodo selezionato dell'albero (non valido se nessuno).
    TNodo NodoSelezionato() const;
    // La riga selezionata della lista (-1 se nessuna).
    int RigaSelezionata() const;

public Q_SLOTS:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton5Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void BitBtn4Click();
    void Button1Click();
    // Rilascio del pulsante sull'albero: dati del collettore selezionato.
    void TreeView1MouseUp();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    enum class TOrigine { Nessuna, Lista, Albero };

    void crea();
    TAssegnazione& assegnazione() const;
    int esegui(QDialog& d);
    void selezionaNodo(TNodo n);
    void selezionaRiga(int riga);
    void espandi(int collettore);
    void primaDelCambio();
    void dopoIlCambio();
    void svuotaDettagli();
    void mostraDettagli(int collettore);
    void aggiornaDettagli();

    // Trascinamento fatto a mano con gli eventi del mouse (QDrag bloccherebbe i test).
    bool mouseTrascinamento(QObject* o, QEvent* e);
    // Dove cadrebbe il trascinamento in corso; il nodo non valido se non sull'albero.
    bool bersaglio(const QPoint& globale, bool& sullaLista, TNodo& nodo) const;
    bool rilascioPossibile(const QPoint& globale) const;
    void rilascia(const QPoint& globale);
    void fineTrascinamento();

    TModelloAlberoCollettori* m_albero = nullptr;
    TModelloListaCircuiti* m_lista = nullptr;
    TDisegnoListaCircuiti* m_disegno = nullptr;
    TDefColl* m_defColl = nullptr;
    TMostraCColl* m_mostra = nullptr;
    std::function<void()> m_assegna;

    // Stato della vista (non dei dati): collettori aperti, posizione delle barre di scorrimento.
    QVector<bool> m_espansi;
    bool m_ripristino = false;
    int m_scorriAlbero = 0;
    int m_scorriLista = 0;
    // Collettore mostrato nei dati del collettore, -1 nessuno.
    int m_dettaglio = -1;

    TOrigine m_origine = TOrigine::Nessuna;
    QPoint m_inizio;
    bool m_trascina = false;
    QTimer* m_timerScorrimento = nullptr;
    int m_scorrimento = 0; // -1 verso l'alto, 1 verso il basso
};
