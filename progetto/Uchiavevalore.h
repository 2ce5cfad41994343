#pragma once
// Le righe "chiave=valore" delle sezioni di testo del blocco in coda (posa, ottimizzazione):
// righe vuote ignorate, spazi attorno a chiave e valore tolti.
#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

// nullopt se una riga non ha "=" o ha la chiave vuota: la sezione è danneggiata.
inline std::optional<QList<std::pair<QByteArray, QByteArray>>> RigheChiaveValore(const QByteArray& testo)
{
    QList<std::pair<QByteArray, QByteArray>> righe;
    for (const QByteArray& riga : testo.split('\n')) {
        if (riga.trimmed().isEmpty())
            continue;
        const qsizetype uguale = riga.indexOf('=');
        if (uguale <= 0 || riga.left(uguale).trimmed().isEmpty())
            return std::nullopt;
        righe.append({riga.left(uguale).trimmed(), riga.mid(uguale + 1).trimmed()});
    }
    return righe;
}
