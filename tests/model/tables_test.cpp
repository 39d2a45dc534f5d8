#include <gtest/gtest.h>

#include "model/archive.h"
#include "model/global_texte.h"
#include "model/win_attr.h"

namespace veldor {
namespace {

CWinAttr Window(const std::string& name, int x = 0, int width = 100) {
  CWinAttr w;
  w.name = name;
  w.x = x;
  w.width = width;
  w.y = 0;
  w.height = 100;
  return w;
}

TEST(TablesTest, GlobalStringTable) {
  CGestGlobal table;
  EXPECT_EQ(table.Remove(0), 0);
  EXPECT_EQ(table.Set(0, CGlobalTexte()), 0);
  EXPECT_EQ(table.GetAt(0), nullptr);
  CGlobalTexte record;
  record.text = "mot";
  record.reservedLong = 5;
  record.reservedText1 = "r";
  for (int i = 0; i < CGestGlobal::kCapacity; ++i) ASSERT_EQ(table.Add(record), 1);
  EXPECT_EQ(table.Add(record), 0);
  EXPECT_EQ(table.count(), 512);
  // A copy takes the meaningful fields only.
  EXPECT_EQ(table.Get(0).text, "mot");
  EXPECT_EQ(table.Get(0).reservedLong, 0);
  EXPECT_EQ(table.Get(0).reservedText1, "");
  EXPECT_EQ(table.Get(600).text, "");
  EXPECT_EQ(table.Remove(511), 1);
  CGestGlobal copy;
  copy.CopyFrom(table);
  EXPECT_EQ(copy.count(), 511);

  CGestGlobal one;
  one.Add(record);
  EXPECT_EQ(one.Remove(0), 1);
  EXPECT_EQ(one.count(), 0);
}

TEST(TablesTest, WindowTableIgnoresCaseOfNames) {
  CGestWinAttr table;
  ASSERT_EQ(table.Add(Window("main")), 1);
  EXPECT_EQ(table.Exists("MAIN"), 1);
  EXPECT_EQ(table.IndexOf("Main"), 0);
  EXPECT_EQ(table.IndexOf("autre"), -1);
  CWinAttr w = Window("x");
  w.reservedWord1 = 3;
  w.reservedText2 = "kept";
  EXPECT_EQ(table.Set(0, w), 1);
  EXPECT_EQ(table.GetAt(0)->name, "x");
  EXPECT_EQ(table.GetAt(0)->reservedWord1, 0);
  EXPECT_EQ(table.Set(1, w), 0);
  EXPECT_EQ(CWinAttr().height, 600);
  EXPECT_EQ(CWinAttr().mainColour, 0xFFFFFFu);
}

TEST(TablesTest, WindowDialogChecks) {
  CGestWinAttr table;
  EXPECT_EQ(StoreWindowRecord(table, Window("main", 500, 524), -1), WindowCheck::kTooLarge);
  EXPECT_EQ(CheckWindowRecord(table, Window("main", 500, 524), -1),
            "Erreur:Les dimensions exèdent 1023 ");
  EXPECT_EQ(StoreWindowRecord(table, Window("main", 500, 523), -1), WindowCheck::kOk);
  EXPECT_EQ(StoreWindowRecord(table, Window("w", 24, 1000), -1), WindowCheck::kTooLarge);
  CWinAttr tall = Window("w");
  tall.y = 1;
  tall.height = 1023;
  EXPECT_EQ(CheckWindow(table, tall, -1), WindowCheck::kTooLarge);
  EXPECT_EQ(CheckWindow(table, Window("w", 0, 1024), -1), WindowCheck::kOutOfRange);
  EXPECT_EQ(CheckWindow(table, Window("w", -1, 10), -1), WindowCheck::kOutOfRange);
  EXPECT_EQ(CheckWindowRecord(table, Window(""), -1), kWindowSilentRefusal);
  EXPECT_EQ(StoreWindowRecord(table, Window("Main"), -1), WindowCheck::kDuplicateName);
  EXPECT_EQ(WindowCheckMessage(WindowCheck::kDuplicateName), "Nom en double");
  // Modify may keep the record's own name, not take another's.
  ASSERT_EQ(StoreWindowRecord(table, Window("aide", 23, 1000), -1), WindowCheck::kOk);
  EXPECT_EQ(StoreWindowRecord(table, Window("MAIN", 1, 1), 0), WindowCheck::kOk);
  EXPECT_EQ(table.GetAt(0)->name, "MAIN");
  EXPECT_EQ(StoreWindowRecord(table, Window("aide"), 0), WindowCheck::kDuplicateName);
  EXPECT_EQ(StoreWindowRecord(table, Window("z"), 5), WindowCheck::kBadIndex);
  for (int i = table.count(); i < CGestWinAttr::kCapacity; ++i) {
    ASSERT_EQ(StoreWindowRecord(table, Window("w" + std::to_string(i)), -1), WindowCheck::kOk);
  }
  EXPECT_EQ(StoreWindowRecord(table, Window("onze"), -1), WindowCheck::kTableFull);
  EXPECT_EQ(CheckWindowRecord(table, Window("onze"), -1), kWindowSilentRefusal);
  EXPECT_EQ(table.Add(Window("onze")), 0);
  EXPECT_EQ(table.count(), 10);
}

TEST(TablesTest, TablesRoundTripAndRefuseCountsBeyondTheirCapacity) {
  CGestWinAttr windows;
  windows.Add(Window("main"));
  windows.Add(Window("aide", 10));
  std::string bytes;
  CArchive out(bytes);
  windows.Serialize(out);
  ASSERT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
  CGestWinAttr again;
  CArchive in{std::string_view(bytes)};
  again.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  ASSERT_EQ(again.count(), 2);
  EXPECT_EQ(again.GetAt(1)->name, "aide");
  EXPECT_EQ(again.GetAt(1)->x, 10);

  auto loadFails = [](auto table, const std::string& count, const std::string& message) {
    CArchive archive{std::string_view(count)};
    try {
      table.Serialize(archive);
    } catch (const ArchiveError& error) {
      return std::string(error.what()).find(message) != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(loadFails(CGestWinAttr(), std::string("\x0B\x00", 2),
                        "la table des fen\xC3\xAAtres annonce 11 fen\xC3\xAAtres, 10 au plus"));
  EXPECT_TRUE(loadFails(CGestGlobal(), std::string("\x01\x02", 2),
                        "la table des textes globaux annonce 513 entr\xC3\xA9"
                        "es, 512 au plus"));
}

}  // namespace
}  // namespace veldor
