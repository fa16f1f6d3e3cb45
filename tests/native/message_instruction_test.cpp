#include <gtest/gtest.h>

#include "core/config/message_instruction.h"

namespace {

TEST(MessageInstruction, TextButtonsAndIcon) {
  const MessageInstruction m =
      ParseMessageInstruction("Insert the second CD, BTN_OKCANCEL + ICON_QUESTION");
  EXPECT_EQ(m.text, "Insert the second CD");
  EXPECT_EQ(m.style, 0x21u);
  EXPECT_EQ(ParseMessageInstruction("x,BTN_YESNO+ICON_STOP").style, 0x14u);
  EXPECT_EQ(ParseMessageInstruction("x,  BTN_RETRYCANCEL  +  ICON_WARNING  ").style, 0x35u);
  EXPECT_EQ(ParseMessageInstruction("x,BTN_OKCANCEL+ICON_INFO").style, 0x41u);
}

TEST(MessageInstruction, WithoutACommaTheWholeArgumentIsTheText) {
  const MessageInstruction m = ParseMessageInstruction("Setup will now copy files + more");
  EXPECT_EQ(m.text, "Setup will now copy files + more");
  EXPECT_EQ(m.style, 0u);
  EXPECT_EQ(ParseMessageInstruction("").text, "");
}

TEST(MessageInstruction, UnknownOrLowerCaseKeywordsGiveThePlainBox) {
  EXPECT_EQ(ParseMessageInstruction("x,btn_yesno").style, 0u);
  EXPECT_EQ(ParseMessageInstruction("x,BTN_YESNO+icon_stop").style, 4u);
  EXPECT_EQ(ParseMessageInstruction("x,+ICON_STOP").style, 0x10u);
  EXPECT_EQ(ParseMessageInstruction("x,BTN_YESNO,ICON_STOP").style, 0u);
  // Only the first comma ends the text.
  EXPECT_EQ(ParseMessageInstruction("a,b,c").text, "a");
}

}  // namespace
