#include "documents/Ulinguadocumento.h"

#include "data/Ulingua.h"
#include "documents/foglio/Udocumento.h"

#include <QCoreApplication>
#include <QFileInfo>

QString TLinguaDocumento::Testo(const char* contesto, const char* testo) const
{
    return inglese ? QCoreApplication::translate(contesto, testo) : QString::fromUtf8(testo);
}

TLinguaDocumento LinguaDocumento(const QString& modello)
{
    if (TLingua::Installata() == QLatin1String("en")) {
        const QString inglese = modello + QStringLiteral("_en");
        if (QFileInfo::exists(TDocumenti::Modello(inglese)))
            return {true, inglese};
    }
    return {false, modello};
}
