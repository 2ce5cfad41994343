#pragma once
// Finestra "Ottimizzazione Circuiti": mostra i circuiti dell'albero dei collettori con le loro
// lunghezze, lascia scegliere le matasse, lo scarto minimo e l'opzione, esegue il taglio del
// nucleo (optimise/Ucalcolo) e ne mostra la lista di taglio (AuxCircuiti) e la statistica.
// Non tiene copia delle tabelle: la lista di taglio è una vista su AuxCircuiti.
#include "controlli/Ugriglie.h"
#include "optimise/Ucalcolo.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class TStatoProgetto;

class TOttimizza : public QDialog
{
    Q_OBJECT
public:
    explicit TOttimizza(TStatoProgetto& stato, QWidget* parent = nullptr);
    ~TOttimizza() override;

    // "Ottimizzazione Circuiti" della pagina dei collettori: con l'assegnazione incompleta mostra
    // l'avviso e restituisce false; altrimenti apre la finestra in modo modale e restituisce true
    // alla sua chiusura.
    static bool Esegui(TStatoProgetto& stato, QWidget* parent = nullptr);

    QLabel* Panel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    TGrigliaFissa* AnelliG;
    QTableView* DBGrid1;
    QGroupBox* GroupBox2;
    QListWidget* Matasse;
    QGroupBox* RadioGroup1;
    QGroupBox* GroupBox3;
    TSpinFrecce* CSpinEdit1;
    QLabel* Label6;
    QGroupBox* GroupBox1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    // "Minimo acquisto": il taglio che compra meno tubo, con il limite inferiore come quinta
    // statistica (mostrata solo con un'ottimizzazione fatta in quel modo, anche riaprendo il progetto).
    QCheckBox* CheckMinimo;
    QLabel* LabelLimite;
    QLineEdit* EditLimite;
    QProgressBar* ProgressBar1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn4;

    // Posti lasciati liberi per un'altra opzione accanto a RadioGroup1 e per una quinta voce
    // della statistica (riga 4 di GrigliaStatistica, ora occupata da uno spaziatore).
    QHBoxLayout* RigaOpzioni;
    QGridLayout* GrigliaStatistica;

    int NumCircuiti = 0;
    bool CalcoloInCorso = false;

    // Voce scelta di RadioGroup1: 0 "Totale", 1 "Per Piano".
    int OpzioneScelta() const;
    void ImpostaOpzione(int indice);
    // Le lunghezze spuntate di Matasse, nell'ordine dell'elenco.
    QVector<int> MatasseSpuntate() const;

public Q_SLOTS:
    void FormCreate();
    void FormShow();
    void BitBtn3Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void svuotaStatistica();
    // La quinta statistica; nascosta con un testo vuoto.
    void mostraLimite(const QString& limite);
    void mostraColonne();
    void seguiCursore();
    QLineEdit* casellaStatistica(const QString& nome);

    TStatoProgetto& m_stato;
    TModelloSolaLettura* m_modello;
    QButtonGroup* m_opzioni;
    // La lista dei circuiti e gli articoli del tubo letti all'apertura.
    QVector<CircuitoOtt> m_circuiti;
    QVector<ArticoloRotolo> m_articoli;
};
