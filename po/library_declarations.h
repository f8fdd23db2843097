#ifndef BRISVANE_PO_LIBRARY_DECLARATIONS_H
#define BRISVANE_PO_LIBRARY_DECLARATIONS_H

#include <QString>
#include <QStringList>

#include "po/tads_text_rules.h"
#include "tadslex/tads_lexer.h"

/// The files read for their declarations only, never extracted: every `*.t`
/// and `*.h` file under each of `libDirs` and every `*.h` file under
/// `rootDir` (the headers that declare templates, such as adv3.h), in a
/// fixed order.
QStringList declarationFiles(const QString& rootDir, const QStringList& libDirs);

/// The first of `libDirs` that is not a folder, or an empty text.
QString missingLibDir(const QStringList& libDirs);

/// The message parameters that the files at `paths` define: the names of the
/// message builder's `paramList_` entries and the target names its
/// `getMessageParam` methods take. Only files that mention them are lexed;
/// a file that cannot be read is passed over.
MessageParameters readMessageParameters(const QStringList& paths, TadsDialect dialect,
                                        const QString& fromCharset);

#endif
