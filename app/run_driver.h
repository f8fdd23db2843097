#ifndef BRISVANE_APP_RUN_DRIVER_H
#define BRISVANE_APP_RUN_DRIVER_H

#include "app/command_line.h"

/// Runs an accepted configuration: get mode scans the project and writes the
/// document; new mode goes to runNewMode. Returns the process exit code: 0
/// after "Finished", 1 when the mode's document file cannot be opened.
int runDriver(const RunConfig& config);

#endif
