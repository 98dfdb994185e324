#pragma once

// The start-up loader: fills the process-wide settings, prepares the
// catalogue (created and seeded on the first start, updated once later) and
// empties the log of the previous run. False when the catalogue cannot be
// used, which is fatal for the program.
namespace SettingsLoader {

bool Run();

} // namespace SettingsLoader
