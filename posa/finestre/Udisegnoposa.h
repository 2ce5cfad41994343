#pragma once
// Il disegno della posa di un piano: sfondo, contorni dei locali, zone senza tubi, anelli e
// collegamenti nei colori dei loro collettori, collettori con il nome; il circuito scelto in
// evidenza. Sfondo e tubi stanno nella cache della vista: spostare la vista non li ridisegna.
#include "pianta/Upianta.h"
#include "posa/Uposapiano.h"

#include <QWidget>

class TVistaPianta;

class TDisegnoPosa : public QWidget
{
    Q_OBJECT
public:
    explicit TDisegnoPosa(QWidget* parent = nullptr);

    // Il piano e la sua posa (copiati); la vista si adatta al piano quando il piano cambia.
    void Mostra(const TPiano& piano, const TPosaPiano& posa);
    // Indice in posa.circuiti del circuito da mettere in evidenza; -1 nessuno.
    void Evidenzia(int circuito);
    int Evidenziato() const { return m_evidenza; }
    // Il circuito posato sotto un punto dello schermo (il più vicino entro pochi pixel), -1 nessuno.
    int CircuitoIn(QPointF schermo) const;
    TVistaPianta* Vista() const { return m_vista; }
    const TPosaPiano& Posa() const { return m_posa; }
    void Adatta();

Q_SIGNALS:
    void circuitoScelto(int circuito);
    // Ctrl+clic o menu sul disegno: l'ingresso del circuito in evidenza verso quel punto (m), o di
    // nuovo automatico.
    void ingressoScelto(int circuito, QPointF punto);
    void ingressoAutomatico(int circuito);

protected:
    // La prima volta che si vede, con la sua misura vera, mostra tutto il piano.
    void showEvent(QShowEvent* e) override;

private:
    void disegna(QPainter& p, const QRectF& visibile) const;
    void disegnaEvidenza(QPainter& p) const;
    void menu(QPointF schermo, QPointF metri);

    TVistaPianta* m_vista;
    TPiano m_piano;
    TPosaPiano m_posa;
    QList<QRectF> m_limiti; // di ogni circuito (anello e collegamenti), per non dipingere il fuori vista
    int m_evidenza = -1;
};
