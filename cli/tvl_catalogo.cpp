// tvl catalogo: verifica che l'alias TVLITA porti a un catalogo completo e ne elenca le tabelle.
#include "cli/Utvl.h"
#include "data/Ucatalogo.h"
#include "data/Udatabase.h"
#include "data/Uerrori.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
class TTvlCatalogo : public TComandoTvl
{
public:
    TTvlCatalogo()
        : TComandoTvl(QStringLiteral("catalogo"),
                      QStringLiteral("tvl catalogo                 elenca le tabelle del catalogo TVLITA"),
                      QStringLiteral("uso: tvl catalogo\n\nMostra il percorso del catalogo TVLITA, le righe di ogni "
                                     "tabella e verifica le tabelle e\nle colonne che il programma legge (uscita 1 "
                                     "se ne manca una).\n"),
                      0, 0)
    { }

private:
    int Esegui(const QCommandLineParser&, const QStringList&) override;
};

int TTvlCatalogo::Esegui(const QCommandLineParser&, const QStringList&)
{
    TDati dati;
    Stampa(QStringLiteral("TVLITA = %1\n").arg(TDati::PercorsoCatalogo()));
    if (!dati.Connetti()) {
        Stampa(QStringLiteral("Errore: %1\n").arg(dati.UltimoErrore()));
        return 1;
    }
    QSqlQuery q(dati.Database());
    QStringList tabelle;
    if (q.exec(QStringLiteral("SELECT name FROM catalogo.sqlite_master WHERE type='table' ORDER BY name")))
        while (q.next())
            tabelle << q.value(0).toString();
    for (const QString& t : std::as_const(tabelle)) {
        QSqlQuery n(dati.Database());
        // Il nome viene dal catalogo stesso: tra virgolette doppie raddoppiate, mai incollato nudo.
        QString nome = t;
        nome.replace(u'"', QStringLiteral("\"\""));
        const QString righe = n.exec(QStringLiteral("SELECT COUNT(*) FROM catalogo.\"%1\"").arg(nome)) && n.next()
            ? QString::number(n.value(0).toLongLong())
            : TestoErroreDatabase(n.lastError());
        Stampa(QStringLiteral("%1 %2\n").arg(t, -16).arg(righe, 6));
    }
    Stampa(QStringLiteral("%1 tabelle\n").arg(tabelle.size()));
    // Le tabelle e le colonne che il programma legge, con lo stesso elenco dell'avvio.
    const TVerificaCatalogo v = VerificaCatalogo(dati.Database());
    if (!v.Ok()) {
        Stampa(v.Testo() + u'\n');
        return 1;
    }
    Stampa(QStringLiteral("Catalogo completo: %1 tabelle lette dal programma, con tutte le loro colonne.\n")
               .arg(TabelleCatalogo().size()));
    return 0;
}
} // namespace

std::unique_ptr<TComandoTvl> ComandoCatalogo()
{
    return std::make_unique<TTvlCatalogo>();
}
