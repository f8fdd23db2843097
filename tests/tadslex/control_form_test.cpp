#include "tadslex/control_form.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ControlForm, TellsControlFormsFromExpressions) {
  const std::vector<std::pair<const char*, EmbeddedKind>> cases = {
      {"<<if lamp.isLit>>", EmbeddedKind::Control},
      {"<<if(x)>>", EmbeddedKind::Control},
      {"<<unless x>>", EmbeddedKind::Control},
      {"<<else>>", EmbeddedKind::Control},
      {"<< else  if x >>", EmbeddedKind::Control},
      {"<<else unless x>>", EmbeddedKind::Control},
      {"<<otherwise>>", EmbeddedKind::Control},
      {"<<otherwise if x>>", EmbeddedKind::Control},
      {"<<end>>", EmbeddedKind::Control},
      {"<<one of>>", EmbeddedKind::Control},
      {"<<or>>", EmbeddedKind::Control},
      {"<<||>>", EmbeddedKind::Control},
      {"<<stopping>>", EmbeddedKind::Control},
      {"<<cycling>>", EmbeddedKind::Control},
      {"<<at random>>", EmbeddedKind::Control},
      {"<<then purely at random>>", EmbeddedKind::Control},
      {"<<as decreasingly likely outcomes>>", EmbeddedKind::Control},
      {"<<half shuffled>>", EmbeddedKind::Control},
      {"<<first time>>", EmbeddedKind::Control},
      {"<<only>>", EmbeddedKind::Control},
      {"<<%5.2f x>>", EmbeddedKind::Format},
      {"<<%d if>>", EmbeddedKind::Format},
      {"<<lamp.name>>", EmbeddedKind::Expression},
      {"<<if>>", EmbeddedKind::Expression},
      {"<<ifx>>", EmbeddedKind::Expression},
      {"<<end + 1>>", EmbeddedKind::Expression},
      {"<<one>>", EmbeddedKind::Expression},
      {"<<first time x>>", EmbeddedKind::Expression},
      {"<<x ? 'a' : 'b'>>", EmbeddedKind::Expression},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(classifyEmbeddedPart(QByteArray(c.first)), c.second) << c.first;
    EXPECT_EQ(isControlForm(QByteArray(c.first)), c.second == EmbeddedKind::Control) << c.first;
  }
}
