#include "data/Uscript.h"

#include <QSqlError>
#include <QSqlQuery>

QStringList DividiIstruzioniSql(const QString& testo)
{
    QStringList istruzioni;
    QString corrente;
    QChar virgolette;
    bool commento = false;
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (commento) {
            if (c == u'\n')
                commento = false;
            continue;
        }
        if (!virgolette.isNull()) {
            corrente += c;
            if (c == virgolette)
                virgolette = QChar();
            continue;
        }
        if (c == u'-' && i + 1 < testo.size() && testo[i + 1] == u'-') {
            commento = true;
            continue;
        }
        if (c == u'\'' || c == u'"')
            virgolette = c;
        if (c == u';') {
            if (!corrente.trimmed().isEmpty())
                istruzioni << corrente.trimmed();
            corrente.clear();
            continue;
        }
        corrente += c;
    }
    if (!corrente.trimmed().isEmpty())
        istruzioni << corrente.trimmed();
    return istruzioni;
}

bool EseguiScriptSql(QSqlDatabase db, const QString& testo, QString* errore)
{
    for (const QString& istruzione : DividiIstruzioniSql(testo)) {
        QSqlQuery q(db);
        if (!q.exec(istruzione)) {
            if (errore)
                *errore = q.lastError().text() + QStringLiteral("\n") + istruzione.left(300);
            return false;
        }
    }
    return true;
}
