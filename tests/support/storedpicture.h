#pragma once

#include <QImage>
#include <QString>

namespace test_support {

// Compares a picture pixel by pixel with the PNG file at `path`, so that a
// change of the PNG encoder alone does not count. With the environment
// variable STILLWISE_WRITE_PICTURES set, it writes the picture there
// instead: the way to renew the stored pictures after an intended change.
void ExpectStoredPicture(const QImage& picture, const QString& path);

}  // namespace test_support
