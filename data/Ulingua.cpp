#include "data/Ulingua.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
const QString ChiaveLingua = QStringLiteral("Lingua");

QString& sceltaEsecuzione()
{
    static QString scelta;
    return scelta;
}

QString normalizza(const QString& lingua)
{
    return lingua.trimmed().toLower() == QLatin1String("en") ? QStringLiteral("en") : QStringLiteral("it");
}

std::vector<std::unique_ptr<QTranslator>>& installate()
{
    static std::vector<std::unique_ptr<QTranslator>> t;
    return t;
}

// La lingua delle traduzioni in installate(), fissata quando si installano.
QString& linguaInstallata()
{
    static QString lingua = QStringLiteral("it");
    return lingua;
}
} // namespace

namespace TLingua {
QString Corrente()
{
    if (!sceltaEsecuzione().isEmpty())
        return sceltaEsecuzione();
    return normalizza(QSettings().value(ChiaveLingua, QStringLiteral("it")).toString());
}

bool Inglese()
{
    return Corrente() == QLatin1String("en");
}

void ImpostaPerEsecuzione(const QString& lingua)
{
    sceltaEsecuzione() = lingua.isEmpty() ? QString() : normalizza(lingua);
}

void Salva(const QString& lingua)
{
    QSettings().setValue(ChiaveLingua, normalizza(lingua));
}

int InstallaTraduzioni()
{
    for (auto& t : installate())
        QCoreApplication::removeTranslator(t.get());
    installate().clear();
    linguaInstallata() = QStringLiteral("it");
    const QString lingua = Corrente();
    if (lingua == QLatin1String("it"))
        return 0;
    const QDir cartella(QStringLiteral(":/traduzioni"));
    const QStringList nomi = cartella.entryList({QStringLiteral("*_%1.qm").arg(lingua)}, QDir::Files, QDir::Name);
    for (const QString& nome : nomi) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(cartella.filePath(nome)) && QCoreApplication::installTranslator(t.get()))
            installate().push_back(std::move(t));
    }
    if (!installate().empty())
        linguaInstallata() = lingua;
    return int(installate().size());
}

QString Installata()
{
    return linguaInstallata();
}
} // namespace TLingua
