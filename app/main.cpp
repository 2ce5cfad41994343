// TERMOVELA: avvio del programma.
#include "app/Umain.h"
#include "app/Umessaggibox.h"
#include "app/Ustart.h"
#include "data/Uavvisiqt.h"
#include "data/Udatabase.h"
#include "documents/foglio/Udocumento.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

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
} // namespace

int main(int argc, char** argv)
{
    TApplicazione app(argc, argv);
    FiltraAvvisiQt();
    QApplication::setApplicationName(QStringLiteral("TERMOVELA"));
    QApplication::setOrganizationName(QStringLiteral("Orvanti S.p.A."));
    // I testi propri di Qt (pulsanti, finestre dei file) in italiano come il resto del programma.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);
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
        auto principale = std::make_unique<TTERMOVELA>(dati.get());
        avvio->hide();
        avvio.reset();
        principale->show();
        if (!principale->AvvioRiuscito())
            return 1;
        // "termovela FILE.tvl" (anche "apri con" del desktop): come una voce della cronologia.
        if (const QStringList argomenti = QApplication::arguments(); argomenti.size() > 1)
            principale->ApriDaPercorso(QFileInfo(argomenti.at(1)).absoluteFilePath());
        const int esito = app.exec();
        principale.reset();
        dati.reset();
        TMessaggi::installa(nullptr);
        return esito;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, TMessaggi::Titolo, QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
