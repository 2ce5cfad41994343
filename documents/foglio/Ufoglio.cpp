// Cartella di lavoro: fogli, celle, valori e lettura.
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>

using namespace foglio;

namespace {

QString NumeroNelFile(double x)
{
    if (!std::isfinite(x))
        throw TErroreFoglio(QCoreApplication::translate(
            "TFoglio", "Un valore numerico non è finito e non si può scrivere nel foglio."));
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

int RigaAttr(pugi::xml_node n)
{
    return n.attribute("r").as_int();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Fogli e celle

TFoglioInterno& TFoglio::TDati::Attivo()
{
    if (fogli.empty())
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Nessuna cartella di lavoro aperta."));
    return fogli[size_t(attivo)];
}

const TFoglioInterno& TFoglio::TDati::Attivo() const
{
    return const_cast<TFoglio::TDati*>(this)->Attivo();
}

void TFoglio::TDati::Indicizza(TFoglioInterno& f) const
{
    if (f.indiceValido)
        return;
    f.righe.clear();
    int precedente = 0;
    for (auto r : f.dati.children("row")) {
        int n = RigaAttr(r);
        if (n <= 0) { // riga senza numero: segue la precedente
            n = precedente + 1;
            r.append_attribute("r") = n;
        }
        int colonna = 0;
        for (auto c : r.children("c")) {
            TCella t;
            if (!LeggiCella(Q(c.attribute("r").value()), t)) {
                t = {colonna + 1, n};
                if (!c.attribute("r"))
                    c.append_attribute("r");
                c.attribute("r").set_value(U(Rif(t)).constData());
            }
            colonna = t.colonna;
        }
        f.righe[n] = r;
        precedente = n;
    }
    f.indiceValido = true;
}

pugi::xml_node TFoglio::TDati::Riga(TFoglioInterno& f, int riga, bool crea)
{
    Indicizza(f);
    auto it = f.righe.lower_bound(riga);
    if (it != f.righe.end() && it->first == riga)
        return it->second;
    if (!crea)
        return {};
    pugi::xml_node r = it == f.righe.end() ? f.dati.append_child("row") : f.dati.insert_child_before("row", it->second);
    r.append_attribute("r") = riga;
    f.righe.emplace_hint(it, riga, r);
    return r;
}

std::vector<TColonne> TFoglio::TDati::Colonne(const TFoglioInterno& f) const
{
    std::vector<TColonne> v;
    for (auto c : f.radice.child("cols").children("col"))
        v.push_back({c.attribute("min").as_int(), c.attribute("max").as_int(), c.attribute("style").as_int(),
                     c.attribute("width").as_double(-1)});
    return v;
}

int TFoglio::TDati::StileColonna(const TFoglioInterno& f, int colonna) const
{
    for (auto c : f.radice.child("cols").children("col"))
        if (colonna >= c.attribute("min").as_int() && colonna <= c.attribute("max").as_int())
            return c.attribute("style").as_int();
    return 0;
}

pugi::xml_node TFoglio::TDati::Cella(TFoglioInterno& f, TCella t, bool crea)
{
    pugi::xml_node r = Riga(f, t.riga, crea);
    if (!r)
        return {};
    pugi::xml_node dopo;
    for (auto c : r.children("c")) {
        TCella e;
        LeggiCella(Q(c.attribute("r").value()), e);
        if (e.colonna == t.colonna)
            return c;
        if (e.colonna > t.colonna) {
            dopo = c;
            break;
        }
    }
    if (!crea)
        return {};
    pugi::xml_node c = dopo ? r.insert_child_before("c", dopo) : r.append_child("c");
    c.append_attribute("r") = U(Rif(t)).constData();
    // Una cella nuova prende il formato della riga, o altrimenti della colonna, come nel foglio.
    int s = r.attribute("customFormat").as_bool() ? r.attribute("s").as_int() : StileColonna(f, t.colonna);
    if (s > 0)
        c.append_attribute("s") = s;
    return c;
}

pugi::xml_node TFoglio::TDati::CellaLettura(TCella t) const
{
    auto* self = const_cast<TFoglio::TDati*>(this);
    return self->Cella(self->Attivo(), t, false);
}

int TFoglio::TDati::StileCella(pugi::xml_node c) const
{
    return c.attribute("s").as_int();
}

QString TFoglio::TDati::NomeFoglioQuotato(const QString& nome)
{
    QString n = nome;
    n.replace(u'\'', QLatin1String("''"));
    return u'\'' + n + u'\'';
}

pugi::xml_node TFoglio::TDati::DefinedNames(bool crea)
{
    auto cartella = Xml(parteCartella).document_element();
    if (!crea)
        return cartella.child("definedNames");
    return FiglioOrdinato(cartella, "definedNames", OrdineCartella);
}

void TFoglio::TDati::NomeDefinito(const QString& nome, int foglioLocale, const QString& valore)
{
    auto nomi = DefinedNames(true);
    const QByteArray n = U(nome);
    for (auto d : nomi.children("definedName"))
        if (n == d.attribute("name").value() && d.attribute("localSheetId").as_int(-1) == foglioLocale) {
            d.text().set(U(valore).constData());
            return;
        }
    auto d = nomi.append_child("definedName");
    d.append_attribute("name") = n.constData();
    if (foglioLocale >= 0)
        d.append_attribute("localSheetId") = foglioLocale;
    d.text().set(U(valore).constData());
}

QString TFoglio::TDati::ValoreNomeDefinito(const QString& nome, int foglioLocale) const
{
    auto* self = const_cast<TFoglio::TDati*>(this);
    const QByteArray n = U(nome);
    for (auto d : self->DefinedNames(false).children("definedName"))
        if (n == d.attribute("name").value() && d.attribute("localSheetId").as_int(-1) == foglioLocale)
            return Q(d.text().get());
    return {};
}

// ---------------------------------------------------------------------------------------------
// TFoglio

TFoglio::TFoglio()
    : d(std::make_unique<TDati>())
{ }

TFoglio::~TFoglio() = default;

void TFoglio::PercorsoPredefinito(const QString& cartella)
{
    d->percorsoPredefinito = cartella;
}

QString TFoglio::PercorsoPredefinito() const
{
    return d->percorsoPredefinito;
}

int TFoglio::NumeroFogli() const
{
    return int(d->fogli.size());
}

QString TFoglio::NomeFoglio(int numero) const
{
    if (numero < 1 || numero > NumeroFogli())
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "La cartella di lavoro non ha il foglio %1.").arg(numero));
    return d->fogli[size_t(numero - 1)].nome;
}

void TFoglio::Foglio(int numero)
{
    if (numero < 1 || numero > NumeroFogli())
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "La cartella di lavoro non ha il foglio %1.").arg(numero));
    d->attivo = numero - 1;
    for (size_t i = 0; i < d->fogli.size(); ++i) {
        auto vista = FiglioOrdinato(d->fogli[i].radice, "sheetViews", OrdineFoglio).child("sheetView");
        if (!vista) {
            vista = d->fogli[i].radice.child("sheetViews").append_child("sheetView");
            vista.append_attribute("workbookViewId") = 0;
        }
        vista.remove_attribute("tabSelected");
        if (int(i) == d->attivo)
            vista.prepend_attribute("tabSelected") = 1;
    }
    auto cartella = d->Xml(d->parteCartella).document_element();
    auto vista = FiglioOrdinato(cartella, "bookViews", OrdineCartella).child("workbookView");
    if (!vista)
        vista = cartella.child("bookViews").append_child("workbookView");
    if (!vista.attribute("activeTab"))
        vista.append_attribute("activeTab");
    vista.attribute("activeTab").set_value(d->attivo);
}

int TFoglio::FoglioAttivo() const
{
    return d->attivo + 1;
}

int TFoglio::AggiungiFoglio(const QString& nome)
{
    if (nome.isEmpty() || nome.size() > 31 || nome.contains(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]"))))
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Nome di foglio non valido: \"%1\".").arg(nome));
    const QString parte = d->NomeLibero(QStringLiteral("xl/worksheets/sheet%1.xml"));
    auto& doc = d->NuovaParte(parte, VuotoFoglio, QString::fromLatin1(TipoFoglio));
    const QString id = d->AggiungiRelazione(d->parteCartella, RelFoglio, parte.mid(3));
    auto fogliNodo = d->Xml(d->parteCartella).document_element().child("sheets");
    int sheetId = 0;
    for (auto s : fogliNodo.children("sheet"))
        sheetId = std::max(sheetId, s.attribute("sheetId").as_int());
    auto s = fogliNodo.append_child("sheet");
    s.append_attribute("name") = U(nome).constData();
    s.append_attribute("sheetId") = sheetId + 1;
    s.append_attribute("r:id") = U(id).constData();
    TFoglioInterno f;
    f.nome = nome;
    f.parte = parte;
    f.doc = &doc;
    f.radice = doc.document_element();
    f.dati = f.radice.child("sheetData");
    d->fogli.push_back(std::move(f));
    Foglio(NumeroFogli());
    return NumeroFogli();
}

void TFoglio::EliminaFoglio(int numero)
{
    if (numero < 1 || numero > NumeroFogli())
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "La cartella di lavoro non ha il foglio %1.").arg(numero));
    if (NumeroFogli() == 1)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "L'unico foglio della cartella di lavoro non si può eliminare."));
    const int indice = numero - 1;
    const QString parteFoglio = d->fogli[size_t(indice)].parte;
    d->fogli.erase(d->fogli.begin() + indice);
    auto cartella = d->Xml(d->parteCartella).document_element();
    auto fogliNodo = cartella.child("sheets");
    for (auto s : fogliNodo.children("sheet"))
        if (d->DestinazioneRelazione(d->parteCartella, Q(s.attribute("r:id").value())) == parteFoglio) {
            const QString id = Q(s.attribute("r:id").value());
            auto rels = d->Relazioni(d->parteCartella).document_element();
            for (auto r : rels.children("Relationship"))
                if (Q(r.attribute("Id").value()) == id) {
                    rels.remove_child(r);
                    break;
                }
            fogliNodo.remove_child(s);
            break;
        }
    // La parte del foglio e le sue relazioni escono dal pacchetto; i nomi locali dei fogli che
    // seguono (area di stampa, titoli) scalano di uno.
    for (const QString& parte : {parteFoglio, TDati::ParteRelazioni(parteFoglio)}) {
        d->parti.erase(parte);
        d->ordine.erase(std::remove(d->ordine.begin(), d->ordine.end(), parte), d->ordine.end());
        auto tipi = d->Xml(QStringLiteral("[Content_Types].xml")).document_element();
        for (auto o : tipi.children("Override"))
            if (Q(o.attribute("PartName").value()) == u'/' + parte) {
                tipi.remove_child(o);
                break;
            }
    }
    if (auto nomi = d->DefinedNames(false)) {
        for (auto n = nomi.first_child(); n;) {
            auto succ = n.next_sibling();
            const int locale = n.attribute("localSheetId").as_int(-1);
            if (locale == indice)
                nomi.remove_child(n);
            else if (locale > indice)
                n.attribute("localSheetId").set_value(locale - 1);
            n = succ;
        }
        if (!nomi.first_child())
            cartella.remove_child(nomi);
    }
    const int attivo = d->attivo > indice ? d->attivo - 1 : std::min(d->attivo, NumeroFogli() - 1);
    Foglio(attivo + 1);
}

void TFoglio::RinominaFoglio(const QString& nome)
{
    auto& f = d->Attivo();
    auto fogliNodo = d->Xml(d->parteCartella).document_element().child("sheets");
    for (auto s : fogliNodo.children("sheet"))
        if (Q(s.attribute("name").value()) == f.nome)
            s.attribute("name").set_value(U(nome).constData());
    f.nome = nome;
}

void TFoglio::Seleziona(const QString& intervallo)
{
    const TArea a = LeggiArea(intervallo);
    auto& f = d->Attivo();
    auto vista = FiglioOrdinato(f.radice, "sheetViews", OrdineFoglio).child("sheetView");
    if (!vista) {
        vista = f.radice.child("sheetViews").append_child("sheetView");
        vista.append_attribute("workbookViewId") = 0;
    }
    pugi::xml_node sel = vista.last_child();
    if (strcmp(sel.name(), "selection") != 0)
        sel = vista.append_child("selection");
    for (const char* at : {"activeCell", "sqref"})
        if (!sel.attribute(at))
            sel.append_attribute(at);
    sel.attribute("activeCell").set_value(U(Rif(a.da)).constData());
    const QString sq = a.da.colonna == a.a.colonna && a.da.riga == a.a.riga ? Rif(a.da) : Rif(a.da) + u':' + Rif(a.a);
    sel.attribute("sqref").set_value(U(sq).constData());
}

QString TFoglio::CellaAttiva() const
{
    const auto& f = d->Attivo();
    for (auto s : f.radice.child("sheetViews").child("sheetView").children("selection"))
        if (s.attribute("activeCell"))
            return Q(s.attribute("activeCell").value());
    return QStringLiteral("A1");
}

namespace {
void SvuotaNodo(pugi::xml_node c)
{
    while (auto f = c.first_child())
        c.remove_child(f);
    c.remove_attribute("t");
}
} // namespace

void TFoglio::Valore(const QString& intervallo, const QString& testo)
{
    const int indice = d->IndiceTesto(testo);
    d->PerOgniCella(intervallo, [&](pugi::xml_node c, TCella t) {
        SvuotaNodo(c);
        c.append_attribute("t") = "s";
        c.append_child("v").text().set(indice);
        AdattaAltezza({t.colonna, t.riga}, testo);
    });
}

// Come fa il foglio elettronico quando riceve un testo in una cella "a capo": la riga senza
// altezza fissata si alza per mostrarlo tutto. La stima usa la larghezza media dei caratteri.
void TFoglio::AdattaAltezza(TCella_ t, const QString& testo)
{
    auto& f = d->Attivo();
    const int xf = IndiceStile(Indirizzo(t.colonna, t.riga));
    auto& st = d->stili;
    const auto nodo = st.Xf(xf);
    if (!nodo.child("alignment").attribute("wrapText").as_bool() || testo.isEmpty())
        return;
    auto riga = d->Riga(f, t.riga, true);
    if (riga.attribute("customHeight").as_bool())
        return;
    for (auto m : f.radice.child("mergeCells").children("mergeCell")) {
        const TArea a = LeggiArea(Q(m.attribute("ref").value()));
        if (t.riga >= a.da.riga && t.riga <= a.a.riga && t.colonna >= a.da.colonna && t.colonna <= a.a.colonna)
            return; // le celle unite non si adattano nemmeno nel foglio elettronico
    }
    const int idFont = nodo.attribute("fontId").as_int();
    auto& fonts = st.Elenco("fonts", "font");
    const double dimensione
        = idFont < int(fonts.voci.size()) ? fonts.voci[size_t(idFont)].child("sz").attribute("val").as_double(10) : 10;
    const double caratteriPerRiga = std::max(1.0, LarghezzaColonna(t.colonna) * 10.0 / dimensione);
    int righe = 0;
    for (const QString& paragrafo : testo.split(u'\n'))
        righe += std::max(1, int(std::ceil(paragrafo.size() / caratteriPerRiga)));
    const double altezza = std::ceil(righe * dimensione * 1.275 * 4) / 4; // 12,75 punti a riga per 10 punti
    if (altezza > AltezzaRiga(t.riga)) {
        if (!riga.attribute("ht"))
            riga.append_attribute("ht");
        riga.attribute("ht").set_value(altezza);
    }
}

void TFoglio::Valore(const QString& intervallo, int numero)
{
    Valore(intervallo, qint64(numero));
}

void TFoglio::Valore(const QString& intervallo, qint64 numero)
{
    const QByteArray v = QByteArray::number(numero);
    d->PerOgniCella(intervallo, [&](pugi::xml_node c, TCella) {
        SvuotaNodo(c);
        c.append_child("v").text().set(v.constData());
    });
}

void TFoglio::Valore(const QString& intervallo, double numero)
{
    const QByteArray v = U(NumeroNelFile(numero));
    d->PerOgniCella(intervallo, [&](pugi::xml_node c, TCella) {
        SvuotaNodo(c);
        c.append_child("v").text().set(v.constData());
    });
}

void TFoglio::Formula(const QString& intervallo, const QString& formula)
{
    QString f = formula.trimmed();
    if (f.startsWith(u'='))
        f.remove(0, 1);
    if (f.isEmpty())
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Formula vuota per \"%1\".").arg(intervallo));
    const QByteArray u = U(f);
    d->PerOgniCella(intervallo, [&](pugi::xml_node c, TCella) {
        SvuotaNodo(c);
        c.append_child("f").text().set(u.constData());
    });
}

void TFoglio::Svuota(const QString& intervallo)
{
    d->PerOgniCella(intervallo, [&](pugi::xml_node c, TCella) { SvuotaNodo(c); });
}

bool TFoglio::Esiste(const QString& cella) const
{
    const auto c = d->CellaLettura(LeggiArea(cella).da);
    return c && (c.child("v") || c.child("f") || c.child("is"));
}

QString TFoglio::Testo(const QString& cella) const
{
    const auto c = d->CellaLettura(LeggiArea(cella).da);
    if (!c)
        return {};
    const QByteArray t = c.attribute("t").value();
    if (t == "s") {
        const int i = c.child("v").text().as_int(-1);
        return i >= 0 && i < int(d->testi.size()) ? d->testi[size_t(i)] : QString();
    }
    if (t == "inlineStr") {
        QString s;
        for (auto n : c.child("is").select_nodes(".//t"))
            s += Q(n.node().text().get());
        return s;
    }
    return Q(c.child("v").text().get());
}

double TFoglio::Numero(const QString& cella) const
{
    return ENumero(cella) ? d->CellaLettura(LeggiArea(cella).da).child("v").text().as_double() : 0.0;
}

bool TFoglio::ENumero(const QString& cella) const
{
    const auto c = d->CellaLettura(LeggiArea(cella).da);
    const QByteArray t = c.attribute("t").value();
    return c && c.child("v") && (t.isEmpty() || t == "n");
}

QString TFoglio::FormulaCella(const QString& cella) const
{
    const auto c = d->CellaLettura(LeggiArea(cella).da);
    return c ? Q(c.child("f").text().get()) : QString();
}

int TFoglio::IndiceStile(const QString& cella) const
{
    const TCella t = LeggiArea(cella).da;
    auto* dd = d.get();
    const auto c = dd->CellaLettura(t);
    if (c)
        return dd->StileCella(c);
    auto& f = dd->Attivo();
    const auto r = dd->Riga(f, t.riga, false);
    if (r && r.attribute("customFormat").as_bool())
        return r.attribute("s").as_int();
    return dd->StileColonna(f, t.colonna);
}

QStringList TFoglio::Unioni() const
{
    QStringList l;
    for (auto m : d->Attivo().radice.child("mergeCells").children("mergeCell"))
        l << Q(m.attribute("ref").value());
    return l;
}

double TFoglio::AltezzaRiga(int riga) const
{
    auto& f = const_cast<TDati*>(d.get())->Attivo();
    const auto r = d->Riga(f, riga, false);
    if (r && r.attribute("ht"))
        return r.attribute("ht").as_double();
    return f.radice.child("sheetFormatPr").attribute("defaultRowHeight").as_double(15.0);
}

double TFoglio::LarghezzaColonna(int colonna) const
{
    const auto& f = d->Attivo();
    for (const auto& c : d->Colonne(f))
        if (colonna >= c.min && colonna <= c.max && c.larghezza >= 0)
            return c.larghezza;
    return f.radice.child("sheetFormatPr")
        .attribute("defaultColWidth")
        .as_double(f.radice.child("sheetFormatPr").attribute("baseColWidth").as_double(8.0) + 0.71);
}

int TFoglio::UltimaRiga() const
{
    auto& f = const_cast<TDati*>(d.get())->Attivo();
    d->Indicizza(f);
    for (auto it = f.righe.rbegin(); it != f.righe.rend(); ++it)
        if (it->second.first_child() || it->second.attribute("customFormat").as_bool())
            return it->first;
    return 0;
}

int TFoglio::UltimaColonna() const
{
    int massimo = 0;
    for (auto r : d->Attivo().dati.children("row"))
        for (auto c : r.children("c")) {
            TCella t;
            if (LeggiCella(Q(c.attribute("r").value()), t))
                massimo = std::max(massimo, t.colonna);
        }
    return massimo;
}

std::vector<std::pair<int, int>> TFoglio::CellePresenti() const
{
    std::vector<std::pair<int, int>> celle;
    for (auto r : d->Attivo().dati.children("row"))
        for (auto c : r.children("c")) {
            TCella t;
            if (LeggiCella(Q(c.attribute("r").value()), t))
                celle.emplace_back(t.riga, t.colonna);
        }
    return celle;
}

void TFoglio::Proprieta(const QString& titolo, const QString& autore)
{
    const QString p = QStringLiteral("docProps/core.xml");
    if (!d->HaParte(p))
        return;
    auto radice = d->Xml(p).document_element();
    radice.child("dc:title").text().set(U(titolo).constData());
    radice.child("dc:creator").text().set(U(autore).constData());
}
