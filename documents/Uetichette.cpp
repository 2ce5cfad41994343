#include "documents/Uetichette.h"

#include "data/Udatabase.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>

namespace {

QString Cella(char colonna, int riga)
{
    return QChar(colonna) + QString::number(riga);
}

// I controlli della tabella restano sospesi per tutta la costruzione, anche se fallisce.
class TControlliSospesi
{
public:
    explicit TControlliSospesi(TTabella* t)
        : m_t(t)
    {
        m_t->DisableControls();
    }
    ~TControlliSospesi() { m_t->EnableControls(); }

private:
    TTabella* m_t;
};

void ScriviEtichette(TDocumento& doc, const TStatoProgetto& stato)
{
    TFoglio& f = doc.Foglio();
    const bool marginali = stato.ModoTMandata == 1;
    int r = 2, s = 2;
    for (int k = 0; k < stato.NumLocali && k < stato.RisultatiLocali.size(); ++k) {
        const TLocaleCalc& l = stato.RisultatiLocali[k];
        if (l.NAs > 0) {
            f.Valore(Cella('A', r), l.ID);
            for (int i = 1; i <= l.NAs; ++i) {
                f.Valore(Cella('B', r + 1), TFoglio::TestoFisso(l.LAs, 0));
                f.Valore(Cella('C', r), i);
                f.Valore(Cella('C', r + 1), TFoglio::TestoFisso(double(l.PassoAs) * 100, 1));
                r += 3;
                doc.Avanza();
            }
        }
        if (marginali && l.NAm > 0) {
            f.Valore(Cella('E', s), l.ID);
            for (int j = 1; j <= l.NAm; ++j) {
                f.Valore(Cella('F', s + 1), TFoglio::TestoFisso(l.LAm, 0));
                f.Valore(Cella('G', s), j);
                f.Valore(Cella('G', s + 1), TFoglio::TestoFisso(double(l.PassoAm) * 100, 1));
                s += 3;
                doc.Avanza();
            }
        }
    }
}

void ScriviOttimizzazione(TDocumento& doc, TStatoProgetto& stato)
{
    TDati& dati = stato.Dati();
    TTabella* circuiti = dati.AuxCircuiti;
    TControlliSospesi sospesi(circuiti);
    TFoglio& f = doc.Foglio();
    // La cartella predefinita è quella dei documenti del progetto, come per gli altri documenti.
    f.PercorsoPredefinito(doc.Richiesta().cartella.isEmpty() ? TDocumenti::CartellaDocumenti()
                                                             : doc.Richiesta().cartella);
    f.Valore(QStringLiteral("A8"), DescrizioneTubo(stato));
    int r = 12;
    for (circuiti->First(); !circuiti->Eof(); circuiti->Next()) {
        const QString rotolo = circuiti->FieldByName(QStringLiteral("L_Rotolo")).AsString();
        if (!rotolo.isEmpty()) {
            f.Valore(Cella('A', r), rotolo);
            f.Bordo(QStringLiteral("A%1:E%1").arg(r), TBordo::Superiore, TLinea::Continua);
        }
        f.Valore(Cella('B', r), circuiti->FieldByName(QStringLiteral("Descr_Circuito")).AsString());
        f.Valore(Cella('C', r), circuiti->FieldByName(QStringLiteral("L_Circuito")).AsString());
        f.Valore(Cella('D', r), circuiti->FieldByName(QStringLiteral("Coll")).AsString());
        f.Valore(Cella('E', r), circuiti->FieldByName(QStringLiteral("Piano")).AsString());
        ++r;
        doc.Avanza();
    }
    // La tabella si chiude sotto l'ultima riga.
    f.Bordo(QStringLiteral("A%1:E%1").arg(r), TBordo::Superiore, TLinea::Continua);
    f.Seleziona(QStringLiteral("A1"));
}

} // namespace

QString DescrizioneTubo(TStatoProgetto& stato)
{
    TDati& dati = stato.Dati();
    dati.AuxDGenerali->First();
    const QString codice = dati.AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString();
    if (codice.isEmpty() || !dati.Cerca(QStringLiteral("DESCRTUBO"), QStringLiteral("RIF"), codice))
        return {};
    return dati.Query1->FieldByName(QStringLiteral("DESCRIZIONE")).AsString();
}

QString CreaEtichette(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    richiesta.nome = QCoreApplication::translate("TDocumento", "Etichette");
    richiesta.modello = QStringLiteral("tabcirc");
    richiesta.massimo = (stato.ModoTMandata == 1 ? 2 * stato.NumLocali : stato.NumLocali) + 200;
    richiesta.passo = richiesta.massimo / 100;
    NomeFileProgetto(richiesta, stato.Dati());
    return CostruisciDocumento(richiesta, [&](TDocumento& d) { ScriviEtichette(d, stato); });
}

QString CreaTabellaOttimizzazione(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    richiesta.nome = QCoreApplication::translate("TDocumento", "Ottimizz. Circuiti");
    richiesta.modello = QStringLiteral("Ottimizza");
    richiesta.massimo = 400;
    richiesta.passo = 1;
    NomeFileProgetto(richiesta, stato.Dati(), QCoreApplication::translate("TDocumento", "Ottimizzazione circuiti"));
    return CostruisciDocumento(richiesta, [&](TDocumento& d) { ScriviOttimizzazione(d, stato); });
}
