#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <atomic>
#include <memory>

class QSettings;

// Key names of the settings store. They are the store's own names and are
// never translated.
namespace SettingsKey {
inline constexpr const char *Section = "Settings";
inline constexpr const char *RenameSection = "RenameFormats";
inline constexpr const char *SettedSaveGame = "SettedSaveGame";
inline constexpr const char *SaveGameFolder = "SaveGameFolder";
inline constexpr const char *SaveGameFolderSetted = "SaveGameFolderSetted";
inline constexpr const char *CustomDate = "CustomDate";
inline constexpr const char *UseEnglishMaps = "UseEnglishMaps";
inline constexpr const char *DeleteDirectly = "DeleteDirectly";
inline constexpr const char *ShowResign = "ShowResign";
inline constexpr const char *ShowChat = "ShowChat";
inline constexpr const char *ShowChatTimes = "ShowChatTimes";
inline constexpr const char *AnalyzeScenario = "AnalyzeScenario";
inline constexpr const char *AnalyzeZip = "AnalyzeZip";
inline constexpr const char *AnalyzeRar = "AnalyzeRar";
inline constexpr const char *WatchFolder = "WatchFolder";
inline constexpr const char *CurrentPath = "CurrentPath";
inline constexpr const char *DateFormat = "DateFormat";
inline constexpr const char *PlataformRM = "Plataform_RM";
inline constexpr const char *PlataformDM = "Plataform_DM";
inline constexpr const char *WorkDirectory = "WorkDirectory";
inline constexpr const char *CollisionExt = "CollisionExt";
inline constexpr const char *AoCVersion10Path = "AoCVersion10Path";
inline constexpr const char *TessikVersion = "TessikVersion";
inline constexpr const char *Overview = "Overview";
inline constexpr const char *WindowGeometry = "WindowGeometry";
inline constexpr const char *WindowState = "WindowState";
inline constexpr const char *LanguageId = "LanguageId";
inline constexpr const char *CodePage = "CodePage";
inline constexpr const char *WinePrefix = "WinePrefix";
inline constexpr const char *WineCommand = "WineCommand";
inline constexpr const char *RenameFormatsCount = "RenameFormatsCount";
} // namespace SettingsKey

// Defaults of the settings store.
namespace SettingsDefault {
inline constexpr const char *CustomDate = "%d-%m-%y %H'%M";
inline constexpr const char *DateFormat = "%d/%m/%Y %H:%M";
inline constexpr const char *CollisionExt = " Game %d";
inline constexpr const char *CodePage = "windows-1252";
inline constexpr const char *WineCommand = "wine";
inline constexpr int PlataformRM = 1;
inline constexpr int PlataformDM = 2;
inline constexpr int CatalogueStamp = 10404;
} // namespace SettingsDefault

// The process-wide settings and paths. Filled once by Load() at start-up,
// changed by the configuration and the folder listing on the user-interface
// thread. The analysis flags are atomics because a scan worker reads them
// while the user may confirm the configuration.
class CSettings
{
public:
    static CSettings &Instance();

    // The per-user settings store: an INI file inside $VELLUMCAST_HOME when
    // that is set, else QSettings("Kestrelhold", "Vellumcast").
    static std::unique_ptr<QSettings> OpenStore();

    // Loader steps that touch only settings: SaveGame folder, flags, current
    // path (validated), date formats, default platforms, work directory and
    // code page. The catalogue preparation and the log reset are separate.
    void Load();

    // Writes the general settings in the store's order from the current state.
    void SaveGeneral() const;
    // Writes "CurrentPath": the archive home path while an archive is browsed.
    void SaveCurrentPath() const;

    // Returns folder (with a trailing "/") when it can be listed; otherwise the
    // validated SaveGame folder when fallBack is true, else the home folder.
    QString ValidatePath(const QString &folder, bool fallBack) const;

    QString DataDirectory() const;
    QString CataloguePath() const;

    QString GameDirectory() const { return get(m_gameDirectory); }
    QString SaveGameFolder() const { return get(m_saveGameFolder); }
    void SetSaveGameFolder(const QString &folder); // stores the choice; empty clears it
    QString CurrentPath() const { return get(m_currentPath); }
    void SetCurrentPath(const QString &path) { set(m_currentPath, path); }
    QString ArchiveHomePath() const { return get(m_archiveHomePath); }
    void SetArchiveHomePath(const QString &path) { set(m_archiveHomePath, path); }
    bool BrowsingArchive() const { return m_browsingArchive; }
    void SetBrowsingArchive(bool on) { m_browsingArchive = on; }
    QString DateFormat() const { return get(m_dateFormat); }
    void SetDateFormat(const QString &format) { set(m_dateFormat, format); }
    QString CustomDateFormat() const { return get(m_customDate); }
    void SetCustomDateFormat(const QString &format) { set(m_customDate, format); }
    QString WorkDirectory() const { return get(m_workDirectory); }
    void SetWorkDirectory(const QString &folder) { set(m_workDirectory, folder); }
    QString CodePage() const { return get(m_codePage); }
    void SetCodePage(const QString &name);
    QString WinePrefix() const { return get(m_winePrefix); }
    void SetWinePrefix(const QString &folder);
    QString WineCommand() const { return get(m_wineCommand); }
    void SetWineCommand(const QString &command);

    QString CollisionText() const;
    void SetCollisionText(const QString &text);
    QString Version10Path() const;
    void SetVersion10Path(const QString &path);
    int CatalogueStamp() const;
    void SetCatalogueStamp(int stamp);

    int DefaultPlatformRM() const { return m_platformRM; }
    void SetDefaultPlatformRM(int platform) { m_platformRM = platform; }
    int DefaultPlatformDM() const { return m_platformDM; }
    void SetDefaultPlatformDM(int platform) { m_platformDM = platform; }

    std::atomic<bool> showChat{true};
    std::atomic<bool> showChatTimes{true};
    std::atomic<bool> showResign{true};
    std::atomic<bool> analyzeScenario{true};
    std::atomic<bool> analyzeZip{true};
    std::atomic<bool> analyzeRar{true};
    // New recordings of the shown folder appear in the list by themselves.
    std::atomic<bool> watchFolder{true};
    std::atomic<bool> useEnglishMaps{true};
    std::atomic<bool> deleteDirectly{false};

    // Puts every value back to its default (tests, and before Load()).
    void ResetToDefaults();

private:
    CSettings();
    QString get(const QString &value) const;
    void set(QString &value, const QString &text);

    mutable QMutex m_mutex;
    QString m_gameDirectory;
    QString m_saveGameFolder;
    QString m_currentPath;
    QString m_archiveHomePath;
    QString m_dateFormat;
    QString m_customDate;
    QString m_workDirectory;
    QString m_codePage;
    QString m_winePrefix;
    QString m_wineCommand;
    std::atomic<bool> m_browsingArchive{false};
    std::atomic<int> m_platformRM{SettingsDefault::PlataformRM};
    std::atomic<int> m_platformDM{SettingsDefault::PlataformDM};
};
