#pragma once
// Chi apre la finestra "Pianta" dal progetto: le passa i locali e i collettori del progetto,
// crea i locali nuovi e scrive nei locali i valori che vengono dalla pianta.
#include "pianta/Upianta.h"
#include "pianta/Uvalori.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include "pianta/finestre/Ufinestrapianta.h"

class QWidget;
class TStatoProgetto;

class TApriPianta : public QObject
{
    Q_OBJECT
public:
    TApriPianta(TStatoProgetto& stato, QWidget* padre);

    // Mostra la finestra (la crea alla prima volta, altrimenti la porta davanti con i locali di ora).
    void Apri();
    TFinestraPianta* Finestra() const { return m_finestra; }

private:
    void aggiornaFinestra();
    int nuovoLocale(const QString& piano, double area);
    void scriviValori(const TValoriPianta& valori);

    TStatoProgetto& m_stato;
    QWidget* m_padre;
    QPointer<TFinestraPianta> m_finestra;
    // Ultimi valori venuti dalla pianta, per locale: si riscrive solo il locale i cui valori cambiano.
    QHash<int, QList<TAggiornamento>> m_ultimi;
};
