#pragma once
// Dischi che cedono, per i test del salvataggio: un limite alla dimensione dei file del processo
// (le scritture entrano nel buffer di Qt e falliscono quando il buffer si svuota, come su un
// disco pieno) e, dove la macchina lo permette (root), un vero tmpfs piccolo che si riempie o si
// rimonta in sola lettura.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

// Finché esiste, nessun file del processo cresce oltre `byte`: write() risponde EFBIG.
class TLimiteFile
{
public:
    explicit TLimiteFile(rlim_t byte)
    {
        getrlimit(RLIMIT_FSIZE, &m_prima);
        m_segnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_prima;
        r.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~TLimiteFile()
    {
        setrlimit(RLIMIT_FSIZE, &m_prima);
        std::signal(SIGXFSZ, m_segnale);
    }
    TLimiteFile(const TLimiteFile&) = delete;
    TLimiteFile& operator=(const TLimiteFile&) = delete;

    // Lo stesso limite per un processo figlio (tvl), dal suo avvio.
    static void PerFiglio(QProcess& p, rlim_t byte)
    {
        p.setChildProcessModifier([byte] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit r {byte, byte};
            setrlimit(RLIMIT_FSIZE, &r);
        });
    }

private:
    rlimit m_prima {};
    void (*m_segnale)(int) = SIG_DFL;
};

// Un tmpfs di 64 KiB montato in una cartella temporanea; Montato() è falso dove mount non è
// permesso, e il test che lo usa va saltato.
class TDiscoPiccolo
{
public:
    TDiscoPiccolo()
    {
        m_montato = m_cartella.isValid() && esegui({"-t", "tmpfs", "-o", "size=64k", "tmpfs", m_cartella.path()});
    }
    ~TDiscoPiccolo()
    {
        if (m_montato)
            esegui({m_cartella.path()}, QStringLiteral("umount"));
    }
    TDiscoPiccolo(const TDiscoPiccolo&) = delete;
    TDiscoPiccolo& operator=(const TDiscoPiccolo&) = delete;

    bool Montato() const { return m_montato; }
    QString Percorso(const QString& nome) const { return m_cartella.filePath(nome); }

    // Occupa con un file di riempimento tutto lo spazio rimasto tranne `lascia` byte.
    bool Riempi(qint64 lascia = 0) const
    {
        QFile f(Percorso(QStringLiteral(".riempimento")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray blocco(4096, 'x');
        while (f.write(blocco) == blocco.size()) { }
        return f.size() > lascia && f.resize(f.size() - lascia);
    }
    bool SolaLettura() const { return esegui({"-o", "remount,ro", m_cartella.path()}); }
    // File presenti (riempimento escluso): un temporaneo rimasto si vede qui.
    QStringList File() const { return QDir(m_cartella.path()).entryList(QDir::Files); }

private:
    static bool esegui(const QStringList& argomenti, const QString& programma = QStringLiteral("mount"))
    {
        QProcess p;
        p.start(programma, argomenti);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir m_cartella;
    bool m_montato = false;
};
