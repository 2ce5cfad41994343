#include "app/Ucronologia.h"

#include "progetto/Urecord.h"
#include "data/Umessaggi.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSaveFile>

#include <utility>

TFileHistory::TFileHistory(int massimo, const QString& percorsoFile, QMenu* menu, QAction* ancora, TAzione azione,
                           QObject* proprietario)
    : m_massimo(massimo)
    , m_percorsoFile(percorsoFile)
    , m_menu(menu)
    , m_ancora(ancora)
    , m_azione(std::move(azione))
    , m_proprietario(proprietario)
{
    // Senza file (primo avvio) o con un file illeggibile il menu resta senza voci.
    if (Leggi(m_percorsoFile, m_voci))
        ricostruisci();
}

TFileHistory::~TFileHistory()
{
    ImpostaCorrente(QString());
    if (!Scrivi(m_percorsoFile, m_voci))
        TMessaggi::ErroreTitolo(QStringLiteral("Could not save history file"), QStringLiteral("Error"));
}

bool TFileHistory::Leggi(const QString& percorso, QStringList& voci)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray tutto = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    voci = VociDa(tutto);
    return true;
}

QStringList TFileHistory::VociDa(const QByteArray& contenuto)
{
    QStringList voci;
    // Righe chiuse da CR LF; si accettano anche LF o CR soli. Le righe vuote non sono percorsi.
    for (QByteArray riga : contenuto.split('\n')) {
        if (riga.endsWith('\r'))
            riga.chop(1);
        for (const QByteArray& parte : riga.split('\r'))
            if (!parte.isEmpty())
                voci << DaCp1252(parte);
    }
    return voci;
}

bool TFileHistory::Scrivi(const QString& percorso, const QStringList& voci)
{
    QByteArray tutto;
    for (const QString& v : voci)
        tutto += InCp1252(v) + "\r\n";
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(tutto) != tutto.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

void TFileHistory::ImpostaCorrente(const QString& percorso)
{
    if (!m_corrente.isEmpty())
        m_voci.prepend(m_corrente);
    if (!percorso.isEmpty())
        for (int i = 0; i < m_voci.size(); ++i)
            if (m_voci[i].compare(percorso, Qt::CaseInsensitive) == 0) {
                m_voci.removeAt(i);
                break;
            }
    m_corrente = percorso;
    ricostruisci();
    salva();
}

void TFileHistory::ScartaCorrente()
{
    m_corrente.clear();
    salva();
}

void TFileHistory::salva()
{
    // Il file si aggiorna a ogni cambiamento, con il file corrente in cima come lo scriverebbe
    // l'uscita: un'interruzione del programma non perde la cronologia. Un errore qui si tace;
    // lo dice l'ultimo salvataggio, all'uscita.
    QStringList voci = m_voci;
    if (!m_corrente.isEmpty())
        voci.prepend(m_corrente);
    while (voci.size() > m_massimo)
        voci.removeLast();
    Scrivi(m_percorsoFile, voci);
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
    while (m_voci.size() > m_massimo)
        m_voci.removeLast();
    if (m_voci.isEmpty() || !m_menu || !m_ancora)
        return;

    const QList<QAction*> voci = m_menu->actions();
    const int ancora = int(voci.indexOf(m_ancora));
    QAction* prima = ancora + 1 < voci.size() ? voci[ancora + 1] : nullptr;
    for (int i = 0; i < m_voci.size(); ++i) {
        // "&1 percorso": la cifra è l'acceleratore; "&10" ha come acceleratore l'1.
        QString testo = m_voci[i];
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
    if (i < 0 || i >= m_voci.size() || !m_azione)
        return;
    // La voce non si sposta: lo fa l'apertura, che rende il file corrente.
    const QString percorso = m_voci[i];
    m_azione(m_proprietario, percorso);
}
