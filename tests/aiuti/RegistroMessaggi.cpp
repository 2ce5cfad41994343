#include "RegistroMessaggi.h"

#include <QTest>

TRegistroMessaggi::TRegistroMessaggi()
{
    TMessaggi::installa(this);
}

TRegistroMessaggi::~TRegistroMessaggi()
{
    TMessaggi::installa(nullptr);
}

bool TRegistroMessaggi::mostra(const TMessaggio& m)
{
    m_messaggi << m;
    if (!m.conAnnulla)
        return true;
    if (m_risposte.isEmpty()) {
        m_domandeSenzaRisposta << m.testo;
        return false;
    }
    return m_risposte.takeFirst();
}

TMessaggio TRegistroMessaggi::Prendi()
{
    if (m_messaggi.isEmpty())
        return {};
    return m_messaggi.takeFirst();
}

QStringList TRegistroMessaggi::PrendiTutti()
{
    QStringList l;
    for (const auto& m : m_messaggi)
        l << m.testo;
    m_messaggi.clear();
    return l;
}

bool TRegistroMessaggi::Controlla()
{
    QStringList problemi;
    for (const auto& m : m_messaggi)
        problemi << QStringLiteral("messaggio inatteso: ") + m.testo;
    for (const auto& d : m_domandeSenzaRisposta)
        problemi << QStringLiteral("domanda senza risposta preparata: ") + d;
    if (!m_risposte.isEmpty())
        problemi << QStringLiteral("%1 risposte preparate non usate").arg(m_risposte.size());
    m_messaggi.clear();
    m_risposte.clear();
    m_domandeSenzaRisposta.clear();
    if (!problemi.isEmpty()) {
        QTest::qFail(qPrintable(problemi.join(QStringLiteral("; "))), __FILE__, __LINE__);
        return false;
    }
    return true;
}
