#ifndef BRISVANE_CHECK_CHARSET_CHECKS_H
#define BRISVANE_CHECK_CHARSET_CHECKS_H

#include "check/finding.h"
#include "check/project_tree.h"

/// One finding per source file that holds bytes beyond ASCII and names,
/// by a #charset line or a byte-order mark, a character set other than
/// code page 1251, which is all both modes read and write: what the
/// document shows of the file, and where to turn instead. In walk order.
Findings checkCharsets(const SourceFolder& root);

#endif
