#pragma once
// Parti interne della cartella di lavoro: il pacchetto, i fogli, le stringhe condivise, gli stili.
// Solo per i file Ufoglio*.cpp.
#include "documents/foglio/Ufoglio.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace foglio {

// Testi tra pugixml (UTF-8) e Qt.
inline QString Q(const pugi::char_t* s)
{
    return QString::fromUtf8(s);
}
// I controlli C0 diversi da tabulazione e ritorni a capo, U+FFFE e U+FFFF non esistono in XML 1.0
// (nemmeno come riferimento "&#1;"): un lettore rigoroso rifiuterebbe l'intera cartella di
// lavoro. Si tolgono dal testo; i surrogati spaiati li sostituisce già toUtf8().
inline bool CarattereXml(char16_t c)
{
    return c >= 0x20 ? c < 0xFFFE : c == 0x9 || c == 0xA || c == 0xD;
}
inline QByteArray U(const QString& s)
{
    if (std::all_of(s.cbegin(), s.cend(), [](QChar c) { return CarattereXml(c.unicode()); }))
        return s.toUtf8();
    QString r;
    r.reserve(s.size());
    for (QChar c : s)
        if (CarattereXml(c.unicode()))
            r += c;
    return r.toUtf8();
}

inline const char* const NsMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline const char* const NsRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline const char* const NsPkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";
inline const char* const RelFoglio = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
inline const char* const RelStringhe
    = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
inline const char* const RelStili = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline const char* const RelDisegno = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
inline const char* const RelImmagine = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
inline const char* const RelCatena = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";
inline const char* const TipoModello = "application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml";
inline const char* const TipoCartella = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";

inline const char* const TipoFoglio = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
inline const char* const VuotoFoglio
    = R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><dimension ref="A1"/><sheetViews><sheetView workbookViewId="0"/></sheetViews><sheetFormatPr defaultRowHeight="12.75"/><sheetData/><pageMargins left="0.6" right="0.6" top="0.8" bottom="0.8" header="0.3" footer="0.3"/></worksheet>)";

constexpr int MaxRighe = 1048576;
constexpr int MaxColonne = 16384;

struct TCella
{
    int colonna = 0;
    int riga = 0;
};

struct TArea
{
    TCella da, a;
};

// "B7" → (2, 7); i "$" sono ammessi. false se non è un indirizzo di cella.
bool LeggiCella(QStringView testo, TCella& cella);
// "A1:C3" o "B2"; solleva TErroreFoglio se non valido.
TArea LeggiArea(const QString& testo);
QString Rif(TCella c);

// Nodo figlio con quel nome, creato se manca, al posto che l'ordine dello schema gli assegna.
pugi::xml_node FiglioOrdinato(pugi::xml_node padre, const char* nome, const char* const* ordine);
extern const char* const OrdineFoglio[];
extern const char* const OrdineCartella[];
extern const char* const OrdineStili[];

// Sposta in basso di n le righe >= riga nei riferimenti della formula che puntano al foglio
// "foglio"; proprio = i riferimenti senza nome di foglio appartengono a quel foglio.
QString SpostaRiferimenti(const QString& formula, const QString& foglio, bool proprio, int riga, int n);

struct TParte
{
    QByteArray grezzo;
    std::unique_ptr<pugi::xml_document> xml; // presente quando la parte è stata letta come XML
};

struct TColonne
{
    int min, max;
    int stile;
    double larghezza;
};

struct TFoglioInterno
{
    QString nome;
    QString parte; // "xl/worksheets/sheet1.xml"
    pugi::xml_document* doc = nullptr;
    pugi::xml_node radice, dati; // <worksheet>, <sheetData>
    std::map<int, pugi::xml_node> righe;
    bool indiceValido = false;
};

// Registro degli stili: ogni combinazione diversa ha un indice; le varianti si cercano prima di
// aggiungerle, così scrivere mille bordi uguali non moltiplica gli stili.
struct TStili
{
    pugi::xml_document* doc = nullptr;
    pugi::xml_node radice;
    // elenchi per nome di nodo: "fonts", "fills", "borders", "cellXfs", "dxfs"
    struct TElenco
    {
        pugi::xml_node nodo;
        std::vector<pugi::xml_node> voci;
        std::unordered_map<std::string, int> chiavi;
    };
    std::map<std::string, TElenco> elenchi;
    std::map<int, QString> formati; // numFmtId → codice (solo i personalizzati)
    QHash<QString, int> varianti; // (xf, operazione) → xf risultante

    void Carica(pugi::xml_document* d);
    TElenco& Elenco(const char* nome, const char* voce);
    int Aggiungi(const char* elenco, const char* voce, pugi::xml_node modello);
    pugi::xml_node Xf(int indice);
    int IdFormato(const QString& codice);
    QString CodiceFormato(int id) const;
    int ConBordo(int xf, TBordo lato, int linea, int spessore, const QString& colore);
    int ConStile(int xf, const TStile& stile);
    int Dxf(const TStile& stile, const std::vector<TBordo>& bordi, int linea);
    int Conta(const char* elenco);
};

pugi::xml_node CercaFiglio(pugi::xml_node n, const char* nome);
QString NomeLinea(int linea, int spessore);
int LineaDaNome(const QString& nome);
int SpessoreDaNome(const QString& nome);
void Attributo(pugi::xml_node n, const char* nome, const char* valore);
void Attributo(pugi::xml_node n, const char* nome, int valore);
void Attributo(pugi::xml_node n, const char* nome, double valore);
// Intervallo di colonne "A:C", "D" o "$A:$C" → (prima, ultima).
std::pair<int, int> LeggiColonne(const QString& testo);
void ApplicaBordo(pugi::xml_node bordo, const char* lato, int linea, int spessore, const QString& colore);

} // namespace foglio

struct TFoglio::TDati
{
    std::map<QString, foglio::TParte> parti;
    std::vector<QString> ordine; // ordine delle parti nel pacchetto
    std::vector<foglio::TFoglioInterno> fogli;
    int attivo = 0; // indice in fogli
    QString percorsoPredefinito;
    QString parteCartella; // "xl/workbook.xml"

    pugi::xml_document* stringhe = nullptr;
    std::vector<QString> testi;
    QHash<QString, int> indiceTesti;

    foglio::TStili stili;

    bool Aperta() const { return !fogli.empty(); }
    void Carica(const QByteArray& zip, const QString& nomeFile);
    QByteArray Impacchetta(bool modello);

    bool HaParte(const QString& nome) const { return parti.count(nome) > 0; }
    pugi::xml_document& Xml(const QString& parte);
    pugi::xml_document& NuovaParte(const QString& parte, const char* testo, const QString& tipo = {});
    void ScriviParte(const QString& parte, const QByteArray& dati);

    // Relazioni
    static QString ParteRelazioni(const QString& parte);
    static QString Risolvi(const QString& parte, const QString& destinazione);
    pugi::xml_document& Relazioni(const QString& parte);
    QString AggiungiRelazione(const QString& parte, const char* tipo, const QString& destinazione);
    QString DestinazioneRelazione(const QString& parte, const QString& id) const;
    // Tipi di contenuto
    void TipoOverride(const QString& parte, const QString& tipo);
    void TipoDefault(const QString& estensione, const QString& tipo);
    QString NomeLibero(const QString& modello) const; // "xl/media/image%1.png" → primo libero

    // Fogli e celle
    foglio::TFoglioInterno& Attivo();
    const foglio::TFoglioInterno& Attivo() const;
    void Indicizza(foglio::TFoglioInterno& f) const;
    pugi::xml_node Riga(foglio::TFoglioInterno& f, int riga, bool crea);
    pugi::xml_node Cella(foglio::TFoglioInterno& f, foglio::TCella c, bool crea);
    pugi::xml_node CellaLettura(foglio::TCella c) const;
    std::vector<foglio::TColonne> Colonne(const foglio::TFoglioInterno& f) const;
    int StileColonna(const foglio::TFoglioInterno& f, int colonna) const;
    int StileCella(pugi::xml_node c) const;
    int IndiceTesto(const QString& testo);
    void CaricaStringhe();
    pugi::xml_node DefinedNames(bool crea);
    void NomeDefinito(const QString& nome, int foglioLocale, const QString& valore);
    QString ValoreNomeDefinito(const QString& nome, int foglioLocale) const;
    static QString NomeFoglioQuotato(const QString& nome);

    // Operazioni per cella su un intervallo (crea le celle).
    template<typename F> void PerOgniCella(const QString& intervallo, F&& f)
    {
        const foglio::TArea a = foglio::LeggiArea(intervallo);
        auto& fg = Attivo();
        for (int r = a.da.riga; r <= a.a.riga; ++r)
            for (int c = a.da.colonna; c <= a.a.colonna; ++c)
                f(Cella(fg, {c, r}, true), foglio::TCella {c, r});
    }
};
