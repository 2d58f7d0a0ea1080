#include "platform/SafeInput.h"

#include "cellar/EntryChecks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace caveto {

namespace {

class SafeTextValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        fixup(input, pos);
        return Acceptable;
    }

    void fixup(QString &input) const override
    {
        int pos = 0;
        fixup(input, pos);
    }

private:
    static void fixup(QString &input, int &pos)
    {
        QString kept;
        kept.reserve(input.size());
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            if (isStorableChar(input[i]))
                kept += input[i];
            else if (i < pos)
                --newPos;
        }
        if (kept.size() != input.size()) {
            input = kept;
            pos = newPos;
        }
    }
};

} // namespace

void installSafeInput(QLineEdit *edit)
{
    edit->setValidator(new SafeTextValidator(edit));
}

void installSafeInput(QComboBox *combo)
{
    if (combo->lineEdit())
        combo->setValidator(new SafeTextValidator(combo));
}

} // namespace caveto
