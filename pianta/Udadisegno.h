#pragma once
// Il piano da un disegno DXF con la convenzione della riga di comando: ogni polilinea chiusa che
// racchiude un solo testo uguale all'ID o alla descrizione di un locale del piano ne è il
// contorno; un testo "=>NOME" è la posizione del collettore NOME. Il disegno diventa lo sfondo.
#include "pianta/Upianta.h"

#include <QList>
#include <QStringList>

struct TLocaleDisegno
{
    int id = 0;
    QString descrizione;
};

// `locali`: quelli del piano. `inutilizzati` riceve i testi non vuoti che non sono serviti.
TPiano PianoDaDisegno(const TDisegno& disegno, const QString& piano, const QList<TLocaleDisegno>& locali,
                      QStringList& inutilizzati);
