// Cartella di lavoro: impaginazione, stampa e formattazione condizionale.
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace foglio;

void TFoglio::AreaStampa(const QString& area)
{
    QString valore;
    static const QRegularExpression colonne(QStringLiteral("^\\$?[A-Za-z]{1,3}:\\$?[A-Za-z]{1,3}$"));
    if (colonne.match(area).hasMatch()) {
        const auto [da, a] = LeggiColonne(area);
        valore = QStringLiteral("$%1:$%2").arg(LettereColonna(da), LettereColonna(a));
    } else {
        const TArea a = LeggiArea(area);
        valore = QStringLiteral("$%1$%2:$%3$%4")
                     .arg(LettereColonna(a.da.colonna))
                     .arg(a.da.riga)
                     .arg(LettereColonna(a.a.colonna))
                     .arg(a.a.riga);
    }
    d->NomeDefinito(QStringLiteral("_xlnm.Print_Area"), d->attivo,
                    TDati::NomeFoglioQuotato(d->Attivo().nome) + u'!' + valore);
}

void TFoglio::TitoliStampa(int primaRiga, int ultimaRiga)
{
    d->NomeDefinito(QStringLiteral("_xlnm.Print_Titles"), d->attivo,
                    TDati::NomeFoglioQuotato(d->Attivo().nome)
                        + QStringLiteral("!$%1:$%2").arg(primaRiga).arg(ultimaRiga));
}

QString TFoglio::AreaStampa() const
{
    const QString v = d->ValoreNomeDefinito(QStringLiteral("_xlnm.Print_Area"), d->attivo);
    return v.mid(v.lastIndexOf(u'!') + 1);
}

QString TFoglio::TitoliStampa() const
{
    const QString v = d->ValoreNomeDefinito(QStringLiteral("_xlnm.Print_Titles"), d->attivo);
    return v.mid(v.lastIndexOf(u'!') + 1);
}

void TFoglio::ImpostaPagina(const TPagina& p)
{
    auto radice = d->Attivo().radice;
    const bool adatta = p.adattaLarghezza > 0 || p.adattaAltezza > 0;
    auto pr = FiglioOrdinato(radice, "sheetPr", OrdineFoglio);
    auto psp = pr.child("pageSetUpPr");
    if (!psp)
        psp = pr.append_child("pageSetUpPr");
    Attributo(psp, "fitToPage", adatta ? 1 : 0);
    auto po = FiglioOrdinato(radice, "printOptions", OrdineFoglio);
    Attributo(po, "horizontalCentered", p.centraOrizzontale ? 1 : 0);
    auto pm = FiglioOrdinato(radice, "pageMargins", OrdineFoglio);
    Attributo(pm, "left", p.margineSinistro);
    Attributo(pm, "right", p.margineDestro);
    Attributo(pm, "top", p.margineSuperiore);
    Attributo(pm, "bottom", p.margineInferiore);
    Attributo(pm, "header", p.margineIntestazione);
    Attributo(pm, "footer", p.marginePiede);
    auto ps = FiglioOrdinato(radice, "pageSetup", OrdineFoglio);
    Attributo(ps, "paperSize", 9); // A4
    Attributo(ps, "orientation", p.orizzontale ? "landscape" : "portrait");
    Attributo(ps, "fitToWidth", p.adattaLarghezza);
    Attributo(ps, "fitToHeight", p.adattaAltezza);
    auto hf = FiglioOrdinato(radice, "headerFooter", OrdineFoglio);
    hf.remove_child("oddHeader");
    hf.remove_child("oddFooter");
    if (!p.intestazione.isEmpty())
        hf.append_child("oddHeader").text().set(U(p.intestazione).constData());
    if (!p.piede.isEmpty())
        hf.append_child("oddFooter").text().set(U(p.piede).constData());
}

void TFoglio::BloccaRighe(int righe)
{
    auto radice = d->Attivo().radice;
    auto vista = FiglioOrdinato(radice, "sheetViews", OrdineFoglio).child("sheetView");
    if (!vista) {
        vista = radice.child("sheetViews").append_child("sheetView");
        vista.append_attribute("workbookViewId") = 0;
    }
    vista.remove_child("pane");
    while (vista.child("selection"))
        vista.remove_child("selection");
    auto pane = vista.prepend_child("pane");
    pane.append_attribute("ySplit") = righe;
    pane.append_attribute("topLeftCell") = U(Indirizzo(1, righe + 1)).constData();
    pane.append_attribute("activePane") = "bottomLeft";
    pane.append_attribute("state") = "frozen";
    auto sel = vista.append_child("selection");
    sel.append_attribute("pane") = "bottomLeft";
    sel.append_attribute("activeCell") = U(Indirizzo(1, righe + 1)).constData();
    sel.append_attribute("sqref") = U(Indirizzo(1, righe + 1)).constData();
}

void TFoglio::Griglia(bool visibile)
{
    auto radice = d->Attivo().radice;
    auto vista = FiglioOrdinato(radice, "sheetViews", OrdineFoglio).child("sheetView");
    if (!vista) {
        vista = radice.child("sheetViews").append_child("sheetView");
        vista.append_attribute("workbookViewId") = 0;
    }
    vista.remove_attribute("showGridLines");
    if (!visibile)
        vista.prepend_attribute("showGridLines") = 0;
}

void TFoglio::FormatoCondizionale(const QString& intervallo, const QString& formula, const TStile& stile,
                                  const std::vector<TBordo>& bordi, int linea)
{
    const TArea a = LeggiArea(intervallo);
    auto radice = d->Attivo().radice;
    int priorita = 0;
    pugi::xml_node ultimo;
    for (auto cf : radice.children("conditionalFormatting")) {
        ultimo = cf;
        for (auto r : cf.children("cfRule"))
            priorita = std::max(priorita, r.attribute("priority").as_int());
    }
    pugi::xml_node cf = ultimo ? radice.insert_child_after("conditionalFormatting", ultimo)
                               : FiglioOrdinato(radice, "conditionalFormatting", OrdineFoglio);
    cf.append_attribute("sqref") = U(Rif(a.da) + u':' + Rif(a.a)).constData();
    auto r = cf.append_child("cfRule");
    r.append_attribute("type") = "expression";
    r.append_attribute("dxfId") = d->stili.Dxf(stile, bordi, linea);
    r.append_attribute("priority") = priorita + 1;
    QString f = formula;
    if (f.startsWith(u'='))
        f.remove(0, 1);
    r.append_child("formula").text().set(U(f).constData());
}

void TFoglio::InterruzionePagina(int riga)
{
    if (riga < 2 || riga > MaxRighe)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Riga %1 non valida per un'interruzione di pagina.").arg(riga));
    auto rb = FiglioOrdinato(d->Attivo().radice, "rowBreaks", OrdineFoglio);
    for (auto b : rb.children("brk"))
        if (b.attribute("id").as_int() == riga - 1)
            return;
    auto b = rb.append_child("brk");
    b.append_attribute("id") = riga - 1;
    b.append_attribute("max") = MaxColonne - 1;
    b.append_attribute("man") = 1;
    const int n = int(std::distance(rb.begin(), rb.end()));
    Attributo(rb, "count", n);
    Attributo(rb, "manualBreakCount", n);
}

std::vector<int> TFoglio::InterruzioniPagina() const
{
    std::vector<int> v;
    for (auto b : d->Attivo().radice.child("rowBreaks").children("brk"))
        v.push_back(b.attribute("id").as_int() + 1);
    return v;
}
