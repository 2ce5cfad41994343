#include "app/Ucronologia.h"

#include "data/Umessaggi.h"

#include <QAction>
#include <QMenu>

#include <utility>

TFileHistory::TFileHistory(int massimo, const QString& percorsoFile, QMenu* menu, QAction* ancora, TAzione azione,
                           QObject* proprietario)
    : TCronologia(massimo, percorsoFile)
    , m_menu(menu)
    , m_ancora(ancora)
    , m_azione(std::move(azione))
    , m_proprietario(proprietario)
{
    ricostruisci();
}

TFileHistory::~TFileHistory()
{
    ImpostaCorrente(QString());
    if (!Scrivi(PercorsoFile(), Voci()))
        TMessaggi::ErroreTitolo(QStringLiteral("Could not save history file"), QStringLiteral("Error"));
}

void TFileHistory::ImpostaCorrente(const QString& percorso)
{
    TCronologia::ImpostaCorrente(percorso);
    ricostruisci();
}

void TFileHistory::ricostruisci()
{
    // Via le voci di prima e il loro separatore finale (più tardi: la voce scelta può essere
    // ancora nel suo gestore).
    for (QAction* a : std::as_const(m_azioni)) {
        if (m_menu)
            m_menu->removeAction(a);
        a->deleteLater();
    }
    m_azioni.clear();
    if (m_separatoreFinale) {
        if (m_menu)
            m_menu->removeAction(m_separatoreFinale);
        m_separatoreFinale->deleteLater();
        m_separatoreFinale = nullptr;
    }
    const QStringList& elenco = Voci();
    if (elenco.isEmpty() || !m_menu || !m_ancora)
        return;

    const QList<QAction*> voci = m_menu->actions();
    const int ancora = int(voci.indexOf(m_ancora));
    QAction* prima = ancora + 1 < voci.size() ? voci[ancora + 1] : nullptr;
    for (int i = 0; i < elenco.size(); ++i) {
        // "&1 percorso": la cifra è l'acceleratore; "&10" ha come acceleratore l'1.
        QString testo = elenco[i];
        testo.replace(u'&', QLatin1String("&&"));
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(testo), m_menu);
        a->setObjectName(QStringLiteral("Cronologia%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, a] { scelta(a); });
        m_menu->insertAction(prima, a);
        m_azioni << a;
    }
    m_separatoreFinale = new QAction(m_menu);
    m_separatoreFinale->setSeparator(true);
    m_menu->insertAction(prima, m_separatoreFinale);
}

void TFileHistory::scelta(QAction* voce)
{
    const int i = int(m_azioni.indexOf(voce));
    if (i < 0 || i >= Voci().size() || !m_azione)
        return;
    // La voce non si sposta: lo fa l'apertura, che rende il file corrente.
    const QString percorso = Voci()[i];
    m_azione(m_proprietario, percorso);
}
