#pragma once
// Dialogo del nome di un collettore ("Nuovo" e "Modifica" della pagina "Collettori").
#include <QDialog>

class QLineEdit;
class QPushButton;

class TDefColl : public QDialog
{
    Q_OBJECT
public:
    explicit TDefColl(QWidget* parent = nullptr);

    // Il testo resta da un uso all'altro: è il nome proposto la volta dopo.
    QString Nome() const;
    void Svuota();

    QLineEdit* Edit1;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Annulla

public Q_SLOTS:
    // OK con il nome vuoto lascia il dialogo aperto.
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;
};
