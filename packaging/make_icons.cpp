// Writes the program's icon in the freedesktop.org icon-theme layout:
//   make_icons OUTPUT_DIR NAME
// makes OUTPUT_DIR/<size>x<size>/apps/NAME.png for each size the desktops
// look for, and OUTPUT_DIR/scalable/apps/NAME.svg. Every file is drawn by
// the same routine that draws the window's icon.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "widgets/programicon.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool MakeFolder(const QString& path) {
  if (QDir().mkpath(path)) return true;
  std::fprintf(stderr, "make_icons: cannot create %s\n", qPrintable(path));
  return false;
}

bool WritePng(const QString& folder, const QString& name, int side) {
  const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(side);
  if (!MakeFolder(dir)) return false;
  const QString file = dir + '/' + name + ".png";
  if (widgets::ProgramIconImage(side).save(file, "PNG")) return true;
  std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
  return false;
}

bool WriteSvg(const QString& folder, const QString& name) {
  const QString dir = folder + "/scalable/apps";
  if (!MakeFolder(dir)) return false;
  const QString file = dir + '/' + name + ".svg";
  const int side = widgets::kProgramIconDesignSide;
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(side, side));
  svg.setViewBox(QRect(0, 0, side, side));
  svg.setTitle(QStringLiteral("Stillwise"));
  svg.setDescription(QStringLiteral("A still on its fire with a column of trays and a condenser"));
  QPainter painter;
  if (!painter.begin(&svg)) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
    return false;
  }
  widgets::PaintProgramIcon(painter, side);
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icons OUTPUT_DIR NAME\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int side : kSizes)
    if (!WritePng(folder, name, side)) return 1;
  return WriteSvg(folder, name) ? 0 : 1;
}
