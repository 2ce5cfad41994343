// Cartella di lavoro: stili delle celle, bordi, colonne, impaginazione.
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <sstream>

using namespace foglio;

namespace {

std::string Chiave(pugi::xml_node n)
{
    std::ostringstream o;
    n.print(o, "", pugi::format_raw);
    return o.str();
}

QByteArray Argb(const QString& rgb)
{
    return U(rgb.size() == 6 ? QStringLiteral("FF") + rgb.toUpper() : rgb.toUpper());
}

const struct
{
    int id;
    const char* codice;
} FormatiPredefiniti[] = {{0, "General"}, {1, "0"},      {2, "0.00"},      {3, "#,##0"},     {4, "#,##0.00"},
                          {9, "0%"},      {10, "0.00%"}, {11, "0.00E+00"}, {14, "mm-dd-yy"}, {49, "@"}};

const char* const LatiBordo[] = {"left", "right", "top", "bottom", "diagonal", nullptr};

// Lato del bordo di una cella per le voci che valgono per ogni cella.
const char* Lato(TBordo voce)
{
    switch (voce) {
    case TBordo::Sinistro:
    case TBordo::ContornoSinistro:
        return "left";
    case TBordo::Destro:
    case TBordo::ContornoDestro:
        return "right";
    case TBordo::Superiore:
    case TBordo::ContornoSuperiore:
        return "top";
    case TBordo::Inferiore:
    case TBordo::ContornoInferiore:
        return "bottom";
    case TBordo::DiagonaleGiu:
    case TBordo::DiagonaleSu:
        return "diagonal";
    default:
        return nullptr;
    }
}

} // namespace

void foglio::Attributo(pugi::xml_node n, const char* nome, const char* valore)
{
    if (!n.attribute(nome))
        n.append_attribute(nome);
    n.attribute(nome).set_value(valore);
}

void foglio::Attributo(pugi::xml_node n, const char* nome, int valore)
{
    Attributo(n, nome, QByteArray::number(valore).constData());
}

void foglio::Attributo(pugi::xml_node n, const char* nome, double valore)
{
    Attributo(n, nome, QByteArray::number(valore, 'g', 10).constData());
}

// ---------------------------------------------------------------------------------------------
// Linee

QString foglio::NomeLinea(int linea, int spessore)
{
    const bool medio = spessore == TSpessore::Medio || spessore == TSpessore::Spesso;
    switch (linea) {
    case TLinea::Continua:
        return spessore == TSpessore::Capello ? QStringLiteral("hair")
            : spessore == TSpessore::Medio    ? QStringLiteral("medium")
            : spessore == TSpessore::Spesso   ? QStringLiteral("thick")
                                              : QStringLiteral("thin");
    case TLinea::Tratteggiata:
        return medio ? QStringLiteral("mediumDashed") : QStringLiteral("dashed");
    case TLinea::Punteggiata:
        return QStringLiteral("dotted");
    case TLinea::Doppia:
        return QStringLiteral("double");
    case TLinea::TrattoPunto:
        return medio ? QStringLiteral("mediumDashDot") : QStringLiteral("dashDot");
    case TLinea::TrattoPuntoPunto:
        return medio ? QStringLiteral("mediumDashDotDot") : QStringLiteral("dashDotDot");
    case TLinea::Nessuna:
        return {};
    default:
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Stile di linea %1 non previsto.").arg(linea));
    }
}

int foglio::LineaDaNome(const QString& n)
{
    if (n.isEmpty() || n == QLatin1String("none"))
        return TLinea::Nessuna;
    if (n == QLatin1String("thin") || n == QLatin1String("medium") || n == QLatin1String("thick")
        || n == QLatin1String("hair"))
        return TLinea::Continua;
    if (n.endsWith(QLatin1String("ashed")))
        return TLinea::Tratteggiata;
    if (n == QLatin1String("dotted"))
        return TLinea::Punteggiata;
    if (n == QLatin1String("double"))
        return TLinea::Doppia;
    if (n.endsWith(QLatin1String("DashDotDot")) || n == QLatin1String("dashDotDot"))
        return TLinea::TrattoPuntoPunto;
    return TLinea::TrattoPunto;
}

int foglio::SpessoreDaNome(const QString& n)
{
    if (n == QLatin1String("hair"))
        return TSpessore::Capello;
    if (n.startsWith(QLatin1String("medium")))
        return TSpessore::Medio;
    if (n == QLatin1String("thick") || n == QLatin1String("double"))
        return TSpessore::Spesso;
    return TSpessore::Sottile;
}

void foglio::ApplicaBordo(pugi::xml_node bordo, const char* lato, int linea, int spessore, const QString& colore)
{
    pugi::xml_node lati[5];
    for (int i = 0; LatiBordo[i]; ++i)
        lati[i] = bordo.child(LatiBordo[i]);
    // I lati vanno nell'ordine dello schema: si ricreano quelli mancanti al loro posto.
    for (int i = 0; LatiBordo[i]; ++i)
        if (!lati[i]) {
            pugi::xml_node prima;
            for (int k = i + 1; LatiBordo[k] && !prima; ++k)
                prima = lati[k];
            lati[i] = prima ? bordo.insert_child_before(LatiBordo[i], prima) : bordo.append_child(LatiBordo[i]);
        }
    pugi::xml_node l = bordo.child(lato);
    while (l.first_attribute())
        l.remove_attribute(l.first_attribute());
    while (l.first_child())
        l.remove_child(l.first_child());
    const QString nome = NomeLinea(linea, spessore);
    if (nome.isEmpty())
        return;
    l.append_attribute("style") = U(nome).constData();
    auto c = l.append_child("color");
    if (colore.isEmpty())
        c.append_attribute("auto") = 1;
    else
        c.append_attribute("rgb") = Argb(colore).constData();
}

// ---------------------------------------------------------------------------------------------
// Registro

void TStili::Carica(pugi::xml_document* d)
{
    doc = d;
    radice = d->document_element();
    elenchi.clear();
    formati.clear();
    varianti.clear();
    for (auto f : radice.child("numFmts").children("numFmt"))
        formati[f.attribute("numFmtId").as_int()] = Q(f.attribute("formatCode").value());
    // Almeno uno stile di cella: il foglio ne presuppone uno.
    auto& xf = Elenco("cellXfs", "xf");
    if (xf.voci.empty()) {
        pugi::xml_document t;
        auto n = t.append_child("xf");
        for (const char* a : {"numFmtId", "fontId", "fillId", "borderId", "xfId"})
            n.append_attribute(a) = 0;
        Aggiungi("cellXfs", "xf", n);
    }
}

TStili::TElenco& TStili::Elenco(const char* nome, const char* voce)
{
    auto it = elenchi.find(nome);
    if (it != elenchi.end())
        return it->second;
    TElenco& e = elenchi[nome];
    e.nodo = FiglioOrdinato(radice, nome, OrdineStili);
    for (auto v : e.nodo.children(voce)) {
        e.chiavi.emplace(Chiave(v), int(e.voci.size()));
        e.voci.push_back(v);
    }
    return e;
}

int TStili::Aggiungi(const char* elenco, const char* voce, pugi::xml_node modello)
{
    TElenco& e = Elenco(elenco, voce);
    const std::string k = Chiave(modello);
    auto it = e.chiavi.find(k);
    if (it != e.chiavi.end())
        return it->second;
    auto n = e.nodo.append_copy(modello);
    const int indice = int(e.voci.size());
    e.voci.push_back(n);
    e.chiavi.emplace(k, indice);
    return indice;
}

int TStili::Conta(const char* elenco)
{
    static const std::map<std::string, const char*> voci
        = {{"fonts", "font"}, {"fills", "fill"}, {"borders", "border"}, {"cellXfs", "xf"}, {"dxfs", "dxf"}};
    return int(Elenco(elenco, voci.at(elenco)).voci.size());
}

pugi::xml_node TStili::Xf(int indice)
{
    auto& e = Elenco("cellXfs", "xf");
    return indice >= 0 && indice < int(e.voci.size()) ? e.voci[size_t(indice)] : e.voci.front();
}

int TStili::IdFormato(const QString& codice)
{
    for (const auto& f : FormatiPredefiniti)
        if (codice == QLatin1String(f.codice))
            return f.id;
    int massimo = 163;
    for (const auto& [id, c] : formati) {
        if (c == codice)
            return id;
        massimo = std::max(massimo, id);
    }
    auto elenco = FiglioOrdinato(radice, "numFmts", OrdineStili);
    auto n = elenco.append_child("numFmt");
    n.append_attribute("numFmtId") = massimo + 1;
    n.append_attribute("formatCode") = U(codice).constData();
    formati[massimo + 1] = codice;
    return massimo + 1;
}

QString TStili::CodiceFormato(int id) const
{
    auto it = formati.find(id);
    if (it != formati.end())
        return it->second;
    for (const auto& f : FormatiPredefiniti)
        if (f.id == id)
            return QLatin1String(f.codice);
    return QStringLiteral("General");
}

int TStili::ConBordo(int xf, TBordo voce, int linea, int spessore, const QString& colore)
{
    const QString chiave
        = QStringLiteral("%1|b%2|%3|%4|%5").arg(xf).arg(int(voce)).arg(linea).arg(spessore).arg(colore);
    auto it = varianti.constFind(chiave);
    if (it != varianti.constEnd())
        return it.value();
    auto& bordi = Elenco("borders", "border");
    pugi::xml_document t;
    const int vecchio = Xf(xf).attribute("borderId").as_int();
    pugi::xml_node b
        = vecchio < int(bordi.voci.size()) ? t.append_copy(bordi.voci[size_t(vecchio)]) : t.append_child("border");
    const char* lato = Lato(voce);
    if (!lato)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Voce di bordo %1 non valida per una cella.").arg(int(voce)));
    ApplicaBordo(b, lato, linea, spessore, colore);
    if (voce == TBordo::DiagonaleGiu || voce == TBordo::DiagonaleSu)
        Attributo(b, voce == TBordo::DiagonaleGiu ? "diagonalDown" : "diagonalUp", linea == TLinea::Nessuna ? 0 : 1);
    const int idBordo = Aggiungi("borders", "border", b);
    pugi::xml_document tx;
    auto x = tx.append_copy(Xf(xf));
    Attributo(x, "borderId", idBordo);
    Attributo(x, "applyBorder", 1);
    const int nuovo = Aggiungi("cellXfs", "xf", x);
    varianti.insert(chiave, nuovo);
    return nuovo;
}

int TStili::ConStile(int xf, const TStile& s)
{
    pugi::xml_document tx;
    auto x = tx.append_copy(Xf(xf));
    if (s.carattere || s.dimensione || s.grassetto || s.corsivo || s.colore) {
        auto& fonts = Elenco("fonts", "font");
        pugi::xml_document tf;
        const int vecchio = x.attribute("fontId").as_int();
        auto f
            = vecchio < int(fonts.voci.size()) ? tf.append_copy(fonts.voci[size_t(vecchio)]) : tf.append_child("font");
        auto imposta = [&](const char* nome, bool presente, const QByteArray& val, bool inTesta) {
            f.remove_child(nome);
            if (!presente)
                return;
            auto n = inTesta ? f.prepend_child(nome) : f.append_child(nome);
            if (!val.isEmpty())
                n.append_attribute(strcmp(nome, "color") == 0 ? "rgb" : "val") = val.constData();
        };
        if (s.corsivo)
            imposta("i", *s.corsivo, {}, true);
        if (s.grassetto)
            imposta("b", *s.grassetto, {}, true);
        if (s.dimensione)
            imposta("sz", true, QByteArray::number(*s.dimensione), false);
        if (s.colore)
            imposta("color", true, Argb(*s.colore), false);
        if (s.carattere) {
            imposta("name", true, U(*s.carattere), false);
            f.remove_child("scheme");
        }
        Attributo(x, "fontId", Aggiungi("fonts", "font", f));
        Attributo(x, "applyFont", 1);
    }
    if (s.sfondo) {
        pugi::xml_document tf;
        auto f = tf.append_child("fill");
        auto p = f.append_child("patternFill");
        p.append_attribute("patternType") = "solid";
        p.append_child("fgColor").append_attribute("rgb") = Argb(*s.sfondo).constData();
        p.append_child("bgColor").append_attribute("indexed") = 64;
        Attributo(x, "fillId", Aggiungi("fills", "fill", f));
        Attributo(x, "applyFill", 1);
    }
    if (s.formato) {
        Attributo(x, "numFmtId", IdFormato(*s.formato));
        Attributo(x, "applyNumberFormat", 1);
    }
    if (s.orizzontale || s.verticale || s.aCapo || s.rientro) {
        auto a = x.child("alignment");
        if (!a)
            a = x.prepend_child("alignment");
        auto nome = [](TAllineamento v) {
            switch (v) {
            case TAllineamento::Sinistra:
                return "left";
            case TAllineamento::Centro:
                return "center";
            case TAllineamento::Destra:
                return "right";
            case TAllineamento::Giustificato:
                return "justify";
            case TAllineamento::Alto:
                return "top";
            case TAllineamento::Basso:
                return "bottom";
            default:
                return "general";
            }
        };
        if (s.orizzontale)
            Attributo(a, "horizontal", nome(*s.orizzontale));
        if (s.verticale)
            Attributo(a, "vertical", *s.verticale == TAllineamento::Centro ? "center" : nome(*s.verticale));
        if (s.aCapo)
            Attributo(a, "wrapText", *s.aCapo ? 1 : 0);
        if (s.rientro)
            Attributo(a, "indent", *s.rientro);
        Attributo(x, "applyAlignment", 1);
    }
    return Aggiungi("cellXfs", "xf", x);
}

int TStili::Dxf(const TStile& s, const std::vector<TBordo>& bordi, int linea)
{
    pugi::xml_document t;
    auto d = t.append_child("dxf");
    if (s.grassetto || s.corsivo || s.colore) {
        auto f = d.append_child("font");
        if (s.grassetto)
            f.append_child("b").append_attribute("val") = *s.grassetto ? 1 : 0;
        if (s.corsivo)
            f.append_child("i").append_attribute("val") = *s.corsivo ? 1 : 0;
        if (s.colore)
            f.append_child("color").append_attribute("rgb") = Argb(*s.colore).constData();
    }
    if (s.formato) {
        auto n = d.append_child("numFmt");
        n.append_attribute("numFmtId") = IdFormato(*s.formato);
        n.append_attribute("formatCode") = U(*s.formato).constData();
    }
    if (s.sfondo) {
        // Nei formati differenziali il colore del riempimento pieno sta nello sfondo del motivo.
        auto p = d.append_child("fill").append_child("patternFill");
        p.append_attribute("patternType") = "solid";
        p.append_child("fgColor").append_attribute("rgb") = Argb(*s.sfondo).constData();
        p.append_child("bgColor").append_attribute("rgb") = Argb(*s.sfondo).constData();
    }
    if (!bordi.empty()) {
        auto b = d.append_child("border");
        for (TBordo v : bordi)
            if (const char* lato = Lato(v))
                ApplicaBordo(b, lato, linea, TSpessore::Sottile, {});
    }
    Elenco("dxfs", "dxf");
    return Aggiungi("dxfs", "dxf", d);
}

// ---------------------------------------------------------------------------------------------
// Bordi

void TFoglio::Bordo(const QString& intervallo, TBordo voce, int linea, int spessore, const QString& colore)
{
    NomeLinea(linea, spessore); // rifiuta uno stile sconosciuto prima di toccare le celle
    const TArea a = LeggiArea(intervallo);
    auto& f = d->Attivo();
    for (int r = a.da.riga; r <= a.a.riga; ++r)
        for (int c = a.da.colonna; c <= a.a.colonna; ++c) {
            std::vector<TBordo> lati;
            switch (voce) {
            case TBordo::ContornoSinistro:
                if (c == a.da.colonna)
                    lati.push_back(voce);
                break;
            case TBordo::ContornoDestro:
                if (c == a.a.colonna)
                    lati.push_back(voce);
                break;
            case TBordo::ContornoSuperiore:
                if (r == a.da.riga)
                    lati.push_back(voce);
                break;
            case TBordo::ContornoInferiore:
                if (r == a.a.riga)
                    lati.push_back(voce);
                break;
            case TBordo::InternoVerticale:
                if (c > a.da.colonna)
                    lati.push_back(TBordo::Sinistro);
                if (c < a.a.colonna)
                    lati.push_back(TBordo::Destro);
                break;
            case TBordo::InternoOrizzontale:
                if (r > a.da.riga)
                    lati.push_back(TBordo::Superiore);
                if (r < a.a.riga)
                    lati.push_back(TBordo::Inferiore);
                break;
            default:
                lati.push_back(voce);
            }
            if (lati.empty())
                continue;
            auto cella = d->Cella(f, {c, r}, true);
            int xf = d->StileCella(cella);
            for (TBordo l : lati)
                xf = d->stili.ConBordo(xf, l, linea, spessore, colore);
            if (!cella.attribute("s"))
                cella.append_attribute("s");
            cella.attribute("s").set_value(xf);
        }
}

void TFoglio::TuttiIBordi(const QString& intervallo, int linea, int spessore, const QString& colore)
{
    NomeLinea(linea, spessore);
    d->PerOgniCella(intervallo, [&](pugi::xml_node cella, TCella) {
        int xf = d->StileCella(cella);
        for (TBordo l : {TBordo::Sinistro, TBordo::Destro, TBordo::Superiore, TBordo::Inferiore})
            xf = d->stili.ConBordo(xf, l, linea, spessore, colore);
        Attributo(cella, "s", xf);
    });
}

int TFoglio::StileBordo(const QString& cella, TBordo voce) const
{
    const char* lato = Lato(voce);
    if (!lato)
        return TLinea::Nessuna;
    auto& st = const_cast<TStili&>(d->stili);
    const int id = st.Xf(IndiceStile(cella)).attribute("borderId").as_int();
    auto& bordi = st.Elenco("borders", "border");
    if (id >= int(bordi.voci.size()))
        return TLinea::Nessuna;
    return LineaDaNome(Q(bordi.voci[size_t(id)].child(lato).attribute("style").value()));
}

int TFoglio::SpessoreBordo(const QString& cella, TBordo voce) const
{
    const char* lato = Lato(voce);
    auto& st = const_cast<TStili&>(d->stili);
    const int id = st.Xf(IndiceStile(cella)).attribute("borderId").as_int();
    auto& bordi = st.Elenco("borders", "border");
    if (!lato || id >= int(bordi.voci.size()))
        return 0;
    const QString nome = Q(bordi.voci[size_t(id)].child(lato).attribute("style").value());
    return nome.isEmpty() ? 0 : SpessoreDaNome(nome);
}

QString TFoglio::FormatoNumero(const QString& cella) const
{
    auto& st = const_cast<TStili&>(d->stili);
    return st.CodiceFormato(st.Xf(IndiceStile(cella)).attribute("numFmtId").as_int());
}

bool TFoglio::Grassetto(const QString& cella) const
{
    auto& st = const_cast<TStili&>(d->stili);
    const int id = st.Xf(IndiceStile(cella)).attribute("fontId").as_int();
    auto& fonts = st.Elenco("fonts", "font");
    if (id >= int(fonts.voci.size()))
        return false;
    auto b = fonts.voci[size_t(id)].child("b");
    return b && b.attribute("val").as_bool(true);
}

QString TFoglio::Sfondo(const QString& cella) const
{
    auto& st = const_cast<TStili&>(d->stili);
    const int id = st.Xf(IndiceStile(cella)).attribute("fillId").as_int();
    auto& fills = st.Elenco("fills", "fill");
    if (id >= int(fills.voci.size()))
        return {};
    const QString rgb = Q(fills.voci[size_t(id)].child("patternFill").child("fgColor").attribute("rgb").value());
    return rgb.size() == 8 ? rgb.mid(2) : rgb;
}

// ---------------------------------------------------------------------------------------------
// Formati, colonne, righe

void TFoglio::Formatta(const QString& intervallo, const TStile& stile)
{
    d->PerOgniCella(intervallo,
                    [&](pugi::xml_node c, TCella) { Attributo(c, "s", d->stili.ConStile(d->StileCella(c), stile)); });
}

// Intervallo di colonne "A:C", "D" o "$A:$C".
std::pair<int, int> foglio::LeggiColonne(const QString& testo)
{
    QString t = testo;
    t.remove(u'$');
    const QStringList p = t.split(u':');
    const int da = TFoglio::NumeroColonna(p.value(0));
    const int a = p.size() > 1 ? TFoglio::NumeroColonna(p.value(1)) : da;
    if (da <= 0 || a <= 0 || p.size() > 2)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Intervallo di colonne non valido: \"%1\".").arg(testo));
    return {std::min(da, a), std::max(da, a)};
}

namespace {

using TAttributi = std::vector<std::pair<std::string, std::string>>;

// Riscrive <cols> dopo aver modificato le colonne da..a una per una; le colonne uguali e
// contigue tornano a essere un solo elemento.
template<typename F> void ModificaColonne(pugi::xml_node foglio, int da, int a, F&& modifica)
{
    std::map<int, TAttributi> colonne;
    auto cols = foglio.child("cols");
    for (auto c : cols.children("col")) {
        TAttributi attr;
        for (auto at : c.attributes())
            if (strcmp(at.name(), "min") != 0 && strcmp(at.name(), "max") != 0)
                attr.emplace_back(at.name(), at.value());
        for (int i = c.attribute("min").as_int(); i <= c.attribute("max").as_int(); ++i)
            colonne[i] = attr;
    }
    for (int i = da; i <= a; ++i)
        modifica(colonne[i]);
    if (cols)
        foglio.remove_child(cols);
    cols = FiglioOrdinato(foglio, "cols", OrdineFoglio);
    for (auto it = colonne.begin(); it != colonne.end();) {
        auto fine = it;
        while (std::next(fine) != colonne.end() && std::next(fine)->first == fine->first + 1
               && std::next(fine)->second == it->second)
            ++fine;
        auto c = cols.append_child("col");
        c.append_attribute("min") = it->first;
        c.append_attribute("max") = fine->first;
        for (const auto& [n, v] : it->second)
            c.append_attribute(n.c_str()) = v.c_str();
        it = std::next(fine);
    }
}

void Imposta(TAttributi& a, const std::string& nome, const std::string& valore)
{
    for (auto& [n, v] : a)
        if (n == nome) {
            v = valore;
            return;
        }
    a.emplace_back(nome, valore);
}
std::string Leggi(const TAttributi& a, const std::string& nome)
{
    for (const auto& [n, v] : a)
        if (n == nome)
            return v;
    return {};
}
} // namespace

void TFoglio::FormattaColonne(const QString& colonne, const TStile& stile)
{
    const auto [da, a] = LeggiColonne(colonne);
    auto& f = d->Attivo();
    const int prima = da; // clang 14 non cattura i binding strutturati nelle lambda
    ModificaColonne(f.radice, da, a, [&](TAttributi& attr) {
        const int xf = d->stili.ConStile(std::atoi(Leggi(attr, "style").c_str()), stile);
        Imposta(attr, "style", std::to_string(xf));
        if (Leggi(attr, "width").empty()) {
            Imposta(attr, "width", QByteArray::number(LarghezzaColonna(prima)).toStdString());
        }
    });
}

void TFoglio::LarghezzaColonne(const QString& colonne, double caratteri)
{
    const auto [da, a] = LeggiColonne(colonne);
    ModificaColonne(d->Attivo().radice, da, a, [&](TAttributi& attr) {
        Imposta(attr, "width", QByteArray::number(caratteri, 'g', 8).toStdString());
        Imposta(attr, "customWidth", "1");
    });
}

void TFoglio::AltezzaRiga(int riga, double punti)
{
    if (riga < 1 || riga > MaxRighe)
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Riga %1 non valida.").arg(riga));
    auto r = d->Riga(d->Attivo(), riga, true);
    Attributo(r, "ht", punti);
    Attributo(r, "customHeight", 1);
}

void TFoglio::AltezzaPredefinita(double punti)
{
    auto f = FiglioOrdinato(d->Attivo().radice, "sheetFormatPr", OrdineFoglio);
    Attributo(f, "defaultRowHeight", punti);
    Attributo(f, "customHeight", 1);
}

void TFoglio::Unisci(const QString& intervallo)
{
    const TArea a = LeggiArea(intervallo);
    auto m = FiglioOrdinato(d->Attivo().radice, "mergeCells", OrdineFoglio);
    m.append_child("mergeCell").append_attribute("ref") = U(Rif(a.da) + u':' + Rif(a.a)).constData();
    Attributo(m, "count", int(std::distance(m.begin(), m.end())));
}
