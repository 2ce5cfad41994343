#include "progetto/Uminimoacquisto.h"

#include "progetto/Uchiavevalore.h"

#include <QList>

QByteArray TMinimoAcquisto::Serializza() const
{
    if (!Usato)
        return {};
    return "minimo=1\nlimite=" + QByteArray::number(LimiteInferiore) + '\n';
}

std::optional<TMinimoAcquisto> TMinimoAcquisto::Leggi(const QByteArray& testo)
{
    TMinimoAcquisto m;
    bool limiteLetto = false;
    const auto righe = RigheChiaveValore(testo);
    if (!righe)
        return std::nullopt;
    for (const auto& [chiave, valore] : *righe) {
        if (chiave == "minimo") {
            if (valore != "0" && valore != "1")
                return std::nullopt;
            m.Usato = valore == "1";
        } else if (chiave == "limite") {
            bool ok = false;
            m.LimiteInferiore = valore.toInt(&ok);
            if (!ok || m.LimiteInferiore < 0)
                return std::nullopt;
            limiteLetto = true;
        }
    }
    // Un "Minimo acquisto" senza il suo limite non si mostrerebbe per intero.
    if (m.Usato && !limiteLetto)
        return std::nullopt;
    return m;
}
