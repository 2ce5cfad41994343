#pragma once
// Finestra "Info" con il nome del prodotto e i recapiti del produttore.
#include <QDialog>

class QPlainTextEdit;

class TInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1;
};
