// tvl catalogo: verifica che l'alias TVLITA porti a un catalogo e ne elenca le tabelle.
#include "tvl/Utvl.h"
#include "data/Udatabase.h"

#include <QSqlQuery>

int ComandoCatalogo(const QStringList&)
{
    TDati dati;
    Stampa(QStringLiteral("TVLITA = %1\n").arg(TDati::PercorsoCatalogo()));
    if (!dati.Connetti()) {
        Stampa(QStringLiteral("Errore: %1\n").arg(dati.UltimoErrore()));
        return 1;
    }
    QSqlQuery q(dati.Database());
    q.exec(QStringLiteral("SELECT name FROM catalogo.sqlite_master WHERE type='table' ORDER BY name"));
    QStringList tabelle;
    while (q.next())
        tabelle << q.value(0).toString();
    for (const QString& t : tabelle) {
        QSqlQuery n(dati.Database());
        n.exec(QStringLiteral("SELECT COUNT(*) FROM catalogo.\"%1\"").arg(t));
        n.next();
        Stampa(QStringLiteral("%1 %2\n").arg(t, -16).arg(n.value(0).toInt(), 6));
    }
    Stampa(QStringLiteral("%1 tabelle\n").arg(tabelle.size()));
    return 0;
}
