#pragma once

#include <QValidator>

class QLineEdit;

// Accepts only text the data files can store in code page 1251, so two different names never
// end up as the same bytes. In lower-case mode every typed letter is turned to lower case, as
// passwords are kept.
class Cp1251Validator : public QValidator
{
    Q_OBJECT

public:
    enum class Case { AsTyped, Lower };

    Cp1251Validator(int maxLength, Case letterCase, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    int m_maxLength;
    Case m_case;
};

// Limits an edit field to maxLength storable characters.
void restrictToCp1251(QLineEdit *edit, int maxLength,
                      Cp1251Validator::Case letterCase = Cp1251Validator::Case::AsTyped);
