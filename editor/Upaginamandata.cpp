#include "editor/Upaginamandata.h"

#include "controlli/Udialoghi.h"
#include "controlli/Uopzioni.h"
#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "editor/Udef.h"
#include "editor/Ugriglia1.h"
#include "editor/Ulegenda.h"
#include "en1264/Udati.h"
#include "en1264/finestre/Umandataen1264.h"
#include "progetto/Ustato.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {
const char* const TestoTMandata = QT_TRANSLATE_NOOP("TPaginaMandata", "T Mandata di Progetto [°C]: ");

// Posizione del cursore in decimi di grado. Il conto resta in float come la temperatura salvata:
// in double 0.1f × 329 × 10 darebbe 328.99… e il cursore tornerebbe indietro di un passo.
int Posizione(float gradi)
{
    return int(std::trunc(gradi * 10.0f));
}

float Gradi(int posizione)
{
    return float(posizione) * 0.1f;
}
} // namespace

TPaginaMandata::TPaginaMandata(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet4"))
{
    GroupBox7 = new QGroupBox(tr("T Mandata di Progetto"), this);
    GroupBox7->setObjectName(QStringLiteral("GroupBox7"));

    TrackBar1 = new QSlider(Qt::Horizontal, GroupBox7);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(300, 600);
    TrackBar1->setTickInterval(10);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setPageStep(10);
    TrackBar1->setValue(320);

    Edit1 = new QLineEdit(GroupBox7);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    QPalette nero = Edit1->palette();
    nero.setColor(QPalette::Base, Qt::black);
    nero.setColor(QPalette::Text, Qt::red);
    Edit1->setPalette(nero);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSize(11);
    arial.setBold(true);
    Edit1->setFont(arial);
    // La temperatura resta leggibile intera anche nella finestra più piccola.
    Edit1->setMinimumWidth(QFontMetrics(arial).horizontalAdvance(tr(TestoTMandata) + QStringLiteral("00,0")) + 16);

    RadioGroup1 = new TRadioGroup(
        {tr("T Ottima"), tr("Con Area Marginale"), tr("Senza Area Marginale"), tr("T EN 1264")}, GroupBox7);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Sal&va Impostazioni"), GroupBox7);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxInformation), tr("&Legenda"), GroupBox7);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));

    auto* gruppo = new QGridLayout(GroupBox7);
    gruppo->addWidget(TrackBar1, 0, 0);
    gruppo->addWidget(Edit1, 1, 0);
    gruppo->addWidget(RadioGroup1, 0, 1, 2, 1);
    gruppo->addWidget(BitBtn2, 0, 2, Qt::AlignBottom);
    gruppo->addWidget(BitBtn3, 1, 2, Qt::AlignTop);
    gruppo->setColumnStretch(0, 1);

    Griglia1 = new TGriglia1(Stato().RisultatiLocali, this);

    Label17 = new QLabel(tr("Locale Selezionato:"), this);
    Label17->setObjectName(QStringLiteral("Label17"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Label17->setBuddy(Edit2);

    auto* selezione = new QHBoxLayout;
    selezione->addWidget(Label17);
    selezione->addWidget(Edit2, 1);
    auto* pagina = new QVBoxLayout(this);
    pagina->addWidget(GroupBox7);
    pagina->addWidget(Griglia1, 1);
    pagina->addLayout(selezione);

    VerificaEn1264 = new TVerificaMandata(*this, Stato());

    connect(TrackBar1, &QSlider::valueChanged, this, &TPaginaMandata::TrackBar1Change);
    connect(RadioGroup1, &TRadioGroup::Click, this, &TPaginaMandata::RadioGroup1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPaginaMandata::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPaginaMandata::BitBtn3Click);
    connect(Griglia1, &TGriglia1::SelectCell, this, &TPaginaMandata::Griglia1SelectCell);
    // Chiunque ricalcoli il progetto (salvataggio, documenti) aggiorna la pagina se è in vista.
    connect(&Stato(), &TStatoProgetto::ricalcolato, this, [this] {
        if (Attiva())
            MostraRicalcolo();
    });
}

void TPaginaMandata::Entra()
{
    Griglia1->SetRowCount(2);
    Stato().RicalcolaProgetto();
    LocaleSelezionato = -1;
    Edit2->clear();
}

void TPaginaMandata::MostraRicalcolo()
{
    TStatoProgetto& s = Stato();
    // Voce e cursore passano dai loro gestori, come una scelta dell'utente.
    RadioGroup1->SetItemIndex(VoceModoSalvato(s));
    TrackBar1->setValue(Posizione(s.TMandataSalvata));
    // Quei gestori calcolano alla temperatura del cursore, troncata al decimo (e a 30 °C per
    // 0 °C): la griglia deve mostrare i locali alla temperatura salvata, come ogni altro ricalcolo.
    if (s.NumLocali > 0 && s.PavRad.TempMandata() != s.TMandataSalvata) {
        s.PavRad.ImpostaTempMandata(s.TMandataSalvata);
        s.PavRad.CalcolaLocali(s.RisultatiLocali);
    }
    MostraTemperatura(s.TMandataSalvata);
    if (s.ModoTMandata == 0 || s.ModoTMandata == 2)
        Griglia1->SetColCount(TPavRad::NumColonneAttive);
    else if (s.ModoTMandata == 1)
        Griglia1->SetColCount(TPavRad::NumColonneMarginali);
    Griglia1->SetRowCount(s.NumLocali + 2);
    Griglia1->Ridisegna();
}

void TPaginaMandata::MostraTemperatura(float gradi)
{
    if (Stato().NumLocali < 1)
        Edit1->setText(tr(TestoTMandata) + QStringLiteral(" ---"));
    else
        Edit1->setText(tr(TestoTMandata) + NumeroSchermo(gradi, 1));
}

void TPaginaMandata::MostraLocale(const QString& separatore)
{
    const QVector<TLocaleCalc>& locali = Stato().RisultatiLocali;
    if (LocaleSelezionato < 0 || LocaleSelezionato >= locali.size())
        return;
    const TLocaleCalc& l = locali[LocaleSelezionato];
    Edit2->setText(l.Descrizione + separatore + QString::number(l.ID));
}

void TPaginaMandata::TrackBar1Change()
{
    TStatoProgetto& s = Stato();
    if (s.NumLocali <= 0)
        return;
    const float t = Gradi(TrackBar1->value());
    s.PavRad.ImpostaTempMandata(t);
    MostraTemperatura(t);
    s.PavRad.CalcolaLocali(s.RisultatiLocali);
    Griglia1->Ridisegna();
    MostraLocale(QStringLiteral("    ID= "));
}

void TPaginaMandata::RadioGroup1Click()
{
    TStatoProgetto& s = Stato();
    TPavRad& p = s.PavRad;
    switch (RadioGroup1->ItemIndex()) {
    case 0: {
        Griglia1->SetColCount(TPavRad::NumColonneAttive);
        p.ImpostaAreaMarginaleAttiva(false);
        const float t = p.CalcolaTOttima(s.RisultatiLocali);
        // Il cursore mostra il decimo troncato (e il suo gestore lo calcola), il progetto la
        // temperatura ottima esatta.
        TrackBar1->setValue(Posizione(t));
        p.ImpostaTempMandata(t);
        break;
    }
    case VoceTEn1264: {
        Griglia1->SetColCount(TPavRad::NumColonneAttive);
        p.ImpostaAreaMarginaleAttiva(false);
        const float t = MandataEn1264(p, s.RisultatiLocali, BagniLocali(s.En1264, s.RisultatiLocali)).TMandata;
        if (t > 0) {
            TrackBar1->setValue(Posizione(t));
            p.ImpostaTempMandata(t);
        }
        MostraTemperatura(p.TempMandata());
        break;
    }
    case 1:
        Griglia1->SetColCount(TPavRad::NumColonneMarginali);
        p.ImpostaAreaMarginaleAttiva(true);
        p.ImpostaTempMandata(Gradi(TrackBar1->value()));
        MostraTemperatura(p.TempMandata());
        break;
    case 2:
        Griglia1->SetColCount(TPavRad::NumColonneAttive);
        p.ImpostaAreaMarginaleAttiva(false);
        p.ImpostaTempMandata(Gradi(TrackBar1->value()));
        MostraTemperatura(p.TempMandata());
        break;
    default:
        return;
    }
    p.CalcolaLocali(s.RisultatiLocali);
    Griglia1->Ridisegna();
}

void TPaginaMandata::BitBtn2Click()
{
    SalvaModoVoce(Stato(), RadioGroup1->ItemIndex(), Gradi(TrackBar1->value()));
}

void TPaginaMandata::BitBtn3Click()
{
    TLegenda legenda(this);
    TDialoghi::istanza().Esegui(legenda);
}

void TPaginaMandata::Griglia1SelectCell(int colonna, int riga)
{
    if (riga < 2)
        return;
    LocaleSelezionato = riga - 2;
    MostraLocale(QStringLiteral("  ID= "));
}
