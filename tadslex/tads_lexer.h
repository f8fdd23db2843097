#ifndef BRISVANE_TADSLEX_TADS_LEXER_H
#define BRISVANE_TADSLEX_TADS_LEXER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

/// The generation of the language a file is read by. TADS 2 has no
/// triple-quoted and no R literals, and embeds expressions in double-quoted
/// literals only.
enum class TadsDialect { Tads3, Tads2 };

/// How the compiler folds a line break inside a literal
/// (`#pragma newline_spacing(...)`; `Collapse` where none was given).
enum class NewlineSpacing { Collapse, Delete, Preserve };

/// The quotes a literal stands between.
enum class QuoteKind { Double, Single, TripleDouble, TripleSingle };

/// What the code around a literal makes of it.
enum class LiteralRole {
  Text,        ///< a property value, an argument, a statement
  Vocabulary,  ///< a token of a grammar rule or VerbRule, matched against input
};

/// What a `<<...>>` part of a literal is (added; see `tadslex/control_form.h`).
enum class EmbeddedKind {
  Expression,  ///< `<<lamp.name>>`: code whose value is printed
  Format,      ///< `<<%5.2f x>>`: a format directive with its expression
  Control,     ///< `<<if x>>`, `<<else>>`, `<<end>>`, `<<one of>>`, `<<or>>`, ...
};

/// One `<<...>>` part of a literal: an embedded expression, a `<<%` format or
/// a control form (`<<if x>>`, `<<else>>`, `<<one of>>`, ...). Byte offsets
/// into the lexed source; `begin` at the first `<`, `end` past the last `>`.
struct EmbeddedPart {
  int begin = 0;
  int end = 0;
  EmbeddedKind kind = EmbeddedKind::Expression;  ///< added: what the part is
};

/// One string literal as the compiler reads it. Every offset is a byte offset
/// into the source handed to `lexTads`, so replacing the bytes of
/// [bodyBegin, bodyEnd) and copying every other byte changes nothing else.
struct TadsLiteral {
  QuoteKind quote = QuoteKind::Double;
  int begin = 0;                                      ///< the first opening quote
  int end = 0;                                        ///< past the last closing quote
  int bodyBegin = 0;                                  ///< the first byte after the opening quote(s)
  int bodyEnd = 0;                                    ///< the first closing quote
  int line = 1;                                       ///< 1-based line of the opening quote
  int lastLine = 1;                                   ///< 1-based line of the closing quote
  NewlineSpacing spacing = NewlineSpacing::Collapse;  ///< in force at `begin`
  /// The body as the compiler reads it: each line break folded by `spacing`,
  /// escapes and embedded parts kept exactly as written. Bytes of the source's
  /// encoding; the caller decodes them. Collapse: a break and the next line's
  /// leading blanks become one space, none after a line ending in `\n` (whose
  /// next line keeps its blanks); Delete: they go, with the same `\n`
  /// exception; Preserve: the break stays as one '\n' byte (for "\r\n" too)
  /// with the blanks. TADS 2 folds a break, any blank lines after it and the
  /// leading blanks into one space. A TADS 3 backslash-newline splice goes.
  /// Breaks inside embedded parts are code and stay as written.
  QByteArray text;
  QVector<EmbeddedPart> embedded;  ///< this literal's own `<<...>>` parts, in order
  /// 0 for a literal in code; 1 + the outer literal's depth for a literal
  /// inside an embedded expression.
  int depth = 0;
  /// The enclosing definition: object, class, function, or the target of
  /// `modify`/`replace`; for an anonymous object (`+ Thing 'lamp'`) the
  /// nearest named object it is nested in. Empty at the top level.
  /// A grammar rule or a definition made by a macro is named by the rule or
  /// macro and its first argument: `VerbRule(Take)`, `nounWord(noun)`,
  /// `DefineTAction(Take)`, `DefineLangDir(north)`.
  QString definition;
  /// The property the literal is assigned to (`desc = "..."`, `desc "..."`),
  /// or the method whose code holds it (`desc() { "..."; }`); empty when
  /// there is none. Inside a nested object or a property set, a path:
  /// `north.desc` (`north: Door { desc = "..." }`), `dobjFor(Take).action`.
  QString property;
  /// 0-based place among the literals of a definition's template part
  /// (`lamp: Thing 'brass lamp' 'lamp' "An old lamp."` gives 0, 1, 2);
  /// -1 when the literal is not in a template part.
  int templateSlot = -1;
  /// For a literal of a template part: its definition among
  /// `LexResult::heads` and the item of the part it stands in (the literals
  /// of a list share one); -1 otherwise.
  int head = -1;
  int templateItem = -1;
  /// Vocabulary for the tokens of a grammar rule or VerbRule (and, in
  /// TADS 2, the words of `noun`, `adjective`, `verb`, `prep`, `plural` and
  /// `article`); the literals of their embedded parts share it.
  LiteralRole role = LiteralRole::Text;
};

/// What stands at one place of an object's template part or of a
/// `template` declaration.
enum class TemplateItemKind {
  SingleQuoted,  ///< 'text', or triple-quoted
  DoubleQuoted,  ///< "text", or triple-quoted
  Object,        ///< @name
  Link,          ///< ->name
  List,          ///< [ ... ]
  Number,        ///< +number
};

/// One item of a `template` declaration: the property an object's item of
/// that kind sets.
struct TemplateItem {
  TemplateItemKind kind = TemplateItemKind::SingleQuoted;
  QString property;
  bool optional = false;  ///< `?` follows it
  bool orNext = false;    ///< `|` follows it: it or the next item
};

/// A TADS 3 `Class template ...;` declaration.
struct TemplateDeclaration {
  QString className;
  QVector<TemplateItem> items;
  bool inherited = false;  ///< ends with `inherited`: the superclasses' templates follow
};

/// The head of a class or object definition: its name, its superclasses and
/// the kinds of the items of its template part.
struct DefinitionHead {
  QString name;  ///< empty for an anonymous object
  bool isClass = false;
  QStringList superclasses;
  QVector<TemplateItemKind> templateItems;
};

/// Something in the source that keeps a literal from being read.
struct LexProblem {
  int line = 1;     ///< 1-based line where the trouble starts
  QString message;  ///< e.g. "string literal left open at end of file"
};

struct LexResult {
  /// Every literal the compiler sees, in the order their opening quotes
  /// stand (an outer literal before those nested in its embedded parts).
  /// Comments, preprocessor lines, template declarations and R literals
  /// give none; nor do the other quoted names that are code, not text: the
  /// pattern of a `propertyset '...'`, the global names of `intrinsic`
  /// declarations and `export` names. Every branch of `#if`/`#ifdef` is read.
  QVector<TadsLiteral> literals;
  QVector<LexProblem> problems;
  QVector<TemplateDeclaration> templates;
  /// Every class, named object and anonymous object with a template part.
  QVector<DefinitionHead> heads;
};

/// Reads a whole TADS source file. Pure: bytes in, literals out.
LexResult lexTads(const QByteArray& source, TadsDialect dialect = TadsDialect::Tads3);

#endif
