#pragma once
// Opzioni di stampa del capitolato: senza o con prezzi.
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TOpzCap : public QDialog
{
    Q_OBJECT
public:
    explicit TOpzCap(QWidget* parent = nullptr);

    // Indice scelto in RadioGroup1: 0 "Senza Prezzi", 1 "Con Prezzi".
    int ItemIndex() const;

    QGroupBox* RadioGroup1;
    QRadioButton* Voce0;
    QRadioButton* Voce1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
    QButtonGroup* m_gruppo;
};
