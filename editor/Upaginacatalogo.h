#pragma once
// Pagina "Catalogo" della finestra di progetto: ricerca negli articoli del catalogo e prodotti
// aggiuntivi del progetto (AuxCompAgg) con la loro quantità.
#include "editor/Upagina.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableView;
class TDBNavigator;
class TModelloTabella;

class TPaginaCatalogo : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaCatalogo(TProgetto& progetto);

    // Le due caselle di ricerca si svuotano; la query resta com'è.
    void Entra() override;
    // Dopo la lettura di un progetto: caselle vuote e tutto il catalogo per descrizione.
    void Reimposta();

    QTabBar* TabControl1;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QPushButton* BitBtn1;
    QTableView* DBGrid2;
    QPushButton* BitBtn5;
    QWidget* Panel4;
    QLabel* Label28;
    QTableView* DBGrid3;
    TDBNavigator* DBNavigator4;

public Q_SLOTS:
    void TabControl1Change();
    void BitBtn1Click();
    void BitBtn5Click();

private:
    void crea();
    QWidget* creaRicerca();
    QWidget* creaProdotti();
    // Riapre QCompAgg sul testo con i modelli legati come parametri.
    void interroga(const QString& sql, const QVariantList& modelli);
    void eliminaRiga();

    TModelloTabella* m_modelloCatalogo = nullptr;
    TModelloTabella* m_modelloProdotti = nullptr;
};
