#pragma once
// Lingua della relazione tecnica e del preventivo, i documenti che hanno anche un modello inglese
// ("<modello>_en", fatto dallo stesso generatore con i testi inglesi). Sono in inglese quando
// l'interfaccia mostra l'inglese (TLingua::Installata) e il modello inglese è installato; altrimenti,
// come ogni altro documento, in italiano. Senza traduzioni installate (riga di comando, test) il
// documento è quindi sempre quello italiano di sempre.
#include <QString>

struct TLinguaDocumento
{
    bool inglese = false;
    QString modello; // il modello da aprire: quello italiano o il suo gemello inglese

    // Un testo fisso che il costruttore scrive da sé, nella lingua del documento anche quando
    // l'interfaccia ne mostra un'altra; il testo si marca con QT_TRANSLATE_NOOP nel suo contesto
    // perché lupdate lo raccolga.
    QString Testo(const char* contesto, const char* testo) const;
};

TLinguaDocumento LinguaDocumento(const QString& modello);
