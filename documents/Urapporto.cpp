#include "documents/Urapporto.h"

#include "data/Udatabase.h"
#include "documents/Uarticoli.h"
#include "documents/Ulinguadocumento.h"
#include "en1264/Urelazione.h"
#include "progetto/Ustato.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

const QString Trattino = QStringLiteral("-");
const QString TuttoAperto = QStringLiteral("TA");
constexpr int PrimaRiga = 7;
constexpr int PrimaVoceContenuto = 39; // copertina: prima voce del contenuto, per il foglio 2
constexpr int MassimoAvanzamento = 300;

QString Cella(int colonna, int riga)
{
    return TFoglio::Indirizzo(colonna, riga);
}

// Un numero con il formato generale del foglio: quel che mostrerebbe il testo del numero.
void Numero(TFoglio& f, const QString& cella, double valore)
{
    f.Valore(cella, NumeroPulito(valore));
}

// Un numero con un numero fisso di decimali: arrotondato e con il formato che li mostra tutti.
void NumeroFisso(TFoglio& f, const QString& cella, double valore, int decimali)
{
    if (decimali == 0) {
        f.Valore(cella, qint64(std::llround(valore)));
        return;
    }
    const double scala = std::pow(10.0, decimali);
    f.Valore(cella, std::round(valore * scala) / scala);
    f.Formatta(cella, {.formato = QStringLiteral("0.") + QString(decimali, u'0')});
}

// Testo di un numero come lo scrive il programma (separatore decimale del sistema).
QString TestoNumero(double valore)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(NumeroPulito(valore), 'g', 7);
}

class TRapporto
{
public:
    TRapporto(TDocumento& documento, TStatoProgetto& stato, const TLinguaDocumento& lingua)
        : m_doc(documento)
        , m_f(documento.Foglio())
        , m_stato(stato)
        , m_dati(stato.Dati())
        , m_fogli(FogliRapporto(stato.ModoTMandata))
        , m_tuttoAperto(lingua.Testo("Relazione", QT_TRANSLATE_NOOP("Relazione", "TA")))
    {
        m_dati.AuxInfo->First();
        m_rif = Info("RIF");
    }

    void Esegui()
    {
        Copertina();
        Locali();
        ZonaOccupata();
        if (m_fogli.zonaMarginale)
            ZonaMarginale();
        int detentori = 0, collettori = 0;
        if (m_stato.CollettoriConfermati) {
            detentori = Detentori();
            collettori = Collettori();
        }
        // Fogli della verifica EN 1264 e del raffrescamento, con la loro voce nel contenuto.
        const QStringList aggiunti = AggiungiFogliEn1264(m_f, m_stato, m_rif);
        for (int i = 0, n = m_f.NumeroFogli() - int(aggiunti.size()) + 1; i < aggiunti.size(); ++i, ++n) {
            m_f.Foglio(1);
            m_f.Valore(Cella(1, PrimaVoceContenuto + n - 2), QStringLiteral("%1.  %2").arg(n - 1).arg(aggiunti[i]));
        }
        TogliFogliVuoti(detentori == 0, collettori == 0);
        m_f.Foglio(1);
        m_f.Seleziona(QStringLiteral("A1"));
    }

private:
    QString Info(const char* campo) const { return m_dati.AuxInfo->FieldByName(QLatin1String(campo)).AsString(); }

    // Una riga di tabella con tutti i bordi.
    void Bordi(int riga, int ultimaColonna) { m_f.TuttiIBordi(Cella(1, riga) + u':' + Cella(ultimaColonna, riga)); }

    void FineFoglio() { m_f.Seleziona(QStringLiteral("A1")); }

    void Copertina()
    {
        m_f.Foglio(1);
        m_f.Valore(QStringLiteral("B5"), m_rif);
        m_f.Valore(QStringLiteral("B11"), Info("PROGETTO"));
        m_f.Valore(QStringLiteral("B13"), Info("COMMITTENTE"));
        m_f.Valore(QStringLiteral("B15"), Info("PROGETTISTA"));
        m_f.Valore(QStringLiteral("B17"), Info("DATA"));
        TTabella* g = m_dati.AuxDGenerali;
        g->First();
        const auto campo = [g](const char* nome) { return g->FieldByName(QLatin1String(nome)).AsString(); };
        // I testi delle liste dei dati generali: la descrizione del tubo e del pannello scelti.
        m_f.Valore(QStringLiteral("B26"),
                   CercaCatalogo(m_dati, QStringLiteral("DESCRTUBO"), QStringLiteral("RIF"), campo("COD_TUBO"))
                       .Testo("DESCRIZIONE"));
        m_f.Valore(QStringLiteral("B28"),
                   CercaCatalogo(m_dati, QStringLiteral("ISOLANTE"), QStringLiteral("CODICE"), campo("COD_ISOL"))
                       .Testo("DESCRIZIONE"));
        m_f.Valore(QStringLiteral("B30"), campo("LUNGMAX") + QStringLiteral("  [m]"));
        m_f.Valore(QStringLiteral("B32"), campo("DELTAT_MAX") + QStringLiteral("  [°C]"));
        m_f.Valore(QStringLiteral("B34"), TestoNumero(m_stato.TMandataSalvata) + QStringLiteral("  [°C]"));
        FineFoglio();
        m_doc.Avanza();
    }

    // Le prime colonne comuni alle tabelle dei locali.
    void Intestazione(int riga, const TLocaleCalc& l)
    {
        m_f.Valore(Cella(1, riga), l.ID);
        m_f.Valore(Cella(2, riga), l.Descrizione);
        m_f.Valore(Cella(3, riga), l.Piano);
        Numero(m_f, Cella(4, riga), l.TAmbiente);
    }

    void Locali()
    {
        m_f.Foglio(m_fogli.locali);
        m_f.Valore(QStringLiteral("K4"), m_rif);
        int riga = PrimaRiga;
        for (const TLocaleCalc& l : m_stato.RisultatiLocali) {
            Intestazione(riga, l);
            Numero(m_f, Cella(5, riga), l.Area);
            Numero(m_f, Cella(6, riga), l.AreaUtile);
            NumeroFisso(m_f, Cella(7, riga), l.AreaMarginale, 2);
            Numero(m_f, Cella(8, riga), l.CTermico);
            m_f.Valore(Cella(9, riga), l.Rivestimento);
            Numero(m_f, Cella(10, riga), l.Spessore);
            m_f.Valore(Cella(11, riga), l.DistColl);
            Bordi(riga++, 11);
            m_doc.Avanza();
        }
        FineFoglio();
    }

    void ZonaOccupata()
    {
        m_f.Foglio(m_fogli.zonaOccupata);
        m_f.Valore(QStringLiteral("N4"), m_rif);
        int riga = PrimaRiga;
        for (const TLocaleCalc& l : m_stato.RisultatiLocali) {
            Intestazione(riga, l);
            Numero(m_f, Cella(5, riga), l.AreaUtile);
            Numero(m_f, Cella(6, riga), l.CTermico);
            NumeroFisso(m_f, Cella(7, riga), l.PotAs, 0);
            // Un'integrazione sotto 1 W non conta.
            if (l.Integr >= 1)
                Numero(m_f, Cella(8, riga), l.Integr);
            else
                m_f.Valore(Cella(8, riga), Trattino);
            Numero(m_f, Cella(9, riga), double(l.PassoAs) * 100);
            m_f.Valore(Cella(10, riga), l.NAs);
            Numero(m_f, Cella(11, riga), l.LAs);
            Numero(m_f, Cella(12, riga), l.TSupAs);
            Numero(m_f, Cella(13, riga), l.QAs);
            Numero(m_f, Cella(14, riga), l.DpAs);
            Bordi(riga++, 14);
            m_doc.Avanza();
        }
        FineFoglio();
    }

    void ZonaMarginale()
    {
        m_f.Foglio(m_fogli.zonaMarginale);
        m_f.Valore(QStringLiteral("M4"), m_rif);
        int riga = PrimaRiga;
        for (const TLocaleCalc& l : m_stato.RisultatiLocali) {
            Intestazione(riga, l);
            Numero(m_f, Cella(5, riga), l.AreaMarginale);
            Numero(m_f, Cella(6, riga), l.CTermico);
            if (l.AreaMarginale > 0) {
                Numero(m_f, Cella(7, riga), l.PotAm);
                Numero(m_f, Cella(8, riga), double(l.PassoAm) * 100);
                m_f.Valore(Cella(9, riga), l.NAm);
                Numero(m_f, Cella(10, riga), l.LAm);
                Numero(m_f, Cella(11, riga), l.TSupAm);
                Numero(m_f, Cella(12, riga), l.QAm);
                Numero(m_f, Cella(13, riga), l.DpAm);
            } else {
                m_f.Valore(Cella(7, riga) + u':' + Cella(13, riga), Trattino);
            }
            Bordi(riga++, 13);
            m_doc.Avanza();
        }
        FineFoglio();
    }

    // L'albero dei collettori e AuxCollettori si percorrono insieme, un record per collettore:
    // un collettore senza circuiti non lascia righe ma consuma il proprio record.
    // Un foglio senza righe non si consegna: esce dalla cartella e dal contenuto della copertina
    // (una voce per foglio dal secondo in poi, "n.  titolo"), che si rinumera.
    void TogliFogliVuoti(bool detentoriVuoto, bool collettoriVuoto)
    {
        QList<int> vuoti;
        if (collettoriVuoto)
            vuoti << m_fogli.collettori;
        if (detentoriVuoto)
            vuoti << m_fogli.detentori;
        if (vuoti.isEmpty())
            return;
        m_f.Foglio(1);
        static const QRegularExpression numero(QStringLiteral("^\\d+\\.\\s+"));
        QStringList voci;
        for (int n = 2; n <= m_f.NumeroFogli(); ++n) {
            const QString cella = Cella(1, PrimaVoceContenuto + n - 2);
            if (!vuoti.contains(n))
                voci << m_f.Testo(cella).remove(numero);
            m_f.Svuota(cella);
        }
        for (int i = 0; i < voci.size(); ++i)
            m_f.Valore(Cella(1, PrimaVoceContenuto + i), QStringLiteral("%1.  %2").arg(i + 1).arg(voci[i]));
        for (int n : vuoti)
            m_f.EliminaFoglio(n);
    }

    int Detentori()
    {
        m_f.Foglio(m_fogli.detentori);
        m_f.Valore(QStringLiteral("D4"), m_rif);
        TTabella* c = m_dati.AuxCollettori;
        const TControlliSospesi sospesi(c);
        c->First();
        int riga = PrimaRiga, numero = 1;
        for (const TCollettoreAlbero& collettore : m_stato.Assegnazione.Collettori()) {
            if (c->Eof())
                break;
            if (!collettore.circuiti.isEmpty()) {
                const double dP = c->FieldByName(QStringLiteral("dP")).AsFloat();
                const QString nome = c->FieldByName(QStringLiteral("Nome")).AsString();
                const QVector<TRigaKv> tabella
                    = TabellaKv(m_dati, c->FieldByName(QStringLiteral("Descrizione")).AsString());
                for (const QString& etichetta : collettore.circuiti) {
                    const TValoriCircuito v = m_stato.Assegnazione.ValoriCircuito(etichetta);
                    m_f.Valore(Cella(1, riga), numero++);
                    m_f.Valore(Cella(2, riga), nome);
                    m_f.Valore(Cella(3, riga), TestoCircuitoEtichetta(etichetta));
                    const QString giri
                        = v.valido ? Preregolazione(v.portata, dP, v.perdita, v.zona, tabella) : Trattino;
                    // "TA" si legge nella lingua del documento, come la legenda del modello.
                    m_f.Valore(Cella(4, riga), giri == TuttoAperto ? m_tuttoAperto : giri);
                    Bordi(riga++, 4);
                    m_doc.Avanza();
                }
            }
            c->Next();
        }
        c->First();
        FineFoglio();
        return riga - PrimaRiga;
    }

    int Collettori()
    {
        m_f.Foglio(m_fogli.collettori);
        m_f.Valore(QStringLiteral("F4"), m_rif);
        TTabella* c = m_dati.AuxCollettori;
        const TControlliSospesi sospesi(c);
        int riga = PrimaRiga, numero = 1;
        for (c->First(); !c->Eof(); c->Next()) {
            const QString tipo = c->FieldByName(QStringLiteral("Descrizione")).AsString();
            m_f.Valore(Cella(1, riga), numero++);
            m_f.Valore(Cella(2, riga), c->FieldByName(QStringLiteral("Nome")).AsString());
            m_f.Valore(
                Cella(3, riga),
                CercaCatalogo(m_dati, QStringLiteral("DESCRCOLL"), QStringLiteral("RIF"), tipo).Testo("DESCRIZIONE"));
            m_f.Valore(Cella(4, riga), c->FieldByName(QStringLiteral("N_Circuiti")).AsInteger());
            Numero(m_f, Cella(5, riga), c->FieldByName(QStringLiteral("Portata")).AsFloat());
            Numero(m_f, Cella(6, riga), c->FieldByName(QStringLiteral("dP")).AsFloat());
            Bordi(riga++, 6);
            m_doc.Avanza();
        }
        c->First();
        FineFoglio();
        return riga - PrimaRiga;
    }

    TDocumento& m_doc;
    TFoglio& m_f;
    TStatoProgetto& m_stato;
    TDati& m_dati;
    TFogliRapporto m_fogli;
    QString m_tuttoAperto;
    QString m_rif;
};

} // namespace

QString ModelloRapporto(int modoTMandata)
{
    return modoTMandata == 1 ? QStringLiteral("rapptecAM") : QStringLiteral("rapptec");
}

TFogliRapporto FogliRapporto(int modoTMandata)
{
    if (modoTMandata == 1)
        return {2, 3, 4, 5, 6};
    return {2, 3, 0, 4, 5};
}

double KvRichiesto(double portata, double dPCollettore, double perditaCircuito)
{
    const double delta = dPCollettore - perditaCircuito;
    if (!(delta > 0))
        return std::numeric_limits<double>::quiet_NaN();
    // l/h → m³/h, mm c.a. → bar (1 mm = 0.0001 bar). Arrotondato al milionesimo: un Kv uguale a
    // un valore della tabella resta uguale anche dopo gli errori di calcolo.
    const double kv = (portata * 0.001) / std::sqrt(delta * 0.0001);
    return std::round(kv * 1e6) / 1e6;
}

QString Preregolazione(double portata, double dPCollettore, double perditaCircuito, QChar zona,
                       const QVector<TRigaKv>& tabella)
{
    const double kv = KvRichiesto(portata, dPCollettore, perditaCircuito);
    // Nessuna pressione da strozzare: il detentore resta tutto aperto.
    if (std::isnan(kv))
        return TuttoAperto;
    for (const TRigaKv& r : tabella)
        if (r.kv > kv)
            return r.giri;
    return zona == u's' ? TuttoAperto : Trattino;
}

QVector<TRigaKv> TabellaKv(TDati& dati, const QString& tipoCollettore)
{
    QVector<TRigaKv> tabella;
    for (const TRigaCatalogo& r : RigheCatalogo(dati, QStringLiteral("SELECT * FROM KV WHERE COLLETTORE=? ORDER BY KV"),
                                                {ParametroTesto(tipoCollettore)}))
        tabella.append({r.Numero("KV"), r.Testo("GIRI")});
    return tabella;
}

QString CreaRapportoTecnico(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    const TLinguaDocumento lingua = LinguaDocumento(ModelloRapporto(stato.ModoTMandata));
    richiesta.nome = lingua.Testo("Relazione", QT_TRANSLATE_NOOP("Relazione", "Rapporto Tecnico"));
    richiesta.modello = lingua.modello;
    richiesta.massimo = MassimoAvanzamento;
    richiesta.passo = 1;
    NomeFileProgetto(richiesta, stato.Dati());
    return CostruisciDocumento(richiesta, [&](TDocumento& d) { TRapporto(d, stato, lingua).Esegui(); });
}
