#ifndef BRISVANE_PO_TEMPLATE_NAMING_H
#define BRISVANE_PO_TEMPLATE_NAMING_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include "tadslex/tads_lexer.h"

/// The `template` declarations and class hierarchy of a project and its
/// library, which say what property each item of an object's template part
/// sets (`desk: Surface 'desk' 'desk' "A desk."` sets vocabWords, name and
/// desc through `Thing template 'vocabWords' 'name' @location? "desc"?`).
class TemplateCatalog {
 public:
  /// Adds the template declarations and class heads of one lexed file.
  void add(const LexResult& lexed);

  /// The property each item of a template part of `kinds` sets on an object
  /// of `superclasses`, as the compiler picks the template: the classes in
  /// order, each class's own templates before its superclasses'. Empty when
  /// no declaration fits.
  QStringList propertiesOf(const QStringList& superclasses,
                           const QVector<TemplateItemKind>& kinds) const;

 private:
  using Pattern = QVector<TemplateItem>;
  QVector<Pattern> patternsOf(const QString& className, int depth) const;
  QVector<Pattern> ancestorPatterns(const QString& className, int depth) const;
  bool findIn(const QString& className, const QVector<TemplateItemKind>& kinds,
              QStringList& properties, QStringList& visited) const;

  QHash<QString, QVector<TemplateDeclaration>> templates_;
  QHash<QString, QStringList> superclasses_;
};

#endif
