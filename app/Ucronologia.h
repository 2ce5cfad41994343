#pragma once
// Le voci della cronologia nel menu "Progetto", subito dopo un'ancora; l'elenco e il suo file
// sono in progetto/Ucronologia.
#include "progetto/Ucronologia.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;

class TFileHistory : public QObject, public TCronologia
{
    Q_OBJECT
public:
    using TAzione = std::function<void(QObject* proprietario, const QString& percorso)>;

    // Le voci si inseriscono nel menu subito dopo ancora.
    TFileHistory(int massimo, const QString& percorsoFile, QMenu* menu, QAction* ancora, TAzione azione,
                 QObject* proprietario);
    // Il file corrente entra nell'elenco, che si salva; se il salvataggio non riesce lo dice.
    ~TFileHistory() override;

    // Come nell'elenco, e il menu si rifà.
    void ImpostaCorrente(const QString& percorso);

    // Voci del menu, nell'ordine dell'elenco.
    QList<QAction*> Azioni() const { return m_azioni; }

private:
    void ricostruisci();
    void scelta(QAction* voce);

    QPointer<QMenu> m_menu;
    QPointer<QAction> m_ancora;
    TAzione m_azione;
    QObject* m_proprietario;
    QList<QAction*> m_azioni;
    QPointer<QAction> m_separatoreFinale;
};
