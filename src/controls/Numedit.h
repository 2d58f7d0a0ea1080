#pragma once
// A single-line edit for numbers: digits, and in decimal mode one decimal
// separator; a minus only right after the first character. A thousands
// separator typed in decimal mode is entered as the decimal separator.

#include <QLineEdit>

class TNumEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool Float READ Float WRITE setFloat)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(bool Negative READ Negative WRITE setNegative)

public:
    explicit TNumEdit(QWidget *parent = nullptr);

    bool Float() const { return m_float; }
    void setFloat(bool on) { m_float = on; }
    // Carried as a setting; input is not held to it.
    int Decimals() const { return m_decimals; }
    void setDecimals(int decimals) { m_decimals = quint8(decimals); }
    bool Negative() const { return m_negative; }
    void setNegative(bool on) { m_negative = on; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_float = true;
    quint8 m_decimals = 2;
    bool m_negative = true;
};
