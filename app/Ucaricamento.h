#pragma once
// Finestra di avanzamento "Caricamento": piccola, sempre in primo piano, senza icone di bordo,
// centrata sulla finestra principale, con una sola barra. Vive per una lettura o un salvataggio.
#include "data/Uprogresso.h"

#include <QDialog>

class QProgressBar;

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

    QProgressBar* ProgressBar1;

private:
    int m_posizione = 0;
};
