#include "posa/Udxfposa.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <memory>

namespace ColoriPosa {
namespace {
struct TColore
{
    int aci;
    QRgb rgb;
};
// Colori ben distinti su fondo bianco, con il loro indice più vicino della tavolozza del disegno.
constexpr TColore Tavolozza[] = {
    {1, qRgb(220, 30, 30)},  {5, qRgb(30, 60, 220)}, {3, qRgb(0, 150, 0)},    {6, qRgb(190, 0, 190)},
    {30, qRgb(230, 120, 0)}, {4, qRgb(0, 160, 170)}, {130, qRgb(0, 90, 140)}, {230, qRgb(150, 40, 90)},
};
constexpr int NumColori = int(std::size(Tavolozza));
int Indice(int collettore)
{
    return ((collettore % NumColori) + NumColori) % NumColori;
}
} // namespace

int Aci(int collettore)
{
    return Tavolozza[Indice(collettore)].aci;
}

QColor Rgb(int collettore)
{
    return QColor(Tavolozza[Indice(collettore)].rgb);
}
} // namespace ColoriPosa

namespace {
constexpr double Mm = 1000; // metri -> millimetri
constexpr int AciPerLivello = 256;

// Testo per il file: i caratteri fuori dall'ASCII come \U+XXXX, che ogni lettore riconosce.
std::string TestoDxf(const QString& t)
{
    std::string r;
    for (QChar c : t) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            r += char(c.unicode());
        else if (c.unicode() >= 127)
            r += QStringLiteral("\\U+%1").arg(c.unicode(), 4, 16, QChar('0')).toUpper().toStdString();
    }
    return r;
}

// Nome di livello accettabile: niente caratteri che i programmi di disegno rifiutano.
QString NomeLivello(const QString& nome)
{
    QString r;
    for (QChar c : nome)
        r += QStringLiteral("<>/\\\":;?*|=`").contains(c) || c.unicode() < 32 ? QChar('_') : c;
    return r.isEmpty() ? QStringLiteral("SFONDO") : r;
}

#ifdef Q_OS_WIN
constexpr char Nulla[] = "NUL";
#else
constexpr char Nulla[] = "/dev/null";
#endif

// Lo scrittore di dxflib manda ogni riga al disco con una scrittura a sé (decine di migliaia per
// piano): questo raccoglie le stesse righe in memoria, e il file si scrive in una volta.
class TMemoriaDxf : public DL_WriterA
{
public:
    explicit TMemoriaDxf(std::string& byte)
        : DL_WriterA(Nulla, DL_Codes::AC1015)
        , m_byte(byte)
    { }
    void dxfReal(int gc, double value) const override
    {
        char buf[64];
        auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
        if (ec != std::errc())
            fine = buf + std::snprintf(buf, sizeof buf, "%g", value);
        std::string_view t(buf, fine - buf);
        // Senza zeri finali, ma sempre con un decimale: 12.5, 3.0.
        while (t.size() > 2 && t.back() == '0' && t[t.size() - 2] != '.')
            t.remove_suffix(1);
        Riga(gc, t);
    }
    void dxfInt(int gc, int value) const override { Riga(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override
    {
        char buf[16];
        const auto fine = std::to_chars(buf, buf + sizeof buf, unsigned(value), 16).ptr;
        std::string t(buf, fine);
        for (char& c : t)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        Riga(gc, t);
    }
    void dxfString(int gc, const char* value) const override { Riga(gc, value ? value : ""); }
    void dxfString(int gc, const std::string& value) const override { Riga(gc, value); }

private:
    void Riga(int gc, std::string_view valore) const
    {
        // Il codice allineato a destra su tre colonne, poi il valore: una riga ciascuno.
        char riga[24];
        char* cifre = riga + 3;
        char* fine = std::to_chars(cifre, riga + sizeof riga - 1, gc).ptr;
        char* inizio = cifre - std::max<std::ptrdiff_t>(0, 3 - (fine - cifre));
        std::fill(inizio, cifre, ' ');
        *fine++ = '\n';
        m_byte.append(inizio, fine - inizio);
        m_byte.append(valore);
        m_byte += '\n';
    }

    std::string& m_byte;
};

class TScrittore
{
public:
    TScrittore(DL_Dxf& dxf, DL_WriterA& dw)
        : m_dxf(dxf)
        , m_dw(dw)
    { }

    void Polilinea(const QString& livello, const QPolygonF& p, bool chiusa, int colore = AciPerLivello)
    {
        if (p.size() < 2)
            return;
        const DL_Attributes a(TestoDxf(livello), colore, 0, "BYLAYER", 1.0);
        m_dxf.writePolyline(m_dw, DL_PolylineData(int(p.size()), 0, 0, chiusa ? 1 : 0), a);
        for (const QPointF& q : p)
            m_dxf.writeVertex(m_dw, DL_VertexData(q.x() * Mm, q.y() * Mm, 0, 0));
        m_dxf.writePolylineEnd(m_dw);
    }

    void Testo(const QString& livello, QPointF p, double altezza, const QString& t, int colore = AciPerLivello)
    {
        if (t.isEmpty())
            return;
        const DL_Attributes a(TestoDxf(livello), colore, 0, "BYLAYER", 1.0);
        m_dxf.writeText(m_dw,
                        DL_TextData(p.x() * Mm, p.y() * Mm, 0, p.x() * Mm, p.y() * Mm, 0, altezza * Mm, 1, 0, 0, 0,
                                    TestoDxf(t), "STANDARD", 0),
                        a);
    }

private:
    DL_Dxf& m_dxf;
    DL_WriterA& m_dw;
};

struct TLivelloDxf
{
    QString nome;
    int colore;
};

QList<TLivelloDxf> Livelli(const TPiano& piano)
{
    QList<TLivelloDxf> r {{QStringLiteral("0"), 7}};
    if (piano.sfondo.tipo == TSfondo::TTipo::Disegno)
        for (const TLivello& l : piano.sfondo.disegno.livelli)
            if (NomeLivello(l.nome) != QLatin1String("0"))
                r << TLivelloDxf {NomeLivello(l.nome), 8};
    r << TLivelloDxf {LivelliPosa::Locali, 7} << TLivelloDxf {LivelliPosa::ZoneSenzaTubo, 8}
      << TLivelloDxf {LivelliPosa::Circuiti, 1} << TLivelloDxf {LivelliPosa::Collegamenti, 1}
      << TLivelloDxf {LivelliPosa::Collettori, 7} << TLivelloDxf {LivelliPosa::Testi, 7};
    // Uno stesso nome una volta sola (uno sfondo può già avere un livello dei nostri).
    QList<TLivelloDxf> unici;
    for (const TLivelloDxf& l : r)
        if (std::none_of(unici.begin(), unici.end(), [&](const TLivelloDxf& u) { return u.nome == l.nome; }))
            unici << l;
    return unici;
}

void Tabelle(DL_Dxf& dxf, DL_WriterA& dw, const QList<TLivelloDxf>& livelli)
{
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(int(livelli.size()));
    for (const TLivelloDxf& l : livelli)
        dxf.writeLayer(dw, DL_LayerData(TestoDxf(l.nome), 0),
                       DL_Attributes(std::string(), l.colore, 0, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    for (const char* b : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(b, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, b);
    }
    dw.sectionEnd();
}

void Sfondo(TScrittore& s, const TPiano& piano)
{
    if (piano.sfondo.tipo != TSfondo::TTipo::Disegno)
        return;
    const TDisegno& d = piano.sfondo.disegno;
    auto livello = [&](int i) { return NomeLivello(i >= 0 && i < d.livelli.size() ? d.livelli[i].nome : QString()); };
    for (const TSpezzata& sp : d.spezzate)
        s.Polilinea(livello(sp.livello), sp.punti, sp.chiusa);
    for (const TTesto& t : d.testi)
        s.Testo(livello(t.livello), t.posizione, t.altezza, t.testo);
}

// Simbolo del collettore: una cassetta 60 x 12 cm con il nome sopra.
void Collettori(TScrittore& s, const TPiano& piano)
{
    int i = 0;
    for (auto c = piano.collettori.cbegin(); c != piano.collettori.cend(); ++c, ++i) {
        const QPointF p = c.value();
        const QPolygonF cassetta {p + QPointF(-0.3, -0.06), p + QPointF(0.3, -0.06), p + QPointF(0.3, 0.06),
                                  p + QPointF(-0.3, 0.06)};
        s.Polilinea(LivelliPosa::Collettori, cassetta, true, ColoriPosa::Aci(i));
        s.Testo(LivelliPosa::Collettori, p + QPointF(-0.3, 0.12), 0.15, c.key(), ColoriPosa::Aci(i));
    }
}

// Punto per i testi di un circuito: nella sua parte, il punto del percorso d'asse più centrale.
QPointF PuntoTesto(const TCircuitoPiano& c)
{
    const QPolygonF& asse = c.posa.ansa.asse.isEmpty() ? c.posa.ansa.tubo : c.posa.ansa.asse;
    const QPointF centro = c.posa.parte.esterno.boundingRect().center();
    QPointF migliore = asse.value(0);
    for (const QPointF& q : asse)
        if (QLineF(q, centro).length() < QLineF(migliore, centro).length())
            migliore = q;
    return migliore;
}
} // namespace

QPolygonF TDxfPosa::Collegamenti(const TCircuitoPiano& c)
{
    return c.posa.collegamento.mandata + c.posa.collegamento.ritorno;
}

QStringList TDxfPosa::Testi(const TCircuitoPiano& c)
{
    const QLocale it(QLocale::Italian, QLocale::Italy);
    return {c.nome, tr("p %1 cm  L %2 m").arg(it.toString(c.passo * 100, 'f', 0), it.toString(c.Totale(), 'f', 1))};
}

bool TDxfPosa::Scrivi(const QString& percorso, const TPiano& piano, const TPosaPiano& posa, QString* errore)
{
    auto fallisce = [&](const QString& m) {
        if (errore)
            *errore = m;
        return false;
    };
    std::string testo;
    {
        DL_Dxf dxf;
        // out() fissa la versione del disegno in dxf; il suo scrittore su file non serve.
        std::unique_ptr<DL_WriterA>(dxf.out(Nulla, DL_Codes::AC1015));
        auto dw = std::make_unique<TMemoriaDxf>(testo);
        dxf.writeHeader(*dw);
        dw->dxfString(9, "$INSUNITS");
        dw->dxfInt(70, 4); // millimetri
        dw->dxfString(9, "$MEASUREMENT");
        dw->dxfInt(70, 1);
        dw->sectionEnd();
        Tabelle(dxf, *dw, Livelli(piano));
        dw->sectionEntities();
        TScrittore s(dxf, *dw);
        Sfondo(s, piano);
        for (const TContornoLocale& l : piano.locali)
            s.Polilinea(LivelliPosa::Locali, l.contorno, true);
        for (const QPolygonF& z : piano.zoneSenzaTubi)
            s.Polilinea(LivelliPosa::ZoneSenzaTubo, z, true);
        for (const TCircuitoPiano& c : posa.circuiti) {
            if (!c.Posato())
                continue;
            const int colore = ColoriPosa::Aci(c.colore);
            s.Polilinea(LivelliPosa::Circuiti, c.posa.ansa.tubo, false, colore);
            s.Polilinea(LivelliPosa::Collegamenti, Collegamenti(c), false, colore);
            const QStringList t = Testi(c);
            const QPointF p = PuntoTesto(c);
            s.Testo(LivelliPosa::Testi, p + QPointF(0.05, 0.05), 0.12, t.value(0), colore);
            s.Testo(LivelliPosa::Testi, p + QPointF(0.05, -0.12), 0.09, t.value(1), colore);
        }
        Collettori(s, piano);
        dw->sectionEnd();
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
    }
    // Si scrive accanto e si sostituisce alla fine: un errore a metà non rovina il file che c'era.
    QSaveFile f(percorso);
    const QByteArray byte = QByteArray::fromStdString(testo);
    if (!f.open(QIODevice::WriteOnly) || f.write(byte) != byte.size() || !f.commit())
        return fallisce(
            tr("Impossibile scrivere il file %1: %2").arg(QDir::toNativeSeparators(percorso), f.errorString()));
    return true;
}
