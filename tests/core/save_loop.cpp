// Saves a record file over and over, alternating between two books, until
// it is killed: the crash trials kill it at random moments.
//
//   save_loop FILE LINES

#include "cellar/DataFile.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    QStringList books[2];
    for (int i = 0; i < count; ++i) {
        books[0] << QStringLiteral("Vino A %1").arg(i).leftJustified(1015, QLatin1Char('.'));
        books[1] << QStringLiteral("Vino B %1").arg(i).leftJustified(1015, QLatin1Char(','));
    }
    for (unsigned n = 0;; ++n) {
        QString error;
        if (!caveto::writeRecordFile(path, books[n % 2], &error))
            return 1;
        if (n == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}
