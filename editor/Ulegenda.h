#pragma once
// Finestra "Legenda" della griglia dei circuiti: il significato di colori, lampade e marche.
#include <QDialog>

class TLegenda : public QDialog
{
    Q_OBJECT
public:
    explicit TLegenda(QWidget* parent = nullptr);

    // Voci della legenda: campione disegnato come nella griglia e spiegazione.
    struct TVoce
    {
        int colonna;
        QString testo;
        int immagine;
        int marca;
        QString spiegazione;
    };
    static QList<TVoce> Voci();
};
