#pragma once
// Le celle scritte di un documento (.xlsx, .xltx), foglio per foglio nell'ordine del file, e la loro
// forma di testo dei riferimenti di tests/dati (LEGGIMI.md).
#include "documents/foglio/Ufoglio.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct TCellaDocumento
{
    int foglio = 0; // da 1
    QString nomeFoglio;
    QString indirizzo; // "C12"
    QString testo; // il valore come è scritto
    QString formula; // vuota se la cella ha un valore
    bool numero = false;
    QString formato; // codice del formato numerico
};

inline std::vector<TCellaDocumento> CelleDocumento(const QString& file)
{
    std::vector<TCellaDocumento> celle;
    TFoglio f;
    f.Apri(file);
    for (int n = 1; n <= f.NumeroFogli(); ++n) {
        f.Foglio(n);
        for (const auto& [riga, colonna] : f.CellePresenti()) {
            const QString c = TFoglio::Indirizzo(colonna, riga);
            celle.push_back({n, f.NomeFoglio(n), c, f.Testo(c), f.FormulaCella(c), f.ENumero(c), f.FormatoNumero(c)});
        }
    }
    return celle;
}

// Una riga per cella: "Foglio!C12<tab>valore", "=" davanti a una formula. Nessuna cella cambia da
// un'esecuzione all'altra: la data è quella del progetto.
inline QByteArray TestoCelle(const std::vector<TCellaDocumento>& celle)
{
    QString r;
    for (const TCellaDocumento& c : celle)
        r += c.nomeFoglio + u'!' + c.indirizzo + u'\t' + (c.formula.isEmpty() ? c.testo : u'=' + c.formula) + u'\n';
    return r.toUtf8();
}
