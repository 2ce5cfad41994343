#pragma once
// Finestra di avanzamento "Caricamento": piccola, sempre in primo piano, senza icone di bordo,
// centrata sulla finestra principale, con una sola barra. Vive per una lettura o un salvataggio.
#include "data/Uprogresso.h"

#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;
class QPushButton;

class TCaricamento : public QDialog, public TProgresso
{
    Q_OBJECT
public:
    explicit TCaricamento(QWidget* principale = nullptr);

    // Titolo e massimo, posizione 0; la finestra si mostra e si dipinge subito.
    void Inizia(const QString& titolo, int massimo) override;
    // Un valore trattato: la barra avanza di uno.
    void Passo() override;
    // Barra piena, finestra chiusa.
    void Fine() override;
    void Respira() override;

    // Per le operazioni che sanno fermarsi lasciando tutto com'era: un pulsante "Annulla" (anche
    // Esc). La finestra diventa modale per l'applicazione, così durante l'operazione il progetto
    // non si tocca, e Respira lascia passare anche i clic.
    void PermettiAnnulla();
    bool Annullato() const override { return m_annullato; }

    QProgressBar* ProgressBar1;
    QPushButton* BitBtnAnnulla = nullptr;

protected:
    void reject() override;

private:
    int m_posizione = 0;
    bool m_annullato = false;
    QElapsedTimer m_ultimoRespiro;
};
