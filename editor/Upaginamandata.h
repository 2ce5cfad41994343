#pragma once
// Pagina "T Mandata Progetto" della finestra di progetto: temperatura di mandata di progetto, modo
// (ottima, con o senza area marginale), salvataggio delle impostazioni e griglia dei circuiti.
#include "editor/Upagina.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class TGriglia1;
class TRadioGroup;
class TVerificaMandata;

class TPaginaMandata : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaMandata(TProgetto& progetto);

    // Griglia a due righe, calcolo (che riempie la pagina), nessun locale selezionato.
    void Entra() override;

    QGroupBox* GroupBox7;
    QSlider* TrackBar1;
    QLineEdit* Edit1;
    TRadioGroup* RadioGroup1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    TGriglia1* Griglia1;
    QLabel* Label17;
    QLineEdit* Edit2;
    // Colonna "EN 1264", conteggio sotto la griglia e "T EN 1264".
    TVerificaMandata* VerificaEn1264;

    // Indice in RisultatiLocali del locale scelto nella griglia, -1 nessuno.
    int LocaleSelezionato = -1;

public Q_SLOTS:
    void TrackBar1Change();
    void RadioGroup1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Griglia1SelectCell(int colonna, int riga);

private:
    // Fine del ricalcolo con la pagina attiva: controlli e griglia alle impostazioni salvate.
    void MostraRicalcolo();
    void MostraTemperatura(float gradi);
    void MostraLocale(const QString& separatore);
};
