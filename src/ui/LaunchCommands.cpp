#include "ui/LaunchCommands.h"

#include "app/FileStrings.h"
#include "app/GameInstall.h"
#include "app/Settings.h"
#include "explorer/GameLauncher.h"
#include "shell/CommandIds.h"
#include "ui/AttentionBox.h"
#include "ui/CommandTable.h"

CLaunchCommands::CLaunchCommands(QWidget *window, CCommandTable *commands)
    : QObject(window)
    , m_window(window)
{
    using Version = CGameLauncher::Version;
    const std::pair<int, Version> versions[] = {
        { Cmd::Launch, Version::Default },
        { Cmd::Launch10c, Version::V10c },
        { Cmd::Launch10, Version::V10 },
    };
    for (const auto &[id, version] : versions)
        commands->SetHandler(id, [this, version = version] { launch(int(version)); });
}

void CLaunchCommands::launch(int version) const
{
    const CSettings &settings = CSettings::Instance();
    const CGameInstall install(settings.WinePrefix());
    const QString program = CGameLauncher::Program(install, settings.Version10Path(), CGameLauncher::Version(version));
    if (!CGameLauncher(settings.WineCommand(), install.Prefix()).Launch(program))
        AttentionBox::Show(m_window, LoadString(StringId::GameNotFound));
}
