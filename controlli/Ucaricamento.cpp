#include "controlli/Ucaricamento.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TCaricamento::TCaricamento(QWidget* principale)
    : QDialog(principale, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(tr("Caricamento"));
    setWindowTitle(tr("Caricamento"));
    setModal(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(14, 14, 14, 14);
    l->addWidget(ProgressBar1);
    setFixedSize(330, 56);
}

void TCaricamento::Inizia(const QString& titolo, int massimo)
{
    setWindowTitle(titolo);
    m_posizione = 0;
    ProgressBar1->setRange(0, massimo);
    ProgressBar1->setValue(0);
    const QWidget* sopra = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect zona = sopra ? sopra->frameGeometry() : screen()->availableGeometry();
    move(zona.center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TCaricamento::Passo()
{
    // La barra si ferma al massimo anche quando i valori sono più di quanti previsti.
    if (m_posizione < ProgressBar1->maximum())
        ProgressBar1->setValue(++m_posizione);
}

void TCaricamento::Fine()
{
    ProgressBar1->setValue(ProgressBar1->maximum());
    hide();
    // Il primo piano torna alla finestra principale.
    if (parentWidget())
        parentWidget()->window()->activateWindow();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TCaricamento::Respira()
{
    if (!BitBtnAnnulla) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    // Venti volte al secondo bastano al ridisegno e al pulsante, e costano poco all'operazione.
    if (m_ultimoRespiro.isValid() && m_ultimoRespiro.elapsed() < 50)
        return;
    m_ultimoRespiro.start();
    QApplication::processEvents();
}

void TCaricamento::PermettiAnnulla()
{
    if (BitBtnAnnulla)
        return;
    setWindowModality(Qt::ApplicationModal);
    BitBtnAnnulla = new QPushButton(tr("&Annulla"), this);
    BitBtnAnnulla->setObjectName(QStringLiteral("BitBtnAnnulla"));
    layout()->addWidget(BitBtnAnnulla);
    layout()->setAlignment(BitBtnAnnulla, Qt::AlignRight);
    connect(BitBtnAnnulla, &QPushButton::clicked, this, &TCaricamento::reject);
    setFixedSize(330, 96);
}

void TCaricamento::reject()
{
    // Esc o "Annulla": l'operazione se ne accorge al prossimo passo e chiude lei la finestra.
    if (!BitBtnAnnulla)
        return;
    m_annullato = true;
    BitBtnAnnulla->setEnabled(false);
}
