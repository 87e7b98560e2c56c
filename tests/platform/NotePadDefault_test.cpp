#include "platform/NotePadDefault.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zelto {
namespace {

class NotePadDefaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bin.isValid());
    savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
  }
  void TearDown() override { qputenv("PATH", savedPath); }

  void AddProgram(const QString& name, bool executable = true) {
    QFile file(QDir(bin.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) mode |= QFile::ExeOwner;
    file.setPermissions(mode);
  }

  QTemporaryDir bin;
  QByteArray savedPath;
};

TEST_F(NotePadDefaultTest, FirstKnownEditorOnPathElseTheDesktopOpener) {
  EXPECT_EQ(DefaultNotePad(), "xdg-open");
  AddProgram("pluma");
  AddProgram("gedit", false);  // not executable: not an editor we can start
  EXPECT_EQ(DefaultNotePad(), QDir(bin.path()).filePath("pluma").toStdString());
  AddProgram("kwrite");
  AddProgram("kate");
  EXPECT_EQ(DefaultNotePad(), QDir(bin.path()).filePath("kate").toStdString());
}

}  // namespace
}  // namespace zelto
