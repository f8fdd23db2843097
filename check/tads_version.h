#ifndef BRISVANE_CHECK_TADS_VERSION_H
#define BRISVANE_CHECK_TADS_VERSION_H

#include <QString>

#include "check/project_tree.h"

/// The generation of TADS a game is written for: it decides what the
/// interpreter prints of the entities in a text.
enum class TadsVersion { Unknown, Tads2, Tads3 };

/// Which version the check reads the project as, and why.
struct VersionVerdict {
  TadsVersion version = TadsVersion::Tads3;
  /// What in the project told the version ("start.t" includes <adv3.h>);
  /// empty when the option gave it or nothing did.
  QString evidence;
  bool fromOption = false;
};

/// The version of the project under `rootDir` (walked as `root`): TADS 3
/// when a source starts with a #charset line or includes <adv3.h>,
/// <adv3Lite.h> or <tads.h>, or the tree holds a .t3m or .tl file; else
/// TADS 2 when a source includes <adv.t> or <std.t> or the tree holds a
/// file of either name; else TADS 3, assumed. `option` (not Unknown) wins.
VersionVerdict detectTadsVersion(const QString& rootDir, const SourceFolder& root,
                                 TadsVersion option);

/// The report's line about the version, naming "--tads" when it assumed one.
QString describeVersion(const VersionVerdict& verdict);

/// "TADS 2" or "TADS 3".
QString versionName(TadsVersion version);

#endif
