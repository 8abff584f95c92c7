#include "Messages.h"
#include "RecordingPanel.h"

#include <gtest/gtest.h>

namespace {

// A key sequence and the display after each of its keys.
struct Steps {
    const char* keys;
    std::vector<std::string> displays;
};

void expectSteps(const Steps& steps)
{
    SCOPED_TRACE(steps.keys);
    Converter converter;
    EXPECT_EQ(converter.run(steps.keys), steps.displays);
}

const std::string limit(message::inputLimit);
const std::string fifteenDigits =
    "key1 key2 key3 key4 key5 key6 key7 key8 key9 key0 key1 key2 key3 key4 key5";
// Times 100: a sixteen-digit result, shown with its point in 17 characters.
const std::string sixteenDigitResult = "key1 key2 key3 key4 key5 key6 key7 key8 key9 key0 key1 "
                                       "key2 key3 key4 multiplyKey key1 key0 key0 equalsKey";

TEST(NumberEntry, DisplayAfterEveryKey)
{
    const Steps table[] = {
        {"key1 key2 key3 pointKey key4 key5", {"1.", "12.", "123.", "123.", "123.4", "123.45"}},
        {"pointKey key5", {"0.", "0.5"}},
        {"key0 key0 key7", {"0.", "0.", "7."}},
        {"key1 pointKey pointKey key2", {"1.", "1.", "1.", "1.2"}},
        {"key1 key2 key3 signKey key4", {"1.", "12.", "123.", "-123.", "-1234."}},
        {"key1 key2 key3 signKey key4 backKey key5",
         {"1.", "12.", "123.", "-123.", "-1234.", "-123.", "-1235."}},
        {"key1 key2 pointKey key3 key4 backKey backKey backKey backKey backKey backKey",
         {"1.", "12.", "12.", "12.3", "12.34", "12.3", "12.", "12.", "1.", "0.", "0."}},
        {"key5 signKey backKey key7", {"5.", "-5.", "-.", "-7."}},
        {"signKey", {"-0."}},
        {"signKey signKey", {"-0.", "0."}},
        {"key2 clearKey", {"2.", "0."}},
        {"key9 pointKey key5 clearKey key3", {"9.", "9.", "9.5", "0.", "3."}},
        // A sign pressed on a result does not carry into the next number.
        {"key5 addKey key3 equalsKey signKey key2 key3",
         {"5.", "5.", "3.", "8.", "-8.", "2.", "23."}},
        {"key5 addKey key3 equalsKey signKey pointKey key2",
         {"5.", "5.", "3.", "8.", "-8.", "0.", "0.2"}},
        // The erase key on a result that is still being typed edits it by position.
        {"key1 pointKey key5 mmKey cmKey backKey", {"1.", "1.", "1.5", "1.5", "0.15", "0.."}},
        {"backKey", {"0."}},
    };
    for (const auto& steps : table)
        expectSteps(steps);
}

TEST(NumberEntry, FifteenDigitsFillTheDisplay)
{
    Converter converter;
    converter.run(fifteenDigits);
    EXPECT_EQ(converter.panel.display, "123456789012345.");
    EXPECT_TRUE(converter.panel.messages.empty());

    converter.run("key6");
    EXPECT_EQ(converter.panel.display, "123456789012345.");
    ASSERT_EQ(converter.panel.messages.size(), 1u);
    EXPECT_EQ(converter.panel.messages[0], (RecordedMessage{limit, MessageIcon::information}));

    // With a minus sign there is room for one more character.
    converter.run("signKey");
    EXPECT_EQ(converter.panel.display, "-123456789012345.");
    converter.run("key6");
    EXPECT_EQ(converter.panel.display, "-123456789012345.");
    EXPECT_EQ(converter.panel.messages.size(), 2u);
}

TEST(NumberEntry, PointModeLimit)
{
    Converter converter;
    converter.run("pointKey key1 key2 key3 key4 key5 key6 key7 key8 key9 key1 key2 key3 key4 key5");
    EXPECT_EQ(converter.panel.display, "0.12345678912345");
    converter.run("key6");
    EXPECT_EQ(converter.panel.display, "0.12345678912345");
    EXPECT_EQ(converter.panel.messages.size(), 1u);
}

TEST(NumberEntry, DigitRefusedAtLimitEvenForANewNumber)
{
    // A result of exactly sixteen characters refuses the digit that would
    // start a new number; one of seventeen does not.
    Converter converter;
    converter.run(fifteenDigits + " equalsKey");
    EXPECT_EQ(converter.panel.display, "123456789012345.");
    converter.run("key7");
    EXPECT_EQ(converter.panel.display, "123456789012345.");
    EXPECT_EQ(converter.panel.messages.size(), 1u);

    converter.run("clearKey key1 divideKey key3 equalsKey");
    EXPECT_EQ(converter.panel.display, "0.333333333333333");
    converter.run("key7");
    EXPECT_EQ(converter.panel.display, "7.");
    EXPECT_EQ(converter.panel.messages.size(), 1u);
}

TEST(NumberEntry, SignKeyLimitOnLongResult)
{
    Converter converter;
    converter.run(sixteenDigitResult);
    EXPECT_EQ(converter.panel.display, "1234567890123400.");
    converter.run("signKey");
    EXPECT_EQ(converter.panel.display, "1234567890123400.");
    ASSERT_EQ(converter.panel.messages.size(), 1u);
    EXPECT_EQ(converter.panel.messages[0].text, limit);
}

TEST(NumberEntry, SwapThenEraseNeverLeavesTheText)
{
    // Swap can put a text without a point on the display in point mode;
    // erasing it to nothing and beyond changes nothing.
    Converter converter;
    converter.run("key1 key2 key3 key4 key5 key6 key7 key8 key9 key0 key1 key2 key3 key4 signKey "
                  "multiplyKey key1 key0 key0 equalsKey subtractKey pointKey key1 swapKey");
    const std::string shown = converter.panel.display;
    ASSERT_EQ(shown.find('.'), std::string::npos) << shown;
    for (std::size_t i = 0; i < shown.size() + 3; ++i)
        converter.run("backKey");
    EXPECT_EQ(converter.panel.display, "");
    EXPECT_EQ(converter.dialog.numberBuffer, "");
    converter.run("key7");
    EXPECT_EQ(converter.panel.display, "7");
}

TEST(NumberEntry, PointModeTextNeverOutgrowsItsRoom)
{
    Converter converter;
    // Swap leaves a 17-character result in point mode; digits then append.
    converter.run("key1 divideKey key3 equalsKey subtractKey pointKey key1 swapKey");
    EXPECT_EQ(converter.panel.display, "0.333333333333333");
    for (int i = 0; i < 40; ++i)
        converter.run("key9");
    EXPECT_EQ(converter.panel.display.size(), 37u);
    EXPECT_EQ(converter.dialog.numberBuffer, converter.panel.display);
    EXPECT_EQ(converter.panel.messages.size(), 20u);
}

TEST(NumberEntry, ClearResetsAllButTheRate)
{
    Converter converter;
    converter.panel.rateBox = "110.5";
    converter.run("key2 addKey key3 multiplyKey key5 ftKey key2 pointKey clearKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(converter.panel.display, "0.");
    EXPECT_EQ(converter.panel.disabledUnitKeys(), "-");
    EXPECT_EQ(converter.panel.rateBox, "110.5");
    EXPECT_EQ(d.operand, 0);
    EXPECT_EQ(d.accumulator, 0);
    EXPECT_EQ(d.pendingOperator, 0);
    EXPECT_EQ(d.operatorPending, 0);
    EXPECT_EQ(d.unitCode, 0);
    EXPECT_EQ(d.unitValue, 0);
    EXPECT_EQ(d.entering, 0);
    EXPECT_EQ(d.pointEntered, 0);
    EXPECT_EQ(d.entrySign, 1);
    EXPECT_EQ(d.feetKeyUsed, 0);
}

TEST(NumberEntry, EveryKeyBeginsWithItsPushedLook)
{
    for (const auto& key : allKeys()) {
        if (key.id == KeyId::swapKey)
            continue;
        SCOPED_TRACE(key.name);
        Converter converter;
        converter.panel.rateBox = "110.5";
        converter.panel.events.clear();
        converter.dialog.press(key.id);
        const auto& events = converter.panel.events;
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[0], "push " + std::string(key.name));
        EXPECT_EQ(events[1], "pause 20");
        EXPECT_EQ(events[2], "release " + std::string(key.name));
    }
    Converter converter;
    converter.panel.events.clear();
    converter.run("swapKey");
    EXPECT_TRUE(converter.panel.events.empty());
}

TEST(NumberEntry, DisplayAndNumberBufferAgree)
{
    Converter converter;
    for (const char* keys :
         {"key1 pointKey key2 signKey backKey", "key9 multiplyKey key9 equalsKey",
          "key5 ftKey key7 inchKey", "key1 ydKey ftKey"}) {
        converter.run(keys);
        EXPECT_EQ(converter.dialog.numberBuffer, converter.panel.display) << keys;
    }
}

} // namespace
