// Costruisce il file SQLite del catalogo dai sorgenti SQL di installazione.
// Uso: creacatalogo USCITA.db FILE.sql [FILE.sql ...]
#include "data/Uscript.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: creacatalogo USCITA.db FILE.sql...\n");
        return 2;
    }
    const QString uscita = args[1];
    const QString temporaneo = uscita + QStringLiteral(".tmp");
    QFile::remove(temporaneo);
    int esito = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("crea"));
        db.setDatabaseName(temporaneo);
        if (!db.open()) {
            std::fprintf(stderr, "impossibile creare %s\n", qPrintable(temporaneo));
            return 1;
        }
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=OFF"));
        db.transaction();
        for (int i = 2; i < args.size() && esito == 0; ++i) {
            QFile f(args[i]);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "impossibile leggere %s\n", qPrintable(args[i]));
                esito = 1;
                break;
            }
            QString errore;
            if (!EseguiScriptSql(db, QString::fromUtf8(f.readAll()), &errore)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(args[i]), qPrintable(errore));
                esito = 1;
            }
        }
        if (esito == 0)
            db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("crea"));
    if (esito != 0) {
        QFile::remove(temporaneo);
        return esito;
    }
    QFile::remove(uscita);
    return QFile::rename(temporaneo, uscita) ? 0 : 1;
}
