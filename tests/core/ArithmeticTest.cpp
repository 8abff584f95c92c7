#include "Messages.h"
#include "RecordingPanel.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct Calculation {
    const char* keys;
    const char* display;                    // after the last key
    std::vector<std::string_view> messages; // all stop icons
};

TEST(Arithmetic, Sequences)
{
    const auto atOperator = message::divideByZeroAtOperator;
    const auto atEquals = message::divideByZeroAtEquals;
    const Calculation table[] = {
        {"key2 addKey key3 multiplyKey key4 equalsKey", "14.", {}},
        {"key2 addKey key3 multiplyKey key4 addKey key5 equalsKey", "19.", {}},
        {"key8 subtractKey key6 divideKey key2 equalsKey", "5.", {}},
        {"key2 multiplyKey key3 addKey key4 multiplyKey key5 equalsKey", "26.", {}},
        {"key2 addKey key3 multiplyKey key4 multiplyKey key5 equalsKey", "62.", {}},
        {"key2 addKey key3 multiplyKey key4 multiplyKey", "12.", {}},
        {"key2 addKey key3 multiplyKey addKey key4 equalsKey", "7.", {}},
        {"key6 divideKey key0 multiplyKey key2 equalsKey", "12.", {atOperator}},
        {"key6 divideKey key0 divideKey key2 equalsKey", "3.", {atOperator}},
        {"key6 divideKey key0 addKey", "6.", {atOperator}},
        {"key6 divideKey key0 equalsKey", "0.", {atEquals}},
        {"key2 addKey key6 divideKey key0 equalsKey", "2.", {atEquals}},
        {"key6 divideKey pointKey key0 key0 equalsKey", "0.", {atEquals}},
        {"key6 divideKey key0 signKey equalsKey", "0.", {atEquals}},
        {"key9 subtractKey key4 swapKey equalsKey", "-5.", {}},
        {"key9 subtractKey key4 swapKey key5", "45.", {}},
        {"key9 subtractKey key4 swapKey key5 equalsKey", "-41.", {}},
        {"key5 addKey key3 equalsKey multiplyKey key2 equalsKey", "16.", {}},
        {"key5 addKey key3 equalsKey equalsKey", "8.", {}},
        {"key2 addKey equalsKey", "2.", {}},
        {"key2 addKey equalsKey key3 equalsKey", "3.", {}},
        {"addKey key5 equalsKey", "5.", {}},
        {"multiplyKey key5 equalsKey", "0.", {}},
        {"key5 swapKey", "5.", {}},
        {"key5 addKey swapKey", "5.", {}},
        {"key1 addKey key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 "
         "equalsKey addKey pointKey key5 equalsKey",
         "1000000000000000.",
         {}},
        {"pointKey key1 addKey pointKey key2 equalsKey", "0.3", {}},
        {"key1 divideKey key3 equalsKey", "0.333333333333333", {}},
        {"key2 divideKey key3 signKey equalsKey", "-0.66666666666666", {}},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.keys);
        Converter converter;
        converter.run(c.keys);
        EXPECT_EQ(converter.panel.display, c.display);
        std::vector<RecordedMessage> expected;
        for (const auto text : c.messages)
            expected.push_back({std::string(text), MessageIcon::stop});
        EXPECT_EQ(converter.panel.messages, expected);
    }
}

TEST(Arithmetic, WorkedSequenceState)
{
    // Key, then operand, accumulator, pendingOperator, operatorPending.
    struct Row {
        const char* key;
        double operand, accumulator;
        int pendingOperator, operatorPending;
    };
    const Row rows[] = {
        {"key2", 0, 0, 0, 0},        {"addKey", 2, 0, 1, 0},    {"key3", 2, 0, 1, 0},
        {"multiplyKey", 3, 2, 3, 1}, {"key4", 3, 2, 3, 1},      {"addKey", 14, 2, 1, 1},
        {"key5", 14, 2, 1, 1},       {"equalsKey", 0, 0, 0, 0},
    };
    Converter converter;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        converter.run(row.key);
        const CQuibraDlg& d = converter.dialog;
        EXPECT_EQ(d.operand, row.operand);
        EXPECT_EQ(d.accumulator, row.accumulator);
        EXPECT_EQ(d.pendingOperator, row.pendingOperator);
        EXPECT_EQ(d.operatorPending, row.operatorPending);
    }
    EXPECT_EQ(converter.panel.display, "19.");
}

// Ten to the power of ten, typed.
const std::string tenToTheTen = "key1 key0 key0 key0 key0 key0 key0 key0 key0 key0 key0";

// Runs "multiplyKey 1e10" often enough to leave the double range.
void overflow(Converter& converter)
{
    for (int i = 0; i < 31; ++i)
        converter.run("multiplyKey " + tenToTheTen);
}

TEST(Arithmetic, OverflowShowsAndReadsBackAsZero)
{
    Converter converter;
    converter.run(tenToTheTen);
    overflow(converter);
    converter.run("equalsKey");
    EXPECT_EQ(converter.panel.display, overflowText);
    converter.run("addKey key2 equalsKey");
    EXPECT_EQ(converter.panel.display, "2.");

    converter.run("clearKey key1 pointKey key5 signKey");
    overflow(converter);
    converter.run("multiplyKey");
    EXPECT_EQ(converter.panel.display, negativeOverflowText);
    converter.run("signKey");
    EXPECT_EQ(converter.panel.display, "-0.");
}

TEST(Arithmetic, NotANumberShowsError)
{
    // An overflowed chain times zero.
    Converter converter;
    converter.run(tenToTheTen);
    overflow(converter);
    converter.run("multiplyKey");
    ASSERT_EQ(converter.panel.display, overflowText);
    converter.run("key0 equalsKey");
    EXPECT_EQ(converter.panel.display, errorText);
    converter.run("key4");
    EXPECT_EQ(converter.panel.display, "4.");
}

TEST(Arithmetic, EqualsClearsAPendingUnit)
{
    Converter converter;
    converter.run("key5 mmKey");
    EXPECT_NE(converter.panel.disabledUnitKeys(), "-");
    converter.run("equalsKey");
    EXPECT_EQ(converter.dialog.unitCode, 0);
    EXPECT_EQ(converter.panel.disabledUnitKeys(), "-");
}

TEST(Arithmetic, EqualsAfterFeetKeepsTypedText)
{
    Converter converter;
    converter.run("key5 ftKey key1 pointKey key5 key0 equalsKey");
    EXPECT_EQ(converter.panel.display, "1.50");
    EXPECT_EQ(converter.dialog.unitCode, 0);
    // The unit keys keep their state in this path.
    EXPECT_NE(converter.panel.disabledUnitKeys(), "-");
    converter.run("clearKey key1 pointKey key5 key0 equalsKey");
    EXPECT_EQ(converter.panel.display, "1.5");
}

TEST(Arithmetic, UnitKeysLeaveTheCalculationAlone)
{
    Converter converter;
    converter.run("key3 addKey key5 mmKey cmKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(d.operand, 3);
    EXPECT_EQ(d.pendingOperator, 1);
    EXPECT_EQ(d.accumulator, 0);
    EXPECT_EQ(d.operatorPending, 0);
    converter.run("equalsKey");
    EXPECT_EQ(converter.panel.display, "3.5");
}

} // namespace
