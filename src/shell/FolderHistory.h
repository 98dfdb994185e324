#pragma once

#include <QString>
#include <QStringList>

// The folders the list has shown, for Back and Forward as a file manager
// has them: visiting a folder forgets the way forward; going back and
// forward walk the way without changing it.
class CFolderHistory
{
public:
    static constexpr int kMaxSteps = 100;

    // The list now shows folder because the user went there (not by Back
    // or Forward). Showing the same folder again is no step.
    void Visit(const QString &folder);

    bool CanGoBack() const { return !m_back.isEmpty(); }
    bool CanGoForward() const { return !m_forward.isEmpty(); }
    // The folder to show for Back / Forward; the history moves with it.
    // Empty when there is none.
    QString Back();
    QString Forward();
    QString Current() const { return m_current; }

    // The folder above folder and the name of folder inside it, so that the
    // list can select where the user came from; empty for the root.
    static QString ParentOf(const QString &folder, QString *childName = nullptr);

private:
    QStringList m_back;
    QStringList m_forward;
    QString m_current;
};
