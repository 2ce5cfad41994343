#include "editor/Upaginadatigenerali.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "editor/Udef.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const MsgTuboNonIdoneo
    = QT_TRANSLATE_NOOP("TPaginaDatiGenerali", "Il tubo scelto non è idoneo per il pannello isolante impostato.");
const char* const MsgPannelloNonIdoneo
    = QT_TRANSLATE_NOOP("TPaginaDatiGenerali", "Il pannello scelto non è idoneo per il tipo di tubo impostato.");
const char* const MsgDiametro25
    = QT_TRANSLATE_NOOP("TPaginaDatiGenerali", "Con il sistema scelto il tipo di tubo deve essere di diametro 25.");

QString testo(TTabella* t, const char* campo)
{
    return t->FieldByName(QString::fromLatin1(campo)).AsString();
}

} // namespace

QString MessaggioCompatibilita(const QString& rifTubo, const QString& codicePannello, bool daTubo)
{
    // Il pannello bugnato a passo 50 accetta solo i tubi da 16-17 mm; il sistema a secco V534X770-
    // solo il tubo da 25.
    static const QStringList tubi16
        = {"PEX161", "PEX161-BAO", "PEX162-BAO", "PB161", "PB162", "PB162-BAO", "PERT16-BAO", "PEXAL162"};
    if (codicePannello == QLatin1String("V539X771") && !tubi16.contains(rifTubo))
        return daTubo ? TPaginaDatiGenerali::tr(MsgTuboNonIdoneo) : TPaginaDatiGenerali::tr(MsgPannelloNonIdoneo);
    if (codicePannello == QLatin1String("V534X770-") && rifTubo != QLatin1String("PEX25"))
        return TPaginaDatiGenerali::tr(MsgDiametro25);
    return {};
}

TPaginaDatiGenerali::TPaginaDatiGenerali(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet2"))
{
    TDati& d = Dati();
    TTabella* dg = d.AuxDGenerali;
    auto lista = [&](const char* nome, const char* campo, TTabella* elenco, const char* chiave) {
        auto* c = new TDBLookupComboBox(dg, QString::fromLatin1(campo), elenco, QString::fromLatin1(chiave),
                                        QStringLiteral("DESCRIZIONE"), this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(18);
        return c;
    };
    auto casella = [&](const char* nome, const char* campo) {
        auto* e = new TDBEdit(dg, QString::fromLatin1(campo), this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(70);
        return e;
    };
    DBLookupComboBox1 = lista("DBLookupComboBox1", "COD_MASS", d.Strutture, "CODICE");
    DBEdit6 = casella("DBEdit6", "SPESS_MASS");
    DBLookupComboBox4 = lista("DBLookupComboBox4", "COD_RIV", d.RivestimentoF, "CODICE");
    DBEdit9 = casella("DBEdit9", "SPESS_RIV");
    DBLookupComboBox2 = lista("DBLookupComboBox2", "COD_SOL", d.Solette, "CODICE");
    DBEdit7 = casella("DBEdit7", "SPESS_SOL");
    DBLookupComboBox5 = lista("DBLookupComboBox5", "COD_ISOL", d.Isolante, "CODICE");
    DBLookupComboBox3 = lista("DBLookupComboBox3", "COD_TUBO", d.Tubo, "RIF");
    DBEdit12 = casella("DBEdit12", "TEMPVS");
    DBEdit11 = casella("DBEdit11", "LUNGMAX");
    DBEdit10 = casella("DBEdit10", "DELTAT_MAX");
    DBLookupComboBox6 = lista("DBLookupComboBox6", "RIF_COLL", d.Collettori, "RIF");
    // Pannello e tubo si cambiano solo di proposito: il tasto Tab li salta.
    DBLookupComboBox5->setFocusPolicy(Qt::ClickFocus);
    DBLookupComboBox3->setFocusPolicy(Qt::ClickFocus);
    DBNavigator2 = new TDBNavigator(dg, this);
    DBNavigator2->ConfermaAnnullamento(true);
    DBNavigator2->setObjectName(QStringLiteral("DBNavigator2"));
    DBNavigator2->MostraSolo({TDBNavigator::nbPost, TDBNavigator::nbCancel});
    DBNavigator2->setFocusPolicy(Qt::StrongFocus);
    // Registrato o annullato il record, le scelte accettate ripartono da quelle confermate.
    connect(dg, &TDataSet::statoCambiato, this, [this, dg] {
        if (dg->State() != TStato::Modifica && dg->State() != TStato::Inserimento)
            m_accettati.clear();
    });

    connect(DBLookupComboBox1, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox1CloseUp);
    connect(DBLookupComboBox4, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox4CloseUp);
    connect(DBLookupComboBox2, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox2CloseUp);
    connect(DBLookupComboBox3, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox3CloseUp);
    connect(DBLookupComboBox5, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox5CloseUp);
    connect(DBLookupComboBox6, &TDBLookupComboBox::CloseUp, this, &TPaginaDatiGenerali::DBLookupComboBox6CloseUp);
    connect(DBNavigator2, &TDBNavigator::Click, this, [this](TDBNavigator::TPulsante p) {
        if (p == TDBNavigator::nbPost)
            Dati().DGeneraliModificati = true;
    });

    // Un gruppo con righe "etichetta: controllo"; le caselle numeriche restano strette.
    // Le etichette di una colonna hanno tutte la larghezza della più lunga, così i controlli si
    // allineano da un gruppo all'altro.
    const int etichetteSinistra = fontMetrics().horizontalAdvance(tr("Caratteristiche:"));
    const int etichetteDestra = fontMetrics().horizontalAdvance(tr("Temperatura Vani Sottostanti [°C]"));
    auto gruppo
        = [this](const QString& titolo, std::initializer_list<std::pair<QString, QWidget*>> righe, int etichette) {
              auto* g = new QGroupBox(titolo, this);
              auto* griglia = new QGridLayout(g);
              griglia->setColumnMinimumWidth(0, etichette);
              griglia->setHorizontalSpacing(10);
              griglia->setVerticalSpacing(6);
              int r = 0;
              for (const auto& [etichetta, w] : righe) {
                  if (!etichetta.isEmpty()) {
                      auto* l = new QLabel(etichetta, g);
                      l->setBuddy(w);
                      griglia->addWidget(l, r, 0);
                  }
                  const bool stretta = qobject_cast<TDBEdit*>(w);
                  griglia->addWidget(w, r, 1, stretta ? Qt::AlignLeft : Qt::Alignment());
                  ++r;
              }
              griglia->setColumnStretch(1, 1);
              return g;
          };

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(gruppo(tr("Massetto:"),
                               {{tr("Caratteristiche:"), DBLookupComboBox1}, {tr("Spessore [mm]"), DBEdit6}},
                               etichetteSinistra));
    sinistra->addWidget(gruppo(tr("Rivestimento:"), {{tr("Tipo:"), DBLookupComboBox4}, {tr("Spessore [mm]"), DBEdit9}},
                               etichetteSinistra));
    sinistra->addWidget(
        gruppo(tr("Soletta:"), {{tr("Tipo:"), DBLookupComboBox2}, {tr("Spessore [cm]"), DBEdit7}}, etichetteSinistra));
    sinistra->addStretch();

    auto* destra = new QVBoxLayout;
    destra->addWidget(gruppo(tr("Isolante:"), {{tr("Tipo:"), DBLookupComboBox5}}, 0));
    destra->addWidget(gruppo(tr("Tubo:"), {{QString(), DBLookupComboBox3}}, 0));
    destra->addWidget(gruppo(QString(),
                             {{tr("Temperatura Vani Sottostanti [°C]"), DBEdit12},
                              {tr("Lunghezza Massima circuiti [m]"), DBEdit11},
                              {tr("Delta T MAX [°C]"), DBEdit10}},
                             etichetteDestra));
    destra->addWidget(gruppo(tr("Collettori:"), {{QString(), DBLookupComboBox6}}, 0));
    destra->addStretch();

    auto* colonne = new QHBoxLayout;
    colonne->setSpacing(14);
    colonne->addLayout(sinistra, 1);
    colonne->addLayout(destra, 1);

    auto* barra = new QHBoxLayout;
    barra->addStretch();
    barra->addWidget(DBNavigator2);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(12, 10, 12, 10);
    l->addLayout(colonne, 1);
    l->addLayout(barra);
    LimitaLarghezza(1100);

    // Tab segue l'ordine delle righe, colonna per colonna.
    QWidget::setTabOrder(DBLookupComboBox1, DBEdit6);
    QWidget::setTabOrder(DBEdit6, DBLookupComboBox4);
    QWidget::setTabOrder(DBLookupComboBox4, DBEdit9);
    QWidget::setTabOrder(DBEdit9, DBLookupComboBox2);
    QWidget::setTabOrder(DBLookupComboBox2, DBEdit7);
    QWidget::setTabOrder(DBEdit7, DBEdit12);
    QWidget::setTabOrder(DBEdit12, DBEdit11);
    QWidget::setTabOrder(DBEdit11, DBEdit10);
    QWidget::setTabOrder(DBEdit10, DBLookupComboBox6);
    QWidget::setTabOrder(DBLookupComboBox6, DBNavigator2);
}

int TPaginaDatiGenerali::rigaScelta(const TDBLookupComboBox* lista, TTabella* catalogo, const QString& chiave) const
{
    const QString scelta = lista->Chiave();
    const int k = catalogo->IndiceCampo(chiave);
    for (int r = 0; r < catalogo->RecordCount() && k >= 0 && !scelta.isEmpty(); ++r)
        if (catalogo->ValoreRiga(r, k).toString() == scelta)
            return r;
    return -1;
}

void TPaginaDatiGenerali::copia(TTabella* catalogo, int riga, const char* da, const char* in)
{
    const int c = catalogo->IndiceCampo(QString::fromLatin1(da));
    if (riga < 0 || c < 0)
        return;
    Dati().AuxDGenerali->FieldByName(QString::fromLatin1(in)).Imposta(catalogo->ValoreRiga(riga, c));
}

void TPaginaDatiGenerali::DBLookupComboBox1CloseUp()
{
    TTabella* dg = Dati().AuxDGenerali;
    if (dg->State() == TStato::Consultazione)
        dg->Edit();
    copia(Dati().Strutture, rigaScelta(DBLookupComboBox1, Dati().Strutture, QStringLiteral("CODICE")), "LAMBDA",
          "LAMBDA_MASS");
}

void TPaginaDatiGenerali::DBLookupComboBox4CloseUp()
{
    TTabella* dg = Dati().AuxDGenerali;
    if (dg->State() == TStato::Consultazione)
        dg->Edit();
    TTabella* riv = Dati().RivestimentoF;
    const int r = rigaScelta(DBLookupComboBox4, riv, QStringLiteral("CODICE"));
    copia(riv, r, "DESCRIZIONE", "TIPO_RIV");
    copia(riv, r, "LAMBDA", "LAMBDA_RIV");
}

void TPaginaDatiGenerali::DBLookupComboBox2CloseUp()
{
    TTabella* dg = Dati().AuxDGenerali;
    if (dg->State() == TStato::Consultazione)
        dg->Edit();
    copia(Dati().Solette, rigaScelta(DBLookupComboBox2, Dati().Solette, QStringLiteral("CODICE")), "LAMBDA",
          "LAMBDA_SOL");
}

void TPaginaDatiGenerali::DBLookupComboBox3CloseUp()
{
    TTabella* dg = Dati().AuxDGenerali;
    if (dg->State() == TStato::Consultazione)
        dg->Edit();
    TTabella* tubo = Dati().Tubo;
    const int r = rigaScelta(DBLookupComboBox3, tubo, QStringLiteral("RIF"));
    copia(tubo, r, "COND", "LAMBDA_TUBO");
    copia(tubo, r, "SPESSORE", "SPESS_TUBO");
    copia(tubo, r, "D EST", "DEST_TUBO");
    compatibilita(DBLookupComboBox3->Chiave(), testo(dg, "COD_ISOL"), true);
}

void TPaginaDatiGenerali::DBLookupComboBox5CloseUp()
{
    TTabella* dg = Dati().AuxDGenerali;
    if (dg->State() == TStato::Consultazione)
        dg->Edit();
    TTabella* isol = Dati().Isolante;
    copia(isol, rigaScelta(DBLookupComboBox5, isol, QStringLiteral("CODICE")), "INTERASSE", "INTERASSE");
    compatibilita(testo(dg, "COD_TUBO"), DBLookupComboBox5->Chiave(), false);
}

void TPaginaDatiGenerali::compatibilita(const QString& rifTubo, const QString& codicePannello, bool daTubo)
{
    const QString messaggio = MessaggioCompatibilita(rifTubo, codicePannello, daTubo);
    TTabella* dg = Dati().AuxDGenerali;
    static const QStringList campiTubo = {"COD_TUBO", "LAMBDA_TUBO", "SPESS_TUBO", "DEST_TUBO"};
    static const QStringList campiPannello = {"COD_ISOL", "INTERASSE"};
    const QStringList& campi = daTubo ? campiTubo : campiPannello;
    if (messaggio.isEmpty()) {
        for (const QString& c : campi)
            m_accettati[c] = dg->FieldByName(c).Valore();
    } else {
        TMessaggi::Avviso(messaggio + SceltaRipristinata());
        for (const QString& c : campi) {
            const int i = dg->IndiceCampo(c);
            const QVariant prima = m_accettati.contains(c) ? m_accettati.value(c) : dg->ValoriIniziali().value(i);
            dg->FieldByName(c).Imposta(prima);
        }
    }
    DBNavigator2->setFocus(Qt::OtherFocusReason);
}

void TPaginaDatiGenerali::DBLookupComboBox6CloseUp()
{
    TDati& d = Dati();
    TStatoProgetto& s = Stato();
    TTabella* dg = d.AuxDGenerali;
    if (dg->State() == TStato::Modifica || dg->State() == TStato::Inserimento) {
        if (!dg->Post())
            return;
        // Registrare qui porta con sé anche le altre modifiche dei dati generali: il calcolo le rilegge.
        d.DGeneraliModificati = true;
    }
    const QString tipo = testo(dg, "RIF_COLL");
    const bool v221 = tipo.left(4) == QLatin1String("V221");
    TTabella* reg = d.AuxRegol;
    auto imposta
        = [reg](const char* campo, const QVariant& v) { reg->FieldByName(QString::fromLatin1(campo)).Imposta(v); };
    if (s.ModoRegolazione == 0 && !v221) {
        imposta("regol", QStringLiteral("REG1"));
        reg->Post();
        Progetto().AbilitaRegolazione(true);
        s.ModoRegolazione = 1;
    } else if (s.ModoRegolazione == 1 && v221) {
        // I collettori con miscelazione incorporata non hanno collettore di caldaia né regolatore.
        imposta("collcald", QString());
        imposta("attmix", QString());
        imposta("regol", QString());
        reg->Post();
        Progetto().AbilitaRegolazione(false);
        s.ModoRegolazione = 0;
    }
    // Le quantità della regolazione vanno ricalcolate con il nuovo tipo.
    for (const char* q : {"qterm", "qattuat", "qcald", "qreg"})
        imposta(q, 0);
    reg->Post();

    if (s.CollettoriConfermati) {
        if (s.Clessidra)
            s.Clessidra(true);
        AggiornaTipoCollettori(d, s.Assegnazione, tipo);
        if (s.Clessidra)
            s.Clessidra(false);
    }
}
