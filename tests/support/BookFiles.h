#pragma once
// Files as the core tests make and read them: raw bytes, record files, and
// record lines built field by field.

#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"

#include <QFile>
#include <QtTest>

#include <initializer_list>
#include <utility>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(data);
}

// The lines of a record file, or one line saying why it cannot be read.
inline QStringList recordLines(const QString &path)
{
    QStringList lines;
    QString error;
    if (!caveto::readRecordFile(path, &lines, &error))
        return { QStringLiteral("<unreadable: ") + error + QLatin1Char('>') };
    return lines;
}

inline void writeBook(const QString &path, const QStringList &lines)
{
    QString error;
    QVERIFY2(caveto::writeRecordFile(path, lines, &error), qPrintable(error));
}

// The padded line of a wine: its three required fields, then the given ones.
inline QString recordLine(const QString &name, const QString &year, const QString &deno,
    std::initializer_list<std::pair<caveto::Field, QString>> more = {})
{
    caveto::CellarRecord r;
    r[caveto::Field::NombreVino] = name;
    r[caveto::Field::Cosecha] = year;
    r[caveto::Field::DenoOrigen] = deno;
    for (const auto &[field, value] : more)
        r[field] = value;
    r.pad();
    return r.buildLine();
}

// Some fields of a record, joined with "|".
inline QString fieldsOf(const caveto::CellarRecord &r, std::initializer_list<caveto::Field> fields)
{
    QStringList values;
    for (caveto::Field f : fields)
        values << r[f];
    return values.join(QLatin1Char('|'));
}
