#include "editor/Ulegenda.h"

#include "editor/Ugriglia1.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

QList<TLegenda::TVoce> TLegenda::Voci()
{
    return {
        {1, QStringLiteral("12"), NessunaImmagine, MarcaNormale,
         tr("Celle bianche: zona attiva del locale (As), colonne da \"Locale\" a \"Dp As\".")},
        {13, QStringLiteral("240"), NessunaImmagine, MarcaNormale,
         tr("Celle arancio: zona marginale (Am), con \"Con Area Marginale\"; \"--\" per i locali "
            "senza resa della zona marginale.")},
        {5, QStringLiteral("0"), LampadaVerde, MarcaNormale,
         tr("Lampada verde: il pavimento copre tutto il carico termico del locale.")},
        {5, QStringLiteral("350"), LampadaRossa, MarcaNormale,
         tr("Lampada rossa: il pavimento non copre il carico; \"Integr.\" è la potenza da integrare "
            "con altri terminali.")},
        {7, QStringLiteral("29,40"), NessunaImmagine, MarcaRossa,
         tr("Testo rosso: temperatura superficiale della zona attiva oltre 29 °C.")},
        {14, QStringLiteral("33,60"), NessunaImmagine, MarcaArancio,
         QCoreApplication::translate(
             "TLegenda", "Testo bianco in grassetto: temperatura superficiale della zona marginale oltre 33 °C.")},
        // La colonna "EN 1264" si disegna come una colonna oltre le marginali (fondo bianco).
        {TPavRad::NumColonneMarginali, QCoreApplication::translate("TLegenda", "oltre"), LampadaRossa, MarcaRossa,
         QCoreApplication::translate(
             "TLegenda",
             "Colonna \"EN 1264\": lampada verde se il flusso di ogni zona resta entro il limite q_G "
             "della UNI EN 1264 (pavimento al più 29 °C, 33 °C nei bagni, 35 °C nelle zone marginali), "
             "rossa se lo supera. Il suggerimento della cella dà q, q_G e θF,max; sotto la griglia il "
             "numero dei locali oltre il limite.")},
    };
}

TLegenda::TLegenda(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Legenda"));
    setWindowTitle(tr("Legenda"));
    auto* griglia = new QGridLayout(this);
    const QList<TVoce> voci = Voci();
    const QLocale locale;
    for (int i = 0; i < voci.size(); ++i) {
        const TVoce& v = voci[i];
        TCellaGriglia cella;
        // I campioni usano il separatore decimale del sistema, come la griglia.
        cella.Testo = QString(v.testo).replace(u',', locale.decimalPoint());
        cella.Immagine = TImmagineCella(v.immagine);
        cella.Marca = TMarcaCella(v.marca);
        // Campione largo quanto basta per testo e lampada, alto come una riga della griglia.
        QPixmap campione(60, TGriglia1::AltezzaRiga);
        campione.fill(palette().color(QPalette::Mid));
        {
            QPainter p(&campione);
            Griglia1DrawCell(p, campione.rect().adjusted(1, 1, -1, -1), v.colonna, 2, cella, false, palette());
        }
        auto* immagine = new QLabel(this);
        immagine->setPixmap(campione);
        auto* testo = new QLabel(v.spiegazione, this);
        testo->setWordWrap(true);
        griglia->addWidget(immagine, i, 0, Qt::AlignTop);
        griglia->addWidget(testo, i, 1);
    }
    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton(tr("Chiudi"), QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    griglia->addWidget(pulsanti, int(voci.size()), 0, 1, 2);
    griglia->setColumnStretch(1, 1);
    setMinimumWidth(460);
}
