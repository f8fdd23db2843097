#include "po/template_naming.h"

namespace {

// Class hierarchies are shallow; a deeper one is a cycle.
const int kMaxDepth = 32;

/// Matches `kinds` from `at` against the items of `pattern` from `item`,
/// filling `properties`; an item that is optional may be left out, items
/// joined by `|` are alternatives. The first fit, items taken before left
/// out, is the compiler's.
bool fits(const QVector<TemplateItem>& pattern, int item, const QVector<TemplateItemKind>& kinds,
          int at, QStringList& properties) {
  if (item == pattern.size()) return at == kinds.size();
  int last = item;
  bool optional = pattern[item].optional;
  while (pattern[last].orNext && last + 1 < pattern.size()) {
    ++last;
    optional = optional || pattern[last].optional;
  }
  for (int choice = item; choice <= last && at < kinds.size(); ++choice) {
    if (pattern[choice].kind != kinds[at]) continue;
    properties[at] = pattern[choice].property;
    if (fits(pattern, last + 1, kinds, at + 1, properties)) return true;
  }
  return optional && fits(pattern, last + 1, kinds, at, properties);
}

}  // namespace

void TemplateCatalog::add(const LexResult& lexed) {
  for (const TemplateDeclaration& declaration : lexed.templates) {
    templates_[declaration.className].append(declaration);
  }
  for (const DefinitionHead& head : lexed.heads) {
    if (head.isClass && !superclasses_.contains(head.name)) {
      superclasses_.insert(head.name, head.superclasses);
    }
  }
}

QVector<TemplateCatalog::Pattern> TemplateCatalog::patternsOf(const QString& className,
                                                              int depth) const {
  QVector<Pattern> patterns;
  for (const TemplateDeclaration& declaration : templates_.value(className)) {
    patterns.append(declaration.items);
    if (!declaration.inherited) continue;
    for (const Pattern& tail : ancestorPatterns(className, depth + 1)) {
      patterns.append(declaration.items + tail);
    }
  }
  return patterns;
}

QVector<TemplateCatalog::Pattern> TemplateCatalog::ancestorPatterns(const QString& className,
                                                                    int depth) const {
  QVector<Pattern> patterns;
  if (depth > kMaxDepth) return patterns;
  for (const QString& superclass : superclasses_.value(className)) {
    patterns += patternsOf(superclass, depth);
    patterns += ancestorPatterns(superclass, depth + 1);
  }
  return patterns;
}

bool TemplateCatalog::findIn(const QString& className, const QVector<TemplateItemKind>& kinds,
                             QStringList& properties, QStringList& visited) const {
  if (visited.contains(className) || visited.size() > 4 * kMaxDepth) return false;
  visited << className;
  for (const Pattern& pattern : patternsOf(className, 0)) {
    if (fits(pattern, 0, kinds, 0, properties)) return true;
  }
  for (const QString& superclass : superclasses_.value(className)) {
    if (findIn(superclass, kinds, properties, visited)) return true;
  }
  return false;
}

QStringList TemplateCatalog::propertiesOf(const QStringList& superclasses,
                                          const QVector<TemplateItemKind>& kinds) const {
  QStringList properties;
  for (int i = 0; i < kinds.size(); ++i) properties << QString();
  QStringList visited;
  for (const QString& superclass : superclasses) {
    if (findIn(superclass, kinds, properties, visited)) return properties;
  }
  return QStringList();
}
