#include "app/Settings.h"

#include "app/GameInstall.h"
#include "app/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(SettingsKey::Section) + QLatin1Char('/') + QLatin1String(name);
}

int readInt(const QSettings &store, const char *name, int fallback)
{
    bool ok = false;
    const int value = store.value(key(name), fallback).toInt(&ok);
    return ok ? value : fallback;
}

QString readString(const QSettings &store, const char *name, const QString &fallback)
{
    const QVariant value = store.value(key(name));
    return value.isValid() ? value.toString() : fallback;
}

} // namespace

CSettings &CSettings::Instance()
{
    static CSettings settings;
    return settings;
}

CSettings::CSettings()
{
    ResetToDefaults();
}

std::unique_ptr<QSettings> CSettings::OpenStore()
{
    const QString home = qEnvironmentVariable("VELLUMCAST_HOME");
    if (!home.isEmpty())
        return std::make_unique<QSettings>(
            Paths::DataDirectory() + QStringLiteral("settings.ini"), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Kestrelhold"), QStringLiteral("Vellumcast"));
}

QString CSettings::get(const QString &value) const
{
    QMutexLocker lock(&m_mutex);
    return value;
}

void CSettings::set(QString &value, const QString &text)
{
    QMutexLocker lock(&m_mutex);
    value = text;
}

void CSettings::ResetToDefaults()
{
    {
        QMutexLocker lock(&m_mutex);
        m_gameDirectory.clear();
        m_saveGameFolder.clear();
        m_currentPath.clear();
        m_archiveHomePath.clear();
        m_dateFormat = QString::fromLatin1(SettingsDefault::DateFormat);
        m_customDate = QString::fromLatin1(SettingsDefault::CustomDate);
        m_workDirectory = Paths::DataDirectory() + QStringLiteral("work/");
        m_codePage = QString::fromLatin1(SettingsDefault::CodePage);
        m_winePrefix.clear();
        m_wineCommand = QString::fromLatin1(SettingsDefault::WineCommand);
    }
    m_browsingArchive = false;
    m_platformRM = SettingsDefault::PlataformRM;
    m_platformDM = SettingsDefault::PlataformDM;
    showChat = showChatTimes = showResign = analyzeScenario = true;
    analyzeZip = analyzeRar = useEnglishMaps = watchFolder = true;
    deleteDirectly = false;
}

void CSettings::Load()
{
    const auto store = OpenStore();

    SetWinePrefix(readString(*store, SettingsKey::WinePrefix, QString()));
    SetWineCommand(readString(*store, SettingsKey::WineCommand, QString::fromLatin1(SettingsDefault::WineCommand)));

    // Both keys mean that "SaveGameFolder" holds the user's choice; the
    // configuration writes "SaveGameFolderSetted", older stores may carry
    // only "SettedSaveGame".
    const bool chosen = readInt(*store, SettingsKey::SaveGameFolderSetted, 0) != 0
        || readInt(*store, SettingsKey::SettedSaveGame, 0) != 0;
    const QString gameDir = CGameInstall(WinePrefix()).GameDirectory();
    set(m_gameDirectory, gameDir);
    if (chosen)
        set(m_saveGameFolder, Paths::WithSlash(readString(*store, SettingsKey::SaveGameFolder, Paths::RootFallback())));
    else
        set(m_saveGameFolder, gameDir.isEmpty() ? QString() : gameDir + QStringLiteral("SaveGame/"));

    SetCustomDateFormat(readString(*store, SettingsKey::CustomDate, QString::fromLatin1(SettingsDefault::CustomDate)));
    useEnglishMaps = readInt(*store, SettingsKey::UseEnglishMaps, 1) == 1;
    // A new installation deletes to the trash: a first Delete must not
    // destroy recordings. A stored choice is kept.
    deleteDirectly = readInt(*store, SettingsKey::DeleteDirectly, 0) != 0;
    showResign = readInt(*store, SettingsKey::ShowResign, 1) != 0;
    showChat = readInt(*store, SettingsKey::ShowChat, 1) != 0;
    showChatTimes = readInt(*store, SettingsKey::ShowChatTimes, 1) != 0;
    analyzeScenario = readInt(*store, SettingsKey::AnalyzeScenario, 1) != 0;
    analyzeZip = readInt(*store, SettingsKey::AnalyzeZip, 1) != 0;
    analyzeRar = readInt(*store, SettingsKey::AnalyzeRar, 1) != 0;
    watchFolder = readInt(*store, SettingsKey::WatchFolder, 1) != 0;

    SetCurrentPath(ValidatePath(readString(*store, SettingsKey::CurrentPath, SaveGameFolder()), true));

    SetDateFormat(readString(*store, SettingsKey::DateFormat, QString::fromLatin1(SettingsDefault::DateFormat)));
    m_platformRM = readInt(*store, SettingsKey::PlataformRM, SettingsDefault::PlataformRM);
    m_platformDM = readInt(*store, SettingsKey::PlataformDM, SettingsDefault::PlataformDM);
    SetWorkDirectory(Paths::WithSlash(
        readString(*store, SettingsKey::WorkDirectory, Paths::DataDirectory() + QStringLiteral("work/"))));
    SetCodePage(readString(*store, SettingsKey::CodePage, QString::fromLatin1(SettingsDefault::CodePage)));
}

void CSettings::SaveGeneral() const
{
    const auto store = OpenStore();
    store->setValue(key(SettingsKey::ShowChat), int(showChat));
    store->setValue(key(SettingsKey::CustomDate), CustomDateFormat());
    store->setValue(key(SettingsKey::ShowResign), int(showResign));
    store->setValue(key(SettingsKey::ShowChatTimes), int(showChatTimes));
    store->setValue(key(SettingsKey::AnalyzeScenario), int(analyzeScenario));
    store->setValue(key(SettingsKey::AnalyzeRar), int(analyzeRar));
    store->setValue(key(SettingsKey::AnalyzeZip), int(analyzeZip));
    store->setValue(key(SettingsKey::WatchFolder), int(watchFolder));
    store->setValue(key(SettingsKey::WorkDirectory), WorkDirectory());
    store->setValue(key(SettingsKey::DeleteDirectly), int(deleteDirectly));
    store->setValue(key(SettingsKey::DateFormat), DateFormat());
    store->setValue(key(SettingsKey::PlataformRM), DefaultPlatformRM());
    store->setValue(key(SettingsKey::PlataformDM), DefaultPlatformDM());
    store->setValue(key(SettingsKey::UseEnglishMaps), int(useEnglishMaps));
    store->setValue(key(SettingsKey::CodePage), CodePage());
    store->setValue(key(SettingsKey::WinePrefix), WinePrefix());
    store->setValue(key(SettingsKey::WineCommand), WineCommand());
}

void CSettings::SaveCurrentPath() const
{
    const auto store = OpenStore();
    store->setValue(key(SettingsKey::CurrentPath), BrowsingArchive() ? ArchiveHomePath() : CurrentPath());
}

QString CSettings::ValidatePath(const QString &folder, bool fallBack) const
{
    const QString path = Paths::WithSlash(folder);
    const QFileInfo info(path);
    if (!path.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable())
        return path;
    if (fallBack)
        return ValidatePath(SaveGameFolder(), false);
    return Paths::RootFallback();
}

QString CSettings::DataDirectory() const
{
    return Paths::DataDirectory();
}

QString CSettings::CataloguePath() const
{
    return Paths::CataloguePath();
}

void CSettings::SetSaveGameFolder(const QString &folder)
{
    set(m_saveGameFolder, Paths::WithSlash(folder));
    const auto store = OpenStore();
    store->setValue(key(SettingsKey::SaveGameFolder), folder);
    store->setValue(key(SettingsKey::SaveGameFolderSetted), folder.isEmpty() ? 0 : 1);
}

void CSettings::SetCodePage(const QString &name)
{
    // An unknown code page would leave every name undecodable: keep the
    // default. (Asking the converter library costs a millisecond at every
    // start; the default needs no asking, it is what an unknown name gets.)
    const bool known = name == QLatin1String(SettingsDefault::CodePage)
        || QStringDecoder(name.toLatin1().constData()).isValid();
    set(m_codePage, known ? name : QString::fromLatin1(SettingsDefault::CodePage));
}

void CSettings::SetWinePrefix(const QString &folder)
{
    set(m_winePrefix, folder);
}

void CSettings::SetWineCommand(const QString &command)
{
    set(m_wineCommand, command.trimmed().isEmpty() ? QString::fromLatin1(SettingsDefault::WineCommand) : command);
}

QString CSettings::CollisionText() const
{
    return readString(*OpenStore(), SettingsKey::CollisionExt, QString::fromLatin1(SettingsDefault::CollisionExt));
}

void CSettings::SetCollisionText(const QString &text)
{
    OpenStore()->setValue(key(SettingsKey::CollisionExt), text);
}

QString CSettings::Version10Path() const
{
    return readString(*OpenStore(), SettingsKey::AoCVersion10Path, QString());
}

void CSettings::SetVersion10Path(const QString &path)
{
    OpenStore()->setValue(key(SettingsKey::AoCVersion10Path), path);
}

int CSettings::CatalogueStamp() const
{
    return readInt(*OpenStore(), SettingsKey::TessikVersion, 0);
}

void CSettings::SetCatalogueStamp(int stamp)
{
    OpenStore()->setValue(key(SettingsKey::TessikVersion), stamp);
}
