#include "app/Umessaggibox.h"

#include <QApplication>
#include <QMessageBox>

bool TMessaggiBox::mostra(const TMessaggio& m)
{
    QMessageBox::Icon icona = QMessageBox::Warning;
    if (m.icona == TIcona::Stop)
        icona = QMessageBox::Critical;
    else if (m.icona == TIcona::Domanda)
        icona = QMessageBox::Question;
    const auto pulsanti = m.conAnnulla ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QMessageBox box(icona, m.titolo, m.testo, pulsanti, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    if (m.conAnnulla)
        box.setEscapeButton(QMessageBox::Cancel);
    // Solo OK vale come sì: chiudere la finestra equivale ad annullare.
    return box.exec() == QMessageBox::Ok;
}
