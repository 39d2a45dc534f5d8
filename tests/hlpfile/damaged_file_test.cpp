// Damaged and foreign files are refused with a message: truncated at every
// offset, bytes overwritten, counts made wrong. None may crash or hang.
#include <gtest/gtest.h>

#include "hlp_samples.h"
#include "hlpfile/help_file.h"
#include "hlpfile/lz77.h"
#include "support/test_files.h"

namespace veldor::hlp {
namespace {

using hlptest::Packing;

void SetU16(std::string& s, std::size_t at, unsigned v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>(v >> 8);
}

TEST(DamagedFileTest, ForeignFilesAreRefused) {
  for (const std::string& bytes : {std::string(), std::string("{\\rtf1 bonjour}"),
                                   std::string("\x3F\x5F\x03\x00", 4), std::string(64, '\0')}) {
    const HelpFileResult result = ReadHelpFile(bytes);
    EXPECT_FALSE(result.document);
    EXPECT_FALSE(result.error.empty());
  }
  const HelpFileResult missing = OpenHelpFile("/nonexistent/AIDE.HLP");
  EXPECT_FALSE(missing.document);
  EXPECT_NE(missing.error.find("Impossible de lire"), std::string::npos);
}

TEST(DamagedFileTest, TruncatedAtEveryOffset) {
  for (Packing packing : {Packing::Plain, Packing::BlocksAndPhrases}) {
    const std::string whole = hlptest::BuildHelpFile(hlptest::SampleSpec(packing));
    ASSERT_TRUE(ReadHelpFile(whole).document);
    for (std::size_t size = 0; size < whole.size(); size += 7) {
      const HelpFileResult result = ReadHelpFile(whole.substr(0, size));
      EXPECT_FALSE(result.document) << "size " << size;
      EXPECT_FALSE(result.error.empty());
    }
  }
}

TEST(DamagedFileTest, OverwrittenBytesNeverCrash) {
  const std::string whole = hlptest::BuildHelpFile(hlptest::SampleSpec(Packing::BlocksAndPhrases));
  std::size_t refused = 0;
  for (std::size_t at = 0; at < whole.size(); at += 11) {
    for (unsigned char value : {0x00, 0xFF}) {
      std::string damaged = whole;
      damaged[at] = static_cast<char>(value);
      const HelpFileResult result = ReadHelpFile(damaged);
      if (!result.document) {
        ++refused;
        EXPECT_FALSE(result.error.empty());
        continue;
      }
      // A file that still opens must let its pictures be decoded safely.
      HelpPicture picture;
      std::string error;
      for (const auto& [number, span] : result.document->pictures) {
        LoadPicture(*result.document, number, picture, error);
      }
    }
  }
  EXPECT_GT(refused, 0u);
}

TEST(DamagedFileTest, WrongCountsInRealFiles) {
  const std::string whole = FileContents(TestDataPath("hlpfile/TSTCON32.HLP"));
  ASSERT_TRUE(ReadHelpFile(whole).document);
  // The directory start moved past the end of the file.
  std::string damaged = whole;
  damaged[6] = '\x7F';
  EXPECT_FALSE(ReadHelpFile(damaged).document);
  // Every 16-bit field of the first kilobytes set to a huge count.
  for (std::size_t at = 16; at < 2048 && at + 1 < whole.size(); at += 2) {
    damaged = whole;
    SetU16(damaged, at, 0xFFF1);
    const HelpFileResult result = ReadHelpFile(damaged);
    if (!result.document) {
      EXPECT_FALSE(result.error.empty());
    }
  }
}

TEST(Lz77Test, ExpandsReferencesAndRejectsReferencesBeforeTheStart) {
  // "abc" then a reference of distance 3, length 6: "abcabcabc".
  const std::string packed = std::string("\x08", 1) + "abc" + std::string("\x02\x30", 2);
  std::string out;
  ExpandLz77(Bytes(packed), 100, out);
  EXPECT_EQ(out, "abcabcabc");
  out.clear();
  ExpandLz77(Bytes(packed), 5, out);
  EXPECT_EQ(out, "abcab") << "the limit is a hard bound";
  const std::string bad = std::string("\x01\x05\x00", 3);
  out.clear();
  EXPECT_THROW(ExpandLz77(Bytes(bad), 100, out), FormatError);
  const std::string roundTrip(5000, 'x');
  out.clear();
  ExpandLz77(Bytes(hlptest::CompressLz77(roundTrip + "fin")), 10000, out);
  EXPECT_EQ(out, roundTrip + "fin");
}

}  // namespace
}  // namespace veldor::hlp
