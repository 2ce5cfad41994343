#include "optimise/Uottimizza.h"

#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "data/Umessaggi.h"
#include "optimise/Uscelta.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <vector>

int LunghezzaCircuito(double metri)
{
    return int(std::ceil(metri));
}

QVector<MatassaOtt> TipiMatassa(const QVector<int>& lunghezze)
{
    QVector<MatassaOtt> matasse;
    for (int l : lunghezze)
        matasse.append({l, 0});
    return matasse;
}

bool ImpacchettaGruppo(QVector<CircuitoOtt> gruppo, QVector<MatassaOtt>& matasse, int scartoMin, TRisultatoOtt& ris,
                       TProgresso& progresso)
{
    std::stable_sort(gruppo.begin(), gruppo.end(),
                     [](const CircuitoOtt& a, const CircuitoOtt& b) { return a.LCircuito < b.LCircuito; });
    std::vector<int> lunghezzeMatasse;
    for (const auto& m : matasse)
        lunghezzeMatasse.push_back(m.Lunghezza);

    std::vector<int> lunghezze;
    while (!gruppo.isEmpty()) {
        lunghezze.clear();
        for (const auto& c : gruppo)
            lunghezze.push_back(c.LCircuito);
        const TScelta scelta = ScegliCombinazione(lunghezze, lunghezzeMatasse, scartoMin);
        if (scelta.matassa < 0)
            return false;

        MatassaOtt& matassa = matasse[scelta.matassa];
        bool prima = true;
        for (int p : scelta.posizioni) {
            const CircuitoOtt& c = gruppo[p];
            RigaCircuito riga;
            riga.ID = int(ris.Circuiti.size());
            if (prima) {
                riga.L_Rotolo = matassa.Lunghezza;
                riga.Scarto = matassa.Lunghezza - scelta.somma;
                prima = false;
            }
            riga.L_Circuito = c.LCircuito;
            riga.Descr_Circuito = c.Descr;
            riga.Coll = c.Coll;
            riga.Piano = c.Piano;
            ris.Circuiti.append(riga);
        }
        ris.TotaleMatasse += matassa.Lunghezza;
        ris.TotaleUtilizzato += scelta.somma;
        ++matassa.Usate;

        // Le posizioni sono crescenti: togliendo dal fondo le altre restano valide.
        for (auto it = scelta.posizioni.rbegin(); it != scelta.posizioni.rend(); ++it) {
            gruppo.removeAt(*it);
            progresso.Passo();
        }
        progresso.Respira();
    }
    return true;
}

QVector<QVector<int>> GruppiOttimizzazione(const QVector<CircuitoOtt>& circuiti, TOpzioneOtt opzione)
{
    QVector<QVector<int>> gruppi;
    if (circuiti.isEmpty())
        return gruppi;
    if (opzione == TOpzioneOtt::Totale) {
        QVector<int> tutti;
        for (int i = 0; i < circuiti.size(); ++i)
            tutti.append(i);
        gruppi.append(tutti);
        return gruppi;
    }
    // Il primo circuito non ancora raggruppato apre il gruppo del suo piano, che prende tutti i
    // circuiti di quel piano: ogni piano forma un solo gruppo, anche se compare in più punti.
    QVector<bool> raggruppato(circuiti.size(), false);
    for (int i = 0; i < circuiti.size(); ++i) {
        if (raggruppato[i])
            continue;
        QVector<int> gruppo;
        for (int j = i; j < circuiti.size(); ++j) {
            if (!raggruppato[j] && circuiti[j].Piano == circuiti[i].Piano) {
                raggruppato[j] = true;
                gruppo.append(j);
            }
        }
        gruppi.append(gruppo);
    }
    return gruppi;
}

TRisultatoOtt OttimizzaMatasse(const QVector<CircuitoOtt>& circuiti, const QVector<int>& matasse, int scartoMin,
                               TOpzioneOtt opzione, TProgresso& progresso)
{
    TRisultatoOtt ris;
    ris.Matasse = TipiMatassa(matasse);
    progresso.Inizia(QString(), int(circuiti.size()));

    int utileMax = -1;
    for (int l : matasse)
        utileMax = std::max(utileMax, l - scartoMin);
    const bool ammissibili = std::all_of(circuiti.begin(), circuiti.end(), [&](const CircuitoOtt& c) {
        return c.LCircuito > 0 && c.LCircuito <= utileMax;
    });
    if (!ammissibili) {
        progresso.Fine();
        return ris;
    }

    for (const auto& indici : GruppiOttimizzazione(circuiti, opzione)) {
        QVector<CircuitoOtt> gruppo;
        for (int i : indici)
            gruppo.append(circuiti[i]);
        // Con circuiti ammissibili ogni passo taglia almeno un circuito sulla matassa più lunga.
        ImpacchettaGruppo(gruppo, ris.Matasse, scartoMin, ris, progresso);
    }
    ris.Statistica = TestiStatistica(ris.TotaleMatasse, ris.TotaleUtilizzato);
    ris.Eseguita = true;
    progresso.Fine();
    return ris;
}

QStringList TestiStatistica(int totaleMatasse, int totaleUtilizzato)
{
    const int avanzo = totaleMatasse - totaleUtilizzato;
    // Senza matasse (nessun circuito) l'avanzo percentuale è zero, non una divisione per zero.
    const double percentuale = totaleMatasse > 0 ? double(avanzo) / double(totaleMatasse) * 100.0 : 0.0;
    return {InteroSchermo(totaleMatasse), InteroSchermo(totaleUtilizzato), InteroSchermo(avanzo),
            NumeroSchermo(percentuale, 2)};
}

QVector<RigaRotolo> RigheRotoli(const QVector<ArticoloRotolo>& articoli, const QVector<MatassaOtt>& matasse)
{
    // Due articoli della stessa lunghezza non devono riportare due volte le stesse matasse: ogni
    // tipo offerto si abbina al primo articolo libero di uguale lunghezza.
    QVector<bool> abbinata(matasse.size(), false);
    QVector<RigaRotolo> righe;
    for (int i = 0; i < articoli.size(); ++i) {
        RigaRotolo r;
        r.ID = i;
        r.Cod_Esteso = articoli[i].Codice;
        r.Rotolo = articoli[i].Conf;
        for (int j = 0; j < matasse.size(); ++j) {
            if (!abbinata[j] && matasse[j].Lunghezza == r.Rotolo) {
                abbinata[j] = true;
                r.Quanti = matasse[j].Usate;
                r.Incluso = true;
                break;
            }
        }
        righe.append(r);
    }
    return righe;
}

bool ControllaNumeroCircuiti(int numCircuiti)
{
    if (numCircuiti <= MaxCircuitiOttimizzazione)
        return true;
    TMessaggi::Avviso(MessaggiOtt::TroppiCircuiti());
    return false;
}

bool ControllaLunghezzeLocali(const QVector<double>& lunghezze, const QVector<int>& matasse, int scartoMin)
{
    int massima = 0;
    for (int l : matasse)
        massima = std::max(massima, l);
    for (double l : lunghezze) {
        if (l > massima) {
            TMessaggi::Avviso(MessaggiOtt::CircuitiTroppoLunghi());
            return false;
        }
    }
    for (double l : lunghezze) {
        if (l + scartoMin > massima) {
            TMessaggi::Avviso(MessaggiOtt::ScartoTroppoGrande());
            return false;
        }
    }
    return true;
}

bool ControllaCircuitiNulli(const QVector<CircuitoOtt>& circuiti)
{
    for (const auto& c : circuiti) {
        if (c.LCircuito <= 0) {
            TMessaggi::Avviso(MessaggiOtt::CircuitiNulli());
            return false;
        }
    }
    return true;
}

bool LeggiArticoliRotolo(TDati& dati, const QString& rifTubo, QVector<ArticoloRotolo>& articoli)
{
    articoli.clear();
    TQuery* q = dati.Query1;
    q->Close();
    if (!q->Open(QStringLiteral("Select CONF,CODICE from TUBO where RIF=? order by CONF"), {rifTubo}))
        return false;
    for (q->First(); !q->Eof(); q->Next())
        articoli.append(
            {q->FieldByName(QStringLiteral("CONF")).AsInteger(), q->FieldByName(QStringLiteral("CODICE")).AsString()});
    return true;
}

namespace {
bool apri(TTabella* t)
{
    return t->Active() || t->Open();
}

QVariant facoltativo(const std::optional<int>& v)
{
    return v ? QVariant(*v) : QVariant();
}

std::optional<int> facoltativo(const TCampo& c)
{
    if (c.IsNull() || c.AsString().trimmed().isEmpty())
        return std::nullopt;
    return c.AsInteger();
}
} // namespace

bool ScriviAuxCircuiti(TDati& dati, const QVector<RigaCircuito>& righe)
{
    TTabella* t = dati.AuxCircuiti;
    if (!apri(t))
        return false;
    t->DisableControls();
    t->Svuota();
    bool ok = true;
    for (const auto& r : righe) {
        t->Append();
        ok = t->FieldByName(QStringLiteral("ID")).Imposta(r.ID)
            && t->FieldByName(QStringLiteral("L_Rotolo")).Imposta(facoltativo(r.L_Rotolo))
            && t->FieldByName(QStringLiteral("Scarto")).Imposta(facoltativo(r.Scarto))
            && t->FieldByName(QStringLiteral("L_Circuito")).Imposta(r.L_Circuito)
            && t->FieldByName(QStringLiteral("Descr_Circuito")).Imposta(r.Descr_Circuito)
            && t->FieldByName(QStringLiteral("Coll")).Imposta(r.Coll)
            && t->FieldByName(QStringLiteral("Piano")).Imposta(r.Piano) && t->Post();
        if (!ok) {
            t->Cancel();
            break;
        }
    }
    t->First();
    t->EnableControls();
    return ok;
}

bool ScriviAuxRotoli(TDati& dati, const QVector<RigaRotolo>& righe)
{
    TTabella* t = dati.AuxRotoli;
    if (!apri(t))
        return false;
    t->DisableControls();
    t->Svuota();
    bool ok = true;
    for (const auto& r : righe) {
        t->Append();
        ok = t->FieldByName(QStringLiteral("ID")).Imposta(r.ID)
            && t->FieldByName(QStringLiteral("Cod_Esteso")).Imposta(r.Cod_Esteso)
            && t->FieldByName(QStringLiteral("Rotolo")).Imposta(r.Rotolo)
            && t->FieldByName(QStringLiteral("Quanti")).Imposta(r.Quanti)
            && t->FieldByName(QStringLiteral("Incluso")).Imposta(r.Incluso) && t->Post();
        if (!ok) {
            t->Cancel();
            break;
        }
    }
    t->First();
    t->EnableControls();
    return ok;
}

QVector<RigaCircuito> LeggiAuxCircuiti(TDati& dati)
{
    QVector<RigaCircuito> righe;
    TTabella* t = dati.AuxCircuiti;
    if (!apri(t))
        return righe;
    for (t->First(); !t->Eof(); t->Next()) {
        RigaCircuito r;
        r.ID = t->FieldByName(QStringLiteral("ID")).AsInteger();
        r.L_Rotolo = facoltativo(t->FieldByName(QStringLiteral("L_Rotolo")));
        r.Scarto = facoltativo(t->FieldByName(QStringLiteral("Scarto")));
        r.L_Circuito = t->FieldByName(QStringLiteral("L_Circuito")).AsInteger();
        r.Descr_Circuito = t->FieldByName(QStringLiteral("Descr_Circuito")).AsString();
        r.Coll = t->FieldByName(QStringLiteral("Coll")).AsString();
        r.Piano = t->FieldByName(QStringLiteral("Piano")).AsString();
        righe.append(r);
    }
    t->First();
    return righe;
}

QVector<RigaRotolo> LeggiAuxRotoli(TDati& dati)
{
    QVector<RigaRotolo> righe;
    TTabella* t = dati.AuxRotoli;
    if (!apri(t))
        return righe;
    for (t->First(); !t->Eof(); t->Next()) {
        RigaRotolo r;
        r.ID = t->FieldByName(QStringLiteral("ID")).AsInteger();
        r.Cod_Esteso = t->FieldByName(QStringLiteral("Cod_Esteso")).AsString();
        r.Rotolo = t->FieldByName(QStringLiteral("Rotolo")).AsInteger();
        r.Quanti = t->FieldByName(QStringLiteral("Quanti")).AsInteger();
        r.Incluso = t->FieldByName(QStringLiteral("Incluso")).AsBoolean();
        righe.append(r);
    }
    t->First();
    return righe;
}
