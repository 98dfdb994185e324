#pragma once

#include <QString>

#include <memory>

class CDialogFrames;
class CInstanceChannel;
class CLanguageManager;
class CMainFrame;
class QLockFile;

// The start-up of the explorer window, in order: one instance per data
// directory, the splash, the language, the settings loader with the
// catalogue preparation, and the main window. A later start on the same data
// directory hands its folder to the running window and ends.
class CVellumcastApp
{
public:
    enum class Start { Ready, AlreadyRunning, Fatal };

    CVellumcastApp();
    ~CVellumcastApp();

    // Runs the start-up sequence. folder, when given, is listed instead of
    // the stored current path (without being stored).
    Start InitInstance(const QString &folder = QString(), bool showWindow = true);

    CMainFrame *MainFrame() const { return m_frame.get(); }

    // The message and exit status of a catalogue that cannot be opened.
    static constexpr int kFatalExitCode = 1;

private:
    std::unique_ptr<QLockFile> m_instanceLock;
    std::unique_ptr<CDialogFrames> m_dialogFrames;
    std::unique_ptr<CLanguageManager> m_languages;
    std::unique_ptr<CInstanceChannel> m_channel;
    std::unique_ptr<CMainFrame> m_frame;
};
