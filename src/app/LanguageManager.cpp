#include "app/LanguageManager.h"

#include "app/Paths.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {
const QString kPrefix = QStringLiteral("vellumcast_");
const QString kSuffix = QStringLiteral(".qm");
} // namespace

CLanguageManager::CLanguageManager(const QString &translationsFolder)
    : m_folder(
        Paths::WithSlash(translationsFolder.isEmpty() ? Paths::ResourcesDirectory() + QStringLiteral("translations")
                                                      : translationsFolder))
    , m_current(QString::fromLatin1(kOwnLanguage))
{
}

CLanguageManager::~CLanguageManager()
{
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QString CLanguageManager::StoredLanguage()
{
    return CSettings::OpenStore()->value(QString::fromLatin1(SettingsKey::LanguageId)).toString();
}

QStringList CLanguageManager::SystemLanguages()
{
    QStringList languages;
    for (QString name : QLocale::system().uiLanguages())
        languages << name.replace(QLatin1Char('-'), QLatin1Char('_'));
    languages << QLocale::system().name();
    return languages;
}

QString CLanguageManager::Initialise(const QString &stored, const QStringList &systemLanguages)
{
    QStringList candidates { stored };
    candidates << systemLanguages;
    for (const QString &language : std::as_const(candidates))
        if (tryLanguage(language))
            return m_current;
    loadExact(QString::fromLatin1(kOwnLanguage));
    return m_current;
}

bool CLanguageManager::tryLanguage(const QString &language)
{
    // An unset choice is stored as 0.
    if (language.isEmpty() || language == QLatin1String("0") || language == QLatin1String("C"))
        return false;
    if (loadExact(language))
        return true;
    const QLocale locale(language);
    const QString primary = language.section(QLatin1Char('_'), 0, 0);
    if (primary != language && loadExact(primary))
        return true;
    // The language's main country ("es" -> "es_ES").
    const QString main = QLocale(locale.language()).name();
    return main != language && main != primary && loadExact(main);
}

QString CLanguageManager::fileFor(const QString &language) const
{
    return m_folder + kPrefix + language + kSuffix;
}

bool CLanguageManager::loadExact(const QString &language)
{
    if (language == QLatin1String(kOwnLanguage)) {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        installQtTranslation(language);
        m_current = language;
        return true;
    }
    // QTranslator would quietly fall back to a shorter name; the fallbacks
    // are ours to try in their order.
    if (!QFileInfo::exists(fileFor(language)))
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileFor(language)))
        return false;
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = std::move(translator);
    QCoreApplication::installTranslator(m_translator.get());
    installQtTranslation(language);
    m_current = language;
    return true;
}

void CLanguageManager::installQtTranslation(const QString &language)
{
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    m_qtTranslator.reset();
    if (language == QLatin1String(kOwnLanguage))
        return;
    // Optional: without it the standard buttons stay in English.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    m_qtTranslator = std::move(translator);
    QCoreApplication::installTranslator(m_qtTranslator.get());
}

QStringList CLanguageManager::AvailableLanguages() const
{
    QStringList languages { QString::fromLatin1(kOwnLanguage) };
    const QStringList files
        = QDir(m_folder).entryList({ kPrefix + QStringLiteral("*") + kSuffix }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString language = file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
        if (!language.isEmpty() && !languages.contains(language))
            languages << language;
    }
    return languages;
}

QString CLanguageManager::DisplayName(const QString &language)
{
    const QLocale locale(language);
    if (locale.language() != QLocale::C) {
        const QString native = locale.nativeLanguageName();
        if (!native.isEmpty())
            return native;
        const QString english = QLocale::languageToString(locale.language());
        if (!english.isEmpty())
            return english;
    }
    return language + QStringLiteral(" - ???");
}

QString CLanguageManager::Choose(const QString &language, const QString &applicationName) const
{
    CSettings::OpenStore()->setValue(QString::fromLatin1(SettingsKey::LanguageId), language);
    const QString source = SourceString(StringId::PleaseRestart);
    QString text;
    QTranslator chosen;
    if (language != QLatin1String(kOwnLanguage) && chosen.load(fileFor(language)))
        text = chosen.translate("StringTable", source.toUtf8().constData());
    if (text.isEmpty())
        text = source;
    return text.arg(applicationName);
}
