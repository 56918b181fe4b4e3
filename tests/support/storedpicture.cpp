#include "support/storedpicture.h"

#include <gtest/gtest.h>

namespace test_support {

void ExpectStoredPicture(const QImage& picture, const QString& path) {
  const std::string name = path.toStdString();
  if (qEnvironmentVariableIsSet("STILLWISE_WRITE_PICTURES")) {
    ASSERT_TRUE(picture.save(path, "PNG")) << name;
    return;
  }
  const QImage stored(path);
  ASSERT_FALSE(stored.isNull()) << "no picture " << name;
  const QImage drawn = picture.convertToFormat(QImage::Format_ARGB32);
  const QImage expected = stored.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(drawn.size(), expected.size()) << name;
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (drawn.pixel(x, y) == expected.pixel(x, y)) continue;
      if (differing++ == 0) ADD_FAILURE() << name << ": first different pixel at " << x << "," << y;
    }
  }
  EXPECT_EQ(differing, 0) << name << ": pixels that differ";
}

}  // namespace test_support
