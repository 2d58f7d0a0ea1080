#include "cellar/FieldControls.h"

#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/SafeInput.h"

#include <QComboBox>
#include <QLineEdit>

namespace caveto {

namespace {
QString nameOf(Field field)
{
    return QString::fromLatin1(fieldName(field));
}
} // namespace

QLineEdit *makeTextField(QWidget *parent, Field field)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(nameOf(field));
    edit->setMaxLength(fieldWidth(field));
    installSafeInput(edit);
    setFieldColor(edit, colors::CampoNormal);
    return edit;
}

TNumEdit *makeNumField(QWidget *parent, Field field, bool decimals, const QString &hint)
{
    auto *edit = new TNumEdit(parent);
    edit->setObjectName(nameOf(field));
    edit->setMaxLength(fieldWidth(field));
    edit->setFloat(decimals);
    edit->setNegative(true);
    edit->setToolTip(hint);
    setFieldColor(edit, colors::CampoNormal);
    return edit;
}

QComboBox *makeListField(QWidget *parent, Field field)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(nameOf(field));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(14);
    combo->lineEdit()->setMaxLength(fieldWidth(field));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    installSafeInput(combo);
    setFieldColor(combo, colors::CampoNormal);
    setFieldColor(combo->lineEdit(), colors::CampoNormal);
    return combo;
}

QLineEdit *makeHiddenField(QWidget *parent, const QString &name, int maxLength, bool readOnly)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setReadOnly(readOnly);
    edit->hide();
    return edit;
}

} // namespace caveto
