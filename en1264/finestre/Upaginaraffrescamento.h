#pragma once
// Pagina "Raffrescamento" della finestra di progetto: dati estivi, punto di rugiada e, per ogni
// locale, la resa estiva dei circuiti posati per il riscaldamento con la verifica di condensa.
#include "editor/Upagina.h"
#include "en1264/Uraffrescamento.h"

#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TPaginaRaffrescamento : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaRaffrescamento(TProgetto& progetto);

    // Ricalcolo del progetto alle impostazioni salvate, poi la tabella estiva.
    void Entra() override;

    QDoubleSpinBox* EditTAmbiente;
    QDoubleSpinBox* EditUR;
    QDoubleSpinBox* EditMargine;
    QDoubleSpinBox* EditMandata;
    QCheckBox* CheckMinima; // mandata = la più bassa sicura
    QLabel* LabelRugiada;
    QLabel* LabelProposta;
    QPushButton* BitBtnProposta;
    QTableWidget* Tabella;
    QLabel* LabelRiepilogo;

    // Mandata estiva usata nell'ultimo calcolo (0 se nessuna è sicura) e risultati per locale.
    float MandataUsata = 0;
    std::vector<TRaffLocale> Risultati;

public Q_SLOTS:
    // Un dato estivo cambiato: accettato se la mandata non condensa, altrimenti rifiutato con il
    // messaggio e i controlli tornano ai dati del progetto.
    void DatiCambiati();
    void BitBtnPropostaClick();

private:
    void MostraDati();
    void Aggiorna();
    TDatiEstivi DatiControlli() const;
};
