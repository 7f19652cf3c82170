# SPDX-License-Identifier: GPL-3.0-or-later
# The names a desktop looks the game up by, and the bitmap icon sizes drawn from its SVG. Read by
# the build (packaging/CMakeLists.txt) and by the check of an installed tree (CheckInstall.cmake),
# so what is installed and what is checked never drift apart.
set(SPECTRUMIX_APP_ID org.spectrumix.spectrumix)
set(SPECTRUMIX_ICON_SIZES 48 64 128 256)
