#include "shell/SettingsLoader.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"

namespace SettingsLoader {

bool Run()
{
    CSettings::Instance().Load();
    const bool ready = Catalogue::PrepareCatalogue();
    // The log holds one run only; a catalogue failure stays readable in it.
    if (ready)
        Log::Clear();
    return ready;
}

} // namespace SettingsLoader
