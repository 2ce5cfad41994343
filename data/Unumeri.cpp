#include "data/Unumeri.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {
bool eSpazio(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

long long LeggiAtol(const QByteArray& testo)
{
    int i = 0;
    while (i < testo.size() && eSpazio(testo[i]))
        ++i;
    bool negativo = false;
    if (i < testo.size() && (testo[i] == '-' || testo[i] == '+'))
        negativo = testo[i++] == '-';
    long long n = 0;
    // Come strtol con long a 32 bit: fuori scala resta al limite.
    while (i < testo.size() && testo[i] >= '0' && testo[i] <= '9') {
        n = n * 10 + (testo[i++] - '0');
        if (n > 2147483648LL)
            n = 2147483648LL;
    }
    n = negativo ? -n : n;
    return std::clamp<long long>(n, INT_MIN, INT_MAX);
}

double LeggiAtof(const QByteArray& testo)
{
    int i = 0;
    while (i < testo.size() && eSpazio(testo[i]))
        ++i;
    bool negativo = false;
    if (i < testo.size() && (testo[i] == '-' || testo[i] == '+'))
        negativo = testo[i++] == '-';
    const char* inizio = testo.constData() + i;
    const char* fine = testo.constData() + testo.size();
    double v = 0;
    auto formato = std::chars_format::general;
    if (fine - inizio > 2 && inizio[0] == '0' && (inizio[1] == 'x' || inizio[1] == 'X')) {
        inizio += 2;
        formato = std::chars_format::hex;
    }
    // from_chars accetta un suo '-': un secondo segno per atof non fa parte del numero.
    if (inizio < fine && (*inizio == '-' || *inizio == '+'))
        return 0;
    if (std::from_chars(inizio, fine, v, formato).ec != std::errc())
        v = 0;
    return negativo ? -v : v;
}
