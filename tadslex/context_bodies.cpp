// ContextReader, second part: object bodies, property values and code.

#include <cstring>

#include "tadslex/context_reader.h"

namespace {

// Words that stand between operands in an expression (or before one), so
// that a property name never follows them.
bool isOperatorWord(const char* p, int n) {
  for (const char* w : {"is", "in", "not", "and", "or", "new", "function", "method", "local",
                        "static", "transient", "delegated", "return"}) {
    if (static_cast<int>(std::strlen(w)) == n && std::memcmp(p, w, n) == 0) return true;
  }
  return false;
}

// Statements that take a parenthesised part and a block, unlike a method.
bool isStatementWord(const char* p, int n) {
  for (const char* w : {"if", "while", "for", "foreach", "switch", "catch", "return", "new",
                        "function", "method", "inherited", "delegated", "local"}) {
    if (static_cast<int>(std::strlen(w)) == n && std::memcmp(p, w, n) == 0) return true;
  }
  return false;
}

}  // namespace

// Property definitions, to the ';' that ends an object or the '}' that closes
// a braced body.
void ContextReader::readProperties(const QString& definition, const QString& prefix, bool braced) {
  while (!atEnd()) {
    if (isPunct(0, "}")) {
      if (braced) ++i_;
      return;
    }
    if (isPunct(0, ";")) {
      ++i_;
      if (!braced) return;
    } else if (isWord(0, "propertyset")) {
      readPropertySet(definition, prefix);
    } else if (isIdentifier(0)) {
      readProperty(definition, prefix);
    } else {
      if (isLiteral(0)) assign(token(), Place{definition, QString(), LiteralRole::Text});
      ++i_;
    }
  }
}

// One property: `name = value`, `name "text"`, `name(params) { code }`,
// `name(params) = value` (TADS 2), or a nested object `name: Class ... { }`.
void ContextReader::readProperty(const QString& definition, const QString& prefix) {
  int name = i_++;
  QString property = prefix + text(name, name);
  Place place{definition, property, roleOfProperty(property)};
  if (isPunct(0, "=")) {
    ++i_;
    readValue(place);
  } else if (isLiteral(0)) {
    readValue(place);
  } else if (isPunct(0, "(")) {
    QString withParameters = prefix + callName(name);
    int close = matchingClose(i_);
    assignRange(i_, close, place);  // default values, or a macro's arguments
    i_ = close + 1;
    if (isPunct(0, "{")) {
      readCode(place, withParameters);
    } else if (isPunct(0, "=")) {
      ++i_;
      readValue(place);
    }
  } else if (isPunct(0, "{")) {
    readCode(place, property);
  } else if (isPunct(0, ":")) {
    ++i_;
    const QStringList superclasses = readClassList();
    readObjectTail(place, true, addHead(text(name, name), false, superclasses));
  }
}

// `propertyset 'pattern' (params) { ... }`: its pattern makes property names.
void ContextReader::readPropertySet(const QString& definition, const QString& prefix) {
  ++i_;
  QString name = prefix + QStringLiteral("propertyset");
  if (isLiteral(0)) {
    drop(token());
    name += QLatin1Char(' ') + text(i_, i_);
    ++i_;
  }
  if (isPunct(0, "(")) i_ = matchingClose(i_) + 1;
  if (!isPunct(0, "{")) return;
  ++i_;
  readProperties(definition, name + QLatin1Char('.'), true);
}

// A property's value: an expression that ends at ';', at the '}' of a braced
// body, or where a name follows a complete operand (the next property).
void ContextReader::readValue(const Place& place) {
  bool operand = false;
  int depth = 0;
  while (!atEnd()) {
    const CodeToken& t = token();
    if (depth == 0 && (isPunct(0, ";") || isPunct(0, "}"))) return;
    const char* p = source_.constData() + t.begin;
    int n = t.end - t.begin;
    if (t.kind == CodeToken::Identifier) {
      bool operatorWord = isOperatorWord(p, n);
      if (depth == 0 && operand && !operatorWord) return;
      operand = !operatorWord;
    } else if (t.kind == CodeToken::Literal) {
      assign(t, place);
      operand = true;
    } else if (t.kind != CodeToken::Punct) {
      operand = true;
    } else if (isOpen(0)) {
      ++depth;
      operand = false;
    } else if (isClose(0)) {
      if (depth > 0) --depth;
      operand = true;
    } else {
      operand = false;
    }
    ++i_;
  }
}

// A method's or function's braced code. A statement that is itself a method,
// `name(params) { ... }`, makes this a property set (a macro such as
// `dobjFor(Take) { action() { ... } }`): its literals get `nestPrefix.name`.
void ContextReader::readCode(const Place& place, const QString& nestPrefix) {
  ++i_;
  int depth = 1;
  bool statementStart = true;
  while (!atEnd()) {
    const CodeToken& t = token();
    if (statementStart && depth == 1 && !nestPrefix.isEmpty() && t.kind == CodeToken::Identifier &&
        !isStatementWord(source_.constData() + t.begin, t.end - t.begin) && isPunct(1, "(")) {
      int close = matchingClose(i_ + 1);
      if (isPunct(close + 1 - i_, "{")) {
        QString property = nestPrefix + QLatin1Char('.') + text(i_, i_);
        i_ = close + 1;
        readCode(Place{place.definition, property, place.role}, property);
        continue;
      }
    }
    statementStart = false;
    if (t.kind == CodeToken::Literal) {
      assign(t, place);
    } else if (isPunct(0, "{")) {
      ++depth;
      statementStart = true;
    } else if (isPunct(0, "}")) {
      ++i_;
      if (--depth == 0) return;
      statementStart = true;
      continue;
    } else if (isPunct(0, ";")) {
      statementStart = true;
    } else if (isOpen(0)) {
      ++depth;
    } else if (isClose(0)) {
      if (depth > 1) --depth;
    }
    ++i_;
  }
}

// TADS 2 objects list the words the parser matches in vocabulary properties.
LiteralRole ContextReader::roleOfProperty(const QString& property) const {
  if (dialect_ != TadsDialect::Tads2) return LiteralRole::Text;
  for (const char* word : {"noun", "adjective", "verb", "prep", "plural", "article"}) {
    if (property == QLatin1String(word)) return LiteralRole::Vocabulary;
  }
  return LiteralRole::Text;
}
