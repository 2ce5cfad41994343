#include "app/Ustampa.h"
#include "documents/Utavolaimpianto.h"

#include "controlli/Udialoghi.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "documents/Uetichette.h"
#include "documents/Uistanzapdf.h"
#include "documents/Updf.h"
#include "documents/Upreventivo.h"
#include "documents/Urapporto.h"
#include "documents/Ututti.h"
#include "documents/finestre/Uopzcap.h"
#include "documents/foglio/Udocumento.h"
#include "editor/Udef.h"
#include "progetto/Ustato.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {
const char* const MsgInserimentoLocali = QT_TRANSLATE_NOOP(
    "TComandiStampa",
    "Completare l'inserimento dei dati nella riga selezionata della tabella Locali o\n\nannullare la riga con X.");
const char* const MsgDatiGenerali = QT_TRANSLATE_NOOP(
    "TComandiStampa", "Confermare le modifiche nella scheda Dati Generali o\n\nannullare la riga con X.");
const char* const MsgInfoClienti = QT_TRANSLATE_NOOP(
    "TComandiStampa", "Confermare le modifiche nella scheda Informazioni Clienti o\n\nannullare la riga con X.");
const char* const AvvisoCollettori = QT_TRANSLATE_NOOP(
    "TComandiStampa", "I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.\n\n");
const char* const SeguitoRapporto
    = QT_TRANSLATE_NOOP("TComandiStampa", "La Relazione tecnica non conterrà i risultati relativi ai collettori.");
const char* const SeguitoPreventivo = QT_TRANSLATE_NOOP(
    "TComandiStampa", "Il preventivo non conterrà la lista relativa ai collettori e alla regolazione.");
const char* const MsgNoOttimizzazione
    = QT_TRANSLATE_NOOP("TComandiStampa", "Non è stata effettuata l'ottimizzazione dei circuiti.");
const QString ChiavePdf = QStringLiteral("Stampa/CreaAncheIlPdf");

bool avvisaSeNonConfermati(TStatoProgetto& s, const QString& seguito)
{
    if (!s.CollettoriConfermati)
        TMessaggi::Avviso(TComandiStampa::tr(AvvisoCollettori) + seguito);
    return true;
}

struct TClessidra
{
    TClessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TClessidra() { QApplication::restoreOverrideCursor(); }
};

struct TOccupato
{
    explicit TOccupato(bool& b)
        : occupato(b)
    {
        occupato = true;
    }
    ~TOccupato() { occupato = false; }
    bool& occupato;
};
} // namespace

bool ControllaModifichePendenti(TDati& dati)
{
    TTabella* locali = dati.AuxLocali;
    if (locali->State() == TStato::Inserimento) {
        TMessaggi::Avviso(TComandiStampa::tr(MsgInserimentoLocali));
        return false;
    }
    // Un locale in modifica si registra qui; se le regole lo rifiutano il loro messaggio basta.
    if (locali->State() == TStato::Modifica && !locali->Post())
        return false;
    if (dati.AuxDGenerali->State() != TStato::Consultazione && dati.AuxDGenerali->Active())
        TMessaggi::Avviso(TComandiStampa::tr(MsgDatiGenerali));
    else if (dati.AuxInfo->State() != TStato::Consultazione && dati.AuxInfo->Active())
        TMessaggi::Avviso(TComandiStampa::tr(MsgInfoClienti));
    else
        return true;
    return false;
}

TComandiStampa::TComandiStampa(bool& occupato, QObject* parent)
    : QObject(parent)
    , m_occupato(occupato)
{
    ScegliPrezzi = [] {
        TOpzCap opzioni(QApplication::activeWindow());
        return TDialoghi::istanza().Esegui(opzioni) == QDialog::Accepted ? opzioni.ItemIndex() : -1;
    };
}

void TComandiStampa::AggiungiAlMenu(QMenu* stampa)
{
    TuttiIDocumenti1 = stampa->addAction(tr("&Tutti i documenti"));
    TuttiIDocumenti1->setObjectName(QStringLiteral("TuttiIDocumenti1"));
    TuttiIDocumenti1->setToolTip(tr("Ogni documento del progetto nella sua cartella, senza aprirli; con \"Crea "
                                    "anche il PDF\" anche le copie PDF."));
    connect(TuttiIDocumenti1, &QAction::triggered, this, &TComandiStampa::TuttiIDocumenti1Click);
    stampa->addSeparator();
    CreaPdf1 = stampa->addAction(tr("Crea anche il P&DF"));
    CreaPdf1->setObjectName(QStringLiteral("CreaPdf1"));
    CreaPdf1->setCheckable(true);
    CreaPdf1->setChecked(QSettings().value(ChiavePdf, false).toBool());
    if (PercorsoSoffice().isEmpty()) {
        CreaPdf1->setEnabled(false);
        CreaPdf1->setToolTip(tr("LibreOffice (soffice) non è installato: il PDF non si può creare."));
    } else {
        CreaPdf1->setToolTip(tr("Ogni documento viene salvato anche in PDF, accanto al file .xlsx."));
    }
    stampa->setToolTipsVisible(true);
    // Con la copia PDF richiesta LibreOffice si tiene pronto in sottofondo: ogni PDF costa la
    // conversione, non un avvio.
    connect(CreaPdf1, &QAction::toggled, this, [](bool si) {
        QSettings().setValue(ChiavePdf, si);
        if (si)
            TIstanzaPdf::Avvia();
    });
    if (pdfRichiesto())
        TIstanzaPdf::Avvia();
    ApriCartella1 = stampa->addAction(tr("&Apri cartella"));
    ApriCartella1->setObjectName(QStringLiteral("ApriCartella1"));
    ApriCartella1->setToolTip(tr("La cartella dei documenti del progetto."));
    connect(ApriCartella1, &QAction::triggered, this, &TComandiStampa::ApriCartella1Click);
}

TStatoProgetto* TComandiStampa::prepara(bool ricostruisciCollettori)
{
    UltimoDocumento.clear();
    UltimoPdf.clear();
    UltimiFile.clear();
    UltimaCartella.clear();
    TProgetto* progetto = Progetto ? Progetto() : nullptr;
    if (!progetto || m_occupato)
        return nullptr;
    TDati& dati = progetto->Dati();
    progetto->ConfermaCelleAperte();
    if (!ControllaModifichePendenti(dati)) {
        progetto->MostraLocaliInSospeso();
        return nullptr;
    }
    if (dati.AuxLocali->RecordCount() == 0)
        return nullptr;
    TStatoProgetto& stato = progetto->Stato();
    if (!stato.RicalcolaProgetto()) {
        progetto->MostraLocaliInSospeso();
        return nullptr;
    }
    if (ricostruisciCollettori)
        stato.RicostruisciCollettori();
    return &stato;
}

bool TComandiStampa::pdfRichiesto() const
{
    return CreaPdf1 && CreaPdf1->isEnabled() && CreaPdf1->isChecked();
}

void TComandiStampa::esegui(const TCostruttore& crea, const std::function<bool(TStatoProgetto&)>& controllo,
                            bool ricostruisciCollettori)
{
    TStatoProgetto* s = prepara(ricostruisciCollettori);
    if (!s || !controllo(*s))
        return;
    TStatoProgetto& stato = *s;

    TOccupato occupato(m_occupato);
    std::unique_ptr<TProgresso> progresso = NuovoProgresso ? NuovoProgresso() : nullptr;
    TRichiestaDocumento richiesta;
    richiesta.progresso = progresso.get();
    {
        TClessidra clessidra;
        UltimoDocumento = crea(stato, richiesta);
    }
    if (UltimoDocumento.isEmpty())
        return;
    // Un documento che è già un PDF (la tavola impianto) non ne ha una copia.
    if (pdfRichiesto() && !UltimoDocumento.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        creaPdf(UltimoDocumento, progresso.get());
    UltimiFile = QStringList {UltimoDocumento};
    if (!UltimoPdf.isEmpty())
        UltimiFile << UltimoPdf;
    UltimaCartella = QFileInfo(UltimoDocumento).absolutePath();
    Q_EMIT DocumentiCreati(tr("Documento salvato in %1").arg(QDir::toNativeSeparators(UltimoDocumento)),
                           UltimaCartella);
}

void TComandiStampa::TuttiIDocumenti1Click()
{
    TStatoProgetto* stato = prepara(true);
    if (!stato)
        return;
    if (!stato->CollettoriConfermati)
        TMessaggi::Avviso(tr(AvvisoCollettori) + tr("I documenti non conterranno i collettori e la regolazione."));
    TEsitoTutti esito;
    {
        TOccupato occupato(m_occupato);
        std::unique_ptr<TProgresso> progresso = NuovoProgresso ? NuovoProgresso() : nullptr;
        TClessidra clessidra;
        esito = CreaTuttiIDocumenti(*stato, {}, pdfRichiesto(), progresso.get());
    }
    UltimiFile = esito.documenti + esito.pdf;
    UltimaCartella = esito.cartella;
    if (!esito.documenti.isEmpty())
        Q_EMIT DocumentiCreati(tr("%n documenti salvati in %1", nullptr, int(UltimiFile.size()))
                                   .arg(QDir::toNativeSeparators(esito.cartella)),
                               esito.cartella);
    QStringList note = esito.mancanti;
    if (!esito.erroriPdf.isEmpty())
        note << tr("Non è stato possibile creare il PDF di tutti i documenti.") + u'\n' + esito.erroriPdf;
    if (!note.isEmpty())
        TMessaggi::Avviso(note.join(QStringLiteral("\n\n")));
}

void TComandiStampa::ApriCartella1Click()
{
    TProgetto* progetto = Progetto ? Progetto() : nullptr;
    const QString cartella = progetto ? CartellaProgetto(progetto->Dati()) : TDocumenti::CartellaDocumenti();
    if (!QDir().mkpath(cartella) || !ApriCartella || !ApriCartella(cartella))
        TMessaggi::Avviso(
            tr("Non è stato possibile aprire la cartella \"%1\".").arg(QDir::toNativeSeparators(cartella)));
}

void TComandiStampa::creaPdf(const QString& documento, TProgresso* progresso)
{
    TEsitoPdf esito;
    {
        TClessidra clessidra;
        if (progresso)
            progresso->Inizia(tr("Creazione del PDF in corso..."), 0);
        esito = CreaPdf(documento, progresso);
        if (progresso)
            progresso->Fine();
    }
    if (esito.riuscito)
        UltimoPdf = esito.pdf;
    else
        TMessaggi::Avviso(tr("Non è stato possibile creare il PDF del documento.\n\n") + esito.errore);
}

void TComandiStampa::RapportoTecnico1Click()
{
    esegui(CreaRapportoTecnico, [](TStatoProgetto& s) { return avvisaSeNonConfermati(s, tr(SeguitoRapporto)); });
}

void TComandiStampa::PreventivoSemplice1Click()
{
    esegui(CreaPreventivo, [](TStatoProgetto& s) { return avvisaSeNonConfermati(s, tr(SeguitoPreventivo)); });
}

void TComandiStampa::PreventivoCompleto1Click()
{
    esegui(CreaCapitolato, [this](TStatoProgetto& s) {
        avvisaSeNonConfermati(s, tr(SeguitoPreventivo));
        const int scelta = ScegliPrezzi ? ScegliPrezzi() : -1;
        if (scelta < 0)
            return false;
        s.ConPrezzi = scelta;
        return true;
    });
}

void TComandiStampa::OttimizzCircuiti1Click()
{
    esegui(CreaTabellaOttimizzazione, [](TStatoProgetto& s) {
        if (!s.OttimizzazioneEseguita)
            TMessaggi::Avviso(tr(MsgNoOttimizzazione));
        return s.OttimizzazioneEseguita;
    });
}

void TComandiStampa::Etichette1Click()
{
    esegui(
        CreaEtichette, [](TStatoProgetto&) { return true; }, false);
}

void TComandiStampa::TavolaImpianto1Click()
{
    esegui(CreaTavolaImpianto, [](TStatoProgetto&) { return true; });
    if (!UltimoDocumento.isEmpty())
        UltimiFile = UltimeTavole();
}
