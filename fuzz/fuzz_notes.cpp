// The notes reader on any bytes, into a formatted document; written back as
// RTF and read again it is the same text, and written again the same file.

#include "FuzzCheck.h"

#include "platform/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Character formats need the font database, so a (windowless) GUI
    // application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    caveto::readTextDocument(bytes, &document);
    const QByteArray written = caveto::rtf::writeDocument(&document);
    FUZZ_CHECK(caveto::rtf::isRtf(written));
    QTextDocument back;
    caveto::rtf::readDocument(written, &back);
    FUZZ_CHECK(back.toPlainText() == document.toPlainText());
    FUZZ_CHECK(caveto::rtf::writeDocument(&back) == written);
    return 0;
}
