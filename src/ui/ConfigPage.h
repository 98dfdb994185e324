#pragma once

#include <QWidget>

// One page of the configuration sheet. Its controls are loaded from the
// settings the first time the page is shown; a page that was never shown
// changes nothing when the sheet is confirmed.
class CConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit CConfigPage(QWidget *parent = nullptr);

    // Loads the controls now (tests, screenshots); no-op when done already.
    void EnsureInitialised();
    // Writes the controls into the settings when the page was initialised.
    void Apply();

protected:
    virtual void load() = 0;
    virtual void store() = 0;
    void showEvent(QShowEvent *event) override;

private:
    bool m_initialised = false;
};
