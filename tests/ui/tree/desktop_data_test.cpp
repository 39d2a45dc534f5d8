// The desktop entry, the file type and the icon installed for the shell.
#include <gtest/gtest.h>

#include <QIcon>
#include <QString>
#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "model/document.h"
#include "support/test_files.h"
#include "ui/data/app_icon.h"

namespace veldor {
namespace {

std::string DataFile(const std::string& name) {
  return FileContents(std::string(VELDOR_SOURCE_DIR) + "/src/ui/data/" + name);
}

TEST(DesktopDataTest, EntryOpensProjectsOfTheDeclaredType) {
  const std::string entry = DataFile("veldor.desktop");
  for (const char* line :
       {"[Desktop Entry]\n", "\nName=Veldor\n", "\nExec=veldor %f\n", "\nIcon=veldor\n",
        "\nMimeType=application/x-veldor-project;\n", "\nType=Application\n"}) {
    EXPECT_NE(entry.find(line), std::string::npos) << line;
  }
}

TEST(DesktopDataTest, FileTypeMatchesWhatTheProgramWrites) {
  QXmlStreamReader xml(QByteArray::fromStdString(DataFile("veldor-mime.xml")));
  QString type;
  std::vector<QString> globs;
  std::vector<std::string> magics;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == QLatin1String("mime-type")) type = xml.attributes().value("type").toString();
    if (name == QLatin1String("glob"))
      globs.push_back(xml.attributes().value("pattern").toString());
    if (name == QLatin1String("match")) {
      EXPECT_EQ(xml.attributes().value("offset"), QLatin1String("0"));
      magics.push_back(xml.attributes().value("value").toString().toStdString());
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(type, "application/x-veldor-project");
  EXPECT_EQ(globs, std::vector<QString>{"*.ehe"});
  ASSERT_EQ(magics.size(), 1u);
  const std::string saved = CVeldorDoc().SaveToBytes();
  EXPECT_EQ(saved.substr(0, magics[0].size()), magics[0]);
}

TEST(DesktopDataTest, IconComesInTwoSizes) {
  const QIcon icon = VeldorAppIcon();
  const QList<QSize> sizes = icon.availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(48, 48)));
  EXPECT_TRUE(sizes.contains(QSize(256, 256)));
  EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
}

}  // namespace
}  // namespace veldor
