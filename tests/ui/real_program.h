// What the tests that start the real program share: the environment of a program windowed, silent
// and without a splash, with a store and a data folder of its own.
#pragma once

#include <QProcessEnvironment>
#include <QString>

#include "support/qt/program_folder.h"
#include "support/qt/test_app.h"
#include "support/qt/x_desktop.h"

namespace gorvo::test {

// The desktop's environment with XDG_CONFIG_HOME and XDG_DATA_HOME under `home`, whose store
// has the game windowed, with no sound and no splash; empty when the store cannot be written.
QProcessEnvironment real_program_environment(const XDesktop& desktop, const QString& home);

}  // namespace gorvo::test
