// The record-file reader on any bytes, RTF or plain text, through what the
// program does with what it reads: the sorted record list, the value lists,
// the fields of every record; and what it writes reads back the same.

#include "FuzzCheck.h"

#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/Rtf.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = caveto::readTextLines(bytes);
    const QStringList records = caveto::buildRecordList(lines);
    FUZZ_CHECK(records.size() <= lines.size());
    for (int which = 0; which < 4; ++which) {
        const QStringList values = caveto::buildValueList(
            lines, caveto::valueListField(static_cast<caveto::ValueList>(which)));
        FUZZ_CHECK(values.size() <= records.size());
    }
    for (const QString &line : records) {
        caveto::CellarRecord record = caveto::CellarRecord::parse(line);
        record.pad();
        (void)record.buildLine();
    }
    // Saved and read again, the book is the same, line for line.
    const QByteArray written = caveto::rtf::writeLines(lines);
    FUZZ_CHECK(caveto::rtf::isRtf(written));
    FUZZ_CHECK(caveto::readTextLines(written) == lines);
    return 0;
}
