#pragma once
// Finestra principale: cornice MDI con il menu dei progetti e dei documenti.
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>

#include <memory>
#include <optional>
#include <utility>

class QAction;
class QMenu;
class QTemporaryDir;
class TFotografia;
struct TStoriaAnnullamenti;
class QStatusBar;
class TComandiStampa;
class TDati;
class TFileHistory;
class TInfo;
class TMenuModifica;
class TProgetto;

// Area MDI che dipinge lo sfondo "tvlbg" scalato e si ridisegna tutta dopo ogni scorrimento.
class TAreaSfondo : public QMdiArea
{
    Q_OBJECT
public:
    explicit TAreaSfondo(QWidget* parent = nullptr);
    void ImpostaSfondo(const QPixmap& p);
    const QPixmap& Sfondo() const { return m_sfondo; }
    // L'area della finestra alla prima apertura, quella su cui sono disegnate le pagine.
    static constexpr QSize DimensioneIniziale {792, 554};
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QPixmap m_sfondo;
};

// Il progetto aperto com'era, da riprendere nella finestra principale rifatta in un'altra lingua.
struct TRipresa
{
    std::shared_ptr<QTemporaryDir> cartella; // il progetto scritto, con le modifiche non salvate
    QString file; // in `cartella`
    std::shared_ptr<TFotografia> fotografia; // ciò che il file non porta (ricalcoli, avvisi)
    std::shared_ptr<TStoriaAnnullamenti> storia; // i passi da annullare e ripetere
    QString nomeFile; // il file del progetto, vuoto se mai salvato
    QString titolo;
    QString titoloBase;
    bool modificato = false;
    int pagina = 0;
};

class TTERMOVELA : public QMainWindow
{
    Q_OBJECT
public:
    // Codice d'uscita del ciclo degli eventi: la finestra va rifatta nella lingua appena scelta.
    static constexpr int RifaiInAltraLingua = 0x4c49;

    TTERMOVELA(TDati* dati, QWidget* parent = nullptr);
    ~TTERMOVELA() override;

    // Stato della finestra principale.
    QString NomeFile;
    QString TitoloBase;
    QString DirIniziale;
    bool Occupato = false;

    TAreaSfondo* AreaMdi() const { return m_area; }
    // La finestra di progetto aperta, se c'è (al più una).
    QWidget* Progetto() const;
    TProgetto* FinestraProgetto() const;
    TFileHistory* Cronologia() const { return m_cronologia.get(); }

    // Apertura di un progetto da un percorso: "Apri", le voci della cronologia, la riga di comando.
    void ApriDaPercorso(const QString& percorso);
    // Un progetto è aperto e qualcosa è cambiato dall'apertura o dall'ultimo salvataggio.
    bool ProgettoModificato() const;
    // Modifiche in sospeso che impediscono di salvare: false (con il messaggio) se ce n'è una.
    bool VerificaModifiche();
    // Comandi del menu "Stampa".
    TComandiStampa* Stampa() const { return m_stampa; }
    // Chiude la finestra di progetto senza domande; le tabelle restano come sono.
    void ChiudiProgetto();
    // Posizione, dimensioni e massimizzazione, ricordate fra le sessioni (salvate alla chiusura).
    void SalvaGeometria() const;
    void RipristinaGeometria();
    // Legge un progetto o un modello e crea la finestra di progetto.
    void LeggiProgetto(const QString& percorso);
    TInfo* Info() const { return m_info; }
    // La scelta "Lingua": salvata, poi la finestra si rifà nella nuova lingua con il progetto
    // aperto com'era (le modifiche in sospeso che impediscono di salvare fermano il cambio).
    void CambiaLingua(const QString& lingua);
    // Il progetto da riprendere dopo il cambio di lingua (vuoto se nessuno).
    std::optional<TRipresa> PrendiRipresa() { return std::exchange(m_ripresa, std::nullopt); }
    // Riapre il progetto lasciato dalla finestra precedente, com'era.
    void Riprendi(const TRipresa& r);
    // Falso se l'apertura delle tabelle al primo avvio non è riuscita.
    bool AvvioRiuscito() const { return m_avvioRiuscito; }

    // Voci del menu, con i nomi dei componenti.
    QMenu* File1;
    QMenu* Nuovo1;
    QMenu* Standard11;
    QAction* SoloRiscaldamento1;
    QAction* RegolazionePUNTOFISSO1;
    QAction* RegolazioneV221V1;
    QAction* RegolazioneV2251;
    QAction* Apri1;
    QAction* Salva1;
    QAction* SalvaconNome1;
    QAction* Pianta1;
    QAction* N1;
    QAction* Chiudi1;
    QAction* Esci1;
    QMenu* Stampe;
    QAction* RapportoTecnico1;
    QAction* PreventivoSemplice1;
    QAction* PreventivoCompleto1;
    QAction* OttimizzCircuiti1;
    QAction* Etichette1;
    QAction* TavolaImpianto1;
    QAction* Informazioni1;
    QAction* Manuale1; // F1: il manuale
    QStatusBar* StatusBar1;

public Q_SLOTS:
    // "V220HJ" e Regolazione "PUNTO FISSO": il modello dipende dalla voce scelta.
    void SoloRiscaldamento1Click();
    void RegolazioneV221V1Click();
    void RegolazioneV2251Click();
    void Apri1Click();
    void Salva1Click();
    void SalvaconNome1Click();
    void Chiudi1Click();
    void Esci1Click();
    void Informazioni1Click();
    void File1Click() { }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void creaMenu();
    QAction* voce(QMenu* menu, const QString& nome, const QString& testo);
    void nuovoProgetto(const QString& modello);
    void salvaConNome();
    void scrivi(const QString& percorso);
    // Menu di un progetto aperto (true) o di nessun progetto.
    void menuProgetto(bool aperto);

    TDati* m_dati;
    TAreaSfondo* m_area;
    TInfo* m_info;
    std::unique_ptr<TFileHistory> m_cronologia;
    bool m_mostrata = false;
    bool m_geometriaRipristinata = false;
    bool m_avvioRiuscito = true;
    TComandiStampa* m_stampa = nullptr;
    TMenuModifica* m_modifica = nullptr; // "Annulla" e "Ripeti"
    std::optional<TRipresa> m_ripresa;
};
