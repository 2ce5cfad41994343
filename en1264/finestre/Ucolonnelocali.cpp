#include "en1264/finestre/Ucolonnelocali.h"

#include "controlli/Ucontrolli.h"
#include "data/Udatabase.h"
#include "data/Uformato.h"
#include "data/Umessaggi.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

namespace {

constexpr double CaricoMassimo = 1e6; // W

// Numero del locale della riga; nullopt per una riga ancora senza numero.
std::optional<int> IdRiga(const TModelloTabella& m, int riga)
{
    const QVariant v = m.ValoreCampo(riga, QStringLiteral("ID"));
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

std::optional<double> Numero(const QString& testo)
{
    bool ok = false;
    double v = QLocale().toDouble(testo.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(testo.trimmed(), &ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

void AggiungiColonneEn1264(TDBGrid& griglia, TStatoProgetto& stato)
{
    TModelloTabella* m = griglia.Modello();
    TStatoProgetto* s = &stato;

    TModelloTabella::TColonnaAggiuntiva bagno;
    bagno.titolo = QCoreApplication::translate("En1264", "Bagno");
    bagno.flag = Qt::ItemIsUserCheckable;
    bagno.leggi = [m, s](int riga, int ruolo) -> QVariant {
        if (ruolo == Qt::ToolTipRole)
            return QCoreApplication::translate(
                "En1264", "Bagno: temperatura superficiale massima 33 °C invece di 29 °C (predefinito da 24 °C in su)");
        if (ruolo != Qt::CheckStateRole)
            return {};
        const std::optional<int> id = IdRiga(*m, riga);
        const float ta = float(m->ValoreCampo(riga, QStringLiteral("TAmbiente")).toDouble());
        return s->En1264.Bagno(id.value_or(-1), ta) ? Qt::Checked : Qt::Unchecked;
    };
    bagno.scrivi = [m, s](int riga, const QVariant& valore, int ruolo) {
        const std::optional<int> id = IdRiga(*m, riga);
        if (ruolo != Qt::CheckStateRole || !id)
            return false;
        s->En1264.Bagni.insert(*id, valore.toInt() == Qt::Checked);
        s->Dati().ProgettoModificato = true;
        return true;
    };
    m->AggiungiColonna(std::move(bagno));

    TModelloTabella::TColonnaAggiuntiva carico;
    // Breve come "CTermico [W]"; l'importazione riconosce anche questo titolo.
    carico.titolo = QCoreApplication::translate("En1264", "CEstivo [W]");
    carico.flag = Qt::ItemIsEditable;
    carico.leggi = [m, s](int riga, int ruolo) -> QVariant {
        const std::optional<int> id = IdRiga(*m, riga);
        const float w = id ? s->En1264.CaricoEstivo(*id) : 0.0f;
        switch (ruolo) {
        case Qt::DisplayRole:
            return w != 0 ? LocaleSchermo().toString(double(w), 'g', 7) : QString();
        case Qt::EditRole:
            return double(w);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            return QCoreApplication::translate("En1264",
                                               "Carico termico estivo del locale per il raffrescamento a pavimento");
        default:
            return {};
        }
    };
    carico.scrivi = [m, s](int riga, const QVariant& valore, int ruolo) {
        const std::optional<int> id = IdRiga(*m, riga);
        if (ruolo != Qt::EditRole || !id)
            return false;
        const QString testo = valore.toString();
        const std::optional<double> w = testo.trimmed().isEmpty() ? 0.0 : Numero(testo);
        if (!w || *w < 0 || *w > CaricoMassimo) {
            TMessaggi::Errore(
                QCoreApplication::translate("En1264", "Il carico estivo deve essere un numero da 0 a 1000000 W."));
            return false;
        }
        if (*w == 0)
            s->En1264.CarichiEstivi.remove(*id);
        else
            s->En1264.CarichiEstivi.insert(*id, float(*w));
        s->Dati().ProgettoModificato = true;
        return true;
    };
    m->AggiungiColonna(std::move(carico));
}
