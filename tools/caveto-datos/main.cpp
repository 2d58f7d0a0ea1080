// caveto-datos: reads and writes the cellar's record file with the same code
// the program uses, for people who keep their cellar in a spreadsheet or need
// to rescue a damaged file. Needs no display.
//
//   caveto-datos lines FILE      the record lines, UTF-8, one per line
//   caveto-datos csv FILE        a CSV (RFC 4180, UTF-8) with the 61 fields
//   caveto-datos rewrite IN OUT  IN read as the program reads it, written to
//                                OUT as the program saves (never a partial OUT)
//   caveto-datos restore BOOK [COPY]
//                                lists the copies of BOOK kept in Copias, or
//                                brings COPY back as BOOK (the book as it is
//                                now is kept as a copy first)
//   caveto-datos import CSV BOOK appends the wines of CSV (this tool's own csv,
//                                or another program's export) to BOOK, and
//                                says what it had to change or leave out

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/Csv.h"
#include "cellar/DataFile.h"
#include "cellar/Import.h"
#include "cellar/RecordLine.h"
#include "platform/FileIO.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
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
        "       caveto-datos rewrite IN OUT\n"
        "       caveto-datos restore BOOK [COPY]\n"
        "       caveto-datos import CSV BOOK\n");
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
        out += caveto::csv::field(QString::fromLatin1(caveto::recordLayout()[i].name));
    }
    out += "\r\n";
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const caveto::CellarRecord record = caveto::CellarRecord::parse(line);
        for (int i = 0; i < caveto::kFieldCount; ++i) {
            if (i)
                out += ',';
            out += caveto::csv::field(record.value(i));
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

int runRestore(const QString &book, const QString &copy)
{
    const QList<caveto::backups::Copy> copies = caveto::backups::list(book);
    if (copy.isEmpty()) {
        QByteArray out;
        for (const caveto::backups::Copy &c : copies) {
            out += QFileInfo(c.path).fileName().toUtf8() + '\t'
                + c.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8() + '\t'
                + QByteArray::number(c.size) + '\n';
        }
        writeOut(out);
        return 0;
    }
    // The copy is named as listed, or given by its path.
    QString source;
    for (const caveto::backups::Copy &c : copies) {
        if (QFileInfo(c.path).fileName() == copy || QFileInfo(c.path) == QFileInfo(copy))
            source = c.path;
    }
    if (source.isEmpty())
        return fail(QStringLiteral("%1: no es una copia de %2").arg(copy, book));
    const QString folder = QFileInfo(book).absolutePath();
    caveto::BookLock lock(folder);
    if (!lock.tryLock())
        return fail(QStringLiteral("%1: %2 Cierre Caveto antes de recuperar una copia.")
                        .arg(book, lock.error()));
    QStringList lines;
    QString error;
    if (!readFile(source, &lines, &error))
        return fail(error);
    QByteArray bytes;
    if (!caveto::readFileBytes(source, &bytes, &error))
        return fail(QStringLiteral("%1: %2").arg(source, error));
    if (!caveto::backups::keep(book, QDateTime::currentDateTime(), &error))
        return fail(QStringLiteral("%1: %2").arg(book, error));
    if (!caveto::saveFileAtomically(book, bytes, &error))
        return fail(QStringLiteral("%1: %2").arg(book, error));
    std::printf("%s: %lld registros recuperados de %s\n", qPrintable(book),
        static_cast<long long>(lines.size()), qPrintable(QFileInfo(source).fileName()));
    return 0;
}

int runImport(const QString &csvPath, const QString &book)
{
    caveto::import::Options options;
    options.decimalSeparator = QLocale().decimalPoint().at(0);
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    options.firstNotesName = caveto::makeNotesName(
        d.day(), d.month(), d.year(), t.hour(), t.minute(), t.second(), t.msec());
    caveto::import::Plan plan;
    QString error, warning;
    const bool ok = caveto::import::importCsv(csvPath, book, options, &plan, &error, &warning);
    if (!ok)
        return fail(error);
    QByteArray out;
    for (const QString &line : caveto::import::report(plan))
        out += line.toUtf8() + '\n';
    if (!warning.isEmpty())
        out += warning.toUtf8() + '\n';
    const auto count = [](qsizetype n, const char *one, const char *many) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
    };
    out += QStringLiteral("%1: %2 (%3, %4)\n")
               .arg(book, count(plan.lines.size(), "vino añadido", "vinos añadidos"),
                   count(plan.skipped.size(), "fila no importada", "filas no importadas"),
                   count(plan.changes.size(), "valor cambiado", "valores cambiados"))
               .toUtf8();
    writeOut(out);
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
    if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("restore"))
        return runRestore(args[1], args.value(2));
    if (args.size() == 3 && args[0] == QLatin1String("import"))
        return runImport(args[1], args[2]);
    return usage();
}
