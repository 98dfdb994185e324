#pragma once

#include <QSplashScreen>

// The start-up window: the product picture with the credit line, the
// version line and, for a translation that names its translator, the
// translator's name and flag.
class CSplash : public QSplashScreen
{
    Q_OBJECT
public:
    CSplash();

    // A translator name of more than five characters is shown with its flag.
    void SetTranslator(const QString &name, int country);

    static QPixmap Picture(const QString &translator, int translatorCountry);

private:
    QString m_translator;
};
