#pragma once
// Blocco facoltativo in coda al file di progetto, dopo l'ultima sezione del formato a record
// fissi: dati nostri che quel formato non prevede (bagni, raffrescamento e in seguito piante,
// posa dei circuiti, impostazioni). Un lettore del formato a record fissi si ferma prima;
// un progetto senza dati aggiuntivi non scrive il blocco, e il file resta identico.
//
// Forma: record di testo con l'etichetta, record intero con la versione del contenitore, record
// intero con il numero di sezioni, poi per ogni sezione un record di testo con il nome, un
// record intero con la lunghezza in byte, i byte e un byte 13. Le sezioni sconosciute si
// conservano così come sono.
#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

class QIODevice;
class TScrittoreRecord;

inline const QString EtichettaBlocco = QStringLiteral("TVL-Blocco-Aggiuntivo");
inline constexpr int VersioneBlocco = 1;

using TSezioniBlocco = std::vector<std::pair<QString, QByteArray>>;

// Dati della sezione `nome`, vuoti se manca.
QByteArray SezioneBlocco(const TSezioniBlocco& sezioni, const QString& nome);
// Imposta (o, con dati vuoti, toglie) la sezione `nome`, al suo posto se c'era già.
void ImpostaSezioneBlocco(TSezioniBlocco& sezioni, const QString& nome, const QByteArray& dati);

// Scrive il blocco; nulla quando non ci sono sezioni.
void ScriviBlocco(TScrittoreRecord& w, const TSezioniBlocco& sezioni);

enum class TEsitoBlocco {
    Assente, // il file finisce con l'ultima sezione a record fissi
    Letto,
    Danneggiato, // le sezioni lette fino al danno restano in `sezioni`
    Recente, // versione del contenitore più recente di questa: ignorato
};
TEsitoBlocco LeggiBlocco(QIODevice& dispositivo, TSezioniBlocco& sezioni);
