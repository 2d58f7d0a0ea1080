// The record line on any field values the window lets through (storable
// characters, at most the field's width): padded and joined into a line,
// the line cuts back into the same fields.

#include "FuzzCheck.h"

#include "cellar/EntryChecks.h"
#include "cellar/RecordLine.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

using caveto::Field;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input is the fields, separated by 0x1F.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList parts = text.split(QChar(0x1F));
    caveto::CellarRecord record;
    for (int i = 0; i < caveto::kFieldCount && i < parts.size(); ++i) {
        const auto f = static_cast<Field>(i);
        QString value = caveto::trimBlanks(caveto::storableText(parts[i]));
        if (f != Field::Imagen)
            value = caveto::trimBlanks(value.left(caveto::fieldWidth(f)));
        record[f] = value;
    }
    const caveto::CellarRecord typed = record;
    record.pad();
    const QString line = record.buildLine();
    FUZZ_CHECK(line.size() >= caveto::kRecordLength);
    const caveto::CellarRecord back = caveto::CellarRecord::parse(line);
    for (int i = 0; i < caveto::kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (f == Field::EFichero) {
            FUZZ_CHECK(back[f] == caveto::padRight(typed[f], 16, QLatin1Char('0')));
        } else if (f == Field::Precio && typed[f].isEmpty()) {
            FUZZ_CHECK(back[f] == QStringLiteral("0,00"));
        } else if (f == Field::NumBotellas && typed[f].isEmpty()) {
            FUZZ_CHECK(back[f] == QStringLiteral("0"));
        } else {
            FUZZ_CHECK(back[f] == typed[f]);
        }
    }
    return 0;
}
