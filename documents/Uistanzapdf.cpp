#include "documents/Uistanzapdf.h"

#include "data/Uprogresso.h"
#include "documents/Updf.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

// Si collega al canale (aspettando fino a ATTESA secondi che LibreOffice sia pronto) e salva ogni
// documento in PDF con il filtro di Calc, come fa --convert-to; il PDF prende il suo nome solo
// finito, così uno interrotto non passa per buono. Senza documenti prova solo il
// collegamento. Uscita: 0 fatto, 1 qualche documento non convertito, 3 LibreOffice non risponde,
// 4 manca il modulo uno.
const char* const Script = R"(import os, sys, time
try:
    import uno
    from com.sun.star.beans import PropertyValue
except ImportError as e:
    print(e, file=sys.stderr)
    sys.exit(4)

def valore(nome, v):
    p = PropertyValue()
    p.Name, p.Value = nome, v
    return p

def collega(canale, attesa):
    locale = uno.getComponentContext()
    risolutore = locale.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", locale)
    fine = time.monotonic() + attesa
    while True:
        try:
            return risolutore.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % canale)
        except Exception:
            if time.monotonic() > fine:
                return None
            time.sleep(0.1)

def main():
    canale, attesa, uscita, documenti = sys.argv[1], float(sys.argv[2]), sys.argv[3], sys.argv[4:]
    contesto = collega(canale, attesa)
    if contesto is None:
        print("LibreOffice non risponde", file=sys.stderr)
        return 3
    desktop = contesto.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", contesto)
    errori = 0
    for d in documenti:
        pdf = os.path.join(uscita, os.path.splitext(os.path.basename(d))[0] + ".pdf")
        try:
            doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(d), "_blank", 0,
                                               (valore("Hidden", True), valore("ReadOnly", True)))
            try:
                doc.storeToURL(uno.systemPathToFileUrl(pdf + ".parte"), (valore("FilterName", "calc_pdf_Export"),))
            finally:
                doc.close(True)
            os.replace(pdf + ".parte", pdf)
        except Exception as e:
            errori += 1
            print("%s: %s" % (d, e), file=sys.stderr)
    return 1 if errori else 0

sys.exit(main())
)";

constexpr int CodiceRiavvio = 81; // LibreOffice riparte da sé dopo aver creato il profilo
constexpr int CodiceSenzaUno = 4;
constexpr int MassimiAvvii = 4; // una LibreOffice che muore sempre non si rilancia all'infinito

// Il programma vero, non lo script né il lanciatore che lo avvia come nipote: solo un figlio
// diretto si può legare alla vita del programma.
QString ProgrammaSoffice()
{
    const QString soffice = PercorsoSoffice();
    if (soffice.isEmpty())
        return {};
    const QFileInfo vero(QFileInfo(soffice).canonicalFilePath());
    const QString bin = vero.absoluteDir().filePath(QStringLiteral("soffice.bin"));
    return QFileInfo(bin).isExecutable() ? bin : soffice;
}

// Un Python accanto a LibreOffice (alcune installazioni ne hanno uno proprio con uno), poi quello
// del sistema, dove il pacchetto python3-uno mette il modulo, poi quello del PATH.
QString Python(const QString& soffice)
{
    const QDir programma = QFileInfo(soffice).absoluteDir();
    for (const QString& p : {programma.filePath(QStringLiteral("python")), QStringLiteral("/usr/bin/python3")})
        if (QFileInfo(p).isExecutable())
            return p;
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

// I canali che il processo ascolta (file di socket in /tmp): morto di colpo, non li toglie da sé.
QStringList CanaliDi(qint64 pid)
{
    QStringList canali;
#ifdef Q_OS_LINUX
    QSet<QByteArray> suoi;
    const QDir fd(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& f : fd.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char destinazione[64] = {};
        const ssize_t n
            = ::readlink(QFile::encodeName(fd.filePath(f)).constData(), destinazione, sizeof destinazione - 1);
        const QByteArray d(destinazione, std::max<ssize_t>(n, 0));
        if (d.startsWith("socket:[") && d.endsWith(']'))
            suoi.insert(d.mid(8).chopped(1));
    }
    QFile prese(QStringLiteral("/proc/net/unix"));
    if (suoi.isEmpty() || !prese.open(QIODevice::ReadOnly))
        return canali;
    // Num RefCount Protocol Flags Type St Inode Path (i file di /proc non hanno dimensione: si
    // leggono interi)
    for (const QByteArray& riga : prese.readAll().split('\n')) {
        const QList<QByteArray> campi = riga.simplified().split(' ');
        if (campi.size() >= 8 && suoi.contains(campi[6]) && campi[7].contains("OSL_PIPE_"))
            canali << QString::fromLocal8Bit(campi[7]);
    }
#else
    Q_UNUSED(pid);
#endif
    return canali;
}

class TIstanza : public QObject
{
public:
    TIstanza()
        : QObject(QCoreApplication::instance())
    {
        m_soffice.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_soffice.setStandardOutputFile(QProcess::nullDevice());
        connect(&m_soffice, &QProcess::finished, this, [this](int codice, QProcess::ExitStatus stato) {
            m_pronta = false;
            TogliCanali();
            if (stato == QProcess::NormalExit && codice == CodiceRiavvio)
                QMetaObject::invokeMethod(
                    this, [this] { Riprendi(); }, Qt::QueuedConnection);
        });
        connect(&m_prova, &QProcess::finished, this, [this](int codice, QProcess::ExitStatus stato) {
            const bool finito = stato == QProcess::NormalExit;
            m_pronta = finito && codice == 0;
            if (m_pronta)
                m_canali = CanaliDi(m_soffice.processId());
            if (finito && codice == CodiceSenzaUno)
                Disattiva();
        });
    }
    ~TIstanza() override { Chiudi(); }

    bool Utilizzabile() const { return !m_disattivata && m_cartella.isValid() && !m_python.isEmpty(); }
    bool Viva()
    {
        // Lo stato si aggiorna anche senza ciclo di eventi (riga di comando, attese).
        if (m_soffice.state() != QProcess::NotRunning)
            m_soffice.waitForFinished(0);
        return m_soffice.state() != QProcess::NotRunning;
    }
    // Viva, o rilanciata se è uscita per ripartire (il primo avvio con il profilo nuovo).
    bool Presente()
    {
        if (!Viva() && m_soffice.exitStatus() == QProcess::NormalExit && m_soffice.exitCode() == CodiceRiavvio)
            Riprendi();
        return Viva();
    }
    qint64 Processo() { return Viva() ? m_soffice.processId() : 0; }

    // Prepara la cartella e lancia LibreOffice, senza attenderlo.
    bool Prepara()
    {
        m_programma = ProgrammaSoffice();
        m_python = m_programma.isEmpty() ? QString() : Python(m_programma);
        if (!Utilizzabile())
            return false;
        m_script = m_cartella.filePath(QStringLiteral("pdf.py"));
        QFile f(m_script);
        if (!f.open(QIODevice::WriteOnly) || f.write(Script) < 0)
            return false;
        m_canale = QStringLiteral("termovela_pdf_%1_%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        Riprendi();
        return true;
    }

    // Rilancia LibreOffice se non c'è (il primo avvio con il profilo nuovo esce e chiede di ripartire).
    void Riprendi()
    {
        if (!Utilizzabile() || Viva() || m_avvii >= MassimiAvvii)
            return;
        ++m_avvii;
        m_pronta = false;
#ifdef Q_OS_UNIX
        const pid_t padre = ::getpid();
        m_soffice.setChildProcessModifier([padre] {
            // Un gruppo suo, per chiudere anche i processi che LibreOffice lancia; e la morte del
            // programma (anche improvvisa) chiude LibreOffice.
            ::setpgid(0, 0);
#ifdef Q_OS_LINUX
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
            if (::getppid() != padre)
                ::_exit(1);
        });
#endif
        const QString profilo = QUrl::fromLocalFile(m_cartella.filePath(QStringLiteral("profilo"))).toString();
        m_soffice.start(m_programma,
                        {QStringLiteral("-env:UserInstallation=%1").arg(profilo), QStringLiteral("--headless"),
                         QStringLiteral("--invisible"), QStringLiteral("--norestore"), QStringLiteral("--nologo"),
                         QStringLiteral("--nodefault"), QStringLiteral("--accept=pipe,name=%1;urp;").arg(m_canale)});
        // La prova del collegamento dice quando è pronta, o che a Python manca uno.
        if (m_prova.state() == QProcess::NotRunning)
            m_prova.start(m_python, Argomenti(120, {}, {}));
    }

    void Disattiva()
    {
        m_disattivata = true;
        Chiudi();
    }

    void Chiudi()
    {
        m_prova.kill();
        m_prova.waitForFinished(2000);
        if (m_soffice.state() == QProcess::NotRunning)
            return;
#ifdef Q_OS_UNIX
        ::kill(-pid_t(m_soffice.processId()), SIGKILL);
#endif
        m_soffice.kill();
        m_soffice.waitForFinished(5000);
        TogliCanali();
    }

    void TogliCanali()
    {
        for (const QString& c : std::as_const(m_canali))
            QFile::remove(c);
        m_canali.clear();
    }

    bool AttendiPronta(int ms)
    {
        if (!m_pronta && m_prova.state() == QProcess::NotRunning && Viva())
            m_prova.start(m_python, Argomenti(ms / 1000 + 1, {}, {}));
        QElapsedTimer t;
        t.start();
        while (!m_pronta && m_prova.state() != QProcess::NotRunning && t.elapsed() < ms) {
            m_prova.waitForFinished(100);
            Presente();
        }
        return m_pronta && Viva();
    }

    bool Converti(const QStringList& sorgenti, const QString& uscita, TProgresso* progresso, int limiteMs)
    {
        if (!Utilizzabile() || m_inUso || !Presente())
            return false;
        m_inUso = true;
        const QPointer<TIstanza> io(this);
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(m_python, Argomenti(limiteMs / 1000, uscita, sorgenti));
        bool fatto = p.waitForStarted(10000);
        QElapsedTimer tempo;
        tempo.start();
        while (fatto && !p.waitForFinished(100)) {
            if (progresso)
                progresso->Respira();
            if (!io || !Presente() || tempo.elapsed() > limiteMs)
                fatto = false;
        }
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
        if (!io)
            return false;
        m_inUso = false;
        if (fatto && p.exitStatus() == QProcess::NormalExit && p.exitCode() == CodiceSenzaUno)
            Disattiva();
        return fatto && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private:
    QStringList Argomenti(int attesaS, const QString& uscita, const QStringList& sorgenti) const
    {
        return QStringList {m_script, m_canale, QString::number(std::max(1, attesaS)), uscita} + sorgenti;
    }

    QTemporaryDir m_cartella;
    QProcess m_soffice, m_prova;
    QString m_programma, m_python, m_script, m_canale;
    QStringList m_canali;
    bool m_inUso = false, m_pronta = false, m_disattivata = false;
    int m_avvii = 0;
};

QPointer<TIstanza> g_istanza;

// L'istanza è del thread principale (i suoi processi e la loro fine legata al thread che li lancia).
TIstanza* Istanza()
{
    return g_istanza && QThread::currentThread() == g_istanza->thread() ? g_istanza.data() : nullptr;
}

} // namespace

namespace TIstanzaPdf {

void Avvia()
{
    if (g_istanza) {
        if (Istanza())
            g_istanza->Riprendi();
        return;
    }
    if (!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread()
        || PercorsoSoffice().isEmpty())
        return;
    g_istanza = new TIstanza;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, g_istanza, &Ferma);
    if (!g_istanza->Prepara())
        g_istanza->Disattiva();
}

void Ferma()
{
    if (Istanza())
        delete g_istanza.data();
}

qint64 Processo()
{
    return Istanza() ? g_istanza->Processo() : 0;
}

bool AttendiPronta(int ms)
{
    return Istanza() && g_istanza->AttendiPronta(ms);
}

bool Converti(const QStringList& sorgenti, const QString& uscita, TProgresso* progresso, int limiteMs)
{
    return Istanza() && g_istanza->Converti(sorgenti, uscita, progresso, limiteMs);
}

void Riprendi()
{
    if (Istanza())
        g_istanza->Riprendi();
}

} // namespace TIstanzaPdf
