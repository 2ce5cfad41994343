#include "progetto/Ucronologia.h"

#include "progetto/Urecord.h"

#include <QFile>
#include <QSaveFile>

TCronologia::TCronologia(int massimo, const QString& percorsoFile)
    : m_massimo(massimo)
    , m_percorsoFile(percorsoFile)
{
    // Senza file (primo avvio) o con un file illeggibile l'elenco resta vuoto.
    if (Leggi(m_percorsoFile, m_voci))
        while (m_voci.size() > m_massimo)
            m_voci.removeLast();
}

bool TCronologia::Leggi(const QString& percorso, QStringList& voci)
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

QStringList TCronologia::VociDa(const QByteArray& contenuto)
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

bool TCronologia::Scrivi(const QString& percorso, const QStringList& voci)
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

void TCronologia::ImpostaCorrente(const QString& percorso)
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
    while (m_voci.size() > m_massimo)
        m_voci.removeLast();
    salva();
}

void TCronologia::ScartaCorrente()
{
    m_corrente.clear();
    salva();
}

void TCronologia::salva()
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
