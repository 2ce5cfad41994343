#pragma once
// Gruppo di pulsanti d'opzione con un indice della voce scelta (-1 nessuna). Una scelta fatta dal
// codice dà lo stesso segnale di quella dell'utente, e nessuno quando la voce non cambia.
#include <QGroupBox>
#include <QVector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroup(const QStringList& voci, QWidget* parent = nullptr);

    int ItemIndex() const { return m_indice; }
    // -1 toglie la scelta senza segnale, come un pulsante d'opzione che si spegne.
    void SetItemIndex(int indice);
    QRadioButton* Voce(int indice) const { return m_voci.value(indice); }
    int NumVoci() const { return int(m_voci.size()); }

Q_SIGNALS:
    // La voce scelta è cambiata (per mano dell'utente o del codice).
    void Click();

private:
    void acceso(int indice, bool acceso);

    QButtonGroup* m_gruppo;
    QVector<QRadioButton*> m_voci;
    int m_indice = -1;
};
