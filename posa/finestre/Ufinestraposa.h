#pragma once
// Finestra "Posa dei circuiti": la posa del progetto sulla sua pianta, un circuito per riga con
// il nome della pagina dei collettori, il passo, l'anello, i collegamenti, il totale misurato e la
// lunghezza dimensionata (in rosso il totale oltre la lunghezza massima dei circuiti). Lo schema
// del progetto si sceglie sopra, quello di un locale con un doppio clic sulla sua cella "Schema";
// "Lunghezze dal disegno" fa usare ai passi successivi i totali misurati. A destra il disegno del
// piano con i circuiti posati: la riga scelta vi è in evidenza, un clic su un tubo sceglie la riga;
// Ctrl+clic (o il menu del tasto destro) sposta l'ingresso del circuito scelto verso quel punto.
#include "posa/Uposapiano.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTabBar;
class QTableWidget;
class TDisegnoPosa;
class TStatoProgetto;

class TFinestraPosa : public QDialog
{
    Q_OBJECT
public:
    explicit TFinestraPosa(TStatoProgetto& stato, QWidget* parent = nullptr);

    // Rifà la posa con lo stato di ora e riempie la tabella.
    void Aggiorna();
    // L'ingresso del circuito di una riga verso un punto della pianta (m), o automatico (nullopt);
    // si salva con il progetto e vale finché il punto resta vicino alla parte del circuito.
    void ImpostaIngresso(int riga, std::optional<QPointF> punto);

    QComboBox* ComboSchema;
    QCheckBox* CheckLunghezze;
    QTableWidget* Tabella;
    QLabel* LabelNote;
    QTabBar* TabPiani;
    TDisegnoPosa* Disegno;

    enum TColonna { Circuito, Locale, Piano, Collettore, Schema, Passo, Anello, Collegamenti, Totale, Dimensionata };

private:
    void cambiaSchemaLocale(int riga);
    void modificato();
    void mostraPiano(int indice);
    void aggiornaPiani(int riga);
    void rigaScelta();
    void circuitoScelto(int circuito);

    TStatoProgetto& m_stato;
    QList<int> m_idRiga; // ID del locale di ogni riga
    QList<TPosaPiano> m_posa;
    QList<std::pair<int, int>> m_circuitoRiga; // piano e circuito (indici in m_posa) di ogni riga
};
