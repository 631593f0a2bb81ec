#pragma once

#include <QDialog>

// The about box: the product, its version and a picture of dice.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    static QImage dicePicture();
};
