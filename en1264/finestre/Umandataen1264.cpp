#include "en1264/finestre/Umandataen1264.h"

#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "editor/Ugriglia1.h"
#include "editor/Upaginamandata.h"
#include "en1264/Udati.h"
#include "progetto/Ustato.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

namespace {

QString Num(float v, int decimali = 1)
{
    return NumeroSchermo(double(v), decimali);
}

QString TestoZona(const QString& nome, const TVerificaZona& z)
{
    return QCoreApplication::translate("En1264", "%1: q %2 W/m², q_G %3 W/m², θF,m %4 °C, θF,max %5 °C — %6")
        .arg(nome, Num(z.q), Num(z.qG), Num(z.TFm), Num(z.TFMax, 0), z.Esito());
}

} // namespace

TVerificaMandata::TVerificaMandata(TPaginaMandata& pagina, TStatoProgetto& stato)
    : QObject(&pagina)
    , m_pagina(pagina)
    , m_stato(stato)
{
    setObjectName(QStringLiteral("VerificaEn1264"));
    LabelVerifica = new QLabel(&pagina);
    LabelVerifica->setObjectName(QStringLiteral("LabelVerificaEn1264"));
    LabelTEn1264 = new QLabel(pagina.GroupBox7);
    LabelTEn1264->setObjectName(QStringLiteral("LabelTEn1264"));
    LabelTEn1264->setToolTip(QCoreApplication::translate(
        "En1264",
        "Temperatura di mandata di progetto della UNI EN 1264-3: il locale con il flusso più "
        "alto fra quelli che non sono bagni, al passo più fitto, con salto termico di al più "
        "5 K."));
    CheckRelazione
        = new QCheckBox(QCoreApplication::translate("En1264", "Verifica EN 1264 nella relazione tecnica"), &pagina);
    CheckRelazione->setObjectName(QStringLiteral("CheckRelazioneEn1264"));
    CheckRelazione->setToolTip(
        QCoreApplication::translate("En1264",
                                    "Aggiunge alla relazione tecnica il foglio \"Verifica EN 1264\" (c'è comunque "
                                    "quando il progetto ha bagni scelti, carichi estivi o \"T EN 1264\")."));
    connect(CheckRelazione, &QCheckBox::toggled, this, [this](bool acceso) {
        if (m_stato.En1264.Relazione != acceso) {
            m_stato.En1264.Relazione = acceso;
            m_stato.Dati().ProgettoModificato = true;
        }
    });
    auto* riga = new QHBoxLayout;
    riga->addWidget(LabelVerifica, 1);
    riga->addWidget(CheckRelazione);
    if (auto* l = qobject_cast<QBoxLayout*>(pagina.layout()))
        l->insertLayout(l->indexOf(pagina.Griglia1) + 1, riga);
    if (auto* g = qobject_cast<QGridLayout*>(pagina.GroupBox7->layout()))
        // Su tutta la larghezza del gruppo: un testo lungo non stringe il cursore e la temperatura.
        g->addWidget(LabelTEn1264, 2, 0, 1, 3, Qt::AlignRight);

    TModelloGriglia1::TColonnaAggiuntiva colonna;
    colonna.cella = [this](int riga) { return Cella(riga); };
    colonna.suggerimento = [this](int riga) { return Suggerimento(riga); };
    colonna.larghezza = 58;
    pagina.Griglia1->ImpostaColonnaAggiuntiva(std::move(colonna));
    // Ogni ridisegno della griglia segue un nuovo calcolo: le verifiche si rifanno prima che
    // la vista dipinga.
    TModelloGriglia1* m = pagina.Griglia1->Modello();
    connect(m, &QAbstractItemModel::dataChanged, this, &TVerificaMandata::Aggiorna);
    connect(m, &QAbstractItemModel::rowsInserted, this, &TVerificaMandata::Aggiorna);
    connect(m, &QAbstractItemModel::rowsRemoved, this, &TVerificaMandata::Aggiorna);
    Aggiorna();
}

void TVerificaMandata::Aggiorna()
{
    const TStatoProgetto& s = m_stato;
    const QVector<bool> bagni = BagniLocali(s.En1264, s.RisultatiLocali);
    const bool calcolati = s.NumLocali > 0 && s.RisultatiLocali.size() == s.NumLocali;
    m_verifiche = calcolati ? VerificaLocali(s.PavRad, s.RisultatiLocali, bagni) : std::vector<TVerificaLocale>();
    const int oltre = LocaliOltreLimite(m_verifiche);
    LabelVerifica->setText(
        oltre == 1 ? QCoreApplication::translate("En1264", "Verifica EN 1264: 1 locale oltre il limite")
                   : QCoreApplication::translate("En1264", "Verifica EN 1264: %1 locali oltre il limite").arg(oltre));
    LabelVerifica->setStyleSheet(oltre > 0 ? QStringLiteral("color: #c00000; font-weight: bold") : QString());
    {
        const QSignalBlocker b(CheckRelazione);
        CheckRelazione->setChecked(s.En1264.Relazione);
    }

    const TMandataEn1264 m = calcolati ? MandataEn1264(s.PavRad, s.RisultatiLocali, bagni) : TMandataEn1264();
    if (m.Riferimento < 0 || !(m.TMandata > 0)) {
        LabelTEn1264->setText(QCoreApplication::translate("En1264", "T EN 1264: ---"));
        return;
    }
    const TLocaleCalc& rif = s.RisultatiLocali[m.Riferimento];
    QString t = QCoreApplication::translate("En1264", "T EN 1264: %1 °C (locale %2, %3 W/m², σ %4 K)")
                    .arg(Num(m.TMandata))
                    .arg(rif.ID)
                    .arg(Num(m.qProgetto), Num(m.Sigma, 0));
    if (m.OltreLimite)
        t += QCoreApplication::translate("En1264", " — oltre il limite anche al passo più fitto");
    LabelTEn1264->setText(t);
}

TCellaGriglia TVerificaMandata::Cella(int riga) const
{
    TCellaGriglia c;
    if (riga == 0) {
        c.Testo = QCoreApplication::translate("En1264", "EN 1264");
    } else if (riga == 1) {
        c.Testo = QCoreApplication::translate("En1264", "Verifica");
    } else if (const std::size_t k = std::size_t(riga - 2); k < m_verifiche.size()) {
        const TVerificaLocale& v = m_verifiche[k];
        if (!v.As.Presente && !v.Am.Presente) {
            c.Testo = QStringLiteral("--");
        } else {
            c.Testo = v.Oltre() ? QCoreApplication::translate("En1264", "oltre")
                                : QCoreApplication::translate("En1264", "OK");
            c.Immagine = v.Oltre() ? LampadaRossa : LampadaVerde;
            c.Marca = v.Oltre() ? MarcaRossa : MarcaNormale;
        }
    }
    return c;
}

QString TVerificaMandata::Suggerimento(int riga) const
{
    const std::size_t k = std::size_t(riga - 2);
    if (riga < 2 || k >= m_verifiche.size())
        return {};
    const TVerificaLocale& v = m_verifiche[k];
    QStringList righe;
    if (v.As.Presente)
        righe << TestoZona(QCoreApplication::translate("En1264", "Zona attiva"), v.As);
    if (v.Am.Presente)
        righe << TestoZona(QCoreApplication::translate("En1264", "Zona marginale"), v.Am);
    if (righe.isEmpty())
        return QCoreApplication::translate("En1264", "Nessuna zona con resa da verificare.");
    if (k < std::size_t(m_stato.RisultatiLocali.size()) && m_stato.En1264.Bagno(m_stato.RisultatiLocali[int(k)]))
        righe << QCoreApplication::translate("En1264", "Bagno: θF,max 33 °C nella zona attiva.");
    return righe.join(u'\n');
}

int VoceModoSalvato(const TStatoProgetto& stato)
{
    return stato.ModoTMandata == 2 && stato.En1264.ModoEn1264 ? VoceTEn1264 : stato.ModoTMandata;
}

void SalvaModoVoce(TStatoProgetto& stato, int voce, float temperatura)
{
    stato.En1264.ModoEn1264 = voce == VoceTEn1264;
    stato.SalvaImpostazioni(voce == VoceTEn1264 ? 2 : voce, temperatura);
}
