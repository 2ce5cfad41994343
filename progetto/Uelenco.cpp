#include "progetto/Uelenco.h"

#include "progetto/Urecord.h"
#include "data/Uerrori.h"
#include "data/Ufilenormale.h"
#include "data/Uprogresso.h"
#include "documents/foglio/Uarchivio.h"
#include "documents/foglio/Ufoglio.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace {

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TElenco)
};

TLimitiElenco g_limiti;
constexpr qint64 BloccoCsv = 256 * 1024;

// Conta i separatori della prima riga fuori dalle virgolette, a pezzi.
class TContaSeparatori
{
public:
    // true quando la prima riga è finita (il resto del testo non conta).
    bool Alimenta(QStringView testo)
    {
        for (const QChar c : testo) {
            if (c == u'"')
                m_virgolette = !m_virgolette;
            else if (m_virgolette)
                continue;
            else if (c == u'\n')
                return true;
            else if (c == u';')
                ++m_puntiEVirgola;
            else if (c == u'\t')
                ++m_tab;
            else if (c == u',')
                ++m_virgole;
        }
        return false;
    }
    QChar Separatore() const
    {
        if (m_virgole > m_puntiEVirgola && m_virgole > m_tab)
            return u',';
        if (m_tab > m_puntiEVirgola)
            return u'\t';
        return u';';
    }

private:
    qint64 m_puntiEVirgola = 0, m_tab = 0, m_virgole = 0;
    bool m_virgolette = false;
};

bool RigaVuota(const QStringList& celle)
{
    for (const QString& c : celle)
        if (!c.isEmpty())
            return false;
    return true;
}

QString MsgTroppeRighe()
{
    return TTesti::tr("Il file contiene più di %1 locali: un progetto non ne può avere di più.")
        .arg(LimitiElenco().righe);
}

QString MsgTroppoGrande(qint64 limite)
{
    return TTesti::tr("Il file supera %1: nessun elenco di locali è così grande.").arg(TestoDimensione(limite));
}

QString MsgAnnullata()
{
    return TTesti::tr("Lettura annullata.");
}

QString MotivoLettura(QIODevice& dispositivo)
{
    if (auto* f = qobject_cast<QFileDevice*>(&dispositivo))
        return MotivoErroreFile(*f, errno);
    return dispositivo.errorString();
}

// Un passo dell'avanzamento, il ridisegno della finestra e la risposta ad "Annulla".
bool Annullata(TProgresso* progresso)
{
    if (!progresso)
        return false;
    progresso->Passo();
    progresso->Respira();
    return progresso->Annullato();
}

// Aggiunge la riga all'elenco (la prima non vuota è l'intestazione); false oltre il limite.
bool AggiungiRiga(TElenco& elenco, TRigaElenco&& riga, bool& intestazioneLetta)
{
    if (RigaVuota(riga.celle))
        return true;
    if (!intestazioneLetta) {
        elenco.intestazione = std::move(riga);
        intestazioneLetta = true;
        return true;
    }
    if (qsizetype(elenco.righe.size()) >= LimitiElenco().righe)
        return false;
    elenco.righe.push_back(std::move(riga));
    return true;
}

// Divide il testo in righe e celle man mano che arriva: lo stato (dentro le virgolette, una
// virgoletta che può essere doppia, un CR che può precedere LF) passa da un pezzo al successivo.
class TLettoreCsv
{
public:
    explicit TLettoreCsv(TElenco& elenco)
        : m_elenco(elenco)
    {
        m_riga.riga = 1;
    }

    // false quando l'elenco supera il limite delle righe.
    bool Alimenta(QStringView testo)
    {
        if (m_separatore.isNull()) {
            m_attesa += testo;
            if (!m_conta.Alimenta(testo))
                return true;
            m_separatore = m_conta.Separatore();
            return Dividi(std::exchange(m_attesa, QString()));
        }
        return Dividi(testo);
    }

    bool Concludi()
    {
        if (m_separatore.isNull()) {
            m_separatore = m_conta.Separatore();
            if (!Dividi(std::exchange(m_attesa, QString())))
                return false;
        }
        if (!m_cella.isEmpty() || !m_riga.celle.isEmpty() || m_traVirgolette) {
            ChiudiCella();
            return AggiungiRiga(m_elenco, std::move(m_riga), m_intestazione);
        }
        return true;
    }

private:
    void ChiudiCella()
    {
        if (m_riga.celle.size() < MaxColonneElenco)
            m_riga.celle << TestoDaCsv(m_traVirgolette ? std::move(m_cella) : std::move(m_cella).trimmed());
        m_cella.clear();
        m_traVirgolette = m_virgolette = m_virgolettaChiusa = false;
        m_soloSpazi = true;
    }

    bool ChiudiRiga()
    {
        ChiudiCella();
        m_celle = m_riga.celle.size();
        if (!AggiungiRiga(m_elenco, std::move(m_riga), m_intestazione))
            return false;
        m_riga = TRigaElenco();
        m_riga.riga = ++m_linea;
        m_riga.celle.reserve(m_celle); // le righe di un elenco hanno quasi sempre le stesse celle
        return true;
    }

    bool Speciale(QChar c) const { return c == m_separatore || c == u'"' || c == u'\n' || c == u'\r'; }

    // Il testo va nella cella a tratti, non un carattere alla volta.
    void Aggiungi(QStringView tratto)
    {
        if (m_soloSpazi)
            m_soloSpazi = tratto.trimmed().isEmpty();
        m_cella += tratto;
    }

    bool Dividi(QStringView testo)
    {
        const qsizetype n = testo.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = testo[i];
            const bool dopoCr = std::exchange(m_dopoCr, false);
            if (m_virgolettaChiusa) {
                // Una virgoletta dentro le virgolette: doppia è una virgoletta nel testo,
                // altrimenti chiudeva la cella tra virgolette e c si tratta fuori.
                m_virgolettaChiusa = false;
                if (c == u'"') {
                    Aggiungi(u"\"");
                    continue;
                }
                m_virgolette = false;
            }
            if (m_virgolette) {
                if (c == u'"') {
                    m_virgolettaChiusa = true;
                    continue;
                }
                qsizetype j = i;
                for (; j < n && testo[j] != u'"'; ++j)
                    if (testo[j] == u'\n')
                        ++m_linea;
                Aggiungi(testo.sliced(i, j - i));
                i = j - 1;
            } else if (c == u'"' && m_soloSpazi) {
                m_virgolette = m_traVirgolette = true;
                m_cella.clear();
            } else if (c == m_separatore) {
                ChiudiCella();
            } else if (c == u'\n' && dopoCr) {
                continue; // CRLF: la riga è già chiusa dal CR
            } else if (c == u'\n' || c == u'\r') {
                m_dopoCr = c == u'\r';
                if (!ChiudiRiga())
                    return false;
            } else {
                // Anche una virgoletta dopo altro testo è testo.
                qsizetype j = i + 1;
                while (j < n && !Speciale(testo[j]))
                    ++j;
                Aggiungi(testo.sliced(i, j - i));
                i = j - 1;
            }
        }
        return true;
    }

    TElenco& m_elenco;
    TContaSeparatori m_conta;
    QString m_attesa; // il testo arrivato prima della fine della prima riga
    QChar m_separatore;
    TRigaElenco m_riga;
    QString m_cella;
    int m_linea = 1;
    qsizetype m_celle = 0; // celle dell'ultima riga
    bool m_intestazione = false;
    bool m_virgolette = false; // dentro una cella tra virgolette
    bool m_virgolettaChiusa = false; // l'ultimo carattere era una virgoletta dentro le virgolette
    bool m_traVirgolette = false; // la cella corrente era tra virgolette: i suoi spazi contano
    bool m_dopoCr = false;
    bool m_soloSpazi = true; // la cella finora è vuota o di soli spazi
};

enum class TCodifica { Utf8, Utf16LE, Utf16BE, Cp1252 };

// La codifica dai primi byte (BOM) e quanti byte saltare.
std::pair<TCodifica, int> CodificaDaBom(QByteArrayView inizio)
{
    if (inizio.startsWith("\xEF\xBB\xBF"))
        return {TCodifica::Utf8, 3};
    if (inizio.startsWith("\xFF\xFE"))
        return {TCodifica::Utf16LE, 2};
    if (inizio.startsWith("\xFE\xFF"))
        return {TCodifica::Utf16BE, 2};
    return {TCodifica::Utf8, 0};
}

// Quanti byte alla fine del blocco cominciano una sequenza UTF-8 che continua nel prossimo.
qsizetype CodaUtf8Incompleta(QByteArrayView blocco)
{
    const qsizetype n = blocco.size();
    for (qsizetype i = n - 1; i >= 0 && i >= n - 4; --i) {
        const auto b = uchar(blocco[i]);
        if ((b & 0xC0) == 0x80)
            continue; // byte di continuazione: il primo della sequenza è più indietro
        const qsizetype lunghezza = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return n - i < lunghezza ? n - i : 0;
    }
    return 0;
}

// Il testo di un CSV a blocchi nella codifica scelta. In UTF-8 senza BOM i blocchi si tagliano
// fra una sequenza e l'altra e ciascuno si controlla: un byte che non è UTF-8 fa ripartire da
// capo in Windows-1252, come il file intero letto in una volta.
class TDecodificaCsv
{
public:
    TDecodificaCsv(TCodifica codifica, bool conBom)
        : m_codifica(codifica)
        , m_controlla(codifica == TCodifica::Utf8 && !conBom)
    {
        if (codifica == TCodifica::Utf16LE || codifica == TCodifica::Utf16BE)
            m_utf16.emplace(codifica == TCodifica::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                            QStringConverter::Flag::ConvertInitialBom);
    }

    // false se il blocco non è UTF-8 valido (solo senza BOM).
    bool Decodifica(QByteArrayView blocco, QString& testo)
    {
        if (m_codifica == TCodifica::Cp1252) {
            testo = DaCp1252(blocco.toByteArray());
            return true;
        }
        if (m_utf16) {
            testo = (*m_utf16)(blocco);
            return true;
        }
        m_coda += blocco;
        const qsizetype resto = CodaUtf8Incompleta(m_coda);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        testo = utf8(QByteArrayView(m_coda).first(m_coda.size() - resto));
        m_coda.remove(0, m_coda.size() - resto);
        return !(m_controlla && utf8.hasError());
    }

    // false se il file finisce a metà di una sequenza UTF-8.
    bool Fine(QString& testo)
    {
        if (m_coda.isEmpty())
            return true;
        testo = QString::fromUtf8(m_coda);
        return !m_controlla;
    }

private:
    TCodifica m_codifica;
    bool m_controlla;
    std::optional<QStringDecoder> m_utf16;
    QByteArray m_coda; // l'inizio di una sequenza UTF-8 tagliata dal blocco
};

enum class TEsitoCsv { Letto, NonUtf8, Errore };

// Una passata sul dispositivo con la codifica data; NonUtf8 perché il chiamante riparta da capo.
TEsitoCsv LeggiCsvCon(QIODevice& dispositivo, TCodifica codifica, bool conBom, TElenco& elenco, QString& errore,
                      TProgresso* progresso)
{
    elenco = TElenco();
    TDecodificaCsv decodifica(codifica, conBom);
    TLettoreCsv lettore(elenco);
    const qint64 limite = LimitiElenco().byte;
    qint64 letti = 0;
    QByteArray blocco(BloccoCsv, Qt::Uninitialized);
    QString testo;
    for (;;) {
        const qint64 n = dispositivo.read(blocco.data(), BloccoCsv);
        if (n < 0) {
            errore = MotivoLettura(dispositivo);
            return TEsitoCsv::Errore;
        }
        if (n == 0)
            break;
        const qsizetype salta = letti == 0 && conBom ? CodificaDaBom(QByteArrayView(blocco.constData(), n)).second : 0;
        letti += n;
        if (letti > limite) {
            errore = MsgTroppoGrande(limite);
            return TEsitoCsv::Errore;
        }
        if (!decodifica.Decodifica(QByteArrayView(blocco.constData() + salta, n - salta), testo))
            return TEsitoCsv::NonUtf8;
        if (!lettore.Alimenta(testo)) {
            errore = MsgTroppeRighe();
            return TEsitoCsv::Errore;
        }
        if (Annullata(progresso)) {
            errore = MsgAnnullata();
            return TEsitoCsv::Errore;
        }
    }
    testo.clear();
    if (!decodifica.Fine(testo))
        return TEsitoCsv::NonUtf8;
    if (!lettore.Alimenta(testo) || !lettore.Concludi()) {
        errore = MsgTroppeRighe();
        return TEsitoCsv::Errore;
    }
    return TEsitoCsv::Letto;
}

// Solo le celle scritte nel file, riga per riga: un foglio può dichiarare celle fino a
// XFD1048576, e scorrere il rettangolo intero non finirebbe mai.
bool LeggiXlsx(const QByteArray& contenuto, const QString& nome, TElenco& elenco, QString& errore,
               TProgresso* progresso)
{
    try {
        TFoglio f;
        f.ApriDati(contenuto, nome);
        f.Foglio(1);
        if (Annullata(progresso)) {
            errore = MsgAnnullata();
            return false;
        }
        std::map<int, QStringList> righe;
        for (const auto& [r, c] : f.CellePresenti()) {
            if (c > MaxColonneElenco)
                continue;
            QString testo = f.Testo(TFoglio::Indirizzo(c, r)).trimmed();
            if (testo.isEmpty())
                continue;
            QStringList& celle = righe[r];
            // Intestazione e righe: oltre il limite non serve leggere il resto.
            if (qsizetype(righe.size()) > LimitiElenco().righe + 1) {
                errore = MsgTroppeRighe();
                return false;
            }
            while (celle.size() < c)
                celle << QString();
            celle[c - 1] = std::move(testo);
        }
        bool intestazione = false;
        for (auto& [r, celle] : righe)
            if (!AggiungiRiga(elenco, TRigaElenco {r, std::move(celle)}, intestazione)) {
                errore = MsgTroppeRighe();
                return false;
            }
    } catch (const TErroreFoglio& e) {
        errore = e.Testo();
        return false;
    }
    return true;
}

} // namespace

const TLimitiElenco& LimitiElenco()
{
    return g_limiti;
}

TLimitiElenco ImpostaLimitiElenco(const TLimitiElenco& limiti)
{
    return std::exchange(g_limiti, limiti);
}

QChar SeparatoreCsv(QStringView testo)
{
    TContaSeparatori conta;
    conta.Alimenta(testo);
    return conta.Separatore();
}

bool LeggiCsv(QIODevice& dispositivo, TElenco& elenco, QString& errore, TProgresso* progresso)
{
    const QByteArray inizio = dispositivo.peek(4);
    const auto [codifica, bom] = CodificaDaBom(inizio);
    const TEsitoCsv esito = LeggiCsvCon(dispositivo, codifica, bom > 0, elenco, errore, progresso);
    if (esito != TEsitoCsv::NonUtf8)
        return esito == TEsitoCsv::Letto;
    // Non è UTF-8: quasi sempre un file dalla code page di Windows.
    if (!dispositivo.seek(0)) {
        elenco = TElenco();
        errore = MotivoLettura(dispositivo);
        return false;
    }
    return LeggiCsvCon(dispositivo, TCodifica::Cp1252, false, elenco, errore, progresso) == TEsitoCsv::Letto;
}

bool LeggiElencoDa(const QByteArray& dati, bool xlsx, const QString& nome, TElenco& elenco, QString& errore,
                   TProgresso* progresso)
{
    elenco = TElenco();
    if (xlsx)
        return LeggiXlsx(dati, nome, elenco, errore, progresso);
    QByteArray copia = dati;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    return LeggiCsv(buffer, elenco, errore, progresso);
}

QString MotivoFileIlleggibile(const QString& percorso)
{
    const TFileNormale esame = EsaminaFile(percorso);
    if (esame.Ok())
        return {};
    return TTesti::tr("Il percorso %1.").arg(esame.motivo);
}

bool LeggiElenco(const QString& percorso, TElenco& elenco, QString& errore, TProgresso* progresso)
{
    elenco = TElenco();
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    const bool xlsx = estensione == QLatin1String("xlsx");
    if (!xlsx && estensione != QLatin1String("csv")) {
        errore = TTesti::tr("Sono accettati solo file .csv e .xlsx.");
        return false;
    }
    // Solo un file normale: una pipe bloccherebbe la lettura, /dev/zero non finirebbe mai.
    if (errore = MotivoFileIlleggibile(percorso); !errore.isEmpty())
        return false;
    QFile f(percorso);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        errore = MotivoErroreFile(f, errno);
        return false;
    }
    const qint64 limite = xlsx ? LimitiArchivio().totale : LimitiElenco().byte;
    if (f.size() > limite) {
        errore = MsgTroppoGrande(limite);
        return false;
    }
    if (progresso)
        progresso->Inizia(TTesti::tr("Lettura dei locali"), int(f.size() / BloccoCsv) + 1);
    if (!xlsx)
        return LeggiCsv(f, elenco, errore, progresso);
    const QByteArray dati = f.read(limite + 1);
    if (f.error() != QFileDevice::NoError) {
        errore = MotivoLettura(f);
        return false;
    }
    return LeggiXlsx(dati, QDir::toNativeSeparators(percorso), elenco, errore, progresso);
}

QString TestoPerCsv(const QString& testo)
{
    qsizetype i = 0;
    while (i < testo.size() && testo[i] == u'\'')
        ++i;
    if (i == testo.size())
        return testo;
    const QChar c = testo[i];
    if (c != u'=' && c != u'+' && c != u'-' && c != u'@' && c != u'\t' && c != u'\r')
        return testo;
    // Un numero con il segno resta un numero: nessun foglio di calcolo lo esegue.
    static const QRegularExpression numero(QStringLiteral("^[+-][0-9]+([.,][0-9]+)?$"));
    if (i == 0 && numero.match(testo).hasMatch())
        return testo;
    return u'\'' + testo;
}

QString TestoDaCsv(const QString& testo)
{
    if (!testo.startsWith(u'\''))
        return testo;
    const QString resto = testo.mid(1);
    return TestoPerCsv(resto).size() == testo.size() ? resto : testo;
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
    // Le cifre ASCII (quasi tutte le celle) senza passare per QLocale, che costa dieci volte tanto.
    const QByteArray ascii = t.toLatin1();
    const char* inizio = ascii.constData();
    const char* fine = inizio + ascii.size();
    if (inizio != fine && *inizio == '+')
        ++inizio;
    double v = 0;
    const auto [dove, esito] = std::from_chars(inizio, fine, v);
    if (esito != std::errc() || dove != fine) {
        bool ok = false;
        v = QLocale::c().toDouble(t, &ok);
        if (!ok)
            return std::nullopt;
    }
    if (!std::isfinite(v))
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
