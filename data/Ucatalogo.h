#pragma once
// Le tabelle e le colonne del catalogo che il programma legge, in un solo elenco: la verifica
// all'avvio, l'apertura dei comandi di tvl e "tvl catalogo" lo usano tutti. Un catalogo a cui
// manca una tabella non si apre, invece di far sparire in silenzio le righe di un documento.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <vector>

struct TTabellaCatalogo
{
    const char* nome;
    std::vector<const char*> colonne;
};

// Ogni tabella del catalogo con le colonne lette da pagine, calcolo, ottimizzazione e documenti.
const std::vector<TTabellaCatalogo>& TabelleCatalogo();

struct TVerificaCatalogo
{
    QString danno; // vuoto, o la causa per cui il file non si legge per intero
    QStringList mancanze; // "manca la tabella COLLETTORI", "nella tabella TUBO manca la colonna CONF"

    bool Ok() const { return danno.isEmpty() && mancanze.isEmpty(); }
    // Il motivo per l'utente: "Il catalogo non si può leggere: il file è danneggiato." o "Il catalogo è
    // incompleto: manca la tabella COLLETTORI."
    QString Testo() const;
};

// Controlla il database collegato alla connessione con il nome di schema dato: integrità del
// file, poi ogni tabella e colonna di TabelleCatalogo().
TVerificaCatalogo VerificaCatalogo(const QSqlDatabase& db, const QString& schema = QStringLiteral("catalogo"));
