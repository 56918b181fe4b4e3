#include "commands/savefile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <tuple>

namespace commands {
namespace {

// Saving through a link writes the file it leads to, whole, and keeps the link.
TEST(SaveFileBytes, FollowsSymbolicLinks) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
  // The link, what it holds, and the file that gets the bytes; none for a loop.
  const std::tuple<QString, QString, QString> cases[] = {
      {"relative", "sub/old.txt", "sub/old.txt"},
      {"chain", "relative", "sub/old.txt"},
      {"sub/up", "../sub/new.txt", "sub/new.txt"},
      {"absolute", folder.filePath("sub/absolute.txt"), "sub/absolute.txt"},
      {"loop", "loop", ""},
  };
  ASSERT_TRUE(QFile(folder.filePath("sub/old.txt")).open(QIODevice::WriteOnly));
  for (const auto& [name, target, written] : cases) {
    const QString link = folder.filePath(name);
    ASSERT_EQ(symlink(target.toUtf8().constData(), link.toUtf8().constData()), 0);
    EXPECT_EQ(SaveFileBytes(link.toStdString(), name.toStdString()),
              written.isEmpty() ? "Too many levels of symbolic links" : "");
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << name.toStdString();
    if (!written.isEmpty()) {
      EXPECT_EQ(QFile(folder.filePath(written)).size(), name.size()) << name.toStdString();
    }
  }
  EXPECT_EQ(QDir(folder.filePath("sub")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"absolute.txt", "new.txt", "old.txt", "up"}));
}

}  // namespace
}  // namespace commands
