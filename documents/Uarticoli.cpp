#include "documents/Uarticoli.h"

#include "data/Udatabase.h"

#include <cmath>

QVariant TRigaCatalogo::Valore(const char* colonna) const
{
    return valori.value(QString::fromLatin1(colonna).toUpper());
}

QString TRigaCatalogo::Testo(const char* colonna) const
{
    const QVariant v = Valore(colonna);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

double TRigaCatalogo::Numero(const char* colonna) const
{
    const QVariant v = Valore(colonna);
    if (v.isNull())
        return 0;
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::QString)
        d = v.toString().trimmed().replace(u',', u'.').toDouble(&ok);
    else
        d = v.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0;
}

int TRigaCatalogo::Intero(const char* colonna) const
{
    return int(std::lround(Numero(colonna)));
}

QVariant TRigaCatalogo::Prezzo() const
{
    const QVariant v = Valore("EURO");
    if (!trovata || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty()))
        return {};
    bool ok = false;
    const double d
        = v.typeId() == QMetaType::QString ? v.toString().trimmed().replace(u',', u'.').toDouble(&ok) : v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return {};
    return d;
}

TRigaCatalogo RigaCorrente(TDataSet& ds)
{
    TRigaCatalogo r;
    if (!ds.Active() || ds.IsEmpty())
        return r;
    r.trovata = true;
    for (int i = 0; i < ds.NumeroCampi(); ++i)
        r.valori.insert(ds.DefCampo(i).nome.toUpper(), ds.valoreCorrente(i));
    return r;
}

TRigaCatalogo CercaCatalogo(TDati& dati, const QString& tabella, const QString& colonna, const QString& valore)
{
    if (!dati.Cerca(tabella, colonna, ParametroTesto(valore)))
        return {};
    dati.Query1->First();
    return RigaCorrente(*dati.Query1);
}

QVector<TRigaCatalogo> RigheCatalogo(TDati& dati, const QString& sql, const QVariantList& parametri)
{
    QVector<TRigaCatalogo> righe;
    TQuery q(dati.Database());
    if (!q.Open(sql, parametri))
        return righe;
    for (q.First(); !q.Eof(); q.Next())
        righe.append(RigaCorrente(q));
    return righe;
}

QVariant ParametroTesto(const QString& testo)
{
    return testo.isNull() ? QString::fromLatin1("") : testo;
}

double NumeroPulito(double valore)
{
    if (!std::isfinite(valore))
        return 0;
    return QString::number(valore, 'g', 7).toDouble();
}
