#include "progetto/Uimpostazioniposa.h"

#include "progetto/Uchiavevalore.h"

#include <QList>
#include <QLocale>

#include <cmath>

namespace {
QByteArray NomeSchema(TSchemaPosa s)
{
    return s == TSchemaPosa::Serpentina ? "serpentina" : "spirale";
}

std::optional<TSchemaPosa> SchemaDa(const QByteArray& nome)
{
    if (nome == "spirale")
        return TSchemaPosa::Spirale;
    if (nome == "serpentina")
        return TSchemaPosa::Serpentina;
    return std::nullopt;
}
} // namespace

QString TImpostazioniPosa::ChiaveIngresso(int id, bool marginale, int numero)
{
    return QStringLiteral("%1.%2.%3").arg(id).arg(QChar(marginale ? u'm' : u's')).arg(numero);
}

QByteArray TImpostazioniPosa::Serializza() const
{
    if (!Usate())
        return {};
    QByteArray t = "lunghezze=" + QByteArray(LunghezzeDalDisegno ? "1" : "0") + "\nschema=" + NomeSchema(Schema) + '\n';
    for (auto it = SchemiLocali.cbegin(); it != SchemiLocali.cend(); ++it)
        t += "locale." + QByteArray::number(it.key()) + '=' + NomeSchema(it.value()) + '\n';
    for (auto it = Ingressi.cbegin(); it != Ingressi.cend(); ++it)
        t += "ingresso." + it.key().toUtf8() + '=' + QByteArray::number(it->x(), 'g', QLocale::FloatingPointShortest)
            + ';' + QByteArray::number(it->y(), 'g', QLocale::FloatingPointShortest) + '\n';
    return t;
}

std::optional<TImpostazioniPosa> TImpostazioniPosa::Leggi(const QByteArray& testo)
{
    TImpostazioniPosa p;
    const auto righe = RigheChiaveValore(testo);
    if (!righe)
        return std::nullopt;
    for (const auto& [chiave, valore] : *righe) {
        if (chiave == "lunghezze") {
            if (valore != "0" && valore != "1")
                return std::nullopt;
            p.LunghezzeDalDisegno = valore == "1";
        } else if (chiave == "schema") {
            const auto s = SchemaDa(valore);
            if (!s)
                return std::nullopt;
            p.Schema = *s;
        } else if (chiave.startsWith("locale.")) {
            bool ok = false;
            const int id = chiave.mid(7).toInt(&ok);
            const auto s = SchemaDa(valore);
            if (!ok || !s)
                return std::nullopt;
            p.SchemiLocali.insert(id, *s);
        } else if (chiave.startsWith("ingresso.")) {
            const QList<QByteArray> parti = chiave.mid(9).split('.'), xy = valore.split(';');
            bool ok[4] = {};
            const int id = parti.value(0).toInt(&ok[0]), numero = parti.value(2).toInt(&ok[1]);
            const double x = xy.value(0).toDouble(&ok[2]), y = xy.value(1).toDouble(&ok[3]);
            const QByteArray zona = parti.value(1);
            if (parti.size() != 3 || xy.size() != 2 || !(ok[0] && ok[1] && ok[2] && ok[3])
                || (zona != "s" && zona != "m") || !std::isfinite(x) || !std::isfinite(y))
                return std::nullopt;
            p.Ingressi.insert(ChiaveIngresso(id, zona == "m", numero), QPointF(x, y));
        }
    }
    return p;
}
