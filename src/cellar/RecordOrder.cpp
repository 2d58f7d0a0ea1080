#include "cellar/RecordOrder.h"

#include <algorithm>
#include <array>

namespace caveto {

namespace {

// Primary weight of a character: control characters, then the blank, then
// other signs in code order, then digits, then letters by their base letter.
constexpr int kTableSize = 0x250;

int computeWeight(char16_t u)
{
    if (u <= 0x20)
        return u;
    const QChar c(u);
    if (c.isDigit() && u < 0x80)
        return 0x20000 + (u - u'0');
    if (c.isLetter()) {
        QChar base = c;
        const QString decomposition = c.decomposition();
        if (!decomposition.isEmpty() && decomposition[0].isLetter())
            base = decomposition[0];
        const char16_t up = base.toUpper().unicode();
        if (up >= u'A' && up <= u'Z') {
            int w = 0x30000 + (up - u'A') * 4;
            if (c.toUpper() == QChar(0x00D1)) // Ñ follows N
                w += 2;
            return w;
        }
        return 0x40000 + c.toUpper().unicode();
    }
    return 0x100 + u;
}

const std::array<int, kTableSize> &weightTable()
{
    static const std::array<int, kTableSize> table = [] {
        std::array<int, kTableSize> t {};
        for (int i = 0; i < kTableSize; ++i)
            t[i] = computeWeight(static_cast<char16_t>(i));
        return t;
    }();
    return table;
}

inline int primaryWeight(QChar c, const std::array<int, kTableSize> &table)
{
    const char16_t u = c.unicode();
    return u < kTableSize ? table[u] : computeWeight(u);
}

inline char16_t upper(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return c.toUpper().unicode();
}

} // namespace

int compareRecordText(QStringView a, QStringView b)
{
    const auto &table = weightTable();
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const int wa = primaryWeight(a[i], table);
        const int wb = primaryWeight(b[i], table);
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ua = upper(a[i]);
        const char16_t ub = upper(b[i]);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return 0;
}

void sortRecordText(QStringList &items)
{
    std::stable_sort(items.begin(), items.end(),
        [](const QString &x, const QString &y) { return compareRecordText(x, y) < 0; });
}

QString foldCase(QStringView text)
{
    return text.toString().toUpper();
}

} // namespace caveto
