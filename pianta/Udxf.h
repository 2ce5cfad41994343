#pragma once
// Importazione di disegni DXF ASCII (dalla R12 alla 2018) in un TDisegno in metri.
// Il file viene prima controllato per intero (binario, non DXF, troncato, conteggi assurdi,
// troppi elementi); solo se è sano lo legge dxflib. In caso di errore il disegno resta vuoto.
#include "Udisegno.h"

#include <QStringList>

struct TEsitoDxf
{
    bool ok = false;
    QString errore; // perché il file è stato rifiutato (vuoto se ok)
    QStringList avvisi; // cose ignorate o corrette, il disegno è comunque valido
    TDisegno disegno; // in metri se l'unità è nota, altrimenti in unità di disegno
    int elementiLetti = 0; // entità del file (vertici compresi) prima di esplodere i blocchi
};

class TImportaDxf
{
    Q_DECLARE_TR_FUNCTIONS(TImportaDxf)
public:
    // Oltre questo numero di entità (nel file o dopo aver esploso i blocchi) il file è rifiutato.
    static constexpr int LimiteElementi = 2'000'000;
    // File più grandi di così non si aprono nemmeno.
    static constexpr qint64 LimiteByte = qint64(512) << 20;

    static TEsitoDxf Leggi(const QString& percorso, int limite = LimiteElementi);
    static TEsitoDxf LeggiByte(const QByteArray& contenuto, int limite = LimiteElementi);
    // L'unità indicata da $INSUNITS.
    static TUnita Unita(int insunits);
};
