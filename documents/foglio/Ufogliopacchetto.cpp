// Cartella di lavoro: pacchetto (parti, relazioni, tipi), indirizzi, apertura e salvataggio.
#include "data/Uerrori.h"
#include "data/Ufilenormale.h"
#include "data/Usalvataggio.h"
#include "documents/foglio/Uarchivio.h"
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <sstream>

using namespace foglio;

namespace {

const char* const XmlIntestazione = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

std::unique_ptr<pugi::xml_document> Analizza(const QByteArray& dati, const QString& parte)
{
    auto doc = std::make_unique<pugi::xml_document>();
    const auto esito = doc->load_buffer(dati.constData(), size_t(dati.size()),
                                        pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_utf8);
    if (!esito)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "La parte \"%1\" della cartella di lavoro è danneggiata (%2).")
                .arg(parte, Q(esito.description())));
    return doc;
}

QByteArray Serializza(const pugi::xml_document& doc)
{
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    QByteArray b(XmlIntestazione);
    b.append(out.str().c_str(), qsizetype(out.str().size()));
    return b;
}

const char* const VuotoCartella
    = R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><workbookPr/><bookViews><workbookView activeTab="0"/></bookViews><sheets/><calcPr calcId="191029" fullCalcOnLoad="1"/></workbook>)";
const char* const VuotoStili
    = R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><fonts count="1"><font><sz val="10"/><name val="Arial"/><family val="2"/></font></fonts><fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills><borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs><cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs><cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles><dxfs count="0"/></styleSheet>)";
const char* const VuotoTipi
    = R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/></Types>)";
const char* const VuotoRelazioni
    = R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"/>)";
const char* const VuotoCore
    = R"(<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><dc:title></dc:title><dc:creator></dc:creator></cp:coreProperties>)";
const char* const VuotoApp
    = R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"><Application>TERMOVELA</Application></Properties>)";

// Solo un file normale: aprire una pipe bloccherebbe finché qualcuno non ci scrive, un
// dispositivo come /dev/zero non finirebbe mai. Un file che manca lo dice l'apertura.
void ControllaFileNormale(const QString& file)
{
    const TFileNormale esame = EsaminaFile(file);
    if (esame.tipo == TFileNormale::Cartella || esame.tipo == TFileNormale::Speciale
        || esame.tipo == TFileNormale::Collegamento)
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Il file \"%1\" %2.")
                                .arg(QDir::toNativeSeparators(file), esame.motivo));
}

// Il file del pacchetto, che non può essere più grande di quanto se ne decomprime.
QByteArray LeggiPacchetto(QFile& f, const QString& nome)
{
    const qint64 limite = LimitiArchivio().totale;
    if (f.size() > limite)
        throw TErroreFoglio(MessaggioArchivioTroppoGrande(
            nome, QCoreApplication::translate("TFoglio", "supera %1").arg(TestoDimensione(limite))));
    return f.read(limite + 1);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Indirizzi

bool foglio::LeggiCella(QStringView t, TCella& cella)
{
    int i = 0;
    const int n = int(t.size());
    if (i < n && t[i] == u'$')
        ++i;
    int col = 0, lettere = 0;
    while (i < n && t[i].isLetter() && t[i].unicode() < 128) {
        col = col * 26 + (t[i].toUpper().unicode() - 'A' + 1);
        ++i;
        if (++lettere > 3)
            return false;
    }
    if (lettere == 0)
        return false;
    if (i < n && t[i] == u'$')
        ++i;
    qint64 riga = 0;
    int cifre = 0;
    while (i < n && t[i].isDigit()) {
        riga = riga * 10 + (t[i].unicode() - '0');
        ++i;
        if (++cifre > 7)
            return false;
    }
    if (cifre == 0 || i != n || riga < 1 || riga > MaxRighe || col > MaxColonne)
        return false;
    cella = {col, int(riga)};
    return true;
}

TArea foglio::LeggiArea(const QString& testo)
{
    const QString t = testo.trimmed();
    const qsizetype dp = t.indexOf(u':');
    TArea a;
    const bool ok = dp < 0 ? LeggiCella(t, a.da)
                           : LeggiCella(QStringView(t).left(dp), a.da) && LeggiCella(QStringView(t).mid(dp + 1), a.a);
    if (!ok)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Indirizzo di cella non valido: \"%1\".").arg(testo));
    if (dp < 0)
        a.a = a.da;
    if (a.a.colonna < a.da.colonna)
        std::swap(a.a.colonna, a.da.colonna);
    if (a.a.riga < a.da.riga)
        std::swap(a.a.riga, a.da.riga);
    return a;
}

QString foglio::Rif(TCella c)
{
    return TFoglio::Indirizzo(c.colonna, c.riga);
}

int TFoglio::NumeroColonna(const QString& lettere)
{
    TCella c;
    return LeggiCella(QString(lettere + u'1'), c) ? c.colonna : 0;
}

QString TFoglio::LettereColonna(int colonna)
{
    QString s;
    while (colonna > 0) {
        const int resto = (colonna - 1) % 26;
        s.prepend(QChar(u'A' + resto));
        colonna = (colonna - 1) / 26;
    }
    return s;
}

QString TFoglio::Indirizzo(int colonna, int riga)
{
    return LettereColonna(colonna) + QString::number(riga);
}

QString TFoglio::TestoFisso(double numero, int decimali)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(numero, 'f', decimali);
}

// ---------------------------------------------------------------------------------------------
// Ordine degli elementi dello schema: i lettori severi rifiutano un ordine diverso.

const char* const foglio::OrdineFoglio[] = {"sheetPr",
                                            "dimension",
                                            "sheetViews",
                                            "sheetFormatPr",
                                            "cols",
                                            "sheetData",
                                            "sheetCalcPr",
                                            "sheetProtection",
                                            "protectedRanges",
                                            "scenarios",
                                            "autoFilter",
                                            "sortState",
                                            "dataConsolidate",
                                            "customSheetViews",
                                            "mergeCells",
                                            "phoneticPr",
                                            "conditionalFormatting",
                                            "dataValidations",
                                            "hyperlinks",
                                            "printOptions",
                                            "pageMargins",
                                            "pageSetup",
                                            "headerFooter",
                                            "rowBreaks",
                                            "colBreaks",
                                            "customProperties",
                                            "cellWatches",
                                            "ignoredErrors",
                                            "smartTags",
                                            "drawing",
                                            "legacyDrawing",
                                            "legacyDrawingHF",
                                            "drawingHF",
                                            "picture",
                                            "oleObjects",
                                            "controls",
                                            "webPublishItems",
                                            "tableParts",
                                            "extLst",
                                            nullptr};
const char* const foglio::OrdineCartella[] = {"fileVersion",    "fileSharing",
                                              "workbookPr",     "workbookProtection",
                                              "bookViews",      "sheets",
                                              "functionGroups", "externalReferences",
                                              "definedNames",   "calcPr",
                                              "oleSize",        "customWorkbookViews",
                                              "pivotCaches",    "smartTagPr",
                                              "smartTagTypes",  "webPublishing",
                                              "fileRecoveryPr", "webPublishObjects",
                                              "extLst",         nullptr};
const char* const foglio::OrdineStili[] = {"numFmts",    "fonts", "fills",       "borders", "cellStyleXfs", "cellXfs",
                                           "cellStyles", "dxfs",  "tableStyles", "colors",  "extLst",       nullptr};

pugi::xml_node foglio::FiglioOrdinato(pugi::xml_node padre, const char* nome, const char* const* ordine)
{
    if (auto n = padre.child(nome))
        return n;
    int posizione = 0;
    while (ordine[posizione] && strcmp(ordine[posizione], nome) != 0)
        ++posizione;
    // Il primo figlio esistente che nello schema viene dopo.
    for (pugi::xml_node f = padre.first_child(); f; f = f.next_sibling()) {
        for (int k = posizione + 1; ordine[k]; ++k)
            if (strcmp(ordine[k], f.name()) == 0)
                return padre.insert_child_before(nome, f);
    }
    return padre.append_child(nome);
}

pugi::xml_node foglio::CercaFiglio(pugi::xml_node n, const char* nome)
{
    return n.child(nome);
}

// ---------------------------------------------------------------------------------------------
// Pacchetto

pugi::xml_document& TFoglio::TDati::Xml(const QString& parte)
{
    auto it = parti.find(parte);
    if (it == parti.end())
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Manca la parte \"%1\" della cartella di lavoro.").arg(parte));
    if (!it->second.xml)
        it->second.xml = Analizza(it->second.grezzo, parte);
    return *it->second.xml;
}

pugi::xml_document& TFoglio::TDati::NuovaParte(const QString& parte, const char* testo, const QString& tipo)
{
    TParte p;
    p.xml = Analizza(QByteArray(testo), parte);
    if (!parti.count(parte))
        ordine.push_back(parte);
    parti[parte] = std::move(p);
    if (!tipo.isEmpty())
        TipoOverride(parte, tipo);
    return *parti[parte].xml;
}

void TFoglio::TDati::ScriviParte(const QString& parte, const QByteArray& dati)
{
    if (!parti.count(parte))
        ordine.push_back(parte);
    parti[parte] = TParte {dati, nullptr};
}

QString TFoglio::TDati::ParteRelazioni(const QString& parte)
{
    const qsizetype barra = parte.lastIndexOf(u'/');
    return barra < 0 ? QStringLiteral("_rels/%1.rels").arg(parte)
                     : QStringLiteral("%1/_rels/%2.rels").arg(parte.left(barra), parte.mid(barra + 1));
}

QString TFoglio::TDati::Risolvi(const QString& parte, const QString& destinazione)
{
    if (destinazione.startsWith(u'/'))
        return destinazione.mid(1);
    const qsizetype barra = parte.lastIndexOf(u'/');
    const QString base = barra < 0 ? QString() : parte.left(barra + 1);
    return QDir::cleanPath(base + destinazione);
}

pugi::xml_document& TFoglio::TDati::Relazioni(const QString& parte)
{
    const QString rp = ParteRelazioni(parte);
    if (!HaParte(rp))
        return NuovaParte(rp, VuotoRelazioni);
    return Xml(rp);
}

QString TFoglio::TDati::AggiungiRelazione(const QString& parte, const char* tipo, const QString& destinazione)
{
    auto radice = Relazioni(parte).document_element();
    int massimo = 0;
    for (auto r : radice.children("Relationship")) {
        const QString id = Q(r.attribute("Id").value());
        if (id.startsWith(QLatin1String("rId")))
            massimo = std::max(massimo, id.mid(3).toInt());
    }
    const QString id = QStringLiteral("rId%1").arg(massimo + 1);
    auto r = radice.append_child("Relationship");
    r.append_attribute("Id") = U(id).constData();
    r.append_attribute("Type") = tipo;
    r.append_attribute("Target") = U(destinazione).constData();
    return id;
}

QString TFoglio::TDati::DestinazioneRelazione(const QString& parte, const QString& id) const
{
    auto it = parti.find(ParteRelazioni(parte));
    if (it == parti.end())
        return {};
    auto* self = const_cast<TFoglio::TDati*>(this);
    auto radice = self->Xml(it->first).document_element();
    for (auto r : radice.children("Relationship"))
        if (Q(r.attribute("Id").value()) == id)
            return Risolvi(parte, Q(r.attribute("Target").value()));
    return {};
}

void TFoglio::TDati::TipoOverride(const QString& parte, const QString& tipo)
{
    auto radice = Xml(QStringLiteral("[Content_Types].xml")).document_element();
    const QByteArray nome = U(u'/' + parte);
    for (auto o : radice.children("Override"))
        if (nome == o.attribute("PartName").value()) {
            o.attribute("ContentType").set_value(U(tipo).constData());
            return;
        }
    auto o = radice.append_child("Override");
    o.append_attribute("PartName") = nome.constData();
    o.append_attribute("ContentType") = U(tipo).constData();
}

void TFoglio::TDati::TipoDefault(const QString& estensione, const QString& tipo)
{
    auto radice = Xml(QStringLiteral("[Content_Types].xml")).document_element();
    for (auto o : radice.children("Default"))
        if (QString::compare(Q(o.attribute("Extension").value()), estensione, Qt::CaseInsensitive) == 0)
            return;
    auto o = radice.prepend_child("Default");
    o.append_attribute("Extension") = U(estensione).constData();
    o.append_attribute("ContentType") = U(tipo).constData();
}

QString TFoglio::TDati::NomeLibero(const QString& modello) const
{
    for (int i = 1;; ++i) {
        const QString nome = modello.arg(i);
        if (!HaParte(nome))
            return nome;
    }
}

void TFoglio::TDati::Carica(const QByteArray& zip, const QString& nomeFile)
{
    QByteArray copia = zip;
    TBufferArchivio buffer(&copia);
    QuaZip archivio(&buffer);
    const QString illeggibile
        = QCoreApplication::translate("TFoglio", "Il file \"%1\" non è una cartella di lavoro leggibile.")
              .arg(nomeFile);
    if (!archivio.open(QuaZip::mdUnzip))
        throw TErroreFoglio(illeggibile);
    // Ogni parte e il loro insieme hanno un limite: una "bomba" zip si ferma al primo blocco di troppo.
    const TLimitiArchivio& limiti = LimitiArchivio();
    if (archivio.getEntriesCount() > limiti.parti)
        throw TErroreFoglio(MessaggioArchivioTroppoGrande(
            nomeFile, QCoreApplication::translate("TFoglio", "contiene più di %1 parti").arg(limiti.parti)));
    qint64 totale = 0;
    for (bool ok = archivio.goToFirstFile(); ok; ok = archivio.goToNextFile()) {
        QString nome;
        QByteArray dati;
        const qint64 resto = limiti.totale - totale;
        switch (LeggiParte(archivio, std::min(limiti.parte, resto), nome, dati)) {
        case TEsitoParte::Letta:
            break;
        case TEsitoParte::TroppoGrande:
            throw TErroreFoglio(MessaggioArchivioTroppoGrande(
                nomeFile,
                resto < limiti.parte ? QCoreApplication::translate("TFoglio",
                                                                   "le parti superano %1 in tutto "
                                                                   "una volta decompresse")
                                           .arg(TestoDimensione(limiti.totale))
                                     : QCoreApplication::translate("TFoglio",
                                                                   "la parte \"%1\" supera %2 "
                                                                   "una volta decompressa")
                                           .arg(nome, TestoDimensione(limiti.parte))));
        case TEsitoParte::Falsa:
            throw TErroreFoglio(MessaggioArchivioTroppoGrande(
                nomeFile,
                QCoreApplication::translate("TFoglio",
                                            "la parte \"%1\" decompressa supera la dimensione "
                                            "che dichiara")
                    .arg(nome)));
        case TEsitoParte::Illeggibile:
            throw TErroreFoglio(illeggibile);
        }
        totale += dati.size();
        if (!nome.endsWith(u'/'))
            ScriviParte(nome, dati);
    }
    if (archivio.getZipError() != 0)
        throw TErroreFoglio(illeggibile);
    archivio.close();
    if (!HaParte(QStringLiteral("[Content_Types].xml")) || !HaParte(QStringLiteral("_rels/.rels")))
        throw TErroreFoglio(illeggibile);

    for (auto r : Xml(QStringLiteral("_rels/.rels")).document_element().children("Relationship"))
        if (QByteArray(r.attribute("Type").value()).endsWith("/officeDocument"))
            parteCartella = Risolvi(QString(), Q(r.attribute("Target").value()));
    if (parteCartella.isEmpty() || !HaParte(parteCartella))
        throw TErroreFoglio(illeggibile);

    auto cartella = Xml(parteCartella).document_element();
    auto rels = Relazioni(parteCartella).document_element();
    for (auto r : rels.children("Relationship")) {
        const QByteArray tipo = r.attribute("Type").value();
        const QString dest = Risolvi(parteCartella, Q(r.attribute("Target").value()));
        if (tipo == RelStili && HaParte(dest))
            stili.Carica(&Xml(dest));
        else if (tipo == RelStringhe && HaParte(dest))
            stringhe = &Xml(dest);
    }
    if (!stili.doc) {
        const QString p = QStringLiteral("xl/styles.xml");
        stili.Carica(&NuovaParte(p, VuotoStili,
                                 QStringLiteral("application/vnd.openxmlformats-officedocument."
                                                "spreadsheetml.styles+xml")));
        AggiungiRelazione(parteCartella, RelStili, QStringLiteral("styles.xml"));
    }
    for (auto s : cartella.child("sheets").children("sheet")) {
        TFoglioInterno f;
        f.nome = Q(s.attribute("name").value());
        f.parte = DestinazioneRelazione(parteCartella, Q(s.attribute("r:id").value()));
        if (f.parte.isEmpty() || !HaParte(f.parte))
            continue; // fogli di grafico o macro: non indirizzabili per numero di foglio di lavoro
        f.doc = &Xml(f.parte);
        f.radice = f.doc->document_element();
        if (strcmp(f.radice.name(), "worksheet") != 0)
            continue;
        f.dati = FiglioOrdinato(f.radice, "sheetData", OrdineFoglio);
        fogli.push_back(std::move(f));
    }
    if (fogli.empty())
        throw TErroreFoglio(illeggibile);
    attivo = std::clamp(cartella.child("bookViews").child("workbookView").attribute("activeTab").as_int(), 0,
                        int(fogli.size()) - 1);
    CaricaStringhe();
}

void TFoglio::TDati::CaricaStringhe()
{
    testi.clear();
    indiceTesti.clear();
    if (!stringhe)
        return;
    for (auto si : stringhe->document_element().children("si")) {
        QString t;
        if (auto tt = si.child("t"))
            t = Q(tt.text().get());
        else
            for (auto r : si.children("r"))
                t += Q(r.child("t").text().get());
        indiceTesti.insert(t, int(testi.size()));
        testi.push_back(t);
    }
}

int TFoglio::TDati::IndiceTesto(const QString& testo)
{
    auto it = indiceTesti.constFind(testo);
    if (it != indiceTesti.constEnd())
        return it.value();
    if (!stringhe) {
        const QString p = QStringLiteral("xl/sharedStrings.xml");
        stringhe = &NuovaParte(p, R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"/>)",
                               QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml."
                                              "sharedStrings+xml"));
        AggiungiRelazione(parteCartella, RelStringhe, QFileInfo(p).fileName());
    }
    auto t = stringhe->document_element().append_child("si").append_child("t");
    const QByteArray u = U(testo);
    if (!testo.isEmpty() && (testo.front().isSpace() || testo.back().isSpace() || testo.contains(u'\n')))
        t.append_attribute("xml:space") = "preserve";
    t.text().set(u.constData());
    const int indice = int(testi.size());
    testi.push_back(testo);
    indiceTesti.insert(testo, indice);
    return indice;
}

QByteArray TFoglio::TDati::Impacchetta(bool modello)
{
    TipoOverride(parteCartella, QString::fromLatin1(modello ? TipoModello : TipoCartella));
    auto cartella = Xml(parteCartella).document_element();
    // Ricalcolo all'apertura: le formule sono scritte senza risultato.
    auto calc = FiglioOrdinato(cartella, "calcPr", OrdineCartella);
    if (!calc.attribute("fullCalcOnLoad"))
        calc.append_attribute("fullCalcOnLoad");
    calc.attribute("fullCalcOnLoad").set_value("1");
    // La catena di calcolo del modello non vale più dopo le modifiche.
    auto rels = Relazioni(parteCartella).document_element();
    for (auto r = rels.first_child(); r;) {
        auto succ = r.next_sibling();
        if (strcmp(r.attribute("Type").value(), RelCatena) == 0) {
            const QString p = Risolvi(parteCartella, Q(r.attribute("Target").value()));
            parti.erase(p);
            ordine.erase(std::remove(ordine.begin(), ordine.end(), p), ordine.end());
            auto tipi = Xml(QStringLiteral("[Content_Types].xml")).document_element();
            for (auto o : tipi.children("Override"))
                if (Q(o.attribute("PartName").value()) == u'/' + p) {
                    tipi.remove_child(o);
                    break;
                }
            rels.remove_child(r);
        }
        r = succ;
    }
    // Dimensioni dei fogli.
    for (auto& f : fogli) {
        int r0 = 0, r1 = 0, c0 = 0, c1 = 0;
        for (auto riga : f.dati.children("row"))
            for (auto c : riga.children("c")) {
                TCella t;
                if (!LeggiCella(Q(c.attribute("r").value()), t))
                    continue;
                r0 = r0 ? std::min(r0, t.riga) : t.riga;
                r1 = std::max(r1, t.riga);
                c0 = c0 ? std::min(c0, t.colonna) : t.colonna;
                c1 = std::max(c1, t.colonna);
            }
        auto dim = FiglioOrdinato(f.radice, "dimension", OrdineFoglio);
        const QString ref = r0 == 0  ? QStringLiteral("A1")
            : (r0 == r1 && c0 == c1) ? Indirizzo(c0, r0)
                                     : Indirizzo(c0, r0) + u':' + Indirizzo(c1, r1);
        if (!dim.attribute("ref"))
            dim.append_attribute("ref");
        dim.attribute("ref").set_value(U(ref).constData());
    }
    if (stringhe) {
        auto sst = stringhe->document_element();
        int usi = 0;
        for (auto& f : fogli)
            for (auto riga : f.dati.children("row"))
                for (auto c : riga.children("c"))
                    if (strcmp(c.attribute("t").value(), "s") == 0)
                        ++usi;
        for (const char* a : {"count", "uniqueCount"})
            if (!sst.attribute(a))
                sst.append_attribute(a);
        sst.attribute("count").set_value(usi);
        sst.attribute("uniqueCount").set_value(int(testi.size()));
    }
    for (const char* e : {"numFmts", "fonts", "fills", "borders", "cellStyleXfs", "cellXfs", "cellStyles", "dxfs"})
        if (auto n = stili.radice.child(e)) {
            if (!n.attribute("count"))
                n.append_attribute("count");
            n.attribute("count").set_value(int(std::distance(n.begin(), n.end())));
        }

    QByteArray uscita;
    QBuffer buffer(&uscita);
    QuaZip archivio(&buffer);
    if (!archivio.open(QuaZip::mdCreate))
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Impossibile comporre il pacchetto della cartella di lavoro."));
    // Data fissa: lo stesso contenuto dà gli stessi byte (modelli riproducibili).
    const QDateTime data(QDate(2024, 1, 1), QTime(0, 0));
    std::vector<QString> sequenza = ordine;
    std::stable_partition(sequenza.begin(), sequenza.end(),
                          [](const QString& p) { return p == QLatin1String("[Content_Types].xml"); });
    for (const QString& nome : sequenza) {
        const TParte& p = parti.at(nome);
        const QByteArray dati = p.xml ? Serializza(*p.xml) : p.grezzo;
        QuaZipNewInfo info(nome);
        info.dateTime = data;
        QuaZipFile f(&archivio);
        if (!f.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, 6) || f.write(dati) != dati.size())
            throw TErroreFoglio(
                QCoreApplication::translate("TFoglio", "Impossibile comporre il pacchetto della cartella di lavoro."));
        f.close();
    }
    archivio.close();
    if (archivio.getZipError() != 0)
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Impossibile comporre il pacchetto della cartella di lavoro."));
    return uscita;
}

// ---------------------------------------------------------------------------------------------
// Apertura e salvataggio

void TFoglio::NuovoDaModello(const QString& modello)
{
    ControllaFileNormale(modello);
    QFile f(modello);
    if (!QFileInfo(modello).isFile())
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Il modello \"%1\" non esiste.")
                                .arg(QDir::toNativeSeparators(modello)));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Il modello \"%1\" non si può leggere: %2.")
                                .arg(QDir::toNativeSeparators(modello), MotivoErroreFile(f, errno)));
    auto nuovi = std::make_unique<TDati>();
    nuovi->Carica(LeggiPacchetto(f, QDir::toNativeSeparators(modello)), QDir::toNativeSeparators(modello));
    d = std::move(nuovi);
}

void TFoglio::Apri(const QString& file)
{
    ControllaFileNormale(file);
    QFile f(file);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Il file \"%1\" non si può leggere: %2.")
                                .arg(QDir::toNativeSeparators(file), MotivoErroreFile(f, errno)));
    auto nuovi = std::make_unique<TDati>();
    nuovi->Carica(LeggiPacchetto(f, QDir::toNativeSeparators(file)), QDir::toNativeSeparators(file));
    d = std::move(nuovi);
}

void TFoglio::ApriDati(const QByteArray& contenuto, const QString& nome)
{
    auto nuovi = std::make_unique<TDati>();
    nuovi->Carica(contenuto, nome);
    d = std::move(nuovi);
}

void TFoglio::NuovoVuoto(const QString& nomePrimoFoglio)
{
    auto n = std::make_unique<TDati>();
    n->NuovaParte(QStringLiteral("[Content_Types].xml"), VuotoTipi);
    auto& rels = n->NuovaParte(QStringLiteral("_rels/.rels"), VuotoRelazioni);
    n->parteCartella = QStringLiteral("xl/workbook.xml");
    n->NuovaParte(n->parteCartella, VuotoCartella, QString::fromLatin1(TipoCartella));
    n->NuovaParte(QStringLiteral("docProps/core.xml"), VuotoCore,
                  QStringLiteral("application/vnd.openxmlformats-package.core-properties+xml"));
    n->NuovaParte(QStringLiteral("docProps/app.xml"), VuotoApp,
                  QStringLiteral("application/vnd.openxmlformats-officedocument.extended-properties+xml"));
    const struct
    {
        const char* tipo;
        const char* dest;
    } radici[] = {
        {"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument", "xl/workbook.xml"},
        {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties", "docProps/core.xml"},
        {"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties", "docProps/app.xml"},
    };
    int id = 0;
    for (const auto& r : radici) {
        auto e = rels.document_element().append_child("Relationship");
        e.append_attribute("Id") = QStringLiteral("rId%1").arg(++id).toUtf8().constData();
        e.append_attribute("Type") = r.tipo;
        e.append_attribute("Target") = r.dest;
    }
    n->stili.Carica(&n->NuovaParte(QStringLiteral("xl/styles.xml"), VuotoStili,
                                   QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml."
                                                  "styles+xml")));
    n->AggiungiRelazione(n->parteCartella, RelStili, QStringLiteral("styles.xml"));
    d = std::move(n);
    AggiungiFoglio(nomePrimoFoglio);
}

void TFoglio::Salva(const QString& file)
{
    if (!d->Aperta())
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Nessuna cartella di lavoro aperta."));
    const QByteArray dati = d->Impacchetta(file.endsWith(QLatin1String(".xltx"), Qt::CaseInsensitive));
    QSaveFile f(file);
    QString motivo;
    errno = 0;
    if (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size())
        motivo = MotivoErroreFile(f, errno); // il temporaneo sparisce con f
    else if (ConcludiSalvataggio(f, &motivo))
        return;
    throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Impossibile scrivere il file \"%1\": %2.")
                            .arg(QDir::toNativeSeparators(file), motivo));
}
