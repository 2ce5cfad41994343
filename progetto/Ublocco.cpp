#include "progetto/Ublocco.h"

#include "progetto/Urecord.h"

#include <QIODevice>

#include <algorithm>

QByteArray SezioneBlocco(const TSezioniBlocco& sezioni, const QString& nome)
{
    const auto it = std::find_if(sezioni.begin(), sezioni.end(), [&](const auto& s) { return s.first == nome; });
    return it == sezioni.end() ? QByteArray() : it->second;
}

void ImpostaSezioneBlocco(TSezioniBlocco& sezioni, const QString& nome, const QByteArray& dati)
{
    const auto it = std::find_if(sezioni.begin(), sezioni.end(), [&](const auto& s) { return s.first == nome; });
    if (dati.isEmpty()) {
        if (it != sezioni.end())
            sezioni.erase(it);
    } else if (it != sezioni.end()) {
        it->second = dati;
    } else {
        sezioni.emplace_back(nome, dati);
    }
}

void ScriviBlocco(TScrittoreRecord& w, const TSezioniBlocco& sezioni)
{
    if (sezioni.empty())
        return;
    w.Testo(EtichettaBlocco);
    w.Intero(VersioneBlocco);
    w.Intero(qint64(sezioni.size()));
    for (const auto& [nome, dati] : sezioni) {
        w.Testo(nome);
        // La lunghezza come testo: un record intero passa per la singola precisione.
        w.Testo(QString::number(dati.size()));
        w.Byte(dati);
    }
}

TEsitoBlocco LeggiBlocco(QIODevice& dispositivo, TSezioniBlocco& sezioni)
{
    sezioni.clear();
    if (dispositivo.atEnd())
        return TEsitoBlocco::Assente;
    TLettoreRecord r(dispositivo);
    if (r.Testo() != EtichettaBlocco || !r.Ok())
        return TEsitoBlocco::Danneggiato;
    const long long versione = r.Intero();
    if (!r.Ok() || versione < 1)
        return TEsitoBlocco::Danneggiato;
    if (versione > VersioneBlocco)
        return TEsitoBlocco::Recente;
    const long long n = r.Intero();
    // Ogni sezione occupa almeno due record e il byte finale.
    if (!r.Ok() || !r.ContoPossibile(n, 2 * (Record::Testo + 1) + 1))
        return TEsitoBlocco::Danneggiato;
    for (long long k = 0; k < n; ++k) {
        const QString nome = r.Testo();
        bool numero = false;
        const long long lunghezza = r.Testo().toLongLong(&numero);
        if (!r.Ok() || !numero || nome.isEmpty() || !r.ContoPossibile(lunghezza, 1))
            return TEsitoBlocco::Danneggiato;
        QByteArray dati = r.Byte(lunghezza);
        if (!r.Ok())
            return TEsitoBlocco::Danneggiato;
        sezioni.emplace_back(nome, std::move(dati));
    }
    return TEsitoBlocco::Letto;
}
