#pragma once
// Finestra principale: cornice MDI con il menu dei progetti e dei documenti.
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>

class QAction;
class QMenu;
class QStatusBar;
class TDati;
class TInfo;

// Area MDI che dipinge lo sfondo "tvlbg" scalato e si ridisegna tutta dopo ogni scorrimento.
class TAreaSfondo : public QMdiArea
{
    Q_OBJECT
public:
    explicit TAreaSfondo(QWidget* parent = nullptr);
    void ImpostaSfondo(const QPixmap& p);
    const QPixmap& Sfondo() const { return m_sfondo; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QPixmap m_sfondo;
};

class TTERMOVELA : public QMainWindow
{
    Q_OBJECT
public:
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
    TInfo* Info() const { return m_info; }
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
    QAction* N1;
    QAction* Chiudi1;
    QAction* Esci1;
    QMenu* Stampe;
    QAction* RapportoTecnico1;
    QAction* PreventivoSemplice1;
    QAction* PreventivoCompleto1;
    QAction* OttimizzCircuiti1;
    QAction* Etichette1;
    QAction* Informazioni1;
    QStatusBar* StatusBar1;

public Q_SLOTS:
    void Esci1Click();
    void Informazioni1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void creaMenu();
    QAction* voce(QMenu* menu, const QString& nome, const QString& testo);

    TDati* m_dati;
    TAreaSfondo* m_area;
    TInfo* m_info;
    bool m_mostrata = false;
    bool m_esciSubito = false;
    bool m_avvioRiuscito = true;
};
