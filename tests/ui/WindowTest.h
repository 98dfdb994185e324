#pragma once

#include "TestEnv.h"

#include "app/LanguageManager.h"
#include "app/Settings.h"
#include "ui/CommandTable.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"

#include <QAction>
#include <QObject>
#include <QSize>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What the window tests share: a private data directory, a main window over
// a temporary folder of recordings, and short ways to its list and commands.
// Members are destroyed window first, then the languages and the folder.
class CWindowTest : public QObject
{
protected:
    TestEnv m_env;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CLanguageManager> m_languages;
    std::unique_ptr<CMainFrame> m_frame;

    QString folderPath() const { return m_folder->path() + QLatin1Char('/'); }
    CGameListModel &model() const { return *m_frame->ListView()->Model(); }
    QAction *action(int id) const { return m_frame->Commands()->Action(id); }
    const CGameRow &row(const QString &name) const { return model().Row(model().FindRow(name)); }

    // Default settings with nothing stored (settings written by a test
    // belong to it alone), and a new empty folder.
    void freshSettingsAndFolder()
    {
        CSettings::Instance().ResetToDefaults();
        CSettings::OpenStore()->clear();
        m_folder = std::make_unique<QTemporaryDir>(m_env.file(QStringLiteral("games-XXXXXX")));
        QVERIFY(m_folder->isValid());
    }

    // A new window listing folderPath(), shown; with the built translations
    // when asked (the language menu and translated texts), at size when given.
    void openWindow(bool translated = false, const QSize &size = QSize())
    {
        m_frame.reset();
        if (translated)
            m_languages = std::make_unique<CLanguageManager>(qEnvironmentVariable("VELLUMCAST_TRANSLATIONS"));
        m_frame = std::make_unique<CMainFrame>(translated ? m_languages.get() : nullptr);
        CSettings::Instance().SetCurrentPath(folderPath());
        m_frame->InitialFill();
        if (size.isValid())
            m_frame->resize(size);
        m_frame->show();
    }
};
