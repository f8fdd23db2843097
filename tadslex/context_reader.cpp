#include "tadslex/context_reader.h"

#include <cstring>

ContextReader::ContextReader(const QByteArray& source, TadsDialect dialect,
                             const QVector<CodeToken>& tokens, LexResult& result)
    : source_(source),
      dialect_(dialect),
      tokens_(tokens),
      result_(result),
      literals_(result.literals),
      dropped_(result.literals.size(), false),
      closeOf_(tokens.size(), -1) {
  pairBrackets();
}

// One pass pairs every opening bracket with its closer (of any kind, as the
// compiler counts them in an embedded expression), so that skipping a
// parenthesised part is one step however broken the code.
void ContextReader::pairBrackets() {
  QVector<int> open;
  for (int k = 0; k < tokens_.size(); ++k) {
    if (tokens_[k].kind != CodeToken::Punct) continue;
    const unsigned op = tokens_[k].op;
    if (op == operatorCode("(") || op == operatorCode("[") || op == operatorCode("{")) {
      open.append(k);
    } else if ((op == operatorCode(")") || op == operatorCode("]") || op == operatorCode("}")) &&
               !open.isEmpty()) {
      closeOf_[open.takeLast()] = k;
    }
  }
}

void ContextReader::readAll() {
  while (!atEnd()) {
    int before = i_;
    readStatement();
    if (i_ == before) ++i_;  // a token no statement starts with
  }
}

bool ContextReader::isWordIn(int k, std::initializer_list<const char*> words) const {
  if (!isIdentifier(k)) return false;
  const CodeToken& t = token(k);
  const size_t n = static_cast<size_t>(t.end - t.begin);
  for (const char* word : words) {
    if (std::strlen(word) == n && std::memcmp(source_.constData() + t.begin, word, n) == 0)
      return true;
  }
  return false;
}

bool ContextReader::isOpen(int k) const {
  return isPunct(k, "(") || isPunct(k, "[") || isPunct(k, "{");
}

bool ContextReader::isClose(int k) const {
  return isPunct(k, ")") || isPunct(k, "]") || isPunct(k, "}");
}

int ContextReader::matchingClose(int open) const {
  return closeOf_[open] >= 0 ? closeOf_[open] : tokens_.size() - 1;
}

QString ContextReader::text(int first, int last) const {
  int begin = tokens_[first].begin;
  return QString::fromUtf8(source_.constData() + begin, tokens_[last].end - begin);
}

// A definition made by a macro or a grammar rule is named by the macro and
// its first argument, when that is a plain name: `DefineTAction(Take)`,
// `VerbRule(Take)`, `DefineLangDir(north)`, `nounWord(noun)`.
QString ContextReader::callName(int name) const {
  int k = name - i_;
  if (isPunct(k + 1, "(") && isIdentifier(k + 2) && (isPunct(k + 3, ")") || isPunct(k + 3, ","))) {
    return text(name, name) + QLatin1Char('(') + text(name + 2, name + 2) + QLatin1Char(')');
  }
  return text(name, name);
}

void ContextReader::assign(const CodeToken& t, const Place& place, int slot) {
  for (int k = t.literal; k < t.literalEnd; ++k) {
    TadsLiteral& lit = literals_[k];
    lit.definition = place.definition;
    lit.property = place.property;
    lit.role = place.role;
    lit.templateSlot = k == t.literal ? slot : -1;
  }
}

void ContextReader::assignRange(int first, int last, const Place& place) {
  for (int k = first; k <= last; ++k) {
    if (tokens_[k].kind == CodeToken::Literal) assign(tokens_[k], place);
  }
}

void ContextReader::drop(const CodeToken& t) {
  for (int k = t.literal; k < t.literalEnd; ++k) dropped_[k] = true;
}

void ContextReader::enterLevel(int plus, const QString& name) {
  levels_.resize(plus + 1);
  levels_[plus] = name;
}

QString ContextReader::nearestNamed(int plus) const {
  return plus > 0 && plus - 1 < levels_.size() ? levels_[plus - 1] : QString();
}

void ContextReader::readStatement() {
  const StatementPrefix prefix = readStatementPrefix();
  if (atEnd()) return;
  if (!isIdentifier(0)) {
    if (isLiteral(0)) assign(token(), Place());  // stray: no context
    if (isPunct(0, ";") || prefix.plus > 0 || prefix.modifying || isLiteral(0)) ++i_;
    return;
  }
  if (!readKeywordStatement()) readDefinition(prefix);
}

// The location nesting and the words that may stand before a definition.
ContextReader::StatementPrefix ContextReader::readStatementPrefix() {
  StatementPrefix prefix;
  for (;; ++i_) {
    if (!atEnd() && token().kind == CodeToken::Punct && source_[token().begin] == '+' &&
        !isPunct(0, "+=")) {
      prefix.plus += token().end - token().begin;
    } else if (isWord(0, "modify") || isWord(0, "replace")) {
      prefix.modifying = true;
    } else if (isWord(0, "class")) {
      prefix.isClass = true;
    } else if (!isWord(0, "transient") && !isWord(0, "static")) {
      return prefix;
    }
  }
}

// A statement that its first word names: a function, a grammar rule or a
// declaration. False, having read nothing, for any other.
bool ContextReader::readKeywordStatement() {
  if (isWord(0, "function")) {
    ++i_;
    if (isIdentifier(0)) readFunction(text(i_, i_));
  } else if (isWord(0, "grammar") && isIdentifier(1)) {
    QString name = callName(i_ + 1);
    i_ += 2;
    if (isPunct(0, "(")) i_ = matchingClose(i_) + 1;
    if (isPunct(0, ":")) ++i_;
    readGrammar(name);
  } else if (isWord(0, "VerbRule") && isPunct(1, "(")) {
    QString name = callName(i_);
    i_ = matchingClose(i_ + 1) + 1;
    readGrammar(name);
  } else if (isWordIn(0, {"export", "property", "dictionary", "enum", "extern", "intrinsic"})) {
    skipDeclaration();
  } else if (isWord(1, "template")) {
    readTemplateDeclaration();
  } else {
    return false;
  }
  return true;
}

// An object, class or function defined by its name, by a macro, by `modify`
// or anonymously after its location's `+` signs.
void ContextReader::readDefinition(const StatementPrefix& prefix) {
  const int plus = prefix.plus;
  int name = i_++;
  if (isPunct(0, ":")) {  // `lamp: Thing ...`
    ++i_;
    QString definition = text(name, name);
    enterLevel(plus, definition);
    if (isWord(0, "function")) {  // TADS 2: `lamp: function(x) { ... }`
      ++i_;
      return readFunction(definition);
    }
    const QStringList superclasses = readClassList();
    const int head = prefix.modifying ? -1 : addHead(definition, prefix.isClass, superclasses);
    return readObjectTail(Place{definition, QString(), LiteralRole::Text}, false, head);
  }
  if (isPunct(0, "(")) {  // a function, or a definition made by a macro
    QString definition = callName(name);
    int close = matchingClose(i_);
    if (isPunct(close + 1 - i_, "{")) return readFunction(text(name, name));
    assignRange(i_, close, Place{definition, QString(), LiteralRole::Text});
    i_ = close + 1;
    enterLevel(plus, definition);
    return readObjectTail(Place{definition, QString(), LiteralRole::Text}, false);
  }
  if (prefix.modifying) {  // `modify lamp desc = "..." ;`
    QString definition = text(name, name);
    return readObjectTail(Place{definition, QString(), LiteralRole::Text}, false);
  }
  // An anonymous object: `+ Thing 'lamp' ...`, its class list begun.
  QString definition = nearestNamed(plus);
  enterLevel(plus, definition);
  --i_;
  const QStringList superclasses = readClassList();
  readObjectTail(Place{definition, QString(), LiteralRole::Text}, false,
                 addHead(QString(), false, superclasses));
}

// At the parameter list of a function named `name`, or its body.
void ContextReader::readFunction(const QString& name) {
  if (isIdentifier(0)) ++i_;
  Place place{name, QString(), LiteralRole::Text};
  if (isPunct(0, "(")) {  // default values of parameters may be literals
    int close = matchingClose(i_);
    assignRange(i_, close, place);
    i_ = close + 1;
  }
  if (isPunct(0, "{")) readCode(place, QString());
}

// After `grammar name(tag):` or `VerbRule(tag)`: the token list, whose
// literals are vocabulary, to the ':' before the class list.
void ContextReader::readGrammar(const QString& name) {
  Place tokens{name, QString(), LiteralRole::Vocabulary};
  int depth = 0;
  while (!atEnd()) {
    if (depth == 0 && isPunct(0, ":")) {
      ++i_;
      break;
    }
    if (depth == 0 && isPunct(0, ";")) return;
    if (isLiteral(0)) assign(token(), tokens);
    if (isOpen(0)) ++depth;
    if (isClose(0) && depth > 0) --depth;
    ++i_;
  }
  readClassList();
  readObjectTail(Place{name, QString(), LiteralRole::Text}, false);
}

// Template declarations, `export`, `intrinsic` and the like: their quoted
// words are names, not text. They end at ';' or with their braced body.
void ContextReader::skipDeclaration() {
  int depth = 0;
  while (!atEnd()) {
    const CodeToken& t = token();
    ++i_;
    if (t.kind == CodeToken::Literal) drop(t);
    if (isOpen(-1)) ++depth;
    if (isClose(-1) && depth > 0 && --depth == 0 && isPunct(-1, "}")) return;
    if (depth == 0 && isPunct(-1, ";")) return;
  }
}

// `Class template 'name' "desc"? @location ->link [list] +number | ... inherited;`:
// the properties an object's template part sets, by the kind of each item.
// Its quoted words are property names and give no literal.
void ContextReader::readTemplateDeclaration() {
  TemplateDeclaration declaration;
  declaration.className = text(i_, i_);
  const int start = i_;
  i_ += 2;
  bool plain = true;  // `string template <<...>>` declarations hold code
  for (; !atEnd() && !isPunct(0, ";") && !isPunct(0, "{"); ++i_) {
    QVector<TemplateItem>& items = declaration.items;
    const auto add = [&](TemplateItemKind kind, const QString& property) {
      items.append(TemplateItem{kind, property, false, false});
    };
    if (isLiteral(0)) {
      const TadsLiteral& literal = literals_[token().literal];
      const bool single =
          literal.quote == QuoteKind::Single || literal.quote == QuoteKind::TripleSingle;
      add(single ? TemplateItemKind::SingleQuoted : TemplateItemKind::DoubleQuoted,
          QString::fromUtf8(literal.text));
    } else if ((isPunct(0, "@") || isPunct(0, "->") || isPunct(0, "+")) && isIdentifier(1)) {
      add(isPunct(0, "@")    ? TemplateItemKind::Object
          : isPunct(0, "->") ? TemplateItemKind::Link
                             : TemplateItemKind::Number,
          text(i_ + 1, i_ + 1));
      ++i_;
    } else if (isPunct(0, "[") && isIdentifier(1) && isPunct(2, "]")) {
      add(TemplateItemKind::List, text(i_ + 1, i_ + 1));
      i_ += 2;
    } else if (isPunct(0, "?") && !items.isEmpty()) {
      items.last().optional = true;
    } else if (isPunct(0, "|") && !items.isEmpty()) {
      items.last().orNext = true;
    } else if (isWord(0, "inherited")) {
      declaration.inherited = true;
    } else {
      plain = false;
    }
  }
  i_ = start;
  skipDeclaration();
  if (plain && !declaration.items.isEmpty()) result_.templates.append(declaration);
}

// A name followed by '=' or '(' is a property: `modify VerbRule(X) ... : x = 1`
// has no class list.
QStringList ContextReader::readClassList() {
  QStringList superclasses;
  if (isIdentifier(0) && !isPunct(1, "=") && !isPunct(1, "(")) {
    superclasses << text(i_, i_);
    ++i_;
  }
  while (isPunct(0, ",") && isIdentifier(1)) {
    superclasses << text(i_ + 1, i_ + 1);
    i_ += 2;
  }
  return superclasses;
}

int ContextReader::addHead(const QString& name, bool isClass, const QStringList& superclasses) {
  result_.heads.append(DefinitionHead{name, isClass, superclasses, {}});
  return result_.heads.size() - 1;
}

// The template part and the body of an object. A nested object needs its
// braces; without them its definition ends with the template part.
void ContextReader::readObjectTail(const Place& place, bool needsBraces, int head) {
  readTemplatePart(place, head);
  QString prefix = place.property.isEmpty() ? QString() : place.property + QLatin1Char('.');
  if (isPunct(0, "{")) {
    ++i_;
    readProperties(place.definition, prefix, true);
  } else if (!needsBraces) {
    readProperties(place.definition, prefix, false);
  }
}

// Literals, `@obj`, `->obj`, `[lists]` and `+number` after the class list:
// the arguments of the class's template. Each literal gets its place among
// them, and the head (when there is one) the kind of each.
void ContextReader::readTemplatePart(const Place& place, int head) {
  int slot = 0;
  QVector<TemplateItemKind> items;
  const auto mark = [&](const CodeToken& t) {
    if (head < 0) return;
    literals_[t.literal].head = head;
    literals_[t.literal].templateItem = items.size();
  };
  while (!atEnd()) {
    if (isLiteral(0)) {
      assign(token(), place, slot++);
      mark(token());
      const QuoteKind quote = literals_[token().literal].quote;
      items.append(quote == QuoteKind::Single || quote == QuoteKind::TripleSingle
                       ? TemplateItemKind::SingleQuoted
                       : TemplateItemKind::DoubleQuoted);
    } else if (isPunct(0, "@") || isPunct(0, "->")) {
      items.append(isPunct(0, "@") ? TemplateItemKind::Object : TemplateItemKind::Link);
      if (isIdentifier(1)) ++i_;
    } else if (isPunct(0, "+") && !atEnd(1) && token(1).kind == CodeToken::Number) {
      items.append(TemplateItemKind::Number);
      ++i_;
    } else if (isPunct(0, "[")) {
      int close = matchingClose(i_);
      for (int k = i_; k < close; ++k) {
        if (tokens_[k].kind != CodeToken::Literal) continue;
        assign(tokens_[k], place, slot++);
        mark(tokens_[k]);
      }
      items.append(TemplateItemKind::List);
      i_ = close;
    } else if (token().kind != CodeToken::Regex) {
      break;
    }
    ++i_;
  }
  if (head >= 0) result_.heads[head].templateItems = items;
}
