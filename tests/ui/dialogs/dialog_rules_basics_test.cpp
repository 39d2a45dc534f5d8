// The small rules every dialog shares: numbers with a decimal comma, the
// colour palettes, and the Windows filters of the file choosers.
#include <gtest/gtest.h>

#include "ui/dialogs/rules/colour_palette.h"
#include "ui/dialogs/rules/file_chooser.h"
#include "ui/dialogs/rules/number_fields.h"

namespace veldor {
namespace {

struct NumberCase {
  const char* text;
  bool whole;
  double minimum;
  double maximum;
  std::optional<double> expected;
};

TEST(NumberFieldsTest, AcceptsCommaOrPointAndRefusesOutOfRange) {
  const NumberCase cases[] = {
      {"1,5", false, 0, 20, 1.5},  {"1.5", false, 0, 20, 1.5},     {" 20 ", false, 0, 20, 20.0},
      {"0", false, 0, 21, 0.0},    {"20,01", false, 0, 20, {}},    {"-0,5", false, 0, 20, {}},
      {"", false, 0, 20, {}},      {"abc", false, 0, 20, {}},      {"1,5,2", false, 0, 20, {}},
      {"1e3", false, 0, 2000, {}}, {"1023", true, 0, 1023, 1023.}, {"1024", true, 0, 1023, {}},
      {"1,5", true, 0, 1023, {}},  {"-3", true, -5, 5, -3.0},
  };
  for (const NumberCase& c : cases) {
    const NumberCheck check =
        c.whole ? CheckWhole(c.text, static_cast<long>(c.minimum), static_cast<long>(c.maximum))
                : CheckDecimal(c.text, c.minimum, c.maximum);
    EXPECT_EQ(check.value, c.expected) << c.text;
    EXPECT_EQ(check.message.empty(), c.expected.has_value()) << c.text;
  }
  EXPECT_EQ(CheckDecimal("30", 0, 20).message, "Entrez un nombre compris entre 0 et 20.");
  EXPECT_EQ(CheckWhole("x", 0, 1023).message, "Entrez un nombre entier compris entre 0 et 1023.");
}

TEST(NumberFieldsTest, FormatsWithCommaAndWithoutTrailingZeros) {
  EXPECT_EQ(FormatDecimal(1.7f), "1,7");
  EXPECT_EQ(FormatDecimal(0.25f), "0,25");
  EXPECT_EQ(FormatDecimal(0), "0");
  EXPECT_EQ(FormatDecimal(21), "21");
  // What is shown reads back as the same value.
  EXPECT_FLOAT_EQ(static_cast<float>(*CheckDecimal(FormatDecimal(1.7f), 0, 20).value), 1.7f);
}

TEST(ColourPaletteTest, PalettesHoldTheirColoursInOrder) {
  const ColourPalette sixteen(ColourPalette::kSixteen);
  const ColourPalette fortyEight(ColourPalette::kFortyEight);
  EXPECT_EQ(sixteen.count(), 16);
  EXPECT_EQ(sixteen.rows(), 2);
  EXPECT_EQ(fortyEight.count(), 48);
  EXPECT_EQ(fortyEight.rows(), 6);
  EXPECT_EQ(sixteen.ColourAt(1), Rgb(0, 255, 255));
  EXPECT_EQ(sixteen.ColourAt(2), 0x0000FFu);  // red in the low byte
  EXPECT_EQ(sixteen.ColourAt(15), Rgb(0, 128, 0));
  EXPECT_EQ(fortyEight.ColourAt(18), Rgb(255, 128, 0));
  EXPECT_EQ(fortyEight.ColourAt(47), Rgb(64, 0, 64));
}

TEST(ColourPaletteTest, ValueSelectsFirstCellOfItsColourElseTheFirstCell) {
  const ColourPalette sixteen(ColourPalette::kSixteen);
  const ColourPalette fortyEight(ColourPalette::kFortyEight);
  EXPECT_EQ(sixteen.CellOf(Rgb(0, 0, 0)), 12);
  EXPECT_EQ(sixteen.CellOf(Rgb(1, 2, 3)), 0);
  // Grey 192 appears once in the large palette, white only first.
  EXPECT_EQ(fortyEight.CellOf(Rgb(192, 192, 192)), 16);
  EXPECT_EQ(fortyEight.CellOf(Rgb(255, 255, 255)), 0);
  EXPECT_EQ(fortyEight.CellOf(Rgb(192, 64, 0)), 26);
  // A colour of the small palette missing from the large one.
  EXPECT_EQ(fortyEight.CellOf(Rgb(0, 0, 255)), 22);
  EXPECT_EQ(sixteen.ColourAt(99), sixteen.ColourAt(0));
}

TEST(FileChooserTest, WindowsFiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilters("Fichier BMP(*.bmp)|*.bmp| Fichier SHG(*.shg)|*.shg||"),
            (std::vector<std::string>{"Fichier BMP(*.bmp)", "Fichier SHG(*.shg)"}));
  EXPECT_EQ(QtNameFilters("Fichier EXE (*.exe)|*.exe||"),
            (std::vector<std::string>{"Fichier EXE (*.exe)"}));
  EXPECT_EQ(QtNameFilters("Textes|*.txt;*.asc||"),
            (std::vector<std::string>{"Textes (*.txt *.asc)"}));
  EXPECT_TRUE(QtNameFilters("").empty());
  EXPECT_TRUE(IsPattern("*.bmp;*.shg"));
  EXPECT_FALSE(IsPattern("C:\\IMG\\A.BMP"));
  EXPECT_EQ(StartingName("", "*.wav"), "*.wav");
  EXPECT_EQ(StartingName("son.wav", "*.wav"), "son.wav");
}

}  // namespace
}  // namespace veldor
