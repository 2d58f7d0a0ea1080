#include "platform/SaveQuestion.h"

#include "platform/FormStyle.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TSaveQuestion::TSaveQuestion(QWidget *parent, const QString &title, QString *answer)
    : QDialog(parent)
    , m_answer(answer)
{
    Q_ASSERT(answer);
    setWindowTitle(QStringLiteral(" Caveto   AVISO."));
    caveto::setupFixedForm(this, 281, 143);

    LOpcion = caveto::makeTitlePanel(this, QStringLiteral("LOpcion"), title);
    LOpcion->setGeometry(8, 8, 265, 24);

    PPregunta = caveto::makePanel(this, QStringLiteral("PPregunta"),
        QStringLiteral("¿ Desea guardar los cambios efectuados ?"));
    PPregunta->setGeometry(8, 40, 265, 48);
    PPregunta->setAlignment(Qt::AlignCenter);
    PPregunta->setWordWrap(true);

    BSi = caveto::makeButton(
        this, QStringLiteral("BSi"), QStringLiteral("Si"), QStringLiteral("BSi"));
    BNo = caveto::makeButton(
        this, QStringLiteral("BNo"), QStringLiteral("No"), QStringLiteral("BNo"));
    BCancelar = caveto::makeButton(
        this, QStringLiteral("BCancelar"), QStringLiteral("Cancelar"), QStringLiteral("BCancelar"));
    BSi->setGeometry(8, 100, 84, 32);
    BNo->setGeometry(98, 100, 84, 32);
    BCancelar->setGeometry(189, 100, 84, 32);
    // Enter presses the button holding the focus; "Si" is the default.
    for (QPushButton *b : { BSi, BNo, BCancelar })
        b->setAutoDefault(true);
    BSi->setDefault(true);
    BSi->setFocus();

    connect(BSi, &QPushButton::clicked, this, &TSaveQuestion::BSiClick);
    connect(BNo, &QPushButton::clicked, this, &TSaveQuestion::BNoClick);
    connect(BCancelar, &QPushButton::clicked, this, &TSaveQuestion::BCancelarClick);
}

void TSaveQuestion::answer(const QString &value)
{
    *m_answer = value;
    done(value == QLatin1String("S") ? Accepted : Rejected);
}

void TSaveQuestion::BSiClick()
{
    answer(QStringLiteral("S"));
}

void TSaveQuestion::BNoClick()
{
    answer(QStringLiteral("N"));
}

void TSaveQuestion::BCancelarClick()
{
    answer(QStringLiteral("C"));
}

void TSaveQuestion::reject()
{
    if (*m_answer == QLatin1String(" "))
        *m_answer = QStringLiteral("C");
    QDialog::reject();
}

void TSaveQuestion::closeEvent(QCloseEvent *event)
{
    if (*m_answer == QLatin1String(" "))
        *m_answer = QStringLiteral("C");
    QDialog::closeEvent(event);
}
