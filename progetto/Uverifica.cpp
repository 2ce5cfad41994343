#include "progetto/Uverifica.h"

#include "progetto/Ufile.h"
#include "progetto/Urecord.h"

#include <QIODevice>

namespace {

enum class TNumero { Nessuno, Intero, Reale };

bool spazio(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Il contenuto di un record numerico scritto con "%d\n" o "%5.5f\n" (spazi ammessi prima e dopo).
bool numeroValido(const QByteArray& testo, TNumero tipo)
{
    int i = 0;
    const int n = int(testo.size());
    while (i < n && spazio(testo[i]))
        ++i;
    if (i < n && (testo[i] == '+' || testo[i] == '-'))
        ++i;
    int cifre = 0;
    while (i < n && testo[i] >= '0' && testo[i] <= '9')
        ++i, ++cifre;
    if (tipo == TNumero::Reale && i < n && testo[i] == '.') {
        ++i;
        while (i < n && testo[i] >= '0' && testo[i] <= '9')
            ++i, ++cifre;
    }
    if (cifre == 0)
        return false;
    if (tipo == TNumero::Reale && i < n && (testo[i] == 'e' || testo[i] == 'E')) {
        ++i;
        if (i < n && (testo[i] == '+' || testo[i] == '-'))
            ++i;
        int esponente = 0;
        while (i < n && testo[i] >= '0' && testo[i] <= '9')
            ++i, ++esponente;
        if (esponente == 0)
            return false;
    }
    while (i < n && spazio(testo[i]))
        ++i;
    return i == n;
}

class TVerifica
{
public:
    explicit TVerifica(QIODevice& d)
        : m_d(d)
    { }

    bool Ok() const { return m_ok; }

    QByteArray Record(int dimensione = Record::Testo)
    {
        if (!m_ok)
            return {};
        const QByteArray r = m_d.read(dimensione + 1);
        if (r.size() != dimensione + 1 || r.back() != '\r') {
            m_ok = false;
            return {};
        }
        const int nul = r.indexOf('\0');
        return r.left(nul >= 0 && nul < dimensione ? nul : dimensione);
    }

    long long Numero(TNumero tipo = TNumero::Intero)
    {
        const QByteArray c = Record();
        if (m_ok && !numeroValido(c, tipo))
            m_ok = false;
        return m_ok ? LeggiAtol(c) : 0;
    }

    void Riga(std::span<const TColonnaFile> colonne, const char* assente = nullptr)
    {
        for (const auto& c : colonne) {
            if (assente && qstrcmp(c.campo, assente) == 0)
                continue;
            switch (c.tipo) {
            case TTipoRecord::Testo:
                Record();
                break;
            case TTipoRecord::TestoLungo:
                Record(Record::TestoLungo);
                break;
            case TTipoRecord::Intero:
            case TTipoRecord::Flag:
                Numero();
                break;
            case TTipoRecord::Reale:
                Numero(TNumero::Reale);
                break;
            }
        }
    }

    // Un conto e le sue righe; un conto negativo o più grande di quanto resta nel file non è di un progetto.
    void Righe(const QString& tabella, const char* assente = nullptr)
    {
        const auto colonne = ColonneFile(tabella);
        const long long n = Numero();
        if (!conto(n, byteRiga(colonne, assente)))
            return;
        for (long long i = 0; i < n && m_ok; ++i)
            Riga(colonne, assente);
    }

    void Nodi(bool conLivello)
    {
        const long long n = Numero();
        if (!conto(n, (conLivello ? Record::Testo + 1 : 0) + Record::Nodo + 1))
            return;
        for (long long i = 0; i < n && m_ok; ++i) {
            if (conLivello)
                Numero();
            Record(Record::Nodo);
        }
    }

private:
    static qint64 byteRiga(std::span<const TColonnaFile> colonne, const char* assente)
    {
        qint64 n = 0;
        for (const auto& c : colonne)
            if (!assente || qstrcmp(c.campo, assente) != 0)
                n += (c.tipo == TTipoRecord::TestoLungo ? Record::TestoLungo : Record::Testo) + 1;
        return n;
    }

    bool conto(long long n, qint64 byteRiga)
    {
        if (m_ok && (n < 0 || n > m_d.bytesAvailable() / byteRiga))
            m_ok = false;
        return m_ok;
    }

    QIODevice& m_d;
    bool m_ok = true;
};

TFormaFile schema(QIODevice& d, bool corrente)
{
    if (!d.seek(0))
        return TFormaFile::Estraneo;
    TVerifica v(d);
    if (corrente)
        v.Record();
    v.Riga(ColonneFile(QStringLiteral("AuxInfo")));
    v.Riga(ColonneFile(QStringLiteral("AuxDGenerali")));
    // Etichetta, cliente e dati generali interi: è un progetto, qualunque guasto venga dopo.
    const bool intestazione = v.Ok();
    v.Righe(QStringLiteral("AuxLocali"), corrente ? nullptr : "AreaUtile");
    v.Numero(TNumero::Reale); // TMandataSalvata
    v.Numero(); // ModoTMandata
    v.Numero(); // ModoRegolazione
    v.Riga(ColonneFile(QStringLiteral("AuxRegol")));
    const bool confermati = v.Numero() == 1;
    v.Nodi(true);
    v.Nodi(false);
    if (confermati)
        v.Righe(QStringLiteral("AuxCollettori"));
    if (v.Numero() == 1) {
        for (int i = 0; i < 4; ++i)
            v.Record(); // statistiche
        v.Numero(); // OpzioneOttimizzazione
        if (corrente)
            v.Numero(); // ScartoMinMatassa
        v.Righe(QStringLiteral("AuxCircuiti"));
        v.Righe(QStringLiteral("AuxRotoli"));
    }
    v.Righe(QStringLiteral("AuxCompAgg"));
    // Dopo l'ultima sezione può venire solo altro nostro: non si guarda.
    if (v.Ok())
        return TFormaFile::Progetto;
    // Il formato precedente non ha etichetta: un progetto si riconosce dall'intestazione intera.
    return corrente || intestazione ? TFormaFile::Danneggiato : TFormaFile::Estraneo;
}

} // namespace

TFormaFile FormaFile(QIODevice& dispositivo)
{
    if (dispositivo.isSequential())
        return TFormaFile::Progetto;
    // Basta l'etichetta in testa: un progetto troncato dentro il primo record è pur sempre nostro.
    const QByteArray etichetta = EtichettaVersione.toLatin1();
    const bool corrente = dispositivo.seek(0) && dispositivo.read(etichetta.size()) == etichetta;
    const TFormaFile forma = schema(dispositivo, corrente);
    dispositivo.seek(0);
    return forma;
}
