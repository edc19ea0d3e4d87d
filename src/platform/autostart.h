#pragma once
// Starting the program with the user's session: one entry in the user's own autostart place
// (the Startup folder on Windows, ~/.config/autostart on Linux) that runs this executable with
// today's working directory, where the settings and the log live. Nothing else is registered.

namespace morvella::platform {

// Creates or replaces the entry. False when it could not be written.
bool enable_autostart();

// Removes the entry if there is one. False when one is left behind.
bool disable_autostart();

// True when the entry exists and starts this executable in the current working directory.
bool autostart_is_current();

// Re-creates the entry when it is missing or starts another executable or directory.
inline bool ensure_autostart() { return autostart_is_current() || enable_autostart(); }

}  // namespace morvella::platform
