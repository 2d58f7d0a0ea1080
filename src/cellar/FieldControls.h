#pragma once
// Entry fields made from their record field: the control takes the field's
// name as its objectName and the field's width as its typing limit, so a
// width is written only in the record layout.

#include "cellar/RecordLine.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;
class TNumEdit;

namespace caveto {

// A text field on the normal field colour, taking only storable characters.
QLineEdit *makeTextField(QWidget *parent, Field field);
// A numeric field (decimal or whole numbers) with its hint.
TNumEdit *makeNumField(
    QWidget *parent, Field field, bool decimals, const QString &hint = QString());
// An editable list field: free typing up to the field's width, no completer.
QComboBox *makeListField(QWidget *parent, Field field);
// A hidden working field; `maxLength` 0 leaves the edit's own limit.
QLineEdit *makeHiddenField(QWidget *parent, const QString &name, int maxLength, bool readOnly);

} // namespace caveto
