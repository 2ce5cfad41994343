#include "documents/Utavolaimpianto.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "posa/Utavola.h"
#include "progetto/Uposaprogetto.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace {
QStringList g_ultime;

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TTavolaImpianto)
};

QString Info(TDati& dati, const char* campo)
{
    dati.AuxInfo->First();
    return dati.AuxInfo->FieldByName(QLatin1String(campo)).AsString().simplified();
}

} // namespace

TDatiTavola DatiTavolaProgetto(TDati& dati)
{
    TDatiTavola t;
    t.progetto = Info(dati, "PROGETTO");
    t.cliente = Info(dati, "COMMITTENTE");
    t.progettista = Info(dati, "PROGETTISTA");
    // L'anno intero, come sulle tavole firmate.
    t.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    return t;
}

QStringList UltimeTavole()
{
    return g_ultime;
}

QString CreaTavolaImpianto(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    g_ultime.clear();
    if (stato.Pianta.Vuota()) {
        TMessaggi::Avviso(
            TTesti::tr("Il progetto non ha una pianta: disegnarla con \"Pianta...\" nella pagina \"Locali\"."));
        return {};
    }
    TDati& dati = stato.Dati();
    richiesta.nome = TTesti::tr("Tavola impianto");
    NomeFileProgetto(richiesta, dati);
    if (!QDir().mkpath(richiesta.cartella)) {
        TMessaggi::Errore(TTesti::tr("Non è stato possibile creare la cartella \"%1\".")
                              .arg(QDir::toNativeSeparators(richiesta.cartella)));
        return {};
    }
    const QList<TPosaPiano> posa = PosaProgetto(stato);
    TDatiTavola datiTavola = DatiTavolaProgetto(dati);
    QList<const TPosaPiano*> daDisegnare;
    for (const TPosaPiano& p : posa)
        if (const TPiano* piano = stato.Pianta.Piano(p.piano); piano && !piano->locali.isEmpty())
            daDisegnare << &p;
    datiTavola.fogli = int(daDisegnare.size());
    QStringList file, avvisi;
    for (const TPosaPiano* pp : daDisegnare) {
        const TPosaPiano& p = *pp;
        const TPiano* piano = stato.Pianta.Piano(p.piano);
        datiTavola.foglio = int(file.size()) + 1;
        const QString nome = posa.size() == 1 ? richiesta.nomeFile
                                              : richiesta.nomeFile + QStringLiteral(" - ") + NomeFileSicuro(p.piano);
        const QString percorso = QDir(richiesta.cartella).filePath(nome + QStringLiteral(".pdf"));
        const TEsitoTavola e = TTavola::Scrivi(percorso, *piano, p, datiTavola);
        if (!e.ok) {
            TMessaggi::Errore(e.errore);
            return {};
        }
        PermessiUsuali(percorso);
        file << percorso;
        avvisi << e.avvisi << p.nonPosati;
    }
    if (file.isEmpty()) {
        TMessaggi::Avviso(
            TTesti::tr("Nessun piano della pianta ha locali con il contorno: non c'è nulla da disegnare."));
        return {};
    }
    if (!avvisi.isEmpty())
        TMessaggi::Avviso(TTesti::tr("Tavola impianto creata. Da controllare:\n\n") + avvisi.mid(0, 20).join(u'\n'));
    g_ultime = file;
    return file.first();
}
