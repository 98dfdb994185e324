#include "shell/SettingsLoader.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "rename/Renamer.h"

#include <QSettings>

namespace SettingsLoader {

bool Run()
{
    CSettings::Instance().Load();
    // The first start seeds the rename formats from the shipped file; a
    // missing file leaves the store unseeded, so the next start tries again.
    if (!CRenamer::HasStoredFormats(*CSettings::OpenStore()))
        CRenamer::StoreDefaultFormats();
    const bool ready = Catalogue::PrepareCatalogue();
    // The log holds one run only; a catalogue failure stays readable in it.
    if (ready)
        Log::Clear();
    return ready;
}

} // namespace SettingsLoader
