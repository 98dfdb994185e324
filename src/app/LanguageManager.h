#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The language of the user interface. Translations are Qt files named
// "vellumcast_<language>.qm" in the resources' "translations/" folder; the
// program's own texts are English. Qt's own texts (standard buttons, file
// dialogs) follow in the same language when the system has Qt's translation. A language is a locale name such as
// "es" or "pt_BR", stored as "LanguageId"; a change takes effect at the next
// start.
class CLanguageManager
{
public:
    static constexpr const char *kOwnLanguage = "en";

    explicit CLanguageManager(const QString &translationsFolder = QString());
    ~CLanguageManager();

    // Tries, in order, the stored language, each of the system's languages
    // and the program's own, and installs the first that loads. Returns it.
    QString Initialise(const QString &stored, const QStringList &systemLanguages);
    // The stored "LanguageId" and the system's languages, most wanted first.
    static QString StoredLanguage();
    static QStringList SystemLanguages();

    QString Current() const { return m_current; }
    // The program's own language first, then one per translation file found.
    QStringList AvailableLanguages() const;
    // The language's native name, else its English name, else "<id> - ???".
    static QString DisplayName(const QString &language);

    // Stores the choice and returns the "Please restart" message in the
    // chosen language, naming the application.
    QString Choose(const QString &language, const QString &applicationName) const;

private:
    bool tryLanguage(const QString &language);
    bool loadExact(const QString &language);
    void installQtTranslation(const QString &language);
    QString fileFor(const QString &language) const;

    QString m_folder;
    QString m_current;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
};
