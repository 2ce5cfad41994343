#include "en1264/finestre/Upaginaraffrescamento.h"

#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "data/Umessaggi.h"
#include "en1264/Udati.h"
#include "progetto/Ustato.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString Num(float v, int decimali)
{
    return NumeroSchermo(double(v), decimali);
}

QDoubleSpinBox* Casella(const char* nome, double minimo, double massimo, double passo, const QString& unita,
                        QWidget* parent)
{
    auto* e = new QDoubleSpinBox(parent);
    e->setObjectName(QLatin1String(nome));
    e->setRange(minimo, massimo);
    e->setSingleStep(passo);
    e->setDecimals(1);
    e->setSuffix(unita);
    // Un solo valore a fine scrittura (Invio o fuoco altrove), non uno per tasto.
    e->setKeyboardTracking(false);
    return e;
}

enum TColonna { CId, CDescrizione, CCarico, CResa, CTSup, CPortata, CMancanza, CVerifica, NColonne };

} // namespace

TPaginaRaffrescamento::TPaginaRaffrescamento(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheetRaffrescamento"))
{
    auto* dati = new QGroupBox(QCoreApplication::translate("Raffrescamento", "Dati estivi"), this);
    dati->setObjectName(QStringLiteral("GroupBoxEstivi"));
    EditTAmbiente = Casella("EditTAmbiente", 18, 32, 0.5, QStringLiteral(" °C"), dati);
    EditUR = Casella("EditUR", 10, 95, 5, QStringLiteral(" %"), dati);
    EditMargine = Casella("EditMargine", 0, 5, 0.5, QStringLiteral(" K"), dati);
    EditMandata = Casella("EditMandata", 5, 25, 0.1, QStringLiteral(" °C"), dati);
    CheckMinima = new QCheckBox(QCoreApplication::translate("Raffrescamento", "la più bassa sicura"), dati);
    CheckMinima->setObjectName(QStringLiteral("CheckMinima"));
    LabelRugiada = new QLabel(dati);
    LabelRugiada->setObjectName(QStringLiteral("LabelRugiada"));
    LabelRugiada->setWordWrap(true);
    LabelProposta = new QLabel(dati);
    LabelProposta->setObjectName(QStringLiteral("LabelProposta"));
    BitBtnProposta = new QPushButton(QCoreApplication::translate("Raffrescamento", "&Usa la proposta"), dati);
    BitBtnProposta->setObjectName(QStringLiteral("BitBtnProposta"));

    auto* g = new QGridLayout(dati);
    const auto riga = [&](int r, int c, const QString& testo, QWidget* w) {
        auto* l = new QLabel(testo, dati);
        l->setBuddy(w);
        g->addWidget(l, r, c);
        g->addWidget(w, r, c + 1);
    };
    riga(0, 0, QCoreApplication::translate("Raffrescamento", "T ambiente estiva:"), EditTAmbiente);
    riga(1, 0, QCoreApplication::translate("Raffrescamento", "Umidità relativa:"), EditUR);
    riga(2, 0, QCoreApplication::translate("Raffrescamento", "Margine sul punto di rugiada:"), EditMargine);
    riga(0, 2, QCoreApplication::translate("Raffrescamento", "T mandata estiva:"), EditMandata);
    g->addWidget(CheckMinima, 0, 4);
    g->addWidget(LabelRugiada, 1, 2, 1, 3);
    g->addWidget(LabelProposta, 2, 2, 1, 2);
    g->addWidget(BitBtnProposta, 2, 4);
    g->setColumnStretch(5, 1);

    Tabella = new QTableWidget(0, NColonne, this);
    Tabella->setObjectName(QStringLiteral("TabellaRaffrescamento"));
    Tabella->setHorizontalHeaderLabels({QCoreApplication::translate("Raffrescamento", "N°"),
                                        QCoreApplication::translate("Raffrescamento", "Descrizione"),
                                        QCoreApplication::translate("Raffrescamento", "Carico estivo [W]"),
                                        QCoreApplication::translate("Raffrescamento", "Resa estiva [W]"),
                                        QCoreApplication::translate("Raffrescamento", "T Sup. [°C]"),
                                        QCoreApplication::translate("Raffrescamento", "Portata [l/h]"),
                                        QCoreApplication::translate("Raffrescamento", "Mancanza [W]"),
                                        QCoreApplication::translate("Raffrescamento", "Verifica")});
    Tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabella->verticalHeader()->hide();
    Tabella->horizontalHeader()->setSectionResizeMode(CDescrizione, QHeaderView::Stretch);
    LabelRiepilogo = new QLabel(this);
    LabelRiepilogo->setObjectName(QStringLiteral("LabelRiepilogo"));
    LabelRiepilogo->setWordWrap(true);

    auto* pagina = new QVBoxLayout(this);
    pagina->addWidget(dati);
    pagina->addWidget(Tabella, 1);
    pagina->addWidget(LabelRiepilogo);

    for (QDoubleSpinBox* e : {EditTAmbiente, EditUR, EditMargine, EditMandata})
        connect(e, &QDoubleSpinBox::valueChanged, this, &TPaginaRaffrescamento::DatiCambiati);
    connect(CheckMinima, &QCheckBox::toggled, this, &TPaginaRaffrescamento::DatiCambiati);
    connect(BitBtnProposta, &QPushButton::clicked, this, &TPaginaRaffrescamento::BitBtnPropostaClick);
    connect(&Stato(), &TStatoProgetto::ricalcolato, this, [this] {
        if (Attiva())
            Aggiorna();
    });
    MostraDati();
}

void TPaginaRaffrescamento::Entra()
{
    Stato().RicalcolaProgetto();
    Aggiorna();
}

TDatiEstivi TPaginaRaffrescamento::DatiControlli() const
{
    TDatiEstivi d = Stato().En1264.Estivi;
    d.TAmbiente = float(EditTAmbiente->value());
    d.UR = float(EditUR->value());
    d.Margine = float(EditMargine->value());
    d.TMandata = CheckMinima->isChecked() ? 0.0f : float(EditMandata->value());
    return d;
}

void TPaginaRaffrescamento::MostraDati()
{
    const TDatiEstivi& d = Stato().En1264.Estivi;
    const QSignalBlocker b1(EditTAmbiente), b2(EditUR), b3(EditMargine), b4(EditMandata), b5(CheckMinima);
    EditTAmbiente->setValue(d.TAmbiente);
    EditUR->setValue(d.UR);
    EditMargine->setValue(d.Margine);
    CheckMinima->setChecked(d.TMandata == 0);
    if (d.TMandata != 0)
        EditMandata->setValue(d.TMandata);
    EditMandata->setEnabled(d.TMandata != 0);
}

void TPaginaRaffrescamento::DatiCambiati()
{
    TStatoProgetto& s = Stato();
    TDatiEstivi nuovi = DatiControlli();
    // Scegliendo una mandata propria si parte da quella mostrata (la proposta).
    if (nuovi.TMandata != 0 && s.NumLocali > 0) {
        const QString rifiuto = ControllaMandataEstiva(s.PavRad, s.RisultatiLocali, nuovi, nuovi.TMandata);
        if (!rifiuto.isEmpty()) {
            TMessaggi::Errore(rifiuto);
            MostraDati();
            return;
        }
    }
    const TDatiEstivi& vecchi = s.En1264.Estivi;
    if (nuovi.TAmbiente != vecchi.TAmbiente || nuovi.UR != vecchi.UR || nuovi.Margine != vecchi.Margine
        || nuovi.TMandata != vecchi.TMandata) {
        s.En1264.Estivi = nuovi;
        s.Dati().ProgettoModificato = true;
    }
    Aggiorna();
}

void TPaginaRaffrescamento::BitBtnPropostaClick()
{
    CheckMinima->setChecked(true);
}

void TPaginaRaffrescamento::Aggiorna()
{
    MostraDati();
    TStatoProgetto& s = Stato();
    const TDatiEstivi& d = s.En1264.Estivi;
    const float rugiada = PuntoRugiada(d.TAmbiente, d.UR);
    LabelRugiada->setText(
        QCoreApplication::translate("Raffrescamento",
                                    "Punto di rugiada: %1 °C (pavimento sopra %2 °C, dove si sta sopra %3 °C)")
            .arg(Num(rugiada, 1), Num(rugiada + d.Margine, 1), Num(TSupMinimaOccupata, 0)));
    const bool calcolati = s.NumLocali > 0 && s.RisultatiLocali.size() == s.NumLocali;
    const std::optional<float> minima
        = calcolati ? MandataMinimaSicura(s.PavRad, s.RisultatiLocali, d) : std::optional<float>();
    LabelProposta->setText(
        minima ? QCoreApplication::translate("Raffrescamento", "Mandata estiva più bassa sicura: %1 °C")
                     .arg(Num(*minima, 1))
               : QCoreApplication::translate("Raffrescamento", "Nessuna mandata estiva sicura con questi dati."));
    BitBtnProposta->setEnabled(minima && d.TMandata != 0);
    MandataUsata = d.TMandata != 0 ? d.TMandata : minima.value_or(0.0f);
    if (d.TMandata == 0 && minima) {
        const QSignalBlocker b(EditMandata);
        EditMandata->setValue(*minima);
    }

    Risultati.clear();
    if (calcolati && MandataUsata > 0) {
        const std::vector<float> carichi = CarichiLocali(s.En1264, s.RisultatiLocali);
        Risultati = CalcolaRaffrescamento(s.PavRad, s.RisultatiLocali, carichi, d, MandataUsata);
    }
    Tabella->setRowCount(int(Risultati.size()));
    float carico = 0, resa = 0;
    int nonVerificati = 0;
    for (int k = 0; k < int(Risultati.size()); ++k) {
        const TLocaleCalc& l = s.RisultatiLocali[k];
        const TRaffLocale& r = Risultati[size_t(k)];
        const auto num = [&](float v, int dec) { return r.Calcolato ? Num(v, dec) : QStringLiteral("--"); };
        const QStringList celle = {QString::number(l.ID), l.Descrizione,     Num(r.Carico, 0),   num(r.Resa, 0),
                                   num(r.TSup, 1),        num(r.Portata, 0), num(r.Mancanza, 0), r.Esito()};
        const bool ok = !r.Calcolato || r.Esito() == QCoreApplication::translate("Raffrescamento", "OK");
        for (int c = 0; c < NColonne; ++c) {
            auto* cella = new QTableWidgetItem(celle[c]);
            if (c != CDescrizione && c != CVerifica)
                cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == CVerifica && !ok)
                cella->setForeground(QColor(200, 0, 0));
            Tabella->setItem(k, c, cella);
        }
        carico += r.Carico;
        resa += r.Resa;
        nonVerificati += ok ? 0 : 1;
    }
    Tabella->resizeColumnsToContents();
    Tabella->horizontalHeader()->setSectionResizeMode(CDescrizione, QHeaderView::Stretch);
    if (!calcolati) {
        LabelRiepilogo->setText(QCoreApplication::translate("Raffrescamento", "Nessun locale da calcolare."));
        return;
    }
    if (s.ModoTMandata < 0) {
        // Senza impostazioni salvate i locali non hanno ancora circuiti.
        LabelRiepilogo->setText(QCoreApplication::translate(
            "Raffrescamento",
            "Salvare le impostazioni della pagina \"T Mandata Progetto\": il raffrescamento "
            "usa i circuiti posati per il riscaldamento."));
        return;
    }
    LabelRiepilogo->setText(
        QCoreApplication::translate(
            "Raffrescamento", "Mandata estiva %1 °C: resa estiva %2 W per un carico di %3 W; %4 locali da rivedere.")
            .arg(Num(MandataUsata, 1), Num(resa, 0), Num(carico, 0))
            .arg(nonVerificati));
}
