// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a build of the program for the test of a game without its
// sounds: as the application starts, the wave files built into the program
// leave its resources, so that the game finds them neither there nor beside
// the program. Everything else is the program itself.

#include <QCoreApplication>

static void forgetTheEmbeddedWaves() { Q_CLEANUP_RESOURCE(kalvenor_sounds); }
Q_COREAPP_STARTUP_FUNCTION(forgetTheEmbeddedWaves)
