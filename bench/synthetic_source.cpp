#include "bench/synthetic_source.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextCodec>

namespace {

// A small fixed generator, so that every platform makes the same project.
class Random {
 public:
  explicit Random(quint32 seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
  quint32 next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int below(int bound) { return static_cast<int>(next() % static_cast<quint32>(bound)); }
  bool chance(int percent) { return below(100) < percent; }
  template <typename List>
  const auto& pick(const List& list) {
    return list[below(list.size())];
  }

 private:
  quint32 state_;
};

const QStringList kEnglish =
    QString::fromLatin1(
        "the a old brass lamp key door stair tower sea storm wind light dark cold wet "
        "heavy small great rusty wooden iron glass rope note map chest cellar hall room "
        "keeper ship rock wave shore bell clock table chair shelf book candle match "
        "slowly quietly suddenly never always here there above below behind under "
        "you see hear feel smell take open close read ring burn find lose reach")
        .split(QLatin1Char(' '));

const QStringList kRussian =
    QStringLiteral(
        "старый медный фонарь ключ дверь лестница башня море буря ветер свет тёмный "
        "холодный сырой тяжёлый маленький большой ржавый деревянный железный "
        "стеклянный верёвка записка карта сундук погреб зал смотритель корабль "
        "скала волна берег колокол часы стол книга свеча здесь там наверху внизу")
        .split(QLatin1Char(' '));

const QStringList kClasses = {QStringLiteral("Thing"),      QStringLiteral("Room"),
                              QStringLiteral("Fixture"),    QStringLiteral("Container"),
                              QStringLiteral("Actor"),      QStringLiteral("Readable"),
                              QStringLiteral("Decoration"), QStringLiteral("Door")};

const QStringList kCode = {
    QStringLiteral("    isLit = nil"),
    QStringLiteral("    bulk = 2"),
    QStringLiteral("    weight = 5"),
    QStringLiteral("    isListed = true"),
    QStringLiteral("    contents = [lamp, rope, note]"),
    QStringLiteral("    dobjFor(Push) asDobjFor(Move)"),
};

// Between a text's words in a document round trip: markup and entities the
// writers escape, separators, TADS escapes and `<<...>>`.
const QStringList kDocumentPieces = {
    QStringLiteral("&"),      QStringLiteral("<b>hot</b>"), QStringLiteral("a;b"),
    QStringLiteral("&nbsp;"), QStringLiteral("<p>"),        QStringLiteral("&lt;"),
    QStringLiteral("%1"),     QStringLiteral("\\n"),        QStringLiteral("<<score>>")};
// Quotes that do not end a single-quoted literal.
const QStringList kInSingleQuotes = {QStringLiteral("\\'q\\'"), QStringLiteral("\\\"q\\\""),
                                     QStringLiteral("say \"hi\"")};

QString words(Random& random, const QStringList& pool, int count) {
  QStringList picked;
  for (int i = 0; i < count; ++i) picked << random.pick(pool);
  return picked.join(QLatin1Char(' '));
}

// With a document round trip, a piece between some of the words of `text`.
QString withPieces(Random& random, const SyntheticForms& forms, QString text,
                   const QStringList& quotes) {
  if (!forms.documentRoundTrip) return text;
  QStringList parts = text.split(QLatin1Char(' '));
  for (int i = parts.size() - 1; i > 0; --i) {
    if (random.chance(30))
      parts.insert(i, random.pick(random.chance(70) ? kDocumentPieces : quotes));
  }
  return parts.join(QLatin1Char(' '));
}

// A sentence for a double-quoted literal: sometimes Russian, sometimes with
// escaped quotes, an apostrophe, markup or an embedded expression.
QString sentence(Random& random, const SyntheticForms& forms) {
  const bool russian = random.chance(25);
  QString text = words(random, russian ? kRussian : kEnglish, 4 + random.below(12));
  text[0] = text[0].toUpper();
  switch (random.below(8)) {
    case 0:
      if (forms.documentRoundTrip) break;
      text += QStringLiteral(", \\\"") + words(random, kEnglish, 2) + QStringLiteral("\\\"");
      break;
    case 1:
      text += QStringLiteral(". It's <b>") + words(random, kEnglish, 1) + QStringLiteral("</b>");
      break;
    case 2:
      text += QStringLiteral(" <<theName>> <<if isOpen>>open<<else>>closed<<end>>");
      break;
    case 3:
      text += QStringLiteral(" (") + words(random, kRussian, 2) + QStringLiteral(")");
      break;
    default:
      break;
  }
  if (forms.tads3Forms && random.chance(20)) {
    text += QStringLiteral(" <<isLit ? '%1' : '%2'>>")
                .arg(random.pick(kEnglish), random.pick(kRussian));
  }
  return withPieces(random, forms, text, {QStringLiteral("it's")}) + QLatin1Char('.');
}

// A text for a single-quoted literal: a name or a short message.
QString shortText(Random& random, const SyntheticForms& forms) {
  if (forms.emptyLiterals && random.chance(10)) return QString();
  const bool russian = random.chance(25);
  QString text = words(random, russian ? kRussian : kEnglish, 1 + random.below(3));
  if (random.chance(10)) text += QStringLiteral(" isn\\'t here");
  return withPieces(random, forms, text, kInSingleQuotes);
}

// The first line of a definition: with a document round trip, in one of the
// spacings chunk detection meets.
QString header(Random& random, const SyntheticForms& forms, const QString& name,
               const QString& rest) {
  if (!forms.documentRoundTrip) return name + QStringLiteral(": ") + rest;
  static const QStringList kSpacings = {QStringLiteral(": "), QStringLiteral(" : "),
                                        QStringLiteral(":"), QStringLiteral("\t:  ")};
  return name + random.pick(kSpacings) + (random.chance(20) ? QStringLiteral("Комната") : rest);
}

void objectBlock(Random& random, const SyntheticForms& forms, int number, QStringList& out) {
  const QString name = random.pick(kEnglish) + QString::number(number);
  out << header(random, forms, name, random.pick(kClasses));
  out << QStringLiteral("    vocabWords = '%1 %2/%3'")
             .arg(random.pick(kEnglish), random.pick(kEnglish), random.pick(kEnglish));
  out << QStringLiteral("    name = '%1'").arg(shortText(random, forms));
  out << QStringLiteral("    desc = \"%1\"").arg(sentence(random, forms));
  out << QStringLiteral("    location = room%1").arg(random.below(500));
  if (forms.tads3Forms) {
    out << QStringLiteral("    pattern = R'%1<<'").arg(random.pick(kEnglish))
        << QStringLiteral("    mood = \"<<one of>>%1<<or>>%2<<stopping>>\"")
               .arg(random.pick(kEnglish), random.pick(kRussian))
        << QStringLiteral("    title = '''%1's \"%2\"'''")
               .arg(random.pick(kEnglish), random.pick(kEnglish))
        << QStringLiteral("    // don't \"quote\" %1").arg(random.pick(kEnglish));
  }
  const int extras = random.below(6);
  for (int i = 0; i < extras; ++i) {
    switch (random.below(6)) {
      case 0:
        out << QStringLiteral("    // %1").arg(words(random, kEnglish, 6));
        break;
      case 1:
        out << random.pick(kCode);
        break;
      case 2:
        out << QStringLiteral("    dobjFor(Take)") << QStringLiteral("    {")
            << QStringLiteral("        check() { if (isFixed) failCheck('%1'); }")
                   .arg(shortText(random, forms))
            << QStringLiteral("        action() { \"%1\"; inherited(); }")
                   .arg(sentence(random, forms))
            << QStringLiteral("    }");
        break;
      case 3: {
        QString line =
            QStringLiteral("    sign = '%1', '%2', \"%3\"")
                .arg(shortText(random, forms), shortText(random, forms), sentence(random, forms));
        // With a document round trip, up to twelve literals a line.
        for (int more = forms.documentRoundTrip ? random.below(10) : 0; more > 0; --more) {
          line += random.chance(50) ? QStringLiteral(" '%1'").arg(shortText(random, forms))
                                    : QStringLiteral(", \"%1\"").arg(sentence(random, forms));
        }
        out << line;
        break;
      }
      case 4:
        out << QStringLiteral("    readDesc = \"%1\"").arg(sentence(random, forms));
        break;
      default:
        if (random.chance(10) && !forms.documentRoundTrip) {
          // A literal that runs over two lines.
          out << QStringLiteral("    longDesc = \"%1").arg(sentence(random, forms))
              << QStringLiteral("        %1\"").arg(sentence(random, forms));
        } else {
          out << QStringLiteral("    isHidden = nil");
        }
    }
  }
  out << QStringLiteral(";") << QString();
}

void otherBlock(Random& random, const SyntheticForms& forms, int number, QStringList& out) {
  switch (random.below(3)) {
    case 0:
      out << header(random, forms, QStringLiteral("helper%1").arg(number),
                    QStringLiteral("function"))
          << QStringLiteral("{") << QStringLiteral("    local count = %1;").arg(random.below(10))
          << QStringLiteral("    if (gPlayerChar.isIn(room%1))").arg(random.below(500))
          << QStringLiteral("        \"%1\";").arg(sentence(random, forms))
          << QStringLiteral("    return count;") << QStringLiteral("}");
      break;
    case 1:
      out << QStringLiteral("modify %1").arg(random.pick(kClasses))
          << QStringLiteral("    cannotTakeMsg = '%1'").arg(shortText(random, forms))
          << QStringLiteral("    tooDarkMsg = \"%1\"").arg(sentence(random, forms));
      out << QStringLiteral(";");
      break;
    default:
      out << QStringLiteral("%1replace message%2")
                 .arg(forms.documentRoundTrip && random.chance(50) ? "\t" : "")
                 .arg(number)
          << QStringLiteral("    \"%1\";").arg(sentence(random, forms)) << QStringLiteral(";");
  }
  out << QString();
}

}  // namespace

QString syntheticSource(quint32 seed, int size, const SyntheticForms& forms) {
  Random random(seed);
  QStringList out;
  out << QStringLiteral("/* Generated TADS source %1 for the benchmarks.").arg(seed)
      << QStringLiteral(" * Objects, functions and blocks of messages. */")
      << QStringLiteral("#charset \"cp1251\"") << QStringLiteral("#include <adv3.h>") << QString();
  int length = 0;
  int number = 0;
  while (length < size) {
    const int before = out.size();
    if (random.chance(85)) {
      objectBlock(random, forms, number++, out);
    } else {
      otherBlock(random, forms, number++, out);
    }
    for (int i = before; i < out.size(); ++i) length += out[i].size() + 1;
  }
  QString text = out.join(QLatin1Char('\n')) + QLatin1Char('\n');
  if (forms.documentRoundTrip && seed % 3 == 0) text.chop(1);  // no last line end
  return text;
}

qint64 writeSyntheticProject(const QString& root, int fileCount, qint64 totalBytes,
                             const SyntheticForms& forms) {
  static const QStringList kKinds = {QStringLiteral("room"), QStringLiteral("npc"),
                                     QStringLiteral("item"), QStringLiteral("verb")};
  QTextCodec* codec = QTextCodec::codecForName("CP1251");
  const int fileSize = static_cast<int>(totalBytes / qMax(1, fileCount));
  qint64 written = 0;
  for (int i = 0; i < fileCount; ++i) {
    // Forty files a folder; every other folder has a subfolder of its own.
    QString folder = root;
    if (i >= 20) {
      const int area = (i - 20) / 40;
      folder += QStringLiteral("/area%1").arg(area, 2, 10, QLatin1Char('0'));
      if (area % 2 == 1 && (i - 20) % 40 >= 20) folder += QStringLiteral("/more");
    }
    QDir().mkpath(folder);
    QString text = syntheticSource(static_cast<quint32>(i + 1), fileSize, forms);
    if (i % 4 == 3) text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const bool upperCase = forms.documentRoundTrip && i % 7 == 3;
    QFile file(QStringLiteral("%1/%2%3.%4")
                   .arg(folder, kKinds[i % kKinds.size()])
                   .arg(i, 4, 10, QLatin1Char('0'))
                   .arg(upperCase ? QLatin1Char('T') : QLatin1Char('t')));
    if (!file.open(QIODevice::WriteOnly)) continue;
    written += file.write(codec->fromUnicode(text));
  }
  if (forms.tads3Forms) QFile::link(QStringLiteral("area00"), root + QStringLiteral("/linked"));
  return written;
}
