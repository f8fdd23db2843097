#ifndef BRISVANE_TADSLEX_CONTEXT_READER_H
#define BRISVANE_TADSLEX_CONTEXT_READER_H

// Internal to tadslex: phase two, the code around the literals.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstring>
#include <initializer_list>

#include "tadslex/code_token.h"
#include "tadslex/tads_lexer.h"

/// Reads the statements of a file from its code tokens and names each
/// literal's definition, property, template slot and role, and gathers the
/// template declarations and definition heads; marks in
/// `dropped()` the literals of declarations, which give none. Statements are
/// read in `context_reader.cpp`, object bodies and code in `context_bodies.cpp`.
class ContextReader {
 public:
  ContextReader(const QByteArray& source, TadsDialect dialect, const QVector<CodeToken>& tokens,
                LexResult& result);
  void readAll();
  const QVector<bool>& dropped() const { return dropped_; }

 private:
  // Where a literal stands: what `assign` writes into it.
  struct Place {
    QString definition;
    QString property;
    LiteralRole role = LiteralRole::Text;
  };

  // tokens
  bool atEnd(int k = 0) const { return i_ + k >= tokens_.size(); }
  const CodeToken& token(int k = 0) const { return tokens_[i_ + k]; }
  template <int N>
  bool isPunct(int k, const char (&text)[N]) const {
    return !atEnd(k) && token(k).kind == CodeToken::Punct && token(k).op == operatorCode(text);
  }
  template <int N>
  bool isWord(int k, const char (&word)[N]) const {
    return isIdentifier(k) && token(k).end - token(k).begin == N - 1 &&
           std::memcmp(source_.constData() + token(k).begin, word, N - 1) == 0;
  }
  bool isWordIn(int k, std::initializer_list<const char*> words) const;
  bool isIdentifier(int k) const { return !atEnd(k) && token(k).kind == CodeToken::Identifier; }
  bool isLiteral(int k) const { return !atEnd(k) && token(k).kind == CodeToken::Literal; }
  bool isOpen(int k) const;
  bool isClose(int k) const;
  void pairBrackets();
  int matchingClose(int open) const;        // index of the closer, or the last token
  QString text(int first, int last) const;  // source of tokens [first, last]
  QString callName(int name) const;         // `Name(firstArg)` or `Name`

  // literals
  void assign(const CodeToken& t, const Place& place, int slot = -1);
  void assignRange(int first, int last, const Place& place);  // tokens [first, last]
  void drop(const CodeToken& t);

  // statements (context_reader.cpp)
  struct StatementPrefix {
    int plus = 0;            ///< the `+` signs of its location nesting
    bool modifying = false;  ///< after `modify` or `replace`
    bool isClass = false;    ///< after `class`
  };
  void readStatement();
  StatementPrefix readStatementPrefix();
  bool readKeywordStatement();
  void readDefinition(const StatementPrefix& prefix);
  void readFunction(const QString& name);
  void readGrammar(const QString& name);
  void skipDeclaration();
  void readTemplateDeclaration();
  QStringList readClassList();
  int addHead(const QString& name, bool isClass, const QStringList& superclasses);
  void readObjectTail(const Place& place, bool needsBraces, int head = -1);
  void readTemplatePart(const Place& place, int head);
  void enterLevel(int plus, const QString& name);
  QString nearestNamed(int plus) const;

  // bodies (context_bodies.cpp)
  void readProperties(const QString& definition, const QString& prefix, bool braced);
  void readProperty(const QString& definition, const QString& prefix);
  void readPropertySet(const QString& definition, const QString& prefix);
  void readValue(const Place& place);
  void readCode(const Place& place, const QString& nestPrefix);
  LiteralRole roleOfProperty(const QString& property) const;

  const QByteArray& source_;
  TadsDialect dialect_;
  const QVector<CodeToken>& tokens_;
  LexResult& result_;
  QVector<TadsLiteral>& literals_;
  QVector<bool> dropped_;
  QVector<int> closeOf_;     // per opening bracket, its closer's index, or -1
  QVector<QString> levels_;  // per `+` nesting level, the nearest named object
  int i_ = 0;
};

#endif
