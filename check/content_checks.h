#ifndef BRISVANE_CHECK_CONTENT_CHECKS_H
#define BRISVANE_CHECK_CONTENT_CHECKS_H

#include "check/finding.h"
#include "check/project_tree.h"
#include "scan/document_model.h"

/// The losses built into what a document says, whoever reads it, judged
/// against the project as new mode would patch it: rows past the end of
/// their file or past the last literal of their line, lines whose row 0 is
/// missing, literals left with a placeholder, texts holding their literal's
/// own quote character or a placeholder, characters code page 1251 cannot
/// hold, source files without a section and what that leaves out, sections
/// without a source file, and duplicate base names. In walk order.
Findings checkContent(const SourceFolder& root, const DocumentModel& meant);

#endif
