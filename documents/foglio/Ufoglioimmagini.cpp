// Cartella di lavoro: immagini ancorate alle celle.
#include "documents/foglio/Ufoglio.h"
#include "documents/foglio/Ufogliointerno.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

using namespace foglio;

namespace {

constexpr double EmuPerPunto = 12700.0;

const char* const VuotoDisegno
    = R"(<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"/>)";

struct TFormatoImmagine
{
    const char* estensione;
    const char* tipo;
};

// Il formato si riconosce dal contenuto, non dal nome del file.
bool Formato(const QByteArray& dati, TFormatoImmagine& f)
{
    if (dati.startsWith("\x89PNG\r\n\x1a\n"))
        f = {"png", "image/png"};
    else if (dati.startsWith("\xff\xd8\xff"))
        f = {"jpeg", "image/jpeg"};
    else if (dati.startsWith("GIF87a") || dati.startsWith("GIF89a"))
        f = {"gif", "image/gif"};
    else if (dati.startsWith("BM"))
        f = {"bmp", "image/bmp"};
    else
        return false;
    return true;
}

// Larghezza di colonna in caratteri → punti, con la cifra di 7 pixel del carattere predefinito.
double PuntiColonna(double caratteri)
{
    return std::trunc((256.0 * caratteri + std::trunc(128.0 / 7.0)) / 256.0 * 7.0) * 0.75;
}

pugi::xml_node Nodo(pugi::xml_node padre, const char* nome, qint64 valore)
{
    auto n = padre.append_child(nome);
    n.text().set(QByteArray::number(valore).constData());
    return n;
}

} // namespace

void TFoglio::Immagine(const QString& cella, const QString& file, double larghezza, double altezza)
{
    const TCella angolo = LeggiArea(cella).da;
    if (!(larghezza > 0) || !(altezza > 0))
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "Dimensioni dell'immagine non valide."));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw TErroreFoglio(QCoreApplication::translate("TFoglio", "L'immagine \"%1\" non si può leggere.")
                                .arg(QDir::toNativeSeparators(file)));
    const QByteArray dati = in.readAll();
    TFormatoImmagine formato;
    if (!Formato(dati, formato))
        throw TErroreFoglio(
            QCoreApplication::translate("TFoglio", "Il file \"%1\" non è un'immagine in un formato riconosciuto.")
                .arg(QDir::toNativeSeparators(file)));

    auto& f = d->Attivo();
    // Parte del disegno del foglio, creata alla prima immagine.
    QString parteDisegno;
    if (auto n = f.radice.child("drawing"))
        parteDisegno = d->DestinazioneRelazione(f.parte, Q(n.attribute("r:id").value()));
    if (parteDisegno.isEmpty() || !d->HaParte(parteDisegno)) {
        parteDisegno = d->NomeLibero(QStringLiteral("xl/drawings/drawing%1.xml"));
        d->NuovaParte(parteDisegno, VuotoDisegno,
                      QStringLiteral("application/vnd.openxmlformats-officedocument.drawing+xml"));
        const QString id = d->AggiungiRelazione(f.parte, RelDisegno,
                                                QStringLiteral("../drawings/") + QFileInfo(parteDisegno).fileName());
        auto n = FiglioOrdinato(f.radice, "drawing", OrdineFoglio);
        n.remove_attribute("r:id");
        n.append_attribute("r:id") = U(id).constData();
    }

    // Una stessa immagine usata più volte resta una sola parte del pacchetto.
    QString media;
    for (const auto& [nome, parte] : d->parti)
        if (nome.startsWith(QLatin1String("xl/media/")) && !parte.xml && parte.grezzo == dati) {
            media = nome;
            break;
        }
    if (media.isEmpty()) {
        media = d->NomeLibero(QStringLiteral("xl/media/image%1.") + QLatin1String(formato.estensione));
        d->ScriviParte(media, dati);
        d->TipoDefault(QLatin1String(formato.estensione), QLatin1String(formato.tipo));
    }
    const QString idImmagine
        = d->AggiungiRelazione(parteDisegno, RelImmagine, QStringLiteral("../media/") + QFileInfo(media).fileName());

    // Posizione assoluta dell'angolo, per i lettori che la usano al posto dell'ancora.
    double x = 0, y = 0;
    for (int c = 1; c < angolo.colonna; ++c)
        x += PuntiColonna(LarghezzaColonna(c));
    for (int r = 1; r < angolo.riga; ++r)
        y += AltezzaRiga(r);

    auto radice = d->Xml(parteDisegno).document_element();
    const int idForma = int(std::distance(radice.begin(), radice.end())) + 2;
    const qint64 cx = std::llround(larghezza * EmuPerPunto), cy = std::llround(altezza * EmuPerPunto);
    // Ancora a una cella: l'immagine segue la cella e mantiene le dimensioni date.
    auto ancora = radice.append_child("xdr:oneCellAnchor");
    auto da = ancora.append_child("xdr:from");
    Nodo(da, "xdr:col", angolo.colonna - 1);
    Nodo(da, "xdr:colOff", 0);
    Nodo(da, "xdr:row", angolo.riga - 1);
    Nodo(da, "xdr:rowOff", 0);
    auto ext = ancora.append_child("xdr:ext");
    ext.append_attribute("cx") = cx;
    ext.append_attribute("cy") = cy;
    auto pic = ancora.append_child("xdr:pic");
    auto nv = pic.append_child("xdr:nvPicPr");
    auto cnv = nv.append_child("xdr:cNvPr");
    cnv.append_attribute("id") = idForma;
    cnv.append_attribute("name") = U(QStringLiteral("Immagine %1").arg(idForma - 1)).constData();
    cnv.append_attribute("descr") = U(QFileInfo(file).fileName()).constData();
    nv.append_child("xdr:cNvPicPr").append_child("a:picLocks").append_attribute("noChangeAspect") = 1;
    auto blip = pic.append_child("xdr:blipFill");
    blip.append_child("a:blip").append_attribute("r:embed") = U(idImmagine).constData();
    blip.append_child("a:stretch").append_child("a:fillRect");
    auto sp = pic.append_child("xdr:spPr");
    auto xfrm = sp.append_child("a:xfrm");
    auto off = xfrm.append_child("a:off");
    off.append_attribute("x") = std::llround(x * EmuPerPunto);
    off.append_attribute("y") = std::llround(y * EmuPerPunto);
    auto e2 = xfrm.append_child("a:ext");
    e2.append_attribute("cx") = cx;
    e2.append_attribute("cy") = cy;
    auto geo = sp.append_child("a:prstGeom");
    geo.append_attribute("prst") = "rect";
    geo.append_child("a:avLst");
    ancora.append_child("xdr:clientData");
}

std::vector<TImmagineFoglio> TFoglio::Immagini() const
{
    std::vector<TImmagineFoglio> v;
    const auto& f = d->Attivo();
    auto n = f.radice.child("drawing");
    if (!n)
        return v;
    const QString parte = d->DestinazioneRelazione(f.parte, Q(n.attribute("r:id").value()));
    if (parte.isEmpty() || !d->HaParte(parte))
        return v;
    for (auto ancora : const_cast<TDati*>(d.get())->Xml(parte).document_element().children()) {
        auto pic = ancora.child("xdr:pic");
        if (!pic)
            continue;
        TImmagineFoglio im;
        auto da = ancora.child("xdr:from");
        im.cella = Indirizzo(da.child("xdr:col").text().as_int() + 1, da.child("xdr:row").text().as_int() + 1);
        auto ext = ancora.child("xdr:ext");
        if (!ext)
            ext = pic.child("xdr:spPr").child("a:xfrm").child("a:ext");
        im.larghezza = ext.attribute("cx").as_llong() / EmuPerPunto;
        im.altezza = ext.attribute("cy").as_llong() / EmuPerPunto;
        im.nome = Q(pic.child("xdr:nvPicPr").child("xdr:cNvPr").attribute("descr").value());
        im.parte = d->DestinazioneRelazione(parte,
                                            Q(pic.child("xdr:blipFill").child("a:blip").attribute("r:embed").value()));
        v.push_back(im);
    }
    return v;
}
