#pragma once
// Finestra di avvio mostrata mentre il programma crea il modulo dati e le finestre.
#include <QWidget>

// Registra le immagini incorporate del programma (libreria statica).
void InizializzaRisorseApp();

class TStart : public QWidget
{
    Q_OBJECT
public:
    explicit TStart(QWidget* parent = nullptr);
    // Mostra e disegna subito, prima che parta il ciclo dei messaggi.
    void MostraSubito();
};
