#include "optimise/Ucalcolo.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "progetto/Ustato.h"

#include <algorithm>

#include <QCoreApplication>

bool ControllaAssegnazioneOtt(const TAssegnazione& assegnazione)
{
    if (!assegnazione.Lista().isEmpty()) {
        TMessaggi::Avviso(MessaggiCollettori::NonAssegnati());
        return false;
    }
    if (assegnazione.NumeroCollettori() == 0) {
        TMessaggi::Avviso(QCoreApplication::translate("TCalcoloOtt", "Non è stato assegnato alcun circuito!"));
        return false;
    }
    if (assegnazione.CollettoreSenzaCircuiti() >= 0) {
        TMessaggi::Avviso(MessaggiCollettori::SenzaAnelli());
        return false;
    }
    // Un collettore rimasto fuori regola dopo un ricalcolo darebbe rotoli per piano sbagliati.
    const int nonValido = assegnazione.CollettoreNonValido();
    if (nonValido >= 0) {
        TMessaggi::Avviso(assegnazione.ProblemaCollettore(nonValido));
        return false;
    }
    return true;
}

QVector<CircuitoOtt> CircuitiOttimizzazione(const TAssegnazione& assegnazione)
{
    QVector<CircuitoOtt> circuiti;
    for (const TCollettoreAlbero& coll : assegnazione.Collettori()) {
        for (const QString& etichetta : coll.circuiti) {
            const TValoriCircuito v = assegnazione.ValoriCircuito(etichetta);
            CircuitoOtt c;
            c.Descr = TestoCircuitoEtichetta(etichetta);
            c.LCircuito = v.valido ? LunghezzaCircuito(v.lunghezza) : 0;
            c.Coll = coll.Nome();
            c.Piano = v.locale ? v.locale->Piano : QString();
            circuiti.append(c);
        }
    }
    return circuiti;
}

QVector<double> LunghezzeLocali(const TStatoProgetto& stato)
{
    QVector<double> lunghezze;
    const int n = std::min(stato.NumLocali, int(stato.RisultatiLocali.size()));
    for (int i = 0; i < n; ++i) {
        const TLocaleCalc& l = stato.RisultatiLocali[i];
        lunghezze.append(l.LAs);
        if (stato.ModoTMandata == 1)
            lunghezze.append(l.LAm);
    }
    return lunghezze;
}

TImpostazioniOtt ImpostazioniIniziali(const TStatoProgetto& stato, TDati& dati, const QVector<ArticoloRotolo>& articoli)
{
    TImpostazioniOtt imp;
    if (stato.OttimizzazioneEseguita) {
        for (const RigaRotolo& r : LeggiAuxRotoli(dati))
            if (r.Incluso)
                imp.Matasse.append(r.Rotolo);
        imp.ScartoMin = stato.ScartoMinMatassa;
        imp.Opzione = stato.OpzioneOttimizzazione != 0 ? TOpzioneOtt::PerPiano : TOpzioneOtt::Totale;
    } else {
        for (const ArticoloRotolo& a : articoli)
            imp.Matasse.append(a.Conf);
    }
    return imp;
}

TCalcoloOtt OttimizzaMatasse(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                             const QVector<ArticoloRotolo>& articoli, TProgresso& progresso)
{
    return CalcolaOttimizzazione(
        stato, dati, impostazioni, articoli,
        [](const QVector<CircuitoOtt>& circuiti, const TImpostazioniOtt& imp, TProgresso& p) {
            return OttimizzaMatasse(circuiti, imp.Matasse, imp.ScartoMin, imp.Opzione, p);
        },
        progresso);
}

TCalcoloOtt CalcolaOttimizzazione(TStatoProgetto& stato, TDati& dati, const TImpostazioniOtt& impostazioni,
                                  const QVector<ArticoloRotolo>& articoli, const TTaglioOtt& taglio,
                                  TProgresso& progresso)
{
    TCalcoloOtt calcolo;
    // AuxCircuiti svuotata non descrive più un'ottimizzazione: l'indicatore cade subito, così un
    // salvataggio dopo un calcolo rifiutato non scrive un risultato senza circuiti.
    stato.OttimizzazioneEseguita = false;
    stato.MinimoAcquisto = TMinimoAcquisto();
    if (!ScriviAuxCircuiti(dati, {})) {
        calcolo.Esito = TEsitoOtt::Errore;
        return calcolo;
    }

    const QVector<CircuitoOtt> circuiti = CircuitiOttimizzazione(stato.Assegnazione);
    if (!ControllaNumeroCircuiti(int(circuiti.size())))
        return calcolo;
    if (impostazioni.Matasse.isEmpty()) {
        calcolo.Esito = TEsitoOtt::NessunaMatassa;
        return calcolo;
    }
    // I controlli guardano i locali; i circuiti dell'albero ne derivano, ma un albero non più
    // allineato ai risultati (circuiti marginali senza il modo marginale) passa dallo stesso
    // controllo sulle proprie lunghezze: la ricerca non deve mai trovarsi un circuito che non entra.
    QVector<double> lunghezzeCircuiti;
    for (const auto& c : circuiti)
        lunghezzeCircuiti.append(c.LCircuito);
    if (!ControllaLunghezzeLocali(LunghezzeLocali(stato), impostazioni.Matasse, impostazioni.ScartoMin)
        || !ControllaLunghezzeLocali(lunghezzeCircuiti, impostazioni.Matasse, impostazioni.ScartoMin)
        || !ControllaCircuitiNulli(circuiti))
        return calcolo;

    calcolo.Risultato = taglio(circuiti, impostazioni, progresso);
    if (!calcolo.Risultato.Eseguita)
        return calcolo;
    if (!ScriviAuxCircuiti(dati, calcolo.Risultato.Circuiti)
        || !ScriviAuxRotoli(dati, RigheRotoli(articoli, calcolo.Risultato.Matasse))) {
        calcolo.Esito = TEsitoOtt::Errore;
        return calcolo;
    }
    stato.OttimizzazioneEseguita = true;
    stato.StatOttimizzazione = calcolo.Risultato.Statistica;
    stato.OpzioneOttimizzazione = impostazioni.Opzione == TOpzioneOtt::PerPiano ? 1 : 0;
    stato.ScartoMinMatassa = impostazioni.ScartoMin;
    calcolo.Esito = TEsitoOtt::Eseguita;
    return calcolo;
}
