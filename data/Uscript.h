#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Divide un testo SQL nelle sue istruzioni (';' fuori da stringhe e commenti).
QStringList DividiIstruzioniSql(const QString& testo);

// Esegue tutte le istruzioni di un testo SQL; false con l'errore (e l'istruzione) al primo rifiuto.
bool EseguiScriptSql(QSqlDatabase db, const QString& testo, QString* errore = nullptr);
