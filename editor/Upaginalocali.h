#pragma once
// Pagina "Locali" della finestra di progetto: la griglia dei locali di AuxLocali.
#include "editor/Upagina.h"

#include <functional>

class QHBoxLayout;
class QPushButton;
class TDBGrid;
class TDBNavigator;

class TPaginaLocali : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaLocali(TProgetto& progetto);

    // Si entra nella pagina per scrivere nella griglia: il fuoco va lì.
    void Entra() override;

    TDBGrid* DBGrid1;
    TDBNavigator* DBNavigator3;
    // Barra sotto la griglia: il navigatore a sinistra, posto per altri pulsanti a destra.
    QHBoxLayout* BarraLocali;
    QPushButton* BitBtnImporta;
    QPushButton* BitBtnEsporta;
    QPushButton* BitBtnPianta;
    QPushButton* BitBtnPosa;

    // Dialogo dei file dei locali (salva: scelta del file da scrivere); vuoto se annullato.
    // Il programma usa QFileDialog; i test rispondono da sé.
    std::function<QString(bool salva)> ScegliFile;

    // Il suggerimento di una cella misurata sulla pianta (Area, AreaUtile, AreaMarginale,
    // DistColl di un locale con un contorno): il valore della pianta, e se quello scritto è suo.
    QString DaPianta(int riga, const QString& campo) const;

public Q_SLOTS:
    void BitBtnImportaClick();
    void BitBtnEsportaClick();
};
