#pragma once
// Vista dei collegamenti dei collettori "SCELTA COLLETTORI": una riga per collettore di
// AuxCollettori con nome, anelli, portata, perdita di carico e tipo; conferma o ritira
// l'assegnazione (CollettoriConfermati) e ricalcola le perdite dopo ogni scelta del tipo.
#include <QDialog>
#include <QPointer>
#include <QScrollArea>
#include <QVector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class TDati;
class TStatoProgetto;
class TTabella;

// Griglia a pannelli sopra AuxCollettori: un pannello di 40 pixel per riga, otto visibili, nessuna
// riga aggiunta o tolta dall'utente. I valori si leggono dalla tabella a ogni aggiornamento.
class TDBCtrlGrid : public QScrollArea
{
    Q_OBJECT
public:
    static constexpr int AltezzaRiga = 40;
    static constexpr int RigheVisibili = 8;
    // Larghezze delle colonne, condivise con le intestazioni della vista.
    static constexpr int LarghezzaNome = 160, LarghezzaNumero = 70, LarghezzaPortata = 80, LarghezzaPerdita = 90;

    TDBCtrlGrid(TTabella* tabella, TTabella* tipi, QWidget* parent = nullptr);

    int Righe() const { return int(m_pannelli.size()); }
    // Il pannello di una riga, con DBText1..DBText4 e DBLookupComboBox1.
    QWidget* Pannello(int riga) const { return m_pannelli.value(riga); }
    QComboBox* ElencoTipi(int riga) const;
    void AbilitaElenchi(bool abilitati);
    bool ElenchiAbilitati() const { return m_elenchiAbilitati; }
    void Aggiorna();

Q_SIGNALS:
    // L'utente ha chiuso l'elenco dei tipi di una riga su una scelta (chiave RIF).
    void sceltaTipo(int riga, const QString& rif);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* nuovoPannello();
    QString testo(int riga, const QString& campo) const;

    QPointer<TTabella> m_tabella;
    QPointer<TTabella> m_tipi;
    QWidget* m_contenuto;
    QVector<QWidget*> m_pannelli;
    bool m_elenchiAbilitati = true;
    bool m_inAggiornamento = false;
};

class TMostraCColl : public QDialog
{
    Q_OBJECT
public:
    explicit TMostraCColl(TDati& dati, QWidget* parent = nullptr);

    // Il progetto aperto (nullptr quando non ce n'è): i gestori che ne hanno bisogno lo cercano qui.
    void ImpostaProgetto(TStatoProgetto* stato);

    TDBCtrlGrid* DBCtrlGrid1;
    QLabel* Label9;
    QTimer* Timer1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

public Q_SLOTS:
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();
    void DBLookupComboBox1CloseUp(int riga, const QString& rif);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FormShow();
    void FormClose();

    TDati& m_dati;
    QPointer<TStatoProgetto> m_stato;
};
