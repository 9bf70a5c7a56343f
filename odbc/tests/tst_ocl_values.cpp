// The value conversions of THstmt on raw cells (no driver needed): text,
// integer and double forms by C type, as the screens read them.

#include "odbc/OCL.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

template <typename T> TCellValue Cell(SQLSMALLINT cType, const T& value)
{
    TCellValue cell;
    cell.CType = cType;
    cell.Indicator = static_cast<SQLLEN>(sizeof(T));
    cell.Bytes.resize(sizeof(T));
    std::memcpy(cell.Bytes.data(), &value, sizeof(T));
    return cell;
}

TCellValue Text(const std::string& text)
{
    TCellValue cell;
    cell.CType = SQL_C_CHAR;
    cell.Indicator = static_cast<SQLLEN>(text.size());
    cell.Bytes.assign(text.begin(), text.end());
    return cell;
}

std::string AsText(const TCellValue& cell)
{
    return THstmt::ValueToString(cell.View());
}

std::int32_t AsInteger(const TCellValue& cell)
{
    return THstmt::ValueToInteger(cell.View());
}

double AsDouble(const TCellValue& cell)
{
    return THstmt::ValueToDouble(cell.View());
}

} // namespace

TEST(OclValues, IntegersAsPlainDecimal)
{
    EXPECT_EQ(AsText(Cell<std::int32_t>(SQL_C_SLONG, -42)), "-42");
    EXPECT_EQ(AsText(Cell<std::uint32_t>(SQL_C_ULONG, 4000000000U)), "4000000000");
    EXPECT_EQ(AsText(Cell<std::int16_t>(SQL_C_SSHORT, -7)), "-7");
    EXPECT_EQ(AsText(Cell<std::uint16_t>(SQL_C_USHORT, 65535)), "65535");
    EXPECT_EQ(AsText(Cell<std::int8_t>(SQL_C_STINYINT, -128)), "-128");
    EXPECT_EQ(AsText(Cell<std::uint8_t>(SQL_C_UTINYINT, 200)), "200");
    EXPECT_EQ(AsText(Cell<std::uint8_t>(SQL_C_BIT, 1)), "1");

    EXPECT_EQ(AsInteger(Cell<std::int32_t>(SQL_C_SLONG, -42)), -42);
    EXPECT_EQ(AsInteger(Cell<std::int16_t>(SQL_C_SSHORT, -7)), -7);
    EXPECT_EQ(AsInteger(Cell<std::uint16_t>(SQL_C_USHORT, 65535)), 65535);
    EXPECT_EQ(AsInteger(Cell<std::int8_t>(SQL_C_STINYINT, -128)), -128);
    EXPECT_EQ(AsInteger(Cell<std::uint8_t>(SQL_C_UTINYINT, 200)), 200);
    EXPECT_EQ(AsInteger(Cell<std::uint8_t>(SQL_C_BIT, 1)), 1);
    // An unsigned 32-bit value is read as the signed integer of its bits.
    EXPECT_EQ(AsInteger(Cell<std::uint32_t>(SQL_C_ULONG, 4294967295U)), -1);
    EXPECT_DOUBLE_EQ(AsDouble(Cell<std::uint32_t>(SQL_C_ULONG, 4000000000U)), 4000000000.0);
    EXPECT_DOUBLE_EQ(AsDouble(Cell<std::int32_t>(SQL_C_SLONG, -42)), -42.0);
}

TEST(OclValues, FloatsInTheTwentyThreeCharacterScientificForm)
{
    const std::string one = AsText(Cell<double>(SQL_C_DOUBLE, 1.5));
    EXPECT_EQ(one, " 1.50000000000000E+0000");
    EXPECT_EQ(one.size(), 23U);
    EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, -0.00125)), "-1.25000000000000E-0003");
    EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, 0.0)), " 0.00000000000000E+0000");
    EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, 6.02214076e23)), " 6.02214076000000E+0023");
    EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, -1.7976931348623157e308)),
              "-1.79769313486232E+0308");
    EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, 2.5e-300)), " 2.50000000000000E-0300");
    EXPECT_EQ(AsText(Cell<float>(SQL_C_FLOAT, 0.5F)), " 5.00000000000000E-0001");
    EXPECT_EQ(AsText(Cell<float>(SQL_C_FLOAT, -1234.5F)), "-1.23450000000000E+0003");
    for (double value : {1.0, -1.0, 123456.789, -9.87654321e-12, 1e100}) {
        EXPECT_EQ(AsText(Cell<double>(SQL_C_DOUBLE, value)).size(), 23U) << value;
    }
    EXPECT_DOUBLE_EQ(AsDouble(Cell<double>(SQL_C_DOUBLE, -0.00125)), -0.00125);
    EXPECT_DOUBLE_EQ(AsDouble(Cell<float>(SQL_C_FLOAT, 0.5F)), 0.5);
}

TEST(OclValues, IntegerFromFloatRoundsHalfToEven)
{
    const std::vector<std::pair<double, std::int32_t>> cases = {
        {0.5, 0},           {1.5, 2},
        {2.5, 2},           {3.5, 4},
        {-0.5, 0},          {-1.5, -2},
        {-2.5, -2},         {2.4999, 2},
        {2.5001, 3},        {-2.5001, -3},
        {7.0, 7},           {-7.0, -7},
        {1e12, 2147483647}, {-1e12, -2147483647 - 1}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(AsInteger(Cell<double>(SQL_C_DOUBLE, value)), expected) << value;
    }
    EXPECT_EQ(AsInteger(Cell<float>(SQL_C_FLOAT, 4.5F)), 4);
    EXPECT_EQ(AsInteger(Cell<float>(SQL_C_FLOAT, 5.5F)), 6);
}

TEST(OclValues, DateTimeAndTimestampWithoutLeadingZeros)
{
    DATE_STRUCT date{1997, 3, 5};
    EXPECT_EQ(AsText(Cell(SQL_C_DATE, date)), "1997-3-5");
    TIME_STRUCT time{9, 5, 0};
    EXPECT_EQ(AsText(Cell(SQL_C_TIME, time)), "9:5:0");
    TIMESTAMP_STRUCT stamp{1997, 3, 5, 13, 4, 5, 0};
    EXPECT_EQ(AsText(Cell(SQL_C_TIMESTAMP, stamp)), "1997-3-5 13:4:5.00000000");
    stamp.fraction = 5;
    EXPECT_EQ(AsText(Cell(SQL_C_TIMESTAMP, stamp)), "1997-3-5 13:4:5.00000005");
    stamp.fraction = 123456789; // nanoseconds: a ninth digit is kept
    EXPECT_EQ(AsText(Cell(SQL_C_TIMESTAMP, stamp)), "1997-3-5 13:4:5.123456789");

    // Dates and times are not integers.
    EXPECT_EQ(AsInteger(Cell(SQL_C_DATE, date)), 0);
    EXPECT_EQ(AsInteger(Cell(SQL_C_TIMESTAMP, stamp)), 0);
}

TEST(OclValues, DateTimeAsDayCount)
{
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_DATE, DATE_STRUCT{1899, 12, 30})), 0.0);
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_DATE, DATE_STRUCT{1900, 1, 1})), 2.0);
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_DATE, DATE_STRUCT{1997, 3, 5})), 35494.0);
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_DATE, DATE_STRUCT{2000, 2, 29})), 36585.0);
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_TIME, TIME_STRUCT{18, 0, 0})), 0.75);
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_TIMESTAMP, TIMESTAMP_STRUCT{1997, 3, 5, 6, 0, 0, 0})),
                     35494.25);
    EXPECT_DOUBLE_EQ(
        AsDouble(Cell(SQL_C_TIMESTAMP, TIMESTAMP_STRUCT{1997, 3, 5, 0, 0, 43, 200000000})),
        35494.0 + 43.2 / 86400.0);
    // Before the epoch the time of day counts away from zero.
    EXPECT_DOUBLE_EQ(AsDouble(Cell(SQL_C_TIMESTAMP, TIMESTAMP_STRUCT{1899, 12, 29, 6, 0, 0, 0})),
                     -1.25);
}

TEST(OclValues, CharacterDataUpToNulWithTrailingBlanksRemoved)
{
    EXPECT_EQ(AsText(Text("Mahler   ")), "Mahler");
    EXPECT_EQ(AsText(Text("  leading stays")), "  leading stays");
    EXPECT_EQ(AsText(Text("tab stays\t")), "tab stays\t");
    EXPECT_EQ(AsText(Text("    ")), "");
    EXPECT_EQ(AsText(Text(std::string("cut\0here", 8))), "cut");
    EXPECT_EQ(AsText(Text("Björk Guðmundsdóttir")), "Björk Guðmundsdóttir");
    // Text is not a number.
    EXPECT_EQ(AsInteger(Text("42")), 0);
    EXPECT_DOUBLE_EQ(AsDouble(Text("42")), 0.0);
}

TEST(OclValues, NullBinaryAndUnknownTypes)
{
    TCellValue null = Cell<std::int32_t>(SQL_C_SLONG, 42);
    null.Indicator = SQL_NULL_DATA;
    EXPECT_EQ(AsText(null), "");
    EXPECT_EQ(AsInteger(null), 0);
    EXPECT_DOUBLE_EQ(AsDouble(null), 0.0);

    TCellValue nullText = Text("x");
    nullText.Indicator = SQL_NULL_DATA;
    EXPECT_EQ(AsText(nullText), "");

    TCellValue binary;
    binary.CType = SQL_C_BINARY;
    binary.Bytes = {'a', 'b'};
    binary.Indicator = 2;
    EXPECT_EQ(AsText(binary), "");
    EXPECT_EQ(AsInteger(binary), 0);

    // An empty view (e.g. nothing supplied) reads as nothing.
    EXPECT_EQ(THstmt::ValueToString(TCellView{}), "");
    EXPECT_EQ(THstmt::ValueToInteger(TCellView{}), 0);
    // A cell too short for its type reads as nothing instead of overrunning.
    TCellValue shortCell = Cell<std::int16_t>(SQL_C_SLONG, 1);
    EXPECT_EQ(AsInteger(shortCell), 0);
}

TEST(OclValues, CellValueCopiesAView)
{
    const std::string text = "Zappa";
    TCellView view;
    view.CType = SQL_C_CHAR;
    view.Indicator = 5;
    view.Data = reinterpret_cast<const unsigned char*>(text.data());
    view.Size = text.size();
    const TCellValue copy(view);
    EXPECT_EQ(copy.CType, SQL_C_CHAR);
    EXPECT_EQ(copy.Indicator, 5);
    EXPECT_EQ(copy.Bytes.size(), 5U);
    EXPECT_EQ(THstmt::ValueToString(copy.View()), "Zappa");
    EXPECT_FALSE(copy.View().IsNull());
}
