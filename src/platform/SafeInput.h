#pragma once
// Every record field is single-byte Windows-1252 text on one line: text
// fields refuse, quietly, any character a record cannot store, whether it is
// typed or pasted.

class QComboBox;
class QLineEdit;

namespace caveto {

void installSafeInput(QLineEdit *edit);
void installSafeInput(QComboBox *combo);

} // namespace caveto
