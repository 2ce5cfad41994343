#pragma once
// Controlli di griglia riutilizzabili: vista a sola lettura su un dataset, griglia di testi con
// righe fisse in testa, numero che si cambia solo con le frecce.
#include "controlli/Ucontrolli.h"

#include <QSpinBox>
#include <QTableWidget>

class QTableView;

// Griglia a sola lettura sopra un dataset: nessuna cella si modifica, qualunque sia la tabella.
class TModelloSolaLettura : public TModelloTabella
{
    Q_OBJECT
public:
    using TModelloTabella::TModelloTabella;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex&, const QVariant&, int) override { return false; }
};

// Griglia di testi con righe fisse in testa: restano visibili mentre le altre scorrono.
// Le righe fisse sono le prime del modello (item(0, 0) è la prima intestazione).
class TGrigliaFissa : public QTableWidget
{
    Q_OBJECT
public:
    TGrigliaFissa(int righeFisse, QWidget* parent = nullptr);
    int RigheFisse() const { return m_numFisse; }
    // Righe dopo quelle fisse (le intestazioni restano).
    void ImpostaRigheDati(int righe);

protected:
    void updateGeometries() override;

private:
    void nascondiFisse();

    int m_numFisse;
    QTableView* m_fisse;
};

// Numero che si cambia solo con le frecce (pulsanti o tasti): il testo non si scrive.
class TSpinFrecce : public QSpinBox
{
    Q_OBJECT
public:
    explicit TSpinFrecce(QWidget* parent = nullptr);
};
