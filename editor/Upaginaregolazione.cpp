#include "editor/Upaginaregolazione.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "editor/Udef.h"
#include "progetto/Ustato.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const MsgAttuatoreModo0 = QT_TRANSLATE_NOOP(
    "TPaginaRegolazione",
    "Il tipo di attuatore scelto non è compatibile con il tipo di collettore di distribuzione adottato!");
const char* const MsgAttuatoreModo1 = QT_TRANSLATE_NOOP(
    "TPaginaRegolazione", "L'attuatore scelto non è compatibile con il tipo di collettore di distribuzione.");
const char* const MsgAttuatoreRegistrato = QT_TRANSLATE_NOOP(
    "TPaginaRegolazione",
    "L'attuatore in REGOLAZIONE AMBIENTE  non è compatibile con il tipo di collettore di distribuzione.");
const char* const MsgCollettoreCaldaia = QT_TRANSLATE_NOOP("TPaginaRegolazione", "Collettore caldaia errato!");
const char* const MsgMotore = QT_TRANSLATE_NOOP("TPaginaRegolazione", "Motore per valvola miscelatrice errato!");
const char* const MsgNonConfermati
    = QT_TRANSLATE_NOOP("TPaginaRegolazione",
                        "I collettori di distribuzione non sono stati ancora assegnati o è "
                        "stata fatta una modifica delle impostazioni.");
const char* const MsgSenzaLocali = QT_TRANSLATE_NOOP("TPaginaRegolazione", "Non sono stati introdotti i locali.");

// "-" nel catalogo dei motori sta per nessun motore; un campo vuoto vuol dire lo stesso.
bool senzaMotore(const QString& motore)
{
    return motore.isEmpty() || motore == u'-';
}

struct TClessidra
{
    TClessidra() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TClessidra() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

bool AttuatoreCompatibile(const QString& attuatore, const QString& tipoCollettore, int modoRegolazione)
{
    if (attuatore.isEmpty())
        return true;
    const bool j91 = attuatore.startsWith(QLatin1String("J91"));
    if (modoRegolazione == 0)
        return !j91;
    return tipoCollettore.startsWith(QLatin1String("V220L")) ? j91 : !j91;
}

TPaginaRegolazione::TPaginaRegolazione(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet6"))
{
    crea();
    AbilitaControlli(Stato().ModoRegolazione == 1);
}

void TPaginaRegolazione::crea()
{
    TDati& d = Dati();
    TTabella* r = d.AuxRegol;
    auto combo = [&](const char* nome, const char* campo, TTabella* elenco, const char* chiave) {
        auto* c = new TDBLookupComboBox(r, QString::fromUtf8(campo), elenco, QString::fromLatin1(chiave),
                                        QStringLiteral("DESCRIZIONE"), this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(20);
        return c;
    };
    auto quantita = [&](const char* nome, const char* campo) {
        auto* e = new TDBEdit(r, QString::fromLatin1(campo), this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setFixedWidth(70);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    DBLookupComboBox7 = combo("DBLookupComboBox7", "term", d.TERMAMB, "CODICE");
    DBLookupComboBox8 = combo("DBLookupComboBox8", "attuatore", d.REGAMB, "CODICE");
    DBLookupComboBox9 = combo("DBLookupComboBox9", "collcald", d.COLLCALD, "CODICE");
    DBLookupComboBox10 = combo("DBLookupComboBox10", "attmix", d.ATTUATORI, "CODICE");
    DBLookupComboBox11 = combo("DBLookupComboBox11", "regol", d.REGELETTRO, "RIF");
    DBEdit8 = quantita("DBEdit8", "qterm");
    DBEdit13 = quantita("DBEdit13", "qattuat");
    DBEdit14 = quantita("DBEdit14", "qcald");
    DBEdit15 = quantita("DBEdit15", "qreg");

    // Ogni gruppo: etichetta, elenco, quantità; la colonna delle quantità ha un'intestazione sola.
    QList<QLabel*> etichette;
    auto gruppo = [this, &etichette](const QString& titolo, const QList<std::tuple<QString, QWidget*, QWidget*>>& righe,
                                     bool intestazione) {
        auto* g = new QGroupBox(titolo, this);
        auto* l = new QGridLayout(g);
        l->setColumnStretch(1, 1);
        l->setHorizontalSpacing(10);
        int riga = 0;
        if (intestazione) {
            auto* q = new QLabel(tr("QUANTITA'"), g);
            q->setObjectName(QStringLiteral("LabelQuantita"));
            q->setAlignment(Qt::AlignCenter);
            l->addWidget(q, riga++, 2);
        }
        for (const auto& [testo, elenco, quantita] : righe) {
            auto* e = new QLabel(testo, g);
            etichette << e;
            l->addWidget(e, riga, 0);
            l->addWidget(elenco, riga, 1);
            if (quantita)
                l->addWidget(quantita, riga, 2);
            ++riga;
        }
        return g;
    };
    GroupBoxAmbiente = gruppo(
        tr("REGOLAZIONE AMBIENTE"),
        {{tr("Termostato:"), DBLookupComboBox7, DBEdit8}, {tr("Attuatore:"), DBLookupComboBox8, DBEdit13}}, true);
    GroupBoxCaldaia = gruppo(
        tr("COLLETTORE DI CALDAIA"),
        {{tr("Collettore:"), DBLookupComboBox9, DBEdit14}, {tr("Motore miscelatrice:"), DBLookupComboBox10, nullptr}},
        false);
    GroupBoxElettronica
        = gruppo(tr("REGOLAZIONE ELETTRONICA"), {{tr("Regolatore:"), DBLookupComboBox11, DBEdit15}}, false);

    // Gli elenchi dei tre gruppi partono dalla stessa colonna.
    int larghezza = 0;
    for (QLabel* e : etichette)
        larghezza = qMax(larghezza, e->sizeHint().width());
    for (QLabel* e : etichette)
        e->setMinimumWidth(larghezza);

    DBNavigator5 = new TDBNavigator(r, this);
    DBNavigator5->setObjectName(QStringLiteral("DBNavigator5"));
    for (int p = TDBNavigator::nbFirst; p <= TDBNavigator::nbRefresh; ++p)
        if (p != TDBNavigator::nbPost && p != TDBNavigator::nbCancel)
            DBNavigator5->Pulsante(TDBNavigator::TPulsante(p))->hide();
    // La conferma passa per la regola dell'attuatore prima di registrare.
    QToolButton* conferma = DBNavigator5->Pulsante(TDBNavigator::nbPost);
    disconnect(conferma, &QToolButton::clicked, DBNavigator5, nullptr);
    connect(conferma, &QToolButton::clicked, this, &TPaginaRegolazione::DBNavigator5Conferma);
    connect(r, &TDataSet::statoCambiato, this, [this, r] {
        if (r->State() != TStato::Modifica && r->State() != TStato::Inserimento)
            m_attuatoreAccettato.clear();
    });

    BitBtn6 = new QPushButton(tr("&Calcolo Quantità"), this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));

    connect(DBLookupComboBox8, &TDBLookupComboBox::CloseUp, this, &TPaginaRegolazione::DBLookupComboBox8CloseUp);
    connect(DBLookupComboBox9, &TDBLookupComboBox::CloseUp, this, &TPaginaRegolazione::DBLookupComboBox9CloseUp);
    connect(DBLookupComboBox10, &TDBLookupComboBox::CloseUp, this, &TPaginaRegolazione::DBLookupComboBox10CloseUp);
    connect(BitBtn6, &QPushButton::clicked, this, &TPaginaRegolazione::BitBtn6Click);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(DBNavigator5);
    comandi->addStretch();
    comandi->addWidget(BitBtn6);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(12, 12, 12, 12);
    l->setSpacing(10);
    l->addWidget(GroupBoxAmbiente);
    l->addWidget(GroupBoxCaldaia);
    l->addWidget(GroupBoxElettronica);
    l->addLayout(comandi);
    l->addStretch();
    LimitaLarghezza(960);
}

void TPaginaRegolazione::Entra()
{
    Stato().RicalcolaProgetto();
    Stato().RicostruisciCollettori();
}

void TPaginaRegolazione::AbilitaControlli(bool abilitati)
{
    for (QWidget* w :
         {static_cast<QWidget*>(DBLookupComboBox9), static_cast<QWidget*>(DBLookupComboBox10),
          static_cast<QWidget*>(DBLookupComboBox11), static_cast<QWidget*>(DBEdit14), static_cast<QWidget*>(DBEdit15)})
        w->setEnabled(abilitati);
}

QString TPaginaRegolazione::valore(const QString& campo) const
{
    return Dati().AuxRegol->FieldByName(campo).AsString();
}

QString TPaginaRegolazione::tipoCollettore() const
{
    return Dati().AuxDGenerali->FieldByName(QStringLiteral("RIF_COLL")).AsString();
}

void TPaginaRegolazione::imposta(const QList<QPair<QString, QVariant>>& valori)
{
    TTabella* r = Dati().AuxRegol;
    if (r->State() == TStato::Consultazione)
        r->Edit();
    for (const auto& [campo, v] : valori)
        r->FieldByName(campo).Imposta(v);
    r->Post();
}

std::optional<int> TPaginaRegolazione::check(const QString& tabella, const QString& codice) const
{
    if (!Dati().Cerca(tabella, QStringLiteral("CODICE"), codice))
        return std::nullopt;
    return Dati().Query1->FieldByName(QStringLiteral("CHECK")).AsInteger();
}

void TPaginaRegolazione::DBLookupComboBox8CloseUp()
{
    const int modo = Stato().ModoRegolazione;
    if (AttuatoreCompatibile(valore(QStringLiteral("attuatore")), tipoCollettore(), modo)) {
        m_attuatoreAccettato = Dati().AuxRegol->FieldByName(QStringLiteral("attuatore")).Valore();
        return;
    }
    TMessaggi::Avviso((modo == 0 ? tr(MsgAttuatoreModo0) : tr(MsgAttuatoreModo1)) + SceltaRipristinata());
    // Torna solo l'attuatore; le quantità, contate per un altro attuatore, si azzerano. Il resto
    // della pagina resta da confermare.
    rimettiAttuatore();
    TTabella* r = Dati().AuxRegol;
    r->FieldByName(QStringLiteral("qterm")).Imposta(0);
    r->FieldByName(QStringLiteral("qattuat")).Imposta(0);
}

void TPaginaRegolazione::rimettiAttuatore()
{
    TTabella* r = Dati().AuxRegol;
    if (r->State() == TStato::Consultazione)
        r->Edit();
    const QString campo = QStringLiteral("attuatore");
    const QVariant prima
        = m_attuatoreAccettato.isValid() ? m_attuatoreAccettato : r->ValoriIniziali().value(r->IndiceCampo(campo));
    r->FieldByName(campo).Imposta(prima);
}

void TPaginaRegolazione::DBLookupComboBox9CloseUp()
{
    const QString motore = valore(QStringLiteral("attmix"));
    if (senzaMotore(motore))
        return;
    const auto checkMotore = check(QStringLiteral("ATTUATORI"), motore);
    const auto checkCollettore = check(QStringLiteral("COLLCALDAIA"), valore(QStringLiteral("collcald")));
    if (checkMotore.value_or(0) == checkCollettore.value_or(0))
        return;
    TMessaggi::Avviso(tr(MsgCollettoreCaldaia));
    imposta({{QStringLiteral("collcald"), QString()}});
}

void TPaginaRegolazione::DBLookupComboBox10CloseUp()
{
    const QString motore = valore(QStringLiteral("attmix"));
    const QString collettore = valore(QStringLiteral("collcald"));
    if (senzaMotore(motore) || collettore.isEmpty())
        return;
    const auto checkCollettore = check(QStringLiteral("COLLCALDAIA"), collettore);
    const auto checkMotore = check(QStringLiteral("ATTUATORI"), motore);
    if (checkMotore.value_or(0) == checkCollettore.value_or(0))
        return;
    TMessaggi::Avviso(tr(MsgMotore));
    imposta({{QStringLiteral("attmix"), QString()}});
}

void TPaginaRegolazione::DBNavigator5Conferma()
{
    TTabella* r = Dati().AuxRegol;
    if (Stato().ModoRegolazione == 1
        && !AttuatoreCompatibile(valore(QStringLiteral("attuatore")), tipoCollettore(), 1)) {
        TMessaggi::Avviso(tr(MsgAttuatoreRegistrato) + SceltaRipristinata());
        rimettiAttuatore();
    } else {
        r->Post();
    }
    DBNavigator5->Aggiorna();
}

void TPaginaRegolazione::BitBtn6Click()
{
    if (!Stato().CollettoriConfermati) {
        TMessaggi::Avviso(tr(MsgNonConfermati));
        return;
    }
    const int modo = Stato().ModoRegolazione;
    if (modo == 1 && !AttuatoreCompatibile(valore(QStringLiteral("attuatore")), tipoCollettore(), 1)) {
        TMessaggi::Avviso(tr(MsgAttuatoreRegistrato));
        return;
    }
    calcolaQuantita();
}

void TPaginaRegolazione::calcolaQuantita()
{
    TDati& d = Dati();
    const int locali = d.AuxLocali->RecordCount();
    if (locali == 0) {
        TMessaggi::Avviso(tr(MsgSenzaLocali));
        return;
    }
    TClessidra clessidra;
    imposta({{QStringLiteral("qterm"), locali}});
    const QString attuatore = valore(QStringLiteral("attuatore"));
    if (attuatore.isEmpty())
        return;
    TTabella* c = d.AuxCollettori;
    int attuatori = c->RecordCount();
    if (!attuatore.startsWith(QLatin1String("J91"))) {
        attuatori = 0;
        for (c->First(); !c->Eof(); c->Next())
            attuatori += c->FieldByName(QStringLiteral("N_Circuiti")).AsInteger();
    }
    c->First();
    imposta({{QStringLiteral("qattuat"), attuatori}});
    if (Stato().ModoRegolazione != 1)
        return;
    if (!valore(QStringLiteral("collcald")).isEmpty() || !valore(QStringLiteral("attmix")).isEmpty())
        imposta({{QStringLiteral("qcald"), 1}});
    if (!valore(QStringLiteral("regol")).isEmpty())
        imposta({{QStringLiteral("qreg"), 1}});
}
