#include "data/cp1251validator.h"

#include "platform/cp1251.h"

#include <QLineEdit>

Cp1251Validator::Cp1251Validator(int maxLength, Case letterCase, QObject *parent)
    : QValidator(parent), m_maxLength(maxLength), m_case(letterCase)
{
}

QValidator::State Cp1251Validator::validate(QString &input, int &) const
{
    if (input.size() > m_maxLength || !cp1251::encodable(input.toStdString()))
        return Invalid;
    // Every character of the page has a one-character lower case within the page, so the
    // length and the cursor stay where they were.
    if (m_case == Case::Lower)
        input = input.toLower();
    return Acceptable;
}

void restrictToCp1251(QLineEdit *edit, int maxLength, Cp1251Validator::Case letterCase)
{
    edit->setMaxLength(maxLength);
    edit->setValidator(new Cp1251Validator(maxLength, letterCase, edit));
}
