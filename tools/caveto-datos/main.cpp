// caveto-datos: reads and writes the cellar's record file with the same code
// the program uses, for people who keep their cellar in a spreadsheet or need
// to rescue a damaged file. Needs no display.
//
//   caveto-datos lines FILE      the record lines, UTF-8, one per line
//   caveto-datos csv FILE        a CSV (RFC 4180, UTF-8) with the 61 fields
//   caveto-datos rewrite IN OUT  IN read as the program reads it, written to
//                                OUT as the program saves (never a partial OUT)

#include "cellar/BookLock.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kExitError = 2;

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "caveto-datos: %s\n", message.toLocal8Bit().constData());
    return kExitError;
}

int usage()
{
    std::fprintf(stderr,
        "usage: caveto-datos lines FILE\n"
        "       caveto-datos csv FILE\n"
        "       caveto-datos rewrite IN OUT\n");
    return kExitError;
}

bool readFile(const QString &path, QStringList *lines, QString *error)
{
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("%1: is a folder").arg(path);
        return false;
    }
    if (!caveto::readRecordFile(path, lines, error)) {
        *error = QStringLiteral("%1: %2").arg(path, *error);
        return false;
    }
    return true;
}

QByteArray csvField(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n')
        || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

int runLines(const QString &path)
{
    QStringList lines;
    QString error;
    if (!readFile(path, &lines, &error))
        return fail(error);
    QByteArray out;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        out += line.toUtf8();
        out += '\n';
    }
    writeOut(out);
    return 0;
}

int runCsv(const QString &path)
{
    QStringList lines;
    QString error;
    if (!readFile(path, &lines, &error))
        return fail(error);
    QByteArray out;
    for (int i = 0; i < caveto::kFieldCount; ++i) {
        if (i)
            out += ',';
        out += csvField(QString::fromLatin1(caveto::recordLayout()[i].name));
    }
    out += "\r\n";
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const caveto::CellarRecord record = caveto::CellarRecord::parse(line);
        for (int i = 0; i < caveto::kFieldCount; ++i) {
            if (i)
                out += ',';
            out += csvField(record.value(i));
        }
        out += "\r\n";
    }
    writeOut(out);
    return 0;
}

int runRewrite(const QString &in, const QString &out)
{
    QStringList lines;
    QString error;
    if (!readFile(in, &lines, &error))
        return fail(error);
    // A book that an open program holds must not change under it: the
    // program's next save would undo this one.
    caveto::BookLock lock(QFileInfo(out).absolutePath());
    if (QFileInfo::exists(caveto::BookLock::lockPath(QFileInfo(out).absolutePath()))
        && !lock.tryLock())
        return fail(QStringLiteral("%1: %2 Cierre Caveto antes de escribir en su bodega.")
                        .arg(out, lock.error()));
    if (!caveto::writeRecordFile(out, lines, &error))
        return fail(QStringLiteral("%1: %2").arg(out, error));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() == 2 && args[0] == QLatin1String("lines"))
        return runLines(args[1]);
    if (args.size() == 2 && args[0] == QLatin1String("csv"))
        return runCsv(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("rewrite"))
        return runRewrite(args[1], args[2]);
    return usage();
}
