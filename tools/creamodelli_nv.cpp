// Crea un modello di progetto nuovo (.nv) dalla sua descrizione leggibile (.ini).
//
// uso: creamodelli_nv DESCRIZIONE.ini USCITA.nv
//
// La descrizione ha le sezioni [AuxInfo], [AuxDGenerali], [Progetto] e [AuxRegol]; ogni riga
// "campo = valore" dà il valore di un campo. I campi non elencati restano vuoti (testi) o 0
// (numeri). Il modello non ha locali, collettori, ottimizzazione né prodotti aggiuntivi.
// Una chiave sconosciuta è un errore: un refuso non deve diventare un campo vuoto.
#include "progetto/Ufile.h"
#include "progetto/Urecord.h"
#include "data/Usalvataggio.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {
using TSezioni = QHash<QString, QHash<QString, QString>>;

bool leggiDescrizione(const QString& percorso, TSezioni& sezioni, QString& errore)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        errore = QStringLiteral("impossibile leggere %1").arg(percorso);
        return false;
    }
    QString sezione;
    int riga = 0;
    for (const QString& grezza : QString::fromUtf8(f.readAll()).split(u'\n')) {
        ++riga;
        const QString l = grezza.trimmed();
        if (l.isEmpty() || l.startsWith(u'#'))
            continue;
        if (l.startsWith(u'[') && l.endsWith(u']')) {
            sezione = l.mid(1, l.size() - 2).trimmed();
            sezioni[sezione];
            continue;
        }
        const int uguale = l.indexOf(u'=');
        if (uguale < 0 || sezione.isEmpty()) {
            errore = QStringLiteral("%1:%2: riga non valida").arg(percorso).arg(riga);
            return false;
        }
        sezioni[sezione][l.left(uguale).trimmed()] = l.mid(uguale + 1).trimmed();
    }
    return true;
}

// Scrive una riga di tabella con i valori della sezione, nell'ordine del file.
bool scriviRiga(TScrittoreRecord& w, const QString& tabella, QHash<QString, QString> valori, QString& errore)
{
    for (const TColonnaFile& c : ColonneFile(tabella)) {
        const QString v = valori.take(QString::fromUtf8(c.campo));
        switch (c.tipo) {
        case TTipoRecord::Testo:
            w.Testo(v);
            break;
        case TTipoRecord::TestoLungo:
            w.Testo(v, Record::TestoLungo);
            break;
        case TTipoRecord::Intero:
            w.Intero(v.toLongLong());
            break;
        case TTipoRecord::Reale:
            w.Reale(v.toDouble());
            break;
        case TTipoRecord::Flag:
            w.Flag(v.toInt() != 0);
            break;
        }
    }
    if (!valori.isEmpty()) {
        errore = QStringLiteral("[%1]: campi sconosciuti: %2").arg(tabella, valori.keys().join(QStringLiteral(", ")));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3) {
        std::fputs("uso: creamodelli_nv DESCRIZIONE.ini USCITA.nv\n", stderr);
        return 2;
    }
    TSezioni s;
    QString errore;
    if (!leggiDescrizione(a[1], s, errore)) {
        std::fprintf(stderr, "creamodelli_nv: %s\n", qPrintable(errore));
        return 1;
    }
    for (const QString& nome : s.keys())
        if (!QStringList {"AuxInfo", "AuxDGenerali", "Progetto", "AuxRegol"}.contains(nome)) {
            std::fprintf(stderr, "creamodelli_nv: %s: sezione sconosciuta [%s]\n", qPrintable(a[1]), qPrintable(nome));
            return 1;
        }

    QSaveFile f(a[2]);
    if (!f.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "creamodelli_nv: impossibile scrivere %s\n", qPrintable(a[2]));
        return 1;
    }
    TScrittoreRecord w(f);
    QHash<QString, QString> progetto = s.value(QStringLiteral("Progetto"));
    w.Testo(EtichettaVersione);
    bool ok = scriviRiga(w, QStringLiteral("AuxInfo"), s.value(QStringLiteral("AuxInfo")), errore)
        && scriviRiga(w, QStringLiteral("AuxDGenerali"), s.value(QStringLiteral("AuxDGenerali")), errore);
    if (ok) {
        w.Intero(0); // locali
        w.Temperatura(progetto.take(QStringLiteral("TMandataSalvata")).toDouble());
        w.Intero(progetto.take(QStringLiteral("ModoTMandata")).toInt());
        w.Intero(progetto.take(QStringLiteral("ModoRegolazione")).toInt());
        ok = scriviRiga(w, QStringLiteral("AuxRegol"), s.value(QStringLiteral("AuxRegol")), errore);
    }
    if (ok && !progetto.isEmpty()) {
        errore = QStringLiteral("[Progetto]: valori sconosciuti: %1").arg(progetto.keys().join(QStringLiteral(", ")));
        ok = false;
    }
    if (ok) {
        w.Flag(false); // collettori non confermati
        w.Intero(0); // nodi dell'albero
        w.Intero(0); // circuiti non assegnati
        w.Flag(false); // ottimizzazione
        w.Intero(0); // prodotti aggiuntivi
    }
    if (!ok || !w.Ok() || !ConcludiSalvataggio(f)) {
        std::fprintf(stderr, "creamodelli_nv: %s: %s\n", qPrintable(a[1]),
                     qPrintable(errore.isEmpty() ? QStringLiteral("errore di scrittura") : errore));
        return 1;
    }
    return 0;
}
