#include "progetto/Ulocalifile.h"

#include "progetto/Uelenco.h"
#include "data/Udatabase.h"
#include "data/Uerrori.h"
#include "data/Umessaggi.h"
#include "data/Uprogresso.h"
#include "data/Uregole.h"
#include "data/Usalvataggio.h"
#include "documents/foglio/Ufoglio.h"
#include "en1264/Udati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSaveFile>
#include <QSet>

#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <utility>

namespace {

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TLocaliFile)
};

// Ordine della griglia, che è anche l'ordine in cui si scrivono i campi: l'area prima dell'area
// utile e questa prima della marginale, come le scrive l'utente, perché le regole delle aree
// guardano il valore già scritto. La colonna "TipoRivestimento" della griglia mostra la
// descrizione del rivestimento memorizzata in Rivestimento: qui si legge e scrive quella.
constexpr std::array<TColonnaLocali, 11> Colonne = {{
    {"ID", "N°"},
    {"Descrizione", "Descrizione"},
    {"Piano", "Piano"},
    {"TAmbiente", "TA [°C]"},
    {"Area", "Area [mq]"},
    {"AreaUtile", "AreaUtile [mq]"},
    {"AreaMarginale", "AreaMarg [mq]"},
    {"CTermico", "CTermico [W]"},
    {"Rivestimento", "TipoRivestimento"},
    {"Spessore", "Spess. [mm]"},
    {"DistColl", "DColl [m]"},
}};
constexpr int NColonne = int(Colonne.size());
enum {
    CId,
    CDescrizione,
    CPiano,
    CTAmbiente,
    CArea,
    CAreaUtile,
    CAreaMarginale,
    CCTermico,
    CRivestimento,
    CSpessore,
    CDistColl
};

// Altri nomi accettati nelle intestazioni, oltre a titolo e nome del campo.
constexpr std::array<std::pair<int, const char*>, 3> AltriNomi = {{
    {CAreaMarginale, "AreaMarg"},
    {CRivestimento, "TipoRiv"},
    {CDistColl, "DColl"},
}};

// Colonne senza le quali nessuna riga passerebbe i campi obbligatori: un locale nuovo non ha
// un valore proprio per questi campi.
constexpr std::array<int, 5> ColonneObbligatorie = {CDescrizione, CPiano, CArea, CCTermico, CDistColl};

QString MsgLocaleInModifica()
{
    return TTesti::tr("Un locale è in modifica.\n\nConfermarlo o annullarlo prima di importare altri locali.");
}
QString MsgTabelleChiuse()
{
    return TTesti::tr("Nessun progetto aperto: non ci sono locali da importare o esportare.");
}

// Avanzamento di un'operazione a righe: la finestra si ridisegna e ascolta "Annulla" ogni
// tante righe, non a ognuna (il ridisegno costerebbe più della riga).
class TAvanzamento
{
public:
    TAvanzamento(TProgresso* progresso, const QString& titolo, int righe)
        : m_progresso(progresso)
    {
        if (m_progresso)
            m_progresso->Inizia(titolo, righe);
    }
    // false quando l'utente ha scelto "Annulla".
    bool Passo()
    {
        if (!m_progresso)
            return true;
        m_progresso->Passo();
        if (++m_righe % 256 != 0)
            return true;
        m_progresso->Respira();
        return !m_progresso->Annullato();
    }
    bool Annullato() const { return m_progresso && m_progresso->Annullato(); }

private:
    TProgresso* m_progresso;
    int m_righe = 0;
};

QString Nativo(const QString& percorso)
{
    return QDir::toNativeSeparators(percorso);
}

// Un testo del file citato in un messaggio: una cella di megabyte non deve finire tutta lì.
QString Accorcia(const QString& testo)
{
    constexpr int Massimo = 60;
    return testo.size() <= Massimo ? testo : testo.left(Massimo) + QChar(0x2026);
}

// Una riga del messaggio per ogni rifiuto: il messaggio della regola su una sola riga.
QString SuUnaRiga(QString testo)
{
    testo.replace(QLatin1String("\n\n"), QLatin1String(" "));
    testo.replace(u'\n', u' ');
    return testo;
}

// Durante l'importazione i messaggi delle regole non vanno all'utente uno per uno: si
// raccolgono e finiscono, con il numero di riga, nel messaggio unico dell'importazione.
class TRaccolta : public TMessaggi
{
public:
    TRaccolta()
        : m_precedente(&TMessaggi::istanza())
    {
        TMessaggi::installa(this);
    }
    ~TRaccolta() override { TMessaggi::installa(m_precedente); }
    bool mostra(const TMessaggio& m) override
    {
        if (m_primo.isEmpty())
            m_primo = m.testo;
        return false;
    }
    // Il primo messaggio dall'ultima chiamata, e ricomincia.
    QString Prendi() { return std::exchange(m_primo, QString()); }

private:
    TMessaggi* m_precedente;
    QString m_primo;
};

// L'importazione scrive i locali come li scriverebbe l'utente nella griglia della pagina
// "Locali": le regole delle aree valgono anche quando la pagina non è in vista (riga di comando).
class TRegoleDelleAree
{
public:
    explicit TRegoleDelleAree(TDati& dati)
        : m_dati(dati)
        , m_precedente(std::move(dati.PaginaLocaliVisibile))
    {
        dati.PaginaLocaliVisibile = [] { return true; };
    }
    ~TRegoleDelleAree() { m_dati.PaginaLocaliVisibile = std::move(m_precedente); }

private:
    TDati& m_dati;
    std::function<bool()> m_precedente;
};

class TControlliSospesi
{
public:
    explicit TControlliSospesi(TTabella& t)
        : m_t(t)
    {
        t.DisableControls();
    }
    ~TControlliSospesi() { m_t.EnableControls(); }

private:
    TTabella& m_t;
};

struct TRigaLocale
{
    int riga = 0;
    std::array<QVariant, NColonne> valori; // nullo = il valore del locale nuovo
    // Rifiuto che non viene da una regola (testo troppo lungo, rivestimento ignoto): vale quando
    // la scrittura arriva alla sua colonna, così una riga dà sempre il primo problema nell'ordine.
    QString errore;
    int colonnaErrore = -1;
};

// Indice della colonna di ogni intestazione (-1 se sconosciuta); errore per le colonne doppie o
// quelle che mancano.
bool MappaIntestazioni(const QStringList& intestazioni, std::array<int, NColonne>& posizione, QString& errore)
{
    QHash<QString, int> nomi;
    for (int c = 0; c < NColonne; ++c) {
        const QString titolo = QString::fromUtf8(Colonne[size_t(c)].titolo);
        nomi.insert(ChiaveTesto(titolo), c);
        nomi.insert(ChiaveTesto(titolo.section(u'[', 0, 0)), c);
        nomi.insert(ChiaveTesto(QLatin1String(Colonne[size_t(c)].campo)), c);
    }
    for (const auto& [c, nome] : AltriNomi)
        nomi.insert(ChiaveTesto(QLatin1String(nome)), c);

    posizione.fill(-1);
    for (int i = 0; i < intestazioni.size(); ++i) {
        int c = nomi.value(ChiaveTesto(intestazioni[i]), -1);
        if (c < 0) {
            // "Area (m²)", "CTermico [kW]": il nome senza l'unità.
            const QString& testo = intestazioni[i];
            qsizetype u = testo.indexOf(u'[');
            if (u < 0 || (testo.indexOf(u'(') >= 0 && testo.indexOf(u'(') < u))
                u = testo.indexOf(u'(');
            if (u > 0)
                c = nomi.value(ChiaveTesto(testo.left(u)), -1);
        }
        if (c < 0)
            continue;
        if (posizione[size_t(c)] >= 0) {
            errore = TTesti::tr("Le colonne \"%1\" e \"%2\" indicano lo stesso dato.")
                         .arg(intestazioni[posizione[size_t(c)]], intestazioni[i]);
            return false;
        }
        posizione[size_t(c)] = i;
    }
    QStringList mancanti;
    for (int c : ColonneObbligatorie)
        if (posizione[size_t(c)] < 0)
            mancanti << QString::fromUtf8(Colonne[size_t(c)].titolo);
    if (!mancanti.isEmpty()) {
        errore = TTesti::tr("Mancano le colonne: %1.\n\nLa prima riga deve riportare i titoli delle colonne della "
                            "griglia dei locali.")
                     .arg(mancanti.join(QLatin1String(", ")));
        return false;
    }
    return true;
}

// Valore di una cella per il campo: numeri letti con la virgola o il punto; un testo che non è un
// numero (o non è intero per un campo intero) passa com'è (accorciato), perché lo rifiuti il campo
// con il suo messaggio.
QVariant ValoreCella(const TDefCampo& def, const QString& cella)
{
    if (!def.numerico())
        return cella;
    const std::optional<double> v = LeggiNumeroElenco(cella);
    if (!v)
        return Accorcia(cella);
    if (def.tipo == TTipoCampo::Reale)
        return *v;
    if (*v != std::floor(*v) || std::fabs(*v) > INT_MAX)
        return Accorcia(cella);
    return int(*v);
}

// Le righe dell'elenco tradotte in valori di campo, con i numeri dei locali che mancano.
// Le celle di ogni riga si liberano appena tradotte: la memoria non tiene due copie dell'elenco.
std::vector<TRigaLocale> PreparaRighe(TDati& dati, TElenco& elenco, const std::array<int, NColonne>& posizione)
{
    TTabella& t = *dati.AuxLocali;
    // Descrizioni dei rivestimenti del catalogo per chiave di confronto.
    QHash<QString, QString> rivestimenti;
    const TTabella& riv = *dati.RivestimentoF;
    const int descr = riv.IndiceCampo(QStringLiteral("DESCRIZIONE"));
    for (int i = 0; i < riv.RecordCount() && descr >= 0; ++i) {
        const QString d = riv.ValoreRiga(i, descr).toString();
        rivestimenti.insert(ChiaveTesto(d), d);
    }
    // Le stesse poche scritte tornano in migliaia di righe: ciascuna si confronta una volta.
    QHash<QString, QString> trovati;

    std::array<const TDefCampo*, NColonne> definizioni;
    for (int c = 0; c < NColonne; ++c)
        definizioni[size_t(c)] = &t.DefCampo(QLatin1String(Colonne[size_t(c)].campo));

    std::vector<TRigaLocale> righe;
    righe.reserve(elenco.righe.size());
    for (TRigaElenco& r : elenco.righe) {
        TRigaLocale l;
        l.riga = r.riga;
        for (int c = 0; c < NColonne; ++c) {
            const int p = posizione[size_t(c)];
            const QString cella = p >= 0 ? r.celle.value(p) : QString();
            if (cella.isEmpty())
                continue;
            const TDefCampo& def = *definizioni[size_t(c)];
            if (cella.contains(QChar(0))) {
                // Il database taglierebbe il testo al primo NUL ("Cu\0cina" diventerebbe "Cu").
                if (l.errore.isEmpty()) {
                    l.errore = TTesti::tr("Il testo della colonna \"%1\" contiene un carattere nullo (NUL).")
                                   .arg(QString::fromUtf8(Colonne[size_t(c)].titolo));
                    l.colonnaErrore = c;
                }
            } else if (c == CRivestimento) {
                auto it = trovati.constFind(cella);
                if (it == trovati.constEnd())
                    it = trovati.insert(cella, rivestimenti.value(ChiaveTesto(cella)));
                const QString trovato = *it;
                if (trovato.isEmpty() && l.errore.isEmpty()) {
                    l.errore = TTesti::tr("Il rivestimento \"%1\" non è nel catalogo.").arg(Accorcia(cella));
                    l.colonnaErrore = c;
                }
                l.valori[size_t(c)] = trovato;
            } else if (def.tipo == TTipoCampo::Testo && def.dimensione > 0 && cella.size() > def.dimensione) {
                // Il campo taglierebbe il testo: due piani diversi diventerebbero lo stesso piano.
                if (l.errore.isEmpty()) {
                    l.errore = TTesti::tr("Il testo \"%1\" supera i %2 caratteri del campo %3.")
                                   .arg(Accorcia(cella))
                                   .arg(def.dimensione)
                                   .arg(def.nome);
                    l.colonnaErrore = c;
                }
            } else {
                l.valori[size_t(c)] = ValoreCella(def, cella);
            }
        }
        righe.push_back(std::move(l));
        r.celle = QStringList();
    }

    // Senza numero: dopo il più alto fra quelli dei locali esistenti e quelli del file.
    const int id = t.IndiceCampo(QStringLiteral("ID"));
    int ultimo = 0;
    for (int i = 0; i < t.RecordCount(); ++i)
        ultimo = std::max(ultimo, t.ValoreRiga(i, id).toInt());
    for (const TRigaLocale& l : righe)
        if (l.valori[CId].typeId() == QMetaType::Int)
            ultimo = std::max(ultimo, l.valori[CId].toInt());
    for (TRigaLocale& l : righe)
        if (l.valori[CId].isNull())
            l.valori[CId] = ++ultimo;
    return righe;
}

// Scrive la riga nel record in inserimento campo per campo, nell'ordine della griglia, poi
// applica il controllo che precede la registrazione. Restituisce il primo messaggio di rifiuto,
// vuoto se la riga passa tutte le regole.
QString ScriviRiga(TTabella& t, const std::array<int, NColonne>& campi, const TRigaLocale& l, TRaccolta& raccolta)
{
    raccolta.Prendi();
    t.Append();
    for (int c = 0; c < NColonne; ++c) {
        if (c == l.colonnaErrore)
            return l.errore;
        const QVariant& v = l.valori[size_t(c)];
        if (v.isNull())
            continue;
        TCampo campo = t.Campo(campi[size_t(c)]);
        // Il rivestimento del file porta la conducibilità del catalogo anche quando è lo stesso
        // dei dati generali, che il locale nuovo ha già: la regola scatta solo a un cambiamento.
        if (c == CRivestimento)
            campo.Clear();
        if (!campo.Imposta(v)) {
            const QString m = raccolta.Prendi();
            return m.isEmpty() ? TTesti::tr("Valore rifiutato per il campo %1.").arg(Colonne[size_t(c)].campo) : m;
        }
    }
    if (t.BeforePost && !t.BeforePost(t)) {
        const QString m = raccolta.Prendi();
        return m.isEmpty() ? TestiRegole::LocaleNonRegistrato() : m;
    }
    return {};
}

QString MessaggioRifiuti(const QString& nomeFile, const QList<QPair<int, QString>>& rifiuti)
{
    const int n = int(rifiuti.size());
    QString m = n == 1
        ? TTesti::tr("Nessun locale importato da \"%1\": una riga è stata rifiutata.").arg(nomeFile)
        : TTesti::tr("Nessun locale importato da \"%1\": %2 righe sono state rifiutate.").arg(nomeFile).arg(n);
    m += QLatin1String("\n");
    for (int i = 0; i < n && i < MaxRigheRifiutate; ++i)
        m += TTesti::tr("\nRiga %1: %2").arg(rifiuti[i].first).arg(SuUnaRiga(rifiuti[i].second));
    if (n > MaxRigheRifiutate) {
        const int altre = n - MaxRigheRifiutate;
        m += altre == 1 ? TTesti::tr("\n... e un'altra riga rifiutata.")
                        : TTesti::tr("\n... e altre %1 righe rifiutate.").arg(altre);
    }
    return m;
}

// Testo di un valore per il CSV: numeri con la virgola decimale, testi tra virgolette quando
// contengono il separatore, virgolette, a capo o spazi ai lati; un testo che un foglio di calcolo
// prenderebbe per una formula preceduto da un apostrofo (TestoPerCsv).
QString CellaCsv(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest).replace(u'.', u',');
    if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
        return QString::number(v.toLongLong());
    QString s = TestoPerCsv(v.toString());
    if (s.contains(u';') || s.contains(u'"') || s.contains(u'\n') || s.contains(u'\r') || s != s.trimmed())
        s = u'"' + s.replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
    return s;
}

// "Bagno" (Sì/No) e carico estivo [W] del locale della riga r; niente senza dati EN 1264.
QList<QVariant> ValoriEn1264(TTabella& t, int r, const TDatiEn1264* en1264)
{
    if (!en1264)
        return {};
    const int id = t.ValoreRiga(r, t.IndiceCampo(QStringLiteral("ID"))).toInt();
    const float ta = float(t.ValoreRiga(r, t.IndiceCampo(QStringLiteral("TAmbiente"))).toDouble());
    return {TestoSiNo(en1264->Bagno(id, ta)), double(en1264->CaricoEstivo(id))};
}

bool ScriviLocaliXlsx(TDati& dati, const QString& percorso, const TDatiEn1264* en1264)
{
    TTabella& t = *dati.AuxLocali;
    TFoglio f;
    f.NuovoVuoto(QStringLiteral("Locali"));
    for (int c = 0; c < NColonne; ++c)
        f.Valore(TFoglio::Indirizzo(c + 1, 1), QString::fromUtf8(Colonne[size_t(c)].titolo));
    const int nTitoli = NColonne + (en1264 ? 2 : 0);
    if (en1264) {
        f.Valore(TFoglio::Indirizzo(NColonne + 1, 1), TitoloBagno);
        f.Valore(TFoglio::Indirizzo(NColonne + 2, 1), TitoloCaricoEstivo);
    }
    TStile titoli;
    titoli.grassetto = true;
    f.Formatta(QStringLiteral("A1:%1").arg(TFoglio::Indirizzo(nTitoli, 1)), titoli);
    f.LarghezzaColonne(QStringLiteral("B"), 30);
    f.LarghezzaColonne(QStringLiteral("C:H"), 14);
    f.LarghezzaColonne(QStringLiteral("I"), 30);
    f.LarghezzaColonne(QStringLiteral("J:K"), 14);
    f.BloccaRighe(1);
    std::array<int, NColonne> indici;
    for (int c = 0; c < NColonne; ++c)
        indici[size_t(c)] = t.IndiceCampo(QLatin1String(Colonne[size_t(c)].campo));
    for (int r = 0; r < t.RecordCount(); ++r) {
        const QList<QVariant> extra = ValoriEn1264(t, r, en1264);
        for (int c = 0; c < nTitoli; ++c) {
            const QVariant v = c < NColonne ? t.ValoreRiga(r, indici[size_t(c)]) : extra[c - NColonne];
            const QString cella = TFoglio::Indirizzo(c + 1, r + 2);
            if (v.isNull())
                continue;
            if (v.typeId() == QMetaType::Double)
                f.Valore(cella, v.toDouble());
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
                f.Valore(cella, v.toLongLong());
            else
                f.Valore(cella, v.toString());
        }
    }
    f.Salva(percorso);
    return true;
}

// Colonne facoltative dei dati EN 1264 nel file e valori letti per riga (-1 = colonna assente).
struct TColonneEn1264
{
    int bagno = -1;
    int carico = -1;
};

TColonneEn1264 CercaColonneEn1264(const QStringList& intestazioni)
{
    TColonneEn1264 c;
    const QString bagno = ChiaveTesto(TitoloBagno);
    const QStringList carico = {ChiaveTesto(TitoloCaricoEstivo), ChiaveTesto(QStringLiteral("Carico estivo")),
                                ChiaveTesto(QStringLiteral("CaricoEstivo")), ChiaveTesto(QStringLiteral("CEstivo [W]")),
                                ChiaveTesto(QStringLiteral("CEstivo"))};
    for (int i = 0; i < intestazioni.size(); ++i) {
        const QString k = ChiaveTesto(intestazioni[i]);
        if (k == bagno && c.bagno < 0)
            c.bagno = i;
        else if (carico.contains(k) && c.carico < 0)
            c.carico = i;
    }
    return c;
}

// Valori EN 1264 di una riga del file; testo di rifiuto se una cella non si legge.
QString LeggiEn1264(const TRigaElenco& r, const TColonneEn1264& c, std::optional<bool>& bagno, float& carico)
{
    bagno.reset();
    carico = 0;
    const QString b = c.bagno >= 0 ? r.celle.value(c.bagno) : QString();
    if (!b.isEmpty()) {
        bagno = LeggiSiNo(b);
        if (!bagno)
            return QCoreApplication::translate("Locali", "Il valore \"%1\" della colonna Bagno non è né Sì né No.")
                .arg(b);
    }
    const QString w = c.carico >= 0 ? r.celle.value(c.carico) : QString();
    if (!w.isEmpty()) {
        const std::optional<double> v = LeggiNumeroElenco(w);
        if (!v || *v < 0 || *v > 1e6)
            return QCoreApplication::translate("Locali", "Il carico estivo \"%1\" non è un numero da 0 a 1000000 W.")
                .arg(w);
        carico = float(*v);
    }
    return {};
}

} // namespace

std::span<const TColonnaLocali> ColonneLocali()
{
    return Colonne;
}

bool ImportaLocali(TDati& dati, const QString& percorso, QString& messaggio, TProgresso* progresso,
                   TDatiEn1264* en1264)
{
    // La finestra dell'avanzamento si chiude in ogni caso, prima del messaggio.
    struct TFine
    {
        TProgresso* p;
        ~TFine()
        {
            if (p)
                p->Fine();
        }
    } fine {progresso};
    TElenco elenco;
    QString errore;
    if (!LeggiElenco(percorso, elenco, errore, progresso)) {
        messaggio = progresso && progresso->Annullato()
            ? MsgImportazioneAnnullata()
            : TTesti::tr("Impossibile leggere il file \"%1\".\n\n%2").arg(Nativo(percorso), errore);
        return false;
    }
    return ImportaLocaliDa(dati, std::move(elenco), QFileInfo(percorso).fileName(), messaggio, progresso, en1264);
}

QString MsgImportazioneAnnullata()
{
    return TTesti::tr("Importazione annullata: nessun locale aggiunto.");
}

bool ImportaLocaliDa(TDati& dati, TElenco elenco, const QString& nomeFile, QString& messaggio, TProgresso* progresso,
                     TDatiEn1264* en1264)
{
    TTabella& t = *dati.AuxLocali;
    if (!t.Active() || !dati.RivestimentoF->Active()) {
        messaggio = MsgTabelleChiuse();
        return false;
    }
    if (t.State() == TStato::Modifica || t.State() == TStato::Inserimento) {
        messaggio = MsgLocaleInModifica();
        return false;
    }
    std::array<int, NColonne> posizione;
    QString errore;
    if (!MappaIntestazioni(elenco.intestazione.celle, posizione, errore)) {
        messaggio = TTesti::tr("Il file \"%1\" non è un elenco di locali. %2").arg(nomeFile, errore);
        return false;
    }
    if (elenco.righe.empty()) {
        messaggio = TTesti::tr("Il file \"%1\" non contiene locali.").arg(nomeFile);
        return false;
    }
    const qsizetype totale = qsizetype(t.RecordCount()) + qsizetype(elenco.righe.size());
    if (totale > LimitiElenco().righe) {
        messaggio
            = TTesti::tr("Nessun locale importato da \"%1\": il progetto avrebbe %2 locali, più dei %3 che può avere.")
                  .arg(nomeFile)
                  .arg(totale)
                  .arg(LimitiElenco().righe);
        return false;
    }
    // Bagno e carico estivo si leggono prima che le righe dell'elenco siano consumate.
    struct TEn1264Riga
    {
        std::optional<bool> bagno;
        float carico = 0;
        QString errore;
    };
    std::vector<TEn1264Riga> extra;
    const TColonneEn1264 colonneEn1264 = en1264 ? CercaColonneEn1264(elenco.intestazione.celle) : TColonneEn1264();
    if (en1264) {
        extra.resize(elenco.righe.size());
        for (size_t i = 0; i < elenco.righe.size(); ++i)
            extra[i].errore = LeggiEn1264(elenco.righe[i], colonneEn1264, extra[i].bagno, extra[i].carico);
    }
    std::vector<TRigaLocale> righe = PreparaRighe(dati, elenco, posizione);
    std::array<int, NColonne> campi;
    for (int c = 0; c < NColonne; ++c)
        campi[size_t(c)] = t.IndiceCampo(QLatin1String(Colonne[size_t(c)].campo));
    const int id = t.IndiceCampo(QStringLiteral("ID"));

    TControlliSospesi sospesi(t);
    TRegoleDelleAree aree(dati);
    TRaccolta raccolta;

    // Ogni riga contro le regole come nella griglia, senza registrare nulla: i valori che ne
    // escono si tengono per la registrazione. Il numero unico si controlla contro i locali
    // esistenti e le righe già accettate.
    QSet<int> numeri;
    numeri.reserve(qsizetype(totale));
    for (int i = 0; i < t.RecordCount(); ++i)
        numeri.insert(t.ValoreRiga(i, id).toInt());
    QList<QPair<int, QString>> rifiuti;
    QList<QVector<QVariant>> valori;
    valori.reserve(qsizetype(righe.size()));
    QList<QPair<int, const TEn1264Riga*>> perNumero; // i valori EN 1264 di ogni locale accettato
    TAvanzamento avanzamento(progresso, TTesti::tr("Controllo dei locali"), int(righe.size()));
    for (const TRigaLocale& l : righe) {
        QString m = ScriviRiga(t, campi, l, raccolta);
        if (m.isEmpty()) {
            const int n = t.ValoriInModifica().value(id).toInt();
            if (numeri.contains(n))
                m = TestiRegole::LocaleNonRegistrato();
            numeri.insert(n);
            if (rifiuti.isEmpty())
                valori.append(t.ValoriInModifica());
            if (en1264) {
                const TEn1264Riga& e = extra[size_t(&l - righe.data())];
                if (m.isEmpty())
                    m = e.errore;
                perNumero.append({n, &e});
            }
        }
        t.Cancel();
        if (!m.isEmpty())
            rifiuti.append({l.riga, m});
        if (!avanzamento.Passo()) {
            messaggio = MsgImportazioneAnnullata();
            return false;
        }
    }
    if (!rifiuti.isEmpty()) {
        messaggio = MessaggioRifiuti(nomeFile, rifiuti);
        return false;
    }
    std::vector<TRigaLocale>().swap(righe);

    // Poi la registrazione in blocco: tutte le righe o nessuna.
    if (!t.AggiungiRighe(valori, errore)) {
        messaggio
            = TTesti::tr("Nessun locale importato da \"%1\": il database non ha registrato i locali.").arg(nomeFile);
        return false;
    }
    for (const auto& [n, e] : perNumero) {
        if (e->bagno)
            en1264->Bagni.insert(n, *e->bagno);
        if (e->carico != 0)
            en1264->CarichiEstivi.insert(n, e->carico);
        else if (colonneEn1264.carico >= 0)
            en1264->CarichiEstivi.remove(n);
    }
    dati.LocaliModificati = true;
    t.Locate(QStringLiteral("ID"), valori.first().value(id));
    messaggio = valori.size() == 1 ? TTesti::tr("Importato un locale da \"%1\".").arg(nomeFile)
                                   : TTesti::tr("Importati %1 locali da \"%2\".").arg(valori.size()).arg(nomeFile);
    return true;
}

bool ScriviLocaliCsv(TDati& dati, QIODevice& dispositivo, const TDatiEn1264* en1264)
{
    TTabella& t = *dati.AuxLocali;
    QStringList titoli;
    std::array<int, NColonne> indici;
    for (int c = 0; c < NColonne; ++c) {
        titoli << QString::fromUtf8(Colonne[size_t(c)].titolo);
        indici[size_t(c)] = t.IndiceCampo(QLatin1String(Colonne[size_t(c)].campo));
    }
    if (en1264)
        titoli << TitoloBagno << TitoloCaricoEstivo;
    QString testo = titoli.join(u';') + QLatin1String("\r\n");
    for (int r = 0; r < t.RecordCount(); ++r) {
        QStringList celle;
        for (int c = 0; c < NColonne; ++c)
            celle << CellaCsv(t.ValoreRiga(r, indici[size_t(c)]));
        for (const QVariant& v : ValoriEn1264(t, r, en1264))
            celle << CellaCsv(v);
        testo += celle.join(u';') + QLatin1String("\r\n");
    }
    const QByteArray dati8 = "\xEF\xBB\xBF" + testo.toUtf8();
    return dispositivo.write(dati8) == dati8.size();
}

bool EsportaLocali(TDati& dati, const QString& percorso, QString& messaggio, const TDatiEn1264* en1264)
{
    TTabella& t = *dati.AuxLocali;
    if (!t.Active()) {
        messaggio = MsgTabelleChiuse();
        return false;
    }
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    bool ok = false;
    QString motivo;
    if (estensione == QLatin1String("csv")) {
        // Salvataggio sicuro: un temporaneo accanto al file, che lo sostituisce solo se tutto è
        // stato scritto e svuotato su disco senza errori.
        QSaveFile f(percorso);
        f.setDirectWriteFallback(false);
        QString causa;
        errno = 0;
        if (!f.open(QIODevice::WriteOnly) || !ScriviLocaliCsv(dati, f, en1264))
            causa = MotivoErroreFile(f, errno); // il temporaneo sparisce con f
        else
            ok = ConcludiSalvataggio(f, &causa);
        if (!ok)
            motivo = TTesti::tr("Impossibile scrivere il file \"%1\": %2.").arg(Nativo(percorso), causa);
    } else if (estensione == QLatin1String("xlsx")) {
        try {
            ok = ScriviLocaliXlsx(dati, percorso, en1264);
        } catch (const TErroreFoglio& e) {
            motivo = e.Testo();
        }
    } else {
        messaggio = TTesti::tr("Impossibile esportare i locali in \"%1\".\n\nSono accettati solo file .csv e .xlsx.")
                        .arg(Nativo(percorso));
        return false;
    }
    if (!ok) {
        messaggio = TTesti::tr("Impossibile esportare i locali in \"%1\".").arg(Nativo(percorso));
        if (!motivo.isEmpty())
            messaggio += QLatin1String("\n\n") + motivo;
        return false;
    }
    const int n = t.RecordCount();
    messaggio = n == 1 ? TTesti::tr("Esportato un locale in \"%1\".").arg(Nativo(percorso))
                       : TTesti::tr("Esportati %1 locali in \"%2\".").arg(n).arg(Nativo(percorso));
    return true;
}
