#include "progetto/Uelenco.h"

#include "progetto/Urecord.h"
#include "documents/foglio/Ufoglio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <map>

QString DecodificaTesto(const QByteArray& dati)
{
    if (dati.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(dati.mid(3));
    if (dati.startsWith("\xFF\xFE") || dati.startsWith("\xFE\xFF")) {
        QStringDecoder d(dati.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return QString(d(dati.mid(2)));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString testo = utf8(dati);
    return utf8.hasError() ? DaCp1252(dati) : testo;
}

QChar SeparatoreCsv(const QString& testo)
{
    int puntiEVirgola = 0, tab = 0, virgole = 0;
    bool virgolette = false;
    for (const QChar c : testo) {
        if (c == u'"')
            virgolette = !virgolette;
        else if (virgolette)
            continue;
        else if (c == u'\n')
            break;
        else if (c == u';')
            ++puntiEVirgola;
        else if (c == u'\t')
            ++tab;
        else if (c == u',')
            ++virgole;
    }
    if (virgole > puntiEVirgola && virgole > tab)
        return u',';
    if (tab > puntiEVirgola)
        return u'\t';
    return u';';
}

namespace {

bool RigaVuota(const QStringList& celle)
{
    for (const QString& c : celle)
        if (!c.isEmpty())
            return false;
    return true;
}

void AggiungiRiga(TElenco& elenco, TRigaElenco&& riga, bool& intestazioneLetta)
{
    if (RigaVuota(riga.celle))
        return;
    if (!intestazioneLetta) {
        elenco.intestazione = std::move(riga);
        intestazioneLetta = true;
    } else {
        elenco.righe.push_back(std::move(riga));
    }
}

// Solo le celle scritte nel file, riga per riga: un foglio può dichiarare celle fino a
// XFD1048576, e scorrere il rettangolo intero non finirebbe mai.
bool LeggiXlsx(const QByteArray& contenuto, const QString& nome, TElenco& elenco, QString& errore)
{
    try {
        TFoglio f;
        f.ApriDati(contenuto, nome);
        f.Foglio(1);
        std::map<int, QStringList> righe;
        for (const auto& [r, c] : f.CellePresenti()) {
            if (c > MaxColonneElenco)
                continue;
            QStringList& celle = righe[r];
            while (celle.size() < c)
                celle << QString();
            celle[c - 1] = f.Testo(TFoglio::Indirizzo(c, r)).trimmed();
        }
        bool intestazione = false;
        for (auto& [r, celle] : righe)
            AggiungiRiga(elenco, TRigaElenco {r, std::move(celle)}, intestazione);
    } catch (const TErroreFoglio& e) {
        errore = e.Testo();
        return false;
    }
    return true;
}

} // namespace

TElenco LeggiCsv(const QByteArray& dati)
{
    const QString testo = DecodificaTesto(dati);
    const QChar separatore = SeparatoreCsv(testo);
    TElenco elenco;
    bool intestazione = false;
    TRigaElenco riga;
    riga.riga = 1;
    int linea = 1;
    QString cella;
    bool virgolette = false;
    bool traVirgolette = false; // la cella corrente era tra virgolette: i suoi spazi contano
    const auto chiudiCella = [&] {
        riga.celle << (traVirgolette ? cella : cella.trimmed());
        cella.clear();
        traVirgolette = false;
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == u'"' && i + 1 < testo.size() && testo[i + 1] == u'"') {
                cella += u'"';
                ++i;
            } else if (c == u'"') {
                virgolette = false;
            } else {
                if (c == u'\n')
                    ++linea;
                cella += c;
            }
        } else if (c == u'"' && cella.trimmed().isEmpty()) {
            virgolette = traVirgolette = true;
            cella.clear();
        } else if (c == separatore) {
            chiudiCella();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n')
                ++i;
            chiudiCella();
            AggiungiRiga(elenco, std::move(riga), intestazione);
            riga = TRigaElenco();
            riga.riga = ++linea;
        } else {
            cella += c;
        }
    }
    if (!cella.isEmpty() || !riga.celle.isEmpty() || traVirgolette) {
        chiudiCella();
        AggiungiRiga(elenco, std::move(riga), intestazione);
    }
    return elenco;
}

bool LeggiElencoDa(const QByteArray& dati, bool xlsx, const QString& nome, TElenco& elenco, QString& errore)
{
    elenco = TElenco();
    if (xlsx)
        return LeggiXlsx(dati, nome, elenco, errore);
    elenco = LeggiCsv(dati);
    return true;
}

bool LeggiElenco(const QString& percorso, TElenco& elenco, QString& errore)
{
    elenco = TElenco();
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    const bool xlsx = estensione == QLatin1String("xlsx");
    if (!xlsx && estensione != QLatin1String("csv")) {
        errore = QStringLiteral("Sono accettati solo file .csv e .xlsx.");
        return false;
    }
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        errore = f.errorString();
        return false;
    }
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        errore = f.errorString();
        return false;
    }
    return LeggiElencoDa(dati, xlsx, QDir::toNativeSeparators(percorso), elenco, errore);
}

std::optional<double> LeggiNumeroElenco(const QString& testo)
{
    QString t;
    t.reserve(testo.size());
    for (const QChar c : testo)
        if (!c.isSpace() && c != u'\'' && c != QChar(0x2019))
            t += c;
    if (t.isEmpty())
        return std::nullopt;
    const qsizetype virgola = t.lastIndexOf(u','), punto = t.lastIndexOf(u'.');
    if (virgola >= 0 && punto >= 0) {
        // "1.234,5" o "1,234.5": l'ultimo segno separa i decimali.
        const QChar migliaia = virgola > punto ? u'.' : u',';
        t.remove(migliaia);
    }
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString ChiaveTesto(const QString& testo)
{
    const QString scomposto = testo.normalized(QString::NormalizationForm_D);
    QString chiave;
    chiave.reserve(scomposto.size());
    for (const QChar c : scomposto) {
        if (c.isSpace() || c.category() == QChar::Mark_NonSpacing)
            continue;
        chiave += c.toLower();
    }
    return chiave;
}
