#pragma once
// Finestra "Info" con il nome del prodotto e i recapiti del produttore.
#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

class TInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1;
    QPushButton* Manuale; // apre il manuale

    // manuale.pdf della cartella di avvio.
    static QString PercorsoManuale();
    // Apre il manuale con l'applicazione del desktop; se manca o non si apre lo dice e dà false.
    static bool ApriManuale();
    // Chi apre davvero il file (per difetto QDesktopServices): i test registrano la richiesta.
    using TApertura = std::function<bool(const QString& file)>;
    static void ImpostaApertura(TApertura apertura);
};
