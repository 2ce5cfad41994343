#pragma once
// Parti comuni del generatore dei modelli dei documenti.
#include "documents/foglio/Ufoglio.h"

#include <QCoreApplication>

#include <vector>

namespace modelli {

inline const QString Ditta = QStringLiteral("Orvanti S.p.A.");
inline const QString Blu = QStringLiteral("1F3864");
inline const QString Azzurro = QStringLiteral("DCE6F2");
inline const QString Grigio = QStringLiteral("808080");

struct TColonna
{
    QString titolo;
    QString unita; // "[m²]" o vuoto
    double larghezza = 0;
    TAllineamento allineamento = TAllineamento::Centro;
    QString formato {}; // vuoto = generale
};

// Righe 1-2: ditta e titolo del documento; riga 4: "Rif.:" davanti alla cella del riferimento.
void Intestazione(TFoglio& f, const QString& titolo, const QString& sottotitolo, int ultimaColonna,
                  const QString& cellaRif = {});
// Intestazioni di tabella (nomi sulla riga, unità sulla successiva), larghezze e formati delle
// colonne per le righe di dati che seguono.
void Tabella(TFoglio& f, int riga, const std::vector<TColonna>& colonne);
// Pagina A4 con la ditta nell'intestazione e il numero di pagina a piè di pagina.
void Pagina(TFoglio& f, const QString& documento, bool orizzontale, int titoliDa = 0, int titoliA = 0);

void Rapporto(TFoglio& f, bool conMarginale);
void Preventivo(TFoglio& f);
void Capitolato(TFoglio& f, bool conPrezzi);

} // namespace modelli
