#include "Udxf.h"
#include "Ulettoredxf.h"
#include "data/Uformato.h"

#include <QFile>
#include <charconv>
#include <dl_dxf.h>
#include <istream>
#include <streambuf>

namespace {

// Flusso di sola lettura su due pezzi di byte già in memoria, senza copiarli.
class TMemoria : public std::streambuf
{
public:
    TMemoria(QByteArrayView primo, QByteArrayView secondo)
        : m_secondo(secondo)
    {
        Punta(primo);
    }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (m_secondo.isEmpty())
            return traits_type::eof();
        Punta(m_secondo);
        m_secondo = {};
        return gptr() < egptr() ? traits_type::to_int_type(*gptr()) : traits_type::eof();
    }

private:
    void Punta(QByteArrayView b)
    {
        char* p = const_cast<char*>(b.data());
        setg(p, p, p + b.size());
    }
    QByteArrayView m_secondo;
};

// dxflib legge l'angolo dei testi multilinea in gradi o in radianti secondo la versione di
// dxflib annotata nel file, e senza l'annotazione usa un valore mai inizializzato. Questo
// commento davanti al file fissa la lettura in gradi, come scrivono i programmi di disegno.
constexpr char VersioneDxflib[] = "999\ndxflib 3.26.4.0\n";

// Codici che dxflib usa come numero di elementi da preparare: un valore più grande dei
// gruppi rimasti nel file è certamente falso e porterebbe ad allocazioni enormi.
bool CodiceConteggio(QByteArrayView entita, int codice)
{
    if (entita == "LWPOLYLINE")
        return codice == 90;
    if (entita == "SPLINE")
        return codice >= 72 && codice <= 74;
    if (entita == "LEADER")
        return codice == 76;
    if (entita == "HATCH")
        return codice == 91 || codice == 93 || codice == 95 || codice == 96 || codice == 97 || codice == 98;
    return false;
}

QByteArrayView Pulita(QByteArrayView riga)
{
    while (!riga.isEmpty() && (riga.back() == '\r' || riga.back() == ' ' || riga.back() == '\t'))
        riga.chop(1);
    while (!riga.isEmpty() && (riga.front() == ' ' || riga.front() == '\t'))
        riga = riga.sliced(1);
    return riga;
}

bool Intero(QByteArrayView t, long long& v)
{
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

// Esame completo del file prima di darlo a dxflib. Restituisce il motivo del rifiuto (vuoto se sano).
QString Controlla(const QByteArray& b, int limite, int& entita)
{
    entita = 0;
    if (b.startsWith("AutoCAD Binary DXF"))
        return TImportaDxf::tr("Il file è un DXF binario: salvarlo dal programma di disegno come DXF ASCII (testo).");
    if (b.contains('\0'))
        return TImportaDxf::tr("Il file non è un disegno DXF.");
    // Il numero di gruppi rimasti serve a giudicare i conteggi; le righe si leggono in ordine
    // senza conservarne gli indici (un file grande ne ha decine di milioni).
    const qsizetype gruppi = (b.count('\n') + (b.endsWith('\n') ? 0 : 1)) / 2;
    const QByteArrayView tutto(b);
    qsizetype pos = 0;
    auto prossima = [&] {
        const qsizetype a = b.indexOf('\n', pos);
        const qsizetype fine = a < 0 ? b.size() : a;
        const QByteArrayView r = tutto.sliced(pos, fine - pos);
        pos = a < 0 ? b.size() : a + 1;
        return Pulita(r);
    };
    bool iniziato = false, fine = false, sezioneNuova = false;
    QByteArrayView sezione, tipo;
    for (qsizetype g = 0; g < gruppi && !fine; ++g) {
        long long codice = 0;
        const QByteArrayView rigaCodice = prossima();
        const QByteArrayView valore = prossima();
        if (!Intero(rigaCodice, codice) || codice < -5 || codice > 1071) {
            if (!iniziato)
                return TImportaDxf::tr("Il file non è un disegno DXF.");
            return TImportaDxf::tr("Il file DXF è danneggiato alla riga %1.").arg(2 * g + 1);
        }
        if (!iniziato) {
            if (codice == 999)
                continue;
            if (codice != 0 || valore != "SECTION")
                return TImportaDxf::tr("Il file non è un disegno DXF.");
            iniziato = true;
        }
        if (codice == 0) {
            tipo = valore;
            sezioneNuova = valore == "SECTION";
            if (valore == "ENDSEC")
                sezione = {};
            else if (valore == "EOF")
                fine = true;
            else if ((sezione == "ENTITIES" || sezione == "BLOCKS") && ++entita > limite)
                return TImportaDxf::tr("Il disegno ha più di %1 elementi: non viene importato.").arg(limite);
        } else if (codice == 2 && sezioneNuova) {
            sezione = valore;
            sezioneNuova = false;
        } else if (CodiceConteggio(tipo, int(codice))) {
            long long n = 0;
            if (!Intero(valore, n) || n < 0 || n > gruppi - g)
                return TImportaDxf::tr("Il file DXF è danneggiato alla riga %1.").arg(2 * g + 2);
        }
    }
    if (!iniziato)
        return TImportaDxf::tr("Il file non è un disegno DXF.");
    if (!fine)
        return TImportaDxf::tr("Il file DXF è incompleto: manca la sua parte finale.");
    return {};
}

} // namespace

TUnita TImportaDxf::Unita(int insunits)
{
    switch (insunits) {
    case 1:
        return TUnita::Pollici;
    case 2:
        return TUnita::Piedi;
    case 4:
        return TUnita::Millimetri;
    case 5:
        return TUnita::Centimetri;
    case 6:
        return TUnita::Metri;
    case 14:
        return TUnita::Decimetri;
    default:
        return TUnita::Sconosciuta;
    }
}

TEsitoDxf TImportaDxf::Leggi(const QString& percorso, int limite)
{
    TEsitoDxf esito;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        esito.errore = tr("Impossibile aprire il file %1.").arg(percorso);
        return esito;
    }
    if (f.size() > LimiteByte) {
        esito.errore = tr("Il file è troppo grande (oltre %1 MB) per essere importato.").arg(LimiteByte >> 20);
        return esito;
    }
    const QByteArray contenuto = f.readAll();
    if (contenuto.size() != f.size()) {
        esito.errore = tr("Impossibile leggere il file %1.").arg(percorso);
        return esito;
    }
    return LeggiByte(contenuto, limite);
}

TEsitoDxf TImportaDxf::LeggiByte(const QByteArray& contenuto, int limite)
{
    TEsitoDxf esito;
    esito.errore = Controlla(contenuto, limite, esito.elementiLetti);
    if (!esito.errore.isEmpty())
        return esito;
    TLettoreDxf lettore(limite);
    TMemoria memoria(QByteArrayView(VersioneDxflib), contenuto);
    std::istream flusso(&memoria);
    DL_Dxf dxf;
    try {
        if (!dxf.in(flusso, &lettore)) {
            esito.errore = tr("Il file non è un disegno DXF.");
            return esito;
        }
    } catch (const std::exception&) {
        esito.errore = tr("Il file DXF è danneggiato e non può essere letto.");
        return esito;
    }
    if (!lettore.Componi(esito.disegno, esito.avvisi, esito.errore))
        return esito;
    esito.ok = true;
    return esito;
}
