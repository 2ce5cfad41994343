#include "documents/Udistinta.h"

#include "progetto/Ustato.h"
#include "data/Udatabase.h"
#include "documents/Uarticoli.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

const QString CampoQuantita = QStringLiteral("Quantità");

// Codici e soglie fisse delle righe dei materiali.
const QString PrefissoBarriera = QStringLiteral("V534");
// Binario civile: lo stesso controllo per preventivo e capitolato, così un progetto elenca il
// binario in entrambi i documenti o in nessuno.
const QString PrefissoBinarioCivile = QStringLiteral("V339EX779_");
const QString PrefissoBinarioIndustriale = QStringLiteral("V339EX779-");
const QString PrefissoSpider = QStringLiteral("V515L");
const QString TipoAdattatoriExtra = QStringLiteral("V221");
const QString PrefissoAccessoriUnici = QStringLiteral("V221GB");
// Tassello dei pannelli spider con rete, e di ripiego per un pannello senza tassello in catalogo.
const QString TasselloSpider = QStringLiteral("V530X767");

struct TTesti
{
    Q_DECLARE_TR_FUNCTIONS(TDistinta)
};

// Una riga da inserire in AuxPrev.
struct TLinea
{
    QString descrizione;
    QString articolo;
    QString codice;
    QString unita;
    double quantita = 0;
    QVariant prezzo;
    QString capitolato;
    QString immagine;
};

class TCostruzione
{
public:
    TCostruzione(TDati& dati, const TIngressiDistinta& in, TTipoDistinta tipo)
        : m_dati(dati)
        , m_in(in)
        , m_tipo(tipo)
        , m_capitolato(tipo == TTipoDistinta::Capitolato)
    { }

    TTotaliDistinta Esegui();

private:
    TLinea Linea(const QString& descrizione, const QString& articolo, const QString& codice, const QString& unita,
                 double quantita, const TRigaCatalogo* origine,
                 const std::optional<QString>& codicePrezzo = std::nullopt);
    void Inserisci(const TLinea& l);
    // Una riga che il catalogo doveva avere e non ha: la voce manca nel documento, e lo si dice.
    void Manca(const QString& cosa);
    void Fondi(const TRigaCatalogo& articolo, int incremento, bool unoSeGiaPresente);

    // Righe dei materiali, con il numero della tabella delle righe.
    void Tubo(); // 1
    void Pannelli(); // 2
    void Barriera(); // 3
    void BinarioCivile(); // 4
    void BinarioIndustriale(); // 5
    void Rete(); // 6
    void Fascia(); // 7
    void AdditivoCementi(); // 8
    void Antialga(); // 9
    void Clips(); // 10
    void TasselliSpider(); // 11

    void Collettori();
    void Regolazione();
    void RigaRegolazione(const QString& codice, int quantita, const QString& tabella, bool soloConPrezzo);

    TDati& m_dati;
    const TIngressiDistinta& m_in;
    TTipoDistinta m_tipo;
    bool m_capitolato;
    TTotaliDistinta m_t;
    int m_id = 0;
    QString m_codIsol;
    TRigaCatalogo m_tubo;
    TRigaCatalogo m_isolante;
    int m_h = 0; // H del pannello
};

TLinea TCostruzione::Linea(const QString& descrizione, const QString& articolo, const QString& codice,
                           const QString& unita, double quantita, const TRigaCatalogo* origine,
                           const std::optional<QString>& codicePrezzo)
{
    TLinea l {descrizione, articolo, codice, unita, quantita, {}, {}, {}};
    const TRigaCatalogo catalogo
        = CercaCatalogo(m_dati, QStringLiteral("CATALOGO"), QStringLiteral("CODICE"), codicePrezzo.value_or(codice));
    l.prezzo = catalogo.Prezzo();
    if (m_capitolato) {
        const TRigaCatalogo& o = origine ? *origine : catalogo;
        l.capitolato = o.Testo("CAPITOLATO");
        l.immagine = o.Testo("FOTO").trimmed();
        // Senza testo di capitolato la riga si riconosce almeno dalla descrizione.
        if (l.capitolato.trimmed().isEmpty())
            l.capitolato = descrizione;
    }
    return l;
}

void TCostruzione::Inserisci(const TLinea& l)
{
    TTabella* p = m_dati.AuxPrev;
    p->Append();
    p->FieldByName(QStringLiteral("ID")).Imposta(m_id++);
    p->FieldByName(QStringLiteral("Descrizione")).Imposta(l.descrizione);
    p->FieldByName(QStringLiteral("Articolo")).Imposta(l.articolo);
    p->FieldByName(QStringLiteral("Cod_Esteso")).Imposta(l.codice);
    p->FieldByName(QStringLiteral("Unit_Mis")).Imposta(l.unita);
    p->FieldByName(CampoQuantita).Imposta(l.quantita);
    p->FieldByName(QStringLiteral("Prezzo_Unit")).Imposta(l.prezzo);
    if (m_capitolato) {
        p->FieldByName(QStringLiteral("CAPITOLATO")).Imposta(l.capitolato);
        p->FieldByName(QStringLiteral("IMMAGINE")).Imposta(l.immagine);
    }
    if (!p->Post())
        p->Cancel();
}

void TCostruzione::Manca(const QString& cosa)
{
    if (!m_dati.MancanzeDistinta.contains(cosa))
        m_dati.MancanzeDistinta.append(cosa);
}

// Una riga di catalogo entra nella distinta: nuova riga se il codice non c'è ancora, altrimenti
// la quantità dell'ultima riga con quel codice diventa la somma delle righe più l'incremento.
void TCostruzione::Fondi(const TRigaCatalogo& articolo, int incremento, bool unoSeGiaPresente)
{
    const QString codice = articolo.Testo("CODICE");
    TQuery q(m_dati.Database());
    q.Open(QStringLiteral("SELECT * FROM AuxPrev WHERE Cod_Esteso=?"), {ParametroTesto(codice)});
    if (q.IsEmpty()) {
        Inserisci(Linea(articolo.Testo("DESCRIZIONE"), articolo.Testo("REFERENZA"), codice, QStringLiteral("nr"),
                        incremento, &articolo));
        return;
    }
    long long somma = 0;
    int ultimo = 0;
    for (q.First(); !q.Eof(); q.Next()) {
        somma += static_cast<long long>(std::trunc(q.FieldByName(CampoQuantita).AsFloat()));
        ultimo = q.FieldByName(QStringLiteral("ID")).AsInteger();
    }
    TTabella* p = m_dati.AuxPrev;
    if (!p->Locate(QStringLiteral("ID"), ultimo))
        return;
    p->Edit();
    p->FieldByName(CampoQuantita).Imposta(unoSeGiaPresente ? 1.0 : double(somma + incremento));
    if (!p->Post())
        p->Cancel();
}

// ---------------------------------------------------------------- materiali

void TCostruzione::Tubo()
{
    // Senza riga del tubo nel catalogo la riga resta, con il riferimento del progetto.
    const QString rif = m_dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString();
    const QString descrizione = m_tubo.trovata ? m_tubo.Testo("DESCRIZIONE") : rif;
    const QString referenza = m_tubo.Testo("REFERENZA");
    if (!m_in.OttimizzazioneEseguita) {
        Inserisci(Linea(descrizione, referenza, QStringLiteral("[NB lung. effettiva]"), QStringLiteral("mt"),
                        std::trunc(double(m_t.L)), &m_tubo, m_tubo.Testo("CODICE")));
        return;
    }
    TTabella* r = m_dati.AuxRotoli;
    r->DisableControls();
    for (r->First(); !r->Eof(); r->Next()) {
        const int quanti = r->FieldByName(QStringLiteral("Quanti")).AsInteger();
        if (!r->FieldByName(QStringLiteral("Incluso")).AsBoolean() || quanti <= 0)
            continue;
        const int rotolo = r->FieldByName(QStringLiteral("Rotolo")).AsInteger();
        Inserisci(Linea(descrizione, referenza + QStringLiteral(" (%1 mt)").arg(rotolo),
                        r->FieldByName(QStringLiteral("Cod_Esteso")).AsString(), QStringLiteral("mt"),
                        double(rotolo) * quanti, &m_tubo));
    }
    r->First();
    r->EnableControls();
}

void TCostruzione::Pannelli()
{
    const double confezione = m_isolante.Numero("CONFEZIONE");
    // Senza confezione valida non si possono contare le confezioni: si elenca l'area stessa.
    const double q = confezione > 0 ? (std::trunc(m_t.A / confezione) + 2) * confezione : std::ceil(double(m_t.A));
    const QString descrizione = m_isolante.trovata ? m_isolante.Testo("DESCRIZIONE") : m_codIsol;
    Inserisci(Linea(descrizione, m_isolante.Testo("REFERENZA"), m_codIsol, QStringLiteral("mq"), q, &m_isolante));
}

void TCostruzione::Barriera()
{
    if (!m_codIsol.startsWith(PrefissoBarriera))
        return;
    Inserisci(Linea(QStringLiteral("FOGLIO DI COPERTURA E BARRIERA VAPORE - PASSO 50mm"), QStringLiteral("V536"),
                    QStringLiteral("V536X742"), QStringLiteral("mq"), (std::trunc(m_t.A / 135.0) + 1) * 135, nullptr));
}

void TCostruzione::BinarioCivile()
{
    if (m_codIsol.left(10) != PrefissoBinarioCivile)
        return;
    Inserisci(Linea(QStringLiteral("BINARIO FISSATUBO PER PAVIMENTO CIVILE"), QStringLiteral("J035U"),
                    QStringLiteral("J035UX774"), QStringLiteral("mt"), std::trunc(m_t.A / 1.2) + 1, nullptr));
}

void TCostruzione::BinarioIndustriale()
{
    if (m_codIsol.left(10) != PrefissoBinarioIndustriale)
        return;
    Inserisci(Linea(QStringLiteral("BINARIO FISSATUBO PER PAVIMENTO INDUSTRIALE"), QStringLiteral("J035"),
                    QStringLiteral("J035X770"), QStringLiteral("mt"), (std::trunc(m_t.A / 4.8) + 1) * 4, nullptr));
}

void TCostruzione::Rete()
{
    Inserisci(Linea(QStringLiteral("RETE ELETTROSALDATA 50x50mm FILO 2mm"), QStringLiteral("J050"),
                    QStringLiteral("J050X774"), QStringLiteral("mq"), (std::trunc(m_t.A * 0.025) + 1) * 40, nullptr));
}

void TCostruzione::Fascia()
{
    Inserisci(Linea(QStringLiteral("FASCIA PERIMETRALE"), QStringLiteral("J085"), QStringLiteral("J085EX794"),
                    QStringLiteral("mt"), std::trunc(std::ceil(4.0 * m_t.P * 0.02) * 50), nullptr));
}

void TCostruzione::AdditivoCementi()
{
    const double x = double(m_t.A) * double(m_in.SpessMassetto) * 3.5;
    double q = 1;
    if (x >= 11) {
        const double y = x * 0.1;
        q = y - std::floor(y) > 0.1 ? std::ceil(y) : std::floor(y);
    }
    Inserisci(Linea(QStringLiteral("ADDITIVO PER CEMENTI"), QStringLiteral("J018"), QStringLiteral("J018X774"),
                    QStringLiteral("nr"), std::trunc(q), nullptr));
}

void TCostruzione::Antialga()
{
    // Una confezione ogni 200 litri d'acqua nei tubi.
    const double r = (m_tubo.Numero("D EST") - 2 * m_tubo.Numero("SPESSORE")) * 0.001 * 0.5;
    const double v = r * r * std::numbers::pi * double(m_t.L);
    Inserisci(Linea(QStringLiteral("ADDITIVO ANTIALGA"), QStringLiteral("J012"), QStringLiteral("J012X794"),
                    QStringLiteral("nr"), std::ceil(v * 1000 * 0.005), nullptr));
}

void TCostruzione::Clips()
{
    const QString codice = m_h == 30 ? QStringLiteral("V530X770")
        : m_h == 1                   ? QStringLiteral("V530X764")
                                     : QStringLiteral("V530X774");
    const double q = m_h == 99 ? 0 : std::ceil(double(m_t.L) * 0.25 / 100) * 100;
    Inserisci(
        Linea(QStringLiteral("CLIPS FISSATUBO"), QStringLiteral("V530"), codice, QStringLiteral("nr."), q, nullptr));
}

void TCostruzione::TasselliSpider()
{
    if (!m_codIsol.startsWith(PrefissoSpider))
        return;
    // Ogni pannello spider ha il suo tassello (ISOLANTE.TASSELLO): il codice del pannello
    // darebbe alla riga il prezzo del pannello.
    const QString proprio = m_isolante.Testo("TASSELLO").trimmed();
    const QString codice = m_h == 1 || proprio.isEmpty() ? TasselloSpider : proprio;
    Inserisci(Linea(QStringLiteral("TASSELLO PER PANNELLI SPIDER"), QStringLiteral("V530M"), codice,
                    QStringLiteral("nr."), std::ceil(double(m_t.L) * 0.1 / 100) * 100, nullptr));
}

// ---------------------------------------------------------------- collettori

void TCostruzione::Collettori()
{
    TTabella* c = m_dati.AuxCollettori;
    struct TCollettore
    {
        QString tipo;
        int circuiti;
    };
    QVector<TCollettore> collettori;
    c->DisableControls();
    for (c->First(); !c->Eof(); c->Next())
        collettori.append({c->FieldByName(QStringLiteral("Descrizione")).AsString(),
                           c->FieldByName(QStringLiteral("N_Circuiti")).AsInteger()});
    c->First();
    c->EnableControls();

    // Gli articoli esistono da 2 attacchi in su.
    const auto articoli = [&](const TCollettore& k) {
        return RigheCatalogo(m_dati, QStringLiteral("SELECT * FROM COLLETTORI WHERE RIF=? AND ATTACCHI=?"),
                             {ParametroTesto(k.tipo), std::max(k.circuiti, 2)});
    };
    const auto cassetta = [&](const TCollettore& k) -> TRigaCatalogo {
        const auto a = articoli(k);
        if (a.isEmpty())
            return {};
        return CercaCatalogo(m_dati, QStringLiteral("CASSETTE"), QStringLiteral("MISURA"), a.first().Testo("CASS"));
    };

    for (const TCollettore& k : collettori) {
        const auto a = articoli(k);
        if (a.isEmpty())
            Manca(TTesti::tr("il collettore %1 con %2 attacchi (tabella COLLETTORI)")
                      .arg(k.tipo)
                      .arg(std::max(k.circuiti, 2)));
        else if (const QString misura = a.first().Testo("CASS"); !misura.isEmpty() && !cassetta(k).trovata)
            Manca(TTesti::tr("la cassetta %1 del collettore %2 (tabella CASSETTE)").arg(misura, k.tipo));
    }
    for (const TCollettore& k : collettori) {
        for (const TRigaCatalogo& a : articoli(k))
            Fondi(a, a.Intero("QUANT"), false);
        ++m_id;
    }
    for (const TCollettore& k : collettori) {
        const TRigaCatalogo cass = cassetta(k);
        if (cass.trovata)
            Fondi(cass, 1, false);
        ++m_id;
    }
    // Il passo dei supporti, a differenza degli altri, non lascia un ID vuoto per collettore.
    for (const TCollettore& k : collettori) {
        const TRigaCatalogo cass = cassetta(k);
        if (cass.trovata) {
            const TRigaCatalogo supporto
                = CercaCatalogo(m_dati, QStringLiteral("CASSACC"), QStringLiteral("CODICE"), cass.Testo("SUPPORTO"));
            if (supporto.trovata)
                Fondi(supporto, 1, false);
            else if (!cass.Testo("SUPPORTO").isEmpty())
                Manca(TTesti::tr("il supporto %1 della cassetta %2 (tabella CASSACC)")
                          .arg(cass.Testo("SUPPORTO"), cass.Testo("MISURA")));
        }
    }

    // Adattatori e curve: due per circuito (il numero vero, non quello degli attacchi).
    int adattatori = 0, curve = 0;
    for (const TCollettore& k : collettori) {
        adattatori += 2 * k.circuiti + (k.tipo == TipoAdattatoriExtra ? 2 : 0);
        curve += 2 * k.circuiti;
    }
    // Testo e immagine di adattatori e curve vengono dal catalogo del loro codice: la riga del
    // tubo da cui si leggono i codici descrive il tubo.
    if (adattatori > 0)
        Inserisci(Linea(QStringLiteral("ADATTATORI"), m_tubo.Testo("REFADATT"), m_tubo.Testo("ADATTATORI"),
                        QStringLiteral("nr"), adattatori, nullptr));
    ++m_id;
    if (curve > 0)
        Inserisci(Linea(QStringLiteral("CURVE GUIDA TUBO"), QStringLiteral("V265T"), m_tubo.Testo("REFCURVE"),
                        QStringLiteral("nr"), curve, nullptr));
    ++m_id;

    for (const TCollettore& k : collettori) {
        const auto accessori = RigheCatalogo(
            m_dati, QStringLiteral("SELECT * FROM COLLACC WHERE RIF=? ORDER BY PRIORITA"), {ParametroTesto(k.tipo)});
        for (const TRigaCatalogo& a : accessori)
            Fondi(a, a.Intero("QUANT"), k.tipo.startsWith(PrefissoAccessoriUnici));
        ++m_id;
    }
}

// ---------------------------------------------------------------- regolazione

void TCostruzione::RigaRegolazione(const QString& codice, int quantita, const QString& tabella, bool soloConPrezzo)
{
    if (codice.isEmpty() || quantita <= 0)
        return;
    const TRigaCatalogo articolo = CercaCatalogo(m_dati, tabella, QStringLiteral("CODICE"), codice);
    if (!articolo.trovata)
        Manca(TTesti::tr("l'articolo %1 (tabella %2)").arg(codice, tabella));
    const QString descrizione = articolo.trovata ? articolo.Testo("DESCRIZIONE") : codice;
    const TLinea l = Linea(descrizione, articolo.Testo("REFERENZA"), codice, QStringLiteral("nr"), quantita, &articolo);
    if (soloConPrezzo && l.prezzo.isNull())
        return;
    Inserisci(l);
}

void TCostruzione::Regolazione()
{
    TTabella* r = m_dati.AuxRegol;
    r->First();
    if (r->IsEmpty())
        return;
    const auto testo = [&](const char* campo) { return r->FieldByName(QLatin1String(campo)).AsString().trimmed(); };
    const auto numero = [&](const char* campo) { return r->FieldByName(QLatin1String(campo)).AsInteger(); };
    const QString term = testo("term"), attuatore = testo("attuatore"), collcald = testo("collcald");
    const QString attmix = testo("attmix"), regol = testo("regol");
    const int qterm = numero("qterm"), qattuat = numero("qattuat"), qcald = numero("qcald"), qreg = numero("qreg");

    // Il termostato entra solo con un prezzo in catalogo.
    RigaRegolazione(term, qterm, QStringLiteral("TERMAMB"), true);
    RigaRegolazione(attuatore, qattuat, QStringLiteral("REGAMB"), false);
    RigaRegolazione(collcald, qcald, QStringLiteral("COLLCALDAIA"), false);

    // I motori del miscelatore sono tanti quanti i collettori di caldaia; anche "-" (nessun motore)
    // è un articolo e va in distinta, con il suo testo di capitolato.
    if (!attmix.isEmpty() && qcald > 0) {
        RigaRegolazione(attmix, qcald, QStringLiteral("ATTUATORI"), false);
        const TRigaCatalogo motore
            = CercaCatalogo(m_dati, QStringLiteral("ATTUATORI"), QStringLiteral("CODICE"), attmix);
        const QString trasformatore = motore.Testo("TRASFORMATORE").trimmed();
        if (!trasformatore.isEmpty()) {
            const TRigaCatalogo t
                = CercaCatalogo(m_dati, QStringLiteral("CATALOGO"), QStringLiteral("CODICE"), trasformatore);
            Inserisci(Linea(t.trovata ? t.Testo("DESCRIZIONE") : trasformatore, t.Testo("MISURA"), trasformatore,
                            QStringLiteral("nr."), qcald, &t));
        }
    }

    if (!regol.isEmpty() && qreg > 0) {
        const auto componenti
            = RigheCatalogo(m_dati, QStringLiteral("SELECT * FROM REGELETTRO WHERE RIFREG=?"), {ParametroTesto(regol)});
        if (componenti.isEmpty())
            Manca(TTesti::tr("i componenti del regolatore %1 (tabella REGELETTRO)").arg(regol));
        for (const TRigaCatalogo& c : componenti)
            Inserisci(
                Linea(c.Testo("DESCRIZIONE"), c.Testo("REFERENZA"), c.Testo("CODICE"), QStringLiteral("nr"), qreg, &c));
    }
}

// ---------------------------------------------------------------- insieme

TTotaliDistinta TCostruzione::Esegui()
{
    m_t = CalcolaTotaliDistinta(m_in.Locali, m_in.AreaMarginaleAttiva);
    m_dati.MancanzeDistinta.clear();
    m_dati.AuxPrev->DisableControls();
    m_dati.AuxPrev->Svuota();

    m_dati.AuxDGenerali->First();
    m_codIsol = m_dati.AuxDGenerali->FieldByName(QStringLiteral("COD_ISOL")).AsString();
    m_tubo = CercaCatalogo(m_dati, QStringLiteral("TUBO"), QStringLiteral("RIF"),
                           m_dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString());
    m_isolante = CercaCatalogo(m_dati, QStringLiteral("ISOLANTE"), QStringLiteral("CODICE"), m_codIsol);
    if (const QString rif = m_dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString();
        !m_tubo.trovata && !rif.isEmpty())
        Manca(TTesti::tr("il tubo %1 (tabella TUBO)").arg(rif));
    if (!m_isolante.trovata && !m_codIsol.isEmpty())
        Manca(TTesti::tr("il pannello %1 (tabella ISOLANTE)").arg(m_codIsol));
    m_h = m_isolante.Intero("H");

    Tubo();
    Pannelli();
    if (m_capitolato) {
        Rete();
        Barriera();
        BinarioCivile();
        BinarioIndustriale();
    } else {
        Barriera();
        BinarioCivile();
        BinarioIndustriale();
        Rete();
    }
    Fascia();
    AdditivoCementi();
    Antialga();
    Clips();
    TasselliSpider();

    if (m_in.CollettoriConfermati) {
        Collettori();
        Regolazione();
    }
    m_dati.AuxPrev->First();
    m_dati.AuxPrev->EnableControls();
    return m_t;
}

} // namespace

TTotaliDistinta CalcolaTotaliDistinta(std::span<const TLocaleCalc> locali, bool areaMarginaleAttiva)
{
    TTotaliDistinta t;
    float lAttiva = 0, lMarginale = 0;
    for (const TLocaleCalc& l : locali) {
        t.A += l.Area;
        t.P += std::sqrt(std::max(l.Area, 0.0f));
        lAttiva += float(l.NAs) * l.LAs;
        lMarginale += float(l.NAm) * l.LAm;
    }
    t.L = areaMarginaleAttiva ? lAttiva + lMarginale : lAttiva;
    return t;
}

TIngressiDistinta IngressiDistinta(const TStatoProgetto& stato)
{
    TIngressiDistinta in;
    in.Locali = std::span<const TLocaleCalc>(stato.RisultatiLocali.constData(), stato.RisultatiLocali.size());
    in.AreaMarginaleAttiva = stato.PavRad.AreaMarginaleAttiva();
    in.SpessMassetto = stato.PavRad.SpessMassetto();
    in.CollettoriConfermati = stato.CollettoriConfermati;
    in.OttimizzazioneEseguita = stato.OttimizzazioneEseguita;
    return in;
}

TTotaliDistinta CreaDistinta(TDati& dati, const TIngressiDistinta& ingressi, TTipoDistinta tipo)
{
    return TCostruzione(dati, ingressi, tipo).Esegui();
}

TTotaliDistinta CreaDistinta(TStatoProgetto& stato, TTipoDistinta tipo)
{
    return CreaDistinta(stato.Dati(), IngressiDistinta(stato), tipo);
}

QString AvvisoMancanzeDistinta(const QStringList& mancanze)
{
    return TTesti::tr("Nel catalogo mancano righe che la distinta dei materiali richiede:\n\n- %1\n\nLe voci "
                      "corrispondenti mancano nel documento o vi compaiono senza descrizione e prezzo: completare il "
                      "catalogo.")
        .arg(mancanze.join(QStringLiteral("\n- ")));
}

QVector<TRigaDistinta> LeggiDistinta(TDati& dati)
{
    QVector<TRigaDistinta> righe;
    TTabella* p = dati.AuxPrev;
    p->DisableControls();
    for (p->First(); !p->Eof(); p->Next()) {
        TRigaDistinta r;
        r.ID = p->FieldByName(QStringLiteral("ID")).AsInteger();
        r.Descrizione = p->FieldByName(QStringLiteral("Descrizione")).AsString();
        r.Articolo = p->FieldByName(QStringLiteral("Articolo")).AsString();
        r.Cod_Esteso = p->FieldByName(QStringLiteral("Cod_Esteso")).AsString();
        r.Unit_Mis = p->FieldByName(QStringLiteral("Unit_Mis")).AsString();
        r.Quantita = p->FieldByName(CampoQuantita).AsFloat();
        const TCampo prezzo = p->FieldByName(QStringLiteral("Prezzo_Unit"));
        if (!prezzo.IsNull())
            r.Prezzo_Unit = prezzo.AsFloat();
        r.Capitolato = p->FieldByName(QStringLiteral("CAPITOLATO")).AsString();
        r.Immagine = p->FieldByName(QStringLiteral("IMMAGINE")).AsString();
        righe.append(r);
    }
    p->First();
    p->EnableControls();
    return righe;
}
