// Apre la finestra dell'ottimizzazione su un progetto d'esempio di due piani, dopo un calcolo
// "Per Piano" (con --minimo, "Minimo acquisto" spuntato). Con --foto FILE salva l'immagine della
// finestra ed esce: sono le immagini di docs/.
//
//   cd build/bin && TVLITA=tvlita.db ../tools/mostraottimizzazione [--minimo] [--foto ../../docs/ottimizzazione.png]
#include "progetto/Ufile.h"
#include "app/Umessaggibox.h"
#include "data/Udatabase.h"
#include "progetto/Ustato.h"
#include "optimise/finestre/Ufinestraottimizza.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {
bool locale(TTabella* t, int id, const char* descr, const char* piano, double area, double marg, double carico)
{
    t->Insert();
    // clang-format off
    const QList<QPair<const char*, QVariant>> valori = {
        {"ID", id}, {"Descrizione", QString::fromUtf8(descr)}, {"Piano", piano}, {"TAmbiente", 20},
        {"Area", area}, {"AreaUtile", area - 1}, {"AreaMarginale", marg}, {"CTermico", carico},
        {"Rivestimento", "Ceramica"}, {"Lambda_Riv", 1.3}, {"Spessore", 10}, {"DistColl", 6}};
    // clang-format on
    for (const auto& [campo, v] : valori)
        if (!t->FieldByName(QLatin1String(campo)).Imposta(v))
            return false;
    return t->Post();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    const int i = int(argomenti.indexOf(QStringLiteral("--foto")));
    const QString foto = i > 0 && i + 1 < argomenti.size() ? argomenti[i + 1] : QString();

    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "%s\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TStatoProgetto stato(dati);
    if (!LeggiProgetto(stato, QDir::current().filePath(QStringLiteral("nuovosr.nv"))))
        return 1;
    TTabella* t = dati.AuxLocali;
    const bool ok = locale(t, 1, "Soggiorno", "Terra", 34, 6, 2400) && locale(t, 2, "Cucina", "Terra", 15, 0, 950)
        && locale(t, 3, "Bagno", "Terra", 7, 0, 600) && locale(t, 4, "Studio", "Terra", 11, 0, 700)
        && locale(t, 5, "Camera matrimoniale", "Primo", 17, 3, 1000) && locale(t, 6, "Cameretta", "Primo", 12, 0, 700)
        && locale(t, 7, "Bagno", "Primo", 6, 0, 500);
    if (!ok)
        return 1;
    stato.SalvaImpostazioni(1, 42);
    stato.RicalcolaProgetto();
    stato.RicostruisciCollettori();
    TAssegnazione& a = stato.Assegnazione;
    a.Nuovo(QStringLiteral("Coll. terra"));
    a.Nuovo(QStringLiteral("Coll. primo"));
    for (int r = int(a.Lista().size()) - 1; r >= 0; --r)
        if (!a.Collega(r, {a.PianoCircuito(a.Lista()[r]) == QLatin1String("Terra") ? 0 : 1, -1}))
            return 1;

    TOttimizza finestra(stato);
    finestra.show();
    finestra.findChild<QRadioButton*>(QStringLiteral("RadioGroup1_1"))->setChecked(true);
    finestra.CSpinEdit1->setValue(3);
    finestra.CheckMinimo->setChecked(argomenti.contains(QStringLiteral("--minimo")));
    finestra.BitBtn3->click();
    if (foto.isEmpty())
        return app.exec();
    QTimer::singleShot(200, &finestra, [&] {
        const bool salvata = finestra.grab().save(foto);
        app.exit(salvata ? 0 : 1);
    });
    return app.exec();
}
