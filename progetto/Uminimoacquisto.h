#pragma once
// "Minimo acquisto" dell'ultima ottimizzazione, salvato con il progetto (sezione "ottimizzazione"
// del blocco in coda): le righe a record fissi dicono solo che l'ottimizzazione è stata eseguita,
// non in che modo, né il limite inferiore che la finestra mostra accanto alla statistica.
#include <QByteArray>
#include <QString>

#include <optional>

inline const QString NomeSezioneOttimizzazione = QStringLiteral("ottimizzazione");

struct TMinimoAcquisto
{
    bool Usato = false; // l'ottimizzazione eseguita è un "Minimo acquisto"
    int LimiteInferiore = 0; // metri: nessun taglio ammesso compra meno di così

    bool operator==(const TMinimoAcquisto&) const = default;
    // Testo UTF-8 "chiave=valore" per riga; vuoto senza "Minimo acquisto".
    QByteArray Serializza() const;
    // nullopt se il testo è danneggiato; chiavi sconosciute ignorate.
    static std::optional<TMinimoAcquisto> Leggi(const QByteArray& testo);
};
