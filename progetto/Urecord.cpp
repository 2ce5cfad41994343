#include "progetto/Urecord.h"

#include "data/Uprogresso.h"

#include <QIODevice>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace {
// Caratteri di 0x80-0x9F nella code page Windows-1252; 0 dove il byte non ha carattere
// (lo si legge come il controllo C1 dello stesso valore, così torna identico).
constexpr char16_t Tabella80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    if (c < 0xA0) // un controllo C1 passa solo se quel byte non ha un carattere proprio
        return Tabella80[c - 0x80] == 0 ? char(c) : '?';
    for (int i = 0; i < 32; ++i)
        if (Tabella80[i] != 0 && Tabella80[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray InCp1252(const QString& testo)
{
    // Un byte per ogni unità UTF-16, anche per le coppie surrogate (che diventano "??"): così un
    // testo occupa nel file quanti caratteri ha in memoria e le etichette dei circuiti, lette
    // contando dalla fine, restano al loro posto.
    QByteArray r;
    r.reserve(testo.size());
    for (QChar c : testo)
        r += c.isSurrogate() ? '?' : byteCp1252(c.unicode());
    return r;
}

QString DaCp1252(const QByteArray& byte)
{
    QString r;
    r.reserve(byte.size());
    for (char b : byte) {
        const unsigned char u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0 && Tabella80[u - 0x80] != 0)
            r += QChar(Tabella80[u - 0x80]);
        else
            r += QChar(u);
    }
    return r;
}

QByteArray FormatoIntero(long long v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QByteArray(buf, int(r.ptr - buf)) + '\n';
}

QByteArray FormatoReale(double v)
{
    // Un double molto grande in "%.5f" occupa centinaia di cifre: il record ne tiene 50.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 5);
    if (r.ec != std::errc())
        return QByteArrayLiteral("0.00000\n");
    return QByteArray(buf, int(r.ptr - buf)) + '\n';
}

QByteArray FormatoTemperatura(double v)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
    QByteArray s = r.ec == std::errc() ? QByteArray(buf, int(r.ptr - buf)) : QByteArrayLiteral("0.0");
    if (s.size() < 5)
        s.prepend(QByteArray(5 - s.size(), ' '));
    return s + '\n';
}

// ---------------------------------------------------------------- TScrittoreRecord

TScrittoreRecord::TScrittoreRecord(QIODevice& dispositivo, TProgresso* progresso)
    : m_dispositivo(dispositivo)
    , m_progresso(progresso)
{ }

void TScrittoreRecord::scrivi(const QByteArray& contenuto, int dimensione)
{
    if (!m_ok)
        return;
    // Il contenuto, un NUL se c'è posto, NUL fino alla dimensione, poi il ritorno a capo.
    QByteArray r = contenuto.left(dimensione);
    r.append(QByteArray(dimensione - r.size(), '\0'));
    r.append('\r');
    if (m_dispositivo.write(r) != r.size()) {
        m_ok = false;
        return;
    }
    ++m_record;
    if (m_progresso)
        m_progresso->Passo();
}

void TScrittoreRecord::Testo(const QString& valore, int dimensione)
{
    scrivi(InCp1252(valore), dimensione);
}

void TScrittoreRecord::Intero(long long valore)
{
    scrivi(FormatoIntero(valore), Record::Testo);
}

void TScrittoreRecord::Reale(double valore)
{
    scrivi(FormatoReale(valore), Record::Testo);
}

void TScrittoreRecord::Temperatura(double valore)
{
    scrivi(FormatoTemperatura(valore), Record::Testo);
}

// ---------------------------------------------------------------- TLettoreRecord

TLettoreRecord::TLettoreRecord(QIODevice& dispositivo, TProgresso* progresso)
    : m_dispositivo(dispositivo)
    , m_progresso(progresso)
{ }

QByteArray TLettoreRecord::Contenuto(int dimensione)
{
    if (!m_ok)
        return {};
    // Il byte dopo il contenuto (il ritorno a capo) si consuma senza controllarlo.
    const QByteArray r = m_dispositivo.read(dimensione + 1);
    if (r.size() != dimensione + 1) {
        m_ok = false;
        return {};
    }
    if (m_progresso)
        m_progresso->Passo();
    const int nul = r.indexOf('\0');
    return r.left(nul >= 0 && nul < dimensione ? nul : dimensione);
}

QByteArray TLettoreRecord::Byte(qint64 n)
{
    if (!m_ok || n < 0 || n + 1 > m_dispositivo.bytesAvailable()) {
        m_ok = false;
        return {};
    }
    QByteArray r = m_dispositivo.read(n + 1);
    if (r.size() != n + 1) {
        m_ok = false;
        return {};
    }
    r.chop(1);
    return r;
}

bool TLettoreRecord::ContoPossibile(long long n, qint64 byteRiga)
{
    if (m_ok && (n < 0 || (byteRiga > 0 && n > m_dispositivo.bytesAvailable() / byteRiga)))
        m_ok = false;
    return m_ok;
}

bool TLettoreRecord::Riavvolgi()
{
    m_ok = m_dispositivo.seek(0);
    return m_ok;
}

long long TLettoreRecord::Intero()
{
    // In singola precisione 2147483584 e oltre diventano 2^31: restano al massimo di un int
    // invece di tornare negativi nei campi interi.
    const double v = std::trunc(float(LeggiAtol(Contenuto())));
    return static_cast<long long>(std::clamp(v, double(INT_MIN), double(INT_MAX)));
}

double TLettoreRecord::Reale()
{
    return double(float(LeggiAtof(Contenuto())));
}
