#include "data/Ucatalogo.h"

#include "data/Uerrori.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {
struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TCatalogo)
};

// Le colonne di una tabella (in maiuscolo); false se la lettura dello schema fallisce.
bool colonneDi(const QSqlDatabase& db, const QString& schema, const QString& tabella, QSet<QString>& colonne,
               QSqlError& errore)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"));
    q.addBindValue(tabella);
    q.addBindValue(schema);
    if (!q.exec()) {
        errore = q.lastError();
        return false;
    }
    while (q.next())
        colonne.insert(q.value(0).toString().toUpper());
    errore = q.lastError();
    return errore.type() == QSqlError::NoError;
}
} // namespace

const std::vector<TTabellaCatalogo>& TabelleCatalogo()
{
    static const std::vector<TTabellaCatalogo> tabelle = {
        {"CATALOGO", {"CODICE", "DESCRIZIONE", "MISURA", "EURO", "CAPITOLATO", "FOTO"}},
        {"ISOLANTE", {"CODICE", "DESCRIZIONE", "REFERENZA", "H", "INTERASSE", "CONFEZIONE", "CAPITOLATO", "FOTO"}},
        {"RIVESTIMENTOF", {"CODICE", "DESCRIZIONE", "LAMBDA"}},
        {"STRUTTURE", {"CODICE", "DESCRIZIONE", "LAMBDA"}},
        {"SOLETTE", {"CODICE", "DESCRIZIONE", "LAMBDA"}},
        {"DESCRTUBO", {"RIF", "DESCRIZIONE", "D EST", "SPESSORE", "COND"}},
        {"TUBO",
         {"RIF", "CODICE", "CONF", "DESCRIZIONE", "REFERENZA", "D EST", "SPESSORE", "ADATTATORI", "REFADATT",
          "REFCURVE", "CAPITOLATO", "FOTO"}},
        {"DESCRCOLL", {"RIF", "DESCRIZIONE", "KVTA"}},
        {"KV", {"COLLETTORE", "KV", "GIRI"}},
        {"COLLETTORI",
         {"RIF", "ATTACCHI", "CODICE", "CASS", "QUANT", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"CASSETTE", {"MISURA", "CODICE", "SUPPORTO", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"CASSACC", {"CODICE", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"COLLACC", {"RIF", "CODICE", "PRIORITA", "QUANT", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"TERMAMB", {"CODICE", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"REGAMB", {"CODICE", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"COLLCALDAIA", {"CODICE", "DESCRIZIONE", "CHECK", "REFERENZA", "CAPITOLATO", "FOTO"}},
        {"ATTUATORI", {"CODICE", "DESCRIZIONE", "CHECK", "REFERENZA", "CAPITOLATO", "FOTO", "TRASFORMATORE"}},
        {"DESCRREGOL", {"RIF", "DESCRIZIONE"}},
        {"REGELETTRO", {"RIFREG", "CODICE", "DESCRIZIONE", "REFERENZA", "CAPITOLATO", "FOTO"}},
    };
    return tabelle;
}

QString TVerificaCatalogo::Testo() const
{
    if (!danno.isEmpty())
        return TTesti::tr("Il catalogo non si può leggere: %1.").arg(danno);
    if (mancanze.isEmpty())
        return {};
    if (mancanze.size() == 1)
        return TTesti::tr("Il catalogo è incompleto: %1.").arg(mancanze.first());
    return TTesti::tr("Il catalogo è incompleto:\n- %1.").arg(mancanze.join(QStringLiteral(";\n- ")));
}

TVerificaCatalogo VerificaCatalogo(const QSqlDatabase& db, const QString& schema)
{
    TVerificaCatalogo v;
    // Il controllo rapido legge ogni pagina del file (qualche millisecondo per il catalogo
    // installato): un file rovinato si scopre qui e non a metà di un documento.
    QSqlQuery integrita(db);
    integrita.setForwardOnly(true);
    if (!integrita.exec(QStringLiteral("PRAGMA \"%1\".quick_check(1)").arg(schema)) || !integrita.next()) {
        v.danno = TestoErroreDatabase(integrita.lastError());
        return v;
    }
    if (integrita.value(0).toString() != QLatin1String("ok")) {
        v.danno = TTesti::tr("il file è danneggiato");
        return v;
    }
    integrita.finish();
    for (const TTabellaCatalogo& t : TabelleCatalogo()) {
        const QString nome = QString::fromLatin1(t.nome);
        QSet<QString> colonne;
        QSqlError errore;
        if (!colonneDi(db, schema, nome, colonne, errore)) {
            v.danno = TestoErroreDatabase(errore);
            return v;
        }
        if (colonne.isEmpty()) {
            v.mancanze << TTesti::tr("manca la tabella %1").arg(nome);
            continue;
        }
        QStringList assenti;
        for (const char* c : t.colonne)
            if (!colonne.contains(QString::fromLatin1(c)))
                assenti << QString::fromLatin1(c);
        if (assenti.size() == 1)
            v.mancanze << TTesti::tr("nella tabella %1 manca la colonna %2").arg(nome, assenti.first());
        else if (!assenti.isEmpty())
            v.mancanze
                << TTesti::tr("nella tabella %1 mancano le colonne %2").arg(nome, assenti.join(QStringLiteral(", ")));
    }
    // Un file senza nessuna tabella del catalogo non è un catalogo incompleto: è un altro file.
    if (v.mancanze.size() == int(TabelleCatalogo().size())) {
        v.mancanze.clear();
        v.danno = TTesti::tr("il file non contiene le tabelle di un catalogo");
    }
    return v;
}
