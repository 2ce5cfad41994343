#include "progetto/Uimpostazioniposa.h"

#include <QList>

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

QByteArray TImpostazioniPosa::Serializza() const
{
    if (!Usate())
        return {};
    QByteArray t = "lunghezze=" + QByteArray(LunghezzeDalDisegno ? "1" : "0") + "\nschema=" + NomeSchema(Schema) + '\n';
    for (auto it = SchemiLocali.cbegin(); it != SchemiLocali.cend(); ++it)
        t += "locale." + QByteArray::number(it.key()) + '=' + NomeSchema(it.value()) + '\n';
    return t;
}

std::optional<TImpostazioniPosa> TImpostazioniPosa::Leggi(const QByteArray& testo)
{
    TImpostazioniPosa p;
    for (const QByteArray& riga : testo.split('\n')) {
        if (riga.trimmed().isEmpty())
            continue;
        const qsizetype uguale = riga.indexOf('=');
        if (uguale <= 0)
            return std::nullopt;
        const QByteArray chiave = riga.left(uguale).trimmed(), valore = riga.mid(uguale + 1).trimmed();
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
        }
    }
    return p;
}
