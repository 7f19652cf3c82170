// SPDX-License-Identifier: GPL-3.0-or-later
// app::SaveSettingsAtSessionEnd: the end of the desktop session keeps the run's progress.
#pragma once

class QApplication;

namespace app {

// Makes SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C) and the
// session manager's request to quit end the run as a close of the board does: the settings
// are saved, then the game exits. There is nobody to answer a message box at such a moment,
// so a failed save shows none and leaves the old file as it was. Call once, before the
// event loop starts.
void SaveSettingsAtSessionEnd(QApplication& app);

}  // namespace app
