// What the code around a literal makes of it: its definition, its property,
// its place in a template and its role, one table row per form of code.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "lex_test_support.h"
#include "tadslex/tads_lexer.h"

namespace {

// Each literal as `text@definition.property#slot`, with `!` after the text of
// vocabulary; `.property` and `#slot` only when there is one.
QString contextsOf(const LexResult& result) {
  QStringList out;
  for (const TadsLiteral& lit : result.literals) {
    QString s = QString::fromUtf8(lit.text);
    if (lit.role == LiteralRole::Vocabulary) s += QLatin1Char('!');
    s += QLatin1Char('@') + lit.definition;
    if (!lit.property.isEmpty()) s += QLatin1Char('.') + lit.property;
    if (lit.templateSlot >= 0) s += QStringLiteral("#%1").arg(lit.templateSlot);
    out << s;
  }
  return out.join(QStringLiteral(" | "));
}

struct ContextCase {
  const char* form;
  const char* source;
  const char* contexts;
};

void expectContexts(const std::vector<ContextCase>& cases, TadsDialect dialect) {
  for (const ContextCase& c : cases) {
    LexResult r = lexChecked(c.source, dialect, QString::fromUtf8(c.form));
    EXPECT_EQ(contextsOf(r), QString::fromUtf8(c.contexts)) << c.form;
    EXPECT_EQ(problemsOf(r), QString()) << c.form;
  }
}

}  // namespace

TEST(TadsContext, NamesDefinitionsAndProperties) {
  expectContexts(
      {
          {"template slots", "lamp: Thing 'brass lamp' 'lamp' \"An old lamp.\";",
           "brass lamp@lamp#0 | lamp@lamp#1 | An old lamp.@lamp#2"},
          {"slots around @ and lists", "lamp: Thing 'a' @hall ['b', 'c'] ->x \"d\";",
           "a@lamp#0 | b@lamp#1 | c@lamp#2 | d@lamp#3"},
          {"a class list", "lamp: Thing, LightSource 'a';", "a@lamp#0"},
          {"assignments", "lamp: Thing desc = \"It's old.\" name = 'lamp';",
           "It's old.@lamp.desc | lamp@lamp.name"},
          {"a double-quoted value without '='", "lamp: Thing desc \"Old.\" name = 'x';",
           "Old.@lamp.desc | x@lamp.name"},
          {"a value of several parts, then the next property",
           "lamp: Thing desc = 'a' + f('b') weight = 5 name = x ? 'c' : 'd' adj = ['e', 'f'];",
           "a@lamp.desc | b@lamp.desc | c@lamp.name | d@lamp.name | e@lamp.adj | f@lamp.adj"},
          {"operator words do not start a property", "x: Thing loc = a is in (b, 'c') d = 'e';",
           "c@x.loc | e@x.d"},
          {"a method", "lamp: Thing desc() { \"It glows.\"; if (lit) \"Bright.\"; } x = 'y';",
           "It glows.@lamp.desc | Bright.@lamp.desc | y@lamp.x"},
          {"a method with parameters and a default", "o: Thing f(a, b = 'z') { return 'c'; }",
           "z@o.f | c@o.f"},
          {"a braced body", "lamp: Thing 'a' { desc = \"b\" name = 'c'; }\nx: Thing 'd';",
           "a@lamp#0 | b@lamp.desc | c@lamp.name | d@x#0"},
          {"a class", "class LightSource: Thing desc = \"Bright.\";", "Bright.@LightSource.desc"},
          {"a function", "showIntro() { \"Welcome!\"; }", "Welcome!@showIntro"},
          {"a function with the keyword", "function say(x = 'q') { \"<<x>>\"; }",
           "q@say | <<x>>@say"},
          {"modify", "modify Thing desc = \"New.\";\nmodify Room { name = 'r' }",
           "New.@Thing.desc | r@Room.name"},
          {"replace an object", "replace lamp: Thing 'a' desc = \"b\";", "a@lamp#0 | b@lamp.desc"},
          {"replace a function", "replace showIntro() { \"Hi.\"; }", "Hi.@showIntro"},
          {"transient and static words", "transient cache: object x = 'a';", "a@cache.x"},
          {"literals of embedded parts share the context",
           "lamp: Thing desc = \"It is <<lit ? 'lit' : 'dark'>>.\";",
           "It is <<lit ? 'lit' : 'dark'>>.@lamp.desc | lit@lamp.desc | dark@lamp.desc"},
          {"inner literals of a template literal get no slot", "o: Thing \"<<f('a')>>\" 'b';",
           "<<f('a')>>@o#0 | a@o | b@o#1"},
      },
      TadsDialect::Tads3);
}

TEST(TadsContext, NamesTheNearestNamedObjectOfAnAnonymousOne) {
  expectContexts(
      {
          {"location nesting",
           "hall: Room 'Hall';\n+ Thing 'lamp';\n++ Thing 'wick';\n+ chest: Container 'chest';\n"
           "++ Thing 'coin';\n+++ Thing 'dust';\n+ Thing 'rug';",
           "Hall@hall#0 | lamp@hall#0 | wick@hall#0 | chest@chest#0 | coin@chest#0 | "
           "dust@chest#0 | rug@hall#0"},
          {"'+' objects with class lists", "hall: Room;\n+ Fixture, Container 'box' desc = \"x\";",
           "box@hall#0 | x@hall.desc"},
          {"an anonymous object at the top level", "Thing 'a';", "a@#0"},
          {"a nested object", "hall: Room\n  north: Door 'door' { desc = \"A door.\" }\n  x = 'y';",
           "door@hall.north#0 | A door.@hall.north.desc | y@hall.x"},
          {"a nested object in a braced body", "hall: Room { north: Door { name = 'n' } x = 'y' }",
           "n@hall.north.name | y@hall.x"},
      },
      TadsDialect::Tads3);
}

TEST(TadsContext, ReadsGrammarAndMacros) {
  expectContexts(
      {
          {"a grammar rule",
           "grammar nounWord(noun): 'lamp' | 'light' -> x : Production desc = \"d\";",
           "lamp!@nounWord(noun) | light!@nounWord(noun) | d@nounWord(noun).desc"},
          {"a VerbRule",
           "VerbRule(Take) ('take' | 'get') dobjList | 'pick' dobjList 'up' : TakeAction\n"
           "  verbPhrase = 'take/taking (what)';",
           "take!@VerbRule(Take) | get!@VerbRule(Take) | pick!@VerbRule(Take) | "
           "up!@VerbRule(Take) | take/taking (what)@VerbRule(Take).verbPhrase"},
          {"modify a VerbRule", "modify VerbRule(Take) 'grab' dobjList : verbPhrase = 'grab';",
           "grab!@VerbRule(Take) | grab@VerbRule(Take).verbPhrase"},
          {"a macro definition", "DefineLangDir(north, 'north' | 'n', 'back to the');",
           "north@DefineLangDir(north) | n@DefineLangDir(north) | back to "
           "the@DefineLangDir(north)"},
          {"a macro definition with properties", "DefineTAction(Take) x = 'y';",
           "y@DefineTAction(Take).x"},
          {"a property set macro",
           "lamp: Thing dobjFor(Take) { verify() { illogical('No.'); } action() { \"Taken.\"; } }"
           " x = 'y';",
           "No.@lamp.dobjFor(Take).verify | Taken.@lamp.dobjFor(Take).action | y@lamp.x"},
          {"a macro property without a body", "lamp: Thing dobjFor(Take) asDobjFor(Get) x = 'y';",
           "y@lamp.x"},
          {"code statements are not methods",
           "lamp: Thing desc() { if (x) { \"a\"; } foreach (local y in z) { \"b\"; } f(1); }",
           "a@lamp.desc | b@lamp.desc"},
          {"an explicit property set", "lamp: Thing propertyset '*Take' { action() { \"t\"; } }",
           "t@lamp.propertyset '*Take'.action"},
      },
      TadsDialect::Tads3);
}

TEST(TadsContext, DeclarationsGiveNoLiterals) {
  expectContexts(
      {
          {"a template declaration",
           "Thing template 'vocabWords' 'name' @location? \"desc\"?;\n"
           "x: Thing 'a';",
           "a@x#0"},
          {"a template with '->'", "InstructionsMenu template 'title' ->chapterProp;", ""},
          {"a string template", "string template <<is it time for>> isTime;\nx: Thing 'a';",
           "a@x#0"},
          {"export", "export foo 'bar';", ""},
          {"intrinsic", "intrinsic class Foo 'foo/030000': Object { bar(); }\nx: Thing 'a';",
           "a@x#0"},
          {"property and dictionary declarations",
           "property a, b;\ndictionary property noun;\nenum token x;\nextern function f(x);", ""},
      },
      TadsDialect::Tads3);
}

TEST(TadsContext, ReadsTads2Objects) {
  expectContexts(
      {
          {"an object",
           "lamp: item sdesc = \"lamp\" noun = 'lamp' 'light' adjective = 'brass'\n"
           "  ldesc = { \"It's old.\"; } ;",
           "lamp@lamp.sdesc | lamp!@lamp.noun | light!@lamp.noun | brass!@lamp.adjective | "
           "It's old.@lamp.ldesc"},
          {"a method", "lamp: item verDoTake(actor) = { \"No.\"; } ;", "No.@lamp.verDoTake"},
          {"a function", "intro: function(x) { \"Hi.\"; }\nend: function { \"Bye.\"; }",
           "Hi.@intro | Bye.@end"},
      },
      TadsDialect::Tads2);
}
