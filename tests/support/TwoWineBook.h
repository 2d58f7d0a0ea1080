#pragma once
// The book the interrupted-press tests start from: two wines of one
// appellation, the first with no bottles left; real modal windows from then
// on.

#include "support/CavetoFixture.h"

inline void startTwoWineBook(CavetoFixture &f)
{
    using caveto::Field;
    auto wine = [](const char *name, const char *year, const char *bottles) {
        return CavetoFixture::wineLine(QString::fromUtf8(name), QString::fromUtf8(year),
            QStringLiteral("Ribera del Duero"),
            { { Field::Precio, QStringLiteral("12,50") },
                { Field::NumBotellas, QString::fromUtf8(bottles) } });
    };
    f.writeDataFile({ wine("Pago de Carraovejas", "2015", "0"), wine("Pesquera", "2016", "6") });
    f.start();
    f.script.reset();
}
