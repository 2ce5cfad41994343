#pragma once
// Le scelte della posa che si salvano con il progetto (sezione "posa" del blocco in coda): lo
// schema del progetto, quello scelto per singoli locali, gli ingressi dei circuiti scelti a mano e
// l'opzione "Lunghezze dal disegno".
#include "posa/Ucircuito.h"

#include <QByteArray>
#include <QMap>
#include <QPointF>

#include <optional>

inline const QString NomeSezionePosa = QStringLiteral("posa");

struct TImpostazioniPosa
{
    // I passi successivi (collettori, perdite, matasse, distinta, etichette, rapporto) usano il
    // totale misurato di ogni circuito posato invece della lunghezza dimensionata.
    bool LunghezzeDalDisegno = false;
    TSchemaPosa Schema = TSchemaPosa::Spirale;
    QMap<int, TSchemaPosa> SchemiLocali; // ID del locale -> schema scelto per lui
    // Ingressi scelti a mano: ChiaveIngresso(ID, marginale, numero) -> punto (m).
    QMap<QString, QPointF> Ingressi;
    static QString ChiaveIngresso(int id, bool marginale, int numero);

    bool operator==(const TImpostazioniPosa&) const = default;
    bool Usate() const { return *this != TImpostazioniPosa(); }
    // Testo UTF-8 "chiave=valore" per riga; vuoto quando non sono Usate().
    QByteArray Serializza() const;
    // nullopt se il testo è danneggiato; chiavi sconosciute ignorate.
    static std::optional<TImpostazioniPosa> Leggi(const QByteArray& testo);
};
