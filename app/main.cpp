// TERMOVELA: avvio del programma.
#include "app/Uciclo.h"
#include "app/Umain.h"
#include "app/Umessaggibox.h"
#include "app/Ustart.h"
#include "data/Uavvisiqt.h"
#include "data/Udatabase.h"
#include "data/Ulingua.h"
#include "documents/foglio/Udocumento.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>

namespace {
// Un'eccezione sfuggita a un gestore di eventi viene mostrata e il programma prosegue.
class TApplicazione : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* destinatario, QEvent* evento) override
    {
        try {
            return QApplication::notify(destinatario, evento);
        } catch (const std::bad_alloc&) {
            // Il testo della libreria ("std::bad_alloc") non dice nulla all'utente.
            TMessaggi::Errore(
                QApplication::translate("TApplicazione", "Memoria esaurita: l'operazione non è stata completata."));
        } catch (const std::exception& e) {
            TMessaggi::Errore(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};
// "--lingua en|it" (anche "--lingua=en") sceglie la lingua di questa esecuzione e non resta fra gli
// argomenti: quello che rimane è il progetto da aprire ("--lingua" senza valore si ignora, non è
// un file).
QStringList SceltaLingua(QStringList argomenti)
{
    for (int i = 1; i < argomenti.size(); ++i) {
        const QString a = argomenti.at(i);
        if (a == QLatin1String("--lingua")) {
            if (i + 1 < argomenti.size())
                TLingua::ImpostaPerEsecuzione(argomenti.at(i + 1));
            argomenti.remove(i, std::min<qsizetype>(2, argomenti.size() - i));
            --i;
        } else if (a.startsWith(QLatin1String("--lingua="))) {
            TLingua::ImpostaPerEsecuzione(a.mid(9));
            argomenti.remove(i);
            --i;
        }
    }
    return argomenti;
}
} // namespace

int main(int argc, char** argv)
{
    TApplicazione app(argc, argv);
    FiltraAvvisiQt();
    QApplication::setApplicationName(QStringLiteral("TERMOVELA"));
    QApplication::setOrganizationName(QStringLiteral("Orvanti S.p.A."));
    const QStringList argomenti = SceltaLingua(QApplication::arguments());
    TLingua::InstallaTraduzioni();
    InstallaTraduzioneQt();
    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    // I documenti prodotti si aprono con l'applicazione predefinita del desktop.
    TDocumenti::InstallaApertura(
        [](const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); });
    // Senza catalogo il programma non può fare nulla: un solo messaggio, prima di ogni finestra.
    if (const QString problema = TDati::ProblemaCatalogo(); !problema.isEmpty()) {
        TMessaggi::Errore(problema);
        TMessaggi::installa(nullptr);
        return 1;
    }
    try {
        auto avvio = std::make_unique<TStart>();
        avvio->MostraSubito();
        // Il modulo dati nasce prima della finestra principale e muore dopo.
        auto dati = std::make_unique<TDati>();
        const QString progetto = argomenti.size() > 1 ? QFileInfo(argomenti.at(1)).absoluteFilePath() : QString();
        const int esito = EseguiFinestraPrincipale(*dati, progetto, [&avvio] { avvio.reset(); });
        dati.reset();
        TMessaggi::installa(nullptr);
        return esito;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, TMessaggi::Titolo, QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
