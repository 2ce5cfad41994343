#include "app/Uciclo.h"

#include "app/Umain.h"
#include "data/Ulingua.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

void InstallaTraduzioneQt()
{
    static std::unique_ptr<QTranslator> qt;
    if (qt)
        QCoreApplication::removeTranslator(qt.get());
    qt.reset();
    if (TLingua::Installata() != QLatin1String("it"))
        return;
    auto t = std::make_unique<QTranslator>();
    if (t->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(t.get()))
        qt = std::move(t);
}

int EseguiFinestraPrincipale(TDati& dati, const QString& progetto, const std::function<void()>& mostrata,
                             const std::function<void(TTERMOVELA&)>& pronta)
{
    std::optional<TRipresa> ripresa;
    for (bool prima = true;; prima = false) {
        auto principale = std::make_unique<TTERMOVELA>(&dati);
        principale->show();
        if (prima && mostrata)
            mostrata();
        if (!principale->AvvioRiuscito())
            return 1;
        if (ripresa)
            principale->Riprendi(*ripresa);
        // "termovela FILE.tvl" (anche "apri con" del desktop): come una voce della cronologia.
        else if (prima && !progetto.isEmpty())
            principale->ApriDaPercorso(progetto);
        if (pronta)
            pronta(*principale);
        const int esito = QApplication::exec();
        ripresa = principale->PrendiRipresa();
        principale.reset();
        if (esito != TTERMOVELA::RifaiInAltraLingua)
            return esito;
        TLingua::InstallaTraduzioni();
        InstallaTraduzioneQt();
    }
}
