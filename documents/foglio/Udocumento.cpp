#include "documents/foglio/Udocumento.h"

#include "data/Udatabase.h"
#include "data/Uerrori.h"
#include "data/Umessaggi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

struct TImpostazioni
{
    QString dirIniziale;
    QString cartellaDocumenti;
    bool apertura = true;
    TDocumenti::TApertura apri;
};

TImpostazioni& Impostazioni()
{
    static TImpostazioni i;
    return i;
}

} // namespace

// Caratteri che un nome di file non può contenere su nessuno dei sistemi supportati.
QString NomeFileSicuro(QString nome)
{
    static const QString vietati = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : nome)
        if (vietati.contains(c) || c.unicode() < 32)
            c = u'_';
    nome = nome.trimmed();
    while (nome.startsWith(u'.'))
        nome.remove(0, 1);
    return nome.isEmpty() ? QStringLiteral("Documento") : nome;
}

void PermessiUsuali(const QString& file)
{
#ifdef Q_OS_UNIX
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    const mode_t modo = 0666 & ~maschera;
    QFileDevice::Permissions p;
    const std::pair<mode_t, QFileDevice::Permissions> bit[] = {
        {S_IRUSR, QFileDevice::ReadOwner | QFileDevice::ReadUser},
        {S_IWUSR, QFileDevice::WriteOwner | QFileDevice::WriteUser},
        {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther},
        {S_IWOTH, QFileDevice::WriteOther},
    };
    for (const auto& [b, q] : bit)
        if (modo & b)
            p |= q;
    QFile::setPermissions(file, p);
#else
    Q_UNUSED(file);
#endif
}

QString TDocumenti::DirIniziale()
{
    const auto& i = Impostazioni();
    if (!i.dirIniziale.isEmpty())
        return i.dirIniziale;
    if (QDir::current().exists(QStringLiteral("Template")) || !QCoreApplication::instance())
        return QDir::currentPath();
    return QCoreApplication::applicationDirPath();
}

void TDocumenti::ImpostaDirIniziale(const QString& cartella)
{
    Impostazioni().dirIniziale = cartella;
}

QString TDocumenti::CartellaDocumenti()
{
    const auto& i = Impostazioni();
    return i.cartellaDocumenti.isEmpty() ? DirIniziale() + QStringLiteral("/Documenti") : i.cartellaDocumenti;
}

void TDocumenti::ImpostaCartellaDocumenti(const QString& cartella)
{
    Impostazioni().cartellaDocumenti = cartella;
}

QString TDocumenti::Modello(const QString& nome)
{
    return DirIniziale() + QStringLiteral("/Template/") + nome + QStringLiteral(".xltx");
}

bool TDocumenti::AperturaAttiva()
{
    const QByteArray env = qgetenv("TVL_NON_APRIRE");
    if (!env.isEmpty() && env != "0")
        return false;
    return Impostazioni().apertura;
}

void TDocumenti::ImpostaApertura(bool attiva)
{
    Impostazioni().apertura = attiva;
}

void TDocumenti::InstallaApertura(TApertura apertura)
{
    Impostazioni().apri = std::move(apertura);
}

TDocumento::TDocumento(const TRichiestaDocumento& r)
    : m_richiesta(r)
    , m_progresso(r.progresso ? *r.progresso : TProgresso::nullo())
{
    if (m_richiesta.massimo < 1)
        m_richiesta.massimo = 1;
    if (m_richiesta.passo < 1)
        m_richiesta.passo = 1;
    m_progresso.Inizia(m_richiesta.titolo, m_richiesta.massimo);
    m_progresso.Respira();
}

TDocumento::~TDocumento()
{
    m_progresso.Fine();
}

TFoglio& TDocumento::Foglio()
{
    if (!m_aperto) {
        m_foglio.NuovoDaModello(TDocumenti::Modello(m_richiesta.modello));
        m_aperto = true;
    }
    return m_foglio;
}

void TDocumento::Avanza()
{
    for (int k = 0; k < m_richiesta.passo && m_posizione < m_richiesta.massimo; ++k) {
        ++m_posizione;
        m_progresso.Passo();
    }
}

void TDocumento::Completa()
{
    while (m_posizione < m_richiesta.massimo) {
        ++m_posizione;
        m_progresso.Passo();
    }
    m_progresso.Respira();
}

QString TDocumento::Salva()
{
    if (!m_richiesta.destinazione.isEmpty()) {
        const QFileInfo fi(m_richiesta.destinazione);
        errno = 0;
        if (!QDir().mkpath(fi.absolutePath()))
            throw TErroreFoglio(QCoreApplication::translate("TDocumento", "La cartella \"%1\" non si può creare: %2.")
                                    .arg(QDir::toNativeSeparators(fi.absolutePath()), TestoErroreSistema(errno)));
        m_foglio.Salva(fi.absoluteFilePath());
        PermessiUsuali(fi.absoluteFilePath());
        return fi.absoluteFilePath();
    }
    // La cartella della richiesta, altrimenti quella predefinita della cartella di lavoro, se il
    // costruttore l'ha data.
    QString cartella = m_richiesta.cartella;
    if (cartella.isEmpty())
        cartella = m_foglio.PercorsoPredefinito().isEmpty() ? TDocumenti::CartellaDocumenti()
                                                            : m_foglio.PercorsoPredefinito();
    errno = 0;
    if (!QDir().mkpath(cartella))
        throw TErroreFoglio(QCoreApplication::translate("TDocumento", "La cartella \"%1\" non si può creare: %2.")
                                .arg(QDir::toNativeSeparators(cartella), TestoErroreSistema(errno)));
    // Si scrive in un file temporaneo della stessa cartella e lo si rinomina: il nome finale non
    // esiste mai a metà e un documento già presente non viene mai sostituito.
    QTemporaryFile temporaneo(cartella + QStringLiteral("/.termovela-XXXXXX.xlsx"));
    errno = 0;
    if (!temporaneo.open())
        throw TErroreFoglio(QCoreApplication::translate("TDocumento", "La cartella \"%1\" non è scrivibile: %2.")
                                .arg(QDir::toNativeSeparators(cartella), MotivoErroreFile(temporaneo, errno)));
    temporaneo.close();
    m_foglio.Salva(temporaneo.fileName());
    const QString base
        = cartella + u'/' + NomeFileSicuro(m_richiesta.nomeFile.isEmpty() ? m_richiesta.nome : m_richiesta.nomeFile);
    for (int n = 1; n < 10000; ++n) {
        const QString nome = n == 1 ? base + QStringLiteral(".xlsx") : QStringLiteral("%1 (%2).xlsx").arg(base).arg(n);
        if (QFileInfo::exists(nome))
            continue;
        if (temporaneo.rename(nome)) {
            temporaneo.setAutoRemove(false);
            PermessiUsuali(nome);
            return nome;
        }
    }
    throw TErroreFoglio(
        QCoreApplication::translate("TDocumento", "Non si trova un nome libero per il documento nella cartella \"%1\".")
            .arg(QDir::toNativeSeparators(cartella)));
}

QString CostruisciDocumento(const TRichiestaDocumento& richiesta, const std::function<void(TDocumento&)>& riempi)
{
    QString file, errore;
    {
        TDocumento documento(richiesta);
        try {
            riempi(documento);
            documento.Foglio(); // un documento senza celle da scrivere è il modello stesso
            documento.Completa();
            file = documento.Salva();
        } catch (const TErroreFoglio& e) {
            errore = e.Testo();
        } catch (const std::exception& e) {
            errore = QString::fromLocal8Bit(e.what());
        }
    } // la finestra di avanzamento si chiude qui, prima di ogni messaggio
    if (!errore.isEmpty()) {
        TMessaggi::Errore(
            QCoreApplication::translate("TDocumento", "Non è stato possibile creare il documento \"%1\".\n\n%2")
                .arg(richiesta.nome, errore));
        return {};
    }
    const auto& apri = Impostazioni().apri;
    if (richiesta.apri && TDocumenti::AperturaAttiva() && apri && !apri(file))
        TMessaggi::Avviso(
            QCoreApplication::translate("TDocumento",
                                        "Il documento è stato salvato in \"%1\".\n\nNon è stato possibile aprirlo "
                                        "con l'applicazione predefinita.")
                .arg(QDir::toNativeSeparators(file)));
    return file;
}

namespace {
QString NomeProgetto(TDati& dati)
{
    dati.AuxInfo->First();
    return dati.AuxInfo->FieldByName(QStringLiteral("PROGETTO")).AsString().simplified();
}
} // namespace

QString CartellaProgetto(TDati& dati)
{
    const QString progetto = NomeProgetto(dati);
    return TDocumenti::CartellaDocumenti() + u'/'
        + NomeFileSicuro(progetto.isEmpty() ? QCoreApplication::translate("TDocumento", "Progetto senza nome")
                                            : progetto);
}

void NomeFileProgetto(TRichiestaDocumento& richiesta, TDati& dati, const QString& tipo)
{
    if (richiesta.cartella.isEmpty())
        richiesta.cartella = CartellaProgetto(dati);
    if (!richiesta.nomeFile.isEmpty())
        return;
    const QString progetto = NomeProgetto(dati);
    const QString documento = tipo.isEmpty() ? richiesta.nome : tipo;
    richiesta.nomeFile = progetto.isEmpty() ? documento : progetto + QStringLiteral(" - ") + documento;
}
