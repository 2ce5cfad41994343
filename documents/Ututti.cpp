#include "documents/Ututti.h"

#include "documents/foglio/Udocumento.h"
#include "documents/Uetichette.h"
#include "documents/Updf.h"
#include "documents/Upreventivo.h"
#include "documents/Urapporto.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>

#include <functional>

namespace {

// Una finestra sola per tutti: ogni documento occupa una parte uguale della barra, le copie PDF
// l'ultima. I documenti iniziano e finiscono la loro parte senza chiudere la finestra.
class TProgressoParziale : public TProgresso
{
public:
    TProgressoParziale(TProgresso& esterno, int parti)
        : m_esterno(esterno)
    {
        m_esterno.Inizia(QCoreApplication::translate("TDocumento", "Preparazione dei documenti in corso..."),
                         parti * Scala);
    }
    ~TProgressoParziale() override { m_esterno.Fine(); }

    // La parte successiva, da 0 alla fine della precedente.
    void Parte()
    {
        while (m_posizione < (m_parte + 1) * Scala)
            Avanza();
        ++m_parte;
        m_passi = 0;
    }
    void Inizia(const QString&, int massimo) override { m_massimo = std::max(1, massimo); }
    void Passo() override
    {
        ++m_passi;
        const int obiettivo = m_parte * Scala + std::min(Scala, m_passi * Scala / m_massimo);
        while (m_posizione < obiettivo)
            Avanza();
    }
    void Respira() override { m_esterno.Respira(); }

private:
    static constexpr int Scala = 100;
    void Avanza()
    {
        ++m_posizione;
        m_esterno.Passo();
    }
    TProgresso& m_esterno;
    int m_parte = 0, m_massimo = 1, m_passi = 0, m_posizione = 0;
};

struct TVoce
{
    std::function<QString(TStatoProgetto&, TRichiestaDocumento)> crea;
    int conPrezzi = -1; // per il capitolato
};

} // namespace

TEsitoTutti CreaTuttiIDocumenti(TStatoProgetto& stato, const QString& cartella, bool conPdf, TProgresso* progresso)
{
    TEsitoTutti esito;
    esito.cartella = cartella.isEmpty() ? CartellaProgetto(stato.Dati()) : cartella;
    QList<TVoce> voci
        = {{CreaRapportoTecnico}, {CreaPreventivo}, {CreaCapitolato, 0}, {CreaCapitolato, 1}, {CreaEtichette}};
    if (stato.OttimizzazioneEseguita)
        voci.append({CreaTabellaOttimizzazione});
    else
        esito.mancanti << QCoreApplication::translate(
            "TDocumento", "Ottimizzazione circuiti: non è stata effettuata l'ottimizzazione dei circuiti.");

    TProgressoParziale parziale(progresso ? *progresso : TProgresso::nullo(), int(voci.size()) + (conPdf ? 1 : 0));
    const int conPrezziPrima = stato.ConPrezzi;
    for (const TVoce& v : voci) {
        if (v.conPrezzi >= 0)
            stato.ConPrezzi = v.conPrezzi;
        TRichiestaDocumento r;
        r.cartella = esito.cartella;
        r.apri = false;
        r.progresso = &parziale;
        const QString file = v.crea(stato, r);
        if (!file.isEmpty())
            esito.documenti << file;
        parziale.Parte();
    }
    stato.ConPrezzi = conPrezziPrima;

    if (conPdf && !esito.documenti.isEmpty()) {
        for (const TEsitoPdf& e : CreaPdf(esito.documenti, &parziale)) {
            if (e.riuscito)
                esito.pdf << e.pdf;
            else if (!esito.erroriPdf.contains(e.errore))
                esito.erroriPdf += (esito.erroriPdf.isEmpty() ? QString() : QStringLiteral("\n")) + e.errore;
        }
        parziale.Parte();
    }
    return esito;
}
