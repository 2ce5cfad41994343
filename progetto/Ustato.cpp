#include "progetto/Ustato.h"
#include "progetto/Uposaprogetto.h"

#include "en1264/Ulimite.h"

#include "data/Udatabase.h"

TStatoProgetto::TStatoProgetto(TDati& dati, QObject* parent)
    : QObject(parent)
    , StatOttimizzazione(4)
    , Assegnazione(&RisultatiLocali)
    , m_dati(dati)
{
    // Ogni cambiamento dell'assegnazione invalida conferma e ottimizzazione.
    Assegnazione.DopoModifica = [this] {
        m_dati.ProgettoModificato = true;
        CollettoriConfermati = false;
        OttimizzazioneEseguita = false;
    };
}

TDatiGenerali LeggiDatiGenerali(TTabella& dg)
{
    auto f = [&dg](const char* campo) { return float(dg.FieldByName(QLatin1String(campo)).AsFloat()); };
    TDatiGenerali d;
    d.SPESS_MASS = f("SPESS_MASS");
    d.LAMBDA_MASS = f("LAMBDA_MASS");
    d.SPESS_SOL = f("SPESS_SOL");
    d.LAMBDA_SOL = f("LAMBDA_SOL");
    d.SPESS_TUBO = f("SPESS_TUBO");
    d.LAMBDA_TUBO = f("LAMBDA_TUBO");
    d.DEST_TUBO = f("DEST_TUBO");
    d.INTERASSE = f("INTERASSE");
    d.TEMPVS = f("TEMPVS");
    d.LUNGMAX = f("LUNGMAX");
    d.DELTAT_MAX = f("DELTAT_MAX");
    return d;
}

bool TStatoProgetto::RicalcolaProgetto()
{
    TTabella* dg = m_dati.AuxDGenerali;
    TTabella* loc = m_dati.AuxLocali;

    // Il giro dei locali registrerebbe il locale in modifica: se le regole lo rifiutano (con il
    // loro messaggio, una volta) il ricalcolo non si fa e il locale resta in modifica.
    if (loc->State() == TStato::Modifica || loc->State() == TStato::Inserimento) {
        if (!loc->Post())
            return false;
    }
    Q_EMIT aggiornamentoInterno();

    if (m_dati.DGeneraliModificati) {
        PavRad.CaricaDatiGenerali(LeggiDatiGenerali(*dg));
        m_dati.DGeneraliModificati = false;
        RisultatiRicalcolati = true;
    }

    // Il conto si fa percorrendo la tabella, come il file di progetto.
    NumLocali = loc->RecordCount();

    if (m_dati.LocaliModificati) {
        clessidra(true);
        RisultatiLocali.clear();
        RisultatiLocali.reserve(NumLocali);
        const int posizione = loc->RecNo();
        loc->DisableControls();
        loc->First();
        while (!loc->Eof()) {
            auto f = [loc](const char* campo) { return float(loc->FieldByName(QLatin1String(campo)).AsFloat()); };
            auto s = [loc](const char* campo) { return loc->FieldByName(QLatin1String(campo)).AsString(); };
            TLocaleCalc l;
            l.CTermico = f("CTermico");
            l.Area = f("Area");
            l.AreaUtile = f("AreaUtile");
            l.AreaMarginale = f("AreaMarginale");
            l.TAmbiente = f("TAmbiente");
            l.Lambda_Riv = f("Lambda_Riv");
            l.Spessore = f("Spessore");
            l.Descrizione = s("Descrizione");
            l.DistColl = loc->FieldByName(QStringLiteral("DistColl")).AsInteger();
            l.ID = loc->FieldByName(QStringLiteral("ID")).AsInteger();
            l.Piano = s("Piano");
            l.Rivestimento = s("Rivestimento");
            RisultatiLocali.append(l);
            loc->Next();
        }
        loc->EnableControls();
        loc->VaiA(posizione);
        if (RisultatiLocali.size() != NumLocali) {
            // Giro interrotto: i risultati non valgono, al prossimo ricalcolo si rileggono.
            clessidra(false);
            return false;
        }
        clessidra(false);
        m_dati.LocaliModificati = false;
        RisultatiRicalcolati = true;
        En1264.TieniLocali(RisultatiLocali);
    }

    if (NumLocali > 0) {
        switch (ModoTMandata) {
        case 0:
            PavRad.ImpostaAreaMarginaleAttiva(false);
            TMandataSalvata = PavRad.CalcolaTOttima(RisultatiLocali);
            break;
        case 1:
            PavRad.ImpostaAreaMarginaleAttiva(true);
            break;
        case 2:
            PavRad.ImpostaAreaMarginaleAttiva(false);
            // "T EN 1264" si salva come mandata senza area marginale e segue i locali come l'ottima.
            if (En1264.ModoEn1264) {
                const float t = MandataEn1264(PavRad, RisultatiLocali, BagniLocali(En1264, RisultatiLocali)).TMandata;
                if (t > 0)
                    TMandataSalvata = t;
            }
            break;
        default:
            break;
        }
        PavRad.ImpostaTempMandata(TMandataSalvata);
        PavRad.CalcolaLocali(RisultatiLocali);
        // Con "Lunghezze dal disegno" ogni passo dopo questo legge le lunghezze posate.
        ApplicaLunghezzeDalDisegno(*this);
    }
    Q_EMIT ricalcolato();
    return true;
}

void TStatoProgetto::RicostruisciCollettori()
{
    if (!RisultatiRicalcolati && !ImpostazioniSalvate)
        return;
    Q_EMIT aggiornamentoInterno();
    clessidra(true);
    QVector<TCircuitoGenerato> adesso = CircuitiDeiLocali(RisultatiLocali, ModoTMandata == 1);
    const TEsitoRicostruzione esito = RicostruisciAssegnazione(Assegnazione, m_circuiti, adesso);
    m_circuiti = std::move(adesso);
    // Senza collettori né conferma non c'era lavoro da perdere: nessun avviso.
    if (esito.lavoro || CollettoriConfermati || OttimizzazioneEseguita) {
        m_avviso = true;
        if (esito.lavoro)
            m_nuovi.unite(esito.nuovi);
        m_tolti += esito.tolti;
        m_confermaTolta |= CollettoriConfermati;
        m_ottimizzazioneTolta |= OttimizzazioneEseguita;
    }
    RisultatiRicalcolati = false;
    ImpostazioniSalvate = false;
    CollettoriConfermati = false;
    OttimizzazioneEseguita = false;
    ricontaRegolazione();
    clessidra(false);
    Q_EMIT collettoriRicostruiti();
}

void TStatoProgetto::ricontaRegolazione()
{
    // Solo le quantità già calcolate (o scritte) seguono i locali e i circuiti di oggi; quelle di
    // caldaia e regolatore non dipendono da loro.
    TTabella* r = m_dati.AuxRegol;
    auto valore = [r](const char* campo) { return r->FieldByName(QLatin1String(campo)).AsInteger(); };
    QList<QPair<const char*, int>> nuove;
    if (valore("qterm") > 0)
        nuove.append({"qterm", int(RisultatiLocali.size())});
    const QString attuatore = r->FieldByName(QStringLiteral("attuatore")).AsString();
    if (valore("qattuat") > 0 && !attuatore.isEmpty()) {
        int n = 0;
        if (attuatore.startsWith(QLatin1String("J91"))) {
            for (const TCollettoreAlbero& c : Assegnazione.Collettori())
                n += c.circuiti.isEmpty() ? 0 : 1;
        } else {
            n = Assegnazione.NumeroCircuitiAssegnati() + int(Assegnazione.Lista().size());
        }
        nuove.append({"qattuat", n});
    }
    bool cambia = false;
    for (const auto& [campo, n] : nuove)
        cambia |= valore(campo) != n;
    if (!cambia)
        return;
    if (r->State() == TStato::Consultazione)
        r->Edit();
    for (const auto& [campo, n] : nuove)
        r->FieldByName(QLatin1String(campo)).Imposta(n);
    r->Post();
}

void TStatoProgetto::AllineaCircuiti()
{
    m_circuiti = CircuitiDeiLocali(RisultatiLocali, ModoTMandata == 1);
    m_avviso = false;
    m_nuovi.clear();
    m_tolti = 0;
    m_confermaTolta = m_ottimizzazioneTolta = false;
}

TAvvisoCollettori TStatoProgetto::PrendiAvvisoCollettori()
{
    TAvvisoCollettori a;
    if (!m_avviso)
        return a;
    a.nuovi = ContaInLista(Assegnazione, m_circuiti, m_nuovi);
    a.tolti = m_tolti;
    a.conferma = m_confermaTolta;
    a.ottimizzazione = m_ottimizzazioneTolta;
    for (int i = 0; i < Assegnazione.NumeroCollettori(); ++i)
        a.nonValidi += Assegnazione.ProblemaCollettore(i).isEmpty() ? 0 : 1;
    m_avviso = false;
    m_nuovi.clear();
    m_tolti = 0;
    m_confermaTolta = m_ottimizzazioneTolta = false;
    return a;
}

void TStatoProgetto::SalvaImpostazioni(int modo, float temperatura)
{
    ModoTMandata = modo;
    TMandataSalvata = temperatura;
    ImpostazioniSalvate = true;
    m_dati.ProgettoModificato = true;
}

TEsitoTipo TStatoProgetto::Tipo()
{
    return CalcolaTipo(m_dati, Assegnazione, CollettoriConfermati, Clessidra);
}
