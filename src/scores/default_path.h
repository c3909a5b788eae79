#pragma once

#include <string>

namespace vexel::scores {

// Where the records live unless the command line says otherwise:
// $XDG_DATA_HOME/vexel/vexel.ini, with $HOME/.local/share standing in for an
// unset, empty or relative XDG_DATA_HOME, and the account's home folder
// from the password database when HOME is unset or empty.
std::string defaultScoresPath();

} // namespace vexel::scores
