#include "en1264/Udati.h"

#include "en1264/Ulimite.h"

#include <QList>
#include <QLocale>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QByteArray Numero(float v)
{
    return QByteArray::number(double(v), 'g', 7);
}

bool LeggiNumero(const QByteArray& testo, float& v)
{
    bool ok = false;
    const double d = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    v = float(d);
    return true;
}

} // namespace

bool TDatiEn1264::Bagno(int id, float tAmbiente) const
{
    const auto it = Bagni.constFind(id);
    return it != Bagni.constEnd() ? *it : BagnoPerDifetto(tAmbiente);
}

void TDatiEn1264::TieniLocali(std::span<const TLocaleCalc> locali)
{
    QSet<int> id;
    for (const TLocaleCalc& l : locali)
        id.insert(l.ID);
    Bagni.removeIf([&](const auto& v) { return !id.contains(v.key()); });
    CarichiEstivi.removeIf([&](const auto& v) { return !id.contains(v.key()); });
}

QVector<bool> BagniLocali(const TDatiEn1264& dati, std::span<const TLocaleCalc> locali)
{
    QVector<bool> out;
    out.reserve(locali.size());
    for (const TLocaleCalc& l : locali)
        out.push_back(dati.Bagno(l));
    return out;
}

std::vector<float> CarichiLocali(const TDatiEn1264& dati, std::span<const TLocaleCalc> locali)
{
    std::vector<float> out;
    out.reserve(locali.size());
    for (const TLocaleCalc& l : locali)
        out.push_back(dati.CaricoEstivo(l.ID));
    return out;
}

std::optional<bool> LeggiSiNo(const QString& testo)
{
    static const QStringList si
        = {QStringLiteral("sì"),   QStringLiteral("si"),  QStringLiteral("1"),   QStringLiteral("x"),
           QStringLiteral("vero"), QStringLiteral("yes"), QStringLiteral("true")};
    static const QStringList no
        = {QStringLiteral("no"), QStringLiteral("0"), QStringLiteral("falso"), QStringLiteral("false")};
    const QString t = testo.trimmed().toLower();
    if (si.contains(t))
        return true;
    if (no.contains(t))
        return false;
    return std::nullopt;
}

QString TestoSiNo(bool valore)
{
    return valore ? QStringLiteral("Sì") : QStringLiteral("No");
}

bool TDatiEn1264::Usato() const
{
    const TDatiEstivi base;
    const bool carichi = std::any_of(CarichiEstivi.begin(), CarichiEstivi.end(), [](float c) { return c != 0; });
    return ModoEn1264 || Relazione || !Bagni.isEmpty() || carichi || Estivi.TAmbiente != base.TAmbiente
        || Estivi.UR != base.UR || Estivi.TMandata != base.TMandata || Estivi.Margine != base.Margine;
}

QByteArray TDatiEn1264::Serializza() const
{
    if (!Usato())
        return {};
    QByteArray t = "versione=1\n";
    t += "modo_en1264=" + QByteArray(ModoEn1264 ? "1" : "0") + '\n';
    if (Relazione)
        t += "relazione=1\n";
    t += "estivo=" + Numero(Estivi.TAmbiente) + ';' + Numero(Estivi.UR) + ';' + Numero(Estivi.TMandata) + ';'
        + Numero(Estivi.Margine) + '\n';
    QList<int> id = Bagni.keys() + CarichiEstivi.keys();
    std::sort(id.begin(), id.end());
    id.erase(std::unique(id.begin(), id.end()), id.end());
    for (int k : id) {
        const auto b = Bagni.constFind(k);
        t += "locale=" + QByteArray::number(k) + ';' + (b == Bagni.constEnd() ? "-" : (*b ? "1" : "0")) + ';'
            + Numero(CaricoEstivo(k)) + '\n';
    }
    return t;
}

std::optional<TDatiEn1264> TDatiEn1264::Leggi(const QByteArray& testo)
{
    TDatiEn1264 d;
    bool versione = false;
    for (const QByteArray& riga : testo.split('\n')) {
        if (riga.trimmed().isEmpty())
            continue;
        const int uguale = riga.indexOf('=');
        if (uguale < 0)
            return std::nullopt;
        const QByteArray chiave = riga.left(uguale).trimmed();
        const QList<QByteArray> v = riga.mid(uguale + 1).split(';');
        if (chiave == "versione") {
            // Una versione più recente aggiunge chiavi: quelle note si leggono lo stesso.
            versione = v[0].trimmed().toInt() >= 1;
        } else if (chiave == "modo_en1264") {
            d.ModoEn1264 = v[0].trimmed() == "1";
        } else if (chiave == "relazione") {
            d.Relazione = v[0].trimmed() == "1";
        } else if (chiave == "estivo") {
            if (v.size() < 4 || !LeggiNumero(v[0], d.Estivi.TAmbiente) || !LeggiNumero(v[1], d.Estivi.UR)
                || !LeggiNumero(v[2], d.Estivi.TMandata) || !LeggiNumero(v[3], d.Estivi.Margine))
                return std::nullopt;
        } else if (chiave == "locale") {
            bool ok = false;
            const int id = v[0].trimmed().toInt(&ok);
            float carico = 0;
            if (v.size() < 3 || !ok || !LeggiNumero(v[2], carico))
                return std::nullopt;
            const QByteArray bagno = v[1].trimmed();
            if (bagno == "0" || bagno == "1")
                d.Bagni.insert(id, bagno == "1");
            else if (bagno != "-")
                return std::nullopt;
            if (carico != 0)
                d.CarichiEstivi.insert(id, carico);
        }
    }
    if (!versione)
        return std::nullopt;
    return d;
}
