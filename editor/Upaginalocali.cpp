#include "editor/Upaginalocali.h"

#include "controlli/Ucaricamento.h"
#include "controlli/Udialoghi.h"
#include "data/Uformato.h"
#include "data/Umessaggi.h"
#include "pianta/Uvalori.h"
#include "progetto/Ulocalifile.h"
#include "progetto/Upiantalocali.h"

#include <QFileInfo>

#include <QPushButton>
#include <cmath>

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "en1264/finestre/Ucolonnelocali.h"
#include "progetto/Ustato.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

TPaginaLocali::TPaginaLocali(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet3"))
{
    TDati& d = Dati();
    DBGrid1 = new TDBGrid(d.AuxLocali,
                          {"ID", "Descrizione", "Piano", "TAmbiente", "Area", "AreaUtile", "AreaMarginale", "CTermico",
                           "TipoRiv", "Spessore", "DistColl"},
                          {tr("N°"), tr("Descrizione"), tr("Piano"), tr("TA [°C]"), tr("Area [mq]"),
                           tr("AreaUtile [mq]"), tr("AreaMarg [mq]"), tr("CTermico [W]"), tr("TipoRivestimento"),
                           tr("Spess. [mm]"), tr("DColl [m]")},
                          this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    // Le aree con 4 cifre significative (3 la marginale), il carico termico con 8.
    DBGrid1->Modello()->ImpostaCifre(QStringLiteral("Area"), 4);
    DBGrid1->Modello()->ImpostaCifre(QStringLiteral("AreaUtile"), 4);
    DBGrid1->Modello()->ImpostaCifre(QStringLiteral("AreaMarginale"), 3);
    DBGrid1->Modello()->ImpostaCifre(QStringLiteral("CTermico"), 8);
    DBGrid1->ListaScelta(QStringLiteral("TipoRiv"), d.RivestimentoF, QStringLiteral("DESCRIZIONE"));
    AggiungiColonneEn1264(*DBGrid1, Stato());
    DBGrid1->Modello()->SuggerimentoCella = [this](int riga, const QString& campo) { return DaPianta(riga, campo); };
    DBGrid1->AdattaColonne({QStringLiteral("Descrizione"), QStringLiteral("TipoRiv")});
    DBGrid1->ImpostaTestoVuota(tr("Nessun locale.\n\nPer inserire il primo locale scriverne il numero; "
                                  "la freccia in giù sull'ultima riga ne aggiunge un altro."));

    DBNavigator3 = new TDBNavigator(d.AuxLocali, this);
    DBNavigator3->setObjectName(QStringLiteral("DBNavigator3"));
    DBNavigator3->MostraSolo({TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast,
                              TDBNavigator::nbDelete, TDBNavigator::nbPost, TDBNavigator::nbCancel});
    DBNavigator3->Suggerimento(TDBNavigator::nbPost, tr("Conferma"));
    DBNavigator3->Suggerimento(TDBNavigator::nbCancel, tr("Annulla"));
    DBNavigator3->ConfermaEliminazione(tr("Eliminare il locale selezionato?"));
    connect(DBNavigator3, &TDBNavigator::Click, this, [this](TDBNavigator::TPulsante p) {
        if (p == TDBNavigator::nbPost)
            Dati().LocaliModificati = true;
    });

    BarraLocali = new QHBoxLayout;
    BarraLocali->setObjectName(QStringLiteral("BarraLocali"));
    BarraLocali->addWidget(DBNavigator3);
    BarraLocali->addStretch();
    BitBtnImporta = new QPushButton(tr("&Importa..."), this);
    BitBtnImporta->setObjectName(QStringLiteral("BitBtnImporta"));
    BitBtnImporta->setToolTip(tr("Aggiunge i locali di un foglio di calcolo (.csv o .xlsx)"));
    BitBtnEsporta = new QPushButton(tr("&Esporta..."), this);
    BitBtnEsporta->setObjectName(QStringLiteral("BitBtnEsporta"));
    BitBtnEsporta->setToolTip(tr("Scrive i locali in un foglio di calcolo (.csv o .xlsx)"));
    BarraLocali->addWidget(BitBtnImporta);
    BarraLocali->addWidget(BitBtnEsporta);
    BitBtnPianta = new QPushButton(tr("Pi&anta..."), this);
    BitBtnPianta->setObjectName(QStringLiteral("BitBtnPianta"));
    BitBtnPianta->setToolTip(tr("Disegna i locali sulla pianta: aree e distanze dal collettore"));
    BarraLocali->addWidget(BitBtnPianta);
    connect(BitBtnPianta, &QPushButton::clicked, this, [this] { Progetto().ApriPianta(); });
    BitBtnPosa = new QPushButton(tr("P&osa..."), this);
    BitBtnPosa->setObjectName(QStringLiteral("BitBtnPosa"));
    BitBtnPosa->setToolTip(tr("Posa i circuiti sulla pianta: lunghezze misurate, schema per locale"));
    BarraLocali->addWidget(BitBtnPosa);
    connect(BitBtnPosa, &QPushButton::clicked, this, [this] { Progetto().ApriPosa(); });
    connect(BitBtnImporta, &QPushButton::clicked, this, &TPaginaLocali::BitBtnImportaClick);
    connect(BitBtnEsporta, &QPushButton::clicked, this, &TPaginaLocali::BitBtnEsportaClick);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(DBGrid1, 1);
    l->addLayout(BarraLocali);
}

QString TPaginaLocali::DaPianta(int riga, const QString& campo) const
{
    static const QStringList Misurati = {QStringLiteral("Area"), QStringLiteral("AreaUtile"),
                                         QStringLiteral("AreaMarginale"), QStringLiteral("DistColl")};
    const TStatoProgetto& stato = Stato();
    if (!Misurati.contains(campo) || stato.Pianta.Vuota())
        return {};
    const int id = DBGrid1->Modello()->ValoreCampo(riga, QStringLiteral("ID")).toInt();
    const TValoriPianta valori = TValoriLocali::Calcola(stato.Pianta, CollettoriDeiLocali(stato));
    for (const TAggiornamento& a : valori.aggiornamenti) {
        if (a.idLocale != id || a.campo != campo)
            continue;
        const double misurato = a.valore.toDouble();
        const QString testo = campo == Misurati.last() ? tr("%1 m").arg(NumeroSchermo(misurato, 0))
                                                       : tr("%1 m²").arg(NumeroSchermo(misurato, 2));
        const double scritto = DBGrid1->Modello()->ValoreCampo(riga, campo).toDouble();
        return std::abs(scritto - misurato) < 0.005 ? tr("Dalla pianta: %1").arg(testo)
                                                    : tr("Scritto a mano; la pianta dà %1").arg(testo);
    }
    return {};
}

void TPaginaLocali::Entra()
{
    DBGrid1->setFocus(Qt::TabFocusReason);
}

void TPaginaLocali::BitBtnImportaClick()
{
    const QString percorso = TDialoghi::istanza().ScegliFile(
        this, {.salva = false, .titolo = tr("Importa locali"), .filtro = FiltroFileLocali()});
    if (percorso.isEmpty())
        return;
    // Un elenco lungo si legge con la finestra dell'avanzamento, che lo può annullare.
    TCaricamento progresso(this);
    progresso.PermettiAnnulla();
    QString messaggio;
    const bool riuscita = ImportaLocali(Dati(), percorso, messaggio, &progresso, &Stato().En1264);
    if (riuscita)
        TMessaggi::Avviso(messaggio);
    else if (!progresso.Annullato())
        TMessaggi::Errore(messaggio);
}

void TPaginaLocali::BitBtnEsportaClick()
{
    QString percorso = TDialoghi::istanza().ScegliFile(
        this, {.salva = true, .titolo = tr("Esporta locali"), .filtro = FiltroFileLocali()});
    if (percorso.isEmpty())
        return;
    // Senza estensione si scrive un .csv.
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".csv");
    QString messaggio;
    if (EsportaLocali(Dati(), percorso, messaggio, &Stato().En1264))
        TMessaggi::Avviso(messaggio);
    else
        TMessaggi::AvvisoDomanda(messaggio);
}
