// Query a sola lettura: testo SQL sostituito per intero, valori sempre legati come parametri.
#include "data/Utabella.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

// ---------------------------------------------------------------- TQuery

TQuery::TQuery(QSqlDatabase db, QObject* parent)
    : TDataSet(db, parent)
{ }

void TQuery::SetSQL(const QString& sql, const QVariantList& parametri)
{
    m_sql = sql;
    m_parametri = parametri;
}

bool TQuery::Open(const QString& sql, const QVariantList& parametri)
{
    Close();
    SetSQL(sql, parametri);
    return Open();
}

static TTipoCampo tipoDaMeta(QMetaType::Type t)
{
    switch (t) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return TTipoCampo::Intero;
    case QMetaType::Double:
        return TTipoCampo::Reale;
    case QMetaType::Bool:
        return TTipoCampo::Booleano;
    default:
        return TTipoCampo::Testo;
    }
}

bool TQuery::Open()
{
    m_righe.clear();
    m_campi.clear();
    m_errore.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(m_sql)) {
        m_errore = q.lastError().text();
        Close();
        return false;
    }
    for (const QVariant& p : m_parametri)
        q.addBindValue(p);
    if (!q.exec()) {
        m_errore = q.lastError().text();
        Close();
        return false;
    }
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i) {
        TDefCampo d;
        d.nome = rec.fieldName(i);
        d.tipo = tipoDaMeta(QMetaType::Type(rec.field(i).metaType().id()));
        m_campi << d;
    }
    while (q.next()) {
        Riga r;
        r.valori.resize(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            r.valori[i] = q.value(i);
        m_righe << r;
    }
    // Righe lette a metà (file danneggiato): la query fallisce invece di sembrare più corta.
    if (q.lastError().type() != QSqlError::NoError) {
        m_errore = q.lastError().text();
        Close();
        return false;
    }
    caricato();
    return true;
}

QString TQuery::ModelloLike(const QString& modello)
{
    QString r;
    r.reserve(modello.size());
    for (QChar c : modello) {
        if (c == u'*')
            r += u'%';
        else if (c == u'%' || c == u'_' || c == u'\\')
            r += u'\\', r += c;
        else
            r += c;
    }
    return r;
}
