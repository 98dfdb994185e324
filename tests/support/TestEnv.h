#pragma once

#include <QString>
#include <QTemporaryDir>

// A private data directory for one test: VELLUMCAST_HOME and XDG folders
// point into a fresh temporary folder, and the process-wide settings are
// back at their defaults. Restores nothing: every test process gets its own.
class TestEnv
{
public:
    TestEnv();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    // The real recordings (VELLUMCAST_CORPUS or ../shared/corpus); empty when absent.
    static QString corpusDir();
    static QString corpusFile(const QString &name);

    // The log of the data directory, decoded (UTF-8, or UTF-16 after its byte-order mark); empty when absent.
    static QString logText();

private:
    QTemporaryDir m_dir;
};

// Skips the current test, saying so, when the corpus is absent.
#define REQUIRE_CORPUS()                                                                                               \
    do {                                                                                                               \
        if (TestEnv::corpusDir().isEmpty())                                                                            \
            QSKIP("corpus folder not found (set VELLUMCAST_CORPUS)");                                                  \
    } while (false)
